#include "platform/classlib/docview/recent_file_list.h"

#include <algorithm>
#include <cstdio>

#include "platform/classlib/docview/win_app.h"
#include "platform/classlib/window/menu.h"
#include "platform/win/win_paths.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize, int nMaxDispLen)
    : m_nStart(nStart),
      m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat),
      m_nMaxDisplayLength(nMaxDispLen),
      size_(std::max(nSize, 0)),
      names_(static_cast<size_t>(std::max(nSize, 0))) {}

void CRecentFileList::Add(LPCTSTR lpszPathName) {
  if (lpszPathName == nullptr || *lpszPathName == '\0' || size_ == 0) return;
  const std::string path = win::FullPath(lpszPathName);
  int found = size_ - 1;
  for (int i = 0; i < size_; ++i) {
    if (names_[static_cast<size_t>(i)].str() == path) {
      found = i;
      break;
    }
  }
  for (int i = found; i > 0; --i) names_[static_cast<size_t>(i)] = names_[static_cast<size_t>(i - 1)];
  names_[0] = path;
}

void CRecentFileList::Remove(int nIndex) {
  if (nIndex < 0 || nIndex >= size_) return;
  names_.erase(names_.begin() + nIndex);
  names_.emplace_back();
}

void CRecentFileList::ReadList() {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return;
  for (int i = 0; i < size_; ++i) {
    CString entry;
    entry.Format(m_strEntryFormat.GetString(), i + 1);
    names_[static_cast<size_t>(i)] = app->GetProfileString(m_strSectionName, entry, "");
  }
}

void CRecentFileList::WriteList() {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return;
  for (int i = 0; i < size_; ++i) {
    CString entry;
    entry.Format(m_strEntryFormat.GetString(), i + 1);
    const CString& name = names_[static_cast<size_t>(i)];
    // Empty entries are removed rather than stored empty.
    app->WriteProfileString(m_strSectionName, entry, name.IsEmpty() ? nullptr : name.GetString());
  }
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const {
  (void)bAtLeastName;
  if (nIndex < 0 || nIndex >= size_) return FALSE;
  std::string name = names_[static_cast<size_t>(nIndex)].str();
  if (name.empty()) return FALSE;
  // Inside the current folder only the name is shown.
  if (lpszCurDir != nullptr && nCurDir > 0 && name.size() > static_cast<size_t>(nCurDir) &&
      win::EqualsNoCase(name.substr(0, static_cast<size_t>(nCurDir)),
                        std::string(lpszCurDir, static_cast<size_t>(nCurDir)))) {
    name = name.substr(static_cast<size_t>(nCurDir));
    while (!name.empty() && (name[0] == '/' || name[0] == '\\')) name.erase(0, 1);
  }
  const size_t limit = static_cast<size_t>(std::max(m_nMaxDisplayLength, 4));
  if (name.size() > limit) {
    // Keep the file name and as much of the folder's start as fits: "c:/a/.../name".
    const size_t slash = name.find_last_of("/\\");
    const std::string tail = slash == std::string::npos ? name : name.substr(slash);
    if (tail.size() + 3 >= limit) {
      name = tail.substr(tail.size() > limit ? tail.size() - limit : 0);
    } else {
      name = name.substr(0, limit - tail.size() - 3) + "..." + tail;
    }
  }
  strName = name;
  return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI) {
  CMenu* menu = pCmdUI->m_pMenu;
  if (m_strOriginal.IsEmpty() && menu != nullptr) menu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
  if (size_ == 0 || names_[0].IsEmpty()) {
    if (!m_strOriginal.IsEmpty()) pCmdUI->SetText(m_strOriginal);
    pCmdUI->Enable(FALSE);
    return;
  }
  if (menu == nullptr) return;
  for (int i = 0; i < size_; ++i) menu->DeleteMenu(pCmdUI->m_nID + static_cast<UINT>(i), MF_BYCOMMAND);
  for (int i = 0; i < size_; ++i) {
    CString name;
    if (!GetDisplayName(name, i, nullptr, 0)) break;
    CString text;
    text.Format("&%d %s", i + 1, name.GetString());
    menu->InsertMenu(pCmdUI->m_nIndex + static_cast<UINT>(i), MF_STRING | MF_BYPOSITION,
                     pCmdUI->m_nID + static_cast<UINT>(i), text);
  }
  pCmdUI->m_nIndex += static_cast<UINT>(size_) - 1;
  pCmdUI->m_bEnableChanged = TRUE;
}
