// Keys held down by the window input being delivered now (a key chord with
// its Ctrl, Shift and Alt, a click with its modifiers). Drivers answer key
// polls from them while they are set, instead of reading input of their own.
#pragma once

#include <optional>
#include <set>

namespace ui {

// Empty keys with active false end the delivery.
void SetHeldKeys(const std::set<int>& keys, bool active = true);
void ClearHeldKeys();
// Whether the key is held by the input being delivered; nullopt when no window input is.
std::optional<bool> HeldKeyState(int virtual_key);

}  // namespace ui
