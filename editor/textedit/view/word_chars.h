// Which characters make words and which are blanks, for word moves, word
// selection and whole-word search. A character of several bytes (a letter
// of another script) counts as a word character.
#pragma once

#include <string_view>

namespace word_chars {

// The C white-space characters.
bool IsBlank(char c);
// Letters, digits, '_' and every multi-byte character; index is a character start.
bool IsWordCharAt(std::string_view line, int index);

// From index back over word characters; from index forward over them.
int WordStart(std::string_view line, int index);
int WordEnd(std::string_view line, int index);

}  // namespace word_chars
