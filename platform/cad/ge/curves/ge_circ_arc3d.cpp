#include <cmath>

#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/curves/ge_circ_arc_impl.h"
#include "platform/cad/ge/curves/ge_line.h"
#include "platform/cad/ge/ge_ecs.h"
#include "platform/cad/ge/ge_plane.h"

using ge_detail::kTwoPi;
using ge_detail::normalizedAngle;

AcGeCircArc3d::AcGeCircArc3d() = default;

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& cent, const AcGeVector3d& nrm, double radius) {
  set(cent, nrm, radius);
}

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& cent, const AcGeVector3d& nrm, const AcGeVector3d& refVec,
                             double radius, double startAngle, double endAngle) {
  set(cent, nrm, refVec, radius, startAngle, endAngle);
}

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint) {
  set(startPoint, pnt, endPoint);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& cent, const AcGeVector3d& nrm, double radius) {
  return set(cent, nrm, acgeEcsXAxis(nrm), radius, 0.0, kTwoPi);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& cent, const AcGeVector3d& nrm, const AcGeVector3d& refVec,
                                  double radius, double startAngle, double endAngle) {
  m_center = cent;
  m_radius = std::fabs(radius);
  setAxes(nrm, refVec);
  return setAngles(startAngle, endAngle);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint) {
  AcGe::ErrorCondition error;
  return set(startPoint, pnt, endPoint, error);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint,
                                  AcGe::ErrorCondition& error) {
  error = ge_detail::equalNeighbours(startPoint, pnt, endPoint);
  if (error != AcGe::kOk) return *this;
  if (startPoint.isEqualTo(endPoint)) {
    error = AcGe::kEqualArg1Arg3;
    return *this;
  }
  const AcGeVector3d a = startPoint - endPoint;
  const AcGeVector3d b = pnt - endPoint;
  const AcGeVector3d axb = a.crossProduct(b);
  if (axb.length() <= AcGeContext::gTol.equalVector() * a.length() * b.length()) {
    error = AcGe::kLinearlyDependentArg1Arg2Arg3;
    return *this;
  }
  // Circumcentre of the three points.
  const AcGeVector3d off = (b * a.lengthSqrd() - a * b.lengthSqrd()).crossProduct(axb) / (2.0 * axb.lengthSqrd());
  m_center = endPoint + off;
  m_radius = off.length();
  m_normal = (pnt - startPoint).crossProduct(endPoint - pnt).normal();
  m_refVec = (startPoint - m_center).normal();
  m_startAng = 0.0;
  const double end = angleOfPoint(endPoint);
  m_endAng = end == 0.0 ? kTwoPi : end;
  return *this;
}

AcGePoint3d AcGeCircArc3d::startPoint() const { return pointAt(m_startAng); }

AcGePoint3d AcGeCircArc3d::endPoint() const { return pointAt(m_endAng); }

void AcGeCircArc3d::getPlane(AcGePlane& plane) const { plane.set(m_center, m_refVec, perpRef()); }

AcGeCircArc3d& AcGeCircArc3d::setCenter(const AcGePoint3d& cent) {
  m_center = cent;
  return *this;
}

AcGeCircArc3d& AcGeCircArc3d::setAxes(const AcGeVector3d& normal, const AcGeVector3d& refVec) {
  if (normal.isZeroLength()) return *this;
  m_normal = normal.normal();
  const AcGeVector3d ref = refVec.orthoProject(m_normal);
  m_refVec = ref.isZeroLength() ? acgeEcsXAxis(m_normal) : ref.normal();
  return *this;
}

AcGeCircArc3d& AcGeCircArc3d::setRadius(double radius) {
  m_radius = std::fabs(radius);
  return *this;
}

AcGeCircArc3d& AcGeCircArc3d::setAngles(double startAngle, double endAngle) {
  ge_detail::arcAngles(startAngle, endAngle, m_startAng, m_endAng);
  return *this;
}

bool AcGeCircArc3d::intersectWith(const AcGeLinearEnt3d& line, int& intn, AcGePoint3d& p1, AcGePoint3d& p2,
                                  const AcGeTol& tol) const {
  intn = 0;
  AcGeLine3d carrier;
  line.getLine(carrier);
  const AcGeVector3d dir = carrier.direction();
  if (dir.isZeroLength()) return false;
  AcGePoint3d candidates[2];
  int count = 0;
  AcGePlane plane;
  getPlane(plane);
  if (std::fabs(dir.dotProduct(m_normal)) <= tol.equalVector()) {
    if (plane.distanceTo(carrier.pointOnLine()) > tol.equalPoint()) return false;
    count = ge_detail::lineCircleCrossings(carrier.closestPointTo(m_center), dir, m_center, m_radius, tol, candidates);
  } else {
    AcGePoint3d crossing;
    if (!plane.intersectWith(carrier, crossing, tol)) return false;
    if (std::fabs(crossing.distanceTo(m_center) - m_radius) > tol.equalPoint()) return false;
    candidates[count++] = crossing;
  }
  AcGePoint3d* outs[2] = {&p1, &p2};
  for (int i = 0; i < count; ++i) {
    const double rel = normalizedAngle(angleOfPoint(candidates[i]) - m_startAng);
    if (ge_detail::angleWithinSweep(rel, m_endAng - m_startAng, m_radius, tol) && line.isOn(candidates[i], tol))
      *outs[intn++] = candidates[i];
  }
  return intn > 0;
}

bool AcGeCircArc3d::isInside(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  const AcGeVector3d inPlane = (pnt - m_center).orthoProject(m_normal);
  return inPlane.length() < m_radius - tol.equalPoint();
}

bool AcGeCircArc3d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kCircArc3d || AcGeCurve3d::isKindOf(entType);
}

bool AcGeCircArc3d::isEqualTo(const AcGeEntity3d& other, const AcGeTol& tol) const {
  if (other.type() != AcGe::kCircArc3d) return false;
  const auto& arc = static_cast<const AcGeCircArc3d&>(other);
  return m_center.isEqualTo(arc.m_center, tol) && std::fabs(m_radius - arc.m_radius) <= tol.equalPoint() &&
         m_normal.isEqualTo(arc.m_normal, tol) && startPoint().isEqualTo(arc.startPoint(), tol) &&
         endPoint().isEqualTo(arc.endPoint(), tol) &&
         std::fabs((m_endAng - m_startAng) - (arc.m_endAng - arc.m_startAng)) <= tol.equalVector();
}

AcGePoint3d AcGeCircArc3d::pointAt(double param) const {
  return ge_detail::framePoint(m_center, m_refVec, perpRef(), m_radius, param);
}

AcGeVector3d AcGeCircArc3d::derivAt(double param, int order) const {
  return ge_detail::frameDeriv(m_refVec, perpRef(), m_radius, param, order);
}

double AcGeCircArc3d::nearestParam(const AcGePoint3d& pnt) const {
  if ((pnt - m_center).orthoProject(m_normal).isZeroLength()) return m_startAng;
  return ge_detail::clampedArcParam(m_startAng, m_endAng, angleOfPoint(pnt),
                                    [&] { return pnt.distanceTo(startPoint()) <= pnt.distanceTo(endPoint()); });
}

double AcGeCircArc3d::arcLength(double fromParam, double toParam) const {
  return std::fabs(toParam - fromParam) * m_radius;
}

void AcGeCircArc3d::transformGeometry(const AcGeMatrix3d& xfm) {
  const AcGeVector3d ref = xfm * m_refVec;
  const AcGeVector3d perp = xfm * perpRef();
  const AcGeVector3d nrm = ref.crossProduct(perp);
  if (ref.isZeroLength() || nrm.isZeroLength()) return;
  m_center = xfm * m_center;
  m_radius *= ref.length();
  // The normal follows the transformed frame, so a mirroring keeps the points.
  m_normal = nrm.normal();
  m_refVec = ref.normal();
}

void AcGeCircArc3d::reverseGeometry() {
  // Normal turned over, reference kept: an angle t becomes -t.
  const double start = normalizedAngle(-m_endAng);
  const double sweep = m_endAng - m_startAng;
  m_normal = -m_normal;
  m_startAng = start;
  m_endAng = start + sweep;
}

bool AcGeCircArc3d::periodOf(double& period) const {
  period = kTwoPi;
  return true;
}

double AcGeCircArc3d::angleOfPoint(const AcGePoint3d& pnt) const {
  const AcGeVector3d v = pnt - m_center;
  return normalizedAngle(std::atan2(v.dotProduct(perpRef()), v.dotProduct(m_refVec)));
}
