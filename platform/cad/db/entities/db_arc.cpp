#include "platform/cad/db/entities/db_arc.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/cad/db/entities/db_entity_math.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/ge/ge_ecs.h"
#include "platform/cad/ge/ge_plane.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbArc, AcDbCurve, "ARC")

using namespace entity_math;

struct AcDbArc::Geometry : CircularArc {};

AcDbArc::AcDbArc() = default;
AcDbArc::AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle)
    : center_(center), radius_(radius), startAngle_(normalizeAngle(startAngle)), endAngle_(normalizeAngle(endAngle)) {}
AcDbArc::AcDbArc(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double startAngle,
                 double endAngle)
    : center_(center),
      radius_(radius),
      startAngle_(normalizeAngle(startAngle)),
      endAngle_(normalizeAngle(endAngle)),
      normal_(unitNormal(normal)) {}
AcDbArc::~AcDbArc() = default;

AcDbArc::Geometry AcDbArc::geometry() const {
  Geometry g;
  g.center = center_;
  g.normal = normal_;
  g.radius = radius_;
  g.start = startAngle_;
  g.sweep = sweepOf(startAngle_, endAngle_);
  return g;
}

AcGePoint3d AcDbArc::center() const {
  assertReadEnabled();
  return center_;
}

Acad::ErrorStatus AcDbArc::setCenter(const AcGePoint3d& center) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  center_ = center;
  return Acad::eOk;
}

double AcDbArc::radius() const {
  assertReadEnabled();
  return radius_;
}

Acad::ErrorStatus AcDbArc::setRadius(double radius) {
  if (!(radius > 0.0) || !std::isfinite(radius)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  radius_ = radius;
  return Acad::eOk;
}

double AcDbArc::startAngle() const {
  assertReadEnabled();
  return startAngle_;
}

Acad::ErrorStatus AcDbArc::setStartAngle(double angle) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  startAngle_ = normalizeAngle(angle);
  return Acad::eOk;
}

double AcDbArc::endAngle() const {
  assertReadEnabled();
  return endAngle_;
}

Acad::ErrorStatus AcDbArc::setEndAngle(double angle) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  endAngle_ = normalizeAngle(angle);
  return Acad::eOk;
}

double AcDbArc::totalAngle() const { return geometry().sweep; }

double AcDbArc::length() const { return radius_ * totalAngle(); }

AcGeVector3d AcDbArc::normal() const {
  assertReadEnabled();
  return normal_;
}

Acad::ErrorStatus AcDbArc::setNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  normal_ = normal.normal();
  return Acad::eOk;
}

double AcDbArc::thickness() const {
  assertReadEnabled();
  return thickness_;
}

Acad::ErrorStatus AcDbArc::setThickness(double thickness) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  thickness_ = thickness;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getStartParam(double& param) const {
  param = startAngle_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getEndParam(double& param) const {
  param = startAngle_ + totalAngle();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getStartPoint(AcGePoint3d& point) const {
  point = geometry().pointAt(startAngle_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getEndPoint(AcGePoint3d& point) const {
  point = geometry().pointAt(endAngle_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getPointAtParam(double param, AcGePoint3d& point) const {
  if (!geometry().containsParam(param)) return Acad::eInvalidInput;
  point = geometry().pointAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  return geometry().paramOf(point, param) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus AcDbArc::getDistAtParam(double param, double& dist) const {
  if (!geometry().containsParam(param)) return Acad::eInvalidInput;
  dist = std::clamp(param - startAngle_, 0.0, totalAngle()) * radius_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getParamAtDist(double dist, double& param) const {
  if (radius_ <= 0.0 || dist < -kPointTol || dist > length() + kPointTol) return Acad::eInvalidInput;
  param = startAngle_ + std::clamp(dist / radius_, 0.0, totalAngle());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getPointAtDist(double dist, AcGePoint3d& point) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtDist(dist, param);
  if (es == Acad::eOk) point = geometry().pointAt(param);
  return es;
}

Acad::ErrorStatus AcDbArc::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  if (!geometry().containsParam(param)) return Acad::eInvalidInput;
  firstDeriv = geometry().firstDerivAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getSecondDeriv(double param, AcGeVector3d& secDeriv) const {
  if (!geometry().containsParam(param)) return Acad::eInvalidInput;
  secDeriv = geometry().secondDerivAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                             Adesk::Boolean extend) const {
  pointOnCurve = geometry().closestPointTo(givenPoint, extend);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const {
  const double endParam = startAngle_ + totalAngle();
  std::vector<double> cuts;
  for (double p : params)
    if (p > startAngle_ + kPointTol && p < endParam - kPointTol) cuts.push_back(p);
  std::sort(cuts.begin(), cuts.end());
  cuts.push_back(endParam);
  double from = startAngle_;
  for (double to : cuts) {
    if (to - from <= kPointTol) continue;
    auto* piece = static_cast<AcDbArc*>(clone());
    if (piece == nullptr) return Acad::eOutOfMemory;
    piece->startAngle_ = normalizeAngle(from);
    piece->endAngle_ = normalizeAngle(to);
    curveSegments.append(piece);
    from = to;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getArea(double& area) const {
  area = geometry().segmentArea();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::reverseCurve() {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  // The old end starts the arc about the negated normal; the sweep stays.
  const AcGePoint3d end = geometry().pointAt(endAngle_);
  const double sweep = totalAngle();
  normal_ = -normal_;
  startAngle_ = ecsAngleOf(end, center_, normal_);
  endAngle_ = normalizeAngle(startAngle_ + sweep);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane.set(center_, normal_);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::transformBy(const AcGeMatrix3d& xform) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  const Geometry before = geometry();
  CircleFrame frame{center_, normal_, radius_, thickness_};
  bool mirrored = false;
  Acad::ErrorStatus es = transformCircleFrame(xform, frame, mirrored);
  if (es != Acad::eOk) return es;
  // The sweep is kept exactly; only the new start is measured.
  const AcGePoint3d first = xform * before.pointAt(mirrored ? before.start + before.sweep : before.start);
  center_ = frame.center;
  normal_ = frame.normal;
  radius_ = frame.radius;
  thickness_ = frame.thickness;
  startAngle_ = ecsAngleOf(first, center_, normal_);
  endAngle_ = normalizeAngle(startAngle_ + before.sweep);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = AcDbExtents();
  addArcExtents(extents, center_, normal_, radius_, startAngle_, totalAngle());
  extrudeExtents(extents, normal_ * thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(center_);
  filer->writeDouble(radius_);
  filer->writeDouble(startAngle_);
  filer->writeDouble(endAngle_);
  filer->writeVector3d(normal_);
  filer->writeDouble(thickness_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbArc::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readPoint3d(&center_);
  filer->readDouble(&radius_);
  filer->readDouble(&startAngle_);
  filer->readDouble(&endAngle_);
  filer->readVector3d(&normal_);
  filer->readDouble(&thickness_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbArc::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(AcDb::kDxfSubclass, "AcDbCircle");
  if (thickness_ != 0.0) filer->writeDouble(AcDb::kDxfThickness, thickness_);
  filer->writePoint3d(AcDb::kDxfXCoord, acgeWorldPointToEcs(center_, normal_));
  filer->writeDouble(AcDb::kDxfReal, radius_);
  if (normal_ != AcGeVector3d::kZAxis) filer->writeVector3d(AcDb::kDxfNormalX, normal_);
  filer->writeItem(AcDb::kDxfSubclass, "AcDbArc");
  filer->writeDouble(AcDb::kDxfAngle, radiansToDegrees(startAngle_));
  filer->writeDouble(static_cast<AcDb::DxfCode>(51), radiansToDegrees(endAngle_));
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbArc::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbCircle"))
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  AcGePoint3d ecsCenter;
  bool inArcData = false;
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
      case AcDb::kDxfSubclass:
        if (inArcData || rb.resval.rstring == nullptr || std::string(rb.resval.rstring) != "AcDbArc") {
          filer->pushBackItem();
          more = false;
        }
        inArcData = true;
        break;
      case AcDb::kDxfAngle:
        startAngle_ = normalizeAngle(degreesToRadians(rb.resval.rreal));
        break;
      case 51:
        endAngle_ = normalizeAngle(degreesToRadians(rb.resval.rreal));
        break;
      default:
        filer->pushBackItem();
        more = false;
        break;
    }
    if (!more) break;
  }
  center_ = acgeEcsPointToWorld(ecsCenter, normal_);
  if (!inArcData) return filer->setError(Acad::eBadDxfSequence, "ARC without its AcDbArc data");
  return Acad::eOk;
}
