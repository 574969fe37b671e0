// Numbers an NC program may carry: finite and within ±1e7 (ten kilometres, or
// a feed of ten million). Anything else in a toolpath's entities (a coordinate
// near 1e308, a width that scales to 1e15, a NaN) makes both posts refuse the
// program and write nothing, rather than write words no control can read.
#pragma once

#include <string>

#include "plugin/post/toolpath_snapshot.h"

constexpr double kLargestPostedNumber = 1e7;

bool IsPostable(double value);
// The first number of the entity that cannot be posted, as text ("nan",
// "1e+300"); empty when every one can.
std::string UnpostableNumber(const EntitySnapshot& entity);
