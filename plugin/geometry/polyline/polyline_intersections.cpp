#include "plugin/geometry/polyline/polyline_intersections.h"

#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/editor/input/aced_input.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/shell/opened_object.h"

#include <algorithm>
#include <vector>

#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/curves/ge_line.h"

namespace {

// One segment of a polyline in plan, with its box for a quick reject.
struct PlanSegment {
  bool arc = false;
  AcGeLineSeg2d line;
  AcGeCircArc2d circle;
  AcGePoint2d least, most;
};

PlanSegment LineSegment(const AcGeLineSeg2d& line) {
  PlanSegment segment;
  segment.line = line;
  const AcGePoint2d a = line.startPoint(), b = line.endPoint();
  segment.least.set(std::min(a.x, b.x), std::min(a.y, b.y));
  segment.most.set(std::max(a.x, b.x), std::max(a.y, b.y));
  return segment;
}

PlanSegment ArcSegment(const AcGeCircArc2d& arc) {
  PlanSegment segment;
  segment.arc = true;
  segment.circle = arc;
  const AcGePoint2d c = arc.center();
  const double r = arc.radius();
  segment.least.set(c.x - r, c.y - r);
  segment.most.set(c.x + r, c.y + r);
  return segment;
}

bool BoxesMeet(const PlanSegment& a, const PlanSegment& b) {
  constexpr double kSlack = 1e-9;
  return a.least.x <= b.most.x + kSlack && b.least.x <= a.most.x + kSlack && a.least.y <= b.most.y + kSlack &&
         b.least.y <= a.most.y + kSlack;
}

bool SegmentsMeet(const PlanSegment& a, const PlanSegment& b, AcGePoint2d& at) {
  if (!BoxesMeet(a, b)) return false;
  if (!a.arc && !b.arc) return a.line.intersectWith(b.line, at);
  int count = 0;
  AcGePoint2d second;
  bool met = false;
  if (a.arc && b.arc) {
    met = a.circle.intersectWith(b.circle, count, at, second);
  } else {
    met = (a.arc ? a.circle : b.circle).intersectWith(a.arc ? b.line : a.line, count, at, second);
  }
  return met && count > 0;
}

std::vector<PlanSegment> PlanSegments(const AcDbPolyline& polyline) {
  std::vector<PlanSegment> segments;
  for (unsigned int i = 0; i < polyline.numVerts(); ++i) {
    if (polyline.segType(i) == AcDbPolyline::kLine) {
      AcGeLineSeg2d line;
      if (polyline.getLineSegAt(i, line) == Acad::eOk) segments.push_back(LineSegment(line));
    } else if (polyline.segType(i) == AcDbPolyline::kArc) {
      AcGeCircArc2d arc;
      if (polyline.getArcSegAt(i, arc) == Acad::eOk) segments.push_back(ArcSegment(arc));
    }
  }
  return segments;
}

}  // namespace

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

bool FindPolylineSelfCrossing(AcDbObjectId polylineId, AcGePoint3d& at) {
  OpenedObject<AcDbPolyline> polyline(polylineId, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) return false;
  const std::vector<PlanSegment> segments = PlanSegments(*polyline.object());
  const bool closed = polyline->isClosed();
  const std::size_t count = segments.size();
  for (std::size_t i = 0; i < count; ++i) {
    for (std::size_t j = i + 2; j < count; ++j) {
      if (closed && i == 0 && j + 1 == count) continue;  // they share the closing vertex
      AcGePoint2d point;
      if (!SegmentsMeet(segments[i], segments[j], point)) continue;
      at.set(point.x, point.y, polyline->elevation());
      return true;
    }
  }
  return false;
}
