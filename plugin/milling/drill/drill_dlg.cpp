#include "plugin/milling/drill/drill_dlg.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/milling/drill/drill_control_ids.h"
#include "plugin/milling/drill/drill_record.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

using namespace drill_ids;

namespace {

constexpr const char* kBaseName = "Drill";
constexpr const char* kBrokenRecordText = "\n 드릴 파라메타를 읽을 수 없습니다.!!";

DialogTemplate DrillTemplate() {
  DialogTemplate drill{"드릴 공구경로", {}};
  drill.controls.push_back(res::GroupBox(IDC_STATIC, "<< 드릴 포인트 선택 >>"));
  for (ControlTemplate& control : CDrillDlg::CycleControls()) drill.controls.push_back(control);
  drill.controls.push_back(res::CheckBox(kCoolantCheck, "절삭유"));
  drill.controls.push_back(res::CheckBox(kInitialReturnCheck, "초기복귀"));
  drill.controls.push_back(res::DefPushButton(IDOK, "OK"));
  drill.controls.push_back(res::PushButton(IDCANCEL, "Cancel"));
  return drill;
}

const DialogTemplateRegistration kDrillTemplate(CDrillDlg::IDD, DrillTemplate());

}  // namespace

CDrillDlg::CDrillDlg(CWnd* pParent) : CDrillCycleForm(IDD, pParent) {}

bool CDrillDlg::WriteParamRecord(CString& text) const {
  text = DrillRecordText(DrillRecordValuesOf(*this));
  return true;
}

bool CDrillDlg::ReadParamRecord(const char* text, CString* refusal) {
  CString why;
  if (ReadDrillRecord(text, *this, &why) != DrillRecordRead::kBroken) return true;
  acutPrintf("%s", kBrokenRecordText);
  if (!why.IsEmpty()) acutPrintf("\n %s", why.GetString());
  if (refusal != nullptr) *refusal = why;
  return false;
}

void CDrillDlg::DoDataExchange(CDataExchange* pDX) {
  CDrillCycleForm::DoDataExchange(pDX);
  ExchangeCycleFields(pDX, -9999.0f);
  DDX_Limited(pDX, kChipBreakEdit, m_ChipBreak, kDrillLimits.chipBreak);
  DDX_Check(pDX, kCoolantCheck, m_CoolantOn);
  DDX_Check(pDX, kInitialReturnCheck, m_InitialReturn);
}

BOOL CDrillDlg::OnInitDialog() {
  CDrillCycleForm::OnInitDialog();
  ShowToolpathName();
  ShowCycleForm();
  KeepClickedValues();
  if (m_CycleEdit == 0) OfferKeptPoints();
  return TRUE;
}

// Regenerating keeps the toolpath's own name; editing a cycle shows the
// cycle's; a new toolpath gets the first free "Drill_<n>".
void CDrillDlg::ShowToolpathName() {
  if (m_Regenerate) {
    m_StoredName = m_ToolpathName;
  } else if (m_CycleEdit) {
    m_ToolpathName = m_StoredName;
  } else {
    CString name;
    if (MakeUniqueToolpathName(kBaseName, name)) m_ToolpathName = name;
  }
  SetDlgItemText(kNameEdit, m_ToolpathName);
}

void CDrillDlg::OfferKeptPoints() {
  if (m_Points.isEmpty()) return;
  if (::MessageBox(nullptr, "이미 선택된 Entity를 사용하겠습니까?", "Message", MB_OKCANCEL | MB_ICONINFORMATION) ==
      IDOK) {
    HighlightHeldCircles(true);
  } else {
    m_Points.setLogicalLength(0);
  }
}

void CDrillDlg::ApplyCycleStates() {
  const bool user = m_CycleIndex >= kCycleFirstUser;
  const bool pecks = user || m_CycleIndex == kCyclePeck || m_CycleIndex == kCycleChipBreak;
  const bool chipBreak = user || m_CycleIndex == kCycleChipBreak;
  const bool dwell = m_CycleIndex != kCyclePeck;
  const bool shift = user || m_CycleIndex == kCycleBoringShift;
  SetCycleFieldsEditable(pecks, chipBreak, dwell, shift);
}

bool CDrillDlg::CheckToolpathName() {
  const bool ownName = m_Regenerate && m_ToolpathName == m_StoredName;
  return AcceptToolpathName(m_ToolpathName, MakesToolpath() && !ownName);
}

// Nothing is added to the drawing before every value has passed.
void CDrillDlg::OnOK() {
  if (!UpdateData(TRUE) || !CheckToolpathName()) return;
  HighlightHeldCircles(false);
  if (MakesToolpath()) AddHoleCircles();
  EndDialog(IDOK);
}

void CDrillDlg::OnCancel() {
  HighlightHeldCircles(false);
  RestoreClickedValues();
  CDrillCycleForm::OnCancel();
}
