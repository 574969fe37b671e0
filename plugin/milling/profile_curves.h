// The polylines a profile machines, made of the curves the user picked.
#pragma once

#include "platform/cad/db/db_object_id.h"

// Groups the picked curves, in pick order, into chains whose ends meet within
// the join tolerance and makes one new polyline in model space of each chain,
// appended to curves in chain order. A chain runs the way its first curve runs
// into its second. False, with every polyline of the call erased and curves as
// it was, when a curve's end points cannot be read or a chain makes no polyline.
bool BuildProfileCurves(const AcDbObjectIdArray& selection, AcDbObjectIdArray& curves);
