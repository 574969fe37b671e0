#pragma once

#include "platform/cad/ge/ge_matrix2d.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_tol.h"
#include "platform/cad/ge/ge_vector3d.h"

class AcGeLine3d;
class AcGePlane;

// 4x4 homogeneous transform of space; points are column vectors (M * p).
class AcGeMatrix3d {
 public:
  constexpr AcGeMatrix3d() : entry{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}} {}

  static const AcGeMatrix3d kIdentity;

  AcGeMatrix3d& setToIdentity();
  AcGeMatrix3d operator*(const AcGeMatrix3d& mat) const;
  AcGeMatrix3d& operator*=(const AcGeMatrix3d& mat);
  AcGeMatrix3d& preMultBy(const AcGeMatrix3d& left);
  AcGeMatrix3d& postMultBy(const AcGeMatrix3d& right);
  AcGeMatrix3d& setToProduct(const AcGeMatrix3d& a, const AcGeMatrix3d& b);

  AcGeMatrix3d& invert();
  AcGeMatrix3d inverse() const;
  // False (and *this unchanged in inverseMatrix) when the matrix is singular.
  bool inverse(AcGeMatrix3d& inverseMatrix, double tol) const;
  bool isSingular(const AcGeTol& tol = AcGeContext::gTol) const;
  AcGeMatrix3d& transposeIt();
  AcGeMatrix3d transpose() const;
  double det() const;
  double norm() const;

  bool isEqualTo(const AcGeMatrix3d& mat, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGeMatrix3d& mat) const { return isEqualTo(mat); }
  bool operator!=(const AcGeMatrix3d& mat) const { return !isEqualTo(mat); }
  bool isUniScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
  double scale() const;

  AcGeMatrix3d& setTranslation(const AcGeVector3d& vec);
  AcGeVector3d translation() const;
  AcGeMatrix3d& setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis, const AcGeVector3d& yAxis,
                               const AcGeVector3d& zAxis);
  void getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis, AcGeVector3d& zAxis) const;

  AcGeMatrix3d& setToTranslation(const AcGeVector3d& vec);
  // Right-handed rotation about axis through center.
  AcGeMatrix3d& setToRotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center = AcGePoint3d::kOrigin);
  AcGeMatrix3d& setToScaling(double scale, const AcGePoint3d& center = AcGePoint3d::kOrigin);
  AcGeMatrix3d& setToMirroring(const AcGePlane& plane);
  AcGeMatrix3d& setToMirroring(const AcGePoint3d& pnt);
  AcGeMatrix3d& setToMirroring(const AcGeLine3d& line);
  // Parallel projection onto the plane along projectDir.
  AcGeMatrix3d& setToProjection(const AcGePlane& projectionPlane, const AcGeVector3d& projectDir);
  AcGeMatrix3d& setToAlignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                   const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                   const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                   const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis);
  // Plane coordinates to world: origin at the world origin, axes by the arbitrary-axis rule.
  AcGeMatrix3d& setToPlaneToWorld(const AcGeVector3d& normal);
  AcGeMatrix3d& setToPlaneToWorld(const AcGePlane& plane);
  AcGeMatrix3d& setToWorldToPlane(const AcGeVector3d& normal);
  AcGeMatrix3d& setToWorldToPlane(const AcGePlane& plane);

  static AcGeMatrix3d translation(const AcGeVector3d& vec);
  static AcGeMatrix3d rotation(double angle, const AcGeVector3d& axis,
                               const AcGePoint3d& center = AcGePoint3d::kOrigin);
  static AcGeMatrix3d scaling(double scale, const AcGePoint3d& center = AcGePoint3d::kOrigin);
  static AcGeMatrix3d mirroring(const AcGePlane& plane);
  static AcGeMatrix3d mirroring(const AcGePoint3d& pnt);
  static AcGeMatrix3d mirroring(const AcGeLine3d& line);
  static AcGeMatrix3d projection(const AcGePlane& projectionPlane, const AcGeVector3d& projectDir);
  static AcGeMatrix3d alignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                    const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                    const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                    const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis);
  static AcGeMatrix3d planeToWorld(const AcGeVector3d& normal);
  static AcGeMatrix3d planeToWorld(const AcGePlane& plane);
  static AcGeMatrix3d worldToPlane(const AcGeVector3d& normal);
  static AcGeMatrix3d worldToPlane(const AcGePlane& plane);

  double operator()(unsigned int row, unsigned int column) const { return entry[row][column]; }
  double& operator()(unsigned int row, unsigned int column) { return entry[row][column]; }

  double entry[4][4];
};
