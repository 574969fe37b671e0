#include "editor/app/explorer_pane.h"

#include "editor/app/app_ids.h"
#include "editor/app/editor_settings.h"
#include "editor/app/sample_app.h"
#include "platform/win/files.h"
#include "platform/win/message_box.h"
#include "platform/win/shell.h"
#include "platform/win/win_paths.h"

BEGIN_MESSAGE_MAP(CExplorerPane, CDialog)
ON_WM_SIZE()
ON_WM_CONTEXTMENU()
ON_NOTIFY(TVN_SELCHANGED, IDC_FOLDER_TREE, &CExplorerPane::OnTreeSelChanged)
ON_NOTIFY(NM_DBLCLK, IDC_FOLDER_TREE, &CExplorerPane::OnTreeDblClick)
ON_CBN_SELCHANGE(IDC_PATTERN, &CExplorerPane::OnPatternChanged)
END_MESSAGE_MAP()

namespace {

constexpr const char* kPatterns[] = {"*.*", "*.nc", "*.hnc", "*.ppp", "*.tap"};
constexpr char kMessageCaption[] = "메시지";
constexpr char kQuestionCaption[] = "질문";
constexpr int kButtonWidth = 64;
constexpr int kRowHeight = 22;

// The text before the last separator, and the name after it.
void SplitPath(const CString& path, CString& folder, CString& name) {
  const std::string text = path.str();
  const size_t at = text.find_last_of("/\\");
  if (at == std::string::npos) {
    folder = "";
    name = path;
    return;
  }
  folder = text.substr(0, at + 1).c_str();
  name = text.substr(at + 1).c_str();
}

}  // namespace

CRenameDialog::CRenameDialog() : CDialog(IDD_RENAME) {}

BOOL CRenameDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_RENAME_CAPTION, m_strCaption);
  return TRUE;
}

void CRenameDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_RENAME_NAME, m_strName);
}

bool IsPlainName(const CString& name) {
  const std::string text = name.str();
  return !text.empty() && text != "." && text != ".." && text.find_first_of("/\\") == std::string::npos;
}

CExplorerPane::CExplorerPane() : CDialog(IDD_EXPLORER_PANE) {}

BOOL CExplorerPane::OnInitDialog() {
  CDialog::OnInitDialog();
  m_strCurrentFolder = win::ToUnixPath(NcDataFolder.str()).c_str();
  m_strPattern = FileFilterPattern;
  if (m_combo.m_hWnd == nullptr) m_combo.SubclassDlgItem(IDC_PATTERN, this);
  if (m_explore.m_hWnd == nullptr) m_explore.SubclassDlgItem(IDC_EXPLORE, this);
  if (m_refresh.m_hWnd == nullptr) m_refresh.SubclassDlgItem(IDC_REFRESH, this);
  m_combo.ResetContent();
  for (const char* pattern : kPatterns) m_combo.AddString(pattern);
  int chosen = m_combo.FindStringExact(-1, m_strPattern);
  if (chosen < 0) chosen = m_combo.InsertString(0, m_strPattern);
  m_combo.SetCurSel(chosen);
  m_tree.SetPattern(m_strPattern);
  if (m_tree.m_hWnd == nullptr) m_tree.SubclassDlgItem(IDC_FOLDER_TREE, this);
  m_tree.FillTree("", TRUE);
  m_tree.SelectPath(m_strCurrentFolder);
  m_bReady = TRUE;
  CRect client;
  GetClientRect(&client);
  LayOut(client.Width(), client.Height());
  return TRUE;
}

void CExplorerPane::LayOut(int cx, int cy) {
  if (CWnd* explore = GetDlgItem(IDC_EXPLORE)) explore->MoveWindow(kMargin, 4, kButtonWidth, kRowHeight);
  if (CWnd* refresh = GetDlgItem(IDC_REFRESH)) {
    refresh->MoveWindow(2 * kMargin + kButtonWidth, 4, kButtonWidth, kRowHeight);
  }
  const int combo_left = 3 * kMargin + 2 * kButtonWidth;
  if (m_combo.m_hWnd != nullptr) m_combo.MoveWindow(combo_left, 4, std::max(cx - combo_left - kMargin, 20), kRowHeight);
  if (m_tree.m_hWnd != nullptr) {
    m_tree.MoveWindow(kMargin, kTreeTop, std::max(cx - 2 * kMargin, 0), std::max(cy - kTreeTop - kMargin, 0));
  }
}

void CExplorerPane::OnSize(UINT nType, int cx, int cy) {
  CDialog::OnSize(nType, cx, cy);
  if (m_bReady) LayOut(cx, cy);
}

void CExplorerPane::OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult) {
  const auto* notice = reinterpret_cast<const NMTREEVIEW*>(pNMHDR);
  if (notice->itemNew.hItem != nullptr) m_strSelectedPath = m_tree.ItemPath(notice->itemNew.hItem);
  *pResult = 0;
}

void CExplorerPane::OnTreeDblClick(NMHDR*, LRESULT* pResult) {
  OpenSelected();
  *pResult = 0;
}

void CExplorerPane::OpenSelected() {
  if (m_strSelectedPath.IsEmpty()) return;
  m_strCurrentFolder = m_strSelectedPath;
  if (PathKind(m_strSelectedPath) == 1 && m_pApp != nullptr) m_pApp->OpenFileByName(m_strSelectedPath);
}

void CExplorerPane::OnPatternChanged() {
  const int chosen = m_combo.GetCurSel();
  if (chosen < 0) return;
  CString pattern;
  m_combo.GetLBText(chosen, pattern);
  m_strPattern = pattern;
  m_tree.SetPattern(pattern);
  Refresh();
}

void CExplorerPane::Refresh() {
  m_tree.FillTree("", TRUE);
  m_tree.SelectPath(m_strCurrentFolder);
}

void CExplorerPane::Explore() { ShellExecute(nullptr, "explore", m_strCurrentFolder, nullptr, nullptr, SW_SHOWNORMAL); }

void CExplorerPane::DeleteSelected() {
  if (m_strSelectedPath.IsEmpty()) return;
  m_strCurrentFolder = m_strSelectedPath;
  // Only files are deleted, and only when the user says so.
  if (PathKind(m_strSelectedPath) != 1) return;
  const CString question = m_strSelectedPath + " 파일을 삭제하시겠습니까?";
  if (::MessageBox(nullptr, question, kQuestionCaption, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  if (!::DeleteFile(m_strSelectedPath)) return;
  CString folder;
  CString name;
  SplitPath(m_strSelectedPath, folder, name);
  m_strCurrentFolder = folder.GetLength() > 1 && (folder.Right(1) == "/" || folder.Right(1) == "\\")
                           ? folder.Left(folder.GetLength() - 1)
                           : folder;
  Refresh();
}

void CExplorerPane::RenameSelected() {
  if (m_strSelectedPath.IsEmpty()) return;
  m_strCurrentFolder = m_strSelectedPath;
  const int kind = PathKind(m_strSelectedPath);
  if (kind == 0) return;
  CString folder;
  CString name;
  SplitPath(m_strSelectedPath, folder, name);
  CRenameDialog dialog;
  dialog.m_strCaption = kind == 1 ? "파일명 변경" : "디렉토리명 변경";
  dialog.m_strName = name;
  if (dialog.DoModal() != IDOK || dialog.m_strName == name) return;
  if (!IsPlainName(dialog.m_strName)) {
    ::MessageBox(nullptr, "이름에는 경로 구분자(/, \\)나 \"..\"를 쓸 수 없습니다.", kMessageCaption, MB_OK);
    return;
  }
  const CString target = folder + dialog.m_strName;
  if (!::MoveFile(m_strSelectedPath, target)) return;
  m_strCurrentFolder = target;
  Refresh();
}

BOOL CExplorerPane::OnCommand(WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case ID_FILE_LIST_OPEN:
      OpenSelected();
      return TRUE;
    case ID_FILE_LIST_DELETE:
      DeleteSelected();
      return TRUE;
    case ID_FILE_LIST_RENAME:
      RenameSelected();
      return TRUE;
    case IDC_EXPLORE:
      if (HIWORD(wParam) == BN_CLICKED) Explore();
      return TRUE;
    case IDC_REFRESH:
      if (HIWORD(wParam) == BN_CLICKED) Refresh();
      return TRUE;
    case IDOK:
    case IDCANCEL:
      // Enter and Escape do not close a pane.
      return TRUE;
    default:
      return CDialog::OnCommand(wParam, lParam);
  }
}

void CExplorerPane::OnContextMenu(CWnd*, CPoint point) {
  CMenu menu;
  if (!menu.LoadMenu(IDR_FILE_LIST_MENU)) return;
  if (CMenu* popup = menu.GetSubMenu(0)) popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}
