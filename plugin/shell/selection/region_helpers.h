// Regions and 3D solids through the modeler, and the tool marker of a toolpath.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point3d.h"

class CToolShapeDlg;

enum RegionBooleanKind { kRegionUnion = 0, kRegionIntersection = 1, kRegionSubtraction = 2 };

// One region from one closed curve, appended to model space. False when the
// curve cannot be opened or makes no region.
bool CreateRegionsFromCurves(AcDbObjectId curveId, AcDbObjectId& regionId);
// first = first (op) second; the second region is left empty by the modeler.
// False when either cannot be opened or the operation fails.
bool RegionBooleanOper(AcDbObjectId firstId, AcDbObjectId secondId, int operation);
// The region's pieces, appended to model space, with nested regions broken down
// in turn (and erased). The region itself stays. True when pieces were made.
bool ExplodeRegionToCurves(AcDbObjectId regionId, AcDbObjectIdArray& pieces);

// A copy of the solid (with its information) whose faces are offset by the
// distance; the copy is erased and false returned when the offset fails.
bool OffsetSolidCopy(AcDbObjectId solidId, double distance, AcDbObjectId& copyId);
bool GetSolidExtents(AcDbObjectId solidId, AcGePoint3d& minPoint, AcGePoint3d& maxPoint);

// A type-1 marker at the entity's start, then the point carrying the tool
// information of the dialog and the numbers; each id appended when made.
// 1 when both were made, else 0. The tool-number switch is not stored.
int AddToolInfoMarker(AcDbObjectIdArray& ids, const CToolShapeDlg& tool, int toolNumberOn, int toolNumber,
                      int lengthOffsetOn, int lengthOffsetNumber, AcDbObjectId entityId);
