#include "platform/cad/ge/ge_matrix2d.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/ge/curves/ge_line.h"
#include "platform/cad/ge/ge_square_matrix.h"

const AcGeMatrix2d AcGeMatrix2d::kIdentity;

AcGeMatrix2d& AcGeMatrix2d::setToIdentity() { return *this = AcGeMatrix2d(); }

AcGeMatrix2d AcGeMatrix2d::operator*(const AcGeMatrix2d& mat) const {
  AcGeMatrix2d r;
  ge_detail::multiply<3>(entry, mat.entry, r.entry);
  return r;
}

AcGeMatrix2d& AcGeMatrix2d::operator*=(const AcGeMatrix2d& mat) { return *this = *this * mat; }

AcGeMatrix2d& AcGeMatrix2d::preMultBy(const AcGeMatrix2d& left) { return *this = left * *this; }

AcGeMatrix2d& AcGeMatrix2d::postMultBy(const AcGeMatrix2d& right) { return *this = *this * right; }

AcGeMatrix2d& AcGeMatrix2d::setToProduct(const AcGeMatrix2d& a, const AcGeMatrix2d& b) { return *this = a * b; }

AcGeMatrix2d& AcGeMatrix2d::invert() {
  ge_detail::invert<3>(entry, 1e-300);
  return *this;
}

AcGeMatrix2d AcGeMatrix2d::inverse() const {
  AcGeMatrix2d r(*this);
  return r.invert();
}

bool AcGeMatrix2d::isSingular(const AcGeTol& tol) const { return std::fabs(det()) <= tol.equalVector(); }

AcGeMatrix2d& AcGeMatrix2d::transposeIt() {
  ge_detail::transpose<3>(entry);
  return *this;
}

AcGeMatrix2d AcGeMatrix2d::transpose() const {
  AcGeMatrix2d r(*this);
  return r.transposeIt();
}

double AcGeMatrix2d::det() const { return ge_detail::determinant<3>(entry); }

bool AcGeMatrix2d::isEqualTo(const AcGeMatrix2d& mat, const AcGeTol& tol) const {
  return ge_detail::nearlyEqual<3>(entry, mat.entry, tol.equalVector());
}

bool AcGeMatrix2d::isScaledOrtho(const AcGeTol& tol) const {
  const AcGeVector2d e0(entry[0][0], entry[1][0]);
  const AcGeVector2d e1(entry[0][1], entry[1][1]);
  return !e0.isZeroLength(tol) && !e1.isZeroLength(tol) && e0.isPerpendicularTo(e1, tol);
}

bool AcGeMatrix2d::isUniScaledOrtho(const AcGeTol& tol) const {
  const AcGeVector2d e0(entry[0][0], entry[1][0]);
  const AcGeVector2d e1(entry[0][1], entry[1][1]);
  return isScaledOrtho(tol) && std::fabs(e0.length() - e1.length()) <= tol.equalPoint();
}

double AcGeMatrix2d::scale() const {
  const AcGeVector2d e0(entry[0][0], entry[1][0]);
  const AcGeVector2d e1(entry[0][1], entry[1][1]);
  return std::max(e0.length(), e1.length());
}

AcGeMatrix2d& AcGeMatrix2d::setTranslation(const AcGeVector2d& vec) {
  entry[0][2] = vec.x;
  entry[1][2] = vec.y;
  return *this;
}

AcGeVector2d AcGeMatrix2d::translation() const { return {entry[0][2], entry[1][2]}; }

AcGeMatrix2d& AcGeMatrix2d::setCoordSystem(const AcGePoint2d& origin, const AcGeVector2d& e0, const AcGeVector2d& e1) {
  setToIdentity();
  entry[0][0] = e0.x;
  entry[1][0] = e0.y;
  entry[0][1] = e1.x;
  entry[1][1] = e1.y;
  entry[0][2] = origin.x;
  entry[1][2] = origin.y;
  return *this;
}

void AcGeMatrix2d::getCoordSystem(AcGePoint2d& origin, AcGeVector2d& e0, AcGeVector2d& e1) const {
  origin.set(entry[0][2], entry[1][2]);
  e0.set(entry[0][0], entry[1][0]);
  e1.set(entry[0][1], entry[1][1]);
}

AcGeMatrix2d& AcGeMatrix2d::setToTranslation(const AcGeVector2d& vec) {
  setToIdentity();
  return setTranslation(vec);
}

AcGeMatrix2d& AcGeMatrix2d::setToRotation(double angle, const AcGePoint2d& center) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  setToIdentity();
  entry[0][0] = c;
  entry[0][1] = -s;
  entry[1][0] = s;
  entry[1][1] = c;
  // Keep the centre fixed: t = c - R c.
  entry[0][2] = center.x - (c * center.x - s * center.y);
  entry[1][2] = center.y - (s * center.x + c * center.y);
  return *this;
}

AcGeMatrix2d& AcGeMatrix2d::setToScaling(double scale, const AcGePoint2d& center) {
  setToIdentity();
  entry[0][0] = entry[1][1] = scale;
  entry[0][2] = center.x * (1.0 - scale);
  entry[1][2] = center.y * (1.0 - scale);
  return *this;
}

AcGeMatrix2d& AcGeMatrix2d::setToMirroring(const AcGePoint2d& pnt) { return setToScaling(-1.0, pnt); }

AcGeMatrix2d& AcGeMatrix2d::setToMirroring(const AcGeLine2d& line) {
  const AcGeVector2d u = line.direction();
  const AcGePoint2d p = line.pointOnLine();
  setToIdentity();
  entry[0][0] = 2.0 * u.x * u.x - 1.0;
  entry[0][1] = 2.0 * u.x * u.y;
  entry[1][0] = 2.0 * u.x * u.y;
  entry[1][1] = 2.0 * u.y * u.y - 1.0;
  entry[0][2] = p.x - (entry[0][0] * p.x + entry[0][1] * p.y);
  entry[1][2] = p.y - (entry[1][0] * p.x + entry[1][1] * p.y);
  return *this;
}

AcGeMatrix2d& AcGeMatrix2d::setToAlignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromE0,
                                               const AcGeVector2d& fromE1, const AcGePoint2d& toOrigin,
                                               const AcGeVector2d& toE0, const AcGeVector2d& toE1) {
  AcGeMatrix2d from;
  from.setCoordSystem(fromOrigin, fromE0, fromE1);
  AcGeMatrix2d to;
  to.setCoordSystem(toOrigin, toE0, toE1);
  return *this = to * from.inverse();
}

AcGeMatrix2d AcGeMatrix2d::translation(const AcGeVector2d& vec) { return AcGeMatrix2d().setToTranslation(vec); }

AcGeMatrix2d AcGeMatrix2d::rotation(double angle, const AcGePoint2d& center) {
  return AcGeMatrix2d().setToRotation(angle, center);
}

AcGeMatrix2d AcGeMatrix2d::scaling(double scale, const AcGePoint2d& center) {
  return AcGeMatrix2d().setToScaling(scale, center);
}

AcGeMatrix2d AcGeMatrix2d::mirroring(const AcGePoint2d& pnt) { return AcGeMatrix2d().setToMirroring(pnt); }

AcGeMatrix2d AcGeMatrix2d::mirroring(const AcGeLine2d& line) { return AcGeMatrix2d().setToMirroring(line); }

AcGeMatrix2d AcGeMatrix2d::alignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromE0,
                                         const AcGeVector2d& fromE1, const AcGePoint2d& toOrigin,
                                         const AcGeVector2d& toE0, const AcGeVector2d& toE1) {
  return AcGeMatrix2d().setToAlignCoordSys(fromOrigin, fromE0, fromE1, toOrigin, toE0, toE1);
}
