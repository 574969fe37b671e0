// A small multiple-document program on the class library for the tests:
// documents of text lines, a view that draws them, child frames with a
// dynamic splitter, a main frame with a tool bar and a status bar.
#pragma once

#include <string>
#include <vector>

#include "platform/classlib/afxwin.h"

namespace docview_test {

constexpr UINT kMainResource = 128;
constexpr UINT kDocResource = 129;
constexpr UINT kDocCommand = 41001;
constexpr UINT kViewCommand = 41002;
constexpr UINT kDisabledCommand = 41003;
constexpr UINT kFrameCommand = 41004;
constexpr UINT kAppCommand = 41005;
constexpr UINT kLineIndicator = 41010;

class TestDoc : public CDocument {
  DECLARE_DYNCREATE(TestDoc)

 public:
  std::vector<std::string> lines;
  std::vector<std::string> handled;
  BOOL OnNewDocument() override;
  BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
  BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
  void OnDocCommand() { handled.push_back("doc"); }
  DECLARE_MESSAGE_MAP()
};

class TestView : public CView {
  DECLARE_DYNCREATE(TestView)

 public:
  TestDoc* Doc() const { return static_cast<TestDoc*>(GetDocument()); }
  void OnDraw(CDC* pDC) override;
  void OnInitialUpdate() override;
  void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;

  int initial_updates = 0;
  int activations = 0;
  int pages = 3;
  std::vector<std::string> handled;

 protected:
  afx_msg void OnViewCommand() { handled.push_back("view"); }
  afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
  afx_msg void OnUpdateLine(CCmdUI* pCmdUI);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  DECLARE_MESSAGE_MAP()
};

class TestChildFrame : public CMDIChildWnd {
  DECLARE_DYNCREATE(TestChildFrame)

 public:
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  CSplitterWnd splitter;
};

class TestMainFrame : public CMDIFrameWnd {
  DECLARE_DYNAMIC(TestMainFrame)

 public:
  CToolBar tool_bar;
  CStatusBar status_bar;
  std::vector<std::string> handled;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnFrameCommand() { handled.push_back("frame"); }
  DECLARE_MESSAGE_MAP()
};

class TestApp : public CWinApp {
 public:
  TestApp() : CWinApp("Tester") {}
  BOOL InitInstance() override;
  TestMainFrame* Main() const { return static_cast<TestMainFrame*>(m_pMainWnd); }
  std::vector<std::string> handled;

 protected:
  afx_msg void OnAppCommand() { handled.push_back("app"); }
  DECLARE_MESSAGE_MAP()
};

}  // namespace docview_test
