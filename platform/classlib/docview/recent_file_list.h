// The recent-file list: the last opened paths, newest first, kept in the
// application profile as "File1", "File2", ... under "Recent File List", and
// shown in the File menu in place of its "Recent File" item.
#pragma once

#include <string>
#include <vector>

#include "platform/classlib/cmdtarget.h"
#include "platform/classlib/cstring.h"

class CRecentFileList {
 public:
  CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize, int nMaxDispLen = 32);
  virtual ~CRecentFileList() = default;

  int GetSize() const { return size_; }
  CString& operator[](int nIndex) { return names_[static_cast<size_t>(nIndex)]; }
  // Moves the path, made absolute, to the top; the same path further down goes.
  virtual void Add(LPCTSTR lpszPathName);
  virtual void Remove(int nIndex);
  virtual void ReadList();
  virtual void WriteList();
  // The menu text of entry nIndex, shortened to nMaxDispLen characters; FALSE for an empty entry.
  virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                              BOOL bAtLeastName = TRUE) const;
  // Replaces the command's item (and the entries after it) with the list's entries.
  virtual void UpdateMenu(CCmdUI* pCmdUI);

  UINT m_nStart;
  CString m_strSectionName;
  CString m_strEntryFormat;
  int m_nMaxDisplayLength;
  CString m_strOriginal;  // the menu text that stands for an empty list

 private:
  int size_;
  std::vector<CString> names_;
};
