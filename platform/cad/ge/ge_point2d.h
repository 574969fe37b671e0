#pragma once

#include "platform/cad/ge/ge_tol.h"
#include "platform/cad/ge/ge_vector2d.h"

class AcGeMatrix2d;
class AcGeLine2d;

// 2D point. Equality is within AcGeTol::equalPoint.
class AcGePoint2d {
 public:
  constexpr AcGePoint2d() = default;
  constexpr AcGePoint2d(double xx, double yy) : x(xx), y(yy) {}

  static const AcGePoint2d kOrigin;

  AcGePoint2d& set(double xx, double yy);
  AcGePoint2d& setToProduct(const AcGeMatrix2d& mat, const AcGePoint2d& pnt);
  AcGePoint2d& setToSum(const AcGePoint2d& pnt, const AcGeVector2d& vec);
  AcGePoint2d& transformBy(const AcGeMatrix2d& mat);
  AcGePoint2d& rotateBy(double angle, const AcGePoint2d& wrtPoint = kOrigin);
  AcGePoint2d& mirror(const AcGeLine2d& line);
  AcGePoint2d& scaleBy(double scaleFactor, const AcGePoint2d& wrtPoint = kOrigin);

  AcGePoint2d operator*(double scale) const { return {x * scale, y * scale}; }
  AcGePoint2d& operator*=(double scale);
  AcGePoint2d operator/(double scale) const { return {x / scale, y / scale}; }
  AcGePoint2d& operator/=(double scale);
  AcGePoint2d operator+(const AcGeVector2d& v) const { return {x + v.x, y + v.y}; }
  AcGePoint2d& operator+=(const AcGeVector2d& v);
  AcGePoint2d operator-(const AcGeVector2d& v) const { return {x - v.x, y - v.y}; }
  AcGePoint2d& operator-=(const AcGeVector2d& v);
  AcGeVector2d operator-(const AcGePoint2d& p) const { return {x - p.x, y - p.y}; }
  AcGeVector2d asVector() const { return {x, y}; }

  double distanceTo(const AcGePoint2d& pnt) const;
  bool isEqualTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGePoint2d& p) const { return isEqualTo(p); }
  bool operator!=(const AcGePoint2d& p) const { return !isEqualTo(p); }

  double operator[](unsigned int i) const { return i == 0 ? x : y; }
  double& operator[](unsigned int i) { return i == 0 ? x : y; }

  double x = 0.0;
  double y = 0.0;
};

AcGePoint2d operator*(double scale, const AcGePoint2d& pnt);
AcGePoint2d operator*(const AcGeMatrix2d& mat, const AcGePoint2d& pnt);
