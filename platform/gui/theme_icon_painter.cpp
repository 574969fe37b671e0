#include "platform/gui/theme_icon_painter.h"

#include <wx/artprov.h>
#include <wx/image.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/gui/cairo_surface.h"

namespace gui {
namespace {

struct CairoImageDeleter {
  void operator()(cairo_surface_t* image) const { cairo_surface_destroy(image); }
};
using CairoImage = std::unique_ptr<cairo_surface_t, CairoImageDeleter>;

wxBitmap ThemeBitmap(const std::string& name, int size) {
  return wxArtProvider::GetBitmap(wxString::FromUTF8(name.c_str()), wxART_OTHER, wxSize(size, size));
}

// The icon as a premultiplied ARGB image; null when the theme has no icon of that name.
// Themes that keep only the symbolic form of an icon are asked for that.
CairoImage LoadIcon(const std::string& name, int size) {
  wxBitmap bitmap = ThemeBitmap(name, size);
  if (!bitmap.IsOk()) bitmap = ThemeBitmap(name + "-symbolic", size);
  if (!bitmap.IsOk()) return nullptr;
  const wxImage image = bitmap.ConvertToImage();
  if (!image.IsOk()) return nullptr;
  CairoImage icon(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.GetWidth(), image.GetHeight()));
  if (cairo_surface_status(icon.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_surface_flush(icon.get());
  unsigned char* rows = cairo_image_surface_get_data(icon.get());
  const int stride = cairo_image_surface_get_stride(icon.get());
  for (int y = 0; y < image.GetHeight(); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(rows + static_cast<ptrdiff_t>(y) * stride);
    for (int x = 0; x < image.GetWidth(); ++x) {
      const unsigned alpha = image.HasAlpha() ? image.GetAlpha(x, y) : 255;
      const auto premultiplied = [alpha](unsigned char c) { return (c * alpha + 127) / 255; };
      row[x] = (alpha << 24) | (premultiplied(image.GetRed(x, y)) << 16) | (premultiplied(image.GetGreen(x, y)) << 8) |
               premultiplied(image.GetBlue(x, y));
    }
  }
  cairo_surface_mark_dirty(icon.get());
  return icon;
}

cairo_surface_t* CachedIcon(std::string_view name, int size) {
  static std::map<std::pair<std::string, int>, CairoImage> icons;
  auto key = std::make_pair(std::string(name), size);
  auto found = icons.find(key);
  if (found == icons.end()) found = icons.emplace(key, LoadIcon(key.first, size)).first;
  return found->second.get();
}

}  // namespace

bool PaintThemeIcon(afx::Surface& surface, const RECT& rect, std::string_view name) {
  auto* target = dynamic_cast<CairoSurface*>(&surface);
  const int size = std::min(rect.right - rect.left, rect.bottom - rect.top);
  if (target == nullptr || size <= 0) return false;
  cairo_surface_t* icon = CachedIcon(name, size);
  if (icon == nullptr) return false;
  cairo_t* cr = target->context();
  cairo_save(cr);
  const double scale = static_cast<double>(size) / cairo_image_surface_get_width(icon);
  cairo_translate(cr, rect.left, rect.top);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, icon, 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
  return true;
}

}  // namespace gui
