#include "plugin/post/post_dlg.h"

#include "platform/classlib/dialogs/file_dialog.h"
#include "platform/classlib/dialogs/list_box.h"
#include "platform/win/atomic_file_writer.h"
#include "platform/win/message_box.h"
#include "platform/win/shell.h"
#include "platform/win/win_paths.h"
#include "plugin/post/post_block_dlg.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/settings/registry_text.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr int kOutputButton = 201;
constexpr int kProgramNumberEdit = 205;
constexpr int kAllList = 313;
constexpr int kAddButton = 314;
constexpr int kRemoveButton = 315;
constexpr int kChosenList = 316;
constexpr int kDefinitionButton = 417;
constexpr int kDefineButton = 419;
constexpr int kRapidButton = 420;
constexpr int kTermButton = 421;
constexpr int kStartButton = 422;
constexpr int kFromButton = 423;
constexpr int kToolButton = 424;
constexpr int kCycleButton = 425;
constexpr int kArcButton = 426;
constexpr int kSpindleButton = 427;
constexpr int kEditorButton = 428;
constexpr int kCoolantButton = 429;
constexpr int kMidTermButton = 430;
constexpr int kCutButton = 435;
constexpr int kSaveButton = 436;
constexpr int kParametersButton = 600;

constexpr const char* kDefinitionFilter = "Post processor (*.ppr) | *.ppr ||";
constexpr const char* kNcPatterns = "*.nc;*.hnc;*.ppp;*.tap";
constexpr const char* kNothingChosenText = "공구경로가 선택되지 않았습니다.!!";
constexpr const char* kNothingSelectedText = "공구경로가 선택되지 안았습니다.";
constexpr const char* kNoParametersText = "이 공구경로의 파라메타는 볼 수 없습니다.";

const DialogTemplateRegistration kPostTemplate(CPostDlg::IDD, {"NC DATA 출력",
                                                               {
                                                                   res::GroupBox(IDC_STATIC, "<< Post Processor >>"),
                                                                   res::PushButton(kDefinitionButton, "default"),
                                                                   res::PushButton(kSaveButton, "PP저장"),
                                                                   res::PushButton(kEditorButton, "PP 편집"),
                                                                   res::PushButton(kDefineButton, "Define"),
                                                                   res::PushButton(kStartButton, "시작부"),
                                                                   res::PushButton(kFromButton, "중간 시작"),
                                                                   res::PushButton(kCutButton, "절삭이송"),
                                                                   res::PushButton(kRapidButton, "급속이송"),
                                                                   res::PushButton(kArcButton, "원호"),
                                                                   res::PushButton(kCycleButton, "싸이클"),
                                                                   res::PushButton(kToolButton, "공구 변경"),
                                                                   res::PushButton(kSpindleButton, "SPINDLE"),
                                                                   res::PushButton(kCoolantButton, "절삭유"),
                                                                   res::PushButton(kMidTermButton, "중간 종료"),
                                                                   res::PushButton(kTermButton, "종료부"),
                                                                   res::GroupBox(IDC_STATIC, "<< NC DATA >>"),
                                                                   res::PushButton(kOutputButton, ""),
                                                                   res::EditText(kProgramNumberEdit, "프로그램 번호"),
                                                                   res::ListBox(kAllList, "<< 전체 경로 >>"),
                                                                   res::PushButton(kAddButton, "->"),
                                                                   res::PushButton(kRemoveButton, "<-"),
                                                                   res::ListBox(kChosenList, "<< 출력 경로 >>"),
                                                                   res::PushButton(kParametersButton, "파라메타"),
                                                                   res::DefPushButton(IDOK, "OK"),
                                                                   res::PushButton(IDCANCEL, "Cancel"),
                                                               }});

void ShowInformation(const char* text, const char* caption) {
  ::MessageBox(nullptr, text, caption, MB_OK | MB_ICONINFORMATION);
}

CListBox* ListOf(CWnd& dialog, int id) { return DYNAMIC_DOWNCAST(CListBox, dialog.GetDlgItem(id)); }

}  // namespace

void FillToolpathList(CWnd& dialog) {
  CListBox* all = ListOf(dialog, kAllList);
  if (all == nullptr) return;
  all->ResetContent();
  CStringArray names;
  int count = 0;
  ListToolpathNames(names, count);
  for (int i = 0; i < names.GetSize(); ++i) all->AddString(names[i]);
}

void AddChosenToolpath(CWnd& dialog) {
  CListBox* all = ListOf(dialog, kAllList);
  CListBox* chosen = ListOf(dialog, kChosenList);
  if (all == nullptr || chosen == nullptr || all->GetCurSel() < 0) return;
  CString name;
  all->GetText(all->GetCurSel(), name);
  chosen->InsertString(chosen->GetCurSel(), name);
}

void RemoveChosenToolpath(CWnd& dialog) {
  CListBox* chosen = ListOf(dialog, kChosenList);
  if (chosen == nullptr || chosen->GetCurSel() < 0) return;
  chosen->DeleteString(chosen->GetCurSel());
}

std::vector<CString> ChosenToolpaths(CWnd& dialog) {
  std::vector<CString> names;
  CListBox* chosen = ListOf(dialog, kChosenList);
  for (int i = 0; chosen != nullptr && i < chosen->GetCount(); ++i) {
    CString name;
    chosen->GetText(i, name);
    if (name.IsEmpty()) break;
    names.push_back(name);
  }
  return names;
}

CString PostOutputFilter() {
  CString filter;
  filter.Format("NCDATA FILE (%s)|%s|All Files (*.*)|*.*||", kNcPatterns, kNcPatterns);
  return filter;
}

BEGIN_MESSAGE_MAP(CPostDlg, CAcUiDialog)
ON_BN_CLICKED(kDefinitionButton, &CPostDlg::OnChooseDefinition)
ON_BN_CLICKED(kSaveButton, &CPostDlg::OnSaveDefinition)
ON_BN_CLICKED(kEditorButton, &CPostDlg::OnEditDefinition)
ON_BN_CLICKED(kDefineButton, &CPostDlg::OnDefine)
ON_BN_CLICKED(kStartButton, &CPostDlg::OnStart)
ON_BN_CLICKED(kFromButton, &CPostDlg::OnFrom)
ON_BN_CLICKED(kCutButton, &CPostDlg::OnCut)
ON_BN_CLICKED(kRapidButton, &CPostDlg::OnRapid)
ON_BN_CLICKED(kArcButton, &CPostDlg::OnArc)
ON_BN_CLICKED(kCycleButton, &CPostDlg::OnCycles)
ON_BN_CLICKED(kToolButton, &CPostDlg::OnTool)
ON_BN_CLICKED(kSpindleButton, &CPostDlg::OnSpindle)
ON_BN_CLICKED(kCoolantButton, &CPostDlg::OnCoolant)
ON_BN_CLICKED(kMidTermButton, &CPostDlg::OnMidTerm)
ON_BN_CLICKED(kTermButton, &CPostDlg::OnTerm)
ON_BN_CLICKED(kOutputButton, &CPostDlg::OnChooseOutput)
ON_BN_CLICKED(kAddButton, &CPostDlg::OnAdd)
ON_LBN_DBLCLK(kAllList, &CPostDlg::OnAdd)
ON_BN_CLICKED(kRemoveButton, &CPostDlg::OnRemove)
ON_LBN_DBLCLK(kChosenList, &CPostDlg::OnRemove)
ON_BN_CLICKED(kParametersButton, &CPostDlg::OnShowParameters)
END_MESSAGE_MAP()

CPostDlg::CPostDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) {}

void CPostDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, kProgramNumberEdit, m_ProgramNumber);
}

bool CPostDlg::LoadDefinition(const CString& path, CString* refusal) {
  PostDefinitionProblem problem;
  if (m_Definition.Load(path.str(), &problem) == PostSettingsFile::LoadResult::kRefused) {
    CString text;
    text.Format(MsgPostDefinitionRefused, path.GetString(), problem.line, problem.why.c_str());
    ShowInformation(text, "Error message");
    if (refusal != nullptr) *refusal = text;
    return false;
  }
  m_DefinitionPath = path;
  if (GetSafeHwnd() != nullptr) SetDlgItemText(kDefinitionButton, m_DefinitionPath);
  return true;
}

BOOL CPostDlg::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  SetDlgItemText(kDefinitionButton, m_DefinitionPath);
  SetDlgItemText(kOutputButton, m_OutputPath);
  FillToolpathList(*this);
  return TRUE;
}

void CPostDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (!m_DefinitionRefusal.IsEmpty()) {
    ShowInformation(m_DefinitionRefusal, "Error message");
    return;
  }
  WriteRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, "PostFile", m_DefinitionPath);
  m_ToolpathNames = ChosenToolpaths(*this);
  if (m_ToolpathNames.empty()) {
    ShowInformation(kNothingChosenText, "Error message");
    return;
  }
  CAcUiDialog::OnOK();
}

void CPostDlg::OnChooseDefinition() {
  CFileDialog dialog(TRUE, "ppr", "*.ppr", OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kDefinitionFilter, this);
  const CString folder = ConfigurationSettings().PostDir;
  if (IsSettingsFolder(folder)) dialog.m_ofn.lpstrInitialDir = folder;
  if (dialog.DoModal() != IDOK) return;
  m_DefinitionRefusal.Empty();
  LoadDefinition(dialog.GetPathName(), &m_DefinitionRefusal);
}

void CPostDlg::OnSaveDefinition() {
  const CString folder = ConfigurationSettings().PostDir;
  const CString initial = UseSettingsFolder(folder) ? folder + "\\*.ppr" : CString("*.ppr");
  CFileDialog dialog(FALSE, "ppr", initial, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kDefinitionFilter, this);
  if (dialog.DoModal() != IDOK) return;
  m_DefinitionPath = dialog.GetPathName();
  SetDlgItemText(kDefinitionButton, m_DefinitionPath);
  std::string why;
  if (!ReplaceFileContents(win::ToUnixPath(m_DefinitionPath.str()), m_Definition.SaveText(), {{".ppr-save-", ""}},
                           why)) {
    ShowInformation(MsgCannotOpenFile + why.c_str(), "Error message");
  }
}

void CPostDlg::OnEditDefinition() {
  ShellExecute(nullptr, "open", ConfigurationSettings().EditorPath, m_DefinitionPath, "", SW_SHOWNORMAL);
}

void CPostDlg::EditBlock(int block) {
  CPostBlockDlg dialog(m_Definition.block(block), this);
  dialog.DoModal();
}

void CPostDlg::OnDefine() { EditBlock(kDefineBlock); }
void CPostDlg::OnStart() { EditBlock(kStartBlock); }
void CPostDlg::OnFrom() { EditBlock(kFromBlock); }
void CPostDlg::OnCut() { EditBlock(kCutBlock); }
void CPostDlg::OnRapid() { EditBlock(kRapidBlock); }
void CPostDlg::OnArc() { EditBlock(kArcBlock); }
void CPostDlg::OnTool() { EditBlock(kToolBlock); }
void CPostDlg::OnSpindle() { EditBlock(kSpindleBlock); }
void CPostDlg::OnCoolant() { EditBlock(kCoolentBlock); }
void CPostDlg::OnMidTerm() { EditBlock(kMidTermBlock); }
void CPostDlg::OnTerm() { EditBlock(kTermBlock); }

void CPostDlg::OnCycles() {
  constexpr int kCycleBlocks[CCycleNameDlg::kCycleBlockCount] = {
      kDrillBlock,      kPeckDrillBlock,   kChipBreakBlock,   kTapBlock,        kBoringSpindleBlock,
      kBoringFeedBlock, kBoringShiftBlock, kCycleCancelBlock, kUserCycle1Block, kUserCycle2Block,
      kUserCycle3Block, kUserCycle4Block,  kUserCycle5Block,
  };
  for (int i = 0; i < CCycleNameDlg::kCycleBlockCount; ++i)
    m_CycleDlg.m_Blocks[i] = &m_Definition.block(kCycleBlocks[i]);
  m_CycleDlg.DoModal();
}

void CPostDlg::OnChooseOutput() {
  CFileDialog dialog(FALSE, nullptr, m_OutputPath, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, PostOutputFilter(), this);
  if (dialog.DoModal() != IDOK) return;
  m_OutputPath = dialog.GetPathName();
  SetDlgItemText(kOutputButton, m_OutputPath);
}

void CPostDlg::OnAdd() { AddChosenToolpath(*this); }

void CPostDlg::OnRemove() { RemoveChosenToolpath(*this); }

void CPostDlg::OnShowParameters() {
  CListBox* all = ListOf(*this, kAllList);
  if (all == nullptr || all->GetCurSel() < 0) {
    ShowInformation(kNothingSelectedText, "Ostrivo messag");
    return;
  }
  CString name, record;
  all->GetText(all->GetCurSel(), name);
  AcDbObjectId id;
  const int kind = FindToolpathByName(name, id) ? ReadToolpathTypeCode(id, record) : 0;
  PostKindHolder* holder = m_Holders.Find(kind);
  CString refusal;
  if (holder == nullptr || !holder->ReadRecord(record, refusal) || holder->Dialog() == nullptr) {
    // The record's refused line and field, when that is why.
    const CString text = refusal.IsEmpty() ? CString(kNoParametersText) : CString(kNoParametersText) + "\n" + refusal;
    ShowInformation(text, "Ostrivo messag");
    return;
  }
  holder->SetToolpathName(name);
  holder->Dialog()->DoModal();
}
