#include "platform/gui/menu_builder.h"

#include <wx/menu.h>

#include <algorithm>
#include <map>

namespace gui {
namespace {

constexpr int kIdBase = 10000;
constexpr int kIdLast = 0x7FFE;  // the toolkit's limit

// Command ids reach 0xFFFF; native ids are handed out as commands are first seen.
struct IdTable {
  std::map<UINT, int> native;
  std::map<int, UINT> command;
};

IdTable& Ids() {
  static IdTable table;
  return table;
}

bool Disabled(const afx::MenuItem& item) { return (item.flags & (MF_GRAYED | MF_DISABLED)) != 0; }
bool Separator(const afx::MenuItem& item) { return (item.flags & MF_SEPARATOR) != 0; }
bool Popup(const afx::MenuItem& item) { return (item.flags & MF_POPUP) != 0 && item.popup != nullptr; }

// The item's text as the class library holds it; the label may be normalised by the toolkit.
wxString OriginalText(const afx::MenuItem& item) { return wxString::FromUTF8(item.text); }

void AppendItem(wxMenu& menu, const afx::MenuItem& item) {
  if (Separator(item)) {
    menu.AppendSeparator();
    return;
  }
  wxMenuItem* added = nullptr;
  if (Popup(item)) {
    added = menu.AppendSubMenu(BuildMenu(*item.popup), wxString::FromUTF8(item.text));
  } else {
    const wxItemKind kind = (item.flags & MF_CHECKED) ? wxITEM_CHECK : wxITEM_NORMAL;
    added = menu.Append(NativeMenuId(item.id), wxString::FromUTF8(item.text), OriginalText(item), kind);
    if (kind == wxITEM_CHECK) added->Check(true);
  }
  added->SetHelp(OriginalText(item));
  added->Enable(!Disabled(item));
}

bool SameItem(const wxMenuItem& native, const afx::MenuItem& item) {
  if (Separator(item)) return native.IsSeparator();
  if (native.IsSeparator() || native.GetHelp() != OriginalText(item)) return false;
  if (Popup(item)) return native.IsSubMenu();
  if (native.IsSubMenu() || native.GetId() != NativeMenuId(item.id)) return false;
  return !(item.flags & MF_CHECKED) || native.IsCheckable();
}

void Fill(wxMenu& menu, const afx::MenuRecord& record) {
  while (menu.GetMenuItemCount() > 0) menu.Destroy(menu.FindItemByPosition(0));
  for (const afx::MenuItem& item : record.items) AppendItem(menu, item);
}

void Sync(wxMenu& menu, const afx::MenuRecord& record) {
  bool same = menu.GetMenuItemCount() == record.items.size();
  for (size_t i = 0; same && i < record.items.size(); ++i)
    same = SameItem(*menu.FindItemByPosition(i), record.items[i]);
  if (!same) {
    Fill(menu, record);
    return;
  }
  for (size_t i = 0; i < record.items.size(); ++i) {
    const afx::MenuItem& item = record.items[i];
    wxMenuItem* native = menu.FindItemByPosition(i);
    if (Separator(item)) continue;
    if (native->IsEnabled() == Disabled(item)) native->Enable(!Disabled(item));
    if (native->IsCheckable() && native->IsChecked() != ((item.flags & MF_CHECKED) != 0)) {
      native->Check((item.flags & MF_CHECKED) != 0);
    }
    if (Popup(item)) Sync(*native->GetSubMenu(), *item.popup);
  }
}

const afx::MenuRecord* Find(wxMenu& menu, const afx::MenuRecord& record, const wxMenu* wanted) {
  if (&menu == wanted) return &record;
  for (size_t i = 0; i < record.items.size() && i < menu.GetMenuItemCount(); ++i) {
    wxMenuItem* native = menu.FindItemByPosition(i);
    if (!Popup(record.items[i]) || !native->IsSubMenu()) continue;
    if (const afx::MenuRecord* found = Find(*native->GetSubMenu(), *record.items[i].popup, wanted)) return found;
  }
  return nullptr;
}

}  // namespace

int NativeMenuId(UINT command) {
  IdTable& ids = Ids();
  if (const auto found = ids.native.find(command); found != ids.native.end()) return found->second;
  const int id = std::min(kIdBase + static_cast<int>(ids.native.size()), kIdLast);
  ids.native.emplace(command, id);
  ids.command.emplace(id, command);
  return id;
}

UINT CommandOfNativeId(int id) {
  const auto found = Ids().command.find(id);
  return found != Ids().command.end() ? found->second : 0;
}

wxMenu* BuildMenu(const afx::MenuRecord& record) {
  auto* menu = new wxMenu;  // owned by the bar, the item or the caller that shows it
  for (const afx::MenuItem& item : record.items) AppendItem(*menu, item);
  return menu;
}

wxMenuBar* BuildMenuBar(const afx::MenuRecord& record) {
  auto* bar = new wxMenuBar;  // owned by the frame it is set on
  for (const afx::MenuItem& item : record.items) {
    if (!Popup(item)) continue;
    bar->Append(BuildMenu(*item.popup), wxString::FromUTF8(item.text));
  }
  return bar;
}

bool SyncMenuBar(wxMenuBar& bar, const afx::MenuRecord& record) {
  size_t position = 0;
  for (const afx::MenuItem& item : record.items) {
    if (!Popup(item)) continue;
    if (position >= bar.GetMenuCount() || bar.GetMenuLabel(position) != wxString::FromUTF8(item.text)) return false;
    ++position;
  }
  if (position != bar.GetMenuCount()) return false;
  position = 0;
  for (const afx::MenuItem& item : record.items) {
    if (!Popup(item)) continue;
    bar.EnableTop(position, !Disabled(item));
    Sync(*bar.GetMenu(position++), *item.popup);
  }
  return true;
}

const afx::MenuRecord* RecordOfMenu(wxMenuBar& bar, const afx::MenuRecord& record, const wxMenu* menu) {
  size_t position = 0;
  for (const afx::MenuItem& item : record.items) {
    if (!Popup(item) || position >= bar.GetMenuCount()) continue;
    if (const afx::MenuRecord* found = Find(*bar.GetMenu(position++), *item.popup, menu)) return found;
  }
  return nullptr;
}

}  // namespace gui
