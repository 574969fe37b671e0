#include "plugin/geometry/curve_containment.h"

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/db.h"
#include "plugin/geometry/distance_queries.h"
#include "plugin/geometry/plan_outline.h"
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

int ClassifyOutlineContainment(const PlanOutline& first, const PlanOutline& second) {
  if (first.empty() || second.empty()) return 0;
  // Farther apart than kNear, neither start can lie inside the other's box.
  const curve::Box2 reach = first.box().grown(kNear);
  if (!reach.overlaps(second.box())) return 0;
  const double distance = first.distanceTo(second, kNoPolylineDistance);
  if (distance < kTouching) return -2;
  const bool near = distance <= kNear;
  if (first.area() <= second.area()) return (near || second.holds(first.start())) ? -1 : 0;
  return (near || first.holds(second.start())) ? 1 : 0;
}

ContainmentOutline::ContainmentOutline(AcDbObjectId id) : id_(id), read_(outline_.read(id) && outline_.facesUp()) {}

int ContainmentOutline::classify(const ContainmentOutline& other) const {
  if (read_ && other.read_) return ClassifyOutlineContainment(outline_, other.outline_);
  return ClassifyCurveContainment(id_, other.id_);
}

int ClassifyCurveContainment(AcDbObjectId first, AcDbObjectId second) {
  PlanOutline firstOutline, secondOutline;
  if (firstOutline.read(first) && secondOutline.read(second) && firstOutline.facesUp() && secondOutline.facesUp())
    return ClassifyOutlineContainment(firstOutline, secondOutline);
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
