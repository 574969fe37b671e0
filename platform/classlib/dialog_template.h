// Dialog templates: what a resource script would say about a dialog (its
// caption and its controls in tab order), declared in code and registered by
// resource id, so that CDialog(IDD) finds them:
//
//   static const DialogTemplateRegistration kTemplate(255, {"환경설정", {
//       res::EditText(385, "환경 directory"),
//       res::EditText(387, "도형연결공차"),
//       res::CheckBox(443, "타원, 스프라인 -> 원호"),
//       res::PushButton(592, "사용자 cycle 이름"),
//       res::DefPushButton(IDOK, "저장"),
//       res::PushButton(IDCANCEL, "Cancel"),
//   }});
//
// An edit's label is the text that stands beside it. Consecutive radio
// buttons form a group; WS_GROUP on a radio starts a new one.
#pragma once

#include <string>
#include <vector>

#include "platform/classlib/window_styles.h"
#include "platform/wintypes/windows_types.h"

constexpr int IDC_STATIC = -1;

enum class DialogControlKind { kEdit, kButton, kComboBox, kListBox, kListView, kStatic, kTreeView };

struct ControlTemplate {
  int id = IDC_STATIC;
  DialogControlKind kind = DialogControlKind::kStatic;
  std::string label;
  DWORD style = 0;
  std::vector<std::string> items;  // initial entries of a combo or list box
};

struct DialogTemplate {
  std::string caption;
  std::vector<ControlTemplate> controls;
  int width = 0;  // pixels, for dialogs shown inside windows (modeless children, dialog bars)
  int height = 0;
};

// Adds or replaces the template of a dialog resource.
void RegisterDialogTemplate(UINT nIDTemplate, DialogTemplate dialog_template);
// Null when no template has that id.
const DialogTemplate* FindDialogTemplate(UINT nIDTemplate);

// Registers a template during static start-up.
class DialogTemplateRegistration {
 public:
  DialogTemplateRegistration(UINT nIDTemplate, DialogTemplate dialog_template);
};

// Controls as a resource script declares them; style adds to each kind's usual styles.
namespace res {

ControlTemplate EditText(int id, std::string label, DWORD style = 0);  // ES_READONLY, ES_MULTILINE, ES_NUMBER, ...
ControlTemplate PushButton(int id, std::string label, DWORD style = 0);
ControlTemplate DefPushButton(int id, std::string label, DWORD style = 0);
ControlTemplate CheckBox(int id, std::string label, DWORD style = 0);     // toggles itself
ControlTemplate RadioButton(int id, std::string label, DWORD style = 0);  // checks itself, clears its group
// CBS_DROPDOWN unless style says CBS_DROPDOWNLIST or CBS_SIMPLE.
ControlTemplate ComboBox(int id, std::string label, DWORD style = 0, std::vector<std::string> items = {});
ControlTemplate ListBox(int id, std::string label, DWORD style = 0, std::vector<std::string> items = {});
ControlTemplate ListView(int id, std::string label, DWORD style = 0);  // report view
ControlTemplate TreeView(int id, std::string label, DWORD style = 0);
ControlTemplate Text(int id, std::string text, DWORD style = 0);
ControlTemplate GroupBox(int id, std::string label, DWORD style = 0);
ControlTemplate Picture(int id, UINT bitmap_id, DWORD style = 0);
ControlTemplate BitmapButton(int id, std::string label, DWORD style = 0);

// The control starts hidden.
ControlTemplate Hidden(ControlTemplate item);

}  // namespace res
