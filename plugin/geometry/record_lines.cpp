#include "plugin/geometry/record_lines.h"

#include <cstring>

bool TakeRecordLine(const char*& cursor, std::string& line) {
  if (cursor == nullptr || *cursor == '\0') return false;
  const char* end = cursor;
  while (*end != '\0' && *end != '\n') ++end;
  line.assign(cursor, end);
  cursor = *end == '\n' ? end + 1 : end;
  return true;
}

bool RecordStartsWithTag(const char* text, const char* tag) {
  if (text == nullptr) return false;
  while (*text == ' ' || *text == '\t') ++text;
  const std::size_t length = std::strlen(tag);
  return std::strncmp(text, tag, length) == 0 && (text[length] == ' ' || text[length] == '\t');
}
