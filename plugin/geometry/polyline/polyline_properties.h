// Small reads and writes on lightweight polylines given by id: closed flag,
// elevation, vertex count and the feed that lead moves keep in vertex widths.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point2d.h"

class AcDbPolyline;

// False when the id is no lightweight polyline or cannot be opened for write.
bool SetPolylineClosed(AcDbObjectId id, bool closed);
bool SetPolylineElevation(AcDbObjectId id, double elevation);
bool GetPolylineElevation(AcDbObjectId id, double& elevation);
// A copy in model space at the elevation. False, with a null copy id, when the
// source is no lightweight polyline or the copy could not be appended.
bool ClonePolylineAtElevation(AcDbObjectId id, AcDbObjectId& copyId, double elevation);
// The host's closed test of any curve; false when it cannot be opened.
bool IsCurveClosed(AcDbObjectId id);
// 0 when the id is no lightweight polyline or cannot be opened.
int GetPolylineVertexCount(AcDbObjectId id);

// A vertex at the end, widths taken from the polyline's constant width.
void AppendPolylineVertex(AcDbPolyline* polyline, const AcGePoint2d& point, double bulge);
// The feed of the vertex's start width; false (feed untouched) when it has none.
bool GetVertexFeed(const AcDbPolyline* polyline, int vertexIndex, int& feed);
