// A plane path element as polylines store it: a start, an end and a bulge
// (tan(sweep / 4), negative for a clockwise arc; 0 for a straight segment).
// Positions along it are fractions 0 .. 1 (of the length, or of the sweep).
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_vector2d.h"

namespace curve {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

struct Box2 {
  double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
  void add(const AcGePoint2d& p) {
    minX = std::min(minX, p.x);
    minY = std::min(minY, p.y);
    maxX = std::max(maxX, p.x);
    maxY = std::max(maxY, p.y);
  }
  void add(const Box2& b) {
    minX = std::min(minX, b.minX);
    minY = std::min(minY, b.minY);
    maxX = std::max(maxX, b.maxX);
    maxY = std::max(maxY, b.maxY);
  }
  Box2 grown(double by) const { return {minX - by, minY - by, maxX + by, maxY + by}; }
  bool overlaps(const Box2& o) const { return minX <= o.maxX && o.minX <= maxX && minY <= o.maxY && o.minY <= maxY; }
  // Square of the distance from p to the box (0 inside).
  double distanceSqrdTo(const AcGePoint2d& p) const {
    // Plain selections of values, which compile to max instructions and no branches.
    auto larger = [](double a, double b) { return a > b ? a : b; };
    const double dx = larger(larger(minX - p.x, p.x - maxX), 0.0);
    const double dy = larger(larger(minY - p.y, p.y - maxY), 0.0);
    return dx * dx + dy * dy;
  }
  double size() const;
};

// A circle or circular arc: centre, radius, the angle of its start and the signed sweep.
struct Arc2 {
  AcGePoint2d center;
  double radius = 0.0;
  double startAngle = 0.0;
  double sweep = kTwoPi;  // negative: clockwise

  AcGePoint2d pointAtAngle(double angle) const;
  AcGePoint2d pointAt(double fraction) const { return pointAtAngle(startAngle + sweep * fraction); }
  // Fraction of the point's direction; the nearer end's side for directions outside the sweep.
  double fractionOfAngle(double angle) const;
  bool isFullCircle() const;
  // Adds the circle's points farthest left, right, down and up that the sweep passes.
  void addExtremesTo(Box2& box) const;
};

// The arc of a polyline segment from start to end with the bulge (tan of a quarter
// of the sweep, positive counter-clockwise); start and end must differ and the
// bulge must not be 0.
Arc2 ArcOfBulge(const AcGePoint2d& start, const AcGePoint2d& end, double bulge);

struct BulgeSeg {
  AcGePoint2d start;
  AcGePoint2d end;
  double bulge = 0.0;

  // Bulges this small are straight for every practical size.
  static constexpr double kStraightBulge = 1e-12;

  // Lines are told inline: most segments are.
  bool isArc() const { return std::fabs(bulge) > kStraightBulge && hasArcEnds(); }
  Arc2 arc() const;  // only for arcs
  AcGePoint2d pointAt(double fraction) const;
  AcGePoint2d midPoint() const { return pointAt(0.5); }
  double length() const;
  // Unit direction of travel.
  AcGeVector2d tangentAt(double fraction) const;
  // Fraction of the nearest point, clamped to the segment.
  double nearestFraction(const AcGePoint2d& p) const;
  double distanceTo(const AcGePoint2d& p) const { return p.distanceTo(pointAt(nearestFraction(p))); }
  BulgeSeg part(double from, double to) const;
  BulgeSeg reversed() const { return {end, start, -bulge}; }
  Box2 box() const;
  // The same from its arc worked out already (ignored for a line).
  Box2 box(const Arc2& arc) const;

 private:
  // The ends are not one point.
  bool hasArcEnds() const;
};

// A segment prepared for many distance queries: its arc is worked out once, and a
// query needs neither trigonometry nor a call. Agrees with BulgeSeg::distanceTo up to
// rounding.
class PreparedSeg {
 public:
  PreparedSeg() = default;
  explicit PreparedSeg(const BulgeSeg& seg);
  // The same from the segment's arc worked out already (ignored for a line).
  PreparedSeg(const BulgeSeg& seg, const Arc2& arc);

  double distanceTo(const AcGePoint2d& p) const { return std::sqrt(distanceSqrdTo(p)); }
  double distanceSqrdTo(const AcGePoint2d& p) const { return (p - nearestPoint(p)).lengthSqrd(); }

  AcGePoint2d nearestPoint(const AcGePoint2d& p) const {
    if (isArc_) {
      const AcGeVector2d v = p - center_;
      const double len2 = v.lengthSqrd();
      if (facesArc(v) && len2 > 0.0) return center_ + v * (radius_ / std::sqrt(len2));
      return (p - start_).lengthSqrd() <= (p - end_).lengthSqrd() ? start_ : end_;
    }
    const AcGeVector2d d = end_ - start_;
    const double len2 = d.lengthSqrd();
    const double f = len2 > 0.0 ? std::clamp((p - start_).dotProduct(d) / len2, 0.0, 1.0) : 0.0;
    return start_ + d * f;
  }

  const AcGePoint2d& start() const { return start_; }
  const AcGePoint2d& end() const { return end_; }

  // Least and greatest of axis . q over the segment's points q (axis of unit length),
  // widened a little for rounding.
  void extentAlong(const AcGeVector2d& axis, double& least, double& greatest) const;

  // Distance of the segment's point farthest from p.
  double farthestFrom(const AcGePoint2d& p) const {
    const double ends = std::sqrt(std::max((p - start_).lengthSqrd(), (p - end_).lengthSqrd()));
    if (!isArc_) return ends;
    // The circle's farthest point lies straight across the centre from p.
    const AcGeVector2d across = center_ - p;
    return facesArc(across) ? std::sqrt(across.lengthSqrd()) + radius_ : ends;
  }

 private:
  // Within the arc's sweep, seen from its centre.
  bool facesArc(const AcGeVector2d& v) const {
    if (!beyondHalfTurn_) return low_.crossProduct(v) >= 0.0 && v.crossProduct(high_) >= 0.0;
    // Outside only within the gap, which is less than a half turn.
    return !(high_.crossProduct(v) > 0.0 && v.crossProduct(low_) > 0.0);
  }

  AcGePoint2d start_, end_, center_;
  // Counter-clockwise bounds of the sweep.
  AcGeVector2d low_, high_;
  double radius_ = 0.0;
  bool isArc_ = false;
  bool beyondHalfTurn_ = false;
};

// A vertex of a plane polyline: its point and the bulge of the segment leaving it.
struct BulgeVertex {
  AcGePoint2d point;
  double bulge = 0.0;
};

struct BulgePath {
  std::vector<BulgeVertex> vertices;
  bool closed = false;

  int numSegments() const;
  BulgeSeg segment(int index) const;
  std::vector<BulgeSeg> segments() const;
  double length() const;
};

// Signed bulge of an arc part of the given signed sweep.
double bulgeOfSweep(double sweep);

// Angle brought into [0, 2pi).
inline double normalizeAngle(double angle) {
  // Within a turn either side fmod would give the angle itself.
  if (angle >= 0.0 && angle < kTwoPi) return angle;
  double a = angle > -kTwoPi && angle < 0.0 ? angle : std::fmod(angle, kTwoPi);
  if (a < 0.0) a += kTwoPi;
  return a >= kTwoPi ? 0.0 : a;
}

inline double Arc2::fractionOfAngle(double angle) const {
  if (sweep == 0.0) return 0.0;
  // Offset from the start in the arc's own direction, 0 .. 2pi.
  const double along = sweep > 0 ? normalizeAngle(angle - startAngle) : normalizeAngle(startAngle - angle);
  const double total = std::fabs(sweep);
  if (along <= total) return along / total;
  // Outside: the side of the nearer end.
  return (along - total) < (kTwoPi - along) ? along / total : -(kTwoPi - along) / total;
}

}  // namespace curve
