#include "plugin/post/toolpath_traversal.h"

#include <algorithm>
#include <cmath>

#include "plugin/post/post_move_record.h"
#include "plugin/post/post_values.h"
#include "plugin/post/postable_numbers.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr double kHoleZChange = 0.0001;
constexpr double kNearInPlan = 0.0001;
constexpr int kHelixPlunge = 2;
constexpr int kHelixInfoKind = 13;
constexpr int kFirstPositionInfoKind = 1;
constexpr int kSpindleInfoKind = 5;
constexpr double kPi = 3.14159265358979323846;
constexpr double kLeastChordTolerance = 0.001;
// How far a helix point may lie off its circle and still be on it.
constexpr double kOnCircle = 0.001;

bool NearInPlan(const AcGePoint3d& a, const AcGePoint3d& b) {
  return std::abs(a.x - b.x) < kNearInPlan && std::abs(a.y - b.y) < kNearInPlan;
}

double PlanDistance(const AcGePoint3d& a, const AcGePoint3d& b) { return std::hypot(a.x - b.x, a.y - b.y); }

int Whole(double value) { return static_cast<int>(value); }

// Counter-clockwise sweep about the axis from start to end, in (0, 2 pi].
double SweepAbout(const ArcSnapshot& arc, const AcGePoint3d& start, const AcGePoint3d& end) {
  const AcGeVector3d axis = arc.axis.normal();
  const AcGeVector3d u = start - arc.centre;
  const AcGeVector3d v = end - arc.centre;
  double sweep = std::atan2(axis.dotProduct(u.crossProduct(v)), u.dotProduct(v));
  if (sweep <= 0.0) sweep += 2.0 * kPi;
  return sweep;
}

}  // namespace

void ArcPlaneAndType(const AcGeVector3d& axis, int& plane, int& type) {
  const double ax = std::abs(axis.x), ay = std::abs(axis.y), az = std::abs(axis.z);
  double along = axis.z;
  plane = kPlaneXY;
  if (ay > az && ay >= ax) {
    plane = kPlaneZX;
    along = axis.y;
  } else if (ax > az && ax > ay) {
    plane = kPlaneYZ;
    along = axis.x;
  }
  type = along > 0.0 ? kMoveCcwArc : kMoveCwArc;
}

void ToolpathTraversal::Walk(const AcDbObjectIdArray& ids, const AcGeMatrix3d& toUcs) {
  feed_ = 0;
  helixMarker_ = 0;
  int first = 0;
  while (first < ids.length() && GetEntityKind(ids[first]) != kEntityPoint) ++first;
  EntitySnapshot entity, next;
  for (int i = first; i < ids.length(); ++i) {
    if (!ReadEntitySnapshot(ids[i], toUcs, entity)) continue;
    if (!Postable(entity)) return;
    if (!Visit(entity)) continue;
    // The feed line into the hole goes with the cycle.
    if (i + 1 < ids.length() && ReadEntitySnapshot(ids[i + 1], toUcs, next)) {
      if (!Postable(next)) return;
      Hole(entity, next);
    }
    ++i;
  }
}

bool ToolpathTraversal::Postable(const EntitySnapshot& entity) {
  const std::string bad = UnpostableNumber(entity);
  if (bad.empty()) return true;
  CString why;
  why.Format(MsgNumberNotPostable.GetString(), bad.c_str(), options_.toolpathName.c_str());
  sink_.Refuse(why.GetString());
  return false;
}

bool ToolpathTraversal::Visit(const EntitySnapshot& entity) {
  switch (entity.kind) {
    case kEntityLine:
      if (entity.rapidStyle && IsDrillKind() && StoredValueOf(entity.thickness) > 0) return IsHoleRapid(entity);
      Line(entity);
      return false;
    case kEntityArc:
      Arc(entity.end, entity.arc, FeedOr(StoredValueOf(entity.thickness), feeds_.CutFeed()));
      return false;
    case kEntityPolyline:
      Polyline(entity);
      return false;
    case kEntity3dPolyline:
      Polyline3d(entity);
      return false;
    case kEntityPoint:
      Point(entity);
      return false;
    default:
      return false;  // circles and anything else write nothing
  }
}

bool ToolpathTraversal::IsDrillKind() const {
  return options_.kind == kToolpathDrillCycle || options_.kind == kToolpathLatheDrill;
}

// A marked rapid that goes down (or nowhere) starts a hole; one across is no move.
bool ToolpathTraversal::IsHoleRapid(const EntitySnapshot& entity) const {
  if (entity.start.distanceTo(entity.end) == 0.0) return true;
  const double change =
      options_.kind == kToolpathLatheDrill ? entity.end.x - entity.start.x : entity.end.z - entity.start.z;
  return std::abs(change) >= kHoleZChange;
}

void ToolpathTraversal::Hole(const EntitySnapshot& rapid, const EntitySnapshot& next) {
  if (next.kind != kEntityLine && next.kind != kEntityArc) return;
  ToolpathMove move;
  move.type = kMoveCycle;
  move.end = rapid.end;
  move.plane = kPlaneXY;
  // The kind's drilling feed, else the feed the drilling move carries.
  move.feed = FeedOr(feeds_.CutFeed(), StoredValueOf(next.thickness));
  const bool lathe = options_.kind == kToolpathLatheDrill;
  move.cycleR = lathe ? next.start.x : next.start.z;
  move.cycleDepth = lathe ? next.end.x : next.end.z;
  sink_.Move(move);
}

int ToolpathTraversal::FeedOr(int own, int kindFeed) {
  if (own > 0) {
    feed_ = own;
  } else if (kindFeed > 0) {
    feed_ = kindFeed;
  }
  return feed_;
}

void ToolpathTraversal::Cut(const AcGePoint3d& end, int feed) {
  ToolpathMove move;
  move.type = kMoveCut;
  move.end = end;
  move.feed = feed;
  sink_.Move(move);
}

void ToolpathTraversal::Line(const EntitySnapshot& entity) {
  if (entity.rapidStyle) {
    ToolpathMove move;
    move.type = kMoveRapid;
    move.end = entity.end;
    sink_.Move(move);
    return;
  }
  Cut(entity.end, FeedOr(StoredValueOf(entity.thickness), feeds_.CutFeed()));
}

void ToolpathTraversal::Arc(const AcGePoint3d& end, const ArcSnapshot& arc, int feed) {
  ToolpathMove move;
  move.end = end;
  move.centre = arc.centre;
  move.feed = feed;
  ArcPlaneAndType(arc.axis, move.plane, move.type);
  sink_.Move(move);
}

void ToolpathTraversal::Polyline(const EntitySnapshot& entity) {
  const int stored = StoredValueOf(entity.thickness);
  for (const PolylineSegmentSnapshot& segment : entity.segments) {
    if (segment.isEmpty) continue;
    const int feed = FeedOr(segment.widthFeed > 0 ? segment.widthFeed : stored, feeds_.CutFeed());
    if (!segment.isArc) {
      Cut(segment.end, feed);
    } else if (options_.kind == kToolpathSolidCut) {
      Chords(segment, feed);
    } else {
      Arc(segment.end, segment.arc, feed);
    }
  }
}

// Solid-cut arcs go out as chords, as many as keep within the tolerance.
void ToolpathTraversal::Chords(const PolylineSegmentSnapshot& segment, int feed) {
  const double radius = segment.start.distanceTo(segment.arc.centre);
  const double tolerance = std::max(options_.chordTolerance, kLeastChordTolerance);
  const double sweep = SweepAbout(segment.arc, segment.start, segment.end);
  int count = 1;
  if (radius > tolerance) count = static_cast<int>(sweep / (2.0 * std::acos((radius - tolerance) / radius))) + 1;
  const AcGeVector3d u = segment.start - segment.arc.centre;
  const AcGeVector3d v = segment.arc.axis.normal().crossProduct(u);
  for (int k = 1; k < count; ++k) {
    const double angle = sweep * k / count;
    Cut(segment.arc.centre + u * std::cos(angle) + v * std::sin(angle), feed);
  }
  Cut(segment.end, feed);
}

void ToolpathTraversal::Polyline3d(const EntitySnapshot& entity) {
  const int feed = FeedOr(0, feeds_.PlungeFeed() > 0 ? feeds_.PlungeFeed() : feeds_.CutFeed());
  const bool helix = helixMarker_ == kHelixPlunge && options_.arcHelix;
  // A helix marker belongs to the polyline that follows it, and to no other.
  helixMarker_ = 0;
  if (!helix) {
    for (const AcGePoint3d& point : entity.vertices) Cut(point, feed);
    return;
  }
  HelixWalk walk(*this, feed);
  for (const AcGePoint3d& point : entity.vertices) walk.Visit(point);
  walk.Finish();
}

ToolpathTraversal::HelixWalk::HelixWalk(ToolpathTraversal& traversal, int feed) : traversal_(traversal), feed_(feed) {}

// Down the centre A to the start B, then round A: the points on the circle
// between two returns to B make one arc. Anything else is a straight move.
void ToolpathTraversal::HelixWalk::Visit(const AcGePoint3d& point) {
  if (!started_) {
    if (seen_++ == 0) {
      centre_ = point;
    } else if (NearInPlan(point, centre_)) {
      centre_ = point;
    } else {
      start_ = point;
      radius_ = PlanDistance(point, centre_);
      started_ = true;
    }
    Line(point);
    return;
  }
  if (NearInPlan(point, start_) && pending_) {
    Turn(point);
  } else if (std::abs(PlanDistance(point, centre_) - radius_) <= kOnCircle && !NearInPlan(point, start_)) {
    Hold(point);
  } else {
    Finish();
    Line(point);
  }
}

void ToolpathTraversal::HelixWalk::Line(const AcGePoint3d& point) {
  traversal_.Cut(point, feed_);
  written_ = point;
  centre_.z = point.z;
}

// A point on the circle waits for the arc that passes it; the arc is written
// before it would turn a whole way round or change its sense.
void ToolpathTraversal::HelixWalk::Hold(const AcGePoint3d& point) {
  const AcGePoint3d& from = pending_ ? held_ : written_;
  const AcGeVector2d u(from.x - centre_.x, from.y - centre_.y);
  const AcGeVector2d v(point.x - centre_.x, point.y - centre_.y);
  const double cross = u.x * v.y - u.y * v.x;
  const int sense = cross >= 0.0 ? kMoveCcwArc : kMoveCwArc;
  const double step = std::atan2(std::abs(cross), u.x * v.x + u.y * v.y);
  if (pending_ && (sense != sense_ || swept_ + step >= 2.0 * kPi - kNearInPlan)) {
    Finish();
    Hold(point);
    return;
  }
  if (!pending_) {
    sense_ = sense;
    swept_ = 0.0;
  }
  swept_ += step;
  held_ = point;
  pending_ = true;
}

void ToolpathTraversal::HelixWalk::Turn(const AcGePoint3d& point) {
  ToolpathMove move;
  move.type = sense_;
  move.plane = kPlaneXY;
  move.end = point;
  move.centre = AcGePoint3d(centre_.x, centre_.y, written_.z);
  move.feed = feed_;
  traversal_.sink_.Move(move);
  written_ = point;
  centre_.z = point.z;
  pending_ = false;
}

// The last point held on the circle is where the tool ends up.
void ToolpathTraversal::HelixWalk::Finish() {
  if (pending_) Turn(held_);
}

void ToolpathTraversal::Point(const EntitySnapshot& entity) {
  if (entity.hasInfo) {
    switch (entity.info.kind) {
      case kFirstPositionInfoKind:
        sink_.FirstPosition(entity.start);
        break;
      case CToolPathInfo::kToolInformation:
        sink_.ToolFromInfo(entity.info);
        break;
      case kSpindleInfoKind:
        sink_.Spindle(Whole(entity.info.value));
        break;
      case kHelixInfoKind:
        helixMarker_ = Whole(entity.info.value);
        break;
      default:
        break;
    }
    return;
  }
  switch (entity.markerType) {
    case 1:
      sink_.FirstPosition(entity.start);
      break;
    case 2:
      sink_.ToolNumber(Whole(entity.markerValue));
      break;
    case 3:
      sink_.OffsetNumber(Whole(entity.markerValue));
      break;
    case 5:
      sink_.Spindle(Whole(entity.markerValue));
      break;
    case 9:
      sink_.PassSet(Whole(entity.markerValue));
      break;
    default:
      break;
  }
}
