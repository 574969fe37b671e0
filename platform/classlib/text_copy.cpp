#include "platform/classlib/text_copy.h"

#include <cstring>

namespace afx {

std::string CutAtCharacter(const std::string& text, size_t max_bytes) {
  if (text.size() <= max_bytes) return text;
  size_t end = max_bytes;
  // Step back over continuation bytes (10xxxxxx) to the start of the cut character.
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

int CopyText(const std::string& text, char* buffer, int buffer_size) {
  if (buffer == nullptr || buffer_size <= 0) return 0;
  const std::string copied = CutAtCharacter(text, static_cast<size_t>(buffer_size - 1));
  std::memcpy(buffer, copied.data(), copied.size());
  buffer[copied.size()] = '\0';
  return static_cast<int>(copied.size());
}

}  // namespace afx
