// What a backend calls to hand a person's actions to the class library. Each
// call delivers one message the way the window system would: input goes
// through the program's pre-translation (accelerators) and translation
// (characters) before its window sees it, and what it posted is handled
// before the call returns.
#pragma once

#include <set>
#include <string>

#include "platform/classlib/window/window_message_ids.h"

namespace afx {

class WindowRecord;

// Keyboard and mouse input for window, with the keys held while it happens
// (VK_SHIFT, VK_CONTROL, VK_MENU, mouse buttons).
void DeliverInput(const MSG& message, const std::set<int>& held_keys);
// Any other message, sent at once (paint requests, size changes, closing...).
LRESULT DeliverMessage(WindowRecord& window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// A due timer.
void PostTimerMessage(WindowRecord& window, UINT_PTR id);
// Handles posted messages and paints invalid windows; returns when idle.
void DrainMessages();

// The window that keyboard input goes to: the focus, else the active frame.
WindowRecord* KeyboardTarget();
// The window that mouse input at a screen point goes to: the capture when
// set, else the deepest visible child there.
WindowRecord* MouseTarget(POINT screen);
// The deepest visible window at a screen point, whatever holds the capture.
WindowRecord* WindowAt(POINT screen);

// Drops from outside the program (or from the headless drag), to the drop
// target registered for the window. Effects are DROPEFFECT_ values.
DWORD DragEnter(WindowRecord& window, const std::string& text, DWORD key_state, POINT client);
DWORD DragOver(WindowRecord& window, DWORD key_state, POINT client);
void DragLeave(WindowRecord& window);
DWORD Drop(WindowRecord& window, const std::string& text, DWORD effect, POINT client);
bool HasDropTarget(WindowRecord& window);

}  // namespace afx
