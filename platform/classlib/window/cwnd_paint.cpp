// Invalidation and painting, device contexts of windows, scrolling the
// client area, the window's font and its scroll bars.
#include <algorithm>
#include <map>
#include <memory>

#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/gdi/dc.h"
#include "platform/classlib/window/window_internals.h"
#include "platform/classlib/window/window_state.h"
#include "platform/classlib/window_record.h"

using afx::WindowRecord;

namespace {

CRect ClientArea(const WindowRecord& record) {
  return CRect(0, 0, record.client_rect.Width(), record.client_rect.Height());
}

void AddInvalid(WindowRecord& record, const CRect& rect, bool erase) {
  CRect area = rect;
  area.IntersectRect(&area, ClientArea(record));
  if (area.IsRectEmpty()) return;
  if (record.invalid.IsRectEmpty()) {
    record.invalid = area;
  } else {
    record.invalid.UnionRect(&record.invalid, &area);
  }
  record.erase_pending = record.erase_pending || erase;
  afx::Backend().Wake();
}

std::map<CDC*, std::unique_ptr<CDC>>& LentDcs() {
  static std::map<CDC*, std::unique_ptr<CDC>> lent;
  return lent;
}

afx::ScrollBarState* Bar(WindowRecord* record, int nBar) {
  if (record == nullptr || (nBar != SB_HORZ && nBar != SB_VERT)) return nullptr;
  return &record->scroll_bars[nBar];
}

int ClampPosition(const afx::ScrollBarState& bar, int pos) {
  const int page = std::max(bar.page, 0);
  const int top = page > 0 ? bar.max - page + 1 : bar.max;
  return std::max(bar.min, std::min(pos, std::max(bar.min, top)));
}

}  // namespace

void CWnd::Invalidate(BOOL bErase) { InvalidateRect(nullptr, bErase); }

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) {
  WindowRecord* record = Record();
  if (record == nullptr || !record->created) return;
  AddInvalid(*record, lpRect != nullptr ? CRect(*lpRect) : ClientArea(*record), bErase != FALSE);
}

void CWnd::ValidateRect(LPCRECT lpRect) {
  WindowRecord* record = Record();
  if (record == nullptr) return;
  if (lpRect == nullptr) {
    record->invalid.SetRectEmpty();
    return;
  }
  // A rectangle can only take a whole band off the invalid area.
  const CRect valid = *lpRect;
  CRect& invalid = record->invalid;
  if (valid.left <= invalid.left && valid.right >= invalid.right) {
    if (valid.top <= invalid.top) invalid.top = std::max(invalid.top, valid.bottom);
    if (valid.bottom >= invalid.bottom) invalid.bottom = std::min(invalid.bottom, valid.top);
  }
  if (invalid.IsRectEmpty()) invalid.SetRectEmpty();
}

void CWnd::UpdateWindow() {
  WindowRecord* record = Record();
  if (record == nullptr || !record->created || !record->visible || !record->redraw) return;
  if (!record->invalid.IsRectEmpty()) SendMessage(WM_PAINT);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, void* prgnUpdate, UINT flags) {
  (void)prgnUpdate;
  WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  if (flags & RDW_INVALIDATE) InvalidateRect(lpRectUpdate, (flags & RDW_ERASE) != 0);
  if (flags & RDW_VALIDATE) ValidateRect(lpRectUpdate);
  if (flags & RDW_FRAME) SendMessage(WM_NCPAINT, 1);
  if (flags & RDW_ALLCHILDREN) {
    std::vector<HWND> children;
    for (const auto& child : record->children) children.push_back(child->handle());
    for (HWND child : children) {
      if (CWnd* window = FromHandlePermanent(child)) window->RedrawWindow(nullptr, nullptr, flags);
    }
  }
  if (flags & RDW_UPDATENOW) UpdateWindow();
  return TRUE;
}

BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL bErase) {
  (void)bErase;
  WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  if (lpRect != nullptr) *lpRect = record->invalid;
  return !record->invalid.IsRectEmpty();
}

void CWnd::SetRedraw(BOOL bRedraw) {
  if (WindowRecord* record = Record()) record->redraw = bRedraw != FALSE;
}

BOOL CWnd::LockWindowUpdate() {
  SetRedraw(FALSE);
  return TRUE;
}

void CWnd::UnlockWindowUpdate() {
  SetRedraw(TRUE);
  Invalidate();
}

CDC* CWnd::GetDC() {
  if (Record() == nullptr) return nullptr;
  auto dc = std::make_unique<CClientDC>(this);
  CDC* lent = dc.get();
  LentDcs()[lent] = std::move(dc);
  return lent;
}

CDC* CWnd::GetWindowDC() {
  if (Record() == nullptr) return nullptr;
  auto dc = std::make_unique<CWindowDC>(this);
  CDC* lent = dc.get();
  LentDcs()[lent] = std::move(dc);
  return lent;
}

int CWnd::ReleaseDC(CDC* pDC) { return LentDcs().erase(pDC) != 0 ? 1 : 0; }

void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect) {
  WindowRecord* record = Record();
  if (record == nullptr || !record->created || (xAmount == 0 && yAmount == 0)) return;
  CRect area = lpRect != nullptr ? CRect(*lpRect) : ClientArea(*record);
  area.IntersectRect(&area, ClientArea(*record));
  if (lpClipRect != nullptr) area.IntersectRect(&area, lpClipRect);
  if (area.IsRectEmpty()) return;
  afx::Backend().ScrollContents(*record, xAmount, yAmount, area);
  // What was to be painted moves with the contents.
  if (!record->invalid.IsRectEmpty()) {
    CRect moved = record->invalid;
    moved.OffsetRect(xAmount, yAmount);
    CRect within;
    if (within.IntersectRect(&record->invalid, &area)) record->invalid.UnionRect(&record->invalid, &moved);
  }
  if (yAmount > 0) AddInvalid(*record, CRect(area.left, area.top, area.right, area.top + yAmount), true);
  if (yAmount < 0) AddInvalid(*record, CRect(area.left, area.bottom + yAmount, area.right, area.bottom), true);
  if (xAmount > 0) AddInvalid(*record, CRect(area.left, area.top, area.left + xAmount, area.bottom), true);
  if (xAmount < 0) AddInvalid(*record, CRect(area.right + xAmount, area.top, area.right, area.bottom), true);
  afx::CaretState& caret = afx::Caret();
  if (caret.owner == record && area.PtInRect(caret.position)) {
    caret.position.Offset(xAmount, yAmount);
    afx::CaretChanged();
  }
  if (lpRect == nullptr) {
    for (const auto& child : record->children) {
      child->window_rect.OffsetRect(xAmount, yAmount);
      afx::Backend().WindowChanged(*child, afx::WindowChange::kGeometry);
    }
  }
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont != nullptr ? pFont->m_hObject : nullptr), bRedraw);
}

CFont* CWnd::GetFont() const {
  WindowRecord* record = Record();
  if (record == nullptr) return nullptr;
  HGDIOBJ font = static_cast<HGDIOBJ>(record->font);
  if (afx::GdiObjectOf(font) == nullptr) font = afx::StockObject(DEFAULT_GUI_FONT);
  return CFont::FromHandle(font);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
  (void)bRedraw;
  WindowRecord* record = Record();
  afx::ScrollBarState* bar = Bar(record, nBar);
  if (bar == nullptr || lpScrollInfo == nullptr) return FALSE;
  const UINT mask = lpScrollInfo->fMask;
  if (mask & SIF_RANGE) bar->min = lpScrollInfo->nMin, bar->max = lpScrollInfo->nMax;
  if (mask & SIF_PAGE) bar->page = static_cast<int>(lpScrollInfo->nPage);
  if (mask & SIF_POS) bar->pos = lpScrollInfo->nPos;
  bar->pos = ClampPosition(*bar, bar->pos);
  const bool needed = bar->max > bar->min && (bar->page == 0 || bar->page <= bar->max - bar->min);
  if (mask & SIF_DISABLENOSCROLL) {
    bar->enabled = needed;
    bar->shown = bar->shown || (record->style & (nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
  } else {
    bar->shown = needed;
  }
  afx::Backend().WindowChanged(*record, afx::WindowChange::kScrollBars);
  return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) {
  afx::ScrollBarState* bar = Bar(Record(), nBar);
  if (bar == nullptr || lpScrollInfo == nullptr) return FALSE;
  const UINT mask = nMask != 0 ? nMask : lpScrollInfo->fMask;
  if (mask & SIF_RANGE) lpScrollInfo->nMin = bar->min, lpScrollInfo->nMax = bar->max;
  if (mask & SIF_PAGE) lpScrollInfo->nPage = static_cast<UINT>(bar->page);
  if (mask & SIF_POS) lpScrollInfo->nPos = bar->pos;
  if (mask & SIF_TRACKPOS) lpScrollInfo->nTrackPos = bar->track_pos;
  return TRUE;
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw) {
  afx::ScrollBarState* bar = Bar(Record(), nBar);
  if (bar == nullptr) return 0;
  const int previous = bar->pos;
  SCROLLINFO info;
  info.fMask = SIF_POS;
  info.nPos = nPos;
  SetScrollInfo(nBar, &info, bRedraw);
  return previous;
}

int CWnd::GetScrollPos(int nBar) const {
  afx::ScrollBarState* bar = Bar(Record(), nBar);
  return bar != nullptr ? bar->pos : 0;
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
  SCROLLINFO info;
  info.fMask = SIF_RANGE;
  info.nMin = nMinPos;
  info.nMax = nMaxPos;
  SetScrollInfo(nBar, &info, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const {
  afx::ScrollBarState* bar = Bar(Record(), nBar);
  if (lpMinPos != nullptr) *lpMinPos = bar != nullptr ? bar->min : 0;
  if (lpMaxPos != nullptr) *lpMaxPos = bar != nullptr ? bar->max : 0;
}

int CWnd::GetScrollLimit(int nBar) {
  afx::ScrollBarState* bar = Bar(Record(), nBar);
  if (bar == nullptr) return 0;
  return std::max(bar->min, bar->max - std::max(bar->page - 1, 0));
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow) {
  WindowRecord* record = Record();
  if (record == nullptr) return;
  for (int which : {SB_HORZ, SB_VERT}) {
    if (static_cast<int>(nBar) == which || nBar == static_cast<UINT>(SB_BOTH)) {
      record->scroll_bars[which].shown = bShow != FALSE;
    }
  }
  afx::Backend().WindowChanged(*record, afx::WindowChange::kScrollBars);
}

void CWnd::EnableScrollBarCtrl(int nBar, BOOL bEnable) {
  WindowRecord* record = Record();
  if (record == nullptr) return;
  for (int which : {SB_HORZ, SB_VERT}) {
    if (nBar == which || nBar == SB_BOTH) record->scroll_bars[which].enabled = bEnable != FALSE;
  }
  afx::Backend().WindowChanged(*record, afx::WindowChange::kScrollBars);
}

BOOL CWnd::EnableScrollBar(int nSBFlags, UINT nArrowFlags) {
  EnableScrollBarCtrl(nSBFlags, nArrowFlags != ESB_DISABLE_BOTH);
  return TRUE;
}

CScrollBar* CWnd::GetScrollBarCtrl(int nBar) const {
  (void)nBar;
  return nullptr;
}
