#include "platform/cad/db/entities/db_circle.h"

#include <cmath>

#include "platform/cad/db/entities/db_entity_math.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/ge/ge_ecs.h"
#include "platform/cad/ge/ge_plane.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbCircle, AcDbCurve, "CIRCLE")

using namespace entity_math;

struct AcDbCircle::Geometry : CircularArc {};

AcDbCircle::AcDbCircle() = default;
AcDbCircle::AcDbCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius)
    : center_(center), radius_(radius), normal_(unitNormal(normal)) {}
AcDbCircle::~AcDbCircle() = default;

AcDbCircle::Geometry AcDbCircle::geometry() const {
  Geometry g;
  g.center = center_;
  g.normal = normal_;
  g.radius = radius_;
  g.start = 0.0;
  g.sweep = kTwoPi;
  return g;
}

AcGePoint3d AcDbCircle::center() const {
  assertReadEnabled();
  return center_;
}

Acad::ErrorStatus AcDbCircle::setCenter(const AcGePoint3d& center) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  center_ = center;
  return Acad::eOk;
}

double AcDbCircle::radius() const {
  assertReadEnabled();
  return radius_;
}

Acad::ErrorStatus AcDbCircle::setRadius(double radius) {
  if (!(radius > 0.0) || !std::isfinite(radius)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  radius_ = radius;
  return Acad::eOk;
}

AcGeVector3d AcDbCircle::normal() const {
  assertReadEnabled();
  return normal_;
}

Acad::ErrorStatus AcDbCircle::setNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  normal_ = normal.normal();
  return Acad::eOk;
}

double AcDbCircle::thickness() const {
  assertReadEnabled();
  return thickness_;
}

Acad::ErrorStatus AcDbCircle::setThickness(double thickness) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  thickness_ = thickness;
  return Acad::eOk;
}

double AcDbCircle::circumference() const { return kTwoPi * radius_; }

Acad::ErrorStatus AcDbCircle::getStartParam(double& param) const {
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getEndParam(double& param) const {
  param = kTwoPi;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getStartPoint(AcGePoint3d& point) const {
  point = geometry().pointAt(0.0);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getEndPoint(AcGePoint3d& point) const { return getStartPoint(point); }

Acad::ErrorStatus AcDbCircle::getPointAtParam(double param, AcGePoint3d& point) const {
  if (!geometry().containsParam(param)) return Acad::eInvalidInput;
  point = geometry().pointAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  return geometry().paramOf(point, param) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus AcDbCircle::getDistAtParam(double param, double& dist) const {
  if (!geometry().containsParam(param)) return Acad::eInvalidInput;
  dist = param * radius_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getParamAtDist(double dist, double& param) const {
  if (radius_ <= 0.0 || dist < -kPointTol || dist > circumference() + kPointTol) return Acad::eInvalidInput;
  param = dist / radius_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  if (es == Acad::eOk) dist = param * radius_;
  return es;
}

Acad::ErrorStatus AcDbCircle::getPointAtDist(double dist, AcGePoint3d& point) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtDist(dist, param);
  if (es == Acad::eOk) point = geometry().pointAt(param);
  return es;
}

Acad::ErrorStatus AcDbCircle::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  if (!geometry().containsParam(param)) return Acad::eInvalidInput;
  firstDeriv = geometry().firstDerivAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getSecondDeriv(double param, AcGeVector3d& secDeriv) const {
  if (!geometry().containsParam(param)) return Acad::eInvalidInput;
  secDeriv = geometry().secondDerivAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                                Adesk::Boolean extend) const {
  pointOnCurve = geometry().closestPointTo(givenPoint, extend);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getArea(double& area) const {
  area = kPi * radius_ * radius_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane.set(center_, normal_);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::transformBy(const AcGeMatrix3d& xform) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  CircleFrame frame{center_, normal_, radius_, thickness_};
  bool mirrored = false;
  Acad::ErrorStatus es = transformCircleFrame(xform, frame, mirrored);
  if (es != Acad::eOk) return es;
  center_ = frame.center;
  normal_ = frame.normal;
  radius_ = frame.radius;
  thickness_ = frame.thickness;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = AcDbExtents();
  addArcExtents(extents, center_, normal_, radius_, 0.0, kTwoPi);
  extrudeExtents(extents, normal_ * thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(center_);
  filer->writeDouble(radius_);
  filer->writeVector3d(normal_);
  filer->writeDouble(thickness_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbCircle::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readPoint3d(&center_);
  filer->readDouble(&radius_);
  filer->readVector3d(&normal_);
  filer->readDouble(&thickness_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbCircle::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(AcDb::kDxfSubclass, "AcDbCircle");
  if (thickness_ != 0.0) filer->writeDouble(AcDb::kDxfThickness, thickness_);
  filer->writePoint3d(AcDb::kDxfXCoord, acgeWorldPointToEcs(center_, normal_));
  filer->writeDouble(AcDb::kDxfReal, radius_);
  if (normal_ != AcGeVector3d::kZAxis) filer->writeVector3d(AcDb::kDxfNormalX, normal_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbCircle::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbCircle"))
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  AcGePoint3d ecsCenter;
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    const double* p = rb.resval.rpoint;
    bool more = true;
    switch (rb.restype) {
      case AcDb::kDxfThickness:
        thickness_ = rb.resval.rreal;
        break;
      case AcDb::kDxfXCoord:
        ecsCenter.set(p[0], p[1], p[2]);
        break;
      case AcDb::kDxfReal:
        radius_ = rb.resval.rreal;
        break;
      case AcDb::kDxfNormalX:
        normal_ = unitNormal(AcGeVector3d(p[0], p[1], p[2]));
        break;
      default:
        filer->pushBackItem();
        more = false;
        break;
    }
    if (!more) break;
  }
  center_ = acgeEcsPointToWorld(ecsCenter, normal_);
  return Acad::eOk;
}
