#include "plugin/milling/drill/multi_cycle_dlg.h"

#include <vector>

#include "platform/classlib/dialogs/file_dialog.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/milling/drill/drill_control_ids.h"
#include "plugin/milling/drill/drill_record.h"
#include "plugin/milling/drill/multi_cycle_file.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

using namespace drill_ids;

namespace {

constexpr const char* kNoPointsText = "드릴 포인트가 선택되지 않았습니다!!";
constexpr const char* kFileErrorText = "Parameter 파일을 열수 없습니다.";
constexpr const char* kBrokenCycleText = "싸이클 파라메타를 읽을 수 없습니다.!!";

constexpr const char* kBuiltInCycleNames[kCycleFirstUser] = {"Drill",    "Peck",     "Chip",        "Tap",
                                                             "Boring-F", "Boring_S", "Boring_Shift"};

DialogTemplate MultiCycleTemplate() {
  DialogTemplate multi{"다중 싸이클", {}};
  multi.controls.push_back(res::GroupBox(IDC_STATIC, "<< 경계 선택 >>"));
  for (ControlTemplate& control : CMultiCycleDlg::CycleControls()) multi.controls.push_back(control);
  for (ControlTemplate control : {
           res::ListBox(kCycleList, ""),
           res::PushButton(kRegisterButton, "등록"),
           res::PushButton(kDeleteButton, "삭제"),
           res::PushButton(kInsertButton, "삽입"),
           res::PushButton(kClearButton, "청소"),
           res::PushButton(kLoadButton, "불러오기"),
           res::PushButton(kSaveButton, "저장하기"),
           res::DefPushButton(IDOK, "OK"),
           res::PushButton(IDCANCEL, "Cancel"),
       }) {
    multi.controls.push_back(control);
  }
  return multi;
}

const DialogTemplateRegistration kMultiCycleTemplate(CMultiCycleDlg::IDD, MultiCycleTemplate());

void ShowMessage(const char* text, const char* caption) {
  ::MessageBox(nullptr, text, caption, MB_OK | MB_ICONINFORMATION);
}

// An empty path when the user cancelled.
CString AskFilePath(bool open) {
  const DWORD flags = open ? (OFN_HIDEREADONLY | OFN_FILEMUSTEXIST) : (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
  CFileDialog dialog(open ? TRUE : FALSE, MultiCycleFile::kDefaultExtension, MultiCycleFile::kFileNamePattern, flags,
                     MultiCycleFile::kFilter);
  // A configured folder that is not there leaves the dialog in the current one; a save makes it.
  const CString folder = ConfigurationSettings().ParamDir;
  if (open ? IsSettingsFolder(folder) : UseSettingsFolder(folder)) dialog.m_ofn.lpstrInitialDir = folder;
  if (dialog.DoModal() != IDOK) return CString();
  return dialog.GetPathName();
}

void ReportSkippedCycles(const std::vector<CString>& skipped) {
  if (skipped.empty()) return;
  CString text = "다음 싸이클은 파라메타가 올바르지 않아 불러오지 않았습니다.!!";
  for (const CString& name : skipped) text += "\n  " + (name.IsEmpty() ? CString("(이름 없음)") : name);
  ShowMessage(text, "Error message");
}

}  // namespace

BEGIN_MESSAGE_MAP(CMultiCycleDlg, CDrillCycleForm)
ON_BN_CLICKED(kRegisterButton, &CMultiCycleDlg::OnRegister)
ON_BN_CLICKED(kDeleteButton, &CMultiCycleDlg::OnDelete)
ON_BN_CLICKED(kInsertButton, &CMultiCycleDlg::OnInsert)
ON_BN_CLICKED(kClearButton, &CMultiCycleDlg::OnClear)
ON_LBN_DBLCLK(kCycleList, &CMultiCycleDlg::OnEditCycle)
ON_BN_CLICKED(kLoadButton, &CMultiCycleDlg::OnLoad)
ON_BN_CLICKED(kSaveButton, &CMultiCycleDlg::OnSave)
END_MESSAGE_MAP()

// No point mode is chosen at first: picking starts with circles.
CMultiCycleDlg::CMultiCycleDlg(CWnd* pParent) : CDrillCycleForm(IDD, pParent) {
  m_PointMode = 0;
  m_ToolpathName = "MD";
}

CString CMultiCycleDlg::RegisteredCycleName(int cycleIndex) {
  if (cycleIndex >= 0 && cycleIndex < kCycleFirstUser) return kBuiltInCycleNames[cycleIndex];
  if (cycleIndex >= kCycleFirstUser && cycleIndex < kDrillCycleCount) {
    return ConfigurationSettings().UserCycleName[cycleIndex - kCycleFirstUser];
  }
  return CString();
}

CString CMultiCycleDlg::CycleToolpathName(int index) const {
  CString name;
  name.Format("%s_%s_%d", m_ToolpathName.GetString(), m_CycleNames[index].GetString(), index + 1);
  return name;
}

void CMultiCycleDlg::DoDataExchange(CDataExchange* pDX) {
  CDrillCycleForm::DoDataExchange(pDX);
  ExchangeCycleFields(pDX, 0.0f);
  DDX_Limited(pDX, kChipBreakEdit, m_ChipBreak, kDrillLimits.chipBreak);
  DDX_Control(pDX, kCycleList, m_CycleList);
}

BOOL CMultiCycleDlg::OnInitDialog() {
  CDrillCycleForm::OnInitDialog();
  ShowCycleForm();
  ShowCycleList();
  KeepClickedValues();
  return TRUE;
}

void CMultiCycleDlg::ShowCycleList() {
  m_CycleList.ResetContent();
  for (INT_PTR i = 0; i < m_CycleNames.GetSize(); ++i) m_CycleList.AddString(m_CycleNames[i]);
}

// Holes, pecks and the shift: in this dialog the dwell is always typed, and
// the shift boring leaves everything open.
void CMultiCycleDlg::ApplyCycleStates() {
  const bool all = m_CycleIndex >= kCycleBoringShift;
  const bool pecks = all || m_CycleIndex == kCyclePeck || m_CycleIndex == kCycleChipBreak;
  SetCycleFieldsEditable(pecks, all || m_CycleIndex == kCycleChipBreak, true, all);
}

void CMultiCycleDlg::AddEntry(const CString& name, const CString& text) {
  m_CycleNames.Add(name);
  m_CycleTexts.Add(text);
  m_CycleList.AddString(name);
}

void CMultiCycleDlg::OnRegister() {
  if (!UpdateData(TRUE)) return;
  AddEntry(RegisteredCycleName(m_CycleIndex), MultiCycleRecordText(DrillRecordValuesOf(*this)));
}

void CMultiCycleDlg::OnDelete() {
  const int selected = m_CycleList.GetCurSel();
  if (selected == LB_ERR) return;
  m_CycleList.DeleteString(static_cast<UINT>(selected));
  m_CycleNames.RemoveAt(selected);
  m_CycleTexts.RemoveAt(selected);
}

void CMultiCycleDlg::OnInsert() { m_CycleList.GetCurSel(); }

void CMultiCycleDlg::OnClear() {
  m_CycleList.ResetContent();
  m_CycleNames.RemoveAll();
  m_CycleTexts.RemoveAll();
}

void CMultiCycleDlg::OnEditCycle() {
  const int selected = m_CycleList.GetCurSel();
  if (selected == LB_ERR) return;
  if (!m_CycleEditor.ReadParamRecord(m_CycleTexts[selected])) {
    ShowMessage(kBrokenCycleText, "Ostrivo message");
    return;
  }
  m_CycleEditor.m_CycleEdit = 1;
  m_CycleEditor.m_StoredName = m_CycleNames[selected];
  if (m_CycleEditor.DoModal() != IDOK) return;
  m_CycleNames[selected] = m_CycleEditor.m_ToolpathName;
  m_CycleEditor.WriteParamRecord(m_CycleTexts[selected]);
  m_CycleList.DeleteString(static_cast<UINT>(selected));
  m_CycleList.InsertString(selected, m_CycleNames[selected]);
  m_CycleList.SetCurSel(selected);
}

void CMultiCycleDlg::OnLoad() {
  const CString path = AskFilePath(true);
  if (path.IsEmpty()) return;
  MultiCycleFileContents contents;
  if (!MultiCycleFile::Read(path, contents)) {
    ShowMessage(kFileErrorText, "Error message");
    return;
  }
  for (const MultiCycleEntry& entry : contents.entries) AddEntry(entry.name, entry.text);
  ReportSkippedCycles(contents.skipped);
}

void CMultiCycleDlg::OnSave() {
  const CString path = AskFilePath(false);
  if (path.IsEmpty()) return;
  std::vector<MultiCycleEntry> entries;
  for (INT_PTR i = 0; i < m_CycleNames.GetSize(); ++i) entries.push_back({m_CycleNames[i], m_CycleTexts[i]});
  if (!MultiCycleFile::Write(MultiCycleFile::WithSingleExtension(path), entries)) {
    ShowMessage(kFileErrorText, "Error message");
  }
}

bool CMultiCycleDlg::ConfirmToolpathNames() {
  for (INT_PTR i = 0; i < m_CycleNames.GetSize(); ++i) {
    if (!AcceptToolpathName(CycleToolpathName(static_cast<int>(i)), true)) return false;
  }
  return true;
}

// The holes' circles are made per toolpath by the command, each of its own tool.
void CMultiCycleDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (!AcceptToolpathName(m_ToolpathName, false)) return;
  if (m_Points.isEmpty()) {
    ShowMessage(kNoPointsText, "Message");
    return;
  }
  if (!ConfirmToolpathNames()) return;
  HighlightHeldCircles(false);
  EndDialog(IDOK);
}

void CMultiCycleDlg::OnCancel() {
  HighlightHeldCircles(false);
  RestoreClickedValues();
  CDrillCycleForm::OnCancel();
}
