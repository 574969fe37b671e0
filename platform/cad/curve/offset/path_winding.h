// How often a closed path of lines and arcs winds about a point (counter-clockwise
// turns count +1, clockwise ones -1), and whether it meets itself.
#pragma once

#include "platform/cad/curve/bulge_segment.h"

namespace curve {

// The path is taken as closed whatever its flag says. Points on the path count as either side.
int windingNumber(const BulgePath& path, const AcGePoint2d& p);

// The area enclosed, positive for counter-clockwise paths.
double signedArea(const BulgePath& path);

// Two segments of the closed path meet (nearer than tol) elsewhere than neighbours at
// their common vertex: the path crosses, touches or runs back over itself.
bool touchesItself(const BulgePath& path, double tol);

}  // namespace curve
