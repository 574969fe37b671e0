#include "platform/cad/db/db_handle.h"

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
  // Written often (every record of a DXF file has a handle), so without printf.
  static const char kDigits[] = "0123456789ABCDEF";
  char reversed[16];
  int count = 0;
  std::uint64_t rest = value_;
  do {
    reversed[count++] = kDigits[rest & 15];
    rest >>= 4;
  } while (rest != 0);
  for (int i = 0; i < count; ++i) buffer[i] = reversed[count - 1 - i];
  buffer[count] = '\0';
  return true;
}
