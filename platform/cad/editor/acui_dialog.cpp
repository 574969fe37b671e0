#include "platform/cad/editor/acui_dialog.h"

IMPLEMENT_DYNAMIC(CAcUiDialog, CDialog)

BEGIN_MESSAGE_MAP(CAcUiDialog, CDialog)
END_MESSAGE_MAP()

CAcUiDialog::CAcUiDialog(UINT idd, CWnd* pParent, HINSTANCE /*hDialogResource*/) : CDialog(idd, pParent) {}

void CAcUiDialog::BeginEditorCommand() {
  if (editorCommandActive_) return;
  editorCommandActive_ = true;
  wasVisible_ = IsWindowVisible() != FALSE;
  if (wasVisible_) ShowWindow(SW_HIDE);
}

void CAcUiDialog::CompleteEditorCommand(BOOL /*restoreDialogs*/) { ComeBack(); }

void CAcUiDialog::CancelEditorCommand() { ComeBack(); }

void CAcUiDialog::ComeBack() {
  if (!editorCommandActive_) return;
  editorCommandActive_ = false;
  if (wasVisible_ && m_hWnd != nullptr) ShowWindow(SW_SHOW);
}

LRESULT CAcUiDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  ++handlerDepth_;
  const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
  // Only the outermost handler's return ends its editor command: a nested
  // notification (an edit filled after the pick) must not bring it back early.
  if (--handlerDepth_ == 0) ComeBack();
  return result;
}

INT_PTR CAcUiDialog::DoModal() {
  const INT_PTR result = CDialog::DoModal();
  editorCommandActive_ = false;
  handlerDepth_ = 0;
  return result;
}

void InitAcUiDLL() {}
