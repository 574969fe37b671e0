// CFrameWnd: a top-level (or MDI child) window that holds a view or
// splitter, control bars docked at its sides, a menu and accelerators, and
// routes commands: active view (then its document), the frame itself, the
// application.
#pragma once

#include <vector>

#include "platform/classlib/cwnd.h"
#include "platform/classlib/docview/afx_ids.h"

class CControlBar;
class CDockBar;
class CDocument;
class CView;
struct CCreateContext;

class CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)

 public:
  CFrameWnd();
  ~CFrameWnd() override;

  static const CRect rectDefault;

  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
              const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
              DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
  // Creates the frame from its resources: the title string, menu and accelerators nIDResource.
  virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

  virtual CView* GetActiveView() const;
  void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
  virtual CDocument* GetActiveDocument();
  virtual CFrameWnd* GetActiveFrame();
  virtual void ActivateFrame(int nCmdShow = -1);
  void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
  virtual void RecalcLayout(BOOL bNotify = TRUE);
  virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
  void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
  virtual BOOL IsFrameWnd() const { return TRUE; }
  BOOL IsTracking() const { return FALSE; }

  // Control bars: the frame lays them out at its sides, hides and shows them.
  void EnableDocking(DWORD dwDockStyle);
  void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
  void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
  void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
  CControlBar* GetControlBar(UINT nID);
  void AddControlBar(CControlBar* pBar);
  void RemoveControlBar(CControlBar* pBar);
  virtual void DelayRecalcLayout(BOOL bNotify = TRUE);
  CWnd* GetMessageBar();
  void SetMessageText(LPCTSTR lpszText);
  void SetMessageText(UINT nID);
  void BeginModalState() {}
  void EndModalState() {}

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
  virtual HACCEL GetDefaultAccelerator();
  // A view of the context's class as the frame's pane.
  CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

  HMENU m_hMenuDefault = nullptr;
  HACCEL m_hAccelTable = nullptr;
  UINT m_nIDHelp = 0;
  BOOL m_bAutoMenuEnable = TRUE;
  CString m_strTitle;
  std::vector<CControlBar*> m_listControlBars;
  CDockBar* m_dockBars[4] = {nullptr, nullptr, nullptr, nullptr};  // top, left, right, bottom
  CRect m_rectBorder;

 protected:
  void PostNcDestroy() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnClose();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  afx_msg void OnDropFiles(HDROP hDropInfo);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
  afx_msg BOOL OnBarCheck(UINT nID);
  afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
  afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
  afx_msg void OnNextPane();
  afx_msg void OnPrevPane();

  DECLARE_MESSAGE_MAP()

  CView* active_view_ = nullptr;
  bool in_recalc_ = false;
  HMENU own_menu_ = nullptr;  // the menu LoadFrame made
};

// The files of a WM_DROPFILES message.
UINT DragQueryFile(HDROP hDrop, UINT iFile, LPTSTR lpszFile, UINT cch);
void DragFinish(HDROP hDrop);
// Makes the drop handle a backend hands to WM_DROPFILES.
HDROP AfxMakeDropFiles(const std::vector<std::string>& paths);
