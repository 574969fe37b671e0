#include "plugin/solid/machining/solid_cut_gouge.h"
#include "platform/cad/db/entities/db_polyline.h"

#include <cmath>

#include "platform/cad/modeler/db_3d_solid.h"
#include "plugin/geometry/curve_chaining.h"
#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_offset.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/solid/extrude_region.h"

namespace {

constexpr double kLeastWidening = 0.01;

// A lightweight polyline copy of the curve at the elevation.
bool PolylineCopy(AcDbObjectId picked, double elevation, AcDbObjectId& copy) {
  bool isPolyline = false;
  {
    OpenedObject<AcDbPolyline> polyline(picked, AcDb::kForRead);
    isPolyline = polyline.openStatus() == Acad::eOk;
  }
  if (isPolyline) {
    if (!ClonePolylineAtElevation(picked, copy, elevation)) return false;
    SetPolylineClosed(copy, true);
    return true;
  }
  AcDbObjectIdArray curves, made;
  curves.append(picked);
  if (!ChainCurvesToPolyline(curves, made) || made.isEmpty()) return false;
  copy = made.first();
  made.removeAt(0);
  EraseEntityArray(made);
  SetPolylineElevation(copy, elevation);
  return true;
}

}  // namespace

bool GrowOutlineOutwards(AcDbObjectId outline, double distance, double elevation, AcDbObjectIdArray& grown) {
  const double area = std::fabs(GetCurveArea(outline));
  for (unsigned char side : {static_cast<unsigned char>(0), static_cast<unsigned char>(1)}) {
    AcDbObjectIdArray result;
    if (!OffsetPolyline(outline, result, distance, elevation, side)) continue;
    double total = 0.0;
    for (const AcDbObjectId& id : result) total += std::fabs(GetCurveArea(id));
    if ((distance > 0.0) == (total > area)) {
      grown = result;
      return true;
    }
    EraseEntityArray(result);
  }
  return false;
}

bool MakeGougeOutlines(AcDbObjectId picked, double elevation, double widening, AcDbObjectIdArray& outlines) {
  outlines.setLogicalLength(0);
  AcDbObjectId copy;
  if (!PolylineCopy(picked, elevation, copy)) return false;
  if (!IsPolylineClockwise(copy)) ReversePolyline(copy);
  if (std::fabs(widening) <= kLeastWidening) {
    outlines.append(copy);
    return true;
  }
  AcDbObjectIdArray grown;
  const bool made = GrowOutlineOutwards(copy, widening, elevation, grown);
  EraseObject(copy);
  if (!made) return false;
  for (const AcDbObjectId& id : grown) {
    if (!IsPolylineClockwise(id)) ReversePolyline(id);
  }
  outlines = grown;
  return true;
}

bool TrimSolidToOutlines(AcDbObjectId solid, const AcDbObjectIdArray& outlines, double bottomZ, bool keepInside) {
  AcDbObjectId tool;
  for (const AcDbObjectId& outline : outlines) {
    double elevation = 0.0;
    GetPolylineElevation(outline, elevation);
    AcDbObjectId prism;
    if (!ExtrudeRegion(outline, prism, bottomZ - elevation, 0.0)) {
      EraseObject(tool);
      return false;
    }
    if (tool.isNull()) {
      tool = prism;
      continue;
    }
    Acad::ErrorStatus es = Acad::eOk;
    {
      OpenedObject<AcDb3dSolid> whole(tool, AcDb::kForWrite);
      OpenedObject<AcDb3dSolid> part(prism, AcDb::kForWrite);
      es = whole.openStatus() == Acad::eOk && part.openStatus() == Acad::eOk
               ? whole->booleanOper(AcDb::kBoolUnite, part.object())
               : Acad::eInvalidInput;
    }
    EraseObject(prism);
    if (es != Acad::eOk) {
      EraseObject(tool);
      return false;
    }
  }
  if (tool.isNull()) return false;
  Acad::ErrorStatus es = Acad::eOk;
  {
    OpenedObject<AcDb3dSolid> body(solid, AcDb::kForWrite);
    OpenedObject<AcDb3dSolid> prism(tool, AcDb::kForWrite);
    es = body.openStatus() == Acad::eOk && prism.openStatus() == Acad::eOk
             ? body->booleanOper(keepInside ? AcDb::kBoolIntersect : AcDb::kBoolSubtract, prism.object())
             : Acad::eInvalidInput;
  }
  // The prism is a helper: emptied or not, it never stays in the drawing.
  EraseObject(tool);
  return es == Acad::eOk;
}
