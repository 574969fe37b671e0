// Typing: characters, line breaks with auto-indent, overwrite, delete,
// backspace and delete line.
#include <string>

#include "editor/textedit/edit/edit_view.h"
#include "editor/textedit/edit/undo_group.h"
#include "editor/textedit/view/line_columns.h"
#include "editor/textedit/view/word_chars.h"
#include "platform/classlib/gdi/char_cells.h"
#include "platform/win/keys.h"

namespace {

constexpr UINT kEnter = 13;
constexpr UINT kFirstPrintable = 32;
constexpr UINT kDel = 127;
constexpr char32_t kLastCodePoint = 0x10FFFF;

bool IsHeld(int virtual_key) { return (GetKeyState(virtual_key) & 0x8000) != 0; }

bool IsTypeable(UINT code) {
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code >= kFirstPrintable && code != kDel && code <= kLastCodePoint && !surrogate;
}

}  // namespace

void CVellumEditView::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  CVellumTextView::OnChar(nChar, nRepCnt, nFlags);
  if (IsHeld(VK_LBUTTON) || IsHeld(VK_RBUTTON) || !CanEdit()) return;
  if (nChar == kEnter) {
    TypeLineBreak();
  } else if (IsTypeable(nChar)) {
    TypeCharacter(nChar);
  }
}

void CVellumEditView::DeleteSelection(int action) {
  if (!HasSelection()) return;
  TextPosition start;
  TextPosition end;
  GetSelection(start, end);
  GetTextBuffer()->DeleteText(this, start.line, start.column, end.line, end.column, action);
  MoveCaretTo(start);
}

BOOL CVellumEditView::InsertAtCaret(const char* text, int action) {
  const TextPosition caret = GetCursorPosition();
  int end_line = 0;
  int end_column = 0;
  if (!GetTextBuffer()->InsertText(this, caret.line, caret.column, text, end_line, end_column, action)) return FALSE;
  MoveCaretTo(TextPosition{end_column, end_line});
  return TRUE;
}

void CVellumEditView::TypeLineBreak() {
  const TextPosition caret = GetCursorPosition();
  if (overwrite_ && caret.line < TextLineCount() - 1) {
    MoveCaretTo(TextPosition{0, caret.line + 1});
    return;
  }
  {
    CUndoGroup group(GetTextBuffer(), this);
    DeleteSelection(ActionDeleteSelection);
    InsertAtCaret("\r\n", ActionTyping);
    flushing_line_break_ = TRUE;
  }
  flushing_line_break_ = FALSE;
}

BOOL CVellumEditView::ContinuesTypingAtCaret() {
  const CVellumTextBuffer* buffer = GetTextBuffer();
  const int position = buffer->UndoPosition();
  if (position == 0 || HasSelection()) return FALSE;
  const CVellumTextBuffer::UndoRecord& last = buffer->GetUndoRecord(position - 1);
  return last.IsInsertion() && last.action == ActionTyping && last.end == GetCursorPosition();
}

void CVellumEditView::TypeCharacter(UINT character) {
  std::string text;
  afx::AppendUtf8(text, static_cast<char32_t>(character));
  // A word typed letter by letter is one step; a blank, or typing elsewhere, starts another.
  const BOOL merge = character != ' ' && ContinuesTypingAtCaret();
  CUndoGroup group(GetTextBuffer(), this, merge);
  const TextPosition caret = GetCursorPosition();
  if (HasSelection()) {
    DeleteSelection(ActionDeleteSelection);
  } else if (overwrite_ && caret.column < TextLineLength(caret.line)) {
    const int next = line_columns::NextChar(LineView(caret.line), caret.column);
    GetTextBuffer()->DeleteText(this, caret.line, caret.column, caret.line, next, ActionTyping);
  }
  InsertAtCaret(text.c_str(), ActionTyping);
}

void CVellumEditView::AfterEditAction(int action, const CString& text) {
  if (!flushing_line_break_ || !auto_indent_ || overwrite_ || action != ActionTyping || text != "\r\n") return;
  flushing_line_break_ = FALSE;
  const TextPosition caret = GetCursorPosition();
  if (caret.line == 0) return;
  const std::string_view above = LineView(caret.line - 1);
  size_t blanks = 0;
  while (blanks < above.size() && word_chars::IsBlank(above[blanks])) ++blanks;
  if (blanks == 0) return;
  const std::string indent(above.substr(0, blanks));
  CUndoGroup group(GetTextBuffer(), this);
  InsertAtCaret(indent.c_str(), ActionAutoIndent);
}

void CVellumEditView::OnEditDelete() {
  if (!CanEdit()) return;
  CUndoGroup group(GetTextBuffer(), this);
  if (HasSelection()) {
    DeleteSelection(ActionDelete);
    return;
  }
  const TextPosition caret = GetCursorPosition();
  TextPosition end;
  if (caret.column < TextLineLength(caret.line)) {
    end = TextPosition{line_columns::NextChar(LineView(caret.line), caret.column), caret.line};
  } else if (caret.line < TextLineCount() - 1) {
    end = TextPosition{0, caret.line + 1};
  } else {
    return;
  }
  GetTextBuffer()->DeleteText(this, caret.line, caret.column, end.line, end.column, ActionDelete);
  MoveCaretTo(caret);
}

void CVellumEditView::OnEditDeleteBack() {
  if (!CanEdit()) return;
  if (HasSelection()) {
    OnEditDelete();
    return;
  }
  const TextPosition caret = GetCursorPosition();
  TextPosition start;
  if (caret.column > 0) {
    start = TextPosition{line_columns::PrevChar(LineView(caret.line), caret.column), caret.line};
  } else if (caret.line > 0) {
    start = TextPosition{TextLineLength(caret.line - 1), caret.line - 1};
  } else {
    return;
  }
  CUndoGroup group(GetTextBuffer(), this);
  GetTextBuffer()->DeleteText(this, start.line, start.column, caret.line, caret.column, ActionBackspace);
  MoveCaretTo(start);
}

void CVellumEditView::OnEditDeleteLine() {
  if (!CanEdit()) return;
  TextPosition start = GetCursorPosition();
  TextPosition end = start;
  if (HasSelection()) GetSelection(start, end);
  start = TextPosition{0, start.line};
  end = TextPosition{TextLineLength(end.line), end.line};
  CUndoGroup group(GetTextBuffer(), this);
  if (start < end) GetTextBuffer()->DeleteText(this, start.line, start.column, end.line, end.column, ActionDelete);
  MoveCaretTo(start);
}
