// The drill and tip-compensation controls the drill forms share.
#pragma once

class CWnd;
class CDrillToolDlg;
class CDrillTipDlg;

// The drill dialog behind the tool button; OK puts the drill's name on the
// button, and the tip follows the new diameter.
void RunDrillToolDialog(CWnd& form, CDrillToolDlg& drill, CDrillTipDlg& tip, int buttonId);
// The tip-compensation check; switched on, the tip dialog opens for the drill.
void ToggleTipCompensation(CWnd& form, int checkId, int& tipCompensationOn, CDrillTipDlg& tip,
                           const CDrillToolDlg& drill);
