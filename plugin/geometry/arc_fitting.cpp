#include "plugin/geometry/arc_fitting.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/entities/db_spline.h"
#include "plugin/geometry/plane_geometry.h"

namespace {

constexpr double kLeastTolerance = 0.001;
constexpr double kCircleTolerance = 0.0001;
constexpr double kNoDeviation = 9999.0;
constexpr double kCurveSampleGap = 0.5;
constexpr double kSmoothCurveSampleGap = 1.0;
constexpr double kGapShareOfLength = 0.05;
constexpr int kMostHalvings = 60;
// A curve that would need more samples than this is left to the caller unfitted.
constexpr double kMostSamples = 1e6;

struct Circle {
  bool found = false;
  double radius = 0.0;
  int sense = kArcSenseNone;
  AcGePoint3d center;
};

Circle CircleThrough(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& c, double tolerance) {
  Circle circle;
  circle.found = CircleThrough3Points(a, b, c, tolerance, kPlaneXY, circle.radius, circle.sense, circle.center) == 1;
  return circle;
}

double DistanceToLine(const AcGePoint3d& p, const AcGePoint3d& a, const AcGePoint3d& b) {
  const AcGeVector3d chord = b - a;
  const double length = chord.length();
  if (length <= 0.0) return p.distanceTo(a);
  return std::fabs(chord.x * (p.y - a.y) - chord.y * (p.x - a.x)) / length;
}

// Points in the XY plane: the result only keeps plane vertices.
std::vector<AcGePoint3d> SampleCurve(const AcDbCurve* curve, double sampleGap) {
  std::vector<AcGePoint3d> samples;
  double from = 0.0;
  double to = 0.0;
  double startDist = 0.0;
  double length = 0.0;
  if (curve->getStartParam(from) != Acad::eOk || curve->getEndParam(to) != Acad::eOk) return samples;
  if (curve->getDistAtParam(from, startDist) != Acad::eOk || curve->getDistAtParam(to, length) != Acad::eOk) {
    return samples;
  }
  length -= startDist;
  if (!(to > from) || !(length > 0.0)) return samples;

  double step = to - from;
  for (int halvings = 0; halvings < kMostHalvings; ++halvings) {
    step /= 2.0;
    double reach = 0.0;
    if (curve->getDistAtParam(from + step, reach) != Acad::eOk) return samples;
    reach -= startDist;
    if (reach <= kGapShareOfLength * length && reach <= sampleGap) break;
  }
  if ((to - from) / step > kMostSamples) return samples;
  // The end point follows on its own, so a sample on it would be a twin.
  const double last = to - step * 1e-6;
  for (int k = 0; from + k * step < last; ++k) {
    AcGePoint3d p;
    if (curve->getPointAtParam(from + k * step, p) != Acad::eOk) return {};
    samples.emplace_back(p.x, p.y, 0.0);
  }
  AcGePoint3d end;
  if (curve->getEndPoint(end) != Acad::eOk) return {};
  samples.emplace_back(end.x, end.y, 0.0);
  return samples;
}

// Largest miss of the samples strictly between g and j from the circle through
// g, w and j; for points in a line, their miss from that line.
double Deviation(const std::vector<AcGePoint3d>& p, int g, int w, int j) {
  const Circle circle = CircleThrough(p[g], p[w], p[j], kCircleTolerance);
  double worst = 0.0;
  for (int k = g + 1; k < j; ++k) {
    const double miss =
        circle.found ? std::fabs(circle.radius - circle.center.distanceTo(p[k])) : DistanceToLine(p[k], p[g], p[j]);
    worst = std::max(worst, miss);
  }
  return worst;
}

struct ArcReach {
  int end = -1;      // accepted end sample, -1 for none
  int through = -1;  // intermediate sample the arc passes
};

ArcReach GrowArc(const std::vector<AcGePoint3d>& p, int g, double tolerance) {
  ArcReach reach;
  const int count = static_cast<int>(p.size());
  double running = 0.0;
  double best = kNoDeviation;
  int bestThrough = -1;
  for (int j = g + 2; j < count; ++j) {
    for (int w = g + 1; w < j; ++w) {
      running = std::max(running, Deviation(p, g, w, j));
      if (running < best) {
        best = running;
        bestThrough = w;
      }
      if (running > tolerance) break;
    }
    if (running > tolerance) break;
    reach.end = j;
    reach.through = bestThrough;
    if (running >= tolerance) break;
  }
  return reach;
}

void AddVertex(AcDbPolyline* polyline, const AcGePoint3d& point, double bulge) {
  polyline->addVertexAt(polyline->numVerts(), AcGePoint2d(point.x, point.y), bulge);
}

// Bulge of the arc from a through b to c; 0 when the three make no circle.
double BulgeThrough(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& c, double tolerance) {
  const Circle circle = CircleThrough(a, b, c, tolerance);
  if (!circle.found) return 0.0;
  double startAngle = 0.0;
  double endAngle = 0.0;
  double sweep = 0.0;
  double radius = 0.0;
  double length = 0.0;
  GetArcAngles(a, c, circle.center, circle.sense, kPlaneXY, startAngle, endAngle, sweep, radius, length);
  const double bulge = std::tan(sweep * kDegreeFactor / 4.0);
  return circle.sense == kArcSenseClockwise ? -bulge : bulge;
}

bool FitArcs(const AcDbCurve* curve, AcDbPolyline* polyline, double tolerance, double sampleGap) {
  if (curve == nullptr || polyline == nullptr) return false;
  const double fitTolerance = std::max(tolerance, kLeastTolerance);
  const std::vector<AcGePoint3d> p = SampleCurve(curve, sampleGap);
  const int count = static_cast<int>(p.size());
  int g = 0;
  while (count >= 3 && count - g >= 3) {
    const ArcReach reach = GrowArc(p, g, fitTolerance);
    if (reach.end < 0) {
      AddVertex(polyline, p[g], 0.0);
      ++g;
      continue;
    }
    AddVertex(polyline, p[g], BulgeThrough(p[g], p[reach.through], p[reach.end], fitTolerance));
    g = reach.end;
  }
  for (int k = std::max(g, 0); k < count; ++k) AddVertex(polyline, p[k], 0.0);
  return polyline->numVerts() >= 3;
}

}  // namespace

bool FitArcsToCurve(const AcDbCurve* curve, AcDbPolyline* polyline, double tolerance) {
  return FitArcs(curve, polyline, tolerance, kCurveSampleGap);
}

bool FitArcsToSpline(const AcDbSpline* spline, AcDbPolyline* polyline, double tolerance) {
  return FitArcs(spline, polyline, tolerance, kSmoothCurveSampleGap);
}

bool FitArcsToEllipse(const AcDbEllipse* ellipse, AcDbPolyline* polyline, double tolerance) {
  return FitArcs(ellipse, polyline, tolerance, kSmoothCurveSampleGap);
}
