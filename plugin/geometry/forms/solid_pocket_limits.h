// The one table of limits of the 3D pocket (operation_limits.h's pattern): the
// dialog's DDX_Limited and the kind-5 record reader use the same entries.
#pragma once

#include "plugin/geometry/forms/operation_limits.h"

struct SolidPocketLimits : PocketPassLimits {
  FieldLimit method{"가공 방식", 0, 1};
  FieldLimit zStep{"Z Step", 0, 1000};
  FieldLimit roughAllowance{"황삭 가공여유", 0, 10000};
  FieldLimit finishAllowance{"정삭 가공 여유", 0, 10000};
};
inline constexpr SolidPocketLimits kSolidPocketLimits{};
