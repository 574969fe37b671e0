// AcDbSpline: a NURBS curve in world coordinates, kept as the geometry library's
// AcGeNurbCurve3d, with the fit data it was made from when it came from fit points.
// The parameter is the knot parameter.
#pragma once

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/ge/curves/ge_nurb_curve.h"

class AcDbSpline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSpline);

  AcDbSpline();
  // A cubic through the fit points (order is kept for the record; fits are cubic).
  explicit AcDbSpline(const AcGePoint3dArray& fitPoints, int order = 4, double fitTolerance = 0.0);
  AcDbSpline(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent, const AcGeVector3d& endTangent,
             int order = 4, double fitTolerance = 0.0);
  AcDbSpline(int degree, Adesk::Boolean rational, Adesk::Boolean closed, Adesk::Boolean periodic,
             const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots, const AcGeDoubleArray& weights,
             double controlPtTol = 0.0, double knotTol = 0.0);
  ~AcDbSpline() override;

  Adesk::Boolean isNull() const;
  Adesk::Boolean isRational() const;
  int degree() const;
  int numControlPoints() const;
  Acad::ErrorStatus getControlPointAt(int index, AcGePoint3d& point) const;
  // Drops the fit data, as the curve no longer passes through it.
  Acad::ErrorStatus setControlPointAt(int index, const AcGePoint3d& point);
  double weightAt(int index) const;
  Acad::ErrorStatus setWeightAt(int index, double weight);
  int numFitPoints() const;
  Acad::ErrorStatus getFitPointAt(int index, AcGePoint3d& point) const;
  Adesk::Boolean hasFitData() const;
  Acad::ErrorStatus getFitData(AcGePoint3dArray& fitPoints, int& degree, double& fitTolerance,
                               Adesk::Boolean& tangentsExist, AcGeVector3d& startTangent,
                               AcGeVector3d& endTangent) const;
  Acad::ErrorStatus setFitData(const AcGePoint3dArray& fitPoints, int degree, double fitTolerance,
                               const AcGeVector3d& startTangent, const AcGeVector3d& endTangent);
  Acad::ErrorStatus purgeFitData();
  Acad::ErrorStatus getNurbsData(int& degree, Adesk::Boolean& rational, Adesk::Boolean& closed,
                                 Adesk::Boolean& periodic, AcGePoint3dArray& controlPoints, AcGeDoubleArray& knots,
                                 AcGeDoubleArray& weights, double& controlPtTol, double& knotTol) const;
  // eInvalidInput when the counts do not make a spline (knots = control points + degree + 1).
  Acad::ErrorStatus setNurbsData(int degree, Adesk::Boolean rational, Adesk::Boolean closed, Adesk::Boolean periodic,
                                 const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots,
                                 const AcGeDoubleArray& weights, double controlPtTol = 0.0, double knotTol = 0.0);
  const AcGeNurbCurve3d& nurbCurve() const { return curve_; }

  Adesk::Boolean isClosed() const override;
  Adesk::Boolean isPeriodic() const override { return periodic_; }
  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point, double& param) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;
  Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point, double& dist) const override;
  Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getSecondDeriv(double param, AcGeVector3d& secDeriv) const override;
  Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                      Adesk::Boolean extend = false) const override;
  // The area enclosed by the curve and its chord, on the plane of a planar spline.
  Acad::ErrorStatus getArea(double& area) const override;

  Adesk::Boolean isPlanar() const override;
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  // Any affine transform: control and fit points follow it.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  // The box of the control points, which holds the curve.
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  bool containsParam(double param) const;
  void fitCurve();
  // The plane's normal when the control points lie in one plane (zero vector if not).
  AcGeVector3d planeNormal() const;

  AcGeNurbCurve3d curve_;
  bool periodic_ = false;
  bool closedFlag_ = false;
  double controlPtTol_ = 0.0;
  double knotTol_ = 0.0;
  AcGePoint3dArray fitPoints_;
  AcGeVector3d startTangent_;
  AcGeVector3d endTangent_;
  double fitTolerance_ = 0.0;
  int fitDegree_ = 3;
};
