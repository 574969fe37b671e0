#include "platform/cad/ge/ge_matrix3d.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/ge/curves/ge_line.h"
#include "platform/cad/ge/ge_ecs.h"
#include "platform/cad/ge/ge_plane.h"
#include "platform/cad/ge/ge_square_matrix.h"

const AcGeMatrix3d AcGeMatrix3d::kIdentity;

namespace {

AcGeVector3d column(const AcGeMatrix3d& m, int j) { return {m.entry[0][j], m.entry[1][j], m.entry[2][j]}; }

// Linear part set to I + a * (u u^T) for a unit u, translation keeping pnt fixed.
AcGeMatrix3d reflectionLike(const AcGeVector3d& u, double a, const AcGePoint3d& pnt) {
  AcGeMatrix3d m;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) m.entry[i][j] = (i == j ? 1.0 : 0.0) + a * u[i] * u[j];
  const AcGeVector3d moved = m * pnt.asVector();
  m.setTranslation(pnt.asVector() - moved);
  return m;
}

}  // namespace

AcGeMatrix3d& AcGeMatrix3d::setToIdentity() { return *this = AcGeMatrix3d(); }

AcGeMatrix3d AcGeMatrix3d::operator*(const AcGeMatrix3d& mat) const {
  AcGeMatrix3d r;
  ge_detail::multiply<4>(entry, mat.entry, r.entry);
  return r;
}

AcGeMatrix3d& AcGeMatrix3d::operator*=(const AcGeMatrix3d& mat) { return *this = *this * mat; }

AcGeMatrix3d& AcGeMatrix3d::preMultBy(const AcGeMatrix3d& left) { return *this = left * *this; }

AcGeMatrix3d& AcGeMatrix3d::postMultBy(const AcGeMatrix3d& right) { return *this = *this * right; }

AcGeMatrix3d& AcGeMatrix3d::setToProduct(const AcGeMatrix3d& a, const AcGeMatrix3d& b) { return *this = a * b; }

AcGeMatrix3d& AcGeMatrix3d::invert() {
  ge_detail::invert<4>(entry, 1e-300);
  return *this;
}

AcGeMatrix3d AcGeMatrix3d::inverse() const {
  AcGeMatrix3d r(*this);
  return r.invert();
}

bool AcGeMatrix3d::inverse(AcGeMatrix3d& inverseMatrix, double tol) const {
  AcGeMatrix3d r(*this);
  if (!ge_detail::invert<4>(r.entry, tol)) return false;
  inverseMatrix = r;
  return true;
}

bool AcGeMatrix3d::isSingular(const AcGeTol& tol) const { return std::fabs(det()) <= tol.equalVector(); }

AcGeMatrix3d& AcGeMatrix3d::transposeIt() {
  ge_detail::transpose<4>(entry);
  return *this;
}

AcGeMatrix3d AcGeMatrix3d::transpose() const {
  AcGeMatrix3d r(*this);
  return r.transposeIt();
}

double AcGeMatrix3d::det() const { return ge_detail::determinant<4>(entry); }

double AcGeMatrix3d::norm() const {
  double best = 0.0;
  for (const auto& row : entry)
    for (double v : row) best = std::max(best, std::fabs(v));
  return best;
}

bool AcGeMatrix3d::isEqualTo(const AcGeMatrix3d& mat, const AcGeTol& tol) const {
  return ge_detail::nearlyEqual<4>(entry, mat.entry, tol.equalVector());
}

bool AcGeMatrix3d::isScaledOrtho(const AcGeTol& tol) const {
  const AcGeVector3d x = column(*this, 0), y = column(*this, 1), z = column(*this, 2);
  if (x.isZeroLength(tol) || y.isZeroLength(tol) || z.isZeroLength(tol)) return false;
  return x.isPerpendicularTo(y, tol) && y.isPerpendicularTo(z, tol) && z.isPerpendicularTo(x, tol);
}

bool AcGeMatrix3d::isUniScaledOrtho(const AcGeTol& tol) const {
  if (!isScaledOrtho(tol)) return false;
  const double lx = column(*this, 0).length();
  return std::fabs(column(*this, 1).length() - lx) <= tol.equalPoint() &&
         std::fabs(column(*this, 2).length() - lx) <= tol.equalPoint();
}

double AcGeMatrix3d::scale() const {
  return std::max({column(*this, 0).length(), column(*this, 1).length(), column(*this, 2).length()});
}

AcGeMatrix3d& AcGeMatrix3d::setTranslation(const AcGeVector3d& vec) {
  entry[0][3] = vec.x;
  entry[1][3] = vec.y;
  entry[2][3] = vec.z;
  return *this;
}

AcGeVector3d AcGeMatrix3d::translation() const { return column(*this, 3); }

AcGeMatrix3d& AcGeMatrix3d::setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis,
                                           const AcGeVector3d& yAxis, const AcGeVector3d& zAxis) {
  setToIdentity();
  for (int i = 0; i < 3; ++i) {
    entry[i][0] = xAxis[i];
    entry[i][1] = yAxis[i];
    entry[i][2] = zAxis[i];
    entry[i][3] = origin[i];
  }
  return *this;
}

void AcGeMatrix3d::getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis,
                                  AcGeVector3d& zAxis) const {
  xAxis = column(*this, 0);
  yAxis = column(*this, 1);
  zAxis = column(*this, 2);
  origin = AcGePoint3d::kOrigin + column(*this, 3);
}

AcGeMatrix3d& AcGeMatrix3d::setToTranslation(const AcGeVector3d& vec) {
  setToIdentity();
  return setTranslation(vec);
}

AcGeMatrix3d& AcGeMatrix3d::setToRotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center) {
  setToIdentity();
  const AcGeVector3d u = axis.normal();
  if (u.isZeroLength()) return *this;
  const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
  entry[0][0] = t * u.x * u.x + c;
  entry[0][1] = t * u.x * u.y - s * u.z;
  entry[0][2] = t * u.x * u.z + s * u.y;
  entry[1][0] = t * u.x * u.y + s * u.z;
  entry[1][1] = t * u.y * u.y + c;
  entry[1][2] = t * u.y * u.z - s * u.x;
  entry[2][0] = t * u.x * u.z - s * u.y;
  entry[2][1] = t * u.y * u.z + s * u.x;
  entry[2][2] = t * u.z * u.z + c;
  const AcGeVector3d moved = *this * center.asVector();
  return setTranslation(center.asVector() - moved);
}

AcGeMatrix3d& AcGeMatrix3d::setToScaling(double scale, const AcGePoint3d& center) {
  setToIdentity();
  entry[0][0] = entry[1][1] = entry[2][2] = scale;
  return setTranslation(center.asVector() * (1.0 - scale));
}

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGePlane& plane) {
  return *this = reflectionLike(plane.normal(), -2.0, plane.pointOnPlane());
}

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGePoint3d& pnt) { return setToScaling(-1.0, pnt); }

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGeLine3d& line) {
  // Half a turn about the line: linear part 2 u u^T - I, the line kept fixed.
  const AcGeVector3d u = line.direction();
  setToIdentity();
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) entry[i][j] = 2.0 * u[i] * u[j] - (i == j ? 1.0 : 0.0);
  const AcGeVector3d p = line.pointOnLine().asVector();
  return setTranslation(p - *this * p);
}

AcGeMatrix3d& AcGeMatrix3d::setToProjection(const AcGePlane& projectionPlane, const AcGeVector3d& projectDir) {
  const AcGeVector3d n = projectionPlane.normal();
  AcGeVector3d d = projectDir;
  if (std::fabs(d.dotProduct(n)) <= AcGeContext::gTol.equalVector()) d = n;
  const double dn = d.dotProduct(n);
  // p' = p - ((p - o) . n / (d . n)) d
  setToIdentity();
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) entry[i][j] -= d[i] * n[j] / dn;
  const double on = projectionPlane.pointOnPlane().asVector().dotProduct(n) / dn;
  return setTranslation(d * on);
}

AcGeMatrix3d& AcGeMatrix3d::setToAlignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                               const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                               const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                               const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis) {
  AcGeMatrix3d from;
  from.setCoordSystem(fromOrigin, fromXAxis, fromYAxis, fromZAxis);
  AcGeMatrix3d to;
  to.setCoordSystem(toOrigin, toXAxis, toYAxis, toZAxis);
  return *this = to * from.inverse();
}

AcGeMatrix3d& AcGeMatrix3d::setToPlaneToWorld(const AcGeVector3d& normal) { return *this = acgeEcsToWorld(normal); }

AcGeMatrix3d& AcGeMatrix3d::setToPlaneToWorld(const AcGePlane& plane) {
  AcGePoint3d origin;
  AcGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  return setCoordSystem(origin, u, v, plane.normal());
}

AcGeMatrix3d& AcGeMatrix3d::setToWorldToPlane(const AcGeVector3d& normal) { return *this = acgeWorldToEcs(normal); }

AcGeMatrix3d& AcGeMatrix3d::setToWorldToPlane(const AcGePlane& plane) {
  setToPlaneToWorld(plane);
  return invert();
}

AcGeMatrix3d AcGeMatrix3d::translation(const AcGeVector3d& vec) { return AcGeMatrix3d().setToTranslation(vec); }

AcGeMatrix3d AcGeMatrix3d::rotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center) {
  return AcGeMatrix3d().setToRotation(angle, axis, center);
}

AcGeMatrix3d AcGeMatrix3d::scaling(double scale, const AcGePoint3d& center) {
  return AcGeMatrix3d().setToScaling(scale, center);
}

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePlane& plane) { return AcGeMatrix3d().setToMirroring(plane); }

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePoint3d& pnt) { return AcGeMatrix3d().setToMirroring(pnt); }

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGeLine3d& line) { return AcGeMatrix3d().setToMirroring(line); }

AcGeMatrix3d AcGeMatrix3d::projection(const AcGePlane& projectionPlane, const AcGeVector3d& projectDir) {
  return AcGeMatrix3d().setToProjection(projectionPlane, projectDir);
}

AcGeMatrix3d AcGeMatrix3d::alignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                         const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                         const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                         const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis) {
  return AcGeMatrix3d().setToAlignCoordSys(fromOrigin, fromXAxis, fromYAxis, fromZAxis, toOrigin, toXAxis, toYAxis,
                                           toZAxis);
}

AcGeMatrix3d AcGeMatrix3d::planeToWorld(const AcGeVector3d& normal) { return AcGeMatrix3d().setToPlaneToWorld(normal); }

AcGeMatrix3d AcGeMatrix3d::planeToWorld(const AcGePlane& plane) { return AcGeMatrix3d().setToPlaneToWorld(plane); }

AcGeMatrix3d AcGeMatrix3d::worldToPlane(const AcGeVector3d& normal) { return AcGeMatrix3d().setToWorldToPlane(normal); }

AcGeMatrix3d AcGeMatrix3d::worldToPlane(const AcGePlane& plane) { return AcGeMatrix3d().setToWorldToPlane(plane); }
