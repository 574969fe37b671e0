// The limits of the lathe drilling and grooving operations, checked alike by
// their dialogs and by the lathe drilling record reader (operation_limits.h).
#pragma once

#include "plugin/geometry/forms/operation_limits.h"

struct LatheDrillLimits {
  FieldLimit cycleIndex{"가공 싸이클", 0, 6};
  ToolNumberLimits tool = kDrillLimits.tool;
  FieldLimit toolType = kDrillLimits.toolType;
  FieldLimit diameter = kDrillLimits.diameter;
  FieldLimit length = kDrillLimits.length;
  FieldLimit startPointOn = limits::Switch("시작점");
  FieldLimit startX = limits::Position("시작점 X");
  FieldLimit startY = limits::Position("시작점 Y");
  FieldLimit tipCompensationOn = kDrillLimits.tipCompensationOn;
  FieldLimit throughLength = kDrillLimits.throughLength;
  FieldLimit tipLength = kDrillLimits.tipLength;
  FieldLimit tipAngle = kDrillLimits.tipAngle;
  FieldLimit feed = limits::Feed("Feed");
  FieldLimit spindleOn = limits::Switch("주축회전수");
  FieldLimit spindleSpeed = limits::Spindle("주축회전수");
  FieldLimit firstPeck{"처음펙", 0, 10000};
  FieldLimit nextPeck{"다음펙", 0, 100000};
  FieldLimit peckReturn{"펙 복귀", 0, 10000};
  FieldLimit chipBreak{"칩 브레이크", 0, 10000};
  FieldLimit dwell{"드웰", 0, 100000};
  FieldLimit shift{"쉬프트", -10000, 10000};
  FieldLimit drillDepth = limits::Position("드릴 깊이");
  FieldLimit drillPoint = limits::Position("드릴 포인트");
  FieldLimit returnHeight = limits::Position("복귀높이");
  FieldLimit safetyDistance = limits::Position("안전거리");
  FieldLimit returnAbsolute = limits::Switch("복귀높이 절대값");
  FieldLimit safetyAbsolute = limits::Switch("안전거리 절대값");
};
inline constexpr LatheDrillLimits kLatheDrillLimits{};

struct GrooveLimits {
  ToolNumberLimits tool = kDrillLimits.tool;
  FieldLimit spindleSpeed = limits::Spindle("주축회전수");
  FieldLimit feed = limits::Feed("Feed");
  FieldLimit startX = limits::Position("시작점 X");
  FieldLimit startY = limits::Position("시작점 Y");
  FieldLimit allowance = limits::Allowance("가공여유");
  // A stepover of 0 would hatch without end.
  FieldLimit stepover{"Stepover", 0.01, 1000};
  FieldLimit safetyDistance{"안전거리", 0, 10000};
  FieldLimit zReturn = limits::Height("Z 복귀");
  // The groove tool: its width and nose radius shape the region it may reach.
  FieldLimit width{"공구 폭", 0.01, 1000};
  FieldLimit noseRadius{"노즈 반경", 0, 500};
  FieldLimit toolSize3 = limits::Length("날 깊이");
  FieldLimit length{"공구길이", 0.01, 10000};
  FieldLimit toolSize5 = limits::Length("생크 폭");
};
inline constexpr GrooveLimits kGrooveLimits{};
