// Picking a polygon of points with rubber bands, and handing a point list to
// the host's polygon selection.
#pragma once

#include "platform/cad/db/filing/resbuf.h"
#include "platform/cad/ge/ge_arrays.h"

class CPointPrompt;

// Asks for points (in the UCS) until something other than a point is entered.
// 0 with at least two points; 3, after a message, with fewer. No rubber band
// stays on the screen.
int PickPolygonPoints(AcGePoint3dArray& points);
// The same with the caller's prompt (its message, keywords and empty-answer
// rule), without the count check: the CPointPrompt result of the answer that
// was no point.
int AskPolygonPoints(CPointPrompt& prompt, AcGePoint3dArray& points);

// One RT3DPOINT buffer per point, in order; the caller frees it with acutRelRb.
// Null for no points or when a buffer cannot be made.
resbuf* PointsToResbufChain(const AcGePoint3dArray& points);
