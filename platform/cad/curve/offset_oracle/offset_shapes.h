// Closed paths that have made offsets fail, and random ones mixing their features,
// for checking offsets.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <random>

#include "platform/cad/curve/bulge_segment.h"

namespace curve::oracle {

BulgePath closedPath(std::initializer_list<BulgeVertex> vertices);

// Counter-clockwise: a square of the given size with the middle of its bottom side
// moved by dent (positive inward).
BulgePath dentedSquare(double size, double dent);
// Counter-clockwise: a convex arc (bulge 0.15) and a concave one (bulge -0.15) whose
// chords of length `chord` differ in direction by `gap` radians, closed by straight sides.
BulgePath nearTangentArcs(double chord, double gap);
// Counter-clockwise regular polygon.
BulgePath regularPolygon(int sides, double radius);
// Counter-clockwise: two half-circle bumps of the given radius on a block, meeting at a
// cusp where the path turns back on itself.
BulgePath cuspedBlock(double radius);
// Counter-clockwise: teeth of height radius / 30 every `pitch` vertices, arcs bulging
// outward on every other segment; the inscribed radius lies just under radius.
BulgePath gear(int vertices, double radius, int pitch = 4);
// Counter-clockwise square with a spike of the given width sticking out of its bottom.
BulgePath spikedSquare(double size, double spikeWidth);

// A random simple closed path about the origin of size about `size`: a star of lines
// and arcs with shallow dents, near-tangent joints, thin spikes and many sides mixed in.
BulgePath randomClosedPath(std::mt19937_64& random, double size, int maxSides = 1200);

}  // namespace curve::oracle
