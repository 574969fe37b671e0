#pragma once

#include "platform/cad/ge/ge_arrays.h"
#include "platform/cad/ge/ge_enums.h"
#include "platform/cad/ge/ge_interval.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_tol.h"
#include "platform/cad/ge/ge_vector3d.h"

class AcGeLine3d;
class AcGePlane;

// Root of the 2D geometry classes. The public calls are fixed here; each class
// supplies its geometry through the protected hooks.
class AcGeEntity3d {
 public:
  virtual ~AcGeEntity3d() = default;

  virtual AcGe::EntityId type() const = 0;
  virtual bool isKindOf(AcGe::EntityId entType) const { return entType == AcGe::kEntity3d; }
  // A heap copy the caller owns.
  virtual AcGeEntity3d* copy() const = 0;
  virtual bool isEqualTo(const AcGeEntity3d& other, const AcGeTol& tol = AcGeContext::gTol) const = 0;

  bool isOn(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;

  AcGeEntity3d& transformBy(const AcGeMatrix3d& xfm);
  AcGeEntity3d& translateBy(const AcGeVector3d& translateVec);
  AcGeEntity3d& rotateBy(double angle, const AcGeVector3d& vec, const AcGePoint3d& wrtPoint = AcGePoint3d::kOrigin);
  AcGeEntity3d& mirror(const AcGePlane& plane);
  AcGeEntity3d& scaleBy(double scaleFactor, const AcGePoint3d& wrtPoint = AcGePoint3d::kOrigin);

 protected:
  AcGeEntity3d() = default;
  AcGeEntity3d(const AcGeEntity3d&) = default;
  AcGeEntity3d& operator=(const AcGeEntity3d&) = default;

  virtual void transformGeometry(const AcGeMatrix3d& xfm) = 0;
  virtual bool pointIsOn(const AcGePoint3d& pnt, const AcGeTol& tol) const = 0;
};

// A parametric 2D curve.
class AcGeCurve3d : public AcGeEntity3d {
 public:
  using AcGeEntity3d::isOn;

  bool isKindOf(AcGe::EntityId entType) const override;

  void getInterval(AcGeInterval& intrvl) const;
  void getInterval(AcGeInterval& intrvl, AcGePoint3d& start, AcGePoint3d& end) const;
  bool hasStartPoint(AcGePoint3d& startPnt) const;
  bool hasEndPoint(AcGePoint3d& endPnt) const;
  bool getStartPoint(AcGePoint3d& startPnt) const { return hasStartPoint(startPnt); }
  bool getEndPoint(AcGePoint3d& endPnt) const { return hasEndPoint(endPnt); }

  AcGePoint3d evalPoint(double param) const;
  // derivArray receives the derivatives 1 .. numDeriv (at most 2).
  AcGePoint3d evalPoint(double param, int numDeriv, AcGeVector3dArray& derivArray) const;
  double paramOf(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  AcGePoint3d closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  double distanceTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isOn(const AcGePoint3d& pnt, double& param, const AcGeTol& tol = AcGeContext::gTol) const;

  // Length of the whole (bounded) curve, or between two parameters.
  double length() const;
  double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const;
  double paramAtLength(double datumParam, double length, bool posParamDir = true,
                       double tol = AcGeContext::gTol.equalPoint()) const;

  bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPeriodic(double& period) const;
  AcGeCurve3d& reverseParam();
  // numSample points evenly spaced in parameter, ends included.
  void getSamplePoints(int numSample, AcGePoint3dArray& pointArray) const;

  // Curve-pair distance and trimmed offset are built in platform/cad/curve (library cadcurve).
  double distanceTo(const AcGeCurve3d& curve, const AcGeTol& tol = AcGeContext::gTol) const;
  void getTrimmedOffset(double distance, const AcGeVector3d& planeNormal, AcGeVoidPointerArray& offsetCurveList,
                        AcGe::OffsetCrvExtType extensionType = AcGe::kFillet,
                        const AcGeTol& tol = AcGeContext::gTol) const;

 protected:
  AcGeCurve3d() = default;
  AcGeCurve3d(const AcGeCurve3d&) = default;
  AcGeCurve3d& operator=(const AcGeCurve3d&) = default;

  virtual AcGeInterval paramInterval() const = 0;
  virtual AcGePoint3d pointAt(double param) const = 0;
  // order 1 or 2; numeric unless a class knows better.
  virtual AcGeVector3d derivAt(double param, int order) const;
  // Parameter of the nearest point; sampling and refinement unless a class knows better.
  virtual double nearestParam(const AcGePoint3d& pnt) const;
  virtual double arcLength(double fromParam, double toParam) const;
  virtual void reverseGeometry() = 0;
  virtual bool periodOf(double& period) const;

  bool pointIsOn(const AcGePoint3d& pnt, const AcGeTol& tol) const override;
};
