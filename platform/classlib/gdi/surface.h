// What a backend draws on: a window's client area, a memory bitmap or a
// printer page, in device pixels. The class library's device contexts keep
// the drawing state (selected objects, colours, clipping, mapping) and hand
// each primitive here already resolved to device coordinates.
#pragma once

#include <memory>
#include <string_view>

#include "platform/classlib/gdi/gdi_types.h"

namespace afx {

struct FontMetrics {
  int height = 16;  // ascent + descent
  int ascent = 13;
  int descent = 3;
  int internal_leading = 0;
  int external_leading = 0;
  int average_width = 8;
  int maximum_width = 16;
};

struct DeviceInfo {
  int dpi_x = 96;
  int dpi_y = 96;
  bool printer = false;
  CSize physical_size;      // the whole page; the surface's size for a screen
  CPoint printable_offset;  // where the printable area starts on the page
};

struct TextStyle {
  LOGFONT font;
  COLORREF text = RGB(0, 0, 0);
  COLORREF back = RGB(255, 255, 255);
  bool opaque = false;  // the cells behind the text are filled with back
};

struct PenStyle {
  int style = 0;  // PS_SOLID, ...
  int width = 1;
  COLORREF colour = RGB(0, 0, 0);
};

class Surface {
 public:
  virtual ~Surface() = default;

  virtual CSize Size() const = 0;
  virtual DeviceInfo Device() const = 0;
  // Nothing is drawn outside the clip (device pixels); null clips to the surface.
  virtual void SetClip(const RECT* clip) = 0;

  virtual void FillRect(const RECT& rect, COLORREF colour) = 0;
  // Inverts the pixels of rect; halftone inverts every other pixel (a tracker).
  virtual void InvertRect(const RECT& rect, bool halftone) = 0;
  // UTF-8 text whose first cell's top-left corner is at.
  virtual void DrawText(POINT at, std::string_view text, const TextStyle& style) = 0;
  virtual void DrawLine(POINT from, POINT to, const PenStyle& pen) = 0;
  // Copies source's pixels from source_origin into dest.
  virtual void CopyFrom(const RECT& dest, Surface& source, POINT source_origin) = 0;

  virtual FontMetrics Metrics(const LOGFONT& font) = 0;
  virtual int TextWidth(const LOGFONT& font, std::string_view text) = 0;

  // Drawing so far is shown (a window's surface when its DC is released).
  virtual void Present() {}
};

}  // namespace afx
