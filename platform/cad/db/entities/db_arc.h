// AcDbArc: a circular arc about a world centre. Its angles live in the entity's
// coordinate system (that of the normal) and run counter-clockwise about the normal
// from startAngle to endAngle; an arc with normal -Z so runs clockwise seen from +Z.
// The parameter is that angle, from startAngle to endAngle (raised by 2pi when below).
#pragma once

#include "platform/cad/db/curves/db_curve.h"

class AcDbArc : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbArc);

  AcDbArc();
  AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle);
  AcDbArc(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double startAngle, double endAngle);
  ~AcDbArc() override;

  AcGePoint3d center() const;
  Acad::ErrorStatus setCenter(const AcGePoint3d& center);
  double radius() const;
  Acad::ErrorStatus setRadius(double radius);
  // Angles are kept in 0 .. 2pi.
  double startAngle() const;
  Acad::ErrorStatus setStartAngle(double angle);
  double endAngle() const;
  Acad::ErrorStatus setEndAngle(double angle);
  // The sweep, 0 .. 2pi.
  double totalAngle() const;
  double length() const;
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);

  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point, double& param) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;
  using AcDbCurve::getDistAtPoint;
  Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const override;
  using AcDbCurve::getFirstDeriv;  // the forms by point, through the parameter
  using AcDbCurve::getSecondDeriv;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getSecondDeriv(double param, AcGeVector3d& secDeriv) const override;
  Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                      Adesk::Boolean extend = false) const override;
  Acad::ErrorStatus getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const override;
  using AcDbCurve::getSplitCurves;  // the by-point form: parameters of the points
  // The area between the arc and its chord.
  Acad::ErrorStatus getArea(double& area) const override;
  // Runs the same points the other way: normal negated, angles mirrored.
  Acad::ErrorStatus reverseCurve();

  Adesk::Boolean isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  // Uniform scale only (eCannotScaleNonUniformly otherwise); a mirror keeps the
  // transformed normal and runs the arc the other way.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  // Exact: the ends and every extreme point of the circle inside the sweep.
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  struct Geometry;
  Geometry geometry() const;

  AcGePoint3d center_;
  double radius_ = 0.0;
  double startAngle_ = 0.0;
  double endAngle_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double thickness_ = 0.0;
};
