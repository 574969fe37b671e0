#include "plugin/geometry/offset_duplicates.h"

#include <cmath>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/db.h"
#include "plugin/geometry/distance_queries.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr double kLengthTolerance = 0.01;
constexpr double kAreaTolerance = 0.0001;
constexpr double kProbeOffset = 1000.0;

bool ReadStartPoint(AcDbObjectId id, AcGePoint3d& start) {
  OpenedObject<AcDbCurve> curve(id, AcDb::kForRead);
  if (curve.openStatus() != Acad::eOk) return false;
  return curve->getStartPoint(start) == Acad::eOk;
}

double PointDistance(const AcGePoint3d& point, AcDbObjectId id) {
  double distance = kNoPolylineDistance;
  DistancePointToPolyline(point, id, distance);
  return distance;
}

bool RelativelyClose(double reference, double value, double tolerance) {
  // A zero reference gives no scale to compare against; such loops are never merged.
  if (reference == 0.0) return false;
  return std::fabs(reference - value) / std::fabs(reference) < tolerance;
}

// Whether loop duplicates kept: same size, and the start of loop together with two
// far probes sit as close to kept as to loop.
bool IsDuplicateLoop(AcDbObjectId kept, AcDbObjectId loop, double distance) {
  if (!IsPolylineEntity(kept) || !IsPolylineEntity(loop)) return false;
  if (!RelativelyClose(GetPolylineLength(kept), GetPolylineLength(loop), kLengthTolerance)) return false;
  if (!RelativelyClose(GetCurveArea(kept), GetCurveArea(loop), kAreaTolerance)) return false;
  AcGePoint3d start;
  if (!ReadStartPoint(loop, start)) return false;
  const double limit = 0.9 * std::fabs(distance);
  const AcGePoint3d eastProbe = start + AcGeVector3d(kProbeOffset, 0.0, 0.0);
  const AcGePoint3d northProbe = start + AcGeVector3d(0.0, kProbeOffset, 0.0);
  const double onKept = PointDistance(start, kept);
  // Far probes must see both loops at the same distance, whichever is nearer.
  const double eastGap = std::fabs(PointDistance(eastProbe, kept) - PointDistance(eastProbe, loop));
  const double northGap = std::fabs(PointDistance(northProbe, kept) - PointDistance(northProbe, loop));
  return onKept < limit && eastGap < limit && northGap < limit;
}

void RemoveRepeatedIds(AcDbObjectIdArray& ids) {
  for (int j = 0; j < ids.length(); ++j)
    for (int i = ids.length() - 1; i > j; --i)
      if (ids[i] == ids[j]) ids.removeAt(i);
}

}  // namespace

void RemoveDuplicateOffsetLoops(AcDbObjectIdArray& ids, double distance) {
  RemoveRepeatedIds(ids);
  for (int j = 0; j < ids.length(); ++j) {
    int i = j + 1;
    while (i < ids.length()) {
      if (IsDuplicateLoop(ids[j], ids[i], distance)) {
        EraseObject(ids[i]);
        ids.removeAt(i);
      } else {
        ++i;
      }
    }
  }
}

bool RemoveDuplicateCurves(const AcDbObjectIdArray& first, AcDbObjectIdArray& second, double distance) {
  int i = 0;
  while (i < second.length()) {
    bool repeated = false;
    bool duplicate = false;
    for (int j = 0; j < first.length() && !repeated && !duplicate; ++j) {
      repeated = first[j] == second[i];
      duplicate = !repeated && IsDuplicateLoop(first[j], second[i], distance);
    }
    if (duplicate) EraseObject(second[i]);
    if (repeated || duplicate)
      second.removeAt(i);
    else
      ++i;
  }
  return true;
}
