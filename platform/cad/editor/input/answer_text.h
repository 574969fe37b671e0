// Reading the text of an answer line: numbers in the "C" locale, points as
// "x,y[,z]", "@dx,dy[,dz]" and the polar forms "d<a" and "@d<a" (degrees).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/cad/ge/ge_point3d.h"

namespace cadeditor {

std::string_view TrimmedText(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
// a starts with prefix, without regard to (ASCII) case.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// The whole text as a number; nullopt for anything else ("1e3", "-.5" are numbers).
std::optional<double> ParseNumber(std::string_view text);
std::optional<long> ParseWholeNumber(std::string_view text);

// A point typed by a user, in UCS coordinates. A relative point is taken from
// last (LASTPOINT); a point typed without Z gets elevation.
std::optional<AcGePoint3d> ParsePoint(std::string_view text, const AcGePoint3d& last, double elevation);

// "1.0000,2.0000,0.0000"
std::string FormatPoint(const AcGePoint3d& point);
std::string FormatReal(double value);

}  // namespace cadeditor
