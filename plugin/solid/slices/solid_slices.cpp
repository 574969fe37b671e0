#include "plugin/solid/slices/solid_slices.h"

#include "platform/cad/db/db_extents.h"
#include "platform/cad/ge/ge_plane.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_region.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection/region_helpers.h"
#include "plugin/shell/selection/section_curve_loops.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

bool IsMachinableSolid(AcDbObjectId id) {
  if (id.isNull()) return false;
  OpenedObject<AcDb3dSolid> solid(id, AcDb::kForRead);
  return solid.openStatus() == Acad::eOk && !solid->isNull();
}

bool CheckSolidModelIds(AcDbObjectId model, AcDbObjectId stock) {
  if (IsMachinableSolid(model) && (stock.isNull() || IsMachinableSolid(stock))) return true;
  ShowFormInformation(MsgOnlySolidsMachined, kFormQuestionCaption);
  return false;
}

bool GetSolidZRange(AcDbObjectId solid, double& bottom, double& top) {
  AcGePoint3d low, high;
  if (!GetSolidExtents(solid, low, high)) return false;
  bottom = low.z;
  top = high.z;
  return true;
}

bool GetSolidSection(AcDbObjectId solidId, const AcGePlane& plane, AcDbObjectId& regionId) {
  regionId.setNull();
  AcDbRegion* region = nullptr;
  {
    OpenedObject<AcDb3dSolid> solid(solidId, AcDb::kForRead);
    if (solid.openStatus() != Acad::eOk) return false;
    if (solid->getSection(plane, region) != Acad::eOk || region == nullptr) return false;
  }
  if (AppendToModelSpace(region, regionId) != Acad::eOk) {
    delete region;
    regionId.setNull();
    return false;
  }
  return true;
}

bool SectionSolidAtZ(double z, AcDbObjectId solid, AcDbObjectId& region) {
  for (const double lift : {0.0, 0.0001, 0.001}) {
    const AcGePlane plane(AcGePoint3d(0.0, 0.0, z + lift), AcGeVector3d::kZAxis);
    if (GetSolidSection(solid, plane, region)) return true;
  }
  return false;
}

bool SectionLoopsAtZ(AcDbObjectId solid, double sectionZ, double loopZ, SectionLoops& loops) {
  loops.outer.setLogicalLength(0);
  loops.holes.clear();
  AcDbObjectId region;
  if (!SectionSolidAtZ(sectionZ, solid, region)) return false;
  const bool made = ExplodeToCurveLoops(region, loops.outer, loops.holes, loopZ);
  EraseObject(region);
  if (made && !loops.outer.isEmpty()) return true;
  EraseSectionLoops(loops);
  return false;
}

void EraseSectionLoops(SectionLoops& loops) {
  EraseEntityArray(loops.outer);
  for (AcDbObjectIdArray& holes : loops.holes) EraseEntityArray(holes);
  loops.holes.clear();
}

bool SubtractSolidClone(AcDbObjectId target, AcDbObjectId tool) {
  AcDbObjectId clone;
  if (!CloneEntityWithInfo(tool, clone)) return false;
  Acad::ErrorStatus es = Acad::eOk;
  {
    OpenedObject<AcDb3dSolid> result(target, AcDb::kForWrite);
    OpenedObject<AcDb3dSolid> cutter(clone, AcDb::kForWrite);
    if (result.openStatus() != Acad::eOk)
      es = result.openStatus();
    else if (cutter.openStatus() != Acad::eOk)
      es = cutter.openStatus();
    else
      es = result->booleanOper(AcDb::kBoolSubtract, cutter.object());
  }
  EraseObject(clone);
  return es == Acad::eOk;
}

void HelperSolids::release(AcDbObjectIdArray& taken) {
  taken.append(ids_);
  ids_.setLogicalLength(0);
}

void HelperSolids::eraseAll() { EraseEntityArray(ids_); }

bool CloneHiddenSolids(const AcDbObjectIdArray& sources, HelperSolids& clones) {
  HelperSolids made;
  for (int i = 0; i < sources.length(); ++i) {
    AcDbObjectId copy;
    if (!CloneEntityWithInfo(sources[i], copy)) return false;
    made.add(copy);
    SetEntityVisibility(copy, 0);
  }
  AcDbObjectIdArray taken;
  made.release(taken);
  for (int i = 0; i < taken.length(); ++i) clones.add(taken[i]);
  return true;
}
