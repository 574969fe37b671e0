// Timers, the caret, mouse capture and the cursor, pre-translation of
// queued messages, the default window procedure and the window system's
// functions on handles.
#include <cstdint>

#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/gdi/dc.h"
#include "platform/classlib/window/child_caption.h"
#include "platform/classlib/window/cursors.h"
#include "platform/classlib/window/message_loop.h"
#include "platform/classlib/window/window_internals.h"
#include "platform/classlib/window/window_state.h"
#include "platform/classlib/window_record.h"

using afx::WindowRecord;

namespace {

constexpr std::uintptr_t kResourceCursorBase = 0x10000;

afx::CursorInfo CursorFromHandle(HCURSOR cursor) {
  const auto value = reinterpret_cast<std::uintptr_t>(cursor);
  afx::CursorInfo info;
  if (value >= kResourceCursorBase) {
    info.shape = afx::CursorShape::kResource;
    info.resource_id = static_cast<UINT>(value - kResourceCursorBase);
    return info;
  }
  switch (value) {
    case 32513:
      info.shape = afx::CursorShape::kIBeam;
      break;
    case 32514:
      info.shape = afx::CursorShape::kWait;
      break;
    case 32515:
      info.shape = afx::CursorShape::kCross;
      break;
    case 32644:
      info.shape = afx::CursorShape::kSizeWE;
      break;
    case 32645:
      info.shape = afx::CursorShape::kSizeNS;
      break;
    case 32646:
      info.shape = afx::CursorShape::kSizeAll;
      break;
    case 32648:
      info.shape = afx::CursorShape::kNo;
      break;
    case 32649:
      info.shape = afx::CursorShape::kHand;
      break;
    default:
      info.shape = afx::CursorShape::kArrow;
      break;
  }
  return info;
}

HCURSOR HandleFromCursor(const afx::CursorInfo& info) {
  if (info.shape == afx::CursorShape::kResource) {
    return reinterpret_cast<HCURSOR>(kResourceCursorBase + info.resource_id);
  }
  static const std::uintptr_t kIds[] = {32512, 32513, 32514, 32515, 32644, 32645, 32646, 32648, 32649};
  return reinterpret_cast<HCURSOR>(kIds[static_cast<int>(info.shape)]);
}

int HitTest(const WindowRecord& record, POINT screen) {
  const CRect window = record.ScreenWindowRect();
  if (!window.PtInRect(screen)) return HTNOWHERE;
  const CRect client = record.ScreenClientRect();
  if (client.PtInRect(screen)) return HTCLIENT;
  if (record.scroll_bars[SB_VERT].shown && screen.x >= client.right && screen.y < client.bottom) return HTVSCROLL;
  if (record.scroll_bars[SB_HORZ].shown && screen.y >= client.bottom && screen.x < client.right) return HTHSCROLL;
  if (record.parent == &afx::Desktop() && screen.y < client.top && (record.style & WS_CAPTION) == WS_CAPTION) {
    return screen.y >= client.top - afx::Backend().SystemMetric(SM_CYMENU) && record.menu != nullptr ? HTMENU
                                                                                                     : HTCAPTION;
  }
  if (afx::HasChildCaption(record)) return afx::ChildCaptionHit(record, screen);
  return HTBORDER;
}

afx::CursorShape SizingCursor(int hit) {
  switch (hit) {
    case HTLEFT:
    case HTRIGHT:
      return afx::CursorShape::kSizeWE;
    case HTTOP:
    case HTBOTTOM:
      return afx::CursorShape::kSizeNS;
    case HTTOPLEFT:
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
      return afx::CursorShape::kSizeAll;
    default:
      return afx::CursorShape::kArrow;
  }
}

}  // namespace

HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName) {
  const auto id = reinterpret_cast<std::uintptr_t>(lpCursorName) & 0xFFFF;
  if (hInstance == nullptr) return reinterpret_cast<HCURSOR>(id);
  return reinterpret_cast<HCURSOR>(kResourceCursorBase + id);
}

HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName) { return LoadCursor(hInstance, lpIconName); }

HCURSOR GetCursor() { return HandleFromCursor(afx::CurrentCursor()); }

HCURSOR SetCursor(HCURSOR hCursor) {
  HCURSOR previous = GetCursor();
  if (hCursor == nullptr) return previous;
  afx::CurrentCursor() = CursorFromHandle(hCursor);
  afx::Backend().CursorChanged(afx::CurrentCursor());
  return previous;
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void (*lpfnTimer)(HWND, UINT, UINT_PTR, DWORD)) {
  WindowRecord* record = Record();
  if (record == nullptr || !record->created || lpfnTimer != nullptr || nIDEvent == 0) return 0;
  afx::Backend().StartTimer(*record, nIDEvent, nElapse);
  return nIDEvent;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
  WindowRecord* record = Record();
  if (record == nullptr || !record->created) return FALSE;
  afx::Backend().StopTimer(*record, nIDEvent);
  return TRUE;
}

void CWnd::CreateSolidCaret(int nWidth, int nHeight) {
  WindowRecord* record = Record();
  if (record == nullptr) return;
  afx::CaretState& caret = afx::Caret();
  caret = afx::CaretState();
  caret.owner = record;
  caret.size = CSize(nWidth, nHeight);
  afx::CaretChanged();
}

void CWnd::CreateGrayCaret(int nWidth, int nHeight) {
  CreateSolidCaret(nWidth, nHeight);
  afx::Caret().grey = true;
  afx::CaretChanged();
}

void CWnd::SetCaretPos(POINT point) {
  afx::CaretState& caret = afx::Caret();
  if (caret.owner == nullptr) return;
  caret.position = point;
  afx::CaretChanged();
}

CPoint CWnd::GetCaretPos() { return afx::Caret().position; }

void CWnd::ShowCaret() {
  afx::CaretState& caret = afx::Caret();
  if (caret.owner != Record() || caret.hide_count == 0) return;
  --caret.hide_count;
  afx::CaretChanged();
}

void CWnd::HideCaret() {
  afx::CaretState& caret = afx::Caret();
  if (caret.owner != Record()) return;
  ++caret.hide_count;
  afx::CaretChanged();
}

BOOL DestroyCaret() {
  afx::Caret() = afx::CaretState();
  afx::CaretChanged();
  return TRUE;
}

CWnd* CWnd::SetCapture() {
  CWnd* previous = GetCapture();
  if (WindowRecord* record = Record()) afx::SetCaptureRecord(record);
  return previous;
}

CWnd* CWnd::GetCapture() {
  WindowRecord* capture = afx::CaptureRecord();
  return capture != nullptr ? FromHandle(capture->handle()) : nullptr;
}

HWND GetCapture() {
  WindowRecord* capture = afx::CaptureRecord();
  return capture != nullptr ? capture->handle() : nullptr;
}

BOOL ReleaseCapture() {
  afx::SetCaptureRecord(nullptr);
  return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg) {
  (void)pMsg;
  return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (WindowRecord* record = afx::RecordOf(pMsg->hwnd); record != nullptr && record != &afx::Desktop();
       record = record->parent) {
    HWND handle = record->handle();
    if (CWnd* window = record->attached; window != nullptr && window->PreTranslateMessage(pMsg)) return TRUE;
    if (handle == hWndStop || afx::RecordOf(handle) == nullptr) break;
  }
  return FALSE;
}

const MSG* CWnd::GetCurrentMessage() { return afx::CurrentMessage(); }

LRESULT CWnd::Default() {
  const MSG* current = afx::CurrentMessage();
  if (current == nullptr) return 0;
  const MSG message = *current;
  return DefWindowProc(message.message, message.wParam, message.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = Record();
  if (record == nullptr) return 0;
  switch (message) {
    case WM_PAINT: {
      CPaintDC validate(this);
      return 0;
    }
    case WM_ERASEBKGND: {
      const afx::WindowClass* window_class = afx::FindWindowClass(record->class_name);
      const auto brush = window_class != nullptr ? reinterpret_cast<std::uintptr_t>(window_class->background) : 0;
      CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
      if (brush == 0 || dc == nullptr) return 0;
      CRect client;
      GetClientRect(&client);
      if (brush <= 0x40) {
        dc->FillSolidRect(&client, GetSysColor(static_cast<int>(brush) - 1));
      } else {
        dc->FillRect(&client, CBrush::FromHandle(reinterpret_cast<HBRUSH>(brush)));
      }
      return 1;
    }
    case WM_NCCALCSIZE: {
      auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
      CRect& client = *static_cast<CRect*>(&params->rgrc[0]);
      afx::WindowBackend& backend = afx::Backend();
      const bool top_level = record->parent == &afx::Desktop();
      if (afx::HasChildCaption(*record)) {
        afx::RemoveChildCaption(*record, client);
      } else if (record->style & WS_THICKFRAME) {
        client.DeflateRect(backend.SystemMetric(SM_CXFRAME), backend.SystemMetric(SM_CYFRAME));
      } else if (record->style & WS_BORDER) {
        client.DeflateRect(backend.SystemMetric(SM_CXBORDER), backend.SystemMetric(SM_CYBORDER));
      }
      if ((record->style & WS_CAPTION) == WS_CAPTION && top_level) client.top += backend.SystemMetric(SM_CYCAPTION);
      if (top_level && record->menu != nullptr) client.top += backend.SystemMetric(SM_CYMENU);
      if (record->ex_style & WS_EX_CLIENTEDGE) {
        client.DeflateRect(backend.SystemMetric(SM_CXEDGE), backend.SystemMetric(SM_CYEDGE));
      }
      if (record->scroll_bars[SB_VERT].shown || (record->style & WS_VSCROLL)) {
        client.right -= backend.SystemMetric(SM_CXVSCROLL);
      }
      if (record->scroll_bars[SB_HORZ].shown || (record->style & WS_HSCROLL)) {
        client.bottom -= backend.SystemMetric(SM_CYHSCROLL);
      }
      return 0;
    }
    case WM_NCHITTEST:
      return HitTest(*record, afx::PointOf(lParam));
    case WM_SETCURSOR: {
      if (CWnd* parent = GetParent();
          parent != nullptr && (record->style & WS_CHILD) && parent->SendMessage(WM_SETCURSOR, wParam, lParam)) {
        return TRUE;
      }
      if (const int hit = static_cast<short>(LOWORD(static_cast<DWORD_PTR>(lParam)));
          afx::HasChildCaption(*record) && SizingCursor(hit) != afx::CursorShape::kArrow) {
        afx::CurrentCursor().shape = SizingCursor(hit);
        afx::Backend().CursorChanged(afx::CurrentCursor());
        return TRUE;
      }
      if (LOWORD(static_cast<DWORD_PTR>(lParam)) == HTCLIENT) {
        const afx::WindowClass* window_class = afx::FindWindowClass(record->class_name);
        ::SetCursor(window_class != nullptr && window_class->cursor != nullptr ? window_class->cursor
                                                                               : LoadCursor(nullptr, IDC_ARROW));
      }
      return FALSE;
    }
    case WM_MOUSEACTIVATE: {
      if (CWnd* parent = GetParent(); parent != nullptr && (record->style & WS_CHILD)) {
        if (const LRESULT answer = parent->SendMessage(WM_MOUSEACTIVATE, wParam, lParam); answer != 0) return answer;
      }
      return MA_ACTIVATE;
    }
    case WM_WINDOWPOSCHANGED: {
      const CRect& client = record->client_rect;
      SendMessage(WM_MOVE, 0, MAKELPARAM(record->window_rect.left, record->window_rect.top));
      if (Record() != nullptr) {
        const UINT kind = record->show_state == SW_SHOWMAXIMIZED   ? SIZE_MAXIMIZED
                          : record->show_state == SW_SHOWMINIMIZED ? SIZE_MINIMIZED
                                                                   : SIZE_RESTORED;
        SendMessage(WM_SIZE, kind, MAKELPARAM(client.Width(), client.Height()));
      }
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow();
      return 0;
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
      if (CWnd* parent = GetParent(); parent != nullptr && (record->style & WS_CHILD)) {
        return parent->SendMessage(message, wParam, lParam);
      }
      return 0;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_CLOSE:
          return SendMessage(WM_CLOSE);
        case SC_MAXIMIZE:
          ShowWindow(SW_SHOWMAXIMIZED);
          return 0;
        case SC_MINIMIZE:
          ShowWindow(SW_SHOWMINIMIZED);
          return 0;
        case SC_RESTORE:
          ShowWindow(SW_RESTORE);
          return 0;
        default:
          return 0;
      }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) SetFocus();
      return 0;
    case WM_NCACTIVATE:
      if (afx::HasChildCaption(*record) && record->caption_active != (wParam != 0)) {
        record->caption_active = wParam != 0;
        afx::PaintChildCaption(*this);
      }
      return TRUE;
    case WM_NCPAINT:
      afx::PaintChildCaption(*this);
      return 0;
    case WM_MOUSEMOVE:
      if (afx::HasChildCaption(*record)) {
        CPoint screen = afx::PointOf(lParam);
        ClientToScreen(&screen);
        afx::FollowFrameDrag(*this, screen);
      }
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      afx::EndFrameDrag(*this);
      return 0;
    case WM_NCLBUTTONDBLCLK:
      if (wParam == HTCAPTION && afx::HasChildCaption(*record)) {
        return SendMessage(WM_SYSCOMMAND, record->show_state == SW_SHOWMAXIMIZED ? SC_RESTORE : SC_MAXIMIZE);
      }
      return 0;
    case WM_SETTEXT:
      StoreWindowText(reinterpret_cast<LPCTSTR>(lParam));
      return TRUE;
    case WM_SETFONT:
      record->font = reinterpret_cast<void*>(wParam);
      if (lParam != 0) Invalidate();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(record->font);
    case WM_NCLBUTTONDOWN:
      if (!afx::HasChildCaption(*record)) return 0;
      if (wParam == HTCLOSE) return SendMessage(WM_SYSCOMMAND, SC_CLOSE);
      if (wParam == HTMAXBUTTON) {
        return SendMessage(WM_SYSCOMMAND, record->show_state == SW_SHOWMAXIMIZED ? SC_RESTORE : SC_MAXIMIZE);
      }
      if (wParam == HTCAPTION || (wParam >= HTLEFT && wParam <= HTBOTTOMRIGHT)) {
        afx::StartFrameDrag(*this, static_cast<int>(wParam), afx::PointOf(lParam));
      }
      return 0;
    default:
      return 0;
  }
}

// Default handlers: the window system's answer to each message.
int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }
void CWnd::OnDropFiles(HDROP) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnParentNotify(UINT, LPARAM) { Default(); }

void CWnd::DragAcceptFiles(BOOL bAccept) {
  ModifyStyleEx(bAccept ? 0 : WS_EX_ACCEPTFILES, bAccept ? WS_EX_ACCEPTFILES : 0);
}

namespace afx {

CWnd* WndFromParam(WPARAM handle) { return CWnd::FromHandle(reinterpret_cast<HWND>(handle)); }
CWnd* WndFromLParam(LPARAM handle) { return CWnd::FromHandle(reinterpret_cast<HWND>(handle)); }
CDC* DcFromParam(WPARAM handle) { return CDC::FromHandle(reinterpret_cast<HDC>(handle)); }

}  // namespace afx

BOOL IsWindow(HWND hWnd) { return afx::RecordOf(hWnd) != nullptr; }

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* window = CWnd::FromHandle(hWnd);
  return window != nullptr ? window->SendMessage(message, wParam, lParam) : 0;
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* window = CWnd::FromHandle(hWnd);
  return window != nullptr && window->PostMessage(message, wParam, lParam);
}

void PostQuitMessage(int nExitCode) { afx::RequestQuit(nExitCode); }

HWND GetFocus() {
  WindowRecord* focus = afx::FocusedRecord();
  return focus != nullptr ? focus->handle() : nullptr;
}

HWND SetFocus(HWND hWnd) {
  HWND previous = GetFocus();
  afx::SetFocusRecord(afx::RecordOf(hWnd));
  return previous;
}

BOOL GetCursorPos(LPPOINT lpPoint) {
  *lpPoint = afx::Backend().CursorPosition();
  return TRUE;
}

BOOL TranslateMessage(const MSG* lpMsg) {
  if (lpMsg == nullptr || lpMsg->character == 0) return FALSE;
  if (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN) return FALSE;
  MSG character = *lpMsg;
  character.message = lpMsg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
  character.wParam = lpMsg->character;
  character.character = 0;
  afx::PostToQueueFront(character);
  return TRUE;
}

LRESULT DispatchMessage(const MSG* lpMsg) {
  if (lpMsg == nullptr) return 0;
  return SendMessage(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

COLORREF GetSysColor(int nIndex) { return afx::Backend().SystemColour(nIndex); }

int GetSystemMetrics(int nIndex) { return afx::Backend().SystemMetric(nIndex); }

BOOL MessageBeep(UINT uType) {
  (void)uType;
  return TRUE;
}

HWND GetParent(HWND hWnd) {
  CWnd* window = CWnd::FromHandle(hWnd);
  CWnd* parent = window != nullptr ? window->GetParent() : nullptr;
  return parent != nullptr ? parent->m_hWnd : nullptr;
}
