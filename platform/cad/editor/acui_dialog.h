// The host's dialog base: a modal dialog that can step aside while its command
// asks for input on the prompt line (a pick button), and come back after.
//
//   void CPocketDlg::OnPick() {
//     BeginEditorCommand();            // the dialog steps aside
//     if (acedGetPoint(...) == RTNORM) CompleteEditorCommand();
//     else CancelEditorCommand();      // back to the dialog either way
//   }
#pragma once

#include "platform/classlib/afxwin.h"

class CAcUiDialog : public CDialog {
  DECLARE_DYNAMIC(CAcUiDialog)

 public:
  CAcUiDialog() = default;
  explicit CAcUiDialog(UINT idd, CWnd* pParent = nullptr, HINSTANCE hDialogResource = nullptr);

  // Hides the dialog and hands input to the prompt line. A second call while
  // stepped aside changes nothing.
  void BeginEditorCommand();
  // Shows the dialog again; restoreDialogs is kept for the host's signature.
  void CompleteEditorCommand(BOOL restoreDialogs = TRUE);
  // The prompt line was cancelled: the dialog comes back all the same.
  void CancelEditorCommand();
  bool IsEditorCommandActive() const { return editorCommandActive_; }

  // A handler that stepped aside and forgot to come back is brought back when
  // it returns, and at the latest when the dialog closes.
  INT_PTR DoModal() override;

  DECLARE_MESSAGE_MAP()

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ComeBack();

  bool editorCommandActive_ = false;
  bool wasVisible_ = false;
  int handlerDepth_ = 0;
};

// The host's dialog library is ready to use (nothing to set up here).
void InitAcUiDLL();
