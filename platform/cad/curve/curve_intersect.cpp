#include "platform/cad/curve/curve_intersect.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/curve/segment_intersect.h"

namespace curve {

namespace {

struct Box3 {
  AcGePoint3d lo{1e300, 1e300, 1e300}, hi{-1e300, -1e300, -1e300};
  void add(const AcGePoint3d& p) {
    for (unsigned k = 0; k < 3; ++k) {
      lo[k] = std::min(lo[k], p[k]);
      hi[k] = std::max(hi[k], p[k]);
    }
  }
  bool overlaps(const Box3& o, double margin) const {
    for (unsigned k = 0; k < 3; ++k)
      if (lo[k] - margin > o.hi[k] || o.lo[k] - margin > hi[k]) return false;
    return true;
  }
  double size() const { return hi.x < lo.x ? 0.0 : (hi - lo).length(); }
};

// Points along a piece and how far the piece may stray from each chord.
struct Chords {
  std::vector<double> params;
  std::vector<AcGePoint3d> points;
  std::vector<double> sag;
};

Chords chordsOf(const Piece3& p) {
  Chords c;
  int n = 1;
  if (p.kind == Piece3::kArc) n = std::max(4, static_cast<int>(std::ceil((p.hi() - p.lo()) / (kPi / 16))));
  if (p.kind == Piece3::kSmooth) n = std::max(p.chords, 4);
  for (int i = 0; i <= n; ++i) {
    const double t = p.lo() + (p.hi() - p.lo()) * i / n;
    c.params.push_back(t);
    c.points.push_back(p.pointAt(t));
  }
  for (int i = 0; i < n; ++i) {
    double s = 0.0;
    if (p.kind == Piece3::kArc) {
      s = p.radius * (1.0 - std::cos((c.params[i + 1] - c.params[i]) / 2));
    } else if (p.kind == Piece3::kSmooth) {
      const AcGePoint3d mid = p.pointAt((c.params[i] + c.params[i + 1]) / 2);
      const AcGePoint3d chordMid = c.points[i] + (c.points[i + 1] - c.points[i]) * 0.5;
      s = 3.0 * mid.distanceTo(chordMid);
    }
    c.sag.push_back(s);
  }
  return c;
}

// Parameters of the closest points of segments a0-a1 and b0-b1.
double segmentGap(const AcGePoint3d& a0, const AcGePoint3d& a1, const AcGePoint3d& b0, const AcGePoint3d& b1, double& u,
                  double& v) {
  const AcGeVector3d d1 = a1 - a0, d2 = b1 - b0, r = a0 - b0;
  const double a = d1.dotProduct(d1), e = d2.dotProduct(d2), f = d2.dotProduct(r);
  if (a <= 1e-300 && e <= 1e-300) {
    u = v = 0.0;
  } else if (a <= 1e-300) {
    u = 0.0;
    v = std::clamp(f / e, 0.0, 1.0);
  } else {
    const double c = d1.dotProduct(r);
    if (e <= 1e-300) {
      v = 0.0;
      u = std::clamp(-c / a, 0.0, 1.0);
    } else {
      const double b = d1.dotProduct(d2);
      const double denom = a * e - b * b;
      u = denom > 1e-14 * a * e ? std::clamp((b * f - c * e) / denom, 0.0, 1.0) : 0.0;
      v = (b * u + f) / e;
      if (v < 0.0) {
        v = 0.0;
        u = std::clamp(-c / a, 0.0, 1.0);
      } else if (v > 1.0) {
        v = 1.0;
        u = std::clamp((b - c) / a, 0.0, 1.0);
      }
    }
  }
  return (a0 + d1 * u).distanceTo(b0 + d2 * v);
}

// Gauss-Newton on |A(s) - B(t)|, kept within both ranges.
double refine(const Piece3& a, const Piece3& b, double& s, double& t) {
  for (int i = 0; i < 80; ++i) {
    const AcGeVector3d r = a.pointAt(s) - b.pointAt(t);
    const AcGeVector3d da = a.derivAt(s), db = -b.derivAt(t);
    const double m11 = da.dotProduct(da), m12 = da.dotProduct(db), m22 = db.dotProduct(db);
    const double g1 = da.dotProduct(r), g2 = db.dotProduct(r);
    const double det = m11 * m22 - m12 * m12;
    double ds, dt;
    if (std::fabs(det) > 1e-14 * m11 * m22) {
      ds = -(m22 * g1 - m12 * g2) / det;
      dt = -(m11 * g2 - m12 * g1) / det;
    } else {
      // Parallel tangents: a gradient step on the larger term.
      ds = m11 > 0 ? -g1 / (m11 + m22) : 0.0;
      dt = m22 > 0 ? -g2 / (m11 + m22) : 0.0;
    }
    const double ns = std::clamp(s + ds, a.lo(), a.hi()), nt = std::clamp(t + dt, b.lo(), b.hi());
    const bool still = std::fabs(ns - s) <= 1e-15 * std::max(1.0, std::fabs(s)) &&
                       std::fabs(nt - t) <= 1e-15 * std::max(1.0, std::fabs(t));
    s = ns;
    t = nt;
    if (still) break;
  }
  return a.pointAt(s).distanceTo(b.pointAt(t));
}

// The frame of an arc's plane, for the exact line and arc cases.
struct Frame {
  AcGePoint3d origin;
  AcGeVector3d x, y, z;
  AcGePoint2d to2d(const AcGePoint3d& p) const { return {(p - origin).dotProduct(x), (p - origin).dotProduct(y)}; }
  AcGePoint3d to3d(const AcGePoint2d& p) const { return origin + x * p.x + y * p.y; }
  double height(const AcGePoint3d& p) const { return (p - origin).dotProduct(z); }
};

Frame frameOf(const Piece3& arc) { return {arc.center, arc.xAxis, arc.normal.crossProduct(arc.xAxis), arc.normal}; }

// The piece as a plane element of the frame; false when it leaves the plane.
bool planeElement(const Piece3& p, const Frame& f, double tol, Prim2& out) {
  out = Prim2();
  out.unbounded = p.extended;
  if (p.kind == Piece3::kLine) {
    if (std::fabs(f.height(p.p0)) > tol || std::fabs(f.height(p.p1)) > tol) return false;
    out.p0 = f.to2d(p.p0);
    out.p1 = f.to2d(p.p1);
    return true;
  }
  if (p.kind != Piece3::kArc || std::fabs(f.height(p.center)) > tol || !p.normal.isParallelTo(f.z, AcGeTol()))
    return false;
  out.isArc = true;
  out.arc.center = f.to2d(p.center);
  out.arc.radius = p.radius;
  const AcGePoint2d start = f.to2d(p.center + p.xAxis * p.radius);
  out.arc.startAngle = std::atan2(start.y - out.arc.center.y, start.x - out.arc.center.x);
  const double sweep = p.extended ? kTwoPi : p.sweep;
  out.arc.sweep = p.normal.dotProduct(f.z) > 0 ? sweep : -sweep;
  return true;
}

double paramOfFraction(const Piece3& p, const Prim2& prim, double f) {
  return p.kind == Piece3::kLine ? f : f * std::fabs(prim.arc.sweep);
}

// Lines and arcs in one plane; false when the pair needs the numerical search.
bool exactPair(const Piece3& a, const Piece3& b, int ia, int ib, double tol, std::vector<Hit3>& hits) {
  if (a.kind == Piece3::kSmooth || b.kind == Piece3::kSmooth) return false;
  Frame f;
  if (a.kind == Piece3::kArc) {
    f = frameOf(a);
  } else if (b.kind == Piece3::kArc) {
    f = frameOf(b);
  } else {
    // Two lines: in one plane when they cross or run parallel.
    const AcGeVector3d d1 = a.p1 - a.p0, d2 = b.p1 - b.p0;
    AcGeVector3d n = d1.crossProduct(d2);
    if (n.length() <= 1e-12 * d1.length() * d2.length()) {
      n = d1.crossProduct(b.p0 - a.p0);
      if (n.length() <= 1e-12 * d1.length() * std::max(1.0, (b.p0 - a.p0).length())) n = d1.perpVector();
    }
    const AcGeVector3d x = d1.length() > 0 ? d1.normal() : n.perpVector().normal();
    const AcGeVector3d z = n.normal();
    f = {a.p0, x, z.crossProduct(x), z};
    if (std::fabs(f.height(b.p0)) > tol || std::fabs(f.height(b.p1)) > tol) return true;  // skew: no point
  }
  Prim2 pa, pb;
  if (!planeElement(a, f, tol, pa) || !planeElement(b, f, tol, pb)) return false;
  for (const Hit2& h : intersect(pa, pb, tol))
    hits.push_back({f.to3d(h.point), ia, paramOfFraction(a, pa, h.fa), ib, paramOfFraction(b, pb, h.fb)});
  return true;
}

void numericPair(const Piece3& a, const Piece3& b, int ia, int ib, double tol, std::vector<Hit3>& hits) {
  const Chords ca = chordsOf(a), cb = chordsOf(b);
  for (size_t i = 0; i + 1 < ca.points.size(); ++i) {
    Box3 ba;
    ba.add(ca.points[i]);
    ba.add(ca.points[i + 1]);
    for (size_t j = 0; j + 1 < cb.points.size(); ++j) {
      Box3 bb;
      bb.add(cb.points[j]);
      bb.add(cb.points[j + 1]);
      const double margin = ca.sag[i] + cb.sag[j] + tol;
      if (!ba.overlaps(bb, margin)) continue;
      double u = 0, v = 0;
      if (segmentGap(ca.points[i], ca.points[i + 1], cb.points[j], cb.points[j + 1], u, v) > margin) continue;
      double s = ca.params[i] + (ca.params[i + 1] - ca.params[i]) * u;
      double t = cb.params[j] + (cb.params[j + 1] - cb.params[j]) * v;
      if (refine(a, b, s, t) <= tol) hits.push_back({a.pointAt(s), ia, s, ib, t});
    }
  }
}

Box3 boxOf(const PiecePath& path) {
  Box3 box;
  for (const Piece3& p : path) {
    if (p.kind == Piece3::kLine && p.extended) continue;
    const Chords c = chordsOf(p);
    for (const AcGePoint3d& q : c.points) box.add(q);
    if (p.kind == Piece3::kArc) {
      box.add(p.center + AcGeVector3d(p.radius, p.radius, p.radius));
      box.add(p.center - AcGeVector3d(p.radius, p.radius, p.radius));
    }
  }
  return box;
}

// An extended line cut down to the stretch that can meet the other path.
Piece3 boundedLine(const Piece3& line, const Box3& other, double& t0, double& t1) {
  const AcGeVector3d d = line.p1 - line.p0;
  const double len2 = d.lengthSqrd();
  t0 = 0.0;
  t1 = 1.0;
  if (len2 <= 0.0 || other.hi.x < other.lo.x) return line;
  for (int k = 0; k < 8; ++k) {
    const AcGePoint3d corner(k & 1 ? other.hi.x : other.lo.x, k & 2 ? other.hi.y : other.lo.y,
                             k & 4 ? other.hi.z : other.lo.z);
    const double t = (corner - line.p0).dotProduct(d) / len2;
    t0 = std::min(t0, t);
    t1 = std::max(t1, t);
  }
  const double pad = (t1 - t0) * 0.01 + 1e-9;
  t0 -= pad;
  t1 += pad;
  Piece3 out = Piece3::line(line.p0 + d * t0, line.p0 + d * t1);
  return out;
}

}  // namespace

std::vector<Hit3> intersectPaths(const PiecePath& a, const PiecePath& b) {
  Box3 boxA = boxOf(a), boxB = boxOf(b);
  Box3 both = boxA;
  if (boxB.hi.x >= boxB.lo.x) {
    both.add(boxB.lo);
    both.add(boxB.hi);
  }
  const double scale = std::max({1.0, both.size(), both.hi.x < both.lo.x ? 0.0 : std::fabs(both.hi.x),
                                 both.hi.x < both.lo.x ? 0.0 : std::fabs(both.lo.x)});
  const double tol = 1e-9 * scale;
  std::vector<Hit3> raw;
  for (size_t i = 0; i < a.size(); ++i) {
    double a0 = 0, a1 = 1;
    const Piece3 pa = a[i].kind == Piece3::kLine && a[i].extended ? boundedLine(a[i], boxB, a0, a1) : a[i];
    for (size_t j = 0; j < b.size(); ++j) {
      double b0 = 0, b1 = 1;
      const Piece3 pb = b[j].kind == Piece3::kLine && b[j].extended ? boundedLine(b[j], boxA, b0, b1) : b[j];
      const size_t before = raw.size();
      if (!exactPair(pa, pb, static_cast<int>(i), static_cast<int>(j), tol, raw))
        numericPair(pa, pb, static_cast<int>(i), static_cast<int>(j), tol, raw);
      for (size_t k = before; k < raw.size(); ++k) {
        if (pa.kind == Piece3::kLine && a[i].extended) raw[k].ta = a0 + (a1 - a0) * raw[k].ta;
        if (pb.kind == Piece3::kLine && b[j].extended) raw[k].tb = b0 + (b1 - b0) * raw[k].tb;
      }
    }
  }
  std::vector<Hit3> hits;
  for (const Hit3& h : raw) {
    bool seen = false;
    for (const Hit3& k : hits) seen = seen || k.point.distanceTo(h.point) <= 1e-8 * scale;
    if (!seen) hits.push_back(h);
  }
  return hits;
}

}  // namespace curve
