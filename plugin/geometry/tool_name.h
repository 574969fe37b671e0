// Tool names: shape and sizes in a short text, as records store them and the
// user sees them.
#pragma once

#include "platform/classlib/cstring.h"

enum ToolShapeType { kFlatEndMill = 1, kBallEndMill = 2, kRadiusEndMill = 3 };

constexpr const char* kFlatEndMillFormat = "F%.1f-0.0-%.1f";
constexpr const char* kBallEndMillFormat = "B%.1f-%.1f-%.1f";
constexpr const char* kRadiusEndMillFormat = "R%.1f-%.1f-%.1f";
constexpr const char* kDrillFormat = "DR%.1f-%.1f";

// Flat: diameter and length. Ball: diameter, half of it, length (the corner
// radius is ignored). Any other type is a radius end mill.
CString ToolName(int toolType, double diameter, double cornerRadius, double length);
CString DrillToolName(double diameter, double length);
