#include "plugin/geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kShortestDirection = 0.0001;
constexpr double kSameDirection = 0.0001;
constexpr double kFullCircleRadius = 0.001;
// Below this sine of the angle at the middle point the three points lie in a line.
constexpr double kCollinearSine = 1e-9;

Xyz ToXyz(const AcGePoint3d& p) { return {p.x, p.y, p.z}; }
AcGePoint3d ToPoint(const Xyz& p) { return AcGePoint3d(p.x, p.y, p.z); }

// The plane's first, second and third axes as x, y and z.
Xyz ToPlaneFrame(const Xyz& p, char plane) {
  switch (plane) {
    case kPlaneZX:
      return {p.z, p.x, p.y};
    case kPlaneYZ:
      return {p.y, p.z, p.x};
    default:
      return p;
  }
}

Xyz FromPlaneFrame(const Xyz& p, char plane) {
  switch (plane) {
    case kPlaneZX:
      return {p.y, p.z, p.x};
    case kPlaneYZ:
      return {p.z, p.x, p.y};
    default:
      return p;
  }
}

double Distance(const Xyz& p, const Xyz& q) {
  return std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y) + (p.z - q.z) * (p.z - q.z));
}

double DirectionFrom(const Xyz& center, const Xyz& p, char plane) {
  const Xyz local = ToPlaneFrame({p.x - center.x, p.y - center.y, p.z - center.z}, plane);
  return GetDirectionAngle(local.y, local.x);
}

// Counter-clockwise turn from one direction to another, in degrees 0 to below 360.
double TurnBetween(double from, double to) {
  const double turn = std::fmod(to - from, 360.0);
  return turn < 0.0 ? turn + 360.0 : turn;
}

}  // namespace

const double kDegreeFactor = 2.0 * kPi * (1.0 / 360.0);

double GetDirectionAngle(double a, double b) {
  const double length = std::sqrt(a * a + b * b);
  if (length < kShortestDirection) return 0.0;
  const double s = a / length;
  const double c = std::clamp(b / length, -1.0, 1.0);
  if (s == 0.0 && c == 1.0) return 0.0;
  if (s == 0.0 && c == -1.0) return 180.0;
  if (s == 1.0 && c == 0.0) return 90.0;
  if (s == -1.0 && c == 0.0) return 270.0;

  double angle = 0.0;
  if (s >= 0.0) {
    angle = std::acos(c);
  } else if (c >= 0.0) {
    angle = std::asin(s);
  } else {
    angle = -std::acos(c);
  }
  angle /= kDegreeFactor;
  if (angle < 0.0) angle += 360.0;
  // A tiny negative angle rounds to 360 itself, which belongs to 0.
  if (angle >= 360.0) angle -= 360.0;
  return angle;
}

double GetDirectionAngle(const XyzDifference& vector) { return GetDirectionAngle(vector.dy, vector.dx); }

int GetVectorBetweenPoints(const Xyz& p, const Xyz& q, XyzDifference& difference, Xyz& unit) {
  difference.dx = p.x - q.x;
  difference.dy = p.y - q.y;
  difference.dz = p.z - q.z;
  difference.length =
      std::sqrt(difference.dx * difference.dx + difference.dy * difference.dy + difference.dz * difference.dz);
  if (difference.length == 0.0) return 0;
  unit = {difference.dx / difference.length, difference.dy / difference.length, difference.dz / difference.length};
  return 1;
}

int GetVectorBetweenPoints(AcGePoint3d p, AcGePoint3d q, XyzDifference& difference, Xyz& unit) {
  return GetVectorBetweenPoints(ToXyz(p), ToXyz(q), difference, unit);
}

int GetVectorBetweenPoints2d(AcGePoint2d p, AcGePoint2d q, XyzDifference& difference, Xyz& unit) {
  return GetVectorBetweenPoints(Xyz{p.x, p.y, 0.0}, Xyz{q.x, q.y, 0.0}, difference, unit);
}

int IntersectCircles(const Xyz& c1, double r1, Xyz& c2, double r2, Xyz& p, Xyz& q) {
  c2.z = c1.z;
  XyzDifference between;
  Xyz unit;
  GetVectorBetweenPoints(c2, c1, between, unit);
  const double d = between.length;
  if (r1 + r2 < d || d < 0.0001) return 0;
  // One circle inside the other: no crossing, and the half chord would be imaginary.
  if (std::fabs(r1 - r2) > d) return 0;

  const double theta = GetDirectionAngle(between) * kDegreeFactor;
  const double e = (r1 * r1 - r2 * r2 + d * d) / (2.0 * d);
  const double h = std::sqrt(std::max(r1 * r1 - e * e, 0.0));
  const double cosT = std::cos(theta);
  const double sinT = std::sin(theta);
  const double footX = c1.x + e * cosT;
  const double footY = c1.y + e * sinT;
  p = {footX - h * sinT, footY + h * cosT, c1.z};
  q = {footX + h * sinT, footY - h * cosT, c1.z};
  return (r1 + r2 == d || std::fabs(r1 - r2) == d) ? 1 : 2;
}

int GetArcSense(const Xyz& p1, const Xyz& p2, const Xyz& p3, const Xyz& c) {
  const double a = DirectionFrom(c, p1, kPlaneXY);
  const double b = DirectionFrom(c, p2, kPlaneXY);
  const double d = DirectionFrom(c, p3, kPlaneXY);
  if (std::fabs(a - b) < kSameDirection && std::fabs(b - d) < kSameDirection) return kArcSenseNone;
  return TurnBetween(a, b) < TurnBetween(a, d) ? kArcSenseCounterClockwise : kArcSenseClockwise;
}

namespace {

bool OffPlane(const Xyz& p1, const Xyz& p, double tolerance, char plane) {
  switch (plane) {
    case kPlaneZX:
      return std::fabs(p.y - p1.y) > tolerance;
    case kPlaneYZ:
      return std::fabs(p.x - p1.x) > tolerance;
    default:
      return std::fabs(p.z - p1.z) > tolerance;
  }
}

}  // namespace

int CircleThrough3Points(const Xyz& p1, const Xyz& p2, const Xyz& p3, double tolerance, char plane, double& radius,
                         int& sense, Xyz& center) {
  if (OffPlane(p1, p2, tolerance, plane) || OffPlane(p1, p3, tolerance, plane)) return 0;
  const Xyz a1 = ToPlaneFrame(p1, plane);
  Xyz a2 = ToPlaneFrame(p2, plane);
  Xyz a3 = ToPlaneFrame(p3, plane);
  a2.z = a1.z;
  a3.z = a1.z;

  const double a = Distance(a1, a3);
  const double b = Distance(a1, a2);
  const double c = Distance(a2, a3);
  if (a == 0.0 || b == 0.0 || c == 0.0) return 0;
  // The sine of the angle at P2 from the cross product keeps its precision near a line.
  const double cross = (a1.x - a2.x) * (a3.y - a2.y) - (a1.y - a2.y) * (a3.x - a2.x);
  const double sine = std::fabs(cross) / (b * c);
  if (sine < kCollinearSine) return 0;
  const double r = a / (2.0 * sine);

  // Straight from P1: the centre is where the perpendicular bisectors of P1P2 and P1P3
  // meet, the one point of both circles of radius R about P1 and P3 that lies R from P2.
  const double bx = a2.x - a1.x, by = a2.y - a1.y;
  const double cx = a3.x - a1.x, cy = a3.y - a1.y;
  const double twiceArea = 2.0 * (bx * cy - by * cx);
  const double bb = bx * bx + by * by, cc = cx * cx + cy * cy;
  const Xyz local{a1.x + (cy * bb - by * cc) / twiceArea, a1.y + (bx * cc - cx * bb) / twiceArea, a1.z};

  const int found = GetArcSense(a1, a2, a3, local);
  if (found != kArcSenseCounterClockwise && found != kArcSenseClockwise) return 0;
  radius = r;
  sense = found;
  center = FromPlaneFrame(local, plane);
  return 1;
}

int CircleThrough3Points(AcGePoint3d p1, AcGePoint3d p2, AcGePoint3d p3, double tolerance, char plane, double& radius,
                         int& sense, AcGePoint3d& center) {
  Xyz found;
  if (CircleThrough3Points(ToXyz(p1), ToXyz(p2), ToXyz(p3), tolerance, plane, radius, sense, found) == 0) return 0;
  center = ToPoint(found);
  return 1;
}

int GetArcAngles(const Xyz& start, const Xyz& end, const Xyz& center, int sense, char plane, double& startAngle,
                 double& endAngle, double& sweep, double& radius, double& length) {
  radius = Distance(end, center);
  endAngle = DirectionFrom(center, end, plane);
  startAngle = DirectionFrom(center, start, plane);
  if (sense == kArcSenseClockwise) {
    if (startAngle < endAngle) {
      endAngle -= 360.0;
    } else if (startAngle == endAngle) {
      startAngle += 360.0;
    }
    sweep = startAngle - endAngle;
  } else {
    if (startAngle > endAngle) {
      startAngle -= 360.0;
    } else if (startAngle == endAngle) {
      endAngle += 360.0;
    }
    sweep = endAngle - startAngle;
  }
  if ((sweep == 0.0 || sweep == 360.0) && radius > kFullCircleRadius) {
    sweep = 360.0;
    length = 2.0 * kPi * radius;
  } else {
    length = sweep * radius * 2.0 * kPi / 360.0;
  }
  return 1;
}

int GetArcAngles(AcGePoint3d start, AcGePoint3d end, AcGePoint3d center, int sense, char plane, double& startAngle,
                 double& endAngle, double& sweep, double& radius, double& length) {
  return GetArcAngles(ToXyz(start), ToXyz(end), ToXyz(center), sense, plane, startAngle, endAngle, sweep, radius,
                      length);
}
