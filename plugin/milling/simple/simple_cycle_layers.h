// The counting rules of the simple cycles: depth layers from a start height
// down to a depth, steps across a width, and the inset of a tapered wall.
#pragma once

#include <vector>

// Angles are typed in degrees.
constexpr double kSimpleDegreeFactor = 2.0 * 3.14159265358979323846 / 360.0;

// m = the ceiling of width / stepover: trunc, plus one when something is left.
// 0 for a width that is not above 0 or a stepover that is not.
int SimpleStepCount(double width, double stepover);

// Start height S, depth D, Z stepover s: n = ceiling of (S - D) / s steps of
// (S - D) / n, so n + 1 layers from S down to D; one layer at S when D is not below it.
struct SimpleLayers {
  int steps = 0;      // n
  double step = 0.0;  // t
  double start = 0.0;
  // Depth of layer i below the start height, and its Z.
  double DepthOf(int i) const { return i * step; }
  double ZOf(int i) const { return start - DepthOf(i); }
  int count() const { return steps + 1; }
};
SimpleLayers MakeSimpleLayers(double startHeight, double depth, double zStepover);

// How far a wall leaning by the angle (degrees) moves in at a depth below the start.
double TaperInset(double layerDepth, double angleDegrees);
