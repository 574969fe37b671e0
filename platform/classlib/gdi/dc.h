// CDC: a device context, the drawing state (selected objects, colours,
// clipping, mapping mode) over a drawing surface of the backend: a window's
// client area, a memory bitmap, or a printer's pages. CPaintDC, CClientDC and
// CWindowDC are the window forms.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classlib/cobject.h"
#include "platform/classlib/cstring.h"
#include "platform/classlib/gdi/gdi_objects.h"
#include "platform/classlib/gdi/surface.h"

class CWnd;

namespace afx {

class WindowRecord;
struct PrinterSetup;
class PrintJob;

// What an HDC stands for: the surface and, for printers, the job.
struct DeviceContext {
  DeviceContext();
  ~DeviceContext();
  Surface* Target();  // where drawing goes now; a measuring surface when there is none

  std::unique_ptr<Surface> owned_surface;  // a window's
  Surface* surface = nullptr;
  WindowRecord* window = nullptr;
  bool memory = false;
  bool printer = false;
  std::unique_ptr<PrinterSetup> setup;
  std::unique_ptr<PrintJob> job;
  std::unique_ptr<Surface> information;  // measures when nothing else does
  HBITMAP bitmap = nullptr;              // selected into a memory DC
  // A paint DC's update area in device pixels: nothing drawn through this
  // context lands outside it, whichever CDC draws (the erase handler's too).
  std::optional<CRect> update_area;
};

DeviceContext* DeviceContextOf(HDC handle);
// A new device context, owned by the registry until DeleteDC.
HDC MakeDeviceContext(std::unique_ptr<DeviceContext> context);
HDC MakePrinterContext(const PrinterSetup& setup);

}  // namespace afx

struct DOCINFO {
  int cbSize = sizeof(DOCINFO);
  LPCTSTR lpszDocName = nullptr;
  LPCTSTR lpszOutput = nullptr;
  LPCTSTR lpszDatatype = nullptr;
  DWORD fwType = 0;
};

class CDC : public CObject {
  DECLARE_DYNAMIC(CDC)

 public:
  CDC();
  ~CDC() override;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC m_hDC = nullptr;
  HDC m_hAttribDC = nullptr;
  BOOL m_bPrinting = FALSE;
  operator HDC() const { return m_hDC; }  // NOLINT: implicit, as the class library's
  HDC GetSafeHdc() const { return m_hDC; }

  static CDC* FromHandle(HDC hDC);
  BOOL Attach(HDC hDC);
  HDC Detach();
  BOOL CreateCompatibleDC(CDC* pDC);
  // A printer DC for the default printer (driver, device and output names are ignored).
  BOOL CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData);
  BOOL DeleteDC();
  BOOL IsPrinting() const { return m_bPrinting; }

  int SaveDC();
  BOOL RestoreDC(int nSavedDC);

  // Selection returns the object that was selected.
  CGdiObject* SelectStockObject(int nIndex);
  CPen* SelectObject(CPen* pPen);
  CBrush* SelectObject(CBrush* pBrush);
  virtual CFont* SelectObject(CFont* pFont);
  CBitmap* SelectObject(CBitmap* pBitmap);
  CGdiObject* SelectObject(CGdiObject* pObject);
  HGDIOBJ SelectObject(HGDIOBJ hObject);
  CFont* GetCurrentFont() const;
  CPen* GetCurrentPen() const;
  CBrush* GetCurrentBrush() const;
  CBitmap* GetCurrentBitmap() const;

  COLORREF SetTextColor(COLORREF crColor);
  COLORREF GetTextColor() const { return state_.text_colour; }
  COLORREF SetBkColor(COLORREF crColor);
  COLORREF GetBkColor() const { return state_.back_colour; }
  int SetBkMode(int nBkMode);
  int GetBkMode() const { return state_.back_mode; }
  UINT SetTextAlign(UINT nFlags);
  UINT GetTextAlign() const { return state_.text_align; }

  // Coordinates: logical units map to device pixels through the mapping mode.
  int SetMapMode(int nMapMode);
  int GetMapMode() const { return state_.map_mode; }
  CPoint SetViewportOrg(int x, int y);
  CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
  CPoint GetViewportOrg() const { return state_.viewport_org; }
  CPoint OffsetViewportOrg(int nWidth, int nHeight);
  CSize SetViewportExt(int cx, int cy);
  CSize SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
  CSize GetViewportExt() const { return state_.viewport_ext; }
  CPoint SetWindowOrg(int x, int y);
  CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
  CPoint GetWindowOrg() const { return state_.window_org; }
  CPoint OffsetWindowOrg(int nWidth, int nHeight);
  CSize SetWindowExt(int cx, int cy);
  CSize SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
  CSize GetWindowExt() const { return state_.window_ext; }
  void LPtoDP(LPPOINT lpPoints, int nCount = 1) const;
  void LPtoDP(LPRECT lpRect) const;
  void LPtoDP(LPSIZE lpSize) const;
  void DPtoLP(LPPOINT lpPoints, int nCount = 1) const;
  void DPtoLP(LPRECT lpRect) const;
  void DPtoLP(LPSIZE lpSize) const;

  // Clipping, in logical units.
  int IntersectClipRect(int x1, int y1, int x2, int y2);
  int IntersectClipRect(LPCRECT lpRect);
  int ExcludeClipRect(LPCRECT lpRect);
  int SelectClipRgn(void* pRgn);  // null removes the clipping added since the DC was made
  int GetClipBox(LPRECT lpRect) const;
  BOOL RectVisible(LPCRECT lpRect) const;
  BOOL PtVisible(int x, int y) const;

  // Text.
  BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
  BOOL TextOut(int x, int y, const CString& str);
  BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount, LPINT lpDxWidths);
  BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths);
  int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
  int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
  CSize TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions,
                      int nTabOrigin);
  CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
  CSize GetTextExtent(const CString& str) const;
  CSize GetOutputTextExtent(LPCTSTR lpszString, int nCount) const { return GetTextExtent(lpszString, nCount); }
  CSize GetOutputTextExtent(const CString& str) const { return GetTextExtent(str); }
  BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;
  BOOL GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const { return GetTextMetrics(lpMetrics); }

  // Shapes and fills. FillSolidRect leaves the background colour set, as the class library's does.
  void FillSolidRect(LPCRECT lpRect, COLORREF clr);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
  void FillRect(LPCRECT lpRect, CBrush* pBrush);
  void FrameRect(LPCRECT lpRect, CBrush* pBrush);
  void InvertRect(LPCRECT lpRect);
  void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
  void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
  BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags);
  BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState);
  void DrawFocusRect(LPCRECT lpRect);
  BOOL Rectangle(int x1, int y1, int x2, int y2);
  BOOL Rectangle(LPCRECT lpRect);
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
  BOOL LineTo(int x, int y);
  BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
  CPoint GetCurrentPosition() const { return state_.position; }
  BOOL Polyline(const POINT* lpPoints, int nCount);
  BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
  COLORREF SetPixel(int x, int y, COLORREF crColor);
  // The desktop theme's icon of that name ("folder", "document-save") scaled into rect;
  // FALSE when the backend shows no theme icons or the theme has none of that name.
  BOOL DrawThemeIcon(LPCRECT lpRect, const char* name);

  int GetDeviceCaps(int nIndex) const;

  // Printing: a document of pages on a printer DC.
  int StartDoc(LPCTSTR lpszDocName);
  int StartDoc(DOCINFO* lpDocInfo);
  int StartPage();
  int EndPage();
  int EndDoc();
  int AbortDoc();

 protected:
  // Binds this object to a new context it owns (window DCs).
  void Own(HDC hDC);
  // The clip that SelectClipRgn(NULL) returns to (a paint DC's update area), in device pixels.
  void SetBaseClip(const RECT& device);
  // Drawing lands scaled and moved after the mapping mode (print preview);
  // measuring stays with the attribute DC.
  void SetOutputTransform(double scale, CPoint origin);
  afx::DeviceContext* Context() const { return afx::DeviceContextOf(m_hDC); }

 private:
  void DrawCaptionGlyph(const CRect& box, UINT glyph);
  void DrawArrowGlyph(const CRect& box, UINT glyph);

  struct State {
    HGDIOBJ font = nullptr;
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    COLORREF text_colour = RGB(0, 0, 0);
    COLORREF back_colour = RGB(255, 255, 255);
    int back_mode = OPAQUE;
    UINT text_align = TA_LEFT | TA_TOP;
    int map_mode = MM_TEXT;
    CPoint viewport_org;
    CSize viewport_ext{1, 1};
    CPoint window_org;
    CSize window_ext{1, 1};
    CPoint position;
    bool clipped = false;
    CRect clip;  // device pixels, when clipped
  };

  afx::Surface* Target() const;
  afx::Surface* MeasureTarget() const;
  afx::TextStyle StyleForText() const;
  LOGFONT DeviceFont(bool for_output = false) const;
  // The clip in force: this CDC's own within the context's update area; false when nothing clips.
  bool ClipInForce(CRect* device) const;
  void ApplyClip() const;
  void ApplyClipWithin(const RECT& rect) const;
  CRect DeviceRect(LPCRECT lpRect) const;
  int ToDeviceX(int x) const;
  int ToDeviceY(int y) const;
  int LengthToLogicalX(int device) const;
  int LengthToLogicalY(int device) const;
  void DrawTextAt(CPoint device, std::string_view text);
  void FillDevice(const CRect& rect, COLORREF colour);
  COLORREF BrushColour(HGDIOBJ brush, bool* hollow, bool* halftone) const;

  State state_;
  std::vector<State> saved_;
  bool owns_context_ = false;
  double output_scale_ = 1.0;
  CPoint output_origin_;
};

class CPaintDC : public CDC {
  DECLARE_DYNAMIC(CPaintDC)

 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;

  struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint{0, 0, 0, 0};
  } m_ps;

 protected:
  HWND m_hWnd = nullptr;
};

class CClientDC : public CDC {
  DECLARE_DYNAMIC(CClientDC)

 public:
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;

 protected:
  HWND m_hWnd = nullptr;
};

class CWindowDC : public CDC {
  DECLARE_DYNAMIC(CWindowDC)

 public:
  explicit CWindowDC(CWnd* pWnd);
  ~CWindowDC() override;

 protected:
  HWND m_hWnd = nullptr;
};

BOOL DeleteDC(HDC hDC);
int GetDeviceCaps(HDC hDC, int nIndex);
