// Byte-wise text helpers of the window model that keep UTF-8 characters whole.
#pragma once

#include <string>

namespace afx {

// The longest prefix of text with at most max_bytes bytes that does not cut a character.
std::string CutAtCharacter(const std::string& text, size_t max_bytes);

// Copies text into buffer (at most buffer_size - 1 bytes, terminated, whole
// characters only); returns the bytes copied. A null or empty buffer gets nothing.
int CopyText(const std::string& text, char* buffer, int buffer_size);

}  // namespace afx
