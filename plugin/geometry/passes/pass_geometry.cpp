#include "plugin/geometry/passes/pass_geometry.h"

#include <cmath>

#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/plane_geometry.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

// Keeps slivers of arc from being cut off next to a quadrant point.
constexpr double kCutAngleTolerance = 1e-9;

double Degrees(double radians) { return radians / kDegreeFactor; }

}  // namespace

std::vector<double> QuadrantCutFractions(const curve::Arc2& arc) {
  std::vector<double> cuts;
  const double sweep = Degrees(arc.sweep);
  if (sweep == 0.0) return cuts;
  double start = std::fmod(Degrees(arc.startAngle), 360.0);
  if (start < 0.0) start += 360.0;
  const double end = start + sweep;
  if (sweep > 0.0) {
    for (double b = (std::floor(start / 90.0) + 1.0) * 90.0; b < end - kCutAngleTolerance; b += 90.0) {
      if (b > start + kCutAngleTolerance) cuts.push_back((b - start) / sweep);
    }
  } else {
    for (double b = (std::ceil(start / 90.0) - 1.0) * 90.0; b > end + kCutAngleTolerance; b -= 90.0) {
      if (b < start - kCutAngleTolerance) cuts.push_back((start - b) / -sweep);
    }
  }
  return cuts;
}

double FoldedSlopeDegrees(double directionDegrees) {
  double slope = directionDegrees;
  if (slope > 180.0) slope -= 180.0;
  if (slope > 90.0) slope = 180.0 - slope;
  return slope;
}

double ArcSlopeDegrees(const curve::Arc2& arc, double fraction) {
  const double radial = arc.startAngle + arc.sweep * fraction;
  const double travel = radial + (arc.sweep < 0.0 ? -0.5 : 0.5) * curve::kPi;
  return Degrees(std::atan2(std::fabs(std::sin(travel)), std::fabs(std::cos(travel))));
}

AcDbObjectId AddPolylineOfVertices(const std::vector<PolylineVertex>& vertices, double elevation, bool closed) {
  auto* polyline = new AcDbPolyline();
  for (const PolylineVertex& v : vertices) {
    polyline->addVertexAt(polyline->numVerts(), v.point, v.bulge, v.startWidth, v.endWidth);
  }
  polyline->setElevation(elevation);
  polyline->setClosed(closed);
  AcDbObjectId id;
  if (AppendToModelSpace(polyline, id) != Acad::eOk) {
    delete polyline;
    return AcDbObjectId::kNull;
  }
  return id;
}
