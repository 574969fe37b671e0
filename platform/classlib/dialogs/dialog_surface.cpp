#include "platform/classlib/dialogs/dialog_surface.h"

#include <algorithm>
#include <cctype>

#include "platform/classlib/controls/tree_ctrl.h"
#include "platform/classlib/controls/tree_data.h"
#include "platform/classlib/dialogs/dialog.h"
#include "platform/classlib/dialogs/list_entries.h"
#include "platform/classlib/text_copy.h"
#include "platform/classlib/window_record.h"

namespace afx {
namespace {

constexpr WPARAM CommandParam(int id, UINT code) {
  return (static_cast<WPARAM>(code & 0xFFFF) << 16) | (static_cast<WPARAM>(id) & 0xFFFF);
}

std::string Describe(const WindowRecord& control) {
  std::string text = "control " + std::to_string(control.id);
  const std::string label = control.kind == WindowKind::kButton ? control.text : control.label;
  if (!label.empty()) text += " \"" + label + "\"";
  return text;
}

std::string RowText(const WindowRecord& control, const ListRow& row) {
  std::string text;
  const size_t columns = std::max<size_t>(control.columns.size(), row.texts.size());
  for (size_t i = 0; i < columns; ++i) {
    if (i > 0) text += " | ";
    if (i < row.texts.size()) text += row.texts[i];
  }
  return text;
}

std::string SelectedText(const WindowRecord& control) {
  if (control.kind == WindowKind::kListCtrl) {
    std::string text;
    for (const ListRow& row : control.rows) {
      if (row.state & LVIS_SELECTED) text += (text.empty() ? "" : "; ") + RowText(control, row);
    }
    return text;
  }
  if (control.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
    std::string text;
    for (const ListEntry& entry : control.entries) {
      if (entry.selected) text += (text.empty() ? "" : "; ") + entry.text;
    }
    return text;
  }
  return ValidEntry(control, control.current) ? control.entries[control.current].text : std::string();
}

std::string ValueOf(const WindowRecord& control) {
  switch (control.kind) {
    case WindowKind::kEdit:
      return (control.style & ES_PASSWORD) ? std::string(control.text.size(), '*') : control.text;
    case WindowKind::kComboBox:
      return control.ShownText();
    case WindowKind::kListBox:
    case WindowKind::kListCtrl:
      return SelectedText(control);
    case WindowKind::kButton:
      return control.IsCheckBox() || control.IsRadioButton() ? std::to_string(control.check) : std::string();
    default:
      return {};
  }
}

std::vector<std::string> ItemsOf(const WindowRecord& control) {
  std::vector<std::string> items;
  for (const ListEntry& entry : control.entries) items.push_back(entry.text);
  for (const ListRow& row : control.rows) items.push_back(RowText(control, row));
  return items;
}

std::vector<ui::TreeNode> NodesOf(const TreeItem& parent, const TreeItem* selected) {
  std::vector<ui::TreeNode> nodes;
  for (const auto& child : parent.children) {
    ui::TreeNode node;
    node.item = reinterpret_cast<std::uintptr_t>(child.get());
    node.text = child->text;
    node.has_children = !child->children.empty() || child->children_flag > 0;
    node.expanded = (child->state & TVIS_EXPANDED) != 0;
    node.selected = child.get() == selected;
    if (node.expanded) node.children = NodesOf(*child, selected);
    nodes.push_back(std::move(node));
  }
  return nodes;
}

ui::ControlInfo InfoOf(const WindowRecord& control) {
  ui::ControlInfo info;
  info.id = control.id;
  info.label =
      control.kind == WindowKind::kButton || control.kind == WindowKind::kStatic ? control.text : control.label;
  info.kind = control.KindName();
  info.value = ValueOf(control);
  info.enabled = control.enabled;
  info.visible = control.visible;
  info.read_only = control.IsReadOnly();
  info.items = ItemsOf(control);
  info.focused = FocusedRecord() == &control;
  if (control.kind == WindowKind::kTreeCtrl && control.tree != nullptr) {
    info.tree = NodesOf(control.tree->root, control.tree->selected);
  }
  return info;
}

bool AllDigits(const std::string& text) {
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

// What typing the text into an edit leaves in it.
std::string TypedText(const WindowRecord& edit, std::string text) {
  if (edit.style & ES_MULTILINE) {
    for (size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 2)) {
      text.replace(at, 2, "\r\n");
    }
  }
  for (char& c : text) {
    if (edit.style & ES_UPPERCASE) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (edit.style & ES_LOWERCASE) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return edit.limit > 0 ? CutAtCharacter(text, static_cast<size_t>(edit.limit)) : text;
}

void Toggle(WindowRecord& button) {
  if (button.IsRadioButton()) {
    for (WindowRecord* other : button.RadioGroup()) {
      if (other->IsAutoButton()) other->check = BST_UNCHECKED;
    }
    button.check = BST_CHECKED;
    return;
  }
  const bool three_state = button.ButtonType() == BS_AUTO3STATE;
  button.check = three_state ? (button.check + 1) % 3 : (button.check == BST_CHECKED ? 0 : 1);
}

int EntryCount(const WindowRecord& control) {
  return static_cast<int>(control.kind == WindowKind::kListCtrl ? control.rows.size() : control.entries.size());
}

void SelectInList(WindowRecord& list, int index) {
  if (list.style & LBS_MULTIPLESEL) {
    list.entries[index].selected = !list.entries[index].selected;
  } else if (list.style & LBS_EXTENDEDSEL) {
    for (ListEntry& entry : list.entries) entry.selected = false;
    list.entries[index].selected = true;
  }
  list.current = index;
  if (list.Notifies()) NotifyParent(list, LBN_SELCHANGE);
}

void SelectRow(WindowRecord& control, int index) {
  for (int i = 0; i < static_cast<int>(control.rows.size()); ++i) {
    ListRow& row = control.rows[i];
    const UINT old_state = row.state;
    row.state = i == index ? (row.state | LVIS_SELECTED | LVIS_FOCUSED) : (row.state & ~(LVIS_SELECTED | LVIS_FOCUSED));
    if (row.state == old_state) continue;
    NMLISTVIEW change;
    change.iItem = i;
    change.uChanged = LVIF_STATE;
    change.uOldState = old_state;
    change.uNewState = row.state;
    change.lParam = row.data;
    NotifyParent(control, change.hdr, LVN_ITEMCHANGED);
  }
  control.selection_mark = index;
}

void SendItemActivate(WindowRecord& control, int index, UINT code, int column = 0) {
  NMITEMACTIVATE activate;
  activate.iItem = index;
  activate.iSubItem = column;
  NotifyParent(control, activate.hdr, code);
}

}  // namespace

WindowRecord* DialogSurface::Dialog() const { return RecordOf(dialog_.m_hWnd); }

std::string DialogSurface::Caption() const {
  WindowRecord* dialog = Dialog();
  return dialog != nullptr ? dialog->text : std::string();
}

std::vector<ui::ControlInfo> DialogSurface::Controls() const {
  std::vector<ui::ControlInfo> controls;
  if (WindowRecord* dialog = Dialog()) {
    for (const auto& child : dialog->children) controls.push_back(InfoOf(*child));
  }
  return controls;
}

bool DialogSurface::IsClosed() const { return dialog_.ended_ || Dialog() == nullptr; }

WindowRecord* DialogSurface::Usable(int id, std::string* why) const {
  WindowRecord* dialog = Dialog();
  WindowRecord* control = dialog != nullptr ? dialog->FindChild(id) : nullptr;
  if (control == nullptr) {
    *why = "the dialog has no control " + std::to_string(id);
  } else if (!control->visible) {
    *why = Describe(*control) + " is hidden";
  } else if (!control->enabled) {
    *why = Describe(*control) + " is disabled";
  } else {
    return control;
  }
  return nullptr;
}

WindowRecord* DialogSurface::FocusOn(int id) {
  std::string why;
  WindowRecord* control = Usable(id, &why);
  if (control == nullptr) return nullptr;
  SetFocusRecord(control);
  return IsClosed() ? nullptr : Usable(id, &why);
}

std::string DialogSurface::SetText(int id, const std::string& text) {
  std::string why;
  WindowRecord* control = Usable(id, &why);
  if (control == nullptr) return why;
  if (control->kind == WindowKind::kComboBox && control->IsDropDownList()) {
    const int found = FindEntry(*control, -1, text, true);
    if (found < 0) return Describe(*control) + " is a drop-down list without an entry \"" + text + "\"";
    return SelectIndex(id, found);
  }
  if (control->kind != WindowKind::kEdit && control->kind != WindowKind::kComboBox) {
    return Describe(*control) + " (" + control->KindName() + ") takes no typing";
  }
  if (control->IsReadOnly()) return Describe(*control) + " is read-only";
  if ((control->style & ES_NUMBER) && control->kind == WindowKind::kEdit && !AllDigits(text)) {
    return Describe(*control) + " takes digits only";
  }
  const std::string typed = TypedText(*control, text);
  if ((control = FocusOn(id)) == nullptr) return {};
  control->text = typed;
  if (control->kind == WindowKind::kEdit) {
    control->sel_start = control->sel_end = static_cast<int>(typed.size());
    control->modified = true;
    NotifyParent(*control, EN_UPDATE);
    NotifyParent(*control, EN_CHANGE);
    if (typed.size() < text.size()) NotifyParent(*control, EN_MAXTEXT);
  } else {
    control->current = FindEntry(*control, -1, typed, true);
    NotifyParent(*control, CBN_EDITUPDATE);
    NotifyParent(*control, CBN_EDITCHANGE);
  }
  return {};
}

std::string DialogSurface::Click(int id) {
  std::string why;
  WindowRecord* control = Usable(id, &why);
  if (control == nullptr) return why;
  const bool clickable = control->kind == WindowKind::kButton || control->kind == WindowKind::kEdit ||
                         (control->kind == WindowKind::kStatic && control->Notifies());
  const bool list_like = control->kind == WindowKind::kComboBox || control->kind == WindowKind::kListBox ||
                         control->kind == WindowKind::kListCtrl;
  if (list_like) return Describe(*control) + " (" + control->KindName() + ") takes select or dblclick";
  if (!clickable || control->KindName() == "group") {
    return Describe(*control) + " (" + control->KindName() + ") does not take clicks";
  }
  if ((control = FocusOn(id)) == nullptr) return {};
  if (control->kind == WindowKind::kEdit) return {};
  if (control->kind == WindowKind::kStatic) {
    NotifyParent(*control, STN_CLICKED);
    return {};
  }
  if (control->IsAutoButton()) Toggle(*control);
  NotifyParent(*control, BN_CLICKED);
  return {};
}

std::string DialogSurface::SetCheck(int id, bool checked) {
  std::string why;
  WindowRecord* control = Usable(id, &why);
  if (control == nullptr) return why;
  if (!control->IsCheckBox() && !control->IsRadioButton()) {
    return Describe(*control) + " (" + control->KindName() + ") is no check box or radio button";
  }
  if (control->IsRadioButton() && !checked) {
    return Describe(*control) + " is a radio button: choose another one of its group instead";
  }
  const int wanted = checked ? BST_CHECKED : BST_UNCHECKED;
  // An automatic button turns with each click; other buttons leave it to their handler.
  const int clicks = control->IsAutoButton() ? 3 : 1;
  for (int i = 0; i < clicks && control != nullptr && control->check != wanted && !IsClosed(); ++i) {
    why = Click(id);
    if (!why.empty()) return why;
    control = Usable(id, &why);
  }
  return {};
}

std::string DialogSurface::ChooseEntry(int id, int index, bool double_click) {
  std::string why;
  WindowRecord* control = Usable(id, &why);
  if (control == nullptr) return why;
  const bool list_like = control->kind == WindowKind::kComboBox || control->kind == WindowKind::kListBox ||
                         control->kind == WindowKind::kListCtrl;
  if (!list_like) return Describe(*control) + " (" + control->KindName() + ") has no entries";
  if (double_click && control->kind == WindowKind::kComboBox && (control->style & CBS_TYPEMASK) != CBS_SIMPLE) {
    return Describe(*control) + " is a drop-down combo box: use select";
  }
  const int count = EntryCount(*control);
  if (index < 0 || index >= count) {
    return Describe(*control) + (count == 0 ? " has no entries" : " has entries 0 to " + std::to_string(count - 1));
  }
  if ((control = FocusOn(id)) == nullptr) return {};
  switch (control->kind) {
    case WindowKind::kComboBox:
      control->current = index;
      if (!control->IsDropDownList()) control->text = control->entries[index].text;
      NotifyParent(*control, CBN_SELCHANGE);
      if (double_click && !IsClosed()) NotifyParent(*control, CBN_DBLCLK);
      break;
    case WindowKind::kListBox:
      SelectInList(*control, index);
      if (double_click && control->Notifies() && !IsClosed()) NotifyParent(*control, LBN_DBLCLK);
      break;
    default:
      SelectRow(*control, index);
      if (!IsClosed()) SendItemActivate(*control, index, NM_CLICK);
      if (double_click && !IsClosed()) SendItemActivate(*control, index, NM_DBLCLK);
      break;
  }
  return {};
}

std::string DialogSurface::SelectIndex(int id, int index) { return ChooseEntry(id, index, false); }

std::string DialogSurface::SelectText(int id, const std::string& text) {
  std::string why;
  WindowRecord* control = Usable(id, &why);
  if (control == nullptr) return why;
  if (control->kind == WindowKind::kTreeCtrl) return SelectTreeText(*control, text);
  const std::vector<std::string> items = ItemsOf(*control);
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i] == text) return SelectIndex(id, static_cast<int>(i));
  }
  // Rows of a list control also answer to their first column alone.
  for (size_t i = 0; i < control->rows.size(); ++i) {
    if (!control->rows[i].texts.empty() && control->rows[i].texts[0] == text) {
      return SelectIndex(id, static_cast<int>(i));
    }
  }
  return Describe(*control) + " has no entry \"" + text + "\"";
}

std::string DialogSurface::SelectTreeText(WindowRecord& control, const std::string& text) {
  auto* tree = dynamic_cast<CTreeCtrl*>(control.attached);
  if (tree == nullptr) return Describe(control) + " (tree) has no items";
  const HTREEITEM selected = tree->GetSelectedItem();
  const auto find_among = [&](HTREEITEM first) {
    for (HTREEITEM item = first; item != nullptr; item = tree->GetNextSiblingItem(item)) {
      if (tree->GetItemText(item).str() == text) return item;
    }
    return static_cast<HTREEITEM>(nullptr);
  };
  HTREEITEM found = nullptr;
  if (selected != nullptr) {
    tree->Expand(selected, TVE_EXPAND);
    found = find_among(tree->GetChildItem(selected));
    const HTREEITEM parent = tree->GetParentItem(selected);
    if (found == nullptr) found = find_among(parent != nullptr ? tree->GetChildItem(parent) : tree->GetRootItem());
  }
  if (found == nullptr) found = find_among(tree->GetRootItem());
  if (found == nullptr) return Describe(control) + " has no item \"" + text + "\" here";
  if (FocusOn(control.id) == nullptr) return {};
  tree->SelectItem(found);
  return {};
}

CTreeCtrl* DialogSurface::FocusOnTreeItem(int id, std::uintptr_t item, std::string* why) {
  WindowRecord* control = Usable(id, why);
  if (control == nullptr) return nullptr;
  auto* tree = dynamic_cast<CTreeCtrl*>(control->attached);
  if (control->kind != WindowKind::kTreeCtrl || tree == nullptr) {
    *why = Describe(*control) + " (" + control->KindName() + ") has no tree";
    return nullptr;
  }
  // The item may have gone since the driver listed it: the control fills items anew.
  const auto live = [&] {
    WindowRecord* record = RecordOf(tree->m_hWnd);
    return record != nullptr && record->tree != nullptr &&
           record->tree->live.count(reinterpret_cast<TreeItem*>(item)) != 0;
  };
  if (!live()) {
    *why = Describe(*control) + " no longer has that item";
    return nullptr;
  }
  if (FocusOn(id) == nullptr || !live()) return nullptr;
  return tree;
}

std::string DialogSurface::ExpandTreeItem(int id, std::uintptr_t item, bool expand) {
  std::string why;
  CTreeCtrl* tree = FocusOnTreeItem(id, item, &why);
  if (tree == nullptr) return why;
  const HTREEITEM handle = reinterpret_cast<HTREEITEM>(item);
  if (!tree->Expand(handle, expand ? TVE_EXPAND : TVE_COLLAPSE) && expand && !IsClosed()) {
    return "\"" + tree->GetItemText(handle).str() + "\" cannot be expanded";
  }
  return {};
}

std::string DialogSurface::SelectTreeItem(int id, std::uintptr_t item) {
  std::string why;
  CTreeCtrl* tree = FocusOnTreeItem(id, item, &why);
  if (tree == nullptr) return why;
  tree->SelectItem(reinterpret_cast<HTREEITEM>(item));
  return {};
}

// The double click lands on the item's label, so the control tells its parent and toggles the item as it does.
std::string DialogSurface::DoubleClickTreeItem(int id, std::uintptr_t item) {
  std::string why;
  CTreeCtrl* tree = FocusOnTreeItem(id, item, &why);
  if (tree == nullptr) return why;
  const HTREEITEM handle = reinterpret_cast<HTREEITEM>(item);
  tree->SelectItem(handle);
  CRect label;
  if (IsClosed() || (tree = FocusOnTreeItem(id, item, &why)) == nullptr) return why;
  if (!tree->GetItemRect(handle, &label, TRUE)) return {};
  tree->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(label.left + 1, label.top + 1));
  return {};
}

std::string DialogSurface::DoubleClick(int id, int index) { return ChooseEntry(id, index, true); }

std::string DialogSurface::SelectCell(int id, int row, int column) {
  std::string why;
  WindowRecord* control = Usable(id, &why);
  if (control == nullptr) return why;
  if (control->kind != WindowKind::kListCtrl)
    return Describe(*control) + " (" + control->KindName() + ") has no columns";
  const int rows = static_cast<int>(control->rows.size());
  if (row < 0 || row >= rows) {
    return Describe(*control) + (rows == 0 ? " has no rows" : " has rows 0 to " + std::to_string(rows - 1));
  }
  const int columns = static_cast<int>(control->columns.size());
  if (column < 0 || column >= columns) {
    return Describe(*control) + (columns == 0 ? " has no columns" : " has columns 0 to " + std::to_string(columns - 1));
  }
  if ((control = FocusOn(id)) == nullptr) return {};
  SelectRow(*control, row);
  if (!IsClosed()) SendItemActivate(*control, row, NM_CLICK, column);
  return {};
}

void DialogSurface::Ok() {
  if (!IsClosed()) dialog_.SendMessage(WM_COMMAND, CommandParam(IDOK, BN_CLICKED), 0);
}

void DialogSurface::Cancel() {
  if (!IsClosed()) dialog_.SendMessage(WM_COMMAND, CommandParam(IDCANCEL, BN_CLICKED), 0);
}

}  // namespace afx
