#include "platform/classlib/docview/control_bar.h"

#include <algorithm>

#include "platform/classlib/docview/frame_wnd.h"
#include "platform/classlib/gdi/dc.h"
#include "platform/classlib/window_record.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)
IMPLEMENT_DYNAMIC(CDockBar, CControlBar)
IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, &CControlBar::OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
ON_WM_PAINT()
ON_WM_CREATE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
ON_MESSAGE(WM_SIZEPARENT, &CDockBar::OnSizeParent)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CFrameWnd)
ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace {

constexpr int kDockSnap = 32;  // a drag released this close to a frame side docks there

// The strip of the room left that a bar of this size takes at its side; the room shrinks by it.
CRect TakeSide(AFX_SIZEPARENTPARAMS& layout, DWORD style, CSize size) {
  CRect rect = layout.rect;
  if (style & CBRS_ALIGN_TOP) {
    rect.bottom = std::min(rect.bottom, rect.top + static_cast<int>(size.cy));
    layout.rect.top = rect.bottom;
  } else if (style & CBRS_ALIGN_BOTTOM) {
    rect.top = std::max(rect.top, rect.bottom - static_cast<int>(size.cy));
    layout.rect.bottom = rect.top;
  } else if (style & CBRS_ALIGN_LEFT) {
    rect.right = std::min(rect.right, rect.left + static_cast<int>(size.cx));
    layout.rect.left = rect.right;
  } else {
    rect.left = std::max(rect.left, rect.right - static_cast<int>(size.cx));
    layout.rect.right = rect.left;
  }
  return rect;
}

}  // namespace

// The dock context.

void CDockContext::StartDrag(CPoint pt) {
  if (m_pBar == nullptr || !IsWindow(m_pBar->m_hWnd)) return;
  dragging_ = true;
  start_ = pt;
  m_pBar->SetCapture();
}

BOOL CDockContext::OnDragMessage(UINT message, CPoint screen) {
  if (!dragging_) return FALSE;
  switch (message) {
    case WM_MOUSEMOVE:
      return TRUE;
    case WM_RBUTTONDOWN:
      dragging_ = false;
      ReleaseCapture();
      return TRUE;
    case WM_LBUTTONUP:
      break;
    default:
      return FALSE;
  }
  dragging_ = false;
  ReleaseCapture();
  CFrameWnd* site = m_pDockSite != nullptr ? m_pDockSite : m_pBar->m_pDockSite;
  if (site == nullptr) return TRUE;
  CRect client;
  site->GetClientRect(&client);
  site->ClientToScreen(&client);
  const DWORD allowed = m_pBar->m_dwDockStyle;
  UINT side = 0;
  if (client.PtInRect(screen)) {
    if ((allowed & CBRS_ALIGN_LEFT) && screen.x < client.left + kDockSnap) side = AFX_IDW_DOCKBAR_LEFT;
    if ((allowed & CBRS_ALIGN_RIGHT) && screen.x >= client.right - kDockSnap) side = AFX_IDW_DOCKBAR_RIGHT;
    if ((allowed & CBRS_ALIGN_TOP) && screen.y < client.top + kDockSnap) side = AFX_IDW_DOCKBAR_TOP;
    if ((allowed & CBRS_ALIGN_BOTTOM) && screen.y >= client.bottom - kDockSnap) side = AFX_IDW_DOCKBAR_BOTTOM;
  }
  if (side != 0 && site->GetControlBar(side) != nullptr) {
    m_uMRUDockID = side;
    site->DockControlBar(m_pBar, side);
  } else {
    m_ptMRUFloatPos = screen;
    site->FloatControlBar(m_pBar, screen);
  }
  return TRUE;
}

void CDockContext::ToggleDocking() {
  CFrameWnd* site = m_pDockSite != nullptr ? m_pDockSite : m_pBar->m_pDockSite;
  if (site == nullptr) return;
  if (m_pBar->IsFloating()) {
    site->DockControlBar(m_pBar, m_uMRUDockID);
  } else {
    if (m_pBar->m_pDockBar != nullptr) m_uMRUDockID = static_cast<UINT>(m_pBar->m_pDockBar->GetDlgCtrlID());
    site->FloatControlBar(m_pBar, m_ptMRUFloatPos);
  }
}

// The control bar.

CControlBar::CControlBar() = default;

CControlBar::~CControlBar() {
  if (m_pDockSite != nullptr) m_pDockSite->RemoveControlBar(this);
  delete m_pDockContext;
}

void CControlBar::PostNcDestroy() {
  if (m_pDockSite != nullptr) m_pDockSite->RemoveControlBar(this);
  m_pDockSite = nullptr;
  if (m_bAutoDelete) delete this;
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  // The frame that lays the bar out is the one it was made in.
  CWnd* parent = GetParent();
  if (auto* frame = parent != nullptr ? DYNAMIC_DOWNCAST(CFrameWnd, parent) : nullptr) {
    m_pDockSite = frame;
    frame->AddControlBar(this);
  } else if (parent != nullptr) {
    m_pDockSite = parent->GetParentFrame();
    if (m_pDockSite != nullptr) m_pDockSite->AddControlBar(this);
  }
  return 0;
}

void CControlBar::OnDestroy() {
  if (m_pDockBar != nullptr) m_pDockBar->RemoveControlBar(this);
  CWnd::OnDestroy();
}

void CControlBar::SetBarStyle(DWORD dwStyle) {
  m_dwStyle = dwStyle;
  if (m_pDockSite != nullptr) m_pDockSite->DelayRecalcLayout();
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom) {
  m_cxLeftBorder = cxLeft;
  m_cyTopBorder = cyTop;
  m_cxRightBorder = cxRight;
  m_cyBottomBorder = cyBottom;
}

CFrameWnd* CControlBar::GetDockingFrame() const {
  CFrameWnd* frame = GetParentFrame();
  if (frame != nullptr && frame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd))) frame = frame->GetParentFrame();
  return frame;
}

void CControlBar::EnableDocking(DWORD dwDockStyle) {
  m_dwDockStyle = dwDockStyle;
  if (m_pDockContext == nullptr) m_pDockContext = new CDockContext(this);  // owned by the bar
  m_pDockContext->m_dwDockStyle = dwDockStyle;
  m_pDockContext->m_pDockSite = m_pDockSite;
  if (m_hWnd != nullptr && m_pDockSite != nullptr) m_pDockSite->DelayRecalcLayout();
}

BOOL CControlBar::IsFloating() const { return m_pDockBar != nullptr && m_pDockBar->m_bFloating; }

BOOL CControlBar::IsVisible() const { return IsWindowVisible(); }

void CControlBar::DelayShow(BOOL bShow) { ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE); }

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS*) { return m_dwStyle; }

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  CSize size;
  const CFrameWnd* frame = m_pDockSite;
  CRect room;
  if (frame != nullptr) frame->GetClientRect(&room);
  if (bStretch) {
    if (bHorz) size.cx = room.Width();
    if (!bHorz) size.cy = room.Height();
  }
  return size;
}

CSize CControlBar::CalcDynamicLayout(int nLength, DWORD nMode) {
  (void)nLength;
  return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
  (void)bHorz;
  rect.left += m_cxLeftBorder;
  rect.top += m_cyTopBorder;
  rect.right -= m_cxRightBorder;
  rect.bottom -= m_cyBottomBorder;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
  auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  if (!IsVisible() || (m_dwStyle & CBRS_ALIGN_ANY) == 0) return 0;
  const bool horizontal = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
  const CSize size = (m_dwStyle & CBRS_SIZE_DYNAMIC)
                         ? CalcDynamicLayout(-1, horizontal ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK)
                         : CalcFixedLayout(layout->bStretch, horizontal);
  const CRect rect = TakeSide(*layout, m_dwStyle, size);
  if (!layout->bQuery) MoveWindow(&rect);
  return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
  if (!IsVisible()) return 0;
  CFrameWnd* target = GetDockingFrame();
  if (target == nullptr) target = m_pDockSite;
  if (target == nullptr) return 0;
  // An MDI frame asks its active child first, then itself (its window commands), then the application.
  OnUpdateCmdUI(target, static_cast<BOOL>(wParam));
  return 0;
}

void CControlBar::UpdateChildControls(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void CControlBar::OnPaint() {
  CPaintDC dc(this);
  DoPaint(&dc);
}

void CControlBar::DoPaint(CDC* pDC) {
  CRect rect;
  GetClientRect(&rect);
  pDC->FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
  DrawBorders(pDC, rect);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect) {
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
  if (m_dwStyle & CBRS_BORDER_TOP) pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, dark);
  if (m_dwStyle & CBRS_BORDER_BOTTOM) pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, dark);
  if (m_dwStyle & CBRS_BORDER_LEFT) pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), light);
  if (m_dwStyle & CBRS_BORDER_RIGHT) pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), dark);
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect) {
  pDC->Draw3dRect(rect.left + 2, rect.top + 2, 3, rect.Height() - 4, GetSysColor(COLOR_BTNHIGHLIGHT),
                  GetSysColor(COLOR_BTNSHADOW));
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // A bar being dragged by its dock context hears nothing of the mouse itself.
  if (m_pDockContext != nullptr && m_pDockContext->IsDragging() && message >= WM_MOUSEFIRST &&
      message <= WM_MOUSELAST) {
    CPoint screen = afx::PointOf(lParam);
    ClientToScreen(&screen);
    if (m_pDockContext->OnDragMessage(message, screen)) return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

// The dock bar.

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating) {
  m_bDockBar = TRUE;
  m_bAutoDelete = !bFloating;
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  m_dwStyle = dwStyle & CBRS_ALL;
  const CRect none;
  return CWnd::Create("AfxControlBar", nullptr, (dwStyle & ~CBRS_ALL) | WS_CHILD, none, pParentWnd, nID);
}

bool CDockBar::Horizontal() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || m_bFloating; }

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect) {
  (void)lpRect;
  if (pBar->m_pDockBar == this) return;
  if (pBar->m_pDockBar != nullptr) {
    CDockBar* old = pBar->m_pDockBar;
    old->RemoveControlBar(pBar);
  }
  CFrameWnd* old_mini = pBar->IsFloating() ? pBar->GetParentFrame() : nullptr;
  pBar->SetParent(this);
  pBar->m_pDockBar = this;
  // The bar takes the side's alignment, keeping its other styles.
  pBar->m_dwStyle = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) |
                    (m_bFloating ? (CBRS_ALIGN_TOP | CBRS_FLOATING) : (m_dwStyle & CBRS_ALIGN_ANY));
  m_arrBars.push_back(pBar);
  if (!pBar->IsWindowVisible()) pBar->ShowWindow(SW_SHOWNA);
  if (old_mini != nullptr && old_mini->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd))) old_mini->DestroyWindow();
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar) {
  const auto found = std::find(m_arrBars.begin(), m_arrBars.end(), pBar);
  if (found == m_arrBars.end()) return FALSE;
  m_arrBars.erase(found);
  if (pBar->m_pDockBar == this) pBar->m_pDockBar = nullptr;
  return TRUE;
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  (void)bHorz;
  CSize total;
  for (CControlBar* bar : m_arrBars) {
    if (!bar->IsVisible()) continue;
    const bool horizontal = Horizontal();
    const CSize size = (bar->m_dwStyle & CBRS_SIZE_DYNAMIC)
                           ? bar->CalcDynamicLayout(-1, horizontal ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK)
                           : bar->CalcFixedLayout(bStretch, horizontal);
    if (horizontal) {
      total.cy += size.cy;
      total.cx = std::max(total.cx, size.cx);
    } else {
      total.cx += size.cx;
      total.cy = std::max(total.cy, size.cy);
    }
  }
  return total;
}

LRESULT CDockBar::OnSizeParent(WPARAM, LPARAM lParam) {
  auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  const bool horizontal = Horizontal();
  const CSize size = CalcFixedLayout(layout->bStretch, horizontal);
  const CRect rect = TakeSide(*layout, m_dwStyle, size);
  if (layout->bQuery) return 0;
  MoveWindow(&rect);
  // The docked bars, one after the other across the side.
  int offset = 0;
  for (CControlBar* bar : m_arrBars) {
    if (!bar->IsVisible()) continue;
    const CSize bar_size = (bar->m_dwStyle & CBRS_SIZE_DYNAMIC)
                               ? bar->CalcDynamicLayout(-1, horizontal ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK)
                               : bar->CalcFixedLayout(layout->bStretch, horizontal);
    if (horizontal) {
      bar->MoveWindow(0, offset, std::min(static_cast<int>(bar_size.cx), rect.Width()), bar_size.cy);
      offset += bar_size.cy;
    } else {
      bar->MoveWindow(offset, 0, bar_size.cx, std::min(static_cast<int>(bar_size.cy), rect.Height()));
      offset += bar_size.cx;
    }
  }
  return 0;
}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

// The mini frame of floating bars.

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle) {
  (void)dwBarStyle;
  const CRect rect(0, 0, 100, 100);
  if (!CreateEx(WS_EX_TOOLWINDOW, nullptr, "", WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_4THICKFRAME | MFS_SYNCACTIVE,
                rect, pParent, 0)) {
    return FALSE;
  }
  return m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_FLOAT);
}

void CMiniDockFrameWnd::RecalcLayout(BOOL bNotify) {
  (void)bNotify;
  if (m_wndDockBar.m_hWnd == nullptr) return;
  CSize size;
  for (CControlBar* bar : m_wndDockBar.m_arrBars) {
    const CSize bar_size = (bar->m_dwStyle & CBRS_SIZE_DYNAMIC) ? bar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH)
                                                                : bar->CalcFixedLayout(FALSE, TRUE);
    size.cx = std::max(size.cx, bar_size.cx);
    size.cy += bar_size.cy;
    bar->MoveWindow(0, 0, bar_size.cx, bar_size.cy);
  }
  CRect window(CPoint(0, 0), size);
  CalcWindowRect(&window);
  SetWindowPos(nullptr, 0, 0, window.Width(), window.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  m_wndDockBar.MoveWindow(0, 0, size.cx, size.cy);
}

void CMiniDockFrameWnd::OnClose() {
  // Closing a floating bar hides it; the bar lives on.
  for (CControlBar* bar : m_wndDockBar.m_arrBars) {
    if (CFrameWnd* site = bar->m_pDockSite) site->ShowControlBar(bar, FALSE, FALSE);
  }
  ShowWindow(SW_HIDE);
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  afx::WindowRecord* record = Record();
  if (record == nullptr || pTarget == nullptr) return;
  std::vector<HWND> controls;
  for (const auto& child : record->children) controls.push_back(child->handle());
  for (HWND handle : controls) {
    CWnd* control = CWnd::FromHandle(handle);
    afx::WindowRecord* child = afx::RecordOf(handle);
    if (control == nullptr || child == nullptr || child->id <= 0 || child->id >= 0xF000 ||
        child->kind == afx::WindowKind::kWindow) {
      continue;  // only controls show commands
    }
    CCmdUI state;
    state.m_nID = static_cast<UINT>(child->id);
    state.m_pOther = control;
    // Buttons without a handler of their own stay as they are unless asked otherwise.
    state.DoUpdate(pTarget, bDisableIfNoHndler && child->kind == afx::WindowKind::kButton && child->IsPushButton());
  }
}
