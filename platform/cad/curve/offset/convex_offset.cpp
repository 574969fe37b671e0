#include "platform/cad/curve/offset/convex_offset.h"

#include <algorithm>
#include <cmath>

namespace curve {

namespace {

// Turns below this (radians) count as none: the moved neighbours meet end to start.
constexpr double kSmoothTurn = 1e-9;

enum class Convexity { kNone, kLeft, kRight };

double turnAt(const BulgeSeg& in, const BulgeSeg& out) {
  const AcGeVector2d t0 = in.tangentAt(1.0), t1 = out.tangentAt(0.0);
  return std::atan2(t0.crossProduct(t1), t0.dotProduct(t1));
}

AcGeVector2d unit(const AcGeVector2d& v) {
  const double len = std::sqrt(v.lengthSqrd());
  return len > 0.0 ? v / len : AcGeVector2d(1.0, 0.0);
}

// Every side is straight.
bool isPolygon(const BulgePath& path) {
  for (const BulgeVertex& v : path.vertices)
    if (v.bulge != 0.0) return false;
  return true;
}

// The direction of side i of a closed polygon.
AcGeVector2d sideDirection(const BulgePath& path, size_t i) {
  const size_t next = i + 1 < path.vertices.size() ? i + 1 : 0;
  return unit(path.vertices[next].point - path.vertices[i].point);
}

// For polygons, without trigonometry: the sides' directions, as far as they were needed,
// and whether the polygon turns left at every corner and once around (its directions pass
// east once).
bool isLeftConvexPolygon(const BulgePath& path, std::vector<AcGeVector2d>& dirs) {
  const size_t n = path.vertices.size();
  dirs.clear();
  int eastward = 0;
  // Each corner is judged as soon as both its sides are known: most paths turn right early.
  auto turnsLeft = [&](const AcGeVector2d& a, const AcGeVector2d& b) {
    const double cross = a.crossProduct(b);
    if (cross < -kSmoothTurn || (cross <= kSmoothTurn && a.dotProduct(b) < 0.0)) return false;
    eastward += a.y < 0.0 && b.y >= 0.0;
    return true;
  };
  for (size_t i = 0; i < n; ++i) {
    dirs.push_back(sideDirection(path, i));
    if (i > 0 && !turnsLeft(dirs[i - 1], dirs[i])) return false;
  }
  return n > 0 && turnsLeft(dirs[n - 1], dirs[0]) && eastward == 1;
}

// A polygon turning clearly left at one corner and clearly right at another: convex
// neither way, told without angles (a sine is never more than its angle).
// dirs: the first sides' directions, known already.
bool turnsBothWays(const BulgePath& path, const std::vector<AcGeVector2d>& dirs) {
  const size_t n = path.vertices.size();
  auto direction = [&](size_t i) { return i < dirs.size() ? dirs[i] : sideDirection(path, i); };
  bool left = false, right = false;
  AcGeVector2d before = direction(n - 1);
  for (size_t i = 0; i < n && !(left && right); ++i) {
    const AcGeVector2d after = direction(i);
    const double cross = before.crossProduct(after);
    left = left || cross > 2.0 * kSmoothTurn;
    right = right || cross < -2.0 * kSmoothTurn;
    before = after;
  }
  return left && right;
}

// Which way the closed path turns everywhere, when it turns one way only and once around.
Convexity convexityOf(const std::vector<BulgeSeg>& segs, bool& smooth) {
  const size_t n = segs.size();
  bool left = true, right = true;
  double total = 0.0;
  smooth = true;
  for (size_t i = 0; i < n; ++i) {
    const BulgeSeg& s = segs[i];
    if (s.isArc()) {
      const double sweep = 4.0 * std::atan(s.bulge);
      left = left && sweep > 0.0;
      right = right && sweep < 0.0;
      total += sweep;
    }
    const double turn = turnAt(s, segs[(i + 1) % n]);
    if (std::fabs(turn) > kPi - 1e-9) return Convexity::kNone;
    smooth = smooth && std::fabs(turn) <= kSmoothTurn;
    left = left && turn >= -kSmoothTurn;
    right = right && turn <= kSmoothTurn;
    total += turn;
    if (!left && !right) return Convexity::kNone;
  }
  if (left && std::fabs(total - kTwoPi) < 1e-6) return Convexity::kLeft;
  if (right && std::fabs(total + kTwoPi) < 1e-6) return Convexity::kRight;
  return Convexity::kNone;
}

AcGePoint2d movedPoint(const BulgeSeg& seg, double fraction, double dist) {
  return seg.pointAt(fraction) + seg.tangentAt(fraction).perpVector() * dist;
}

// Outward, or inward along a smooth curve that nowhere bends tighter than the distance:
// the moved elements, with arcs about the vertices at corners, meet end to start.
BulgePath movedLoop(const std::vector<BulgeSeg>& segs, double dist, double tol) {
  BulgePath loop;
  loop.closed = true;
  const size_t n = segs.size();
  loop.vertices.reserve(2 * n);
  for (size_t i = 0; i < n; ++i) {
    const BulgeSeg& s = segs[i];
    loop.vertices.push_back({movedPoint(s, 0.0, dist), s.bulge});
    const BulgeSeg& next = segs[(i + 1) % n];
    const AcGePoint2d p = movedPoint(s, 1.0, dist), q = movedPoint(next, 0.0, dist);
    const double turn = turnAt(s, next);
    if (p.distanceTo(q) > tol && turn < 0.0) loop.vertices.push_back({p, bulgeOfSweep(turn)});
  }
  return loop;
}

// The moved carrier of a straight side.
struct Line {
  AcGePoint2d point;
  AcGeVector2d dir;
};

// Where line b crosses line a, as a length along a from its point; parallel lines meet
// where a's point lies across from b's. Sides on one line (either side of a vertex where
// nothing turns) meet at that vertex: where b starts when it follows a, where a starts
// when b comes before it.
double crossingAlong(const Line& a, const Line& b) {
  const double cross = a.dir.crossProduct(b.dir);
  if (std::fabs(cross) > kSmoothTurn) return (b.point - a.point).crossProduct(b.dir) / cross;
  const double along = (b.point - a.point).dotProduct(a.dir);
  return a.dir.dotProduct(b.dir) > 0.0 ? std::max(0.0, along) : along;
}

// Inward offset of a convex polygon: the sides moved in, each cut by its neighbours;
// sides squeezed out go, and their neighbours meet instead. Empty when nothing is left:
// then some neighbours come to turn half around or more.
BulgePath shrunkPolygon(const BulgePath& path, const std::vector<AcGeVector2d>& dirs, double dist, double tol) {
  const int n = static_cast<int>(dirs.size());
  std::vector<Line> lines;
  lines.reserve(dirs.size());
  for (int i = 0; i < n; ++i) {
    const AcGeVector2d& dir = dirs[static_cast<size_t>(i)];
    lines.push_back({path.vertices[static_cast<size_t>(i)].point + dir.perpVector() * dist, dir});
  }
  auto line = [&](int i) -> const Line& { return lines[static_cast<size_t>(i)]; };
  std::vector<int> prev(static_cast<size_t>(n)), next(static_cast<size_t>(n)), work(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    prev[static_cast<size_t>(i)] = (i + n - 1) % n;
    next[static_cast<size_t>(i)] = (i + 1) % n;
    work[static_cast<size_t>(i)] = n - 1 - i;
  }
  std::vector<bool> alive(static_cast<size_t>(n), true);
  int count = n;
  while (!work.empty()) {
    const int i = work.back();
    work.pop_back();
    if (!alive[static_cast<size_t>(i)]) continue;
    const int a = prev[static_cast<size_t>(i)], b = next[static_cast<size_t>(i)];
    if (crossingAlong(line(i), line(b)) - crossingAlong(line(i), line(a)) > tol) continue;
    const double cross = line(a).dir.crossProduct(line(b).dir);
    if (--count < 3 || cross < -kSmoothTurn || (cross <= kSmoothTurn && line(a).dir.dotProduct(line(b).dir) < 0.0))
      return {};
    alive[static_cast<size_t>(i)] = false;
    next[static_cast<size_t>(a)] = b;
    prev[static_cast<size_t>(b)] = a;
    work.push_back(a);
    work.push_back(b);
  }
  BulgePath loop;
  loop.closed = true;
  loop.vertices.reserve(static_cast<size_t>(count));
  int first = 0;
  while (!alive[static_cast<size_t>(first)]) ++first;
  int i = first;
  do {
    const Line& before = line(prev[static_cast<size_t>(i)]);
    loop.vertices.push_back({line(i).point + line(i).dir * crossingAlong(line(i), before), 0.0});
    i = next[static_cast<size_t>(i)];
  } while (i != first);
  return loop;
}

// Whether the loop is longer than length, summing no more sides than needed.
bool longerThan(const BulgePath& loop, double length) {
  double sum = 0.0;
  for (int i = 0; i < loop.numSegments() && sum <= length; ++i) sum += loop.segment(i).length();
  return sum > length;
}

}  // namespace

bool offsetConvexPath(const BulgePath& path, double dist, double tol, double minLength, std::vector<BulgePath>& out) {
  if (!path.closed || path.numSegments() < 2) return false;
  BulgePath loop;
  thread_local std::vector<AcGeVector2d> dirs;
  const bool polygon = isPolygon(path);
  if (polygon && isLeftConvexPolygon(path, dirs)) {
    loop = shrunkPolygon(path, dirs, dist, tol);
  } else if (polygon && turnsBothWays(path, dirs)) {
    return false;
  } else {
    const std::vector<BulgeSeg> segs = path.segments();
    bool smooth = false;
    const Convexity convexity = convexityOf(segs, smooth);
    if (convexity == Convexity::kRight) {
      loop = movedLoop(segs, dist, tol);
    } else if (convexity == Convexity::kLeft && smooth) {
      for (const BulgeSeg& s : segs)
        if (s.isArc() && s.arc().radius <= dist + tol) return false;
      loop = movedLoop(segs, dist, tol);
    } else {
      return false;
    }
  }
  out.clear();
  if (loop.vertices.size() >= 2 && longerThan(loop, minLength)) out.push_back(std::move(loop));
  return true;
}

}  // namespace curve
