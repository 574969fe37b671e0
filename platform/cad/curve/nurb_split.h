// Exact pieces of NURBS curves by knot insertion, and the joining of two pieces.
#pragma once

#include "platform/cad/ge/curves/ge_nurb_curve.h"

namespace curve {

// The part of the curve between parameters a < b of its domain, clamped at both ends.
bool nurbPiece(const AcGeNurbCurve3d& curve, double a, double b, AcGeNurbCurve3d& piece);
// second continued after first (first's end point is second's start point), as one curve.
bool joinNurbs(const AcGeNurbCurve3d& first, const AcGeNurbCurve3d& second, AcGeNurbCurve3d& joined);

}  // namespace curve

namespace curve {

// Arc length between parameters a <= b, integrated knot span by knot span to 1e-12.
double nurbLength(const AcGeNurbCurve3d& curve, double a, double b);
// The parameter at arc length len from a (clamped to the domain).
double nurbParamAtLength(const AcGeNurbCurve3d& curve, double a, double len);

}  // namespace curve
