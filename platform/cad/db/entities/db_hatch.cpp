#include "platform/cad/db/entities/db_hatch.h"

#include <strings.h>

#include <algorithm>
#include <cmath>

#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_entity_math.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/curves/ge_knot_vector.h"
#include "platform/cad/ge/curves/ge_line.h"
#include "platform/cad/ge/curves/ge_nurb_curve.h"
#include "platform/cad/ge/ge_ecs.h"
#include "platform/cad/ge/ge_plane.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbHatch, AcDbEntity, "HATCH")

using namespace entity_math;
using hatch::Edge;

namespace {

// Curves without an exact edge form (ellipses, splines) become this many chords.
constexpr int kCurveChords = 64;
// Entities inside entities (a region's explode giving polylines, say) are followed this deep.
constexpr int kExplodeDepth = 4;

// The arc from p0 through pm to p1; a line when the three lie on one line.
Edge arcThrough(const AcGePoint2d& p0, const AcGePoint2d& pm, const AcGePoint2d& p1) {
  const double ax = p0.x, ay = p0.y, bx = pm.x, by = pm.y, cx = p1.x, cy = p1.y;
  const double d = 2.0 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
  const double scale = std::max({1.0, std::fabs(ax), std::fabs(ay), std::fabs(cx), std::fabs(cy)});
  if (std::fabs(d) <= 1e-14 * scale * scale) return Edge::line(p0, p1);
  const double a2 = ax * ax + ay * ay, b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
  const AcGePoint2d center((a2 * (by - cy) + b2 * (cy - ay) + c2 * (ay - by)) / d,
                           (a2 * (cx - bx) + b2 * (ax - cx) + c2 * (bx - ax)) / d);
  const double start = std::atan2(ay - center.y, ax - center.x);
  const double end = std::atan2(cy - center.y, cx - center.x);
  // Counter-clockwise arcs bulge to the right of their chord.
  const bool ccw = (p1 - p0).crossProduct(pm - p0) < 0.0;
  double sweep = ccw ? sweepOf(start, end) : -sweepOf(end, start);
  Edge edge = Edge::arc(center, center.distanceTo(p0), start, sweep);
  edge.start = p0;
  edge.end = p1;
  return edge;
}

// A closed chain of chords through the points.
void appendChords(const AcGePoint2dArray& points, std::vector<Edge>& edges) {
  for (int i = 0; i + 1 < points.length(); ++i) {
    if (points[i].distanceTo(points[i + 1]) > 0.0) edges.push_back(Edge::line(points[i], points[i + 1]));
  }
}

std::unique_ptr<AcGeCurve2d> toGeCurve(const Edge& edge) {
  if (edge.kind == Edge::kLine) return std::make_unique<AcGeLineSeg2d>(edge.start, edge.end);
  const bool clockwise = edge.sweep < 0.0;
  // Angles of a clockwise arc are measured clockwise from the reference vector.
  const double start = clockwise ? -edge.startAngle : edge.startAngle;
  return std::make_unique<AcGeCircArc2d>(edge.center, edge.radius, start, start + std::fabs(edge.sweep),
                                         AcGeVector2d::kXAxis, clockwise);
}

Edge fromGeArc(const AcGeCircArc2d& arc) {
  const double ref = arc.refVec().angle();
  const double span = arc.endAng() - arc.startAng();
  const double start = arc.isClockWise() ? ref - arc.startAng() : ref + arc.startAng();
  Edge edge = Edge::arc(arc.center(), arc.radius(), start, arc.isClockWise() ? -span : span);
  if (!edge.isFullCircle()) {
    edge.start = arc.startPoint();
    edge.end = arc.endPoint();
  }
  return edge;
}

// The edges of a DXF arc edge: angles in degrees, those of a clockwise arc measured clockwise.
Edge dxfArc(const AcGePoint2d& center, double radius, double startDeg, double endDeg, bool ccw) {
  AcGeCircArc2d arc(center, radius, degreesToRadians(startDeg), degreesToRadians(endDeg), AcGeVector2d::kXAxis, !ccw);
  if (std::fabs(endDeg - startDeg) >= 360.0)
    arc.setAngles(degreesToRadians(startDeg), degreesToRadians(startDeg) + kTwoPi);
  return fromGeArc(arc);
}

// Reads a hatch's DXF groups in their fixed order.
class DxfCursor {
 public:
  explicit DxfCursor(AcDbDxfFiler* filer) : filer_(filer) {}

  // Reads the next item when it has this code; otherwise leaves it.
  bool take(int code) {
    if (filer_->readItem(&rb_) != Acad::eOk) return false;
    if (rb_.restype == code) return true;
    filer_->pushBackItem();
    return false;
  }
  bool takeInt(int code, long& value) {
    if (!take(code)) return false;
    value = code >= 90 && code <= 99 ? static_cast<long>(rb_.resval.rlong) : rb_.resval.rint;
    return true;
  }
  bool takeReal(int code, double& value) {
    if (!take(code)) return false;
    value = rb_.resval.rreal;
    return true;
  }
  bool takePoint(int code, AcGePoint2d& value) {
    if (!take(code)) return false;
    value.set(rb_.resval.rpoint[0], rb_.resval.rpoint[1]);
    return true;
  }
  const resbuf& item() const { return rb_; }

 private:
  AcDbDxfFiler* filer_;
  resbuf rb_;
};

// Counts in a file are trusted only this far, so that a damaged count cannot run away.
bool plausibleCount(long count) { return count >= 0 && count <= 10000000; }

bool readSplineEdge(DxfCursor& in, std::vector<Edge>& edges) {
  long degree = 0, rational = 0, periodic = 0, knotCount = 0, pointCount = 0;
  if (!in.takeInt(94, degree) || !in.takeInt(73, rational) || !in.takeInt(74, periodic) || !in.takeInt(95, knotCount) ||
      !in.takeInt(96, pointCount) || !plausibleCount(knotCount) || !plausibleCount(pointCount)) {
    return false;
  }
  AcGeDoubleArray knots, weights;
  AcGePoint2dArray points;
  for (long i = 0; i < knotCount; ++i) {
    double k = 0.0;
    if (!in.takeReal(40, k)) return false;
    knots.append(k);
  }
  for (long i = 0; i < pointCount; ++i) {
    AcGePoint2d p;
    double w = 1.0;
    if (!in.takePoint(10, p)) return false;
    in.takeReal(42, w);
    points.append(p);
    weights.append(w);
  }
  long fitCount = 0;
  if (in.takeInt(97, fitCount)) {
    AcGePoint2d skipped;
    for (long i = 0; i < fitCount && plausibleCount(fitCount); ++i) in.takePoint(11, skipped);
    in.takePoint(12, skipped);
    in.takePoint(13, skipped);
  }
  AcGeNurbCurve2d spline(static_cast<int>(degree), AcGeKnotVector(knots), points, weights, periodic != 0);
  if (!spline.isValid()) return false;
  AcGePoint2dArray samples;
  spline.getSamplePoints(kCurveChords + 1, samples);
  appendChords(samples, edges);
  return true;
}

bool readEllipseEdge(DxfCursor& in, std::vector<Edge>& edges) {
  AcGePoint2d center, major;
  double ratio = 1.0, startDeg = 0.0, endDeg = 360.0;
  long ccw = 1;
  if (!in.takePoint(10, center) || !in.takePoint(11, major) || !in.takeReal(40, ratio) || !in.takeReal(50, startDeg) ||
      !in.takeReal(51, endDeg) || !in.takeInt(73, ccw)) {
    return false;
  }
  const AcGeVector2d a(major.x, major.y);
  const AcGeVector2d b = a.perpVector() * ratio;
  double start = degreesToRadians(startDeg), span = sweepOf(start, degreesToRadians(endDeg));
  if (std::fabs(endDeg - startDeg) >= 360.0) span = kTwoPi;
  if (ccw == 0) start = -start;
  AcGePoint2dArray samples;
  for (int i = 0; i <= kCurveChords; ++i) {
    const double t = start + (ccw != 0 ? 1.0 : -1.0) * span * i / kCurveChords;
    samples.append(center + a * std::cos(t) + b * std::sin(t));
  }
  appendChords(samples, edges);
  return true;
}

}  // namespace

AcDbHatch::AcDbHatch() = default;
AcDbHatch::~AcDbHatch() = default;

// ---- properties ----

AcDbHatch::HatchObjectType AcDbHatch::hatchObjectType() const {
  assertReadEnabled();
  return objectType_;
}

Acad::ErrorStatus AcDbHatch::setHatchObjectType(HatchObjectType type) {
  if (type != kHatchObject && type != kGradientObject) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  objectType_ = type;
  return Acad::eOk;
}

Adesk::Boolean AcDbHatch::associative() const {
  assertReadEnabled();
  return associative_;
}

Acad::ErrorStatus AcDbHatch::setAssociative(Adesk::Boolean isAssociative) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  associative_ = isAssociative;
  return Acad::eOk;
}

AcGeVector3d AcDbHatch::normal() const {
  assertReadEnabled();
  return normal_;
}

Acad::ErrorStatus AcDbHatch::setNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  normal_ = normal.normal();
  return Acad::eOk;
}

double AcDbHatch::elevation() const {
  assertReadEnabled();
  return elevation_;
}

Acad::ErrorStatus AcDbHatch::setElevation(double elevation) {
  if (!std::isfinite(elevation)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  elevation_ = elevation;
  return Acad::eOk;
}

AcDbHatch::HatchStyle AcDbHatch::hatchStyle() const {
  assertReadEnabled();
  return style_;
}

Acad::ErrorStatus AcDbHatch::setHatchStyle(HatchStyle style) {
  if (style != kNormal && style != kOuter && style != kIgnore) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  style_ = style;
  return Acad::eOk;
}

Adesk::Boolean AcDbHatch::isSolidFill() const {
  assertReadEnabled();
  return patternType_ == kPreDefined && hatch::isSolidPatternName(patternName_);
}

// ---- pattern ----

void AcDbHatch::patternChanged() { linesCurrent_ = false; }

AcDbHatch::HatchPatternType AcDbHatch::patternType() const {
  assertReadEnabled();
  return patternType_;
}

const char* AcDbHatch::patternName() const {
  assertReadEnabled();
  return patternName_.c_str();
}

Acad::ErrorStatus AcDbHatch::setPattern(HatchPatternType patType, const char* patName) {
  if (patType != kUserDefined && patType != kPreDefined && patType != kCustomDefined) return Acad::eInvalidInput;
  const std::string name = patName != nullptr ? patName : "";
  std::vector<hatch::PatternLine> unit;
  if (patType == kPreDefined && !hatch::predefinedPattern(name, unit)) return Acad::eInvalidInput;
  if (patType == kCustomDefined) return Acad::eNotImplemented;  // no .pat files to read them from
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  patternType_ = patType;
  patternName_ = name.empty() && patType == kUserDefined ? "_USER" : name;
  keptPattern_.clear();
  patternChanged();
  return Acad::eOk;
}

double AcDbHatch::patternAngle() const {
  assertReadEnabled();
  return patternAngle_;
}

Acad::ErrorStatus AcDbHatch::setPatternAngle(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  patternAngle_ = normalizeAngle(angle);
  patternChanged();
  return Acad::eOk;
}

double AcDbHatch::patternSpace() const {
  assertReadEnabled();
  return patternSpace_;
}

Acad::ErrorStatus AcDbHatch::setPatternSpace(double space) {
  if (!(space > 0.0) || !std::isfinite(space)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  patternSpace_ = space;
  patternChanged();
  return Acad::eOk;
}

double AcDbHatch::patternScale() const {
  assertReadEnabled();
  return patternScale_;
}

Acad::ErrorStatus AcDbHatch::setPatternScale(double scale) {
  if (!(scale > 0.0) || !std::isfinite(scale)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  patternScale_ = scale;
  patternChanged();
  return Acad::eOk;
}

Adesk::Boolean AcDbHatch::patternDouble() const {
  assertReadEnabled();
  return patternDouble_;
}

Acad::ErrorStatus AcDbHatch::setPatternDouble(Adesk::Boolean isDouble) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  patternDouble_ = isDouble;
  patternChanged();
  return Acad::eOk;
}

AcGePoint2d AcDbHatch::originPoint() const {
  assertReadEnabled();
  return origin_;
}

Acad::ErrorStatus AcDbHatch::setOriginPoint(const AcGePoint2d& point) {
  if (!std::isfinite(point.x) || !std::isfinite(point.y)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  origin_ = point;
  patternChanged();
  return Acad::eOk;
}

std::vector<hatch::PatternLine> AcDbHatch::patternLines() const {
  if (patternType_ == kPreDefined && hatch::isSolidPatternName(patternName_)) return {};
  if (patternType_ == kUserDefined) return hatch::userPattern(patternAngle_, patternSpace_, patternDouble_, origin_);
  std::vector<hatch::PatternLine> unit;
  if (patternType_ == kPreDefined && hatch::predefinedPattern(patternName_, unit)) {
    return hatch::placePattern(unit, patternAngle_, patternScale_, origin_);
  }
  return keptPattern_;
}

int AcDbHatch::numPatternDefinitions() const {
  assertReadEnabled();
  return static_cast<int>(patternLines().size());
}

Acad::ErrorStatus AcDbHatch::getPatternDefinitionAt(int index, double& angle, double& baseX, double& baseY,
                                                    double& offsetX, double& offsetY, AcGeDoubleArray& dashes) const {
  assertReadEnabled();
  const std::vector<hatch::PatternLine> lines = patternLines();
  if (index < 0 || index >= static_cast<int>(lines.size())) return Acad::eInvalidIndex;
  const hatch::PatternLine& line = lines[static_cast<std::size_t>(index)];
  angle = line.angle;
  baseX = line.base.x;
  baseY = line.base.y;
  offsetX = line.offset.x;
  offsetY = line.offset.y;
  dashes.removeAll();
  for (double dash : line.dashes) dashes.append(dash);
  return Acad::eOk;
}

// ---- loops ----

AcGePoint2d AcDbHatch::toPlane(const AcGePoint3d& world) const {
  const AcGePoint3d ecs = acgeWorldPointToEcs(world, normal_);
  return {ecs.x, ecs.y};
}

AcGePoint3d AcDbHatch::toWorld(const AcGePoint2d& point) const {
  return acgeEcsPointToWorld(AcGePoint3d(point.x, point.y, elevation_), normal_);
}

double AcDbHatch::closeTolerance(const std::vector<Edge>& edges) const {
  return std::max(1e-6, 1e-9 * hatch::coordinateScale({edges}));
}

Acad::ErrorStatus AcDbHatch::edgesOfCurve(const AcDbCurve* curve, std::vector<Edge>& edges) const {
  if (const auto* line = AcDbLine::cast(curve)) {
    edges.push_back(Edge::line(toPlane(line->startPoint()), toPlane(line->endPoint())));
    return Acad::eOk;
  }
  if (const auto* circle = AcDbCircle::cast(curve)) {
    edges.push_back(Edge::arc(toPlane(circle->center()), circle->radius(), 0.0, kTwoPi));
    return Acad::eOk;
  }
  if (const auto* pline = AcDbPolyline::cast(curve)) {
    const unsigned int count = pline->numVerts();
    const unsigned int segments = pline->isClosed() ? count : (count > 0 ? count - 1 : 0);
    const bool flipped = pline->normal().dotProduct(normal_) < 0.0;
    for (unsigned int i = 0; i < segments; ++i) {
      AcGePoint3d from, to;
      double bulge = 0.0;
      pline->getPointAt(i, from);
      pline->getPointAt((i + 1) % count, to);
      pline->getBulgeAt(i, bulge);
      const AcGePoint2d a = toPlane(from), b = toPlane(to);
      if (a.distanceTo(b) > 0.0) edges.push_back(Edge::fromBulge(a, b, flipped ? -bulge : bulge));
    }
    return Acad::eOk;
  }
  double startParam = 0.0, endParam = 0.0;
  Acad::ErrorStatus es = curve->getStartParam(startParam);
  if (es == Acad::eOk) es = curve->getEndParam(endParam);
  if (es != Acad::eOk) return es;
  if (AcDbArc::cast(curve) != nullptr) {
    AcGePoint3d p0, pm, p1;
    curve->getStartPoint(p0);
    curve->getPointAtParam(0.5 * (startParam + endParam), pm);
    curve->getEndPoint(p1);
    edges.push_back(arcThrough(toPlane(p0), toPlane(pm), toPlane(p1)));
    return Acad::eOk;
  }
  AcGePoint2dArray samples;
  for (int i = 0; i <= kCurveChords; ++i) {
    AcGePoint3d p;
    es = curve->getPointAtParam(startParam + (endParam - startParam) * i / kCurveChords, p);
    if (es != Acad::eOk) return es;
    samples.append(toPlane(p));
  }
  appendChords(samples, edges);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::edgesOfEntityObject(const AcDbEntity* entity, std::vector<Edge>& edges, int depth) const {
  if (const auto* curve = AcDbCurve::cast(entity)) return edgesOfCurve(curve, edges);
  if (depth >= kExplodeDepth) return Acad::eInvalidInput;
  AcDbVoidPtrArray parts;
  Acad::ErrorStatus es = entity->explode(parts);
  std::vector<std::unique_ptr<AcDbEntity>> owned;
  for (void* part : parts) owned.emplace_back(static_cast<AcDbEntity*>(part));
  if (es != Acad::eOk) return es;
  if (owned.empty()) return Acad::eInvalidInput;
  for (const auto& part : owned) {
    es = edgesOfEntityObject(part.get(), edges, depth + 1);
    if (es != Acad::eOk) return es;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::edgesOfEntity(AcDbObjectId id, std::vector<Edge>& edges, bool& wholePolyline) const {
  AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
  if (entity.openStatus() != Acad::eOk) return entity.openStatus();
  const auto* pline = AcDbPolyline::cast(entity.object());
  wholePolyline = pline != nullptr && pline->isClosed();
  return edgesOfEntityObject(entity.object(), edges, 0);
}

void AcDbHatch::addLoops(Adesk::Int32 type, bool isPolyline, std::vector<hatch::Loop> chains,
                         const std::vector<AcDbObjectId>& sources) {
  std::vector<Edge> all;
  for (const hatch::Loop& chain : chains) all.insert(all.end(), chain.begin(), chain.end());
  hatch::weldEnds(chains, closeTolerance(all));
  for (hatch::Loop& chain : chains) {
    Loop loop;
    loop.type = isPolyline ? (type | kPolyline) : (type & ~kPolyline);
    loop.isPolyline = isPolyline;
    loop.edges = std::move(chain);
    loop.sources = sources;
    loops_.push_back(std::move(loop));
  }
  loopCurves_.clear();
  patternChanged();
}

Acad::ErrorStatus AcDbHatch::appendLoop(Adesk::Int32 loopType, const AcDbObjectIdArray& dbObjIds) {
  if (dbObjIds.isEmpty()) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  std::vector<Edge> edges;
  bool wholePolyline = false;
  for (const AcDbObjectId& id : dbObjIds) {
    const Acad::ErrorStatus es = edgesOfEntity(id, edges, wholePolyline);
    if (es != Acad::eOk) return es;
  }
  wholePolyline = wholePolyline && dbObjIds.length() == 1;
  std::vector<hatch::Loop> chains;
  if (edges.empty() || !hatch::chainIntoLoops(edges, closeTolerance(edges), chains)) return Acad::eInvalidInput;
  if (chains.size() > 1) wholePolyline = false;
  addLoops(loopType, wholePolyline, std::move(chains), std::vector<AcDbObjectId>(dbObjIds.begin(), dbObjIds.end()));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::appendLoop(Adesk::Int32 loopType, const AcGeVoidPointerArray& edgePtrs,
                                        const AcGeIntArray& edgeTypes) {
  if (edgePtrs.isEmpty() || edgePtrs.length() != edgeTypes.length()) return Acad::eInvalidInput;
  std::vector<Edge> edges;
  for (int i = 0; i < edgePtrs.length(); ++i) {
    const auto* curve = static_cast<const AcGeCurve2d*>(edgePtrs[i]);
    if (curve == nullptr) return Acad::eInvalidInput;
    const int type = edgeTypes[i];
    if (type == kLine && curve->type() == AcGe::kLineSeg2d) {
      const auto* line = static_cast<const AcGeLineSeg2d*>(curve);
      edges.push_back(Edge::line(line->startPoint(), line->endPoint()));
    } else if (type == kCirArc && curve->type() == AcGe::kCircArc2d) {
      edges.push_back(fromGeArc(*static_cast<const AcGeCircArc2d*>(curve)));
    } else if (type == kEllArc || type == kSpline) {
      AcGePoint2dArray samples;
      curve->getSamplePoints(kCurveChords + 1, samples);
      appendChords(samples, edges);
    } else {
      return Acad::eInvalidInput;
    }
  }
  std::vector<hatch::Loop> chains;
  if (!hatch::chainIntoLoops(edges, closeTolerance(edges), chains)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  addLoops(loopType, false, std::move(chains), {});
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::appendLoop(Adesk::Int32 loopType, const AcGePoint2dArray& vertices,
                                        const AcGeDoubleArray& bulges) {
  std::vector<AcGePoint2d> points(vertices.begin(), vertices.end());
  if (points.size() > 2 && points.back().distanceTo(points.front()) == 0.0) points.pop_back();
  std::vector<Edge> edges;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const AcGePoint2d& next = points[(i + 1) % points.size()];
    if (!std::isfinite(points[i].x) || !std::isfinite(points[i].y)) return Acad::eInvalidInput;
    const double bulge = static_cast<int>(i) < bulges.length() ? bulges[static_cast<int>(i)] : 0.0;
    if (points[i].distanceTo(next) > 0.0) edges.push_back(Edge::fromBulge(points[i], next, bulge));
  }
  const bool enclosesArea =
      edges.size() > 2 || std::any_of(edges.begin(), edges.end(), [](const Edge& e) { return e.kind == Edge::kArc; });
  if (!enclosesArea) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  addLoops(loopType, true, {edges}, {});
  return Acad::eOk;
}

int AcDbHatch::numLoops() const {
  assertReadEnabled();
  return static_cast<int>(loops_.size());
}

Adesk::Int32 AcDbHatch::loopTypeAt(int loopIndex) const {
  assertReadEnabled();
  return validLoopIndex(loopIndex) ? loops_[static_cast<std::size_t>(loopIndex)].type : kDefault;
}

Acad::ErrorStatus AcDbHatch::getLoopAt(int loopIndex, Adesk::Int32& loopType, AcGeVoidPointerArray& edgePtrs,
                                       AcGeIntArray& edgeTypes) const {
  assertReadEnabled();
  if (!validLoopIndex(loopIndex)) return Acad::eInvalidIndex;
  const std::size_t at = static_cast<std::size_t>(loopIndex);
  if (loopCurves_.size() != loops_.size()) {
    loopCurves_.clear();
    loopCurves_.resize(loops_.size());
  }
  std::vector<std::unique_ptr<AcGeCurve2d>>& curves = loopCurves_[at];
  if (curves.empty()) {
    for (const Edge& edge : loops_[at].edges) curves.push_back(toGeCurve(edge));
  }
  loopType = loops_[at].type;
  edgePtrs.removeAll();
  edgeTypes.removeAll();
  for (std::size_t i = 0; i < curves.size(); ++i) {
    edgePtrs.append(curves[i].get());
    edgeTypes.append(loops_[at].edges[i].kind == Edge::kLine ? kLine : kCirArc);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getLoopAt(int loopIndex, Adesk::Int32& loopType, AcGePoint2dArray& vertices,
                                       AcGeDoubleArray& bulges) const {
  assertReadEnabled();
  if (!validLoopIndex(loopIndex)) return Acad::eInvalidIndex;
  const Loop& loop = loops_[static_cast<std::size_t>(loopIndex)];
  if (!loop.isPolyline) return Acad::eNotApplicable;
  loopType = loop.type;
  vertices.removeAll();
  bulges.removeAll();
  for (const Edge& edge : loop.edges) {
    vertices.append(edge.start);
    bulges.append(edge.bulge());
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::removeLoopAt(int loopIndex) {
  if (!validLoopIndex(loopIndex)) return Acad::eInvalidIndex;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  loops_.erase(loops_.begin() + loopIndex);
  loopCurves_.clear();
  patternChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getAssocObjIdsAt(int loopIndex, AcDbObjectIdArray& dbObjIds) const {
  assertReadEnabled();
  if (!validLoopIndex(loopIndex)) return Acad::eInvalidIndex;
  dbObjIds.removeAll();
  if (!associative_) return Acad::eOk;
  for (const AcDbObjectId& id : loops_[static_cast<std::size_t>(loopIndex)].sources) dbObjIds.append(id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getAssocObjIds(AcDbObjectIdArray& dbObjIds) const {
  assertReadEnabled();
  dbObjIds.removeAll();
  if (!associative_) return Acad::eOk;
  for (const Loop& loop : loops_) {
    for (const AcDbObjectId& id : loop.sources) {
      if (!dbObjIds.contains(id)) dbObjIds.append(id);
    }
  }
  return Acad::eOk;
}

int AcDbHatch::numSeedPoints() const {
  assertReadEnabled();
  return static_cast<int>(seeds_.size());
}

AcGePoint2d AcDbHatch::getSeedPointAt(int index) const {
  assertReadEnabled();
  return index >= 0 && index < static_cast<int>(seeds_.size()) ? seeds_[static_cast<std::size_t>(index)]
                                                               : AcGePoint2d();
}

Acad::ErrorStatus AcDbHatch::appendSeedPoint(const AcGePoint2d& point) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  seeds_.push_back(point);
  return Acad::eOk;
}

std::vector<hatch::Loop> AcDbHatch::loopGeometry() const {
  std::vector<hatch::Loop> geometry;
  for (const Loop& loop : loops_) geometry.push_back(loop.edges);
  return geometry;
}

// ---- lines ----

Acad::ErrorStatus AcDbHatch::computeLines() const {
  if (linesCurrent_) return linesStatus_;
  const hatch::LineStatus status = hatch::hatchLines(loopGeometry(), patternLines(), lines_);
  linesStatus_ = status == hatch::LineStatus::kOk ? Acad::eOk : Acad::eInvalidInput;
  linesCurrent_ = true;
  return linesStatus_;
}

Acad::ErrorStatus AcDbHatch::evaluateHatch(bool /*underEstimateNumLines*/) {
  assertReadEnabled();
  linesCurrent_ = false;
  return computeLines();
}

int AcDbHatch::numHatchLines() const {
  assertReadEnabled();
  computeLines();
  return static_cast<int>(lines_.size());
}

Acad::ErrorStatus AcDbHatch::getHatchLineDataAt(int lineIndex, AcGePoint2d& startPoint, AcGePoint2d& endPoint) const {
  assertReadEnabled();
  computeLines();
  if (lineIndex < 0 || lineIndex >= static_cast<int>(lines_.size())) return Acad::eInvalidIndex;
  startPoint = lines_[static_cast<std::size_t>(lineIndex)].start;
  endPoint = lines_[static_cast<std::size_t>(lineIndex)].end;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getHatchLinesData(AcGePoint2dArray& startPoints, AcGePoint2dArray& endPoints) const {
  assertReadEnabled();
  const Acad::ErrorStatus es = computeLines();
  startPoints.removeAll();
  endPoints.removeAll();
  for (const hatch::Segment& line : lines_) {
    startPoints.append(line.start);
    endPoints.append(line.end);
  }
  return es;
}

Acad::ErrorStatus AcDbHatch::getArea(double& area) const {
  assertReadEnabled();
  if (loops_.empty()) return Acad::eInvalidInput;
  area = hatch::evenOddArea(loopGeometry());
  return Acad::eOk;
}

// ---- geometry ----

Acad::ErrorStatus AcDbHatch::explode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  if (isSolidFill()) return Acad::eNotApplicable;
  const Acad::ErrorStatus es = computeLines();
  if (es != Acad::eOk) return es;
  for (const hatch::Segment& segment : lines_) {
    auto* line = new AcDbLine(toWorld(segment.start), toWorld(segment.end));
    line->setPropertiesFrom(this);
    line->setNormal(normal_);
    entitySet.append(line);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::transformBy(const AcGeMatrix3d& xform) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  AcGeVector3d newNormal = xform * normal_;
  if (newNormal.isZeroLength()) return Acad::eInvalidInput;
  newNormal = newNormal.normal();
  // Where the plane's origin and unit axes land, in the new plane's coordinates.
  auto landed = [&](double x, double y) { return acgeWorldPointToEcs(xform * toWorld(AcGePoint2d(x, y)), newNormal); };
  const AcGePoint3d o = landed(0.0, 0.0), ex = landed(1.0, 0.0), ey = landed(0.0, 1.0);
  const AcGeVector2d ax(ex.x - o.x, ex.y - o.y), ay(ey.x - o.x, ey.y - o.y);
  const double scale = ax.length();
  if (!(scale > 0.0) || !std::isfinite(scale) || std::fabs(ay.length() - scale) > 1e-9 * scale ||
      std::fabs(ax.dotProduct(ay)) > 1e-9 * scale * scale || std::fabs(ex.z - o.z) > 1e-9 * scale ||
      std::fabs(ey.z - o.z) > 1e-9 * scale) {
    return Acad::eCannotScaleNonUniformly;
  }
  const bool mirrored = ax.crossProduct(ay) < 0.0;
  const double turn = ax.angle();
  auto mapPoint = [&](const AcGePoint2d& p) {
    return AcGePoint2d(o.x + ax.x * p.x + ay.x * p.y, o.y + ax.y * p.x + ay.y * p.y);
  };
  auto mapVector = [&](const AcGeVector2d& v) { return ax * v.x + ay * v.y; };
  auto mapAngle = [&](double angle) { return mirrored ? turn - angle : turn + angle; };
  for (Loop& loop : loops_) {
    for (Edge& edge : loop.edges) {
      const AcGePoint2d start = mapPoint(edge.start), end = mapPoint(edge.end);
      if (edge.kind == Edge::kArc) {
        edge = Edge::arc(mapPoint(edge.center), edge.radius * scale, mapAngle(edge.startAngle),
                         mirrored ? -edge.sweep : edge.sweep);
      }
      edge.start = start;
      edge.end = end;
    }
  }
  for (AcGePoint2d& seed : seeds_) seed = mapPoint(seed);
  for (hatch::PatternLine& line : keptPattern_) {
    line.angle = mapAngle(line.angle);
    line.base = mapPoint(line.base);
    line.offset = mapVector(line.offset);
    for (double& dash : line.dashes) dash *= scale;
  }
  origin_ = mapPoint(origin_);
  patternAngle_ = normalizeAngle(mapAngle(patternAngle_));
  patternScale_ *= scale;
  patternSpace_ *= scale;
  normal_ = newNormal;
  elevation_ = o.z;
  loopCurves_.clear();
  patternChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  AcGePoint2d lo, hi;
  if (!hatch::loopsExtents(loopGeometry(), lo, hi)) return Acad::eInvalidExtents;
  extents = AcDbExtents();
  for (const AcGePoint2d& corner : {lo, hi, AcGePoint2d(lo.x, hi.y), AcGePoint2d(hi.x, lo.y)}) {
    extents.addPoint(toWorld(corner));
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  plane.set(toWorld(AcGePoint2d()), normal_);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

// ---- filing ----

Acad::ErrorStatus AcDbHatch::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt16(static_cast<Adesk::Int16>(objectType_));
  filer->writeBool(associative_);
  filer->writeVector3d(normal_);
  filer->writeDouble(elevation_);
  filer->writeInt16(static_cast<Adesk::Int16>(style_));
  filer->writeInt16(static_cast<Adesk::Int16>(patternType_));
  filer->writeString(patternName_.c_str());
  filer->writeDouble(patternAngle_);
  filer->writeDouble(patternSpace_);
  filer->writeDouble(patternScale_);
  filer->writeBool(patternDouble_);
  filer->writePoint2d(origin_);
  filer->writeUInt32(static_cast<Adesk::UInt32>(keptPattern_.size()));
  for (const hatch::PatternLine& line : keptPattern_) {
    filer->writeDouble(line.angle);
    filer->writePoint2d(line.base);
    filer->writeVector2d(line.offset);
    filer->writeUInt32(static_cast<Adesk::UInt32>(line.dashes.size()));
    for (double dash : line.dashes) filer->writeDouble(dash);
  }
  filer->writeUInt32(static_cast<Adesk::UInt32>(loops_.size()));
  for (const Loop& loop : loops_) {
    filer->writeInt32(loop.type);
    filer->writeBool(loop.isPolyline);
    filer->writeUInt32(static_cast<Adesk::UInt32>(loop.edges.size()));
    for (const Edge& edge : loop.edges) {
      filer->writeBool(edge.kind == Edge::kArc);
      filer->writePoint2d(edge.start);
      filer->writePoint2d(edge.end);
      filer->writePoint2d(edge.center);
      filer->writeDouble(edge.radius);
      filer->writeDouble(edge.startAngle);
      filer->writeDouble(edge.sweep);
    }
    filer->writeUInt32(static_cast<Adesk::UInt32>(loop.sources.size()));
    for (const AcDbObjectId& id : loop.sources) filer->writeSoftPointerId(id);
  }
  filer->writeUInt32(static_cast<Adesk::UInt32>(seeds_.size()));
  for (const AcGePoint2d& seed : seeds_) filer->writePoint2d(seed);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbHatch::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  auto count = [&](Adesk::UInt32& n) {
    filer->readUInt32(&n);
    if (n > 10000000) filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
    return filer->filerStatus() == Acad::eOk;
  };
  Adesk::Int16 small = 0;
  filer->readInt16(&small);
  objectType_ = static_cast<HatchObjectType>(small);
  filer->readBool(&associative_);
  filer->readVector3d(&normal_);
  filer->readDouble(&elevation_);
  filer->readInt16(&small);
  style_ = static_cast<HatchStyle>(small);
  filer->readInt16(&small);
  patternType_ = static_cast<HatchPatternType>(small);
  filer->readString(&patternName_);
  filer->readDouble(&patternAngle_);
  filer->readDouble(&patternSpace_);
  filer->readDouble(&patternScale_);
  filer->readBool(&patternDouble_);
  filer->readPoint2d(&origin_);
  Adesk::UInt32 n = 0;
  keptPattern_.clear();
  if (!count(n)) return filer->filerStatus();
  for (Adesk::UInt32 i = 0; i < n; ++i) {
    hatch::PatternLine line;
    filer->readDouble(&line.angle);
    filer->readPoint2d(&line.base);
    filer->readVector2d(&line.offset);
    Adesk::UInt32 dashes = 0;
    if (!count(dashes)) return filer->filerStatus();
    line.dashes.resize(dashes);
    for (double& dash : line.dashes) filer->readDouble(&dash);
    keptPattern_.push_back(std::move(line));
  }
  loops_.clear();
  if (!count(n)) return filer->filerStatus();
  for (Adesk::UInt32 i = 0; i < n; ++i) {
    Loop loop;
    filer->readInt32(&loop.type);
    filer->readBool(&loop.isPolyline);
    Adesk::UInt32 edges = 0;
    if (!count(edges)) return filer->filerStatus();
    loop.edges.resize(edges);
    for (Edge& edge : loop.edges) {
      bool isArc = false;
      filer->readBool(&isArc);
      edge.kind = isArc ? Edge::kArc : Edge::kLine;
      filer->readPoint2d(&edge.start);
      filer->readPoint2d(&edge.end);
      filer->readPoint2d(&edge.center);
      filer->readDouble(&edge.radius);
      filer->readDouble(&edge.startAngle);
      filer->readDouble(&edge.sweep);
    }
    Adesk::UInt32 sources = 0;
    if (!count(sources)) return filer->filerStatus();
    loop.sources.resize(sources);
    for (AcDbObjectId& id : loop.sources) {
      AcDbSoftPointerId source;
      filer->readSoftPointerId(&source);
      id = source;
    }
    loops_.push_back(std::move(loop));
  }
  seeds_.clear();
  if (!count(n)) return filer->filerStatus();
  seeds_.resize(n);
  for (AcGePoint2d& seed : seeds_) filer->readPoint2d(&seed);
  loopCurves_.clear();
  patternChanged();
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbHatch::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  auto code = [](int c) { return static_cast<AcDb::DxfCode>(c); };
  const bool solid = isSolidFill();
  filer->writeItem(AcDb::kDxfSubclass, "AcDbHatch");
  filer->writePoint3d(code(10), AcGePoint3d(0.0, 0.0, elevation_));
  filer->writeVector3d(code(210), normal_);
  filer->writeString(code(2), patternName_);
  filer->writeInt16(code(70), solid ? 1 : 0);
  filer->writeInt16(code(71), associative_ ? 1 : 0);
  filer->writeInt32(code(91), static_cast<Adesk::Int32>(loops_.size()));
  for (const Loop& loop : loops_) {
    filer->writeInt32(code(92), loop.type);
    if (loop.isPolyline) {
      const bool hasBulge =
          std::any_of(loop.edges.begin(), loop.edges.end(), [](const Edge& e) { return e.kind == Edge::kArc; });
      filer->writeInt16(code(72), hasBulge ? 1 : 0);
      filer->writeInt16(code(73), 1);
      filer->writeInt32(code(93), static_cast<Adesk::Int32>(loop.edges.size()));
      for (const Edge& edge : loop.edges) {
        filer->writePoint2d(code(10), edge.start);
        if (hasBulge) filer->writeDouble(code(42), edge.bulge());
      }
    } else {
      filer->writeInt32(code(93), static_cast<Adesk::Int32>(loop.edges.size()));
      for (const Edge& edge : loop.edges) {
        filer->writeInt16(code(72), edge.kind == Edge::kLine ? kLine : kCirArc);
        if (edge.kind == Edge::kLine) {
          filer->writePoint2d(code(10), edge.start);
          filer->writePoint2d(code(11), edge.end);
          continue;
        }
        // A clockwise arc's angles are measured clockwise.
        const bool ccw = edge.sweep > 0.0;
        const double start = normalizeAngle(ccw ? edge.startAngle : -edge.startAngle);
        filer->writePoint2d(code(10), edge.center);
        filer->writeDouble(code(40), edge.radius);
        filer->writeDouble(code(50), radiansToDegrees(start));
        filer->writeDouble(code(51), radiansToDegrees(start + std::fabs(edge.sweep)));
        filer->writeInt16(code(73), ccw ? 1 : 0);
      }
    }
    const std::size_t sources = associative_ ? loop.sources.size() : 0;
    filer->writeInt32(code(97), static_cast<Adesk::Int32>(sources));
    for (std::size_t i = 0; i < sources; ++i) filer->writeObjectId(code(330), loop.sources[i]);
  }
  filer->writeInt16(code(75), static_cast<Adesk::Int16>(style_));
  filer->writeInt16(code(76), static_cast<Adesk::Int16>(patternType_));
  if (!solid) {
    filer->writeDouble(code(52), radiansToDegrees(patternAngle_));
    filer->writeDouble(code(41), patternType_ == kUserDefined ? patternSpace_ : patternScale_);
    filer->writeInt16(code(77), patternDouble_ ? 1 : 0);
    const std::vector<hatch::PatternLine> lines = patternLines();
    filer->writeInt16(code(78), static_cast<Adesk::Int16>(lines.size()));
    for (const hatch::PatternLine& line : lines) {
      filer->writeDouble(code(53), radiansToDegrees(normalizeAngle(line.angle)));
      filer->writeDouble(code(43), line.base.x);
      filer->writeDouble(code(44), line.base.y);
      filer->writeDouble(code(45), line.offset.x);
      filer->writeDouble(code(46), line.offset.y);
      filer->writeInt16(code(79), static_cast<Adesk::Int16>(line.dashes.size()));
      for (double dash : line.dashes) filer->writeDouble(code(49), dash);
    }
  }
  filer->writeInt32(code(98), static_cast<Adesk::Int32>(seeds_.size()));
  for (const AcGePoint2d& seed : seeds_) filer->writePoint2d(code(10), seed);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbHatch::readDxfLoop(AcDbDxfFiler* filer, Loop& loop) {
  DxfCursor in(filer);
  long flags = 0, count = 0;
  if (!in.takeInt(92, flags)) return Acad::eBadDxfSequence;
  loop.type = static_cast<Adesk::Int32>(flags);
  loop.isPolyline = (flags & kPolyline) != 0;
  std::vector<Edge> edges;
  if (loop.isPolyline) {
    long hasBulge = 0, closed = 1;
    in.takeInt(72, hasBulge);
    in.takeInt(73, closed);
    if (!in.takeInt(93, count) || !plausibleCount(count)) return Acad::eBadDxfSequence;
    std::vector<AcGePoint2d> points;
    std::vector<double> bulges;
    for (long i = 0; i < count; ++i) {
      AcGePoint2d p;
      double bulge = 0.0;
      if (!in.takePoint(10, p)) return Acad::eBadDxfSequence;
      in.takeReal(42, bulge);
      points.push_back(p);
      bulges.push_back(bulge);
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
      const AcGePoint2d& next = points[(i + 1) % points.size()];
      if (points[i].distanceTo(next) > 0.0) edges.push_back(Edge::fromBulge(points[i], next, bulges[i]));
    }
  } else {
    if (!in.takeInt(93, count) || !plausibleCount(count)) return Acad::eBadDxfSequence;
    for (long i = 0; i < count; ++i) {
      long type = 0;
      if (!in.takeInt(72, type)) return Acad::eBadDxfSequence;
      bool ok = false;
      if (type == kLine) {
        AcGePoint2d a, b;
        ok = in.takePoint(10, a) && in.takePoint(11, b);
        if (ok) edges.push_back(Edge::line(a, b));
      } else if (type == kCirArc) {
        AcGePoint2d center;
        double radius = 0.0, startDeg = 0.0, endDeg = 0.0;
        long ccw = 1;
        ok = in.takePoint(10, center) && in.takeReal(40, radius) && in.takeReal(50, startDeg) &&
             in.takeReal(51, endDeg) && in.takeInt(73, ccw) && radius > 0.0;
        if (ok) edges.push_back(dxfArc(center, radius, startDeg, endDeg, ccw != 0));
      } else if (type == kEllArc) {
        ok = readEllipseEdge(in, edges);
      } else if (type == kSpline) {
        ok = readSplineEdge(in, edges);
      }
      if (!ok) return Acad::eBadDxfSequence;
    }
  }
  std::vector<hatch::Loop> chains{edges};
  hatch::weldEnds(chains, closeTolerance(edges));
  loop.edges = std::move(chains.front());
  if (in.takeInt(97, count)) {
    if (!plausibleCount(count)) return Acad::eBadDxfSequence;
    for (long i = 0; i < count; ++i) {
      if (!in.take(330)) return Acad::eBadDxfSequence;
      AcDbObjectId id;
      acdbGetObjectId(id, in.item().resval.rlname);
      if (!id.isNull()) loop.sources.push_back(id);
    }
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbHatch"))
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  // Read into a fresh hatch so that a damaged record changes nothing here.
  AcDbHatch read;
  read.patternName_.clear();
  double scaleOrSpace = 1.0;
  DxfCursor in(filer);
  resbuf rb;
  bool more = true;
  while (more && filer->readItem(&rb) == Acad::eOk) {
    const double* p = rb.resval.rpoint;
    switch (rb.restype) {
      case 10:
        read.elevation_ = p[2];
        break;
      case 210:
        read.normal_ = unitNormal(AcGeVector3d(p[0], p[1], p[2]));
        break;
      case 2:
        read.patternName_ = rb.resval.rstring != nullptr ? rb.resval.rstring : "";
        break;
      case 70:
      case 47:
        break;  // solid fill follows from the name; pixel size is for the screen
      case 71:
        read.associative_ = rb.resval.rint != 0;
        break;
      case 91: {
        const long count = rb.resval.rlong;
        if (!plausibleCount(count)) return Acad::eBadDxfSequence;
        for (long i = 0; i < count; ++i) {
          Loop loop;
          es = read.readDxfLoop(filer, loop);
          if (es != Acad::eOk) return es;
          read.loops_.push_back(std::move(loop));
        }
        break;
      }
      case 75:
        read.style_ =
            rb.resval.rint >= kNormal && rb.resval.rint <= kIgnore ? static_cast<HatchStyle>(rb.resval.rint) : kNormal;
        break;
      case 76:
        if (rb.resval.rint < kUserDefined || rb.resval.rint > kCustomDefined) return Acad::eBadDxfSequence;
        read.patternType_ = static_cast<HatchPatternType>(rb.resval.rint);
        break;
      case 52:
        read.patternAngle_ = normalizeAngle(degreesToRadians(rb.resval.rreal));
        break;
      case 41:
        scaleOrSpace = rb.resval.rreal;
        break;
      case 77:
        read.patternDouble_ = rb.resval.rint != 0;
        break;
      case 78:
        for (int i = 0; i < rb.resval.rint; ++i) {
          hatch::PatternLine line;
          double angle = 0.0;
          long dashes = 0;
          if (!in.takeReal(53, angle) || !in.takeReal(43, line.base.x) || !in.takeReal(44, line.base.y) ||
              !in.takeReal(45, line.offset.x) || !in.takeReal(46, line.offset.y) || !in.takeInt(79, dashes)) {
            return Acad::eBadDxfSequence;
          }
          line.angle = degreesToRadians(angle);
          line.dashes.resize(static_cast<std::size_t>(std::max(0L, dashes)));
          for (double& dash : line.dashes) {
            if (!in.takeReal(49, dash)) return Acad::eBadDxfSequence;
          }
          read.keptPattern_.push_back(std::move(line));
        }
        break;
      case 98:
        for (long i = 0; i < rb.resval.rlong && plausibleCount(rb.resval.rlong); ++i) {
          AcGePoint2d seed;
          if (!in.takePoint(10, seed)) return Acad::eBadDxfSequence;
          read.seeds_.push_back(seed);
        }
        break;
      default:
        // Groups of later releases (gradients and the like) are not ours to keep.
        if (rb.restype >= 450 && rb.restype <= 470) break;
        if (rb.restype == 63 || rb.restype == 421) break;
        filer->pushBackItem();
        more = false;
    }
  }
  if (!(scaleOrSpace > 0.0) || !std::isfinite(scaleOrSpace)) scaleOrSpace = 1.0;
  if (read.patternType_ == kUserDefined) {
    read.patternSpace_ = scaleOrSpace;
  } else {
    read.patternScale_ = scaleOrSpace;
  }
  // Known patterns are rebuilt from their definition; the lines of others are kept.
  std::vector<hatch::PatternLine> unit;
  AcGePoint2d origin;
  if (read.patternType_ == kUserDefined ||
      (read.patternType_ == kPreDefined && hatch::predefinedPattern(read.patternName_, unit))) {
    // The first line's base point tells where the pattern was placed.
    const std::vector<hatch::PatternLine> atZero = read.patternLines();
    if (!read.keptPattern_.empty() && !atZero.empty())
      origin = read.keptPattern_.front().base - atZero.front().base.asVector();
    read.keptPattern_.clear();
  }
  objectType_ = kHatchObject;
  associative_ = read.associative_;
  normal_ = read.normal_;
  elevation_ = read.elevation_;
  style_ = read.style_;
  patternType_ = read.patternType_;
  patternName_ = read.patternName_;
  patternAngle_ = read.patternAngle_;
  patternSpace_ = read.patternSpace_;
  patternScale_ = read.patternScale_;
  patternDouble_ = read.patternDouble_;
  origin_ = origin;
  keptPattern_ = std::move(read.keptPattern_);
  loops_ = std::move(read.loops_);
  seeds_ = std::move(read.seeds_);
  loopCurves_.clear();
  patternChanged();
  return Acad::eOk;
}
