// String values of a DXF R2000 file. A value is one line, so control characters are
// caret escaped: a control character becomes '^' and the character 64 above it (a
// line break is "^J") and a '^' of the text becomes "^ ". The file's code page is
// ANSI_1252, so characters outside ASCII travel as "\U+XXXX" (UTF-16 units).
// In memory every string is UTF-8.
#pragma once

#include <string>
#include <string_view>

// Appends the text (UTF-8) to out as a DXF value.
void appendDxfString(std::string& out, std::string_view text);
std::string encodeDxfString(std::string_view text);
// The UTF-8 text of a value. A '^' that starts no escape is kept as it is; bytes that
// are not UTF-8 are taken as Windows-1252.
std::string decodeDxfString(std::string_view value);
// True when decodeDxfString would change the value.
bool dxfStringNeedsDecoding(std::string_view value);
