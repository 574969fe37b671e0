#include "platform/cad/db/db_handle.h"

#include <cstdio>

AcDbHandle::AcDbHandle(const char* hexText) {
  if (hexText == nullptr) return;
  std::uint64_t value = 0;
  int digits = 0;
  for (const char* p = hexText; *p != '\0'; ++p) {
    const char c = *p;
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return;
    }
    if (++digits > 16) return;
    value = (value << 4) | static_cast<std::uint64_t>(digit);
  }
  value_ = value;
}

bool AcDbHandle::getIntoAsciiBuffer(char* buffer) const {
  if (buffer == nullptr) return false;
  std::snprintf(buffer, kStrSiz, "%llX", static_cast<unsigned long long>(value_));
  return true;
}
