#include "plugin/geometry/distance_queries.h"

#include <algorithm>
#include <functional>

#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/ge/ge_tol.h"
#include "plugin/geometry/plan_outline.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

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

// The outline of the id; false (with the message when it cannot be opened) else.
bool ReadOutline(AcDbObjectId id, PlanOutline& outline, const char* openFailure) {
  OpenedObject<AcDbEntity> entity;
  const AcDbPolyline* polyline = nullptr;
  if (!OpenPolyline(entity, id, polyline)) {
    if (openFailure != nullptr && entity.openStatus() != Acad::eOk) acutPrintf("%s", openFailure);
    return false;
  }
  outline = PlanOutline(*polyline);
  return true;
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

bool LeastToOutlines(const PlanOutline& mine, const AcDbObjectIdArray& others, double& distance) {
  double least = kNoPolylineDistance;
  for (int i = 0; i < others.length(); ++i) {
    PlanOutline theirs;
    if (!ReadOutline(others[i], theirs, "\n Can not open polyline 1")) return false;
    least = std::min(least, mine.distanceTo(theirs, kNoPolylineDistance));
  }
  distance = least;
  return least < kNoPolylineDistance;
}

}  // namespace

bool DistancePolylineObjectToPolyline(const AcDbPolyline* polyline, AcDbObjectId otherId, double& distance) {
  if (polyline == nullptr) return false;
  PlanOutline theirs;
  if (!ReadOutline(otherId, theirs, "\n Can not open polyline 1")) return false;
  distance = PlanOutline(*polyline).distanceTo(theirs, kNoPolylineDistance);
  return true;
}

bool MinDistancePolylineObjectToPolylines(const AcDbPolyline* polyline, AcDbObjectIdArray others, double& distance) {
  if (polyline == nullptr) return false;
  return LeastToOutlines(PlanOutline(*polyline), others, distance);
}

bool MinDistancePolylineToPolylines(AcDbObjectId id, AcDbObjectIdArray others, double& distance) {
  PlanOutline mine;
  if (!ReadOutline(id, mine, "\n Can not open polyline 4")) return false;
  return LeastToOutlines(mine, others, distance);
}

bool DistancePolylineToPolyline(AcDbObjectId first, AcDbObjectId second, double& distance) {
  PlanOutline mine, theirs;
  if (!ReadOutline(first, mine, "\n Can not open polyline 4")) return false;
  if (!ReadOutline(second, theirs, "\n Can not open polyline 1")) return false;
  distance = mine.distanceTo(theirs, kNoPolylineDistance);
  return true;
}

bool DistancePointToPolyline(const AcGePoint3d& point, AcDbObjectId id, double& distance) {
  PlanOutline outline;
  if (!ReadOutline(id, outline, nullptr)) return false;
  distance = outline.distanceTo(Plan(point), kNoPolylineDistance);
  return true;
}

bool DistanceSegmentToPolyline(const AcGePoint3d& from, const AcGePoint3d& to, AcDbObjectId id, double& distance) {
  PlanOutline outline;
  if (!ReadOutline(id, outline, nullptr)) {
    acutPrintf("\n Can not open polyline 3");
    return false;
  }
  const AcGePoint2d start = Plan(from);
  const AcGePoint2d end = Plan(to);
  // A move of no length is measured as its point.
  distance = start == end ? outline.distanceTo(start, kNoPolylineDistance)
                          : outline.distanceTo(curve::BulgeSeg{start, end, 0.0}, kNoPolylineDistance);
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

namespace {

// Below this many outlines a scan of their boxes beats a tree.
constexpr std::size_t kOutlineTreeFrom = 16;

}  // namespace

OutlineStore::OutlineStore(const AcDbObjectIdArray& ids) {
  outlines_.reserve(static_cast<std::size_t>(ids.length()));
  for (const AcDbObjectId& id : ids) {
    PlanOutline outline;
    if (outlines_.count(id) == 0 && ReadOutline(id, outline, nullptr)) outlines_.emplace(id, std::move(outline));
  }
}

const PlanOutline* OutlineStore::find(AcDbObjectId id) const {
  const auto found = outlines_.find(id);
  return found == outlines_.end() ? nullptr : &found->second;
}

OutlineSet::OutlineSet(const AcDbObjectIdArray& ids, const OutlineStore* store) {
  read_.reserve(static_cast<std::size_t>(ids.length()));
  std::vector<curve::Box2> boxes;
  for (const AcDbObjectId& id : ids) {
    const PlanOutline* stored = store != nullptr ? store->find(id) : nullptr;
    if (stored == nullptr) {
      PlanOutline outline;
      if (!ReadOutline(id, outline, "\n Can not open polyline 1")) {
        unreadable_ = true;
        continue;
      }
      // Reserved for every id: the pointers stay valid.
      read_.push_back(std::move(outline));
      stored = &read_.back();
    }
    boxes.push_back(stored->box());
    outlines_.push_back(stored);
    allEmpty_ = allEmpty_ && stored->empty();
  }
  if (outlines_.size() >= kOutlineTreeFrom) tree_.emplace(std::move(boxes));
}

bool OutlineSet::leastDistanceTo(AcDbObjectId id, double& distance) const {
  PlanOutline mine;
  if (!ReadOutline(id, mine, "\n Can not open polyline 4") || unreadable_) return false;
  double least = kNoPolylineDistance;
  auto measure = [&](const PlanOutline& theirs) {
    least = std::min(least, mine.distanceTo(theirs, kNoPolylineDistance));
    return least > 0.0;
  };
  if (tree_ && !mine.empty()) {
    // The outline nearest to one point bounds the search; outlines whose boxes lie
    // farther than the best found so far are passed over.
    const AcGePoint2d start = mine.start();
    least = tree_->nearest(start, least, [&](int i) { return at(i).distanceTo(start, kNoPolylineDistance); });
    const curve::Box2 box = mine.box();
    tree_->queryUntil(box.grown(least), [&](int i) {
      if (!box.grown(least).overlaps(at(i).box())) return true;
      return measure(at(i));
    });
  } else {
    for (const PlanOutline* theirs : outlines_)
      if (!measure(*theirs)) break;
  }
  distance = least;
  return least < kNoPolylineDistance;
}

bool OutlineSet::comesWithin(AcDbObjectId id, double limit, bool& within) const {
  PlanOutline mine;
  if (!ReadOutline(id, mine, "\n Can not open polyline 4") || unreadable_ || mine.empty() || allEmpty_) return false;
  const double tol = AcGeContext::gTol.equalPoint();
  const curve::Box2 reach = mine.box().grown(std::max(limit, 0.0));
  auto apart = [&](const PlanOutline& theirs) { return !reach.overlaps(theirs.box()) || !mine.reaches(theirs, limit, tol); };
  if (tree_) {
    within = !tree_->queryUntil(reach, [&](int i) { return apart(at(i)); });
  } else {
    within = !std::all_of(outlines_.begin(), outlines_.end(), [&](const PlanOutline* theirs) { return apart(*theirs); });
  }
  return true;
}

bool OutlineSet::leastDistanceTo(const AcGePoint3d& point, double& distance) const {
  bool measured = false;
  distance = kNoListDistance;
  for (const PlanOutline* outline : outlines_) {
    const double d = outline->distanceTo(Plan(point), kNoPolylineDistance);
    if (d >= kNoPolylineDistance) continue;
    distance = measured ? std::min(distance, d) : d;
    measured = true;
  }
  return measured;
}
