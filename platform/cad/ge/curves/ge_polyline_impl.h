#pragma once

#include <algorithm>
#include <cmath>

#include "platform/cad/ge/ge_tol.h"

// Geometry of a chain of straight segments, fit point i at parameter i, written once for
// AcGePolyline2d and AcGePolyline3d (internal to the library).
namespace ge_detail {

template <class PointArray>
bool samePoints(const PointArray& a, const PointArray& b, const AcGeTol& tol) {
  if (a.length() != b.length()) return false;
  for (int i = 0; i < a.length(); ++i)
    if (!a[i].isEqualTo(b[i], tol)) return false;
  return true;
}

template <class PointArray, class Point>
Point polylinePoint(const PointArray& points, double param, const Point& ifEmpty) {
  const int n = points.length();
  if (n == 0) return ifEmpty;
  if (n == 1) return points[0];
  const double t = std::clamp(param, 0.0, static_cast<double>(n - 1));
  const int i = std::min(static_cast<int>(std::floor(t)), n - 2);
  return points[i] + (points[i + 1] - points[i]) * (t - i);
}

// Segments are straight: the second derivative is zero.
template <class PointArray>
auto polylineDeriv(const PointArray& points, double param, int order) {
  using Vector = decltype(points[0] - points[0]);
  const int n = points.length();
  if (n < 2 || order > 1) return Vector();
  const int i = std::clamp(static_cast<int>(std::floor(param)), 0, n - 2);
  return points[i + 1] - points[i];
}

template <class PointArray, class Point>
double polylineNearest(const PointArray& points, const Point& pnt) {
  double best = 0.0;
  double bestDist = -1.0;
  for (int i = 0; i + 1 < points.length(); ++i) {
    const auto seg = points[i + 1] - points[i];
    const double len2 = seg.lengthSqrd();
    const double t = len2 > 0.0 ? std::clamp((pnt - points[i]).dotProduct(seg) / len2, 0.0, 1.0) : 0.0;
    const double dist = (points[i] + seg * t).distanceTo(pnt);
    if (bestDist < 0.0 || dist < bestDist) {
      bestDist = dist;
      best = i + t;
    }
  }
  return best;
}

template <class PointArray>
double polylineLength(const PointArray& points, double fromParam, double toParam) {
  double total = 0.0;
  for (int i = 0; i + 1 < points.length(); ++i) {
    const double a = std::max(fromParam, static_cast<double>(i));
    const double b = std::min(toParam, static_cast<double>(i + 1));
    if (b > a) total += (b - a) * points[i].distanceTo(points[i + 1]);
  }
  return total;
}

}  // namespace ge_detail
