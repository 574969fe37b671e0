#include "platform/cad/db/entities/db_polyline.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_entity_math.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/curves/ge_line.h"
#include "platform/cad/ge/ge_ecs.h"
#include "platform/cad/ge/ge_plane.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbPolyline, AcDbCurve, "LWPOLYLINE")

using namespace entity_math;

namespace {
constexpr int kClosedFlag = 1;
constexpr int kPlinegenFlag = 128;
constexpr long kVerticesReservedAtMost = 1024;
}  // namespace

struct AcDbPolyline::Segment {
  AcGePoint2d start;
  AcGePoint2d end;
  double bulge = 0.0;
  bool isArc = false;
  BulgeArc arc;

  double length() const { return isArc ? arc.radius * std::fabs(arc.sweep) : start.distanceTo(end); }
  AcGePoint2d pointAt(double fraction) const {
    return isArc ? pointOnBulgeArc(arc, fraction) : start + (end - start) * fraction;
  }
  AcGeVector2d firstDerivAt(double fraction) const {
    if (!isArc) return end - start;
    const double angle = arc.startAngle + arc.sweep * fraction;
    return AcGeVector2d(-std::sin(angle), std::cos(angle)) * (arc.radius * arc.sweep);
  }
  AcGeVector2d secondDerivAt(double fraction) const {
    if (!isArc) return AcGeVector2d();
    const double angle = arc.startAngle + arc.sweep * fraction;
    return AcGeVector2d(std::cos(angle), std::sin(angle)) * (-arc.radius * arc.sweep * arc.sweep);
  }
  // Fraction of the nearest point of the segment.
  double nearestFraction(const AcGePoint2d& point) const {
    if (!isArc) {
      const AcGeVector2d chord = end - start;
      const double lenSq = chord.lengthSqrd();
      return lenSq > 0.0 ? std::clamp((point - start).dotProduct(chord) / lenSq, 0.0, 1.0) : 0.0;
    }
    const AcGeVector2d radial = point - arc.center;
    if (radial.isZeroLength()) return 0.0;
    double offset = std::atan2(radial.y, radial.x) - arc.startAngle;
    if (arc.sweep < 0.0) offset = -offset;
    offset = normalizeAngle(offset);
    const double sweep = std::fabs(arc.sweep);
    if (offset <= sweep) return offset / sweep;
    // Outside the sweep the nearer end wins.
    return point.distanceTo(start) <= point.distanceTo(end) ? 0.0 : 1.0;
  }
};

AcDbPolyline::AcDbPolyline() = default;
AcDbPolyline::AcDbPolyline(unsigned int numVerts) { vertices_.reserve(numVerts); }
AcDbPolyline::~AcDbPolyline() = default;

// ---- vertices ----

unsigned int AcDbPolyline::numVerts() const {
  assertReadEnabled();
  return static_cast<unsigned int>(vertices_.size());
}

Acad::ErrorStatus AcDbPolyline::addVertexAt(unsigned int index, const AcGePoint2d& point, double bulge,
                                            double startWidth, double endWidth) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  Vertex v;
  v.point = point;
  v.bulge = std::isfinite(bulge) ? bulge : 0.0;
  v.startWidth = startWidth < 0.0 ? constantWidth_ : startWidth;
  v.endWidth = endWidth < 0.0 ? constantWidth_ : endWidth;
  const std::size_t at = std::min<std::size_t>(index, vertices_.size());
  vertices_.insert(vertices_.begin() + static_cast<std::ptrdiff_t>(at), v);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::removeVertexAt(unsigned int index) {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  vertices_.erase(vertices_.begin() + index);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::reset(Adesk::Boolean reuse, unsigned int numVerts) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  if (reuse) {
    if (numVerts < vertices_.size()) vertices_.resize(numVerts);
  } else {
    vertices_.clear();
    vertices_.reserve(numVerts);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint2d& point) const {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  point = vertices_[index].point;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint3d& point) const {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  point = toWorld(vertices_[index].point);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setPointAt(unsigned int index, const AcGePoint2d& point) {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  vertices_[index].point = point;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getBulgeAt(unsigned int index, double& bulge) const {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  bulge = vertices_[index].bulge;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setBulgeAt(unsigned int index, double bulge) {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  if (!std::isfinite(bulge)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  vertices_[index].bulge = bulge;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  startWidth = vertices_[index].startWidth;
  endWidth = vertices_[index].endWidth;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setWidthsAt(unsigned int index, double startWidth, double endWidth) {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  vertices_[index].startWidth = startWidth;
  vertices_[index].endWidth = endWidth;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getStartWidthAt(unsigned int index, double& startWidth) const {
  double endWidth = 0.0;
  return getWidthsAt(index, startWidth, endWidth);
}

Acad::ErrorStatus AcDbPolyline::setStartWidthAt(unsigned int index, double startWidth) {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  return setWidthsAt(index, startWidth, vertices_[index].endWidth);
}

Acad::ErrorStatus AcDbPolyline::getEndWidthAt(unsigned int index, double& endWidth) const {
  double startWidth = 0.0;
  return getWidthsAt(index, startWidth, endWidth);
}

Acad::ErrorStatus AcDbPolyline::setEndWidthAt(unsigned int index, double endWidth) {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  return setWidthsAt(index, vertices_[index].startWidth, endWidth);
}

Acad::ErrorStatus AcDbPolyline::getConstantWidth(double& width) const {
  if (vertices_.empty()) {
    width = constantWidth_;
    return Acad::eOk;
  }
  const double w = vertices_.front().startWidth;
  for (const Vertex& v : vertices_)
    if (v.startWidth != w || v.endWidth != w) return Acad::eNotApplicable;
  width = w;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setConstantWidth(double width) {
  if (!(width >= 0.0) || !std::isfinite(width)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  constantWidth_ = width;
  for (Vertex& v : vertices_) v.startWidth = v.endWidth = width;
  return Acad::eOk;
}

double AcDbPolyline::elevation() const {
  assertReadEnabled();
  return elevation_;
}

Acad::ErrorStatus AcDbPolyline::setElevation(double elevation) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  elevation_ = elevation;
  return Acad::eOk;
}

double AcDbPolyline::thickness() const {
  assertReadEnabled();
  return thickness_;
}

Acad::ErrorStatus AcDbPolyline::setThickness(double thickness) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  thickness_ = thickness;
  return Acad::eOk;
}

AcGeVector3d AcDbPolyline::normal() const {
  assertReadEnabled();
  return normal_;
}

Acad::ErrorStatus AcDbPolyline::setNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  normal_ = normal.normal();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setClosed(Adesk::Boolean closed) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  closed_ = closed;
  return Acad::eOk;
}

Adesk::Boolean AcDbPolyline::isClosed() const {
  assertReadEnabled();
  return closed_;
}

Adesk::Boolean AcDbPolyline::hasPlinegen() const { return plinegen_; }

Acad::ErrorStatus AcDbPolyline::setPlinegen(Adesk::Boolean plinegen) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  plinegen_ = plinegen;
  return Acad::eOk;
}

Adesk::Boolean AcDbPolyline::isOnlyLines() const {
  for (unsigned int i = 0; i < numSegments(); ++i)
    if (vertices_[i].bulge != 0.0) return false;
  return true;
}

// ---- segments ----

unsigned int AcDbPolyline::numSegments() const {
  const auto n = static_cast<unsigned int>(vertices_.size());
  if (n == 0) return 0;
  return closed_ ? n : n - 1;
}

AcDbPolyline::Segment AcDbPolyline::segmentAt(unsigned int index) const {
  Segment s;
  s.start = vertices_[index].point;
  s.end = vertices_[(index + 1) % vertices_.size()].point;
  s.bulge = vertices_[index].bulge;
  s.isArc = arcFromBulge(s.start, s.end, s.bulge, s.arc);
  return s;
}

double AcDbPolyline::segmentLength(unsigned int index) const { return segmentAt(index).length(); }

AcDbPolyline::SegType AcDbPolyline::segType(unsigned int index) const {
  const std::size_t n = vertices_.size();
  if (n == 0 || index >= n) return kEmpty;
  if (n == 1 || index >= numSegments()) return kPoint;
  const Segment s = segmentAt(index);
  if (s.start.isEqualTo(s.end)) return kCoincident;
  return s.bulge != 0.0 ? kArc : kLine;
}

Acad::ErrorStatus AcDbPolyline::getLineSegAt(unsigned int index, AcGeLineSeg2d& line) const {
  if (index >= numSegments()) return Acad::eInvalidIndex;
  const Segment s = segmentAt(index);
  if (s.isArc) return Acad::eNotApplicable;
  line.set(s.start, s.end);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getLineSegAt(unsigned int index, AcGeLineSeg3d& line) const {
  if (index >= numSegments()) return Acad::eInvalidIndex;
  const Segment s = segmentAt(index);
  if (s.isArc) return Acad::eNotApplicable;
  line.set(toWorld(s.start), toWorld(s.end));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getArcSegAt(unsigned int index, AcGeCircArc2d& arc) const {
  if (index >= numSegments()) return Acad::eInvalidIndex;
  const Segment s = segmentAt(index);
  if (!s.isArc) return Acad::eNotApplicable;
  arc.set(s.start, s.end, s.bulge, true);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getArcSegAt(unsigned int index, AcGeCircArc3d& arc) const {
  if (index >= numSegments()) return Acad::eInvalidIndex;
  const Segment s = segmentAt(index);
  if (!s.isArc) return Acad::eNotApplicable;
  // Counter-clockwise about its own normal: the polyline's, negated for a clockwise segment.
  const AcGeVector3d n = unitNormal(normal_);
  const AcGeVector3d arcNormal = s.arc.sweep > 0.0 ? n : -n;
  const AcGeVector3d refVec = acgeEcsXAxis(n);
  const AcGePoint3d center = toWorld(s.arc.center);
  const AcGeVector3d toStart = toWorld(s.start) - center;
  const double start = std::atan2(arcNormal.crossProduct(refVec).dotProduct(toStart), refVec.dotProduct(toStart));
  const double startAngle = normalizeAngle(start);
  arc.set(center, arcNormal, refVec, s.arc.radius, startAngle, startAngle + std::fabs(s.arc.sweep));
  return Acad::eOk;
}

bool AcDbPolyline::paramOnSegment(unsigned int index, const AcGePoint2d& point, double& param) const {
  const Segment s = segmentAt(index);
  const double f = s.nearestFraction(point);
  if (s.pointAt(f).distanceTo(point) > onTolerance()) return false;
  param = index + f;
  return true;
}

Adesk::Boolean AcDbPolyline::onSegAt(unsigned int index, const AcGePoint2d& point, double& param) const {
  if (index >= numSegments()) return false;
  return paramOnSegment(index, point, param);
}

Adesk::Boolean AcDbPolyline::onSegAt(unsigned int index, const AcGePoint3d& point, double& param) const {
  if (index >= numSegments()) return false;
  double height = 0.0;
  const AcGePoint2d inPlane = toPlane(point, &height);
  if (std::fabs(height - elevation_) > onTolerance()) return false;
  return paramOnSegment(index, inPlane, param);
}

Acad::ErrorStatus AcDbPolyline::reverseCurve() {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  const std::size_t n = vertices_.size();
  if (n < 2) return Acad::eOk;
  // A closed polyline keeps its start vertex; an open one starts at its old end.
  // New segment j is the old segment that ended at new vertex j, run backwards.
  decltype(vertices_) reversed(n);
  for (std::size_t j = 0; j < n; ++j) {
    const std::size_t from = closed_ ? (n - j) % n : n - 1 - j;
    const Vertex& source = vertices_[(from + n - 1) % n];
    reversed[j].point = vertices_[from].point;
    reversed[j].bulge = -source.bulge;
    reversed[j].startWidth = source.endWidth;
    reversed[j].endWidth = source.startWidth;
  }
  if (!closed_) {
    // The last vertex of an open polyline starts no segment.
    reversed[n - 1].bulge = 0.0;
    reversed[n - 1].startWidth = vertices_[n - 1].startWidth;
    reversed[n - 1].endWidth = vertices_[n - 1].endWidth;
  }
  vertices_ = std::move(reversed);
  return Acad::eOk;
}

// ---- coordinate systems ----

AcGePoint3d AcDbPolyline::toWorld(const AcGePoint2d& point) const {
  return acgeEcsPointToWorld(AcGePoint3d(point.x, point.y, elevation_), normal_);
}

AcGeVector3d AcDbPolyline::toWorld(const AcGeVector2d& vector) const {
  return acgeEcsToWorld(normal_) * AcGeVector3d(vector.x, vector.y, 0.0);
}

AcGePoint2d AcDbPolyline::toPlane(const AcGePoint3d& point, double* height) const {
  const AcGePoint3d p = acgeWorldPointToEcs(point, normal_);
  if (height != nullptr) *height = p.z;
  return AcGePoint2d(p.x, p.y);
}

double AcDbPolyline::onTolerance() const {
  double size = std::fabs(elevation_);
  for (const Vertex& v : vertices_) size = std::max({size, std::fabs(v.point.x), std::fabs(v.point.y)});
  return 1e-9 * std::max(1.0, size);
}

// ---- curve interface ----

bool AcDbPolyline::splitParam(double param, unsigned int& index, double& fraction) const {
  const unsigned int segments = numSegments();
  if (segments == 0 || !std::isfinite(param)) return false;
  if (param < -kPointTol || param > segments + kPointTol) return false;
  const double p = std::clamp(param, 0.0, static_cast<double>(segments));
  index = std::min(static_cast<unsigned int>(std::floor(p)), segments - 1);
  fraction = p - index;
  return true;
}

AcGePoint2d AcDbPolyline::pointAt2d(unsigned int index, double fraction) const {
  return segmentAt(index).pointAt(fraction);
}

Acad::ErrorStatus AcDbPolyline::getStartParam(double& param) const {
  if (vertices_.empty()) return Acad::eDegenerateGeometry;
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getEndParam(double& param) const {
  if (vertices_.empty()) return Acad::eDegenerateGeometry;
  param = numSegments();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getStartPoint(AcGePoint3d& point) const {
  if (vertices_.empty()) return Acad::eDegenerateGeometry;
  point = toWorld(vertices_.front().point);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getEndPoint(AcGePoint3d& point) const {
  if (vertices_.empty()) return Acad::eDegenerateGeometry;
  point = toWorld(closed_ ? vertices_.front().point : vertices_.back().point);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAtParam(double param, AcGePoint3d& point) const {
  if (vertices_.size() == 1 && std::fabs(param) <= kPointTol) return getStartPoint(point);
  unsigned int index = 0;
  double fraction = 0.0;
  if (!splitParam(param, index, fraction)) return Acad::eInvalidInput;
  point = toWorld(pointAt2d(index, fraction));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  double height = 0.0;
  const AcGePoint2d inPlane = toPlane(point, &height);
  if (vertices_.empty() || std::fabs(height - elevation_) > onTolerance()) return Acad::eInvalidInput;
  if (vertices_.size() == 1) {
    if (inPlane.distanceTo(vertices_.front().point) > onTolerance()) return Acad::eInvalidInput;
    param = 0.0;
    return Acad::eOk;
  }
  // The tolerance weighs every vertex: taken once, not once a segment.
  const double tolerance = onTolerance();
  for (unsigned int i = 0; i < numSegments(); ++i) {
    const Segment s = segmentAt(i);
    const double f = s.nearestFraction(inPlane);
    if (s.pointAt(f).distanceTo(inPlane) > tolerance) continue;
    param = i + f;
    return Acad::eOk;
  }
  return Acad::eInvalidInput;
}

Acad::ErrorStatus AcDbPolyline::getDistAtParam(double param, double& dist) const {
  unsigned int index = 0;
  double fraction = 0.0;
  if (!splitParam(param, index, fraction)) return Acad::eInvalidInput;
  double sum = 0.0;
  for (unsigned int i = 0; i < index; ++i) sum += segmentLength(i);
  dist = sum + segmentLength(index) * fraction;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getParamAtDist(double dist, double& param) const {
  const unsigned int segments = numSegments();
  if (segments == 0 || !std::isfinite(dist) || dist < -kPointTol) return Acad::eInvalidInput;
  double walked = 0.0;
  for (unsigned int i = 0; i < segments; ++i) {
    const double len = segmentLength(i);
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

Acad::ErrorStatus AcDbPolyline::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  if (es != Acad::eOk) return es;
  return getDistAtParam(param, dist);
}

Acad::ErrorStatus AcDbPolyline::getPointAtDist(double dist, AcGePoint3d& point) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtDist(dist, param);
  if (es != Acad::eOk) return es;
  return getPointAtParam(param, point);
}

Acad::ErrorStatus AcDbPolyline::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  unsigned int index = 0;
  double fraction = 0.0;
  if (!splitParam(param, index, fraction)) return Acad::eInvalidInput;
  firstDeriv = toWorld(segmentAt(index).firstDerivAt(fraction));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getFirstDeriv(const AcGePoint3d& point, AcGeVector3d& firstDeriv) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  if (es != Acad::eOk) return es;
  return getFirstDeriv(param, firstDeriv);
}

Acad::ErrorStatus AcDbPolyline::getSecondDeriv(double param, AcGeVector3d& secDeriv) const {
  unsigned int index = 0;
  double fraction = 0.0;
  if (!splitParam(param, index, fraction)) return Acad::eInvalidInput;
  secDeriv = toWorld(segmentAt(index).secondDerivAt(fraction));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getSecondDeriv(const AcGePoint3d& point, AcGeVector3d& secDeriv) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  if (es != Acad::eOk) return es;
  return getSecondDeriv(param, secDeriv);
}

Acad::ErrorStatus AcDbPolyline::getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                                  Adesk::Boolean /*extend*/) const {
  if (vertices_.empty()) return Acad::eDegenerateGeometry;
  // The polyline is plane, so the nearest point is that of the point's projection.
  const AcGePoint2d inPlane = toPlane(givenPoint);
  AcGePoint2d best = vertices_.front().point;
  double bestDist = inPlane.distanceTo(best);
  for (unsigned int i = 0; i < numSegments(); ++i) {
    const Segment s = segmentAt(i);
    const AcGePoint2d candidate = s.pointAt(s.nearestFraction(inPlane));
    const double d = inPlane.distanceTo(candidate);
    if (d < bestDist) {
      bestDist = d;
      best = candidate;
    }
  }
  pointOnCurve = toWorld(best);
  return Acad::eOk;
}

std::vector<AcDbPolyline::Vertex> AcDbPolyline::stretch(double from, double to) const {
  // Parameters beyond the end of a closed polyline wrap around to its start.
  const unsigned int segments = numSegments();
  std::vector<Vertex> out;
  double p = from;
  while (p < to - kPointTol) {
    const double k = std::floor(p + kPointTol);
    const double f0 = std::clamp(p - k, 0.0, 1.0);
    const double q = std::min(to, k + 1.0);
    const double f1 = std::clamp(q - k, 0.0, 1.0);
    const auto index = static_cast<unsigned int>(std::fmod(k, static_cast<double>(segments)));
    const Segment s = segmentAt(index);
    const Vertex& source = vertices_[index];
    Vertex v;
    v.point = s.pointAt(f0);
    // A part of an arc keeps its share of the sweep: bulge = tan(sweep / 4).
    v.bulge = s.isArc ? std::tan(std::atan(s.bulge) * (f1 - f0)) : 0.0;
    v.startWidth = source.startWidth + (source.endWidth - source.startWidth) * f0;
    v.endWidth = source.startWidth + (source.endWidth - source.startWidth) * f1;
    out.push_back(v);
    p = q;
  }
  const double k = std::ceil(to - kPointTol) - 1.0;
  const auto index = static_cast<unsigned int>(std::fmod(std::max(k, 0.0), static_cast<double>(segments)));
  Vertex last;
  last.point = pointAt2d(index, std::clamp(to - k, 0.0, 1.0));
  last.startWidth = last.endWidth = out.empty() ? 0.0 : out.back().endWidth;
  out.push_back(last);
  return out;
}

Acad::ErrorStatus AcDbPolyline::getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const {
  const unsigned int segments = numSegments();
  if (segments == 0) return Acad::eDegenerateGeometry;
  std::vector<double> cuts;
  for (double p : params) {
    if (!std::isfinite(p) || p < -kPointTol || p > segments + kPointTol) return Acad::eInvalidInput;
    cuts.push_back(std::clamp(p, 0.0, static_cast<double>(segments)));
  }
  std::sort(cuts.begin(), cuts.end());
  std::vector<std::pair<double, double>> pieces;
  if (closed_ && !cuts.empty()) {
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) pieces.emplace_back(cuts[i], cuts[i + 1]);
    pieces.emplace_back(cuts.back(), cuts.front() + segments);
  } else {
    double from = 0.0;
    for (double c : cuts) {
      pieces.emplace_back(from, c);
      from = c;
    }
    pieces.emplace_back(from, static_cast<double>(segments));
  }
  for (const auto& [from, to] : pieces) {
    if (to - from <= kPointTol) continue;
    auto* piece = static_cast<AcDbPolyline*>(clone());
    if (piece == nullptr) return Acad::eOutOfMemory;
    const std::vector<Vertex> vertices = stretch(from, to);
    piece->vertices_.assign(vertices.begin(), vertices.end());
    piece->closed_ = false;
    curveSegments.append(piece);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getArea(double& area) const {
  const std::size_t n = vertices_.size();
  double twice = 0.0;
  double arcs = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const AcGePoint2d& a = vertices_[i].point;
    const AcGePoint2d& b = vertices_[(i + 1) % n].point;
    twice += a.x * b.y - b.x * a.y;
    // The closing segment of an open polyline counts as straight.
    if (i + 1 < n || closed_) {
      BulgeArc arc;
      if (arcFromBulge(a, b, vertices_[i].bulge, arc)) {
        const double sweep = std::fabs(arc.sweep);
        const double segment = 0.5 * arc.radius * arc.radius * (sweep - std::sin(sweep));
        arcs += arc.sweep > 0.0 ? segment : -segment;
      }
    }
  }
  area = std::fabs(0.5 * twice + arcs);
  return Acad::eOk;
}

// ---- entity ----

Acad::ErrorStatus AcDbPolyline::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane.set(acgeEcsPointToWorld(AcGePoint3d(0.0, 0.0, elevation_), normal_), normal_);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::transformBy(const AcGeMatrix3d& xform) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  const bool uniform = xform.isUniScaledOrtho();
  if (!uniform && !isOnlyLines()) return Acad::eCannotScaleNonUniformly;
  const AcGeVector3d n = unitNormal(normal_);
  const double det = xform.det();
  // The image plane's normal, kept on the side the old normal goes to.
  AcGeVector3d newNormal = (xform * acgeEcsXAxis(n)).crossProduct(xform * acgeEcsYAxis(n));
  if (newNormal.isZeroLength() || det == 0.0 || !std::isfinite(det)) return Acad::eInvalidInput;
  newNormal = newNormal.normal();
  if (det < 0.0) newNormal = -newNormal;
  const double scale = uniform ? (xform * n).length() : 1.0;

  std::vector<AcGePoint3d> world;
  world.reserve(vertices_.size());
  for (const Vertex& v : vertices_) world.push_back(xform * toWorld(v.point));
  const AcGeVector3d extrusion = xform * (n * thickness_);
  const AcGePoint3d origin = xform * acgeEcsPointToWorld(AcGePoint3d(0.0, 0.0, elevation_), n);

  normal_ = newNormal;
  elevation_ = acgeWorldPointToEcs(origin, newNormal).z;
  thickness_ = extrusion.dotProduct(newNormal);
  for (std::size_t i = 0; i < vertices_.size(); ++i) {
    Vertex& v = vertices_[i];
    v.point = toPlane(world[i]);
    if (det < 0.0) v.bulge = -v.bulge;
    if (uniform) {
      v.startWidth *= scale;
      v.endWidth *= scale;
    }
  }
  if (uniform) constantWidth_ *= scale;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = AcDbExtents();
  if (vertices_.empty()) return Acad::eInvalidExtents;
  for (const Vertex& v : vertices_) extents.addPoint(toWorld(v.point));
  for (unsigned int i = 0; i < numSegments(); ++i) {
    const Segment s = segmentAt(i);
    if (!s.isArc) continue;
    const double start = s.arc.sweep > 0.0 ? s.arc.startAngle : s.arc.startAngle + s.arc.sweep;
    addArcExtents(extents, toWorld(s.arc.center), normal_, s.arc.radius, start, std::fabs(s.arc.sweep));
  }
  extrudeExtents(extents, unitNormal(normal_) * thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::explode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  for (unsigned int i = 0; i < numSegments(); ++i) {
    const Segment s = segmentAt(i);
    if (s.start.isEqualTo(s.end)) continue;
    std::unique_ptr<AcDbCurve> piece;
    if (s.isArc) {
      // Arcs run counter-clockwise about the polyline's normal; a clockwise segment
      // becomes the arc from its end to its start.
      const double a0 = s.arc.startAngle;
      const double a1 = s.arc.startAngle + s.arc.sweep;
      const AcGePoint3d center = toWorld(s.arc.center);
      auto arc = s.arc.sweep > 0.0 ? std::make_unique<AcDbArc>(center, normal_, s.arc.radius, a0, a1)
                                   : std::make_unique<AcDbArc>(center, normal_, s.arc.radius, a1, a0);
      arc->setThickness(thickness_);
      piece = std::move(arc);
    } else {
      auto line = std::make_unique<AcDbLine>(toWorld(s.start), toWorld(s.end));
      line->setNormal(normal_);
      line->setThickness(thickness_);
      piece = std::move(line);
    }
    piece->setPropertiesFrom(this);
    entitySet.append(piece.release());
  }
  return Acad::eOk;
}

// ---- filing ----

Acad::ErrorStatus AcDbPolyline::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeBool(closed_);
  filer->writeBool(plinegen_);
  filer->writeDouble(constantWidth_);
  filer->writeDouble(elevation_);
  filer->writeDouble(thickness_);
  filer->writeVector3d(normal_);
  filer->writeUInt32(static_cast<Adesk::UInt32>(vertices_.size()));
  for (const Vertex& v : vertices_) {
    filer->writePoint2d(v.point);
    filer->writeDouble(v.bulge);
    filer->writeDouble(v.startWidth);
    filer->writeDouble(v.endWidth);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPolyline::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readBool(&closed_);
  filer->readBool(&plinegen_);
  filer->readDouble(&constantWidth_);
  filer->readDouble(&elevation_);
  filer->readDouble(&thickness_);
  filer->readVector3d(&normal_);
  Adesk::UInt32 count = 0;
  filer->readUInt32(&count);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  vertices_.clear();
  for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    Vertex v;
    filer->readPoint2d(&v.point);
    filer->readDouble(&v.bulge);
    filer->readDouble(&v.startWidth);
    filer->readDouble(&v.endWidth);
    vertices_.push_back(v);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  double uniformWidth = 0.0;
  const bool uniform = getConstantWidth(uniformWidth) == Acad::eOk;
  filer->writeItem(AcDb::kDxfSubclass, "AcDbPolyline");
  filer->writeInt32(AcDb::kDxfInt32, static_cast<Adesk::Int32>(vertices_.size()));
  filer->writeInt16(AcDb::kDxfInt16,
                    static_cast<Adesk::Int16>((closed_ ? kClosedFlag : 0) | (plinegen_ ? kPlinegenFlag : 0)));
  filer->writeDouble(static_cast<AcDb::DxfCode>(43), uniform ? uniformWidth : 0.0);
  if (elevation_ != 0.0) filer->writeDouble(AcDb::kDxfElevation, elevation_);
  if (thickness_ != 0.0) filer->writeDouble(AcDb::kDxfThickness, thickness_);
  for (const Vertex& v : vertices_) {
    filer->writePoint2d(AcDb::kDxfXCoord, v.point);
    if (!uniform) {
      filer->writeDouble(static_cast<AcDb::DxfCode>(40), v.startWidth);
      filer->writeDouble(static_cast<AcDb::DxfCode>(41), v.endWidth);
    }
    if (v.bulge != 0.0) filer->writeDouble(static_cast<AcDb::DxfCode>(42), v.bulge);
  }
  if (normal_ != AcGeVector3d::kZAxis) filer->writeVector3d(AcDb::kDxfNormalX, normal_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPolyline::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbPolyline"))
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  vertices_.clear();
  closed_ = plinegen_ = false;
  constantWidth_ = elevation_ = thickness_ = 0.0;
  normal_ = AcGeVector3d::kZAxis;
  long expected = -1;
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    const double* p = rb.resval.rpoint;
    bool more = true;
    switch (rb.restype) {
      case AcDb::kDxfInt32:
        expected = rb.resval.rlong;
        // The count is only what the file says: a damaged one must not take much memory.
        if (expected > 0) vertices_.reserve(static_cast<std::size_t>(std::min(expected, kVerticesReservedAtMost)));
        break;
      case AcDb::kDxfInt16:
        closed_ = (rb.resval.rint & kClosedFlag) != 0;
        plinegen_ = (rb.resval.rint & kPlinegenFlag) != 0;
        break;
      case 43:
        constantWidth_ = rb.resval.rreal;
        for (Vertex& v : vertices_) v.startWidth = v.endWidth = constantWidth_;
        break;
      case AcDb::kDxfElevation:
        elevation_ = rb.resval.rreal;
        break;
      case AcDb::kDxfThickness:
        thickness_ = rb.resval.rreal;
        break;
      case AcDb::kDxfXCoord: {
        Vertex v;
        v.point.set(p[0], p[1]);
        v.startWidth = v.endWidth = constantWidth_;
        vertices_.push_back(v);
        break;
      }
      case 40:
      case 41:
      case 42:
        if (vertices_.empty()) return filer->setError(Acad::eBadDxfSequence, "LWPOLYLINE vertex data before a vertex");
        (rb.restype == 40   ? vertices_.back().startWidth
         : rb.restype == 41 ? vertices_.back().endWidth
                            : vertices_.back().bulge) = rb.resval.rreal;
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
  if (expected >= 0 && static_cast<std::size_t>(expected) != vertices_.size())
    return filer->setError(Acad::eBadDxfSequence, "LWPOLYLINE announces %ld vertices but holds %zu", expected,
                           vertices_.size());
  return Acad::eOk;
}
