// Small pieces of geometry shared by the solid-cut pass clean-up: where arcs
// cross the axis directions of their circle, how steep a direction is, and new
// polylines from vertex lists.
#pragma once

#include <vector>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/db_object_id.h"
#include "plugin/geometry/polyline/polyline_vertices.h"

// Fractions of the sweep, strictly inside the arc and rising, at which it passes
// 0, 90, 180 or 270 degrees about its centre.
std::vector<double> QuadrantCutFractions(const curve::Arc2& arc);

// Steepness of a direction given in degrees: 0 for level, 90 for vertical,
// whichever way it runs.
double FoldedSlopeDegrees(double directionDegrees);
// Steepness of the arc's direction of travel at the fraction of its sweep.
double ArcSlopeDegrees(const curve::Arc2& arc, double fraction);

// A new polyline in model space; null, with nothing left over, when the drawing
// refuses it.
AcDbObjectId AddPolylineOfVertices(const std::vector<PolylineVertex>& vertices, double elevation, bool closed);
