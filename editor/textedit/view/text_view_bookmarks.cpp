// Bookmarks: ten numbered ones (one line each) and any number of anonymous ones.
#include "editor/textedit/view/line_columns.h"
#include "editor/textedit/view/text_view.h"

namespace {

void GoToLineStart(CVellumTextView& view, int line) {
  const TextPosition start{0, line};
  view.SetCursorPosition(start);
  view.SetAnchor(start);
  view.SetSelection(start, start);
  view.RevealPosition(start);
}

}  // namespace

void CVellumTextView::OnToggleBookmark(UINT nID) {
  if (buffer_ == nullptr) return;
  const DWORD bit = LineBookmarkFlag(static_cast<int>(nID - ID_EDIT_TOGGLE_BOOKMARK0));
  const int line = ClampToText(caret_).line;
  buffer_->SetLineFlagBit(line, bit, (TextLineFlags(line) & bit) == 0, TRUE);
}

void CVellumTextView::OnGoBookmark(UINT nID) {
  if (buffer_ == nullptr) return;
  const int line = buffer_->FindLineWithFlag(LineBookmarkFlag(static_cast<int>(nID - ID_EDIT_GO_BOOKMARK0)));
  if (line >= 0) GoToLineStart(*this, line);
}

void CVellumTextView::OnClearBookmarks() {
  if (buffer_ == nullptr) return;
  for (int number = 0; number <= 9; ++number) {
    const DWORD bit = LineBookmarkFlag(number);
    const int line = buffer_->FindLineWithFlag(bit);
    if (line >= 0) buffer_->SetLineFlagBit(line, bit, FALSE, FALSE);
  }
}

void CVellumTextView::OnToggleAnonymousBookmark() {
  if (buffer_ == nullptr) return;
  const int line = ClampToText(caret_).line;
  buffer_->SetLineFlagBit(line, LF_BOOKMARK, (TextLineFlags(line) & LF_BOOKMARK) == 0, FALSE);
  has_anonymous_bookmarks_ = buffer_->FindLineWithFlag(LF_BOOKMARK) >= 0;
}

void CVellumTextView::OnNextAnonymousBookmark() {
  if (buffer_ == nullptr) return;
  const int line = buffer_->NextBookmarkLine(ClampToText(caret_).line);
  if (line >= 0) GoToLineStart(*this, line);
}

void CVellumTextView::OnPrevAnonymousBookmark() {
  if (buffer_ == nullptr) return;
  const int line = buffer_->PrevBookmarkLine(ClampToText(caret_).line);
  if (line >= 0) GoToLineStart(*this, line);
}

void CVellumTextView::OnClearAnonymousBookmarks() {
  if (buffer_ == nullptr) return;
  const int count = buffer_->LineCount();
  for (int line = 0; line < count; ++line) {
    if (buffer_->LineFlags(line) & LF_BOOKMARK) buffer_->SetLineFlagBit(line, LF_BOOKMARK, FALSE, FALSE);
  }
  has_anonymous_bookmarks_ = FALSE;
}

void CVellumTextView::OnUpdateAnonymousBookmarks(CCmdUI* pCmdUI) { pCmdUI->Enable(has_anonymous_bookmarks_); }
