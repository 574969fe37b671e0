// Union of two closed outlines that overlap, and the pocket's join of two offset
// loops that cross. Results are new lightweight polylines in model space; the
// two given polylines stay as they were.
#pragma once

#include "platform/cad/db/db_object_id.h"

class OutlineStore;

// The union outline(s). False, with nothing left in the drawing, when the two
// do not cross, are the same polyline or stand apart.
bool MergeClosedPolylines(AcDbObjectId first, AcDbObjectId second, AcDbObjectIdArray& merged);

// Keeps the pieces of the two loops that lie at the offset from the references:
// pieces of the first loop are measured against the first list, pieces of the
// second against the second. With side 1 a piece of the second loop stays when
// it lies inside the first loop, otherwise when it lies outside. References found
// in the store are taken from it rather than read again.
bool MergeOffsetLoops(AcDbObjectId first, AcDbObjectId second, AcDbObjectIdArray firstReferences,
                      AcDbObjectIdArray secondReferences, double offset, AcDbObjectIdArray& merged, unsigned char side,
                      const OutlineStore* store = nullptr);
