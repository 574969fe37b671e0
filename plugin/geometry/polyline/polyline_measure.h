// Measures of outlines: length, area, orientation, containment of a point, the
// start direction of a curve and the gaps of a chain of curves.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_arrays.h"
#include "platform/cad/ge/ge_point3d.h"

// Straight lengths plus the arcs' lengths; 0 when the id is no lightweight polyline.
double GetPolylineLength(AcDbObjectId id);
// The host's area of a curve; 0.0 when it has none or cannot be opened.
double GetCurveArea(AcDbObjectId id);
// Index of the largest area (the first of equal ones); -1 when no area is above 0.
int FindLargestAreaCurve(const AcDbObjectIdArray& ids);

// Summed turning of the segments. Tiny arcs are straightened first (the polyline
// changes). An open polyline counts with a straight closing segment back to
// vertex 0, so an open chain reads as the outline it and its chord make.
// False, with a message, when the polyline cannot be opened.
bool IsPolylineClockwise(AcDbObjectId id);

// Whether the point lies inside the outline (an open polyline is taken as closed
// by its chord), arcs included, tested in the polyline's plane.
bool IsPointInsidePolyline(AcDbObjectId id, const AcGePoint3d& point);

// Degrees 0 .. 360 of the direction at the curve's start: start to end of a line,
// else the first 0.1 of the curve. False for points and for what cannot be read.
bool GetStartDirectionAngle(AcDbObjectId id, double& degrees);

// The largest gap from the running end of one curve to the nearer end of the
// next, and back from the last curve to the chain's start. True when that gap is
// within the join tolerance. False, with gap 0, for an empty list or a curve
// without end points.
bool CheckChainGaps(const AcDbObjectIdArray& ids, double& largestGap);
