// Creating and destroying windows made by CreateEx.
#include <cstdio>
#include <map>
#include <vector>

#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/window/message_loop.h"
#include "platform/classlib/window/window_internals.h"
#include "platform/classlib/window/window_state.h"
#include "platform/classlib/window_record.h"

namespace afx {
namespace {

std::map<std::string, WindowClass>& Classes() {
  static std::map<std::string, WindowClass> classes = {
      {"AfxWnd", {CS_DBLCLKS, nullptr, nullptr, nullptr}},
      {"AfxFrameOrView",
       {CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr}},
      {"AfxMDIFrame", {CS_DBLCLKS, nullptr, nullptr, nullptr}},
      {"AfxControlBar", {CS_DBLCLKS, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr}},
      {"MDICLIENT", {0, nullptr, reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1), nullptr}},
      {"SysTreeView32", {CS_DBLCLKS, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr}},
  };
  return classes;
}

constexpr int kDefaultX = 0;
constexpr int kDefaultY = 0;
constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;

}  // namespace

const WindowClass* FindWindowClass(const std::string& name) {
  const auto found = Classes().find(name);
  return found != Classes().end() ? &found->second : nullptr;
}

std::string RegisterWindowClass(const std::string& name, const WindowClass& window_class) {
  Classes()[name] = window_class;
  return name;
}

CWnd* WindowOf(WindowRecord* record) { return record != nullptr ? record->attached : nullptr; }

LRESULT SendTo(WindowRecord* record, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* window = WindowOf(record);
  return window != nullptr ? window->SendMessage(message, wParam, lParam) : 0;
}

}  // namespace afx

using afx::WindowRecord;

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
  // Equal classes share one name, as the class library's do.
  char name[96];
  std::snprintf(name, sizeof(name), "Afx:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor),
                static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
  static std::vector<std::string> names;
  for (const std::string& known : names) {
    if (known == name) return known.c_str();
  }
  afx::RegisterWindowClass(name, {nClassStyle, hCursor, hbrBackground, hIcon});
  names.push_back(name);
  return names.back().c_str();
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (cs.lpszClass == nullptr) cs.lpszClass = "AfxWnd";
  return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  if (m_hWnd != nullptr) return FALSE;
  CREATESTRUCT cs;
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = static_cast<LONG>(dwStyle);
  cs.x = rect.left;
  cs.y = rect.top;
  // Unsigned, so that a default rectangle's size wraps to CW_USEDEFAULT without overflowing.
  cs.cx = static_cast<int>(static_cast<unsigned>(rect.right) - static_cast<unsigned>(rect.left));
  cs.cy = static_cast<int>(static_cast<unsigned>(rect.bottom) - static_cast<unsigned>(rect.top));
  cs.hwndParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
  cs.hMenu = reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(nID));
  cs.lpCreateParams = lpParam;
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  const DWORD style = static_cast<DWORD>(cs.style);
  const bool child = (style & WS_CHILD) != 0;
  WindowRecord* parent = afx::RecordOf(cs.hwndParent);
  if (child && parent == nullptr) {
    PostNcDestroy();
    return FALSE;
  }
  if (cs.x == CW_USEDEFAULT) cs.x = afx::kDefaultX, cs.y = afx::kDefaultY;
  if (cs.cx == CW_USEDEFAULT || (!child && cs.cx <= 0 && cs.cy <= 0))
    cs.cx = afx::kDefaultWidth, cs.cy = afx::kDefaultHeight;

  const int id = child ? static_cast<int>(reinterpret_cast<std::uintptr_t>(cs.hMenu)) : 0;
  auto made = std::make_unique<WindowRecord>(afx::WindowKind::kWindow, id, style & ~WS_VISIBLE,
                                             cs.lpszName != nullptr ? cs.lpszName : "");
  made->created = true;
  made->visible = false;
  made->ex_style = cs.dwExStyle;
  made->class_name = cs.lpszClass != nullptr && !IS_INTRESOURCE(cs.lpszClass) ? cs.lpszClass : "AfxWnd";
  if (const afx::WindowClass* window_class = afx::FindWindowClass(made->class_name)) {
    made->class_style = window_class->style;
  }
  made->window_rect = CRect(cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy);
  made->client_rect = CRect(0, 0, cs.cx, cs.cy);
  if (!child && parent != nullptr) made->owner = parent->handle();
  WindowRecord* record = (child ? *parent : afx::Desktop()).AddChild(std::move(made));
  record->attached = this;
  m_hWnd = record->handle();

  afx::Backend().WindowCreated(*record);
  RecalcClientArea();
  if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow();
    return FALSE;
  }
  if (m_hWnd == nullptr) return FALSE;
  const CRect client = record->client_rect;
  SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
  SendMessage(WM_MOVE, 0, MAKELPARAM(record->window_rect.left, record->window_rect.top));
  if (m_hWnd != nullptr && (style & WS_VISIBLE) != 0) {
    ShowWindow((style & WS_MAXIMIZE) != 0 ? SW_SHOWMAXIMIZED : SW_SHOW);
  }
  return m_hWnd != nullptr;
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType) {
  (void)nAdjustType;
  WindowRecord* record = Record();
  if (record == nullptr) return;
  // Add the non-client parts the window has now around the client area.
  lpClientRect->left -= record->client_rect.left;
  lpClientRect->top -= record->client_rect.top;
  lpClientRect->right += record->window_rect.Width() - record->client_rect.right;
  lpClientRect->bottom += record->window_rect.Height() - record->client_rect.bottom;
}

void CWnd::RecalcClientArea() {
  WindowRecord* record = Record();
  if (record == nullptr) return;
  NCCALCSIZE_PARAMS params{};
  params.rgrc[0] = record->window_rect;
  params.lppos = nullptr;
  SendMessage(WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&params));
  if (m_hWnd == nullptr) return;
  CRect client = params.rgrc[0];
  client.OffsetRect(-record->window_rect.left, -record->window_rect.top);
  if (client.right < client.left) client.right = client.left;
  if (client.bottom < client.top) client.bottom = client.top;
  record->client_rect = client;
}

namespace {

void CollectTree(WindowRecord* record, std::vector<WindowRecord*>& order) {
  order.push_back(record);
  for (const auto& child : record->children) CollectTree(child.get(), order);
}

}  // namespace

void CWnd::DestroyWindowTree(WindowRecord* record) {
  std::vector<WindowRecord*> order;
  CollectTree(record, order);
  // WM_DESTROY goes to the parent first, WM_NCDESTROY to the children first.
  for (WindowRecord* each : order) {
    if (afx::RecordOf(each->handle()) != nullptr) afx::SendTo(each, WM_DESTROY);
  }
  if (afx::RecordOf(record->handle()) == nullptr) return;  // a handler destroyed it already
  std::vector<CWnd*> owners;
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    WindowRecord* each = *it;
    if (afx::RecordOf(each->handle()) == nullptr) continue;
    afx::SendTo(each, WM_NCDESTROY);
    afx::ForgetRecord(each);
    afx::DropMessagesOf(each);
    if (afx::FocusedRecord() == each) afx::SetFocusRecord(nullptr);
    afx::Backend().WindowDestroyed(*each);
    if (each->attached != nullptr) owners.push_back(each->attached);
  }
  // Windows owned by this one (floating bars, dialogs) go with it.
  std::vector<WindowRecord*> owned;
  for (const auto& top : afx::Desktop().children) {
    if (top->owner == record->handle()) owned.push_back(top.get());
  }
  for (WindowRecord* each : owned) {
    if (CWnd* window = afx::WindowOf(each)) window->DestroyWindow();
  }
  if (afx::RecordOf(record->handle()) == nullptr) return;
  WindowRecord* parent = record->parent;
  if (own_window_ != nullptr && own_window_.get() == record) {
    own_window_.reset();
  } else if (parent != nullptr) {
    parent->DestroyChild(record);
  }
  for (CWnd* window : owners) window->PostNcDestroy();
}
