#include <algorithm>
#include <cmath>

#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/curves/ge_circ_arc_impl.h"
#include "platform/cad/ge/curves/ge_line.h"

using ge_detail::forwardSweep;
using ge_detail::kTwoPi;
using ge_detail::normalizedAngle;

AcGeCircArc2d::AcGeCircArc2d() = default;

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& cent, double radius) { set(cent, radius); }

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& cent, double radius, double startAngle, double endAngle,
                             const AcGeVector2d& refVec, bool isClockWise) {
  set(cent, radius, startAngle, endAngle, refVec, isClockWise);
}

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint) {
  set(startPoint, pnt, endPoint);
}

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge, bool bulgeFlag) {
  set(startPoint, endPoint, bulge, bulgeFlag);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& cent, double radius) { return set(cent, radius, 0.0, kTwoPi); }

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& cent, double radius, double ang1, double ang2,
                                  const AcGeVector2d& refVec, bool isClockWise) {
  m_center = cent;
  m_radius = std::fabs(radius);
  m_refVec = refVec.isZeroLength() ? AcGeVector2d::kXAxis : refVec.normal();
  m_clockWise = isClockWise;
  return setAngles(ang1, ang2);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint) {
  AcGe::ErrorCondition error;
  return set(startPoint, pnt, endPoint, error);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint,
                                  AcGe::ErrorCondition& error) {
  error = ge_detail::equalNeighbours(startPoint, pnt, endPoint);
  if (error != AcGe::kOk) return *this;
  if (startPoint.isEqualTo(endPoint)) {
    // A closed arc: the full circle on the diameter start - pnt.
    const AcGePoint2d centre = startPoint + (pnt - startPoint) * 0.5;
    set(centre, centre.distanceTo(startPoint), 0.0, kTwoPi);
    const double a = (startPoint - centre).angle();
    return setAngles(a, a + kTwoPi);
  }
  const AcGeVector2d a = pnt - startPoint;
  const AcGeVector2d b = endPoint - pnt;
  const double cross = a.crossProduct(b);
  if (std::fabs(cross) <= AcGeContext::gTol.equalVector() * a.length() * b.length()) {
    error = AcGe::kLinearlyDependentArg1Arg2Arg3;
    return *this;
  }
  // Circumcentre of the three points.
  const AcGeVector2d u = pnt - startPoint;
  const AcGeVector2d v = endPoint - startPoint;
  const double d = 2.0 * u.crossProduct(v);
  const AcGeVector2d off((v.y * u.lengthSqrd() - u.y * v.lengthSqrd()) / d,
                         (u.x * v.lengthSqrd() - v.x * u.lengthSqrd()) / d);
  m_center = startPoint + off;
  m_radius = off.length();
  m_refVec = AcGeVector2d::kXAxis;
  m_clockWise = cross < 0.0;
  const double start = angleOfPoint(startPoint);
  return setAngles(start, start + forwardSweep(start, angleOfPoint(endPoint)));
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge,
                                  bool bulgeFlag) {
  const AcGeVector2d chord = endPoint - startPoint;
  const double len = chord.length();
  if (len == 0.0 || bulge == 0.0) return *this;
  const double b = bulgeFlag ? bulge : 2.0 * bulge / len;
  const double sweep = 4.0 * std::atan(std::fabs(b));
  m_center = startPoint + chord * 0.5 + chord.perpVector() * ((1.0 - b * b) / (4.0 * b));
  m_radius = len * (1.0 + b * b) / (4.0 * std::fabs(b));
  m_refVec = AcGeVector2d::kXAxis;
  m_clockWise = b < 0.0;
  const double start = angleOfPoint(startPoint);
  return setAngles(start, start + sweep);
}

AcGePoint2d AcGeCircArc2d::startPoint() const { return pointAt(m_startAng); }

AcGePoint2d AcGeCircArc2d::endPoint() const { return pointAt(m_endAng); }

AcGeCircArc2d& AcGeCircArc2d::setCenter(const AcGePoint2d& cent) {
  m_center = cent;
  return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setRadius(double radius) {
  m_radius = std::fabs(radius);
  return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setAngles(double startAngle, double endAngle) {
  ge_detail::arcAngles(startAngle, endAngle, m_startAng, m_endAng);
  return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setRefVec(const AcGeVector2d& vec) {
  if (!vec.isZeroLength()) m_refVec = vec.normal();
  return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setToComplement() {
  const double rest = kTwoPi - (m_endAng - m_startAng);
  if (rest <= 0.0) return *this;
  const double start = normalizedAngle(m_endAng);
  return setAngles(start, start + rest);
}

bool AcGeCircArc2d::intersectWith(const AcGeLinearEnt2d& line, int& intn, AcGePoint2d& p1, AcGePoint2d& p2,
                                  const AcGeTol& tol) const {
  intn = 0;
  AcGeLine2d carrier;
  line.getLine(carrier);
  const AcGeVector2d dir = carrier.direction();
  if (dir.isZeroLength()) return false;
  AcGePoint2d candidates[2];
  const int count =
      ge_detail::lineCircleCrossings(carrier.closestPointTo(m_center), dir, m_center, m_radius, tol, candidates);
  AcGePoint2d* outs[2] = {&p1, &p2};
  for (int i = 0; i < count; ++i)
    if (containsAngleOf(candidates[i], tol) && line.isOn(candidates[i], tol)) *outs[intn++] = candidates[i];
  return intn > 0;
}

bool AcGeCircArc2d::intersectWith(const AcGeCircArc2d& arc, int& intn, AcGePoint2d& p1, AcGePoint2d& p2,
                                  const AcGeTol& tol) const {
  intn = 0;
  const AcGeVector2d between = arc.m_center - m_center;
  const double d = between.length();
  const double r1 = m_radius, r2 = arc.m_radius;
  if (d <= tol.equalPoint()) return false;  // concentric: none, or the circles coincide
  if (d > r1 + r2 + tol.equalPoint() || d < std::fabs(r1 - r2) - tol.equalPoint()) return false;
  const AcGeVector2d u = between / d;
  const double a = (d * d + r1 * r1 - r2 * r2) / (2.0 * d);
  const double h2 = r1 * r1 - a * a;
  const AcGePoint2d foot = m_center + u * a;
  AcGePoint2d candidates[2];
  int count = 0;
  const double h = std::sqrt(std::max(h2, 0.0));
  if (h <= tol.equalPoint()) {
    candidates[count++] = foot;
  } else {
    candidates[count++] = foot + u.perpVector() * h;
    candidates[count++] = foot - u.perpVector() * h;
  }
  AcGePoint2d* outs[2] = {&p1, &p2};
  for (int i = 0; i < count; ++i)
    if (containsAngleOf(candidates[i], tol) && arc.containsAngleOf(candidates[i], tol)) *outs[intn++] = candidates[i];
  return intn > 0;
}

bool AcGeCircArc2d::tangent(const AcGePoint2d& pnt, AcGeLine2d& line, const AcGeTol& tol) const {
  double param = 0.0;
  if (!isOn(pnt, param, tol)) return false;
  line.set(pnt, derivAt(param, 1));
  return true;
}

bool AcGeCircArc2d::isInside(const AcGePoint2d& pnt, const AcGeTol& tol) const {
  return pnt.distanceTo(m_center) < m_radius - tol.equalPoint();
}

bool AcGeCircArc2d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kCircArc2d || AcGeCurve2d::isKindOf(entType);
}

bool AcGeCircArc2d::isEqualTo(const AcGeEntity2d& other, const AcGeTol& tol) const {
  if (other.type() != AcGe::kCircArc2d) return false;
  const auto& arc = static_cast<const AcGeCircArc2d&>(other);
  return m_center.isEqualTo(arc.m_center, tol) && std::fabs(m_radius - arc.m_radius) <= tol.equalPoint() &&
         m_clockWise == arc.m_clockWise && startPoint().isEqualTo(arc.startPoint(), tol) &&
         endPoint().isEqualTo(arc.endPoint(), tol) &&
         std::fabs((m_endAng - m_startAng) - (arc.m_endAng - arc.m_startAng)) <= tol.equalVector();
}

AcGePoint2d AcGeCircArc2d::pointAt(double param) const {
  return ge_detail::framePoint(m_center, m_refVec, perpRef(), m_radius, param);
}

AcGeVector2d AcGeCircArc2d::derivAt(double param, int order) const {
  return ge_detail::frameDeriv(m_refVec, perpRef(), m_radius, param, order);
}

double AcGeCircArc2d::nearestParam(const AcGePoint2d& pnt) const {
  if (pnt.isEqualTo(m_center)) return m_startAng;
  return ge_detail::clampedArcParam(m_startAng, m_endAng, angleOfPoint(pnt),
                                    [&] { return pnt.distanceTo(startPoint()) <= pnt.distanceTo(endPoint()); });
}

double AcGeCircArc2d::arcLength(double fromParam, double toParam) const {
  return std::fabs(toParam - fromParam) * m_radius;
}

void AcGeCircArc2d::transformGeometry(const AcGeMatrix2d& xfm) {
  const AcGeVector2d ref = xfm * m_refVec;
  const AcGeVector2d perp = xfm * perpRef();
  m_center = xfm * m_center;
  m_radius *= ref.length();
  if (!ref.isZeroLength()) m_refVec = ref.normal();
  // A mirroring turns the direction of travel.
  m_clockWise = m_refVec.crossProduct(perp) < 0.0;
}

void AcGeCircArc2d::reverseGeometry() {
  // Same points run the other way: angles now count the other way round from refVec.
  const double start = normalizedAngle(-m_endAng);
  const double sweep = m_endAng - m_startAng;
  m_clockWise = !m_clockWise;
  m_startAng = start;
  m_endAng = start + sweep;
}

bool AcGeCircArc2d::periodOf(double& period) const {
  period = kTwoPi;
  return true;
}

AcGeVector2d AcGeCircArc2d::perpRef() const { return m_clockWise ? -m_refVec.perpVector() : m_refVec.perpVector(); }

double AcGeCircArc2d::angleOfPoint(const AcGePoint2d& pnt) const {
  const AcGeVector2d v = pnt - m_center;
  return normalizedAngle(std::atan2(v.dotProduct(perpRef()), v.dotProduct(m_refVec)));
}

bool AcGeCircArc2d::containsAngleOf(const AcGePoint2d& pnt, const AcGeTol& tol) const {
  return ge_detail::angleWithinSweep(normalizedAngle(angleOfPoint(pnt) - m_startAng), m_endAng - m_startAng, m_radius,
                                     tol);
}
