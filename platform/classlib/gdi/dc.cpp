#include "platform/classlib/gdi/dc.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <utility>

#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/gdi/char_cells.h"
#include "platform/classlib/gdi/theme_icons.h"
#include "platform/classlib/window_record.h"

IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

namespace afx {
namespace {

struct Contexts {
  std::map<HDC, std::unique_ptr<DeviceContext>> live;
  std::map<HDC, std::unique_ptr<CDC>> wrappers;
};

Contexts& Registry() {
  static Contexts contexts;
  return contexts;
}

}  // namespace

DeviceContext::DeviceContext() = default;
DeviceContext::~DeviceContext() = default;

Surface* DeviceContext::Target() {
  if (surface != nullptr) return surface;
  if (information == nullptr) {
    information = printer && setup != nullptr ? Backend().PrinterInformation(*setup) : Backend().BitmapSurface(1, 1);
  }
  return information.get();
}

DeviceContext* DeviceContextOf(HDC handle) {
  const auto found = Registry().live.find(handle);
  return found != Registry().live.end() ? found->second.get() : nullptr;
}

HDC MakeDeviceContext(std::unique_ptr<DeviceContext> context) {
  HDC handle = reinterpret_cast<HDC>(context.get());
  Registry().live[handle] = std::move(context);
  return handle;
}

HDC MakePrinterContext(const PrinterSetup& setup) {
  auto context = std::make_unique<DeviceContext>();
  context->printer = true;
  context->setup = std::make_unique<PrinterSetup>(setup);
  return MakeDeviceContext(std::move(context));
}

}  // namespace afx

BOOL DeleteDC(HDC hDC) {
  auto& registry = afx::Registry();
  if (registry.live.count(hDC) == 0) return FALSE;
  if (afx::DeviceContext* context = afx::DeviceContextOf(hDC); context->job != nullptr) context->job->Abort();
  registry.wrappers.erase(hDC);
  registry.live.erase(hDC);
  return TRUE;
}

int GetDeviceCaps(HDC hDC, int nIndex) {
  CDC* dc = CDC::FromHandle(hDC);
  return dc != nullptr ? dc->GetDeviceCaps(nIndex) : 0;
}

namespace {

LOGFONT SelectedFont(HGDIOBJ handle) {
  afx::GdiObject* object = afx::GdiObjectOf(handle);
  return object != nullptr && object->kind == afx::GdiKind::kFont ? object->font : afx::DefaultGuiFont();
}

long Scale(long value, long numerator, long denominator) {
  if (denominator == 0) return value;
  return static_cast<long>(std::lround(static_cast<double>(value) * numerator / denominator));
}

std::string ExpandTabs(std::string_view text, int tab_cells) {
  std::string out;
  int cells = 0;
  for (size_t at = 0; at < text.size();) {
    size_t length = 1;
    const char32_t code = afx::DecodeUtf8(text, at, &length);
    if (code == '\t') {
      const int next = (cells / tab_cells + 1) * tab_cells;
      out.append(static_cast<size_t>(next - cells), ' ');
      cells = next;
    } else {
      out.append(text.substr(at, length));
      cells += afx::CharCells(code);
    }
    at += length;
  }
  return out;
}

std::string RemovePrefixes(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      if (i + 1 < text.size() && text[i + 1] == '&') out += '&', ++i;
      continue;
    }
    out += text[i];
  }
  return out;
}

}  // namespace

CDC::CDC() = default;

CDC::~CDC() {
  if (owns_context_ && m_hDC != nullptr) ::DeleteDC(m_hDC);
}

CDC* CDC::FromHandle(HDC hDC) {
  if (afx::DeviceContextOf(hDC) == nullptr) return nullptr;
  auto& wrapper = afx::Registry().wrappers[hDC];
  if (wrapper == nullptr) {
    wrapper = std::make_unique<CDC>();
    wrapper->m_hDC = wrapper->m_hAttribDC = hDC;
    wrapper->m_bPrinting = afx::DeviceContextOf(hDC)->printer;
  }
  return wrapper.get();
}

BOOL CDC::Attach(HDC hDC) {
  if (m_hDC != nullptr || afx::DeviceContextOf(hDC) == nullptr) return FALSE;
  m_hDC = m_hAttribDC = hDC;
  owns_context_ = true;
  m_bPrinting = FALSE;
  return TRUE;
}

HDC CDC::Detach() {
  HDC handle = m_hDC;
  m_hDC = m_hAttribDC = nullptr;
  owns_context_ = false;
  return handle;
}

void CDC::Own(HDC hDC) {
  m_hDC = m_hAttribDC = hDC;
  owns_context_ = true;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  (void)pDC;
  if (m_hDC != nullptr) return FALSE;
  auto context = std::make_unique<afx::DeviceContext>();
  context->memory = true;
  Own(afx::MakeDeviceContext(std::move(context)));
  return TRUE;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData) {
  (void)lpszDriverName;
  (void)lpszDeviceName;
  (void)lpszOutput;
  (void)lpInitData;
  if (m_hDC != nullptr) return FALSE;
  Own(afx::MakePrinterContext(afx::Backend().DefaultPrinter()));
  return TRUE;
}

BOOL CDC::DeleteDC() {
  if (m_hDC == nullptr) return FALSE;
  HDC handle = Detach();
  return ::DeleteDC(handle);
}

int CDC::SaveDC() {
  saved_.push_back(state_);
  return static_cast<int>(saved_.size());
}

BOOL CDC::RestoreDC(int nSavedDC) {
  const int count = static_cast<int>(saved_.size());
  const int index = nSavedDC < 0 ? count + nSavedDC : nSavedDC - 1;
  if (index < 0 || index >= count) return FALSE;
  state_ = saved_[static_cast<size_t>(index)];
  saved_.resize(static_cast<size_t>(index));
  return TRUE;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) {
  afx::GdiObject* object = afx::GdiObjectOf(hObject);
  if (object == nullptr) return nullptr;
  HGDIOBJ previous = nullptr;
  switch (object->kind) {
    case afx::GdiKind::kFont:
      previous = state_.font != nullptr ? state_.font : afx::StockObject(SYSTEM_FONT);
      state_.font = hObject;
      break;
    case afx::GdiKind::kPen:
      previous = state_.pen != nullptr ? state_.pen : afx::StockObject(BLACK_PEN);
      state_.pen = hObject;
      break;
    case afx::GdiKind::kBrush:
      previous = state_.brush != nullptr ? state_.brush : afx::StockObject(WHITE_BRUSH);
      state_.brush = hObject;
      break;
    case afx::GdiKind::kBitmap: {
      afx::DeviceContext* context = Context();
      if (context == nullptr || !context->memory) return nullptr;
      previous = context->bitmap;
      context->bitmap = hObject;
      context->surface = object->bitmap.get();
      break;
    }
  }
  return previous;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
  return pObject != nullptr ? CGdiObject::FromHandle(SelectObject(pObject->m_hObject)) : nullptr;
}
CPen* CDC::SelectObject(CPen* pPen) { return static_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pPen))); }
CBrush* CDC::SelectObject(CBrush* pBrush) {
  return static_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(pBrush)));
}
CFont* CDC::SelectObject(CFont* pFont) { return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(pFont))); }
CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  return static_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(pBitmap)));
}
CGdiObject* CDC::SelectStockObject(int nIndex) {
  return CGdiObject::FromHandle(SelectObject(afx::StockObject(nIndex)));
}

CFont* CDC::GetCurrentFont() const {
  return CFont::FromHandle(state_.font != nullptr ? state_.font : afx::StockObject(SYSTEM_FONT));
}
CPen* CDC::GetCurrentPen() const {
  return CPen::FromHandle(state_.pen != nullptr ? state_.pen : afx::StockObject(BLACK_PEN));
}
CBrush* CDC::GetCurrentBrush() const {
  return CBrush::FromHandle(state_.brush != nullptr ? state_.brush : afx::StockObject(WHITE_BRUSH));
}
CBitmap* CDC::GetCurrentBitmap() const {
  afx::DeviceContext* context = Context();
  return context != nullptr ? CBitmap::FromHandle(context->bitmap) : nullptr;
}

COLORREF CDC::SetTextColor(COLORREF crColor) { return std::exchange(state_.text_colour, crColor); }
COLORREF CDC::SetBkColor(COLORREF crColor) { return std::exchange(state_.back_colour, crColor); }
int CDC::SetBkMode(int nBkMode) { return std::exchange(state_.back_mode, nBkMode); }
UINT CDC::SetTextAlign(UINT nFlags) { return std::exchange(state_.text_align, nFlags); }

int CDC::SetMapMode(int nMapMode) {
  const int previous = state_.map_mode;
  state_.map_mode = nMapMode;
  const int dpi_x = GetDeviceCaps(LOGPIXELSX);
  const int dpi_y = GetDeviceCaps(LOGPIXELSY);
  int units_per_inch = 0;
  switch (nMapMode) {
    case MM_LOMETRIC:
      units_per_inch = 254;
      break;
    case MM_HIMETRIC:
      units_per_inch = 2540;
      break;
    case MM_LOENGLISH:
      units_per_inch = 100;
      break;
    case MM_HIENGLISH:
      units_per_inch = 1000;
      break;
    case MM_TWIPS:
      units_per_inch = 1440;
      break;
    case MM_ISOTROPIC:
    case MM_ANISOTROPIC:
      return previous;  // the extents stay as they are
    default:
      state_.map_mode = MM_TEXT;
      state_.window_ext = state_.viewport_ext = CSize(1, 1);
      return previous;
  }
  state_.window_ext = CSize(units_per_inch, units_per_inch);
  state_.viewport_ext = CSize(dpi_x, -dpi_y);
  return previous;
}

CPoint CDC::SetViewportOrg(int x, int y) { return std::exchange(state_.viewport_org, CPoint(x, y)); }
CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
  return SetViewportOrg(state_.viewport_org.x + nWidth, state_.viewport_org.y + nHeight);
}
CSize CDC::SetViewportExt(int cx, int cy) {
  if (state_.map_mode != MM_ISOTROPIC && state_.map_mode != MM_ANISOTROPIC) return state_.viewport_ext;
  if (cx == 0 || cy == 0) return state_.viewport_ext;
  return std::exchange(state_.viewport_ext, CSize(cx, cy));
}
CPoint CDC::SetWindowOrg(int x, int y) { return std::exchange(state_.window_org, CPoint(x, y)); }
CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
  return SetWindowOrg(state_.window_org.x + nWidth, state_.window_org.y + nHeight);
}
CSize CDC::SetWindowExt(int cx, int cy) {
  if (state_.map_mode != MM_ISOTROPIC && state_.map_mode != MM_ANISOTROPIC) return state_.window_ext;
  if (cx == 0 || cy == 0) return state_.window_ext;
  return std::exchange(state_.window_ext, CSize(cx, cy));
}

int CDC::ToDeviceX(int x) const {
  const int mapped = static_cast<int>(Scale(x - state_.window_org.x, state_.viewport_ext.cx, state_.window_ext.cx)) +
                     state_.viewport_org.x;
  return output_origin_.x + static_cast<int>(std::lround(mapped * output_scale_));
}
int CDC::ToDeviceY(int y) const {
  const int mapped = static_cast<int>(Scale(y - state_.window_org.y, state_.viewport_ext.cy, state_.window_ext.cy)) +
                     state_.viewport_org.y;
  return output_origin_.y + static_cast<int>(std::lround(mapped * output_scale_));
}

void CDC::SetOutputTransform(double scale, CPoint origin) {
  output_scale_ = scale > 0 ? scale : 1.0;
  output_origin_ = origin;
}
int CDC::LengthToLogicalX(int device) const {
  return static_cast<int>(std::abs(Scale(device, state_.window_ext.cx, state_.viewport_ext.cx)));
}
int CDC::LengthToLogicalY(int device) const {
  return static_cast<int>(std::abs(Scale(device, state_.window_ext.cy, state_.viewport_ext.cy)));
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const {
  for (int i = 0; i < nCount; ++i) lpPoints[i] = CPoint(ToDeviceX(lpPoints[i].x), ToDeviceY(lpPoints[i].y));
}
void CDC::LPtoDP(LPRECT lpRect) const { LPtoDP(reinterpret_cast<LPPOINT>(lpRect), 2); }
void CDC::LPtoDP(LPSIZE lpSize) const {
  lpSize->cx = static_cast<LONG>(std::abs(Scale(lpSize->cx, state_.viewport_ext.cx, state_.window_ext.cx)));
  lpSize->cy = static_cast<LONG>(std::abs(Scale(lpSize->cy, state_.viewport_ext.cy, state_.window_ext.cy)));
}
void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const {
  for (int i = 0; i < nCount; ++i) {
    const long x = Scale(lpPoints[i].x - state_.viewport_org.x, state_.window_ext.cx, state_.viewport_ext.cx);
    const long y = Scale(lpPoints[i].y - state_.viewport_org.y, state_.window_ext.cy, state_.viewport_ext.cy);
    lpPoints[i] = CPoint(static_cast<int>(x) + state_.window_org.x, static_cast<int>(y) + state_.window_org.y);
  }
}
void CDC::DPtoLP(LPRECT lpRect) const { DPtoLP(reinterpret_cast<LPPOINT>(lpRect), 2); }
void CDC::DPtoLP(LPSIZE lpSize) const {
  lpSize->cx = LengthToLogicalX(lpSize->cx);
  lpSize->cy = LengthToLogicalY(lpSize->cy);
}

CRect CDC::DeviceRect(LPCRECT lpRect) const {
  CRect rect(ToDeviceX(lpRect->left), ToDeviceY(lpRect->top), ToDeviceX(lpRect->right), ToDeviceY(lpRect->bottom));
  rect.NormalizeRect();
  return rect;
}

afx::Surface* CDC::Target() const {
  afx::DeviceContext* context = Context();
  return context != nullptr ? context->Target() : nullptr;
}

afx::Surface* CDC::MeasureTarget() const {
  if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC) {
    if (afx::DeviceContext* attributes = afx::DeviceContextOf(m_hAttribDC)) return attributes->Target();
  }
  return Target();
}

bool CDC::ClipInForce(CRect* device) const {
  const afx::DeviceContext* context = Context();
  const bool updating = context != nullptr && context->update_area.has_value();
  if (!state_.clipped && !updating) return false;
  if (state_.clipped && updating) {
    device->IntersectRect(&state_.clip, &*context->update_area);
  } else {
    *device = state_.clipped ? state_.clip : *context->update_area;
  }
  return true;
}

void CDC::ApplyClip() const {
  afx::Surface* target = Target();
  if (target == nullptr) return;
  CRect clip;
  target->SetClip(ClipInForce(&clip) ? &clip : nullptr);
}

void CDC::ApplyClipWithin(const RECT& rect) const {
  afx::Surface* target = Target();
  if (target == nullptr) return;
  CRect clip = rect;
  CRect in_force;
  if (ClipInForce(&in_force)) clip.IntersectRect(&clip, &in_force);
  target->SetClip(&clip);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
  const CRect logical(x1, y1, x2, y2);
  return IntersectClipRect(&logical);
}

int CDC::IntersectClipRect(LPCRECT lpRect) {
  const CRect device = DeviceRect(lpRect);
  if (state_.clipped) {
    state_.clip.IntersectRect(&state_.clip, &device);
  } else {
    state_.clip = device;
  }
  state_.clipped = true;
  CRect in_force;
  ClipInForce(&in_force);
  return in_force.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::ExcludeClipRect(LPCRECT lpRect) {
  // Only a band cut off a whole side can be excluded from a rectangle.
  CRect box;
  GetClipBox(&box);
  const CRect cut = *lpRect;
  if (cut.top <= box.top && cut.bottom >= box.bottom) {
    if (cut.left <= box.left) box.left = std::max(box.left, cut.right);
    if (cut.right >= box.right) box.right = std::min(box.right, cut.left);
  } else if (cut.left <= box.left && cut.right >= box.right) {
    if (cut.top <= box.top) box.top = std::max(box.top, cut.bottom);
    if (cut.bottom >= box.bottom) box.bottom = std::min(box.bottom, cut.top);
  }
  state_.clip = DeviceRect(&box);
  state_.clipped = true;
  return state_.clip.IsRectEmpty() ? NULLREGION : COMPLEXREGION;
}

int CDC::SelectClipRgn(void* pRgn) {
  (void)pRgn;
  state_.clipped = false;  // back to the update area, when the context has one
  return SIMPLEREGION;
}

void CDC::SetBaseClip(const RECT& device) {
  if (afx::DeviceContext* context = Context()) context->update_area = CRect(device);
}

int CDC::GetClipBox(LPRECT lpRect) const {
  CRect device;
  afx::Surface* target = Target();
  if (!ClipInForce(&device) && target != nullptr) device = CRect(CPoint(0, 0), target->Size());
  *lpRect = device;
  DPtoLP(lpRect);
  static_cast<CRect*>(lpRect)->NormalizeRect();
  return device.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

BOOL CDC::RectVisible(LPCRECT lpRect) const {
  CRect box;
  GetClipBox(&box);
  CRect overlap;
  return overlap.IntersectRect(&box, lpRect);
}

BOOL CDC::PtVisible(int x, int y) const {
  CRect box;
  GetClipBox(&box);
  return box.PtInRect(CPoint(x, y));
}

LOGFONT CDC::DeviceFont(bool for_output) const {
  LOGFONT font = SelectedFont(state_.font);
  if (state_.map_mode != MM_TEXT) {
    font.lfHeight =
        static_cast<LONG>(Scale(font.lfHeight, std::abs(state_.viewport_ext.cy), std::abs(state_.window_ext.cy)));
    font.lfWidth =
        static_cast<LONG>(Scale(font.lfWidth, std::abs(state_.viewport_ext.cx), std::abs(state_.window_ext.cx)));
  }
  if (for_output && output_scale_ != 1.0) {
    // A font never shrinks to nothing: the smallest is one pixel.
    afx::Surface* measure = MeasureTarget();
    const afx::FontMetrics metrics = measure != nullptr ? measure->Metrics(font) : afx::FontMetrics();
    const auto shrink = [this](LONG value, LONG fallback) {
      const LONG base = value != 0 ? value : fallback;
      const auto scaled = static_cast<LONG>(std::lround(base * output_scale_));
      return scaled == 0 ? (base < 0 ? -1 : 1) : scaled;
    };
    font.lfHeight = shrink(font.lfHeight, metrics.height);
    font.lfWidth = shrink(font.lfWidth, metrics.average_width);
  }
  return font;
}

afx::TextStyle CDC::StyleForText() const {
  afx::TextStyle style;
  style.font = DeviceFont(true);
  style.text = state_.text_colour;
  style.back = state_.back_colour;
  style.opaque = state_.back_mode == OPAQUE;
  return style;
}

void CDC::DrawTextAt(CPoint device, std::string_view text) {
  afx::Surface* target = Target();
  if (target == nullptr || text.empty()) return;
  target->DrawText(device, text, StyleForText());
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount) {
  if (lpszString == nullptr) return FALSE;
  const std::string_view text(lpszString, nCount < 0 ? std::strlen(lpszString) : static_cast<size_t>(nCount));
  CPoint at = (state_.text_align & TA_UPDATECP) ? state_.position : CPoint(x, y);
  const CSize extent = GetTextExtent(text.data(), static_cast<int>(text.size()));
  const UINT horizontal = state_.text_align & TA_CENTER;
  if (horizontal == TA_CENTER) at.x -= extent.cx / 2;
  if (horizontal == TA_RIGHT) at.x -= extent.cx;
  if ((state_.text_align & TA_BASELINE) == TA_BASELINE) {
    TEXTMETRIC metrics;
    GetTextMetrics(&metrics);
    at.y -= metrics.tmAscent;
  } else if (state_.text_align & TA_BOTTOM) {
    at.y -= extent.cy;
  }
  if (state_.text_align & TA_UPDATECP) state_.position.x += extent.cx;
  ApplyClip();
  DrawTextAt(CPoint(ToDeviceX(at.x), ToDeviceY(at.y)), text);
  return TRUE;
}

BOOL CDC::TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount, LPINT lpDxWidths) {
  afx::Surface* target = Target();
  if (target == nullptr) return FALSE;
  if ((nOptions & ETO_OPAQUE) && lpRect != nullptr) {
    ApplyClip();
    target->FillRect(DeviceRect(lpRect), state_.back_colour);
  }
  if (lpszString == nullptr || nCount == 0) return TRUE;
  if ((nOptions & ETO_CLIPPED) && lpRect != nullptr) {
    ApplyClipWithin(DeviceRect(lpRect));
  } else {
    ApplyClip();
  }
  const std::string_view text(lpszString, nCount);
  if (lpDxWidths == nullptr) {
    DrawTextAt(CPoint(ToDeviceX(x), ToDeviceY(y)), text);
    return TRUE;
  }
  // Each character at its own advance.
  int left = x;
  int index = 0;
  for (size_t at = 0; at < text.size(); ++index) {
    const size_t length = afx::Utf8Length(text, at);
    DrawTextAt(CPoint(ToDeviceX(left), ToDeviceY(y)), text.substr(at, length));
    left += lpDxWidths[index];
    at += length;
  }
  return TRUE;
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths) {
  return ExtTextOut(x, y, nOptions, lpRect, str, static_cast<UINT>(str.GetLength()), lpDxWidths);
}

namespace {

// The pieces of one paragraph that fit width, breaking at blanks, and inside
// a word that is wider than a whole line.
std::vector<std::string> WrapParagraph(const std::string& text, int width,
                                       const std::function<int(std::string_view)>& measure) {
  std::vector<std::string> lines;
  std::string line;
  // A word wider than a whole line is broken between its characters.
  const auto start_line_with = [&](const std::string& word) {
    line.clear();
    for (size_t i = 0; i < word.size();) {
      const size_t length = afx::Utf8Length(word, i);
      if (!line.empty() && measure(line + word.substr(i, length)) > width) {
        lines.push_back(line);
        line.clear();
      }
      line += word.substr(i, length);
      i += length;
    }
  };
  size_t at = 0;
  while (at < text.size()) {
    size_t end = at;
    while (end < text.size() && text[end] != ' ') ++end;
    while (end < text.size() && text[end] == ' ') ++end;
    const std::string word = text.substr(at, end - at);
    // Blanks at a line's end do not count against its width.
    std::string trimmed = line + word;
    while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
    if (measure(trimmed) <= width) {
      line += word;
    } else {
      if (!line.empty()) lines.push_back(line);
      start_line_with(word);
    }
    at = end;
  }
  lines.push_back(line);
  return lines;
}

}  // namespace

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
  if (lpszString == nullptr || lpRect == nullptr) return 0;
  std::string text(lpszString, nCount < 0 ? std::strlen(lpszString) : static_cast<size_t>(nCount));
  if (!(nFormat & DT_NOPREFIX)) text = RemovePrefixes(text);
  if (nFormat & DT_EXPANDTABS) text = ExpandTabs(text, 8);
  TEXTMETRIC metrics;
  GetTextMetrics(&metrics);
  const int line_height = metrics.tmHeight + ((nFormat & DT_EXTERNALLEADING) ? metrics.tmExternalLeading : 0);
  const auto measure = [this](std::string_view piece) {
    return GetTextExtent(piece.data(), static_cast<int>(piece.size())).cx;
  };
  const CRect rect = *lpRect;
  std::vector<std::string> lines;
  if (nFormat & DT_SINGLELINE) {
    std::string single;
    for (char c : text) {
      if (c != '\r' && c != '\n') single += c;
    }
    lines.push_back(single);
  } else {
    size_t start = 0;
    while (true) {
      size_t end = text.find('\n', start);
      std::string paragraph = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
      if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
      if (nFormat & DT_WORDBREAK) {
        for (std::string& piece : WrapParagraph(paragraph, std::max(rect.Width(), 1), measure)) {
          lines.push_back(std::move(piece));
        }
      } else {
        lines.push_back(paragraph);
      }
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }
  const int total = line_height * static_cast<int>(lines.size());
  if (nFormat & DT_CALCRECT) {
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, measure(line));
    if (!(nFormat & DT_WORDBREAK) || widest > rect.Width()) lpRect->right = lpRect->left + widest;
    lpRect->bottom = lpRect->top + total;
    return total;
  }
  int y = rect.top;
  if (nFormat & DT_SINGLELINE) {
    if (nFormat & DT_VCENTER) y = rect.top + (rect.Height() - line_height) / 2;
    if (nFormat & DT_BOTTOM) y = rect.bottom - line_height;
  }
  afx::Surface* target = Target();
  if (target == nullptr) return total;
  if (nFormat & DT_NOCLIP) {
    ApplyClip();
  } else {
    ApplyClipWithin(DeviceRect(&rect));
  }
  for (const std::string& line : lines) {
    int x = rect.left;
    const int width = measure(line);
    if (nFormat & DT_CENTER) x = rect.left + (rect.Width() - width) / 2;
    if (nFormat & DT_RIGHT) x = rect.right - width;
    DrawTextAt(CPoint(ToDeviceX(x), ToDeviceY(y)), line);
    y += line_height;
  }
  return total;
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
  return DrawText(str, str.GetLength(), lpRect, nFormat);
}

CSize CDC::TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions,
                         int nTabOrigin) {
  (void)nTabOrigin;
  const int tab_cells =
      nTabPositions > 0 && lpnTabStopPositions != nullptr ? std::max(1, lpnTabStopPositions[0] / 8) : 8;
  const std::string text = ExpandTabs(
      std::string_view(lpszString, nCount < 0 ? std::strlen(lpszString) : static_cast<size_t>(nCount)), tab_cells);
  TextOut(x, y, text.c_str(), static_cast<int>(text.size()));
  return GetTextExtent(text.c_str(), static_cast<int>(text.size()));
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
  afx::Surface* target = MeasureTarget();
  if (target == nullptr || lpszString == nullptr) return CSize();
  const std::string_view text(lpszString, nCount < 0 ? std::strlen(lpszString) : static_cast<size_t>(nCount));
  const LOGFONT font = DeviceFont();
  const int width = target->TextWidth(font, text);
  const int height = target->Metrics(font).height;
  return CSize(LengthToLogicalX(width), LengthToLogicalY(height));
}

CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const {
  afx::Surface* target = MeasureTarget();
  if (target == nullptr || lpMetrics == nullptr) return FALSE;
  const LOGFONT font = DeviceFont();
  const afx::FontMetrics metrics = target->Metrics(font);
  *lpMetrics = TEXTMETRIC();
  lpMetrics->tmHeight = LengthToLogicalY(metrics.height);
  lpMetrics->tmAscent = LengthToLogicalY(metrics.ascent);
  lpMetrics->tmDescent = LengthToLogicalY(metrics.descent);
  lpMetrics->tmInternalLeading = LengthToLogicalY(metrics.internal_leading);
  lpMetrics->tmExternalLeading = LengthToLogicalY(metrics.external_leading);
  lpMetrics->tmAveCharWidth = LengthToLogicalX(metrics.average_width);
  lpMetrics->tmMaxCharWidth = LengthToLogicalX(metrics.maximum_width);
  lpMetrics->tmWeight = font.lfWeight != 0 ? font.lfWeight : FW_NORMAL;
  lpMetrics->tmItalic = font.lfItalic;
  lpMetrics->tmUnderlined = font.lfUnderline;
  lpMetrics->tmPitchAndFamily = font.lfPitchAndFamily;
  lpMetrics->tmCharSet = font.lfCharSet;
  lpMetrics->tmDigitizedAspectX = GetDeviceCaps(LOGPIXELSX);
  lpMetrics->tmDigitizedAspectY = GetDeviceCaps(LOGPIXELSY);
  return TRUE;
}

void CDC::FillDevice(const CRect& rect, COLORREF colour) {
  afx::Surface* target = Target();
  if (target == nullptr || rect.IsRectEmpty()) return;
  ApplyClip();
  target->FillRect(rect, colour);
}

BOOL CDC::DrawThemeIcon(LPCRECT lpRect, const char* name) {
  afx::Surface* target = Target();
  const afx::ThemeIconPainter painter = afx::GetThemeIconPainter();
  if (target == nullptr || painter == nullptr || lpRect == nullptr || name == nullptr || *name == '\0') return FALSE;
  const CRect rect = DeviceRect(lpRect);
  if (rect.IsRectEmpty()) return FALSE;
  ApplyClip();
  return painter(*target, rect, name) ? TRUE : FALSE;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
  state_.back_colour = clr;
  FillDevice(DeviceRect(lpRect), clr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
  const CRect rect(x, y, x + cx, y + cy);
  FillSolidRect(&rect, clr);
}

COLORREF CDC::BrushColour(HGDIOBJ brush, bool* hollow, bool* halftone) const {
  afx::GdiObject* object = afx::GdiObjectOf(brush);
  if (object == nullptr || object->kind != afx::GdiKind::kBrush)
    object = afx::GdiObjectOf(afx::StockObject(WHITE_BRUSH));
  *hollow = object->hollow;
  *halftone = object->halftone;
  return object->colour;
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
  bool hollow = false;
  bool halftone = false;
  const COLORREF colour = BrushColour(pBrush != nullptr ? pBrush->m_hObject : nullptr, &hollow, &halftone);
  if (!hollow) FillDevice(DeviceRect(lpRect), colour);
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
  bool hollow = false;
  bool halftone = false;
  const COLORREF colour = BrushColour(pBrush != nullptr ? pBrush->m_hObject : nullptr, &hollow, &halftone);
  if (hollow) return;
  const CRect r = DeviceRect(lpRect);
  FillDevice(CRect(r.left, r.top, r.right, r.top + 1), colour);
  FillDevice(CRect(r.left, r.bottom - 1, r.right, r.bottom), colour);
  FillDevice(CRect(r.left, r.top, r.left + 1, r.bottom), colour);
  FillDevice(CRect(r.right - 1, r.top, r.right, r.bottom), colour);
}

void CDC::InvertRect(LPCRECT lpRect) {
  if (afx::Surface* target = Target()) {
    ApplyClip();
    target->InvertRect(DeviceRect(lpRect), false);
  }
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  const CRect r = *lpRect;
  Draw3dRect(r.left, r.top, r.Width(), r.Height(), clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
  FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
  FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
  FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) {
  (void)nFlags;
  const bool raised = (nEdge & (BDR_RAISEDOUTER | BDR_RAISEDINNER)) != 0;
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
  Draw3dRect(lpRect, raised ? light : dark, raised ? dark : light);
  return TRUE;
}

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState) {
  const COLORREF face = GetBkColor();
  FillSolidRect(lpRect, GetSysColor(COLOR_BTNFACE));
  const bool pushed = (nState & DFCS_PUSHED) != 0;
  Draw3dRect(lpRect, GetSysColor(pushed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT),
             GetSysColor(pushed ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW));
  CRect glyph = *lpRect;
  glyph.DeflateRect(3, 3);
  if (pushed) glyph.OffsetRect(1, 1);
  if (nType == DFC_CAPTION) DrawCaptionGlyph(glyph, nState & 0xFF);
  if (nType == DFC_SCROLL) DrawArrowGlyph(glyph, nState & 0xFF);
  SetBkColor(face);
  return TRUE;
}

// The glyphs are made of small fills, so that they look alike at every size and on every backend.
void CDC::DrawCaptionGlyph(const CRect& box, UINT glyph) {
  const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
  const int size = std::min(box.Width(), box.Height());
  if (size < 3) return;
  const CRect square(box.left + (box.Width() - size) / 2, box.top + (box.Height() - size) / 2, 0, 0);
  const int x = square.left;
  const int y = square.top;
  switch (glyph) {
    case DFCS_CAPTIONCLOSE:
      for (int i = 0; i < size; ++i) {
        FillSolidRect(x + i, y + i, std::min(2, size - i), 1, ink);
        FillSolidRect(x + std::max(size - 2 - i, 0), y + i, std::min(2, size - i), 1, ink);
      }
      break;
    case DFCS_CAPTIONMIN:
      FillSolidRect(x, y + size - 2, size * 2 / 3 + 1, 2, ink);
      break;
    case DFCS_CAPTIONRESTORE: {
      const int small = size * 2 / 3;
      FillSolidRect(x + size - small, y, small, 2, ink);
      FillSolidRect(x + size - 1, y, 1, small, ink);
      FillSolidRect(x, y + size - small, small, 2, ink);
      FillSolidRect(x, y + size - small, 1, small, ink);
      FillSolidRect(x + small - 1, y + size - small, 1, small, ink);
      FillSolidRect(x, y + size - 1, small, 1, ink);
      break;
    }
    default:  // maximise: a window with a thick title
      FillSolidRect(x, y, size, 2, ink);
      FillSolidRect(x, y, 1, size, ink);
      FillSolidRect(x + size - 1, y, 1, size, ink);
      FillSolidRect(x, y + size - 1, size, 1, ink);
      break;
  }
}

void CDC::DrawArrowGlyph(const CRect& box, UINT glyph) {
  const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
  const bool across = glyph == DFCS_SCROLLLEFT || glyph == DFCS_SCROLLRIGHT;
  // The triangle's base spans the box's narrow side; its height is half of that.
  const int base = std::max(std::min(box.Width(), box.Height()) | 1, 3);
  const int height = (base + 1) / 2;
  const CPoint centre = box.CenterPoint();
  for (int step = 0; step < height; ++step) {
    const int span = base - 2 * step;
    const bool towards_end = glyph == DFCS_SCROLLDOWN || glyph == DFCS_SCROLLCOMBOBOX || glyph == DFCS_SCROLLRIGHT;
    const int offset = (towards_end ? step : height - 1 - step) - height / 2;
    if (across) {
      FillSolidRect(centre.x + offset, centre.y - span / 2, 1, span, ink);
    } else {
      FillSolidRect(centre.x - span / 2, centre.y + offset, span, 1, ink);
    }
  }
}

void CDC::DrawFocusRect(LPCRECT lpRect) {
  if (afx::Surface* target = Target()) {
    ApplyClip();
    const CRect r = DeviceRect(lpRect);
    target->InvertRect(CRect(r.left, r.top, r.right, r.top + 1), true);
    target->InvertRect(CRect(r.left, r.bottom - 1, r.right, r.bottom), true);
  }
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) {
  const CRect rect(x1, y1, x2, y2);
  return Rectangle(&rect);
}

BOOL CDC::Rectangle(LPCRECT lpRect) {
  bool hollow = false;
  bool halftone = false;
  const COLORREF colour = BrushColour(state_.brush, &hollow, &halftone);
  const CRect device = DeviceRect(lpRect);
  if (!hollow) FillDevice(device, colour);
  afx::GdiObject* pen = afx::GdiObjectOf(state_.pen != nullptr ? state_.pen : afx::StockObject(BLACK_PEN));
  if (pen != nullptr && !pen->hollow) {
    afx::Surface* target = Target();
    ApplyClip();
    const CPoint corners[] = {device.TopLeft(), CPoint(device.right - 1, device.top),
                              CPoint(device.right - 1, device.bottom - 1), CPoint(device.left, device.bottom - 1)};
    for (int i = 0; i < 4; ++i) target->DrawLine(corners[i], corners[(i + 1) % 4], pen->pen);
  }
  return TRUE;
}

CPoint CDC::MoveTo(int x, int y) { return std::exchange(state_.position, CPoint(x, y)); }

BOOL CDC::LineTo(int x, int y) {
  afx::Surface* target = Target();
  if (target == nullptr) return FALSE;
  afx::GdiObject* pen = afx::GdiObjectOf(state_.pen != nullptr ? state_.pen : afx::StockObject(BLACK_PEN));
  if (pen != nullptr && !pen->hollow) {
    ApplyClip();
    target->DrawLine(CPoint(ToDeviceX(state_.position.x), ToDeviceY(state_.position.y)),
                     CPoint(ToDeviceX(x), ToDeviceY(y)), pen->pen);
  }
  state_.position = CPoint(x, y);
  return TRUE;
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount) {
  if (nCount < 2) return FALSE;
  const CPoint saved = state_.position;
  MoveTo(lpPoints[0].x, lpPoints[0].y);
  for (int i = 1; i < nCount; ++i) LineTo(lpPoints[i].x, lpPoints[i].y);
  state_.position = saved;
  return TRUE;
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
  afx::Surface* target = Target();
  if (target == nullptr) return FALSE;
  const CRect logical(x, y, x + nWidth, y + nHeight);
  const CRect device = DeviceRect(&logical);
  ApplyClip();
  bool hollow = false;
  bool halftone = false;
  const COLORREF colour = BrushColour(state_.brush, &hollow, &halftone);
  switch (dwRop) {
    case PATINVERT:
      target->InvertRect(device, halftone);
      break;
    case DSTINVERT:
      target->InvertRect(device, false);
      break;
    case BLACKNESS:
      target->FillRect(device, RGB(0, 0, 0));
      break;
    case WHITENESS:
      target->FillRect(device, RGB(255, 255, 255));
      break;
    default:
      if (!hollow) target->FillRect(device, colour);
      break;
  }
  return TRUE;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
  if (dwRop != SRCCOPY || pSrcDC == nullptr) return PatBlt(x, y, nWidth, nHeight, dwRop);
  afx::Surface* target = Target();
  afx::Surface* source = pSrcDC->Target();
  if (target == nullptr || source == nullptr) return FALSE;
  const CRect logical(x, y, x + nWidth, y + nHeight);
  ApplyClip();
  target->CopyFrom(DeviceRect(&logical), *source, CPoint(pSrcDC->ToDeviceX(xSrc), pSrcDC->ToDeviceY(ySrc)));
  return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) {
  FillDevice(CRect(ToDeviceX(x), ToDeviceY(y), ToDeviceX(x) + 1, ToDeviceY(y) + 1), crColor);
  return crColor;
}

int CDC::GetDeviceCaps(int nIndex) const {
  afx::Surface* target = MeasureTarget();
  if (target == nullptr) return 0;
  const afx::DeviceInfo device = target->Device();
  afx::DeviceContext* context = m_hAttribDC != nullptr && afx::DeviceContextOf(m_hAttribDC) != nullptr
                                    ? afx::DeviceContextOf(m_hAttribDC)
                                    : Context();
  CSize resolution = target->Size();
  if (context != nullptr && context->printer && context->setup != nullptr) {
    resolution = context->setup->printable_size;
  } else if (context != nullptr && context->window != nullptr) {
    resolution = CSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  }
  switch (nIndex) {
    case TECHNOLOGY:
      return device.printer ? DT_RASPRINTER : DT_RASDISPLAY;
    case HORZRES:
      return resolution.cx;
    case VERTRES:
      return resolution.cy;
    case HORZSIZE:
      return resolution.cx * 254 / (device.dpi_x * 10);
    case VERTSIZE:
      return resolution.cy * 254 / (device.dpi_y * 10);
    case LOGPIXELSX:
      return device.dpi_x;
    case LOGPIXELSY:
      return device.dpi_y;
    case BITSPIXEL:
      return 32;
    case PLANES:
      return 1;
    case NUMCOLORS:
      return -1;
    case RASTERCAPS:
      return 0x0001 | 0x0008 | 0x0800;  // bit blits, large bitmaps, stretch blits
    case PHYSICALWIDTH:
      return device.printer ? device.physical_size.cx : 0;
    case PHYSICALHEIGHT:
      return device.printer ? device.physical_size.cy : 0;
    case PHYSICALOFFSETX:
      return device.printer ? device.printable_offset.x : 0;
    case PHYSICALOFFSETY:
      return device.printer ? device.printable_offset.y : 0;
    default:
      return 0;
  }
}

int CDC::StartDoc(LPCTSTR lpszDocName) {
  DOCINFO info;
  info.lpszDocName = lpszDocName;
  return StartDoc(&info);
}

int CDC::StartDoc(DOCINFO* lpDocInfo) {
  afx::DeviceContext* context = Context();
  if (context == nullptr || !context->printer || context->setup == nullptr || context->job != nullptr) return -1;
  afx::PrinterSetup setup = *context->setup;
  if (lpDocInfo != nullptr && lpDocInfo->lpszOutput != nullptr) setup.output_file = lpDocInfo->lpszOutput;
  const std::string name = lpDocInfo != nullptr && lpDocInfo->lpszDocName != nullptr ? lpDocInfo->lpszDocName : "";
  context->job = afx::Backend().StartPrintJob(setup, name);
  return context->job != nullptr ? 1 : -1;
}

int CDC::StartPage() {
  afx::DeviceContext* context = Context();
  if (context == nullptr || context->job == nullptr) return -1;
  context->surface = context->job->StartPage();
  return context->surface != nullptr ? 1 : -1;
}

int CDC::EndPage() {
  afx::DeviceContext* context = Context();
  if (context == nullptr || context->job == nullptr || context->surface == nullptr) return -1;
  context->surface = nullptr;
  return context->job->EndPage() ? 1 : -1;
}

int CDC::EndDoc() {
  afx::DeviceContext* context = Context();
  if (context == nullptr || context->job == nullptr) return -1;
  const bool done = context->job->Finish();
  context->job.reset();
  context->surface = nullptr;
  return done ? 1 : -1;
}

int CDC::AbortDoc() {
  afx::DeviceContext* context = Context();
  if (context == nullptr || context->job == nullptr) return -1;
  context->job->Abort();
  context->job.reset();
  context->surface = nullptr;
  return 1;
}

// Window DCs.

namespace {

HDC WindowContext(CWnd* pWnd, bool whole_window, afx::WindowRecord** record_out) {
  afx::WindowRecord* record = pWnd != nullptr ? afx::RecordOf(pWnd->m_hWnd) : nullptr;
  *record_out = record;
  if (record == nullptr) return nullptr;
  auto context = std::make_unique<afx::DeviceContext>();
  context->owned_surface = afx::Backend().WindowSurface(*record, whole_window);
  context->surface = context->owned_surface.get();
  context->window = record;
  return afx::MakeDeviceContext(std::move(context));
}

void Present(HDC handle) {
  afx::DeviceContext* context = afx::DeviceContextOf(handle);
  if (context != nullptr && context->surface != nullptr && afx::RecordOf(afx::HandleOf(context->window)) != nullptr) {
    context->surface->Present();
  }
}

}  // namespace

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr) {
  afx::WindowRecord* record = nullptr;
  HDC handle = WindowContext(pWnd, false, &record);
  if (handle == nullptr) return;
  Own(handle);
  const CRect client(0, 0, record->client_rect.Width(), record->client_rect.Height());
  CRect paint = record->invalid.IsRectEmpty() ? client : record->invalid;
  paint.IntersectRect(&paint, &client);
  m_ps.hdc = handle;
  m_ps.rcPaint = paint;
  m_ps.fErase = record->erase_pending;
  record->invalid.SetRectEmpty();
  record->erase_pending = false;
  SetBaseClip(paint);
  if (m_ps.fErase) m_ps.fErase = pWnd->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(handle)) == 0;
}

CPaintDC::~CPaintDC() { Present(m_hDC); }

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr) {
  afx::WindowRecord* record = nullptr;
  if (HDC handle = WindowContext(pWnd, false, &record)) Own(handle);
}

CClientDC::~CClientDC() { Present(m_hDC); }

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr) {
  afx::WindowRecord* record = nullptr;
  if (HDC handle = WindowContext(pWnd, true, &record)) Own(handle);
}

CWindowDC::~CWindowDC() { Present(m_hDC); }
