#include "platform/cad/curve/run_bound.h"

#include <cmath>

namespace curve {

namespace {

// Rounding in projections, distances and arcs' centres is covered by a margin this much
// of the size of the coordinates.
constexpr double kRoundingMargin = 1e-14;

// A run this many times flatter than it is long is bounded well enough by a box.
constexpr double kFlattest = 1e4;

double magnitude(const Box2& b) {
  return std::max({std::fabs(b.minX), std::fabs(b.maxX), std::fabs(b.minY), std::fabs(b.maxY)});
}

AcGePoint2d centreOf(const Box2& b) { return {(b.minX + b.maxX) / 2, (b.minY + b.maxY) / 2}; }

// A number rising with the angle of v counter-clockwise from ref, -2 .. 2, cheaper than
// the angle itself.
double pseudoAngle(const AcGeVector2d& ref, const AcGeVector2d& v) {
  const double c = ref.dotProduct(v), s = ref.crossProduct(v);
  const double sum = std::fabs(c) + std::fabs(s);
  if (sum == 0.0) return 0.0;
  return std::copysign(1.0 - c / sum, s);
}

}  // namespace

void EndPointSums::add(const AcGePoint2d& q) {
  const double x = q.x - origin_.x, y = q.y - origin_.y, z = x * x + y * y;
  n_ += 1.0;
  x_ += x;
  y_ += y;
  xx_ += x * x;
  xy_ += x * y;
  yy_ += y * y;
  xz_ += x * z;
  yz_ += y * z;
  z_ += z;
  zz_ += z * z;
}

AcGeVector2d EndPointSums::spreadAxis() const {
  const double mx = x_ / n_, my = y_ / n_;
  const double cxx = xx_ / n_ - mx * mx, cyy = yy_ / n_ - my * my, cxy = xy_ / n_ - mx * my;
  const double angle = 0.5 * std::atan2(2.0 * cxy, cxx - cyy);
  return {std::cos(angle), std::sin(angle)};
}

bool EndPointSums::curvedAbout(double length, AcGePoint2d& centre) const {
  // The circle x^2 + y^2 + Dx + Ey + F = 0 by least squares: its normal equations,
  // solved by Cramer's rule.
  const double a = xx_, b = xy_, c = x_, e = yy_, f = y_, i = n_;
  const double r0 = -xz_, r1 = -yz_, r2 = -z_;
  const double det = a * (e * i - f * f) - b * (b * i - f * c) + c * (b * f - e * c);
  if (!(std::fabs(det) > 1e-9 * a * e * i)) return false;
  const double d = (r0 * (e * i - f * f) - b * (r1 * i - f * r2) + c * (r1 * f - e * r2)) / det;
  const double ee = (a * (r1 * i - f * r2) - r0 * (b * i - f * c) + c * (b * r2 - r1 * c)) / det;
  const double ff = (a * (e * r2 - r1 * f) - b * (b * r2 - r1 * c) + r0 * (b * f - e * c)) / det;
  const double radiusSqrd = (d * d + ee * ee) / 4 - ff;
  if (!(radiusSqrd > 0.0) || !(radiusSqrd < kFlattest * kFlattest * length * length)) return false;
  const double radius = std::sqrt(radiusSqrd);
  // At the fit the residuals are square to the sums' columns, so their squares sum to this.
  const double residuals = std::max(0.0, zz_ + d * xz_ + ee * yz_ + ff * z_);
  const double scatter = std::sqrt(residuals / n_) / (2.0 * radius);
  const double bow = std::min(length * length / (8.0 * radius), radius);
  if (!(scatter < 0.1 * bow)) return false;
  centre = {origin_.x - d / 2, origin_.y - ee / 2};
  return true;
}

double EndPointSums::scatterAbout(const AcGePoint2d& centre) const {
  // Squared distances from the centre, w = z - 2ax - 2by + k, and their spread.
  const double a = centre.x - origin_.x, b = centre.y - origin_.y, k = a * a + b * b;
  const double mean = (z_ - 2 * a * x_ - 2 * b * y_) / n_ + k;
  const double squares = zz_ + 4 * a * a * xx_ + 4 * b * b * yy_ + n_ * k * k - 4 * a * xz_ - 4 * b * yz_ + 2 * k * z_ +
                         8 * a * b * xy_ - 4 * a * k * x_ - 4 * b * k * y_;
  const double spread = std::max(0.0, squares / n_ - mean * mean);
  return mean > 0.0 ? std::sqrt(spread / mean) / 2 : 1e300;
}

RunRing RunRing::about(const AcGePoint2d& centre, std::span<const int> items, const std::vector<PreparedSeg>& segs) {
  RunRing ring;
  ring.centre = centre;
  for (int i : items) {
    ring.inner = std::min(ring.inner, segs[static_cast<size_t>(i)].distanceTo(centre));
    ring.outer = std::max(ring.outer, segs[static_cast<size_t>(i)].farthestFrom(centre));
  }
  return ring;
}

RunBound::RunBound(const Box2& b) : low_(b.minX), high_(b.maxX), inner_(b.minY), outer_(b.maxY) {}

RunBound::RunBound(const PreparedSeg& seg) {
  const AcGeVector2d chord = seg.end() - seg.start();
  if (chord.lengthSqrd() > 0.0) axis_ = chord / std::sqrt(chord.lengthSqrd());
  seg.extentAlong(axis_, low_, high_);
  seg.extentAlong({-axis_.y, axis_.x}, inner_, outer_);
}

RunBound RunBound::ofSegments(std::span<const int> items, const std::vector<PreparedSeg>& segs, const Box2& box,
                              std::span<const AcGeVector2d> axes, const RunRing* ring) {
  RunBound best(box);
  for (const AcGeVector2d& axis : axes) {
    RunBound turned;
    turned.axis_ = axis;
    const AcGeVector2d across(-axis.y, axis.x);
    for (int i : items) {
      const PreparedSeg& seg = segs[static_cast<size_t>(i)];
      double least = 0.0, greatest = 0.0;
      seg.extentAlong(axis, least, greatest);
      turned.low_ = std::min(turned.low_, least);
      turned.high_ = std::max(turned.high_, greatest);
      seg.extentAlong(across, least, greatest);
      turned.inner_ = std::min(turned.inner_, least);
      turned.outer_ = std::max(turned.outer_, greatest);
    }
    best.keepLesser(turned);
  }
  if (ring != nullptr) {
    std::vector<RunBound> ones;
    std::vector<Box2> boxes;
    std::vector<Part> parts;
    ones.reserve(items.size());
    boxes.reserve(items.size());
    for (int i : items) {
      ones.emplace_back(segs[static_cast<size_t>(i)]);
      boxes.push_back(RunBound::uprightBoxOf(ones.back()));
    }
    for (size_t k = 0; k < items.size(); ++k) parts.push_back({&ones[k], &boxes[k]});
    best.keepLesser(sectorOf(*ring, parts));
  }
  best.widenFor(box);
  return best;
}

RunBound RunBound::ofParts(std::span<const Part> parts, const Box2& box, std::span<const AcGeVector2d> axes,
                           const RunRing* ring) {
  RunBound best(box);
  for (const AcGeVector2d& axis : axes) best.keepLesser(turned(axis, parts));
  if (ring != nullptr) best.keepLesser(sectorOf(*ring, parts));
  best.widenFor(box);
  return best;
}

void RunBound::keepLesser(const RunBound& other) {
  if (other.area() < area()) *this = other;
}

void RunBound::widenFor(const Box2& box) {
  double size = magnitude(box) + box.size();
  if (ring_) size += outer_;
  const double margin = kRoundingMargin * size;
  inner_ -= margin;
  outer_ += margin;
  if (ring_) return;
  low_ -= margin;
  high_ += margin;
}

// Each part is held by its bound and by its upright box, so the tighter of the two
// extents counts.
RunBound RunBound::turned(const AcGeVector2d& axis, std::span<const Part> parts) {
  RunBound bound;
  bound.axis_ = axis;
  const AcGeVector2d across(-axis.y, axis.x);
  for (const Part& part : parts) {
    const RunBound upright(*part.box);
    for (int side = 0; side < 2; ++side) {
      const AcGeVector2d& u = side == 0 ? axis : across;
      double least = 0.0, greatest = 0.0, boxLeast = 0.0, boxGreatest = 0.0;
      part.bound->extentAlong(u, least, greatest);
      upright.extentAlong(u, boxLeast, boxGreatest);
      double& lo = side == 0 ? bound.low_ : bound.inner_;
      double& hi = side == 0 ? bound.high_ : bound.outer_;
      lo = std::min(lo, std::max(least, boxLeast));
      hi = std::max(hi, std::min(greatest, boxGreatest));
    }
  }
  return bound;
}

namespace {

// The directions in which points are seen from a centre, as pseudo-angles from ref, with
// the vectors giving the least and the greatest.
struct Directions {
  double least = 3.0, greatest = -3.0;
  AcGeVector2d leastWay, greatestWay;
  void add(const AcGeVector2d& ref, const AcGeVector2d& v) {
    const double a = pseudoAngle(ref, v);
    if (a < least) {
      least = a;
      leastWay = v;
    }
    if (a > greatest) {
      greatest = a;
      greatestWay = v;
    }
  }
  bool any() const { return greatest >= least; }
  // What lies within less than a half turn spans less than 2; more means it lies across
  // the direction opposite ref.
  bool across() const { return greatest - least >= 2.0; }
  void narrowTo(const Directions& o) {
    if (o.least > least) {
      least = o.least;
      leastWay = o.leastWay;
    }
    if (o.greatest < greatest) {
      greatest = o.greatest;
      greatestWay = o.greatestWay;
    }
  }
};

}  // namespace

// The corners of a box turned along the run.
std::array<AcGePoint2d, 4> RunBound::corners() const {
  const AcGeVector2d across(-axis_.y, axis_.x);
  const AcGePoint2d o(0.0, 0.0);
  return {o + axis_ * low_ + across * inner_, o + axis_ * high_ + across * inner_, o + axis_ * high_ + across * outer_,
          o + axis_ * low_ + across * outer_};
}

Box2 RunBound::uprightBoxOf(const RunBound& turned) {
  Box2 b;
  for (const AcGePoint2d& corner : turned.corners()) b.add(corner);
  return b;
}

RunBound RunBound::sectorOf(const RunRing& whole, std::span<const Part> parts) {
  RunBound ring;
  ring.ring_ = true;
  const AcGePoint2d& centre = whole.centre;
  ring.centre_ = centre;
  ring.inner_ = whole.inner;
  ring.outer_ = whole.outer;
  ring.whole_ = true;
  // The directions of the parts' boxes' corners, narrowed by their bounds' where those
  // tell. A box about the centre, or one across the direction opposite the first box,
  // leaves the whole ring.
  const AcGeVector2d ref = centreOf(*parts.front().box) - centre;
  if (ref.lengthSqrd() == 0.0) return ring;
  Directions all;
  for (const Part& part : parts) {
    const Box2& b = *part.box;
    if (b.distanceSqrdTo(centre) == 0.0) return ring;
    Directions seen;
    for (const AcGePoint2d& corner : {AcGePoint2d(b.minX, b.minY), AcGePoint2d(b.maxX, b.minY),
                                      AcGePoint2d(b.maxX, b.maxY), AcGePoint2d(b.minX, b.maxY)})
      seen.add(ref, corner - centre);
    if (seen.across()) return ring;
    const RunBound& bound = *part.bound;
    Directions narrower;
    if (!bound.ring_ && bound.distanceSqrdTo(centre) > 0.0) {
      for (const AcGePoint2d& corner : bound.corners()) narrower.add(ref, corner - centre);
    } else if (bound.ring_ && !bound.whole_ && bound.centre_.x == centre.x && bound.centre_.y == centre.y &&
               pseudoAngle(ref, bound.from_) <= pseudoAngle(ref, bound.to_)) {
      narrower.add(ref, bound.from_);
      narrower.add(ref, bound.to_);
    }
    if (narrower.any() && !narrower.across()) seen.narrowTo(narrower);
    all.add(ref, seen.leastWay);
    all.add(ref, seen.greatestWay);
  }
  ring.from_ = all.leastWay / std::sqrt(all.leastWay.lengthSqrd());
  ring.to_ = all.greatestWay / std::sqrt(all.greatestWay.lengthSqrd());
  ring.sweep_ = std::atan2(ref.crossProduct(ring.to_), ref.dotProduct(ring.to_)) -
                std::atan2(ref.crossProduct(ring.from_), ref.dotProduct(ring.from_));
  ring.whole_ = !(ring.sweep_ < kTwoPi);
  ring.beyondHalfTurn_ = ring.sweep_ > kPi;
  return ring;
}

void RunBound::extentAlong(const AcGeVector2d& axis, double& least, double& greatest) const {
  least = 1e300;
  greatest = -1e300;
  auto add = [&](const AcGePoint2d& q) {
    const double at = axis.x * q.x + axis.y * q.y;
    least = std::min(least, at);
    greatest = std::max(greatest, at);
  };
  if (!ring_) {
    for (const AcGePoint2d& corner : corners()) add(corner);
    return;
  }
  const double c = axis.x * centre_.x + axis.y * centre_.y;
  if (whole_) {
    least = c - outer_;
    greatest = c + outer_;
    return;
  }
  // The sector's corners, and the outer arc where it passes the axis either way; a sector
  // reaching its centre holds that too.
  const double near = std::max(inner_, 0.0);
  for (const AcGeVector2d& side : {from_, to_})
    for (double r : {near, outer_}) add(centre_ + side * r);
  if (facesSector(axis)) greatest = std::max(greatest, c + outer_);
  if (facesSector(-axis)) least = std::min(least, c - outer_);
}

double RunBound::area() const {
  if (!ring_) return (high_ - low_) * (outer_ - inner_);
  return (whole_ ? kTwoPi : sweep_) * (outer_ * outer_ - inner_ * inner_) / 2;
}

}  // namespace curve
