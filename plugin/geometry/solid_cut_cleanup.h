// Section loops of a solid, cut along one raster line, turned into the open
// passes a tool coming from above follows. The loops lie in a frame in which X
// runs along the raster line and Y is the height; they arrive closed and
// clockwise, and the passes leave open, running towards rising X.
#pragma once

#include "platform/cad/db/db_object_id.h"

// The floor under every pass of the solid cut.
constexpr double kPassFloorY = -100.0;

// Every arc is split where it crosses an axis direction of its circle, so that X
// and Y change one way only along each segment. False when the polyline cannot
// be opened for write.
bool SplitArcsAtQuadrants(AcDbObjectId polylineId);
// Each in order; the list is freed. Always true.
bool RebuildPassArcs(AcDbObjectIdArray ids);

// Replaces the loops by the clockwise outlines of the area between them and the
// floor, at the first loop's elevation. The loops and everything made on the way
// are erased. True when the list holds an outline at the end.
bool CleanUpCutPasses(AcDbObjectIdArray& ids, double passFloorY);

// The runs of rising X of one closed polyline, as new polylines in model space
// (the out list is emptied first). The source stays, rotated to start at its
// vertex of least X. True when a run was made.
bool SplitPassIntoXRuns(AcDbObjectId polylineId, AcDbObjectIdArray& runs);
// The runs of every listed polyline, least start X first (equal ones keep their
// order). The list is freed. True when a run was made.
bool SplitAndSortPasses(AcDbObjectIdArray ids, AcDbObjectIdArray& runs);

// Opens the polyline and drops the vertical walls at both ends; at least two
// vertices stay. False when it cannot be opened for write.
bool TrimVerticalEnds(AcDbObjectId polylineId);
// Each in order; the list is freed. Always true.
bool TrimPassEnds(AcDbObjectIdArray ids);
