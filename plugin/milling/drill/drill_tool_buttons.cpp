#include "plugin/milling/drill/drill_tool_buttons.h"

#include "platform/classlib/afxwin.h"
#include "plugin/milling/drill/drill_tip_dlg.h"
#include "plugin/milling/drill/drill_tool_dlg.h"

void RunDrillToolDialog(CWnd& form, CDrillToolDlg& drill, CDrillTipDlg& tip, int buttonId) {
  if (drill.DoModal() != IDOK) return;
  form.SetDlgItemText(buttonId, drill.m_ToolName);
  tip.FollowDrill(drill.m_Diameter);
}

void ToggleTipCompensation(CWnd& form, int checkId, int& tipCompensationOn, CDrillTipDlg& tip,
                           const CDrillToolDlg& drill) {
  tipCompensationOn = form.IsDlgButtonChecked(checkId) ? 1 : 0;
  if (tipCompensationOn) tip.ShowFor(drill.m_Diameter);
}
