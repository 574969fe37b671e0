// The program's string resources: texts by numeric id, as a resource script's
// STRINGTABLE gives them. Modules register their entries at start-up;
// CString::LoadString and AfxLoadString read them.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "platform/wintypes/windows_types.h"

struct StringTableEntry {
  UINT id;
  const char* text;
};

namespace string_table {

// Adds or replaces one entry.
void Set(UINT id, std::string text);
// Null when the id has no entry. The pointer stays valid until the entry
// is replaced or removed.
const std::string* Find(UINT id);
void Remove(UINT id);
void Clear();

}  // namespace string_table

// Registers a block of entries during static start-up:
//   static const StringTableRegistration strings{{IDS_TITLE, "제목"}, ...};
class StringTableRegistration {
 public:
  StringTableRegistration(std::initializer_list<StringTableEntry> entries);
};

// Copies the text of id into buffer (at most buffer_size - 1 bytes, always
// terminated, never cutting a multi-byte character); returns the bytes
// copied, 0 when the id is unknown.
int AfxLoadString(UINT id, char* buffer, UINT buffer_size);
