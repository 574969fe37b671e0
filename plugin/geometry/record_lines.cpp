#include "plugin/geometry/record_lines.h"

bool TakeRecordLine(const char*& cursor, std::string& line) {
  if (cursor == nullptr || *cursor == '\0') return false;
  const char* end = cursor;
  while (*end != '\0' && *end != '\n') ++end;
  line.assign(cursor, end);
  cursor = *end == '\n' ? end + 1 : end;
  return true;
}
