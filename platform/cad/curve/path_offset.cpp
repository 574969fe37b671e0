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
  const double scale = std::max(1.0, std::max({std::fabs(box.minX), std::fabs(box.minY), std::fabs(box.maxX),
                                               std::fabs(box.maxY), box.size()}));
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
std::vector<BulgeSeg> movedElements(const BulgePath& path, const std::vector<BulgeSeg>& segs, double left,
                                    double tol) {
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

// A source segment that may come within the distance of the element being trimmed,
// with its distance from the element's midpoint.
struct Neighbour {
  int segment = 0;
  double fromMid = 0.0;
};

// A stretch of an element, in fractions.
struct Stretch {
  double from = 0.0;
  double to = 1.0;
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
  Box2 box;
  double length;
  AcGePoint2d mid;

  explicit Element(const BulgeSeg& s)
      : seg(s), prim(Prim2::of(s)), prepared(s), box(s.box()), length(s.length()), mid(s.midPoint()) {}

  // Lengths along the element bound distances between its points.
  Ball ballOf(const Stretch& s) const { return {prim.pointAt((s.from + s.to) / 2), (s.to - s.from) * length / 2}; }
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

class OffsetBuilder {
 public:
  OffsetBuilder(const BulgePath& path, double left)
      : path_(path), segs_(path.segments()), left_(left), dist_(std::fabs(left)), tol_(tolerancesFor(path)),
        tree_(boxesOf(segs_)), bands_(segs_.size()), bandReady_(segs_.size(), false), seenAt_(segs_.size(), 0) {
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

  // Points this much nearer to a source segment than the distance are surely dropped
  // by outsideBand, rounding included.
  double deepLimit() const { return dist_ - tol_.keep - tol_.point; }
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

  double nearestSegment(const AcGePoint2d& p, double bound) const {
    return tree_.nearest(p, bound, [&](int j) { return prepared_[static_cast<size_t>(j)].distanceTo(p); });
  }

  // One segment's band holds the whole element: nothing of it is kept.
  bool swallowed(const Element& el) {
    const double bound = deepLimit() - el.length / 2;
    if (bound <= 0.0) return false;
    // Neighbouring elements tend to drown in the same band.
    if (lastSwallower_ >= 0 && prepared_[static_cast<size_t>(lastSwallower_)].distanceTo(el.mid) < bound) return true;
    int nearest = -1;
    tree_.nearest(el.mid, bound, [&](int j) {
      const double d = prepared_[static_cast<size_t>(j)].distanceTo(el.mid);
      if (d < bound) nearest = j;
      return d;
    });
    if (nearest < 0) return false;
    lastSwallower_ = nearest;
    return true;
  }

  // Gathers into neighbours_ the source segments that come within the distance of a
  // shallow stretch (balls_): only they can cut it or hold one of its pieces.
  void gatherNeighbours(const Element& el) {
    ++stamp_;
    neighbours_.clear();
    for (const Ball& b : balls_) {
      Box2 around;
      around.add(b.center);
      const double reach = dist_ + b.radius + tol_.join;
      tree_.query(around.grown(reach), [&](int j) {
        int& seen = seenAt_[static_cast<size_t>(j)];
        if (seen == stamp_) return;
        const PreparedSeg& seg = prepared_[static_cast<size_t>(j)];
        if (seg.distanceTo(b.center) > reach) return;
        seen = stamp_;
        neighbours_.push_back({j, seg.distanceTo(el.mid)});
      });
    }
    // Nearest first: a piece inside the band is then found out at once.
    std::sort(neighbours_.begin(), neighbours_.end(),
              [](const Neighbour& a, const Neighbour& b) { return a.fromMid < b.fromMid; });
  }

  // Splits the element into stretches lying deep inside the band (deep_) and the rest
  // (shallow_), both in order. A probe point at depth h inside the band has every point
  // within h - drownDepth() of it along the element deep as well; one at a depth below
  // drownDepth() has the points within the difference shallow. Stretches too short to
  // be worth probing, or left when the probes run out, count as shallow.
  void mapDepth(const Element& el) {
    constexpr int kMaxProbes = 48;
    deep_.clear();
    shallow_.clear();
    toProbe_.assign(1, Stretch{});
    const double shortest = std::max(drownDepth(), 0.01 * dist_) / el.length;
    for (int probes = 0; !toProbe_.empty();) {
      const Stretch s = toProbe_.back();
      toProbe_.pop_back();
      if (s.to - s.from <= shortest || probes == kMaxProbes) {
        shallow_.push_back(s);
        continue;
      }
      ++probes;
      const double m = (s.from + s.to) / 2;
      const double depth = deepLimit() - nearestSegment(el.prim.pointAt(m), 2.0 * dist_);
      const double reach = std::fabs(depth - drownDepth()) / el.length;
      const Stretch known{std::max(s.from, m - reach), std::min(s.to, m + reach)};
      (depth > drownDepth() ? deep_ : shallow_).push_back(known);
      if (known.from > s.from) toProbe_.push_back({s.from, known.from});
      if (known.to < s.to) toProbe_.push_back({known.to, s.to});
    }
    normalize(deep_);
    normalize(shallow_);
    balls_.clear();
    for (const Stretch& st : shallow_) balls_.push_back(el.ballOf(st));
  }

  bool inShallowStretch(double fraction) const {
    for (const Stretch& s : shallow_)
      if (fraction >= s.from && fraction <= s.to) return true;
    return false;
  }

  void addCuts(const Element& el, const Prim2& boundary) {
    for (const Hit2& hit : intersect(el.prim, boundary, tol_.point))
      if (hit.fa * el.length > tol_.point && (1.0 - hit.fa) * el.length > tol_.point && inShallowStretch(hit.fa))
        cuts_.push_back(hit.fa);
  }

  // Where the shallow stretches (balls_) cross the bands' boundaries. Boundaries that cannot come
  // within the tolerance of a shallow stretch are passed over: they give no cut there.
  void gatherCuts(const Element& el) {
    cuts_.assign({0.0, 1.0});
    auto near = [&](auto&& distanceFrom) {
      for (const Ball& b : balls_)
        if (distanceFrom(b.center) <= b.radius + tol_.join) return true;
      return false;
    };
    for (const Neighbour& n : neighbours_) {
      const BandBoundary& band = bandOf(n.segment);
      for (int k = 0; k < band.sideCount; ++k) {
        const PreparedSeg& side = band.preparedSides[static_cast<size_t>(k)];
        if (near([&](const AcGePoint2d& p) { return side.distanceTo(p); }))
          addCuts(el, band.sides[static_cast<size_t>(k)]);
      }
      for (const AcGePoint2d& end : band.ends)
        if (near([&](const AcGePoint2d& p) { return std::fabs(std::sqrt((p - end).lengthSqrd()) - dist_); }))
          addCuts(el, Prim2::circle(end, dist_));
    }
    std::sort(cuts_.begin(), cuts_.end());
  }

  bool touchesDeepStretch(double from, double to) const {
    for (const Stretch& s : deep_)
      if (overlaps(s, {from, to})) return true;
    return false;
  }

  // Cuts an element where it enters or leaves the band around the path, and keeps the
  // parts lying outside.
  void keepPiecesOf(int e) {
    const Element el(elements_[static_cast<size_t>(e)]);
    if (!gatherNeighbours(el)) return;
    mapDepth(el);
    if (shallow_.empty()) return;
    gatherCuts(el);
    for (size_t k = 0; k + 1 < cuts_.size(); ++k) {
      const double from = cuts_[k], to = cuts_[k + 1];
      if ((to - from) * el.length <= tol_.point || touchesDeepStretch(from, to)) continue;
      const BulgeSeg part = el.seg.part(from, to);
      if (outsideBand(part.midPoint(), el.mid)) pieces_.push_back({e, from, to, part});
    }
  }

  // No source segment within the distance (less the slack) of p, a point of the element
  // whose midpoint is mid. Only the gathered neighbours can come that near. The quick
  // distance settles all but the cases within rounding of the limit.
  bool outsideBand(const AcGePoint2d& p, const AcGePoint2d& mid) const {
    const double limit = dist_ - tol_.keep;
    const double shift = p.distanceTo(mid);
    for (const Neighbour& n : neighbours_) {
      if (n.fromMid - shift >= limit + tol_.point) break;  // these and all after are too far
      const double quick = prepared_[static_cast<size_t>(n.segment)].distanceTo(p);
      if (quick >= limit + tol_.point) continue;
      if (quick < limit - tol_.point || segs_[static_cast<size_t>(n.segment)].distanceTo(p) < limit) return false;
    }
    return true;
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
      if (used[static_cast<size_t>(k)] || !joins(pieces_[static_cast<size_t>(i)], pieces_[static_cast<size_t>(k)])) return;
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
      ends.query(startBoxes[static_cast<size_t>(i)],
                 [&](int k) { hasPredecessor = hasPredecessor || (k != i && joins(pieces_[static_cast<size_t>(k)], pieces_[static_cast<size_t>(i)])); });
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
    if (!closed) path.vertices.push_back({elements_[static_cast<size_t>(merged.back().element)].pointAt(merged.back().to), 0.0});
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
  std::vector<Neighbour> neighbours_;
  std::vector<Stretch> deep_, shallow_, toProbe_;
  std::vector<Ball> balls_;
  std::vector<double> cuts_;
  int lastSwallower_ = -1;
  // Marks the segments already gathered for the element of stamp_.
  std::vector<int> seenAt_;
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
