// Removing vertices that add nothing to an outline: closing repeats, zero-length
// and collinear steps, tiny arcs, near-chord vertices and duplicates. The list
// forms take their list by value and apply the single form to each member.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_arrays.h"

class AcDbPolyline;

// Closed: drops the last vertex when it lies within the tolerance of vertex 0.
// Open: drops it when the ends meet within the tolerance, then closes the
// polyline whatever the ends. A polyline of two vertices keeps both.
void RemoveClosingVertex(AcDbPolyline* polyline, double tolerance);
bool CloseWithTolerance(AcDbObjectId id, double tolerance);
bool RemoveCoincidentVertices(AcDbObjectId id);
void RemoveShortSegmentsInList(AcDbObjectIdArray ids, double tolerance);

// Zero-length steps (shorter than the tolerance) and straight runs whose
// direction turns by less than the tolerance read in degrees; the Open form
// leaves the vertices around the closing segment alone.
bool RemoveCollinearVertices(AcDbObjectId id, double tolerance);
bool RemoveCollinearVerticesOpen(AcDbObjectId id, double tolerance);
void RemoveCollinearVerticesInList(AcDbObjectIdArray ids, double tolerance);

// Vertices closer than 0.0001 to the next go; arcs shorter than 0.01 straighten.
bool RemoveShortArcs(AcDbObjectId id);

// Inner vertices between straight segments lying closer than the tolerance to the
// chord of their neighbours.
bool SimplifyPolyline(AcDbObjectId id, double tolerance);
void SimplifyPolylines(AcDbObjectIdArray ids, double tolerance);

// Vertices closer than 0.0001 to the last kept one; polylines of more than
// 100000 vertices are left as they are.
bool RemoveDuplicateVertices(AcDbObjectId id);
void RemoveDuplicateVerticesInList(AcDbObjectIdArray ids);
