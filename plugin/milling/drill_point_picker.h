// Picking drill holes in the drawing: typed or picked coordinates, the centres
// of picked circles and arcs (with circles of the same size taken along on
// request), and the circles and point entities in a window, a polygon or the
// whole drawing. Holes are kept in world coordinates.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_arrays.h"

// Runs picking passes by the point mode (which the keyword Other may change)
// until one ends. Circles and arcs that give a hole are highlighted; picking
// one again takes its hole out. Only shown entities that belong to no stored
// toolpath are taken. True when the list holds a point afterwards.
bool PickDrillPoints(AcGePoint3dArray& points, int& pointMode, int autoSelect, int circlesOnly);

// Of points closer than tolerance to an earlier one, only the earlier stays.
void RemoveNearbyDuplicates(AcGePoint3dArray& points, double tolerance);

// The shown circles of the drawing whose centres are held points.
AcDbObjectIdArray ShownCirclesAtPoints(const AcGePoint3dArray& points);
