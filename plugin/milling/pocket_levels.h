// The Z levels of a pocket pass and the outlines it cuts on each level.
#pragma once

#include <vector>

#include "platform/cad/db/db_object_id.h"

class CPocketDlg;
class CToolShapeDlg;

struct PocketLevelPlan {
  std::vector<double> levels;  // the pass's levels, top down
  std::vector<double> layers;  // reserved Z-finishing layers below them
};

// depth counts downwards from top. A Z step of 0, or one that divides the depth
// into steps below 0.0001, gives one level at the full depth; otherwise the
// depth above the reserved layers is divided into equal steps no larger than
// zStep. The reserved layers (count and step both positive) follow from the
// roughed depth down, the first of them on the last level.
PocketLevelPlan PlanPocketLevels(double top, double depth, double zStep, int reservedCount, double reservedStep);

// Top and depth of the dialog's Z range: absolute, or measured from the
// boundary's elevation. False when that elevation cannot be read.
bool PocketDepthRange(const CPocketDlg& dlg, double& top, double& depth);

// New outlines of one level at z: the boundary (taken in by the Z taper) and
// the islands that stand at that level (grown by the island taper), islands
// that overlap merged and islands inside others dropped. The caller erases
// them. False when the boundary yields no outline.
bool MakeLevelOutlines(const CPocketDlg& dlg, const CToolShapeDlg& tool, double z, AcDbObjectIdArray& boundaries,
                       AcDbObjectIdArray& islands);

// How far a tapered wall stands off at height above the level, tool shape included.
double TaperOffset(double taperDegrees, double height, const CToolShapeDlg& tool);
