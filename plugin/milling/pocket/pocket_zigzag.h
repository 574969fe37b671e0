// The linear (zigzag) fill of a pocket level: parallel lines at the pattern
// angle and stepover from the host's hatch engine, ordered row by row and, in
// the two-way pattern, joined at their ends along the outlines.
#pragma once

#include <vector>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_arrays.h"
#include "plugin/geometry/passes/hatch_passes.h"

class CPocketDlg;

// Per hatched boundary: a branch marker, then its passes (new polylines at the
// elevation) in cutting order. Boundaries are the curves turning the way the
// dialog's cut direction gives boundaries; the others are islands. True always.
bool BuildZigzagPasses(const AcDbObjectIdArray& curves, AcDbObjectIdArray& result, const CPocketDlg& dlg,
                       double elevation);

struct ZigzagLine {
  AcGePoint2d start;
  AcGePoint2d end;
};
// Passes as vertex lists. Two-way: each line's end is joined to a line of the
// next row (or, around an island, of the same row) along the loop piece that
// runs between them with no other line end on it; one-way: every line is a
// pass of its own, all run the same way. Lines must end on the loops.
// With startNear, the first pass starts as near that point as the order allows.
std::vector<std::vector<curve::BulgeVertex>> OrderZigzagLines(const std::vector<curve::BulgePath>& loops,
                                                              const std::vector<ZigzagLine>& lines, double spacing,
                                                              double angleDegrees, bool twoWay,
                                                              const AcGePoint2d* startNear = nullptr);
