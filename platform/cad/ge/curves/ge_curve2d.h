#pragma once

#include "platform/cad/ge/ge_arrays.h"
#include "platform/cad/ge/ge_enums.h"
#include "platform/cad/ge/ge_interval.h"
#include "platform/cad/ge/ge_matrix2d.h"
#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_tol.h"
#include "platform/cad/ge/ge_vector2d.h"

class AcGeLine2d;

// Root of the 2D geometry classes. The public calls are fixed here; each class
// supplies its geometry through the protected hooks.
class AcGeEntity2d {
 public:
  virtual ~AcGeEntity2d() = default;

  virtual AcGe::EntityId type() const = 0;
  virtual bool isKindOf(AcGe::EntityId entType) const { return entType == AcGe::kEntity2d; }
  // A heap copy the caller owns.
  virtual AcGeEntity2d* copy() const = 0;
  virtual bool isEqualTo(const AcGeEntity2d& other, const AcGeTol& tol = AcGeContext::gTol) const = 0;

  bool isOn(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;

  AcGeEntity2d& transformBy(const AcGeMatrix2d& xfm);
  AcGeEntity2d& translateBy(const AcGeVector2d& translateVec);
  AcGeEntity2d& rotateBy(double angle, const AcGePoint2d& wrtPoint = AcGePoint2d::kOrigin);
  AcGeEntity2d& mirror(const AcGeLine2d& line);
  AcGeEntity2d& scaleBy(double scaleFactor, const AcGePoint2d& wrtPoint = AcGePoint2d::kOrigin);

 protected:
  AcGeEntity2d() = default;
  AcGeEntity2d(const AcGeEntity2d&) = default;
  AcGeEntity2d& operator=(const AcGeEntity2d&) = default;

  virtual void transformGeometry(const AcGeMatrix2d& xfm) = 0;
  virtual bool pointIsOn(const AcGePoint2d& pnt, const AcGeTol& tol) const = 0;
};

// A parametric 2D curve.
class AcGeCurve2d : public AcGeEntity2d {
 public:
  using AcGeEntity2d::isOn;

  bool isKindOf(AcGe::EntityId entType) const override;

  void getInterval(AcGeInterval& intrvl) const;
  void getInterval(AcGeInterval& intrvl, AcGePoint2d& start, AcGePoint2d& end) const;
  bool hasStartPoint(AcGePoint2d& startPnt) const;
  bool hasEndPoint(AcGePoint2d& endPnt) const;
  bool getStartPoint(AcGePoint2d& startPnt) const { return hasStartPoint(startPnt); }
  bool getEndPoint(AcGePoint2d& endPnt) const { return hasEndPoint(endPnt); }

  AcGePoint2d evalPoint(double param) const;
  // derivArray receives the derivatives 1 .. numDeriv (at most 2).
  AcGePoint2d evalPoint(double param, int numDeriv, AcGeVector2dArray& derivArray) const;
  double paramOf(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  AcGePoint2d closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  double distanceTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isOn(const AcGePoint2d& pnt, double& param, const AcGeTol& tol = AcGeContext::gTol) const;

  // Length of the whole (bounded) curve, or between two parameters.
  double length() const;
  double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const;
  double paramAtLength(double datumParam, double length, bool posParamDir = true,
                       double tol = AcGeContext::gTol.equalPoint()) const;

  bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPeriodic(double& period) const;
  AcGeCurve2d& reverseParam();
  // numSample points evenly spaced in parameter, ends included.
  void getSamplePoints(int numSample, AcGePoint2dArray& pointArray) const;

  // Curve-pair distance and trimmed offset are built in platform/cad/curve (library cadcurve).
  double distanceTo(const AcGeCurve2d& curve, const AcGeTol& tol = AcGeContext::gTol) const;
  void getTrimmedOffset(double distance, AcGeVoidPointerArray& offsetCurveList,
                        AcGe::OffsetCrvExtType extensionType = AcGe::kFillet,
                        const AcGeTol& tol = AcGeContext::gTol) const;

 protected:
  AcGeCurve2d() = default;
  AcGeCurve2d(const AcGeCurve2d&) = default;
  AcGeCurve2d& operator=(const AcGeCurve2d&) = default;

  virtual AcGeInterval paramInterval() const = 0;
  virtual AcGePoint2d pointAt(double param) const = 0;
  // order 1 or 2; numeric unless a class knows better.
  virtual AcGeVector2d derivAt(double param, int order) const;
  // Parameter of the nearest point; sampling and refinement unless a class knows better.
  virtual double nearestParam(const AcGePoint2d& pnt) const;
  virtual double arcLength(double fromParam, double toParam) const;
  virtual void reverseGeometry() = 0;
  virtual bool periodOf(double& period) const;

  bool pointIsOn(const AcGePoint2d& pnt, const AcGeTol& tol) const override;
};
