#include "platform/classlib/docview/view.h"

#include "platform/classlib/afx_message_box.h"
#include "platform/classlib/docview/afx_ids.h"
#include "platform/classlib/docview/document.h"
#include "platform/classlib/docview/frame_wnd.h"
#include "platform/classlib/docview/preview_view.h"
#include "platform/classlib/docview/print_dialogs.h"
#include "platform/classlib/docview/splitter.h"
#include "platform/classlib/docview/win_app.h"
#include "platform/classlib/gdi/dc.h"
#include "platform/classlib/window_record.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_MOUSEACTIVATE()
ON_MESSAGE(WM_INITIALUPDATE, &CView::OnInitialUpdateMessage)
ON_COMMAND_EX(ID_WINDOW_SPLIT, &CView::OnSplitCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_SPLIT, &CView::OnUpdateSplitCmd)
END_MESSAGE_MAP()

CView::~CView() {
  if (m_pDocument != nullptr) m_pDocument->RemoveView(this);
}

BOOL CView::IsSelected(const CObject*) const { return FALSE; }

CSplitterWnd* CView::GetParentSplitter(const CWnd* pWnd, BOOL bAnyState) {
  CWnd* parent = pWnd != nullptr ? pWnd->GetParent() : nullptr;
  auto* splitter = parent != nullptr ? DYNAMIC_DOWNCAST(CSplitterWnd, parent) : nullptr;
  if (splitter == nullptr) return nullptr;
  if (!bAnyState && splitter->GetRowCount() == 1 && splitter->GetColumnCount() == 1) return nullptr;
  return splitter;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
  (void)pSender;
  (void)lHint;
  (void)pHint;
  Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*) {
  if (bActivate && pActivateView == this) {
    CFrameWnd* frame = GetParentFrame();
    // The view takes the keyboard when its frame is the active one.
    if (frame != nullptr && (frame->GetActiveFrame() == frame || frame->GetTopLevelFrame() == frame)) SetFocus();
  }
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

void CView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
  (void)pDC;
  // Without a known page count printing goes on until the view says otherwise.
  if (pInfo != nullptr && pInfo->GetMaxPage() != 0xFFFF) {
    pInfo->m_bContinuePrinting = pInfo->m_nCurPage <= pInfo->GetMaxPage();
  }
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }
void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}
void CView::OnPrint(CDC* pDC, CPrintInfo*) { OnDraw(pDC); }
void CView::OnEndPrinting(CDC*, CPrintInfo*) {}
void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CPreviewView*) { OnEndPrinting(pDC, pInfo); }

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo) {
  CPrintDialog* dialog = pInfo->m_pPD;
  if (pInfo->m_bPreview || pInfo->m_bDirect) {
    dialog->m_pd.hDC = dialog->CreatePrinterDC();
  } else {
    dialog->m_pd.nMinPage = static_cast<WORD>(pInfo->GetMinPage());
    dialog->m_pd.nMaxPage = static_cast<WORD>(pInfo->GetMaxPage());
    CWinApp* app = AfxGetApp();
    const INT_PTR answer = app != nullptr ? app->DoPrintDialog(dialog) : dialog->DoModal();
    if (answer != IDOK) return FALSE;
  }
  return dialog->m_pd.hDC != nullptr;
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs) {
  if (cs.lpszClass == nullptr) cs.lpszClass = "AfxFrameOrView";
  return CWnd::PreCreateWindow(cs);
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CView::PostNcDestroy() { delete this; }

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  auto* context = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
  if (context != nullptr && context->m_pCurrentDoc != nullptr) context->m_pCurrentDoc->AddView(this);
  return 0;
}

void CView::OnDestroy() {
  if (CFrameWnd* frame = GetParentFrame(); frame != nullptr && frame->GetActiveView() == this) {
    frame->SetActiveView(nullptr, FALSE);
  }
  CWnd::OnDestroy();
}

void CView::OnPaint() {
  CPaintDC dc(this);
  OnPrepareDC(&dc);
  OnDraw(&dc);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
  const int answer = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
  if (answer == MA_NOACTIVATE || answer == MA_NOACTIVATEANDEAT) return answer;
  if (CFrameWnd* frame = GetParentFrame()) {
    // A click in an inactive view makes it the frame's active one.
    if (frame->GetActiveView() != this) {
      frame->SetActiveView(this);
    } else {
      SetFocus();
    }
  }
  return answer;
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM) {
  OnInitialUpdate();
  return 0;
}

void CView::OnFilePrint() {
  const MSG* current = GetCurrentMessage();
  RunPrint(current != nullptr && LOWORD(current->wParam) == ID_FILE_PRINT_DIRECT);
}

void CView::RunPrint(BOOL direct) {
  CPrintInfo info;
  info.m_bDirect = direct;
  if (!OnPreparePrinting(&info)) return;
  CDC printer;
  printer.Attach(info.m_pPD->m_pd.hDC);
  info.m_pPD->m_pd.hDC = nullptr;  // the DC is this run's now
  printer.m_bPrinting = TRUE;
  OnBeginPrinting(&printer, &info);
  CString title = m_pDocument != nullptr ? m_pDocument->GetTitle() : CString("");
  DOCINFO document;
  document.lpszDocName = title;
  const CString output = info.m_pPD->PrintToFile() ? info.m_pPD->GetOutputFile() : CString("");
  if (!output.IsEmpty()) document.lpszOutput = output;
  if (printer.StartDoc(&document) < 0) {
    OnEndPrinting(&printer, &info);
    AfxMessageBox("Failed to print document.");
    return;
  }
  bool failed = false;
  const UINT last = info.GetToPage();
  for (info.m_nCurPage = info.GetFromPage(); info.m_nCurPage <= last; ++info.m_nCurPage) {
    OnPrepareDC(&printer, &info);
    if (!info.m_bContinuePrinting) break;
    info.m_rectDraw.SetRect(0, 0, printer.GetDeviceCaps(HORZRES), printer.GetDeviceCaps(VERTRES));
    printer.DPtoLP(&info.m_rectDraw);
    if (printer.StartPage() < 0) {
      failed = true;
      break;
    }
    OnPrint(&printer, &info);
    if (printer.EndPage() < 0) {
      failed = true;
      break;
    }
  }
  if (failed) {
    printer.AbortDoc();
    AfxMessageBox("Failed to print document.");
  } else {
    printer.EndDoc();
  }
  OnEndPrinting(&printer, &info);
}

void CView::OnFilePrintPreview() { DoPrintPreview(this); }

BOOL CView::OnSplitCmd(UINT nID) {
  CSplitterWnd* splitter = GetParentSplitter(this, TRUE);
  if (splitter == nullptr) return FALSE;
  splitter->SendMessage(WM_COMMAND, nID);
  return TRUE;
}

void CView::OnUpdateSplitCmd(CCmdUI* pCmdUI) {
  CSplitterWnd* splitter = GetParentSplitter(this, TRUE);
  pCmdUI->Enable(splitter != nullptr && (splitter->GetRowCount() < splitter->GetMaxRowCount() ||
                                         splitter->GetColumnCount() < splitter->GetMaxColumnCount()));
}

BOOL CView::DoPrintPreview(CView* pPrintView) {
  CFrameWnd* frame = GetParentFrame();
  if (frame == nullptr) return FALSE;
  auto* preview = new CPreviewView;
  if (!preview->Start(frame, pPrintView)) {
    // The preview window, when made, deleted itself.
    return FALSE;
  }
  return TRUE;
}
