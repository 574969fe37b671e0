// A lightweight polyline's vertices as plain values, for the utilities that
// rebuild a polyline from a reworked copy of its vertex list.
#pragma once

#include <functional>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point2d.h"

class AcDbPolyline;

struct PolylineVertex {
  AcGePoint2d point;
  double bulge = 0.0;
  // Widths carry lead-move feeds, so they travel with their vertex.
  double startWidth = 0.0;
  double endWidth = 0.0;
};

std::vector<PolylineVertex> ReadPolylineVertices(const AcDbPolyline* polyline);
// Replaces every vertex; the closed flag, elevation and the rest stay.
void WritePolylineVertices(AcDbPolyline* polyline, const std::vector<PolylineVertex>& vertices);

// Segment i of the list, the last one running back to vertex 0.
curve::BulgeSeg SegmentOf(const std::vector<PolylineVertex>& vertices, std::size_t index);
// A part of an arc keeps the arc's centre: tan(atan(bulge) x fraction).
double PartialBulge(double bulge, double fraction);

// Opens the polyline for write, lets the edit rework its vertex list and writes
// the list back. False when the id is no lightweight polyline or cannot be opened.
bool EditPolylineVertices(AcDbObjectId id, const std::function<void(std::vector<PolylineVertex>&, bool closed)>& edit);

// Direction of travel from a to b in radians, 0 to below 2 pi.
double DirectionRadians(const AcGePoint2d& a, const AcGePoint2d& b);
