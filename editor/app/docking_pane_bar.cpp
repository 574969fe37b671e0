#include "editor/app/docking_pane_bar.h"

#include <algorithm>

#include "platform/classlib/window/cursors.h"

BEGIN_MESSAGE_MAP(CDockingPaneBar, CControlBar)
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_SETCURSOR()
ON_WM_WINDOWPOSCHANGED()
ON_WM_NCPAINT()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCHITTEST()
ON_WM_NCCALCSIZE()
ON_WM_LBUTTONDOWN()
ON_WM_CAPTURECHANGED()
ON_WM_LBUTTONDBLCLK()
ON_WM_NCLBUTTONDBLCLK()
END_MESSAGE_MAP()

CDockingPaneBar::CDockingPaneBar()
    : m_clrHighlight(::GetSysColor(COLOR_BTNHIGHLIGHT)),
      m_clrShadow(::GetSysColor(COLOR_BTNSHADOW)),
      m_cyCaption(::GetSystemMetrics(SM_CYSMCAPTION)),
      m_cxMinimum(::GetSystemMetrics(SM_CXMIN)),
      m_cyMinimum(::GetSystemMetrics(SM_CYMIN)) {}

BOOL CDockingPaneBar::Create(CWnd* pParentWnd, CDialog* pDialog, LPCTSTR lpszTitle, UINT nIDChild, DWORD dwStyle) {
  if (pParentWnd == nullptr || pDialog == nullptr) return FALSE;
  m_dwStyle = dwStyle & CBRS_ALL;
  LPCTSTR window_class = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                             reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
  if (!CWnd::Create(window_class, lpszTitle, (dwStyle & ~CBRS_ALL) | WS_CHILD, CRect(0, 0, 0, 0), pParentWnd, 0)) {
    return FALSE;
  }
  if (!pDialog->Create(nIDChild, this)) return FALSE;
  m_pChild = pDialog;
  CRect child;
  pDialog->GetWindowRect(&child);
  FloatSize = VertDockedSize = HorzDockedSize = child.Size();
  HorzDockedSize.cy = child.Height() + kEdgeWidth + kInnerGap;
  VertDockedSize.cx = child.Width() + kEdgeWidth + kInnerGap;
  return TRUE;
}

BOOL CDockingPaneBar::IsHorizontal() const {
  const UINT side = m_pDockBar != nullptr ? static_cast<UINT>(m_pDockBar->GetDlgCtrlID()) : m_nDockSide;
  return side == AFX_IDW_DOCKBAR_TOP || side == AFX_IDW_DOCKBAR_BOTTOM;
}

UINT CDockingPaneBar::DockSide() const {
  if (m_pDockBar == nullptr) return 0;
  if (IsFloating()) return AFX_IDW_DOCKBAR_FLOAT;
  return static_cast<UINT>(m_pDockBar->GetDlgCtrlID());
}

CSize CDockingPaneBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  constexpr int kStretched = 32767;
  int length = kStretched;
  if (!bStretch && m_pDockSite != nullptr) {
    // Along its side the bar is as long as the frame's dock bar there, borders included.
    CRect side;
    if (CWnd* dock = m_pDockSite->GetControlBar(bHorz ? AFX_IDW_DOCKBAR_TOP : AFX_IDW_DOCKBAR_LEFT)) {
      dock->GetWindowRect(&side);
    } else {
      m_pDockSite->GetClientRect(&side);
    }
    length = (bHorz ? side.Width() : side.Height()) + 4;
  }
  if (IsFloating()) return FloatSize;
  return bHorz ? CSize(length, HorzDockedSize.cy) : CSize(VertDockedSize.cx, length);
}

CSize CDockingPaneBar::CalcDynamicLayout(int nLength, DWORD nMode) {
  if (IsFloating()) {
    if (CFrameWnd* mini = GetParentFrame(); mini != nullptr && mini != m_pDockSite) {
      mini->ModifyStyle(MFS_4THICKFRAME, 0);
    }
  }
  if (nMode & (LM_HORZDOCK | LM_VERTDOCK)) {
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (m_pDockSite != nullptr) m_pDockSite->DelayRecalcLayout();
    return CalcFixedLayout(FALSE, (nMode & LM_HORZDOCK) != 0);
  }
  if (nMode & LM_MRUWIDTH) return FloatSize;
  if (nMode & LM_COMMIT) {
    FloatSize.cx = nLength;
    return FloatSize;
  }
  if (nMode & LM_LENGTHY) {
    FloatSize.cy = std::max(nLength, kMinimumSize);
    return FloatSize;
  }
  FloatSize.cx = std::max(nLength, kMinimumSize);
  return FloatSize;
}

void CDockingPaneBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  UpdateDialogControls(pTarget, bDisableIfNoHndler);
  if (m_pChild != nullptr) m_pChild->UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void CDockingPaneBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp) {
  CRect& client = *static_cast<CRect*>(&lpncsp->rgrc[0]);
  m_dwStyle &= ~CBRS_BORDER_ANY;
  switch (DockSide()) {
    case AFX_IDW_DOCKBAR_TOP:
      m_dwStyle |= CBRS_BORDER_LEFT | CBRS_BORDER_TOP | CBRS_BORDER_RIGHT;
      client.DeflateRect(kGripperThickness, kInnerGap, kInnerGap, kEdgeWidth);
      break;
    case AFX_IDW_DOCKBAR_LEFT:
      m_dwStyle |= CBRS_BORDER_LEFT | CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM;
      client.DeflateRect(kInnerGap, kGripperThickness, kEdgeWidth, kInnerGap);
      break;
    case AFX_IDW_DOCKBAR_RIGHT:
      m_dwStyle |= CBRS_BORDER_TOP | CBRS_BORDER_RIGHT | CBRS_BORDER_BOTTOM;
      client.DeflateRect(kEdgeWidth, kGripperThickness, kInnerGap, kInnerGap);
      break;
    case AFX_IDW_DOCKBAR_BOTTOM:
      m_dwStyle |= CBRS_BORDER_LEFT | CBRS_BORDER_RIGHT | CBRS_BORDER_BOTTOM;
      client.DeflateRect(kGripperThickness, kEdgeWidth, kInnerGap, kInnerGap);
      break;
    default:
      m_dwStyle |= CBRS_BORDER_ANY;
      break;
  }
  if (client.right < client.left) client.right = client.left;
  if (client.bottom < client.top) client.bottom = client.top;
  CRect window = lpncsp->rgrc[0];
  GetWindowRect(&window);
  window.OffsetRect(-window.left, -window.top);
  UpdateHitRects(window, DockSide());
}

void CDockingPaneBar::UpdateHitRects(const CRect& window, UINT side) {
  m_rectEdge.SetRectEmpty();
  m_rectGripper.SetRectEmpty();
  m_rectClose.SetRectEmpty();
  m_rectSecond.SetRectEmpty();
  switch (side) {
    case AFX_IDW_DOCKBAR_TOP:
      m_rectEdge.SetRect(window.left, window.bottom - kEdgeWidth, window.right, window.bottom);
      break;
    case AFX_IDW_DOCKBAR_LEFT:
      m_rectEdge.SetRect(window.right - kEdgeWidth, window.top, window.right, window.bottom);
      break;
    case AFX_IDW_DOCKBAR_RIGHT:
      m_rectEdge.SetRect(window.left, window.top, window.left + kEdgeWidth, window.bottom);
      break;
    case AFX_IDW_DOCKBAR_BOTTOM:
      m_rectEdge.SetRect(window.left, window.top, window.right, window.top + kEdgeWidth);
      break;
    default:
      return;
  }
  if (side == AFX_IDW_DOCKBAR_TOP || side == AFX_IDW_DOCKBAR_BOTTOM) {
    m_rectGripper.SetRect(window.left, window.top + 40, window.left + kGripperThickness, window.bottom);
    m_rectClose.SetRect(window.left + 7, window.top + 10, window.left + 19, window.top + 22);
    m_rectSecond = m_rectClose;
    m_rectSecond.OffsetRect(0, 13);
  } else {
    m_rectGripper.SetRect(window.left, window.top, window.right - 40, window.top + kGripperThickness);
    m_rectClose.SetRect(window.right - 21, window.top + 7, window.right - 10, window.top + 18);
    m_rectSecond = m_rectClose;
    m_rectSecond.OffsetRect(-13, 0);
  }
}

void CDockingPaneBar::OnWindowPosChanged(WINDOWPOS* lpwndpos) {
  CControlBar::OnWindowPosChanged(lpwndpos);
  if (m_hWnd == nullptr || m_pChild == nullptr || m_pChild->m_hWnd == nullptr) return;
  if (m_bInFrameChange) {
    CRect client;
    GetClientRect(&client);
    m_pChild->MoveWindow(&client);
    return;
  }
  const UINT side = DockSide();
  const bool resized = lpwndpos != nullptr && !(lpwndpos->flags & SWP_NOSIZE);
  if (side == m_nDockSide && !resized && (m_dwStyle & CBRS_BORDER_ANY) != CBRS_BORDER_ANY) return;
  m_nDockSide = side;
  m_bInFrameChange = TRUE;
  SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  CRect client;
  GetClientRect(&client);
  m_pChild->MoveWindow(&client);
  m_bInFrameChange = FALSE;
}

void CDockingPaneBar::OnNcPaint() {
  CWindowDC dc(this);
  CRect window;
  GetWindowRect(&window);
  window.OffsetRect(-window.left, -window.top);
  dc.FillSolidRect(&window, ::GetSysColor(COLOR_BTNFACE));
  dc.Draw3dRect(&window, m_clrHighlight, m_clrShadow);
  DrawGripper(dc);
}

void CDockingPaneBar::DrawGripper(CDC& dc) {
  if (IsFloating() || m_rectGripper.IsRectEmpty()) return;
  if (IsHorizontal()) {
    const CRect line(m_rectGripper.left + 10, m_rectGripper.top - 2, m_rectGripper.left + 13,
                     m_rectGripper.bottom - 10);
    dc.Draw3dRect(&line, m_clrHighlight, m_clrShadow);
    CRect second = line;
    second.OffsetRect(4, 0);
    dc.Draw3dRect(&second, m_clrHighlight, m_clrShadow);
  } else {
    // The bar's title ("File List") leads the gripper; the lines fill what is left.
    const int title_end = DrawTitle(dc);
    const CRect line(std::max(m_rectGripper.left + 10, title_end), m_rectGripper.top + 10, m_rectGripper.right + 2,
                     m_rectGripper.top + 13);
    dc.Draw3dRect(&line, m_clrHighlight, m_clrShadow);
    CRect second = line;
    second.OffsetRect(0, 4);
    dc.Draw3dRect(&second, m_clrHighlight, m_clrShadow);
  }
  CRect close = m_rectClose;
  dc.DrawFrameControl(&close, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  CRect second = m_rectSecond;
  dc.DrawFrameControl(&second, DFC_CAPTION, DFCS_CAPTIONMAX);
}

int CDockingPaneBar::DrawTitle(CDC& dc) {
  CString title;
  GetWindowText(title);
  if (title.IsEmpty()) return m_rectGripper.left;
  CFont* old = dc.SelectObject(CFont::FromHandle(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
  const CSize extent = dc.GetTextExtent(title);
  CRect area(m_rectGripper.left + 6, m_rectGripper.top, m_rectGripper.right - 4, m_rectGripper.bottom);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
  dc.ExtTextOut(area.left, area.top + (area.Height() - extent.cy) / 2, ETO_CLIPPED, &area, title, nullptr);
  dc.SelectObject(old);
  return std::min(area.left + extent.cx + 6, static_cast<int>(area.right));
}

LRESULT CDockingPaneBar::OnNcHitTest(CPoint point) {
  if (IsFloating()) return CControlBar::OnNcHitTest(point);
  CRect window;
  GetWindowRect(&window);
  point.Offset(-window.left, -window.top);
  if (m_rectClose.PtInRect(point)) return HTSYSMENU;
  if (m_rectSecond.PtInRect(point)) return HTMINBUTTON;
  if (m_rectGripper.PtInRect(point)) return HTCAPTION;
  if (m_rectEdge.PtInRect(point)) return HTSIZE;
  return CControlBar::OnNcHitTest(point + window.TopLeft());
}

void CDockingPaneBar::OnNcLButtonDown(UINT nHitTest, CPoint point) {
  if (m_bTracking || IsFloating()) return;
  switch (nHitTest) {
    case HTSYSMENU:
      if (ShownFlag != nullptr) *ShownFlag = 0;
      if (m_pDockSite != nullptr) m_pDockSite->ShowControlBar(this, FALSE, FALSE);
      return;
    case HTCAPTION:
      if (m_pDockContext != nullptr) m_pDockContext->StartDrag(point);
      return;
    case HTSIZE:
      StartTracking();
      return;
    default:
      CControlBar::OnNcLButtonDown(nHitTest, point);
  }
}

void CDockingPaneBar::OnNcLButtonDblClk(UINT nHitTest, CPoint point) {
  if (nHitTest == HTCAPTION && m_pDockContext != nullptr) {
    m_pDockContext->ToggleDocking();
    return;
  }
  CControlBar::OnNcLButtonDblClk(nHitTest, point);
}

void CDockingPaneBar::OnLButtonDblClk(UINT, CPoint) {
  if (m_pDockContext != nullptr) m_pDockContext->ToggleDocking();
}

void CDockingPaneBar::OnLButtonDown(UINT nFlags, CPoint point) {
  if (m_pDockContext == nullptr) {
    CControlBar::OnLButtonDown(nFlags, point);
    return;
  }
  ClientToScreen(&point);
  m_pDockContext->StartDrag(point);
}

BOOL CDockingPaneBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (nHitTest == HTSIZE && !m_bTracking) {
    ::SetCursor(::LoadCursor(nullptr, IsHorizontal() ? IDC_SIZENS : IDC_SIZEWE));
    return TRUE;
  }
  return CControlBar::OnSetCursor(pWnd, nHitTest, message);
}

void CDockingPaneBar::StartTracking() {
  SetCapture();
  RedrawWindow(nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
  m_bTracking = TRUE;
  CRect window;
  GetWindowRect(&window);
  m_rectTracker = m_rectEdge;
  m_rectTracker.OffsetRect(window.left, window.top);
  ScreenToClient(&m_rectTracker);
  if (!IsHorizontal()) m_rectTracker.bottom -= 4;
  m_ptOld = m_rectTracker.CenterPoint();
  DrawTracker();
}

void CDockingPaneBar::OnMouseMove(UINT nFlags, CPoint point) {
  if (!m_bTracking) {
    CControlBar::OnMouseMove(nFlags, point);
    return;
  }
  const UINT side = DockSide();
  if (side == AFX_IDW_DOCKBAR_BOTTOM) point.y += kEdgeWidth;
  if (side == AFX_IDW_DOCKBAR_RIGHT) point.x += kEdgeWidth;
  DrawTracker();
  const CPoint centre = m_rectTracker.CenterPoint();
  if (IsHorizontal()) {
    m_rectTracker.OffsetRect(0, point.y - centre.y);
  } else {
    m_rectTracker.OffsetRect(point.x - centre.x, 0);
  }
  DrawTracker();
}

void CDockingPaneBar::OnLButtonUp(UINT nFlags, CPoint point) {
  if (!m_bTracking) {
    CControlBar::OnLButtonUp(nFlags, point);
    return;
  }
  StopTracking(TRUE);
}

void CDockingPaneBar::OnCaptureChanged(CWnd* pWnd) {
  if (m_bTracking && pWnd != this) StopTracking(FALSE);
  CControlBar::OnCaptureChanged(pWnd);
}

void CDockingPaneBar::StopTracking(BOOL apply) {
  DrawTracker();
  m_bTracking = FALSE;
  if (GetCapture() == this) ReleaseCapture();
  if (!apply || m_pDockSite == nullptr) return;
  const CPoint centre = m_rectTracker.CenterPoint();
  const CPoint moved(centre.x - m_ptOld.x, centre.y - m_ptOld.y);
  CRect frame;
  m_pDockSite->GetWindowRect(&frame);
  const UINT side = DockSide();
  const bool horizontal = IsHorizontal();
  // Towards the frame's middle counts as growing on every side.
  const int delta = side == AFX_IDW_DOCKBAR_TOP      ? moved.y
                    : side == AFX_IDW_DOCKBAR_BOTTOM ? -moved.y
                    : side == AFX_IDW_DOCKBAR_LEFT   ? moved.x
                                                     : -moved.x;
  int& thickness = horizontal ? HorzDockedSize.cy : VertDockedSize.cx;
  const int limit = thickness + (horizontal ? frame.Height() : frame.Width());
  const int wanted = std::min(thickness + delta, limit);
  thickness = wanted < kMinimumSize ? kMinimumSize : wanted;
  m_pDockSite->RecalcLayout();
}

void CDockingPaneBar::DrawTracker() {
  if (m_pDockSite == nullptr) return;
  CRect rect = m_rectTracker;
  ClientToScreen(&rect);
  CRect frame;
  m_pDockSite->GetWindowRect(&frame);
  rect.OffsetRect(-frame.left, -frame.top);
  rect.DeflateRect(1, 1);
  CWindowDC dc(m_pDockSite);
  dc.InvertRect(&rect);
}
