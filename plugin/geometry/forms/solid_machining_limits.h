// The tables of limits of the solid cut and the Z-level contour, used by their
// dialogs and their record readers alike (see operation_limits.h).
#pragma once

#include "plugin/geometry/forms/operation_limits.h"

// The finest machining tolerance; a record written before the tolerance kept
// four decimals may hold 0, which reads as this.
constexpr double kLeastMachiningTolerance = 0.0001;

struct SolidCutLimits {
  FieldLimit twoWay = limits::Switch("두 방향");
  ToolNumberLimits tool = MillingToolNumberLimits("번호", "번호", "장보정", "장보정");
  FieldLimit spindleOn = limits::Switch("주축회전수");
  FieldLimit upCut = limits::Switch("상향가공");
  FieldLimit gougeCheckOn = limits::Switch("간섭체크");
  FieldLimit insideCheck = limits::Switch("안쪽 체크");
  FieldLimit toolRadiusCompensation = limits::Switch("공구경 보정");
  FieldLimit feed = limits::Feed("Feed");
  FieldLimit spindleSpeed = limits::Spindle("주축회전수");
  FieldLimit machiningAngle = limits::Angle("가공각도");
  // A step of nothing never leaves the first slice.
  FieldLimit stepover{"Stepover", 0.01, 1000};
  FieldLimit allowance = limits::Allowance("가공 여유");
  FieldLimit gougeAllowance = limits::Allowance("간섭 여유");
  FieldLimit retractHeight = limits::Height("복귀 높이");
  FieldLimit machiningTolerance{"가공 공차", kLeastMachiningTolerance, 100000};
  // What a record may hold: older ones rounded small tolerances to 0.
  FieldLimit storedTolerance{"가공 공차", 0, 100000};
  FieldLimit angleLimitOn = limits::Switch("가공 각도");
  FieldLimit minimumAngle{"최소", 0, 90};
  FieldLimit maximumAngle{"최대", 0, 90};
};
inline constexpr SolidCutLimits kSolidCutLimits{};

struct ZProfileLimits {
  FieldLimit cutDirection{"가공 방향", 0, 1};
  FieldLimit method{"가공 방법", 0, 1};
  ToolNumberLimits tool = MillingToolNumberLimits("번호", "번호", "장보정", "장보정");
  FieldLimit spindleOn = limits::Switch("주축회전수");
  FieldLimit gougeCheckOn = limits::Switch("간섭체크");
  FieldLimit insideCheck = limits::Switch("안쪽 체크");
  FieldLimit toolRadiusCompensation = limits::Switch("공구경 보정");
  FieldLimit cornerRound = limits::Switch("코너 라운드");
  FieldLimit feed = limits::Feed("Feed");
  FieldLimit spindleSpeed = limits::Spindle("주축회전수");
  FieldLimit zStep{"Z Step", 0, 1000};
  FieldLimit allowance{"가공 여유", 0, 10000};
  FieldLimit gougeAllowance = limits::Allowance("간섭 여유");
  FieldLimit retractHeight = limits::Height("복귀 높이");
  FieldLimit machiningTolerance{"가공공차", kLeastMachiningTolerance, 100000};
  FieldLimit storedTolerance{"가공공차", 0, 100000};
  FieldLimit betweenLevelRetract = limits::Switch("레벨간 복귀");
  FieldLimit startPointOn = limits::Switch("시작점");
  FieldLimit startX = limits::Position("시작점 X");
  FieldLimit startY = limits::Position("시작점 Y");
  FieldLimit startZ = limits::Position("시작점 Z");
  FieldLimit zStartOn = limits::Switch("Z 시작");
  FieldLimit zStart = limits::Height("Z 시작");
  FieldLimit zDepthOn = limits::Switch("Z 깊이");
  FieldLimit zDepth = limits::Height("Z 깊이");
};
inline constexpr ZProfileLimits kZProfileLimits{};
