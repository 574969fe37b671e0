#include "platform/cad/curve/hatch_boundary.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "platform/cad/curve/bulge_segment.h"

namespace hatch {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
// Arcs are walked in pieces this fine for inside tests and extents.
constexpr int kArcSteps = 64;

AcGePoint2d onCircle(const AcGePoint2d& center, double radius, double angle) {
  return {center.x + radius * std::cos(angle), center.y + radius * std::sin(angle)};
}

double cross(const AcGePoint2d& a, const AcGePoint2d& b) { return a.x * b.y - a.y * b.x; }

// Points along the loop, arcs broken into short chords; the first point is not repeated.
std::vector<AcGePoint2d> outlineOf(const Loop& loop) {
  std::vector<AcGePoint2d> points;
  for (const Edge& edge : loop) {
    if (edge.kind == Edge::kLine) {
      points.push_back(edge.start);
      continue;
    }
    for (int i = 0; i < kArcSteps; ++i) points.push_back(edge.pointAt(static_cast<double>(i) / kArcSteps));
  }
  return points;
}

}  // namespace

Edge Edge::line(const AcGePoint2d& from, const AcGePoint2d& to) {
  Edge edge;
  edge.start = from;
  edge.end = to;
  return edge;
}

Edge Edge::arc(const AcGePoint2d& center, double radius, double startAngle, double sweep) {
  Edge edge;
  edge.kind = kArc;
  edge.center = center;
  edge.radius = radius;
  edge.startAngle = startAngle;
  edge.sweep = std::clamp(sweep, -kTwoPi, kTwoPi);
  edge.start = onCircle(center, radius, startAngle);
  edge.end = edge.isFullCircle() ? edge.start : onCircle(center, radius, startAngle + edge.sweep);
  return edge;
}

Edge Edge::fromBulge(const AcGePoint2d& from, const AcGePoint2d& to, double bulge) {
  if (bulge == 0.0 || from.distanceTo(to) == 0.0 || !std::isfinite(bulge)) return line(from, to);
  const curve::Arc2 bulged = curve::ArcOfBulge(from, to, bulge);
  Edge edge = arc(bulged.center, bulged.radius, bulged.startAngle, bulged.sweep);
  edge.start = from;
  edge.end = to;
  return edge;
}

bool Edge::isFullCircle() const { return kind == kArc && std::fabs(sweep) >= kTwoPi - 1e-12; }

AcGePoint2d Edge::pointAt(double fraction) const {
  if (kind == kLine) return {start.x + (end.x - start.x) * fraction, start.y + (end.y - start.y) * fraction};
  if (fraction <= 0.0) return start;
  if (fraction >= 1.0) return end;
  return onCircle(center, radius, startAngle + sweep * fraction);
}

double Edge::bulge() const { return kind == kArc ? std::tan(sweep / 4.0) : 0.0; }

Edge Edge::reversed() const {
  Edge edge = *this;
  std::swap(edge.start, edge.end);
  if (kind == kArc) {
    edge.startAngle = startAngle + sweep;
    edge.sweep = -sweep;
  }
  return edge;
}

double coordinateScale(const std::vector<Loop>& loops) {
  double scale = 1.0;
  for (const Loop& loop : loops) {
    for (const Edge& edge : loop) {
      scale = std::max(
          {scale, std::fabs(edge.start.x), std::fabs(edge.start.y), std::fabs(edge.end.x), std::fabs(edge.end.y)});
      if (edge.kind == Edge::kArc) {
        scale = std::max({scale, std::fabs(edge.center.x) + edge.radius, std::fabs(edge.center.y) + edge.radius});
      }
    }
  }
  return scale;
}

void weldEnds(std::vector<Loop>& loops, double tol) {
  if (!(tol > 0.0)) return;
  // Grid cells of size tol: a point's twin lies in its own cell or a neighbouring one.
  struct CellHash {
    std::size_t operator()(const std::pair<long long, long long>& c) const {
      return std::hash<long long>()(c.first * 73856093LL) ^ std::hash<long long>()(c.second * 19349663LL);
    }
  };
  std::unordered_map<std::pair<long long, long long>, std::vector<AcGePoint2d>, CellHash> grid;
  auto weld = [&](AcGePoint2d& point) {
    const long long cx = static_cast<long long>(std::floor(point.x / tol));
    const long long cy = static_cast<long long>(std::floor(point.y / tol));
    for (long long dx = -1; dx <= 1; ++dx) {
      for (long long dy = -1; dy <= 1; ++dy) {
        const auto found = grid.find({cx + dx, cy + dy});
        if (found == grid.end()) continue;
        for (const AcGePoint2d& known : found->second) {
          if (std::hypot(known.x - point.x, known.y - point.y) <= tol) {
            point = known;
            return;
          }
        }
      }
    }
    grid[{cx, cy}].push_back(point);
  };
  for (Loop& loop : loops) {
    for (Edge& edge : loop) {
      weld(edge.start);
      weld(edge.end);
    }
  }
}

bool chainIntoLoops(std::vector<Edge> edges, double tol, std::vector<Loop>& chains) {
  auto closes = [tol](const Loop& c) {
    return c.back().end.distanceTo(c.front().start) <= tol && !(c.size() == 1 && c.front().kind == Edge::kLine);
  };
  std::vector<Loop> made;
  while (!edges.empty()) {
    Loop chain{edges.front()};
    edges.erase(edges.begin());
    while (!closes(chain)) {
      const AcGePoint2d tip = chain.back().end;
      auto next = std::find_if(edges.begin(), edges.end(), [&](const Edge& e) {
        return e.start.distanceTo(tip) <= tol || e.end.distanceTo(tip) <= tol;
      });
      if (next == edges.end()) return false;
      chain.push_back(next->start.distanceTo(tip) <= tol ? *next : next->reversed());
      edges.erase(next);
    }
    made.push_back(std::move(chain));
  }
  chains.insert(chains.end(), made.begin(), made.end());
  return true;
}

bool isClosedLoop(const Loop& loop, double tol) {
  if (loop.empty()) return false;
  for (std::size_t i = 0; i < loop.size(); ++i) {
    const Edge& next = loop[(i + 1) % loop.size()];
    if (loop[i].end.distanceTo(next.start) > tol) return false;
  }
  // A single line cannot close anything.
  return !(loop.size() == 1 && loop.front().kind == Edge::kLine);
}

double signedArea(const Loop& loop) {
  double twice = 0.0;
  for (const Edge& edge : loop) {
    twice += cross(edge.start, edge.end);
    // The slice between an arc and its chord.
    if (edge.kind == Edge::kArc) twice += edge.radius * edge.radius * (edge.sweep - std::sin(edge.sweep));
  }
  return twice / 2.0;
}

bool loopContains(const Loop& loop, const AcGePoint2d& point) {
  const std::vector<AcGePoint2d> outline = outlineOf(loop);
  bool inside = false;
  for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
    const AcGePoint2d& a = outline[i];
    const AcGePoint2d& b = outline[j];
    if ((a.y > point.y) != (b.y > point.y) && point.x < (b.x - a.x) * (point.y - a.y) / (b.y - a.y) + a.x) {
      inside = !inside;
    }
  }
  return inside;
}

double evenOddArea(const std::vector<Loop>& loops) {
  double area = 0.0;
  for (std::size_t i = 0; i < loops.size(); ++i) {
    if (loops[i].empty()) continue;
    const AcGePoint2d probe = loops[i].front().pointAt(0.5);
    int depth = 0;
    for (std::size_t j = 0; j < loops.size(); ++j) {
      if (j != i && !loops[j].empty() && loopContains(loops[j], probe)) ++depth;
    }
    const double size = std::fabs(signedArea(loops[i]));
    area += depth % 2 == 0 ? size : -size;
  }
  return area;
}

bool loopsExtents(const std::vector<Loop>& loops, AcGePoint2d& minPoint, AcGePoint2d& maxPoint) {
  bool any = false;
  auto add = [&](const AcGePoint2d& p) {
    if (!any) {
      minPoint = maxPoint = p;
      any = true;
      return;
    }
    minPoint.set(std::min(minPoint.x, p.x), std::min(minPoint.y, p.y));
    maxPoint.set(std::max(maxPoint.x, p.x), std::max(maxPoint.y, p.y));
  };
  for (const Loop& loop : loops) {
    for (const Edge& edge : loop) {
      add(edge.start);
      add(edge.end);
      if (edge.kind != Edge::kArc) continue;
      // The quadrant points the arc passes.
      for (int quarter = 0; quarter < 4; ++quarter) {
        const double angle = quarter * kPi / 2.0;
        double along = std::fmod(edge.sweep >= 0.0 ? angle - edge.startAngle : edge.startAngle - angle, kTwoPi);
        if (along < 0.0) along += kTwoPi;
        if (along < std::fabs(edge.sweep)) add(onCircle(edge.center, edge.radius, angle));
      }
    }
  }
  return any;
}

}  // namespace hatch
