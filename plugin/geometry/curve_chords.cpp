#include "plugin/geometry/curve_chords.h"

#include <algorithm>
#include <vector>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_point3d.h"

namespace {

constexpr double kChordDeviation = 0.01;
constexpr double kChordLength = 20.0;
constexpr double kEllipseStep = 0.1;
// Below this share of the range a chord is taken as it is, so a kink cannot
// shrink the step for ever.
constexpr double kSmallestStepShare = 1e-9;

double DistanceToChord(const AcGePoint3d& p, const AcGePoint3d& a, const AcGePoint3d& b) {
  const AcGeVector3d chord = b - a;
  const double len2 = chord.lengthSqrd();
  if (len2 <= 0.0) return p.distanceTo(a);
  const double f = std::clamp((p - a).dotProduct(chord) / len2, 0.0, 1.0);
  return p.distanceTo(a + chord * f);
}

bool ChordStraysFromCurve(const AcDbCurve* curve, double u, double v, const AcGePoint3d& from, const AcGePoint3d& to) {
  for (const double share : {0.2, 0.4, 0.6, 0.8}) {
    AcGePoint3d p;
    if (curve->getPointAtParam(u + share * (v - u), p) != Acad::eOk) continue;
    if (DistanceToChord(p, from, to) > kChordDeviation) return true;
  }
  return false;
}

void AddVertex(AcDbPolyline* polyline, const AcGePoint3d& point) {
  polyline->addVertexAt(polyline->numVerts(), AcGePoint2d(point.x, point.y), 0.0);
}

bool ApproximateRange(const AcDbCurve* curve, AcDbPolyline* polyline, double from, double to, double baseStep) {
  AcGePoint3d start;
  AcGePoint3d end;
  if (curve == nullptr || polyline == nullptr) return false;
  if (curve->getStartPoint(start) != Acad::eOk || curve->getEndPoint(end) != Acad::eOk) return false;
  polyline->setElevation(start.z);
  if (!(to > from) || !(baseStep > 0.0)) return false;

  const double smallest = (to - from) * kSmallestStepShare;
  AcGePoint3d here = start;
  for (double u = from; u < to;) {
    AddVertex(polyline, here);
    double v = std::min(u + baseStep, to);
    AcGePoint3d there;
    for (;;) {
      if (curve->getPointAtParam(v, there) != Acad::eOk) return false;
      if (v - u <= smallest || !ChordStraysFromCurve(curve, u, v, here, there)) break;
      v = u + (v - u) * 2.0 / 3.0;
    }
    // A step lost to rounding would never reach the end.
    if (!(v > u)) break;
    u = v;
    here = there;
  }
  AddVertex(polyline, end);
  return polyline->numVerts() >= 3;
}

}  // namespace

bool ApproximateCurveByChords(const AcDbCurve* curve, AcDbPolyline* polyline, double /*tolerance*/) {
  double from = 0.0;
  double to = 0.0;
  double length = 0.0;
  if (curve == nullptr || curve->getStartParam(from) != Acad::eOk || curve->getEndParam(to) != Acad::eOk) return false;
  double startDist = 0.0;
  if (curve->getDistAtParam(to, length) != Acad::eOk || curve->getDistAtParam(from, startDist) != Acad::eOk) {
    return false;
  }
  length -= startDist;
  // A curve without length has no step to take.
  if (!(length > 0.0)) return false;
  return ApproximateRange(curve, polyline, from, to, (to - from) * kChordLength / length);
}

bool ApproximateSplineByChords(const AcDbSpline* spline, AcDbPolyline* polyline, double tolerance) {
  return ApproximateCurveByChords(spline, polyline, tolerance);
}

bool ApproximateEllipseByChords(const AcDbEllipse* ellipse, AcDbPolyline* polyline, double /*tolerance*/) {
  double from = 0.0;
  double to = 0.0;
  if (ellipse == nullptr || ellipse->getStartParam(from) != Acad::eOk || ellipse->getEndParam(to) != Acad::eOk) {
    return false;
  }
  return ApproximateRange(ellipse, polyline, from, to, kEllipseStep);
}
