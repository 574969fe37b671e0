// The mouse: clicks in the margin and the text, selecting by characters,
// words and lines, the scrolling timer while selecting, dragging the
// selection out, the cursor shapes and the context menu.
#include <algorithm>

#include "editor/textedit/view/text_view.h"

void CVellumTextView::OnLButtonDown(UINT nFlags, CPoint point) {
  CView::OnLButtonDown(nFlags, point);
  const BOOL shift = (nFlags & MK_SHIFT) != 0;
  const BOOL control = (nFlags & MK_CONTROL) != 0;
  if (point.x < MarginWidth()) {
    if (control) {
      SelectAll();
      return;
    }
    const TextPosition pos = ClientToText(point);
    caret_ = TextPosition{0, pos.line};
    if (!shift) anchor_ = caret_;
    SetSelection(StartOfLineAfter(anchor_.line), caret_);
    UpdateCaret();
    RevealPosition(caret_);
    line_mode_ = TRUE;
    word_mode_ = FALSE;
  } else {
    if (!drag_disabled_ && IsInsideSelection(ClientToText(point, FALSE))) {
      drag_pending_ = TRUE;
      return;
    }
    caret_ = ClientToText(point);
    if (!shift) anchor_ = caret_;
    if (control) {
      const TextPosition start = WordStartAt(std::min(anchor_, caret_));
      const TextPosition end = WordEndAt(std::max(anchor_, caret_));
      SetSelection(start, end);
      caret_ = end;
    } else {
      SetSelection(anchor_, caret_);
    }
    UpdateCaret();
    RevealPosition(caret_);
    line_mode_ = FALSE;
    word_mode_ = control;
  }
  SetCapture();
  selection_timer_ = SetTimer(kSelectionTimer, kSelectionTimerPeriod);
  selecting_ = TRUE;
}

void CVellumTextView::OnMouseMove(UINT nFlags, CPoint point) {
  CView::OnMouseMove(nFlags, point);
  if (selecting_) {
    const TextPosition pos = ClientToText(point);
    if (line_mode_ && point.x < MarginWidth()) {
      SelectLinesTo(pos);
      caret_ = TextPosition{0, pos.line};
      UpdateCaret();
      return;
    }
    if (line_mode_) {
      SetCursor(LoadCursor(nullptr, IDC_IBEAM));
      line_mode_ = word_mode_ = FALSE;
    }
    if (word_mode_) {
      SelectWordsTo(pos);
    } else {
      caret_ = pos;
      SetSelection(anchor_, caret_);
    }
    UpdateCaret();
  }
  if (drag_pending_ && (nFlags & MK_LBUTTON)) BeginDragOfSelection();
}

void CVellumTextView::OnLButtonUp(UINT nFlags, CPoint point) {
  CView::OnLButtonUp(nFlags, point);
  if (selecting_) {
    const TextPosition pos = ClientToText(point);
    if (line_mode_) {
      const TextPosition end = SelectLinesTo(pos);
      caret_ = pos >= anchor_ ? end : TextPosition{0, pos.line};
    } else if (word_mode_) {
      SelectWordsTo(pos);
    } else {
      caret_ = pos;
      SetSelection(anchor_, caret_);
    }
    RevealPosition(caret_);
    UpdateCaret();
    EndSelecting();
  }
  if (drag_pending_) {
    drag_pending_ = FALSE;
    caret_ = anchor_ = ClientToText(point);
    RevealPosition(caret_);
    UpdateCaret();
    SetSelection(caret_, caret_);
  }
}

TextPosition CVellumTextView::SelectLinesTo(TextPosition pos) {
  if (pos >= anchor_) {
    const TextPosition end = StartOfLineAfter(pos.line);
    SetSelection(TextPosition{0, anchor_.line}, end);
    return end;
  }
  const TextPosition end = StartOfLineAfter(anchor_.line);
  SetSelection(TextPosition{0, pos.line}, end);
  return end;
}

void CVellumTextView::SelectWordsTo(TextPosition pos) {
  // The caret follows the mouse's end of the selection.
  if (pos >= anchor_) {
    caret_ = WordEndAt(pos);
    SetSelection(WordStartAt(anchor_), caret_);
  } else {
    caret_ = WordStartAt(pos);
    SetSelection(caret_, WordEndAt(anchor_));
  }
}

void CVellumTextView::OnLButtonDblClk(UINT nFlags, CPoint point) {
  CView::OnLButtonDblClk(nFlags, point);
  if (selecting_) return;
  caret_ = anchor_ = ClientToText(point);
  const TextPosition end = WordEndAt(caret_);
  SetSelection(WordStartAt(caret_), end);
  caret_ = end;
  UpdateCaret();
  RevealPosition(caret_);
  SetCapture();
  selection_timer_ = SetTimer(kSelectionTimer, kSelectionTimerPeriod);
  word_mode_ = TRUE;
  line_mode_ = FALSE;
  selecting_ = TRUE;
}

void CVellumTextView::EndSelecting() {
  if (selecting_ && GetCapture() == this) ReleaseCapture();
  if (selection_timer_ != 0 && m_hWnd != nullptr) KillTimer(kSelectionTimer);
  selection_timer_ = 0;
  selecting_ = FALSE;
}

void CVellumTextView::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kSelectionTimer || !selecting_) {
    CView::OnTimer(nIDEvent);
    return;
  }
  CPoint mouse;
  GetCursorPos(&mouse);
  ScreenToClient(&mouse);
  CRect client;
  GetClientRect(&client);
  const int line_height = LineHeight();
  bool scrolled = false;

  int top = top_line_;
  if (mouse.y < client.top) {
    top -= client.top - mouse.y > line_height ? 3 : 1;
  } else if (mouse.y >= client.bottom) {
    top += mouse.y - client.bottom >= line_height ? 3 : 1;
  }
  top = std::clamp(top, 0, std::max(TextLineCount() - 1, 0));
  if (top != top_line_) {
    ScrollVertically(top);
    scrolled = true;
  }
  int offset = offset_char_;
  if (mouse.x < client.left) {
    --offset;
  } else if (mouse.x >= client.right) {
    ++offset;
  }
  offset = std::max(std::min(offset, MaxLineLength() - 1), 0);
  if (offset != offset_char_) {
    ScrollHorizontally(offset);
    UpdateCaret();
    scrolled = true;
  }
  if (!scrolled) return;
  const TextPosition pos = ClientToText(mouse);
  if (!(pos == caret_)) {
    caret_ = pos;
    UpdateCaret();
  }
  SetSelection(anchor_, caret_);
}

void CVellumTextView::OnRButtonDown(UINT nFlags, CPoint point) {
  CView::OnRButtonDown(nFlags, point);
  const TextPosition pos = ClientToText(point);
  if (IsInsideSelection(pos)) return;
  caret_ = anchor_ = pos;
  SetSelection(pos, pos);
  RevealPosition(caret_);
  UpdateCaret();
}

void CVellumTextView::OnContextMenu(CWnd*, CPoint point) {
  CWnd* main = AfxGetMainWnd();
  CMenu* bar = main != nullptr ? main->GetMenu() : nullptr;
  CMenu* popup = bar != nullptr ? bar->GetSubMenu(alternate_context_menu_ ? 2 : 1) : nullptr;
  if (popup == nullptr) return;
  if (point.x == -1 && point.y == -1) {
    // From the keyboard: at the caret.
    point = TextToClient(caret_);
    ClientToScreen(&point);
  }
  popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, main);
}

BOOL CVellumTextView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (nHitTest != HTCLIENT) return CView::OnSetCursor(pWnd, nHitTest, message);
  CPoint mouse;
  GetCursorPos(&mouse);
  ScreenToClient(&mouse);
  ChooseCursor(mouse);
  return TRUE;
}

void CVellumTextView::ChooseCursor(CPoint client) {
  if (client.x < MarginWidth()) {
    SetCursor(LoadCursor(ResourceModule(), MAKEINTRESOURCE(IDC_MARGIN_CURSOR)));
  } else if (!drag_disabled_ && IsInsideSelection(ClientToText(client, FALSE))) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
  } else {
    SetCursor(LoadCursor(nullptr, IDC_IBEAM));
  }
}

HGLOBAL CVellumTextView::MakeDragData() {
  if (!HasSelection()) return nullptr;
  TextPosition start;
  TextPosition end;
  GetSelection(start, end);
  CString text;
  TextRange(start, end, text);
  HGLOBAL data = afx::GlobalFromText(text, static_cast<size_t>(text.GetLength()));
  if (data == nullptr) return nullptr;
  dragged_start_ = start;
  dragged_end_ = end;
  return data;
}

DROPEFFECT CVellumTextView::DragSourceEffects() { return DROPEFFECT_COPY; }

void CVellumTextView::DragSourceEnded(DROPEFFECT) {}

void CVellumTextView::BeginDragOfSelection() {
  drag_pending_ = FALSE;
  UpdateCaret();
  HGLOBAL data = MakeDragData();
  if (data == nullptr) return;
  COleDataSource source;
  source.CacheGlobalData(CF_TEXT, data);
  if (buffer_ != nullptr) buffer_->BeginUndoGroup(FALSE);
  dragging_own_selection_ = TRUE;
  const DROPEFFECT effect = source.DoDragDrop(DragSourceEffects());
  DragSourceEnded(effect);
  dragging_own_selection_ = FALSE;
  if (buffer_ != nullptr) buffer_->FlushUndoGroup(this);
}
