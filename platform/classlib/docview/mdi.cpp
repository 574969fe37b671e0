#include "platform/classlib/docview/mdi.h"

#include <algorithm>

#include "platform/classlib/docview/doc_template.h"
#include "platform/classlib/docview/document.h"
#include "platform/classlib/docview/view.h"
#include "platform/classlib/docview/win_app.h"
#include "platform/classlib/window/menu.h"
#include "platform/classlib/window/resources.h"
#include "platform/classlib/window_record.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
ON_WM_DESTROY()
ON_COMMAND(ID_WINDOW_NEW, &CMDIFrameWnd::OnWindowNew)
ON_COMMAND_EX(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_NEW, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_WM_MDIACTIVATE()
ON_WM_MOUSEACTIVATE()
ON_WM_DESTROY()
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

constexpr UINT kFirstChildId = 0xFF00;
constexpr int kCascadeStep = 24;

// The window that holds the children; maximised children follow its size.
class CMDIClientWnd : public CWnd {
 public:
  explicit CMDIClientWnd(CMDIFrameWnd* frame) : frame_(frame) {}

 protected:
  void PostNcDestroy() override { delete this; }
  afx_msg void OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    for (CMDIChildWnd* child : frame_->Children()) {
      if (child->IsZoomed()) child->MoveWindow(0, 0, cx, cy);
    }
  }
  DECLARE_MESSAGE_MAP()

 private:
  CMDIFrameWnd* frame_;
};

BEGIN_MESSAGE_MAP(CMDIClientWnd, CWnd)
ON_WM_SIZE()
END_MESSAGE_MAP()

}  // namespace

// The MDI frame.

CMDIFrameWnd::CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext) {
  return CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext*) {
  auto* client = new CMDIClientWnd(this);  // deletes itself with its window
  CRect rect;
  GetClientRect(&rect);
  if (!client->CreateEx(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, this,
                        AFX_IDW_PANE_FIRST)) {
    return FALSE;
  }
  client_ = client;
  m_hWndMDIClient = client->m_hWnd;
  return TRUE;
}

void CMDIFrameWnd::OnDestroy() {
  active_child_ = nullptr;
  CFrameWnd::OnDestroy();
}

std::vector<CMDIChildWnd*> CMDIFrameWnd::Children() const {
  std::vector<CMDIChildWnd*> children;
  afx::WindowRecord* client = afx::RecordOf(m_hWndMDIClient);
  if (client == nullptr) return children;
  for (const auto& child : client->children) {
    if (auto* frame = child->attached != nullptr ? DYNAMIC_DOWNCAST(CMDIChildWnd, child->attached) : nullptr) {
      children.push_back(frame);
    }
  }
  return children;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const {
  CMDIChildWnd* active = active_child_ != nullptr && IsWindow(active_child_->m_hWnd) ? active_child_ : nullptr;
  if (pbMaximized != nullptr) *pbMaximized = active != nullptr && active->IsZoomed();
  return active;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate) {
  auto* child = pWndActivate != nullptr ? DYNAMIC_DOWNCAST(CMDIChildWnd, pWndActivate) : nullptr;
  CMDIChildWnd* old = MDIGetActive();
  if (child == old) {
    if (child != nullptr) child->SetFocus();
    return;
  }
  active_child_ = child;
  if (child != nullptr) child->BringWindowToTop();
  if (old != nullptr) old->SendMessage(WM_NCACTIVATE, FALSE);
  if (child != nullptr) child->SendMessage(WM_NCACTIVATE, TRUE);
  const LPARAM activated = reinterpret_cast<LPARAM>(child != nullptr ? child->m_hWnd : nullptr);
  const WPARAM deactivated = reinterpret_cast<WPARAM>(old != nullptr ? old->m_hWnd : nullptr);
  if (old != nullptr) old->SendMessage(WM_MDIACTIVATE, deactivated, activated);
  if (child != nullptr && active_child_ == child) child->SendMessage(WM_MDIACTIVATE, deactivated, activated);
  ShowMenuOf(active_child_);
  if (active_child_ != nullptr && active_child_ == child) {
    child->SetFocus();
  }
  OnUpdateFrameTitle(TRUE);
  UpdateWindowList();
}

void CMDIFrameWnd::ChildActivated(CMDIChildWnd* child) {
  if (active_child_ != child) MDIActivate(child);
}

void CMDIFrameWnd::ChildGone(CMDIChildWnd* child) {
  if (active_child_ != child) return;
  active_child_ = nullptr;
  // The next child in line becomes active.
  std::vector<CMDIChildWnd*> children = Children();
  children.erase(std::remove(children.begin(), children.end(), child), children.end());
  if (!children.empty()) {
    MDIActivate(children.back());
  } else {
    ShowMenuOf(nullptr);
    OnUpdateFrameTitle(TRUE);
    SetFocus();
  }
}

void CMDIFrameWnd::ChildShown(CMDIChildWnd* child) {
  (void)child;
  if (kept_tiling_ >= 0) MDITile(kept_tiling_);
}

std::vector<CMDIChildWnd*> CMDIFrameWnd::ListedChildren() const {
  std::vector<CMDIChildWnd*> children = Children();
  // Windows being destroyed have left the list already.
  children.erase(std::remove_if(children.begin(), children.end(), [](CMDIChildWnd* c) { return !c->IsWindowVisible(); }),
                 children.end());
  std::sort(children.begin(), children.end(), [](const CMDIChildWnd* a, const CMDIChildWnd* b) { return a->made_ < b->made_; });
  return children;
}

void CMDIFrameWnd::UpdateWindowList() {
  CMenu* bar = GetMenu();
  CMenu* popup = bar != nullptr ? CMenu::FromHandle(GetWindowMenuPopup(bar->m_hMenu)) : nullptr;
  if (popup == nullptr) return;
  const auto listed = [](UINT id) { return id >= AFX_IDM_FIRST_MDICHILD && id < AFX_IDM_FIRST_MDICHILD + kMaxWindowListed; };
  // Take the old list off, with the separator before it.
  for (int i = static_cast<int>(popup->GetMenuItemCount()) - 1; i >= 0; --i) {
    if (!listed(popup->GetMenuItemID(i))) continue;
    popup->RemoveMenu(static_cast<UINT>(i), MF_BYPOSITION);
    if (i > 0 && popup->GetMenuItemID(i - 1) == 0 &&
        (i == static_cast<int>(popup->GetMenuItemCount()) || listed(popup->GetMenuItemID(i)))) {
      popup->RemoveMenu(static_cast<UINT>(--i), MF_BYPOSITION);
    }
  }
  const std::vector<CMDIChildWnd*> children = ListedChildren();
  if (!children.empty()) popup->AppendMenu(MF_SEPARATOR);
  const CMDIChildWnd* active = MDIGetActive();
  for (size_t i = 0; i < children.size() && i < static_cast<size_t>(kMaxWindowListed); ++i) {
    CString title;
    children[i]->GetWindowText(title);
    CString text;
    text.Format("&%d %s", static_cast<int>(i) + 1, title.GetString());
    popup->AppendMenu(MF_STRING | (children[i] == active ? MF_CHECKED : 0),
                      AFX_IDM_FIRST_MDICHILD + static_cast<UINT>(i), text);
  }
  DrawMenuBar();
}

void CMDIFrameWnd::ShowMenuOf(CMDIChildWnd* child) {
  HMENU wanted = child != nullptr && child->m_hMenuShared != nullptr ? child->m_hMenuShared : m_hMenuDefault;
  CMenu* current = GetMenu();
  if (current != nullptr && current->m_hMenu == wanted) return;
  if (wanted != nullptr) SetMenu(CMenu::FromHandle(wanted));
}

void CMDIFrameWnd::MDINext() {
  std::vector<CMDIChildWnd*> children = Children();
  if (children.size() < 2) return;
  const auto at = std::find(children.begin(), children.end(), MDIGetActive());
  const size_t index = at == children.end() ? 0 : static_cast<size_t>(at - children.begin());
  MDIActivate(children[(index + children.size() - 1) % children.size()]);
}

void CMDIFrameWnd::MDIPrev() {
  std::vector<CMDIChildWnd*> children = Children();
  if (children.size() < 2) return;
  const auto at = std::find(children.begin(), children.end(), MDIGetActive());
  const size_t index = at == children.end() ? 0 : static_cast<size_t>(at - children.begin());
  MDIActivate(children[(index + 1) % children.size()]);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd) {
  if (pWnd != nullptr) pWnd->ShowWindow(SW_SHOWMAXIMIZED);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd) {
  if (pWnd != nullptr) pWnd->ShowWindow(SW_RESTORE);
}

void CMDIFrameWnd::MDICascade() {
  kept_tiling_ = -1;
  CRect client;
  if (client_ != nullptr) client_->GetClientRect(&client);
  int step = 0;
  for (CMDIChildWnd* child : Children()) {
    if (child->IsZoomed()) child->ShowWindow(SW_RESTORE);
    const int offset = step * kCascadeStep;
    child->MoveWindow(offset, offset, std::max(client.Width() * 3 / 4, 50), std::max(client.Height() * 3 / 4, 50));
    ++step;
  }
  if (CMDIChildWnd* active = MDIGetActive()) active->BringWindowToTop();
}

void CMDIFrameWnd::MDITile(int nType) {
  std::vector<CMDIChildWnd*> children = Children();
  if (children.empty() || client_ == nullptr) return;
  CRect client;
  client_->GetClientRect(&client);
  const int count = static_cast<int>(children.size());
  for (int i = 0; i < count; ++i) {
    CMDIChildWnd* child = children[static_cast<size_t>(i)];
    if (child->IsZoomed()) child->ShowWindow(SW_RESTORE);
    if (nType == 1) {  // MDITILE_HORIZONTAL: one above the other
      const int height = client.Height() / count;
      child->MoveWindow(0, i * height, client.Width(), height);
    } else {
      const int width = client.Width() / count;
      child->MoveWindow(i * width, 0, width, client.Height());
    }
  }
}

void CMDIFrameWnd::MDIIconArrange() {}

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu) {
  (void)pWindowMenu;
  CMenu* old = GetMenu();
  if (pFrameMenu != nullptr) SetMenu(pFrameMenu);
  return old;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar) {
  const int count = ::GetMenuItemCount(hMenuBar);
  for (int i = count - 1; i >= 0; --i) {
    HMENU popup = ::GetSubMenu(hMenuBar, i);
    CMenu* menu = CMenu::FromHandle(popup);
    if (menu == nullptr) continue;
    for (UINT item = 0; item < menu->GetMenuItemCount(); ++item) {
      const UINT id = menu->GetMenuItemID(static_cast<int>(item));
      if (id >= ID_WINDOW_NEW && id <= ID_WINDOW_SPLIT) return popup;
    }
  }
  return nullptr;
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
  CMDIChildWnd* active = MDIGetActive();
  if (active != nullptr) return active;
  return this;
}

CView* CMDIFrameWnd::GetActiveView() const {
  CMDIChildWnd* active = MDIGetActive();
  return active != nullptr ? active->GetActiveView() : CFrameWnd::GetActiveView();
}

CDocument* CMDIFrameWnd::GetActiveDocument() {
  CMDIChildWnd* active = MDIGetActive();
  return active != nullptr ? active->GetActiveDocument() : nullptr;
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if (!(GetStyle() & FWS_ADDTOTITLE)) return;
  CDocument* document = GetActiveDocument();
  UpdateFrameTitleForDocument(bAddToTitle && document != nullptr ? document->GetTitle().GetString() : nullptr);
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  // The window list's entries bring their window to the front.
  if (nID >= AFX_IDM_FIRST_MDICHILD && nID < AFX_IDM_FIRST_MDICHILD + kMaxWindowListed) {
    const std::vector<CMDIChildWnd*> children = ListedChildren();
    const size_t index = nID - AFX_IDM_FIRST_MDICHILD;
    if (index >= children.size()) return FALSE;
    if (nCode == CN_UPDATE_COMMAND_UI && pExtra != nullptr) {
      auto* state = static_cast<CCmdUI*>(pExtra);
      state->Enable(TRUE);
      state->SetCheck(children[index] == MDIGetActive() ? 1 : 0);
    } else if (nCode == CN_COMMAND && pHandlerInfo == nullptr) {
      if (children[index]->IsIconic()) children[index]->ShowWindow(SW_RESTORE);
      MDIActivate(children[index]);
    }
    return TRUE;
  }
  // The active child (its view, document and frame) comes first.
  if (CMDIChildWnd* active = MDIGetActive(); active != nullptr && active->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
    return TRUE;
  }
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  CWinApp* app = AfxGetApp();
  return app != nullptr && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  return m_hAccelTable != nullptr && ::TranslateAccelerator(m_hWnd, m_hAccelTable, pMsg);
}

void CMDIFrameWnd::RecalcLayout(BOOL bNotify) { CFrameWnd::RecalcLayout(bNotify); }

void CMDIFrameWnd::OnWindowNew() {
  CMDIChildWnd* active = MDIGetActive();
  CDocument* document = active != nullptr ? active->GetActiveDocument() : nullptr;
  CDocTemplate* doc_template = document != nullptr ? document->GetDocTemplate() : nullptr;
  if (doc_template == nullptr) return;
  CFrameWnd* frame = doc_template->CreateNewFrame(document, active);
  if (frame != nullptr) doc_template->InitialUpdateFrame(frame, document);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID) {
  switch (nID) {
    case ID_WINDOW_ARRANGE:
      MDIIconArrange();
      return TRUE;
    case ID_WINDOW_CASCADE:
      MDICascade();
      return TRUE;
    case ID_WINDOW_TILE_HORZ:
      MDITile(1);
      kept_tiling_ = 1;
      return TRUE;
    case ID_WINDOW_TILE_VERT:
      MDITile(0);
      kept_tiling_ = 0;
      return TRUE;
    default:
      return FALSE;
  }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI) { pCmdUI->Enable(MDIGetActive() != nullptr); }

// The MDI child frame.

CMDIChildWnd::CMDIChildWnd() = default;

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
  if (mdi_frame_ != nullptr) return mdi_frame_;
  return DYNAMIC_DOWNCAST(CMDIFrameWnd, AfxGetMainWnd());
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs) {
  cs.style |= WS_CHILD;
  cs.dwExStyle |= WS_EX_MDICHILD;
  return CFrameWnd::PreCreateWindow(cs);
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
  mdi_frame_ = pParentWnd != nullptr ? pParentWnd : DYNAMIC_DOWNCAST(CMDIFrameWnd, AfxGetMainWnd());
  if (mdi_frame_ == nullptr || mdi_frame_->client_ == nullptr) {
    PostNcDestroy();  // as a failed creation does: the frame goes
    return FALSE;
  }
  CRect client;
  mdi_frame_->client_->GetClientRect(&client);
  CRect place = rect;
  if (place.left == CW_USEDEFAULT) {
    const int offset = static_cast<int>(mdi_frame_->Children().size()) * kCascadeStep;
    place = CRect(offset, offset, offset + std::max(client.Width() * 3 / 4, 50),
                  offset + std::max(client.Height() * 3 / 4, 50));
  }
  static unsigned long made = 0;
  made_ = ++made;
  if (lpszWindowName != nullptr && m_strTitle.IsEmpty()) m_strTitle = lpszWindowName;
  const UINT id = kFirstChildId + static_cast<UINT>(mdi_frame_->Children().size());
  const BOOL visible = (dwStyle & WS_VISIBLE) != 0;
  if (!CreateEx(WS_EX_MDICHILD, lpszClassName, lpszWindowName, (dwStyle & ~WS_VISIBLE) | WS_CHILD, place,
                mdi_frame_->client_, id, pContext)) {
    return FALSE;
  }
  if (visible) {
    ShowWindow(SW_SHOW);
    MDIActivate();
  }
  return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext) {
  m_nIDHelp = nIDResource;
  CDocTemplate* doc_template = pContext != nullptr ? pContext->m_pNewDocTemplate : nullptr;
  if (doc_template != nullptr) {
    m_hMenuShared = doc_template->m_hMenuShared;
    m_hAccelTable = doc_template->m_hAccelTable;
    CString name;
    doc_template->GetDocString(name, CDocTemplate::windowTitle);
    m_strTitle = name;
  }
  // The frame shows only when its document is ready (InitialUpdateFrame).
  return Create(nullptr, m_strTitle, (dwDefaultStyle & ~WS_VISIBLE) | WS_CHILD, rectDefault,
                DYNAMIC_DOWNCAST(CMDIFrameWnd, pParentWnd), pContext);
}

void CMDIChildWnd::MDIActivate() {
  if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDIActivate(this);
}

void CMDIChildWnd::MDIDestroy() { DestroyWindow(); }

void CMDIChildWnd::MDIMaximize() { ShowWindow(SW_SHOWMAXIMIZED); }

void CMDIChildWnd::MDIRestore() { ShowWindow(SW_RESTORE); }

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
  CMDIFrameWnd* frame = GetMDIFrame();
  // A window that opens while the others are tiled takes its place among them.
  if (frame != nullptr && frame->KeptTiling() >= 0 && !IsWindowVisible()) {
    ShowWindow(SW_SHOWNORMAL);
    MDIActivate();
    frame->ChildShown(this);
    return;
  }
  if (nCmdShow == -1) {
    // A new child opens maximised when the active one is.
    BOOL maximized = FALSE;
    CMDIChildWnd* active = frame != nullptr ? frame->MDIGetActive(&maximized) : nullptr;
    nCmdShow = active != nullptr && active != this && maximized ? SW_SHOWMAXIMIZED : SW_SHOW;
  }
  ShowWindow(nCmdShow);
  MDIActivate();
}

void CMDIChildWnd::SetWindowTitle(const CString& title) {
  CString current;
  GetWindowText(current);
  if (current == title) return;
  SetWindowText(title);
  if (GetStyle() & WS_CAPTION) SendMessage(WM_NCPAINT, 1);
  if (CMDIFrameWnd* frame = GetMDIFrame()) frame->UpdateWindowList();
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if (!(GetStyle() & FWS_ADDTOTITLE)) return;
  CDocument* document = GetActiveDocument();
  if (!bAddToTitle || document == nullptr) {
    UpdateFrameTitleForDocument(nullptr);
    return;
  }
  // Several windows of one document are numbered in the order they were made.
  std::vector<CFrameWnd*> frames;
  for (POSITION pos = document->GetFirstViewPosition(); pos != nullptr;) {
    CFrameWnd* frame = document->GetNextView(pos)->GetParentFrame();
    if (frame != nullptr && std::find(frames.begin(), frames.end(), frame) == frames.end()) frames.push_back(frame);
  }
  CString title = document->GetTitle();
  if (frames.size() > 1) {
    const auto at = std::find(frames.begin(), frames.end(), this);
    CString number;
    number.Format(":%d", static_cast<int>(at - frames.begin()) + 1);
    title += number;
  }
  SetWindowTitle(title);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  // A child's accelerators send their commands to the MDI frame.
  HACCEL accel = GetDefaultAccelerator();
  CMDIFrameWnd* frame = GetMDIFrame();
  return accel != nullptr && frame != nullptr && ::TranslateAccelerator(frame->m_hWnd, accel, pMsg);
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd*, CWnd*) {
  CView* view = GetActiveView();
  if (view == nullptr) return;
  if (bActivate) {
    view->OnActivateView(TRUE, view, view);
  } else {
    view->OnActivateView(FALSE, view, view);
  }
}

int CMDIChildWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
  const int answer = CFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
  if (answer == MA_NOACTIVATE || answer == MA_NOACTIVATEANDEAT) return answer;
  MDIActivate();
  return answer;
}

void CMDIChildWnd::OnDestroy() {
  ShowWindow(SW_HIDE);  // off the window list
  if (CMDIFrameWnd* frame = GetMDIFrame()) {
    frame->ChildGone(this);
    frame->UpdateWindowList();
  }
  CFrameWnd::OnDestroy();
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy) {
  CFrameWnd::OnSize(nType, cx, cy);
  if (nType == SIZE_MAXIMIZED && mdi_frame_ != nullptr) mdi_frame_->kept_tiling_ = -1;
}
