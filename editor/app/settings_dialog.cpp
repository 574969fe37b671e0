#include "editor/app/settings_dialog.h"

#include "editor/app/app_ids.h"
#include "editor/app/editor_settings.h"

BEGIN_MESSAGE_MAP(CFolderPickerDialog, CDialog)
ON_NOTIFY(TVN_SELCHANGED, IDC_FOLDER_TREE, &CFolderPickerDialog::OnTreeSelChanged)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CSettingsDialog, CDialog)
ON_BN_CLICKED(IDC_NC_HIGHLIGHT_CHECK, &CSettingsDialog::OnNcCodeCheck)
ON_BN_CLICKED(IDC_BROWSE_NCDATA, &CSettingsDialog::OnBrowseNcData)
ON_BN_CLICKED(IDC_BROWSE_CONFIG, &CSettingsDialog::OnBrowseConfig)
ON_BN_CLICKED(IDC_BROWSE_MACRO, &CSettingsDialog::OnBrowseMacro)
END_MESSAGE_MAP()

CFolderPickerDialog::CFolderPickerDialog() : CDialog(IDD_FOLDER_PICKER) {}

BOOL CFolderPickerDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  const std::string start = settings::Read("ncdatadir");
  if (m_tree.m_hWnd == nullptr) m_tree.SubclassDlgItem(IDC_FOLDER_TREE, this);
  m_tree.FillTree("", FALSE);
  if (!start.empty()) m_tree.SelectPath(start.c_str());
  return TRUE;
}

void CFolderPickerDialog::OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult) {
  const auto* notice = reinterpret_cast<const NMTREEVIEW*>(pNMHDR);
  if (notice->itemNew.hItem != nullptr) m_strSelectedPath = m_tree.ItemPath(notice->itemNew.hItem);
  *pResult = 0;
}

CSettingsDialog::CSettingsDialog()
    : CDialog(IDD_SETTINGS),
      m_strNcDataDir(settings::NcDataDefault().c_str()),
      m_strPattern(settings::kPatternDefault),
      m_strConfigDir(settings::ConfigDefault().c_str()),
      m_strMacroDir(settings::MacroDefault().c_str()) {}

void CSettingsDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_NCDATA_DIR, m_strNcDataDir);
  DDX_Text(pDX, IDC_PATTERN_EDIT, m_strPattern);
  DDX_Text(pDX, IDC_CONFIG_DIR, m_strConfigDir);
  DDX_Text(pDX, IDC_NC_HIGHLIGHT_TEXT, m_strNcCode);
  DDX_Control(pDX, IDC_NC_HIGHLIGHT_CHECK, m_btnNcCode);
  DDX_Text(pDX, IDC_MACRO_DIR, m_strMacroDir);
  DDX_Check(pDX, IDC_MACRO_CHECK, m_nMacroCheck);
}

BOOL CSettingsDialog::OnInitDialog() {
  // What the registry holds now, also when an earlier dialog of this run changed it.
  m_strNcDataDir = settings::ReadOr("ncdatadir", settings::NcDataDefault()).c_str();
  m_strPattern = settings::ReadOr("expan", settings::kPatternDefault).c_str();
  m_strConfigDir = settings::ReadOr("CfgDir", settings::ConfigDefault()).c_str();
  const std::string nc_code = settings::Read("NcCode");
  const bool colouring = nc_code.empty() || nc_code == "1";
  m_strNcCode = colouring ? "1" : "0";
  CDialog::OnInitDialog();
  m_btnNcCode.SetCheck(colouring ? BST_CHECKED : BST_UNCHECKED);
  return TRUE;
}

void CSettingsDialog::OnNcCodeCheck() {
  m_strNcCode = m_btnNcCode.GetCheck() == BST_CHECKED ? "1" : "0";
  SetDlgItemText(IDC_NC_HIGHLIGHT_TEXT, m_strNcCode);
}

void CSettingsDialog::BrowseInto(int edit_id) {
  CFolderPickerDialog picker;
  if (picker.DoModal() != IDOK || picker.m_strSelectedPath.IsEmpty()) return;
  SetDlgItemText(edit_id, picker.m_strSelectedPath);
}

void CSettingsDialog::OnBrowseNcData() { BrowseInto(IDC_NCDATA_DIR); }
void CSettingsDialog::OnBrowseConfig() { BrowseInto(IDC_CONFIG_DIR); }
void CSettingsDialog::OnBrowseMacro() { BrowseInto(IDC_MACRO_DIR); }

void CSettingsDialog::OnOK() {
  CString macro_dir;
  GetDlgItemText(IDC_MACRO_DIR, macro_dir);
  settings::Write("MacroDir", macro_dir.str(), true);
  settings::Write("MacroDirSetChk", IsDlgButtonChecked(IDC_MACRO_CHECK) == BST_CHECKED ? "1" : "0", true);
  GetDlgItemText(IDC_CONFIG_DIR, m_strConfigDir);
  GetDlgItemText(IDC_NCDATA_DIR, m_strNcDataDir);
  GetDlgItemText(IDC_PATTERN_EDIT, m_strPattern);
  GetDlgItemText(IDC_NC_HIGHLIGHT_TEXT, m_strNcCode);
  settings::Write("ncdatadir", m_strNcDataDir.str(), false);
  settings::Write("expan", m_strPattern.str(), false);
  settings::Write("NcCode", m_strNcCode.str(), false);
  settings::Write("CfgDir", m_strConfigDir.str(), false);
  CDialog::OnOK();
}

void RunSettingsCommand() {
  CSettingsDialog dialog;
  dialog.m_strMacroDir = settings::ReadOr("MacroDir", settings::MacroDefault()).c_str();
  dialog.m_nMacroCheck = settings::Read("MacroDirSetChk") == "0" ? 0 : 1;
  dialog.DoModal();
}
