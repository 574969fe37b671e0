#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include "platform/cad/ge/curves/ge_knot_vector.h"
#include "platform/cad/ge/curves/ge_nurbs_eval.h"
#include "platform/cad/ge/ge_interval.h"
#include "platform/cad/ge/ge_tol.h"

// The parts of AcGeNurbCurve2d and AcGeNurbCurve3d that do not depend on the dimension,
// written once over the curve or point type (internal to the library).
namespace ge_detail {

template <int D, class PointArray>
std::vector<Coords<D>> toCoords(const PointArray& points) {
  std::vector<Coords<D>> out;
  for (const auto& p : points) {
    Coords<D> c;
    for (unsigned int i = 0; i < D; ++i) c[i] = p[i];
    out.push_back(c);
  }
  return out;
}

template <int D, class Point>
Coords<D> coordsOf(const Point& p) {
  Coords<D> c;
  for (unsigned int i = 0; i < D; ++i) c[i] = p[i];
  return c;
}

template <class Point, size_t D>
Point fromCoords(const std::array<double, D>& c) {
  Point p;
  for (unsigned int i = 0; i < D; ++i) p[i] = c[i];
  return p;
}

// Empty weights mean all 1.
inline double weightOrOne(const AcGeDoubleArray& weights, int index) {
  return weights.isEmpty() ? 1.0 : weights[index];
}

inline bool hasNonUnitWeight(const AcGeDoubleArray& weights) {
  for (double w : weights)
    if (w != 1.0) return true;
  return false;
}

// Evaluation of a valid definition.
template <int D, class Point, class PointArray>
Point nurbsPoint(int degree, const AcGeKnotVector& knots, const PointArray& ctrl, const AcGeDoubleArray& weights,
                 double param) {
  return fromCoords<Point>(deBoorAt<D>(
      degree, knots.getArray(), ctrl.length(), [&](int i) { return coordsOf<D>(ctrl[i]); }, weights, param));
}

template <int D, class Vector, class PointArray>
Vector nurbsFirstDeriv(int degree, const AcGeKnotVector& knots, const PointArray& ctrl, const AcGeDoubleArray& weights,
                       double param) {
  return fromCoords<Vector>(firstDerivAt<D>(
      degree, knots.getArray(), ctrl.length(), [&](int i) { return coordsOf<D>(ctrl[i]); }, weights, param));
}

// An invalid definition gets the empty interval at 0.
template <class Nurb>
AcGeInterval nurbsDomain(const Nurb& curve) {
  if (!curve.isValid()) return AcGeInterval(0.0, 0.0);
  return AcGeInterval(curve.knotAt(curve.degree()), curve.knotAt(curve.numControlPoints()));
}

// Same degree, knots, control points and weights; fit data is not compared.
template <class Nurb>
bool sameDefinition(const Nurb& a, const Nurb& b, const AcGeTol& tol) {
  if (a.degree() != b.degree() || a.numControlPoints() != b.numControlPoints() || a.numKnots() != b.numKnots())
    return false;
  for (int i = 0; i < a.numControlPoints(); ++i)
    if (!a.controlPointAt(i).isEqualTo(b.controlPointAt(i), tol) ||
        std::fabs(a.weightAt(i) - b.weightAt(i)) > tol.equalVector())
      return false;
  for (int i = 0; i < a.numKnots(); ++i)
    if (std::fabs(a.knotAt(i) - b.knotAt(i)) > tol.equalVector()) return false;
  return true;
}

}  // namespace ge_detail
