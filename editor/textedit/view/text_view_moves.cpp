// Caret commands: by character, word, line, page, to the line's ends and the
// text's ends, each moving or extending the selection from the anchor.
#include <algorithm>

#include "editor/textedit/view/line_columns.h"
#include "editor/textedit/view/text_view.h"
#include "editor/textedit/view/word_chars.h"

void CVellumTextView::OnCaretCommand(UINT nID) {
  // Each move's id is even; the odd id after it extends the selection.
  const BOOL extend = (nID - ID_EDIT_CHAR_LEFT) % 2 == 1 ? TRUE : FALSE;
  switch (nID & ~1U) {
    case ID_EDIT_CHAR_LEFT:
      return MoveLeft(extend);
    case ID_EDIT_CHAR_RIGHT:
      return MoveRight(extend);
    case ID_EDIT_WORD_LEFT:
      return MoveWordLeft(extend);
    case ID_EDIT_WORD_RIGHT:
      return MoveWordRight(extend);
    case ID_EDIT_LINE_UP:
      return MoveUp(extend);
    case ID_EDIT_LINE_DOWN:
      return MoveDown(extend);
    case ID_EDIT_PAGE_UP:
      return MovePageUp(extend);
    case ID_EDIT_PAGE_DOWN:
      return MovePageDown(extend);
    case ID_EDIT_LINE_END:
      return MoveLineEnd(extend);
    case ID_EDIT_HOME:
      return MoveHome(extend);
    case ID_EDIT_TEXT_BEGIN:
      return MoveTextBegin(extend);
    case ID_EDIT_TEXT_END:
      return MoveTextEnd(extend);
    default:
      return;
  }
}

void CVellumTextView::FinishCaretMove(BOOL extend, BOOL vertical) {
  if (!vertical) remembered_column_ = line_columns::ColumnOfIndex(LineView(caret_.line), caret_.column, tab_size_);
  RevealPosition(caret_);
  UpdateCaret();
  if (!extend) anchor_ = caret_;
  SetSelection(anchor_, caret_);
}

BOOL CVellumTextView::CollapseToSelectionEdge(BOOL extend, BOOL to_end) {
  if (extend || !HasSelection()) return FALSE;
  TextPosition start;
  TextPosition end;
  GetSelection(start, end);
  caret_ = to_end ? end : start;
  return TRUE;
}

TextPosition CVellumTextView::CharacterBefore(TextPosition pos) {
  if (pos.column > 0) return TextPosition{line_columns::PrevChar(LineView(pos.line), pos.column), pos.line};
  if (pos.line > 0) return TextPosition{TextLineLength(pos.line - 1), pos.line - 1};
  return pos;
}

TextPosition CVellumTextView::CharacterAfter(TextPosition pos) {
  if (pos.column < TextLineLength(pos.line)) {
    return TextPosition{line_columns::NextChar(LineView(pos.line), pos.column), pos.line};
  }
  if (pos.line < TextLineCount() - 1) return TextPosition{0, pos.line + 1};
  return pos;
}

void CVellumTextView::MoveLeft(BOOL extend) {
  caret_ = ClampToText(caret_);
  if (!CollapseToSelectionEdge(extend, FALSE)) caret_ = CharacterBefore(caret_);
  FinishCaretMove(extend);
}

void CVellumTextView::MoveRight(BOOL extend) {
  caret_ = ClampToText(caret_);
  if (!CollapseToSelectionEdge(extend, TRUE)) caret_ = CharacterAfter(caret_);
  FinishCaretMove(extend);
}

void CVellumTextView::MoveWordLeft(BOOL extend) {
  if (HasSelection() && !extend) return MoveLeft(FALSE);
  caret_ = ClampToText(caret_);
  if (caret_ == TextPosition{}) return;
  TextPosition pos = caret_;
  if (pos.column == 0) {
    --pos.line;
    pos.column = TextLineLength(pos.line);
  }
  const std::string_view line = LineView(pos.line);
  const auto before = [&](int at) { return line_columns::PrevChar(line, at); };
  while (pos.column > 0 && word_chars::IsBlank(line[static_cast<size_t>(before(pos.column))])) {
    pos.column = before(pos.column);
  }
  if (pos.column > 0) {
    const bool word = word_chars::IsWordCharAt(line, before(pos.column));
    while (pos.column > 0) {
      const int at = before(pos.column);
      const bool is_word = word_chars::IsWordCharAt(line, at);
      if (word ? !is_word : (is_word || word_chars::IsBlank(line[static_cast<size_t>(at)]))) break;
      pos.column = at;
    }
  }
  caret_ = pos;
  FinishCaretMove(extend);
}

void CVellumTextView::MoveWordRight(BOOL extend) {
  if (HasSelection() && !extend) return MoveRight(FALSE);
  caret_ = ClampToText(caret_);
  if (caret_ == TextEnd()) return;
  if (caret_.column == TextLineLength(caret_.line)) {
    caret_ = TextPosition{0, caret_.line + 1};
    // An empty line is passed over.
    if (TextLineLength(caret_.line) == 0) return MoveRight(extend);
    return FinishCaretMove(extend);
  }
  const std::string_view line = LineView(caret_.line);
  const int length = static_cast<int>(line.size());
  int at = caret_.column;
  const bool word = word_chars::IsWordCharAt(line, at);
  while (at < length) {
    const bool is_word = word_chars::IsWordCharAt(line, at);
    if (word ? !is_word : (is_word || word_chars::IsBlank(line[static_cast<size_t>(at)]))) break;
    at = line_columns::NextChar(line, at);
  }
  while (at < length && word_chars::IsBlank(line[static_cast<size_t>(at)])) ++at;
  caret_.column = at;
  FinishCaretMove(extend);
}

void CVellumTextView::MoveUp(BOOL extend) {
  caret_ = ClampToText(caret_);
  CollapseToSelectionEdge(extend, FALSE);
  if (caret_.line > 0) {
    if (remembered_column_ < 0) {
      remembered_column_ = line_columns::ColumnOfIndex(LineView(caret_.line), caret_.column, tab_size_);
    }
    --caret_.line;
    caret_.column = line_columns::IndexNearColumn(LineView(caret_.line), remembered_column_, tab_size_);
  }
  FinishCaretMove(extend, TRUE);
}

void CVellumTextView::MoveDown(BOOL extend) {
  caret_ = ClampToText(caret_);
  CollapseToSelectionEdge(extend, TRUE);
  if (caret_.line < TextLineCount() - 1) {
    if (remembered_column_ < 0) {
      remembered_column_ = line_columns::ColumnOfIndex(LineView(caret_.line), caret_.column, tab_size_);
    }
    ++caret_.line;
    caret_.column = line_columns::IndexNearColumn(LineView(caret_.line), remembered_column_, tab_size_);
  }
  FinishCaretMove(extend, TRUE);
}

void CVellumTextView::MovePageUp(BOOL extend) {
  const int step = std::max(ScreenLines() - 1, 1);
  const int top = std::max(top_line_ - step, 0);
  if (top != top_line_) ScrollVertically(top);
  caret_.line = std::max(caret_.line - step, 0);
  caret_ = ClampToText(caret_);
  FinishCaretMove(extend);
}

void CVellumTextView::MovePageDown(BOOL extend) {
  const int step = std::max(ScreenLines() - 1, 1);
  const int last = std::max(TextLineCount() - 1, 0);
  const int top = std::min(top_line_ + step, last);
  if (top != top_line_) ScrollVertically(top);
  caret_.line = std::min(caret_.line + step, last);
  caret_ = ClampToText(caret_);
  FinishCaretMove(extend);
}

void CVellumTextView::MoveLineEnd(BOOL extend) {
  caret_ = ClampToText(caret_);
  caret_.column = TextLineLength(caret_.line);
  FinishCaretMove(extend);
}

void CVellumTextView::MoveHome(BOOL extend) {
  caret_ = ClampToText(caret_);
  const std::string_view line = LineView(caret_.line);
  int first = 0;
  while (first < static_cast<int>(line.size()) && word_chars::IsBlank(line[static_cast<size_t>(first)])) ++first;
  // Home alternates between the first non-blank and column 0.
  const bool only_blanks = first == static_cast<int>(line.size());
  caret_.column = only_blanks || caret_.column == first ? 0 : first;
  FinishCaretMove(extend);
}

void CVellumTextView::MoveTextBegin(BOOL extend) {
  caret_ = TextPosition{};
  FinishCaretMove(extend);
}

void CVellumTextView::MoveTextEnd(BOOL extend) {
  caret_ = TextEnd();
  FinishCaretMove(extend);
}

void CVellumTextView::OnScrollUp() {
  if (top_line_ > 0) ScrollVertically(top_line_ - 1);
}

void CVellumTextView::OnScrollDown() {
  if (top_line_ < TextLineCount() - 1) ScrollVertically(top_line_ + 1);
}
