// Cut and paste.
#include "editor/textedit/edit/edit_strings.h"
#include "editor/textedit/edit/edit_view.h"
#include "editor/textedit/edit/line_breaks.h"
#include "editor/textedit/edit/undo_group.h"

void CVellumEditView::OnEditCut() {
  if (!CanEdit() || !HasSelection()) return;
  TextPosition start;
  TextPosition end;
  GetSelection(start, end);
  CString text;
  TextRange(start, end, text);
  // The text goes only once the clipboard holds it.
  if (!PutClipboardText(text)) {
    ShowClipboardRefused();
    return;
  }
  CUndoGroup group(GetTextBuffer(), this);
  GetTextBuffer()->DeleteText(this, start.line, start.column, end.line, end.column, ActionCut);
  MoveCaretTo(start);
}

void CVellumEditView::OnUpdateEditCut(CCmdUI* pCmdUI) { pCmdUI->Enable(CanEdit() && HasSelection()); }

void CVellumEditView::OnEditPaste() {
  if (!CanEdit()) return;
  CString text;
  // Nothing to paste leaves the selection alone.
  if (!GetClipboardText(text) || text.IsEmpty()) return;
  const std::string lines = line_breaks::ToCrLf(text.str());
  CUndoGroup group(GetTextBuffer(), this);
  DeleteSelection(ActionDeleteSelection);
  InsertAtCaret(lines.c_str(), ActionPaste);
}

void CVellumEditView::OnUpdateEditPaste(CCmdUI* pCmdUI) { pCmdUI->Enable(CanEdit() && ClipboardHasText()); }
