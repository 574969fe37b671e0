#include "platform/cad/curve/arc_fit.h"

#include <cmath>

namespace curve {

double bulgeThrough(const AcGePoint2d& a, const AcGePoint2d& m, const AcGePoint2d& b) {
  const AcGeVector2d u = a - m, v = b - m;
  const double cross = (m - a).crossProduct(b - m);
  if (u.isZeroLength() || v.isZeroLength()) return 0.0;
  // The inscribed angle at m is pi - sweep / 2.
  const double inscribed = std::atan2(std::fabs(u.crossProduct(v)), u.dotProduct(v));
  const double b4 = std::tan((kPi - inscribed) / 2.0);
  if (std::fabs(cross) <= 1e-15 * u.length() * v.length()) return 0.0;
  return cross > 0 ? b4 : -b4;
}

namespace {

// Signed sweep of the arc from a to b that leaves a along the unit tangent t.
double sweepFromTangent(const AcGePoint2d& a, const AcGePoint2d& b, const AcGeVector2d& t) {
  const AcGeVector2d chord = b - a;
  return 2.0 * std::atan2(t.crossProduct(chord), t.dotProduct(chord));
}

struct Biarc {
  BulgeSeg first, second;
};

Biarc biarc(const AcGePoint2d& p0, const AcGeVector2d& t0, const AcGePoint2d& p1, const AcGeVector2d& t1) {
  const AcGeVector2d v = p1 - p0;
  const AcGeVector2d t = t0 + t1;
  const double a = 2.0 * (t0.dotProduct(t1) - 1.0);
  const double b = -2.0 * v.dotProduct(t);
  const double c = v.dotProduct(v);
  double d = 0.0;
  if (std::fabs(a) < 1e-12) {
    d = std::fabs(b) > 1e-300 ? c / -b : 0.0;
  } else {
    d = (-b - std::sqrt(std::max(b * b - 4 * a * c, 0.0))) / (2 * a);
  }
  if (!(d > 0.0) || !std::isfinite(d)) {
    // No sensible joint: the chord's midpoint.
    const AcGePoint2d j = p0 + v * 0.5;
    return {{p0, j, bulgeOfSweep(sweepFromTangent(p0, j, t0))}, {j, p1, 0.0}};
  }
  const AcGePoint2d j = (p0 + t0 * d + (p1 - t1 * d).asVector()) * 0.5;
  const double s1 = sweepFromTangent(p0, j, t0);
  // The second arc ends along t1: seen backwards it leaves p1 along -t1.
  const double s2 = -sweepFromTangent(p1, j, -t1);
  return {{p0, j, bulgeOfSweep(s1)}, {j, p1, bulgeOfSweep(s2)}};
}

AcGeVector2d unit(const AcGeVector2d& v, const AcGePoint2d& a, const AcGePoint2d& b) {
  const double len = v.length();
  if (len > 0.0) return v / len;
  const AcGeVector2d chord = b - a;
  return chord.length() > 0 ? chord / chord.length() : AcGeVector2d(1.0, 0.0);
}

void fitPiece(const PlanePointFn& point, const PlaneVectorFn& deriv, double a, double b, const AcGePoint2d& pa,
              const AcGePoint2d& pb, double tol, int depth, BulgePath& out) {
  const Biarc arcs = biarc(pa, unit(deriv(a), pa, pb), pb, unit(deriv(b), pa, pb));
  double err = 0.0;
  for (double f : {0.125, 0.25, 0.375, 0.5, 0.625, 0.75, 0.875}) {
    const AcGePoint2d p = point(a + (b - a) * f);
    err = std::max(err, std::min(arcs.first.distanceTo(p), arcs.second.distanceTo(p)));
  }
  if (err > tol && depth < 30) {
    const double mid = (a + b) / 2;
    const AcGePoint2d pm = point(mid);
    fitPiece(point, deriv, a, mid, pa, pm, tol, depth + 1, out);
    fitPiece(point, deriv, mid, b, pm, pb, tol, depth + 1, out);
    return;
  }
  out.vertices.push_back({arcs.first.start, arcs.first.bulge});
  out.vertices.push_back({arcs.second.start, arcs.second.bulge});
}

}  // namespace

BulgePath fitArcs(const PlanePointFn& point, const PlaneVectorFn& deriv, double t0, double t1, double tol,
                  int minPieces, bool closed) {
  BulgePath out;
  out.closed = closed;
  const int pieces = std::max(minPieces, 1);
  AcGePoint2d prev = point(t0);
  for (int i = 0; i < pieces; ++i) {
    const double a = t0 + (t1 - t0) * i / pieces;
    const double b = i + 1 == pieces ? t1 : t0 + (t1 - t0) * (i + 1) / pieces;
    const AcGePoint2d pb = point(b);
    fitPiece(point, deriv, a, b, prev, pb, tol, 0, out);
    prev = pb;
  }
  if (!closed) out.vertices.push_back({prev, 0.0});
  return out;
}

}  // namespace curve
