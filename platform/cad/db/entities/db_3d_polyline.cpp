#include "platform/cad/db/entities/db_3d_polyline.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_object_iterator.h"
#include "platform/cad/db/entities/db_entity_math.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"

CADDB_DEFINE_BUILTIN_ABSTRACT_MEMBERS(AcDbVertex, AcDbEntity)
CADDB_DEFINE_BUILTIN_MEMBERS(AcDb3dPolylineVertex, AcDbVertex, "VERTEX")
CADDB_DEFINE_BUILTIN_MEMBERS(AcDb3dPolyline, AcDbCurve, "POLYLINE")

using namespace entity_math;

namespace {
constexpr int kClosedFlag = 1;
constexpr int k3dPolylineFlag = 8;
constexpr int k3dVertexFlag = 32;
}  // namespace

// ---- vertices ----

AcDbVertex::AcDbVertex() = default;
AcDbVertex::~AcDbVertex() = default;

AcDb3dPolylineVertex::AcDb3dPolylineVertex() = default;
AcDb3dPolylineVertex::AcDb3dPolylineVertex(const AcGePoint3d& position) : position_(position) {}
AcDb3dPolylineVertex::~AcDb3dPolylineVertex() = default;

AcGePoint3d AcDb3dPolylineVertex::position() const {
  assertReadEnabled();
  return position_;
}

Acad::ErrorStatus AcDb3dPolylineVertex::setPosition(const AcGePoint3d& position) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  position_ = position;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolylineVertex::transformBy(const AcGeMatrix3d& xform) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  position_ = xform * position_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolylineVertex::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  extents.addPoint(position_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolylineVertex::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbVertex::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(position_);
  filer->writeInt16(static_cast<Adesk::Int16>(type_));
  handle_.dwgOut(filer);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb3dPolylineVertex::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbVertex::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int16 type = 0;
  filer->readPoint3d(&position_);
  filer->readInt16(&type);
  type_ = type >= AcDb::k3dSimpleVertex && type <= AcDb::k3dFitVertex ? static_cast<AcDb::Vertex3dType>(type)
                                                                      : AcDb::k3dSimpleVertex;
  handle_.dwgIn(filer);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb3dPolylineVertex::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbVertex::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(AcDb::kDxfSubclass, "AcDbVertex");
  filer->writeItem(AcDb::kDxfSubclass, "AcDb3dPolylineVertex");
  filer->writePoint3d(AcDb::kDxfXCoord, position_);
  filer->writeInt16(AcDb::kDxfInt16, k3dVertexFlag);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb3dPolylineVertex::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbVertex::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  // A vertex never joins the drawing itself: its owner holds the handle for it.
  handle_.setRead(pendingHandle());
  setPendingHandle(AcDbHandle());
  if (!filer->atSubclassData("AcDbVertex") || !filer->atSubclassData("AcDb3dPolylineVertex"))
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    if (rb.restype == AcDb::kDxfXCoord) {
      position_.set(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
    } else if (rb.restype != AcDb::kDxfInt16) {
      filer->pushBackItem();
      break;
    }
  }
  return Acad::eOk;
}

// ---- polyline ----

AcDb3dPolyline::AcDb3dPolyline() = default;

AcDb3dPolyline::AcDb3dPolyline(AcDb::Poly3dType type, const AcGePoint3dArray& vertices, Adesk::Boolean closed)
    : type_(type == AcDb::k3dSimplePoly ? type : AcDb::k3dSimplePoly), closed_(closed) {
  for (const AcGePoint3d& p : vertices) vertices_.push_back(std::make_unique<AcDb3dPolylineVertex>(p));
}

AcDb3dPolyline::~AcDb3dPolyline() = default;

Acad::ErrorStatus AcDb3dPolyline::appendVertex(AcDb3dPolylineVertex* vertex) {
  if (vertex == nullptr) return Acad::eNullObjectPointer;
  if (vertex->isDatabaseResident()) return Acad::eAlreadyInDb;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  if (std::any_of(vertices_.begin(), vertices_.end(), [vertex](const auto& v) { return v.get() == vertex; }))
    return Acad::eInvalidInput;
  vertices_.emplace_back(vertex);
  vertex->handle_.hold(database(), true);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::setOwnerId(AcDbObjectId ownerId) {
  Acad::ErrorStatus es = AcDbCurve::setOwnerId(ownerId);
  if (es == Acad::eOk) holdHandles(false);
  return es;
}

void AcDb3dPolyline::setSequenceEndHandle(const AcDbHandle& handle) {
  sequenceEnd_.setRead(handle);
  sequenceEnd_.hold(database(), true);
}

void AcDb3dPolyline::holdSubEntityHandles() const { holdHandles(true); }

void AcDb3dPolyline::holdHandles(bool giveSequenceEnd) const {
  AcDbDatabase* db = database();
  if (db == nullptr) return;
  for (const auto& v : vertices_) v->handle_.hold(db, true);
  // A reader sets the SEQEND's own handle after the vertices; a new one then would be lost.
  sequenceEnd_.hold(db, giveSequenceEnd || !vertices_.empty());
}

Acad::ErrorStatus AcDb3dPolyline::appendVertex(AcDbObjectId& vertexId, AcDb3dPolylineVertex* vertex) {
  vertexId = AcDbObjectId::kNull;
  return appendVertex(vertex);
}

AcDbObjectIterator* AcDb3dPolyline::newIterator() const {
  std::vector<AcDbEntity*> entities;
  for (const auto& v : vertices_) entities.push_back(v.get());
  return new AcDbObjectIterator(std::move(entities));
}

Acad::ErrorStatus AcDb3dPolyline::setPolyType(AcDb::Poly3dType type) {
  if (type != AcDb::k3dSimplePoly) return Acad::eNotImplemented;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  type_ = type;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::makeClosed() {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  closed_ = true;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::makeOpen() {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  closed_ = false;
  return Acad::eOk;
}

std::vector<AcGePoint3d> AcDb3dPolyline::points() const {
  std::vector<AcGePoint3d> out;
  for (const auto& v : vertices_)
    if (!v->isErased()) out.push_back(v->position());
  return out;
}

unsigned int AcDb3dPolyline::numSegments() const {
  const auto n = static_cast<unsigned int>(points().size());
  if (n == 0) return 0;
  return closed_ ? n : n - 1;
}

bool AcDb3dPolyline::splitParam(double param, unsigned int& index, double& fraction) const {
  const unsigned int segments = numSegments();
  if (segments == 0 || !std::isfinite(param) || param < -kPointTol || param > segments + kPointTol) return false;
  const double p = std::clamp(param, 0.0, static_cast<double>(segments));
  index = std::min(static_cast<unsigned int>(std::floor(p)), segments - 1);
  fraction = p - index;
  return true;
}

Acad::ErrorStatus AcDb3dPolyline::length(double& length) const { return getDistAtParam(numSegments(), length); }

Acad::ErrorStatus AcDb3dPolyline::getStartParam(double& param) const {
  if (points().empty()) return Acad::eDegenerateGeometry;
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getEndParam(double& param) const {
  if (points().empty()) return Acad::eDegenerateGeometry;
  param = numSegments();
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getStartPoint(AcGePoint3d& point) const {
  const std::vector<AcGePoint3d> p = points();
  if (p.empty()) return Acad::eDegenerateGeometry;
  point = p.front();
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getEndPoint(AcGePoint3d& point) const {
  const std::vector<AcGePoint3d> p = points();
  if (p.empty()) return Acad::eDegenerateGeometry;
  point = closed_ ? p.front() : p.back();
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getPointAtParam(double param, AcGePoint3d& point) const {
  const std::vector<AcGePoint3d> p = points();
  if (p.size() == 1 && std::fabs(param) <= kPointTol) {
    point = p.front();
    return Acad::eOk;
  }
  unsigned int index = 0;
  double fraction = 0.0;
  if (!splitParam(param, index, fraction)) return Acad::eInvalidInput;
  const AcGePoint3d& a = p[index];
  const AcGePoint3d& b = p[(index + 1) % p.size()];
  point = a + (b - a) * fraction;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  const std::vector<AcGePoint3d> p = points();
  if (p.empty()) return Acad::eInvalidInput;
  if (p.size() == 1) {
    if (point.distanceTo(p.front()) > kPointTol) return Acad::eInvalidInput;
    param = 0.0;
    return Acad::eOk;
  }
  for (unsigned int i = 0; i < numSegments(); ++i) {
    const AcGePoint3d& a = p[i];
    const AcGeVector3d d = p[(i + 1) % p.size()] - a;
    const double lenSq = d.lengthSqrd();
    const double f = lenSq > 0.0 ? std::clamp((point - a).dotProduct(d) / lenSq, 0.0, 1.0) : 0.0;
    if ((a + d * f).distanceTo(point) <= kPointTol * std::max(1.0, std::sqrt(lenSq))) {
      param = i + f;
      return Acad::eOk;
    }
  }
  return Acad::eInvalidInput;
}

Acad::ErrorStatus AcDb3dPolyline::getDistAtParam(double param, double& dist) const {
  unsigned int index = 0;
  double fraction = 0.0;
  if (!splitParam(param, index, fraction)) return Acad::eInvalidInput;
  const std::vector<AcGePoint3d> p = points();
  double sum = 0.0;
  for (unsigned int i = 0; i < index; ++i) sum += p[i].distanceTo(p[(i + 1) % p.size()]);
  dist = sum + p[index].distanceTo(p[(index + 1) % p.size()]) * fraction;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getParamAtDist(double dist, double& param) const {
  const std::vector<AcGePoint3d> p = points();
  const unsigned int segments = numSegments();
  if (segments == 0 || !std::isfinite(dist) || dist < -kPointTol) return Acad::eInvalidInput;
  double walked = 0.0;
  for (unsigned int i = 0; i < segments; ++i) {
    const double len = p[i].distanceTo(p[(i + 1) % p.size()]);
    if (dist <= walked + len) {
      param = i + (len > 0.0 ? std::clamp((dist - walked) / len, 0.0, 1.0) : 0.0);
      return Acad::eOk;
    }
    walked += len;
  }
  if (dist > walked + kPointTol * std::max(1.0, walked)) return Acad::eInvalidInput;
  param = segments;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  return es == Acad::eOk ? getDistAtParam(param, dist) : es;
}

Acad::ErrorStatus AcDb3dPolyline::getPointAtDist(double dist, AcGePoint3d& point) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtDist(dist, param);
  return es == Acad::eOk ? getPointAtParam(param, point) : es;
}

Acad::ErrorStatus AcDb3dPolyline::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  unsigned int index = 0;
  double fraction = 0.0;
  if (!splitParam(param, index, fraction)) return Acad::eInvalidInput;
  const std::vector<AcGePoint3d> p = points();
  firstDeriv = p[(index + 1) % p.size()] - p[index];
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getSecondDeriv(double param, AcGeVector3d& secDeriv) const {
  unsigned int index = 0;
  double fraction = 0.0;
  if (!splitParam(param, index, fraction)) return Acad::eInvalidInput;
  secDeriv = AcGeVector3d();
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                                    Adesk::Boolean /*extend*/) const {
  const std::vector<AcGePoint3d> p = points();
  if (p.empty()) return Acad::eDegenerateGeometry;
  pointOnCurve = p.front();
  double best = givenPoint.distanceTo(pointOnCurve);
  for (unsigned int i = 0; i < numSegments(); ++i) {
    const AcGePoint3d& a = p[i];
    const AcGeVector3d d = p[(i + 1) % p.size()] - a;
    const double lenSq = d.lengthSqrd();
    const double f = lenSq > 0.0 ? std::clamp((givenPoint - a).dotProduct(d) / lenSq, 0.0, 1.0) : 0.0;
    const AcGePoint3d candidate = a + d * f;
    if (givenPoint.distanceTo(candidate) < best) {
      best = givenPoint.distanceTo(candidate);
      pointOnCurve = candidate;
    }
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getArea(double& area) const {
  // Newell's method: half the length of the summed cross products.
  const std::vector<AcGePoint3d> p = points();
  AcGeVector3d sum;
  for (std::size_t i = 0; i < p.size(); ++i) sum += p[i].asVector().crossProduct(p[(i + 1) % p.size()].asVector());
  area = 0.5 * sum.length();
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::transformBy(const AcGeMatrix3d& xform) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  for (auto& v : vertices_) v->transformBy(xform);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  const std::vector<AcGePoint3d> p = points();
  if (p.empty()) return Acad::eInvalidExtents;
  for (const AcGePoint3d& point : p) extents.addPoint(point);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::explode(AcDbVoidPtrArray& entitySet) const {
  const std::vector<AcGePoint3d> p = points();
  for (unsigned int i = 0; i < numSegments(); ++i) {
    const AcGePoint3d& a = p[i];
    const AcGePoint3d& b = p[(i + 1) % p.size()];
    if (a.isEqualTo(b)) continue;
    auto* line = new AcDbLine(a, b);
    line->setPropertiesFrom(this);
    entitySet.append(line);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeBool(closed_);
  filer->writeInt16(static_cast<Adesk::Int16>(type_));
  filer->writeUInt32(static_cast<Adesk::UInt32>(vertices_.size()));
  for (const auto& v : vertices_) {
    es = v->dwgOutFields(filer);
    if (es != Acad::eOk) return es;
  }
  sequenceEnd_.dwgOut(filer);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb3dPolyline::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int16 type = 0;
  Adesk::UInt32 count = 0;
  filer->readBool(&closed_);
  filer->readInt16(&type);
  filer->readUInt32(&count);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  type_ = AcDb::k3dSimplePoly;
  std::vector<std::unique_ptr<AcDb3dPolylineVertex>> read;
  for (Adesk::UInt32 i = 0; i < count; ++i) {
    auto v = std::make_unique<AcDb3dPolylineVertex>();
    es = v->dwgInFields(filer);
    if (es != Acad::eOk) return es;
    read.push_back(std::move(v));
  }
  vertices_ = std::move(read);
  sequenceEnd_.dwgIn(filer);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb3dPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(AcDb::kDxfSubclass, "AcDb3dPolyline");
  filer->writeInt16(AcDb::kDxfHasSubentities, 1);
  filer->writePoint3d(AcDb::kDxfXCoord, AcGePoint3d::kOrigin);
  filer->writeInt16(AcDb::kDxfInt16, static_cast<Adesk::Int16>(k3dPolylineFlag | (closed_ ? kClosedFlag : 0)));
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb3dPolyline::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDb3dPolyline"))
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    if (rb.restype == AcDb::kDxfInt16) {
      closed_ = (rb.resval.rint & kClosedFlag) != 0;
    } else if (rb.restype != AcDb::kDxfHasSubentities && rb.restype != AcDb::kDxfXCoord &&
               !(rb.restype >= 40 && rb.restype <= 75) && rb.restype != AcDb::kDxfNormalX) {
      filer->pushBackItem();
      break;
    }
  }
  return Acad::eOk;
}
