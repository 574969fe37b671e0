// Print preview: replaces a frame's view by pages drawn by that view's print
// hooks, scaled to the window, until it is closed.
#pragma once

#include <memory>

#include "platform/classlib/docview/view.h"
#include "platform/classlib/gdi/dc.h"

class CFrameWnd;

class CPreviewView : public CView {
  DECLARE_DYNAMIC(CPreviewView)

 public:
  CPreviewView();
  ~CPreviewView() override;

  // Runs the print preparation and shows page 1; FALSE (and the object gone) when it cannot.
  BOOL Start(CFrameWnd* pFrame, CView* pPrintView);
  UINT CurrentPage() const { return page_; }
  BOOL SetCurrentPage(UINT nPage);
  // Where the page lands in the client area, and the scale from printer pixels.
  CRect PageRect() const;
  void OnDraw(CDC* pDC) override;

  afx_msg void OnPreviewClose();
  afx_msg void OnPreviewNext();
  afx_msg void OnPreviewPrev();
  afx_msg void OnPreviewPrint();
  afx_msg void OnUpdateNext(CCmdUI* pCmdUI);
  afx_msg void OnUpdatePrev(CCmdUI* pCmdUI);

 protected:
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  DECLARE_MESSAGE_MAP()

 private:
  bool PageExists(UINT page);
  void Close(bool print_after);

  CFrameWnd* frame_ = nullptr;
  CView* print_view_ = nullptr;
  std::unique_ptr<CPrintInfo> info_;
  CDC printer_;
  HWND saved_pane_ = nullptr;
  UINT page_ = 1;
};
