#include "plugin/post/quick/quick_post_dlg.h"

#include "platform/classlib/dialogs/file_dialog.h"
#include "platform/win/message_box.h"
#include "plugin/post/post_dlg.h"

namespace {

constexpr int kOutputButton = 201;
constexpr int kProgramNumberEdit = 205;
constexpr int kProgramNumberCheck = 207;
constexpr int kDiagonalRapidCheck = 208;
constexpr int kSequenceNumberCheck = 209;
constexpr int kMachiningInfoCheck = 210;
constexpr int kConversationalCheck = 211;
constexpr int kArcsByRadiusCheck = 212;
constexpr int kIncrementalCheck = 213;
constexpr int kEditorCheck = 214;
constexpr int kArcHelixCheck = 215;
constexpr int kAllList = 313;
constexpr int kAddButton = 314;
constexpr int kRemoveButton = 315;
constexpr int kChosenList = 316;

constexpr const char* kNothingChosenText = "공구경로가 선택되지 않았습니다.!!";

const DialogTemplateRegistration kQuickPostTemplate(CQuickPostDlg::IDD,
                                                    {"Quick Post",
                                                     {
                                                         res::CheckBox(kSequenceNumberCheck, "N번호 출력"),
                                                         res::CheckBox(kMachiningInfoCheck, "가공 정보"),
                                                         res::CheckBox(kProgramNumberCheck, "프로그램 번호"),
                                                         res::EditText(kProgramNumberEdit, "", ES_NUMBER),
                                                         res::CheckBox(kConversationalCheck, "하이덴하인"),
                                                         res::CheckBox(kArcsByRadiusCheck, "IJK -> R"),
                                                         res::CheckBox(kIncrementalCheck, "Incremental (G91)"),
                                                         res::CheckBox(kDiagonalRapidCheck, "사선 급속이송"),
                                                         res::CheckBox(kEditorCheck, "파일 생성후 편집기"),
                                                         res::CheckBox(kArcHelixCheck, "Arc Helix"),
                                                         res::PushButton(kOutputButton, ""),
                                                         res::ListBox(kAllList, "<< 전체 경로 >>"),
                                                         res::PushButton(kAddButton, "->"),
                                                         res::PushButton(kRemoveButton, "<-"),
                                                         res::ListBox(kChosenList, "<< 출력 경로 >>"),
                                                         res::DefPushButton(IDOK, "OK"),
                                                         res::PushButton(IDCANCEL, "Cancel"),
                                                     }});

}  // namespace

CString QuickPostOutputFilter() {
  CString filter;
  filter.Format("NCDATA FILE (%s)|%s|All Files (*.*)|*.*||", "*.*", "*.*");
  return filter;
}

BEGIN_MESSAGE_MAP(CQuickPostDlg, CAcUiDialog)
ON_BN_CLICKED(kOutputButton, &CQuickPostDlg::OnChooseOutput)
ON_BN_CLICKED(kAddButton, &CQuickPostDlg::OnAdd)
ON_LBN_DBLCLK(kAllList, &CQuickPostDlg::OnAdd)
ON_BN_CLICKED(kRemoveButton, &CQuickPostDlg::OnRemove)
ON_LBN_DBLCLK(kChosenList, &CQuickPostDlg::OnRemove)
ON_BN_CLICKED(kConversationalCheck, &CQuickPostDlg::OnConversational)
ON_BN_CLICKED(kIncrementalCheck, &CQuickPostDlg::OnIncremental)
END_MESSAGE_MAP()

CQuickPostDlg::CQuickPostDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) {}

QuickPostOptions CQuickPostDlg::Options() const {
  QuickPostOptions options;
  options.sequenceNumbers = m_SequenceNumbers != 0;
  options.machiningInfo = m_MachiningInfo != 0;
  options.programNumberOn = m_ProgramNumberOn != 0;
  options.programNumber = m_ProgramNumber;
  options.conversational = m_Conversational != 0;
  options.arcsByRadius = m_ArcsByRadius != 0;
  options.incremental = m_Incremental != 0;
  options.diagonalRapids = m_DiagonalRapids != 0;
  options.editorAfter = m_EditorAfter != 0;
  options.arcHelix = m_ArcHelix != 0;
  return options;
}

void CQuickPostDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  DDX_Check(pDX, kSequenceNumberCheck, m_SequenceNumbers);
  DDX_Check(pDX, kMachiningInfoCheck, m_MachiningInfo);
  DDX_Check(pDX, kProgramNumberCheck, m_ProgramNumberOn);
  DDX_Text(pDX, kProgramNumberEdit, m_ProgramNumber);
  DDX_Check(pDX, kConversationalCheck, m_Conversational);
  DDX_Check(pDX, kArcsByRadiusCheck, m_ArcsByRadius);
  DDX_Check(pDX, kIncrementalCheck, m_Incremental);
  DDX_Check(pDX, kDiagonalRapidCheck, m_DiagonalRapids);
  DDX_Check(pDX, kEditorCheck, m_EditorAfter);
  DDX_Check(pDX, kArcHelixCheck, m_ArcHelix);
}

BOOL CQuickPostDlg::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  SetDlgItemText(kOutputButton, m_OutputPath);
  FillToolpathList(*this);
  return TRUE;
}

void CQuickPostDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_ToolpathNames = ChosenToolpaths(*this);
  if (m_ToolpathNames.empty()) {
    ::MessageBox(nullptr, kNothingChosenText, "Error message", MB_OK | MB_ICONINFORMATION);
    return;
  }
  CAcUiDialog::OnOK();
}

void CQuickPostDlg::OnChooseOutput() {
  CFileDialog dialog(FALSE, nullptr, m_OutputPath, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, QuickPostOutputFilter(),
                     this);
  if (dialog.DoModal() != IDOK) return;
  m_OutputPath = dialog.GetPathName();
  SetDlgItemText(kOutputButton, m_OutputPath);
}

void CQuickPostDlg::OnAdd() { AddChosenToolpath(*this); }

void CQuickPostDlg::OnRemove() { RemoveChosenToolpath(*this); }

// Conversational output has no G91: the option set first stays.
void CQuickPostDlg::OnConversational() {
  if (IsDlgButtonChecked(kIncrementalCheck)) CheckDlgButton(kConversationalCheck, 0);
}

void CQuickPostDlg::OnIncremental() {
  if (IsDlgButtonChecked(kConversationalCheck)) CheckDlgButton(kIncrementalCheck, 0);
}
