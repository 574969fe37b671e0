// Rebuilding a polyline's vertex list: a new start, midpoints on every segment,
// pieces between points, and chords in place of arcs.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_arrays.h"
#include "platform/cad/ge/ge_point2d.h"

class AcDbPolyline;

// Makes the closed polyline start at the parameter (an open one whose ends meet
// within 0.001 is closed first). With skipArcs 1 a start on an arc moves on to
// the next straight segment. False, with the polyline as it was, for a parameter
// off the polyline and for an open polyline whose ends are apart.
bool SetPolylineStartVertex(AcDbObjectId id, double parameter, unsigned char skipArcs);

// Makes the closed polyline start where it comes nearest the point (the first
// such place along it). False when it is not closed or cannot be read.
bool StartClosedPolylineNearest(AcDbObjectId id, const AcGePoint2d& point);

// Every segment becomes two halves of itself; a closed polyline gets exactly
// twice its vertices, an open one keeps its last vertex after the halves.
bool SplitSegmentsAtMidpoints(AcDbObjectId id);

// New polylines, not in any drawing, between consecutive points in the order of
// their parameters; points off the polyline are dropped. A closed polyline also
// gives the piece from the last point over its start vertex to the first (with
// one point, the whole outline opened there). Each piece has the polyline's
// plane, elevation and properties. True when a piece was made.
bool SplitPolylineAtPoints(const AcDbPolyline* polyline, const AcGePoint3dArray& points, AcDbVoidPtrArray& pieces);

// A copy in model space whose arcs are chords no farther than the tolerance
// (at least 0.001) from them; the copy keeps the plane, elevation and the feed in
// its thickness. False for anything but a lightweight polyline.
bool LinearizePolylineArcs(AcDbObjectId id, double tolerance, AcDbObjectId& copyId);
