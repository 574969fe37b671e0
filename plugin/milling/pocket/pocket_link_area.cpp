#include "plugin/milling/pocket/pocket_link_area.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/curve/segment_intersect.h"
#include "plugin/milling/pocket/pocket_plan_paths.h"

namespace {

constexpr double kOnOutline = 1e-6;
constexpr double kHitTolerance = 1e-9;
// Keeps the inside ray off vertices that lie level with the point.
constexpr double kRaySlope = 1.234567e-4;
// Boxes are passed over only when farther than this past the limit, so that
// rounding in their bounds never hides a segment the limit takes in.
constexpr double kBoxSlack = 1e-6;

std::vector<curve::BulgeSeg> SegmentsOf(const std::vector<curve::BulgePath>& loops) {
  std::vector<curve::BulgeSeg> segments;
  for (const curve::BulgePath& loop : loops) {
    curve::BulgePath closed = loop;
    closed.closed = true;
    for (const curve::BulgeSeg& segment : closed.segments())
      if (segment.start.distanceTo(segment.end) > 0.0) segments.push_back(segment);
  }
  return segments;
}

}  // namespace

std::vector<curve::Box2> PocketLinkArea::BoxesOf(const std::vector<curve::BulgeSeg>& segments) {
  std::vector<curve::Box2> boxes;
  boxes.reserve(segments.size());
  for (const curve::BulgeSeg& segment : segments) boxes.push_back(segment.box());
  return boxes;
}

PocketLinkArea::PocketLinkArea(const std::vector<curve::BulgePath>& loops)
    : segments_(SegmentsOf(loops)), tree_(BoxesOf(segments_)) {
  for (const curve::BulgeSeg& segment : segments_) extents_.add(segment.box());
}

PocketLinkArea PocketLinkArea::FromPolylines(const AcDbObjectIdArray& ids) {
  std::vector<curve::BulgePath> loops;
  for (const AcDbObjectId& id : ids) {
    curve::BulgePath path;
    if (ReadPlanPath(id, path) && path.closed && path.vertices.size() > 1) loops.push_back(path);
  }
  return PocketLinkArea(loops);
}

double PocketLinkArea::distanceTo(const AcGePoint2d& point, double bound) const {
  return tree_.nearest(point, bound, [&](int i) { return segments_[static_cast<std::size_t>(i)].distanceTo(point); });
}

bool PocketLinkArea::comesWithin(const AcGePoint2d& point, double limit, double added) const {
  // The sum rounds the same way for every segment, so the least one decides as it would.
  return tree_.anyWithin(point, limit - added + kBoxSlack, [&](int i) {
    return segments_[static_cast<std::size_t>(i)].distanceTo(point) + added <= limit;
  });
}

bool PocketLinkArea::contains(const AcGePoint2d& point) const {
  if (segments_.empty()) return false;
  if (comesWithin(point, kOnOutline)) return true;
  const double reach = extents_.maxX - point.x + 1.0;
  if (reach <= 0.0) return false;
  const AcGePoint2d far(point.x + reach, point.y + reach * kRaySlope);
  curve::Box2 rayBox;
  rayBox.add(point);
  rayBox.add(far);
  const curve::Prim2 ray = curve::Prim2::of(curve::BulgeSeg{point, far, 0.0});
  int crossings = 0;
  std::vector<curve::Hit2> hits;
  tree_.query(rayBox, [&](int i) {
    curve::intersect(ray, curve::Prim2::of(segments_[static_cast<std::size_t>(i)]), kHitTolerance, hits);
    for (const curve::Hit2& hit : hits) {
      // A hit at a segment's start is counted by the segment before it.
      if (hit.fb < 1.0 - 1e-12) ++crossings;
    }
  });
  return crossings % 2 == 1;
}

bool PocketLinkArea::holdsStraightMove(const AcGePoint2d& from, const AcGePoint2d& to) const {
  if (segments_.empty()) return false;
  if (from.distanceTo(to) <= kOnOutline) return contains(from);
  curve::Box2 box;
  box.add(from);
  box.add(to);
  const curve::Prim2 move = curve::Prim2::of(curve::BulgeSeg{from, to, 0.0});
  std::vector<curve::Hit2> hits;
  const bool clear = tree_.queryUntil(box.grown(kOnOutline), [&](int i) {
    curve::intersect(move, curve::Prim2::of(segments_[static_cast<std::size_t>(i)]), kHitTolerance, hits);
    for (const curve::Hit2& hit : hits) {
      if (hit.point.distanceTo(from) > kOnOutline && hit.point.distanceTo(to) > kOnOutline) return false;
    }
    return true;
  });
  return clear && contains(AcGePoint2d((from.x + to.x) / 2.0, (from.y + to.y) / 2.0));
}
