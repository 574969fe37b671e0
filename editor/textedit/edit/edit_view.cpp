// The editing view's life, its command map, its state and the commands that
// only consult the buffer: undo, redo, overwrite and the indicators.
#include "editor/textedit/edit/edit_view.h"

#include "editor/textedit/edit/edit_drop_target.h"
#include "editor/textedit/edit/edit_strings.h"

IMPLEMENT_DYNCREATE(CVellumEditView, CVellumTextView)

BEGIN_MESSAGE_MAP(CVellumEditView, CVellumTextView)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_CHAR()
ON_COMMAND(ID_EDIT_PASTE, &CVellumEditView::OnEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CVellumEditView::OnUpdateEditPaste)
ON_COMMAND(ID_EDIT_CUT, &CVellumEditView::OnEditCut)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &CVellumEditView::OnUpdateEditCut)
ON_COMMAND(ID_EDIT_DELETE, &CVellumEditView::OnEditDelete)
ON_UPDATE_COMMAND_UI(ID_EDIT_DELETE, &CVellumEditView::OnUpdateEditing)
ON_COMMAND(ID_EDIT_DELETE_BACK, &CVellumEditView::OnEditDeleteBack)
ON_UPDATE_COMMAND_UI(ID_EDIT_DELETE_BACK, &CVellumEditView::OnUpdateEditing)
ON_COMMAND(ID_EDIT_TAB, &CVellumEditView::OnEditTab)
ON_UPDATE_COMMAND_UI(ID_EDIT_TAB, &CVellumEditView::OnUpdateEditing)
ON_COMMAND(ID_EDIT_UNTAB, &CVellumEditView::OnEditUntab)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNTAB, &CVellumEditView::OnUpdateEditing)
ON_COMMAND(ID_EDIT_SWITCH_OVRMODE, &CVellumEditView::OnEditSwitchOverwrite)
ON_UPDATE_COMMAND_UI(ID_EDIT_SWITCH_OVRMODE, &CVellumEditView::OnUpdateEditSwitchOverwrite)
ON_COMMAND(ID_EDIT_UNDO, &CVellumEditView::OnEditUndo)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, &CVellumEditView::OnUpdateEditUndo)
ON_COMMAND(ID_EDIT_REDO, &CVellumEditView::OnEditRedo)
ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, &CVellumEditView::OnUpdateEditRedo)
ON_COMMAND(ID_EDIT_DELETE_LINE, &CVellumEditView::OnEditDeleteLine)
ON_UPDATE_COMMAND_UI(ID_EDIT_DELETE_LINE, &CVellumEditView::OnUpdateEditing)
ON_COMMAND(ID_EDIT_FIND, &CVellumEditView::OnEditFind)
ON_COMMAND(ID_EDIT_REPLACE, &CVellumEditView::OnEditReplace)
ON_UPDATE_COMMAND_UI(ID_EDIT_REPLACE, &CVellumEditView::OnUpdateEditReplace)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_OVR, &CVellumEditView::OnUpdateIndicatorOverwrite)
ON_UPDATE_COMMAND_UI(ID_EDIT_INDICATOR_READ, &CVellumEditView::OnUpdateIndicatorRead)
ON_UPDATE_COMMAND_UI(ID_EDIT_INDICATOR_COL, &CVellumEditView::OnUpdateIndicatorColumn)
END_MESSAGE_MAP()

CVellumEditView::CVellumEditView() {
  RegisterEditViewStrings();
  overwrite_ = FALSE;
  auto_indent_ = TRUE;
}

CVellumEditView::~CVellumEditView() {
  if (dragging_view_ == this) dragging_view_ = nullptr;
}

void CVellumEditView::ClearViewState() {
  auto_indent_ = TRUE;
  overwrite_ = FALSE;
  drop_caret_shown_ = FALSE;
  CVellumTextView::ClearViewState();
}

BOOL CVellumEditView::CanEdit() {
  const CVellumTextBuffer* buffer = GetTextBuffer();
  return buffer != nullptr && !buffer->GetReadOnly();
}

int CVellumEditView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CVellumTextView::OnCreate(lpCreateStruct) == -1) return -1;
  drop_target_ = std::make_unique<CEditDropTarget>(this);
  // Without its target the view still edits; it only takes no drops.
  if (!drop_target_->Register(this)) drop_target_.reset();
  return 0;
}

void CVellumEditView::OnDestroy() {
  if (drop_target_ != nullptr) drop_target_->Revoke();
  drop_target_.reset();
  if (dragging_view_ == this) dragging_view_ = nullptr;
  CVellumTextView::OnDestroy();
}

void CVellumEditView::MoveCaretTo(TextPosition pos) {
  SetCursorPosition(pos);
  const TextPosition caret = GetCursorPosition();
  SetAnchor(caret);
  SetSelection(caret, caret);
  RevealPosition(caret);
  UpdateCaret();
}

void CVellumEditView::OnUpdateEditing(CCmdUI* pCmdUI) { pCmdUI->Enable(CanEdit()); }

void CVellumEditView::OnEditSwitchOverwrite() { overwrite_ = !overwrite_; }

void CVellumEditView::OnUpdateEditSwitchOverwrite(CCmdUI* pCmdUI) { pCmdUI->SetCheck(overwrite_ ? 1 : 0); }

void CVellumEditView::UndoOrRedo(BOOL redo) {
  CVellumTextBuffer* buffer = GetTextBuffer();
  if (!CanEdit() || !(redo ? buffer->HasRedo() : buffer->HasUndo())) return;
  TextPosition pos;
  if (redo ? buffer->RedoStep(pos) : buffer->UndoStep(pos)) MoveCaretTo(pos);
}

void CVellumEditView::UpdateUndoOrRedo(CCmdUI* pCmdUI, BOOL redo) {
  CVellumTextBuffer* buffer = GetTextBuffer();
  pCmdUI->Enable(CanEdit() && (redo ? buffer->HasRedo() : buffer->HasUndo()));
  if (buffer != nullptr) pCmdUI->SetText(redo ? buffer->RedoMenuText() : buffer->UndoMenuText());
}

void CVellumEditView::OnEditUndo() { UndoOrRedo(FALSE); }

void CVellumEditView::OnUpdateEditUndo(CCmdUI* pCmdUI) { UpdateUndoOrRedo(pCmdUI, FALSE); }

void CVellumEditView::OnEditRedo() { UndoOrRedo(TRUE); }

void CVellumEditView::OnUpdateEditRedo(CCmdUI* pCmdUI) { UpdateUndoOrRedo(pCmdUI, TRUE); }

void CVellumEditView::OnUpdateIndicatorOverwrite(CCmdUI* pCmdUI) { pCmdUI->Enable(overwrite_); }

void CVellumEditView::OnUpdateIndicatorRead(CCmdUI* pCmdUI) {
  const CVellumTextBuffer* buffer = GetTextBuffer();
  pCmdUI->Enable(buffer != nullptr && buffer->GetReadOnly());
}

void CVellumEditView::OnUpdateIndicatorColumn(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
