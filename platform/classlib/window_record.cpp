#include "platform/classlib/window_record.h"

#include <algorithm>
#include <unordered_set>

#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/controls/tree_data.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/window/window_message_ids.h"
#include "platform/classlib/window_styles.h"

namespace afx {
namespace {

std::unordered_set<WindowRecord*>& LiveRecords() {
  static std::unordered_set<WindowRecord*> live;
  return live;
}

WindowRecord*& Focus() {
  static WindowRecord* focus = nullptr;
  return focus;
}

constexpr WPARAM CommandParam(int id, UINT code) {
  return (static_cast<WPARAM>(code & 0xFFFF) << 16) | (static_cast<WPARAM>(id) & 0xFFFF);
}

void SendFocusNotice(WindowRecord& record, bool gained) {
  switch (record.kind) {
    case WindowKind::kEdit:
      NotifyParent(record, gained ? EN_SETFOCUS : EN_KILLFOCUS);
      break;
    case WindowKind::kComboBox:
      NotifyParent(record, gained ? CBN_SETFOCUS : CBN_KILLFOCUS);
      break;
    case WindowKind::kListBox:
      NotifyParent(record, gained ? LBN_SETFOCUS : LBN_KILLFOCUS);
      break;
    case WindowKind::kButton:
      if (record.style & BS_NOTIFY) NotifyParent(record, gained ? BN_SETFOCUS : BN_KILLFOCUS);
      break;
    case WindowKind::kListCtrl:
    case WindowKind::kTreeCtrl: {
      NMHDR header;
      NotifyParent(record, header, gained ? NM_SETFOCUS : NM_KILLFOCUS);
      break;
    }
    default:
      break;
  }
}

// Windows made by CreateEx hear of the focus through their own messages.
void SendFocusMessage(WindowRecord& record, WindowRecord* other, bool gained) {
  if (!record.created || record.attached == nullptr) return;
  record.attached->SendMessage(gained ? WM_SETFOCUS : WM_KILLFOCUS,
                               reinterpret_cast<WPARAM>(other != nullptr ? other->handle() : nullptr));
}

}  // namespace

WindowRecord::WindowRecord(WindowKind kind_in, int id_in, DWORD style_in, std::string text_in)
    : kind(kind_in), id(id_in), style(style_in), text(std::move(text_in)), label(text) {
  enabled = (style & WS_DISABLED) == 0;
  LiveRecords().insert(this);
}

WindowRecord::~WindowRecord() {
  if (Focus() == this) Focus() = nullptr;
  children.clear();
  LiveRecords().erase(this);
  if (attached != nullptr) attached->m_hWnd = nullptr;
  if (temporary != nullptr) temporary->m_hWnd = nullptr;
}

HWND WindowRecord::handle() { return HandleOf(this); }

WindowRecord* WindowRecord::AddChild(std::unique_ptr<WindowRecord> child) {
  child->parent = this;
  children.push_back(std::move(child));
  return children.back().get();
}

WindowRecord* WindowRecord::FindChild(int child_id) {
  for (const auto& child : children) {
    if (child->id == child_id) return child.get();
  }
  return nullptr;
}

void WindowRecord::DestroyChild(WindowRecord* child) {
  const auto found =
      std::find_if(children.begin(), children.end(), [child](const auto& owned) { return owned.get() == child; });
  if (found != children.end()) children.erase(found);
}

bool WindowRecord::IsCheckBox() const {
  const DWORD type = ButtonType();
  return kind == WindowKind::kButton &&
         (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE);
}

bool WindowRecord::IsRadioButton() const {
  return kind == WindowKind::kButton && (ButtonType() == BS_RADIOBUTTON || ButtonType() == BS_AUTORADIOBUTTON);
}

bool WindowRecord::IsAutoButton() const {
  const DWORD type = ButtonType();
  return type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
}

bool WindowRecord::IsPushButton() const {
  const DWORD type = ButtonType();
  return kind == WindowKind::kButton && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW);
}

bool WindowRecord::IsDropDownList() const {
  return kind == WindowKind::kComboBox && (style & CBS_TYPEMASK) == CBS_DROPDOWNLIST;
}

bool WindowRecord::IsReadOnly() const { return kind == WindowKind::kEdit && (style & ES_READONLY) != 0; }

bool WindowRecord::Notifies() const {
  switch (kind) {
    case WindowKind::kListBox:
      return (style & LBS_NOTIFY) != 0;
    case WindowKind::kStatic:
      return (style & SS_NOTIFY) != 0;
    default:
      return true;
  }
}

std::string WindowRecord::KindName() const {
  switch (kind) {
    case WindowKind::kEdit:
      return "edit";
    case WindowKind::kComboBox:
      return "combo";
    case WindowKind::kListBox:
      return "list";
    case WindowKind::kListCtrl:
      return "listctrl";
    case WindowKind::kStatic:
      return (style & SS_TYPEMASK) == SS_BITMAP ? "picture" : "static";
    case WindowKind::kDialog:
      return "dialog";
    case WindowKind::kWindow:
      return "window";
    case WindowKind::kTreeCtrl:
      return "tree";
    case WindowKind::kButton:
      break;
  }
  if (IsCheckBox()) return "check";
  if (IsRadioButton()) return "radio";
  if (ButtonType() == BS_GROUPBOX) return "group";
  return "button";
}

std::vector<WindowRecord*> WindowRecord::RadioGroup() {
  std::vector<WindowRecord*> group;
  if (parent == nullptr || !IsRadioButton()) return {this};
  auto& siblings = parent->children;
  size_t index = 0;
  while (siblings[index].get() != this) ++index;
  // A group starts at a WS_GROUP radio or after a control that is no radio.
  size_t first = index;
  while (first > 0 && !(siblings[first]->style & WS_GROUP) && siblings[first - 1]->IsRadioButton()) --first;
  for (size_t i = first; i < siblings.size(); ++i) {
    if (i > first && (!siblings[i]->IsRadioButton() || (siblings[i]->style & WS_GROUP))) break;
    group.push_back(siblings[i].get());
  }
  return group;
}

std::string WindowRecord::ShownText() const {
  if (IsDropDownList()) {
    return current >= 0 && current < static_cast<int>(entries.size()) ? entries[current].text : std::string();
  }
  return text;
}

CRect WindowRecord::ScreenWindowRect() const {
  CRect rect = window_rect;
  if (parent != nullptr && parent != &Desktop()) {
    const CRect parent_client = parent->ScreenClientRect();
    rect.OffsetRect(parent_client.left, parent_client.top);
  }
  return rect;
}

CRect WindowRecord::ScreenClientRect() const {
  CRect client = client_rect;
  const CRect window = ScreenWindowRect();
  client.OffsetRect(window.left, window.top);
  return client;
}

WindowRecord* WindowRecord::TopLevel() {
  WindowRecord* record = this;
  while (record->parent != nullptr && record->parent != &Desktop()) record = record->parent;
  return record;
}

WindowRecord& Desktop() {
  static WindowRecord desktop(WindowKind::kWindow, 0, WS_VISIBLE, "desktop");
  return desktop;
}

HWND HandleOf(WindowRecord* record) { return reinterpret_cast<HWND>(record); }

WindowRecord* RecordOf(HWND handle) {
  auto* record = reinterpret_cast<WindowRecord*>(handle);
  if (record == nullptr || LiveRecords().count(record) == 0) return nullptr;
  return record;
}

WindowRecord* FocusedRecord() { return Focus(); }

void SetFocusRecord(WindowRecord* record) {
  WindowRecord* previous = Focus();
  if (previous == record) return;
  Focus() = record;
  if ((record != nullptr && record->created) || (previous != nullptr && previous->created)) {
    Backend().FocusChanged(record);
  }
  if (previous != nullptr) {
    SendFocusNotice(*previous, false);
    if (RecordOf(HandleOf(previous)) != nullptr) SendFocusMessage(*previous, record, false);
  }
  // A kill-focus handler may have moved the focus on or closed the window.
  if (record != nullptr && Focus() == record && RecordOf(HandleOf(record)) != nullptr) {
    SendFocusNotice(*record, true);
    if (Focus() == record && RecordOf(HandleOf(record)) != nullptr) SendFocusMessage(*record, previous, true);
  }
}

void NotifyParent(WindowRecord& control, UINT code) {
  if (control.parent == nullptr || control.parent->attached == nullptr) return;
  control.parent->attached->SendMessage(WM_COMMAND, CommandParam(control.id, code),
                                        reinterpret_cast<LPARAM>(control.handle()));
}

LRESULT NotifyParent(WindowRecord& control, NMHDR& header, UINT code) {
  header.hwndFrom = control.handle();
  header.idFrom = static_cast<UINT_PTR>(control.id);
  header.code = code;
  if (control.parent == nullptr || control.parent->attached == nullptr) return 0;
  return control.parent->attached->SendMessage(WM_NOTIFY, static_cast<WPARAM>(control.id),
                                               reinterpret_cast<LPARAM>(&header));
}

}  // namespace afx
