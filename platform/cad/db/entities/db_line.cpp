#include "platform/cad/db/entities/db_line.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/cad/db/entities/db_entity_math.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/ge/ge_plane.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbLine, AcDbCurve, "LINE")

using namespace entity_math;

AcDbLine::AcDbLine() = default;
AcDbLine::AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end) : start_(start), end_(end) {}
AcDbLine::~AcDbLine() = default;

AcGePoint3d AcDbLine::startPoint() const {
  assertReadEnabled();
  return start_;
}

Acad::ErrorStatus AcDbLine::setStartPoint(const AcGePoint3d& point) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  start_ = point;
  return Acad::eOk;
}

AcGePoint3d AcDbLine::endPoint() const {
  assertReadEnabled();
  return end_;
}

Acad::ErrorStatus AcDbLine::setEndPoint(const AcGePoint3d& point) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  end_ = point;
  return Acad::eOk;
}

double AcDbLine::thickness() const {
  assertReadEnabled();
  return thickness_;
}

Acad::ErrorStatus AcDbLine::setThickness(double thickness) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  thickness_ = thickness;
  return Acad::eOk;
}

AcGeVector3d AcDbLine::normal() const {
  assertReadEnabled();
  return normal_;
}

Acad::ErrorStatus AcDbLine::setNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  normal_ = normal.normal();
  return Acad::eOk;
}

AcGeVector3d AcDbLine::unitDirection() const {
  const AcGeVector3d d = end_ - start_;
  const double len = d.length();
  return len > 0.0 ? d / len : AcGeVector3d::kXAxis;
}

bool AcDbLine::isParamOnLine(double param) const { return param >= -kPointTol && param <= length() + kPointTol; }

Acad::ErrorStatus AcDbLine::getStartParam(double& param) const {
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getEndParam(double& param) const {
  param = length();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getStartPoint(AcGePoint3d& point) const {
  point = start_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getEndPoint(AcGePoint3d& point) const {
  point = end_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getPointAtParam(double param, AcGePoint3d& point) const {
  if (!isParamOnLine(param)) return Acad::eInvalidInput;
  point = start_ + unitDirection() * param;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  const double t = (point - start_).dotProduct(unitDirection());
  if (!isParamOnLine(t) || (start_ + unitDirection() * t).distanceTo(point) > kPointTol) return Acad::eInvalidInput;
  param = std::clamp(t, 0.0, length());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getDistAtParam(double param, double& dist) const {
  if (!isParamOnLine(param)) return Acad::eInvalidInput;
  dist = param;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getParamAtDist(double dist, double& param) const {
  if (!isParamOnLine(dist)) return Acad::eInvalidInput;
  param = dist;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  return getParamAtPoint(point, dist);
}

Acad::ErrorStatus AcDbLine::getPointAtDist(double dist, AcGePoint3d& point) const {
  return getPointAtParam(dist, point);
}

Acad::ErrorStatus AcDbLine::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  if (!isParamOnLine(param)) return Acad::eInvalidInput;
  firstDeriv = unitDirection();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getSecondDeriv(double param, AcGeVector3d& secDeriv) const {
  if (!isParamOnLine(param)) return Acad::eInvalidInput;
  secDeriv = AcGeVector3d();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                              Adesk::Boolean extend) const {
  const AcGeVector3d dir = unitDirection();
  double t = (givenPoint - start_).dotProduct(dir);
  if (!extend) t = std::clamp(t, 0.0, length());
  pointOnCurve = start_ + dir * t;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getClosestPointTo(const AcGePoint3d& givenPoint, const AcGeVector3d& direction,
                                              AcGePoint3d& pointOnCurve, Adesk::Boolean extend) const {
  if (direction.isZeroLength()) return Acad::eInvalidInput;
  // Closest in the projection along direction: drop that component from everything.
  const AcGeVector3d view = direction.normal();
  const AcGeVector3d dir = (end_ - start_).orthoProject(view);
  const double lenSq = dir.lengthSqrd();
  if (lenSq <= 0.0) {
    pointOnCurve = start_;
    return Acad::eOk;
  }
  double f = (givenPoint - start_).orthoProject(view).dotProduct(dir) / lenSq;
  if (!extend) f = std::clamp(f, 0.0, 1.0);
  pointOnCurve = start_ + (end_ - start_) * f;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const {
  std::vector<double> cuts;
  for (double p : params)
    if (p > kPointTol && p < length() - kPointTol) cuts.push_back(p);
  std::sort(cuts.begin(), cuts.end());
  cuts.push_back(length());
  double from = 0.0;
  const AcGeVector3d dir = unitDirection();
  for (double to : cuts) {
    if (to - from <= kPointTol) continue;
    auto* piece = static_cast<AcDbLine*>(clone());
    if (piece == nullptr) return Acad::eOutOfMemory;
    piece->start_ = start_ + dir * from;
    piece->end_ = start_ + dir * to;
    curveSegments.append(piece);
    from = to;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::extend(double newParam) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  const AcGeVector3d dir = unitDirection();
  if (newParam < 0.0)
    start_ = start_ + dir * newParam;
  else if (newParam > length())
    end_ = start_ + dir * newParam;
  else
    return Acad::eInvalidInput;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) {
  const double t = (toPoint - start_).dotProduct(unitDirection());
  if ((start_ + unitDirection() * t).distanceTo(toPoint) > kPointTol) return Acad::eInvalidInput;
  if (extendStart ? t >= 0.0 : t <= length()) return Acad::eInvalidInput;
  return extend(t);
}

Acad::ErrorStatus AcDbLine::getArea(double& area) const {
  area = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::reverseCurve() {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  std::swap(start_, end_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  const AcGeVector3d d = end_ - start_;
  AcGeVector3d n = d.crossProduct(normal_).crossProduct(d);
  if (d.isZeroLength() || n.isZeroLength()) n = normal_;
  plane.set(start_, n.normal());
  planarity = AcDb::kLinear;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::transformBy(const AcGeMatrix3d& xform) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  AcGeVector3d n = xform * normal_;
  const double scale = n.length();
  if (scale <= 0.0 || !std::isfinite(scale)) return Acad::eInvalidInput;
  start_ = xform * start_;
  end_ = xform * end_;
  normal_ = n / scale;
  thickness_ *= scale;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = AcDbExtents();
  extents.addPoint(start_);
  extents.addPoint(end_);
  extrudeExtents(extents, normal_ * thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(start_);
  filer->writePoint3d(end_);
  filer->writeDouble(thickness_);
  filer->writeVector3d(normal_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLine::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readPoint3d(&start_);
  filer->readPoint3d(&end_);
  filer->readDouble(&thickness_);
  filer->readVector3d(&normal_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLine::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(AcDb::kDxfSubclass, "AcDbLine");
  if (thickness_ != 0.0) filer->writeDouble(AcDb::kDxfThickness, thickness_);
  filer->writePoint3d(AcDb::kDxfXCoord, start_);
  filer->writePoint3d(static_cast<AcDb::DxfCode>(11), end_);
  if (normal_ != AcGeVector3d::kZAxis) filer->writeVector3d(AcDb::kDxfNormalX, normal_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLine::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbLine"))
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    const double* p = rb.resval.rpoint;
    switch (rb.restype) {
      case AcDb::kDxfThickness:
        thickness_ = rb.resval.rreal;
        break;
      case AcDb::kDxfXCoord:
        start_.set(p[0], p[1], p[2]);
        break;
      case 11:
        end_.set(p[0], p[1], p[2]);
        break;
      case AcDb::kDxfNormalX:
        normal_ = unitNormal(AcGeVector3d(p[0], p[1], p[2]));
        break;
      default:
        filer->pushBackItem();
        return Acad::eOk;
    }
  }
  return Acad::eOk;
}
