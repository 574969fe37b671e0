// The explorer pane "File List": a tree of drives, folders and the files that
// match a chosen pattern; a double click opens a file in the editor. Explore,
// refresh, delete and rename act on the chosen item.
#pragma once

#include "editor/app/folder_tree.h"
#include "editor/app/pane_controls.h"
#include "platform/classlib/afxwin.h"

class CSampleApp;

// The rename dialog: a caption line and the new name.
class CRenameDialog : public CDialog {
 public:
  CRenameDialog();
  BOOL OnInitDialog() override;

  CString m_strCaption;
  CString m_strName;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

// Whether a new name for a file or folder stays in its folder: no path
// separators, not "." or "..", not empty.
bool IsPlainName(const CString& name);

class CExplorerPane : public CDialog {
 public:
  static constexpr int kMargin = 5;
  static constexpr int kTreeTop = 30;

  CExplorerPane();

  BOOL OnInitDialog() override;

  void SetApp(CSampleApp* app) { m_pApp = app; }
  CFolderTree& Tree() { return m_tree; }
  const CString& SelectedPath() const { return m_strSelectedPath; }
  const CString& CurrentFolder() const { return m_strCurrentFolder; }
  BOOL IsReady() const { return m_bReady; }

  // The commands of the pane's popup menu and buttons.
  void OpenSelected();
  void DeleteSelected();
  void RenameSelected();
  void Refresh();
  void Explore();

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnTreeDblClick(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnPatternChanged();
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  void LayOut(int cx, int cy);

  CSampleApp* m_pApp = nullptr;
  CString m_strSelectedPath;
  CString m_strPattern;
  CString m_strCurrentFolder;
  BOOL m_bReady = FALSE;
  CFolderTree m_tree;
  CPatternBox m_combo;
  CPaneButton m_explore;
  CPaneButton m_refresh;
};
