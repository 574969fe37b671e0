#include "plugin/milling/drill/drill_form_controls.h"

#include "platform/classlib/afxwin.h"
#include "plugin/milling/drill/drill_control_ids.h"
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

std::vector<ControlTemplate> DrillCycleValueControls() {
  using namespace drill_ids;
  return {
      res::CheckBox(kSpindleCheck, "주축회전수"),
      res::EditText(kSpindleEdit, ""),
      res::EditText(kFeedEdit, "Feed"),
      res::EditText(kFirstPeckEdit, "처음펙"),
      res::EditText(kNextPeckEdit, "다음펙"),
      res::EditText(kPeckReturnEdit, "펙 복귀"),
      res::EditText(kChipBreakEdit, "칩 브레이크"),
      res::EditText(kDwellEdit, "드웰"),
      res::EditText(kShiftEdit, "쉬프트"),
      res::CheckBox(kTipCheck, ""),
      res::PushButton(kTipButton, "드릴날 보정"),
      res::CheckBox(kStartPointCheck, ""),
      res::EditText(kStartXEdit, "시작점 X :"),
      res::EditText(kStartYEdit, "Y:"),
  };
}
