// CDockingPaneBar: a control bar that hosts one child dialog, docks at any
// side of its frame or floats. Docked, it draws a gripper with a close button
// and has a sizing edge on its inner side that the user drags to make it
// thicker or thinner.
#pragma once

#include "platform/classlib/afxwin.h"

class CDockingPaneBar : public CControlBar {
 public:
  static constexpr int kEdgeWidth = 6;
  static constexpr int kGripperThickness = 20;
  static constexpr int kInnerGap = 3;
  static constexpr int kMinimumSize = 32;

  CDockingPaneBar();

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
  virtual BOOL Create(CWnd* pParentWnd, CDialog* pDialog, LPCTSTR lpszTitle, UINT nIDChild, DWORD dwStyle);

  // The outside flag that the close button clears.
  void SetShownFlag(int* flag) { ShownFlag = flag; }
  CWnd* GetChild() const { return m_pChild; }
  BOOL IsHorizontal() const;
  BOOL IsTracking() const { return m_bTracking; }

  CSize HorzDockedSize{200, 200};
  CSize VertDockedSize{200, 200};
  CSize FloatSize{200, 200};
  int* ShownFlag = nullptr;

 protected:
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
  afx_msg void OnNcPaint();
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  UINT DockSide() const;
  void StartTracking();
  void StopTracking(BOOL apply);
  void DrawTracker();
  void DrawGripper(CDC& dc);
  // Draws the bar's title at the head of a horizontal gripper; returns where the text ends.
  int DrawTitle(CDC& dc);
  // The gripper, close button, second button and sizing edge, in window coordinates.
  void UpdateHitRects(const CRect& window, UINT side);

  COLORREF m_clrHighlight;
  COLORREF m_clrShadow;
  UINT m_nDockSide = 0;
  BOOL m_bTracking = FALSE;
  CRect m_rectTracker;
  CPoint m_ptOld;
  BOOL m_bInFrameChange = FALSE;
  CWnd* m_pChild = nullptr;
  CRect m_rectEdge;
  CRect m_rectGripper;
  CRect m_rectClose;
  CRect m_rectSecond;
  int m_cyCaption = 0;
  int m_cxMinimum = 0;
  int m_cyMinimum = 0;
};
