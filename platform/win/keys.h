// Keyboard and mouse-button state, as the UI driver in force reports it.
#pragma once

#include "platform/wintypes/windows_types.h"

// High bit (0x8000) set while the key is down; low bit (1) set when it went
// down since the last GetAsyncKeyState of that key (held keys do not repeat).
SHORT GetAsyncKeyState(int virtual_key);
// High bit only.
SHORT GetKeyState(int virtual_key);

namespace win {
// False when polling keys cannot bring one while nothing else reads input.
bool KeysCanCome();
// True when the keys come as presses (a script, a terminal): none is ever held.
bool KeysArePresses();
}  // namespace win
