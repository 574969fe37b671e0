#include "platform/cad/ge/ge_vector2d.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/cad/ge/ge_matrix2d.h"

const AcGeVector2d AcGeVector2d::kIdentity(1.0, 1.0);
const AcGeVector2d AcGeVector2d::kXAxis(1.0, 0.0);
const AcGeVector2d AcGeVector2d::kYAxis(0.0, 1.0);

AcGeVector2d& AcGeVector2d::set(double xx, double yy) {
  x = xx;
  y = yy;
  return *this;
}

AcGeVector2d& AcGeVector2d::setToProduct(const AcGeMatrix2d& mat, const AcGeVector2d& vec) { return *this = mat * vec; }

AcGeVector2d& AcGeVector2d::setToProduct(const AcGeVector2d& vec, double scale) { return *this = vec * scale; }

AcGeVector2d& AcGeVector2d::setToSum(const AcGeVector2d& a, const AcGeVector2d& b) { return *this = a + b; }

AcGeVector2d& AcGeVector2d::transformBy(const AcGeMatrix2d& mat) { return *this = mat * *this; }

AcGeVector2d& AcGeVector2d::rotateBy(double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  return set(c * x - s * y, s * x + c * y);
}

AcGeVector2d& AcGeVector2d::mirror(const AcGeVector2d& line) {
  const AcGeVector2d u = line.normal();
  if (u.isZeroLength()) return *this;
  const AcGeVector2d along = u * dotProduct(u);
  return *this = along * 2.0 - *this;
}

AcGeVector2d& AcGeVector2d::negate() { return set(-x, -y); }

AcGeVector2d& AcGeVector2d::normalize(const AcGeTol& tol) { return *this = normal(tol); }

AcGeVector2d& AcGeVector2d::operator*=(double scale) { return set(x * scale, y * scale); }

AcGeVector2d& AcGeVector2d::operator/=(double scale) { return set(x / scale, y / scale); }

AcGeVector2d& AcGeVector2d::operator+=(const AcGeVector2d& v) { return set(x + v.x, y + v.y); }

AcGeVector2d& AcGeVector2d::operator-=(const AcGeVector2d& v) { return set(x - v.x, y - v.y); }

double AcGeVector2d::angle() const {
  double a = std::atan2(y, x);
  if (a < 0.0) a += 2.0 * std::numbers::pi;
  return a;
}

double AcGeVector2d::angleTo(const AcGeVector2d& vec) const {
  return std::fabs(std::atan2(crossProduct(vec), dotProduct(vec)));
}

AcGeVector2d AcGeVector2d::normal(const AcGeTol& tol) const {
  const double len = length();
  if (len <= tol.equalVector()) return *this;
  return {x / len, y / len};
}

double AcGeVector2d::length() const { return std::hypot(x, y); }

bool AcGeVector2d::isUnitLength(const AcGeTol& tol) const { return std::fabs(length() - 1.0) <= tol.equalVector(); }

bool AcGeVector2d::isZeroLength(const AcGeTol& tol) const { return length() <= tol.equalVector(); }

bool AcGeVector2d::isParallelTo(const AcGeVector2d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return std::fabs(normal().crossProduct(v.normal())) <= tol.equalVector();
}

bool AcGeVector2d::isCodirectionalTo(const AcGeVector2d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return (normal() - v.normal()).length() <= tol.equalVector();
}

bool AcGeVector2d::isPerpendicularTo(const AcGeVector2d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return std::fabs(normal().dotProduct(v.normal())) <= tol.equalVector();
}

bool AcGeVector2d::isEqualTo(const AcGeVector2d& v, const AcGeTol& tol) const {
  return (*this - v).length() <= tol.equalVector();
}

AcGeVector2d operator*(double scale, const AcGeVector2d& vec) { return vec * scale; }

AcGeVector2d operator*(const AcGeMatrix2d& mat, const AcGeVector2d& vec) {
  return {mat.entry[0][0] * vec.x + mat.entry[0][1] * vec.y, mat.entry[1][0] * vec.x + mat.entry[1][1] * vec.y};
}
