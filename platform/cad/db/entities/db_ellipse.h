// AcDbEllipse: an elliptical arc in world coordinates. point(p) = center +
// majorAxis cos p + minorAxis sin p, minorAxis = radiusRatio (normal x majorAxis);
// the parameter p runs from startParam to endParam (raised by 2pi when below).
// Angles are the geometric angles of points from the major axis about the normal.
#pragma once

#include "platform/cad/db/curves/db_curve.h"

class AcDbEllipse : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbEllipse);

  AcDbEllipse();
  AcDbEllipse(const AcGePoint3d& center, const AcGeVector3d& unitNormal, const AcGeVector3d& majorAxis,
              double radiusRatio, double startAngle = 0.0, double endAngle = 6.283185307179586);
  ~AcDbEllipse() override;

  // eInvalidInput for a major axis not in the plane, a zero axis or a ratio outside (0, 1].
  Acad::ErrorStatus set(const AcGePoint3d& center, const AcGeVector3d& unitNormal, const AcGeVector3d& majorAxis,
                        double radiusRatio, double startAngle = 0.0, double endAngle = 6.283185307179586);
  void get(AcGePoint3d& center, AcGeVector3d& unitNormal, AcGeVector3d& majorAxis, double& radiusRatio,
           double& startAngle, double& endAngle) const;

  AcGePoint3d center() const;
  Acad::ErrorStatus setCenter(const AcGePoint3d& center);
  AcGeVector3d normal() const;
  AcGeVector3d majorAxis() const;
  AcGeVector3d minorAxis() const;
  double radiusRatio() const;
  Acad::ErrorStatus setRadiusRatio(double ratio);
  double startAngle() const;
  Acad::ErrorStatus setStartAngle(double angle);
  double endAngle() const;
  Acad::ErrorStatus setEndAngle(double angle);
  Acad::ErrorStatus setStartParam(double param);
  Acad::ErrorStatus setEndParam(double param);
  double paramAtAngle(double angle) const;
  double angleAtParam(double param) const;
  Adesk::Boolean isNull() const;

  Adesk::Boolean isClosed() const override;
  Adesk::Boolean isPeriodic() const override { return isClosed(); }
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
  // The full ellipse's area, or that between an elliptical arc and its chord.
  Acad::ErrorStatus getArea(double& area) const override;

  Adesk::Boolean isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  // Uniform scale only (eCannotScaleNonUniformly); a mirror runs the arc the other way.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  double sweep() const;
  bool containsParam(double param) const;
  AcGePoint3d pointAt(double param) const;
  AcGeVector3d derivAt(double param) const;
  // Arc length between two parameters.
  double lengthBetween(double from, double to) const;

  AcGePoint3d center_;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  AcGeVector3d majorAxis_ = AcGeVector3d::kXAxis;
  double radiusRatio_ = 1.0;
  double startParam_ = 0.0;
  double endParam_ = 6.283185307179586;
};
