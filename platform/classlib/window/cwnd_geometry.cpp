// Window geometry, showing and placement, and the relations between windows.
#include <algorithm>

#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/window/window_internals.h"
#include "platform/classlib/window/window_state.h"
#include "platform/classlib/window_record.h"

using afx::WindowRecord;

namespace afx {

CPoint ClientOrigin(const WindowRecord& record) { return record.ScreenClientRect().TopLeft(); }

namespace {

CRect ScreenArea() { return CRect(0, 0, Backend().SystemMetric(SM_CXSCREEN), Backend().SystemMetric(SM_CYSCREEN)); }

bool IsTopLevel(const WindowRecord& record) { return record.parent == &Desktop(); }

}  // namespace

void ShowCreatedWindow(WindowRecord& record, int show_command_in) {
  int show_command = show_command_in;
  CWnd* window = WindowOf(&record);
  const bool show = show_command != SW_HIDE;
  const bool was_visible = record.visible;
  if (show != was_visible) SendTo(&record, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
  if (RecordOf(record.handle()) == nullptr) return;
  record.visible = show;
  if (!show && FocusedRecord() != nullptr) {
    for (WindowRecord* focus = FocusedRecord(); focus != nullptr; focus = focus->parent) {
      if (focus == &record) {
        SetFocusRecord(nullptr);
        break;
      }
    }
  }
  // A window made maximised opens maximised on its first plain show.
  if ((record.style & WS_MAXIMIZE) && show && !was_visible &&
      (show_command == SW_SHOWNORMAL || show_command == SW_SHOW || show_command == SW_SHOWDEFAULT)) {
    show_command = SW_SHOWMAXIMIZED;
  }
  if (show_command == SW_SHOWMAXIMIZED || show_command == SW_MAXIMIZE || show_command == SW_SHOWMINIMIZED ||
      show_command == SW_MINIMIZE || show_command == SW_RESTORE || show_command == SW_SHOWNORMAL) {
    int state = SW_SHOWNORMAL;
    if (show_command == SW_SHOWMAXIMIZED || show_command == SW_MAXIMIZE) state = SW_SHOWMAXIMIZED;
    if (show_command == SW_SHOWMINIMIZED || show_command == SW_MINIMIZE) state = SW_SHOWMINIMIZED;
    if (state != record.show_state && window != nullptr) {
      if (record.show_state == SW_SHOWNORMAL) record.normal_rect = record.window_rect;
      record.show_state = state;
      record.style = state == SW_SHOWMAXIMIZED ? (record.style | WS_MAXIMIZE) : (record.style & ~WS_MAXIMIZE);
      CRect area = record.normal_rect.IsRectEmpty() ? record.window_rect : record.normal_rect;
      if (state == SW_SHOWMAXIMIZED) {
        area = IsTopLevel(record) || record.parent == nullptr
                   ? ScreenArea()
                   : CRect(0, 0, record.parent->client_rect.Width(), record.parent->client_rect.Height());
      }
      const CRect before = record.window_rect;
      window->SetWindowPos(nullptr, area.left, area.top, area.Width(), area.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
      // Without a move the window still hears of its new state.
      if (RecordOf(record.handle()) != nullptr && record.window_rect == before) {
        SendTo(&record, WM_SIZE,
               state == SW_SHOWMAXIMIZED   ? SIZE_MAXIMIZED
               : state == SW_SHOWMINIMIZED ? SIZE_MINIMIZED
                                           : SIZE_RESTORED,
               MAKELPARAM(record.client_rect.Width(), record.client_rect.Height()));
      }
    }
  }
  Backend().WindowChanged(record, WindowChange::kVisibility);
  if (show) {
    record.invalid = CRect(0, 0, record.client_rect.Width(), record.client_rect.Height());
    record.erase_pending = true;
    if (IsTopLevel(record) && show_command != SW_SHOWNA && show_command != SW_SHOWNOACTIVATE) ActivateRecord(&record);
  } else if (ActiveRecord() == &record) {
    ActivateRecord(nullptr);
  }
}

}  // namespace afx

void CWnd::GetClientRect(LPRECT lpRect) const {
  WindowRecord* record = Record();
  *lpRect = record != nullptr ? CRect(0, 0, record->client_rect.Width(), record->client_rect.Height()) : CRect();
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
  WindowRecord* record = Record();
  *lpRect = record != nullptr ? record->ScreenWindowRect() : CRect();
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const {
  if (WindowRecord* record = Record()) {
    const CPoint origin = afx::ClientOrigin(*record);
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
  }
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
  if (WindowRecord* record = Record()) static_cast<CRect*>(lpRect)->OffsetRect(afx::ClientOrigin(*record));
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const {
  if (WindowRecord* record = Record()) {
    const CPoint origin = afx::ClientOrigin(*record);
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
  }
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
  if (WindowRecord* record = Record()) {
    const CPoint origin = afx::ClientOrigin(*record);
    static_cast<CRect*>(lpRect)->OffsetRect(-origin.x, -origin.y);
  }
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const {
  for (UINT i = 0; i < nCount; ++i) {
    ClientToScreen(&lpPoint[i]);
    if (pwndTo != nullptr) pwndTo->ScreenToClient(&lpPoint[i]);
  }
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const {
  ClientToScreen(lpRect);
  if (pwndTo != nullptr) pwndTo->ScreenToClient(lpRect);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  SetWindowPos(nullptr, x, y, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
  MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  if (!record->created) return TRUE;
  WINDOWPOS pos;
  pos.hwnd = m_hWnd;
  pos.hwndInsertAfter = pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr;
  pos.x = (nFlags & SWP_NOMOVE) ? record->window_rect.left : x;
  pos.y = (nFlags & SWP_NOMOVE) ? record->window_rect.top : y;
  pos.cx = (nFlags & SWP_NOSIZE) ? record->window_rect.Width() : std::max(cx, 0);
  pos.cy = (nFlags & SWP_NOSIZE) ? record->window_rect.Height() : std::max(cy, 0);
  pos.flags = nFlags;
  SendMessage(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  if (m_hWnd == nullptr) return FALSE;
  const CRect old_window = record->window_rect;
  const CRect old_client = record->client_rect;
  record->window_rect = CRect(pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy);
  const bool resized = old_window.Size() != record->window_rect.Size();
  if (resized || (pos.flags & SWP_FRAMECHANGED)) RecalcClientArea();
  if (m_hWnd == nullptr) return FALSE;
  if (!(pos.flags & SWP_NOZORDER) && record->parent != nullptr) {
    auto& siblings = record->parent->children;
    const auto self = std::find_if(siblings.begin(), siblings.end(), [&](const auto& c) { return c.get() == record; });
    if (self != siblings.end()) {
      auto owned = std::move(*self);
      siblings.erase(self);
      if (pos.hwndInsertAfter == HWND_BOTTOM) {
        siblings.insert(siblings.begin(), std::move(owned));
      } else {
        siblings.push_back(std::move(owned));
      }
      afx::Backend().WindowChanged(*record, afx::WindowChange::kZOrder);
    }
  }
  if (old_window != record->window_rect || old_client != record->client_rect) {
    afx::Backend().WindowChanged(*record, afx::WindowChange::kGeometry);
  }
  if (pos.flags & SWP_SHOWWINDOW) afx::ShowCreatedWindow(*record, SW_SHOWNA);
  if (pos.flags & SWP_HIDEWINDOW) afx::ShowCreatedWindow(*record, SW_HIDE);
  if (m_hWnd == nullptr) return FALSE;
  if (old_window != record->window_rect || old_client != record->client_rect || (pos.flags & SWP_FRAMECHANGED)) {
    SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    if (m_hWnd != nullptr && (resized || (pos.flags & SWP_FRAMECHANGED)) && !(pos.flags & SWP_NOREDRAW)) {
      Invalidate();
      if (m_hWnd != nullptr) SendMessage(WM_NCPAINT, 1);
    }
  }
  return TRUE;
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const {
  WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  lpwndpl->length = sizeof(WINDOWPLACEMENT);
  lpwndpl->flags = 0;
  lpwndpl->showCmd = record->visible ? static_cast<UINT>(record->show_state) : SW_HIDE;
  lpwndpl->rcNormalPosition = record->show_state != SW_SHOWNORMAL && !record->normal_rect.IsRectEmpty()
                                  ? record->normal_rect
                                  : record->window_rect;
  return TRUE;
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl) {
  WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  MoveWindow(&lpwndpl->rcNormalPosition);
  ShowWindow(static_cast<int>(lpwndpl->showCmd));
  return TRUE;
}

BOOL CWnd::IsIconic() const {
  WindowRecord* record = Record();
  return record != nullptr && record->show_state == SW_SHOWMINIMIZED;
}

BOOL CWnd::IsZoomed() const {
  WindowRecord* record = Record();
  return record != nullptr && record->show_state == SW_SHOWMAXIMIZED;
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  WindowRecord* record = Record();
  if (record == nullptr || !record->created) return;
  CRect area;
  CWnd* owner = pAlternateOwner != nullptr ? pAlternateOwner : GetOwner();
  if (owner != nullptr) {
    owner->GetWindowRect(&area);
  } else {
    area = CRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  }
  CRect rect;
  GetWindowRect(&rect);
  CPoint at(area.left + (area.Width() - rect.Width()) / 2, area.top + (area.Height() - rect.Height()) / 2);
  if (record->parent != nullptr && record->parent != &afx::Desktop()) {
    const CPoint origin = afx::ClientOrigin(*record->parent);
    at.x -= origin.x;
    at.y -= origin.y;
  }
  SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  const DWORD before = record->ex_style;
  record->ex_style = (before & ~dwRemove) | dwAdd;
  if (nFlags != 0) SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | nFlags);
  return before != record->ex_style;
}

CWnd* CWnd::GetOwner() const {
  WindowRecord* record = Record();
  if (record == nullptr) return nullptr;
  if (record->owner != nullptr) return FromHandle(record->owner);
  return GetParent();
}

void CWnd::SetOwner(CWnd* pOwnerWnd) {
  if (WindowRecord* record = Record()) record->owner = pOwnerWnd != nullptr ? pOwnerWnd->m_hWnd : nullptr;
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent) {
  WindowRecord* record = Record();
  WindowRecord* new_parent = pWndNewParent != nullptr ? pWndNewParent->Record() : &afx::Desktop();
  if (record == nullptr || new_parent == nullptr || record->parent == nullptr) return nullptr;
  CWnd* old_parent = GetParent();
  WindowRecord* old = record->parent;
  auto& siblings = old->children;
  const auto self = std::find_if(siblings.begin(), siblings.end(), [&](const auto& c) { return c.get() == record; });
  if (self == siblings.end()) return nullptr;
  auto owned = std::move(*self);
  siblings.erase(self);
  new_parent->AddChild(std::move(owned));
  afx::Backend().WindowChanged(*record, afx::WindowChange::kGeometry);
  return old_parent;
}

CWnd* CWnd::GetParent() const {
  WindowRecord* record = Record();
  if (record == nullptr || record->parent == nullptr || record->parent == &afx::Desktop()) {
    return record != nullptr && record->owner != nullptr && !(record->style & WS_CHILD) ? FromHandle(record->owner)
                                                                                        : nullptr;
  }
  return FromHandle(record->parent->handle());
}

CWnd* CWnd::GetTopLevelParent() const {
  WindowRecord* record = Record();
  if (record == nullptr) return nullptr;
  return FromHandle(record->TopLevel()->handle());
}

CWnd* CWnd::GetWindow(UINT nCmd) const {
  WindowRecord* record = Record();
  if (record == nullptr) return nullptr;
  if (nCmd == GW_CHILD) return record->children.empty() ? nullptr : FromHandle(record->children.back()->handle());
  if (nCmd == GW_OWNER) return record->owner != nullptr ? FromHandle(record->owner) : nullptr;
  if (record->parent == nullptr) return nullptr;
  auto& siblings = record->parent->children;
  const auto self = std::find_if(siblings.begin(), siblings.end(), [&](const auto& c) { return c.get() == record; });
  const size_t index = static_cast<size_t>(self - siblings.begin());
  // Children are kept bottom first; "next" goes down the z-order.
  switch (nCmd) {
    case GW_HWNDFIRST:
      return FromHandle(siblings.back()->handle());
    case GW_HWNDLAST:
      return FromHandle(siblings.front()->handle());
    case GW_HWNDNEXT:
      return index > 0 ? FromHandle(siblings[index - 1]->handle()) : nullptr;
    case GW_HWNDPREV:
      return index + 1 < siblings.size() ? FromHandle(siblings[index + 1]->handle()) : nullptr;
    default:
      return nullptr;
  }
}

CWnd* CWnd::GetNextWindow(UINT nFlag) const { return GetWindow(nFlag); }

CWnd* CWnd::GetTopWindow() const { return GetWindow(GW_CHILD); }

namespace {

WindowRecord* FindDescendant(WindowRecord* record, int id) {
  for (const auto& child : record->children) {
    if (child->id == id) return child.get();
  }
  for (const auto& child : record->children) {
    if (WindowRecord* found = FindDescendant(child.get(), id)) return found;
  }
  return nullptr;
}

void SendToDescendants(WindowRecord* record, UINT message, WPARAM wParam, LPARAM lParam, bool deep, bool only_perm) {
  std::vector<HWND> children;
  for (const auto& child : record->children) children.push_back(child->handle());
  for (HWND handle : children) {
    WindowRecord* child = afx::RecordOf(handle);
    if (child == nullptr) continue;
    if (child->attached != nullptr) {
      child->attached->SendMessage(message, wParam, lParam);
    } else if (!only_perm) {
      if (CWnd* temporary = CWnd::FromHandle(handle)) temporary->SendMessage(message, wParam, lParam);
    }
    child = afx::RecordOf(handle);
    if (deep && child != nullptr) SendToDescendants(child, message, wParam, lParam, deep, only_perm);
  }
}

}  // namespace

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const {
  WindowRecord* record = Record();
  WindowRecord* found = record != nullptr ? FindDescendant(record, nID) : nullptr;
  if (found == nullptr) return nullptr;
  return bOnlyPerm ? found->attached : FromHandle(found->handle());
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm) {
  if (WindowRecord* record = Record()) SendToDescendants(record, message, wParam, lParam, bDeep, bOnlyPerm);
}

BOOL CWnd::IsChild(const CWnd* pWnd) const {
  WindowRecord* record = Record();
  WindowRecord* other = pWnd != nullptr ? pWnd->Record() : nullptr;
  for (WindowRecord* up = other != nullptr ? other->parent : nullptr; up != nullptr; up = up->parent) {
    if (up == record) return TRUE;
  }
  return FALSE;
}

CWnd* CWnd::GetActiveWindow() {
  WindowRecord* active = afx::ActiveRecord();
  return active != nullptr ? FromHandle(active->handle()) : nullptr;
}

CWnd* CWnd::SetActiveWindow() {
  CWnd* previous = GetActiveWindow();
  if (WindowRecord* record = Record()) afx::ActivateRecord(record->TopLevel());
  return previous;
}

BOOL CWnd::SetForegroundWindow() {
  SetActiveWindow();
  return TRUE;
}

void CWnd::BringWindowToTop() { SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

CWnd* CWnd::GetDesktopWindow() { return FromHandle(afx::Desktop().handle()); }

CWnd* CWnd::GetSafeOwner(CWnd* pParent) const {
  CWnd* owner = pParent != nullptr ? pParent : const_cast<CWnd*>(this);
  return owner != nullptr ? owner->GetTopLevelParent() : nullptr;
}
