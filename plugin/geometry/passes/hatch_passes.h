// Parallel passes from the host's hatch engine: the lines of a temporary
// "LINE" hatch over closed loops, at a spacing corrected until the lines lie
// the stepover apart. Pockets fill their levels with them, lathe roughing the
// area between stock and profile.
#pragma once

#include <vector>

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_arrays.h"

// The factor between the stepover and the first pattern space tried.
inline constexpr double kFirstHatchSpacingFactor = 3.175;

// The lines of the loops (each an outer loop of one or more curves that meet
// end to end) at the pattern angle and space; false when the hatch refuses
// the loops or the pattern. Lines come in ascending order along the clockwise
// normal of their direction (at 180 degrees: ascending Y, each running -X).
bool HatchLoopLines(const std::vector<AcDbObjectIdArray>& loops, double angleDegrees, double space, double elevation,
                    AcGePoint2dArray& starts, AcGePoint2dArray& ends);
// HatchLoopLines at the stepover: the factor between pattern space and the
// spacing measured is corrected (a bounded number of times) and kept for the
// next call; spacing is what the lines came out at. False when the hatch
// refuses the loops or the pattern.
bool HatchLoopsAtStepover(const std::vector<AcDbObjectIdArray>& loops, double angleDegrees, double stepover,
                          double elevation, double& factor, AcGePoint2dArray& starts, AcGePoint2dArray& ends,
                          double& spacing);

// The distance from the first line to the next line that does not lie on it;
// false, with spacing 0, when there is no such line.
bool MeasureHatchLineSpacing(const AcDbObjectIdArray& lines, double& spacing);
bool MeasureLineSpacing(const AcGePoint2dArray& starts, const AcGePoint2dArray& ends, double& spacing);
