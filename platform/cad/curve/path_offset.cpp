#include "platform/cad/curve/path_offset.h"

#include <algorithm>
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

// The curves bounding the band of points within distance d of one element.
std::vector<Prim2> bandBoundary(const BulgeSeg& seg, double d, double tol) {
  std::vector<Prim2> out;
  for (double side : {d, -d}) {
    BulgeSeg moved;
    if (movedSegment(seg, side, tol, moved)) out.push_back(Prim2::of(moved));
  }
  out.push_back(Prim2::circle(seg.start, d));
  out.push_back(Prim2::circle(seg.end, d));
  return out;
}

class OffsetBuilder {
 public:
  OffsetBuilder(const BulgePath& path, double left)
      : path_(path), segs_(path.segments()), left_(left), dist_(std::fabs(left)), tol_(tolerancesFor(path)),
        tree_(boxesOf(segs_)) {}

  std::vector<BulgePath> run() {
    elements_ = movedElements(path_, segs_, left_, tol_.point);
    for (int e = 0; e < static_cast<int>(elements_.size()); ++e) keepPiecesOf(e);
    return chains();
  }

 private:
  static std::vector<Box2> boxesOf(const std::vector<BulgeSeg>& segs) {
    std::vector<Box2> boxes;
    for (const BulgeSeg& s : segs) boxes.push_back(s.box());
    return boxes;
  }

  // Cuts an element where it enters or leaves the band around the path, and keeps the
  // parts lying outside.
  void keepPiecesOf(int e) {
    const BulgeSeg& element = elements_[static_cast<size_t>(e)];
    const Prim2 prim = Prim2::of(element);
    const double len = element.length();
    std::vector<double> cuts{0.0, 1.0};
    tree_.query(element.box().grown(dist_ + tol_.join), [&](int j) {
      for (const Prim2& boundary : bandBoundary(segs_[static_cast<size_t>(j)], dist_, tol_.point))
        for (const Hit2& hit : intersect(prim, boundary, tol_.point))
          if (hit.fa * len > tol_.point && (1.0 - hit.fa) * len > tol_.point) cuts.push_back(hit.fa);
    });
    std::sort(cuts.begin(), cuts.end());
    for (size_t k = 0; k + 1 < cuts.size(); ++k) {
      const double from = cuts[k], to = cuts[k + 1];
      if ((to - from) * len <= tol_.point) continue;
      const BulgeSeg part = element.part(from, to);
      if (nearestDistance(part.midPoint()) >= dist_ - tol_.keep) pieces_.push_back({e, from, to, part});
    }
  }

  double nearestDistance(const AcGePoint2d& p) const {
    double best = 1e300;
    Box2 around;
    around.add(p);
    tree_.query(around.grown(dist_), [&](int j) { best = std::min(best, segs_[static_cast<size_t>(j)].distanceTo(p)); });
    return best;
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
  double left_;
  double dist_;
  Tolerances tol_;
  BoxTree tree_;
  std::vector<BulgeSeg> elements_;
  std::vector<Piece> pieces_;
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
