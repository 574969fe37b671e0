#include "platform/cad/curve/path_offset.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/cad/curve/box_tree.h"
#include "platform/cad/curve/offset_fault.h"
#include "platform/cad/curve/segment_intersect.h"

namespace curve {

namespace {

// A piece of a moved element or corner arc that survived the distance test.
struct Piece {
  int element = 0;
  double from = 0.0;
  double to = 1.0;
  BulgeSeg seg;
};

struct Tolerances {
  double point;  // equal points, tangency
  double join;   // chaining of pieces
  double keep;   // slack of the distance test
};

Tolerances tolerancesFor(const BulgePath& path) {
  Box2 box;
  for (const BulgeVertex& v : path.vertices) box.add(v.point);
  const double scale = std::max(
      1.0, std::max({std::fabs(box.minX), std::fabs(box.minY), std::fabs(box.maxX), std::fabs(box.maxY), box.size()}));
  return {1e-10 * scale, 1e-7 * scale, 1e-8 * scale};
}

AcGeVector2d leftNormal(const BulgeSeg& seg, double fraction) { return seg.tangentAt(fraction).perpVector(); }

AcGePoint2d movedPoint(const BulgeSeg& seg, double fraction, double left) {
  return seg.pointAt(fraction) + leftNormal(seg, fraction) * left;
}

// The element moved to the left; false when an arc shrinks to nothing.
bool movedSegment(const BulgeSeg& seg, double left, double tol, BulgeSeg& out) {
  out = {movedPoint(seg, 0.0, left), movedPoint(seg, 1.0, left), seg.bulge};
  if (!seg.isArc()) return true;
  const Arc2 a = seg.arc();
  const double radius = a.sweep > 0 ? a.radius - left : a.radius + left;
  return radius > tol;
}

// The corner arc between two moved elements, when the corner is convex on the offset side.
bool cornerArc(const BulgeSeg& in, const BulgeSeg& out, double left, double tol, BulgeSeg& arc) {
  const AcGePoint2d p = movedPoint(in, 1.0, left);
  const AcGePoint2d q = movedPoint(out, 0.0, left);
  if (p.distanceTo(q) <= tol) return false;
  const AcGeVector2d t0 = in.tangentAt(1.0), t1 = out.tangentAt(0.0);
  const double turn = t0.crossProduct(t1);
  const double dot = t0.dotProduct(t1);
  const bool reversal = dot < 0.0 && std::fabs(turn) <= 1e-12;
  if (!reversal && turn * left >= 0.0) return false;  // concave: the moved elements cross
  const double sweep = std::atan2(std::fabs(turn), dot);
  arc = {p, q, bulgeOfSweep(left > 0 ? -sweep : sweep)};
  return true;
}

// The elements of the moved path, corner arcs between them.
std::vector<BulgeSeg> movedElements(const BulgePath& path, const std::vector<BulgeSeg>& segs, double left, double tol) {
  std::vector<BulgeSeg> elements;
  const int n = static_cast<int>(segs.size());
  for (int i = 0; i < n; ++i) {
    BulgeSeg moved;
    if (movedSegment(segs[static_cast<size_t>(i)], left, tol, moved) && moved.length() > tol) elements.push_back(moved);
    if (i + 1 < n || path.closed) {
      BulgeSeg arc;
      if (cornerArc(segs[static_cast<size_t>(i)], segs[static_cast<size_t>((i + 1) % n)], left, tol, arc))
        elements.push_back(arc);
    }
  }
  return elements;
}

// The curves bounding the band of points within distance d of one element: its two
// moved copies and the circles about its ends.
struct BandBoundary {
  std::array<Prim2, 2> sides;
  std::array<PreparedSeg, 2> preparedSides;
  int sideCount = 0;
  std::array<AcGePoint2d, 2> ends;
};

BandBoundary bandBoundary(const BulgeSeg& seg, double d, double tol) {
  BandBoundary out;
  for (double side : {d, -d}) {
    BulgeSeg moved;
    if (!movedSegment(seg, side, tol, moved)) continue;
    out.sides[static_cast<size_t>(out.sideCount)] = Prim2::of(moved);
    out.preparedSides[static_cast<size_t>(out.sideCount++)] = PreparedSeg(moved);
  }
  out.ends = {seg.start, seg.end};
  return out;
}

// Where an element crosses the boundary of a source segment's band.
struct Cut {
  double at = 0.0;
  int segment = -1;
};

// A stretch of an element, in fractions.
struct Stretch {
  double from = 0.0;
  double to = 1.0;
  bool empty() const { return to <= from; }
};

// A stretch seen as a point of the element and the most the stretch strays from it.
struct Ball {
  AcGePoint2d center;
  double radius = 0.0;
};

// The element being trimmed, in the forms the trimming asks for.
struct Element {
  const BulgeSeg& seg;
  Prim2 prim;
  PreparedSeg prepared;
  double length;

  explicit Element(const BulgeSeg& s) : seg(s), prim(Prim2::of(s)), prepared(s), length(s.length()) {}

  AcGePoint2d mid() const { return prim.pointAt(0.5); }
  // Lengths along the element bound distances between its points.
  Ball ballOf(const Stretch& s) const { return {prim.pointAt((s.from + s.to) / 2), (s.to - s.from) * length / 2}; }

  // The stretch around fraction f whose points lie nearer to x than radius; empty when
  // the point at f does not.
  Stretch nearPoint(double f, const AcGePoint2d& x, double radius) const {
    const Stretch none{f, f};
    if (!prim.isArc) {
      // |p0 + t d - x|^2 < radius^2
      const AcGeVector2d d = prim.p1 - prim.p0, w = prim.p0 - x;
      const double a = d.lengthSqrd(), b = d.dotProduct(w), c = w.lengthSqrd() - radius * radius;
      const double disc = b * b - a * c;
      if (a <= 0.0 || disc <= 0.0) return none;
      const double root = std::sqrt(disc);
      const Stretch s{std::max(0.0, (-b - root) / a), std::min(1.0, (-b + root) / a)};
      return s.from <= f && f <= s.to ? s : none;
    }
    // On the circle: the angles within half of the direction of x seen from the centre.
    const Arc2& arc = prim.arc;
    const AcGeVector2d v = x - arc.center;
    const double r = arc.radius, s = v.length();
    if (s + r < radius) return {0.0, 1.0};
    if (s == 0.0) return none;
    const double cosHalf = (r * r + s * s - radius * radius) / (2.0 * r * s);
    if (cosHalf >= 1.0) return none;
    if (cosHalf <= -1.0) return {0.0, 1.0};
    const double half = std::acos(cosHalf);
    const double off = std::remainder(arc.startAngle + arc.sweep * f - std::atan2(v.y, v.x), kTwoPi);
    if (std::fabs(off) >= half) return none;
    const double back = -(half + off) / arc.sweep, ahead = (half - off) / arc.sweep;
    return {std::max(0.0, f + std::min(back, ahead)), std::min(1.0, f + std::max(back, ahead))};
  }
};

bool overlaps(const Stretch& a, const Stretch& b) { return a.from < b.to && b.from < a.to; }

// Sorts and joins stretches that touch.
void normalize(std::vector<Stretch>& stretches) {
  std::sort(stretches.begin(), stretches.end(), [](const Stretch& a, const Stretch& b) { return a.from < b.from; });
  size_t kept = 0;
  for (const Stretch& s : stretches) {
    if (kept > 0 && s.from <= stretches[kept - 1].to) {
      stretches[kept - 1].to = std::max(stretches[kept - 1].to, s.to);
      continue;
    }
    stretches[kept++] = s;
  }
  stretches.resize(kept);
}

// Moves the path's elements sideways and trims them to what lies at the distance from
// the path: each element is cut where it crosses the boundary of a source segment's
// band, and a part is kept when its midpoint lies no nearer to the path than the
// distance. Most elements at larger distances drown in the band whole or in long
// stretches; those are found by probing their depth and dropped without cutting.
class OffsetBuilder {
 public:
  OffsetBuilder(const BulgePath& path, double left)
      : path_(path),
        segs_(path.segments()),
        left_(left),
        dist_(std::fabs(left)),
        tol_(tolerancesFor(path)),
        tree_(boxesOf(segs_)),
        bands_(segs_.size()),
        bandReady_(segs_.size(), false),
        seenAt_(segs_.size(), 0),
        vertexSeenAt_(path.vertices.size(), 0) {
    prepared_.reserve(segs_.size());
    for (const BulgeSeg& s : segs_) prepared_.emplace_back(s);
  }

  std::vector<BulgePath> run() {
    elements_ = movedElements(path_, segs_, left_, tol_.point);
    for (int e = 0; e < static_cast<int>(elements_.size()); ++e) keepPiecesOf(e);
    return chains();
  }

 private:
  static std::vector<Box2> boxesOf(const std::vector<BulgeSeg>& segs) {
    std::vector<Box2> boxes;
    boxes.reserve(segs.size());
    for (const BulgeSeg& s : segs) boxes.push_back(s.box());
    return boxes;
  }

  // A piece whose midpoint lies nearer to a source segment than this is dropped.
  double keepLimit() const { return dist_ - tol_.keep; }
  // Nearer than this is surely nearer than keepLimit, whatever the rounding.
  double deepLimit() const { return keepLimit() - tol_.point; }
  // How far inside that a stretch must lie to be dropped without cutting it: far more
  // than any slack, so no piece that the cuts would keep reaches it.
  double drownDepth() const { return std::max(1e-3 * dist_, 1e3 * tol_.keep); }

  const BandBoundary& bandOf(int j) {
    const size_t k = static_cast<size_t>(j);
    if (!bandReady_[k]) {
      bands_[k] = bandBoundary(segs_[k], dist_, tol_.point);
      bandReady_[k] = true;
    }
    return bands_[k];
  }

  // Quick distance from p to the nearest source segment (which, when nearer than
  // bound); bound when none is nearer.
  double nearestSegment(const AcGePoint2d& p, double bound, int* which = nullptr) const {
    double best = bound;
    return tree_.nearest(p, bound, [&](int j) {
      const double d = prepared_[static_cast<size_t>(j)].distanceTo(p);
      if (d < best) {
        best = d;
        if (which != nullptr) *which = j;
      }
      return d;
    });
  }

  // One segment's band holds the whole element: nothing of it is kept.
  bool swallowed(const Element& el) {
    const double bound = deepLimit() - el.length / 2;
    if (bound <= 0.0) return false;
    const AcGePoint2d mid = el.mid();
    // Neighbouring elements tend to drown in the same band.
    if (lastSwallower_ >= 0 && prepared_[static_cast<size_t>(lastSwallower_)].distanceTo(mid) < bound) return true;
    int nearest = -1;
    nearestSegment(mid, bound, &nearest);
    if (nearest < 0) return false;
    lastSwallower_ = nearest;
    return true;
  }

  // The stretch around fraction m known to lie deep in the band, or empty. The nearest
  // point x of the nearest segment holds every point nearer to x than deepLimit() less
  // drownDepth().
  Stretch deepStretchAround(const Element& el, double m) const {
    const AcGePoint2d p = el.prim.pointAt(m);
    const double radius = deepLimit() - drownDepth();
    int nearest = -1;
    nearestSegment(p, radius, &nearest);
    if (nearest < 0) return {m, m};
    return el.nearPoint(m, prepared_[static_cast<size_t>(nearest)].nearestPoint(p), radius);
  }

  // Splits the element into stretches lying deep inside the band (deep_) and the rest
  // (shallow_), both in order. Anything may count as shallow, which only means it is cut
  // exactly: so a probe point that is not deep settles a fair stretch around it, and
  // stretches too short to be worth a probe, or left when the probes run out, are
  // shallow too.
  void mapDepth(const Element& el) {
    constexpr int kMaxProbes = 32;
    deep_.clear();
    shallow_.clear();
    const double settled = std::max(drownDepth(), 0.02 * dist_) / el.length;
    const bool canDrown = drownDepth() < deepLimit();
    toProbe_.assign(1, Stretch{});
    for (int probes = 0; !toProbe_.empty();) {
      const Stretch s = toProbe_.back();
      toProbe_.pop_back();
      if (!canDrown || s.to - s.from <= 2.0 * settled || probes == kMaxProbes) {
        shallow_.push_back(s);
        continue;
      }
      ++probes;
      const double m = (s.from + s.to) / 2;
      Stretch known = deepStretchAround(el, m);
      const bool deep = !known.empty();
      if (!deep) known = {m - settled, m + settled};
      known = {std::max(s.from, known.from), std::min(s.to, known.to)};
      (deep ? deep_ : shallow_).push_back(known);
      if (known.from > s.from) toProbe_.push_back({s.from, known.from});
      if (known.to < s.to) toProbe_.push_back({known.to, s.to});
    }
    normalize(deep_);
    normalize(shallow_);
    balls_.clear();
    for (const Stretch& st : shallow_) balls_.push_back(el.ballOf(st));
  }

  // Gathers into neighbours_ the source segments that come within the distance of a
  // shallow stretch (balls_): only they can cut it.
  void gatherNeighbours() {
    ++stamp_;
    neighbours_.clear();
    for (const Ball& b : balls_) {
      Box2 around;
      around.add(b.center);
      const double reach = dist_ + b.radius + tol_.join;
      tree_.query(around.grown(reach), [&](int j) {
        int& seen = seenAt_[static_cast<size_t>(j)];
        if (seen == stamp_ || prepared_[static_cast<size_t>(j)].distanceTo(b.center) > reach) return;
        seen = stamp_;
        neighbours_.push_back(j);
      });
    }
  }

  bool inShallowStretch(double fraction) const {
    for (const Stretch& s : shallow_)
      if (fraction >= s.from && fraction <= s.to) return true;
    return false;
  }

  void addCuts(const Element& el, const Prim2& boundary, int segment) {
    intersect(el.prim, boundary, tol_.point, hits_);
    for (const Hit2& hit : hits_)
      if (hit.fa * el.length > tol_.point && (1.0 - hit.fa) * el.length > tol_.point && inShallowStretch(hit.fa))
        cuts_.push_back({hit.fa, segment});
  }

  // Where the shallow stretches cross the bands' boundaries. Boundaries that cannot come
  // within the tolerance of a shallow stretch are passed over: they give no cut there.
  void gatherCuts(const Element& el) {
    cuts_.assign({{0.0, -1}, {1.0, -1}});
    auto near = [&](auto&& distanceFrom) {
      for (const Ball& b : balls_)
        if (distanceFrom(b.center) <= b.radius + tol_.join) return true;
      return false;
    };
    for (int j : neighbours_) {
      const BandBoundary& band = bandOf(j);
      for (int k = 0; k < band.sideCount; ++k) {
        const PreparedSeg& side = band.preparedSides[static_cast<size_t>(k)];
        if (near([&](const AcGePoint2d& p) { return side.distanceTo(p); }))
          addCuts(el, band.sides[static_cast<size_t>(k)], j);
      }
      for (int k = 0; k < 2; ++k) {
        // Segments that meet share the circle about their common vertex.
        int& seen = vertexSeenAt_[static_cast<size_t>((j + k) % static_cast<int>(path_.vertices.size()))];
        if (seen == stamp_) continue;
        seen = stamp_;
        const AcGePoint2d& end = band.ends[static_cast<size_t>(k)];
        if (el.prepared.distanceTo(end) > dist_ + tol_.join || el.prepared.farthestFrom(end) < dist_ - tol_.join)
          continue;
        if (near([&](const AcGePoint2d& p) { return std::fabs(std::sqrt((p - end).lengthSqrd()) - dist_); }))
          addCuts(el, Prim2::circle(end, dist_), j);
      }
    }
    std::sort(cuts_.begin(), cuts_.end(), [](const Cut& a, const Cut& b) { return a.at < b.at; });
  }

  bool touchesDeepStretch(const Stretch& piece) const {
    for (const Stretch& s : deep_)
      if (overlaps(s, piece)) return true;
    return false;
  }

  // Cuts an element where it enters or leaves the band around the path, and keeps the
  // parts lying outside.
  void keepPiecesOf(int e) {
    const Element el(elements_[static_cast<size_t>(e)]);
    if (swallowed(el)) return;
    mapDepth(el);
    if (shallow_.empty()) return;
    gatherNeighbours();
    gatherCuts(el);
    for (size_t k = 0; k + 1 < cuts_.size(); ++k) {
      const double from = cuts_[k].at, to = cuts_[k + 1].at;
      if ((to - from) * el.length <= tol_.point || touchesDeepStretch({from, to})) continue;
      if (surelyInsideBand(el.prim.pointAt((from + to) / 2), {cuts_[k].segment, cuts_[k + 1].segment})) continue;
      const BulgeSeg part = el.seg.part(from, to);
      if (outsideBand(part.midPoint())) pieces_.push_back({e, from, to, part});
    }
  }

  // A source segment lies nearer to p, a point of the element standing for the
  // midpoint of a piece, than keepLimit(), with room to spare for rounding.
  // Likely holders go first: the bands whose boundaries end the piece, and the band
  // that held the piece before.
  bool surelyInsideBand(const AcGePoint2d& p, std::array<int, 2> likely) {
    const double limit = deepLimit() - tol_.point;
    for (int j : {likely[0], likely[1], lastHolder_})
      if (j >= 0 && prepared_[static_cast<size_t>(j)].distanceTo(p) < limit) return true;
    int holder = -1;
    nearestSegment(p, limit, &holder);
    if (holder >= 0) lastHolder_ = holder;
    return holder >= 0;
  }

  // No source segment nearer to p than keepLimit(). The quick distance settles all but
  // the cases within rounding of the limit, which get the exact one.
  bool outsideBand(const AcGePoint2d& p) const {
    const double limit = keepLimit();
    const double nearest = nearestSegment(p, limit + tol_.point);
    if (nearest >= limit + tol_.point) return true;
    if (nearest < limit - tol_.point) return false;
    Box2 around;
    around.add(p);
    return tree_.queryUntil(around.grown(limit + tol_.point), [&](int j) {
      return prepared_[static_cast<size_t>(j)].distanceTo(p) >= limit + tol_.point ||
             segs_[static_cast<size_t>(j)].distanceTo(p) >= limit;
    });
  }

  bool joins(const Piece& a, const Piece& b) const { return a.seg.end.distanceTo(b.seg.start) <= tol_.join; }

  // The kept piece that follows piece i: the next one in path order when it joins, else any.
  int successor(int i, const std::vector<bool>& used, const BoxTree& starts) const {
    const int n = static_cast<int>(pieces_.size());
    const int next = (i + 1) % n;
    if (!used[static_cast<size_t>(next)] && joins(pieces_[static_cast<size_t>(i)], pieces_[static_cast<size_t>(next)]))
      return next;
    int best = -1;
    Box2 at;
    at.add(pieces_[static_cast<size_t>(i)].seg.end);
    starts.query(at.grown(tol_.join), [&](int k) {
      if (used[static_cast<size_t>(k)] || !joins(pieces_[static_cast<size_t>(i)], pieces_[static_cast<size_t>(k)]))
        return;
      // Nearest in path order after i.
      auto ahead = [&](int m) { return (m - i + n) % n; };
      if (best < 0 || ahead(k) < ahead(best)) best = k;
    });
    return best;
  }

  std::vector<BulgePath> chains() {
    std::vector<BulgePath> out;
    const int n = static_cast<int>(pieces_.size());
    if (n == 0) return out;
    std::vector<Box2> startBoxes, endBoxes;
    for (const Piece& p : pieces_) {
      Box2 s, e;
      s.add(p.seg.start);
      e.add(p.seg.end);
      startBoxes.push_back(s.grown(tol_.join));
      endBoxes.push_back(e.grown(tol_.join));
    }
    const BoxTree starts(startBoxes), ends(endBoxes);
    // Chains begin where no piece leads in; what is left then are loops.
    std::vector<int> order;
    for (int i = 0; i < n; ++i) {
      bool hasPredecessor = false;
      ends.query(startBoxes[static_cast<size_t>(i)], [&](int k) {
        hasPredecessor =
            hasPredecessor || (k != i && joins(pieces_[static_cast<size_t>(k)], pieces_[static_cast<size_t>(i)]));
      });
      if (!hasPredecessor) order.push_back(i);
    }
    for (int i = 0; i < n; ++i) order.push_back(i);
    std::vector<bool> used(static_cast<size_t>(n), false);
    for (int first : order) {
      if (used[static_cast<size_t>(first)]) continue;
      std::vector<int> chain{first};
      used[static_cast<size_t>(first)] = true;
      bool closed = false;
      for (;;) {
        const int last = chain.back();
        if (chain.size() > 1 && joins(pieces_[static_cast<size_t>(last)], pieces_[static_cast<size_t>(first)])) {
          closed = true;
          break;
        }
        const int next = successor(last, used, starts);
        if (next < 0) {
          closed = chain.size() == 1 && joins(pieces_[static_cast<size_t>(last)], pieces_[static_cast<size_t>(first)]);
          break;
        }
        used[static_cast<size_t>(next)] = true;
        chain.push_back(next);
      }
      BulgePath result = toPath(chain, closed);
      if (result.length() > 10.0 * tol_.join) out.push_back(std::move(result));
    }
    return out;
  }

  // Pieces of one element that follow each other become one segment again.
  BulgePath toPath(const std::vector<int>& chain, bool closed) const {
    std::vector<Piece> merged;
    for (int index : chain) {
      const Piece& p = pieces_[static_cast<size_t>(index)];
      if (!merged.empty() && merged.back().element == p.element && std::fabs(merged.back().to - p.from) < 1e-12) {
        merged.back().to = p.to;
        continue;
      }
      merged.push_back(p);
    }
    if (closed && merged.size() > 1 && merged.back().element == merged.front().element &&
        std::fabs(merged.back().to - merged.front().from) < 1e-12) {
      merged.front().from = merged.back().from;
      merged.pop_back();
    }
    BulgePath path;
    path.closed = closed;
    for (const Piece& p : merged) {
      const BulgeSeg seg = elements_[static_cast<size_t>(p.element)].part(p.from, p.to);
      path.vertices.push_back({seg.start, seg.bulge});
    }
    if (!closed)
      path.vertices.push_back({elements_[static_cast<size_t>(merged.back().element)].pointAt(merged.back().to), 0.0});
    return path;
  }

  const BulgePath& path_;
  std::vector<BulgeSeg> segs_;
  std::vector<PreparedSeg> prepared_;
  double left_;
  double dist_;
  Tolerances tol_;
  BoxTree tree_;
  // Band boundaries of the source segments, worked out when first needed.
  std::vector<BandBoundary> bands_;
  std::vector<bool> bandReady_;
  std::vector<BulgeSeg> elements_;
  std::vector<Piece> pieces_;
  // Scratch of keepPiecesOf, kept to spare allocations.
  std::vector<int> neighbours_;
  std::vector<Stretch> deep_, shallow_, toProbe_;
  std::vector<Ball> balls_;
  std::vector<Cut> cuts_;
  std::vector<Hit2> hits_;
  int lastSwallower_ = -1;
  int lastHolder_ = -1;
  // Marks the segments already gathered for the element of stamp_.
  std::vector<int> seenAt_, vertexSeenAt_;
  int stamp_ = 0;
};

}  // namespace

BulgePath withoutRepeatedVertices(const BulgePath& path, double tol) {
  BulgePath out;
  out.closed = path.closed;
  for (const BulgeVertex& v : path.vertices) {
    if (!out.vertices.empty() && out.vertices.back().point.distanceTo(v.point) <= tol) {
      out.vertices.back().bulge = v.bulge;  // the segment of zero length goes
      continue;
    }
    out.vertices.push_back(v);
  }
  if (out.closed && out.vertices.size() > 1 && out.vertices.back().point.distanceTo(out.vertices.front().point) <= tol)
    out.vertices.pop_back();
  return out;
}

OffsetStatus offsetPath(const BulgePath& path, double left, std::vector<BulgePath>& out) {
  out.clear();
  if (!std::isfinite(left)) return OffsetStatus::kInvalidInput;
  for (const BulgeVertex& v : path.vertices)
    if (!std::isfinite(v.point.x) || !std::isfinite(v.point.y) || !std::isfinite(v.bulge))
      return OffsetStatus::kInvalidInput;
  const BulgePath clean = withoutRepeatedVertices(path, tolerancesFor(path).point);
  if (clean.numSegments() == 0) return OffsetStatus::kInvalidInput;
  const OffsetFault fault = TakeOffsetFault();
  if (fault == OffsetFault::kFail) return OffsetStatus::kFailed;
  if (std::fabs(left) <= tolerancesFor(clean).point) {
    out.push_back(clean);
  } else {
    out = OffsetBuilder(clean, left).run();
  }
  if (fault == OffsetFault::kOpenCurves)
    for (BulgePath& p : out)
      if (p.closed) {
        p.closed = false;
        p.vertices.push_back({p.vertices.front().point, 0.0});
      }
  return OffsetStatus::kOk;
}

}  // namespace curve
