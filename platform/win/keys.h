// Keyboard and mouse-button state, as the UI driver in force reports it.
#pragma once

#include "platform/wintypes/windows_types.h"

// High bit (0x8000) set while the key is down.
SHORT GetAsyncKeyState(int virtual_key);
SHORT GetKeyState(int virtual_key);
