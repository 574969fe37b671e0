#include "platform/cad/curve/offset/path_winding.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/curve/box_tree.h"
#include "platform/cad/curve/segment_intersect.h"

namespace curve {

namespace {

// Which side of the line through a and b the point lies, +1 left and -1 right. Points on
// the line count as moved up a hair (and then right a hair), as the crossing rule below
// takes them, so that chords and the caps of their arcs agree.
int sideOf(const AcGePoint2d& a, const AcGePoint2d& b, const AcGePoint2d& p) {
  const AcGeVector2d d = b - a;
  const double side = d.crossProduct(p - a);
  if (side != 0.0) return side > 0.0 ? 1 : -1;
  if (d.x != 0.0) return d.x > 0.0 ? 1 : -1;
  return d.y > 0.0 ? -1 : 1;
}

// The chord's share: +1 when it passes upward with p on its left, -1 downward with p on its right.
int chordWinding(const AcGePoint2d& a, const AcGePoint2d& b, const AcGePoint2d& p) {
  if (a.y <= p.y) return b.y > p.y && sideOf(a, b, p) > 0 ? 1 : 0;
  return b.y <= p.y && sideOf(a, b, p) < 0 ? -1 : 0;
}

// An arc replaces its chord: the region between them (right of the chord for a
// counter-clockwise arc, left for a clockwise one) is wound once more in the arc's sense.
int arcCapWinding(const BulgeSeg& seg, const Arc2& arc, const AcGePoint2d& p) {
  if ((p - arc.center).lengthSqrd() >= arc.radius * arc.radius) return 0;
  const int side = sideOf(seg.start, seg.end, p);
  if (seg.bulge > 0.0) return side < 0 ? 1 : 0;
  return side > 0 ? -1 : 0;
}

// Segment i of the path taken as closed; an open path's last vertex carries no arc.
BulgeSeg closedSegment(const BulgePath& path, int i) {
  const int n = static_cast<int>(path.vertices.size());
  const BulgeVertex& v = path.vertices[static_cast<size_t>(i)];
  return {v.point, path.vertices[static_cast<size_t>((i + 1) % n)].point, i + 1 < n || path.closed ? v.bulge : 0.0};
}

// Over n segments, segAt(i) giving the segment and arcOf(seg, i) the arc of an arc one.
template <class SegAt, class ArcOf>
int windingOf(int n, SegAt&& segAt, ArcOf&& arcOf, const AcGePoint2d& p) {
  int winding = 0;
  for (int i = 0; i < n; ++i) {
    const BulgeSeg seg = segAt(i);
    winding += chordWinding(seg.start, seg.end, p) + (seg.isArc() ? arcCapWinding(seg, arcOf(seg, i), p) : 0);
  }
  return winding;
}

template <class SegAt, class ArcOf>
double signedAreaOf(int n, SegAt&& segAt, ArcOf&& arcOf) {
  double area = 0.0;
  for (int i = 0; i < n; ++i) {
    const BulgeSeg seg = segAt(i);
    area += seg.start.x * seg.end.y - seg.end.x * seg.start.y;
    if (seg.isArc()) {
      const Arc2& arc = arcOf(seg, i);
      area += arc.radius * arc.radius * (arc.sweep - std::sin(arc.sweep));
    }
  }
  return area / 2.0;
}

Arc2 arcOfSeg(const BulgeSeg& seg, int) { return seg.arc(); }

}  // namespace

int windingNumber(const BulgePath& path, const AcGePoint2d& p) {
  return windingOf(
      static_cast<int>(path.vertices.size()), [&](int i) { return closedSegment(path, i); }, arcOfSeg, p);
}

double signedArea(const BulgePath& path) {
  return signedAreaOf(
      static_cast<int>(path.vertices.size()), [&](int i) { return closedSegment(path, i); }, arcOfSeg);
}

int windingNumber(std::span<const BulgeSeg> segs, std::span<const Arc2> arcs, const AcGePoint2d& p) {
  return windingOf(
      static_cast<int>(segs.size()), [&](int i) { return segs[static_cast<size_t>(i)]; },
      [&](const BulgeSeg&, int i) -> const Arc2& { return arcs[static_cast<size_t>(i)]; }, p);
}

double signedArea(std::span<const BulgeSeg> segs, std::span<const Arc2> arcs) {
  return signedAreaOf(
      static_cast<int>(segs.size()), [&](int i) { return segs[static_cast<size_t>(i)]; },
      [&](const BulgeSeg&, int i) -> const Arc2& { return arcs[static_cast<size_t>(i)]; });
}

bool touchesItself(const BulgePath& path, double tol) {
  const int n = path.numSegments();
  std::vector<BulgeSeg> segs;
  std::vector<Box2> boxes;
  for (int i = 0; i < n; ++i) {
    segs.push_back(closedSegment(path, i));
    boxes.push_back(segs.back().box());
  }
  return touchesItself(segs, BoxTree(boxes), tol);
}

namespace {

// Straight neighbours meeting at a clear angle (its sine at least 1e-3) cross at their
// common vertex only, and their crossing is worked out there to far within tol.
bool clearStraightNeighbours(const BulgeSeg& a, const BulgeSeg& b) {
  if (a.isArc() || b.isArc()) return false;
  const AcGeVector2d da = a.end - a.start, db = b.end - b.start;
  const double cross = da.crossProduct(db);
  return cross * cross >= 1e-6 * da.lengthSqrd() * db.lengthSqrd();
}

// Whether segments i < j of a closed path meet nowhere but, as neighbours, at their
// common vertex. A segment's primitive is put together only for a pair its box does not
// settle, from the arc worked out already: most pairs never need one.
class SelfTouchTest {
 public:
  // arcs[i]: the arc of segs[i] where that is an arc.
  SelfTouchTest(std::span<const BulgeSeg> segs, std::span<const Arc2> arcs, double tol)
      : segs_(segs), arcs_(arcs), tol_(tol) {}

  bool clearOf(int i, int j) const {
    const int n = static_cast<int>(segs_.size());
    const BulgeSeg& si = segs_[static_cast<size_t>(i)];
    const BulgeSeg& sj = segs_[static_cast<size_t>(j)];
    const bool next = j == i + 1, wraps = i == 0 && j == n - 1;
    if ((next || wraps) && clearStraightNeighbours(si, sj)) return true;
    thread_local std::vector<Hit2> hits;
    intersect(primOf(i), primOf(j), tol_, hits);
    for (const Hit2& h : hits) {
      const bool atNext = next && h.point.distanceTo(sj.start) <= tol_;
      const bool atWrap = wraps && h.point.distanceTo(si.start) <= tol_;
      if (!atNext && !atWrap) return false;
    }
    return true;
  }

 private:
  // As Prim2::of gives it.
  Prim2 primOf(int i) const {
    const BulgeSeg& s = segs_[static_cast<size_t>(i)];
    Prim2 p;
    p.p0 = s.start;
    p.p1 = s.end;
    if (s.isArc()) {
      p.isArc = true;
      p.arc = arcs_[static_cast<size_t>(i)];
      p.endsKnown = true;
    }
    return p;
  }

  std::span<const BulgeSeg> segs_;
  std::span<const Arc2> arcs_;
  double tol_;
};

// Each arc segment's arc, worked out once.
std::vector<Arc2> arcsOf(std::span<const BulgeSeg> segs) {
  std::vector<Arc2> arcs(segs.size());
  for (size_t i = 0; i < segs.size(); ++i)
    if (segs[i].isArc()) arcs[i] = segs[i].arc();
  return arcs;
}

}  // namespace

bool touchesItself(std::span<const BulgeSeg> segs, const BoxTree& tree, double tol) {
  return touchesItself(segs, arcsOf(segs), tree, tol);
}

bool touchesItself(std::span<const BulgeSeg> segs, std::span<const Arc2> arcs, const BoxTree& tree, double tol) {
  // Over a few segments the later ones are tried straight away: the tree would try them all.
  constexpr size_t kFew = 48;
  if (segs.size() < kFew) return touchesItselfAmongFew(segs, arcs, tree.boxes(), tol);
  const SelfTouchTest test(segs, arcs, tol);
  const int n = static_cast<int>(segs.size());
  for (int i = 0; i < n; ++i) {
    // Boxes nearer than tol: the query's grown by twice that meets the tree's.
    const Box2 box = tree.boxAt(i).grown(2.0 * tol);
    if (!tree.queryUntil(box, [&](int j) { return j <= i || test.clearOf(i, j); })) return true;
  }
  return false;
}

bool touchesItselfAmongFew(std::span<const BulgeSeg> segs, std::span<const Box2> boxes, double tol) {
  return touchesItselfAmongFew(segs, arcsOf(segs), boxes, tol);
}

bool touchesItselfAmongFew(std::span<const BulgeSeg> segs, std::span<const Arc2> arcs, std::span<const Box2> boxes,
                           double tol) {
  const SelfTouchTest test(segs, arcs, tol);
  const int n = static_cast<int>(segs.size());
  for (int i = 0; i < n; ++i) {
    // Neighbours' boxes hold their common vertex, so they meet without asking.
    if (i + 1 < n && !test.clearOf(i, i + 1)) return true;
    const Box2 box = boxes[static_cast<size_t>(i)].grown(2.0 * tol);
    for (int j = i + 2; j < n; ++j)
      if (boxes[static_cast<size_t>(j)].overlaps(box) && !test.clearOf(i, j)) return true;
  }
  return false;
}

namespace {

// Directions at a point of a closed path where two visits meet, each the way back along
// the path before it and the way on after it.
struct Visit {
  AcGeVector2d back, on;
};

// Directions nearer than this (the sine between them) are one: visits that share one
// run alongside there and only touch.
constexpr double kSameDirection = 1e-9;

double angleOf(const AcGeVector2d& v) { return std::atan2(v.y, v.x); }

// Whether the directions b lie strictly on either side of the pair a: going round from
// a.back to a.on, one of b's lies before a.on and the other after.
bool separates(const Visit& a, const Visit& b) {
  for (const AcGeVector2d& d : {b.back, b.on})
    for (const AcGeVector2d& e : {a.back, a.on})
      if (std::fabs(d.crossProduct(e)) <= kSameDirection && d.dotProduct(e) > 0.0) return false;
  const double from = angleOf(a.back);
  auto turn = [&](const AcGeVector2d& d) { return normalizeAngle(angleOf(d) - from); };
  const double to = turn(a.on);
  return (turn(b.back) < to) != (turn(b.on) < to);
}

// The visit of the path at fraction f of segment i: within its inside, or at a vertex
// (f 0 or 1) between two segments.
Visit visitAt(std::span<const BulgeSeg> segs, int i, double f) {
  const int n = static_cast<int>(segs.size());
  const BulgeSeg& s = segs[static_cast<size_t>(i)];
  if (f == 0.0) return {-segs[static_cast<size_t>((i - 1 + n) % n)].tangentAt(1.0), s.tangentAt(0.0)};
  if (f == 1.0) return {-s.tangentAt(1.0), segs[static_cast<size_t>((i + 1) % n)].tangentAt(0.0)};
  const AcGeVector2d t = s.tangentAt(f);
  return {-t, t};
}

// A fraction within tol (in length) of an end of the segment goes to that end.
double snappedToEnd(const BulgeSeg& s, double f, double tol) {
  const double length = s.length();
  if (f * length <= tol) return 0.0;
  if ((1.0 - f) * length <= tol) return 1.0;
  return f;
}

}  // namespace

bool crossesItself(std::span<const BulgeSeg> segs, const BoxTree& tree, double tol) {
  const int n = static_cast<int>(segs.size());
  std::vector<Prim2> prims;
  prims.reserve(segs.size());
  for (const BulgeSeg& s : segs) prims.push_back(Prim2::of(s));
  std::vector<Hit2> hits;
  auto crossAt = [&](int i, int j) {
    for (const Hit2& h : hits) {
      const double fi = snappedToEnd(segs[static_cast<size_t>(i)], h.fa, tol);
      const double fj = snappedToEnd(segs[static_cast<size_t>(j)], h.fb, tol);
      // Neighbours meet at their common vertex, which is no crossing.
      const bool common = (j == i + 1 && fi == 1.0 && fj == 0.0) || (i == 0 && j == n - 1 && fi == 0.0 && fj == 1.0);
      if (!common && separates(visitAt(segs, i, fi), visitAt(segs, j, fj))) return true;
    }
    return false;
  };
  for (int i = 0; i < n; ++i) {
    const bool clear = tree.queryUntil(tree.boxAt(i).grown(2.0 * tol), [&](int j) {
      if (j <= i) return true;
      intersect(prims[static_cast<size_t>(i)], prims[static_cast<size_t>(j)], tol, hits);
      return !crossAt(i, j);
    });
    if (!clear) return true;
  }
  return false;
}

}  // namespace curve
