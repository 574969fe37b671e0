// The helix, slot or descent-along-the-pass plunge drawn as one open 3D polyline
// from a height over the pass start down to it.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point3d.h"
#include "plugin/geometry/passes/plunge_dlg.h"

enum PlungePolylineKind {
  kNoPlungePolyline = 0,
  kHelixPlunge = 2,
  kSlotPlunge = 3,
  kDescentAlongPass = 4,
};

// Builds the plunge onto start (only the Z of top is used) fitted to the free room
// left by the boundaries (none when the list is empty) and appends it to model
// space. The kind built, kNoPlungePolyline (with a null id) when none.
int Make3dPolylineMove(const CPlungeDlg& plunge, AcDbObjectId passId, const AcDbObjectIdArray& boundaryIds,
                       const AcGePoint3d& start, const AcGePoint3d& top, AcDbObjectId& polylineId);
