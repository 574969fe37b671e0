// Where the tool centre may travel at cutting depth: inside the level's
// outline (the boundary taken in by the tool radius and allowance, the islands
// grown by it). Links between passes are tested against it before they are cut.
#pragma once

#include <vector>

#include "platform/cad/curve/box_tree.h"
#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/db_object_id.h"

class PocketLinkArea {
 public:
  PocketLinkArea() : tree_({}) {}
  // Closed loops; any orientation, holes by the even-odd rule.
  explicit PocketLinkArea(const std::vector<curve::BulgePath>& loops);
  // The closed polylines of the list; points and other entities are passed over.
  static PocketLinkArea FromPolylines(const AcDbObjectIdArray& ids);

  bool empty() const { return segments_.empty(); }
  // On the outline counts as inside.
  bool contains(const AcGePoint2d& point) const;
  // The straight move crosses no outline and lies inside. Touching the outline
  // at its own ends is allowed, since passes start and end on it.
  bool holdsStraightMove(const AcGePoint2d& from, const AcGePoint2d& to) const;
  // Least distance to the outline; bound when nothing is nearer.
  double distanceTo(const AcGePoint2d& point, double bound) const;
  // Whether distanceTo(point) + added <= limit, asked as yes or no: the walk stops
  // at the first segment near enough.
  bool comesWithin(const AcGePoint2d& point, double limit, double added = 0.0) const;

 private:
  static std::vector<curve::Box2> BoxesOf(const std::vector<curve::BulgeSeg>& segments);

  std::vector<curve::BulgeSeg> segments_;
  curve::Box2 extents_;
  curve::BoxTree tree_;
};
