#include "platform/classlib/window/child_caption.h"

#include <algorithm>

#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/gdi/dc.h"
#include "platform/classlib/window_record.h"
#include "platform/classlib/window/window_state.h"

namespace afx {
namespace {

constexpr int kThickFrame = 4;
constexpr int kCaptionHeight = 20;
constexpr int kButton = 16;
constexpr int kCorner = 12;  // how far along an edge a corner grips

struct FrameDrag {
  HWND window = nullptr;
  int hit = HTNOWHERE;
  CPoint start;       // screen
  CRect start_rect;   // in the parent's client coordinates
};

FrameDrag& Drag() {
  static FrameDrag drag;
  return drag;
}

int FrameOf(const WindowRecord& record) {
  if (record.style & WS_THICKFRAME) return kThickFrame;
  return (record.style & WS_BORDER) ? 1 : 0;
}

bool Maximised(const WindowRecord& record) { return record.show_state == SW_SHOWMAXIMIZED; }

// Where a press on the frame grips: an edge, or a corner near the ends of one.
int EdgeHit(const CRect& window, CPoint point, int frame) {
  const bool left = point.x < frame;
  const bool right = point.x >= window.Width() - frame;
  const bool top = point.y < frame;
  const bool bottom = point.y >= window.Height() - frame;
  const bool near_left = point.x < kCorner;
  const bool near_right = point.x >= window.Width() - kCorner;
  const bool near_top = point.y < kCorner;
  const bool near_bottom = point.y >= window.Height() - kCorner;
  if ((top && near_left) || (left && near_top)) return HTTOPLEFT;
  if ((top && near_right) || (right && near_top)) return HTTOPRIGHT;
  if ((bottom && near_left) || (left && near_bottom)) return HTBOTTOMLEFT;
  if ((bottom && near_right) || (right && near_bottom)) return HTBOTTOMRIGHT;
  if (left) return HTLEFT;
  if (right) return HTRIGHT;
  if (top) return HTTOP;
  if (bottom) return HTBOTTOM;
  return HTNOWHERE;
}

CRect DraggedRect(const FrameDrag& drag, CPoint delta) {
  CRect rect = drag.start_rect;
  if (drag.hit == HTCAPTION) {
    rect.OffsetRect(delta);
    return rect;
  }
  const int min_width = CommonSystemMetric(SM_CXMINTRACK);
  const int min_height = CommonSystemMetric(SM_CYMINTRACK);
  const int hit = drag.hit;
  if (hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT) rect.left = std::min(rect.left + delta.x, rect.right - min_width);
  if (hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT) rect.right = std::max(rect.right + delta.x, rect.left + min_width);
  if (hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT) rect.top = std::min(rect.top + delta.y, rect.bottom - min_height);
  if (hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT) rect.bottom = std::max(rect.bottom + delta.y, rect.top + min_height);
  return rect;
}

}  // namespace

bool HasChildCaption(const WindowRecord& record) {
  return record.parent != nullptr && record.parent != &Desktop() && (record.style & WS_CHILD) &&
         (record.style & WS_CAPTION) == WS_CAPTION;
}

ChildCaptionLayout LayoutChildCaption(const WindowRecord& record) {
  ChildCaptionLayout layout;
  layout.frame = FrameOf(record);
  const int width = record.window_rect.Width();
  layout.caption = CRect(layout.frame, layout.frame, std::max(width - layout.frame, layout.frame),
                         layout.frame + kCaptionHeight);
  const int top = layout.caption.top + (kCaptionHeight - kButton) / 2;
  layout.close = CRect(layout.caption.right - 2 - kButton, top, layout.caption.right - 2, top + kButton);
  layout.maximize = layout.close;
  layout.maximize.OffsetRect(-(kButton + 2), 0);
  if (!(record.style & WS_MAXIMIZEBOX)) layout.maximize.SetRectEmpty();
  const int title_end = layout.maximize.IsRectEmpty() ? layout.close.left : layout.maximize.left;
  layout.title = CRect(layout.caption.left + 4, layout.caption.top, std::max(title_end - 4, layout.caption.left + 4),
                       layout.caption.bottom);
  return layout;
}

void RemoveChildCaption(const WindowRecord& record, CRect& rect) {
  const int frame = FrameOf(record);
  rect.DeflateRect(frame, frame);
  rect.top += kCaptionHeight;
  if (rect.bottom < rect.top) rect.bottom = rect.top;
  if (rect.right < rect.left) rect.right = rect.left;
}

int ChildCaptionHit(const WindowRecord& record, CPoint screen) {
  const CRect window = record.ScreenWindowRect();
  const CPoint point(screen.x - window.left, screen.y - window.top);
  const ChildCaptionLayout layout = LayoutChildCaption(record);
  if (layout.close.PtInRect(point)) return HTCLOSE;
  if (layout.maximize.PtInRect(point)) return HTMAXBUTTON;
  if (layout.caption.PtInRect(point)) return HTCAPTION;
  if ((record.style & WS_THICKFRAME) && !Maximised(record)) {
    if (const int edge = EdgeHit(window, point, layout.frame); edge != HTNOWHERE) return edge;
  }
  return HTBORDER;
}

void PaintChildCaption(CWnd& window) {
  WindowRecord* record = RecordOf(window.m_hWnd);
  if (record == nullptr || !HasChildCaption(*record)) return;
  const ChildCaptionLayout layout = LayoutChildCaption(*record);
  CWindowDC dc(&window);
  const CRect whole(CPoint(0, 0), record->window_rect.Size());
  // The frame: the window's edges round what the client and the caption leave.
  const CRect client = record->client_rect;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  dc.FillSolidRect(whole.left, whole.top, whole.Width(), layout.frame, face);
  dc.FillSolidRect(whole.left, layout.caption.bottom, client.left, whole.Height() - layout.caption.bottom, face);
  dc.FillSolidRect(client.right, layout.caption.bottom, whole.right - client.right, whole.Height() - layout.caption.bottom,
                   face);
  dc.FillSolidRect(whole.left, client.bottom, whole.Width(), whole.bottom - client.bottom, face);
  dc.FillSolidRect(whole.left, layout.caption.top, layout.frame, layout.caption.Height(), face);
  dc.FillSolidRect(layout.caption.right, layout.caption.top, whole.right - layout.caption.right,
                   layout.caption.Height(), face);
  if (layout.frame > 1) {
    dc.Draw3dRect(&whole, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW));
  } else if (layout.frame == 1) {
    dc.Draw3dRect(&whole, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
  }
  // The active window's caption in the selection colours, which every theme sets apart.
  const bool active = record->caption_active;
  dc.FillSolidRect(&layout.caption, GetSysColor(active ? COLOR_HIGHLIGHT : COLOR_INACTIVECAPTION));
  CString title;
  window.GetWindowText(title);
  CFont* old = dc.SelectObject(CFont::FromHandle(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(GetSysColor(active ? COLOR_HIGHLIGHTTEXT : COLOR_INACTIVECAPTIONTEXT));
  const int text_height = dc.GetTextExtent("Ag").cy;
  CRect title_area = layout.title;
  dc.ExtTextOut(title_area.left, title_area.top + (title_area.Height() - text_height) / 2, ETO_CLIPPED, &title_area,
                title, nullptr);
  dc.SelectObject(old);
  CRect close = layout.close;
  dc.DrawFrameControl(&close, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  if (!layout.maximize.IsRectEmpty()) {
    CRect maximize = layout.maximize;
    dc.DrawFrameControl(&maximize, DFC_CAPTION, Maximised(*record) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX);
  }
}

void StartFrameDrag(CWnd& window, int hit, CPoint screen) {
  WindowRecord* record = RecordOf(window.m_hWnd);
  if (record == nullptr || Maximised(*record)) return;
  Drag() = FrameDrag{window.m_hWnd, hit, screen, record->window_rect};
  window.SetCapture();
}

bool FollowFrameDrag(CWnd& window, CPoint screen) {
  const FrameDrag drag = Drag();
  if (drag.window == nullptr || drag.window != window.m_hWnd) return false;
  const CRect rect = DraggedRect(drag, CPoint(screen.x - drag.start.x, screen.y - drag.start.y));
  window.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

bool EndFrameDrag(CWnd& window) {
  if (Drag().window == nullptr || Drag().window != window.m_hWnd) return false;
  Drag() = FrameDrag{};
  if (::GetCapture() == window.m_hWnd) ::ReleaseCapture();
  return true;
}

}  // namespace afx
