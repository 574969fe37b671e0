// Caret, anchor and selection; client points and text positions; scrolling
// the view and its scroll bars, and the sibling panes of a splitter.
#include <algorithm>
#include <optional>

#include "editor/textedit/view/line_columns.h"
#include "editor/textedit/view/text_view.h"
#include "editor/textedit/view/word_chars.h"

namespace {
constexpr int kCaretWidth = 2;
}  // namespace

void CVellumTextView::SetCursorPosition(TextPosition pos) {
  caret_ = ClampToText(pos);
  remembered_column_ = line_columns::ColumnOfIndex(LineView(caret_.line), caret_.column, tab_size_);
  UpdateCaret();
}

void CVellumTextView::GetSelection(TextPosition& start, TextPosition& end) const {
  start = std::min(selection_start_, selection_end_);
  end = std::max(selection_start_, selection_end_);
}

void CVellumTextView::SetSelection(TextPosition start, TextPosition end) {
  TextPosition old_start;
  TextPosition old_end;
  GetSelection(old_start, old_end);
  selection_start_ = start;
  selection_end_ = end;
  TextPosition new_start;
  TextPosition new_end;
  GetSelection(new_start, new_end);
  // Only the lines whose selected state changes are drawn again.
  if (old_start == new_start) {
    if (!(old_end == new_end)) {
      RepaintLines(std::min(old_end.line, new_end.line), std::max(old_end.line, new_end.line));
    }
  } else {
    RepaintLines(old_start.line, old_end.line);
    RepaintLines(new_start.line, new_end.line);
  }
}

BOOL CVellumTextView::IsInsideSelection(TextPosition pos) const {
  TextPosition start;
  TextPosition end;
  GetSelection(start, end);
  return start <= pos && pos < end;
}

TextPosition CVellumTextView::ClientToText(CPoint point, BOOL round) {
  if (round) point.x += CharWidth() / 2;
  TextPosition pos;
  const int count = TextLineCount();
  pos.line = std::clamp(point.y / LineHeight() + top_line_, 0, std::max(count - 1, 0));
  const int column = std::max((point.x - MarginWidth()) / CharWidth() + offset_char_, 0);
  pos.column = line_columns::IndexAtColumn(LineView(pos.line), column, tab_size_);
  return pos;
}

CPoint CVellumTextView::TextToClient(TextPosition pos) {
  const int column = line_columns::ColumnOfIndex(LineView(pos.line), pos.column, tab_size_);
  return CPoint(CharWidth() * (column - offset_char_) + MarginWidth(), LineHeight() * (pos.line - top_line_));
}

void CVellumTextView::UpdateCaret() {
  if (m_hWnd == nullptr) return;
  const int column = line_columns::ColumnOfIndex(LineView(caret_.line), caret_.column, tab_size_);
  if (focus_ && !drag_pending_ && column >= offset_char_) {
    CreateSolidCaret(kCaretWidth, LineHeight());
    SetCaretPos(TextToClient(caret_));
    ShowCaret();
  } else {
    HideCaret();
  }
}

void CVellumTextView::RevealPosition(TextPosition pos) {
  const int screen_lines = std::max(ScreenLines(), 1);
  const int last = std::max(TextLineCount() - 1, 0);
  int top = top_line_;
  if (pos.line >= top + screen_lines) top = pos.line - screen_lines + 1;
  if (pos.line < top) top = pos.line;
  top = std::clamp(top, 0, last);
  if (top != top_line_) ScrollVertically(top);

  const int column = line_columns::ColumnOfIndex(LineView(pos.line), pos.column, tab_size_);
  const int screen_chars = ScreenChars();
  int offset = offset_char_;
  if (column - offset > screen_chars) offset = column - screen_chars;
  if (column < offset) offset = column;
  offset = std::max(std::min(offset, MaxLineLength() - 1), 0);
  if (offset != offset_char_) {
    ScrollHorizontally(offset);
    UpdateCaret();
  }
}

void CVellumTextView::ScrollVertically(int top_line) {
  ScrollToLine(top_line, TRUE);
  SyncPaneScrollBars(TRUE);
}

void CVellumTextView::ScrollHorizontally(int offset) {
  ScrollToColumn(offset, TRUE);
  SyncPaneScrollBars(FALSE);
}

void CVellumTextView::ScrollToLine(int line, BOOL update_bar) {
  if (line == top_line_) return;
  const int lines = top_line_ - line;
  top_line_ = line;
  if (m_hWnd == nullptr) return;
  ScrollWindow(0, lines * LineHeight());
  UpdateWindow();
  if (update_bar) RecalcVertScrollBar(TRUE);
  UpdateCaret();
}

void CVellumTextView::ScrollToColumn(int offset, BOOL update_bar) {
  if (offset == offset_char_) return;
  const int columns = offset_char_ - offset;
  offset_char_ = offset;
  if (m_hWnd == nullptr) return;
  CRect text;
  GetClientRect(&text);
  text.left += MarginWidth();
  ScrollWindow(columns * CharWidth(), 0, &text, &text);
  UpdateWindow();
  if (update_bar) RecalcHorzScrollBar(TRUE);
  UpdateCaret();
}

void CVellumTextView::UpdateScrollBar(int bar, int& first_shown, int total, int page, BOOL position_only) {
  SCROLLINFO info;
  if (position_only) {
    info.fMask = SIF_POS;
  } else {
    // With everything in the window there is nothing to scroll away.
    if (page >= total && first_shown > 0) {
      first_shown = 0;
      Invalidate();
      UpdateCaret();
    }
    info.fMask = SIF_DISABLENOSCROLL | SIF_PAGE | SIF_POS | SIF_RANGE;
    info.nMin = 0;
    info.nMax = std::max(total - 1, 0);
    info.nPage = static_cast<UINT>(page);
  }
  info.nPos = first_shown;
  SetScrollInfo(bar, &info);
}

void CVellumTextView::RecalcVertScrollBar(BOOL position_only) {
  if (m_hWnd != nullptr) UpdateScrollBar(SB_VERT, top_line_, TextLineCount(), ScreenLines(), position_only);
}

void CVellumTextView::RecalcHorzScrollBar(BOOL position_only) {
  if (m_hWnd != nullptr) UpdateScrollBar(SB_HORZ, offset_char_, MaxLineLength(), ScreenChars(), position_only);
}

namespace {

// Where a scroll-bar request takes the first shown line (or column), before
// clamping; nothing for requests that move nothing. last_start is where the
// last page starts.
std::optional<int> ScrollBarTarget(UINT code, int current, const SCROLLINFO& info, int last_start) {
  const int page = static_cast<int>(info.nPage);
  switch (code) {
    case SB_TOP:
      return 0;
    case SB_BOTTOM:
      return last_start;
    case SB_LINEUP:
      return current - 1;
    case SB_LINEDOWN:
      return current + 1;
    case SB_PAGEUP:
      return current - page + 1;
    case SB_PAGEDOWN:
      return current + page - 1;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      return info.nTrackPos;
    default:
      return std::nullopt;
  }
}

}  // namespace

void CVellumTextView::OnVScroll(UINT nSBCode, UINT, CScrollBar*) {
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  GetScrollInfo(SB_VERT, &info);
  const std::optional<int> top = ScrollBarTarget(nSBCode, top_line_, info, TextLineCount() - ScreenLines());
  if (!top) return;
  const int clamped = std::max(std::min(*top, info.nMax), 0);
  if (clamped != top_line_) ScrollVertically(clamped);
}

void CVellumTextView::OnHScroll(UINT nSBCode, UINT, CScrollBar*) {
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  GetScrollInfo(SB_HORZ, &info);
  const std::optional<int> offset = ScrollBarTarget(nSBCode, offset_char_, info, MaxLineLength() - ScreenChars());
  if (!offset) return;
  const int clamped = std::max(std::min(*offset, info.nMax), 0);
  if (clamped != offset_char_) ScrollHorizontally(clamped);
}

BOOL CVellumTextView::OnMouseWheel(UINT, short zDelta, CPoint) {
  int top = top_line_;
  if (zDelta > 0) {
    const int lines = zDelta / LineHeight() / 2;
    top -= std::min(lines, GetScrollPos(SB_VERT));
  } else if (zDelta < 0) {
    // Rolling down stops where the last line reaches the window's bottom.
    const int last_top = std::max(TextLineCount() - ScreenLines(), 0);
    top = std::max(std::min(top + 3, last_top), top_line_);
  }
  top = std::max(top, 0);
  if (top != top_line_) ScrollVertically(top);
  return TRUE;
}

void CVellumTextView::SyncPaneScrollBars(BOOL vertical) {
  CSplitterWnd* splitter = GetParentSplitter(this, FALSE);
  int row = 0;
  int column = 0;
  if (splitter == nullptr || !splitter->IsChildPane(this, &row, &column)) return;
  // Vertical scrolling is shared along a row, horizontal along a column.
  const int count = vertical ? splitter->GetColumnCount() : splitter->GetRowCount();
  for (int i = 0; i < count; ++i) {
    CWnd* pane = vertical ? splitter->GetPane(row, i) : splitter->GetPane(i, column);
    auto* view = DYNAMIC_DOWNCAST(CVellumTextView, pane);
    if (view != nullptr && view != this) view->FollowPaneScroll(this, vertical);
  }
}

void CVellumTextView::FollowPaneScroll(CVellumTextView* source, BOOL vertical) {
  if (vertical) {
    if (source->top_line_ != top_line_) ScrollToLine(source->top_line_, TRUE);
  } else if (source->offset_char_ != offset_char_) {
    ScrollToColumn(source->offset_char_, TRUE);
  }
}

void CVellumTextView::SelectAll() {
  const TextPosition end = TextEnd();
  caret_ = end;
  SetSelection(TextPosition{}, end);
  UpdateCaret();
}

TextPosition CVellumTextView::WordStartAt(TextPosition pos) {
  pos = ClampToText(pos);
  pos.column = word_chars::WordStart(LineView(pos.line), pos.column);
  return pos;
}

TextPosition CVellumTextView::WordEndAt(TextPosition pos) {
  pos = ClampToText(pos);
  pos.column = word_chars::WordEnd(LineView(pos.line), pos.column);
  return pos;
}

void CVellumTextView::CopySelection() {
  if (!HasSelection()) return;
  TextPosition start;
  TextPosition end;
  GetSelection(start, end);
  CString text;
  TextRange(start, end, text);
  PutClipboardText(text);
}
