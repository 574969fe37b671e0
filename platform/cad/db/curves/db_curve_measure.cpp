// The nearest point of a curve seen along a direction.
#include <cmath>

#include "platform/cad/curve/curve_piece.h"
#include "platform/cad/db/curves/db_curve_geometry.h"

Acad::ErrorStatus AcDbCurve::getClosestPointTo(const AcGePoint3d& givenPoint, const AcGeVector3d& direction,
                                               AcGePoint3d& pointOnCurve, Adesk::Boolean extend) const {
  if (direction.isZeroLength()) return Acad::eInvalidInput;
  curve::PiecePath pieces;
  if (!db_curve::piecesOf(this, extend, pieces)) return Acad::eNotApplicable;
  const AcGeVector3d n = direction.normal();
  // Distance across the direction only.
  auto gap = [&](const curve::Piece3& p, double t) {
    const AcGeVector3d d = p.pointAt(t) - givenPoint;
    return (d - n * d.dotProduct(n)).length();
  };
  double best = 1e300;
  for (const curve::Piece3& p : pieces) {
    const int samples = p.kind == curve::Piece3::kLine ? 64 : 512;
    double lo = p.lo(), hi = p.hi();
    if (p.kind == curve::Piece3::kLine && p.extended) lo = -1e3, hi = 1e3;
    int bestI = 0;
    double bestGap = gap(p, lo);
    for (int i = 1; i <= samples; ++i) {
      const double g = gap(p, lo + (hi - lo) * i / samples);
      if (g < bestGap) bestGap = g, bestI = i;
    }
    double a = lo + (hi - lo) * std::max(bestI - 1, 0) / samples;
    double b = lo + (hi - lo) * std::min(bestI + 1, samples) / samples;
    for (int i = 0; i < 200 && b - a > 1e-15 * std::max(1.0, std::fabs(a)); ++i) {
      const double m1 = a + (b - a) / 3, m2 = b - (b - a) / 3;
      if (gap(p, m1) < gap(p, m2))
        b = m2;
      else
        a = m1;
    }
    const double t = (a + b) / 2;
    if (gap(p, t) < best) {
      best = gap(p, t);
      pointOnCurve = p.pointAt(t);
    }
  }
  return Acad::eOk;
}
