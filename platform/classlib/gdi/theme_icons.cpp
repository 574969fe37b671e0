#include "platform/classlib/gdi/theme_icons.h"

#include <map>
#include <utility>

namespace afx {
namespace {

ThemeIconPainter& Painter() {
  static ThemeIconPainter painter = nullptr;
  return painter;
}

std::map<UINT, CommandIcon>& CommandIcons() {
  static std::map<UINT, CommandIcon> icons;
  return icons;
}

}  // namespace

void SetThemeIconPainter(ThemeIconPainter painter) { Painter() = painter; }
ThemeIconPainter GetThemeIconPainter() { return Painter(); }

void SetCommandIcon(UINT command, CommandIcon icon) { CommandIcons()[command] = std::move(icon); }

const CommandIcon* FindCommandIcon(UINT command) {
  const auto found = CommandIcons().find(command);
  return found != CommandIcons().end() ? &found->second : nullptr;
}

}  // namespace afx
