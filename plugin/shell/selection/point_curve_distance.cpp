#include "plugin/shell/selection/point_curve_distance.h"

#include <algorithm>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/ge/curves/ge_line.h"
#include "plugin/geometry/distance_queries.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

enum class Measured { kLine, kPolyline, kNothing };

// Reads what is needed of the entity and closes it again before a polyline is
// measured, which opens it by itself.
Measured MeasureLine(AcDbObjectId id, const AcGePoint3d& point, double& distance) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
  if (entity.openStatus() != Acad::eOk) return Measured::kNothing;
  if (const auto* line = AcDbLine::cast(entity.object())) {
    const AcGePoint3d start = line->startPoint();
    const AcGePoint3d end = line->endPoint();
    // A line without length has no direction: it is its point.
    distance = start.isEqualTo(end) ? point.distanceTo(start) : AcGeLine3d(start, end).distanceTo(point);
    return Measured::kLine;
  }
  return EntityKindCodeOf(entity.object()) == kEntityPolyline ? Measured::kPolyline : Measured::kNothing;
}

}  // namespace

double DistancePointToCurve(AcDbObjectIdArray ids, const AcGePoint3d& point) {
  double least = kNoCurveDistance;
  for (int i = 0; i < ids.length(); ++i) {
    double distance = kNoCurveDistance;
    const Measured kind = MeasureLine(ids[i], point, distance);
    if (kind == Measured::kPolyline && !DistancePointToPolyline(point, ids[i], distance)) continue;
    if (kind != Measured::kNothing) least = std::min(least, distance);
  }
  ids.setPhysicalLength(0);
  return least;
}
