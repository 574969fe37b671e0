// Drawing objects: fonts, pens, brushes and bitmaps. A CGdiObject owns the
// object its Create... call made (deleted by DeleteObject or with the C++
// object); stock objects belong to the library. FromHandle gives the owning
// C++ object, or a wrapper that lives as long as the object.
#pragma once

#include <memory>

#include "platform/classlib/cobject.h"
#include "platform/classlib/gdi/surface.h"

class CDC;
class CGdiObject;

namespace afx {

enum class GdiKind { kFont, kPen, kBrush, kBitmap };

// What a GDI handle stands for.
struct GdiObject {
  GdiKind kind = GdiKind::kBrush;
  bool stock = false;
  LOGFONT font;
  PenStyle pen;
  COLORREF colour = RGB(255, 255, 255);  // brushes
  bool hollow = false;                   // null pens and brushes
  bool halftone = false;                 // the halftone pattern brush
  std::unique_ptr<Surface> bitmap;       // bitmaps
  CSize bitmap_size;
  CGdiObject* owner = nullptr;  // the C++ object that made it
};

GdiObject* GdiObjectOf(HGDIOBJ handle);
HGDIOBJ StockObject(int index);
// A brush the library keeps for the whole run (system colour and halftone brushes).
HGDIOBJ SharedBrush(COLORREF colour, bool halftone);
// The font of windows that set none.
const LOGFONT& DefaultGuiFont();

}  // namespace afx

class CGdiObject : public CObject {
  DECLARE_DYNAMIC(CGdiObject)

 public:
  CGdiObject() = default;
  ~CGdiObject() override;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ m_hObject = nullptr;
  operator HGDIOBJ() const { return m_hObject; }  // NOLINT: implicit, as the class library's
  HGDIOBJ GetSafeHandle() const { return m_hObject; }

  static CGdiObject* FromHandle(HGDIOBJ hObject);
  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  BOOL CreateStockObject(int nIndex);
  // Copies the LOGFONT, LOGPEN-like or BITMAP description; returns the bytes copied.
  int GetObject(int nCount, LPVOID lpObject) const;

 protected:
  // Takes ownership of a new object of the given kind, dropping any held one.
  afx::GdiObject* MakeObject(afx::GdiKind kind);
  afx::GdiObject* Object() const { return afx::GdiObjectOf(m_hObject); }

 private:
  bool owns_ = false;
};

class CFont : public CGdiObject {
  DECLARE_DYNAMIC(CFont)

 public:
  static CFont* FromHandle(HFONT hFont);
  BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
  BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                  BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                  BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename);
  // Point size in tenths of a point, for the DC's resolution (the screen's when null).
  BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
  BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC = nullptr);
  int GetLogFont(LOGFONT* pLogFont) const;
};

struct LOGPEN {
  UINT lopnStyle = 0;
  POINT lopnWidth{1, 0};
  COLORREF lopnColor = 0;
};

class CPen : public CGdiObject {
  DECLARE_DYNAMIC(CPen)

 public:
  CPen() = default;
  CPen(int nPenStyle, int nWidth, COLORREF crColor);
  static CPen* FromHandle(HPEN hPen);
  BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
  int GetLogPen(LOGPEN* pLogPen) const;
};

class CBitmap;

class CBrush : public CGdiObject {
  DECLARE_DYNAMIC(CBrush)

 public:
  CBrush() = default;
  explicit CBrush(COLORREF crColor);
  static CBrush* FromHandle(HBRUSH hBrush);
  BOOL CreateSolidBrush(COLORREF crColor);
  BOOL CreateSysColorBrush(int nIndex);
  // A pattern brush; a two-by-two checker pattern makes the halftone brush.
  BOOL CreatePatternBrush(CBitmap* pBitmap);
  BOOL CreateHalftoneBrush();
};

struct BITMAP {
  LONG bmType = 0;
  LONG bmWidth = 0;
  LONG bmHeight = 0;
  LONG bmWidthBytes = 0;
  WORD bmPlanes = 1;
  WORD bmBitsPixel = 32;
  LPVOID bmBits = nullptr;
};

class CBitmap : public CGdiObject {
  DECLARE_DYNAMIC(CBitmap)

 public:
  static CBitmap* FromHandle(HBITMAP hBitmap);
  BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
  BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
  // Bitmap resources are images the backend does not have: an empty 16 x 15 bitmap stands for one.
  BOOL LoadBitmap(UINT nIDResource);
  int GetBitmap(BITMAP* pBitMap) const;
  CSize GetBitmapDimension() const;
};

// The halftone brush the class library uses for trackers.
CBrush* AfxGetHalftoneBrush();
// Handle forms of the window system's calls.
HGDIOBJ GetStockObject(int fnObject);
BOOL DeleteObject(HGDIOBJ hObject);
HBRUSH GetSysColorBrush(int nIndex);
