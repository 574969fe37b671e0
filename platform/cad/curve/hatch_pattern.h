// Hatch pattern definition lines: families of parallel lines, each given by its
// angle, a base point one line passes through, the offset from one line to the
// next, and an optional dash sequence (positive dash, negative gap, 0 a dot).
#pragma once

#include <string>
#include <vector>

#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_vector2d.h"

namespace hatch {

struct PatternLine {
  double angle = 0.0;  // radians
  AcGePoint2d base;
  AcGeVector2d offset;
  std::vector<double> dashes;
};

// The unit definition (scale 1, angle 0) of a predefined pattern, by name without
// regard to case. False for a name we do not know. SOLID has no lines.
bool predefinedPattern(const std::string& name, std::vector<PatternLine>& lines);
bool isSolidPatternName(const std::string& name);

// The unit definition turned by angle and scaled about the origin, then moved to origin.
std::vector<PatternLine> placePattern(const std::vector<PatternLine>& unit, double angle, double scale,
                                      const AcGePoint2d& origin);

// A user-defined pattern: lines at angle spaced by space, and a second family a
// quarter turn on when doubled.
std::vector<PatternLine> userPattern(double angle, double space, bool isDouble, const AcGePoint2d& origin);

// The unit direction of an angle; quarter turns come out exact so that axis-parallel
// lines stay exactly axis-parallel.
AcGeVector2d directionOf(double angle);

}  // namespace hatch
