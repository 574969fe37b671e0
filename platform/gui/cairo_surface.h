// A Surface drawn with cairo and Pango: window backing stores and memory
// bitmaps (image surfaces), printed pages (PDF or recording surfaces). The
// device origin may lie anywhere on the cairo target, and a scale turns
// device pixels into the target's units (points for a PDF page).
#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <functional>
#include <string_view>

#include "platform/classlib/gdi/surface.h"

namespace gui {

// The Pango face and pixel size that stand for a LOGFONT.
PangoFontDescription* FontDescriptionFor(const LOGFONT& font);

struct CairoPlacement {
  CPoint origin;     // where device (0, 0) lies on the target, in device pixels
  CSize size;        // the device area; nothing is drawn outside it
  double scale = 1;  // target units per device pixel
  afx::DeviceInfo device;
};

class CairoSurface : public afx::Surface {
 public:
  // Draws on target (referenced, not owned) until destroyed.
  CairoSurface(cairo_surface_t* target, const CairoPlacement& placement);
  ~CairoSurface() override;
  CairoSurface(const CairoSurface&) = delete;
  CairoSurface& operator=(const CairoSurface&) = delete;

  // Called by Present: the window shows what was drawn.
  void OnPresent(std::function<void()> presented) { presented_ = std::move(presented); }
  cairo_surface_t* target() const { return target_; }
  cairo_t* context() const { return cr_; }
  const CairoPlacement& placement() const { return placement_; }

  CSize Size() const override { return placement_.size; }
  afx::DeviceInfo Device() const override;
  void SetClip(const RECT* clip) override;
  void FillRect(const RECT& rect, COLORREF colour) override;
  void InvertRect(const RECT& rect, bool halftone) override;
  void DrawText(POINT at, std::string_view text, const afx::TextStyle& style) override;
  void DrawLine(POINT from, POINT to, const afx::PenStyle& pen) override;
  void CopyFrom(const RECT& dest, Surface& source, POINT source_origin) override;
  afx::FontMetrics Metrics(const LOGFONT& font) override;
  int TextWidth(const LOGFONT& font, std::string_view text) override;
  void Present() override;

 private:
  PangoLayout* LayoutFor(const LOGFONT& font, std::string_view text);
  PangoLayout* MeasuringLayout(const LOGFONT& font, std::string_view text);
  PangoLayout* DrawingLayout();
  static PangoLayout* Prepared(PangoLayout* layout, const LOGFONT& font, std::string_view text);
  void SetColour(COLORREF colour);

  cairo_surface_t* target_;
  cairo_t* cr_;
  PangoLayout* layout_ = nullptr;
  PangoLayout* measuring_ = nullptr;  // pages scaled to points
  CairoPlacement placement_;
  std::function<void()> presented_;
};

}  // namespace gui
