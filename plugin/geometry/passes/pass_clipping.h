// Passes cut where they cross closed boundaries, keeping what lies inside the
// boundaries or what lies outside them.
#pragma once

#include "platform/cad/db/db_object_id.h"

// The boundaries are moved to the first pass's elevation (and stay there). Each
// pass is cut at its crossings with all boundaries; a part is inside when its
// midpoint lies inside any boundary. Kept parts are appended to model space, a
// pass kept whole is copied with its tool information; the passes themselves
// stay. keepOutside 0 keeps the inside, 1 the outside. Both lists are freed;
// clipped is replaced. True when something was kept.
bool ClipPassesToRegion(AcDbObjectIdArray passes, AcDbObjectIdArray boundaries, AcDbObjectIdArray& clipped,
                        unsigned char keepOutside);
