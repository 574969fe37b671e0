#include "platform/cad/ge/curves/ge_line.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/ge/ge_plane.h"

const AcGeLine2d AcGeLine2d::kXAxis(AcGePoint2d(0.0, 0.0), AcGeVector2d(1.0, 0.0));
const AcGeLine2d AcGeLine2d::kYAxis(AcGePoint2d(0.0, 0.0), AcGeVector2d(0.0, 1.0));
const AcGeLine3d AcGeLine3d::kXAxis(AcGePoint3d(0.0, 0.0, 0.0), AcGeVector3d(1.0, 0.0, 0.0));
const AcGeLine3d AcGeLine3d::kYAxis(AcGePoint3d(0.0, 0.0, 0.0), AcGeVector3d(0.0, 1.0, 0.0));
const AcGeLine3d AcGeLine3d::kZAxis(AcGePoint3d(0.0, 0.0, 0.0), AcGeVector3d(0.0, 0.0, 1.0));

namespace {

// Parameter t of a segment accepted when its point lies within tol of [0, 1].
bool withinUnitParam(double t, double vecLength, double tol) {
  const double slack = vecLength > 0.0 ? tol / vecLength : 0.0;
  return t >= -slack && t <= 1.0 + slack;
}

}  // namespace

// ---- 2D ----

bool AcGeLinearEnt2d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kLinearEnt2d || AcGeCurve2d::isKindOf(entType);
}

bool AcGeLinearEnt2d::isEqualTo(const AcGeEntity2d& other, const AcGeTol& tol) const {
  if (other.type() != type()) return false;
  const auto& line = static_cast<const AcGeLinearEnt2d&>(other);
  if (clampsParam())
    return m_origin.isEqualTo(line.m_origin, tol) && (m_origin + m_vec).isEqualTo(line.m_origin + line.m_vec, tol);
  return isColinearTo(line, tol);
}

AcGeVector2d AcGeLinearEnt2d::direction() const { return m_vec.normal(); }

void AcGeLinearEnt2d::getLine(AcGeLine2d& line) const { line.set(m_origin, m_vec); }

void AcGeLinearEnt2d::getPerpLine(const AcGePoint2d& pnt, AcGeLine2d& perpLine) const {
  perpLine.set(pnt, m_vec.perpVector());
}

bool AcGeLinearEnt2d::intersectWith(const AcGeLinearEnt2d& line, AcGePoint2d& intPnt, const AcGeTol& tol) const {
  const double cross = m_vec.crossProduct(line.m_vec);
  const double scale = m_vec.length() * line.m_vec.length();
  if (scale == 0.0 || std::fabs(cross) <= tol.equalVector() * scale) return false;
  const AcGeVector2d d = line.m_origin - m_origin;
  const double s = d.crossProduct(line.m_vec) / cross;
  const double t = d.crossProduct(m_vec) / cross;
  if (clampsParam() && !withinUnitParam(s, m_vec.length(), tol.equalPoint())) return false;
  if (line.clampsParam() && !withinUnitParam(t, line.m_vec.length(), tol.equalPoint())) return false;
  intPnt = m_origin + m_vec * s;
  return true;
}

bool AcGeLinearEnt2d::isParallelTo(const AcGeLinearEnt2d& line, const AcGeTol& tol) const {
  return m_vec.isParallelTo(line.m_vec, tol);
}

bool AcGeLinearEnt2d::isPerpendicularTo(const AcGeLinearEnt2d& line, const AcGeTol& tol) const {
  return m_vec.isPerpendicularTo(line.m_vec, tol);
}

bool AcGeLinearEnt2d::isColinearTo(const AcGeLinearEnt2d& line, const AcGeTol& tol) const {
  if (!isParallelTo(line, tol)) return false;
  const AcGeVector2d u = direction();
  const AcGeVector2d d = line.m_origin - m_origin;
  return std::fabs(u.crossProduct(d)) <= tol.equalPoint();
}

AcGeVector2d AcGeLinearEnt2d::derivAt(double, int order) const { return order <= 1 ? m_vec : AcGeVector2d(); }

double AcGeLinearEnt2d::nearestParam(const AcGePoint2d& pnt) const {
  const double len2 = m_vec.lengthSqrd();
  if (len2 == 0.0) return 0.0;
  const double t = (pnt - m_origin).dotProduct(m_vec) / len2;
  return clampsParam() ? std::clamp(t, 0.0, 1.0) : t;
}

double AcGeLinearEnt2d::arcLength(double fromParam, double toParam) const {
  return std::fabs(toParam - fromParam) * m_vec.length();
}

AcGePoint2d AcGeLinearEnt2d::pointAt(double param) const { return m_origin + m_vec * param; }

void AcGeLinearEnt2d::transformGeometry(const AcGeMatrix2d& xfm) {
  const AcGePoint2d end = xfm * (m_origin + m_vec);
  m_origin = xfm * m_origin;
  m_vec = end - m_origin;
}

void AcGeLinearEnt2d::reverseGeometry() {
  if (clampsParam()) m_origin = m_origin + m_vec;
  m_vec = -m_vec;
}

AcGeLine2d& AcGeLine2d::set(const AcGePoint2d& pnt, const AcGeVector2d& vec) {
  m_origin = pnt;
  m_vec = vec;
  return *this;
}

AcGeLine2d& AcGeLine2d::set(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2) { return set(pnt1, pnt2 - pnt1); }

bool AcGeLine2d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kLine2d || AcGeLinearEnt2d::isKindOf(entType);
}

AcGeLineSeg2d& AcGeLineSeg2d::set(const AcGePoint2d& start, const AcGePoint2d& end) { return set(start, end - start); }

AcGeLineSeg2d& AcGeLineSeg2d::set(const AcGePoint2d& start, const AcGeVector2d& vec) {
  m_origin = start;
  m_vec = vec;
  return *this;
}

void AcGeLineSeg2d::getBisector(AcGeLine2d& line) const { line.set(midPoint(), m_vec.perpVector()); }

bool AcGeLineSeg2d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kLineSeg2d || AcGeLinearEnt2d::isKindOf(entType);
}

// ---- 3D ----

bool AcGeLinearEnt3d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kLinearEnt3d || AcGeCurve3d::isKindOf(entType);
}

bool AcGeLinearEnt3d::isEqualTo(const AcGeEntity3d& other, const AcGeTol& tol) const {
  if (other.type() != type()) return false;
  const auto& line = static_cast<const AcGeLinearEnt3d&>(other);
  if (clampsParam())
    return m_origin.isEqualTo(line.m_origin, tol) && (m_origin + m_vec).isEqualTo(line.m_origin + line.m_vec, tol);
  return isColinearTo(line, tol);
}

AcGeVector3d AcGeLinearEnt3d::direction() const { return m_vec.normal(); }

void AcGeLinearEnt3d::getLine(AcGeLine3d& line) const { line.set(m_origin, m_vec); }

void AcGeLinearEnt3d::getPerpPlane(const AcGePoint3d& pnt, AcGePlane& plane) const { plane.set(pnt, m_vec); }

bool AcGeLinearEnt3d::intersectWith(const AcGeLinearEnt3d& line, AcGePoint3d& intPnt, const AcGeTol& tol) const {
  // Closest points of the two carrier lines; they cross when those coincide.
  const AcGeVector3d w = m_origin - line.m_origin;
  const double a = m_vec.dotProduct(m_vec), b = m_vec.dotProduct(line.m_vec), c = line.m_vec.dotProduct(line.m_vec);
  const double d = m_vec.dotProduct(w), e = line.m_vec.dotProduct(w);
  const double denom = a * c - b * b;
  if (a == 0.0 || c == 0.0 || denom <= tol.equalVector() * a * c) return false;
  const double s = (b * e - c * d) / denom;
  const double t = (a * e - b * d) / denom;
  const AcGePoint3d p = m_origin + m_vec * s;
  const AcGePoint3d q = line.m_origin + line.m_vec * t;
  if (p.distanceTo(q) > tol.equalPoint()) return false;
  if (clampsParam() && !withinUnitParam(s, m_vec.length(), tol.equalPoint())) return false;
  if (line.clampsParam() && !withinUnitParam(t, line.m_vec.length(), tol.equalPoint())) return false;
  intPnt = p;
  return true;
}

bool AcGeLinearEnt3d::intersectWith(const AcGePlanarEnt& plane, AcGePoint3d& intPnt, const AcGeTol& tol) const {
  const AcGeVector3d n = plane.normal();
  const double along = n.dotProduct(m_vec);
  if (std::fabs(along) <= tol.equalVector() * m_vec.length()) return false;
  const double t = n.dotProduct(plane.pointOnPlane() - m_origin) / along;
  if (clampsParam() && !withinUnitParam(t, m_vec.length(), tol.equalPoint())) return false;
  intPnt = m_origin + m_vec * t;
  return true;
}

bool AcGeLinearEnt3d::isParallelTo(const AcGeLinearEnt3d& line, const AcGeTol& tol) const {
  return m_vec.isParallelTo(line.m_vec, tol);
}

bool AcGeLinearEnt3d::isParallelTo(const AcGePlanarEnt& plane, const AcGeTol& tol) const {
  return m_vec.isPerpendicularTo(plane.normal(), tol);
}

bool AcGeLinearEnt3d::isPerpendicularTo(const AcGeLinearEnt3d& line, const AcGeTol& tol) const {
  return m_vec.isPerpendicularTo(line.m_vec, tol);
}

bool AcGeLinearEnt3d::isPerpendicularTo(const AcGePlanarEnt& plane, const AcGeTol& tol) const {
  return m_vec.isParallelTo(plane.normal(), tol);
}

bool AcGeLinearEnt3d::isColinearTo(const AcGeLinearEnt3d& line, const AcGeTol& tol) const {
  if (!isParallelTo(line, tol)) return false;
  return direction().crossProduct(line.m_origin - m_origin).length() <= tol.equalPoint();
}

AcGeVector3d AcGeLinearEnt3d::derivAt(double, int order) const { return order <= 1 ? m_vec : AcGeVector3d(); }

double AcGeLinearEnt3d::nearestParam(const AcGePoint3d& pnt) const {
  const double len2 = m_vec.lengthSqrd();
  if (len2 == 0.0) return 0.0;
  const double t = (pnt - m_origin).dotProduct(m_vec) / len2;
  return clampsParam() ? std::clamp(t, 0.0, 1.0) : t;
}

double AcGeLinearEnt3d::arcLength(double fromParam, double toParam) const {
  return std::fabs(toParam - fromParam) * m_vec.length();
}

AcGePoint3d AcGeLinearEnt3d::pointAt(double param) const { return m_origin + m_vec * param; }

void AcGeLinearEnt3d::transformGeometry(const AcGeMatrix3d& xfm) {
  const AcGePoint3d end = xfm * (m_origin + m_vec);
  m_origin = xfm * m_origin;
  m_vec = end - m_origin;
}

void AcGeLinearEnt3d::reverseGeometry() {
  if (clampsParam()) m_origin = m_origin + m_vec;
  m_vec = -m_vec;
}

AcGeLine3d& AcGeLine3d::set(const AcGePoint3d& pnt, const AcGeVector3d& vec) {
  m_origin = pnt;
  m_vec = vec;
  return *this;
}

AcGeLine3d& AcGeLine3d::set(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2) { return set(pnt1, pnt2 - pnt1); }

bool AcGeLine3d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kLine3d || AcGeLinearEnt3d::isKindOf(entType);
}

AcGeLineSeg3d& AcGeLineSeg3d::set(const AcGePoint3d& start, const AcGePoint3d& end) { return set(start, end - start); }

AcGeLineSeg3d& AcGeLineSeg3d::set(const AcGePoint3d& start, const AcGeVector3d& vec) {
  m_origin = start;
  m_vec = vec;
  return *this;
}

void AcGeLineSeg3d::getBisector(AcGePlane& plane) const { plane.set(midPoint(), m_vec); }

bool AcGeLineSeg3d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kLineSeg3d || AcGeLinearEnt3d::isKindOf(entType);
}
