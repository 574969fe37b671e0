#include "plugin/geometry/passes/pass_clipping.h"

#include <memory>
#include <vector>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/geometry/polyline/polyline_reshape.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

using Pieces = std::vector<std::unique_ptr<AcDbCurve>>;

bool MidPointOf(const AcDbCurve* curve, AcGePoint3d& point) {
  double endParam = 0.0, length = 0.0;
  return curve->getEndParam(endParam) == Acad::eOk && curve->getDistAtParam(endParam, length) == Acad::eOk &&
         curve->getPointAtDist(length * 0.5, point) == Acad::eOk;
}

bool InsideAny(const AcDbObjectIdArray& boundaries, const AcGePoint3d& point) {
  for (int i = 0; i < boundaries.length(); ++i) {
    if (IsPointInsidePolyline(boundaries[i], point)) return true;
  }
  return false;
}

AcGePoint3dArray Crossings(const AcDbCurve* pass, const AcDbObjectIdArray& boundaries) {
  AcGePoint3dArray points;
  for (int i = 0; i < boundaries.length(); ++i) {
    OpenedObject<AcDbEntity> boundary(boundaries[i], AcDb::kForRead);
    if (boundary.openStatus() != Acad::eOk) continue;
    AcGePoint3dArray found;
    if (pass->intersectWith(boundary.object(), AcDb::kOnBothOperands, found) == Acad::eOk) points.append(found);
  }
  return points;
}

void TakeCurves(AcDbVoidPtrArray& parts, Pieces& pieces) {
  for (int i = 0; i < parts.length(); ++i) {
    std::unique_ptr<AcRxObject> part(static_cast<AcRxObject*>(parts[i]));
    if (AcDbCurve* curve = AcDbCurve::cast(part.get())) {
      part.release();
      pieces.emplace_back(curve);
    }
  }
  parts.setLogicalLength(0);
}

// Empty when the crossings do not cut the pass.
Pieces Split(const AcDbCurve* pass, const AcGePoint3dArray& crossings) {
  AcDbVoidPtrArray parts;
  Pieces pieces;
  const AcDbPolyline* polyline = AcDbPolyline::cast(pass);
  const bool split = polyline != nullptr && SplitPolylineAtPoints(polyline, crossings, parts);
  TakeCurves(parts, pieces);
  if (!split) {
    pieces.clear();
    if (pass->getSplitCurves(crossings, parts) == Acad::eOk) TakeCurves(parts, pieces);
  }
  return pieces;
}

void ClipPass(AcDbObjectId passId, const AcDbObjectIdArray& boundaries, bool keepOutside, AcDbObjectIdArray& clipped) {
  Pieces pieces;
  bool keepWhole = false;
  {
    OpenedObject<AcDbCurve> pass(passId, AcDb::kForRead);
    if (pass.openStatus() != Acad::eOk) return;
    const AcGePoint3dArray crossings = Crossings(pass, boundaries);
    if (!crossings.isEmpty()) pieces = Split(pass, crossings);
    AcGePoint3d middle;
    if (pieces.empty()) keepWhole = MidPointOf(pass, middle) && InsideAny(boundaries, middle) != keepOutside;
  }
  if (pieces.empty()) {
    AcDbObjectId copy;
    if (keepWhole && CloneEntityWithInfo(passId, copy)) clipped.append(copy);
    return;
  }
  for (std::unique_ptr<AcDbCurve>& piece : pieces) {
    AcGePoint3d middle;
    if (!MidPointOf(piece.get(), middle) || InsideAny(boundaries, middle) == keepOutside) continue;
    AcDbObjectId id;
    if (AppendToModelSpace(piece.get(), id) != Acad::eOk) continue;
    piece.release();  // the drawing owns it now
    clipped.append(id);
  }
}

}  // namespace

bool ClipPassesToRegion(AcDbObjectIdArray passes, AcDbObjectIdArray boundaries, AcDbObjectIdArray& clipped,
                        unsigned char keepOutside) {
  clipped.setLogicalLength(0);
  if (passes.isEmpty() || boundaries.isEmpty()) return false;
  double elevation = 0.0;
  GetPolylineElevation(passes[0], elevation);
  for (int i = 0; i < boundaries.length(); ++i) SetPolylineElevation(boundaries[i], elevation);
  for (int i = 0; i < passes.length(); ++i) ClipPass(passes[i], boundaries, keepOutside == 1, clipped);
  return !clipped.isEmpty();
}
