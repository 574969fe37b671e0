// The desktop theme's icons drawn on cairo surfaces, loaded through the
// toolkit's art provider (the GTK icon theme) and kept once loaded.
#pragma once

#include <string_view>

#include "platform/classlib/gdi/surface.h"

namespace gui {

bool PaintThemeIcon(afx::Surface& surface, const RECT& rect, std::string_view name);

}  // namespace gui
