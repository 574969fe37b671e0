// Simple profile cycle: the pass outlines of a rectangle, rounded rectangle or
// circle given by numbers, on it, inside it or outside it, layer by layer.
#pragma once

#include <vector>

#include "platform/cad/ge/ge_point2d.h"
#include "plugin/geometry/polyline/polyline_vertices.h"

enum SimpleProfileType { kSimpleProfileRectangle = 1, kSimpleProfileRounded = 2, kSimpleProfileCircle = 3 };
enum SimpleProfileSide { kProfileSideOn = 1, kProfileSideInside = 2, kProfileSideOutside = 3 };

// The shape as the generator sees it: centre and size already taken from the
// shape input type.
struct SimpleProfileShape {
  int type = kSimpleProfileRectangle;
  int side = kProfileSideOn;
  AcGePoint2d centre;
  double sizeX = 0.0, sizeY = 0.0;
  double cornerRadius = 0.0;  // rounded rectangle only
  double circleRadius = 0.0;  // circle only
  double toolDiameter = 0.0;
  double allowance = 0.0;
  double stepover = 0.0;
  int passCount = 1;
  bool singleTaper = true;
  double taper = 0.0;  // degrees, single taper
  double taperXMinus = 0.0, taperXPlus = 0.0, taperYMinus = 0.0, taperYPlus = 0.0;
};

struct SimpleProfilePass {
  std::vector<PolylineVertex> vertices;  // counter-clockwise round and back to its start
  double z = 0.0;
};

struct SimpleProfilePlan {
  std::vector<SimpleProfilePass> passes;  // pass by pass, each from the top layer down
  int skipped = 0;                        // outlines that closed up to nothing
};

// How far the tool centre of pass i stays from the outline, positive inward.
double ProfilePassOffset(const SimpleProfileShape& shape, int pass);
// Passes the side makes: one on the outline, else the pass count.
int ProfilePassTotal(const SimpleProfileShape& shape);

// Layer j lies at layerZ[j], depthBelowStart[j] below the start height.
SimpleProfilePlan PlanSimpleProfile(const SimpleProfileShape& shape, const std::vector<double>& layerZ,
                                    const std::vector<double>& depthBelowStart);

// A rounded rectangle whose corner radius exceeds a half size has no outline.
bool ProfileCornerFits(const SimpleProfileShape& shape);
