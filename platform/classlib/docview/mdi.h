// Multiple-document frames: the main frame holds an MDI client window whose
// children are the document frames; one child is active at a time, and the
// main frame's menu bar is the active child's (its template's) menu.
#pragma once

#include "platform/classlib/docview/frame_wnd.h"

class CMDIChildWnd;

namespace afx {
// void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
template <class Self, auto Fn>
BOOL MdiActivateThunk(CCmdTarget& t, MessageArgs& a) {
  auto& self = Target<Self, Fn>(t);
  CWnd* activated = WndFromLParam(a.lParam);
  (self.*Fn)(activated == &self, activated, WndFromParam(a.wParam));
  return TRUE;
}
}  // namespace afx

#define ON_WM_MDIACTIVATE() AFX_WM_ENTRY(WM_MDIACTIVATE, MdiActivateThunk, &ThisClass::OnMDIActivate)

class CMDIFrameWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMDIFrameWnd)

 public:
  CMDIFrameWnd();

  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
  void MDIActivate(CWnd* pWndActivate);
  void MDINext();
  void MDIPrev();
  void MDIMaximize(CWnd* pWnd);
  void MDIRestore(CWnd* pWnd);
  void MDICascade();
  void MDITile(int nType = 0);
  void MDIIconArrange();
  CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);
  HMENU GetWindowMenuPopup(HMENU hMenuBar);
  CFrameWnd* GetActiveFrame() override;
  CView* GetActiveView() const override;
  CDocument* GetActiveDocument() override;
  void OnUpdateFrameTitle(BOOL bAddToTitle) override;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void RecalcLayout(BOOL bNotify = TRUE) override;
  // The children in the client, oldest first.
  std::vector<CMDIChildWnd*> Children() const;
  // The tiling the children were last given (MDITILE_ flags), kept for the windows
  // that open afterwards; -1 when they were cascaded or one was maximised since.
  int KeptTiling() const { return kept_tiling_; }
  // The window menu's list of the children, one command each from AFX_IDM_FIRST_MDICHILD.
  void UpdateWindowList();

  HWND m_hWndMDIClient = nullptr;

  afx_msg void OnWindowNew();
  afx_msg BOOL OnMDIWindowCmd(UINT nID);
  afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);

 protected:
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  friend class CMDIChildWnd;
  void ChildActivated(CMDIChildWnd* child);
  void ChildGone(CMDIChildWnd* child);
  void ShowMenuOf(CMDIChildWnd* child);

  void ChildShown(CMDIChildWnd* child);
  // The shown children in the order they were made: the window list's order.
  std::vector<CMDIChildWnd*> ListedChildren() const;

  CMDIChildWnd* active_child_ = nullptr;
  CWnd* client_ = nullptr;
  int kept_tiling_ = -1;
};

constexpr UINT AFX_IDM_FIRST_MDICHILD = 0xFF00;
constexpr int kMaxWindowListed = 9;

class CMDIChildWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMDIChildWnd)

 public:
  CMDIChildWnd();

  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
              DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
              CMDIFrameWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
  CMDIFrameWnd* GetMDIFrame() const;
  void MDIActivate();
  void MDIDestroy();
  void MDIMaximize();
  void MDIRestore();
  void ActivateFrame(int nCmdShow = -1) override;
  void OnUpdateFrameTitle(BOOL bAddToTitle) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  // The caption and the window list follow the title.
  void SetWindowTitle(const CString& title);

  HMENU m_hMenuShared = nullptr;

 protected:
  afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  afx_msg void OnDestroy();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  DECLARE_MESSAGE_MAP()

 private:
  friend class CMDIFrameWnd;
  CMDIFrameWnd* mdi_frame_ = nullptr;
  unsigned long made_ = 0;  // the order of making among the children
};
