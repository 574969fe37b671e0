#include "platform/cad/ge/ge_plane.h"

#include <cmath>

#include "platform/cad/ge/curves/ge_line.h"
#include "platform/cad/ge/ge_ecs.h"

const AcGePlane AcGePlane::kXYPlane(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0), AcGeVector3d(0, 1, 0));
const AcGePlane AcGePlane::kYZPlane(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 1, 0), AcGeVector3d(0, 0, 1));
const AcGePlane AcGePlane::kZXPlane(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 0, 1), AcGeVector3d(1, 0, 0));

bool AcGePlanarEnt::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kPlanarEnt || entType == AcGe::kSurface || AcGeEntity3d::isKindOf(entType);
}

bool AcGePlanarEnt::isEqualTo(const AcGeEntity3d& other, const AcGeTol& tol) const {
  if (!other.isKindOf(AcGe::kPlanarEnt)) return false;
  const auto& plane = static_cast<const AcGePlanarEnt&>(other);
  return m_origin.isEqualTo(plane.m_origin, tol) && m_uAxis.isEqualTo(plane.m_uAxis, tol) &&
         m_vAxis.isEqualTo(plane.m_vAxis, tol);
}

AcGeVector3d AcGePlanarEnt::normal() const { return m_uAxis.crossProduct(m_vAxis).normal(); }

void AcGePlanarEnt::getCoefficients(double& a, double& b, double& c, double& d) const {
  const AcGeVector3d n = normal();
  a = n.x;
  b = n.y;
  c = n.z;
  d = -n.dotProduct(m_origin.asVector());
}

void AcGePlanarEnt::getCoordSystem(AcGePoint3d& origin, AcGeVector3d& axis1, AcGeVector3d& axis2) const {
  origin = m_origin;
  axis1 = m_uAxis;
  axis2 = m_vAxis;
}

AcGePoint3d AcGePlanarEnt::closestPointTo(const AcGePoint3d& pnt) const {
  const AcGeVector3d n = normal();
  return pnt - n * n.dotProduct(pnt - m_origin);
}

double AcGePlanarEnt::distanceTo(const AcGePoint3d& pnt) const {
  return std::fabs(normal().dotProduct(pnt - m_origin));
}

bool AcGePlanarEnt::intersectWith(const AcGeLinearEnt3d& line, AcGePoint3d& pnt, const AcGeTol& tol) const {
  return line.intersectWith(*this, pnt, tol);
}

bool AcGePlanarEnt::isParallelTo(const AcGePlanarEnt& plane, const AcGeTol& tol) const {
  return normal().isParallelTo(plane.normal(), tol);
}

bool AcGePlanarEnt::isPerpendicularTo(const AcGePlanarEnt& plane, const AcGeTol& tol) const {
  return normal().isPerpendicularTo(plane.normal(), tol);
}

bool AcGePlanarEnt::isCoplanarTo(const AcGePlanarEnt& plane, const AcGeTol& tol) const {
  return isParallelTo(plane, tol) && distanceTo(plane.m_origin) <= tol.equalPoint();
}

void AcGePlanarEnt::transformGeometry(const AcGeMatrix3d& xfm) {
  const AcGePoint3d u = xfm * (m_origin + m_uAxis);
  const AcGePoint3d v = xfm * (m_origin + m_vAxis);
  m_origin = xfm * m_origin;
  m_uAxis = u - m_origin;
  m_vAxis = v - m_origin;
}

bool AcGePlanarEnt::pointIsOn(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  return distanceTo(pnt) <= tol.equalPoint();
}

AcGePlane::AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& normal) { set(origin, normal); }

AcGePlane::AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis)
    : AcGePlanarEnt(origin, uAxis, vAxis) {}

AcGePlane::AcGePlane(const AcGePoint3d& pntU, const AcGePoint3d& org, const AcGePoint3d& pntV) { set(pntU, org, pntV); }

AcGePlane::AcGePlane(double a, double b, double c, double d) { set(a, b, c, d); }

AcGePlane& AcGePlane::set(const AcGePoint3d& origin, const AcGeVector3d& normal) {
  m_origin = origin;
  m_uAxis = acgeEcsXAxis(normal);
  m_vAxis = acgeEcsYAxis(normal);
  return *this;
}

AcGePlane& AcGePlane::set(const AcGePoint3d& pntU, const AcGePoint3d& org, const AcGePoint3d& pntV) {
  m_origin = org;
  m_uAxis = pntU - org;
  m_vAxis = pntV - org;
  return *this;
}

AcGePlane& AcGePlane::set(double a, double b, double c, double d) {
  const AcGeVector3d n(a, b, c);
  const double len2 = n.lengthSqrd();
  if (len2 == 0.0) return set(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis);
  // Foot of the perpendicular from the world origin.
  return set(AcGePoint3d::kOrigin + n * (-d / len2), n);
}

AcGePlane& AcGePlane::set(const AcGePoint3d& org, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis) {
  m_origin = org;
  m_uAxis = uAxis;
  m_vAxis = vAxis;
  return *this;
}

double AcGePlane::signedDistanceTo(const AcGePoint3d& pnt) const { return normal().dotProduct(pnt - m_origin); }

bool AcGePlane::intersectWith(const AcGePlane& otherPlane, AcGeLine3d& line, const AcGeTol& tol) const {
  const AcGeVector3d n1 = normal(), n2 = otherPlane.normal();
  const AcGeVector3d dir = n1.crossProduct(n2);
  if (dir.isZeroLength(tol)) return false;
  const double d1 = n1.dotProduct(m_origin.asVector());
  const double d2 = n2.dotProduct(otherPlane.m_origin.asVector());
  // Point on both planes nearest the world origin.
  const AcGeVector3d p = (n2.crossProduct(dir) * d1 + dir.crossProduct(n1) * d2) / dir.lengthSqrd();
  line.set(AcGePoint3d::kOrigin + p, dir.normal());
  return true;
}

bool AcGePlane::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kPlane || AcGePlanarEnt::isKindOf(entType);
}
