#include "platform/gui/native_frame.h"

#include <wx/dcclient.h>
#include <wx/graphics.h>
#include <wx/menu.h>
#include <wx/time.h>

#include <algorithm>

#include "platform/classlib/backend/backend_events.h"
#include "platform/classlib/cmdtarget.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/window/menu.h"
#include "platform/classlib/window/window_state.h"
#include "platform/classlib/window_record.h"
#include "platform/gui/clipboard_and_drag.h"
#include "platform/gui/gui_backend.h"
#include "platform/gui/key_codes.h"
#include "platform/gui/menu_builder.h"
#include "platform/gui/window_peer.h"

namespace gui {
namespace {

using afx::WindowRecord;

constexpr long long kSizeSettleMilliseconds = 1000;

long StyleFor(const WindowRecord& window) {
  if ((window.style & WS_CAPTION) != WS_CAPTION) return wxBORDER_NONE | wxFRAME_NO_TASKBAR | wxFRAME_TOOL_WINDOW;
  long style = wxDEFAULT_FRAME_STYLE;
  if (!(window.style & WS_THICKFRAME)) style &= ~wxRESIZE_BORDER;
  if (!(window.style & WS_MAXIMIZEBOX)) style &= ~wxMAXIMIZE_BOX;
  if (!(window.style & WS_MINIMIZEBOX)) style &= ~wxMINIMIZE_BOX;
  return style;
}

void SetSource(cairo_t* cr, COLORREF colour) {
  cairo_set_source_rgb(cr, GetRValue(colour) / 255.0, GetGValue(colour) / 255.0, GetBValue(colour) / 255.0);
}

void Frame(cairo_t* cr, const CRect& rect, COLORREF top_left, COLORREF bottom_right) {
  SetSource(cr, top_left);
  cairo_rectangle(cr, rect.left, rect.top, rect.Width(), 1);
  cairo_rectangle(cr, rect.left, rect.top, 1, rect.Height());
  cairo_fill(cr);
  SetSource(cr, bottom_right);
  cairo_rectangle(cr, rect.left, rect.bottom - 1, rect.Width(), 1);
  cairo_rectangle(cr, rect.right - 1, rect.top, 1, rect.Height());
  cairo_fill(cr);
}

// The border the window system draws around a child window.
void PaintBorder(cairo_t* cr, const WindowRecord& window, CRect rect) {
  if (window.ex_style & WS_EX_CLIENTEDGE) {
    Frame(cr, rect, RGB(128, 128, 128), RGB(255, 255, 255));
    rect.DeflateRect(1, 1);
    Frame(cr, rect, RGB(64, 64, 64), RGB(212, 208, 200));
  } else if (window.style & WS_BORDER) {
    Frame(cr, rect, RGB(0, 0, 0), RGB(0, 0, 0));
  }
}

// Puts a window's backing store and its children's on the canvas; clip is in canvas coordinates.
void PaintTree(cairo_t* cr, WindowRecord& window, CPoint top_origin, CRect clip, bool top_level) {
  if (!window.created || !window.visible) return;
  CRect rect = window.ScreenWindowRect();
  rect.OffsetRect(-top_origin.x, -top_origin.y);
  CRect area;
  if (!area.IntersectRect(&clip, &rect)) return;
  cairo_save(cr);
  cairo_rectangle(cr, area.left, area.top, area.Width(), area.Height());
  cairo_clip(cr);
  WindowPeer& peer = PeerOf(window);
  if (peer.pixels != nullptr) {
    cairo_set_source_surface(cr, peer.pixels, rect.left, rect.top);
    cairo_paint(cr);
  }
  if (!top_level) PaintBorder(cr, window, rect);
  cairo_restore(cr);
  CRect client = window.ScreenClientRect();
  client.OffsetRect(-top_origin.x, -top_origin.y);
  if (!client.IntersectRect(&client, &area)) return;
  for (const auto& child : window.children) PaintTree(cr, *child, top_origin, client, false);
}

UINT KeyFlags(const wxMouseState& state) {
  UINT flags = 0;
  if (state.LeftIsDown()) flags |= MK_LBUTTON;
  if (state.RightIsDown()) flags |= MK_RBUTTON;
  if (state.MiddleIsDown()) flags |= MK_MBUTTON;
  if (state.ShiftDown()) flags |= MK_SHIFT;
  if (state.ControlDown()) flags |= MK_CONTROL;
  return flags;
}

std::set<int> HeldKeys(const wxMouseState& state) {
  std::set<int> held;
  if (state.ShiftDown()) held.insert(VK_SHIFT);
  if (state.ControlDown()) held.insert(VK_CONTROL);
  if (state.AltDown()) held.insert(VK_MENU);
  if (state.LeftIsDown()) held.insert(VK_LBUTTON);
  if (state.RightIsDown()) held.insert(VK_RBUTTON);
  if (state.MiddleIsDown()) held.insert(VK_MBUTTON);
  return held;
}

}  // namespace

cairo_t* CairoOf(wxDC& dc) {
  if (void* native = dc.GetImpl()->GetCairoContext()) return static_cast<cairo_t*>(native);
  if (wxGraphicsContext* graphics = dc.GetGraphicsContext()) return static_cast<cairo_t*>(graphics->GetNativeContext());
  return nullptr;
}

// The canvas.

NativeCanvas::NativeCanvas(wxWindow* parent, HWND window, GuiBackend& backend)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS | wxBORDER_NONE),
      window_(window),
      backend_(backend) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &NativeCanvas::OnPaint, this);
  Bind(wxEVT_SIZE, &NativeCanvas::OnSize, this);
  Bind(wxEVT_KEY_DOWN, &NativeCanvas::OnKey, this);
  Bind(wxEVT_KEY_UP, &NativeCanvas::OnKey, this);
  Bind(wxEVT_CHAR, &NativeCanvas::OnChar, this);
  Bind(wxEVT_MOTION, &NativeCanvas::OnMouse, this);
  Bind(wxEVT_LEFT_DOWN, &NativeCanvas::OnMouse, this);
  Bind(wxEVT_LEFT_UP, &NativeCanvas::OnMouse, this);
  Bind(wxEVT_LEFT_DCLICK, &NativeCanvas::OnMouse, this);
  Bind(wxEVT_RIGHT_DOWN, &NativeCanvas::OnMouse, this);
  Bind(wxEVT_RIGHT_UP, &NativeCanvas::OnMouse, this);
  Bind(wxEVT_RIGHT_DCLICK, &NativeCanvas::OnMouse, this);
  Bind(wxEVT_MIDDLE_DOWN, &NativeCanvas::OnMouse, this);
  Bind(wxEVT_MIDDLE_UP, &NativeCanvas::OnMouse, this);
  Bind(wxEVT_MIDDLE_DCLICK, &NativeCanvas::OnMouse, this);
  Bind(wxEVT_MOUSEWHEEL, &NativeCanvas::OnMouse, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &NativeCanvas::OnCaptureLost, this);
  Bind(wxEVT_SET_FOCUS, &NativeCanvas::OnFocus, this);
  SetDropTarget(MakeDropTarget(*this));
}

CPoint NativeCanvas::ScreenOf(const wxPoint& point) const {
  WindowRecord* top = afx::RecordOf(window_);
  CPoint screen(point.x, point.y);
  if (top != nullptr) screen.Offset(top->window_rect.TopLeft());
  return screen;
}

wxPoint NativeCanvas::CanvasPointOf(POINT screen) const {
  WindowRecord* top = afx::RecordOf(window_);
  if (top == nullptr) return wxPoint(screen.x, screen.y);
  return wxPoint(screen.x - top->window_rect.left, screen.y - top->window_rect.top);
}

void NativeCanvas::RefreshWindowArea(const WindowRecord& window, const CRect& area) {
  const CPoint offset = OffsetInTopLevel(window);
  RefreshRect(wxRect(offset.x + area.left, offset.y + area.top, area.Width(), area.Height()), false);
}

void NativeCanvas::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  cairo_t* cr = CairoOf(dc);
  WindowRecord* top = afx::RecordOf(window_);
  if (cr == nullptr || top == nullptr) return;
  cairo_save(cr);
  const wxSize size = GetClientSize();
  PaintTree(cr, *top, top->window_rect.TopLeft(), CRect(0, 0, size.x, size.y), true);
  const afx::CaretState& caret = backend_.Caret();
  if (backend_.CaretShown() && caret.owner->TopLevel() == top && ReallyVisible(*caret.owner)) {
    CRect client = caret.owner->ScreenClientRect();
    client.OffsetRect(-top->window_rect.left, -top->window_rect.top);
    CRect bar(client.TopLeft() + caret.position, caret.size);
    if (bar.IntersectRect(&bar, &client)) {
      cairo_set_operator(cr, CAIRO_OPERATOR_DIFFERENCE);
      const double level = caret.grey ? 0.5 : 1.0;
      cairo_set_source_rgb(cr, level, level, level);
      cairo_rectangle(cr, bar.left, bar.top, bar.Width(), bar.Height());
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

void NativeCanvas::OnSize(wxSizeEvent& event) {
  event.Skip();
  const wxSize size = GetClientSize();
  auto* frame = dynamic_cast<NativeFrame*>(GetParent());
  WindowRecord* top = afx::RecordOf(window_);
  if (top == nullptr || frame == nullptr || frame->AwaitingSize(size) || size.x <= 1 || size.y <= 1) return;
  if (size.x == top->window_rect.Width() && size.y == top->window_rect.Height()) return;
  if (CWnd* object = CWnd::FromHandle(window_)) {
    object->SetWindowPos(nullptr, 0, 0, size.x, size.y, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    backend_.NoteActivity();
  }
}

void NativeCanvas::OnKey(wxKeyEvent& event) {
  const int key = VirtualKeyFor(event.GetKeyCode());
  WindowRecord* target = afx::KeyboardTarget();
  if (key == 0 || target == nullptr) {
    event.Skip();  // the toolkit may still type a character with it
    return;
  }
  const bool down = event.GetEventType() == wxEVT_KEY_DOWN;
  const bool alt = event.AltDown();
  std::set<int> held;
  if (event.ShiftDown()) held.insert(VK_SHIFT);
  if (event.ControlDown()) held.insert(VK_CONTROL);
  if (alt) held.insert(VK_MENU);
  if (down) held.insert(key);
  MSG message;
  message.hwnd = target->handle();
  message.message = alt ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
  message.wParam = static_cast<WPARAM>(key);
  message.lParam = 1 | (alt ? (1 << 29) : 0) | (down ? 0 : (3U << 30));
  message.time = static_cast<DWORD>(wxGetLocalTimeMillis().GetValue());
  if (down) {
    message.character = TypedCharacter(key, KeysymCharacter(event.GetRawKeyCode()), event.ControlDown(), alt);
  }
  afx::DeliverInput(message, held);
  backend_.NoteActivity();
}

void NativeCanvas::OnChar(wxKeyEvent& event) {
  // Characters that come without a key of their own: an input method's, a composed one.
  const wxChar character = event.GetUnicodeKey();
  WindowRecord* target = afx::KeyboardTarget();
  if (character == WXK_NONE || target == nullptr) return;
  MSG message;
  message.hwnd = target->handle();
  message.message = WM_CHAR;
  message.wParam = static_cast<WPARAM>(character);
  message.lParam = 1;
  afx::DeliverInput(message, {});
  backend_.NoteActivity();
}

void NativeCanvas::DeliverMouse(UINT message, CPoint screen, const wxMouseState& state) {
  WindowRecord* target = afx::MouseTarget(screen);
  CWnd* object = target != nullptr ? target->attached : nullptr;
  if (object == nullptr) return;
  const HWND window = target->handle();
  if (message == WM_LBUTTONDBLCLK && !(target->class_style & CS_DBLCLKS)) message = WM_LBUTTONDOWN;
  if (message == WM_RBUTTONDBLCLK && !(target->class_style & CS_DBLCLKS)) message = WM_RBUTTONDOWN;
  const LRESULT hit =
      afx::CaptureRecord() == target ? HTCLIENT : object->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
  if (afx::RecordOf(window) == nullptr) return;
  const bool button_down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
                           message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK;
  if (button_down) {
    CWnd* top = CWnd::FromHandle(target->TopLevel()->handle());
    object->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top != nullptr ? top->m_hWnd : nullptr),
                        MAKELPARAM(static_cast<int>(hit), static_cast<int>(message)));
    if (afx::RecordOf(window) == nullptr) return;
  }
  if (message == WM_MOUSEMOVE || button_down) {
    object->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                        MAKELPARAM(static_cast<int>(hit), static_cast<int>(message)));
    if (afx::RecordOf(window) == nullptr) return;
  }
  MSG input;
  input.hwnd = window;
  input.time = static_cast<DWORD>(wxGetLocalTimeMillis().GetValue());
  input.pt = screen;
  if (hit == HTCLIENT) {
    const CPoint origin = target->ScreenClientRect().TopLeft();
    input.message = message;
    input.wParam = KeyFlags(state);
    input.lParam = MAKELPARAM(screen.x - origin.x, screen.y - origin.y);
  } else {
    if (message > WM_LBUTTONDBLCLK) return;  // the frame's own parts take no other buttons
    input.message = message - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
    input.wParam = static_cast<WPARAM>(hit);
    input.lParam = MAKELPARAM(screen.x, screen.y);
  }
  afx::DeliverInput(input, HeldKeys(state));
}

void NativeCanvas::OnMouse(wxMouseEvent& event) {
  const CPoint screen = ScreenOf(event.GetPosition());
  backend_.NoteMouse(screen);
  if (event.GetEventType() == wxEVT_MOUSEWHEEL) {
    // The wheel scrolls what lies under the pointer (the explorer's tree while the view has the keys).
    WindowRecord* target = afx::MouseTarget(screen);
    if (target == nullptr || target->attached == nullptr) target = afx::KeyboardTarget();
    if (target == nullptr || event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) return;
    const int delta = event.GetWheelRotation() * WHEEL_DELTA / std::max(1, event.GetWheelDelta());
    MSG message;
    message.hwnd = target->handle();
    message.message = WM_MOUSEWHEEL;
    message.wParam = MAKEWPARAM(KeyFlags(event), static_cast<WORD>(static_cast<short>(delta)));
    message.lParam = MAKELPARAM(screen.x, screen.y);
    afx::DeliverInput(message, HeldKeys(event));
    backend_.NoteActivity();
    return;
  }
  UINT message = WM_MOUSEMOVE;
  if (event.LeftDown()) message = WM_LBUTTONDOWN;
  if (event.LeftUp()) message = WM_LBUTTONUP;
  if (event.LeftDClick()) message = WM_LBUTTONDBLCLK;
  if (event.RightDown()) message = WM_RBUTTONDOWN;
  if (event.RightUp()) message = WM_RBUTTONUP;
  if (event.RightDClick()) message = WM_RBUTTONDBLCLK;
  if (event.MiddleDown() || event.MiddleDClick()) message = WM_MBUTTONDOWN;
  if (event.MiddleUp()) message = WM_MBUTTONUP;
  if (message != WM_MOUSEMOVE && !HasFocus()) SetFocus();
  DeliverMouse(message, screen, event);
  if (message == WM_RBUTTONUP) {
    // The window system follows a right click with a context-menu request.
    if (WindowRecord* target = afx::MouseTarget(screen); target != nullptr && target->attached != nullptr) {
      MSG menu;
      menu.hwnd = target->handle();
      menu.message = WM_CONTEXTMENU;
      menu.wParam = reinterpret_cast<WPARAM>(menu.hwnd);
      menu.lParam = MAKELPARAM(screen.x, screen.y);
      afx::DeliverInput(menu, HeldKeys(event));
    }
  }
  backend_.NoteActivity();
}

void NativeCanvas::OnCaptureLost(wxMouseCaptureLostEvent&) {
  if (afx::CaptureRecord() != nullptr) ::ReleaseCapture();
  backend_.NoteActivity();
}

void NativeCanvas::OnFocus(wxFocusEvent& event) {
  event.Skip();
  WindowRecord* top = afx::RecordOf(window_);
  if (top != nullptr && afx::ActiveRecord() != top) {
    afx::ActivateRecord(top);
    backend_.NoteActivity();
  }
}

// The frame.

NativeFrame::NativeFrame(WindowRecord& window, GuiBackend& backend)
    : wxFrame(nullptr, wxID_ANY, wxString::FromUTF8(window.text), wxDefaultPosition, wxDefaultSize, StyleFor(window)),
      window_(window.handle()),
      backend_(backend),
      canvas_(new NativeCanvas(this, window.handle(), backend)) {
  Bind(wxEVT_CLOSE_WINDOW, &NativeFrame::OnClose, this);
  Bind(wxEVT_ACTIVATE, &NativeFrame::OnActivate, this);
  Bind(wxEVT_MENU, &NativeFrame::OnMenu, this);
  Bind(wxEVT_MENU_OPEN, &NativeFrame::OnMenuOpen, this);
  SyncMenu(window);
  SyncGeometry(window);
}

bool NativeFrame::AwaitingSize(const wxSize& size) {
  if (requested_ == wxDefaultSize) return false;
  if (size == requested_) {
    requested_ = wxDefaultSize;
    return false;
  }
  if (wxGetLocalTimeMillis().GetValue() - requested_at_ < kSizeSettleMilliseconds) return true;
  requested_ = wxDefaultSize;
  return false;
}

void NativeFrame::SyncGeometry(WindowRecord& window) {
  const wxSize size(std::max(1, window.window_rect.Width()), std::max(1, window.window_rect.Height()));
  if (canvas_->GetClientSize() != size) {
    requested_ = size;
    requested_at_ = wxGetLocalTimeMillis().GetValue();
    SetClientSize(size);
  }
  const wxPoint position(window.window_rect.left, window.window_rect.top);
  if (!IsMaximized() && GetPosition() != position) Move(position);
}

void NativeFrame::SyncVisibility(WindowRecord& window) {
  if (!window.visible) {
    if (IsShown()) Hide();
    return;
  }
  if (window.show_state == SW_SHOWMAXIMIZED && !IsMaximized()) Maximize(true);
  if (window.show_state == SW_SHOWMINIMIZED && !IsIconized()) Iconize(true);
  if (window.show_state == SW_SHOWNORMAL && (IsMaximized() || IsIconized())) Restore();
  if (!IsShown()) {
    Show(true);
    canvas_->SetFocus();
  }
}

void NativeFrame::SyncMenu(WindowRecord& window) {
  const afx::MenuRecord* menu = afx::MenuOf(static_cast<HMENU>(window.menu));
  if (menu == nullptr) {
    if (wxMenuBar* old = GetMenuBar()) {
      SetMenuBar(nullptr);
      delete old;  // the frame lets go of a bar it no longer shows
    }
    return;
  }
  wxMenuBar* bar = GetMenuBar();
  if (bar != nullptr && SyncMenuBar(*bar, *menu)) return;
  const wxSize client = canvas_->GetClientSize();
  SetMenuBar(BuildMenuBar(*menu));
  delete bar;
  // The bar takes room from the frame, not from the window.
  if (client.x > 1 && client.y > 1) SetClientSize(client);
}

void NativeFrame::PrepareMenus() {
  WindowRecord* window = afx::RecordOf(window_);
  const afx::MenuRecord* menu = window != nullptr ? afx::MenuOf(static_cast<HMENU>(window->menu)) : nullptr;
  if (menu == nullptr) return;
  std::vector<HMENU> popups;
  for (const afx::MenuItem& item : menu->items) {
    if ((item.flags & MF_POPUP) && item.popup != nullptr) popups.push_back(item.popup->handle());
  }
  for (HMENU popup : popups) {
    afx::DeliverMessage(*window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    if ((window = afx::RecordOf(window_)) == nullptr) return;
  }
  SyncMenu(*window);
}

void NativeFrame::OnClose(wxCloseEvent& event) {
  if (event.CanVeto()) event.Veto();
  if (WindowRecord* window = afx::RecordOf(window_)) {
    afx::DeliverMessage(*window, WM_SYSCOMMAND, SC_CLOSE);
    afx::DrainMessages();
  }
  backend_.NoteActivity();
}

void NativeFrame::OnActivate(wxActivateEvent& event) {
  event.Skip();
  WindowRecord* window = afx::RecordOf(window_);
  if (!event.GetActive() || window == nullptr || afx::ActiveRecord() == window) return;
  afx::ActivateRecord(window);
  backend_.NoteActivity();
}

void NativeFrame::OnMenu(wxCommandEvent& event) {
  const UINT command = CommandOfNativeId(event.GetId());
  CWnd* frame = CWnd::FromHandle(window_);
  if (command == 0 || frame == nullptr) {
    event.Skip();
    return;
  }
  // A menu shown before its states were updated may offer what is disabled now.
  CCmdUI state;
  state.m_nID = command;
  state.DoUpdate(frame, TRUE);
  if (!state.m_bEnabled) return;
  MSG message;
  message.hwnd = window_;
  message.message = WM_COMMAND;
  message.wParam = MAKEWPARAM(command, 0);
  afx::DeliverInput(message, {});
  backend_.NoteActivity();
}

void NativeFrame::OnMenuOpen(wxMenuEvent& event) {
  WindowRecord* window = afx::RecordOf(window_);
  const afx::MenuRecord* menu = window != nullptr ? afx::MenuOf(static_cast<HMENU>(window->menu)) : nullptr;
  wxMenuBar* bar = GetMenuBar();
  if (menu == nullptr || bar == nullptr || event.GetMenu() == nullptr) return;
  const afx::MenuRecord* popup = RecordOfMenu(*bar, *menu, event.GetMenu());
  if (popup == nullptr) return;
  afx::DeliverMessage(*window, WM_INITMENUPOPUP,
                      reinterpret_cast<WPARAM>(const_cast<afx::MenuRecord*>(popup)->handle()), 0);
  if ((window = afx::RecordOf(window_)) != nullptr) SyncMenu(*window);
}

}  // namespace gui
