#include "platform/gui/window_peer.h"

#include "platform/classlib/window/window_state.h"

namespace gui {

WindowPeer::~WindowPeer() {
  if (pixels != nullptr) cairo_surface_destroy(pixels);
}

WindowPeer& PeerOf(afx::WindowRecord& window) {
  if (window.peer == nullptr) window.peer = std::make_unique<WindowPeer>();
  return static_cast<WindowPeer&>(*window.peer);
}

NativeFrame* FrameOf(afx::WindowRecord& window) {
  afx::WindowRecord* top = window.TopLevel();
  return top != nullptr && top->peer != nullptr ? PeerOf(*top).frame : nullptr;
}

CPoint OffsetInTopLevel(const afx::WindowRecord& window) {
  const afx::WindowRecord* top = const_cast<afx::WindowRecord&>(window).TopLevel();
  CPoint offset = window.ScreenWindowRect().TopLeft();
  if (top != nullptr) offset.Offset(-top->window_rect.left, -top->window_rect.top);
  return offset;
}

NativeFrame* ActiveFrame() {
  if (afx::WindowRecord* active = afx::ActiveRecord(); active != nullptr && FrameOf(*active) != nullptr) {
    return FrameOf(*active);
  }
  for (const auto& top : afx::Desktop().children) {
    if (top->peer != nullptr && PeerOf(*top).frame != nullptr) return PeerOf(*top).frame;
  }
  return nullptr;
}

bool ReallyVisible(const afx::WindowRecord& window) {
  for (const afx::WindowRecord* each = &window; each != nullptr && each != &afx::Desktop(); each = each->parent) {
    if (!each->visible || !each->created) return false;
  }
  return true;
}

}  // namespace gui
