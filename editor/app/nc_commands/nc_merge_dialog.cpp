#include "editor/app/nc_commands/nc_merge_dialog.h"

#include "editor/app/editor_settings.h"
#include "editor/app/nc_commands/nc_command_ids.h"
#include "platform/win/win_paths.h"

namespace {

constexpr const char* kPatterns[] = {"*.*", "*.nc", "*.hnc", "*.ppp", "*.tap"};

}  // namespace

bool PathKindIsFolder(const std::string& path) { return PathKind(win::ToUnixPath(path).c_str()) == 2; }

BEGIN_MESSAGE_MAP(CNcMergeDialog, CDialog)
ON_NOTIFY(TVN_SELCHANGED, IDC_MERGE_TREE, &CNcMergeDialog::OnTreeSelChanged)
ON_NOTIFY(NM_DBLCLK, IDC_MERGE_TREE, &CNcMergeDialog::OnTreeDblClick)
ON_CBN_SELCHANGE(IDC_MERGE_PATTERN, &CNcMergeDialog::OnPatternChanged)
ON_BN_CLICKED(IDC_MERGE_ADD, &CNcMergeDialog::OnAdd)
ON_BN_CLICKED(IDC_MERGE_REMOVE, &CNcMergeDialog::OnRemove)
ON_LBN_DBLCLK(IDC_MERGE_LIST, &CNcMergeDialog::OnRemove)
END_MESSAGE_MAP()

CNcMergeDialog::CNcMergeDialog()
    : CDialog(IDD_NC_MERGE),
      m_strCurrentFolder(win::ToUnixPath(settings::ReadOr("ncdatadir", settings::NcDataDefault())).c_str()) {}

BOOL CNcMergeDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_combo.m_hWnd == nullptr) m_combo.SubclassDlgItem(IDC_MERGE_PATTERN, this);
  if (m_list.m_hWnd == nullptr) m_list.SubclassDlgItem(IDC_MERGE_LIST, this);
  m_combo.ResetContent();
  for (const char* pattern : kPatterns) m_combo.AddString(pattern);
  m_strPattern = settings::ReadOr("expan", settings::kPatternDefault).c_str();
  int chosen = m_combo.FindStringExact(-1, m_strPattern);
  if (chosen < 0) chosen = m_combo.InsertString(0, m_strPattern);
  m_combo.SetCurSel(chosen);
  m_tree.SetPattern(m_strPattern);
  if (m_tree.m_hWnd == nullptr) m_tree.SubclassDlgItem(IDC_MERGE_TREE, this);
  m_tree.FillTree("", TRUE);
  m_tree.SelectPath(m_strCurrentFolder);
  return TRUE;
}

void CNcMergeDialog::OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult) {
  const auto* notice = reinterpret_cast<const NMTREEVIEW*>(pNMHDR);
  if (notice->itemNew.hItem != nullptr) m_strSelectedPath = m_tree.ItemPath(notice->itemNew.hItem);
  *pResult = 0;
}

void CNcMergeDialog::OnTreeDblClick(NMHDR*, LRESULT* pResult) {
  const int kind = PathKind(m_strSelectedPath);
  if (kind == 1) AddToList(m_strSelectedPath);
  if (kind == 2) m_strCurrentFolder = m_strSelectedPath;
  *pResult = 0;
}

void CNcMergeDialog::OnPatternChanged() {
  const int chosen = m_combo.GetCurSel();
  if (chosen < 0) return;
  m_combo.GetLBText(chosen, m_strPattern);
  m_tree.SetPattern(m_strPattern);
  m_tree.FillTree("", TRUE);
  m_tree.SelectPath(m_strCurrentFolder);
}

// Only files go into the list: a folder becomes the folder the tree shows.
void CNcMergeDialog::OnAdd() {
  const int kind = PathKind(m_strSelectedPath);
  if (kind == 1) AddToList(m_strSelectedPath);
  if (kind == 2) m_strCurrentFolder = m_strSelectedPath;
}

void CNcMergeDialog::AddToList(const CString& path) { m_list.AddString(path); }

void CNcMergeDialog::OnRemove() {
  const int count = m_list.GetCount();
  if (count == 0) return;
  const int focus = m_list.GetCurSel();
  m_list.DeleteString(static_cast<UINT>(focus >= 0 && focus < count ? focus : 0));
}

void CNcMergeDialog::OnOK() {
  m_bDrop = IsDlgButtonChecked(IDC_MERGE_DROP) == BST_CHECKED ? 1 : 0;
  m_bStartWithDocument = IsDlgButtonChecked(IDC_MERGE_START_EMPTY) == BST_CHECKED ? 0 : 1;
  m_paths.clear();
  for (int i = 0; i < m_list.GetCount(); ++i) {
    CString path;
    m_list.GetText(i, path);
    m_paths.push_back(path.str());
  }
  CDialog::OnOK();
}
