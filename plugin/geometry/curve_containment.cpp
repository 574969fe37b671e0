#include "plugin/geometry/curve_containment.h"

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/db.h"
#include "plugin/geometry/distance_queries.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr double kTouching = 0.000000001;
constexpr double kNear = 0.00001;
// A circle whose rim meets the outline this closely still fits.
constexpr double kTouchingRim = 1e-9;

bool ReadAreaAndStart(AcDbObjectId id, double& area, AcGePoint3d& start) {
  OpenedObject<AcDbCurve> curve(id, AcDb::kForRead);
  if (curve.openStatus() != Acad::eOk) return false;
  return curve->getArea(area) == Acad::eOk && curve->getStartPoint(start) == Acad::eOk;
}

}  // namespace

int ClassifyCurveContainment(AcDbObjectId first, AcDbObjectId second) {
  double distance = kNoPolylineDistance;
  const bool measured = DistancePolylineToPolyline(first, second, distance);
  if (measured && distance < kTouching) return -2;
  double firstArea = 0.0, secondArea = 0.0;
  AcGePoint3d firstStart, secondStart;
  if (!ReadAreaAndStart(first, firstArea, firstStart) || !ReadAreaAndStart(second, secondArea, secondStart)) return 0;
  const bool near = measured && distance <= kNear;
  if (firstArea <= secondArea) return (near || IsPointInsidePolyline(second, firstStart)) ? -1 : 0;
  return (near || IsPointInsidePolyline(first, secondStart)) ? 1 : 0;
}

bool CircleFitsInBoundary(const AcGePoint3d& center, double radius, AcDbObjectId boundaryId) {
  if (!IsCurveClosed(boundaryId)) return false;
  double distance = kNoPolylineDistance;
  if (!DistancePointToPolyline(center, boundaryId, distance) || distance >= kNoPolylineDistance) return false;
  return distance + kTouchingRim >= radius && IsPointInsidePolyline(boundaryId, center);
}
