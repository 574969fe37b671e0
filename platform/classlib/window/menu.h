// Menus: menu bars, popups and their items, loaded from registered menu
// resources (resources.h) or built in code. A menu made by CreateMenu,
// CreatePopupMenu or LoadMenu belongs to its CMenu until DestroyMenu or
// Detach; the popups of a menu belong to it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/classlib/cobject.h"
#include "platform/classlib/cstring.h"
#include "platform/classlib/window/window_message_ids.h"

class CWnd;

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_BITMAP = 0x0004;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_MENUBARBREAK = 0x0020;
constexpr UINT MF_MENUBREAK = 0x0040;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_DEFAULT = 0x1000;
constexpr UINT MFT_RADIOCHECK = 0x0200;
constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_TOPALIGN = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_VCENTERALIGN = 0x0010;
constexpr UINT TPM_BOTTOMALIGN = 0x0020;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;
constexpr UINT kMenuStateError = 0xFFFFFFFF;

namespace afx {

struct MenuRecord;

struct MenuItem {
  std::string text;
  UINT id = 0;
  UINT flags = 0;  // MF_ state and kind bits
  std::unique_ptr<MenuRecord> popup;
};

struct MenuRecord {
  MenuRecord();
  ~MenuRecord();
  MenuRecord(const MenuRecord&) = delete;
  MenuRecord& operator=(const MenuRecord&) = delete;

  HMENU handle() { return reinterpret_cast<HMENU>(this); }
  // The item for a command id (searched in popups too) or a position.
  MenuItem* Find(UINT id_or_position, UINT flags, MenuRecord** owner = nullptr);

  std::vector<MenuItem> items;
};

// Null for a null handle or one whose menu is gone.
MenuRecord* MenuOf(HMENU handle);
// A new top menu owned by the registry until DestroyMenu.
HMENU MakeMenu(std::unique_ptr<MenuRecord> menu);

}  // namespace afx

class CMenu : public CObject {
  DECLARE_DYNAMIC(CMenu)

 public:
  CMenu() = default;
  ~CMenu() override;
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  HMENU m_hMenu = nullptr;
  operator HMENU() const { return m_hMenu; }  // NOLINT: implicit, as the class library's
  HMENU GetSafeHmenu() const { return m_hMenu; }

  static CMenu* FromHandle(HMENU hMenu);
  BOOL Attach(HMENU hMenu);
  HMENU Detach();
  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  BOOL LoadMenu(UINT nIDResource);
  BOOL LoadMenu(LPCTSTR lpszResourceName);
  BOOL DestroyMenu();

  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
  BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
  BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
  BOOL DeleteMenu(UINT nPosition, UINT nFlags);
  BOOL RemoveMenu(UINT nPosition, UINT nFlags);

  UINT GetMenuItemCount() const;
  UINT GetMenuItemID(int nPos) const;  // -1 for a popup, 0 for a separator
  UINT GetMenuState(UINT nID, UINT nFlags) const;
  int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const;
  int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
  CMenu* GetSubMenu(int nPos) const;
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
  UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
  BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);

  // Shows the popup at a screen point for pWnd: its items are updated first
  // (WM_INITMENUPOPUP), the choice is sent to pWnd as WM_COMMAND, or returned
  // with TPM_RETURNCMD.
  BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

 private:
  bool owns_ = false;
};

HMENU LoadMenu(HINSTANCE hInstance, LPCTSTR lpMenuName);
BOOL DestroyMenu(HMENU hMenu);
HMENU GetSubMenu(HMENU hMenu, int nPos);
int GetMenuItemCount(HMENU hMenu);
UINT GetMenuItemID(HMENU hMenu, int nPos);
