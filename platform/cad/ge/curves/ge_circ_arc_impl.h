#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/cad/ge/ge_enums.h"
#include "platform/cad/ge/ge_tol.h"

// Angle and frame arithmetic shared by AcGeCircArc2d and AcGeCircArc3d (internal to the library).
// An arc lies in the frame (centre, ref, perp); its parameter is the angle from ref towards perp.
namespace ge_detail {

inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

// First check on the points of an arc through three: neighbouring points must differ.
template <class Point>
AcGe::ErrorCondition equalNeighbours(const Point& startPoint, const Point& pnt, const Point& endPoint) {
  if (startPoint.isEqualTo(pnt)) return AcGe::kEqualArg1Arg2;
  if (pnt.isEqualTo(endPoint)) return AcGe::kEqualArg2Arg3;
  return AcGe::kOk;
}

// a in [0, 2pi).
inline double normalizedAngle(double a) {
  a = std::fmod(a, kTwoPi);
  if (a < 0.0) a += kTwoPi;
  return a;
}

// Sweep from angle a to angle b going forwards, in (0, 2pi].
inline double forwardSweep(double a, double b) {
  const double s = normalizedAngle(b - a);
  return s == 0.0 ? kTwoPi : s;
}

// An end below the start is taken a full turn on; the sweep is at most a full turn.
// False (angles untouched) for angles that are not finite.
inline bool arcAngles(double startAngle, double endAngle, double& startAng, double& endAng) {
  if (!std::isfinite(startAngle) || !std::isfinite(endAngle)) return false;
  while (endAngle < startAngle) endAngle += kTwoPi;
  if (endAngle - startAngle > kTwoPi) endAngle = startAngle + kTwoPi;
  startAng = startAngle;
  endAng = endAngle;
  return true;
}

// Whether an angle, counted forwards from the start, falls within the sweep; the slack is
// the point tolerance measured along the circle.
inline bool angleWithinSweep(double fromStart, double sweep, double radius, const AcGeTol& tol) {
  const double slack = radius > 0.0 ? tol.equalPoint() / radius : 0.0;
  return fromStart <= sweep + slack || fromStart >= kTwoPi - slack;
}

template <class Point, class Vector>
Point framePoint(const Point& center, const Vector& ref, const Vector& perp, double radius, double param) {
  return center + (ref * std::cos(param) + perp * std::sin(param)) * radius;
}

template <class Vector>
Vector frameDeriv(const Vector& ref, const Vector& perp, double radius, double param, int order) {
  const Vector radial = ref * std::cos(param) + perp * std::sin(param);
  const Vector along = perp * std::cos(param) - ref * std::sin(param);
  return order <= 1 ? along * radius : radial * -radius;
}

// Parameter of the point at the given angle, or of the nearer end when the angle lies outside.
template <class NearerStart>
double clampedArcParam(double startAng, double endAng, double angle, NearerStart nearerStart) {
  const double a = startAng + normalizedAngle(angle - startAng);
  if (a <= endAng) return a;
  return nearerStart() ? startAng : endAng;
}

// Where a line in the circle's plane meets the circle, given the foot of the perpendicular from
// the centre and the line's unit direction: one point for a tangent, two for a secant.
template <class Point, class Vector>
int lineCircleCrossings(const Point& foot, const Vector& dir, const Point& center, double radius, const AcGeTol& tol,
                        Point (&out)[2]) {
  const double d = foot.distanceTo(center);
  if (d > radius + tol.equalPoint()) return 0;
  if (std::fabs(d - radius) <= tol.equalPoint()) {
    out[0] = foot;
    return 1;
  }
  const double h = std::sqrt(std::max(radius * radius - d * d, 0.0));
  out[0] = foot - dir * h;
  out[1] = foot + dir * h;
  return 2;
}

}  // namespace ge_detail
