// Resources that a resource script would hold besides strings and dialogs:
// menus, accelerator tables and tool bars, declared in code and registered
// by resource id during static start-up:
//
//   static const MenuResourceRegistration kMenu(128, {
//       res::Popup("파일", {res::Item("새 파일\tCtrl+N", 57600), res::Separator(), ...}),
//   });
//   static const AcceleratorRegistration kKeys(128, {{FVIRTKEY | FCONTROL, 'N', 57600}, ...});
//   static const ToolBarRegistration kBar(128, {57600, 57601, 0, 57603});  // 0: separator
#pragma once

#include <string>
#include <vector>

#include "platform/classlib/window/window_message_ids.h"

struct MenuTemplateItem {
  std::string text;
  UINT id = 0;
  UINT flags = 0;
  std::vector<MenuTemplateItem> popup;
};
using MenuTemplate = std::vector<MenuTemplateItem>;

namespace res {
MenuTemplateItem Item(std::string text, UINT id, UINT flags = 0);
MenuTemplateItem Separator();
MenuTemplateItem Popup(std::string text, std::vector<MenuTemplateItem> items);
}  // namespace res

void RegisterMenuResource(UINT nIDResource, MenuTemplate menu);
const MenuTemplate* FindMenuResource(UINT nIDResource);

struct MenuResourceRegistration {
  MenuResourceRegistration(UINT nIDResource, MenuTemplate menu);
};

constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FNOINVERT = 0x02;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

struct ACCEL {
  BYTE fVirt;
  WORD key;  // a virtual key with FVIRTKEY, else a character
  WORD cmd;
};
using LPACCEL = ACCEL*;

void RegisterAcceleratorResource(UINT nIDResource, std::vector<ACCEL> table);
const std::vector<ACCEL>* FindAcceleratorResource(UINT nIDResource);

struct AcceleratorRegistration {
  AcceleratorRegistration(UINT nIDResource, std::vector<ACCEL> table);
};

// Tool bar buttons by command id, 0 for a separator.
void RegisterToolBarResource(UINT nIDResource, std::vector<UINT> buttons);
const std::vector<UINT>* FindToolBarResource(UINT nIDResource);

struct ToolBarRegistration {
  ToolBarRegistration(UINT nIDResource, std::vector<UINT> buttons);
};

// Accelerator tables.
HACCEL LoadAccelerators(HINSTANCE hInstance, LPCTSTR lpTableName);
HACCEL CreateAcceleratorTable(const ACCEL* paccel, int cAccelEntries);
BOOL DestroyAcceleratorTable(HACCEL hAccel);
int CopyAcceleratorTable(HACCEL hAccelSrc, LPACCEL lpAccelDst, int cAccelEntries);
// A key message that matches an entry becomes WM_COMMAND to hWnd; 1 then, else 0.
int TranslateAccelerator(HWND hWnd, HACCEL hAccTable, LPMSG lpMsg);
