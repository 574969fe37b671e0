#include "plugin/geometry/distance_queries.h"

#include <algorithm>
#include <functional>

#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/ge/curves/ge_curve2d.h"
#include "platform/cad/ge/curves/ge_line.h"
#include "plugin/geometry/polyline/polyline_segments.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

// Owns the segment objects made for one query.
class SegmentList {
 public:
  explicit SegmentList(const AcDbPolyline* polyline) { GetPolylineSegments2d(polyline, segments_); }
  ~SegmentList() { DeletePolylineSegments2d(segments_); }
  SegmentList(const SegmentList&) = delete;
  SegmentList& operator=(const SegmentList&) = delete;

  int size() const { return segments_.length(); }
  const AcGeCurve2d& at(int i) const { return *static_cast<const AcGeCurve2d*>(segments_[i]); }

  double leastDistance(const std::function<double(const AcGeCurve2d&)>& measure) const {
    double least = kNoPolylineDistance;
    for (int i = 0; i < size(); ++i) least = std::min(least, measure(at(i)));
    return least;
  }

 private:
  PolylineSegments2d segments_;
};

AcGePoint2d Plan(const AcGePoint3d& point) { return AcGePoint2d(point.x, point.y); }

// Opens a lightweight polyline for read; the kind is checked on the entity so
// that another kind of object fails like one that cannot be opened.
bool OpenPolyline(OpenedObject<AcDbEntity>& entity, AcDbObjectId id, const AcDbPolyline*& polyline) {
  polyline = nullptr;
  if (entity.open(id, AcDb::kForRead) != Acad::eOk) return false;
  if (EntityKindCodeOf(entity.object()) != kEntityPolyline) return false;
  polyline = AcDbPolyline::cast(entity.object());
  return polyline != nullptr;
}

using PolylineMeasure = std::function<bool(AcDbObjectId, double&)>;

// Least over the ids whose measure succeeds; false when none did.
bool LeastOverList(const AcDbObjectIdArray& ids, const PolylineMeasure& measure, double& distance) {
  bool measured = false;
  distance = kNoListDistance;
  for (int i = 0; i < ids.length(); ++i) {
    double d = 0.0;
    if (!measure(ids[i], d) || d >= kNoPolylineDistance) continue;
    distance = measured ? std::min(distance, d) : d;
    measured = true;
  }
  return measured;
}

}  // namespace

bool DistancePolylineObjectToPolyline(const AcDbPolyline* polyline, AcDbObjectId otherId, double& distance) {
  if (polyline == nullptr) return false;
  OpenedObject<AcDbEntity> entity;
  const AcDbPolyline* other = nullptr;
  if (!OpenPolyline(entity, otherId, other)) {
    if (entity.openStatus() != Acad::eOk) acutPrintf("\n Can not open polyline 1");
    return false;
  }
  const SegmentList mine(polyline);
  const SegmentList theirs(other);
  distance = mine.leastDistance([&](const AcGeCurve2d& a) {
    return theirs.leastDistance([&](const AcGeCurve2d& b) { return a.distanceTo(b); });
  });
  return true;
}

bool MinDistancePolylineObjectToPolylines(const AcDbPolyline* polyline, AcDbObjectIdArray others, double& distance) {
  double least = kNoPolylineDistance;
  for (int i = 0; i < others.length(); ++i) {
    double d = 0.0;
    if (!DistancePolylineObjectToPolyline(polyline, others[i], d)) return false;
    least = std::min(least, d);
  }
  distance = least;
  return least < kNoPolylineDistance;
}

bool MinDistancePolylineToPolylines(AcDbObjectId id, AcDbObjectIdArray others, double& distance) {
  OpenedObject<AcDbEntity> entity;
  const AcDbPolyline* polyline = nullptr;
  if (!OpenPolyline(entity, id, polyline)) {
    if (entity.openStatus() != Acad::eOk) acutPrintf("\n Can not open polyline 4");
    return false;
  }
  return MinDistancePolylineObjectToPolylines(polyline, others, distance);
}

bool DistancePolylineToPolyline(AcDbObjectId first, AcDbObjectId second, double& distance) {
  OpenedObject<AcDbEntity> entity;
  const AcDbPolyline* polyline = nullptr;
  if (!OpenPolyline(entity, first, polyline)) {
    if (entity.openStatus() != Acad::eOk) acutPrintf("\n Can not open polyline 4");
    return false;
  }
  return DistancePolylineObjectToPolyline(polyline, second, distance);
}

bool DistancePointToPolyline(const AcGePoint3d& point, AcDbObjectId id, double& distance) {
  OpenedObject<AcDbEntity> entity;
  const AcDbPolyline* polyline = nullptr;
  if (!OpenPolyline(entity, id, polyline)) return false;
  const SegmentList segments(polyline);
  const AcGePoint2d plan = Plan(point);
  distance = segments.leastDistance([&](const AcGeCurve2d& s) { return s.distanceTo(plan); });
  return true;
}

bool DistanceSegmentToPolyline(const AcGePoint3d& from, const AcGePoint3d& to, AcDbObjectId id, double& distance) {
  OpenedObject<AcDbEntity> entity;
  const AcDbPolyline* polyline = nullptr;
  if (!OpenPolyline(entity, id, polyline)) {
    acutPrintf("\n Can not open polyline 3");
    return false;
  }
  const SegmentList segments(polyline);
  const AcGePoint2d start = Plan(from);
  const AcGePoint2d end = Plan(to);
  if (start == end) {
    distance = segments.leastDistance([&](const AcGeCurve2d& s) { return s.distanceTo(start); });
    return true;
  }
  const AcGeLineSeg2d move(start, end);
  distance = segments.leastDistance([&](const AcGeCurve2d& s) { return move.distanceTo(s); });
  return true;
}

bool MinDistancePointToPolylines(const AcGePoint3d& point, const AcDbObjectIdArray& ids, double& distance) {
  return LeastOverList(
      ids, [&](AcDbObjectId id, double& d) { return DistancePointToPolyline(point, id, d); }, distance);
}

bool MinDistanceSegmentToPolylines(const AcGePoint3d& from, const AcGePoint3d& to, const AcDbObjectIdArray& ids,
                                   double& distance) {
  return LeastOverList(
      ids, [&](AcDbObjectId id, double& d) { return DistanceSegmentToPolyline(from, to, id, d); }, distance);
}

bool FindNearestPolyline(const AcGePoint3d& point, AcDbObjectIdArray ids, AcDbObjectId& nearest, double& distance) {
  nearest.setNull();
  distance = kNoPolylineDistance;
  for (int i = 0; i < ids.length(); ++i) {
    double d = 0.0;
    if (!DistancePointToPolyline(point, ids[i], d) || d >= distance) continue;
    distance = d;
    nearest = ids[i];
  }
  return !nearest.isNull();
}
