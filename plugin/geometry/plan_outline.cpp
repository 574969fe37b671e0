#include "plugin/geometry/plan_outline.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/curve/segment_intersect.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/ge/ge_tol.h"
#include "plugin/geometry/polyline/arc_caps.h"
#include "plugin/geometry/polyline/polyline_segments.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

// Below this many segments a plain scan of the boxes beats a tree.
constexpr std::size_t kTreeFrom = 24;

double Gap(double fromMin, double fromMax, double toMin, double toMax) {
  return std::max({toMin - fromMax, fromMin - toMax, 0.0});
}

// Distance between two boxes: no pair of their points lies nearer.
double BoxGap(const curve::Box2& a, const curve::Box2& b) {
  return std::hypot(Gap(a.minX, a.maxX, b.minX, b.maxX), Gap(a.minY, a.maxY, b.minY, b.maxY));
}

double MeetTolerance() { return AcGeContext::gTol.equalPoint(); }

// Pairs whose boxes lie apart by more than the tolerance cannot meet.
double SegmentDistance(const curve::BulgeSeg& a, const curve::Box2& aBox, const curve::BulgeSeg& b,
                       const curve::Box2& bBox, double tol = MeetTolerance()) {
  if (BoxGap(aBox, bBox) > tol) return curve::distanceApart(a, b);
  return curve::distanceBetween(a, b, tol);
}

}  // namespace

PlanOutline::PlanOutline(const AcDbPolyline& polyline) {
  const int count = PolylineSegmentCount(&polyline);
  const unsigned int vertices = polyline.numVerts();
  vertexCount_ = static_cast<int>(vertices);
  polyline.getArea(area_);
  facesUp_ = polyline.normal().isCodirectionalTo(AcGeVector3d::kZAxis);
  if (vertices > 0) polyline.getPointAt(0, start_);
  if (!polyline.isClosed() && vertices > 1) {
    curve::BulgeSeg chord;
    polyline.getPointAt(vertices - 1, chord.start);
    chord.end = start_;
    closingChord_ = chord;
  }
  segments_.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const auto index = static_cast<unsigned int>(i);
    const AcDbPolyline::SegType type = polyline.segType(index);
    // Segments of no length neither bound nor count in the even-odd rule.
    if (type != AcDbPolyline::kLine && type != AcDbPolyline::kArc) continue;
    curve::BulgeSeg segment;
    polyline.getPointAt(index, segment.start);
    polyline.getPointAt((index + 1) % vertices, segment.end);
    if (type == AcDbPolyline::kArc) polyline.getBulgeAt(index, segment.bulge);
    segments_.push_back(segment);
  }
  index();
}

bool PlanOutline::read(AcDbObjectId id) {
  OpenedObject<AcDbEntity> entity;
  if (entity.open(id, AcDb::kForRead) != Acad::eOk) return false;
  if (EntityKindCodeOf(entity.object()) != kEntityPolyline) return false;
  const AcDbPolyline* polyline = AcDbPolyline::cast(entity.object());
  if (polyline == nullptr) return false;
  *this = PlanOutline(*polyline);
  return true;
}

void PlanOutline::index() {
  boxes_.clear();
  boxes_.reserve(segments_.size());
  box_ = curve::Box2();
  for (const curve::BulgeSeg& segment : segments_) {
    boxes_.push_back(segment.box());
    box_.add(boxes_.back());
  }
  tree_.reset();
  if (segments_.size() >= kTreeFrom) tree_.emplace(boxes_);
}

template <class Reach, class Visit>
bool PlanOutline::visitNear(const curve::Box2& box, Reach&& reach, Visit&& visit) const {
  if (!tree_) {
    for (std::size_t i = 0; i < boxes_.size(); ++i)
      if (BoxGap(box, boxes_[i]) <= reach() && !visit(static_cast<int>(i))) return false;
    return true;
  }
  return tree_->queryUntil(box.grown(reach()), [&](int i) {
    return BoxGap(box, boxes_[static_cast<std::size_t>(i)]) > reach() || visit(i);
  });
}

double PlanOutline::distanceTo(const PlanOutline& other, double none) const {
  if (empty() || other.empty()) return none;
  // The many-segment outline is searched for each segment of the other.
  const bool searchOther = other.segments_.size() >= segments_.size();
  const PlanOutline& searched = searchOther ? other : *this;
  const PlanOutline& walked = searchOther ? *this : other;
  // A first bound from one end point keeps the first search short.
  double best = searched.distanceTo(walked.segments_.front().start, none);
  for (std::size_t w = 0; w < walked.segments_.size() && best > 0.0; ++w) {
    const curve::BulgeSeg& segment = walked.segments_[w];
    const curve::Box2& box = walked.boxes_[w];
    searched.visitNear(
        box, [&] { return best; },
        [&](int s) {
          const auto i = static_cast<std::size_t>(s);
          // Measured in the caller's order, as a scan of every pair would.
          const double d = searchOther ? SegmentDistance(segment, box, searched.segments_[i], searched.boxes_[i])
                                       : SegmentDistance(searched.segments_[i], searched.boxes_[i], segment, box);
          best = std::min(best, d);
          return best > 0.0;
        });
  }
  return best;
}

bool PlanOutline::reaches(const PlanOutline& other, double limit, double tol) const {
  if (empty() || other.empty() || BoxGap(box_, other.box_) > limit) return false;
  const bool searchOther = other.segments_.size() >= segments_.size();
  const PlanOutline& searched = searchOther ? other : *this;
  const PlanOutline& walked = searchOther ? *this : other;
  for (std::size_t w = 0; w < walked.segments_.size(); ++w) {
    const curve::BulgeSeg& segment = walked.segments_[w];
    const curve::Box2& box = walked.boxes_[w];
    const bool apart = searched.visitNear(
        box, [&] { return limit; },
        [&](int s) {
          const auto i = static_cast<std::size_t>(s);
          return !(SegmentDistance(segment, box, searched.segments_[i], searched.boxes_[i], tol) <= limit);
        });
    if (!apart) return true;
  }
  return false;
}

double PlanOutline::distanceTo(const AcGePoint2d& point, double none) const {
  auto measure = [&](int s) { return segments_[static_cast<std::size_t>(s)].distanceTo(point); };
  if (tree_) return tree_->nearest(point, none, measure);
  double best = none;
  for (std::size_t i = 0; i < segments_.size(); ++i)
    if (boxes_[i].distanceSqrdTo(point) < best * best) best = std::min(best, measure(static_cast<int>(i)));
  return best;
}

double PlanOutline::distanceTo(const curve::BulgeSeg& move, double none) const {
  if (empty()) return none;
  const curve::Box2 moveBox = move.box();
  double best = distanceTo(move.start, none);
  visitNear(
      moveBox, [&] { return best; },
      [&](int s) {
        const auto i = static_cast<std::size_t>(s);
        best = std::min(best, SegmentDistance(move, moveBox, segments_[i], boxes_[i]));
        return best > 0.0;
      });
  return best;
}

namespace {

// The chord from start to end crosses the ray from p to the right.
bool ChordCrossesRay(const AcGePoint2d& start, const AcGePoint2d& end, const AcGePoint2d& p) {
  const AcGePoint2d& a = end;
  const AcGePoint2d& b = start;
  return (a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x;
}

}  // namespace

bool PlanOutline::holds(AcGePoint2d point) const {
  if (vertexCount_ < 2) return false;
  // Arcs whose chords the point may lie on, in order, as the nudges add up; kept
  // from call to call so that a query allocates nothing.
  thread_local std::vector<int> near;
  near.clear();
  curve::Box2 at;
  at.add(point);
  const double margin = 1e-6 + 1e-8 * box_.size();
  visitNear(
      at, [&] { return margin; },
      [&](int s) {
        if (segments_[static_cast<std::size_t>(s)].isArc()) near.push_back(s);
        return true;
      });
  std::sort(near.begin(), near.end());
  for (int s : near) MoveOffArcChord(segments_[static_cast<std::size_t>(s)], point);
  bool inside = closingChord_ && ChordCrossesRay(closingChord_->start, closingChord_->end, point);
  const curve::Box2 ray{point.x, point.y, 1e300, point.y};
  visitNear(
      ray, [] { return 0.0; },
      [&](int s) {
        const curve::BulgeSeg& segment = segments_[static_cast<std::size_t>(s)];
        if (ChordCrossesRay(segment.start, segment.end, point)) inside = !inside;
        if (segment.isArc() && InsideArcCap(segment, point)) inside = !inside;
        return true;
      });
  return inside;
}
