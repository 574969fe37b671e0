// Command, dialog, control and string ids of the editing view and its find
// and replace dialogs.
#pragma once

#include "platform/classlib/docview/afx_ids.h"

constexpr UINT ID_EDIT_DELETE_LINE = 32822;

// The find dialog and the replace dialog.
constexpr UINT IDD_EDIT_FIND = 8601;
constexpr UINT IDD_EDIT_REPLACE = 8602;
constexpr int IDC_EDIT_WHOLE_WORD = 8603;
constexpr int IDC_EDIT_MATCH_CASE = 8604;
constexpr int IDC_EDIT_TEXT = 8605;
constexpr int IDC_EDIT_REPLACE = 8607;
constexpr int IDC_EDIT_REPLACE_ALL = 8608;
constexpr int IDC_EDIT_REPLACE_WITH = 8609;
constexpr int IDC_EDIT_SKIP = 8610;  // the replace dialog's Find Next
constexpr int IDC_EDIT_DIRECTION_UP = 8611;
constexpr int IDC_EDIT_DIRECTION_DOWN = 8612;
constexpr int IDC_EDIT_SCOPE_SELECTION = 8613;
constexpr int IDC_EDIT_SCOPE_WHOLE_FILE = 8614;

// "%d occurrence(s) replaced": what Replace All says when it is done.
constexpr UINT IDS_REPLACED_COUNT = 8630;
// Cut keeps the text when the clipboard did not take it.
constexpr UINT IDS_CLIPBOARD_REFUSED = 8631;
