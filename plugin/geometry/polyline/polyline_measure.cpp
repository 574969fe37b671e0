#include "plugin/geometry/polyline/polyline_measure.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/error_status.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "plugin/geometry/plane_geometry.h"
#include "plugin/geometry/polyline/arc_caps.h"
#include "plugin/geometry/polyline/polyline_cleanup.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

using Vertices = std::vector<PolylineVertex>;

constexpr double kClosedEndTolerance = 0.00001;
constexpr double kShortestDirection = 0.000001;
constexpr int kArcSamples = 10;
constexpr double kClosingTurnMatch = 0.0001;
constexpr double kStartDirectionRun = 0.1;

double Normalized(double angle) {
  while (angle > curve::kPi) angle -= curve::kTwoPi;
  while (angle < -curve::kPi) angle += curve::kTwoPi;
  return angle;
}

// Directions along the outline in order; steps without length give none.
std::vector<double> DirectionsAlong(const Vertices& v, bool closed) {
  std::vector<double> directions;
  auto add = [&](const AcGePoint2d& a, const AcGePoint2d& b) {
    if (a.distanceTo(b) >= kShortestDirection) directions.push_back(DirectionRadians(a, b));
  };
  for (std::size_t i = 0; i < v.size(); ++i) {
    curve::BulgeSeg segment = SegmentOf(v, i);
    if (!closed && i + 1 == v.size()) segment.bulge = 0.0;
    if (!segment.isArc()) {
      add(segment.start, segment.end);
      continue;
    }
    // The arc worked out once for all its samples; its ends are the segment's own.
    const curve::Arc2 arc = segment.arc();
    AcGePoint2d from = segment.start;
    for (int k = 1; k <= kArcSamples; ++k) {
      const AcGePoint2d to = k == kArcSamples ? segment.end : arc.pointAt(static_cast<double>(k) / kArcSamples);
      add(from, to);
      from = to;
    }
  }
  return directions;
}

double SummedTurning(const std::vector<double>& directions) {
  double sum = 0.0;
  for (std::size_t i = 1; i < directions.size(); ++i) sum += Normalized(directions[i] - directions[i - 1]);
  if (directions.size() > 1) {
    const double closing = Normalized(directions.front() - directions.back());
    if (std::fabs(closing - sum) < kClosingTurnMatch) sum += closing;
  }
  return sum;
}

// Even-odd rule on the straight outline through the vertices.
bool InsideChordPolygon(const Vertices& v, const AcGePoint2d& p) {
  bool inside = false;
  for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
    const AcGePoint2d& a = v[i].point;
    const AcGePoint2d& b = v[j].point;
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside;
}

// Off the chords of every arc (see MoveOffArcChord).
AcGePoint2d OffArcChords(const Vertices& v, std::size_t segments, AcGePoint2d p) {
  for (std::size_t i = 0; i < segments; ++i) MoveOffArcChord(SegmentOf(v, i), p);
  return p;
}

AcGePoint2d InPlaneOf(const AcDbPolyline* polyline, const AcGePoint3d& point) {
  AcGePoint3d local = point;
  local.transformBy(AcGeMatrix3d::worldToPlane(polyline->normal()));
  return AcGePoint2d(local.x, local.y);
}

struct CurveEnds {
  AcGePoint3d start;
  AcGePoint3d end;
};

}  // namespace

double GetPolylineLength(AcDbObjectId id) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) return 0.0;
  const Vertices v = ReadPolylineVertices(polyline);
  const std::size_t segments = v.empty() ? 0 : (polyline->isClosed() ? v.size() : v.size() - 1);
  double length = 0.0;
  for (std::size_t i = 0; i < segments; ++i) length += SegmentOf(v, i).length();
  return length;
}

double GetCurveArea(AcDbObjectId id) {
  OpenedObject<AcDbCurve> curve(id, AcDb::kForRead);
  if (curve.openStatus() != Acad::eOk) return 0.0;
  double area = 0.0;
  if (curve->getArea(area) != Acad::eOk) return 0.0;
  return area;
}

int FindLargestAreaCurve(const AcDbObjectIdArray& ids) {
  int largest = -1;
  double largestArea = 0.0;
  for (int i = 0; i < ids.length(); ++i) {
    const double area = GetCurveArea(ids[i]);
    if (area > largestArea) {
      largestArea = area;
      largest = i;
    }
  }
  return largest;
}

bool IsPolylineClockwise(AcDbObjectId id) {
  RemoveShortArcs(id);
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) {
    acutPrintf("\nERROR: %s", acadErrorStatusText(polyline.openStatus()));
    return false;
  }
  Vertices v = ReadPolylineVertices(polyline);
  if (v.size() < 2) return false;
  bool closed = polyline->isClosed();
  if (!closed && v.back().point.distanceTo(v.front().point) < kClosedEndTolerance) {
    v.pop_back();
    closed = true;
  }
  return SummedTurning(DirectionsAlong(v, closed)) < 0.0;
}

bool IsPointInsidePolyline(AcDbObjectId id, const AcGePoint3d& point) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) return false;
  const Vertices v = ReadPolylineVertices(polyline);
  if (v.size() < 2) return false;
  const std::size_t segments = polyline->isClosed() ? v.size() : v.size() - 1;
  const AcGePoint2d p = OffArcChords(v, segments, InPlaneOf(polyline, point));
  bool inside = InsideChordPolygon(v, p);
  for (std::size_t i = 0; i < segments; ++i) {
    const curve::BulgeSeg segment = SegmentOf(v, i);
    if (segment.isArc() && InsideArcCap(segment, p)) inside = !inside;
  }
  return inside;
}

bool GetStartDirectionAngle(AcDbObjectId id, double& degrees) {
  OpenedObject<AcDbCurve> curve(id, AcDb::kForRead);
  if (curve.openStatus() != Acad::eOk) return false;
  AcGePoint3d from, to;
  if (const AcDbLine* line = AcDbLine::cast(curve)) {
    from = line->startPoint();
    to = line->endPoint();
  } else if (curve->getPointAtDist(0.0, from) != Acad::eOk ||
             curve->getPointAtDist(kStartDirectionRun, to) != Acad::eOk) {
    return false;
  }
  degrees = GetDirectionAngle(to.y - from.y, to.x - from.x);
  return true;
}

bool CheckChainGaps(const AcDbObjectIdArray& ids, double& largestGap) {
  largestGap = 0.0;
  std::vector<CurveEnds> ends(static_cast<std::size_t>(ids.length()));
  for (int i = 0; i < ids.length(); ++i) {
    if (GetCurveEndPoints(ids[i], ends[i].start, ends[i].end) == 0) return false;
  }
  if (ends.empty()) return false;
  // The first curve runs away from the second one, whichever way it was drawn.
  AcGePoint3d chainStart = ends[0].start;
  AcGePoint3d running = ends[0].end;
  if (ends.size() > 1) {
    const double fromEnd = std::min(running.distanceTo(ends[1].start), running.distanceTo(ends[1].end));
    const double fromStart = std::min(chainStart.distanceTo(ends[1].start), chainStart.distanceTo(ends[1].end));
    if (fromStart < fromEnd) std::swap(chainStart, running);
  }
  for (std::size_t i = 1; i < ends.size(); ++i) {
    const double toStart = running.distanceTo(ends[i].start);
    const double toEnd = running.distanceTo(ends[i].end);
    largestGap = std::max(largestGap, std::min(toStart, toEnd));
    running = toStart <= toEnd ? ends[i].end : ends[i].start;
  }
  largestGap = std::max(largestGap, running.distanceTo(chainStart));
  return largestGap <= ConfigurationSettings().JoinToler;
}
