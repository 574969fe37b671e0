// The scroll bars of windows inside a frame are native scroll bars on the
// frame's canvas, in the non-client area the class library leaves for them.
// Moving one sends the window WM_VSCROLL or WM_HSCROLL.
#pragma once

namespace afx {
class WindowRecord;
}

namespace gui {

class GuiBackend;

// Places, shows, hides and sets the bars of a window and of the windows inside it.
void LayoutScrollBars(afx::WindowRecord& window, GuiBackend& backend);
void DestroyScrollBars(afx::WindowRecord& window);

}  // namespace gui
