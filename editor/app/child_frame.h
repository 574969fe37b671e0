// The frame of one document window: a dynamic splitter of up to 2 x 2 panes,
// all views of the same document.
#pragma once

#include "platform/classlib/afxwin.h"

class CChildFrame : public CMDIChildWnd {
  DECLARE_DYNCREATE(CChildFrame)

 public:
  CChildFrame() = default;
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  // Document windows show maximised unless asked otherwise: they have no captions of their own to arrange.
  void ActivateFrame(int nCmdShow = -1) override;
  CSplitterWnd& Splitter() { return m_wndSplitter; }

 private:
  CSplitterWnd m_wndSplitter;
};
