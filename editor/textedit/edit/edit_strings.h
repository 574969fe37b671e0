// The editing view's own message texts and the messages its commands show.
#pragma once

#include "platform/classlib/cstring.h"

// Adds the editing view's texts to the string table where their ids are still free.
void RegisterEditViewStrings();

// "Cannot find string "…"" with what in its place, in a message box.
void ShowCannotFindString(const CString& what);
// How many occurrences Replace All replaced.
void ShowReplacedCount(int count);
// Cut found the clipboard unwilling and kept the text.
void ShowClipboardRefused();
