#include "plugin/geometry/polyline/polyline_corners.h"

#include <cmath>

#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/error_status.h"
#include "platform/cad/editor/input/aced_input.h"
#include "plugin/geometry/plane_geometry.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/shell/opened_object.h"

namespace {

using Vertices = std::vector<PolylineVertex>;

constexpr double kCoCircularTolerance = 0.01;
// Tangents of an arc this close to a half turn meet too far away to be a corner.
constexpr double kLargestCornerSweep = 0.999 * curve::kPi;
// Two arcs that together would come back to their start stay two arcs.
constexpr double kLargestMergedQuarterSweep = 0.25 * curve::kTwoPi - 1e-9;
constexpr double kNudge = 0.00001;
constexpr double kSamePoint = 0.0000001;
constexpr double kParallelRadians = 0.0001 * curve::kPi / 180.0;
constexpr double kDistanceMatch = 0.00000001;
constexpr double kAntiparallelRadians = 0.000000001;

// Side 1 leaves clockwise arcs alone, side 0 counter-clockwise ones.
bool AcceptsArc(double bulge, int side) {
  if (side == 1 && bulge < 0.0) return false;
  if (side == 0 && bulge > 0.0) return false;
  return true;
}

void SharpenArcs(Vertices& v, double radiusThreshold, int side) {
  for (std::size_t i = 0; i + 1 < v.size(); ++i) {
    const curve::BulgeSeg segment = SegmentOf(v, i);
    if (!segment.isArc() || !AcceptsArc(segment.bulge, side)) continue;
    const curve::Arc2 arc = segment.arc();
    if (arc.radius >= radiusThreshold) continue;
    v[i].bulge = 0.0;
    const double sweep = std::fabs(arc.sweep);
    if (sweep >= kLargestCornerSweep) continue;
    const double middle = arc.startAngle + arc.sweep / 2.0;
    const double reach = std::fabs(arc.radius / std::cos(sweep / 2.0));
    PolylineVertex corner = v[i];
    corner.point = arc.center + AcGeVector2d(std::cos(middle), std::sin(middle)) * reach;
    v.insert(v.begin() + static_cast<long>(i + 1), corner);
    ++i;
  }
}

double DistanceToCircle(const AcGePoint2d& p, const AcGePoint3d& center, double radius) {
  return std::fabs(p.distanceTo(AcGePoint2d(center.x, center.y)) - radius);
}

bool LieOnOneCircle(const curve::BulgeSeg& first, const curve::BulgeSeg& second) {
  double radius = 0.0;
  int sense = 0;
  AcGePoint3d center;
  const AcGePoint3d a(first.start.x, first.start.y, 0.0), b(first.end.x, first.end.y, 0.0),
      c(second.end.x, second.end.y, 0.0);
  if (CircleThrough3Points(a, b, c, 1e-9, kPlaneXY, radius, sense, center) == 1 &&
      DistanceToCircle(first.midPoint(), center, radius) < kCoCircularTolerance &&
      DistanceToCircle(second.midPoint(), center, radius) < kCoCircularTolerance) {
    return true;
  }
  const curve::Arc2 arc1 = first.arc();
  const curve::Arc2 arc2 = second.arc();
  return arc1.center.distanceTo(arc2.center) < kCoCircularTolerance && arc1.radius < arc2.radius + kCoCircularTolerance;
}

void MergeArcs(Vertices& v, bool closed) {
  for (std::size_t i = 0; v.size() >= 3;) {
    const std::size_t lastFirst = closed ? v.size() - 2 : v.size() - 3;
    if (i > lastFirst) break;
    const curve::BulgeSeg first = SegmentOf(v, i);
    const curve::BulgeSeg second = SegmentOf(v, i + 1);
    const double quarterSweep = std::atan(first.bulge) + std::atan(second.bulge);
    if (first.isArc() && second.isArc() && (first.bulge > 0.0) == (second.bulge > 0.0) &&
        std::fabs(quarterSweep) < kLargestMergedQuarterSweep && LieOnOneCircle(first, second)) {
      // Bulges do not add; the quarter sweeps do.
      v[i].bulge = std::tan(quarterSweep);
      v.erase(v.begin() + static_cast<long>(i + 1));
    } else {
      ++i;
    }
  }
}

// The vertex before i along the outline, stepping over repeats of vertex 0.
std::size_t VertexBefore(const Vertices& v, std::size_t i) {
  if (i > 0) return i - 1;
  std::size_t p = v.size() - 1;
  if (v[p].point.distanceTo(v[0].point) < kSamePoint && v.size() > 2) p = v.size() - 2;
  if (v[p].point.distanceTo(v[0].point) < kSamePoint && v.size() > 3) p = v.size() - 3;
  return p;
}

std::size_t VertexAfter(const Vertices& v, std::size_t c, bool closed) {
  if (c + 1 < v.size()) return c + 1;
  if (closed && v[0].point.distanceTo(v[c].point) < kSamePoint && v.size() > 1) return 1;
  return 0;
}

bool EdgesStraight(const Vertices& v, std::size_t i, std::size_t c) {
  const std::size_t ending = i > 0 ? i - 1 : (v.size() >= 2 ? v.size() - 2 : 0);
  return v[ending].bulge == 0.0 && v[c].bulge == 0.0;
}

// Directions of the edge into i and the edge out of c, the difference within -pi/2 .. 3pi/2.
double EdgeAngleDifference(const Vertices& v, std::size_t i, std::size_t c, bool closed, double& alpha) {
  alpha = DirectionRadians(v[VertexBefore(v, i)].point, v[i].point);
  const double beta = DirectionRadians(v[c].point, v[VertexAfter(v, c, closed)].point);
  double difference = alpha - beta;
  if (difference > 0.75 * curve::kTwoPi) difference -= curve::kTwoPi;
  return difference;
}

void MoveAwayFromLeft(PolylineVertex& vertex, double alpha) {
  const double away = alpha + curve::kPi / 2.0;
  vertex.point -= AcGeVector2d(std::cos(away), std::sin(away)) * kNudge;
}

}  // namespace

bool SharpenSmallArcs(AcDbObjectId id, double radiusThreshold, int side) {
  {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) {
      // Worded as the host's entity open words it.
      const Acad::ErrorStatus es = entity.openStatus();
      acutPrintf("\nERROR: %s", acadErrorStatusText(es == Acad::eNotThatKindOfClass ? Acad::eNotAnEntity : es));
      return false;
    }
    if (AcDbPolyline::cast(entity) == nullptr) {
      acutPrintf("\nLW polyline not selected.");
      return false;
    }
  }
  // Its clean-up of tiny arcs comes first; the orientation itself is not needed.
  IsPolylineClockwise(id);
  return EditPolylineVertices(id, [&](Vertices& v, bool) { SharpenArcs(v, radiusThreshold, side); });
}

bool MergeCoCircularArcs(AcDbObjectId id) {
  return EditPolylineVertices(id, [](Vertices& v, bool closed) { MergeArcs(v, closed); });
}

void RemoveCoCircularVerticesInList(AcDbObjectIdArray ids) {
  for (int i = 0; i < ids.length(); ++i) MergeCoCircularArcs(ids[i]);
}

bool NudgeParallelVertices(AcDbPolyline* polyline, double distance) {
  Vertices v = ReadPolylineVertices(polyline);
  const bool closed = polyline->isClosed();
  if (v.size() < 3) return false;
  bool moved = false;
  for (std::size_t i = 0; i < v.size(); ++i) {
    for (std::size_t c = i + 2; c < v.size(); ++c) {
      if (!(v[i].point.distanceTo(v[c].point) < 2.0 * distance) || !EdgesStraight(v, i, c)) continue;
      double alpha = 0.0;
      if (std::fabs(EdgeAngleDifference(v, i, c, closed, alpha)) < kParallelRadians) {
        MoveAwayFromLeft(v[i], alpha);
        moved = true;
      }
    }
  }
  for (std::size_t i = 0; i < v.size(); ++i) {
    for (std::size_t c = i + 1; c < v.size(); ++c) {
      if (!(std::fabs(v[i].point.distanceTo(v[c].point) - 2.0 * distance) < kDistanceMatch) ||
          !EdgesStraight(v, i, c)) {
        continue;
      }
      double alpha = 0.0;
      if (std::fabs(std::fabs(EdgeAngleDifference(v, i, c, closed, alpha)) - curve::kPi) < kAntiparallelRadians) {
        MoveAwayFromLeft(v[i], alpha);
        moved = true;
      }
    }
  }
  if (moved) WritePolylineVertices(polyline, v);
  return moved;
}
