// Hatch boundaries as pure plane geometry: loops of line and circular-arc edges in
// the hatch's own coordinates. Neighbouring edges share their end points exactly
// once welded, which is what keeps the line clipping free of stray pieces.
#pragma once

#include <vector>

#include "platform/cad/ge/ge_point2d.h"

namespace hatch {

struct Edge {
  enum Kind { kLine, kArc };

  Kind kind = kLine;
  AcGePoint2d start;
  AcGePoint2d end;
  // Arcs only: angle of the start about the centre and the signed sweep
  // (positive counter-clockwise, at most a full turn).
  AcGePoint2d center;
  double radius = 0.0;
  double startAngle = 0.0;
  double sweep = 0.0;

  static Edge line(const AcGePoint2d& from, const AcGePoint2d& to);
  static Edge arc(const AcGePoint2d& center, double radius, double startAngle, double sweep);
  // A polyline segment; bulge 0 (or coincident ends) gives a line.
  static Edge fromBulge(const AcGePoint2d& from, const AcGePoint2d& to, double bulge);

  bool isFullCircle() const;
  // The point at a fraction of the way from start to end.
  AcGePoint2d pointAt(double fraction) const;
  // The bulge of an arc edge (tan of a quarter of the sweep); 0 for a line.
  double bulge() const;
  // The same path run the other way.
  Edge reversed() const;
};

using Loop = std::vector<Edge>;

// Largest coordinate magnitude of all loops, at least 1: the yardstick of tolerances.
double coordinateScale(const std::vector<Loop>& loops);

// Makes end points that lie within tol of each other identical, across all loops.
void weldEnds(std::vector<Loop>& loops, double tol);

// Orders loose edges into closed chains, reversing edges where needed. False (and
// chains untouched) when some edge cannot be closed into a chain within tol.
bool chainIntoLoops(std::vector<Edge> edges, double tol, std::vector<Loop>& chains);

// True when each edge starts where the previous one ends and the last meets the first.
bool isClosedLoop(const Loop& loop, double tol);

// Signed area of a closed loop: positive when it runs counter-clockwise.
double signedArea(const Loop& loop);

// Area covered by the loops under the even-odd rule, for loops that do not cross.
double evenOddArea(const std::vector<Loop>& loops);

// Inside test of a point against one closed loop (even-odd).
bool loopContains(const Loop& loop, const AcGePoint2d& point);

// Bounding box of the loops; false when there are no edges.
bool loopsExtents(const std::vector<Loop>& loops, AcGePoint2d& minPoint, AcGePoint2d& maxPoint);

}  // namespace hatch
