// Picked curves, in any order and direction, joined end to end into new
// lightweight polylines in model space, one per chain. The curves stay in the
// drawing (a polyline run backwards is reversed in place). Ends meet when they are
// less than the settings' join tolerance apart.
#pragma once

#include "platform/cad/db/db_object_id.h"

// Closed chains only, built with exact arcs; each result is then closed within the
// closing tolerance. The results replace the out list. False when none was made,
// and, with every polyline of the run erased, when a curve has no end points.
bool ChainCurvesToPolyline(AcDbObjectIdArray curves, AcDbObjectIdArray& polylines, double closingTolerance);
bool ChainCurvesToPolyline(AcDbObjectIdArray curves, AcDbObjectIdArray& polylines);
// The same with every curve but lines and polylines made into chords.
bool ChainCurvesToPolylineLines(AcDbObjectIdArray curves, AcDbObjectIdArray& polylines, double closingTolerance);

// Nothing is dropped: open chains become open polylines, and a closed chain with
// a wider joint is built with that joint as join tolerance. The results are
// appended to the out list.
bool ChainBoundaryCurves(AcDbObjectIdArray curves, AcDbObjectIdArray& polylines);
