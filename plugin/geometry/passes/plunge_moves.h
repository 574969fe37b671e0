// The Z moves of a plunge record around a pass: the approach to its start, the
// retract after it, and the plunge itself by ramp, helix or slot. New ids are
// appended to the caller's list in drawing order.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point3d.h"
#include "plugin/geometry/passes/plunge_dlg.h"

// Height over the pass start at which the plunge of the record's method begins.
double PlungeLength(const CPlungeDlg& plunge);

void AddPlungeApproachMoves(const CPlungeDlg& plunge, AcDbObjectIdArray& ids, const AcGePoint3d& from,
                            const AcGePoint3d& to);
void AddLinkPlungeMoves(const CPlungeDlg& plunge, AcDbObjectIdArray& ids, const AcGePoint3d& from,
                        const AcGePoint3d& to);
// From the approach point down onto the pass start. False, with nothing added,
// when the pass cannot be opened.
bool AddPlungeMove(const CPlungeDlg& plunge, AcDbObjectId passId, const AcDbObjectIdArray& boundaryIds,
                   AcDbObjectIdArray& ids, const AcGePoint3d& approach, const AcGePoint3d& start);
