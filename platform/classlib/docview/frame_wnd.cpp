#include "platform/classlib/docview/frame_wnd.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

#include "platform/classlib/docview/control_bar.h"
#include "platform/classlib/docview/doc_template.h"
#include "platform/classlib/docview/document.h"
#include "platform/classlib/docview/splitter.h"
#include "platform/classlib/docview/view.h"
#include "platform/classlib/docview/win_app.h"
#include "platform/classlib/string_table.h"
#include "platform/classlib/text_copy.h"
#include "platform/classlib/window/menu.h"
#include "platform/classlib/window/resources.h"
#include "platform/classlib/window/window_state.h"
#include "platform/classlib/window_record.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_ACTIVATE()
ON_WM_INITMENUPOPUP()
ON_WM_DROPFILES()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUI)
ON_MESSAGE(WM_SETMESSAGESTRING, &CFrameWnd::OnSetMessageString)
ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CFrameWnd::OnBarCheck)
ON_COMMAND_EX(ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, &CFrameWnd::OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, &CFrameWnd::OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, &CFrameWnd::OnUpdateKeyIndicator)
ON_COMMAND(ID_NEXT_PANE, &CFrameWnd::OnNextPane)
ON_COMMAND(ID_PREV_PANE, &CFrameWnd::OnPrevPane)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

namespace {

const StringTableRegistration kStrings{
    {AFX_IDS_IDLEMESSAGE, "Ready"}, {ID_INDICATOR_EXT, "EXT"}, {ID_INDICATOR_CAPS, "CAP"}, {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},    {ID_INDICATOR_OVR, "OVR"}, {ID_INDICATOR_REC, "REC"},
};

std::string FirstPart(const std::string& text) { return text.substr(0, text.find('\n')); }

// Dock bars come after the other bars, so the status bar spans the frame's
// whole width and side bars stand between the top and bottom ones.
int LayoutRank(CWnd* child) {
  const int id = child->GetDlgCtrlID();
  if (id == static_cast<int>(AFX_IDW_DOCKBAR_TOP)) return 2;
  if (id == static_cast<int>(AFX_IDW_DOCKBAR_BOTTOM)) return 3;
  if (id == static_cast<int>(AFX_IDW_DOCKBAR_LEFT)) return 4;
  if (id == static_cast<int>(AFX_IDW_DOCKBAR_RIGHT)) return 5;
  return 1;
}

struct DropFiles {
  std::vector<std::string> paths;
};

std::map<HDROP, std::unique_ptr<DropFiles>>& Drops() {
  static std::map<HDROP, std::unique_ptr<DropFiles>> drops;
  return drops;
}

}  // namespace

HDROP AfxMakeDropFiles(const std::vector<std::string>& paths) {
  auto drop = std::make_unique<DropFiles>();
  drop->paths = paths;
  HDROP handle = reinterpret_cast<HDROP>(drop.get());
  Drops()[handle] = std::move(drop);
  return handle;
}

UINT DragQueryFile(HDROP hDrop, UINT iFile, LPTSTR lpszFile, UINT cch) {
  const auto found = Drops().find(hDrop);
  if (found == Drops().end()) return 0;
  const auto& paths = found->second->paths;
  if (iFile == 0xFFFFFFFF) return static_cast<UINT>(paths.size());
  if (iFile >= paths.size()) return 0;
  if (lpszFile == nullptr) return static_cast<UINT>(paths[iFile].size());
  return static_cast<UINT>(afx::CopyText(paths[iFile], lpszFile, static_cast<int>(cch)));
}

void DragFinish(HDROP hDrop) { Drops().erase(hDrop); }

// RepositionBars lives here with the bars it lays out.
void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch) {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return;
  AFX_SIZEPARENTPARAMS layout;
  if (lpRectClient != nullptr) {
    layout.rect = *lpRectClient;
  } else {
    GetClientRect(&layout.rect);
  }
  layout.bStretch = bStretch;
  layout.bQuery = nFlag == reposQuery;
  std::vector<CWnd*> children;
  for (const auto& child : record->children) {
    const UINT id = static_cast<UINT>(child->id);
    if (id < nIDFirst || id > nIDLast || id == nIDLeftOver || child->attached == nullptr) continue;
    children.push_back(child->attached);
  }
  std::stable_sort(children.begin(), children.end(), [](CWnd* a, CWnd* b) { return LayoutRank(a) < LayoutRank(b); });
  for (CWnd* child : children) {
    if (IsWindow(child->m_hWnd)) child->SendMessage(WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
  }
  if (nFlag == reposQuery) {
    if (lpRectParam != nullptr) *lpRectParam = layout.rect;
    return;
  }
  CRect leftover = layout.rect;
  if (nFlag == reposExtra && lpRectParam != nullptr) {
    leftover.left += lpRectParam->left;
    leftover.top += lpRectParam->top;
    leftover.right -= lpRectParam->right;
    leftover.bottom -= lpRectParam->bottom;
  }
  if (nIDLeftOver != 0 && !(nFlag & reposNoPosLeftOver)) {
    if (CWnd* pane = GetDlgItem(static_cast<int>(nIDLeftOver))) {
      leftover.NormalizeRect();
      pane->MoveWindow(&leftover);
    }
  }
}

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() {
  if (own_menu_ != nullptr) ::DestroyMenu(own_menu_);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (cs.lpszClass == nullptr) cs.lpszClass = "AfxFrameOrView";
  if ((cs.style & FWS_ADDTOTITLE) && m_strTitle.IsEmpty() && cs.lpszName != nullptr) m_strTitle = cs.lpszName;
  return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext) {
  if (lpszMenuName != nullptr) {
    own_menu_ = ::LoadMenu(AfxGetResourceHandle(), lpszMenuName);
    m_hMenuDefault = own_menu_;
  }
  if (lpszWindowName != nullptr && m_strTitle.IsEmpty()) m_strTitle = lpszWindowName;
  return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, 0, pContext);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext) {
  m_nIDHelp = nIDResource;
  if (const std::string* title = string_table::Find(nIDResource)) m_strTitle = FirstPart(*title).c_str();
  if (m_hAccelTable == nullptr)
    m_hAccelTable = ::LoadAccelerators(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDResource));
  const bool has_menu = FindMenuResource(nIDResource) != nullptr;
  return Create(nullptr, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd,
                has_menu ? MAKEINTRESOURCE(nIDResource) : nullptr, 0, pContext);
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  if (m_hMenuDefault != nullptr && !(GetStyle() & WS_CHILD)) SetMenu(CMenu::FromHandle(m_hMenuDefault));
  auto* context = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
  if (!OnCreateClient(lpCreateStruct, context)) return -1;
  RecalcLayout();
  return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
  if (pContext != nullptr && pContext->m_pNewViewClass != nullptr) return CreateView(pContext) != nullptr;
  return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
  auto* view = static_cast<CWnd*>(pContext->m_pNewViewClass->CreateObject());
  if (view == nullptr) return nullptr;
  CRect rect;
  GetClientRect(&rect);
  if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, this, nID, pContext)) return nullptr;
  return view;
}

void CFrameWnd::PostNcDestroy() { delete this; }

void CFrameWnd::OnDestroy() {
  CWinApp* app = AfxGetApp();
  if (app != nullptr && app->m_pMainWnd == this) {
    app->m_pMainWnd = nullptr;
    PostQuitMessage(0);
  }
  CWnd::OnDestroy();
}

void CFrameWnd::OnClose() {
  CWinApp* app = AfxGetApp();
  if (app != nullptr && app->m_pMainWnd == this) {
    // The main window closes the program: every document may object first.
    if (!app->SaveAllModified()) return;
    app->CloseAllDocuments(FALSE);
    if (!IsWindow(m_hWnd)) return;
  } else if (CDocument* document = GetActiveDocument(); document != nullptr && !document->CanCloseFrame(this)) {
    return;
  }
  DestroyWindow();
}

CView* CFrameWnd::GetActiveView() const {
  return active_view_ != nullptr && IsWindow(active_view_->m_hWnd) ? active_view_ : nullptr;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
  CView* old = GetActiveView();
  if (old == pViewNew) return;
  active_view_ = pViewNew;
  if (!bNotify) return;
  if (old != nullptr) old->OnActivateView(FALSE, pViewNew, old);
  if (pViewNew != nullptr && active_view_ == pViewNew) pViewNew->OnActivateView(TRUE, pViewNew, old);
}

CDocument* CFrameWnd::GetActiveDocument() {
  CView* view = GetActiveView();
  return view != nullptr ? view->GetDocument() : nullptr;
}

CFrameWnd* CFrameWnd::GetActiveFrame() { return this; }

void CFrameWnd::ActivateFrame(int nCmdShow) {
  if (nCmdShow == -1) nCmdShow = IsWindowVisible() ? SW_SHOW : (IsZoomed() ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  ShowWindow(nCmdShow);
  if (!(GetStyle() & WS_CHILD)) {
    BringWindowToTop();
    SetActiveWindow();
  }
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
  CView* view = GetActiveView();
  if (view == nullptr) {
    CWnd* pane = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
    if (pane != nullptr && pane->IsKindOf(RUNTIME_CLASS(CView))) {
      view = static_cast<CView*>(pane);
    } else if (auto* splitter = pane != nullptr ? DYNAMIC_DOWNCAST(CSplitterWnd, pane) : nullptr) {
      view = DYNAMIC_DOWNCAST(CView, splitter->GetPane(0, 0));
    }
    if (view != nullptr) SetActiveView(view, FALSE);
  }
  if (bMakeVisible) {
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    if (!IsWindow(m_hWnd)) return;
    ActivateFrame();
    if (CView* active = GetActiveView()) active->OnActivateView(TRUE, active, active);
  }
  (void)pDoc;
  OnUpdateFrameTitle(TRUE);
  if (CWnd* main = AfxGetMainWnd(); main != nullptr && main != this) {
    if (auto* frame = DYNAMIC_DOWNCAST(CFrameWnd, main)) frame->OnUpdateFrameTitle(TRUE);
  }
}

void CFrameWnd::RecalcLayout(BOOL bNotify) {
  (void)bNotify;
  if (in_recalc_ || m_hWnd == nullptr) return;
  in_recalc_ = true;
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
  in_recalc_ = false;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify) { RecalcLayout(bNotify); }

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if (!(GetStyle() & FWS_ADDTOTITLE)) return;
  CDocument* document = GetActiveDocument();
  if (bAddToTitle && document != nullptr) {
    UpdateFrameTitleForDocument(document->GetTitle());
  } else {
    UpdateFrameTitleForDocument(nullptr);
  }
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName) {
  CString title = m_strTitle;
  if (lpszDocName != nullptr && *lpszDocName != '\0') {
    if (GetStyle() & FWS_PREFIXTITLE) {
      title = CString(lpszDocName) + " - " + m_strTitle;
    } else if (m_strTitle.IsEmpty()) {
      title = lpszDocName;
    } else {
      title = m_strTitle + " - " + lpszDocName;
    }
  }
  CString current;
  GetWindowText(current);
  if (current != title) SetWindowText(title);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd) {
  if (CView* view = GetActiveView()) {
    view->SetFocus();
    return;
  }
  CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  CWnd::OnActivate(nState, pWndOther, bMinimized);
  CFrameWnd* active = GetActiveFrame();
  if (CView* view = active != nullptr ? active->GetActiveView() : nullptr) view->OnActivateFrame(nState, this);
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC) {
  if (GetActiveView() != nullptr) return TRUE;  // the view covers the client area
  return CWnd::OnEraseBkgnd(pDC);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) {
  (void)nIndex;
  if (bSysMenu || pPopupMenu == nullptr) return;
  CCmdUI state;
  state.m_pMenu = pPopupMenu;
  state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
    if (state.m_nID == 0) continue;  // a separator
    if (state.m_nID == static_cast<UINT>(-1)) {
      // A popup item: enabled while any of its commands is, as the library decides it.
      state.m_pSubMenu = pPopupMenu->GetSubMenu(static_cast<int>(state.m_nIndex));
      if (state.m_pSubMenu == nullptr || state.m_pSubMenu->GetMenuItemCount() == 0) continue;
      state.m_pSubMenu = nullptr;
      continue;
    }
    state.m_pSubMenu = nullptr;
    state.m_pOther = nullptr;
    state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
  }
}

void CFrameWnd::OnDropFiles(HDROP hDropInfo) {
  SetActiveWindow();
  const UINT count = DragQueryFile(hDropInfo, 0xFFFFFFFF, nullptr, 0);
  CWinApp* app = AfxGetApp();
  for (UINT i = 0; i < count && app != nullptr; ++i) {
    char path[4096];
    DragQueryFile(hDropInfo, i, path, sizeof(path));
    app->OpenDocumentFile(path);
  }
  DragFinish(hDropInfo);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
  OnUpdateFrameTitle(TRUE);
  return 0;
}

CWnd* CFrameWnd::GetMessageBar() { return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE); }

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
  CWnd* bar = GetMessageBar();
  if (bar == nullptr) return 0;
  CString text;
  if (lParam != 0) {
    text = reinterpret_cast<LPCTSTR>(lParam);
  } else if (const std::string* found =
                 string_table::Find(wParam != 0 ? static_cast<UINT>(wParam) : AFX_IDS_IDLEMESSAGE)) {
    text = FirstPart(*found).c_str();
  }
  bar->SetWindowText(text);
  return 0;
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText) {
  SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID) { SendMessage(WM_SETMESSAGESTRING, nID); }

BOOL CFrameWnd::OnBarCheck(UINT nID) {
  CControlBar* bar = GetControlBar(nID);
  if (bar == nullptr) return FALSE;
  ShowControlBar(bar, !bar->IsVisible(), FALSE);
  return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
  CControlBar* bar = GetControlBar(pCmdUI->m_nID);
  if (bar == nullptr) {
    pCmdUI->ContinueRouting();
    return;
  }
  pCmdUI->SetCheck(bar->IsVisible());
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI) {
  const int key = pCmdUI->m_nID == ID_INDICATOR_CAPS  ? VK_CAPITAL
                  : pCmdUI->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK
                                                      : VK_SCROLL;
  pCmdUI->Enable(afx::IsHeld(key));
}

void CFrameWnd::OnNextPane() {
  if (auto* splitter = DYNAMIC_DOWNCAST(CSplitterWnd, GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE))) {
    splitter->ActivateNext(FALSE);
  }
}

void CFrameWnd::OnPrevPane() {
  if (auto* splitter = DYNAMIC_DOWNCAST(CSplitterWnd, GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE))) {
    splitter->ActivateNext(TRUE);
  }
}

HACCEL CFrameWnd::GetDefaultAccelerator() {
  HACCEL accel = m_hAccelTable;
  if (CDocument* document = GetActiveDocument()) {
    if (CDocTemplate* doc_template = document->GetDocTemplate();
        doc_template != nullptr && doc_template->m_hAccelTable) {
      accel = doc_template->m_hAccelTable;
    }
  }
  return accel;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  HACCEL accel = GetDefaultAccelerator();
  return accel != nullptr && ::TranslateAccelerator(m_hWnd, accel, pMsg);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) { return CWnd::OnCommand(wParam, lParam); }

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CView* view = GetActiveView(); view != nullptr && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  CWinApp* app = AfxGetApp();
  return app != nullptr && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// Control bars.

void CFrameWnd::AddControlBar(CControlBar* pBar) {
  if (std::find(m_listControlBars.begin(), m_listControlBars.end(), pBar) == m_listControlBars.end()) {
    m_listControlBars.push_back(pBar);
  }
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar) {
  m_listControlBars.erase(std::remove(m_listControlBars.begin(), m_listControlBars.end(), pBar),
                          m_listControlBars.end());
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) {
  for (CControlBar* bar : m_listControlBars) {
    if (IsWindow(bar->m_hWnd) && static_cast<UINT>(bar->GetDlgCtrlID()) == nID) return bar;
  }
  return nullptr;
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle) {
  static const struct {
    DWORD style;
    UINT id;
    int slot;
  } kSides[] = {{CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP, 0},
                {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM, 3},
                {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT, 1},
                {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT, 2}};
  for (const auto& side : kSides) {
    if (!(dwDockStyle & side.style) || m_dockBars[side.slot] != nullptr) continue;
    auto* dock = new CDockBar;  // deletes itself with its window
    if (!dock->Create(this, WS_CHILD | WS_VISIBLE | side.style, side.id)) continue;
    m_dockBars[side.slot] = dock;
  }
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
  if (pBar == nullptr) return;
  CDockBar* dock = nullptr;
  if (nDockBarID != 0) {
    dock = DYNAMIC_DOWNCAST(CDockBar, GetControlBar(nDockBarID));
  } else {
    static const struct {
      DWORD style;
      int slot;
    } kOrder[] = {{CBRS_ALIGN_TOP, 0}, {CBRS_ALIGN_BOTTOM, 3}, {CBRS_ALIGN_LEFT, 1}, {CBRS_ALIGN_RIGHT, 2}};
    for (const auto& side : kOrder) {
      if ((pBar->m_dwDockStyle & side.style) && m_dockBars[side.slot] != nullptr) {
        dock = m_dockBars[side.slot];
        break;
      }
    }
  }
  if (dock == nullptr) return;
  dock->DockControlBar(pBar, lpRect);
  RecalcLayout();
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
  if (pBar == nullptr) return;
  CMiniDockFrameWnd* mini = nullptr;
  if (pBar->IsFloating()) {
    mini = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, pBar->GetParentFrame());
  } else {
    mini = new CMiniDockFrameWnd;  // deletes itself with its window
    if (!mini->Create(this, dwStyle)) return;
    mini->m_wndDockBar.DockControlBar(pBar);
  }
  if (mini == nullptr) return;
  mini->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  mini->RecalcLayout();
  mini->ShowWindow(SW_SHOWNA);
  RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) {
  (void)bDelay;
  if (pBar == nullptr) return;
  pBar->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
  if (pBar->IsFloating()) {
    if (CFrameWnd* mini = pBar->GetParentFrame(); mini != nullptr && mini != this) {
      mini->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    }
  }
  if (CDockBar* dock = pBar->m_pDockBar; dock != nullptr && !dock->m_bFloating) dock->Invalidate();
  RecalcLayout();
}

CFrameWnd* CWnd::GetParentFrame() const {
  for (CWnd* parent = GetParent(); parent != nullptr; parent = parent->GetParent()) {
    if (parent->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(parent);
  }
  return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const {
  CWnd* top = IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? const_cast<CWnd*>(this) : GetParentFrame();
  while (top != nullptr) {
    CFrameWnd* next = top->GetParentFrame();
    if (next == nullptr) break;
    top = next;
  }
  return static_cast<CFrameWnd*>(top);
}
