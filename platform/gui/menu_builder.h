// Native menus made from the class library's menus, and kept in step with
// them: item states change in place, a changed list of items is rebuilt.
#pragma once

#include "platform/classlib/window/menu.h"

class wxMenu;
class wxMenuBar;

namespace gui {

// Native ids keep clear of the toolkit's own.
int NativeMenuId(UINT command);
// The command of a native id; 0 for an id that is no command of ours.
UINT CommandOfNativeId(int id);

wxMenu* BuildMenu(const afx::MenuRecord& record);
wxMenuBar* BuildMenuBar(const afx::MenuRecord& record);
// False when the bar's menus are not the record's (then build a new bar);
// otherwise updates states and rebuilds the menus whose items changed.
bool SyncMenuBar(wxMenuBar& bar, const afx::MenuRecord& record);
// The class library's menu that a native menu of the bar shows; null if none.
const afx::MenuRecord* RecordOfMenu(wxMenuBar& bar, const afx::MenuRecord& record, const wxMenu* menu);

}  // namespace gui
