// What kind of user action an edit belongs to, and the string resources that
// name it in the Undo and Redo menu items.
#pragma once

#include "platform/wintypes/windows_types.h"

class CString;

enum EditAction : int {
  ActionUnknown = 0,
  ActionPaste = 1,
  ActionDeleteSelection = 2,
  ActionCut = 3,
  ActionTyping = 4,
  ActionBackspace = 5,
  ActionIndent = 6,
  ActionDragAndDrop = 7,
  ActionReplace = 8,
  ActionDelete = 9,
  ActionAutoIndent = 10,
};

// Menu item formats; %s takes the action's text.
constexpr UINT IDS_EDIT_UNDO_FORMAT = 8615;
constexpr UINT IDS_EDIT_REDO_FORMAT = 8616;
// Menu items when nothing can be undone or redone.
constexpr UINT IDS_EDIT_UNDO_PLAIN = 8617;
constexpr UINT IDS_EDIT_REDO_PLAIN = 8618;

// The string id of an action's text; 0 for a code without one.
UINT EditActionStringId(int action);

// Adds the component's texts to the string table where their ids are still free.
void RegisterTextEditStrings();

// Loads the component's string id into text; FALSE when it has none.
BOOL LoadTextEditString(UINT id, CString& text);
