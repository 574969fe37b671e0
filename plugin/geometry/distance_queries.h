// How far apart outlines are, and how far a point or a straight move is from
// them. Distances are plan distances (X, Y); Z is ignored. The id-list forms that
// take their list by value free it before they return.
#pragma once

#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/cad/curve/box_tree.h"
#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point3d.h"
#include "plugin/geometry/plan_outline.h"

class AcDbPolyline;

// What a least distance starts at; a result still equal to it measured nothing.
constexpr double kNoPolylineDistance = 99999.0;
constexpr double kNoListDistance = 9999.0;

// Least distance over all segment pairs (kNoPolylineDistance when either has no
// segment). False when the id is no lightweight polyline or cannot be opened.
bool DistancePolylineObjectToPolyline(const AcDbPolyline* polyline, AcDbObjectId otherId, double& distance);
// Least over the list; false as soon as one query fails, or when nothing was measured.
bool MinDistancePolylineObjectToPolylines(const AcDbPolyline* polyline, AcDbObjectIdArray others, double& distance);
bool MinDistancePolylineToPolylines(AcDbObjectId id, AcDbObjectIdArray others, double& distance);
bool DistancePolylineToPolyline(AcDbObjectId first, AcDbObjectId second, double& distance);

// False when the id is no lightweight polyline or cannot be opened.
bool DistancePointToPolyline(const AcGePoint3d& point, AcDbObjectId id, double& distance);
// A move of no length is measured as its point.
bool DistanceSegmentToPolyline(const AcGePoint3d& from, const AcGePoint3d& to, AcDbObjectId id, double& distance);

// Least over the polylines that could be measured; true when one was. With
// nothing measured the distance is kNoListDistance.
bool MinDistancePointToPolylines(const AcGePoint3d& point, const AcDbObjectIdArray& ids, double& distance);
bool MinDistanceSegmentToPolylines(const AcGePoint3d& from, const AcGePoint3d& to, const AcDbObjectIdArray& ids,
                                   double& distance);

// The nearest listed polyline; of equal distances the first wins. False, with a
// null id and kNoPolylineDistance, when no listed polyline could be measured.
bool FindNearestPolyline(const AcGePoint3d& point, AcDbObjectIdArray ids, AcDbObjectId& nearest, double& distance);

// Outlines read once for a stretch of work in which they do not change (the
// references of one pocket step), found by id.
class OutlineStore {
 public:
  explicit OutlineStore(const AcDbObjectIdArray& ids);
  // Null for an id not stored or not readable as a polyline.
  const PlanOutline* find(AcDbObjectId id) const;

 private:
  std::unordered_map<AcDbObjectId, PlanOutline> outlines_;
};

// Outlines measured against many: each outline's segments boxed once, and the
// outlines pruned by their boxes against the best distance found. Ids in the store
// are taken from it, the others read.
class OutlineSet {
 public:
  explicit OutlineSet(const AcDbObjectIdArray& ids, const OutlineStore* store = nullptr);
  OutlineSet(const OutlineSet&) = delete;
  OutlineSet& operator=(const OutlineSet&) = delete;

  // As MinDistancePolylineToPolylines(id, ids, distance).
  bool leastDistanceTo(AcDbObjectId id, double& distance) const;
  // Whether the polyline comes within limit of some outline, without finding how
  // near; false when MinDistancePolylineToPolylines would fail.
  bool comesWithin(AcDbObjectId id, double limit, bool& within) const;
  // As MinDistancePointToPolylines(point, ids, distance).
  bool leastDistanceTo(const AcGePoint3d& point, double& distance) const;

 private:
  const PlanOutline& at(int index) const { return *outlines_[static_cast<std::size_t>(index)]; }

  std::vector<PlanOutline> read_;
  std::vector<const PlanOutline*> outlines_;
  // Some id could not be read as a polyline; no outline has a segment.
  bool unreadable_ = false;
  bool allEmpty_ = true;
  std::optional<curve::BoxTree> tree_;
};
