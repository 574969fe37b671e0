#include "platform/classlib/string_table.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

// Function-local so that registrations from any static constructor find it.
std::map<UINT, std::string>& Table() {
  static std::map<UINT, std::string> table;
  return table;
}

bool IsContinuationByte(char ch) { return (static_cast<unsigned char>(ch) & 0xC0) == 0x80; }

}  // namespace

namespace string_table {

void Set(UINT id, std::string text) { Table()[id] = std::move(text); }

const std::string* Find(UINT id) {
  auto it = Table().find(id);
  return it == Table().end() ? nullptr : &it->second;
}

void Remove(UINT id) { Table().erase(id); }

void Clear() { Table().clear(); }

}  // namespace string_table

StringTableRegistration::StringTableRegistration(std::initializer_list<StringTableEntry> entries) {
  for (const StringTableEntry& entry : entries) {
    string_table::Set(entry.id, entry.text == nullptr ? std::string() : std::string(entry.text));
  }
}

int AfxLoadString(UINT id, char* buffer, UINT buffer_size) {
  if (buffer == nullptr || buffer_size == 0) return 0;
  buffer[0] = '\0';
  const std::string* text = string_table::Find(id);
  if (text == nullptr) return 0;
  size_t length = std::min<size_t>(text->size(), buffer_size - 1);
  // A cut must not leave half a character behind.
  if (length < text->size()) {
    while (length > 0 && IsContinuationByte((*text)[length])) --length;
  }
  std::memcpy(buffer, text->data(), length);
  buffer[length] = '\0';
  return static_cast<int>(length);
}
