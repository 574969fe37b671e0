// The outlines the simple cycles cut as polyline vertices: rectangles with
// sharp or rounded corners and circles, counter-clockwise, each from its start
// round and back to it.
#pragma once

#include <vector>

#include "plugin/geometry/polyline/polyline_vertices.h"

// A counter-clockwise quarter arc.
double QuarterArcBulge();

// Appends vertices; one that falls on the last only passes its bulge on.
class OutlineVertices {
 public:
  explicit OutlineVertices(std::vector<PolylineVertex>& vertices) : vertices_(vertices) {}
  void Add(double x, double y, double bulge = 0.0);

 private:
  std::vector<PolylineVertex>& vertices_;
};

// Half sizes ax, ay about (cx, cy), corners of radius r (0: sharp; at most the
// smaller half size). Starts at the middle of the long side's positive half:
// (cx, cy + ay) along the top toward -X when X is the long axis, else
// (cx + ax, cy) up the right edge.
void AddRectangleOutline(OutlineVertices& out, double cx, double cy, double ax, double ay, double r, bool longAxisX);
// A full circle of radius r from (cx + r, cy), in four quarter arcs.
void AddCircleOutline(OutlineVertices& out, double cx, double cy, double r);
