// One polyline from the first chain that the curves, taken in their order,
// make: the grooving profile's way of joining its curves.
#pragma once

#include "platform/cad/db/db_object_id.h"

// Ends meet when closer than the tolerance. Each curve in turn starts a chain
// from the curves after it until one chain is built: a chain that comes back to
// its start, or one that takes the last curve of the list (open or not), or a
// lone curve given alone. polylines is replaced by the one polyline made. False
// when none was made, and, with polylines empty, when a curve it reached has no
// end points. The curves stay in the drawing.
bool CollectCurveVectors(AcDbObjectIdArray curves, AcDbObjectIdArray& polylines, double tolerance);
