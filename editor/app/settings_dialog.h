// The settings dialog (folders, file pattern, NC colouring default, macro
// folder) with the folder picker that its browse buttons open.
#pragma once

#include "editor/app/folder_tree.h"
#include "platform/classlib/afxwin.h"

class CFolderPickerDialog : public CDialog {
 public:
  CFolderPickerDialog();

  CString m_strSelectedPath;

  BOOL OnInitDialog() override;

 protected:
  afx_msg void OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()

 private:
  CFolderTree m_tree;
};

class CSettingsDialog : public CDialog {
 public:
  CSettingsDialog();

  CString m_strNcDataDir;
  CString m_strPattern;
  CString m_strConfigDir;
  CString m_strNcCode;
  CButton m_btnNcCode;
  CString m_strMacroDir;
  int m_nMacroCheck = 0;

  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  afx_msg void OnNcCodeCheck();
  afx_msg void OnBrowseNcData();
  afx_msg void OnBrowseConfig();
  afx_msg void OnBrowseMacro();
  DECLARE_MESSAGE_MAP()

 private:
  // The picker's folder into a field's edit; Cancel leaves the field as it was.
  void BrowseInto(int edit_id);
};

// The settings commands of the view and the application: the dialog with the stored macro folder.
void RunSettingsCommand();
