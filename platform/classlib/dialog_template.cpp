#include "platform/classlib/dialog_template.h"

#include <map>
#include <utility>

namespace {

std::map<UINT, DialogTemplate>& Templates() {
  static std::map<UINT, DialogTemplate> templates;
  return templates;
}

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

ControlTemplate Make(int id, DialogControlKind kind, std::string label, DWORD style) {
  ControlTemplate item;
  item.id = id;
  item.kind = kind;
  item.label = std::move(label);
  item.style = kChild | style;
  return item;
}

}  // namespace

void RegisterDialogTemplate(UINT nIDTemplate, DialogTemplate dialog_template) {
  Templates()[nIDTemplate] = std::move(dialog_template);
}

const DialogTemplate* FindDialogTemplate(UINT nIDTemplate) {
  const auto found = Templates().find(nIDTemplate);
  return found != Templates().end() ? &found->second : nullptr;
}

DialogTemplateRegistration::DialogTemplateRegistration(UINT nIDTemplate, DialogTemplate dialog_template) {
  RegisterDialogTemplate(nIDTemplate, std::move(dialog_template));
}

namespace res {

ControlTemplate EditText(int id, std::string label, DWORD style) {
  return Make(id, DialogControlKind::kEdit, std::move(label), WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | style);
}

ControlTemplate PushButton(int id, std::string label, DWORD style) {
  return Make(id, DialogControlKind::kButton, std::move(label), WS_TABSTOP | BS_PUSHBUTTON | style);
}

ControlTemplate DefPushButton(int id, std::string label, DWORD style) {
  return Make(id, DialogControlKind::kButton, std::move(label), WS_TABSTOP | BS_DEFPUSHBUTTON | style);
}

ControlTemplate CheckBox(int id, std::string label, DWORD style) {
  if ((style & BS_TYPEMASK) == 0) style |= BS_AUTOCHECKBOX;
  return Make(id, DialogControlKind::kButton, std::move(label), WS_TABSTOP | style);
}

ControlTemplate RadioButton(int id, std::string label, DWORD style) {
  if ((style & BS_TYPEMASK) == 0) style |= BS_AUTORADIOBUTTON;
  return Make(id, DialogControlKind::kButton, std::move(label), style);
}

ControlTemplate ComboBox(int id, std::string label, DWORD style, std::vector<std::string> items) {
  if ((style & CBS_TYPEMASK) == 0) style |= CBS_DROPDOWN;
  ControlTemplate item = Make(id, DialogControlKind::kComboBox, std::move(label), WS_TABSTOP | WS_VSCROLL | style);
  item.items = std::move(items);
  return item;
}

ControlTemplate ListBox(int id, std::string label, DWORD style, std::vector<std::string> items) {
  ControlTemplate item =
      Make(id, DialogControlKind::kListBox, std::move(label), WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | style);
  item.items = std::move(items);
  return item;
}

ControlTemplate TreeView(int id, std::string label, DWORD style) {
  return Make(id, DialogControlKind::kTreeView, std::move(label), WS_TABSTOP | WS_BORDER | style);
}

ControlTemplate ListView(int id, std::string label, DWORD style) {
  return Make(id, DialogControlKind::kListView, std::move(label), WS_TABSTOP | WS_BORDER | LVS_REPORT | style);
}

ControlTemplate Text(int id, std::string text, DWORD style) {
  return Make(id, DialogControlKind::kStatic, std::move(text), style);
}

ControlTemplate GroupBox(int id, std::string label, DWORD style) {
  return Make(id, DialogControlKind::kButton, std::move(label), BS_GROUPBOX | style);
}

ControlTemplate Picture(int id, UINT bitmap_id, DWORD style) {
  return Make(id, DialogControlKind::kStatic, "bitmap " + std::to_string(bitmap_id), SS_BITMAP | style);
}

ControlTemplate BitmapButton(int id, std::string label, DWORD style) {
  return Make(id, DialogControlKind::kButton, std::move(label), WS_TABSTOP | BS_OWNERDRAW | style);
}

ControlTemplate Hidden(ControlTemplate item) {
  item.style &= ~WS_VISIBLE;
  return item;
}

}  // namespace res
