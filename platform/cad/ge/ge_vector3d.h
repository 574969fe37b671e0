#pragma once

#include "platform/cad/ge/ge_tol.h"
#include "platform/cad/ge/ge_vector2d.h"

class AcGeMatrix3d;
class AcGePlanarEnt;

// 3D vector. Angles in radians.
class AcGeVector3d {
 public:
  constexpr AcGeVector3d() = default;
  constexpr AcGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  // The vector of the plane's 2D coordinates (u along the plane's first axis, v its second).
  AcGeVector3d(const AcGePlanarEnt& plane, const AcGeVector2d& vec2d);

  static const AcGeVector3d kIdentity;
  static const AcGeVector3d kXAxis;
  static const AcGeVector3d kYAxis;
  static const AcGeVector3d kZAxis;

  AcGeVector3d& set(double xx, double yy, double zz);
  AcGeVector3d& set(const AcGePlanarEnt& plane, const AcGeVector2d& vec2d);
  AcGeVector3d& setToProduct(const AcGeMatrix3d& mat, const AcGeVector3d& vec);
  AcGeVector3d& setToProduct(const AcGeVector3d& vec, double scale);
  AcGeVector3d& setToSum(const AcGeVector3d& a, const AcGeVector3d& b);
  // Vectors ignore the translation part of the matrix.
  AcGeVector3d& transformBy(const AcGeMatrix3d& mat);
  AcGeVector3d& rotateBy(double angle, const AcGeVector3d& axis);
  AcGeVector3d& mirror(const AcGeVector3d& normalToPlane);
  AcGeVector3d& negate();
  AcGeVector3d& normalize(const AcGeTol& tol = AcGeContext::gTol);

  AcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
  AcGeVector3d& operator*=(double s);
  AcGeVector3d operator/(double s) const { return {x / s, y / s, z / s}; }
  AcGeVector3d& operator/=(double s);
  AcGeVector3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  AcGeVector3d& operator+=(const AcGeVector3d& v);
  AcGeVector3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  AcGeVector3d& operator-=(const AcGeVector3d& v);
  AcGeVector3d operator-() const { return {-x, -y, -z}; }

  // Unsigned angle between the two, 0 .. pi.
  double angleTo(const AcGeVector3d& vec) const;
  // Angle from this to vec counter-clockwise about refVec, 0 .. 2pi.
  double angleTo(const AcGeVector3d& vec, const AcGeVector3d& refVec) const;
  // Angle of the projection onto the plane from the plane's first axis, 0 .. 2pi.
  double angleOnPlane(const AcGePlanarEnt& plane) const;

  AcGeVector3d normal(const AcGeTol& tol = AcGeContext::gTol) const;
  // A vector orthogonal to this one, chosen by the arbitrary-axis rule.
  AcGeVector3d perpVector() const;
  AcGeVector3d orthoProject(const AcGeVector3d& planeNormal) const;
  AcGeVector2d convert2d(const AcGePlanarEnt& plane) const;
  AcGeMatrix3d rotateTo(const AcGeVector3d& vec, const AcGeVector3d& axis = kIdentity) const;

  double dotProduct(const AcGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
  AcGeVector3d crossProduct(const AcGeVector3d& v) const {
    return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
  }
  double length() const;
  double lengthSqrd() const { return x * x + y * y + z * z; }
  unsigned int largestElement() const;

  bool isUnitLength(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isParallelTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isCodirectionalTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPerpendicularTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isEqualTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGeVector3d& v) const { return isEqualTo(v); }
  bool operator!=(const AcGeVector3d& v) const { return !isEqualTo(v); }

  double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
  double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }

  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

AcGeVector3d operator*(double scale, const AcGeVector3d& vec);
AcGeVector3d operator*(const AcGeMatrix3d& mat, const AcGeVector3d& vec);
