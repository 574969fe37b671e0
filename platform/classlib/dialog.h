// CDialog: a dialog built from a registered template (dialog_template.h).
// DoModal creates its controls, runs OnInitDialog, lets the UI driver in
// force act on it until EndDialog, then destroys the controls and returns
// the result (IDOK, IDCANCEL, or -1 when the template is missing).
#pragma once

#include "platform/classlib/cwnd.h"

struct DialogTemplate;

namespace afx {
class DialogSurface;
class WindowRecord;
// Adds the controls of a template to a window, as a dialog made from it has
// them; as_windows makes them windows of their own that take a place, paint
// and take input (dialogs and bars inside windows), placed by the program.
void AddTemplateControls(WindowRecord& parent, const DialogTemplate& dialog_template, bool as_windows = false);
}  // namespace afx

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  CDialog();
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  virtual INT_PTR DoModal();
  // A modeless dialog: its controls and OnInitDialog, then back to the caller.
  // Inside a window that paints (a docking bar) it is a child window of the
  // template's size there.
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
