// The one table of limits of the 3D pocket (operation_limits.h's pattern): the
// dialog's DDX_Limited and the kind-5 record reader use the same entries.
#pragma once

#include "plugin/geometry/forms/operation_limits.h"

struct SolidPocketLimits {
  FieldLimit cutDirection{"가공 방향", 0, 1};
  FieldLimit pattern{"가공방법", 0, 3};
  FieldLimit method{"가공 방식", 0, 1};
  ToolNumberLimits roughTool = MillingToolNumberLimits("황삭 번호", "황삭 번호", "황삭 장보정", "황삭 장보정");
  ToolNumberLimits finishTool = MillingToolNumberLimits("정삭 번호", "정삭 번호", "정삭 장보정", "정삭 장보정");
  ToolNumberLimits restTool = MillingToolNumberLimits("잔삭 번호", "잔삭 번호", "잔삭 장보정", "잔삭 장보정");
  FieldLimit retractHeight = limits::Height("복귀 높이");
  FieldLimit zStep{"Z Step", 0, 1000};
  FieldLimit roughOn = limits::Switch("황삭가공");
  FieldLimit roughFeed = limits::Feed("황삭 Feed");
  FieldLimit linkFeedOn = limits::Switch("연결 Feed");
  FieldLimit linkFeed{"연결 Feed", 1, 10000};
  FieldLimit roughSpindleOn = limits::Switch("황삭 주축회전수");
  FieldLimit roughSpindle{"황삭 주축회전수", 0, 100000};
  FieldLimit roughAngle = limits::Angle("황삭가공각도");
  FieldLimit roughAllowance{"황삭 가공여유", 0, 10000};
  // Smaller steps make passes by the million.
  FieldLimit roughStepover{"황삭 Stepover", 0.01, 1000};
  FieldLimit startOutside = limits::Switch("외곽 시작");
  FieldLimit retractBetweenLevels = limits::Switch("레벨간 복귀");
  FieldLimit startPointOn = limits::Switch("시작점");
  FieldLimit startX = limits::Position("시작점 X");
  FieldLimit startY = limits::Position("시작점 Y");
  FieldLimit startZ = limits::Position("시작점 Z");
  FieldLimit finishOn = limits::Switch("정삭가공");
  FieldLimit finishFeed = limits::Feed("정삭 Feed");
  FieldLimit finishSpindleOn = limits::Switch("정삭 주축회전수");
  FieldLimit finishSpindle = limits::Spindle("정삭 주축회전수");
  FieldLimit finishPasses{"정삭 횟수", 1, 1000};
  FieldLimit cornerRound = limits::Switch("코너 라운드");
  FieldLimit finishAllowance{"정삭 가공 여유", 0, 10000};
  FieldLimit finishStepover{"정삭 Stepover", 0, 1000};
  FieldLimit restOn = limits::Switch("잔삭가공");
  FieldLimit restFeed = limits::Feed("잔삭 Feed");
  FieldLimit restSpindleOn = limits::Switch("잔삭 주축회전수");
  FieldLimit restSpindle = limits::Spindle("잔삭 주축회전수");
  FieldLimit restAllowance = limits::Allowance("잔삭 가공 여유");
  FieldLimit restAfterFinish = limits::Switch("정삭후 잔삭");
};
inline constexpr SolidPocketLimits kSolidPocketLimits{};
