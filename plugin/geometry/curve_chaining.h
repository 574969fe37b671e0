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

// Two uses told by the tolerance's sign, whose size is the closing tolerance.
// Positive (a pocket's pick): closed chains only, a wider joint built with it
// when the user agrees; the largest outline becomes the boundary, those inside
// it the islands (out list replaced, each closed within the tolerance), the
// others are erased. False, with nothing left in the drawing, when no outline
// has an area.
// Negative (curves converted in place): as ChainBoundaryCurves, but the results
// replace the out list and the boundary is left alone.
// joinedCurves, when given, receives the source curves of the polylines kept.
bool ChainCurvesToPolylineAsk(AcDbObjectIdArray curves, AcDbObjectId& boundary, AcDbObjectIdArray& polylines,
                              double signedTolerance, AcDbObjectIdArray* joinedCurves = nullptr);
