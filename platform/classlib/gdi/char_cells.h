// Characters of UTF-8 text and the screen cells they take: a wide (CJK)
// character takes two cells, any other one cell.
#pragma once

#include <cstddef>
#include <string_view>

namespace afx {

// The code point starting at text[at] and the bytes it takes (at least one:
// a byte that starts no valid sequence stands for itself).
char32_t DecodeUtf8(std::string_view text, size_t at, size_t* length);
// Bytes of the character that starts at text[at].
size_t Utf8Length(std::string_view text, size_t at);
int CharCells(char32_t code);
int TextCells(std::string_view text);
// Appends the UTF-8 form of code.
void AppendUtf8(std::string& out, char32_t code);

}  // namespace afx
