// Search: over the text or a block, find next and find previous with the
// remembered search.
#include "editor/textedit/view/line_columns.h"
#include "editor/textedit/view/text_view.h"

BOOL CVellumTextView::SearchText(const char* what, TextPosition from, DWORD flags, BOOL wrap, TextPosition* found) {
  return SearchTextInBlock(what, from, TextPosition{}, TextEnd(), flags, wrap, found);
}

BOOL CVellumTextView::SearchTextInBlock(const char* what, TextPosition from, TextPosition block_start,
                                        TextPosition block_end, DWORD flags, BOOL wrap, TextPosition* found) {
  if (what == nullptr || found == nullptr) return FALSE;
  const SearchLineSource lines = [this](int line) { return LineView(line); };
  return SearchBlock(lines, what, from, ClampToText(block_start), ClampToText(block_end), flags, wrap != FALSE, found)
             ? TRUE
             : FALSE;
}

void CVellumTextView::SelectMatch(TextPosition start, int length, BOOL reveal) {
  const TextPosition end{start.column + length, start.line};
  anchor_ = start;
  caret_ = end;
  remembered_column_ = line_columns::ColumnOfIndex(LineView(caret_.line), caret_.column, tab_size_);
  SetSelection(start, end);
  if (reveal) RevealPosition(caret_);
  UpdateCaret();
}

void CVellumTextView::RememberSearch(const char* what, DWORD flags) {
  last_search_ = what != nullptr ? what : "";
  last_find_flags_ = flags;
  has_searched_ = TRUE;
}

void CVellumTextView::FindAgain(BOOL invert_direction) {
  if (!has_searched_) return;
  DWORD flags = last_find_flags_;
  if (invert_direction) flags ^= FIND_DIRECTION_UP;
  // Upwards the search starts before the selected match, so that it is not found again.
  TextPosition from = caret_;
  if ((flags & FIND_DIRECTION_UP) && HasSelection()) {
    TextPosition end;
    GetSelection(from, end);
  }
  TextPosition found;
  if (SearchText(last_search_, from, flags, TRUE, &found)) {
    SelectMatch(found, last_search_.GetLength());
    return;
  }
  CString message;
  if (!message.LoadString(IDS_CANNOT_FIND_STRING)) message = "Cannot find string \"%s\"";
  message.Replace("%s", last_search_);
  AfxMessageBox(message, MB_OK);
}

void CVellumTextView::OnEditRepeat() { FindAgain(FALSE); }

void CVellumTextView::OnUpdateEditRepeat(CCmdUI* pCmdUI) { pCmdUI->Enable(has_searched_); }

void CVellumTextView::OnEditFindPrevious() { FindAgain(TRUE); }

void CVellumTextView::OnUpdateEditFindPrevious(CCmdUI* pCmdUI) { pCmdUI->Enable(has_searched_); }
