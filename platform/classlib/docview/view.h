// CView: a window that shows a document, inside a frame (or a splitter
// pane), with the print framework's hooks. Views delete themselves when
// their window goes.
#pragma once

#include "platform/classlib/cwnd.h"
#include "platform/classlib/docview/print_info.h"

class CDocument;
class CDocTemplate;
class CFrameWnd;
class CSplitterWnd;
class CPreviewView;
class CView;

struct CCreateContext {
  CRuntimeClass* m_pNewViewClass = nullptr;
  CDocument* m_pCurrentDoc = nullptr;
  CDocTemplate* m_pNewDocTemplate = nullptr;
  CView* m_pLastView = nullptr;
  CFrameWnd* m_pCurrentFrame = nullptr;
};

class CView : public CWnd {
  DECLARE_DYNAMIC(CView)

 public:
  CView() = default;
  ~CView() override;

  CDocument* GetDocument() const { return m_pDocument; }
  virtual BOOL IsSelected(const CObject* pDocItem) const;
  // The splitter the view is a pane of; with bAnyState also when it is not split.
  static CSplitterWnd* GetParentSplitter(const CWnd* pWnd, BOOL bAnyState);

  virtual void OnInitialUpdate();
  // The document changed: repaints by default.
  virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
  virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
  virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
  virtual void OnDraw(CDC* pDC) = 0;
  virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);

  // Printing hooks, in the order a print run calls them.
  virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
  virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);
  // Shows the print dialog (not for direct printing or preview) and makes the printer DC.
  BOOL DoPreparePrinting(CPrintInfo* pInfo);
  // Replaces the view in its frame by a print preview until the preview is closed.
  BOOL DoPrintPreview(CView* pPrintView);

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  CDocument* m_pDocument = nullptr;

 protected:
  void PostNcDestroy() override;

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnPaint();
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 public:
  // The print commands; views map ID_FILE_PRINT, ID_FILE_PRINT_DIRECT and ID_FILE_PRINT_PREVIEW to them.
  afx_msg void OnFilePrint();
  afx_msg void OnFilePrintPreview();
  // Splits the view's dynamic splitter (ID_WINDOW_SPLIT).
  afx_msg BOOL OnSplitCmd(UINT nID);
  afx_msg void OnUpdateSplitCmd(CCmdUI* pCmdUI);

 private:
  friend class CDocument;
  friend class CPreviewView;
  void RunPrint(BOOL direct);
};
