// The controls the drill and lathe drill forms share.
#pragma once

#include <vector>

#include "platform/classlib/dialogs/dialog_template.h"

class CWnd;
class CDrillToolDlg;
class CDrillTipDlg;

// The drill dialog behind the tool button; OK puts the drill's name on the
// button, and the tip follows the new diameter.
void RunDrillToolDialog(CWnd& form, CDrillToolDlg& drill, CDrillTipDlg& tip, int buttonId);
// The tip-compensation check; switched on, the tip dialog opens for the drill.
void ToggleTipCompensation(CWnd& form, int checkId, int& tipCompensationOn, CDrillTipDlg& tip,
                           const CDrillToolDlg& drill);

// Spindle, feed, the peck fields, the tip compensation and the start point in plan.
std::vector<ControlTemplate> DrillCycleValueControls();
