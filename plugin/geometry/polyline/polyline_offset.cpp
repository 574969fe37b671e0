#include "plugin/geometry/polyline/polyline_offset.h"

#include <cmath>
#include <memory>
#include <vector>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/db.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/error_status.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/ge/curves/ge_curve2d.h"
#include "platform/cad/ge/ge_tol.h"
#include "plugin/geometry/composite_curves.h"
#include "plugin/geometry/curve_containment.h"
#include "plugin/geometry/distance_queries.h"
#include "plugin/geometry/offset_duplicates.h"
#include "plugin/geometry/polyline/polyline_cleanup.h"
#include "plugin/geometry/polyline/polyline_corners.h"
#include "plugin/geometry/polyline/polyline_intersections.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/geometry/polyline/polyline_reshape.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

int OffsetRetryLevel = 99999;

namespace {

constexpr double kMinimumArea = 0.1;
constexpr double kNoDistance = 999999.0;
constexpr double kLengthAllowance = 1000.0;

// Curves the host handed back; whatever was not taken over is deleted.
struct HostCurves {
  AcDbVoidPtrArray items;
  HostCurves() = default;
  HostCurves(const HostCurves&) = delete;
  HostCurves& operator=(const HostCurves&) = delete;
  ~HostCurves() {
    for (void* item : items) delete static_cast<AcDbEntity*>(item);
  }
  AcDbEntity* at(int i) { return static_cast<AcDbEntity*>(items[i]); }
  void release(int i) { items[i] = nullptr; }
};

struct GeCurves {
  AcGeVoidPointerArray items;
  GeCurves() = default;
  GeCurves(const GeCurves&) = delete;
  GeCurves& operator=(const GeCurves&) = delete;
  ~GeCurves() {
    for (void* item : items) delete static_cast<AcGeCurve2d*>(item);
  }
};

AcDbObjectId CloneIntoModelSpace(AcDbObjectId sourceId) {
  OpenedObject<AcDbEntity> copy;  // deleted unless the drawing takes it
  {
    OpenedObject<AcDbEntity> source(sourceId, AcDb::kForRead);
    if (source.openStatus() != Acad::eOk) return {};
    AcDbEntity* clone = AcDbEntity::cast(source->clone());
    if (copy.acquire(clone) != Acad::eOk) return {};
  }
  AcDbObjectId copyId;
  if (AddEntityToModelSpace(copy, copyId) != 1) return {};
  return copyId;
}

bool ReadCurveArea(AcDbObjectId id, double& area) {
  OpenedObject<AcDbCurve> curve(id, AcDb::kForRead);
  if (curve.openStatus() != Acad::eOk) return false;
  return curve->getArea(area) == Acad::eOk;
}

// Vertex count and area of the cleaned copy; false when it is no polyline or
// has no area to read.
bool ReadOutline(AcDbObjectId id, int& vertexCount, double& area) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
  if (entity.openStatus() != Acad::eOk) return false;
  const AcDbPolyline* polyline = AcDbPolyline::cast(entity);
  const bool ok = polyline != nullptr && polyline->getArea(area) == Acad::eOk;
  if (polyline != nullptr) vertexCount = static_cast<int>(polyline->numVerts());
  return ok;
}

Acad::ErrorStatus HostOffset(AcDbObjectId cloneId, double distance, HostCurves& curves) {
  OpenedObject<AcDbPolyline> polyline(cloneId, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) return polyline.openStatus();
  return polyline->getOffsetCurves(distance, curves.items);
}

// An empty offset often means edges running parallel exactly at the distance:
// they are nudged apart and the offset is tried once more.
Acad::ErrorStatus NudgedOffset(AcDbObjectId cloneId, double distance, HostCurves& curves, bool dropClosingVertex) {
  OpenedObject<AcDbPolyline> polyline(cloneId, AcDb::kForWrite);
  if (polyline.openStatus() != Acad::eOk) return polyline.openStatus();
  if (dropClosingVertex) RemoveClosingVertex(polyline, 0.001);
  if (!NudgeParallelVertices(polyline, std::fabs(distance))) return Acad::eOk;
  return polyline->getOffsetCurves(distance, curves.items);
}

// The retrying offset of one cleaned copy: each attempt starts the copy one
// vertex further on, the last few split every segment, and only loops that pass
// the length, distance, crossing and area checks end an attempt as good.
class OffsetAttempts {
 public:
  OffsetAttempts(AcDbObjectId cloneId, double distance, int vertexCount, double area)
      : clone_(cloneId),
        distance_(distance),
        band_(std::fabs(distance)),
        vertexCount_(vertexCount),
        area_(area),
        length_(GetPolylineLength(cloneId)) {}

  void run() {
    bool again = true;
    while (attempt_ < vertexCount_ + 3) {
      ++attempt_;
      if (attempt_ >= vertexCount_) SplitSegmentsAtMidpoints(clone_);
      HostCurves curves;
      Acad::ErrorStatus status = HostOffset(clone_, distance_, curves);
      if (early() && status == Acad::eOk && curves.items.isEmpty()) {
        RemoveCollinearVertices(clone_, 0.001);
        status = NudgedOffset(clone_, distance_, curves, true);
      }
      if (status == Acad::eOk && curves.items.isEmpty() && band_ * length_ >= area_) break;
      // An outline that crosses itself crosses itself from every start.
      if (status == Acad::eInvalidInput) break;
      if (status != Acad::eOk || curves.items.isEmpty()) {
        rotateStart();
        if (again) continue;
        break;
      }
      again = !takeClosedLoops(curves);
      if (dropImplausibleLoops()) again = true;
      if (!current_.isEmpty() && !areaBalanced()) again = true;
      if (!again) break;
      accumulated_.append(current_);
      rotateStart();
    }
  }

  int attempts() const { return attempt_; }
  int vertexCount() const { return vertexCount_; }
  AcDbObjectIdArray& current() { return current_; }
  AcDbObjectIdArray& accumulated() { return accumulated_; }

 private:
  bool early() const { return attempt_ < vertexCount_; }

  void rotateStart() {
    if (early()) SetPolylineStartVertex(clone_, 1.0, 0);
  }

  // False when a curve came back open: the attempt's loops are then erased.
  bool takeClosedLoops(HostCurves& curves) {
    current_.setLogicalLength(0);
    for (int i = 0; i < curves.items.length(); ++i) {
      const AcDbCurve* curve = AcDbCurve::cast(curves.at(i));
      if (curve == nullptr || !curve->isClosed()) {
        EraseEntityArray(current_);
        return false;
      }
      AcDbObjectId loopId;
      if (AppendToModelSpace(curves.at(i), loopId) != Acad::eOk) continue;
      curves.release(i);
      current_.append(loopId);
    }
    return true;
  }

  bool implausible(AcDbObjectId loopId) const {
    if (GetPolylineLength(loopId) > 2.0 * length_ + kLengthAllowance) return true;
    double gap = kNoDistance;
    if (!DistancePolylineToPolyline(clone_, loopId, gap)) gap = kNoDistance;
    if (gap > 2.0 * band_) return true;
    AcGePoint3dArray crossings;
    return PolylinesIntersect(clone_, loopId, crossings) > 0;
  }

  bool dropImplausibleLoops() {
    bool dropped = false;
    int i = 0;
    while (i < current_.length()) {
      if (implausible(current_[i])) {
        EraseObject(current_[i]);
        current_.removeAt(i);
        dropped = true;
      } else {
        ++i;
      }
    }
    return dropped;
  }

  // The loops must cover about the area that the band leaves of the outline;
  // a loop inside another counts as a hole of it.
  bool areaBalanced() const {
    const int count = current_.length();
    std::vector<double> lengths(count), areas(count, 0.0);
    double totalArea = 0.0, totalLength = 0.0;
    for (int i = 0; i < count; ++i) {
      lengths[i] = GetPolylineLength(current_[i]);
      if (!ReadCurveArea(current_[i], areas[i])) areas[i] = 0.0;
      totalArea += areas[i];
      totalLength += lengths[i];
    }
    for (int j = 0; j < count; ++j)
      for (int i = 0; i < count; ++i)
        if (i != j && ClassifyCurveContainment(current_[j], current_[i]) == 1) {
          totalArea -= band_ * lengths[i] + areas[i];
          totalLength -= lengths[i];
        }
    if (area_ > totalArea) return !(area_ - band_ * length_ > totalArea);
    return !(totalArea - 2.0 * band_ * totalLength > area_);
  }

  AcDbObjectId clone_;
  double distance_;
  double band_;
  int vertexCount_;
  double area_;
  double length_;
  int attempt_ = 0;
  AcDbObjectIdArray current_;
  AcDbObjectIdArray accumulated_;
};

// Loops of earlier attempts join the last ones when both exist; repeats go.
void SettleLoops(OffsetAttempts& attempts, double distance) {
  AcDbObjectIdArray& current = attempts.current();
  AcDbObjectIdArray& accumulated = attempts.accumulated();
  if (!accumulated.isEmpty() && !current.isEmpty()) {
    accumulated.append(current);
    RemoveDuplicateOffsetLoops(accumulated, distance);
    current = accumulated;
  } else {
    EraseEntityArray(accumulated);
  }
}

}  // namespace

bool OffsetPolyline(AcDbObjectId sourceId, AcDbObjectIdArray& result, double distance, double elevation,
                    unsigned char side) {
  return OffsetPolylineEx(-1, sourceId, result, distance, elevation, side);
}

bool OffsetPolylineEx(int statusValue, AcDbObjectId sourceId, AcDbObjectIdArray& result, double distance,
                      double elevation, unsigned char side) {
  result.setLogicalLength(0);
  const AcDbObjectId clone = CloneIntoModelSpace(sourceId);
  if (clone.isNull()) return false;
  SetPolylineElevation(clone, 0.0);
  SharpenSmallArcs(clone, distance, side);
  RemoveCollinearVertices(clone, 0.0001);
  CloseWithTolerance(clone, 0.001);
  const double signedDistance = side == 1 ? -distance : distance;

  int vertexCount = 0;
  double area = 0.0;
  if (!ReadOutline(clone, vertexCount, area) || area < kMinimumArea) {
    EraseObject(clone);
    return false;
  }
  OffsetAttempts attempts(clone, signedDistance, vertexCount, area);
  attempts.run();
  if (attempts.attempts() >= 2 && statusValue > 0 && statusValue < OffsetRetryLevel) OffsetRetryLevel = statusValue;
  SettleLoops(attempts, signedDistance);
  EraseObject(clone);

  AcDbObjectIdArray& loops = attempts.current();
  if (loops.isEmpty()) return false;
  RemoveDuplicateVerticesInList(loops);
  if (attempts.attempts() > attempts.vertexCount()) RemoveCoCircularVerticesInList(loops);
  for (const AcDbObjectId& loopId : loops) {
    SetPolylineElevation(loopId, elevation);
    result.append(loopId);
  }
  return true;
}

bool OffsetPolylineSimple(AcDbObjectId sourceId, AcDbObjectIdArray& result, double distance, double elevation,
                          unsigned char side) {
  result.setLogicalLength(0);
  const AcDbObjectId clone = CloneIntoModelSpace(sourceId);
  if (clone.isNull()) return false;
  SharpenSmallArcs(clone, distance, side);
  RemoveCollinearVerticesOpen(clone, 0.0001);
  SetPolylineElevation(clone, elevation);
  if (!IsPolylineEntity(clone)) {
    EraseObject(clone);
    return false;
  }
  if (side == 1) distance = -distance;
  HostCurves curves;
  Acad::ErrorStatus status = HostOffset(clone, distance, curves);
  if (status == Acad::eOk && curves.items.isEmpty()) status = NudgedOffset(clone, distance, curves, false);
  EraseObject(clone);
  if (status != Acad::eOk) {
    acutPrintf("\nERROR: %s", acadErrorStatusText(status));
    return false;
  }
  for (int i = 0; i < curves.items.length(); ++i) {
    if (AcDbPolyline* polyline = AcDbPolyline::cast(curves.at(i))) polyline->setElevation(elevation);
    AcDbObjectId pieceId;
    if (AppendToModelSpace(curves.at(i), pieceId) != Acad::eOk) continue;
    curves.release(i);
    result.append(pieceId);
  }
  return !result.isEmpty();
}

bool OffsetPolylineTrimmed(AcDbObjectId sourceId, AcDbObjectId& resultId, double distance) {
  double elevation = 0.0;
  AcDbObjectId clone;
  if (!GetPolylineElevation(sourceId, elevation) || !ClonePolylineAtElevation(sourceId, clone, elevation)) return false;
  SetPolylineStartVertex(clone, 0.5, 1);
  if (SetPolylineStartVertex(clone, 0.01, 1)) SetPolylineClosed(clone, false);

  AcGeCurve2d* path = nullptr;
  {
    OpenedObject<AcDbPolyline> polyline(clone, AcDb::kForRead);
    if (polyline.openStatus() == Acad::eOk) PolylineToCompositeCurve(polyline, path);
  }
  EraseObject(clone);
  const std::unique_ptr<AcGeCurve2d> ownedPath(path);
  if (path == nullptr) return false;

  GeCurves offsets;
  path->getTrimmedOffset(distance, offsets.items, AcGe::kFillet, AcGeContext::gTol);
  // One curve is expected; where a nearly straight joint adds slivers, the
  // offset of the whole outline is the longest curve.
  const AcGeCurve2d* longest = nullptr;
  for (void* item : offsets.items) {
    const auto* curve = static_cast<const AcGeCurve2d*>(item);
    if (longest == nullptr || curve->length() > longest->length()) longest = curve;
  }
  if (longest == nullptr) return false;
  AcDbPolyline* made = nullptr;
  const bool converted = CompositeCurveToPolyline(longest, made);
  std::unique_ptr<AcDbPolyline> loop(made);
  if (!converted || loop == nullptr) return false;
  loop->setElevation(elevation);
  AcDbObjectId madeId;
  if (AppendToModelSpace(loop.get(), madeId) != Acad::eOk) return false;
  loop.release();
  SetPolylineClosed(madeId, true);
  resultId = madeId;
  return true;
}

bool GetCurveMidPoint(AcDbObjectId curveId, AcGePoint3d& point) {
  OpenedObject<AcDbEntity> entity(curveId, AcDb::kForRead);
  if (entity.openStatus() != Acad::eOk) return false;
  const AcDbCurve* curve = AcDbCurve::cast(entity);
  double endParam = 0.0, length = 0.0;
  return curve != nullptr && curve->getEndParam(endParam) == Acad::eOk &&
         curve->getDistAtParam(endParam, length) == Acad::eOk &&
         curve->getPointAtDist(length * 0.5, point) == Acad::eOk;
}
