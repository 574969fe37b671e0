// Keeping the parts of solid-cut passes whose steepness lies within a range.
#pragma once

#include "platform/cad/db/db_object_id.h"

// New polylines in model space holding the parts of the listed passes whose
// slope lies between the least and the greatest slope (degrees, 0 level to 90
// vertical); arcs are cut where their slope leaves the range. The passes stay;
// the list is freed. False, with the out list untouched, for an empty list;
// else the out list is replaced and the result is true when it holds a part.
bool SplitPassesAtArcs(AcDbObjectIdArray ids, AcDbObjectIdArray& parts, double leastSlope, double greatestSlope);
