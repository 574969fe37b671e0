// Reshaping corners of an outline before it is offset: small arcs made sharp,
// neighbouring arcs of one circle merged, parallel edges pulled apart a little.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_arrays.h"

class AcDbPolyline;

// Arcs of radius below the threshold become the corner where their end tangents
// meet (the chord when the arc turns nearly a half turn or more). Side 1 leaves
// clockwise arcs alone, side 0 counter-clockwise ones, any other side neither. The
// closing segment stays as it is. False, with a message, for anything but a
// lightweight polyline.
bool SharpenSmallArcs(AcDbObjectId id, double radiusThreshold, int side);

// Two arcs in a row turning the same way on one circle (within 0.01) become one.
bool MergeCoCircularArcs(AcDbObjectId id);
void RemoveCoCircularVerticesInList(AcDbObjectIdArray ids);

// Moves a vertex by 0.00001 where two straight edges run parallel less than
// twice the distance apart, or antiparallel exactly that far apart, so that an
// offset by the distance has something to find. True when a vertex moved.
bool NudgeParallelVertices(AcDbPolyline* polyline, double distance);
