// Running a curve the other way round, in place.
#pragma once

#include "platform/cad/db/db_object_id.h"

class AcDbPolyline;

// Lines, arcs, circles and lightweight polylines; false for anything else.
bool ReverseCurve(AcDbObjectId id);
// The vertices in reverse order with negated bulges; a closed polyline stays closed.
void ReversePolylineVertices(AcDbPolyline* polyline);
bool ReversePolyline(AcDbObjectId id);
