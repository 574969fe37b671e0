#include "platform/cad/curve/segment_intersect.h"

#include <algorithm>
#include <cmath>

namespace curve {

Prim2 Prim2::circle(const AcGePoint2d& center, double radius) {
  Prim2 p;
  p.isArc = true;
  p.unbounded = true;
  p.arc.center = center;
  p.arc.radius = radius;
  p.arc.startAngle = 0.0;
  p.arc.sweep = kTwoPi;
  return p;
}

AcGePoint2d Prim2::pointAt(double fraction) const {
  if (isArc) return arc.pointAt(fraction);
  return p0 + (p1 - p0) * fraction;
}

namespace {

// Prim2::fractionOf, which crossings here ask for without a call through the library's
// exported entry.
double fractionAlong(const Prim2& prim, const AcGePoint2d& p) {
  if (!prim.isArc) {
    const AcGeVector2d d = prim.p1 - prim.p0;
    const double len2 = d.lengthSqrd();
    return len2 > 0.0 ? (p - prim.p0).dotProduct(d) / len2 : 0.0;
  }
  const Arc2& arc = prim.arc;
  const double ang = std::atan2(p.y - arc.center.y, p.x - arc.center.x);
  if (!prim.unbounded) return arc.fractionOfAngle(ang);
  const double along = arc.sweep > 0 ? normalizeAngle(ang - arc.startAngle) : normalizeAngle(arc.startAngle - ang);
  const double f = along / std::fabs(arc.sweep);
  // Just before the start counts as the start, not as almost a full turn on.
  return (kTwoPi - along) * arc.radius < 1e-9 * std::max(1.0, arc.radius) ? 0.0 : f;
}

}  // namespace

double Prim2::fractionOf(const AcGePoint2d& p) const { return fractionAlong(*this, p); }

bool Prim2::holdsJustOutside(double fraction, double tol) const {
  const double len = length();
  const double slack = len > 0.0 ? tol / len : 1.0;
  return fraction >= -slack && fraction <= 1.0 + slack;
}

namespace {

double clamp01(double f) { return std::clamp(f, 0.0, 1.0); }

// p, lying beyond the ends of the arc (v from its centre), lies far from both.
bool farFromArcEnds(const Prim2& arc, const AcGePoint2d& p, const AcGeVector2d& v, double tol) {
  const double r = std::sqrt(v.lengthSqrd());
  const double margin = std::fabs(r - arc.arc.radius) + 2.0 * tol * (1.0 + r / arc.arc.radius);
  const double marginSqrd = margin * margin;
  return !((p - arc.p0).lengthSqrd() <= marginSqrd || (p - arc.p1).lengthSqrd() <= marginSqrd);
}

// p lies beyond the ends of a bounded arc whose ends are known, so far from both that no
// angle need tell: within the tolerance of an end in length along the arc, p would lie
// no farther from that end than its distance from the circle and r'/r times the tolerance.
// The side of the ends is told first, in place: most points asked about lie on the arc,
// and then no root is needed.
inline bool clearlyOffArc(const Prim2& arc, const AcGePoint2d& p, double tol) {
  if (!arc.isArc || arc.unbounded || !arc.endsKnown || arc.arc.radius <= 0.0) return false;
  const double sweep = arc.arc.sweep;
  if (std::fabs(sweep) >= kTwoPi) return false;
  const AcGeVector2d v = p - arc.arc.center;
  // Counter-clockwise from s to e; a clockwise arc is the same arc read backwards.
  const AcGeVector2d s = (sweep > 0.0 ? arc.p0 : arc.p1) - arc.arc.center;
  const AcGeVector2d e = (sweep > 0.0 ? arc.p1 : arc.p0) - arc.arc.center;
  const double fromStart = s.crossProduct(v), toEnd = v.crossProduct(e);
  const bool beyondEnds = std::fabs(sweep) <= kPi ? fromStart < 0.0 || toEnd < 0.0 : fromStart < 0.0 && toEnd < 0.0;
  return beyondEnds && farFromArcEnds(arc, p, v, tol);
}

void addHit(std::vector<Hit2>& hits, const Prim2& a, const Prim2& b, const AcGePoint2d& p, double tol) {
  // A line's fraction takes no angle and no root: where it rules the point out, nothing
  // of the arc is asked.
  double fa = 0.0, fb = 0.0;
  if (a.isArc && !b.isArc) {
    fb = fractionAlong(b, p);
    if (!b.holds(fb, tol) || clearlyOffArc(a, p, tol)) return;
    fa = fractionAlong(a, p);
  } else if (!a.isArc) {
    fa = fractionAlong(a, p);
    if (!a.holds(fa, tol) || clearlyOffArc(b, p, tol)) return;
    fb = fractionAlong(b, p);
  } else {
    if (clearlyOffArc(a, p, tol) || clearlyOffArc(b, p, tol)) return;
    fa = fractionAlong(a, p);
    if (!a.holds(fa, tol)) return;
    fb = fractionAlong(b, p);
  }
  if (!a.holds(fa, tol) || !b.holds(fb, tol)) return;
  if (!a.unbounded) fa = clamp01(fa);
  if (!b.unbounded) fb = clamp01(fb);
  for (const Hit2& h : hits)
    if (std::fabs(h.point.x - p.x) <= tol && std::fabs(h.point.y - p.y) <= tol && h.point.distanceTo(p) <= tol) return;
  hits.emplace_back(p, fa, fb);
}

bool heldByBoth(const Prim2& a, const Prim2& b, const AcGePoint2d& p, double tol) {
  if (clearlyOffArc(a, p, tol) || clearlyOffArc(b, p, tol)) return false;
  return a.holds(fractionAlong(a, p), tol) && b.holds(fractionAlong(b, p), tol);
}

// Curves passing within tol of each other touch at p, which stands for the two crossings
// at p +- along (if they cross at all). Where p lies off either curve but those crossings
// lie far enough apart to tell, a crossing may still lie on both: it counts.
void addTouch(std::vector<Hit2>& hits, const Prim2& a, const Prim2& b, const AcGePoint2d& p, const AcGeVector2d& along,
              double tol) {
  if (along.length() > tol && !heldByBoth(a, b, p, tol)) {
    addHit(hits, a, b, p - along, tol);
    addHit(hits, a, b, p + along, tol);
    return;
  }
  addHit(hits, a, b, p, tol);
}

// Elements on one carrier: the ends of each that lie on the other.
void addOverlap(std::vector<Hit2>& hits, const Prim2& a, const Prim2& b, double tol) {
  if (!a.unbounded) {
    addHit(hits, a, b, a.pointAt(0.0), tol);
    addHit(hits, a, b, a.pointAt(1.0), tol);
  }
  if (!b.unbounded) {
    addHit(hits, a, b, b.pointAt(0.0), tol);
    addHit(hits, a, b, b.pointAt(1.0), tol);
  }
}

// Both ends of `other` lie on one side of the carrier of `line`, farther from it than
// twice tol: no point of `other` comes within tol of the line, rounding included.
// In place: most pairs of lines near each other end here.
inline bool clearOfCarrier(const Prim2& line, const Prim2& other, double tol) {
  const AcGeVector2d d = line.p1 - line.p0;
  const double s0 = d.crossProduct(other.p0 - line.p0), s1 = d.crossProduct(other.p1 - line.p0);
  if ((s0 > 0.0) != (s1 > 0.0) || s0 == 0.0 || s1 == 0.0) return false;
  const double limitSqrd = 4.0 * tol * tol * d.lengthSqrd();
  return s0 * s0 > limitSqrd && s1 * s1 > limitSqrd;
}

void lineLine(std::vector<Hit2>& hits, const Prim2& a, const Prim2& b, double tol) {
  const AcGeVector2d da = a.p1 - a.p0, db = b.p1 - b.p0;
  // Most pairs near each other do not meet: told apart without roots.
  if (da.lengthSqrd() > 0.0 && db.lengthSqrd() > 0.0 &&
      ((!b.unbounded && clearOfCarrier(a, b, tol)) || (!a.unbounded && clearOfCarrier(b, a, tol))))
    return;
  const double la = std::sqrt(da.lengthSqrd()), lb = std::sqrt(db.lengthSqrd());
  if (la <= 0.0 || lb <= 0.0) {
    // A point: on the other or not.
    const Prim2& pt = la <= 0.0 ? a : b;
    const Prim2& other = la <= 0.0 ? b : a;
    const double f = fractionAlong(other, pt.p0);
    if (other.pointAt(f).distanceTo(pt.p0) <= tol) addHit(hits, a, b, pt.p0, tol);
    return;
  }
  const double cross = da.crossProduct(db);
  const double offLine = std::fabs((b.p0 - a.p0).crossProduct(da)) / la;
  if (std::fabs(cross) <= 1e-12 * la * lb) {
    if (offLine <= tol) addOverlap(hits, a, b, tol);
    return;
  }
  const double t = (b.p0 - a.p0).crossProduct(db) / cross;
  addHit(hits, a, b, a.p0 + da * t, tol);
}

// The segment keeps off the circle by more than twice tol, outside it or within it.
bool clearOfCircle(const Prim2& line, const Arc2& circle, double tol) {
  const AcGeVector2d d = line.p1 - line.p0;
  const double len2 = d.lengthSqrd();
  if (len2 <= 0.0) return false;
  const AcGeVector2d w0 = line.p0 - circle.center, w1 = line.p1 - circle.center;
  const double f = std::clamp(-w0.dotProduct(d) / len2, 0.0, 1.0);
  const double outside = circle.radius + 2.0 * tol, inside = circle.radius - 2.0 * tol;
  if ((w0 + d * f).lengthSqrd() > outside * outside) return true;
  return inside > 0.0 && w0.lengthSqrd() < inside * inside && w1.lengthSqrd() < inside * inside;
}

// The segment keeps to the far side of the chord of an arc of at most a half turn, more
// than twice tol from it; the arc bulges to the other side and has only its ends on it.
bool clearOfArcChord(const Prim2& line, const Prim2& arc, double tol) {
  if (arc.unbounded || !arc.endsKnown || std::fabs(arc.arc.sweep) > kPi) return false;
  const AcGeVector2d chord = arc.p1 - arc.p0;
  // A counter-clockwise arc bulges to the right of its chord.
  const double away = arc.arc.sweep > 0.0 ? 1.0 : -1.0;
  const double s0 = away * chord.crossProduct(line.p0 - arc.p0), s1 = away * chord.crossProduct(line.p1 - arc.p0);
  if (s0 <= 0.0 || s1 <= 0.0) return false;
  const double limitSqrd = 4.0 * tol * tol * chord.lengthSqrd();
  return s0 * s0 > limitSqrd && s1 * s1 > limitSqrd;
}

void lineCircle(std::vector<Hit2>& hits, const Prim2& line, const Prim2& circ, bool lineFirst, double tol) {
  if (!line.unbounded && (clearOfArcChord(line, circ, tol) || clearOfCircle(line, circ.arc, tol))) return;
  const AcGeVector2d d = line.p1 - line.p0;
  const double len = std::sqrt(d.lengthSqrd());
  const Prim2& a = lineFirst ? line : circ;
  const Prim2& b = lineFirst ? circ : line;
  if (len <= 0.0) {
    if (std::fabs(line.p0.distanceTo(circ.arc.center) - circ.arc.radius) <= tol) addHit(hits, a, b, line.p0, tol);
    return;
  }
  const AcGeVector2d u = d / len;
  const AcGePoint2d& c = circ.arc.center;
  const double along = (c - line.p0).dotProduct(u);
  const AcGePoint2d foot = line.p0 + u * along;
  const double h = std::sqrt((c - foot).lengthSqrd());
  const double r = circ.arc.radius;
  if (h > r + tol) return;
  const double half = std::sqrt(std::max(r * r - h * h, 0.0));
  if (h >= r - tol) {
    addTouch(hits, a, b, foot, u * half, tol);
    return;
  }
  addHit(hits, a, b, foot - u * half, tol);
  addHit(hits, a, b, foot + u * half, tol);
}

void circleCircle(std::vector<Hit2>& hits, const Prim2& a, const Prim2& b, double tol) {
  const AcGePoint2d c1 = a.arc.center, c2 = b.arc.center;
  const double r1 = a.arc.radius, r2 = b.arc.radius;
  // Apart, or one within the other, by more than twice tol.
  const double distSqrd = (c2 - c1).lengthSqrd(), apart = r1 + r2 + 2.0 * tol, within = std::fabs(r1 - r2) - 2.0 * tol;
  if (distSqrd > apart * apart || (within > 0.0 && distSqrd < within * within)) return;
  const double dist = c1.distanceTo(c2);
  if (dist <= tol && std::fabs(r1 - r2) <= tol) {
    addOverlap(hits, a, b, tol);
    return;
  }
  if (dist <= tol) return;
  if (dist > r1 + r2 + tol || dist < std::fabs(r1 - r2) - tol) return;
  // Worked out from the smaller circle: from the larger, a flat arc's far centre would
  // leave the crossings' offset from the line of centres to cancellation.
  const bool fromFirst = r1 <= r2;
  const AcGePoint2d& small = fromFirst ? c1 : c2;
  const double rs = fromFirst ? r1 : r2, rb = fromFirst ? r2 : r1;
  const AcGeVector2d u = ((fromFirst ? c2 : c1) - small) / dist;
  // Distance from the smaller centre to the chord through the crossings.
  const double x = ((dist - rb) * (dist + rb) + rs * rs) / (2.0 * dist);
  const double y = std::sqrt(std::max((rs - x) * (rs + x), 0.0));
  const AcGeVector2d n = u.perpVector();
  // Touching circles meet in one point.
  if (std::fabs(dist - (r1 + r2)) <= tol) {
    addTouch(hits, a, b, small + u * rs, n * y, tol);
    return;
  }
  if (std::fabs(dist - std::fabs(r1 - r2)) <= tol) {
    addTouch(hits, a, b, small - u * rs, n * y, tol);
    return;
  }
  const AcGePoint2d base = small + u * x;
  addHit(hits, a, b, base + n * y, tol);
  addHit(hits, a, b, base - n * y, tol);
}

}  // namespace

std::vector<Hit2> intersect(const Prim2& a, const Prim2& b, double tol) {
  std::vector<Hit2> hits;
  intersect(a, b, tol, hits);
  return hits;
}

void intersect(const Prim2& a, const Prim2& b, double tol, std::vector<Hit2>& hits) {
  hits.clear();
  if (!a.isArc && !b.isArc)
    lineLine(hits, a, b, tol);
  else if (!a.isArc)
    lineCircle(hits, a, b, true, tol);
  else if (!b.isArc)
    lineCircle(hits, b, a, false, tol);
  else
    circleCircle(hits, a, b, tol);
}

namespace {

// Points of an arc where its distance to something along the direction dir may be
// least: at most two, kept in place so that a query allocates nothing.
struct ArcCandidates {
  AcGePoint2d points[2];
  int count = 0;
};

void addArcCandidates(ArcCandidates& out, const Arc2& a, const AcGeVector2d& dir) {
  if (dir.isZeroLength()) return;
  const double ang = std::atan2(dir.y, dir.x);
  for (double t : {ang, ang + kPi}) {
    const double f = a.fractionOfAngle(t);
    if (f >= 0.0 && f <= 1.0) out.points[out.count++] = a.pointAtAngle(t);
  }
}

}  // namespace

double distanceBetween(const BulgeSeg& a, const BulgeSeg& b, double tol) {
  thread_local std::vector<Hit2> hits;
  intersect(Prim2::of(a), Prim2::of(b), tol, hits);
  if (!hits.empty()) return 0.0;
  return distanceApart(a, b);
}

double distanceApart(const BulgeSeg& a, const BulgeSeg& b) {
  double best = std::min({a.distanceTo(b.start), a.distanceTo(b.end), b.distanceTo(a.start), b.distanceTo(a.end)});
  ArcCandidates onA, onB;
  const bool aArc = a.isArc(), bArc = b.isArc();
  if (aArc && bArc) {
    const Arc2 arcA = a.arc(), arcB = b.arc();
    const AcGeVector2d between = arcB.center - arcA.center;
    addArcCandidates(onA, arcA, between);
    addArcCandidates(onB, arcB, between);
  } else if (aArc || bArc) {
    const BulgeSeg& line = aArc ? b : a;
    const BulgeSeg& arc = aArc ? a : b;
    const AcGeVector2d normal = (line.end - line.start).perpVector();
    addArcCandidates(aArc ? onA : onB, arc.arc(), normal);
  }
  for (int i = 0; i < onA.count; ++i) best = std::min(best, b.distanceTo(onA.points[i]));
  for (int i = 0; i < onB.count; ++i) best = std::min(best, a.distanceTo(onB.points[i]));
  return best;
}

}  // namespace curve
