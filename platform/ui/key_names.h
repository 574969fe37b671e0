// Names of keys in `key NAME...` lines and the virtual-key codes they stand for.
#pragma once

#include <optional>
#include <string_view>

namespace ui {

// "F1".."F12", "ESC", "ENTER", "SPACE", "TAB", "BACKSPACE", "DELETE", "INSERT",
// "HOME", "END", "PGUP", "PGDN", "LEFT", "RIGHT", "UP", "DOWN", "SHIFT", "CTRL",
// "ALT", a letter or a digit; case-insensitive. nullopt for anything else.
std::optional<int> VirtualKeyFromName(std::string_view name);

}  // namespace ui
