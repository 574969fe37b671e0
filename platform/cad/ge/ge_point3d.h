#pragma once

#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_tol.h"
#include "platform/cad/ge/ge_vector3d.h"

class AcGeMatrix3d;
class AcGeLine3d;
class AcGePlane;
class AcGePlanarEnt;

// 3D point. Equality is within AcGeTol::equalPoint.
class AcGePoint3d {
 public:
  constexpr AcGePoint3d() = default;
  constexpr AcGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  // The point of the plane at the plane's 2D coordinates.
  AcGePoint3d(const AcGePlanarEnt& plane, const AcGePoint2d& pnt2d);

  static const AcGePoint3d kOrigin;

  AcGePoint3d& set(double xx, double yy, double zz);
  AcGePoint3d& set(const AcGePlanarEnt& plane, const AcGePoint2d& pnt2d);
  AcGePoint3d& setToProduct(const AcGeMatrix3d& mat, const AcGePoint3d& pnt);
  AcGePoint3d& setToSum(const AcGePoint3d& pnt, const AcGeVector3d& vec);
  AcGePoint3d& transformBy(const AcGeMatrix3d& mat);
  AcGePoint3d& rotateBy(double angle, const AcGeVector3d& vec, const AcGePoint3d& wrtPoint = kOrigin);
  AcGePoint3d& mirror(const AcGePlane& plane);
  AcGePoint3d& scaleBy(double scaleFactor, const AcGePoint3d& wrtPoint = kOrigin);

  // Projection onto the plane along projectDirection.
  AcGePoint3d project(const AcGePlane& plane, const AcGeVector3d& projectDirection) const;
  AcGePoint3d orthoProject(const AcGePlane& plane) const;
  // Coordinates in the plane's own 2D system.
  AcGePoint2d convert2d(const AcGePlanarEnt& plane) const;

  AcGePoint3d operator*(double s) const { return {x * s, y * s, z * s}; }
  AcGePoint3d& operator*=(double s);
  AcGePoint3d operator/(double s) const { return {x / s, y / s, z / s}; }
  AcGePoint3d& operator/=(double s);
  AcGePoint3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  AcGePoint3d& operator+=(const AcGeVector3d& v);
  AcGePoint3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  AcGePoint3d& operator-=(const AcGeVector3d& v);
  AcGeVector3d operator-(const AcGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
  AcGeVector3d asVector() const { return {x, y, z}; }

  double distanceTo(const AcGePoint3d& pnt) const;
  bool isEqualTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGePoint3d& p) const { return isEqualTo(p); }
  bool operator!=(const AcGePoint3d& p) const { return !isEqualTo(p); }

  double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
  double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }

  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

AcGePoint3d operator*(double scale, const AcGePoint3d& pnt);
AcGePoint3d operator*(const AcGeMatrix3d& mat, const AcGePoint3d& pnt);
