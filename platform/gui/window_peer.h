// What the GTK backend hangs on each window of the class library: the
// window's pixels (its backing store, whole window, non-client parts
// included), its native scroll bars, and for a top-level window the native
// frame that shows it and every window inside it.
#pragma once

#include <cairo.h>

#include <memory>

#include "platform/classlib/window_record.h"

class wxScrollBar;

namespace gui {

class NativeFrame;

struct WindowPeer : afx::BackendPeer {
  ~WindowPeer() override;

  cairo_surface_t* pixels = nullptr;  // window_rect's size
  NativeFrame* frame = nullptr;       // top-level windows; destroyed by the toolkit
  wxScrollBar* bars[2] = {nullptr, nullptr};
};

WindowPeer& PeerOf(afx::WindowRecord& window);
// The native frame that shows a window: its top-level window's; null before it has one.
NativeFrame* FrameOf(afx::WindowRecord& window);
// Where a window's top-left corner lies in its top-level window.
CPoint OffsetInTopLevel(const afx::WindowRecord& window);
// The frame of the active window, else the first frame: where dialogs and drags start.
NativeFrame* ActiveFrame();
// A window and every ancestor are shown.
bool ReallyVisible(const afx::WindowRecord& window);

}  // namespace gui
