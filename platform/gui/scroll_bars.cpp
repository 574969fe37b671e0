#include "platform/gui/scroll_bars.h"

#include <wx/scrolbar.h>

#include <algorithm>
#include <set>

#include "platform/classlib/backend/backend_events.h"
#include "platform/classlib/window_record.h"
#include "platform/gui/gui_backend.h"
#include "platform/gui/native_frame.h"
#include "platform/gui/window_peer.h"

namespace gui {
namespace {

using afx::WindowRecord;

class ScrollBarPeer : public wxScrollBar {
 public:
  ScrollBarPeer(wxWindow* canvas, HWND window, int which, GuiBackend& backend)
      : wxScrollBar(canvas, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                    which == SB_VERT ? wxSB_VERTICAL : wxSB_HORIZONTAL),
        window_(window),
        which_(which),
        backend_(backend) {
    Bind(wxEVT_SCROLL_TOP, &ScrollBarPeer::OnScroll, this);
    Bind(wxEVT_SCROLL_BOTTOM, &ScrollBarPeer::OnScroll, this);
    Bind(wxEVT_SCROLL_LINEUP, &ScrollBarPeer::OnScroll, this);
    Bind(wxEVT_SCROLL_LINEDOWN, &ScrollBarPeer::OnScroll, this);
    Bind(wxEVT_SCROLL_PAGEUP, &ScrollBarPeer::OnScroll, this);
    Bind(wxEVT_SCROLL_PAGEDOWN, &ScrollBarPeer::OnScroll, this);
    Bind(wxEVT_SCROLL_THUMBTRACK, &ScrollBarPeer::OnScroll, this);
    Bind(wxEVT_SCROLL_THUMBRELEASE, &ScrollBarPeer::OnScroll, this);
  }

  bool tracking() const { return tracking_; }

 private:
  void OnScroll(wxScrollEvent& event) {
    WindowRecord* window = afx::RecordOf(window_);
    if (window == nullptr) return;
    afx::ScrollBarState& bar = window->scroll_bars[which_];
    const int position = bar.min + event.GetPosition();
    const wxEventType type = event.GetEventType();
    int code = SB_ENDSCROLL;
    if (type == wxEVT_SCROLL_TOP) code = SB_TOP;
    if (type == wxEVT_SCROLL_BOTTOM) code = SB_BOTTOM;
    if (type == wxEVT_SCROLL_LINEUP) code = SB_LINEUP;
    if (type == wxEVT_SCROLL_LINEDOWN) code = SB_LINEDOWN;
    if (type == wxEVT_SCROLL_PAGEUP) code = SB_PAGEUP;
    if (type == wxEVT_SCROLL_PAGEDOWN) code = SB_PAGEDOWN;
    if (type == wxEVT_SCROLL_THUMBTRACK) code = SB_THUMBTRACK;
    if (type == wxEVT_SCROLL_THUMBRELEASE) code = SB_THUMBPOSITION;
    tracking_ = code == SB_THUMBTRACK;
    bar.track_pos = position;
    Send(code, position);
    // A step or a released thumb ends the scrolling, as a released button does.
    if (code != SB_THUMBTRACK) Send(SB_ENDSCROLL, position);
    backend_.NoteActivity();
  }

  void Send(int code, int position) {
    if (afx::RecordOf(window_) == nullptr) return;
    MSG message;
    message.hwnd = window_;
    message.message = which_ == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
    message.wParam = MAKEWPARAM(code, static_cast<WORD>(std::clamp(position, 0, 0xFFFF)));
    afx::DeliverInput(message, {});
  }

  HWND window_;
  int which_;
  GuiBackend& backend_;
  bool tracking_ = false;
};

CRect BarRect(const WindowRecord& window, int which, int thickness) {
  const CRect client = window.client_rect;
  if (which == SB_VERT) return CRect(client.right, client.top, client.right + thickness, client.bottom);
  return CRect(client.left, client.bottom, client.right, client.bottom + thickness);
}

// A native bar sits above everything the canvas draws: where a window above its own
// (a document window over another) covers it, the bar stays hidden.
bool Covered(const WindowRecord& window, const CRect& bar_on_screen) {
  for (const WindowRecord* level = &window; level->parent != nullptr && level->parent != &afx::Desktop();
       level = level->parent) {
    const auto& siblings = level->parent->children;
    auto above = std::find_if(siblings.begin(), siblings.end(), [&](const auto& s) { return s.get() == level; });
    if (above == siblings.end()) continue;
    for (++above; above != siblings.end(); ++above) {
      CRect common;
      if ((*above)->created && (*above)->visible && common.IntersectRect(&bar_on_screen, (*above)->ScreenWindowRect())) {
        return true;
      }
    }
  }
  return false;
}

void Layout(WindowRecord& window, GuiBackend& backend, NativeFrame& frame) {
  WindowPeer& peer = PeerOf(window);
  const bool visible = ReallyVisible(window);
  for (int which : {SB_HORZ, SB_VERT}) {
    const afx::ScrollBarState& state = window.scroll_bars[which];
    wxScrollBar*& native = peer.bars[which];
    const int thickness = backend.SystemMetric(which == SB_VERT ? SM_CXVSCROLL : SM_CYHSCROLL);
    CRect rect = BarRect(window, which, thickness);
    CRect on_screen = rect;
    on_screen.OffsetRect(window.ScreenWindowRect().TopLeft());
    if (!state.shown || !visible || Covered(window, on_screen)) {
      if (native != nullptr) native->Hide();
      continue;
    }
    if (native == nullptr) native = new ScrollBarPeer(frame.canvas(), window.handle(), which, backend);
    rect.OffsetRect(OffsetInTopLevel(window));
    native->SetSize(rect.left, rect.top, rect.Width(), rect.Height());
    const int range = std::max(0, state.max - state.min + 1);
    const int page = std::max(1, std::min(state.page > 0 ? state.page : 1, std::max(range, 1)));
    if (!static_cast<ScrollBarPeer*>(native)->tracking()) {
      native->SetScrollbar(std::clamp(state.pos - state.min, 0, std::max(0, range - page)), page, range, page);
    }
    native->Enable(state.enabled && range > page);
    native->Show();
  }
  for (const auto& child : window.children) Layout(*child, backend, frame);
}

}  // namespace

void LayoutScrollBars(WindowRecord& window, GuiBackend& backend) {
  NativeFrame* frame = FrameOf(window);
  if (frame != nullptr && window.created) Layout(window, backend, *frame);
}

void DestroyScrollBars(WindowRecord& window) {
  if (window.peer == nullptr) return;
  for (wxScrollBar*& bar : PeerOf(window).bars) {
    if (bar != nullptr) bar->Destroy();
    bar = nullptr;
  }
}

}  // namespace gui
