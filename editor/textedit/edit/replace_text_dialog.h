// The replace dialog: finds a text downwards in the whole file or in the
// block that was selected when it opened, and replaces one match or all of
// them through its editing view.
#pragma once

#include "editor/textedit/edit/edit_view.h"
#include "platform/classlib/afxwin.h"

class CReplaceTextDlg : public CDialog {
 public:
  enum { IDD = 8602 };
  enum Scope { kSelection = 0, kWholeFile = 1 };

  explicit CReplaceTextDlg(CVellumEditView* view);

  CVellumEditView* m_pView;
  CString m_sText;
  CString m_sNewText;
  BOOL m_bMatchCase = FALSE;
  BOOL m_bWholeWord = FALSE;
  int m_nScope = kWholeFile;
  BOOL m_bEnableScopeSelection = TRUE;
  BOOL m_bFound = FALSE;
  TextPosition m_ptFoundAt;
  TextPosition m_ptSearchStart;
  // The block searched in scope selection; kept on the same text through every replacement.
  TextPosition m_ptBlockBegin;
  TextPosition m_ptBlockEnd;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Enter presses Find Next.
  void OnOK() override;
  void OnCancel() override;
  afx_msg void OnChangeText();
  afx_msg void OnFindNext();
  afx_msg void OnReplace();
  afx_msg void OnReplaceAll();

  DECLARE_MESSAGE_MAP()

 private:
  // Looks for the next match from from, downwards without wrapping, and selects it; on failure
  // the search starts over from the start of the scope, and report says so.
  BOOL SearchStep(TextPosition from, BOOL report, BOOL reveal = TRUE);
  // Replaces the selected match; the block follows the text behind it.
  BOOL ReplaceMatch(BOOL merge);
};
