// A polyline's plan outline read once for many distance queries: its segments
// boxed once, and a tree over the boxes when they are many, so that a query
// weighs only the pairs whose boxes lie nearer than the best found so far.
#pragma once

#include <optional>
#include <vector>

#include "platform/cad/curve/box_tree.h"
#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/db_object_id.h"

class AcDbPolyline;

class PlanOutline {
 public:
  PlanOutline() = default;
  explicit PlanOutline(const AcDbPolyline& polyline);

  // False when the id is no lightweight polyline or cannot be opened.
  bool read(AcDbObjectId id);

  bool empty() const { return segments_.empty(); }
  const curve::Box2& box() const { return box_; }
  // The area enclosed (closed as the polyline's own area takes it), and the first vertex.
  double area() const { return area_; }
  const AcGePoint2d& start() const { return start_; }
  // Whether containment can be judged in these plan coordinates: the polyline lies
  // in a plane facing up.
  bool facesUp() const { return facesUp_; }

  // Whether the point lies inside by the even-odd rule, as IsPointInsidePolyline
  // judges it; only the segments whose boxes meet the ray to its right are weighed.
  bool holds(AcGePoint2d point) const;

  // Least distance over all segment pairs; `none` when either has no segment.
  double distanceTo(const PlanOutline& other, double none) const;
  // Whether some pair of segments lies no farther apart than limit, pairs meeting
  // within tol counting as meeting.
  bool reaches(const PlanOutline& other, double limit, double tol) const;
  // Least distance from the point or the move; `none` without segments.
  double distanceTo(const AcGePoint2d& point, double none) const;
  double distanceTo(const curve::BulgeSeg& move, double none) const;

 private:
  void index();
  // Calls visit(i) for the segments whose boxes lie nearer to the box than reach(),
  // asked again for every segment, while visit returns true.
  template <class Reach, class Visit>
  bool visitNear(const curve::Box2& box, Reach&& reach, Visit&& visit) const;

  // The segments of each vertex in order, arcs included, and the chord that closes
  // an open outline for the even-odd rule.
  std::vector<curve::BulgeSeg> segments_;
  std::optional<curve::BulgeSeg> closingChord_;
  double area_ = 0.0;
  AcGePoint2d start_;
  bool facesUp_ = true;
  int vertexCount_ = 0;
  std::vector<curve::Box2> boxes_;
  curve::Box2 box_;
  std::optional<curve::BoxTree> tree_;
};
