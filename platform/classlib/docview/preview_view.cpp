#include "platform/classlib/docview/preview_view.h"

#include <algorithm>

#include "platform/classlib/docview/afx_ids.h"
#include "platform/classlib/docview/frame_wnd.h"
#include "platform/classlib/docview/print_dialogs.h"

IMPLEMENT_DYNAMIC(CPreviewView, CView)

BEGIN_MESSAGE_MAP(CPreviewView, CView)
ON_COMMAND(AFX_ID_PREVIEW_CLOSE, &CPreviewView::OnPreviewClose)
ON_COMMAND(AFX_ID_PREVIEW_NEXT, &CPreviewView::OnPreviewNext)
ON_COMMAND(AFX_ID_PREVIEW_PREV, &CPreviewView::OnPreviewPrev)
ON_COMMAND(AFX_ID_PREVIEW_PRINT, &CPreviewView::OnPreviewPrint)
ON_COMMAND(ID_FILE_PRINT, &CPreviewView::OnPreviewPrint)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, &CPreviewView::OnUpdateNext)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, &CPreviewView::OnUpdatePrev)
ON_WM_KEYDOWN()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

constexpr int kGap = 8;

// Draws on the preview window in printer units, measuring on the printer.
class CPreviewDC : public CDC {
 public:
  CPreviewDC(CWnd* window, HDC printer, double scale, CPoint origin) : client_(window) {
    m_hDC = client_.m_hDC;
    m_hAttribDC = printer;
    m_bPrinting = TRUE;
    SetOutputTransform(scale, origin);
  }
  ~CPreviewDC() override { m_hDC = m_hAttribDC = nullptr; }

 private:
  CClientDC client_;
};

}  // namespace

CPreviewView::CPreviewView() = default;
CPreviewView::~CPreviewView() = default;

BOOL CPreviewView::Start(CFrameWnd* pFrame, CView* pPrintView) {
  frame_ = pFrame;
  print_view_ = pPrintView;
  info_ = std::make_unique<CPrintInfo>();
  info_->m_bPreview = TRUE;
  if (!print_view_->OnPreparePrinting(info_.get()) || info_->m_pPD->m_pd.hDC == nullptr) {
    delete this;
    return FALSE;
  }
  printer_.Attach(info_->m_pPD->m_pd.hDC);
  info_->m_pPD->m_pd.hDC = nullptr;
  printer_.m_bPrinting = TRUE;
  print_view_->OnBeginPrinting(&printer_, info_.get());
  page_ = std::max(1U, info_->GetMinPage());

  CWnd* pane = frame_->GetDlgItem(AFX_IDW_PANE_FIRST);
  if (pane != nullptr) {
    saved_pane_ = pane->m_hWnd;
    pane->ShowWindow(SW_HIDE);
    pane->SetDlgCtrlID(AFX_IDW_PANE_SAVE);
  }
  CRect client;
  frame_->GetClientRect(&client);
  if (!Create(nullptr, "", WS_CHILD | WS_VISIBLE, client, frame_, AFX_IDW_PANE_FIRST)) {
    if (CWnd* saved = CWnd::FromHandle(saved_pane_)) {
      saved->SetDlgCtrlID(AFX_IDW_PANE_FIRST);
      saved->ShowWindow(SW_SHOW);
    }
    print_view_->OnEndPrinting(&printer_, info_.get());
    return FALSE;  // the window deleted this object
  }
  frame_->SetActiveView(this);
  frame_->RecalcLayout();
  return TRUE;
}

bool CPreviewView::PageExists(UINT page) {
  if (page < info_->GetMinPage() || page > info_->GetMaxPage()) return false;
  const UINT saved = info_->m_nCurPage;
  info_->m_nCurPage = page;
  info_->m_bContinuePrinting = TRUE;
  print_view_->OnPrepareDC(&printer_, info_.get());
  const bool exists = info_->m_bContinuePrinting != FALSE;
  info_->m_nCurPage = saved;
  info_->m_bContinuePrinting = TRUE;
  return exists;
}

BOOL CPreviewView::SetCurrentPage(UINT nPage) {
  if (!PageExists(nPage)) return FALSE;
  page_ = nPage;
  Invalidate();
  return TRUE;
}

CRect CPreviewView::PageRect() const {
  CRect client;
  GetClientRect(&client);
  const int page_width = std::max(1, printer_.GetDeviceCaps(PHYSICALWIDTH));
  const int page_height = std::max(1, printer_.GetDeviceCaps(PHYSICALHEIGHT));
  const double scale = std::min(std::max(client.Width() - 2 * kGap, 1) / static_cast<double>(page_width),
                                std::max(client.Height() - 2 * kGap, 1) / static_cast<double>(page_height));
  const int width = static_cast<int>(page_width * scale);
  const int height = static_cast<int>(page_height * scale);
  const int left = (client.Width() - width) / 2;
  const int top = (client.Height() - height) / 2;
  return CRect(left, top, left + width, top + height);
}

BOOL CPreviewView::OnEraseBkgnd(CDC*) { return TRUE; }

void CPreviewView::OnDraw(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  pDC->FillSolidRect(&client, GetSysColor(COLOR_APPWORKSPACE));
  const CRect page = PageRect();
  pDC->FillSolidRect(&page, RGB(255, 255, 255));
  const int page_width = std::max(1, printer_.GetDeviceCaps(PHYSICALWIDTH));
  const double scale = page.Width() / static_cast<double>(page_width);
  const CPoint origin(page.left + static_cast<int>(printer_.GetDeviceCaps(PHYSICALOFFSETX) * scale),
                      page.top + static_cast<int>(printer_.GetDeviceCaps(PHYSICALOFFSETY) * scale));
  CPreviewDC dc(this, printer_.m_hDC, scale, origin);
  dc.IntersectClipRect(0, 0, printer_.GetDeviceCaps(HORZRES), printer_.GetDeviceCaps(VERTRES));
  info_->m_nCurPage = page_;
  info_->m_bContinuePrinting = TRUE;
  print_view_->OnPrepareDC(&dc, info_.get());
  if (!info_->m_bContinuePrinting) return;
  info_->m_rectDraw.SetRect(0, 0, printer_.GetDeviceCaps(HORZRES), printer_.GetDeviceCaps(VERTRES));
  print_view_->OnPrint(&dc, info_.get());
}

void CPreviewView::OnPreviewNext() { SetCurrentPage(page_ + 1); }
void CPreviewView::OnPreviewPrev() {
  if (page_ > 1) SetCurrentPage(page_ - 1);
}
void CPreviewView::OnUpdateNext(CCmdUI* pCmdUI) { pCmdUI->Enable(PageExists(page_ + 1)); }
void CPreviewView::OnUpdatePrev(CCmdUI* pCmdUI) { pCmdUI->Enable(page_ > info_->GetMinPage()); }
void CPreviewView::OnPreviewClose() { Close(false); }
void CPreviewView::OnPreviewPrint() { Close(true); }

void CPreviewView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  switch (nChar) {
    case VK_ESCAPE:
      Close(false);
      return;
    case VK_NEXT:
    case VK_DOWN:
      OnPreviewNext();
      return;
    case VK_PRIOR:
    case VK_UP:
      OnPreviewPrev();
      return;
    default:
      CView::OnKeyDown(nChar, nRepCnt, nFlags);
  }
}

void CPreviewView::Close(bool print_after) {
  CView* print_view = print_view_;
  CFrameWnd* frame = frame_;
  print_view_->OnEndPrintPreview(&printer_, info_.get(), CPoint(0, 0), this);
  if (CWnd* saved = CWnd::FromHandle(saved_pane_)) {
    SetDlgCtrlID(AFX_IDW_PANE_SAVE);
    saved->SetDlgCtrlID(AFX_IDW_PANE_FIRST);
    saved->ShowWindow(SW_SHOW);
  }
  frame->SetActiveView(print_view);
  DestroyWindow();  // deletes this object
  frame->RecalcLayout();
  if (print_after) print_view->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}
