#include "platform/cad/db/curves/db_curve.h"

#include "platform/cad/db/runtime/rx_class.h"

// Offsets, splits, intersections and the projected closest point are in db_curve_*.cpp.

CADDB_DEFINE_BUILTIN_ABSTRACT_MEMBERS(AcDbCurve, AcDbEntity)

AcDbCurve::AcDbCurve() = default;

AcDbCurve::~AcDbCurve() = default;

Adesk::Boolean AcDbCurve::isClosed() const { return false; }

Adesk::Boolean AcDbCurve::isPeriodic() const { return false; }

Acad::ErrorStatus AcDbCurve::getStartParam(double& /*param*/) const { return Acad::eNotImplemented; }

Acad::ErrorStatus AcDbCurve::getEndParam(double& /*param*/) const { return Acad::eNotImplemented; }

Acad::ErrorStatus AcDbCurve::getStartPoint(AcGePoint3d& point) const {
  double param = 0.0;
  Acad::ErrorStatus es = getStartParam(param);
  return es != Acad::eOk ? es : getPointAtParam(param, point);
}

Acad::ErrorStatus AcDbCurve::getEndPoint(AcGePoint3d& point) const {
  double param = 0.0;
  Acad::ErrorStatus es = getEndParam(param);
  return es != Acad::eOk ? es : getPointAtParam(param, point);
}

Acad::ErrorStatus AcDbCurve::getPointAtParam(double /*param*/, AcGePoint3d& /*point*/) const {
  return Acad::eNotImplemented;
}

Acad::ErrorStatus AcDbCurve::getParamAtPoint(const AcGePoint3d& /*point*/, double& /*param*/) const {
  return Acad::eNotImplemented;
}

Acad::ErrorStatus AcDbCurve::getDistAtParam(double /*param*/, double& /*dist*/) const { return Acad::eNotImplemented; }

Acad::ErrorStatus AcDbCurve::getParamAtDist(double /*dist*/, double& /*param*/) const { return Acad::eNotImplemented; }

Acad::ErrorStatus AcDbCurve::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  return es != Acad::eOk ? es : getDistAtParam(param, dist);
}

Acad::ErrorStatus AcDbCurve::getPointAtDist(double dist, AcGePoint3d& point) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtDist(dist, param);
  return es != Acad::eOk ? es : getPointAtParam(param, point);
}

Acad::ErrorStatus AcDbCurve::getFirstDeriv(double /*param*/, AcGeVector3d& /*firstDeriv*/) const {
  return Acad::eNotImplemented;
}

Acad::ErrorStatus AcDbCurve::getFirstDeriv(const AcGePoint3d& point, AcGeVector3d& firstDeriv) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  return es != Acad::eOk ? es : getFirstDeriv(param, firstDeriv);
}

Acad::ErrorStatus AcDbCurve::getSecondDeriv(double /*param*/, AcGeVector3d& /*secDeriv*/) const {
  return Acad::eNotImplemented;
}

Acad::ErrorStatus AcDbCurve::getSecondDeriv(const AcGePoint3d& point, AcGeVector3d& secDeriv) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  return es != Acad::eOk ? es : getSecondDeriv(param, secDeriv);
}

Acad::ErrorStatus AcDbCurve::getClosestPointTo(const AcGePoint3d& /*givenPoint*/, AcGePoint3d& /*pointOnCurve*/,
                                               Adesk::Boolean /*extend*/) const {
  return Acad::eNotImplemented;
}

Acad::ErrorStatus AcDbCurve::getOrthoProjectedCurve(const AcGePlane& /*plane*/, AcDbCurve*& projCrv) const {
  projCrv = nullptr;
  return Acad::eNotImplemented;
}

Acad::ErrorStatus AcDbCurve::getProjectedCurve(const AcGePlane& /*plane*/, const AcGeVector3d& /*projDir*/,
                                               AcDbCurve*& projCrv) const {
  projCrv = nullptr;
  return Acad::eNotImplemented;
}

Acad::ErrorStatus AcDbCurve::getSpline(AcDbSpline*& spline) const {
  spline = nullptr;
  return Acad::eNotImplemented;
}

Acad::ErrorStatus AcDbCurve::extend(double /*newParam*/) { return Acad::eNotImplemented; }

Acad::ErrorStatus AcDbCurve::extend(Adesk::Boolean /*extendStart*/, const AcGePoint3d& /*toPoint*/) {
  return Acad::eNotImplemented;
}

Acad::ErrorStatus AcDbCurve::getArea(double& /*area*/) const { return Acad::eNotImplemented; }
