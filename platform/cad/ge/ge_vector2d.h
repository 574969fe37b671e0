#pragma once

#include "platform/cad/ge/ge_tol.h"

class AcGeMatrix2d;

// 2D vector. Angles in radians.
class AcGeVector2d {
 public:
  constexpr AcGeVector2d() = default;
  constexpr AcGeVector2d(double xx, double yy) : x(xx), y(yy) {}

  static const AcGeVector2d kIdentity;
  static const AcGeVector2d kXAxis;
  static const AcGeVector2d kYAxis;

  AcGeVector2d& set(double xx, double yy);
  AcGeVector2d& setToProduct(const AcGeMatrix2d& mat, const AcGeVector2d& vec);
  AcGeVector2d& setToProduct(const AcGeVector2d& vec, double scale);
  AcGeVector2d& setToSum(const AcGeVector2d& a, const AcGeVector2d& b);
  AcGeVector2d& transformBy(const AcGeMatrix2d& mat);
  AcGeVector2d& rotateBy(double angle);
  AcGeVector2d& mirror(const AcGeVector2d& line);
  AcGeVector2d& negate();
  AcGeVector2d& normalize(const AcGeTol& tol = AcGeContext::gTol);

  AcGeVector2d operator*(double scale) const { return {x * scale, y * scale}; }
  AcGeVector2d& operator*=(double scale);
  AcGeVector2d operator/(double scale) const { return {x / scale, y / scale}; }
  AcGeVector2d& operator/=(double scale);
  AcGeVector2d operator+(const AcGeVector2d& v) const { return {x + v.x, y + v.y}; }
  AcGeVector2d& operator+=(const AcGeVector2d& v);
  AcGeVector2d operator-(const AcGeVector2d& v) const { return {x - v.x, y - v.y}; }
  AcGeVector2d& operator-=(const AcGeVector2d& v);
  AcGeVector2d operator-() const { return {-x, -y}; }

  // Direction from the X axis, 0 .. 2pi.
  double angle() const;
  // Unsigned angle between the two, 0 .. pi.
  double angleTo(const AcGeVector2d& vec) const;
  AcGeVector2d normal(const AcGeTol& tol = AcGeContext::gTol) const;
  // Turned a quarter counter-clockwise.
  AcGeVector2d perpVector() const { return {-y, x}; }
  double dotProduct(const AcGeVector2d& v) const { return x * v.x + y * v.y; }
  // Z of the 3D cross product.
  double crossProduct(const AcGeVector2d& v) const { return x * v.y - y * v.x; }
  double length() const;
  double lengthSqrd() const { return x * x + y * y; }

  bool isUnitLength(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isParallelTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isCodirectionalTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPerpendicularTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isEqualTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGeVector2d& v) const { return isEqualTo(v); }
  bool operator!=(const AcGeVector2d& v) const { return !isEqualTo(v); }

  double operator[](unsigned int i) const { return i == 0 ? x : y; }
  double& operator[](unsigned int i) { return i == 0 ? x : y; }

  double x = 0.0;
  double y = 0.0;
};

AcGeVector2d operator*(double scale, const AcGeVector2d& vec);
AcGeVector2d operator*(const AcGeMatrix2d& mat, const AcGeVector2d& vec);
