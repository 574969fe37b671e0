// Drag and drop: the view as a drag source that moves its text, and as a
// drop target with its drop caret and its scrolling near the edges.
#include <algorithm>
#include <string>

#include "editor/textedit/edit/edit_view.h"
#include "editor/textedit/edit/line_breaks.h"
#include "editor/textedit/view/line_columns.h"

namespace {

constexpr int kScrollZone = 5;  // pixels from an edge
constexpr int kDropCaretWidth = 2;

DROPEFFECT EffectForKeys(DWORD key_state) { return (key_state & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE; }

}  // namespace

CVellumEditView* CVellumEditView::dragging_view_ = nullptr;

HGLOBAL CVellumEditView::MakeDragData() {
  HGLOBAL data = CVellumTextView::MakeDragData();
  if (data != nullptr) dragging_view_ = this;
  return data;
}

DROPEFFECT CVellumEditView::DragSourceEffects() {
  return CanEdit() ? DROPEFFECT_COPY | DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

void CVellumEditView::DragSourceEnded(DROPEFFECT effect) {
  if (IsDraggingOwnSelection() && (effect & DROPEFFECT_MOVE) && CanEdit()) {
    const TextPosition start = DraggedStart();
    const TextPosition end = DraggedEnd();
    if (start < end)
      GetTextBuffer()->DeleteText(this, start.line, start.column, end.line, end.column, ActionDragAndDrop);
  }
  if (dragging_view_ == this) dragging_view_ = nullptr;
  UpdateCaret();
}

BOOL CVellumEditView::DropsIntoDraggedText(TextPosition pos) const {
  const CVellumEditView* source = dragging_view_;
  if (source == nullptr || source->GetTextBuffer() != GetTextBuffer() || !source->IsDraggingOwnSelection()) {
    return FALSE;
  }
  return source->DraggedStart() <= pos && pos < source->DraggedEnd();
}

DROPEFFECT CVellumEditView::DropEffectFor(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) {
  if (!CanEdit() || IsDragAndDropDisabled() || pDataObject == nullptr || !pDataObject->IsDataAvailable(CF_TEXT)) {
    HideDropCaret();
    return DROPEFFECT_NONE;
  }
  ShowDropCaret(point);
  return EffectForKeys(dwKeyState);
}

DROPEFFECT CVellumEditView::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) {
  return DropEffectFor(pDataObject, dwKeyState, point);
}

DROPEFFECT CVellumEditView::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) {
  return DropEffectFor(pDataObject, dwKeyState, point);
}

void CVellumEditView::OnDragLeave() { HideDropCaret(); }

DROPEFFECT CVellumEditView::OnDragScroll(DWORD dwKeyState, CPoint point) {
  if (!CanEdit() || IsDragAndDropDisabled()) return DROPEFFECT_NONE;
  CRect client;
  GetClientRect(&client);
  const int last_line = std::max(TextLineCount() - 1, 0);
  int top = TopLine();
  int offset = HorizontalOffset();
  if (point.y < client.top + kScrollZone) {
    --top;
  } else if (point.y >= client.bottom - kScrollZone) {
    ++top;
  } else if (point.x >= MarginWidth() && point.x < MarginWidth() + kScrollZone) {
    --offset;
  } else if (point.x >= client.right - kScrollZone) {
    ++offset;
  } else {
    return DROPEFFECT_NONE;
  }
  top = std::clamp(top, 0, last_line);
  offset = std::max(std::min(offset, MaxLineLength() - 1), 0);
  if (top != TopLine() || offset != HorizontalOffset()) {
    HideDropCaret();
    if (top != TopLine()) ScrollVertically(top);
    if (offset != HorizontalOffset()) ScrollHorizontally(offset);
    ShowDropCaret(point);
  }
  return EffectForKeys(dwKeyState) | DROPEFFECT_SCROLL;
}

BOOL CVellumEditView::OnDrop(COleDataObject* pDataObject, DROPEFFECT, CPoint point) {
  HideDropCaret();
  if (!CanEdit() || IsDragAndDropDisabled() || pDataObject == nullptr || !pDataObject->IsDataAvailable(CF_TEXT)) {
    return FALSE;
  }
  std::string text;
  HGLOBAL block = pDataObject->GetGlobalData(CF_TEXT);
  const bool read = afx::TextFromGlobal(block, &text);
  if (block != nullptr) GlobalFree(block);
  if (!read || text.empty()) return FALSE;
  const TextPosition pos = ClientToText(point);
  // Into the dragged text itself: nothing moves, so nothing may be taken away after.
  if (DropsIntoDraggedText(pos)) {
    MoveCaretTo(pos);
    return FALSE;
  }
  const std::string lines = line_breaks::ToCrLf(text);
  int end_line = 0;
  int end_column = 0;
  if (!GetTextBuffer()->InsertText(this, pos.line, pos.column, lines.c_str(), end_line, end_column,
                                   ActionDragAndDrop)) {
    return FALSE;
  }
  const TextPosition end{end_column, end_line};
  SetAnchor(pos);
  SetSelection(pos, end);
  SetCursorPosition(end);
  return TRUE;
}

void CVellumEditView::ShowDropCaret(CPoint point) {
  if (m_hWnd == nullptr) return;
  if (!drop_caret_shown_) {
    HideCaret();
    drop_caret_shown_ = TRUE;
  }
  drop_position_ = ClientToText(point);
  const int column = line_columns::ColumnOfIndex(LineView(drop_position_.line), drop_position_.column, TabSize());
  if (column < HorizontalOffset()) {
    HideCaret();
    return;
  }
  CreateGrayCaret(kDropCaretWidth, LineHeight());
  SetCaretPos(TextToClient(drop_position_));
  ShowCaret();
}

void CVellumEditView::HideDropCaret() {
  if (!drop_caret_shown_) return;
  drop_caret_shown_ = FALSE;
  HideCaret();
  UpdateCaret();
}
