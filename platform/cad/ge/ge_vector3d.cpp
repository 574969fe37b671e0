#include "platform/cad/ge/ge_vector3d.h"

#include <cmath>
#include <numbers>

#include "platform/cad/ge/ge_ecs.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/ge/ge_plane.h"

const AcGeVector3d AcGeVector3d::kIdentity(1.0, 1.0, 1.0);
const AcGeVector3d AcGeVector3d::kXAxis(1.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kYAxis(0.0, 1.0, 0.0);
const AcGeVector3d AcGeVector3d::kZAxis(0.0, 0.0, 1.0);

AcGeVector3d::AcGeVector3d(const AcGePlanarEnt& plane, const AcGeVector2d& vec2d) { set(plane, vec2d); }

AcGeVector3d& AcGeVector3d::set(double xx, double yy, double zz) {
  x = xx;
  y = yy;
  z = zz;
  return *this;
}

AcGeVector3d& AcGeVector3d::set(const AcGePlanarEnt& plane, const AcGeVector2d& vec2d) {
  AcGePoint3d origin;
  AcGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  return *this = u * vec2d.x + v * vec2d.y;
}

AcGeVector3d& AcGeVector3d::setToProduct(const AcGeMatrix3d& mat, const AcGeVector3d& vec) { return *this = mat * vec; }

AcGeVector3d& AcGeVector3d::setToProduct(const AcGeVector3d& vec, double scale) { return *this = vec * scale; }

AcGeVector3d& AcGeVector3d::setToSum(const AcGeVector3d& a, const AcGeVector3d& b) { return *this = a + b; }

AcGeVector3d& AcGeVector3d::transformBy(const AcGeMatrix3d& mat) { return *this = mat * *this; }

AcGeVector3d& AcGeVector3d::rotateBy(double angle, const AcGeVector3d& axis) {
  return *this = AcGeMatrix3d::rotation(angle, axis) * *this;
}

AcGeVector3d& AcGeVector3d::mirror(const AcGeVector3d& normalToPlane) {
  const AcGeVector3d n = normalToPlane.normal();
  if (n.isZeroLength()) return *this;
  return *this = *this - n * (2.0 * dotProduct(n));
}

AcGeVector3d& AcGeVector3d::negate() { return set(-x, -y, -z); }

AcGeVector3d& AcGeVector3d::normalize(const AcGeTol& tol) { return *this = normal(tol); }

AcGeVector3d& AcGeVector3d::operator*=(double s) { return set(x * s, y * s, z * s); }

AcGeVector3d& AcGeVector3d::operator/=(double s) { return set(x / s, y / s, z / s); }

AcGeVector3d& AcGeVector3d::operator+=(const AcGeVector3d& v) { return set(x + v.x, y + v.y, z + v.z); }

AcGeVector3d& AcGeVector3d::operator-=(const AcGeVector3d& v) { return set(x - v.x, y - v.y, z - v.z); }

double AcGeVector3d::angleTo(const AcGeVector3d& vec) const {
  return std::atan2(crossProduct(vec).length(), dotProduct(vec));
}

double AcGeVector3d::angleTo(const AcGeVector3d& vec, const AcGeVector3d& refVec) const {
  const double a = angleTo(vec);
  if (refVec.dotProduct(crossProduct(vec)) >= 0.0) return a;
  return 2.0 * std::numbers::pi - a;
}

double AcGeVector3d::angleOnPlane(const AcGePlanarEnt& plane) const {
  AcGePoint3d origin;
  AcGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  const AcGeVector3d n = plane.normal();
  const AcGeVector3d projected = orthoProject(n);
  if (projected.isZeroLength()) return 0.0;
  return u.angleTo(projected, n);
}

AcGeVector3d AcGeVector3d::normal(const AcGeTol& tol) const {
  const double len = length();
  if (len <= tol.equalVector()) return *this;
  return {x / len, y / len, z / len};
}

AcGeVector3d AcGeVector3d::perpVector() const { return acgeEcsXAxis(*this); }

AcGeVector3d AcGeVector3d::orthoProject(const AcGeVector3d& planeNormal) const {
  const AcGeVector3d n = planeNormal.normal();
  return *this - n * dotProduct(n);
}

AcGeVector2d AcGeVector3d::convert2d(const AcGePlanarEnt& plane) const {
  const AcGePoint3d tip = plane.pointOnPlane() + *this;
  return tip.convert2d(plane) - plane.pointOnPlane().convert2d(plane);
}

AcGeMatrix3d AcGeVector3d::rotateTo(const AcGeVector3d& vec, const AcGeVector3d& axis) const {
  AcGeVector3d rotAxis = crossProduct(vec);
  const double angle = angleTo(vec);
  if (rotAxis.isZeroLength()) {
    if (angle < std::numbers::pi / 2.0) return AcGeMatrix3d::kIdentity;
    // Opposite vectors: turn half a turn about the given axis, or any perpendicular one.
    rotAxis = axis.orthoProject(*this);
    if (rotAxis.isZeroLength()) rotAxis = perpVector();
  }
  return AcGeMatrix3d::rotation(angle, rotAxis);
}

double AcGeVector3d::length() const { return std::sqrt(x * x + y * y + z * z); }

unsigned int AcGeVector3d::largestElement() const {
  unsigned int best = 0;
  if (std::fabs(y) > std::fabs(x)) best = 1;
  if (std::fabs(z) > std::fabs((*this)[best])) best = 2;
  return best;
}

bool AcGeVector3d::isUnitLength(const AcGeTol& tol) const { return std::fabs(length() - 1.0) <= tol.equalVector(); }

bool AcGeVector3d::isZeroLength(const AcGeTol& tol) const { return length() <= tol.equalVector(); }

bool AcGeVector3d::isParallelTo(const AcGeVector3d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return normal().crossProduct(v.normal()).length() <= tol.equalVector();
}

bool AcGeVector3d::isCodirectionalTo(const AcGeVector3d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return (normal() - v.normal()).length() <= tol.equalVector();
}

bool AcGeVector3d::isPerpendicularTo(const AcGeVector3d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return std::fabs(normal().dotProduct(v.normal())) <= tol.equalVector();
}

bool AcGeVector3d::isEqualTo(const AcGeVector3d& v, const AcGeTol& tol) const {
  return (*this - v).length() <= tol.equalVector();
}

AcGeVector3d operator*(double scale, const AcGeVector3d& vec) { return vec * scale; }

AcGeVector3d operator*(const AcGeMatrix3d& mat, const AcGeVector3d& vec) {
  const auto& e = mat.entry;
  return {e[0][0] * vec.x + e[0][1] * vec.y + e[0][2] * vec.z, e[1][0] * vec.x + e[1][1] * vec.y + e[1][2] * vec.z,
          e[2][0] * vec.x + e[2][1] * vec.y + e[2][2] * vec.z};
}
