#include "platform/classlib/gdi/gdi_objects.h"

#include <cstring>
#include <map>

#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/gdi/dc.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

namespace afx {
namespace {

struct Registry {
  std::map<HGDIOBJ, std::unique_ptr<GdiObject>> objects;
  std::map<HGDIOBJ, std::unique_ptr<CGdiObject>> wrappers;
};

Registry& Objects() {
  static Registry registry;
  return registry;
}

HGDIOBJ HandleOf(GdiObject* object) { return reinterpret_cast<HGDIOBJ>(object); }

HGDIOBJ Register(std::unique_ptr<GdiObject> object) {
  HGDIOBJ handle = HandleOf(object.get());
  Objects().objects[handle] = std::move(object);
  return handle;
}

void Unregister(HGDIOBJ handle) {
  Objects().wrappers.erase(handle);
  Objects().objects.erase(handle);
}

void SetFace(LOGFONT& font, const char* face) {
  std::strncpy(font.lfFaceName, face != nullptr ? face : "", LF_FACESIZE - 1);
  font.lfFaceName[LF_FACESIZE - 1] = '\0';
}

HGDIOBJ MakeStock(int index) {
  auto object = std::make_unique<GdiObject>();
  object->stock = true;
  switch (index) {
    case WHITE_BRUSH:
    case LTGRAY_BRUSH:
    case GRAY_BRUSH:
    case DKGRAY_BRUSH:
    case BLACK_BRUSH:
    case NULL_BRUSH: {
      static const COLORREF kGreys[] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128),
                                        RGB(64, 64, 64),    RGB(0, 0, 0),       RGB(255, 255, 255)};
      object->kind = GdiKind::kBrush;
      object->colour = kGreys[index];
      object->hollow = index == NULL_BRUSH;
      break;
    }
    case WHITE_PEN:
    case BLACK_PEN:
    case NULL_PEN:
      object->kind = GdiKind::kPen;
      object->pen.colour = index == WHITE_PEN ? RGB(255, 255, 255) : RGB(0, 0, 0);
      object->pen.style = index == NULL_PEN ? PS_NULL : PS_SOLID;
      object->hollow = index == NULL_PEN;
      break;
    default:
      object->kind = GdiKind::kFont;
      object->font = DefaultGuiFont();
      if (index == OEM_FIXED_FONT || index == ANSI_FIXED_FONT || index == SYSTEM_FIXED_FONT) {
        SetFace(object->font, "Fixedsys");
        object->font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
      }
      break;
  }
  return Register(std::move(object));
}

}  // namespace

GdiObject* GdiObjectOf(HGDIOBJ handle) {
  const auto found = Objects().objects.find(handle);
  return found != Objects().objects.end() ? found->second.get() : nullptr;
}

HGDIOBJ StockObject(int index) {
  static std::map<int, HGDIOBJ> stock;
  if (index < WHITE_BRUSH || index > DEFAULT_GUI_FONT || index == 9 || index == 15) return nullptr;
  auto found = stock.find(index);
  if (found == stock.end()) found = stock.emplace(index, MakeStock(index)).first;
  return found->second;
}

HGDIOBJ SharedBrush(COLORREF colour, bool halftone) {
  auto object = std::make_unique<GdiObject>();
  object->kind = GdiKind::kBrush;
  object->stock = true;  // the library's: nobody deletes it
  object->colour = colour;
  object->halftone = halftone;
  return Register(std::move(object));
}

const LOGFONT& DefaultGuiFont() {
  static const LOGFONT font = [] {
    LOGFONT made;
    made.lfWeight = FW_NORMAL;
    SetFace(made, "Fixedsys");
    return made;
  }();
  return font;
}

}  // namespace afx

using afx::GdiKind;
using afx::GdiObject;

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
  GdiObject* object = afx::GdiObjectOf(hObject);
  if (object == nullptr) return nullptr;
  if (object->owner != nullptr) return object->owner;
  auto& wrapper = afx::Objects().wrappers[hObject];
  if (wrapper == nullptr) {
    switch (object->kind) {
      case GdiKind::kFont:
        wrapper = std::make_unique<CFont>();
        break;
      case GdiKind::kPen:
        wrapper = std::make_unique<CPen>();
        break;
      case GdiKind::kBrush:
        wrapper = std::make_unique<CBrush>();
        break;
      case GdiKind::kBitmap:
        wrapper = std::make_unique<CBitmap>();
        break;
    }
    wrapper->m_hObject = hObject;
  }
  return wrapper.get();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  GdiObject* object = afx::GdiObjectOf(hObject);
  if (object == nullptr || m_hObject != nullptr) return FALSE;
  m_hObject = hObject;
  if (!object->stock && object->owner == nullptr) {
    object->owner = this;
    owns_ = true;
  }
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ handle = m_hObject;
  if (GdiObject* object = Object(); object != nullptr && object->owner == this) object->owner = nullptr;
  m_hObject = nullptr;
  owns_ = false;
  return handle;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) return FALSE;
  HGDIOBJ handle = m_hObject;
  const bool owned = owns_;
  m_hObject = nullptr;
  owns_ = false;
  if (owned) afx::Unregister(handle);
  return TRUE;
}

BOOL CGdiObject::CreateStockObject(int nIndex) {
  DeleteObject();
  m_hObject = afx::StockObject(nIndex);
  return m_hObject != nullptr;
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
  GdiObject* object = Object();
  if (object == nullptr || lpObject == nullptr) return 0;
  switch (object->kind) {
    case GdiKind::kFont: {
      const int size = std::min(nCount, static_cast<int>(sizeof(LOGFONT)));
      std::memcpy(lpObject, &object->font, static_cast<size_t>(size));
      return size;
    }
    case GdiKind::kPen: {
      LOGPEN pen;
      pen.lopnStyle = static_cast<UINT>(object->pen.style);
      pen.lopnWidth.x = object->pen.width;
      pen.lopnColor = object->pen.colour;
      const int size = std::min(nCount, static_cast<int>(sizeof(LOGPEN)));
      std::memcpy(lpObject, &pen, static_cast<size_t>(size));
      return size;
    }
    case GdiKind::kBitmap: {
      BITMAP bitmap;
      bitmap.bmWidth = object->bitmap_size.cx;
      bitmap.bmHeight = object->bitmap_size.cy;
      bitmap.bmWidthBytes = bitmap.bmWidth * 4;
      const int size = std::min(nCount, static_cast<int>(sizeof(BITMAP)));
      std::memcpy(lpObject, &bitmap, static_cast<size_t>(size));
      return size;
    }
    case GdiKind::kBrush:
      return 0;
  }
  return 0;
}

GdiObject* CGdiObject::MakeObject(GdiKind kind) {
  DeleteObject();
  auto object = std::make_unique<GdiObject>();
  object->kind = kind;
  object->owner = this;
  GdiObject* made = object.get();
  m_hObject = afx::Register(std::move(object));
  owns_ = true;
  return made;
}

CFont* CFont::FromHandle(HFONT hFont) { return static_cast<CFont*>(CGdiObject::FromHandle(hFont)); }

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
  if (lpLogFont == nullptr) return FALSE;
  MakeObject(GdiKind::kFont)->font = *lpLogFont;
  return TRUE;
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename) {
  LOGFONT font;
  font.lfHeight = nHeight;
  font.lfWidth = nWidth;
  font.lfEscapement = nEscapement;
  font.lfOrientation = nOrientation;
  font.lfWeight = nWeight;
  font.lfItalic = bItalic;
  font.lfUnderline = bUnderline;
  font.lfStrikeOut = cStrikeOut;
  font.lfCharSet = nCharSet;
  font.lfOutPrecision = nOutPrecision;
  font.lfClipPrecision = nClipPrecision;
  font.lfQuality = nQuality;
  font.lfPitchAndFamily = nPitchAndFamily;
  afx::SetFace(font, lpszFacename);
  return CreateFontIndirect(&font);
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC) {
  LOGFONT font;
  font.lfHeight = nPointSize;
  font.lfWeight = FW_NORMAL;
  afx::SetFace(font, lpszFaceName);
  return CreatePointFontIndirect(&font, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC) {
  if (lpLogFont == nullptr) return FALSE;
  LOGFONT font = *lpLogFont;
  const int dpi = pDC != nullptr ? pDC->GetDeviceCaps(LOGPIXELSY) : 96;
  // Tenths of a point to pixels; a negative height asks for the character height.
  font.lfHeight = -((std::abs(lpLogFont->lfHeight) * dpi + 360) / 720);
  return CreateFontIndirect(&font);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const { return GetObject(sizeof(LOGFONT), pLogFont); }

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }

CPen* CPen::FromHandle(HPEN hPen) { return static_cast<CPen*>(CGdiObject::FromHandle(hPen)); }

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
  GdiObject* object = MakeObject(GdiKind::kPen);
  object->pen.style = nPenStyle;
  object->pen.width = nWidth < 1 ? 1 : nWidth;
  object->pen.colour = crColor;
  object->hollow = nPenStyle == PS_NULL;
  return TRUE;
}

int CPen::GetLogPen(LOGPEN* pLogPen) const { return GetObject(sizeof(LOGPEN), pLogPen); }

CBrush::CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }

CBrush* CBrush::FromHandle(HBRUSH hBrush) { return static_cast<CBrush*>(CGdiObject::FromHandle(hBrush)); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
  MakeObject(GdiKind::kBrush)->colour = crColor;
  return TRUE;
}

BOOL CBrush::CreateSysColorBrush(int nIndex) { return CreateSolidBrush(GetSysColor(nIndex)); }

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
  GdiObject* object = MakeObject(GdiKind::kBrush);
  object->colour = RGB(128, 128, 128);
  object->halftone = pBitmap != nullptr && pBitmap->GetBitmapDimension() == CSize(2, 2);
  return TRUE;
}

BOOL CBrush::CreateHalftoneBrush() {
  GdiObject* object = MakeObject(GdiKind::kBrush);
  object->colour = RGB(128, 128, 128);
  object->halftone = true;
  return TRUE;
}

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) { return static_cast<CBitmap*>(CGdiObject::FromHandle(hBitmap)); }

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
  (void)pDC;
  if (nWidth < 0 || nHeight < 0) return FALSE;
  GdiObject* object = MakeObject(GdiKind::kBitmap);
  object->bitmap_size = CSize(nWidth, nHeight);
  object->bitmap = afx::Backend().BitmapSurface(nWidth, nHeight);
  return object->bitmap != nullptr;
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits) {
  (void)nPlanes;
  (void)nBitcount;
  (void)lpBits;
  return CreateCompatibleBitmap(nullptr, nWidth, nHeight);
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
  (void)nIDResource;
  return CreateCompatibleBitmap(nullptr, 16, 15);
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const { return GetObject(sizeof(BITMAP), pBitMap); }

CSize CBitmap::GetBitmapDimension() const {
  GdiObject* object = Object();
  return object != nullptr ? object->bitmap_size : CSize();
}

CBrush* AfxGetHalftoneBrush() {
  static const HGDIOBJ handle = afx::SharedBrush(RGB(128, 128, 128), true);
  return CBrush::FromHandle(handle);
}

HGDIOBJ GetStockObject(int fnObject) { return afx::StockObject(fnObject); }

BOOL DeleteObject(HGDIOBJ hObject) {
  GdiObject* object = afx::GdiObjectOf(hObject);
  if (object == nullptr || object->stock) return FALSE;
  if (object->owner != nullptr) return object->owner->DeleteObject();
  afx::Unregister(hObject);
  return TRUE;
}

HBRUSH GetSysColorBrush(int nIndex) {
  static std::map<int, HGDIOBJ> brushes;
  HGDIOBJ& brush = brushes[nIndex];
  if (afx::GdiObjectOf(brush) == nullptr) brush = afx::SharedBrush(GetSysColor(nIndex), false);
  return brush;
}
