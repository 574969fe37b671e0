// Simple circular cycle: the ring between two diameters cut as concentric
// circles, one spiral or radial lines.
#pragma once

#include <utility>
#include <vector>

#include "platform/cad/ge/ge_point2d.h"
#include "plugin/geometry/polyline/polyline_vertices.h"

enum RadialPathShape { kRadialCircles = 1, kRadialSpiral = 2, kRadialLines = 3 };
enum RadialCompensation { kRadialOn = 1, kRadialOutside = 2, kRadialInside = 3 };

struct SimpleRadialShape {
  int pathShape = kRadialCircles;
  int compensation = kRadialOn;
  bool startOutside = true;
  double innerDiameter = 0.0;
  double outerDiameter = 0.0;
  double toolDiameter = 0.0;
  double allowance = 0.0;
  double stepover = 1.0;
  AcGePoint2d centre;
};

// The tool centre's ring after compensation; outer never below inner.
struct RadialRing {
  double inner = 0.0;
  double outer = 0.0;
  double width() const { return outer - inner; }
};
RadialRing CompensatedRadialRing(const SimpleRadialShape& shape);

// Rings of the circles: trunc(w / stepover) + 1, at least 1.
int RadialRingCount(const RadialRing& ring, double stepover);
// The circles as one polyline's vertices, from the outer ring in.
std::vector<PolylineVertex> RadialCirclePath(const SimpleRadialShape& shape);

// Turns of the spiral and their spacing; the turns end at the outer radius.
int RadialSpiralTurns(const RadialRing& ring, double stepover, double& spacing);
// Points on a turn at radius rho whose chords stay within 0.01 of the circle (a real count).
double SpiralPointsPerTurn(double rho);
// The spiral as one polyline's vertices, chords from the inside out.
std::vector<PolylineVertex> RadialSpiralPath(const SimpleRadialShape& shape);
// Vertices the spiral will have, to refuse one too large before building it.
double RadialSpiralPointEstimate(const SimpleRadialShape& shape);

// Lines with the stepover measured along the outer circle: trunc(pi x D / stepover).
int RadialLineCount(const RadialRing& ring, double stepover);
// Each line from its first point to its second, at 360.0 / count degrees apart.
std::vector<std::pair<AcGePoint2d, AcGePoint2d>> RadialLines(const SimpleRadialShape& shape);
