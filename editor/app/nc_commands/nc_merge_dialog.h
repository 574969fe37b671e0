// The merge dialog: a folder tree with a file pattern, and the list of files
// to join in the order the user added them.
#pragma once

#include <string>
#include <vector>

#include "editor/app/folder_tree.h"
#include "platform/classlib/afxwin.h"

// TRUE when the path names a folder.
bool PathKindIsFolder(const std::string& path);

class CNcMergeDialog : public CDialog {
 public:
  CNcMergeDialog();

  CString m_strSelectedPath;
  CString m_strCurrentFolder;
  CString m_strPattern;
  std::vector<std::string> m_paths;
  int m_bStartWithDocument = 1;
  int m_bDrop = 0;

  BOOL OnInitDialog() override;

 protected:
  void OnOK() override;
  afx_msg void OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnTreeDblClick(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnPatternChanged();
  afx_msg void OnAdd();
  afx_msg void OnRemove();
  DECLARE_MESSAGE_MAP()

 private:
  void AddToList(const CString& path);

  CFolderTree m_tree;
  CComboBox m_combo;
  CListBox m_list;
};
