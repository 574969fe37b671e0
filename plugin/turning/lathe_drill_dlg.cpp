#include "plugin/turning/lathe_drill_dlg.h"

#include <algorithm>

#include "platform/cad/editor/input/aced_input.h"
#include "platform/classlib/dialogs/combo_box.h"
#include "platform/classlib/dialogs/dialog_template.h"
#include "platform/classlib/dialogs/edit.h"
#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/form_controls.h"
#include "plugin/geometry/forms/groove_lathe_drill_limits.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/geometry/forms/tool_number_exchange.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/milling/drill/drill_control_ids.h"
#include "plugin/milling/drill/drill_form_controls.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/lathe_drill_record.h"

namespace {

// The drill form's controls, and the lathe's own below.
using namespace drill_ids;

constexpr int kDepthEdit = 429;
constexpr int kDrillPointEdit = 430;
constexpr int kSafetyEdit = 431;
constexpr int kReturnEdit = 432;
constexpr int kPickDepthButton = 588;
constexpr int kPickDrillPointButton = 589;
constexpr int kSafetyAbsoluteCheck = 590;
constexpr int kReturnAbsoluteCheck = 591;

constexpr const char* kCycles[kLatheDrillCycleCount] = {
    "드릴-카운터보링", "펙 드릴", "칩 블레이크", "텝", "보링(Feed out)", "보링(Stop spindle)", "보링(Shift)",
};

DialogTemplate LatheDrillTemplate() {
  return {"선반 드릴가공", JoinControls({
                               {
                                   res::EditText(kNameEdit, "공구경로 이름"),
                                   res::Text(IDC_STATIC, "공구"),
                                   res::PushButton(kToolButton, ""),
                                   res::CheckBox(kToolNumberCheck, "번호"),
                                   res::EditText(kToolNumberEdit, ""),
                                   res::CheckBox(kLengthOffsetCheck, "장보정"),
                                   res::EditText(kLengthOffsetEdit, ""),
                                   res::ComboBox(kCycleCombo, "가공 싸이클", CBS_DROPDOWNLIST),
                                   res::EditText(kDepthEdit, "드릴 깊이"),
                                   res::PushButton(kPickDepthButton, "...."),
                                   res::EditText(kDrillPointEdit, "드릴 포인트"),
                                   res::PushButton(kPickDrillPointButton, "...."),
                                   res::EditText(kReturnEdit, "복귀높이"),
                                   res::CheckBox(kReturnAbsoluteCheck, "절대값"),
                                   res::EditText(kSafetyEdit, "안전거리"),
                                   res::CheckBox(kSafetyAbsoluteCheck, "절대값"),
                               },
                               DrillCycleValueControls(),
                               {
                                   res::PushButton(kPickStartButton, "...."),
                                   res::DefPushButton(IDOK, "OK"),
                                   res::PushButton(IDCANCEL, "Cancel"),
                               },
                           })};
}

const DialogTemplateRegistration kLatheDrillTemplate(CLatheDrillDlg::IDD, LatheDrillTemplate());

}  // namespace

double LatheDrillPeck(const CLatheDrillDlg& d) {
  const double first = d.m_FirstPeck, next = d.m_NextPeck;
  if (first > 0.0 && next > 0.0) return std::min(first, next);
  return first > 0.0 ? first : next > 0.0 ? next : 0.0;
}

struct CLatheDrillDlg::Snapshot {
  LatheDrillRecordValues values;
  CString toolName;
};

BEGIN_MESSAGE_MAP(CLatheDrillDlg, CAcUiDialog)
ON_CBN_SELCHANGE(kCycleCombo, &CLatheDrillDlg::OnCycleChange)
ON_BN_CLICKED(kToolButton, &CLatheDrillDlg::OnDrillTool)
ON_BN_CLICKED(kTipButton, &CLatheDrillDlg::OnDrillTip)
ON_BN_CLICKED(kTipCheck, &CLatheDrillDlg::OnTipCompensationOn)
ON_BN_CLICKED(kLengthOffsetCheck, &CLatheDrillDlg::OnLengthOffsetOn)
ON_BN_CLICKED(kPickDepthButton, &CLatheDrillDlg::OnPickDepth)
ON_BN_CLICKED(kPickDrillPointButton, &CLatheDrillDlg::OnPickDrillPoint)
ON_BN_CLICKED(kPickStartButton, &CLatheDrillDlg::OnPickStartPoint)
END_MESSAGE_MAP()

// The tip of the default 50 mm drill; a generation works it out from the drill it is given.
CLatheDrillDlg::CLatheDrillDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) {
  m_DrillTip.m_ToolDiameter = m_DrillTool.m_Diameter;
  m_DrillTip.UpdateTipLength();
}

CLatheDrillDlg::~CLatheDrillDlg() = default;

bool CLatheDrillDlg::WriteParamRecord(CString& text) const {
  text = LatheDrillRecordText(LatheDrillRecordValuesOf(*this));
  return true;
}

bool CLatheDrillDlg::ReadParamRecord(const char* text, CString* refusal) {
  LatheDrillRecordValues values = LatheDrillRecordValuesOf(*this);
  if (!ParseLatheDrillRecord(text, values, refusal)) return false;
  ApplyLatheDrillRecordValues(values, *this);
  return true;
}

void CLatheDrillDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  const LatheDrillLimits& L = kLatheDrillLimits;
  DDX_Text(pDX, kNameEdit, m_ToolpathName);
  ExchangeToolNumberFields(pDX, {kToolNumberCheck, kToolNumberEdit, kLengthOffsetCheck, kLengthOffsetEdit},
                           {m_ToolNumberOn, m_ToolNumber, m_LengthOffsetOn, m_LengthOffsetNumber}, L.tool);
  DDX_Check(pDX, kSpindleCheck, m_SpindleOn);
  DDX_Limited(pDX, kSpindleEdit, m_SpindleSpeed, L.spindleSpeed);
  DDX_Limited(pDX, kFeedEdit, m_Feed, L.feed);
  DDX_Limited(pDX, kFirstPeckEdit, m_FirstPeck, L.firstPeck);
  DDX_Limited(pDX, kPeckReturnEdit, m_PeckReturn, L.peckReturn);
  DDX_Limited(pDX, kDwellEdit, m_Dwell, L.dwell);
  DDX_Limited(pDX, kShiftEdit, m_Shift, L.shift);
  DDX_Limited(pDX, kNextPeckEdit, m_NextPeck, L.nextPeck);
  DDX_Limited(pDX, kChipBreakEdit, m_ChipBreak, L.chipBreak);
  DDX_Check(pDX, kTipCheck, m_TipCompensationOn);
  DDX_Limited(pDX, kDepthEdit, m_DrillDepth, L.drillDepth);
  DDX_Limited(pDX, kDrillPointEdit, m_DrillPoint, L.drillPoint);
  DDX_Limited(pDX, kReturnEdit, m_ReturnHeight, L.returnHeight);
  DDX_Limited(pDX, kSafetyEdit, m_SafetyDistance, L.safetyDistance);
  DDX_Check(pDX, kReturnAbsoluteCheck, m_ReturnAbsolute);
  DDX_Check(pDX, kSafetyAbsoluteCheck, m_SafetyAbsolute);
  DDX_Check(pDX, kStartPointCheck, m_StartPointOn);
  DDX_Limited(pDX, kStartXEdit, m_StartX, L.startX);
  DDX_Limited(pDX, kStartYEdit, m_StartY, L.startY);
}

BOOL CLatheDrillDlg::OnInitDialog() {
  m_AtOpening = std::make_unique<Snapshot>(Snapshot{LatheDrillRecordValuesOf(*this), m_DrillTool.m_ToolName});
  CAcUiDialog::OnInitDialog();
  if (m_Regenerate) {
    m_StoredName = m_ToolpathName;
  } else {
    CString name;
    if (MakeUniqueToolpathName("LatheDrill", name)) m_ToolpathName = name;
  }
  SetDlgItemText(kNameEdit, m_ToolpathName);
  if (auto* cycles = static_cast<CComboBox*>(GetDlgItem(kCycleCombo))) {
    cycles->ResetContent();
    for (const char* text : kCycles) cycles->AddString(text);
    cycles->SetCurSel(m_CycleIndex);
  }
  ApplyCycleStates();
  SetControlReadOnly(*this, kLengthOffsetEdit, !m_LengthOffsetOn);
  SetDlgItemText(kToolButton, m_DrillTool.m_ToolName);
  return TRUE;
}

// Boring with a shift keeps whatever the cycle before it left editable.
void CLatheDrillDlg::ApplyCycleStates() {
  if (m_CycleIndex == kLatheBoringShift) return;
  const bool pecks = m_CycleIndex == kLathePeckDrill || m_CycleIndex == kLatheChipBreak;
  for (int id : {kFirstPeckEdit, kNextPeckEdit, kPeckReturnEdit}) SetControlReadOnly(*this, id, !pecks);
  SetControlReadOnly(*this, kChipBreakEdit, m_CycleIndex != kLatheChipBreak);
  SetControlReadOnly(*this, kDwellEdit, false);
  SetControlReadOnly(*this, kShiftEdit, true);
}

void CLatheDrillDlg::OnCycleChange() {
  if (auto* cycles = static_cast<CComboBox*>(GetDlgItem(kCycleCombo))) m_CycleIndex = cycles->GetCurSel();
  ApplyCycleStates();
}

void CLatheDrillDlg::OnDrillTool() { RunDrillToolDialog(*this, m_DrillTool, m_DrillTip, kToolButton); }

void CLatheDrillDlg::ShowTipDialog() { m_DrillTip.ShowFor(m_DrillTool.m_Diameter); }

void CLatheDrillDlg::OnDrillTip() { ShowTipDialog(); }

void CLatheDrillDlg::OnTipCompensationOn() {
  ToggleTipCompensation(*this, kTipCheck, m_TipCompensationOn, m_DrillTip, m_DrillTool);
}

void CLatheDrillDlg::OnLengthOffsetOn() {
  m_LengthOffsetOn = IsDlgButtonChecked(kLengthOffsetCheck) ? 1 : 0;
  SetControlReadOnly(*this, kLengthOffsetEdit, !m_LengthOffsetOn);
}

void CLatheDrillDlg::OnPickDepth() { PickXYIntoEdits(*this, "\n 가공 깊이를 지정하시요!!!", kDepthEdit, 0); }

void CLatheDrillDlg::OnPickDrillPoint() {
  PickXYIntoEdits(*this, "\n 가공시작 점을 선택하시요!!!", kDrillPointEdit, 0);
}

void CLatheDrillDlg::OnPickStartPoint() {
  PickXYIntoEdits(*this, "\n 공구경로 시적점을 선택하시요.", kStartXEdit, kStartYEdit);
}

// A taken name is asked about like every other operation's; the old toolpath
// goes only when the new one is stored.
void CLatheDrillDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  const bool ownName = m_Regenerate && m_ToolpathName == m_StoredName;
  if (!AcceptToolpathName(m_ToolpathName, !ownName)) return;
  EndDialog(IDOK);
}

void CLatheDrillDlg::OnCancel() {
  if (m_AtOpening) {
    ApplyLatheDrillRecordValues(m_AtOpening->values, *this);
    m_DrillTool.m_ToolName = m_AtOpening->toolName;
  }
  CAcUiDialog::OnCancel();
}
