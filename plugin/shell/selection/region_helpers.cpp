#include "plugin/shell/selection/region_helpers.h"

#include <memory>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_region.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

// Regions nest only as deep as their faces; a piece list longer than this means
// the pieces do not break down.
constexpr int kMostRegionPieces = 100000;

void DeleteEntities(AcDbVoidPtrArray& entities, int from) {
  for (int i = from; i < entities.length(); ++i) delete static_cast<AcRxObject*>(entities[i]);
  entities.setLogicalLength(0);
}

// The entity's pieces, appended to model space, onto the end of pieces.
bool ExplodeIntoModelSpace(AcDbObjectId id, AcDbObjectIdArray& pieces) {
  AcDbVoidPtrArray parts;
  {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) return false;
    if (entity->explode(parts) != Acad::eOk) {
      DeleteEntities(parts, 0);
      return false;
    }
  }
  AcDbObjectIdArray appended;
  AppendEntitiesToModelSpace(appended, parts);
  pieces.append(appended);
  return true;
}

}  // namespace

bool CreateRegionsFromCurves(AcDbObjectId curveId, AcDbObjectId& regionId) {
  regionId = AcDbObjectId::kNull;
  AcDbVoidPtrArray regions;
  {
    OpenedObject<AcDbCurve> curve(curveId, AcDb::kForRead);
    if (curve.openStatus() != Acad::eOk) return false;
    AcDbVoidPtrArray curves;
    curves.append(curve.object());
    if (AcDbRegion::createFromCurves(curves, regions) != Acad::eOk) {
      DeleteEntities(regions, 0);
      return false;
    }
  }
  if (regions.isEmpty()) return false;
  // Only the first region is kept; the others would be lost unowned.
  std::unique_ptr<AcDbRegion> first(static_cast<AcDbRegion*>(regions[0]));
  DeleteEntities(regions, 1);
  if (AppendToModelSpace(first.get(), regionId) != Acad::eOk) {
    regionId = AcDbObjectId::kNull;
    return false;
  }
  first.release();  // the drawing owns it now
  return true;
}

bool RegionBooleanOper(AcDbObjectId firstId, AcDbObjectId secondId, int operation) {
  if (operation < AcDb::kBoolUnite || operation > AcDb::kBoolSubtract) return false;
  OpenedObject<AcDbRegion> first(firstId, AcDb::kForWrite);
  if (first.openStatus() != Acad::eOk) return false;
  OpenedObject<AcDbRegion> second(secondId, AcDb::kForWrite);
  if (second.openStatus() != Acad::eOk) return false;
  return first->booleanOper(static_cast<AcDb::BoolOperType>(operation), second) == Acad::eOk;
}

bool ExplodeRegionToCurves(AcDbObjectId regionId, AcDbObjectIdArray& pieces) {
  pieces.setLogicalLength(0);
  if (!ExplodeIntoModelSpace(regionId, pieces)) return false;
  int i = 0;
  while (i < pieces.length() && pieces.length() < kMostRegionPieces) {
    if (GetEntityKind(pieces[i]) != kEntityRegion) {
      ++i;
      continue;
    }
    const AcDbObjectId nested = pieces[i];
    pieces.removeAt(i);
    ExplodeIntoModelSpace(nested, pieces);
    EraseObject(nested);
  }
  return !pieces.isEmpty();
}

bool OffsetSolidCopy(AcDbObjectId solidId, double distance, AcDbObjectId& copyId) {
  {
    OpenedObject<AcDb3dSolid> solid(solidId, AcDb::kForRead);
    if (solid.openStatus() != Acad::eOk) return false;
  }
  if (!CloneEntityWithInfo(solidId, copyId)) return false;
  Acad::ErrorStatus es = Acad::eOk;
  {
    OpenedObject<AcDb3dSolid> copy(copyId, AcDb::kForWrite);
    es = copy.openStatus() == Acad::eOk ? copy->offsetBody(distance) : copy.openStatus();
  }
  if (es == Acad::eOk) return true;
  EraseObject(copyId);
  copyId = AcDbObjectId::kNull;
  return false;
}

bool GetSolidExtents(AcDbObjectId solidId, AcGePoint3d& minPoint, AcGePoint3d& maxPoint) {
  OpenedObject<AcDb3dSolid> solid(solidId, AcDb::kForRead);
  if (solid.openStatus() != Acad::eOk) return false;
  AcDbExtents extents;
  if (solid->getGeomExtents(extents) != Acad::eOk) return false;
  minPoint = extents.minPoint();
  maxPoint = extents.maxPoint();
  return true;
}

int AddToolInfoMarker(AcDbObjectIdArray& ids, const CToolShapeDlg& tool, int /*toolNumberOn*/, int toolNumber,
                      int lengthOffsetOn, int lengthOffsetNumber, AcDbObjectId entityId) {
  AcDbObjectId markerId;
  const bool marked = AddMarkerPoint(1, markerId, 0.0, entityId);
  if (marked) ids.append(markerId);
  AcDbObjectId infoId;
  const bool attached =
      AttachToolInfoFromDialog(infoId, entityId, tool, toolNumber, lengthOffsetOn, lengthOffsetNumber) &&
      !infoId.isNull();
  if (attached) ids.append(infoId);
  return marked && attached ? 1 : 0;
}
