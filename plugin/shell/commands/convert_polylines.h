// Turning picked curves into polylines in their place (command ConvPL).
#pragma once

#include "platform/cad/db/db_object_id.h"

// Joins the curves end to end (within the join tolerance) into polylines in
// model space, closed where the chain closes and open where it does not, and
// erases the curves that went into a polyline; the others stay. False, with
// the drawing unchanged, when no polyline was made.
bool ConvertCurvesToPolylines(const AcDbObjectIdArray& curves);
