// The picks the solid cut and the Z-level contour share: the model solid, the
// machining direction by three points and the gouge-check polyline.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point3d.h"

class CAcUiDialog;

// "\n 가공 모델을 선택하시요."; null when the pick is cancelled. What is picked
// is not checked here (SolidModelAccepted does).
AcDbObjectId PickModelEntity();
// True for a 3D solid of the working drawing; else a message, once.
bool SolidModelAccepted(AcDbObjectId id);

// The three points of the direction pick; false when one is not given.
bool PickMachiningDirection(AcGePoint3d& first, AcGePoint3d& second, AcGePoint3d& third);

// "\n 간섭체크 PolyLine": a flat closed curve, highlighted; a curve that is not
// flat gives a message, an open one is passed over. Null when none was taken.
AcDbObjectId PickGougePolyline();
// The gouge pick from a dialog's button: the dialog steps aside, and the id
// changes only when a polyline was taken.
void PickGougeOutline(CAcUiDialog& dialog, AcDbObjectId& gougeId);
// False, with a message, while the gouge check is on but no live polyline is picked.
bool GougeOutlineReady(int gougeCheckOn, const AcDbObjectId& gougeId);
