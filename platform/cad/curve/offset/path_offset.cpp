#include "platform/cad/curve/offset/path_offset.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cmath>
#include <limits>
#include <memory>
#include <numeric>
#include <optional>
#include <span>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "platform/cad/curve/box_tree.h"
#include "platform/cad/curve/offset/convex_offset.h"
#include "platform/cad/curve/offset/offset_fault.h"
#include "platform/cad/curve/offset/offset_nodes.h"
#include "platform/cad/curve/offset/path_winding.h"
#include "platform/cad/curve/segment_intersect.h"

namespace curve {

namespace {

// The one length tolerance of an offset: points nearer than this are one point, and a
// piece nearer than this to the distance lies at it. Relative to the coordinates, so a
// drawing behaves the same at every scale.
// scale: the path's coordinateScale.
double toleranceFor(double scale, double dist) { return 1e-10 * std::max(dist, scale); }

// The largest coordinate of the path's vertices, worked out once for every tolerance;
// NaN when some coordinate or bulge is not finite, which the same pass tells.
double coordinateScale(const BulgePath& path) {
  constexpr double kMost = std::numeric_limits<double>::max();
#ifdef __SSE2__
  // Both coordinates at once. The largest of the same values is the same, in any order.
  const __m128d magnitude = _mm_castsi128_pd(_mm_set1_epi64x(0x7fffffffffffffff));
  const __m128d most = _mm_set1_pd(kMost);
  __m128d largest = _mm_setzero_pd();
  __m128d finite = _mm_cmpeq_pd(largest, largest);
  for (const BulgeVertex& v : path.vertices) {
    const __m128d point = _mm_and_pd(_mm_set_pd(v.point.y, v.point.x), magnitude);
    const __m128d bulge = _mm_and_pd(_mm_set1_pd(v.bulge), magnitude);
    largest = _mm_max_pd(largest, point);
    finite = _mm_and_pd(finite, _mm_and_pd(_mm_cmple_pd(point, most), _mm_cmple_pd(bulge, most)));
  }
  if (_mm_movemask_pd(finite) != 3) return std::numeric_limits<double>::quiet_NaN();
  return std::max(_mm_cvtsd_f64(largest), _mm_cvtsd_f64(_mm_unpackhi_pd(largest, largest)));
#else
  double scale = 0.0;
  bool finite = true;
  for (const BulgeVertex& v : path.vertices) {
    const double x = std::fabs(v.point.x), y = std::fabs(v.point.y);
    finite = finite && x <= kMost && y <= kMost && std::fabs(v.bulge) <= kMost;
    scale = std::max({scale, x, y});
  }
  return finite ? scale : std::numeric_limits<double>::quiet_NaN();
#endif
}

// Crossings at a smaller angle than this (its sine) tell nothing of which side is which.
constexpr double kTangentSine = 1e-9;

// A segment of the path with its arc and its end tangents worked out once, as
// BulgeSeg works them out.
struct SourceSeg {
  BulgeSeg seg;
  bool isArc = false;
  Arc2 arc;
  AcGeVector2d startTangent, endTangent;

  // a: the segment's arc, for an arc.
  SourceSeg(const BulgeSeg& s, const Arc2& a) : seg(s), isArc(s.isArc()) {
    if (isArc) arc = a;
    startTangent = tangentAt(0.0);
    // A line's is the same at both ends.
    endTangent = isArc ? tangentAt(1.0) : startTangent;
  }

  AcGeVector2d tangentAt(double fraction) const {
    if (!isArc) {
      const AcGeVector2d d = seg.end - seg.start;
      const double len = std::sqrt(d.lengthSqrd());
      return len > 0 ? d / len : AcGeVector2d(1.0, 0.0);
    }
    const double ang = arc.startAngle + arc.sweep * fraction;
    const AcGeVector2d radial(std::cos(ang), std::sin(ang));
    return arc.sweep > 0 ? radial.perpVector() : -radial.perpVector();
  }

  AcGePoint2d movedStart(double left) const { return seg.start + startTangent.perpVector() * left; }
  AcGePoint2d movedEnd(double left) const { return seg.end + endTangent.perpVector() * left; }
};

// p and q lie no farther apart than limit. Points apart along an axis by more, or one
// point (where a corner arc joins them), take no root.
bool nearerThan(const AcGePoint2d& p, const AcGePoint2d& q, double limit) {
  if (std::fabs(p.x - q.x) > limit || std::fabs(p.y - q.y) > limit) return false;
  return (p.x == q.x && p.y == q.y && limit >= 0.0) || p.distanceTo(q) <= limit;
}

// The arc bridging a corner of the moved path.
struct CornerArc {
  BulgeSeg seg;
  // About the vertex, unless so flat that it is a line.
  bool round = false;
  Arc2 arc;
  double band = 1.0;
};

// The element moved to the left; false when an arc shrinks to nothing.
bool movedSegment(const SourceSeg& src, double left, double tol, BulgeSeg& out) {
  out = {src.movedStart(left), src.movedEnd(left), src.seg.bulge};
  if (!src.isArc) return true;
  const double radius = src.arc.sweep > 0 ? src.arc.radius - left : src.arc.radius + left;
  return radius > tol;
}

// The radius of the element moved to the left by dist; infinite for a line.
double movedRadius(const SourceSeg& src, double dist) {
  if (!src.isArc) return 1e300;
  return std::fabs(src.arc.sweep > 0 ? src.arc.radius - dist : src.arc.radius + dist);
}

// The arc about the common vertex from `in` moved to `out` moved. At a convex corner
// (a right turn or a reversal) it runs clockwise and bounds the offset. At a concave one
// the moved elements cross near the corner; where they meet at so small an angle that
// the crossing may pass for a touch, an arc counter-clockwise inside the band bridges
// them, so that the moved path stays one curve there.
bool cornerArc(const SourceSeg& in, const SourceSeg& out, double dist, double tol, CornerArc& corner) {
  const AcGePoint2d p = in.movedEnd(dist);
  const AcGePoint2d q = out.movedStart(dist);
  if (nearerThan(p, q, tol)) return false;
  const AcGeVector2d t0 = in.endTangent, t1 = out.startTangent;
  const double turn = t0.crossProduct(t1);
  const double dot = t0.dotProduct(t1);
  const bool reversal = dot < 0.0 && std::fabs(turn) <= 1e-12;
  const bool convex = reversal || turn < 0.0;
  if (!convex) {
    // Circles crossing at angle a seem to touch when a^2 r / 8 is below the tolerance.
    const double tightest = std::min(movedRadius(in, dist), movedRadius(out, dist));
    // Large radii (a line's is 1e300) take the floor straight away: tol over them would be
    // subnormal, and slow.
    const double touching = tightest >= 1.6e7 * tol ? 1e-3 : std::max(1e-3, 4.0 * std::sqrt(tol / tightest));
    // The unit tangents' cross product is the sine of the angle, never more than the angle.
    if (touching < 1.0 && (dot <= 0.0 || std::fabs(turn) > touching)) return false;
    if (std::atan2(std::fabs(turn), dot) > touching) return false;
  }
  const double sweep = std::atan2(std::fabs(turn), dot);
  // The arc turns about the vertex from one unit normal to the other: the tan of a
  // quarter of the sweep is sin(sweep/2) / (1 + cos(sweep/2)), both halves of the
  // normals' difference and sum.
  const AcGeVector2d n0 = t0.perpVector(), n1 = t1.perpVector();
  const double quarterTan = std::sqrt((n1 - n0).lengthSqrd()) / (2.0 + std::sqrt((n1 + n0).lengthSqrd()));
  corner.seg = {p, q, convex ? -quarterTan : quarterTan};
  corner.band = convex ? 1.0 : -1.0;
  // So flat an arc is a line to everything else.
  corner.round = corner.seg.isArc();
  if (!corner.round) return true;
  const AcGePoint2d& vertex = in.seg.end;
  corner.arc.center = vertex;
  corner.arc.radius = std::fabs(dist);
  corner.arc.startAngle = std::atan2(p.y - vertex.y, p.x - vertex.x);
  corner.arc.sweep = convex ? -sweep : sweep;
  return true;
}

// The unit direction of a line of the given length (that of p0 to p1).
AcGeVector2d lineDirection(const Prim2& line, double length) {
  return length > 0.0 ? (line.p1 - line.p0) / length : AcGeVector2d(1.0, 0.0);
}

AcGeVector2d arcTangentOf(const Prim2& prim, double fraction) {
  const double angle = prim.arc.startAngle + prim.arc.sweep * fraction;
  const AcGeVector2d radial(std::cos(angle), std::sin(angle));
  return prim.arc.sweep > 0 ? radial.perpVector() : -radial.perpVector();
}

// A stretch of an element, in fractions.
struct Stretch {
  double from = 0.0;
  double to = 1.0;
  bool empty() const { return to <= from; }
};

bool overlaps(const Stretch& a, const Stretch& b) { return a.from < b.to && b.from < a.to; }

bool holds(std::span<const Stretch> stretches, double f) {
  for (const Stretch& s : stretches)
    if (f >= s.from && f <= s.to) return true;
  return false;
}

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

// Items grouped by a key 0 .. keys - 1 in one array, so that grouping allocates
// nothing per key.
template <class T>
class Buckets {
 public:
  void build(int keys, const std::vector<std::pair<int, T>>& items) {
    begin_.assign(static_cast<size_t>(keys) + 1, 0);
    for (const auto& item : items) ++begin_[static_cast<size_t>(item.first) + 1];
    std::partial_sum(begin_.begin(), begin_.end(), begin_.begin());
    items_.resize(items.size());
    fill_.assign(begin_.begin(), begin_.end() - 1);
    for (const auto& item : items) items_[static_cast<size_t>(fill_[static_cast<size_t>(item.first)]++)] = item.second;
  }
  std::span<T> operator[](int key) {
    return {items_.data() + begin_[static_cast<size_t>(key)], items_.data() + begin_[static_cast<size_t>(key) + 1]};
  }
  std::span<const T> operator[](int key) const {
    return {items_.data() + begin_[static_cast<size_t>(key)], items_.data() + begin_[static_cast<size_t>(key) + 1]};
  }
  // Where an item of a group lies among all items.
  size_t indexOf(const T& item) const { return static_cast<size_t>(&item - items_.data()); }
  size_t size() const { return items_.size(); }

 private:
  std::vector<int> begin_, fill_;
  std::vector<T> items_;
};

// A curve that may cut the offset: an element of the moved path (whose pieces may be
// kept), or for open paths a boundary of the band on the far side or about a vertex.
struct Curve {
  BulgeSeg seg;
  Prim2 prim;
  double length = 0.0;
  bool element = true;
  // +1: the band about the path lies on the right of travel; -1: on the left.
  double bandSide = 1.0;
  // Elements: the nodes at their ends, and the elements joined there (-1: none).
  int startNode = -1, endNode = -1;
  int prev = -1, next = -1;
  // The path's vertices its source runs from and to (one for a corner arc).
  int firstVertex = -1, lastVertex = -1;
  bool swallowed = false;
  // A line's unit direction, worked out once with its length.
  AcGeVector2d direction{1.0, 0.0};

  Curve() = default;
  // An element, its fields set one by one where it lies, not built apart and copied.
  // A line: its length as worked out from the segment's ends.
  Curve(const BulgeSeg& s, double len, int first, int last, double side)
      : seg(s), length(len), bandSide(side), firstVertex(first), lastVertex(last) {
    prim.p0 = s.start;
    prim.p1 = s.end;
    if (len > 0.0) direction = (s.end - s.start) / len;
  }
  // An arc: a, the segment's arc.
  Curve(const BulgeSeg& s, const Arc2& a, int first, int last, double side)
      : seg(s), bandSide(side), firstVertex(first), lastVertex(last) {
    prim.isArc = true;
    prim.endsKnown = true;
    prim.p0 = s.start;
    prim.p1 = s.end;
    prim.arc = a;
    length = prim.length();
  }

  void setLength() {
    length = prim.length();
    if (!prim.isArc) direction = lineDirection(prim, length);
  }
};

AcGeVector2d tangentOf(const Curve& c, double fraction) {
  return c.prim.isArc ? arcTangentOf(c.prim, fraction) : c.direction;
}

struct Cut {
  double at = 0.0;
  int node = -1;
};

// Sorted as std::sort sorts a few (by insertion), without its calls: most elements have
// a few cuts.
void sortByFraction(std::span<Cut> cuts) {
  constexpr size_t kFew = 16;
  if (cuts.size() > kFew) {
    std::sort(cuts.begin(), cuts.end(), [](const Cut& x, const Cut& y) { return x.at < y.at; });
    return;
  }
  for (size_t i = 1; i < cuts.size(); ++i) {
    const Cut cut = cuts[i];
    size_t k = i;
    for (; k > 0 && cut.at < cuts[k - 1].at; --k) cuts[k] = cuts[k - 1];
    cuts[k] = cut;
  }
}

// A curve passing through (or ending at) a node.
struct Passing {
  int curve = 0;
  double at = 0.0;
};

// Two elements of a small path crossing inside both.
struct PlainCrossing {
  int a = 0, b = 0;
  double fa = 0.0, fb = 0.0;
  AcGePoint2d point;
  // Each element's direction there.
  AcGeVector2d ta, tb;
};

// A cut of a small path's element and its node: at an end, or at a crossing (its index).
struct PlainCut {
  double at = 0.0;
  int node = -1;
  int crossing = -1;
};

// A piece of an element between two cuts, kept for the result.
struct Piece {
  int element = 0;
  double from = 0.0, to = 1.0;
  int startNode = 0, endNode = 0;
};

// The discs holding the boxes of a small path's segments (fewer than 64): each box's
// centre and half its diagonal, a little more for rounding (a line's ends lie on it).
// Kept side by side by coordinate, so that all are told at once.
class SegmentDiscs {
 public:
  static constexpr size_t kMost = 64;

  void assign(std::span<const Box2> boxes) {
    const size_t n = boxes.size();
    x_.resize(n);
    y_.resize(n);
    radius_.resize(n);
    reachSqrd_.resize(n);
    for (size_t j = 0; j < n; ++j) {
      const Box2& b = boxes[j];
      const double w = b.maxX - b.minX, h = b.maxY - b.minY;
      x_[j] = (b.minX + b.maxX) / 2;
      y_[j] = (b.minY + b.maxY) / 2;
      radius_[j] = 0.5 * std::sqrt(w * w + h * h) * (1.0 + 1e-9);
    }
    limit_ = std::numeric_limits<double>::quiet_NaN();
  }

  // Bit j set: p lies nearer to disc j than limit.
  std::uint64_t near(const AcGePoint2d& p, double limit) {
    // Most questions come at one limit: the reach is worked out once for it.
    if (limit != limit_) {
      for (size_t j = 0; j < radius_.size(); ++j) reachSqrd_[j] = (radius_[j] + limit) * (radius_[j] + limit);
      limit_ = limit;
    }
    std::uint64_t bits = 0;
    size_t j = 0;
#ifdef __SSE2__
    // Two at a time: the same products and sums as one by one.
    const __m128d px = _mm_set1_pd(p.x), py = _mm_set1_pd(p.y);
    auto twoFrom = [&](size_t k) {
      const __m128d dx = _mm_sub_pd(px, _mm_loadu_pd(&x_[k])), dy = _mm_sub_pd(py, _mm_loadu_pd(&y_[k]));
      const __m128d distSqrd = _mm_add_pd(_mm_mul_pd(dx, dx), _mm_mul_pd(dy, dy));
      return static_cast<std::uint64_t>(_mm_movemask_pd(_mm_cmplt_pd(distSqrd, _mm_loadu_pd(&reachSqrd_[k]))));
    };
    // Two pairs a round: fewer steps spent on the loop itself.
    for (; j + 4 <= x_.size(); j += 4) bits |= (twoFrom(j) | twoFrom(j + 2) << 2) << j;
    if (j + 2 <= x_.size()) {
      bits |= twoFrom(j) << j;
      j += 2;
    }
#endif
    for (; j < x_.size(); ++j) {
      const double dx = p.x - x_[j], dy = p.y - y_[j];
      bits |= static_cast<std::uint64_t>(dx * dx + dy * dy < reachSqrd_[j]) << j;
    }
    return bits;
  }

 private:
  std::vector<double> x_, y_, radius_, reachSqrd_;
  double limit_ = 0.0;
};

// A stretch still to probe, and whether a deep stretch lies just before or after it.
struct Gap {
  Stretch s;
  bool deepBefore = false, deepAfter = false;
};

// What an offset builds, kept from call to call on a thread so that small offsets
// allocate nothing once it has grown.
struct BuilderScratch {
  std::vector<BulgeSeg> segs;
  std::vector<SourceSeg> sources;
  std::vector<Arc2> arcs;
  std::vector<PreparedSeg> prepared;
  std::vector<Curve> curves;
  OffsetNodes nodes;
  std::vector<std::pair<int, Stretch>> deepItems, shallowItems;
  Buckets<Stretch> deep, shallow;
  std::vector<std::pair<int, Cut>> cutItems;
  Buckets<Cut> cuts;
  Buckets<Passing> passing;
  // The direction of each passing curve there, once asked for.
  std::vector<AcGeVector2d> passingTangents;
  std::vector<unsigned char> passingTangentKnown;
  std::vector<Piece> pieces;
  std::vector<Gap> toProbe;
  std::vector<Stretch> deepScratch, shallowScratch;
  std::vector<Hit2> hits;
  std::vector<Box2> boxes, sourceBoxes;
  BoxTree tree{std::vector<Box2>{}};
  // About each segment's box, for a small path.
  SegmentDiscs discs;
  std::vector<std::pair<int, int>> pairs, starts;
  std::vector<std::pair<int, Passing>> passingItems;
  std::vector<int> arriving, leaving, chain;
  Buckets<int> leavingPieces;
  std::vector<unsigned char> used, arrived, crowded;
  std::vector<int> partners;
  std::vector<Piece> merged;
  std::vector<PlainCrossing> plainCrossings;
  std::vector<PlainCut> plainCuts;
  std::vector<int> plainCutBegin, plainCutFill;
  bool inUse = false;
};

// The thread's scratch while no other builder holds it, else one of its own; what a large
// offset grew is let go afterwards.
class ScratchLease {
 public:
  ScratchLease() {
    thread_local BuilderScratch shared;
    if (shared.inUse) {
      own_ = std::make_unique<BuilderScratch>();
      scratch_ = own_.get();
    } else {
      scratch_ = &shared;
    }
    scratch_->inUse = true;
    scratch_->curves.clear();
    scratch_->nodes.clear();
    scratch_->deepItems.clear();
    scratch_->shallowItems.clear();
    scratch_->cutItems.clear();
    scratch_->pieces.clear();
    scratch_->toProbe.clear();
    scratch_->deepScratch.clear();
    scratch_->shallowScratch.clear();
  }
  ~ScratchLease() {
    constexpr size_t kKeptCurves = 4096;
    if (own_ != nullptr) return;
    if (scratch_->curves.capacity() > kKeptCurves)
      *scratch_ = BuilderScratch{};
    else
      scratch_->inUse = false;
  }
  ScratchLease(const ScratchLease&) = delete;
  ScratchLease& operator=(const ScratchLease&) = delete;
  BuilderScratch& operator*() const { return *scratch_; }

 private:
  std::unique_ptr<BuilderScratch> own_;
  BuilderScratch* scratch_ = nullptr;
};

// The path's length exceeds limit. A segment whose chord alone is twice as long settles
// it without working out the arcs, whatever the rounding: lengths only add up.
bool longerThan(const BulgePath& path, double limit) {
  const int n = path.numSegments();
  const double plentySqrd = 4.0 * limit * limit;
  for (int i = 0; i < n; ++i) {
    const AcGePoint2d& a = path.vertices[static_cast<size_t>(i)].point;
    const AcGePoint2d& b = path.vertices[static_cast<size_t>((i + 1) % path.vertices.size())].point;
    if ((b - a).lengthSqrd() > plentySqrd) return true;
  }
  return path.length() > limit;
}

// Offsets a path to the left. The path is moved element by element, convex corners get
// arcs; each element is cut where it crosses another (and, for open paths or paths that
// meet themselves, the band's far side and the circles about vertices), and a piece is kept when it lies no nearer to
// the path than the distance. Every cut is one node shared by the curves crossing there, so pieces chain by the nodes,
// and the side each piece leaves a node to decides it before any distance does: a piece entering another curve's band
// is dropped however shallow.
class OffsetBuilder {
 public:
  // Loops no longer than this many tolerances are rounding, not results.
  static constexpr double kShortestLoop = 100.0;
  // Below this many segments the map of depths and the tighter bounds of the tree cost
  // more than cutting every crossing exactly saves. An offset's own loop is not mapped
  // either: its moved elements mostly meet their neighbours only, and where they crowd
  // near collapse they are mapped then (narrowCrowdedStretches).
  static constexpr size_t kSmallPath = 48;
  static_assert(kSmallPath <= SegmentDiscs::kMost, "a small path's discs are told in one bit set");

  // tol: toleranceFor the path and dist.
  OffsetBuilder(const BulgePath& path, double dist, double tol, SourceShape shape)
      : path_(path),
        segs_(segmentsOf(path, (*lease_).segs)),
        arcs_(arcsOf(segs_, (*lease_).arcs)),
        prepared_(preparedOf(segs_, arcs_, (*lease_).prepared)),
        dist_(dist),
        tol_(tol),
        small_(segs_.size() < kSmallPath),
        mapped_(!small_ && shape != SourceShape::kSimple),
        tree_(treeOf(segs_, arcs_, prepared_, small_, mapped_, *lease_)),
        touches_(path.closed && shape != SourceShape::kSimple && touchesSelf()) {}

  // A closed path crossing itself has no one side to offset to.
  bool sourceCrosses() const {
    if (!touches_) return false;
    if (small_) tree_.assignOneLeaf((*lease_).sourceBoxes);
    return crossesItself(segs_, tree_, tol_);
  }

  // The loops go into out, which is cleared first.
  void run(std::vector<BulgePath>& out) {
    curves_.reserve(4 * segs_.size() + 1);
    buildElements();
    const bool plain = path_.closed && !touches_ && !anyBridge();
    if (small_ && plain && keepPlainPieces(overlappingPairs())) {
      chains(out);
      return;
    }
    // The moved path alone bounds what is kept only for a closed path that nowhere meets itself.
    if (!path_.closed || touches_) buildCutters();
    mapDepths();
    const std::vector<std::pair<int, int>>& pairs = candidatePairs();
    // A large path all of whose elements are cut whole (an offset's own loop, not crowded)
    // takes the plain route too.
    if (!small_ && plain && !mapped_ && !narrowed_ && keepPlainPieces(pairs)) {
      chains(out);
      return;
    }
    findCrossings(pairs);
    for (int e = 0; e < elementCount_; ++e) keepPiecesOf(e);
    dropLooseBridges();
    chains(out);
  }

 private:
  // Each source arc is worked out once, for everything that needs it.
  // The source's segments, their arcs and their prepared forms go into the scratch.
  static const std::vector<BulgeSeg>& segmentsOf(const BulgePath& path, std::vector<BulgeSeg>& segs) {
    const std::vector<BulgeVertex>& v = path.vertices;
    const size_t n = static_cast<size_t>(path.numSegments());
    segs.resize(n);
    for (size_t i = 0; i < n; ++i) segs[i] = {v[i].point, v[i + 1 < v.size() ? i + 1 : 0].point, v[i].bulge};
    return segs;
  }

  // Each source arc is worked out once, for everything that needs it.
  static const std::vector<Arc2>& arcsOf(const std::vector<BulgeSeg>& segs, std::vector<Arc2>& arcs) {
    arcs.assign(segs.size(), Arc2{});
    for (size_t i = 0; i < segs.size(); ++i)
      if (segs[i].isArc()) arcs[i] = segs[i].arc();
    return arcs;
  }

  static const std::vector<PreparedSeg>& preparedOf(const std::vector<BulgeSeg>& segs, const std::vector<Arc2>& arcs,
                                                    std::vector<PreparedSeg>& prepared) {
    prepared.clear();
    for (size_t i = 0; i < segs.size(); ++i) prepared.emplace_back(segs[i], arcs[i]);
    return prepared;
  }

  // As seg.box(arc), into box; a line's, which most are, is told here and written whole,
  // its corners handed back through no memory.
  static void boxInto(const BulgeSeg& seg, const Arc2& arc, Box2& box) {
    if (std::fabs(seg.bulge) > BulgeSeg::kStraightBulge) {
      box = seg.box(arc);
      return;
    }
#ifdef __SSE2__
    // Box2::add's choices, both axes at once: each takes the later point where it is smaller
    // (larger), else keeps what it has.
    const Box2 none;
    const __m128d start = _mm_loadu_pd(&seg.start.x), end = _mm_loadu_pd(&seg.end.x);
    const __m128d least = _mm_min_pd(end, _mm_min_pd(start, _mm_loadu_pd(&none.minX)));
    const __m128d most = _mm_max_pd(end, _mm_max_pd(start, _mm_loadu_pd(&none.maxX)));
    _mm_storeu_pd(&box.minX, least);
    _mm_storeu_pd(&box.maxX, most);
#else
    box = Box2{};
    box.add(seg.start);
    box.add(seg.end);
#endif
  }

  static std::vector<Box2> boxesOf(const std::vector<BulgeSeg>& segs, const std::vector<Arc2>& arcs) {
    std::vector<Box2> boxes(segs.size());
    for (size_t i = 0; i < segs.size(); ++i) boxInto(segs[i], arcs[i], boxes[i]);
    return boxes;
  }

  bool touchesSelf() const {
    return small_ ? touchesItselfAmongFew(segs_, arcs_, (*lease_).sourceBoxes, tol_) : touchesItself(segs_, arcs_, tree_, tol_);
  }

  // The tree over the source's segments, in the scratch. A small path's boxes and discs
  // are asked of directly; its tree, one leaf, is only grown for the test of crossing.
  static BoxTree& treeOf(const std::vector<BulgeSeg>& segs, const std::vector<Arc2>& arcs,
                         const std::vector<PreparedSeg>& prepared, bool small, bool mapped, BuilderScratch& scratch) {
    if (small) {
      std::vector<Box2>& boxes = scratch.sourceBoxes;
      boxes.resize(segs.size());
      for (size_t i = 0; i < segs.size(); ++i) boxInto(segs[i], arcs[i], boxes[i]);
      scratch.discs.assign(boxes);
    } else {
      scratch.tree = mapped ? BoxTree(boxesOf(segs, arcs), prepared) : BoxTree::inPathOrder(boxesOf(segs, arcs));
    }
    return scratch.tree;
  }

  SourceSeg source(int i) const { return SourceSeg(segs_[static_cast<size_t>(i)], arcs_[static_cast<size_t>(i)]); }

  Curve& curve(int c) { return curves_[static_cast<size_t>(c)]; }
  const Curve& curve(int c) const { return curves_[static_cast<size_t>(c)]; }

  // An element no longer than the tolerance is a point, and left out.
  void addLine(const BulgeSeg& seg, int firstVertex, int lastVertex, double bandSide) {
    const double length = std::sqrt((seg.end - seg.start).lengthSqrd());
    if (length > tol_) curves_.emplace_back(seg, length, firstVertex, lastVertex, bandSide);
  }

  void addArc(const BulgeSeg& seg, const Arc2& arc, int firstVertex, int lastVertex, double bandSide) {
    if (arc.radius * std::fabs(arc.sweep) > tol_) curves_.emplace_back(seg, arc, firstVertex, lastVertex, bandSide);
  }

  void addElement(const BulgeSeg& seg, int firstVertex, int lastVertex) {
    if (seg.isArc())
      addArc(seg, seg.arc(), firstVertex, lastVertex, 1.0);
    else
      addLine(seg, firstVertex, lastVertex, 1.0);
  }

  // The moved path: moved segments with corner arcs between them, in path order, and the
  // nodes at their ends. Elements meeting end to start share a node; where an arc shrinks
  // to nothing, two loose ends are left.
  void buildElements() {
    const int n = static_cast<int>(segs_.size());
    const int vertexCount = static_cast<int>(path_.vertices.size());
    // Each segment's tangents are worked out once, a block of segments ahead of their
    // elements: one segment's roots need not wait for the last one's elements, and a long
    // path's stay few in memory.
    constexpr int kBlock = 64;
    const SourceSeg first(segs_[0], arcs_[0]);
    std::vector<SourceSeg>& sourceList = (*lease_).sources;
    // What a corner arc leaves unset is never read.
    CornerArc corner;
    for (int from = 0; from < n; from += kBlock) {
      const int to = std::min(n, from + kBlock);
      sourceList.clear();
      // With the next block's first, which the block's last corner needs.
      for (int i = from; i <= to && i < n; ++i)
        sourceList.emplace_back(segs_[static_cast<size_t>(i)], arcs_[static_cast<size_t>(i)]);
      // Held apart from the list, which what the elements are written to might otherwise change.
      const std::span<const SourceSeg> sources(sourceList);
      for (int i = from; i < to; ++i) {
        const int end = i + 1 < vertexCount ? i + 1 : 0;
        const SourceSeg& current = sources[static_cast<size_t>(i - from)];
        BulgeSeg moved;
        if (movedSegment(current, dist_, tol_, moved)) addElement(moved, i, end);
        if (i + 1 < n || path_.closed) {
          const SourceSeg& next = i + 1 < n ? sources[static_cast<size_t>(i + 1 - from)] : first;
          if (!cornerArc(current, next, dist_, tol_, corner)) continue;
          if (corner.round)
            addArc(corner.seg, corner.arc, end, end, corner.band);
          else
            addLine(corner.seg, end, end, corner.band);
        }
      }
    }
    elementCount_ = static_cast<int>(curves_.size());
    const int m = elementCount_;
    const bool wraps = path_.closed && m > 1;
    const double joinLimit = 4.0 * tol_;
    // Held apart from the list, which what is written to the nodes might otherwise change.
    const std::span<Curve> elements(curves_.data(), static_cast<size_t>(m));
    int looseEnds = 0;
    for (int e = 0; e < m; ++e) {
      const int f = e + 1 < m ? e + 1 : wraps ? 0 : -1;
      Curve& c = elements[static_cast<size_t>(e)];
      if (f >= 0 && nearerThan(c.seg.end, elements[static_cast<size_t>(f)].seg.start, joinLimit)) {
        c.next = f;
        elements[static_cast<size_t>(f)].prev = e;
      } else {
        ++looseEnds;
      }
    }
    // Every element's start is a node of its own, numbered in path order; the ends that no
    // element continues follow, in the same order.
    const int firstStart = nodes_.addMany(m + looseEnds);
    int looseEnd = firstStart + m;
    for (int e = 0; e < m; ++e) {
      Curve& c = elements[static_cast<size_t>(e)];
      c.startNode = firstStart + e;
      c.endNode = c.next >= 0 ? firstStart + c.next : looseEnd++;
    }
    if (looseEnds == 0) return;
    for (int e = 0; e < m; ++e) {
      const Curve& c = elements[static_cast<size_t>(e)];
      if (c.prev < 0 && (path_.closed || e > 0)) nodes_.setGap(c.startNode);
      if (c.next < 0 && (e + 1 < m || wraps)) nodes_.setGap(c.endNode);
    }
  }

  // Otherwise the band about the path is bounded also by the moved copies on the right
  // and by circles about the vertices; the moved path may cross those too.
  void buildCutters() {
    auto addCutter = [&](const Prim2& prim, double bandSide) {
      Curve c;
      c.prim = prim;
      c.element = false;
      c.bandSide = bandSide;
      c.setLength();
      curves_.push_back(std::move(c));
    };
    for (int i = 0; i < static_cast<int>(segs_.size()); ++i) {
      BulgeSeg moved;
      if (movedSegment(source(i), -dist_, tol_, moved) && moved.length() > tol_) addCutter(Prim2::of(moved), -1.0);
    }
    for (const BulgeVertex& v : path_.vertices) addCutter(Prim2::circle(v.point, dist_), -1.0);
  }

  // A piece whose midpoint lies nearer to the path than this is dropped.
  double keepLimit() const { return dist_ - tol_; }
  // Nearer than this is surely nearer than keepLimit, whatever the rounding.
  double deepLimit() const { return keepLimit() - tol_; }
  // How far inside that a stretch must lie to be dropped without cutting it.
  double drownDepth() const { return 8.0 * tol_; }

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

  // Some source segment lies nearer to p than limit.
  // passedOver: segments known to lie no nearer than limit (-1: none).
  bool anyNearer(const AcGePoint2d& p, double limit, std::pair<int, int> passedOver = {-1, -1}) {
    if (limit <= 0.0) return false;
    if (lastHolder_ >= 0 && prepared_[static_cast<size_t>(lastHolder_)].distanceTo(p) < limit) return true;
    if (small_) return anyNearerAmongFew(p, limit);
    return tree_.anyWithin(p, limit, [&](int j) {
      if (j == passedOver.first || j == passedOver.second) return false;
      if (prepared_[static_cast<size_t>(j)].distanceTo(p) >= limit) return false;
      lastHolder_ = j;
      return true;
    });
  }

  // As anyNearer over a small path's segments, each first told by the disc about its box:
  // a test of fewer steps than the box's own.
  bool anyNearerAmongFew(const AcGePoint2d& p, double limit, std::uint64_t passedOver = 0) {
    // Squares clearly apart, by far more than rounding moves either, tell without the root.
    const bool squaresTell = limit > 1e-150 && limit < 1e150;
    const double nearerSqrd = squaresTell ? limit * limit * (1.0 - 1e-14) : -1.0;
    const double fartherSqrd = squaresTell ? limit * limit * (1.0 + 1e-14) : std::numeric_limits<double>::infinity();
    for (std::uint64_t near = (*lease_).discs.near(p, limit) & ~passedOver; near != 0; near &= near - 1) {
      const int j = std::countr_zero(near);
      const double distSqrd = prepared_[static_cast<size_t>(j)].distanceSqrdTo(p);
      if (distSqrd < nearerSqrd || (distSqrd <= fartherSqrd && std::sqrt(distSqrd) < limit)) {
        lastHolder_ = j;
        return true;
      }
    }
    return false;
  }

  // The stretch around fraction m known to lie deep in the band, or empty: the nearest
  // point x of the nearest segment holds every point nearer to x than deepLimit() less
  // drownDepth().
  Stretch deepStretchAround(const Curve& el, double m) const {
    const double radius = deepLimit() - drownDepth();
    int nearest = -1;
    nearestSegment(el.prim.pointAt(m), radius, &nearest);
    if (nearest < 0) return {m, m};
    return insideAround(el, m, prepared_[static_cast<size_t>(nearest)].nearestPoint(el.prim.pointAt(m)), radius);
  }

  // The stretch around fraction m whose points lie nearer to x than radius, or empty.
  Stretch insideAround(const Curve& el, double m, const AcGePoint2d& x, double radius) const {
    const Stretch s = nearPoint(el, m, x, radius);
    if (s.empty()) return s;
    const double radiusSqrd = radius * radius;
    auto inside = [&](double f) { return (el.prim.pointAt(f) - x).lengthSqrd() <= radiusSqrd; };
    // The ends are worked out through angles, which flat arcs make inexact: each counts
    // only once it is seen to lie inside, else it is pulled in a little, then more.
    auto checked = [&](double end) {
      for (double keep : {1.0, 1.0 - 1e-9, 1.0 - 1e-6, 1.0 - 1e-3, 0.99})
        if (inside(m + (end - m) * keep)) return m + (end - m) * keep;
      return m;
    };
    const Stretch out{checked(s.from), checked(s.to)};
    if ((out.from == m || out.to == m) && !inside(m)) return {m, m};
    return out;
  }

  // Stretches deep in the band about the path's vertices next to the element's own: near
  // collapse these hold all of it but the little that is kept, where probes would be
  // many and each would weigh every segment.
  void seedDeepStretches(const Curve& el) {
    constexpr int kReach = 4;
    const int n = static_cast<int>(path_.vertices.size());
    const double radius = deepLimit() - drownDepth();
    const AcGePoint2d middle = el.prim.pointAt(0.5);
    auto seed = [&](int v) {
      if (path_.closed) v = ((v % n) + n) % n;
      if (v < 0 || v >= n || v == el.firstVertex || v == el.lastVertex) return;
      const AcGePoint2d& x = path_.vertices[static_cast<size_t>(v)].point;
      if (x.distanceTo(middle) - el.length / 2 >= radius) return;
      const double f = std::clamp(el.prim.fractionOf(x), 0.0, 1.0);
      const Stretch s = insideAround(el, f, x, radius);
      if (!s.empty()) deepScratch_.push_back(s);
    };
    for (int k = 1; k <= kReach; ++k) {
      seed(el.firstVertex - k);
      seed(el.lastVertex + k);
    }
  }

  // The stretch of the element around fraction f whose points lie nearer to x than
  // radius; empty when the point at f does not.
  static Stretch nearPoint(const Curve& el, double f, const AcGePoint2d& x, double radius) {
    const Stretch none{f, f};
    const Prim2& prim = el.prim;
    if (!prim.isArc) {
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

  // One segment's band holds the whole element.
  bool swallowed(const Curve& el) {
    const double bound = deepLimit() - el.length / 2;
    if (bound <= 0.0) return false;
    return anyNearer(el.prim.pointAt(0.5), bound);
  }

  // Splits every element into stretches lying deep inside the band and the rest
  // (shallow), both in order, by the discs about nearby vertices and one probe of each
  // stretch left long between them, which goes on only while probes prove deep. Anything
  // may count as shallow, which only means it is cut exactly; the elements where that
  // makes too many crossings are probed further afterwards (narrowCrowdedStretches).
  void mapDepths() {
    // A small path's elements are whole shallow stretches, asked of without a map.
    if (small_) return;
    deepItems_.clear();
    shallowItems_.clear();
    for (int e = 0; e < elementCount_; ++e) {
      if (!mapped_)
        shallowItems_.emplace_back(e, Stretch{});
      else
        mapDepth(e, false);
    }
    deep_.build(elementCount_, deepItems_);
    shallow_.build(elementCount_, shallowItems_);
  }

  // Near collapse every kept piece is short and the shallow stretches about them all
  // cross each other. Crowded elements are mapped again with probes: a probe point that
  // is deep settles the deep stretch about it; one that is not settles only itself, and
  // the rest of its stretch is probed further towards a deep side, so that what stays
  // shallow shrinks to what is not deep. True when some element was mapped again.
  bool narrowCrowdedStretches(const std::vector<unsigned char>& crowded) {
    if (std::find(crowded.begin(), crowded.end(), 1) == crowded.end()) return false;
    auto ofCrowded = [&](const std::pair<int, Stretch>& item) { return crowded[static_cast<size_t>(item.first)] != 0; };
    std::erase_if(deepItems_, ofCrowded);
    std::erase_if(shallowItems_, ofCrowded);
    tree_.tighten(prepared_);
    for (int e = 0; e < elementCount_; ++e)
      if (crowded[static_cast<size_t>(e)]) mapDepth(e, true);
    deep_.build(elementCount_, deepItems_);
    shallow_.build(elementCount_, shallowItems_);
    return true;
  }

  void mapDepth(int e, bool narrowing) {
    constexpr int kMaxProbes = 32;
    Curve& el = curve(e);
    if (swallowed(el)) {
      el.swallowed = true;
      return;
    }
    const double settled = drownDepth() / el.length;
    // At first only stretches longer than this are probed.
    const double widest = std::max(2e-3 * dist_, 2.0 * drownDepth()) / el.length;
    const bool canDrown = drownDepth() < deepLimit();
    deepScratch_.clear();
    shallowScratch_.clear();
    if (canDrown) seedDeepStretches(el);
    normalize(deepScratch_);
    toProbe_.clear();
    double from = 0.0;
    for (const Stretch& s : deepScratch_) {
      if (s.from > from) toProbe_.push_back({{from, s.from}, from > 0.0, true});
      from = std::max(from, s.to);
    }
    if (from < 1.0) toProbe_.push_back({{from, 1.0}, from > 0.0, false});
    for (int probes = 0; !toProbe_.empty();) {
      const Gap gap = toProbe_.back();
      const Stretch s = gap.s;
      toProbe_.pop_back();
      if (!canDrown || s.to - s.from <= (narrowing ? 2.0 * settled : widest) || probes == kMaxProbes) {
        shallowScratch_.push_back(s);
        continue;
      }
      ++probes;
      const double m = (s.from + s.to) / 2;
      Stretch known = deepStretchAround(el, m);
      if (known.empty() && !narrowing) {
        shallowScratch_.push_back(s);
        continue;
      }
      if (known.empty()) {
        known = {std::max(s.from, m - settled), std::min(s.to, m + settled)};
        shallowScratch_.push_back(known);
        const Stretch before{s.from, known.from}, after{known.to, s.to};
        if (!before.empty())
          (gap.deepBefore ? toProbe_.push_back({before, true, false}) : shallowScratch_.push_back(before));
        if (!after.empty())
          (gap.deepAfter ? toProbe_.push_back({after, false, true}) : shallowScratch_.push_back(after));
        continue;
      }
      known = {std::max(s.from, known.from), std::min(s.to, known.to)};
      deepScratch_.push_back(known);
      if (known.from > s.from) toProbe_.push_back({{s.from, known.from}, gap.deepBefore, true});
      if (known.to < s.to) toProbe_.push_back({{known.to, s.to}, true, gap.deepAfter});
    }
    normalize(deepScratch_);
    normalize(shallowScratch_);
    el.swallowed = shallowScratch_.empty();
    for (const Stretch& s : deepScratch_) deepItems_.emplace_back(e, s);
    for (const Stretch& s : shallowScratch_) shallowItems_.emplace_back(e, s);
  }

  Box2 boxOf(const Curve& c, const Stretch& s) const {
    if (!c.element) {
      if (!c.prim.isArc) {
        Box2 b;
        b.add(c.prim.p0);
        b.add(c.prim.p1);
        return b.grown(tol_);
      }
      return Box2{c.prim.arc.center.x, c.prim.arc.center.y, c.prim.arc.center.x, c.prim.arc.center.y}.grown(
          c.prim.arc.radius + tol_);
    }
    Box2 b;
    b.add(pointOf(c, s.from));
    b.add(pointOf(c, s.to));
    if (c.prim.isArc && s.from == 0.0 && s.to == 1.0 && c.prim.endsKnown) {
      addExtremesBetweenEnds(c.prim, b);
    } else if (c.prim.isArc) {
      const Arc2& a = c.prim.arc;
      const Arc2 part{a.center, a.radius, a.startAngle + a.sweep * s.from, a.sweep * (s.to - s.from)};
      part.addExtremesTo(b);
    }
    return b.grown(tol_);
  }

  // The circle's points farthest left, right, down and up that a whole arc passes, told
  // by the sides of its ends' radii: where a quarter turn lies along an end, that end is
  // the extreme to far within the tolerance the box grows by.
  static void addExtremesBetweenEnds(const Prim2& prim, Box2& b) {
    const Arc2& a = prim.arc;
    const bool ccw = a.sweep > 0.0;
    const AcGeVector2d s = (ccw ? prim.p0 : prim.p1) - a.center, e = (ccw ? prim.p1 : prim.p0) - a.center;
    const bool wide = std::fabs(a.sweep) > kPi;
    // With the quarter turn d along an axis, the sides s x d and d x e are each the sign
    // of one coordinate.
    auto passes = [wide](bool afterStart, bool beforeEnd) {
      return wide ? afterStart || beforeEnd : afterStart && beforeEnd;
    };
    const double x = a.center.x, y = a.center.y, r = a.radius;
    if (passes(s.y < 0.0, e.y > 0.0)) b.add(AcGePoint2d(x + r, y));
    if (passes(s.x > 0.0, e.x < 0.0)) b.add(AcGePoint2d(x, y + r));
    if (passes(s.y > 0.0, e.y < 0.0)) b.add(AcGePoint2d(x - r, y));
    if (passes(s.x < 0.0, e.x > 0.0)) b.add(AcGePoint2d(x, y - r));
  }

  // The element's point at fraction f, from the arc worked out once; its ends exactly.
  static AcGePoint2d pointOf(const Curve& c, double f) {
    if (f == 0.0) return c.seg.start;
    if (f == 1.0) return c.seg.end;
    return c.prim.pointAt(f);
  }

  // The boxes of the elements' shallow stretches and of the cutters, and whose each is.
  struct ShallowBoxes {
    std::vector<int> owner;
    BoxTree tree;
  };

  ShallowBoxes shallowBoxes() const {
    std::vector<Box2> boxes;
    std::vector<int> owner;
    for (int c = 0; c < static_cast<int>(curves_.size()); ++c) {
      const Curve& cv = curve(c);
      if (!cv.element) {
        boxes.push_back(boxOf(cv, {}));
        owner.push_back(c);
        continue;
      }
      if (cv.swallowed) continue;
      for (const Stretch& s : shallow_[c]) {
        boxes.push_back(boxOf(cv, s));
        owner.push_back(c);
      }
    }
    return {std::move(owner), BoxTree::inPathOrder(std::move(boxes))};
  }

  // Pairs of curves whose shallow stretches come near each other, each pair once.
  // On a small path every curve is one stretch: the pairs whose boxes meet, found
  // by trying them all, in the order the tree would give them.
  const std::vector<std::pair<int, int>>& overlappingPairs() const {
    std::vector<Box2>& boxList = (*lease_).boxes;
    boxList.resize(curves_.size());
    // Held apart from the vectors, the boxes need not be read again after each pair is kept.
    Box2* const boxes = boxList.data();
    for (size_t c = 0; c < curves_.size(); ++c) boxes[c] = wholeBoxOf(curves_[c]);
    std::vector<std::pair<int, int>>& pairs = (*lease_).pairs;
    pairs.clear();
    // Cutters follow the elements, so the partners of element a are the curves after it.
    const int count = static_cast<int>(curves_.size());
    for (int a = 0; a < elementCount_; ++a) {
      const Box2 box = boxes[a];
      for (int b = a + 1; b < count; ++b)
        if (box.overlaps(boxes[b])) pairs.emplace_back(a, b);
    }
    return pairs;
  }

  // boxOf the whole curve, without asking which stretch.
  Box2 wholeBoxOf(const Curve& c) const {
    if (!c.element || (c.prim.isArc && !c.prim.endsKnown)) return boxOf(c, {});
    Box2 b;
    b.add(c.seg.start);
    b.add(c.seg.end);
    if (c.prim.isArc) addExtremesBetweenEnds(c.prim, b);
    return b.grown(tol_);
  }

  const std::vector<std::pair<int, int>>& candidatePairs() {
    if (small_) return overlappingPairs();
    std::vector<unsigned char>& crowded = (*lease_).crowded;
    gatherPairs(shallowBoxes(), &crowded);
    narrowed_ = narrowCrowdedStretches(crowded);
    if (narrowed_) gatherPairs(shallowBoxes(), nullptr);
    return (*lease_).pairs;
  }

  // Pairs of curves whose shallow stretches come near each other, each pair once; and,
  // where asked, the elements whose shallow boxes meet more than a few others. Once one
  // is crowded the pairs will be gathered again, so only counting goes on, and it stops
  // at the few.
  void gatherPairs(const ShallowBoxes& shallow, std::vector<unsigned char>* crowded) {
    constexpr int kCrowded = 16;
    if (crowded != nullptr) crowded->assign(static_cast<size_t>(elementCount_), false);
    bool anyCrowded = false;
    const std::vector<int>& owner = shallow.owner;
    std::vector<std::pair<int, int>>& pairs = (*lease_).pairs;
    pairs.clear();
    // A curve's boxes follow each other, so its partners are gathered and sorted alone:
    // near collapse the pairs are many and one sort of them all would dominate.
    std::vector<int>& partners = (*lease_).partners;
    const int boxCount = static_cast<int>(owner.size());
    for (int i = 0, next = 0; i < boxCount; i = next) {
      const int a = owner[static_cast<size_t>(i)];
      while (next < boxCount && owner[static_cast<size_t>(next)] == a) ++next;
      if (!curve(a).element) continue;
      partners.clear();
      int met = 0;
      for (int k = i; k < next; ++k)
        shallow.tree.queryUntil(shallow.tree.boxAt(k), [&](int j) {
          const int b = owner[static_cast<size_t>(j)];
          if (b == a) return true;
          ++met;
          if (crowded != nullptr && (anyCrowded || met > kCrowded)) return met <= kCrowded;
          if (!curve(b).element || b > a) partners.push_back(b);
          return true;
        });
      if (crowded != nullptr && met > kCrowded) {
        (*crowded)[static_cast<size_t>(a)] = true;
        anyCrowded = true;
      }
      if (anyCrowded) continue;
      std::sort(partners.begin(), partners.end());
      partners.erase(std::unique(partners.begin(), partners.end()), partners.end());
      for (int b : partners) pairs.emplace_back(a, b);
    }
  }

  // A fraction within the tolerance of an end of the element goes to that end.
  double snapped(const Curve& c, double f) const {
    if (!c.element) return f;
    if (f * c.length <= tol_) return 0.0;
    if ((1.0 - f) * c.length <= tol_) return 1.0;
    return f;
  }

  bool inShallowStretch(int c, double f) const { return small_ || !curve(c).element || holds(shallow_[c], f); }

  int nodeAt(const Curve& c, double f) {
    if (c.element && f == 0.0) return c.startNode;
    if (c.element && f == 1.0) return c.endNode;
    return -1;
  }

  // An element and a corner arc joined to it at the very point the arc was built from
  // touch there only, tangent: that node is theirs already, so nothing is to be cut.
  bool joinedAtCorner(int a, int b) const {
    const Curve& ca = curve(a);
    const Curve& cb = curve(b);
    if (!ca.element || !cb.element || (ca.next == b) == (cb.next == a)) return false;
    const Curve& before = ca.next == b ? ca : cb;
    const Curve& after = ca.next == b ? cb : ca;
    const bool corner = before.firstVertex == before.lastVertex || after.firstVertex == after.lastVertex;
    return corner && before.seg.end.x == after.seg.start.x && before.seg.end.y == after.seg.start.y;
  }

  // Calls visit(a, b, fa, fb, hit) for every crossing of each pair's curves, with the
  // fractions snapped to the ends; false as soon as visit is.
  template <class Visit>
  bool forEachCrossing(const std::vector<std::pair<int, int>>& pairs, Visit&& visit) {
    for (const auto& [a, b] : pairs) {
      if (joinedAtCorner(a, b)) continue;
      const Curve& ca = curve(a);
      const Curve& cb = curve(b);
      intersect(ca.prim, cb.prim, tol_, hits_);
      for (const Hit2& hit : hits_)
        if (!visit(a, b, snapped(ca, hit.fa), snapped(cb, hit.fb), hit)) return false;
    }
    return true;
  }

  // Every crossing of two curves becomes one node cut into both.
  void findCrossings(const std::vector<std::pair<int, int>>& pairs) {
    cutItems_.clear();
    forEachCrossing(pairs, [&](int a, int b, double fa, double fb, const Hit2&) {
      if (!inShallowStretch(a, fa) || !inShallowStretch(b, fb)) return true;
      int na = nodeAt(curve(a), fa), nb = nodeAt(curve(b), fb);
      if (na < 0 && nb < 0) na = nb = nodes_.add();
      if (na < 0) na = nb;
      if (nb < 0) nb = na;
      nodes_.join(na, nb);
      cutItems_.push_back({a, {fa, na}});
      cutItems_.push_back({b, {fb, nb}});
      return true;
    });
    for (int e = 0; e < elementCount_; ++e) {
      const Curve& el = curve(e);
      if (el.swallowed) continue;
      cutItems_.push_back({e, {0.0, el.startNode}});
      cutItems_.push_back({e, {1.0, el.endNode}});
    }
    const int curveCount = static_cast<int>(curves_.size());
    cuts_.build(curveCount, cutItems_);
    std::vector<std::pair<int, Passing>>& passing = (*lease_).passingItems;
    passing.clear();
    for (int c = 0; c < curveCount; ++c) {
      const std::span<Cut> cuts = cuts_[c];
      sortByFraction(cuts);
      // Cuts at one point of a curve are one node.
      for (size_t k = 1; k < cuts.size(); ++k)
        if ((cuts[k].at - cuts[k - 1].at) * curve(c).length <= tol_) nodes_.join(cuts[k - 1].node, cuts[k].node);
    }
    for (int c = 0; c < curveCount; ++c)
      for (const Cut& cut : cuts_[c]) passing.push_back({nodes_.find(cut.node), {c, cut.at}});
    passing_.build(nodes_.count(), passing);
    (*lease_).passingTangents.resize(passing_.size());
    (*lease_).passingTangentKnown.assign(passing_.size(), 0);
  }

  // A closed path that meets itself nowhere, whose elements are cut whole and cross each
  // other only inside, two at a time and apart from every other cut, is the common case:
  // its pieces are told as findCrossings and keepPiecesOf would tell them, without the
  // nodes' bookkeeping. False, with nothing changed, when the crossings are not such.
  bool keepPlainPieces(const std::vector<std::pair<int, int>>& pairs) {
    if (!findPlainCrossings(pairs) || !sortPlainCuts()) return false;
    for (size_t k = 0; k < plainCrossings_.size(); ++k) nodes_.add();
    for (int e = 0; e < elementCount_; ++e) keepPlainPiecesOf(e);
    return true;
  }

  // Some element bridges a concave corner (the band on its left).
  bool anyBridge() const {
    for (int e = 0; e < elementCount_; ++e)
      if (curve(e).bandSide < 0.0) return true;
    return false;
  }

  // The element's direction at a point of it: an arc's across its radius there, which
  // takes no angle.
  static AcGeVector2d directionAt(const Curve& c, const AcGePoint2d& p) {
    if (!c.prim.isArc) return c.direction;
    const AcGeVector2d radial = (p - c.prim.arc.center) / c.prim.arc.radius;
    return c.prim.arc.sweep > 0 ? radial.perpVector() : -radial.perpVector();
  }

  // Crossings inside both elements; a hit at the node two elements already share is
  // that node. False at any other hit on an end.
  bool findPlainCrossings(const std::vector<std::pair<int, int>>& pairs) {
    plainCrossings_.clear();
    return forEachCrossing(pairs, [&](int a, int b, double fa, double fb, const Hit2& hit) {
      const Curve& ca = curve(a);
      const Curve& cb = curve(b);
      if (fa > 0.0 && fa < 1.0 && fb > 0.0 && fb < 1.0) {
        plainCrossings_.emplace_back(a, b, fa, fb, hit.point, directionAt(ca, hit.point), directionAt(cb, hit.point));
        return true;
      }
      const int na = nodeAt(ca, fa);
      return na >= 0 && na == nodeAt(cb, fb);
    });
  }

  // Each element's cuts in order: its start, the crossings, its end. False where two
  // crossings lie within the tolerance of each other (they would be one node).
  bool sortPlainCuts() {
    std::vector<int>& begin = (*lease_).plainCutBegin;
    begin.assign(static_cast<size_t>(elementCount_) + 1, 0);
    for (const PlainCrossing& x : plainCrossings_) {
      ++begin[static_cast<size_t>(x.a) + 1];
      ++begin[static_cast<size_t>(x.b) + 1];
    }
    for (int e = 0; e < elementCount_; ++e) begin[static_cast<size_t>(e) + 1] += begin[static_cast<size_t>(e)] + 2;
    std::vector<PlainCut>& cuts = (*lease_).plainCuts;
    cuts.resize(static_cast<size_t>(begin.back()));
    std::vector<int>& fill = (*lease_).plainCutFill;
    fill.resize(static_cast<size_t>(elementCount_));
    for (int e = 0; e < elementCount_; ++e) {
      const size_t first = static_cast<size_t>(begin[static_cast<size_t>(e)]);
      const size_t last = static_cast<size_t>(begin[static_cast<size_t>(e) + 1]) - 1;
      cuts[first] = {0.0, curve(e).startNode, -1};
      cuts[last] = {1.0, curve(e).endNode, -1};
      fill[static_cast<size_t>(e)] = static_cast<int>(first) + 1;
    }
    // The crossings' nodes follow those of the elements' ends, in the order found.
    const int firstNode = nodes_.count();
    for (int k = 0; k < static_cast<int>(plainCrossings_.size()); ++k) {
      const PlainCrossing& x = plainCrossings_[static_cast<size_t>(k)];
      cuts[static_cast<size_t>(fill[static_cast<size_t>(x.a)]++)] = {x.fa, firstNode + k, k};
      cuts[static_cast<size_t>(fill[static_cast<size_t>(x.b)]++)] = {x.fb, firstNode + k, k};
    }
    for (int e = 0; e < elementCount_; ++e) {
      const std::span<PlainCut> inner = plainCutsOf(e).subspan(1);
      for (size_t i = 1; i + 1 < inner.size(); ++i) {
        const PlainCut cut = inner[i];
        size_t k = i;
        for (; k > 0 && cut.at < inner[k - 1].at; --k) inner[k] = inner[k - 1];
        inner[k] = cut;
      }
      const double length = curve(e).length;
      for (size_t i = 1; i + 2 < inner.size(); ++i)
        if ((inner[i].at - inner[i - 1].at) * length <= tol_) return false;
    }
    return true;
  }

  std::span<PlainCut> plainCutsOf(int e) const {
    const std::vector<int>& begin = (*lease_).plainCutBegin;
    PlainCut* all = (*lease_).plainCuts.data();
    return {all + begin[static_cast<size_t>(e)], all + begin[static_cast<size_t>(e) + 1]};
  }

  void keepPlainPiecesOf(int e) {
    const Curve& el = curve(e);
    const std::span<const PlainCut> cuts = plainCutsOf(e);
    for (size_t k = 0; k + 1 < cuts.size(); ++k) {
      const PlainCut& a = cuts[k];
      const PlainCut& b = cuts[k + 1];
      const int from = a.node, to = b.node;
      if (from == to) continue;
      const double length = (b.at - a.at) * el.length;
      if (entersPlainBand(e, a, b, 1.0, length) || entersPlainBand(e, b, a, -1.0, length)) continue;
      const AcGePoint2d middle = middleOf(el, a, b);
      if (small_ ? anyOtherNearer(el, middle) : anyNearer(middle, keepLimit(), sourcesOf(el))) continue;
      pieces_.emplace_back(e, a.at, b.at, from, to);
    }
  }

  AcGePoint2d pointOf(const Curve& el, const PlainCut& cut) const {
    if (cut.crossing >= 0) return plainCrossings_[static_cast<size_t>(cut.crossing)].point;
    return cut.at == 0.0 ? el.seg.start : el.seg.end;
  }

  // The point of the element halfway between two cuts. On an arc piece short of a half
  // turn it lies across the radius through the middle of its ends, which takes no angle.
  AcGePoint2d middleOf(const Curve& el, const PlainCut& a, const PlainCut& b) const {
    const double m = (a.at + b.at) / 2;
    if (!el.prim.isArc || std::fabs(el.prim.arc.sweep * (b.at - a.at)) > 3.0) return el.prim.pointAt(m);
    const AcGePoint2d& center = el.prim.arc.center;
    const AcGeVector2d across = (pointOf(el, a) - center) + (pointOf(el, b) - center);
    const double length = std::sqrt(across.lengthSqrd());
    if (!(length > 1e-3 * el.prim.arc.radius)) return el.prim.pointAt(m);
    return center + across * (el.prim.arc.radius / length);
  }

  // The source segments that lie the distance from every point of the element: a moved
  // segment's own, or the two about a corner arc's vertex. A bridge lies inside the band
  // and has none.
  std::pair<int, int> sourcesOf(const Curve& el) const {
    if (el.bandSide < 0.0) return {-1, -1};
    const int n = static_cast<int>(segs_.size());
    const int own = el.firstVertex;
    return {own, el.firstVertex == el.lastVertex ? (own + n - 1) % n : own};
  }

  // As anyNearer(p, keepLimit()) for a point p of a small path's element, passing over
  // the segments it was moved from: they lie the distance away from every point of it.
  bool anyOtherNearer(const Curve& el, const AcGePoint2d& p) {
    const double limit = keepLimit();
    if (lastHolder_ >= 0 && prepared_[static_cast<size_t>(lastHolder_)].distanceTo(p) < limit) return true;
    const int n = static_cast<int>(segs_.size());
    // A moved segment's own, or the two about a corner arc's vertex.
    const int own = el.firstVertex, before = el.firstVertex == el.lastVertex ? (own + n - 1) % n : own;
    return anyNearerAmongFew(p, limit, (std::uint64_t{1} << own) | (std::uint64_t{1} << before));
  }

  // As entersBand at a plain cut: an element's end has only its neighbour there, and a
  // crossing the one other element. other: the piece's cut at its other end.
  bool entersPlainBand(int e, const PlainCut& cut, const PlainCut& other, double sense, double length) {
    if (cut.crossing < 0) return nodes_.isGap(cut.node);
    const PlainCrossing& x = plainCrossings_[static_cast<size_t>(cut.crossing)];
    const bool first = x.a == e;
    const int c = first ? x.b : x.a;
    const AcGeVector2d& own = first ? x.ta : x.tb;
    const AcGeVector2d away = sense > 0.0 ? own : -own;
    const double side = curve(c).bandSide * (first ? x.tb : x.ta).crossProduct(away);
    if (!(side < -kTangentSine)) return false;
    return !(-side * length <= tol_ && plainCutMeets(e, other, c));
  }

  // Curve c passes through the node of element e's cut.
  bool plainCutMeets(int e, const PlainCut& cut, int c) const {
    if (cut.crossing >= 0) {
      const PlainCrossing& x = plainCrossings_[static_cast<size_t>(cut.crossing)];
      return x.a == c || x.b == c;
    }
    return c == (cut.at == 0.0 ? curve(e).prev : curve(e).next);
  }

  // The curve continues through the node: it is cut inside, or meets the element
  // joined to it there.
  bool passesThrough(const Passing& p) const {
    const Curve& c = curve(p.curve);
    if (p.at > 0.0 && p.at < 1.0) return true;
    if (!c.element) return true;
    return p.at == 0.0 ? c.prev >= 0 : c.next >= 0;
  }

  // A piece of element e leaving the node at fraction `at`, forward (sense 1) or back
  // (sense -1), runs into the band of another curve through the node. Curves at a glancing
  // angle tell nothing, nor does one that `alongside` says the piece runs along within the
  // tolerance.
  template <class Alongside>
  bool entersBand(int node, int e, double at, double sense, Alongside&& alongside) {
    const int root = nodes_.find(node);
    const Curve& el = curve(e);
    bool others = false;
    // Where the element meets only its neighbours there, its direction is never asked.
    AcGeVector2d away;
    bool known = false;
    const std::span<const Passing> passings = std::as_const(passing_)[root];
    for (const Passing& p : passings) {
      if (p.curve == e || (p.curve == el.prev && p.at == 1.0) || (p.curve == el.next && p.at == 0.0)) continue;
      others = true;
      if (!passesThrough(p)) continue;
      const Curve& c = curve(p.curve);
      if (!known) {
        away = sense > 0.0 ? ownTangent(passings, e, at) : -ownTangent(passings, e, at);
        known = true;
      }
      const double side = c.bandSide * tangentAt(p).crossProduct(away);
      if (side < -kTangentSine && !alongside(p.curve, side)) return true;
    }
    // A loose end that nothing meets lies inside the band of the corner's other side.
    return !others && nodes_.isGap(root);
  }

  // The direction of the passing curve there: pieces on either side of a crossing, of
  // both curves, ask for it.
  const AcGeVector2d& tangentAt(const Passing& p) {
    const size_t k = passing_.indexOf(p);
    std::vector<AcGeVector2d>& tangents = (*lease_).passingTangents;
    std::vector<unsigned char>& known = (*lease_).passingTangentKnown;
    if (known[k] == 0) {
      tangents[k] = tangentOf(curve(p.curve), p.at);
      known[k] = 1;
    }
    return tangents[k];
  }

  // Element e's direction at fraction `at`, where it passes among passings.
  AcGeVector2d ownTangent(std::span<const Passing> passings, int e, double at) {
    for (const Passing& p : passings)
      if (p.curve == e && p.at == at) return tangentAt(p);
    return tangentOf(curve(e), at);
  }

  bool passesThroughNode(int c, int node) {
    for (const Passing& p : passing_[nodes_.find(node)])
      if (p.curve == c) return true;
    return false;
  }

  bool touchesDeepStretch(int e, const Stretch& piece) const {
    if (small_) return false;
    for (const Stretch& s : deep_[e])
      if (overlaps(s, piece)) return true;
    return false;
  }

  // The pieces of the element between its cuts that lie outside the band.
  void keepPiecesOf(int e) {
    const Curve& el = curve(e);
    if (el.swallowed) return;
    const std::span<const Cut> cuts = std::as_const(cuts_)[e];
    for (size_t k = 0; k + 1 < cuts.size(); ++k) {
      const Cut& a = cuts[k];
      const Cut& b = cuts[k + 1];
      if (nodes_.find(a.node) == nodes_.find(b.node)) continue;
      if (touchesDeepStretch(e, {a.at, b.at})) continue;
      // A curve through both ends, meeting the piece so flat that over its length they never
      // part by more than the tolerance, runs alongside it: merely near, it has no side.
      const double length = (b.at - a.at) * el.length;
      auto alongside = [&](int c, double side) {
        return -side * length <= tol_ && passesThroughNode(c, a.node) && passesThroughNode(c, b.node);
      };
      if (entersBand(a.node, e, a.at, 1.0, alongside)) continue;
      if (entersBand(b.node, e, b.at, -1.0, alongside)) continue;
      if (anyNearer(el.prim.pointAt((a.at + b.at) / 2), keepLimit(), sourcesOf(el))) continue;
      pieces_.push_back({e, a.at, b.at, nodes_.find(a.node), nodes_.find(b.node)});
    }
  }

  // An arc bridging a concave corner stands in for its neighbours' crossing where that may
  // pass for a touch. Where the crossing was found after all, the tips beyond it are
  // dropped and the bridge, which no kept piece reaches or leaves, would be a sliver.
  void dropLooseBridges() {
    std::vector<int>& arriving = (*lease_).arriving;
    std::vector<int>& leaving = (*lease_).leaving;
    arriving.assign(static_cast<size_t>(nodes_.count()), 0);
    leaving.assign(arriving.size(), 0);
    for (const Piece& p : pieces_) {
      ++leaving[static_cast<size_t>(p.startNode)];
      ++arriving[static_cast<size_t>(p.endNode)];
    }
    std::erase_if(pieces_, [&](const Piece& p) {
      // Of the elements, only bridges have the band on their left.
      const bool bridge = curve(p.element).bandSide < 0.0;
      return bridge && p.from == 0.0 && p.to == 1.0 && arriving[static_cast<size_t>(p.startNode)] == 0 &&
             leaving[static_cast<size_t>(p.endNode)] == 0;
    });
  }

  // The kept piece to follow piece i at its end node: the same element's next piece,
  // else the joined element's first, else any.
  int successor(int i, const Buckets<int>& leaving, const std::vector<unsigned char>& used) const {
    const Piece& p = pieces_[static_cast<size_t>(i)];
    int best = -1, bestRank = 3;
    for (int k : leaving[p.endNode]) {
      if (used[static_cast<size_t>(k)]) continue;
      const Piece& q = pieces_[static_cast<size_t>(k)];
      const int rank = q.element == p.element && q.from == p.to                             ? 0
                       : q.element == curve(p.element).next && p.to == 1.0 && q.from == 0.0 ? 1
                                                                                            : 2;
      if (rank < bestRank) {
        best = k;
        bestRank = rank;
      }
    }
    return best;
  }

  void chains(std::vector<BulgePath>& out) {
    std::vector<std::pair<int, int>>& starts = (*lease_).starts;
    starts.clear();
    for (int i = 0; i < static_cast<int>(pieces_.size()); ++i)
      starts.emplace_back(pieces_[static_cast<size_t>(i)].startNode, i);
    Buckets<int>& leaving = (*lease_).leavingPieces;
    leaving.build(nodes_.count(), starts);
    std::vector<unsigned char>& used = (*lease_).used;
    used.assign(pieces_.size(), false);
    out.clear();
    // Open chains start where no kept piece arrives; what is left then are loops.
    std::vector<unsigned char>& arrived = (*lease_).arrived;
    arrived.assign(static_cast<size_t>(nodes_.count()), false);
    for (const Piece& p : pieces_) arrived[static_cast<size_t>(p.endNode)] = true;
    auto chainFrom = [&](int first) {
      if (used[static_cast<size_t>(first)]) return;
      std::vector<int>& chain = (*lease_).chain;
      chain.assign(1, first);
      used[static_cast<size_t>(first)] = true;
      const int home = pieces_[static_cast<size_t>(first)].startNode;
      bool closed = false;
      for (;;) {
        const int last = chain.back();
        if (pieces_[static_cast<size_t>(last)].endNode == home) {
          closed = true;
          break;
        }
        const int next = successor(last, leaving, used);
        if (next < 0) break;
        used[static_cast<size_t>(next)] = true;
        chain.push_back(next);
      }
      // A closed path gives loops only: an open chain is a stray from rounding.
      if (path_.closed && !closed) return;
      BulgePath result = toPath(chain, closed);
      if (!longerThan(result, kShortestLoop * tol_)) return;
      if (path_.closed && touches_ && !onOffsetSide(result)) return;
      out.push_back(std::move(result));
    };
    const int count = static_cast<int>(pieces_.size());
    for (int i = 0; i < count; ++i)
      if (!arrived[static_cast<size_t>(pieces_[static_cast<size_t>(i)].startNode)]) chainFrom(i);
    for (int i = 0; i < count; ++i) chainFrom(i);
  }

  // A loop of a closed path lies on the left of it: inside a counter-clockwise path,
  // outside a clockwise one. Only paths that touch themselves give loops elsewhere.
  bool onOffsetSide(const BulgePath& loop) {
    if (!sourceArea_) sourceArea_ = signedArea(segs_, arcs_);
    const BulgeSeg first = loop.segment(0);
    const int winding = windingNumber(segs_, arcs_, first.midPoint());
    return *sourceArea_ > 0.0 ? winding != 0 : winding == 0;
  }

  // Pieces of one element that follow each other become one segment again.
  BulgePath toPath(const std::vector<int>& chain, bool closed) const {
    std::vector<Piece>& merged = (*lease_).merged;
    merged.clear();
    for (int index : chain) {
      const Piece& p = pieces_[static_cast<size_t>(index)];
      if (!merged.empty() && merged.back().element == p.element && merged.back().to == p.from) {
        merged.back().to = p.to;
        continue;
      }
      merged.push_back(p);
    }
    if (closed && merged.size() > 1 && merged.back().element == merged.front().element &&
        merged.back().to == merged.front().from) {
      merged.front().from = merged.back().from;
      merged.pop_back();
    }
    BulgePath path;
    path.closed = closed;
    path.vertices.reserve(merged.size() + 1);
    // As BulgeSeg::part would have it; a whole arc keeps its own.
    for (const Piece& p : merged) {
      const Curve& c = curve(p.element);
      const bool whole = p.from == 0.0 && p.to == 1.0;
      const double bulge = !c.prim.isArc ? 0.0 : whole ? c.seg.bulge : bulgeOfSweep(c.prim.arc.sweep * (p.to - p.from));
      path.vertices.push_back({pointOf(c, p.from), bulge});
    }
    if (!closed) path.vertices.push_back({pointOf(curve(merged.back().element), merged.back().to), 0.0});
    return path;
  }

  ScratchLease lease_;
  const BulgePath& path_;
  const std::vector<BulgeSeg>& segs_;
  const std::vector<Arc2>& arcs_;
  const std::vector<PreparedSeg>& prepared_;
  double dist_;
  double tol_;
  bool small_;
  bool mapped_;
  BoxTree& tree_;
  bool touches_;
  // The elements of the moved path come first, in path order; cutters follow.
  std::vector<Curve>& curves_ = (*lease_).curves;
  int elementCount_ = 0;
  OffsetNodes& nodes_ = (*lease_).nodes;
  // Stretches of each element deep in the band, and the rest.
  std::vector<std::pair<int, Stretch>>& deepItems_ = (*lease_).deepItems;
  std::vector<std::pair<int, Stretch>>& shallowItems_ = (*lease_).shallowItems;
  Buckets<Stretch>& deep_ = (*lease_).deep;
  Buckets<Stretch>& shallow_ = (*lease_).shallow;
  std::vector<std::pair<int, Cut>>& cutItems_ = (*lease_).cutItems;
  Buckets<Cut>& cuts_ = (*lease_).cuts;
  Buckets<Passing>& passing_ = (*lease_).passing;
  std::vector<Piece>& pieces_ = (*lease_).pieces;
  std::optional<double> sourceArea_;
  std::vector<Gap>& toProbe_ = (*lease_).toProbe;
  std::vector<Stretch>& deepScratch_ = (*lease_).deepScratch;
  std::vector<Stretch>& shallowScratch_ = (*lease_).shallowScratch;
  std::vector<Hit2>& hits_ = (*lease_).hits;
  std::vector<PlainCrossing>& plainCrossings_ = (*lease_).plainCrossings;
  int lastHolder_ = -1;
  // Crowded elements were mapped again for the pairs: some are no longer cut whole.
  bool narrowed_ = false;
};

// The path run backwards, into out (whose vertices are replaced).
void reverseInto(const BulgePath& path, BulgePath& out) {
  out.closed = path.closed;
  out.vertices.clear();
  const int n = static_cast<int>(path.vertices.size());
  out.vertices.reserve(path.vertices.size());
  for (int i = n - 1; i >= 0; --i) {
    // The segment from i - 1 to i, reversed, leaves vertex i.
    const int before = path.closed ? (i - 1 + n) % n : i - 1;
    const double bulge = before >= 0 ? -path.vertices[static_cast<size_t>(before)].bulge : 0.0;
    out.vertices.push_back({path.vertices[static_cast<size_t>(i)].point, bulge});
  }
}

// As reversed(path), in the path's own vertices.
void reverseInPlace(BulgePath& path) {
  std::vector<BulgeVertex>& v = path.vertices;
  if (v.empty()) return;
  std::reverse(v.begin(), v.end());
  // Each vertex takes the bulge of the segment that now leaves it: the old one before it.
  const double first = v.front().bulge;
  for (size_t k = 0; k + 1 < v.size(); ++k) v[k].bulge = -v[k + 1].bulge;
  v.back().bulge = path.closed ? -first : 0.0;
}

// scale: the path's coordinateScale.
OffsetStatus offsetToTheLeft(const BulgePath& path, double scale, double dist, SourceShape shape,
                             std::vector<BulgePath>& out) {
  const double tol = toleranceFor(scale, dist);
  if (offsetConvexPath(path, dist, tol, OffsetBuilder::kShortestLoop * tol, out)) return OffsetStatus::kOk;
  OffsetBuilder builder(path, dist, tol, shape);
  if (builder.sourceCrosses()) return OffsetStatus::kSelfCrossing;
  builder.run(out);
  return OffsetStatus::kOk;
}

}  // namespace

namespace {

// Some vertex lies within tol of the one before it (or, closed, the last of the first).
bool repeatsVertices(const BulgePath& path, double tol) {
  const double tolSqrd = tol * tol;
  const std::vector<BulgeVertex>& v = path.vertices;
  for (size_t i = 1; i < v.size(); ++i)
    if ((v[i - 1].point - v[i].point).lengthSqrd() <= tolSqrd) return true;
  return path.closed && v.size() > 1 && (v.back().point - v.front().point).lengthSqrd() <= tolSqrd;
}

}  // namespace

BulgePath withoutRepeatedVertices(const BulgePath& path, double tol) {
  BulgePath out;
  out.closed = path.closed;
  out.vertices.reserve(path.vertices.size());
  const double tolSqrd = tol * tol;
  for (const BulgeVertex& v : path.vertices) {
    if (!out.vertices.empty() && (out.vertices.back().point - v.point).lengthSqrd() <= tolSqrd) {
      out.vertices.back().bulge = v.bulge;  // the segment of zero length goes
      continue;
    }
    out.vertices.push_back(v);
  }
  if (out.closed && out.vertices.size() > 1 &&
      (out.vertices.back().point - out.vertices.front().point).lengthSqrd() <= tolSqrd)
    out.vertices.pop_back();
  return out;
}

OffsetStatus offsetPath(const BulgePath& path, double left, std::vector<BulgePath>& out, SourceShape shape) {
  out.clear();
  if (!std::isfinite(left)) return OffsetStatus::kInvalidInput;
  const double pathScale = coordinateScale(path);
  if (std::isnan(pathScale)) return OffsetStatus::kInvalidInput;
  // Most paths repeat no vertex: they are offset as they stand, not copied.
  std::optional<BulgePath> cleaned;
  if (repeatsVertices(path, toleranceFor(pathScale, 0.0)))
    cleaned = withoutRepeatedVertices(path, toleranceFor(pathScale, 0.0));
  const BulgePath& clean = cleaned ? *cleaned : path;
  if (clean.numSegments() == 0) return OffsetStatus::kInvalidInput;
  const double scale = cleaned ? coordinateScale(clean) : pathScale;
  const OffsetFault fault = TakeOffsetFault();
  if (fault == OffsetFault::kFail) return OffsetStatus::kFailed;
  if (std::fabs(left) <= toleranceFor(scale, 0.0)) {
    out.push_back(clean);
  } else if (left > 0.0) {
    if (const OffsetStatus status = offsetToTheLeft(clean, scale, left, shape, out); status != OffsetStatus::kOk)
      return status;
  } else {
    // To the right is to the left of the path run backwards.
    // The thread keeps a small reversed copy's vertices from call to call.
    constexpr size_t kKeptVertices = 4096;
    thread_local BulgePath backwards;
    reverseInto(clean, backwards);
    const OffsetStatus status = offsetToTheLeft(backwards, scale, -left, shape, out);
    if (backwards.vertices.capacity() > kKeptVertices) backwards = BulgePath{};
    if (status != OffsetStatus::kOk) return status;
    for (BulgePath& p : out) reverseInPlace(p);
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
