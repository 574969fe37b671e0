// The limits of the simple profile, circular and sphere cycles, beside
// simple_cycle_limits.h and used the same way (DDX_Limited in the dialogs,
// RecordReader in the record readers).
#pragma once

#include "plugin/geometry/forms/simple_cycle_limits.h"

struct SimpleProfileLimits {
  FieldLimit profileType{"Profile Type", 1, 3};
  FieldLimit side{"방향", 1, 3};
  FieldLimit passCount{"Profile 횟수", 1, 100};
  FieldLimit stepover{"Stepoever", 0.1, 1000};
  FieldLimit zStepover{"Z Stepover", 0.1, 100};
};
inline constexpr SimpleProfileLimits kSimpleProfileLimits{};

struct SimpleRadialLimits {
  FieldLimit pathShape{"공구경로 형상", 1, 3};
  FieldLimit toolCompensation{"공구 경 보정", 1, 3};
  FieldLimit innerDiameter{"내 경", 0, 10000};
  FieldLimit diameter{"직 경", 0, 10000};
  FieldLimit stepover{"Stepover", 0.01, 1000};
  FieldLimit centreX = limits::Coordinate("X 중심");
  FieldLimit centreY = limits::Coordinate("Y 중심");
  FieldLimit z = limits::Height("Z");
  FieldLimit startOutside = limits::Switch("외곽에서 시작");
};
inline constexpr SimpleRadialLimits kSimpleRadialLimits{};

struct SimpleSphereLimits {
  FieldLimit form{"가공 방법", 0, 1};
  FieldLimit cutDirection{"가공 방향", 0, 1};
  // A radius or a step of 0 would divide by zero.
  FieldLimit radius{"반경", 0.01, 10000};
  FieldLimit finishStepover{"정삭 Stepover", 0.01, 1000};
  FieldLimit startAngle{"Z 시작 각도", 0, 90};
  FieldLimit endAngle{"Z 끝 각도", 0, 90};
  FieldLimit centreX = limits::Coordinate("X 중심");
  FieldLimit centreY = limits::Coordinate("Y 중심");
  FieldLimit centreZ = limits::Coordinate("Z 중심");
  FieldLimit finishOn = limits::Switch("정삭가공");
  FieldLimit spindleOn = limits::Switch("주축회전수");
  FieldLimit spindleSpeed = limits::Spindle("주축회전수");
};
inline constexpr SimpleSphereLimits kSimpleSphereLimits{};
