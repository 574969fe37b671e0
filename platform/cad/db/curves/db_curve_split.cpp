// Splits of the curves that have no split of their own: circles, ellipses, splines and
// 3D polylines. Cuts are sorted; repeated ones and those at the ends are ignored; a
// closed curve cut once gives one piece that starts at the cut.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/cad/curve/nurb_split.h"
#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_spline.h"

namespace {

struct Range {
  double from;
  double to;  // beyond the end parameter when the piece runs through a closed curve's start
};

std::vector<Range> piecesBetween(const AcGeDoubleArray& params, double start, double end, bool closed) {
  const double period = end - start;
  const double tol = 1e-9 * std::max(1.0, std::fabs(period));
  std::vector<double> cuts;
  for (double p : params) {
    if (!std::isfinite(p)) continue;
    if (closed) {
      double q = start + std::fmod(p - start, period);
      if (q < start) q += period;
      if (q > end - tol) q = start;
      cuts.push_back(q);
    } else if (p > start + tol && p < end - tol) {
      cuts.push_back(p);
    }
  }
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end(), [tol](double a, double b) { return b - a <= tol; }), cuts.end());
  std::vector<Range> out;
  if (closed) {
    for (size_t i = 0; i + 1 < cuts.size(); ++i) out.push_back({cuts[i], cuts[i + 1]});
    if (!cuts.empty()) out.push_back({cuts.back(), cuts.front() + period});
    return out;
  }
  double from = start;
  for (double c : cuts) {
    out.push_back({from, c});
    from = c;
  }
  out.push_back({from, end});
  return out;
}

Acad::ErrorStatus splitCircle(const AcDbCircle* c, const AcGeDoubleArray& params, AcDbVoidPtrArray& out) {
  for (const Range& r : piecesBetween(params, 0.0, 6.283185307179586, true)) {
    auto* arc = new AcDbArc(c->center(), c->normal(), c->radius(), r.from, r.to);
    arc->setPropertiesFrom(c);
    arc->setThickness(c->thickness());
    out.append(arc);
  }
  return Acad::eOk;
}

Acad::ErrorStatus splitEllipse(const AcDbEllipse* e, const AcGeDoubleArray& params, AcDbVoidPtrArray& out) {
  double start = 0.0, end = 0.0;
  e->getStartParam(start);
  e->getEndParam(end);
  for (const Range& r : piecesBetween(params, start, end, e->isClosed())) {
    AcDbEllipse* piece = AcDbEllipse::cast(e->clone());
    if (piece == nullptr) return Acad::eOutOfMemory;
    piece->setStartParam(r.from);
    piece->setEndParam(r.to);
    out.append(piece);
  }
  return Acad::eOk;
}

AcDbSpline* splineOf(const AcGeNurbCurve3d& nurb, const AcDbSpline* source) {
  int degree = 0;
  bool rational = false, periodic = false;
  AcGeKnotVector knots;
  AcGePoint3dArray ctrl;
  AcGeDoubleArray weights;
  nurb.getDefinitionData(degree, rational, periodic, knots, ctrl, weights);
  auto* s = new AcDbSpline(degree, rational, false, false, ctrl, knots.getArray(), weights);
  s->setPropertiesFrom(source);
  return s;
}

Acad::ErrorStatus splitSpline(const AcDbSpline* s, const AcGeDoubleArray& params, AcDbVoidPtrArray& out) {
  double start = 0.0, end = 0.0;
  if (s->getStartParam(start) != Acad::eOk || s->getEndParam(end) != Acad::eOk) return Acad::eDegenerateGeometry;
  const AcGeNurbCurve3d& nurb = s->nurbCurve();
  const double period = end - start;
  for (const Range& r : piecesBetween(params, start, end, s->isClosed())) {
    AcGeNurbCurve3d piece;
    bool ok = false;
    if (r.to <= end + 1e-12 * std::max(1.0, std::fabs(end))) {
      ok = curve::nurbPiece(nurb, r.from, std::min(r.to, end), piece);
    } else {
      AcGeNurbCurve3d tail, head;
      ok = curve::nurbPiece(nurb, r.from, end, tail) && curve::nurbPiece(nurb, start, r.to - period, head) &&
           curve::joinNurbs(tail, head, piece);
    }
    if (!ok) return Acad::eGeneralModelingFailure;
    out.append(splineOf(piece, s));
  }
  return Acad::eOk;
}

Acad::ErrorStatus split3dPolyline(const AcDb3dPolyline* pl, const AcGeDoubleArray& params, AcDbVoidPtrArray& out) {
  double end = 0.0;
  if (pl->getEndParam(end) != Acad::eOk || end <= 0.0) return Acad::eDegenerateGeometry;
  auto pointAt = [&](double t) {
    AcGePoint3d p;
    pl->getPointAtParam(std::fmod(t, end) + (t >= end && std::fmod(t, end) == 0.0 ? end : 0.0), p);
    return p;
  };
  for (const Range& r : piecesBetween(params, 0.0, end, pl->isClosed())) {
    AcGePoint3dArray pts;
    pts.append(pointAt(r.from));
    for (double k = std::floor(r.from) + 1; k < r.to - 1e-9; k += 1.0) pts.append(pointAt(k));
    pts.append(pointAt(r.to));
    auto* piece = new AcDb3dPolyline(AcDb::k3dSimplePoly, pts, false);
    piece->setPropertiesFrom(pl);
    out.append(piece);
  }
  return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus AcDbCurve::getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const {
  if (const AcDbCircle* c = AcDbCircle::cast(this)) return splitCircle(c, params, curveSegments);
  if (const AcDbEllipse* e = AcDbEllipse::cast(this)) return splitEllipse(e, params, curveSegments);
  if (const AcDbSpline* s = AcDbSpline::cast(this)) return splitSpline(s, params, curveSegments);
  if (const AcDb3dPolyline* p = AcDb3dPolyline::cast(this)) return split3dPolyline(p, params, curveSegments);
  return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbCurve::getSplitCurves(const AcGePoint3dArray& points, AcDbVoidPtrArray& curveSegments) const {
  AcGeDoubleArray params;
  for (const AcGePoint3d& p : points) {
    double param = 0.0;
    if (getParamAtPoint(p, param) != Acad::eOk) return Acad::eInvalidInput;
    params.append(param);
  }
  return getSplitCurves(params, curveSegments);
}
