#include "editor/app/child_frame.h"

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

namespace {

constexpr int kMinimumPane = 30;

}  // namespace

BOOL CChildFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
  return m_wndSplitter.Create(this, 2, 2, CSize(kMinimumPane, kMinimumPane), pContext,
                              WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT, AFX_IDW_PANE_FIRST);
}

void CChildFrame::ActivateFrame(int nCmdShow) {
  CMDIChildWnd::ActivateFrame(nCmdShow == -1 ? SW_SHOWMAXIMIZED : nCmdShow);
}
