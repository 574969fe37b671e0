#include "platform/classlib/window/resources.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "platform/classlib/cwnd.h"
#include "platform/classlib/window/window_state.h"

namespace {

std::map<UINT, MenuTemplate>& Menus() {
  static std::map<UINT, MenuTemplate> menus;
  return menus;
}

std::map<UINT, std::vector<ACCEL>>& AcceleratorResources() {
  static std::map<UINT, std::vector<ACCEL>> tables;
  return tables;
}

std::map<UINT, std::vector<UINT>>& ToolBars() {
  static std::map<UINT, std::vector<UINT>> bars;
  return bars;
}

struct AcceleratorTable {
  std::vector<ACCEL> entries;
};

std::map<HACCEL, std::unique_ptr<AcceleratorTable>>& Tables() {
  static std::map<HACCEL, std::unique_ptr<AcceleratorTable>> tables;
  return tables;
}

AcceleratorTable* TableOf(HACCEL handle) {
  const auto found = Tables().find(handle);
  return found != Tables().end() ? found->second.get() : nullptr;
}

UINT ResourceId(LPCTSTR name) { return static_cast<UINT>(reinterpret_cast<std::uintptr_t>(name) & 0xFFFF); }

}  // namespace

namespace res {

MenuTemplateItem Item(std::string text, UINT id, UINT flags) { return {std::move(text), id, flags, {}}; }
MenuTemplateItem Separator() { return {"", 0, 0x0800, {}}; }
MenuTemplateItem Popup(std::string text, std::vector<MenuTemplateItem> items) {
  return {std::move(text), 0, 0x0010, std::move(items)};
}

}  // namespace res

void RegisterMenuResource(UINT nIDResource, MenuTemplate menu) { Menus()[nIDResource] = std::move(menu); }

const MenuTemplate* FindMenuResource(UINT nIDResource) {
  const auto found = Menus().find(nIDResource);
  return found != Menus().end() ? &found->second : nullptr;
}

MenuResourceRegistration::MenuResourceRegistration(UINT nIDResource, MenuTemplate menu) {
  RegisterMenuResource(nIDResource, std::move(menu));
}

void RegisterAcceleratorResource(UINT nIDResource, std::vector<ACCEL> table) {
  AcceleratorResources()[nIDResource] = std::move(table);
}

const std::vector<ACCEL>* FindAcceleratorResource(UINT nIDResource) {
  const auto found = AcceleratorResources().find(nIDResource);
  return found != AcceleratorResources().end() ? &found->second : nullptr;
}

AcceleratorRegistration::AcceleratorRegistration(UINT nIDResource, std::vector<ACCEL> table) {
  RegisterAcceleratorResource(nIDResource, std::move(table));
}

void RegisterToolBarResource(UINT nIDResource, std::vector<UINT> buttons) {
  ToolBars()[nIDResource] = std::move(buttons);
}

const std::vector<UINT>* FindToolBarResource(UINT nIDResource) {
  const auto found = ToolBars().find(nIDResource);
  return found != ToolBars().end() ? &found->second : nullptr;
}

ToolBarRegistration::ToolBarRegistration(UINT nIDResource, std::vector<UINT> buttons) {
  RegisterToolBarResource(nIDResource, std::move(buttons));
}

HACCEL LoadAccelerators(HINSTANCE hInstance, LPCTSTR lpTableName) {
  (void)hInstance;
  const std::vector<ACCEL>* table = FindAcceleratorResource(ResourceId(lpTableName));
  if (table == nullptr) return nullptr;
  // One table per resource, as the window system shares loaded resources.
  static std::map<UINT, HACCEL> loaded;
  HACCEL& handle = loaded[ResourceId(lpTableName)];
  if (TableOf(handle) == nullptr) handle = CreateAcceleratorTable(table->data(), static_cast<int>(table->size()));
  return handle;
}

HACCEL CreateAcceleratorTable(const ACCEL* paccel, int cAccelEntries) {
  if (paccel == nullptr || cAccelEntries <= 0) return nullptr;
  auto table = std::make_unique<AcceleratorTable>();
  table->entries.assign(paccel, paccel + cAccelEntries);
  HACCEL handle = reinterpret_cast<HACCEL>(table.get());
  Tables()[handle] = std::move(table);
  return handle;
}

BOOL DestroyAcceleratorTable(HACCEL hAccel) { return Tables().erase(hAccel) != 0; }

int CopyAcceleratorTable(HACCEL hAccelSrc, LPACCEL lpAccelDst, int cAccelEntries) {
  AcceleratorTable* table = TableOf(hAccelSrc);
  if (table == nullptr) return 0;
  const int count = static_cast<int>(table->entries.size());
  if (lpAccelDst == nullptr) return count;
  const int copied = std::min(count, cAccelEntries);
  std::copy_n(table->entries.begin(), copied, lpAccelDst);
  return copied;
}

int TranslateAccelerator(HWND hWnd, HACCEL hAccTable, LPMSG lpMsg) {
  AcceleratorTable* table = TableOf(hAccTable);
  if (table == nullptr || lpMsg == nullptr || !IsWindow(hWnd)) return 0;
  const UINT message = lpMsg->message;
  const bool key = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
  const bool character = message == WM_CHAR || message == WM_SYSCHAR;
  if (!key && !character) return 0;
  const bool shift = afx::IsHeld(VK_SHIFT);
  const bool control = afx::IsHeld(VK_CONTROL);
  const bool alt = afx::IsHeld(VK_MENU);
  for (const ACCEL& entry : table->entries) {
    const bool virtual_key = (entry.fVirt & FVIRTKEY) != 0;
    if (virtual_key != key || entry.key != lpMsg->wParam) continue;
    if (virtual_key && (((entry.fVirt & FSHIFT) != 0) != shift || ((entry.fVirt & FCONTROL) != 0) != control ||
                        ((entry.fVirt & FALT) != 0) != alt)) {
      continue;
    }
    ::SendMessage(hWnd, WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
    return 1;
  }
  return 0;
}
