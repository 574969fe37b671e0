#include "host/svg/svg_modeler_shapes.h"

#include <algorithm>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "host/svg/svg_entity_shapes.h"
#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/graphics/gi_world_draw.h"
#include "platform/cad/ge/ge_ecs.h"
#include "platform/cad/modeler/db_region.h"
#include "platform/cad/modeler/modeler_entity.h"

namespace {

// Takes the wires a modeler entity draws into an SVG path.
class EdgeRecorder : public AcGiWorldDraw, AcGiWorldGeometry, AcGiSubEntityTraits, AcGiContext {
 public:
  EdgeRecorder(const AcGeMatrix3d& xform, SvgPath& path) : xform_(xform), path_(path) {}

  AcGiRegenType regenType() const override { return kAcGiStandardDisplay; }
  Adesk::Boolean regenAbort() const override { return false; }
  AcGiSubEntityTraits& subEntityTraits() const override { return const_cast<EdgeRecorder&>(*this); }
  AcGiGeometry* rawGeometry() const override { return const_cast<EdgeRecorder*>(this); }
  AcGiWorldGeometry& geometry() const override { return const_cast<EdgeRecorder&>(*this); }
  Adesk::Boolean isDragging() const override { return false; }
  AcGiContext* context() override { return this; }
  Adesk::UInt32 numberOfIsolines() const override { return 0; }
  double deviation(const AcGiDeviationType, const AcGePoint3d&) const override { return 0.0; }

  Adesk::Boolean circle(const AcGePoint3d& center, const double radius, const AcGeVector3d& normal) const override {
    const AcGeVector3d n = normal.isZeroLength() ? AcGeVector3d::kZAxis : normal.normal();
    arc(center, acgeEcsXAxis(n) * radius, n.crossProduct(acgeEcsXAxis(n)) * radius, 2.0 * 3.14159265358979323846);
    path().close();
    return false;
  }
  Adesk::Boolean circularArc(const AcGePoint3d& center, const double radius, const AcGeVector3d& normal,
                             const AcGeVector3d& startVector, const double sweepAngle,
                             const AcGiArcType) const override {
    if (normal.isZeroLength() || startVector.isZeroLength()) return false;
    const AcGeVector3d u = startVector.normal() * radius;
    arc(center, u, normal.normal().crossProduct(u), sweepAngle);
    return false;
  }
  Adesk::Boolean polyline(const Adesk::UInt32 count, const AcGePoint3d* points, const AcGeVector3d*,
                          Adesk::LongPtr) const override {
    for (Adesk::UInt32 i = 0; i < count; ++i) {
      if (i == 0)
        path().moveTo(xform_ * points[i]);
      else
        path().lineTo(xform_ * points[i]);
    }
    return false;
  }
  Adesk::Boolean polygon(const Adesk::UInt32 count, const AcGePoint3d* points) const override {
    polyline(count, points, nullptr, -1);
    if (count > 0) path().close();
    return false;
  }
  // Faces are not asked for: a plan of edges. A mesh draws nothing here.
  Adesk::Boolean mesh(const Adesk::UInt32, const Adesk::UInt32, const AcGePoint3d*, const AcGiEdgeData*,
                      const AcGiFaceData*, const AcGiVertexData*, const bool) const override {
    return false;
  }
  // An entity that only has faces (a captured facet shell) shows their edges, each once.
  Adesk::Boolean shell(const Adesk::UInt32 nbVertex, const AcGePoint3d* points, const Adesk::UInt32 faceListSize,
                       const Adesk::Int32* faces, const AcGiEdgeData*, const AcGiFaceData* faceData,
                       const AcGiVertexData*, const resbuf*, const bool) const override {
    std::set<std::pair<Adesk::Int32, Adesk::Int32>> edges;
    for (Adesk::UInt32 at = 0; at < faceListSize;) {
      // A negative count starts a hole; its edges show the same way.
      const long long counted = faces[at];
      const long long corners = counted < 0 ? -counted : counted;
      if (corners < 2 || corners >= static_cast<long long>(faceListSize - at)) break;
      for (long long k = 0; k < corners; ++k) {
        const Adesk::Int32 a = faces[at + 1 + k], b = faces[at + 1 + (k + 1) % corners];
        if (a < 0 || b < 0 || static_cast<Adesk::UInt32>(a) >= nbVertex || static_cast<Adesk::UInt32>(b) >= nbVertex) {
          continue;
        }
        if (!edges.insert({std::min(a, b), std::max(a, b)}).second) continue;
        path().moveTo(xform_ * points[a]);
        path().lineTo(xform_ * points[b]);
      }
      at += static_cast<Adesk::UInt32>(corners) + 1;
      if (counted > 0) ++drawn_.faces;
    }
    drawn_.vertices += static_cast<int>(nbVertex);
    if (faceData != nullptr && faceData->colors() != nullptr && faceListSize > 0) {
      drawn_.colorIndex = faceData->colors()[0];
    }
    return false;
  }

  const DrawnFaces& drawnFaces() const { return drawn_; }

  void setColor(const Adesk::UInt16) override {}
  void setLayer(const AcDbObjectId) override {}
  void setLineType(const AcDbObjectId) override {}
  void setSelectionMarker(const Adesk::GsMarker) override {}
  void setFillType(const AcGiFillType) override {}
  void setLineWeight(const AcDb::LineWeight) override {}
  Adesk::UInt16 color() const override { return 256; }
  AcDbObjectId layerId() const override { return AcDbObjectId::kNull; }
  AcDbObjectId lineTypeId() const override { return AcDbObjectId::kNull; }
  AcGiFillType fillType() const override { return kAcGiFillNever; }
  AcDb::LineWeight lineWeight() const override { return AcDb::kLnWtByLayer; }

 private:
  SvgPath& path() const { return path_; }
  // Each edge starts a piece of its own.
  void arc(const AcGePoint3d& center, const AcGeVector3d& u, const AcGeVector3d& v, double sweep) const {
    path().moveTo(xform_ * (center + u));
    path().conicArcTo(xform_ * center, xform_ * u, xform_ * v, 0.0, sweep);
  }

  AcGeMatrix3d xform_;
  SvgPath& path_;
  mutable DrawnFaces drawn_;
};

// A region's boundary curves, exact; false (nothing drawn) when it cannot be exploded.
bool RegionCurvesPath(const AcDbRegion& region, const AcGeMatrix3d& xform, SvgPath& path) {
  AcDbVoidPtrArray pieces;
  if (region.explode(pieces) != Acad::eOk) return false;
  std::vector<std::unique_ptr<AcDbEntity>> owned;
  for (int i = 0; i < pieces.length(); ++i) owned.emplace_back(static_cast<AcDbEntity*>(pieces[i]));
  for (const auto& piece : owned) {
    if (AcDbCurve::cast(piece.get()) == nullptr && AcDbRegion::cast(piece.get()) == nullptr) return false;
  }
  for (const auto& piece : owned) {
    if (const AcDbCurve* curve = AcDbCurve::cast(piece.get())) {
      // Loops follow each other: the next one must not be joined to the last.
      AcGePoint3d start;
      if (curve->getStartPoint(start) == Acad::eOk) path.moveTo(xform * start);
      CurvePathOf(*curve, xform, path);
    } else {
      ModelerEdgePathOf(*piece, xform, path);  // a face of its own
    }
  }
  return true;
}

}  // namespace

bool ModelerEdgePathOf(const AcDbEntity& entity, const AcGeMatrix3d& xform, SvgPath& path) {
  const auto* modeler = dynamic_cast<const ModelerEntity*>(&entity);
  if (modeler == nullptr || modeler->hasForeignData()) return false;
  if (modeler->isNull()) return true;
  if (const AcDbRegion* region = AcDbRegion::cast(&entity)) {
    if (RegionCurvesPath(*region, xform, path)) return true;
  }
  // Drawing only reads the shape.
  EdgeRecorder recorder(xform, path);
  const_cast<ModelerEntity*>(modeler)->worldDraw(&recorder);
  return true;
}

bool WorldDrawPathOf(const AcDbEntity& entity, const AcGeMatrix3d& xform, SvgPath& path, DrawnFaces& faces) {
  SvgPath drawn;
  EdgeRecorder recorder(xform, drawn);
  // Drawing only reads the entity.
  const_cast<AcDbEntity&>(entity).worldDraw(&recorder);
  faces = recorder.drawnFaces();
  if (drawn.empty()) return false;
  path = std::move(drawn);
  return true;
}
