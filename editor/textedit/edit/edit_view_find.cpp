// The find and replace commands, and replacing the selection.
#include "editor/textedit/edit/edit_view.h"
#include "editor/textedit/edit/find_settings.h"
#include "editor/textedit/edit/find_text_dialog.h"
#include "editor/textedit/edit/replace_text_dialog.h"
#include "editor/textedit/edit/undo_group.h"

namespace {

// Shows the view's selection while a dialog that searches it is open.
class SelectionShownWithoutFocus {
 public:
  explicit SelectionShownWithoutFocus(CVellumTextView& view) : view_(view) { view_.ShowSelectionWithoutFocus(TRUE); }
  ~SelectionShownWithoutFocus() { view_.ShowSelectionWithoutFocus(FALSE); }
  SelectionShownWithoutFocus(const SelectionShownWithoutFocus&) = delete;
  SelectionShownWithoutFocus& operator=(const SelectionShownWithoutFocus&) = delete;

 private:
  CVellumTextView& view_;
};

}  // namespace

void CVellumEditView::OnEditFind() {
  CFindTextDlg dialog(this);
  if (HasSearched()) {
    const DWORD flags = LastFindFlags();
    dialog.m_sText = LastSearchText();
    dialog.m_bMatchCase = (flags & FIND_MATCH_CASE) != 0;
    dialog.m_bWholeWord = (flags & FIND_WHOLE_WORD) != 0;
    dialog.m_nDirection = (flags & FIND_DIRECTION_UP) ? CFindTextDlg::kUp : CFindTextDlg::kDown;
  } else {
    const FindSettings settings = LoadFindSettings();
    dialog.m_sText = settings.find_what;
    dialog.m_bMatchCase = settings.match_case;
    dialog.m_bWholeWord = settings.whole_word;
  }
  // Selected text on one line is what to look for; nothing selected keeps the last text.
  if (HasSelection()) {
    TextPosition start;
    TextPosition end;
    GetSelection(start, end);
    if (start.line == end.line) TextRange(start, end, dialog.m_sText);
  }
  dialog.m_ptSearchStart = GetCursorPosition();
  {
    SelectionShownWithoutFocus shown(*this);
    dialog.DoModal();
  }
  RememberSearch(dialog.m_sText, dialog.FindFlags());
  SaveFindSettings(FindSettings{dialog.m_sText, CString(), dialog.m_bMatchCase, dialog.m_bWholeWord});
}

void CVellumEditView::OnEditReplace() {
  if (!CanEdit()) return;
  CReplaceTextDlg dialog(this);
  const FindSettings settings = LoadReplaceSettings();
  dialog.m_sText = settings.find_what;
  dialog.m_sNewText = settings.replace_with;
  dialog.m_bMatchCase = settings.match_case;
  dialog.m_bWholeWord = settings.whole_word;
  const BOOL had_selection = HasSelection();
  if (had_selection) {
    GetSelection(dialog.m_ptBlockBegin, dialog.m_ptBlockEnd);
    dialog.m_nScope = CReplaceTextDlg::kSelection;
    dialog.m_bEnableScopeSelection = TRUE;
    dialog.m_ptSearchStart = dialog.m_ptBlockBegin;
  } else {
    dialog.m_nScope = CReplaceTextDlg::kWholeFile;
    dialog.m_bEnableScopeSelection = FALSE;
    dialog.m_ptSearchStart = GetCursorPosition();
  }
  {
    SelectionShownWithoutFocus shown(*this);
    dialog.DoModal();
  }
  // The selection the dialog opened with, on the text it has now.
  if (had_selection) {
    SetAnchor(dialog.m_ptBlockBegin);
    SetSelection(dialog.m_ptBlockBegin, dialog.m_ptBlockEnd);
    SetCursorPosition(dialog.m_ptBlockEnd);
  }
  SaveReplaceSettings(FindSettings{dialog.m_sText, dialog.m_sNewText, dialog.m_bMatchCase, dialog.m_bWholeWord});
}

void CVellumEditView::OnUpdateEditReplace(CCmdUI* pCmdUI) { pCmdUI->Enable(CanEdit()); }

BOOL CVellumEditView::ReplaceSelection(const char* text, BOOL merge) {
  if (!CanEdit() || !HasSelection() || text == nullptr) return FALSE;
  TextPosition start;
  TextPosition end;
  GetSelection(start, end);
  CUndoGroup group(GetTextBuffer(), this, merge);
  if (!GetTextBuffer()->DeleteText(this, start.line, start.column, end.line, end.column, ActionDeleteSelection)) {
    return FALSE;
  }
  int end_line = 0;
  int end_column = 0;
  if (!GetTextBuffer()->InsertText(this, start.line, start.column, text, end_line, end_column, ActionReplace)) {
    MoveCaretTo(start);
    return FALSE;
  }
  SetAnchor(start);
  SetSelection(start, TextPosition{end_column, end_line});
  SetCursorPosition(TextPosition{end_column, end_line});
  return TRUE;
}
