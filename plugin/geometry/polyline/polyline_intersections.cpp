#include "plugin/geometry/polyline/polyline_intersections.h"

#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/editor/input/aced_input.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/shell/opened_object.h"

bool IntersectSegmentWithPolyline(const AcGePoint2d& from, const AcGePoint2d& to, double elevation,
                                  AcDbObjectId polylineId, AcGePoint3dArray& points) {
  OpenedObject<AcDbEntity> polyline(polylineId, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) {
    acutPrintf("\n Can not open polyline 5");
    return false;
  }
  AcDbPolyline move;
  move.addVertexAt(0, from);
  move.addVertexAt(1, to);
  move.setElevation(elevation);
  const int before = points.length();
  if (move.intersectWith(polyline.object(), AcDb::kOnBothOperands, points) != Acad::eOk) return false;
  return points.length() > before;
}

int PolylinesIntersect(AcDbObjectId first, AcDbObjectId second, AcGePoint3dArray& points) {
  points.setLogicalLength(0);
  OpenedObject<AcDbEntity> a(first, AcDb::kForRead);
  if (a.openStatus() != Acad::eOk) {
    acutPrintf("\n Can not merge 1");
    return 0;
  }
  OpenedObject<AcDbEntity> b(second, AcDb::kForRead);
  if (b.openStatus() != Acad::eOk) {
    acutPrintf("\n Can not merge 2");
    return 0;
  }
  if (a->intersectWith(b.object(), AcDb::kOnBothOperands, points) != Acad::eOk) {
    points.setLogicalLength(0);
    return 0;
  }
  return points.length();
}

int PolylinesIntersectInPlan(AcDbObjectId first, AcDbObjectId second, AcGePoint3dArray& points) {
  const int found = PolylinesIntersect(first, second, points);
  if (found > 0) return found;
  double firstElevation = 0.0;
  double secondElevation = 0.0;
  if (!GetPolylineElevation(first, firstElevation) || !GetPolylineElevation(second, secondElevation)) return 0;
  if (firstElevation == 0.0 && secondElevation == 0.0) return 0;
  SetPolylineElevation(first, 0.0);
  SetPolylineElevation(second, 0.0);
  const int inPlan = PolylinesIntersect(first, second, points);
  SetPolylineElevation(first, firstElevation);
  SetPolylineElevation(second, secondElevation);
  return inPlan;
}
