// The profile generator: the curves held by a profile dialog become a stored
// toolpath that follows each of them, on it or beside it, level by level.
#pragma once

#include "platform/cad/db/db_object_id.h"

class CProfileDlg;

// Makes and stores the toolpath under the dialog's toolpath name, with the
// curves in front of the moves; a curve that cannot be cut is passed over.
// Reports on its own when nothing could be made or stored; the curves are then
// shown again and nothing new is left in the drawing but them.
void GenerateProfileToolpath(CProfileDlg& dlg);

// The passes of one curve over every level, with lead moves, entries and
// retracts, linked into one path appended to out. False, with nothing of it
// left in the drawing, when the curve cannot be read or an offset gives nothing.
bool BuildProfilePasses(CProfileDlg& dlg, AcDbObjectId curve, AcDbObjectIdArray& out);

// The top of the cut and how deep it goes below it; false when the curve's
// elevation, which relative depths start from, cannot be read.
bool ProfileZRange(const CProfileDlg& dlg, double elevation, double& top, double& depth);
// Levels for the depth: one when there is no depth or no step.
int ProfileLevelCount(double depth, double zStepover);
