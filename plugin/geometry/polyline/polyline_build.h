// New polylines made from other curves of the drawing.
#pragma once

#include "platform/cad/db/db_object_id.h"

// Walks lines and lightweight polylines in list order, joining each to the one
// before while it starts within the gap of the running end; a wider step starts
// a new polyline. Polylines of more than one vertex go to model space, their ids
// to the out list. False at the first entity of another kind (the polylines made
// so far stay) or one that cannot be read.
bool JoinLinesIntoPolyline(const AcDbObjectIdArray& ids, double gap, AcDbObjectIdArray& polylines);

// Each curve of the list becomes a two-vertex polyline from its start to its end
// point (a point a zero-length one) in its place in the list; the curve is erased.
// An entity without end points, or whose polyline could not be made, stays as it
// was. False when any stayed.
bool MakeTwoPointPolylines(AcDbObjectIdArray& ids);
