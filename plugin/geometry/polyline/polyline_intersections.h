// Where a straight move or another outline crosses a lightweight polyline.
// Both operands are taken as bounded.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_arrays.h"
#include "platform/cad/ge/ge_point2d.h"

// The crossings of the move (at the elevation) with the polyline, appended to
// points. True when there is at least one.
bool IntersectSegmentWithPolyline(const AcGePoint2d& from, const AcGePoint2d& to, double elevation,
                                  AcDbObjectId polylineId, AcGePoint3dArray& points);

// Empties points and fills it with the crossings of the two curves; the number
// of points, 0 on an error.
int PolylinesIntersect(AcDbObjectId first, AcDbObjectId second, AcGePoint3dArray& points);

// PolylinesIntersect, tried again in plan with both elevations set to 0 when it
// finds nothing; the elevations are put back whatever the outcome.
int PolylinesIntersectInPlan(AcDbObjectId first, AcDbObjectId second, AcGePoint3dArray& points);

// The first place where the polyline crosses or touches itself away from its
// own vertices' neighbours (in plan, at its elevation); false when it does
// not, or cannot be read.
bool FindPolylineSelfCrossing(AcDbObjectId polylineId, AcGePoint3d& at);
