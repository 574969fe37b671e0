// The entry list shared by combo boxes and list boxes.
#pragma once

#include <string>

#include "platform/classlib/window_record.h"

namespace afx {

// Appends, or inserts in order (ASCII case folded) when sorted; returns the index.
int AddEntry(WindowRecord& record, const std::string& text, bool sorted);
// Inserts before index (-1 appends); -1 when the index is out of range.
int InsertEntry(WindowRecord& record, int index, const std::string& text);
// Returns the entries left, or -1 for a bad index.
int DeleteEntry(WindowRecord& record, int index);
// First entry after start_after (wrapping round) that begins with (or, when
// exact, equals) text, ignoring ASCII case; -1 when none does.
int FindEntry(const WindowRecord& record, int start_after, const std::string& text, bool exact);
bool ValidEntry(const WindowRecord& record, int index);

}  // namespace afx
