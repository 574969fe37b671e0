// The gouge-check outline of the solid cut and the Z-level contour: always
// copies of the user's curve, which stays as it was picked.
#pragma once

#include "platform/cad/db/db_object_id.h"

// Copies of the picked closed flat curve at the elevation, closed and running
// clockwise, grown outwards by the widening when it exceeds 0.01 either way.
// The copies are new entities in model space; false, with none left, when no
// copy could be made.
bool MakeGougeOutlines(AcDbObjectId picked, double elevation, double widening, AcDbObjectIdArray& outlines);

// The offsets of a closed outline by the distance, outwards (negative:
// inwards), whichever way it runs. False, with none left, when none was made.
bool GrowOutlineOutwards(AcDbObjectId outline, double distance, double elevation, AcDbObjectIdArray& grown);

// The solid keeps only what lies inside the prisms of the outlines (keepInside)
// or loses it; the prisms reach from the outlines' elevation down to bottomZ and
// are erased again. False, with the solid as it was, when a prism or the
// boolean fails.
bool TrimSolidToOutlines(AcDbObjectId solid, const AcDbObjectIdArray& outlines, double bottomZ, bool keepInside);
