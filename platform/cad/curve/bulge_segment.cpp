#include "platform/cad/curve/bulge_segment.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/cad/ge/ge_tol.h"

namespace curve {

double Box2::size() const { return maxX < minX ? 0.0 : std::max(maxX - minX, maxY - minY); }

double bulgeOfSweep(double sweep) { return std::tan(sweep / 4.0); }

AcGePoint2d Arc2::pointAtAngle(double angle) const {
  return {center.x + radius * std::cos(angle), center.y + radius * std::sin(angle)};
}

bool Arc2::isFullCircle() const { return std::fabs(sweep) >= kTwoPi - 1e-12; }

bool BulgeSeg::hasArcEnds() const {
  // Ends farther apart along an axis than the tolerance are no one point: no root needed.
  const double tol = AcGeContext::gTol.equalPoint();
  if (std::fabs(end.x - start.x) > tol || std::fabs(end.y - start.y) > tol) return true;
  return !start.isEqualTo(end);
}

Arc2 ArcOfBulge(const AcGePoint2d& start, const AcGePoint2d& end, double bulge) {
  const AcGeVector2d chord = end - start;
  const double c = chord.length();
  const double sweep = 4.0 * std::atan(bulge);
  const double radius = c * (1.0 + bulge * bulge) / (4.0 * std::fabs(bulge));
  // Centre on the left of the chord for a counter-clockwise arc of less than a half turn.
  const double sagittaToCenter = radius - std::fabs(bulge) * c / 2.0;
  const AcGeVector2d left(-chord.y / c, chord.x / c);
  const AcGePoint2d mid(start.x + chord.x / 2, start.y + chord.y / 2);
  const double side = bulge > 0 ? 1.0 : -1.0;
  const AcGePoint2d center = mid + left * (side * sagittaToCenter);
  Arc2 a;
  a.center = center;
  a.radius = radius;
  a.startAngle = std::atan2(start.y - center.y, start.x - center.x);
  a.sweep = sweep;
  return a;
}

Arc2 BulgeSeg::arc() const { return ArcOfBulge(start, end, bulge); }

AcGePoint2d BulgeSeg::pointAt(double fraction) const {
  if (fraction == 0.0) return start;
  if (fraction == 1.0) return end;
  if (!isArc()) return start + (end - start) * fraction;
  return arc().pointAt(fraction);
}

double BulgeSeg::length() const {
  if (!isArc()) return start.distanceTo(end);
  const Arc2 a = arc();
  return a.radius * std::fabs(a.sweep);
}

AcGeVector2d BulgeSeg::tangentAt(double fraction) const {
  if (!isArc()) {
    AcGeVector2d d = end - start;
    const double len = d.length();
    return len > 0 ? d / len : AcGeVector2d(1.0, 0.0);
  }
  const Arc2 a = arc();
  const double ang = a.startAngle + a.sweep * fraction;
  const AcGeVector2d radial(std::cos(ang), std::sin(ang));
  return a.sweep > 0 ? radial.perpVector() : -radial.perpVector();
}

double BulgeSeg::nearestFraction(const AcGePoint2d& p) const {
  if (!isArc()) {
    const AcGeVector2d d = end - start;
    const double len2 = d.lengthSqrd();
    if (len2 <= 0.0) return 0.0;
    return std::clamp((p - start).dotProduct(d) / len2, 0.0, 1.0);
  }
  const Arc2 a = arc();
  const AcGeVector2d r = p - a.center;
  if (r.lengthSqrd() == 0.0) return 0.0;
  const double f = a.fractionOfAngle(std::atan2(r.y, r.x));
  if (f >= 0.0 && f <= 1.0) return f;
  return p.distanceTo(start) <= p.distanceTo(end) ? 0.0 : 1.0;
}

BulgeSeg BulgeSeg::part(double from, double to) const {
  BulgeSeg s{pointAt(from), pointAt(to), 0.0};
  if (isArc()) s.bulge = bulgeOfSweep(4.0 * std::atan(bulge) * (to - from));
  return s;
}

Box2 BulgeSeg::box() const { return isArc() ? box(arc()) : box(Arc2{}); }

Box2 BulgeSeg::box(const Arc2& arc) const {
  Box2 b;
  b.add(start);
  b.add(end);
  if (!isArc()) return b;
  arc.addExtremesTo(b);
  return b;
}

void Arc2::addExtremesTo(Box2& box) const {
  // The directions of the quarter turns, as pointAtAngle works them out.
  static const std::array<AcGeVector2d, 4> kQuarters = [] {
    std::array<AcGeVector2d, 4> q;
    for (int k = 0; k < 4; ++k) q[static_cast<size_t>(k)] = {std::cos(k * kPi / 2), std::sin(k * kPi / 2)};
    return q;
  }();
  for (int k = 0; k < 4; ++k) {
    const double f = fractionOfAngle(k * kPi / 2);
    if (f > 0.0 && f < 1.0) {
      const AcGeVector2d& q = kQuarters[static_cast<size_t>(k)];
      box.add(AcGePoint2d(center.x + radius * q.x, center.y + radius * q.y));
    }
  }
}

PreparedSeg::PreparedSeg(const BulgeSeg& seg) : PreparedSeg(seg, seg.isArc() ? seg.arc() : Arc2{}) {}

PreparedSeg::PreparedSeg(const BulgeSeg& seg, const Arc2& a) : start_(seg.start), end_(seg.end), isArc_(seg.isArc()) {
  if (!isArc_) return;
  center_ = a.center;
  radius_ = a.radius;
  low_ = (a.sweep > 0 ? start_ : end_) - center_;
  high_ = (a.sweep > 0 ? end_ : start_) - center_;
  beyondHalfTurn_ = std::fabs(seg.bulge) > 1.0;
}

void PreparedSeg::extentAlong(const AcGeVector2d& axis, double& least, double& greatest) const {
  const double a = axis.dotProduct(start_.asVector()), b = axis.dotProduct(end_.asVector());
  least = std::min(a, b);
  greatest = std::max(a, b);
  double size = std::max({std::fabs(start_.x), std::fabs(start_.y), std::fabs(end_.x), std::fabs(end_.y)});
  if (isArc_) {
    // The circle's points farthest either way along the axis, where the sweep passes them.
    const double c = axis.dotProduct(center_.asVector());
    if (facesArc(axis)) greatest = std::max(greatest, c + radius_);
    if (facesArc(-axis)) least = std::min(least, c - radius_);
    size = std::max(size, std::max(std::fabs(center_.x), std::fabs(center_.y)) + radius_);
  }
  const double margin = 1e-14 * size;
  least -= margin;
  greatest += margin;
}

int BulgePath::numSegments() const {
  const int n = static_cast<int>(vertices.size());
  if (n < 2) return 0;
  return closed ? n : n - 1;
}

BulgeSeg BulgePath::segment(int index) const {
  const int n = static_cast<int>(vertices.size());
  const BulgeVertex& a = vertices[static_cast<size_t>(index)];
  const BulgeVertex& b = vertices[static_cast<size_t>((index + 1) % n)];
  return {a.point, b.point, a.bulge};
}

std::vector<BulgeSeg> BulgePath::segments() const {
  std::vector<BulgeSeg> out;
  out.reserve(static_cast<size_t>(numSegments()));
  for (int i = 0; i < numSegments(); ++i) out.push_back(segment(i));
  return out;
}

double BulgePath::length() const {
  double sum = 0.0;
  for (int i = 0; i < numSegments(); ++i) sum += segment(i).length();
  return sum;
}

}  // namespace curve
