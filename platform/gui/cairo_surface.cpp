#include "platform/gui/cairo_surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace gui {
namespace {

constexpr int kDefaultEm = 13;  // pixels, when a font asks for no size

// Windows faces a program may name, and what fontconfig offers for them.
std::string FamilyFor(const LOGFONT& font) {
  const std::string face = font.lfFaceName;
  static const std::map<std::string, std::string> kFaces = {
      {"Courier New", "Monospace"},
      {"Courier", "Monospace"},
      {"Fixedsys", "Monospace"},
      {"Terminal", "Monospace"},
      {"Consolas", "Monospace"},
      {"Lucida Console", "Monospace"},
      {"GulimChe", "Monospace"},
      {"\xEA\xB5\xB4\xEB\xA6\xBC\xEC\xB2\xB4", "Monospace"},
      {"DotumChe", "Monospace"},
      {"\xEB\x8F\x8B\xEC\x9B\x80\xEC\xB2\xB4", "Monospace"},
      {"Arial", "Sans"},
      {"MS Sans Serif", "Sans"},
      {"MS Shell Dlg", "Sans"},
      {"Tahoma", "Sans"},
      {"Segoe UI", "Sans"},
      {"System", "Sans"},
      {"Gulim", "Sans"},
      {"Dotum", "Sans"},
      {"Times New Roman", "Serif"},
      {"Batang", "Serif"},
  };
  if (const auto found = kFaces.find(face); found != kFaces.end()) return found->second;
  if (!face.empty()) return face;
  return (font.lfPitchAndFamily & FIXED_PITCH) ? "Monospace" : "Sans";
}

struct DescriptionDeleter {
  void operator()(PangoFontDescription* description) const { pango_font_description_free(description); }
};

// The Pango font size that gives a cell lfHeight pixels high.
int EmForCellHeight(PangoFontDescription* description, int cell_height) {
  PangoFontMap* map = pango_cairo_font_map_get_default();
  PangoContext* context = pango_font_map_create_context(map);
  pango_font_description_set_absolute_size(description, cell_height * PANGO_SCALE);
  PangoFontMetrics* metrics = pango_context_get_metrics(context, description, nullptr);
  const int height = (pango_font_metrics_get_ascent(metrics) + pango_font_metrics_get_descent(metrics)) / PANGO_SCALE;
  pango_font_metrics_unref(metrics);
  g_object_unref(context);
  return height > 0 ? std::max(1, cell_height * cell_height / height) : cell_height;
}

// Unhinted, untransformed: sizes in the units the fonts were asked in.
PangoContext* MeasuringContext() {
  static PangoContext* context = [] {
    PangoContext* made = pango_font_map_create_context(pango_cairo_font_map_get_default());
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(made, options);
    cairo_font_options_destroy(options);
    return made;
  }();
  return context;
}

}  // namespace

PangoFontDescription* FontDescriptionFor(const LOGFONT& font) {
  using Key = std::tuple<LONG, LONG, BYTE, BYTE, std::string>;
  static std::map<Key, std::unique_ptr<PangoFontDescription, DescriptionDeleter>> cache;
  const Key key{font.lfHeight, font.lfWeight, font.lfItalic, font.lfPitchAndFamily, font.lfFaceName};
  if (const auto found = cache.find(key); found != cache.end()) return found->second.get();
  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, FamilyFor(font).c_str());
  pango_font_description_set_weight(description,
                                    static_cast<PangoWeight>(font.lfWeight > 0 ? font.lfWeight : FW_NORMAL));
  pango_font_description_set_style(description, font.lfItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  int em = kDefaultEm;
  if (font.lfHeight < 0) em = static_cast<int>(-font.lfHeight);
  if (font.lfHeight > 0) em = EmForCellHeight(description, static_cast<int>(font.lfHeight));
  pango_font_description_set_absolute_size(description, em * PANGO_SCALE);
  cache.emplace(key, description);
  return description;
}

CairoSurface::CairoSurface(cairo_surface_t* target, const CairoPlacement& placement)
    : target_(cairo_surface_reference(target)), cr_(cairo_create(target)), placement_(placement) {
  cairo_scale(cr_, placement_.scale, placement_.scale);
  cairo_translate(cr_, placement_.origin.x, placement_.origin.y);
  SetClip(nullptr);
}

CairoSurface::~CairoSurface() {
  if (layout_ != nullptr) g_object_unref(layout_);
  if (measuring_ != nullptr) g_object_unref(measuring_);
  cairo_destroy(cr_);
  cairo_surface_destroy(target_);
}

afx::DeviceInfo CairoSurface::Device() const {
  afx::DeviceInfo device = placement_.device;
  if (!device.printer) device.physical_size = placement_.size;
  return device;
}

void CairoSurface::SetClip(const RECT* clip) {
  cairo_reset_clip(cr_);
  CRect area(CPoint(0, 0), placement_.size);
  if (clip != nullptr) area.IntersectRect(&area, clip);
  cairo_rectangle(cr_, area.left, area.top, std::max(0L, static_cast<long>(area.Width())),
                  std::max(0L, static_cast<long>(area.Height())));
  cairo_clip(cr_);
}

void CairoSurface::SetColour(COLORREF colour) {
  cairo_set_source_rgb(cr_, GetRValue(colour) / 255.0, GetGValue(colour) / 255.0, GetBValue(colour) / 255.0);
}

void CairoSurface::FillRect(const RECT& rect, COLORREF colour) {
  CRect area(rect);
  area.NormalizeRect();
  SetColour(colour);
  cairo_rectangle(cr_, area.left, area.top, area.Width(), area.Height());
  cairo_fill(cr_);
}

void CairoSurface::InvertRect(const RECT& rect, bool halftone) {
  CRect area(rect);
  area.NormalizeRect();
  cairo_save(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_DIFFERENCE);
  cairo_set_source_rgb(cr_, 1, 1, 1);
  cairo_rectangle(cr_, area.left, area.top, area.Width(), area.Height());
  if (halftone) {
    // Every other pixel, as a checkerboard.
    cairo_surface_t* checker = cairo_image_surface_create(CAIRO_FORMAT_A8, 2, 2);
    unsigned char* pixels = cairo_image_surface_get_data(checker);
    const int stride = cairo_image_surface_get_stride(checker);
    cairo_surface_flush(checker);
    pixels[0] = 255;
    pixels[1] = 0;
    pixels[stride] = 0;
    pixels[stride + 1] = 255;
    cairo_surface_mark_dirty(checker);
    cairo_pattern_t* mask = cairo_pattern_create_for_surface(checker);
    cairo_pattern_set_extend(mask, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(mask, CAIRO_FILTER_NEAREST);
    cairo_clip(cr_);
    cairo_mask(cr_, mask);
    cairo_pattern_destroy(mask);
    cairo_surface_destroy(checker);
  } else {
    cairo_fill(cr_);
  }
  cairo_restore(cr_);
}

PangoLayout* CairoSurface::LayoutFor(const LOGFONT& font, std::string_view text) {
  return Prepared(DrawingLayout(), font, text);
}

PangoLayout* CairoSurface::MeasuringLayout(const LOGFONT& font, std::string_view text) {
  DrawingLayout();
  return Prepared(measuring_ != nullptr ? measuring_ : layout_, font, text);
}

PangoLayout* CairoSurface::DrawingLayout() {
  if (layout_ == nullptr) {
    layout_ = pango_cairo_create_layout(cr_);
    if (placement_.scale != 1) {
      // Pages scaled to points measure in device pixels, as their drawing is placed.
      measuring_ = pango_layout_new(MeasuringContext());
    }
  }
  return layout_;
}

PangoLayout* CairoSurface::Prepared(PangoLayout* layout, const LOGFONT& font, std::string_view text) {
  pango_layout_set_font_description(layout, FontDescriptionFor(font));
  PangoAttrList* attributes = pango_attr_list_new();
  if (font.lfUnderline) pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (font.lfStrikeOut) pango_attr_list_insert(attributes, pango_attr_strikethrough_new(TRUE));
  pango_layout_set_attributes(layout, attributes);
  pango_attr_list_unref(attributes);
  pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
  return layout;
}

void CairoSurface::DrawText(POINT at, std::string_view text, const afx::TextStyle& style) {
  if (style.opaque) {
    const int width = TextWidth(style.font, text);
    FillRect(CRect(at.x, at.y, at.x + width, at.y + Metrics(style.font).height), style.back);
  }
  PangoLayout* layout = LayoutFor(style.font, text);
  SetColour(style.text);
  cairo_move_to(cr_, at.x, at.y);
  pango_cairo_show_layout(cr_, layout);
}

void CairoSurface::DrawLine(POINT from, POINT to, const afx::PenStyle& pen) {
  if (pen.style == PS_NULL) return;
  const double width = std::max(1, pen.width);
  cairo_save(cr_);
  SetColour(pen.colour);
  cairo_set_line_width(cr_, width);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_SQUARE);
  if (pen.style == PS_DASH || pen.style == PS_DOT || pen.style == PS_DASHDOT) {
    const double dash = pen.style == PS_DOT ? width : 4 * width;
    cairo_set_dash(cr_, &dash, 1, 0);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
  }
  // Lines cover the pixels from `from` up to, not including, `to`, centred on the pixel row.
  const double half = width / 2;
  cairo_move_to(cr_, from.x + half, from.y + half);
  cairo_line_to(cr_, to.x + half, to.y + half);
  cairo_stroke(cr_);
  cairo_restore(cr_);
}

void CairoSurface::CopyFrom(const RECT& dest, Surface& source, POINT source_origin) {
  auto* cairo_source = dynamic_cast<CairoSurface*>(&source);
  if (cairo_source == nullptr) return;
  CRect area(dest);
  area.NormalizeRect();
  if (area.IsRectEmpty()) return;
  cairo_surface_t* pixels = cairo_source->target();
  CPoint from(source_origin.x + cairo_source->placement().origin.x,
              source_origin.y + cairo_source->placement().origin.y);
  cairo_surface_t* copy = nullptr;
  if (pixels == target_) {
    // Copying within one surface: take the pixels out first.
    copy = cairo_surface_create_similar(target_, CAIRO_CONTENT_COLOR, area.Width(), area.Height());
    cairo_t* taker = cairo_create(copy);
    cairo_set_source_surface(taker, pixels, -from.x, -from.y);
    cairo_paint(taker);
    cairo_destroy(taker);
    pixels = copy;
    from = CPoint(0, 0);
  }
  cairo_save(cr_);
  cairo_set_source_surface(cr_, pixels, area.left - from.x, area.top - from.y);
  cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
  cairo_rectangle(cr_, area.left, area.top, area.Width(), area.Height());
  cairo_fill(cr_);
  cairo_restore(cr_);
  if (copy != nullptr) cairo_surface_destroy(copy);
}

afx::FontMetrics CairoSurface::Metrics(const LOGFONT& font) {
  PangoLayout* layout = MeasuringLayout(font, "");
  PangoContext* context = pango_layout_get_context(layout);
  PangoFontDescription* description = FontDescriptionFor(font);
  PangoFontMetrics* metrics = pango_context_get_metrics(context, description, nullptr);
  afx::FontMetrics result;
  result.ascent = PANGO_PIXELS_CEIL(pango_font_metrics_get_ascent(metrics));
  result.descent = PANGO_PIXELS_CEIL(pango_font_metrics_get_descent(metrics));
  result.height = result.ascent + result.descent;
  result.average_width = std::max(1, PANGO_PIXELS(pango_font_metrics_get_approximate_digit_width(metrics)));
  result.maximum_width =
      std::max(result.average_width, PANGO_PIXELS(pango_font_metrics_get_approximate_char_width(metrics)) * 2);
  const int em = pango_font_description_get_size(description) / PANGO_SCALE;
  result.internal_leading = std::max(0, result.height - em);
  pango_font_metrics_unref(metrics);
  return result;
}

int CairoSurface::TextWidth(const LOGFONT& font, std::string_view text) {
  PangoLayout* layout = MeasuringLayout(font, text);
  int width = 0;
  int height = 0;
  pango_layout_get_size(layout, &width, &height);
  return static_cast<int>(std::lround(static_cast<double>(width) / PANGO_SCALE));
}

void CairoSurface::Present() {
  cairo_surface_flush(target_);
  if (presented_) presented_();
}

}  // namespace gui
