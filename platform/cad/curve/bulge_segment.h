// A plane path element as polylines store it: a start, an end and a bulge
// (tan(sweep / 4), negative for a clockwise arc; 0 for a straight segment).
// Positions along it are fractions 0 .. 1 (of the length, or of the sweep).
#pragma once

#include <vector>

#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_vector2d.h"

namespace curve {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

struct Box2 {
  double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
  void add(const AcGePoint2d& p);
  void add(const Box2& b);
  Box2 grown(double by) const { return {minX - by, minY - by, maxX + by, maxY + by}; }
  bool overlaps(const Box2& o) const { return minX <= o.maxX && o.minX <= maxX && minY <= o.maxY && o.minY <= maxY; }
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
};

struct BulgeSeg {
  AcGePoint2d start;
  AcGePoint2d end;
  double bulge = 0.0;

  bool isArc() const;
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
double normalizeAngle(double angle);

}  // namespace curve
