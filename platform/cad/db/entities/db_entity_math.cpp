#include "platform/cad/db/entities/db_entity_math.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/ge/ge_ecs.h"

namespace entity_math {

double normalizeAngle(double angle) {
  if (!std::isfinite(angle)) return 0.0;
  double a = std::fmod(angle, kTwoPi);
  if (a < 0.0) a += kTwoPi;
  if (a >= kTwoPi) a -= kTwoPi;
  return a;
}

double sweepOf(double startAngle, double endAngle) {
  double sweep = normalizeAngle(endAngle - startAngle);
  if (sweep <= 0.0) sweep = kTwoPi;
  return sweep;
}

double radiansToDegrees(double radians) { return radians * 180.0 / kPi; }
double degreesToRadians(double degrees) { return degrees * kPi / 180.0; }

AcGeVector3d unitNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return AcGeVector3d::kZAxis;
  return normal.normal();
}

double ecsAngleOf(const AcGePoint3d& point, const AcGePoint3d& center, const AcGeVector3d& normal) {
  const AcGeVector3d n = unitNormal(normal);
  const AcGeVector3d d = point - center;
  return normalizeAngle(std::atan2(d.dotProduct(acgeEcsYAxis(n)), d.dotProduct(acgeEcsXAxis(n))));
}

AcGePoint3d pointOnCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double angle) {
  const AcGeVector3d n = unitNormal(normal);
  return center + (acgeEcsXAxis(n) * std::cos(angle) + acgeEcsYAxis(n) * std::sin(angle)) * radius;
}

AcGeVector3d tangentOnCircle(const AcGeVector3d& normal, double angle) {
  const AcGeVector3d n = unitNormal(normal);
  return acgeEcsYAxis(n) * std::cos(angle) - acgeEcsXAxis(n) * std::sin(angle);
}

Acad::ErrorStatus transformCircleFrame(const AcGeMatrix3d& xform, CircleFrame& frame, bool& mirrored) {
  mirrored = false;
  if (!xform.isUniScaledOrtho()) return Acad::eCannotScaleNonUniformly;
  const AcGeVector3d n = unitNormal(frame.normal);
  AcGeVector3d newNormal = xform * n;
  const double scale = newNormal.length();
  if (scale <= 0.0 || !std::isfinite(scale)) return Acad::eCannotScaleNonUniformly;
  newNormal /= scale;
  frame.center = xform * frame.center;
  frame.normal = newNormal;
  frame.radius *= scale;
  frame.thickness *= scale;
  mirrored = xform.det() < 0.0;
  return Acad::eOk;
}

namespace {
bool angleInSweep(double angle, double startAngle, double sweep) { return normalizeAngle(angle - startAngle) <= sweep; }
}  // namespace

void addArcExtents(AcDbExtents& extents, const AcGePoint3d& center, const AcGeVector3d& normal, double radius,
                   double startAngle, double sweep) {
  const AcGeVector3d n = unitNormal(normal);
  const AcGeVector3d xAxis = acgeEcsXAxis(n);
  const AcGeVector3d yAxis = acgeEcsYAxis(n);
  extents.addPoint(pointOnCircle(center, n, radius, startAngle));
  extents.addPoint(pointOnCircle(center, n, radius, startAngle + sweep));
  // Along world axis k the arc is extreme where the tangent is normal to it.
  for (unsigned int k = 0; k < 3; ++k) {
    const double a = xAxis[k];
    const double b = yAxis[k];
    if (a == 0.0 && b == 0.0) continue;
    const double extreme = std::atan2(b, a);
    for (double angle : {extreme, extreme + kPi})
      if (angleInSweep(angle, startAngle, sweep)) extents.addPoint(pointOnCircle(center, n, radius, angle));
  }
}

void extrudeExtents(AcDbExtents& extents, const AcGeVector3d& offset) {
  if (!extents.isValid() || offset.isZeroLength()) return;
  const AcGePoint3d low = extents.minPoint();
  const AcGePoint3d high = extents.maxPoint();
  extents.addPoint(low + offset);
  extents.addPoint(high + offset);
}

bool arcFromBulge(const AcGePoint2d& start, const AcGePoint2d& end, double bulge, BulgeArc& arc) {
  if (bulge == 0.0 || start.distanceTo(end) <= 0.0 || !std::isfinite(bulge)) return false;
  const curve::Arc2 bulged = curve::ArcOfBulge(start, end, bulge);
  arc.center = bulged.center;
  arc.radius = bulged.radius;
  arc.startAngle = bulged.startAngle;
  arc.sweep = bulged.sweep;
  return true;
}

AcGePoint2d pointOnBulgeArc(const BulgeArc& arc, double fraction) {
  const double angle = arc.startAngle + arc.sweep * fraction;
  return arc.center + AcGeVector2d(std::cos(angle), std::sin(angle)) * arc.radius;
}

AcGeVector3d CircularArc::secondDerivAt(double param) const { return (pointAt(param) - center) * -1.0; }

bool CircularArc::paramOf(const AcGePoint3d& point, double& param) const {
  const AcGeVector3d n = unitNormal(normal);
  const AcGeVector3d d = point - center;
  const double tol = kPointTol * std::max(1.0, radius);
  if (std::fabs(d.dotProduct(n)) > tol || std::fabs(d.orthoProject(n).length() - radius) > tol) return false;
  const double angle = ecsAngleOf(point, center, n);
  double offset = normalizeAngle(angle - start);
  // A point just before the start is the start itself.
  if (offset > sweep + kPointTol && kTwoPi - offset <= kPointTol) offset = 0.0;
  if (offset > sweep + kPointTol) return false;
  param = start + std::min(offset, sweep);
  return true;
}

AcGePoint3d CircularArc::closestPointTo(const AcGePoint3d& point, bool extend) const {
  const AcGeVector3d n = unitNormal(normal);
  const AcGeVector3d inPlane = (point - center).orthoProject(n);
  if (inPlane.isZeroLength()) return pointAt(start);
  const AcGePoint3d onCircle = center + inPlane.normal() * radius;
  if (extend || sweep >= kTwoPi) return onCircle;
  const double offset = normalizeAngle(ecsAngleOf(onCircle, center, n) - start);
  if (offset <= sweep) return onCircle;
  const AcGePoint3d a = pointAt(start);
  const AcGePoint3d b = pointAt(start + sweep);
  return point.distanceTo(a) <= point.distanceTo(b) ? a : b;
}

double CircularArc::segmentArea() const { return 0.5 * radius * radius * (sweep - std::sin(sweep)); }

}  // namespace entity_math
