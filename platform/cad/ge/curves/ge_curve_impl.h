#pragma once

#include <algorithm>

#include "platform/cad/ge/ge_interval.h"
#include "platform/cad/ge/ge_tol.h"

// The public calls of AcGeCurve2d and AcGeCurve3d that are built from other public calls,
// written once over the curve type (internal to the library).
namespace ge_detail {

template <class Curve, class Point>
bool boundStartPoint(const Curve& curve, Point& startPnt) {
  AcGeInterval range;
  curve.getInterval(range);
  if (!range.isBoundedBelow()) return false;
  startPnt = curve.evalPoint(range.lowerBound());
  return true;
}

template <class Curve, class Point>
bool boundEndPoint(const Curve& curve, Point& endPnt) {
  AcGeInterval range;
  curve.getInterval(range);
  if (!range.isBoundedAbove()) return false;
  endPnt = curve.evalPoint(range.upperBound());
  return true;
}

// derivArray receives the derivatives 1 .. numDeriv (at most 2).
template <class VectorArray, class DerivAt>
void derivsUpTo(int numDeriv, VectorArray& derivArray, DerivAt derivAt) {
  derivArray.setLogicalLength(0);
  for (int order = 1; order <= std::min(numDeriv, 2); ++order) derivArray.append(derivAt(order));
}

template <class Curve, class Point>
bool pointIsOnCurve(const Curve& curve, const Point& pnt, double& param, const AcGeTol& tol) {
  const double t = curve.paramOf(pnt, tol);
  if (curve.evalPoint(t).distanceTo(pnt) > tol.equalPoint()) return false;
  param = t;
  return true;
}

// Unbounded curves report the (infinite) length of their interval.
template <class Curve>
double wholeLength(const Curve& curve) {
  AcGeInterval range;
  curve.getInterval(range);
  if (!range.isBounded()) return range.length();
  return curve.length(range.lowerBound(), range.upperBound());
}

// numSample points evenly spaced in parameter, ends included.
template <class Curve, class PointArray>
void samplePoints(const Curve& curve, int numSample, PointArray& pointArray) {
  pointArray.setLogicalLength(0);
  AcGeInterval range;
  curve.getInterval(range);
  if (!range.isBounded() || numSample <= 0) return;
  if (numSample == 1) {
    pointArray.append(curve.evalPoint(range.lowerBound()));
    return;
  }
  for (int i = 0; i < numSample; ++i)
    pointArray.append(curve.evalPoint(range.lowerBound() + range.length() * i / (numSample - 1)));
}

}  // namespace ge_detail
