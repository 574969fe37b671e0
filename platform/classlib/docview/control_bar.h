// Control bars: windows along a frame's sides that the frame lays out before
// its view (tool bar, status bar, dialog bar, bars of the program's own).
// Bars that can dock live in the frame's dock bars (one per side) or float
// in a mini frame; a bar's dock context moves it between them.
#pragma once

#include <vector>

#include "platform/classlib/cwnd.h"
#include "platform/classlib/docview/afx_ids.h"
#include "platform/classlib/docview/frame_wnd.h"

class CControlBar;
class CDockBar;
class CFrameWnd;

// What WM_SIZEPARENT carries: the room left in the parent, taken by each bar in turn.
struct AFX_SIZEPARENTPARAMS {
  CRect rect;
  CSize sizeTotal;
  BOOL bStretch = TRUE;
  BOOL bQuery = FALSE;  // measure only, move nothing
};

class CDockContext {
 public:
  explicit CDockContext(CControlBar* pBar) : m_pBar(pBar) {}
  virtual ~CDockContext() = default;

  // The mouse pressed on the bar at a screen point: the bar follows it until
  // release, then docks at the frame side it was released near, or floats.
  virtual void StartDrag(CPoint pt);
  // Docked bars float; floating bars go back to the side they were docked at.
  virtual void ToggleDocking();
  BOOL IsDragging() const { return dragging_; }
  // Mouse input while dragging; TRUE when it was taken.
  BOOL OnDragMessage(UINT message, CPoint screen);

  CControlBar* m_pBar;
  CFrameWnd* m_pDockSite = nullptr;
  DWORD m_dwDockStyle = 0;
  UINT m_uMRUDockID = AFX_IDW_DOCKBAR_TOP;
  CPoint m_ptMRUFloatPos{100, 100};

 private:
  bool dragging_ = false;
  CPoint start_;
};

class CControlBar : public CWnd {
  DECLARE_DYNAMIC(CControlBar)

 public:
  CControlBar();
  ~CControlBar() override;

  // The size the bar wants along its side; stretched bars take the whole length.
  virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
  virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
  // Updates what the bar shows of its commands (buttons, panes, controls).
  virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
  virtual void DelayShow(BOOL bShow);
  virtual BOOL IsVisible() const;
  virtual DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);
  virtual void DoPaint(CDC* pDC);
  virtual void DrawBorders(CDC* pDC, CRect& rect);
  virtual void DrawGripper(CDC* pDC, const CRect& rect);
  virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;

  void EnableDocking(DWORD dwDockStyle);
  BOOL IsFloating() const;
  BOOL IsDockBar() const { return m_bDockBar; }
  DWORD GetBarStyle() const { return m_dwStyle; }
  void SetBarStyle(DWORD dwStyle);
  CFrameWnd* GetDockingFrame() const;
  int GetCount() const { return 0; }
  void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  DWORD m_dwStyle = 0;  // CBRS_ styles
  DWORD m_dwDockStyle = 0;
  CFrameWnd* m_pDockSite = nullptr;
  CDockBar* m_pDockBar = nullptr;
  CDockContext* m_pDockContext = nullptr;
  BOOL m_bAutoDelete = FALSE;
  BOOL m_bDockBar = FALSE;
  int m_cxLeftBorder = 6;
  int m_cxRightBorder = 6;
  int m_cyTopBorder = 2;
  int m_cyBottomBorder = 2;
  int m_cxDefaultGap = 2;
  int m_nMRUWidth = 32767;

 protected:
  void PostNcDestroy() override;
  // The child windows of the bar get their commands updated (dialog bars).
  void UpdateChildControls(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  afx_msg void OnPaint();
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();

  DECLARE_MESSAGE_MAP()
};

// A frame side where docked bars stand one after the other.
class CDockBar : public CControlBar {
  DECLARE_DYNAMIC(CDockBar)

 public:
  explicit CDockBar(BOOL bFloating = FALSE);

  BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
  void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
  BOOL RemoveControlBar(CControlBar* pBar);
  int GetDockedCount() const { return static_cast<int>(m_arrBars.size()); }
  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

  BOOL m_bFloating;
  std::vector<CControlBar*> m_arrBars;

 protected:
  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  bool Horizontal() const;
};

// The small frame a floating bar lives in.
class CMiniDockFrameWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMiniDockFrameWnd)

 public:
  CMiniDockFrameWnd();
  BOOL Create(CWnd* pParent, DWORD dwBarStyle);
  void RecalcLayout(BOOL bNotify = TRUE) override;

  CDockBar m_wndDockBar;

 protected:
  afx_msg void OnClose();
  DECLARE_MESSAGE_MAP()
};
