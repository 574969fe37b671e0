// Dropping offset loops that repeat another one: the same id twice, or a loop of
// the same length and area lying on top of another.
#pragma once
#include "platform/cad/db/db_object_id.h"

// Later repeats of an id leave the array; a polyline that duplicates an earlier
// one within 0.9 x |distance| is erased and leaves it. The order stays.
void RemoveDuplicateOffsetLoops(AcDbObjectIdArray& ids, double distance);
// The same test across arrays: only the second array loses members. Always true.
bool RemoveDuplicateCurves(const AcDbObjectIdArray& first, AcDbObjectIdArray& second, double distance);
