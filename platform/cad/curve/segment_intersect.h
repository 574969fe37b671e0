// Crossings of straight and circular path elements, bounded or extended.
#pragma once

#include <cmath>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"

namespace curve {

// A line (segment, or whole line when unbounded) or an arc (or whole circle).
// Positions are fractions: 0 .. 1 within the bounds, any value on an unbounded one.
struct Prim2 {
  bool isArc = false;
  bool unbounded = false;
  // An arc's ends are in p0 and p1 too.
  bool endsKnown = false;
  AcGePoint2d p0, p1;  // line
  Arc2 arc;            // arc

  static Prim2 of(const BulgeSeg& seg, bool extend = false) {
    Prim2 p;
    p.unbounded = extend;
    p.p0 = seg.start;
    p.p1 = seg.end;
    if (seg.isArc()) {
      p.isArc = true;
      p.arc = seg.arc();
      p.endsKnown = true;
    }
    return p;
  }
  static Prim2 circle(const AcGePoint2d& center, double radius);
  AcGePoint2d pointAt(double fraction) const;
  double fractionOf(const AcGePoint2d& p) const;
  // Within the bounds, give or take tol in length.
  bool holds(double fraction, double tol) const {
    return unbounded || (fraction >= 0.0 && fraction <= 1.0) || holdsJustOutside(fraction, tol);
  }
  double length() const { return isArc ? arc.radius * std::fabs(arc.sweep) : std::sqrt((p1 - p0).lengthSqrd()); }

 private:
  bool holdsJustOutside(double fraction, double tol) const;
};

struct Hit2 {
  AcGePoint2d point;
  double fa = 0.0;
  double fb = 0.0;
};

// Points common to both within their bounds. Tangent elements meet in one point;
// overlapping ones give the ends of the overlap.
std::vector<Hit2> intersect(const Prim2& a, const Prim2& b, double tol);
// The same into hits, which is cleared first: spares an allocation per call in loops.
void intersect(const Prim2& a, const Prim2& b, double tol, std::vector<Hit2>& hits);

// Least distance between two bounded elements.
double distanceBetween(const BulgeSeg& a, const BulgeSeg& b, double tol);
// The same for elements known not to meet (their boxes lie farther apart than tol).
double distanceApart(const BulgeSeg& a, const BulgeSeg& b);

}  // namespace curve
