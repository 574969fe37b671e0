// The AcGeCurve2d members whose algorithms live in this library: the distance between
// two curves and the trimmed offset.
#include <cmath>
#include <memory>

#include "platform/cad/curve/arc_fit.h"
#include "platform/cad/curve/offset/path_offset.h"
#include "platform/cad/curve/segment_intersect.h"
#include "platform/cad/ge/ge.h"

namespace {

using curve::BulgePath;
using curve::BulgeSeg;

curve::BulgeSeg segOfArc(const AcGeCircArc2d& arc) {
  const double sweep = arc.endAng() - arc.startAng();
  return {arc.startPoint(), arc.endPoint(), curve::bulgeOfSweep(arc.isClockWise() ? -sweep : sweep)};
}

void appendSeg(BulgePath& path, const BulgeSeg& seg) {
  if (path.vertices.empty()) path.vertices.push_back({seg.start, 0.0});
  path.vertices.back().bulge = seg.bulge;
  path.vertices.push_back({seg.end, 0.0});
}

// The curve as lines and arcs; false for a curve without bounds.
bool appendPath(const AcGeCurve2d& c, BulgePath& path) {
  AcGeInterval range;
  c.getInterval(range);
  if (!range.isBounded()) return false;
  if (c.isKindOf(AcGe::kLineSeg2d)) {
    const auto& s = static_cast<const AcGeLineSeg2d&>(c);
    appendSeg(path, {s.startPoint(), s.endPoint(), 0.0});
  } else if (c.isKindOf(AcGe::kCircArc2d)) {
    appendSeg(path, segOfArc(static_cast<const AcGeCircArc2d&>(c)));
  } else if (c.isKindOf(AcGe::kCompositeCrv2d)) {
    const auto& comp = static_cast<const AcGeCompositeCurve2d&>(c);
    for (int i = 0; i < comp.numCurves(); ++i)
      if (comp.curveAt(i) == nullptr || !appendPath(*comp.curveAt(i), path)) return false;
  } else if (c.isKindOf(AcGe::kPolyline2d)) {
    const auto& pl = static_cast<const AcGePolyline2d&>(c);
    for (int i = 0; i + 1 < pl.numFitPoints(); ++i) appendSeg(path, {pl.fitPointAt(i), pl.fitPointAt(i + 1), 0.0});
  } else {
    AcGePoint2d s, e;
    c.getInterval(range, s, e);
    const double size = std::max(1.0, s.asVector().length() + c.length());
    const BulgePath fitted = curve::fitArcs([&c](double t) { return c.evalPoint(t); },
                                            [&c](double t) {
                                              AcGeVector2dArray d;
                                              c.evalPoint(t, 1, d);
                                              return d[0];
                                            },
                                            range.lowerBound(), range.upperBound(), 1e-7 * size, 16, false);
    for (int i = 0; i < fitted.numSegments(); ++i) appendSeg(path, fitted.segment(i));
  }
  return true;
}

AcGeCurve2d* curveOfSeg(const BulgeSeg& seg) {
  if (!seg.isArc()) return new AcGeLineSeg2d(seg.start, seg.end);
  return new AcGeCircArc2d(seg.start, seg.end, seg.bulge, true);
}

AcGeCurve2d* curveOfPath(const BulgePath& path) {
  const int n = path.numSegments();
  if (n == 1) return curveOfSeg(path.segment(0));
  AcGeVoidPointerArray pieces;
  for (int i = 0; i < n; ++i) pieces.append(curveOfSeg(path.segment(i)));
  return new AcGeCompositeCurve2d(pieces);
}

// Least distance by sampling one curve against the other and refining around the best.
double sampledDistance(const AcGeCurve2d& a, const AcGeCurve2d& b) {
  AcGeInterval range;
  a.getInterval(range);
  double lo = range.isBoundedBelow() ? range.lowerBound() : -1e6;
  double hi = range.isBoundedAbove() ? range.upperBound() : 1e6;
  const int samples = 256;
  auto distAt = [&](double t) { return b.distanceTo(a.evalPoint(t)); };
  int best = 0;
  double bestDist = distAt(lo);
  for (int i = 1; i <= samples; ++i) {
    const double d = distAt(lo + (hi - lo) * i / samples);
    if (d < bestDist) bestDist = d, best = i;
  }
  double x0 = lo + (hi - lo) * std::max(best - 1, 0) / samples;
  double x1 = lo + (hi - lo) * std::min(best + 1, samples) / samples;
  for (int i = 0; i < 100; ++i) {
    const double m1 = x0 + (x1 - x0) / 3, m2 = x1 - (x1 - x0) / 3;
    if (distAt(m1) < distAt(m2))
      x1 = m2;
    else
      x0 = m1;
  }
  return std::min(bestDist, distAt((x0 + x1) / 2));
}

}  // namespace

double AcGeCurve2d::distanceTo(const AcGeCurve2d& other, const AcGeTol& tol) const {
  BulgePath a, b;
  if (appendPath(*this, a) && appendPath(other, b)) {
    double best = 1e300;
    for (const BulgeSeg& s : a.segments())
      for (const BulgeSeg& t : b.segments()) best = std::min(best, curve::distanceBetween(s, t, tol.equalPoint()));
    return best;
  }
  return std::min(sampledDistance(*this, other), sampledDistance(other, *this));
}

void AcGeCurve2d::getTrimmedOffset(double distance, AcGeVoidPointerArray& offsetCurveList,
                                   AcGe::OffsetCrvExtType /*extensionType*/, const AcGeTol& tol) const {
  // Corners are always joined by arcs (fillets), whatever extension type is asked for.
  BulgePath path;
  if (!appendPath(*this, path)) return;
  AcGePoint2d start, end;
  path.closed = hasStartPoint(start) && hasEndPoint(end) && start.isEqualTo(end, tol) && path.vertices.size() > 2;
  if (path.closed) path.vertices.pop_back();
  std::vector<BulgePath> results;
  if (curve::offsetPath(path, distance, results) != curve::OffsetStatus::kOk) return;
  for (const BulgePath& r : results) offsetCurveList.append(static_cast<AcGeCurve2d*>(curveOfPath(r)));
}
