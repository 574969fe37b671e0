#include "platform/classlib/window/menu.h"

#include <cstdint>
#include <map>
#include <set>
#include <utility>

#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/text_copy.h"
#include "platform/classlib/window/resources.h"
#include "platform/classlib/window_record.h"

IMPLEMENT_DYNAMIC(CMenu, CObject)

namespace afx {
namespace {

// Menus go first at the end of the run: their records still find the live set and wrappers.
struct Menus {
  std::map<HMENU, std::unique_ptr<CMenu>> wrappers;
  std::set<MenuRecord*> live;
  std::map<HMENU, std::unique_ptr<MenuRecord>> owned;  // top menus
};

Menus& Registry() {
  static Menus menus;
  return menus;
}

std::unique_ptr<MenuRecord> Build(const MenuTemplate& items) {
  auto menu = std::make_unique<MenuRecord>();
  for (const MenuTemplateItem& item : items) {
    MenuItem made;
    made.text = item.text;
    made.id = item.id;
    made.flags = item.flags;
    if (!item.popup.empty() || (item.flags & MF_POPUP)) {
      made.flags |= MF_POPUP;
      made.popup = Build(item.popup);
    }
    menu->items.push_back(std::move(made));
  }
  return menu;
}

}  // namespace

MenuRecord::MenuRecord() { Registry().live.insert(this); }

MenuRecord::~MenuRecord() {
  Registry().live.erase(this);
  Registry().wrappers.erase(handle());
}

MenuItem* MenuRecord::Find(UINT id_or_position, UINT flags, MenuRecord** owner) {
  if (flags & MF_BYPOSITION) {
    if (id_or_position >= items.size()) return nullptr;
    if (owner != nullptr) *owner = this;
    return &items[id_or_position];
  }
  for (MenuItem& item : items) {
    if (!(item.flags & (MF_POPUP | MF_SEPARATOR)) && item.id == id_or_position) {
      if (owner != nullptr) *owner = this;
      return &item;
    }
    if (item.popup != nullptr) {
      if (MenuItem* found = item.popup->Find(id_or_position, flags, owner)) return found;
    }
  }
  return nullptr;
}

MenuRecord* MenuOf(HMENU handle) {
  auto* menu = reinterpret_cast<MenuRecord*>(handle);
  return menu != nullptr && Registry().live.count(menu) != 0 ? menu : nullptr;
}

HMENU MakeMenu(std::unique_ptr<MenuRecord> menu) {
  HMENU handle = menu->handle();
  Registry().owned[handle] = std::move(menu);
  return handle;
}

}  // namespace afx

using afx::MenuItem;
using afx::MenuRecord;

namespace {

MenuItem MakeItem(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  MenuItem item;
  item.flags = nFlags & ~MF_BYPOSITION;
  if (nFlags & MF_POPUP) {
    // The popup moves into this menu.
    MenuRecord* popup = afx::MenuOf(reinterpret_cast<HMENU>(nIDNewItem));
    auto& owned = afx::Registry().owned;
    if (const auto found = owned.find(reinterpret_cast<HMENU>(nIDNewItem)); found != owned.end() && popup != nullptr) {
      item.popup = std::move(found->second);
      owned.erase(found);
    } else {
      item.popup = std::make_unique<MenuRecord>();
    }
  } else {
    item.id = static_cast<UINT>(nIDNewItem);
  }
  if (!(nFlags & MF_SEPARATOR) && lpszNewItem != nullptr) item.text = lpszNewItem;
  return item;
}

UINT StateOf(const MenuItem& item) {
  return item.flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR);
}

}  // namespace

HMENU LoadMenu(HINSTANCE hInstance, LPCTSTR lpMenuName) {
  (void)hInstance;
  const MenuTemplate* menu = FindMenuResource(static_cast<UINT>(reinterpret_cast<std::uintptr_t>(lpMenuName) & 0xFFFF));
  return menu != nullptr ? afx::MakeMenu(afx::Build(*menu)) : nullptr;
}

BOOL DestroyMenu(HMENU hMenu) { return afx::Registry().owned.erase(hMenu) != 0; }

HMENU GetSubMenu(HMENU hMenu, int nPos) {
  MenuRecord* menu = afx::MenuOf(hMenu);
  if (menu == nullptr || nPos < 0 || nPos >= static_cast<int>(menu->items.size())) return nullptr;
  const auto& popup = menu->items[static_cast<size_t>(nPos)].popup;
  return popup != nullptr ? popup->handle() : nullptr;
}

int GetMenuItemCount(HMENU hMenu) {
  MenuRecord* menu = afx::MenuOf(hMenu);
  return menu != nullptr ? static_cast<int>(menu->items.size()) : -1;
}

UINT GetMenuItemID(HMENU hMenu, int nPos) {
  MenuRecord* menu = afx::MenuOf(hMenu);
  if (menu == nullptr || nPos < 0 || nPos >= static_cast<int>(menu->items.size())) return static_cast<UINT>(-1);
  const MenuItem& item = menu->items[static_cast<size_t>(nPos)];
  if (item.flags & MF_POPUP) return static_cast<UINT>(-1);
  return (item.flags & MF_SEPARATOR) ? 0 : item.id;
}

CMenu::~CMenu() {
  if (owns_) DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu) {
  if (afx::MenuOf(hMenu) == nullptr) return nullptr;
  auto& wrapper = afx::Registry().wrappers[hMenu];
  if (wrapper == nullptr) {
    wrapper = std::make_unique<CMenu>();
    wrapper->m_hMenu = hMenu;
  }
  return wrapper.get();
}

BOOL CMenu::Attach(HMENU hMenu) {
  if (m_hMenu != nullptr || afx::MenuOf(hMenu) == nullptr) return FALSE;
  m_hMenu = hMenu;
  owns_ = afx::Registry().owned.count(hMenu) != 0;
  return TRUE;
}

HMENU CMenu::Detach() {
  owns_ = false;
  return std::exchange(m_hMenu, nullptr);
}

BOOL CMenu::CreateMenu() {
  if (m_hMenu != nullptr) return FALSE;
  m_hMenu = afx::MakeMenu(std::make_unique<MenuRecord>());
  owns_ = true;
  return TRUE;
}

BOOL CMenu::CreatePopupMenu() { return CreateMenu(); }

BOOL CMenu::LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCE(nIDResource)); }

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName) {
  if (m_hMenu != nullptr) return FALSE;
  m_hMenu = ::LoadMenu(nullptr, lpszResourceName);
  owns_ = m_hMenu != nullptr;
  return m_hMenu != nullptr;
}

BOOL CMenu::DestroyMenu() {
  if (m_hMenu == nullptr) return FALSE;
  HMENU handle = Detach();
  return ::DestroyMenu(handle);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  MenuRecord* menu = afx::MenuOf(m_hMenu);
  if (menu == nullptr) return FALSE;
  menu->items.push_back(MakeItem(nFlags, nIDNewItem, lpszNewItem));
  return TRUE;
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  MenuRecord* menu = afx::MenuOf(m_hMenu);
  if (menu == nullptr) return FALSE;
  MenuRecord* owner = menu;
  size_t index = menu->items.size();
  if (nFlags & MF_BYPOSITION) {
    if (nPosition < menu->items.size()) index = nPosition;
  } else {
    MenuItem* before = menu->Find(nPosition, MF_BYCOMMAND, &owner);
    if (before == nullptr) return FALSE;
    index = static_cast<size_t>(before - owner->items.data());
  }
  owner->items.insert(owner->items.begin() + static_cast<std::ptrdiff_t>(index),
                      MakeItem(nFlags, nIDNewItem, lpszNewItem));
  return TRUE;
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  MenuRecord* menu = afx::MenuOf(m_hMenu);
  MenuItem* item = menu != nullptr ? menu->Find(nPosition, nFlags) : nullptr;
  if (item == nullptr) return FALSE;
  *item = MakeItem(nFlags, nIDNewItem, lpszNewItem);
  return TRUE;
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) { return RemoveMenu(nPosition, nFlags); }

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) {
  MenuRecord* menu = afx::MenuOf(m_hMenu);
  MenuRecord* owner = nullptr;
  MenuItem* item = menu != nullptr ? menu->Find(nPosition, nFlags, &owner) : nullptr;
  if (item == nullptr) return FALSE;
  owner->items.erase(owner->items.begin() + (item - owner->items.data()));
  return TRUE;
}

UINT CMenu::GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }

UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
  MenuRecord* menu = afx::MenuOf(m_hMenu);
  MenuItem* item = menu != nullptr ? menu->Find(nID, nFlags) : nullptr;
  if (item == nullptr) return kMenuStateError;
  UINT state = StateOf(*item);
  if (item->popup != nullptr) state |= static_cast<UINT>(item->popup->items.size()) << 8;
  return state;
}

int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const {
  MenuRecord* menu = afx::MenuOf(m_hMenu);
  MenuItem* item = menu != nullptr ? menu->Find(nIDItem, nFlags) : nullptr;
  return afx::CopyText(item != nullptr ? item->text : std::string(), lpString, nMaxCount);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
  MenuRecord* menu = afx::MenuOf(m_hMenu);
  MenuItem* item = menu != nullptr ? menu->Find(nIDItem, nFlags) : nullptr;
  rString = item != nullptr ? item->text : std::string();
  return rString.GetLength();
}

CMenu* CMenu::GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
  MenuRecord* menu = afx::MenuOf(m_hMenu);
  MenuItem* item = menu != nullptr ? menu->Find(nIDEnableItem, nEnable) : nullptr;
  if (item == nullptr) return kMenuStateError;
  const UINT previous = item->flags & (MF_GRAYED | MF_DISABLED);
  item->flags = (item->flags & ~(MF_GRAYED | MF_DISABLED)) | (nEnable & (MF_GRAYED | MF_DISABLED));
  return previous;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
  MenuRecord* menu = afx::MenuOf(m_hMenu);
  MenuItem* item = menu != nullptr ? menu->Find(nIDCheckItem, nCheck) : nullptr;
  if (item == nullptr) return kMenuStateError;
  const UINT previous = item->flags & MF_CHECKED;
  item->flags = (item->flags & ~MF_CHECKED) | (nCheck & MF_CHECKED);
  return previous;
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
  for (UINT id = nIDFirst; id <= nIDLast; ++id) CheckMenuItem(id, nFlags | (id == nIDItem ? MF_CHECKED : MF_UNCHECKED));
  return TRUE;
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
  (void)lpRect;
  MenuRecord* menu = afx::MenuOf(m_hMenu);
  afx::WindowRecord* owner = pWnd != nullptr ? afx::RecordOf(pWnd->m_hWnd) : nullptr;
  if (menu == nullptr || owner == nullptr) return FALSE;
  if (!(nFlags & TPM_NONOTIFY)) pWnd->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m_hMenu), 0);
  const UINT chosen = afx::Backend().TrackPopupMenu(*menu, CPoint(x, y), *owner);
  if (nFlags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
  if (chosen != 0 && IsWindow(pWnd->m_hWnd)) pWnd->PostMessage(WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
  return TRUE;
}

// The menu bar of a window.

CMenu* CWnd::GetMenu() const {
  afx::WindowRecord* record = Record();
  return record != nullptr ? CMenu::FromHandle(static_cast<HMENU>(record->menu)) : nullptr;
}

BOOL CWnd::SetMenu(CMenu* pMenu) {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  record->menu = pMenu != nullptr ? pMenu->m_hMenu : nullptr;
  afx::Backend().WindowChanged(*record, afx::WindowChange::kMenu);
  // The menu bar takes or gives back non-client room.
  SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  return TRUE;
}

void CWnd::DrawMenuBar() {
  if (afx::WindowRecord* record = Record()) afx::Backend().WindowChanged(*record, afx::WindowChange::kMenu);
}

namespace afx {
CMenu* MenuFromParam(WPARAM handle) { return CMenu::FromHandle(reinterpret_cast<HMENU>(handle)); }
}  // namespace afx
