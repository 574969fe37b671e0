#include "platform/cad/editor/graphics/shape_2d.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace cadeditor {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kEpsilon = 1e-9;
// Chords of at most this angle stand for an arc in the polygon tests.
constexpr double kFlatteningStep = std::numbers::pi / 90.0;

double Cross(const AcGePoint2d& o, const AcGePoint2d& a, const AcGePoint2d& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

int Side(double cross) { return cross > kEpsilon ? 1 : (cross < -kEpsilon ? -1 : 0); }

bool WithinSpan(const AcGePoint2d& a, const AcGePoint2d& b, const AcGePoint2d& p) {
  return p.x >= std::min(a.x, b.x) - kEpsilon && p.x <= std::max(a.x, b.x) + kEpsilon &&
         p.y >= std::min(a.y, b.y) - kEpsilon && p.y <= std::max(a.y, b.y) + kEpsilon;
}

// Any common point, touching included.
bool SegmentsMeet(const Segment2d& s, const Segment2d& t) {
  const int d1 = Side(Cross(t.start, t.end, s.start));
  const int d2 = Side(Cross(t.start, t.end, s.end));
  const int d3 = Side(Cross(s.start, s.end, t.start));
  const int d4 = Side(Cross(s.start, s.end, t.end));
  if (d1 * d2 < 0 && d3 * d4 < 0) return true;
  return (d1 == 0 && WithinSpan(t.start, t.end, s.start)) || (d2 == 0 && WithinSpan(t.start, t.end, s.end)) ||
         (d3 == 0 && WithinSpan(s.start, s.end, t.start)) || (d4 == 0 && WithinSpan(s.start, s.end, t.end));
}

// The segments pass through each other (not merely touching).
bool SegmentsCross(const Segment2d& s, const Segment2d& t) {
  return Side(Cross(t.start, t.end, s.start)) * Side(Cross(t.start, t.end, s.end)) < 0 &&
         Side(Cross(s.start, s.end, t.start)) * Side(Cross(s.start, s.end, t.end)) < 0;
}

double DistanceToSegment(const AcGePoint2d& p, const Segment2d& s) {
  const double dx = s.end.x - s.start.x;
  const double dy = s.end.y - s.start.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0.0 ? ((p.x - s.start.x) * dx + (p.y - s.start.y) * dy) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (s.start.x + t * dx), p.y - (s.start.y + t * dy));
}

double AngleOf(const AcGePoint2d& center, const AcGePoint2d& p) { return std::atan2(p.y - center.y, p.x - center.x); }

bool ArcMeetsSegment(const Arc2d& arc, const Segment2d& s) {
  const double dx = s.end.x - s.start.x;
  const double dy = s.end.y - s.start.y;
  const double fx = s.start.x - arc.center.x;
  const double fy = s.start.y - arc.center.y;
  const double a = dx * dx + dy * dy;
  if (a == 0.0) return false;
  const double b = 2.0 * (fx * dx + fy * dy);
  const double c = fx * fx + fy * fy - arc.radius * arc.radius;
  double discriminant = b * b - 4.0 * a * c;
  if (discriminant < -kEpsilon * a) return false;
  discriminant = std::sqrt(std::max(discriminant, 0.0));
  for (const double t : {(-b - discriminant) / (2.0 * a), (-b + discriminant) / (2.0 * a)}) {
    if (t < -kEpsilon || t > 1.0 + kEpsilon) continue;
    const AcGePoint2d hit(s.start.x + t * dx, s.start.y + t * dy);
    if (arc.containsAngle(AngleOf(arc.center, hit))) return true;
  }
  return false;
}

std::vector<Segment2d> BoxEdges(const Box2d& box) {
  const AcGePoint2d a(box.xmin, box.ymin), b(box.xmax, box.ymin), c(box.xmax, box.ymax), d(box.xmin, box.ymax);
  return {{a, b}, {b, c}, {c, d}, {d, a}};
}

std::vector<Segment2d> PolygonEdges(const Polygon2d& polygon) {
  std::vector<Segment2d> edges;
  for (std::size_t i = 0; i < polygon.size(); ++i) edges.push_back({polygon[i], polygon[(i + 1) % polygon.size()]});
  return edges;
}

Box2d ArcBounds(const Arc2d& arc) {
  Box2d box;
  box.add(arc.pointAt(arc.startAngle));
  box.add(arc.pointAt(arc.startAngle + arc.sweep));
  for (int quarter = 0; quarter < 4; ++quarter) {
    const double angle = quarter * std::numbers::pi / 2.0;
    if (arc.containsAngle(angle)) box.add(arc.pointAt(angle));
  }
  return box;
}

}  // namespace

AcGePoint2d Arc2d::pointAt(double angle) const {
  return {center.x + radius * std::cos(angle), center.y + radius * std::sin(angle)};
}

bool Arc2d::containsAngle(double angle) const {
  if (sweep >= kTwoPi - kEpsilon) return true;
  double offset = std::fmod(angle - startAngle, kTwoPi);
  if (offset < 0.0) offset += kTwoPi;
  return offset <= sweep + kEpsilon || offset >= kTwoPi - kEpsilon;
}

void Box2d::add(const AcGePoint2d& p) {
  if (isEmpty()) {
    xmin = xmax = p.x;
    ymin = ymax = p.y;
    return;
  }
  xmin = std::min(xmin, p.x);
  ymin = std::min(ymin, p.y);
  xmax = std::max(xmax, p.x);
  ymax = std::max(ymax, p.y);
}

void Box2d::add(const Box2d& other) {
  if (other.isEmpty()) return;
  add(AcGePoint2d(other.xmin, other.ymin));
  add(AcGePoint2d(other.xmax, other.ymax));
}

bool Box2d::contains(const AcGePoint2d& p) const {
  return p.x >= xmin - kEpsilon && p.x <= xmax + kEpsilon && p.y >= ymin - kEpsilon && p.y <= ymax + kEpsilon;
}

bool Box2d::contains(const Box2d& other) const {
  return !other.isEmpty() && contains(AcGePoint2d(other.xmin, other.ymin)) &&
         contains(AcGePoint2d(other.xmax, other.ymax));
}

bool Box2d::overlaps(const Box2d& other) const {
  return !isEmpty() && !other.isEmpty() && other.xmin <= xmax + kEpsilon && other.xmax >= xmin - kEpsilon &&
         other.ymin <= ymax + kEpsilon && other.ymax >= ymin - kEpsilon;
}

void Shape2d::addPoint(const AcGePoint2d& p) {
  points_.push_back(p);
  bounds_.add(p);
}

void Shape2d::addSegment(const AcGePoint2d& a, const AcGePoint2d& b) {
  segments_.push_back({a, b});
  bounds_.add(a);
  bounds_.add(b);
}

void Shape2d::addArc(const Arc2d& arc) {
  arcs_.push_back(arc);
  bounds_.add(ArcBounds(arc));
}

void Shape2d::addPolyline(const std::vector<AcGePoint2d>& points) {
  if (points.size() == 1) addPoint(points.front());
  for (std::size_t i = 1; i < points.size(); ++i) addSegment(points[i - 1], points[i]);
}

void Shape2d::addBox(const Box2d& box) {
  if (box.isEmpty()) return;
  for (const Segment2d& edge : BoxEdges(box)) addSegment(edge.start, edge.end);
}

double Shape2d::distanceTo(const AcGePoint2d& p) const {
  double best = std::numeric_limits<double>::infinity();
  for (const AcGePoint2d& point : points_) best = std::min(best, p.distanceTo(point));
  for (const Segment2d& segment : segments_) best = std::min(best, DistanceToSegment(p, segment));
  for (const Arc2d& arc : arcs_) {
    if (arc.containsAngle(AngleOf(arc.center, p))) {
      best = std::min(best, std::abs(p.distanceTo(arc.center) - arc.radius));
    } else {
      best = std::min(
          {best, p.distanceTo(arc.pointAt(arc.startAngle)), p.distanceTo(arc.pointAt(arc.startAngle + arc.sweep))});
    }
  }
  return best;
}

bool Shape2d::liesInside(const Box2d& window) const { return !isEmpty() && window.contains(bounds_); }

bool Shape2d::touches(const Box2d& window) const {
  if (isEmpty() || !window.overlaps(bounds_)) return false;
  if (window.contains(bounds_)) return true;
  for (const AcGePoint2d& point : points_) {
    if (window.contains(point)) return true;
  }
  const std::vector<Segment2d> edges = BoxEdges(window);
  for (const Segment2d& segment : segments_) {
    if (window.contains(segment.start) || window.contains(segment.end)) return true;
    for (const Segment2d& edge : edges) {
      if (SegmentsMeet(segment, edge)) return true;
    }
  }
  for (const Arc2d& arc : arcs_) {
    if (window.contains(arc.pointAt(arc.startAngle))) return true;
    for (const Segment2d& edge : edges) {
      if (ArcMeetsSegment(arc, edge)) return true;
    }
  }
  return false;
}

std::vector<Segment2d> Shape2d::flattened() const {
  std::vector<Segment2d> pieces = segments_;
  for (const Arc2d& arc : arcs_) {
    const int chords = std::max(2, static_cast<int>(std::ceil(arc.sweep / kFlatteningStep)));
    AcGePoint2d previous = arc.pointAt(arc.startAngle);
    for (int i = 1; i <= chords; ++i) {
      const AcGePoint2d next = arc.pointAt(arc.startAngle + arc.sweep * i / chords);
      pieces.push_back({previous, next});
      previous = next;
    }
  }
  return pieces;
}

bool Shape2d::liesInside(const Polygon2d& polygon) const {
  if (isEmpty() || polygon.size() < 3) return false;
  for (const AcGePoint2d& point : points_) {
    if (!PolygonContains(polygon, point)) return false;
  }
  const std::vector<Segment2d> edges = PolygonEdges(polygon);
  for (const Segment2d& piece : flattened()) {
    const AcGePoint2d middle((piece.start.x + piece.end.x) / 2.0, (piece.start.y + piece.end.y) / 2.0);
    if (!PolygonContains(polygon, piece.start) || !PolygonContains(polygon, piece.end) ||
        !PolygonContains(polygon, middle)) {
      return false;
    }
    for (const Segment2d& edge : edges) {
      if (SegmentsCross(piece, edge)) return false;
    }
  }
  return true;
}

bool Shape2d::touches(const Polygon2d& polygon) const {
  if (isEmpty() || polygon.size() < 3) return false;
  for (const AcGePoint2d& point : points_) {
    if (PolygonContains(polygon, point)) return true;
  }
  const std::vector<Segment2d> edges = PolygonEdges(polygon);
  for (const Segment2d& piece : flattened()) {
    if (PolygonContains(polygon, piece.start)) return true;
    for (const Segment2d& edge : edges) {
      if (SegmentsMeet(piece, edge)) return true;
    }
  }
  return false;
}

bool PolygonContains(const Polygon2d& polygon, const AcGePoint2d& p) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const AcGePoint2d& a = polygon[i];
    const AcGePoint2d& b = polygon[j];
    if (Side(Cross(a, b, p)) == 0 && WithinSpan(a, b, p)) return true;  // on the border
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside;
}

}  // namespace cadeditor
