#include "editor/textedit/view/word_chars.h"

#include <algorithm>

#include "editor/textedit/view/line_columns.h"

namespace word_chars {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool IsWordCharAt(std::string_view line, int index) {
  if (index < 0 || index >= static_cast<int>(line.size())) return false;
  const auto byte = static_cast<unsigned char>(line[static_cast<size_t>(index)]);
  if (byte >= 0x80) return line_columns::NextChar(line, index) - index > 1;
  return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte == '_';
}

int WordStart(std::string_view line, int index) {
  int at = line_columns::CharStartAt(line, index);
  while (at > 0) {
    const int before = line_columns::PrevChar(line, at);
    if (!IsWordCharAt(line, before)) break;
    at = before;
  }
  return at;
}

int WordEnd(std::string_view line, int index) {
  int at = line_columns::CharStartAt(line, index);
  while (at < static_cast<int>(line.size()) && IsWordCharAt(line, at)) at = line_columns::NextChar(line, at);
  return at;
}

}  // namespace word_chars
