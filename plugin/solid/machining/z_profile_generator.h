// The Z-level contour: closed passes around a solid, level by level, stored as
// one toolpath group (kind 12) with the dialog's record.
#pragma once

#include <vector>

class CZProfileDlg;
class CToolShapeDlg;

void CreateZProfileToolpath(CZProfileDlg& dlg);

// The machining levels from the top down: one step below the top first, the
// bottom last; a step of 0 gives the bottom alone.
std::vector<double> ZProfileLevels(double top, double bottom, double zStep);

// How the tool's shape splits between the model's offset in space, the height
// of the section above the level, and the distance in the level's plane: a flat
// end mill (allowance, 0, R), a ball (R + allowance, R, 0), a corner-radius
// end mill (r + allowance, r, R - r).
struct ZProfileToolOffsets {
  double model = 0.0;
  double lift = 0.0;
  double plane = 0.0;
};
ZProfileToolOffsets ZProfileOffsetsOf(const CToolShapeDlg& tool, double allowance);
