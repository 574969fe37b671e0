// Offsets of closed lightweight polylines that survive awkward outlines and hand
// back only clean closed loops, new in model space and owned by the caller.
#pragma once
#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point3d.h"

// The least positive status value of an offset that needed retries; the pocket
// pattern sets it to 99999 before a run and reads it afterwards.
extern int OffsetRetryLevel;

// Side 1 offsets to the other side than side 0 for the same distance. The result
// is emptied first; true when at least one loop came back at the elevation.
bool OffsetPolyline(AcDbObjectId sourceId, AcDbObjectIdArray& result, double distance, double elevation,
                    unsigned char side);
bool OffsetPolylineEx(int statusValue, AcDbObjectId sourceId, AcDbObjectIdArray& result, double distance,
                      double elevation, unsigned char side);
// One try (and one after nudging parallel edges); every piece, open or closed, is kept.
bool OffsetPolylineSimple(AcDbObjectId sourceId, AcDbObjectIdArray& result, double distance, double elevation,
                          unsigned char side);
// The trimmed offset of the outline opened just past a straight start; one closed
// polyline at the source's elevation.
bool OffsetPolylineTrimmed(AcDbObjectId sourceId, AcDbObjectId& resultId, double distance);
// The point at half the curve's length; false when the curve cannot be read.
bool GetCurveMidPoint(AcDbObjectId curveId, AcGePoint3d& point);
