// Message boxes, answered through the UI driver in force.
#pragma once

#include "platform/wintypes/windows_types.h"

// Returns the button chosen (IDOK, IDCANCEL, IDYES, IDNO, ...). A null caption reads "Error".
int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
