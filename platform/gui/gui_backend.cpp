#include "platform/gui/gui_backend.h"

#include <wx/app.h>
#include <wx/cursor.h>
#include <wx/evtloop.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <algorithm>
#include <vector>

#include "platform/classlib/backend/backend_events.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/window/menu.h"
#include "platform/classlib/window/message_loop.h"
#include "platform/classlib/window/window_state.h"
#include "platform/classlib/window_record.h"
#include "platform/gui/cairo_surface.h"
#include "platform/gui/clipboard_and_drag.h"
#include "platform/gui/menu_builder.h"
#include "platform/gui/native_frame.h"
#include "platform/gui/print_jobs.h"
#include "platform/gui/scroll_bars.h"
#include "platform/gui/window_peer.h"

namespace gui {
namespace {

using afx::WindowRecord;

constexpr int kCaretBlinkMilliseconds = 530;
constexpr int kFallbackScrollBar = 16;

bool IsTopLevel(const WindowRecord& window) { return window.parent == &afx::Desktop(); }

// Gives the window a backing store of its size, keeping what the old one showed.
void SizePixels(WindowRecord& window, COLORREF background) {
  WindowPeer& peer = PeerOf(window);
  const int width = std::max(1, window.window_rect.Width());
  const int height = std::max(1, window.window_rect.Height());
  if (peer.pixels != nullptr && cairo_image_surface_get_width(peer.pixels) == width &&
      cairo_image_surface_get_height(peer.pixels) == height) {
    return;
  }
  cairo_surface_t* pixels = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(pixels);
  cairo_set_source_rgb(cr, GetRValue(background) / 255.0, GetGValue(background) / 255.0, GetBValue(background) / 255.0);
  cairo_paint(cr);
  if (peer.pixels != nullptr) {
    cairo_set_source_surface(cr, peer.pixels, 0, 0);
    cairo_paint(cr);
    cairo_surface_destroy(peer.pixels);
  }
  cairo_destroy(cr);
  peer.pixels = pixels;
}

void RefreshWindow(WindowRecord& window) {
  if (NativeFrame* frame = FrameOf(window)) {
    frame->canvas()->RefreshWindowArea(window, CRect(CPoint(0, 0), window.window_rect.Size()));
  }
}

wxStockCursor StockCursorOf(afx::CursorShape shape) {
  switch (shape) {
    case afx::CursorShape::kIBeam:
      return wxCURSOR_IBEAM;
    case afx::CursorShape::kWait:
      return wxCURSOR_WAIT;
    case afx::CursorShape::kCross:
      return wxCURSOR_CROSS;
    case afx::CursorShape::kSizeWE:
      return wxCURSOR_SIZEWE;
    case afx::CursorShape::kSizeNS:
      return wxCURSOR_SIZENS;
    case afx::CursorShape::kSizeAll:
      return wxCURSOR_SIZING;
    case afx::CursorShape::kNo:
      return wxCURSOR_NO_ENTRY;
    case afx::CursorShape::kHand:
      return wxCURSOR_HAND;
    default:
      return wxCURSOR_ARROW;
  }
}

bool AnyFrame() { return ActiveFrame() != nullptr; }

}  // namespace

class GuiBackend::Timer : public wxTimer {
 public:
  Timer(GuiBackend& backend, HWND window, UINT_PTR id) : backend_(backend), window_(window), id_(id) {}
  void Notify() override {
    if (WindowRecord* window = afx::RecordOf(window_)) {
      afx::PostTimerMessage(*window, id_);
      backend_.NoteActivity();
    }
  }

 private:
  GuiBackend& backend_;
  HWND window_;
  UINT_PTR id_;
};

GuiBackend::GuiBackend() : blink_(std::make_unique<wxTimer>()) {
  blink_->Bind(wxEVT_TIMER, [this](wxTimerEvent&) { ToggleCaret(); });
}

GuiBackend::~GuiBackend() {
  timers_.clear();
  blink_.reset();
}

void GuiBackend::WindowCreated(WindowRecord& window) {
  SizePixels(window, SystemColour(COLOR_WINDOW));
  if (IsTopLevel(window) && PeerOf(window).frame == nullptr) {
    PeerOf(window).frame = new NativeFrame(window, *this);  // the toolkit deletes it after Destroy
  }
  WindowChanged(window, afx::WindowChange::kVisibility);
}

void GuiBackend::WindowDestroyed(WindowRecord& window) {
  const HWND handle = window.handle();
  for (auto it = timers_.begin(); it != timers_.end();) {
    it = it->first.first == handle ? timers_.erase(it) : std::next(it);
  }
  DestroyScrollBars(window);
  WindowPeer& peer = PeerOf(window);
  if (peer.frame != nullptr) {
    if (peer.frame->canvas()->HasCapture()) peer.frame->canvas()->ReleaseMouse();
    peer.frame->Destroy();
    peer.frame = nullptr;
  } else if (window.created && ReallyVisible(window)) {
    RefreshWindow(window);
  }
}

void GuiBackend::WindowChanged(WindowRecord& window, afx::WindowChange change) {
  WindowPeer& peer = PeerOf(window);
  switch (change) {
    case afx::WindowChange::kGeometry:
      SizePixels(window, SystemColour(COLOR_WINDOW));
      if (peer.frame != nullptr) peer.frame->SyncGeometry(window);
      // The window may now cover its siblings' bars, or no longer.
      LayoutScrollBars(IsTopLevel(window) || window.parent == nullptr ? window : *window.parent, *this);
      if (WindowRecord* parent = window.parent; parent != nullptr && parent != &afx::Desktop()) {
        RefreshWindow(*parent);
      } else {
        RefreshWindow(window);
      }
      break;
    case afx::WindowChange::kVisibility:
      if (peer.frame != nullptr) peer.frame->SyncVisibility(window);
      LayoutScrollBars(IsTopLevel(window) || window.parent == nullptr ? window : *window.parent, *this);
      if (window.parent != nullptr && window.parent != &afx::Desktop()) RefreshWindow(*window.parent);
      break;
    case afx::WindowChange::kText:
      if (peer.frame != nullptr) peer.frame->SetTitle(wxString::FromUTF8(window.text));
      break;
    case afx::WindowChange::kMenu:
      if (peer.frame != nullptr) peer.frame->SyncMenu(window);
      break;
    case afx::WindowChange::kScrollBars:
    case afx::WindowChange::kStyle:
      LayoutScrollBars(window, *this);
      RefreshWindow(window);
      break;
    case afx::WindowChange::kZOrder:
      if (peer.frame != nullptr && peer.frame->IsShown()) peer.frame->Raise();
      if (!IsTopLevel(window) && window.parent != nullptr) {
        LayoutScrollBars(*window.parent, *this);
        RefreshWindow(*window.parent);
      }
      break;
  }
}

std::unique_ptr<afx::Surface> GuiBackend::WindowSurface(WindowRecord& window, bool whole_window) {
  SizePixels(window, SystemColour(COLOR_WINDOW));
  CairoPlacement placement;
  placement.origin = whole_window ? CPoint(0, 0) : window.client_rect.TopLeft();
  placement.size = whole_window ? window.window_rect.Size() : window.client_rect.Size();
  auto surface = std::make_unique<CairoSurface>(PeerOf(window).pixels, placement);
  const HWND handle = window.handle();
  surface->OnPresent([handle] {
    if (WindowRecord* shown = afx::RecordOf(handle); shown != nullptr && ReallyVisible(*shown)) RefreshWindow(*shown);
  });
  return surface;
}

std::unique_ptr<afx::Surface> GuiBackend::BitmapSurface(int width, int height) {
  cairo_surface_t* pixels = cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max(width, 1), std::max(height, 1));
  CairoPlacement placement;
  placement.size = CSize(std::max(width, 0), std::max(height, 0));
  auto surface = std::make_unique<CairoSurface>(pixels, placement);
  cairo_surface_destroy(pixels);  // the surface holds its own reference
  return surface;
}

void GuiBackend::ScrollContents(WindowRecord& window, int dx, int dy, const RECT& area) {
  auto surface = WindowSurface(window, false);
  CRect moved(area);
  moved.OffsetRect(dx, dy);
  CRect dest;
  if (!dest.IntersectRect(&moved, &area)) return;
  surface->CopyFrom(dest, *surface, CPoint(dest.left - dx, dest.top - dy));
  surface->Present();
}

int GuiBackend::SystemMetric(int index) {
  switch (index) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
      return wxGetDisplaySize().x;
    case SM_CYSCREEN:
    case SM_CYFULLSCREEN:
      return wxGetDisplaySize().y;
    case SM_CXVSCROLL: {
      const int width = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X);
      return width > 0 ? width : kFallbackScrollBar;
    }
    case SM_CYHSCROLL: {
      const int height = wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y);
      return height > 0 ? height : kFallbackScrollBar;
    }
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return 2;
    default:
      // the native frame's caption, borders and menu bar lie outside the window
      return afx::CommonSystemMetric(index);
  }
}

COLORREF GuiBackend::SystemColour(int index) {
  // The toolkit numbers its system colours as the window system does.
  if (index < 0 || index > COLOR_INFOBK) return RGB(192, 192, 192);
  const wxColour colour = wxSystemSettings::GetColour(static_cast<wxSystemColour>(index));
  return RGB(colour.Red(), colour.Green(), colour.Blue());
}

void GuiBackend::CaretChanged(const afx::CaretState& caret) {
  RefreshCaret();
  caret_ = caret;
  caret_window_ = caret.owner != nullptr ? caret.owner->handle() : nullptr;
  blink_on_ = true;
  if (caret_.Visible()) {
    blink_->Start(kCaretBlinkMilliseconds);
  } else {
    blink_->Stop();
  }
  RefreshCaret();
}

void GuiBackend::ToggleCaret() {
  blink_on_ = !blink_on_;
  RefreshCaret();
}

void GuiBackend::RefreshCaret() {
  WindowRecord* owner = afx::RecordOf(caret_window_);
  NativeFrame* frame = owner != nullptr ? FrameOf(*owner) : nullptr;
  if (frame == nullptr) return;
  const CRect bar(owner->client_rect.TopLeft() + caret_.position, caret_.size);
  frame->canvas()->RefreshWindowArea(*owner, bar);
}

void GuiBackend::CursorChanged(const afx::CursorInfo& cursor) {
  const wxCursor shape(StockCursorOf(cursor.shape));
  for (const auto& top : afx::Desktop().children) {
    if (top->peer != nullptr && PeerOf(*top).frame != nullptr) PeerOf(*top).frame->canvas()->SetCursor(shape);
  }
}

void GuiBackend::CaptureChanged(WindowRecord* window) {
  for (const auto& top : afx::Desktop().children) {
    NativeFrame* frame = top->peer != nullptr ? PeerOf(*top).frame : nullptr;
    if (frame == nullptr) continue;
    const bool wanted = window != nullptr && window->TopLevel() == top.get();
    NativeCanvas* canvas = frame->canvas();
    if (wanted && !canvas->HasCapture()) canvas->CaptureMouse();
    if (!wanted && canvas->HasCapture()) canvas->ReleaseMouse();
  }
}

void GuiBackend::FocusChanged(WindowRecord* window) {
  if (window == nullptr) return;
  NativeFrame* frame = FrameOf(*window);
  if (frame != nullptr && frame->IsShown() && !frame->canvas()->HasFocus()) frame->canvas()->SetFocus();
}

CPoint GuiBackend::CursorPosition() {
  // Where the pointer is now, measured against the frame it is over.
  const wxPoint native = wxGetMousePosition();
  for (const auto& top : afx::Desktop().children) {
    NativeFrame* frame = top->peer != nullptr ? PeerOf(*top).frame : nullptr;
    if (frame == nullptr || !frame->IsShown()) continue;
    const wxPoint local = frame->canvas()->ScreenToClient(native);
    if (wxRect(frame->canvas()->GetClientSize()).Contains(local)) return frame->canvas()->ScreenOf(local);
  }
  return mouse_;
}

void GuiBackend::StartTimer(WindowRecord& window, UINT_PTR id, UINT milliseconds) {
  auto& timer = timers_[{window.handle(), id}];
  timer = std::make_unique<Timer>(*this, window.handle(), id);
  timer->Start(static_cast<int>(std::max(milliseconds, 1U)));
}

void GuiBackend::StopTimer(WindowRecord& window, UINT_PTR id) { timers_.erase({window.handle(), id}); }

UINT GuiBackend::TrackPopupMenu(const afx::MenuRecord& menu, POINT screen, WindowRecord& owner) {
  NativeFrame* frame = FrameOf(owner);
  if (frame == nullptr) return 0;
  std::unique_ptr<wxMenu> popup(BuildMenu(menu));
  NativeCanvas* canvas = frame->canvas();
  const int chosen = canvas->GetPopupMenuSelectionFromUser(*popup, canvas->CanvasPointOf(screen));
  NoteActivity();
  return chosen == wxID_NONE ? 0 : CommandOfNativeId(chosen);
}

bool GuiBackend::PutClipboardText(const std::string& text) { return gui::PutClipboardText(text); }

std::optional<std::string> GuiBackend::ClipboardText() { return gui::ClipboardText(); }

DWORD GuiBackend::DoDragDrop(const std::string& text, DWORD allowed_effects) {
  WindowRecord* from = afx::CaptureRecord() != nullptr ? afx::CaptureRecord() : afx::KeyboardTarget();
  NativeFrame* frame = from != nullptr ? FrameOf(*from) : ActiveFrame();
  if (frame == nullptr) return 0;
  // The toolkit's drag takes the pointer over from the window that held it.
  if (afx::CaptureRecord() != nullptr) ::ReleaseCapture();
  return DragText(*frame->canvas(), text, allowed_effects);
}

std::optional<bool> GuiBackend::RunPrintDialog(afx::PrinterSetup&) {
  // The system's dialog comes with the printed pages, when the document is complete.
  return true;
}

afx::PrinterSetup GuiBackend::DefaultPrinter() {
  afx::PrinterSetup setup;
  setup.printer_name = "System printer";
  return setup;
}

std::unique_ptr<afx::Surface> GuiBackend::PrinterInformation(const afx::PrinterSetup& setup) {
  return MakeMeasuringSurface(setup);
}

std::unique_ptr<afx::PrintJob> GuiBackend::StartPrintJob(const afx::PrinterSetup& setup,
                                                         const std::string& document_name) {
  if (!setup.output_file.empty()) return MakePdfPrintJob(setup, document_name);
  return MakeSystemPrintJob(setup, document_name, ActiveFrame());
}

void GuiBackend::Pump() {
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  if (loop == nullptr) return;
  while (loop->Pending()) loop->Dispatch();
  if (wxTheApp != nullptr) wxTheApp->ProcessIdle();
}

bool GuiBackend::WaitForInput() {
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  if (loop == nullptr) return false;
  activity_ = false;
  // What the last input changed (the recent files, say) shows in the menus before one opens.
  std::vector<HWND> tops;
  for (const auto& top : afx::Desktop().children) tops.push_back(top->handle());
  for (HWND handle : tops) {
    WindowRecord* top = afx::RecordOf(handle);
    if (top != nullptr && top->peer != nullptr && PeerOf(*top).frame != nullptr) PeerOf(*top).frame->PrepareMenus();
  }
  while (!activity_ && afx::QueueEmpty() && !afx::QuitRequested()) {
    if (!AnyFrame()) return false;
    if (!loop->Pending() && wxTheApp != nullptr) wxTheApp->ProcessIdle();
    if (!activity_ && afx::QueueEmpty()) loop->Dispatch();
  }
  return true;
}

std::optional<CRect> NativeScreenRect(HWND window) {
  WindowRecord* record = afx::RecordOf(window);
  NativeFrame* frame = record != nullptr ? FrameOf(*record) : nullptr;
  if (frame == nullptr || !frame->IsShown()) return std::nullopt;
  const CPoint offset = OffsetInTopLevel(*record) + record->client_rect.TopLeft();
  const wxPoint origin = frame->canvas()->ClientToScreen(wxPoint(offset.x, offset.y));
  return CRect(CPoint(origin.x, origin.y), record->client_rect.Size());
}

void GuiBackend::Wake() {
  activity_ = true;
  wxWakeUpIdle();
}

}  // namespace gui
