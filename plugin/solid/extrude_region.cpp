#include "plugin/solid/extrude_region.h"

#include <memory>
#include <numbers>
#include <vector>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_region.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

// The first region of the curve (the caller owns it); null when it makes none.
std::unique_ptr<AcDbRegion> RegionOf(AcDbObjectId curveId) {
  OpenedObject<AcDbCurve> curve(curveId, AcDb::kForRead);
  if (curve.openStatus() != Acad::eOk) return nullptr;
  AcDbVoidPtrArray curves;
  curves.append(curve.object());
  AcDbVoidPtrArray regions;
  if (AcDbRegion::createFromCurves(curves, regions) != Acad::eOk) return nullptr;
  std::vector<std::unique_ptr<AcDbRegion>> made;
  for (int i = 0; i < regions.length(); ++i) made.emplace_back(static_cast<AcDbRegion*>(regions[i]));
  if (made.empty()) return nullptr;
  return std::move(made.front());
}

}  // namespace

bool ExtrudeRegion(AcDbObjectId curveId, AcDbObjectId& solidId, double height, double taperDegrees) {
  solidId.setNull();
  const std::unique_ptr<AcDbRegion> region = RegionOf(curveId);
  if (region == nullptr) return false;
  auto solid = std::make_unique<AcDb3dSolid>();
  if (solid->extrude(region.get(), height, taperDegrees * std::numbers::pi / 180.0) != Acad::eOk) return false;
  solid->setDatabaseDefaults();
  if (AppendToModelSpace(solid.get(), solidId) != Acad::eOk) return false;
  solid.release();  // the drawing owns it
  return true;
}
