// Tab and back-tab: block indent and unindent of selected lines, tab
// characters, and tab stops in overwrite mode.
#include <algorithm>

#include "editor/textedit/edit/edit_view.h"
#include "editor/textedit/edit/undo_group.h"
#include "editor/textedit/view/line_columns.h"

BOOL CVellumEditView::HasMultiLineSelection() const {
  if (!HasSelection()) return FALSE;
  TextPosition start;
  TextPosition end;
  GetSelection(start, end);
  return start.line != end.line;
}

CVellumEditView::LineBlock CVellumEditView::SelectedLineBlock() const {
  TextPosition start;
  TextPosition end;
  GetSelection(start, end);
  // A selection that ends at a line's start leaves that line out.
  const int last = end.column == 0 && end.line > start.line ? end.line - 1 : end.line;
  return LineBlock{start.line, last};
}

void CVellumEditView::SelectLineBlock(LineBlock block) {
  const TextPosition start{0, block.first};
  const TextPosition end = StartOfLineAfter(block.last);
  SetAnchor(start);
  SetSelection(start, end);
  SetCursorPosition(end);
}

void CVellumEditView::IndentBlock() {
  const LineBlock block = SelectedLineBlock();
  CUndoGroup group(GetTextBuffer(), this);
  SelectLineBlock(block);
  for (int line = block.first; line <= block.last; ++line) {
    int end_line = 0;
    int end_column = 0;
    GetTextBuffer()->InsertText(this, line, 0, "\t", end_line, end_column, ActionIndent);
  }
  RecalcHorzScrollBar();
}

void CVellumEditView::UnindentBlock() {
  const LineBlock block = SelectedLineBlock();
  const int tab_size = TabSize();
  CUndoGroup group(GetTextBuffer(), this);
  SelectLineBlock(block);
  for (int line = block.first; line <= block.last; ++line) {
    const std::string_view text = LineView(line);
    // Up to a tab's worth of blanks, or fewer blanks and the tab behind them.
    int count = 0;
    while (count < tab_size && count < static_cast<int>(text.size()) && text[static_cast<size_t>(count)] == ' ') {
      ++count;
    }
    if (count < tab_size && count < static_cast<int>(text.size()) && text[static_cast<size_t>(count)] == '\t') {
      ++count;
    }
    if (count > 0) GetTextBuffer()->DeleteText(this, line, 0, line, count, ActionIndent);
  }
  RecalcHorzScrollBar();
}

void CVellumEditView::MoveToNextTabStop() {
  const TextPosition caret = GetCursorPosition();
  const std::string_view text = LineView(caret.line);
  const int tab_size = TabSize();
  const int column = line_columns::ColumnOfIndex(text, caret.column, tab_size);
  const int most = tab_size - column % tab_size;
  int index = caret.column;
  for (int moved = 0; moved < most && index < static_cast<int>(text.size()); ++moved) {
    const bool tab = text[static_cast<size_t>(index)] == '\t';
    index = line_columns::NextChar(text, index);
    if (tab) break;
  }
  MoveCaretTo(TextPosition{index, caret.line});
}

void CVellumEditView::MoveToPreviousTabStop() {
  const TextPosition caret = GetCursorPosition();
  const std::string_view text = LineView(caret.line);
  const int tab_size = TabSize();
  const int column = line_columns::ColumnOfIndex(text, caret.column, tab_size);
  int target = tab_size * (column / tab_size);
  if (column % tab_size == 0) target -= tab_size;
  target = std::max(target, 0);
  int index = 0;
  while (index < caret.column && line_columns::ColumnOfIndex(text, index, tab_size) < target) {
    index = line_columns::NextChar(text, index);
  }
  MoveCaretTo(TextPosition{index, caret.line});
}

void CVellumEditView::OnEditTab() {
  if (!CanEdit()) return;
  if (HasMultiLineSelection()) {
    IndentBlock();
    return;
  }
  const TextPosition caret = GetCursorPosition();
  if (overwrite_ && caret.column < TextLineLength(caret.line)) {
    MoveToNextTabStop();
    return;
  }
  CUndoGroup group(GetTextBuffer(), this);
  DeleteSelection(ActionDeleteSelection);
  InsertAtCaret("\t", ActionTyping);
}

void CVellumEditView::OnEditUntab() {
  if (!CanEdit()) return;
  if (HasMultiLineSelection()) {
    UnindentBlock();
  } else if (GetCursorPosition().column > 0) {
    MoveToPreviousTabStop();
  }
}
