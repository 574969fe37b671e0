// A lightweight polyline seen as a list of plane line and arc pieces, as the
// distance, intersection and chaining code walks it.
#pragma once

#include "platform/cad/ge/ge_arrays.h"

class AcDbPolyline;

// Heap AcGeLineSeg2d and AcGeCircArc2d objects in vertex order. The caller owns the
// elements; a segment without length (coincident vertices, a lone point) has none,
// so element i is not always segment i.
using PolylineSegments2d = AcGeVoidPointerArray;

// Number of segments: the closing one counts only on a closed polyline.
int PolylineSegmentCount(const AcDbPolyline* polyline);

// Appends the segments after whatever the list already holds. Arcs keep the
// polyline's direction of travel (clockwise for a negative bulge).
void GetPolylineSegments2d(const AcDbPolyline* polyline, PolylineSegments2d& segments);

// Deletes every element and empties the list.
void DeletePolylineSegments2d(PolylineSegments2d& segments);
