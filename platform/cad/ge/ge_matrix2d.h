#pragma once

#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_tol.h"
#include "platform/cad/ge/ge_vector2d.h"

class AcGeLine2d;

// 3x3 homogeneous transform of the plane; points are column vectors (M * p).
class AcGeMatrix2d {
 public:
  constexpr AcGeMatrix2d() : entry{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}} {}

  static const AcGeMatrix2d kIdentity;

  AcGeMatrix2d& setToIdentity();
  AcGeMatrix2d operator*(const AcGeMatrix2d& mat) const;
  AcGeMatrix2d& operator*=(const AcGeMatrix2d& mat);
  AcGeMatrix2d& preMultBy(const AcGeMatrix2d& left);
  AcGeMatrix2d& postMultBy(const AcGeMatrix2d& right);
  AcGeMatrix2d& setToProduct(const AcGeMatrix2d& a, const AcGeMatrix2d& b);

  AcGeMatrix2d& invert();
  AcGeMatrix2d inverse() const;
  bool isSingular(const AcGeTol& tol = AcGeContext::gTol) const;
  AcGeMatrix2d& transposeIt();
  AcGeMatrix2d transpose() const;
  double det() const;

  bool isEqualTo(const AcGeMatrix2d& mat, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGeMatrix2d& mat) const { return isEqualTo(mat); }
  bool operator!=(const AcGeMatrix2d& mat) const { return !isEqualTo(mat); }
  bool isUniScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
  double scale() const;

  AcGeMatrix2d& setTranslation(const AcGeVector2d& vec);
  AcGeVector2d translation() const;
  AcGeMatrix2d& setCoordSystem(const AcGePoint2d& origin, const AcGeVector2d& e0, const AcGeVector2d& e1);
  void getCoordSystem(AcGePoint2d& origin, AcGeVector2d& e0, AcGeVector2d& e1) const;

  AcGeMatrix2d& setToTranslation(const AcGeVector2d& vec);
  AcGeMatrix2d& setToRotation(double angle, const AcGePoint2d& center = AcGePoint2d::kOrigin);
  AcGeMatrix2d& setToScaling(double scale, const AcGePoint2d& center = AcGePoint2d::kOrigin);
  AcGeMatrix2d& setToMirroring(const AcGePoint2d& pnt);
  AcGeMatrix2d& setToMirroring(const AcGeLine2d& line);
  // Maps the coordinate system (fromOrigin, fromE0, fromE1) onto (toOrigin, toE0, toE1).
  AcGeMatrix2d& setToAlignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromE0,
                                   const AcGeVector2d& fromE1, const AcGePoint2d& toOrigin, const AcGeVector2d& toE0,
                                   const AcGeVector2d& toE1);

  static AcGeMatrix2d translation(const AcGeVector2d& vec);
  static AcGeMatrix2d rotation(double angle, const AcGePoint2d& center = AcGePoint2d::kOrigin);
  static AcGeMatrix2d scaling(double scale, const AcGePoint2d& center = AcGePoint2d::kOrigin);
  static AcGeMatrix2d mirroring(const AcGePoint2d& pnt);
  static AcGeMatrix2d mirroring(const AcGeLine2d& line);
  static AcGeMatrix2d alignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromE0,
                                    const AcGeVector2d& fromE1, const AcGePoint2d& toOrigin, const AcGeVector2d& toE0,
                                    const AcGeVector2d& toE1);

  double operator()(unsigned int row, unsigned int column) const { return entry[row][column]; }
  double& operator()(unsigned int row, unsigned int column) { return entry[row][column]; }

  double entry[3][3];
};
