#include "editor/textedit/edit_action.h"

#include "platform/classlib/cstring.h"
#include "platform/classlib/string_table.h"

namespace {

struct ActionText {
  int action;
  UINT id;
  const char* text;
};

constexpr ActionText kActionTexts[] = {
    {ActionUnknown, 8619, "Unknown"},
    {ActionPaste, 8620, "Paste"},
    {ActionDeleteSelection, 8621, "Delete Selection"},
    {ActionCut, 8622, "Cut"},
    {ActionTyping, 8624, "Typing"},
    {ActionBackspace, 8625, "Backspace"},
    {ActionIndent, 8626, "Indent"},
    {ActionDragAndDrop, 8627, "Drag And Drop"},
    {ActionReplace, 8628, "Replace"},
    {ActionDelete, 8623, "Delete"},
    {ActionAutoIndent, 8629, "Auto Indent"},
};

}  // namespace

UINT EditActionStringId(int action) {
  for (const ActionText& entry : kActionTexts) {
    if (entry.action == action) return entry.id;
  }
  return 0;
}

void RegisterTextEditStrings() {
  // Entries already present (a translation, say) win over ours.
  const auto add = [](UINT id, const char* text) {
    if (string_table::Find(id) == nullptr) string_table::Set(id, text);
  };
  add(IDS_EDIT_UNDO_FORMAT, "&Undo %s\tCtrl+Z");
  add(IDS_EDIT_REDO_FORMAT, "&Redo %s\tCtrl+Y");
  add(IDS_EDIT_UNDO_PLAIN, "&Undo\tCtrl+Z");
  add(IDS_EDIT_REDO_PLAIN, "&Redo\tCtrl+Y");
  for (const ActionText& entry : kActionTexts) add(entry.id, entry.text);
}

BOOL LoadTextEditString(UINT id, CString& text) {
  RegisterTextEditStrings();
  return text.LoadString(id);
}
