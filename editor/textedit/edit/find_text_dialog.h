// The find dialog: looks for a text from a start position, up or down, with
// case and whole-word options, and selects the match in its view.
#pragma once

#include "editor/textedit/view/text_view.h"
#include "platform/classlib/afxwin.h"

class CFindTextDlg : public CDialog {
 public:
  enum { IDD = 8601 };
  enum Direction { kUp = 0, kDown = 1 };

  explicit CFindTextDlg(CVellumTextView* view);

  // The options as find flags.
  DWORD FindFlags() const;

  CVellumTextView* m_pView;
  CString m_sText;
  BOOL m_bMatchCase = FALSE;
  BOOL m_bWholeWord = FALSE;
  int m_nDirection = kDown;
  TextPosition m_ptSearchStart;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Find Next: closes the dialog on a match, says so and stays otherwise.
  void OnOK() override;
  // The options typed so far count as the view's search.
  void OnCancel() override;
  afx_msg void OnChangeText();

  DECLARE_MESSAGE_MAP()
};

// Find Next is enabled only while the dialog's find text (control IDC_EDIT_TEXT) is not empty.
void EnableForFindText(CDialog& dialog, int button);
