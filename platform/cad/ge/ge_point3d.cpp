#include "platform/cad/ge/ge_point3d.h"

#include <cmath>

#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/ge/ge_plane.h"

const AcGePoint3d AcGePoint3d::kOrigin(0.0, 0.0, 0.0);

AcGePoint3d::AcGePoint3d(const AcGePlanarEnt& plane, const AcGePoint2d& pnt2d) { set(plane, pnt2d); }

AcGePoint3d& AcGePoint3d::set(double xx, double yy, double zz) {
  x = xx;
  y = yy;
  z = zz;
  return *this;
}

AcGePoint3d& AcGePoint3d::set(const AcGePlanarEnt& plane, const AcGePoint2d& pnt2d) {
  AcGePoint3d origin;
  AcGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  return *this = origin + u * pnt2d.x + v * pnt2d.y;
}

AcGePoint3d& AcGePoint3d::setToProduct(const AcGeMatrix3d& mat, const AcGePoint3d& pnt) { return *this = mat * pnt; }

AcGePoint3d& AcGePoint3d::setToSum(const AcGePoint3d& pnt, const AcGeVector3d& vec) { return *this = pnt + vec; }

AcGePoint3d& AcGePoint3d::transformBy(const AcGeMatrix3d& mat) { return *this = mat * *this; }

AcGePoint3d& AcGePoint3d::rotateBy(double angle, const AcGeVector3d& vec, const AcGePoint3d& wrtPoint) {
  return *this = AcGeMatrix3d::rotation(angle, vec, wrtPoint) * *this;
}

AcGePoint3d& AcGePoint3d::mirror(const AcGePlane& plane) { return *this = AcGeMatrix3d::mirroring(plane) * *this; }

AcGePoint3d& AcGePoint3d::scaleBy(double scaleFactor, const AcGePoint3d& wrtPoint) {
  return *this = wrtPoint + (*this - wrtPoint) * scaleFactor;
}

AcGePoint3d AcGePoint3d::project(const AcGePlane& plane, const AcGeVector3d& projectDirection) const {
  const AcGeVector3d n = plane.normal();
  const double along = projectDirection.dotProduct(n);
  if (std::fabs(along) <= AcGeContext::gTol.equalVector()) return orthoProject(plane);
  const double t = (plane.pointOnPlane() - *this).dotProduct(n) / along;
  return *this + projectDirection * t;
}

AcGePoint3d AcGePoint3d::orthoProject(const AcGePlane& plane) const { return plane.closestPointTo(*this); }

AcGePoint2d AcGePoint3d::convert2d(const AcGePlanarEnt& plane) const {
  AcGePoint3d origin;
  AcGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  // Solve the 2x2 normal equations so that axes need not be orthogonal.
  const AcGeVector3d d = *this - origin;
  const double uu = u.dotProduct(u), uv = u.dotProduct(v), vv = v.dotProduct(v);
  const double du = d.dotProduct(u), dv = d.dotProduct(v);
  const double det = uu * vv - uv * uv;
  if (std::fabs(det) < 1e-300) return AcGePoint2d::kOrigin;
  return {(du * vv - dv * uv) / det, (dv * uu - du * uv) / det};
}

AcGePoint3d& AcGePoint3d::operator*=(double s) { return set(x * s, y * s, z * s); }

AcGePoint3d& AcGePoint3d::operator/=(double s) { return set(x / s, y / s, z / s); }

AcGePoint3d& AcGePoint3d::operator+=(const AcGeVector3d& v) { return set(x + v.x, y + v.y, z + v.z); }

AcGePoint3d& AcGePoint3d::operator-=(const AcGeVector3d& v) { return set(x - v.x, y - v.y, z - v.z); }

double AcGePoint3d::distanceTo(const AcGePoint3d& pnt) const { return (*this - pnt).length(); }

bool AcGePoint3d::isEqualTo(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  return distanceTo(pnt) <= tol.equalPoint();
}

AcGePoint3d operator*(double scale, const AcGePoint3d& pnt) { return pnt * scale; }

AcGePoint3d operator*(const AcGeMatrix3d& mat, const AcGePoint3d& pnt) {
  const auto& e = mat.entry;
  double r[4];
  for (int i = 0; i < 4; ++i) r[i] = e[i][0] * pnt.x + e[i][1] * pnt.y + e[i][2] * pnt.z + e[i][3];
  if (r[3] != 1.0 && r[3] != 0.0) return {r[0] / r[3], r[1] / r[3], r[2] / r[3]};
  return {r[0], r[1], r[2]};
}
