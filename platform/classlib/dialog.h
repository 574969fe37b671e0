// CDialog: a dialog built from a registered template (dialog_template.h).
// DoModal creates its controls, runs OnInitDialog, lets the UI driver in
// force act on it until EndDialog, then destroys the controls and returns
// the result (IDOK, IDCANCEL, or -1 when the template is missing).
#pragma once

#include "platform/classlib/cwnd.h"

namespace afx {
class DialogSurface;
}

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  CDialog();
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  virtual INT_PTR DoModal();
  // A modeless dialog: its controls and OnInitDialog, then back to the caller.
  BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  // Ends the modal loop; the controls stay until DoModal returns.
  void EndDialog(int nResult);

  // Loads the members into the controls (UpdateData(FALSE)); TRUE lets the
  // first control take the focus.
  virtual BOOL OnInitDialog();

  void GotoDlgCtrl(CWnd* pWndCtrl);
  void SetDefID(UINT nID);
  DWORD GetDefID() const;

  UINT m_nIDHelp = 0;  // the template's resource id
  CWnd* m_pParentWnd = nullptr;

 protected:
  // Saves and validates the members, then ends with IDOK; a refused value keeps the dialog open.
  virtual void OnOK();
  virtual void OnCancel();

  DECLARE_MESSAGE_MAP()

 private:
  friend class afx::DialogSurface;
  BOOL CreateControls(UINT nIDTemplate);
  void FocusFirstControl();

  int result_ = -1;
  bool ended_ = false;
  UINT default_id_ = IDOK;
};
