// What bounds a run of path segments in nearness queries: no point of the run lies nearer
// to p than the bound's distanceSqrdTo(p) says. Seen from near its centre a curved run
// lies nearly at one distance, which an upright box misses by far and even a box turned
// along the run misses by the run's sagitta; a sector of a ring about that centre does not.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"

namespace curve {

// Sums over the end points of a run's segments, taken from an origin near them against
// cancellation, from which the direction they spread most along and the circle they lie
// nearest to follow.
class EndPointSums {
 public:
  explicit EndPointSums(const AcGePoint2d& origin) : origin_(origin) {}
  void add(const AcGePoint2d& q);
  AcGeVector2d spreadAxis() const;
  // The centre of the circle the points fit best, when they follow it closely enough for
  // its centre to be told: scattered about it by less than a tenth of how far a run of
  // the given length bows along it.
  bool curvedAbout(double length, AcGePoint2d& centre) const;
  // How far the points scatter about the circle about centre through their middle.
  double scatterAbout(const AcGePoint2d& centre) const;

 private:
  AcGePoint2d origin_;
  double n_ = 0.0, x_ = 0.0, y_ = 0.0, xx_ = 0.0, xy_ = 0.0, yy_ = 0.0, xz_ = 0.0, yz_ = 0.0, z_ = 0.0, zz_ = 0.0;
};

// The ring about a centre that holds a run of segments.
struct RunRing {
  AcGePoint2d centre;
  double inner = 1e300, outer = -1e300;
  // Of segs[i] for i in items.
  static RunRing about(const AcGePoint2d& centre, std::span<const int> items, const std::vector<PreparedSeg>& segs);
  void add(const RunRing& other) {
    inner = std::min(inner, other.inner);
    outer = std::max(outer, other.outer);
  }
};

class RunBound {
 public:
  // A part of a run, held by both its bound and its upright box.
  struct Part {
    const RunBound* bound;
    const Box2* box;
  };

  RunBound() = default;
  // An upright box.
  explicit RunBound(const Box2& box);
  // One segment: a box turned along its chord.
  explicit RunBound(const PreparedSeg& seg);
  // A few segments segs[i], i in items, whose upright box is box: the least in area of
  // that box, boxes turned along the axes (of unit length) and a sector of the ring.
  static RunBound ofSegments(std::span<const int> items, const std::vector<PreparedSeg>& segs, const Box2& box,
                             std::span<const AcGeVector2d> axes, const RunRing* ring);
  // The same for a run made of parts already bounded, from those bounds.
  static RunBound ofParts(std::span<const Part> parts, const Box2& box, std::span<const AcGeVector2d> axes,
                          const RunRing* ring);

  // Square of a distance from p no greater than that of any point of the run.
  double distanceSqrdTo(const AcGePoint2d& p) const { return ring_ ? ringDistanceSqrdTo(p) : boxDistanceSqrdTo(p); }

 private:
  static RunBound turned(const AcGeVector2d& axis, std::span<const Part> parts);
  static RunBound sectorOf(const RunRing& ring, std::span<const Part> parts);
  // Becomes other where that is less in area.
  void keepLesser(const RunBound& other);
  // Widens the bound of what lies in box for rounding.
  void widenFor(const Box2& box);
  // Least and greatest of axis . q over the points q within the bound (axis of unit length).
  void extentAlong(const AcGeVector2d& axis, double& least, double& greatest) const;
  // Of a box.
  std::array<AcGePoint2d, 4> corners() const;
  static Box2 uprightBoxOf(const RunBound& box);
  double area() const;

  double boxDistanceSqrdTo(const AcGePoint2d& p) const {
    const double along = axis_.x * p.x + axis_.y * p.y, across = axis_.x * p.y - axis_.y * p.x;
    const double du = std::max({low_ - along, 0.0, along - high_});
    const double dv = std::max({inner_ - across, 0.0, across - outer_});
    return du * du + dv * dv;
  }

  double ringDistanceSqrdTo(const AcGePoint2d& p) const {
    const AcGeVector2d v = p - centre_;
    if (whole_ || facesSector(v)) {
      const double r = std::sqrt(v.lengthSqrd());
      const double d = std::max({inner_ - r, 0.0, r - outer_});
      return d * d;
    }
    // Outside the sector's angle the nearest point lies on one of its straight sides.
    return std::min(sideDistanceSqrd(v, from_), sideDistanceSqrd(v, to_));
  }
  bool facesSector(const AcGeVector2d& v) const {
    if (!beyondHalfTurn_) return from_.crossProduct(v) >= 0.0 && v.crossProduct(to_) >= 0.0;
    return !(to_.crossProduct(v) > 0.0 && v.crossProduct(from_) > 0.0);
  }
  double sideDistanceSqrd(const AcGeVector2d& v, const AcGeVector2d& side) const {
    const double t = std::clamp(v.dotProduct(side), inner_, outer_);
    return (v - side * t).lengthSqrd();
  }

  bool ring_ = false;
  // A box: along axis_ within low_ .. high_, across it (a quarter turn left) within
  // inner_ .. outer_. A ring: distances from centre_ within inner_ .. outer_, directions
  // counter-clockwise from from_ to to_ (unit vectors, sweep_ apart) unless whole_.
  AcGeVector2d axis_{1.0, 0.0};
  double low_ = 1e300, high_ = -1e300, inner_ = 1e300, outer_ = -1e300;
  AcGePoint2d centre_;
  AcGeVector2d from_, to_;
  double sweep_ = 0.0;
  bool whole_ = false, beyondHalfTurn_ = false;
};

}  // namespace curve
