// Cursors: the standard shapes and those of the program's resources.
#pragma once

#include "platform/classlib/window/window_message_ids.h"

#define IDC_ARROW MAKEINTRESOURCE(32512)
#define IDC_IBEAM MAKEINTRESOURCE(32513)
#define IDC_WAIT MAKEINTRESOURCE(32514)
#define IDC_CROSS MAKEINTRESOURCE(32515)
#define IDC_SIZEWE MAKEINTRESOURCE(32644)
#define IDC_SIZENS MAKEINTRESOURCE(32645)
#define IDC_SIZEALL MAKEINTRESOURCE(32646)
#define IDC_NO MAKEINTRESOURCE(32648)
#define IDC_HAND MAKEINTRESOURCE(32649)
#define IDI_APPLICATION MAKEINTRESOURCE(32512)

// A standard cursor when hInstance is null, else the resource cursor nIDResource.
HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName);
HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName);
HCURSOR GetCursor();
