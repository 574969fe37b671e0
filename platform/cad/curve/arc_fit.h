// Arcs through a smooth plane curve, each within a distance of it, so that the
// line-and-arc algorithms take ellipses and splines.
#pragma once

#include <functional>

#include "platform/cad/curve/bulge_segment.h"

namespace curve {

using PlanePointFn = std::function<AcGePoint2d(double)>;
using PlaneVectorFn = std::function<AcGeVector2d(double)>;

// The curve from t0 to t1 as pairs of arcs meeting tangentially (biarcs), each pair
// halved until it stays within tol of the curve; at least minPieces pairs. Neighbouring
// pairs share the curve's tangent, so the path has no corners. A closed curve gives a
// closed path.
BulgePath fitArcs(const PlanePointFn& point, const PlaneVectorFn& deriv, double t0, double t1, double tol,
                  int minPieces, bool closed);

// Bulge of the arc from a through m to b (0 when they are in line).
double bulgeThrough(const AcGePoint2d& a, const AcGePoint2d& m, const AcGePoint2d& b);

}  // namespace curve
