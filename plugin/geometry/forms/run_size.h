// Operation forms: the most one generator run may make, checked before it
// starts, so that a tiny step over a large depth or area asks for other values
// instead of running for minutes and filling the drawing.
//
//   if (!CheckRunSize(levels, passesPerLevel)) return false;   // generator entry
//
// Counts are doubles: an estimate from the dialog's values may exceed any int.
#pragma once

#include "platform/cad/db/db_object_id.h"

constexpr double kMostLevels = 10000;
// Levels times the passes each level makes.
constexpr double kMostPasses = 200000;

// Levels for a depth cut in steps of step; one level when there is no step.
double LevelCount(double depth, double step);
// Offset rings or zigzag lines across an extent at a stepover; one when there is no stepover.
double PassCount(double extent, double stepover);
// Geometry a run may cut: every coordinate finite and within ±1e7.
constexpr double kLargestExtent = 1e7;
// The diagonal of the box around the entities; NaN when a coordinate of one is
// not finite. Entities that cannot be opened are left out.
double GeometryDiagonal(const AcDbObjectIdArray& ids);
// True when the diagonal of the picked geometry is finite and within
// kLargestExtent; otherwise a message box says so and nothing is generated.
bool CheckGeometryExtent(double diagonal);
// True when both fit; otherwise a message box (message table's words) names
// what grew too large and nothing is generated.
bool CheckRunSize(double levels, double passesPerLevel);
