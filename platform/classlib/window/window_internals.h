// Helpers that the parts of CWnd share.
#pragma once

#include <string>

#include "platform/classlib/gdi/gdi_types.h"
#include "platform/classlib/window/window_message_ids.h"

class CWnd;

namespace afx {

class WindowRecord;

// Shows, hides, maximises or minimises a window made by CreateEx.
void ShowCreatedWindow(WindowRecord& record, int show_command);
// The window's object, when the window is alive and has one.
CWnd* WindowOf(WindowRecord* record);
// Sends a message to a window made by CreateEx; 0 when it has no object.
LRESULT SendTo(WindowRecord* record, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// A child's rectangle in screen coordinates, and back.
CPoint ClientOrigin(const WindowRecord& record);

// Registered window classes (AfxRegisterWndClass, RegisterClass).
struct WindowClass {
  UINT style = 0;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;  // a COLOR_ index + 1, or a brush handle
  HICON icon = nullptr;
};
const WindowClass* FindWindowClass(const std::string& name);
std::string RegisterWindowClass(const std::string& name, const WindowClass& window_class);

}  // namespace afx
