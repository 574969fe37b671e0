// The drill generator: one canned-cycle position per hole of a filled drill
// dialog, stored as a drill toolpath; and the holes of a stored one.
#pragma once

#include "platform/cad/ge/ge_arrays.h"

class CDrillDlg;

// For each hole: positioning at the clearance height, a marked rapid down to
// Z start and the feed to the depth; then the tool, spindle and cycle markers.
// Stored under the dialog's toolpath name with its hole circles. On false
// (with a message) nothing of it, its hole circles included, stays in the drawing.
bool GenerateDrillToolpath(CDrillDlg& dlg);

// Empties the list, then takes the centres of the stored toolpath's circles.
// True when at least one point results.
bool ReloadDrillPoints(const char* toolpathName, AcGePoint3dArray& points);
