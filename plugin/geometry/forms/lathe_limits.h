// The lathe turning operation's one table of limits, checked by its dialog and
// by its record reader alike (see operation_limits.h for the pattern).
#pragma once

#include "plugin/geometry/forms/operation_limits.h"

struct LatheLimits {
  ToolNumberLimits tool{
      limits::Switch("공구번호"), {"공구번호", 0, 100000}, limits::Switch("공구 장보정"), {"공구 장보정", 0, 10000}};
  FieldLimit noseRadius{"공구 노즈반경", 0, 100};
  FieldLimit outerOn = limits::Switch("외경 가공");
  FieldLimit returnHeight{"복귀 높이", 0, 999999};
  FieldLimit startX = limits::Position("시작점 X");
  FieldLimit startY = limits::Position("시작점 Y");
  FieldLimit roughOn = limits::Switch("황삭가공");
  FieldLimit roughAllowance = limits::Allowance("가공여유");
  // A step of nothing would divide by zero; smaller steps make passes by the million.
  FieldLimit roughStepover{"황삭 Stepover", 0.01, 1000};
  FieldLimit roughFeed = limits::Feed("황삭 Feed");
  FieldLimit roughSpindleOn = limits::Switch("주축회전수");
  FieldLimit roughSpindle = limits::Spindle("주축회전수");
  FieldLimit finishOn = limits::Switch("정삭가공");
  FieldLimit finishAllowance = limits::Allowance("가공 여유");
  FieldLimit finishStepover{"정삭 Stepover", 0.001, 1000};
  FieldLimit finishFeed = limits::Feed("정삭 Feed");
  FieldLimit finishSpindleOn = limits::Switch("주축회전수");
  FieldLimit finishSpindle = limits::Spindle("주축회전수");
  FieldLimit finishPasses{"정삭 횟수", 0, 1000};
};
inline constexpr LatheLimits kLatheLimits{};
