// Icons of the desktop theme, by their freedesktop names ("folder",
// "document-save"), where the class library would show bitmap resources it
// does not have: tool bar buttons and the shell's small file icons. A
// backend that can show them sets the painter; without one nothing is drawn
// and callers fall back on their own drawing.
#pragma once

#include <string>
#include <string_view>

#include "platform/classlib/gdi/surface.h"

namespace afx {

// Draws the named icon into rect (device pixels); false when it has none of that name.
using ThemeIconPainter = bool (*)(Surface& surface, const RECT& rect, std::string_view name);

void SetThemeIconPainter(ThemeIconPainter painter);
ThemeIconPainter GetThemeIconPainter();

// What a tool bar button of a command shows: a theme icon, or else its short label.
struct CommandIcon {
  std::string icon;
  std::string label;
};
void SetCommandIcon(UINT command, CommandIcon icon);
// Null when the command has none.
const CommandIcon* FindCommandIcon(UINT command);

}  // namespace afx
