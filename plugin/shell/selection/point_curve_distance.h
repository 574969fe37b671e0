// How far a point is from the lines and outlines of a list.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point3d.h"

// What the least distance starts at; a result still equal to it measured nothing.
constexpr double kNoCurveDistance = 99999.0;

// The least distance from the point to the listed lines (each taken as the
// unbounded line through its ends) and lightweight polylines (in plan); other
// entities and ids that cannot be opened are passed over. The list is freed.
double DistancePointToCurve(AcDbObjectIdArray ids, const AcGePoint3d& point);
