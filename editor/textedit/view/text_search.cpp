#include "editor/textedit/view/text_search.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "editor/textedit/view/line_columns.h"
#include "editor/textedit/view/word_chars.h"

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

size_t FindFrom(std::string_view line, std::string_view what, size_t from, bool match_case) {
  if (from > line.size()) return std::string_view::npos;
  if (match_case) return line.find(what, from);
  const auto hit = std::search(line.begin() + static_cast<std::ptrdiff_t>(from), line.end(), what.begin(), what.end(),
                               [](char a, char b) { return Upper(a) == Upper(b); });
  return hit == line.end() ? std::string_view::npos : static_cast<size_t>(hit - line.begin());
}

// A match at start counts: it is made of whole characters and, for whole
// words, stands between non-word characters.
bool Counts(std::string_view line, int start, int length, DWORD flags) {
  const int end = start + length;
  if (line_columns::CharStartAt(line, start) != start || line_columns::CharStartAt(line, end) != end) return false;
  if (!(flags & FIND_WHOLE_WORD)) return true;
  if (start > 0 && word_chars::IsWordCharAt(line, line_columns::PrevChar(line, start))) return false;
  return !word_chars::IsWordCharAt(line, end);
}

// Occurrences in line that start at low or later, before start_limit, and end by high.
struct LineWindow {
  int low = 0;
  int start_limit = INT_MAX;
  int high = INT_MAX;
};

std::optional<int> FirstIn(std::string_view line, std::string_view what, LineWindow window, DWORD flags) {
  const int length = static_cast<int>(what.size());
  const int high = std::min<int>(window.high, static_cast<int>(line.size()));
  for (size_t at = FindFrom(line, what, static_cast<size_t>(std::max(window.low, 0)), flags & FIND_MATCH_CASE);
       at != std::string_view::npos; at = FindFrom(line, what, at + 1, flags & FIND_MATCH_CASE)) {
    const int start = static_cast<int>(at);
    if (start >= window.start_limit || start + length > high) return std::nullopt;
    if (Counts(line, start, length, flags)) return start;
  }
  return std::nullopt;
}

std::optional<int> LastIn(std::string_view line, std::string_view what, LineWindow window, DWORD flags) {
  std::optional<int> last;
  while (const std::optional<int> next = FirstIn(line, what, window, flags)) {
    last = next;
    window.low = *next + 1;
  }
  return last;
}

bool SearchDown(const SearchLineSource& lines, std::string_view what, TextPosition from, TextPosition block_start,
                TextPosition block_end, DWORD flags, TextPosition* found) {
  const TextPosition start = std::max(from, block_start);
  if (start >= block_end) return false;
  for (int line = start.line; line <= block_end.line; ++line) {
    LineWindow window;
    window.low = line == start.line ? start.column : 0;
    if (line == block_end.line) window.high = block_end.column;
    if (const std::optional<int> hit = FirstIn(lines(line), what, window, flags)) {
      *found = TextPosition{*hit, line};
      return true;
    }
  }
  return false;
}

bool SearchUp(const SearchLineSource& lines, std::string_view what, TextPosition from, TextPosition block_start,
              TextPosition block_end, DWORD flags, TextPosition* found) {
  const TextPosition start = std::min(from, block_end);
  if (start <= block_start) return false;
  for (int line = start.line; line >= block_start.line; --line) {
    LineWindow window;
    if (line == block_start.line) window.low = block_start.column;
    if (line == start.line) window.start_limit = start.column;
    if (line == block_end.line) window.high = block_end.column;
    if (const std::optional<int> hit = LastIn(lines(line), what, window, flags)) {
      *found = TextPosition{*hit, line};
      return true;
    }
  }
  return false;
}

}  // namespace

bool SearchBlock(const SearchLineSource& lines, std::string_view what, TextPosition from, TextPosition block_start,
                 TextPosition block_end, DWORD flags, bool wrap, TextPosition* found) {
  if (what.empty() || block_start >= block_end) return false;
  const auto search = (flags & FIND_DIRECTION_UP) ? SearchUp : SearchDown;
  if (search(lines, what, from, block_start, block_end, flags, found)) return true;
  if (!wrap) return false;
  const TextPosition again = (flags & FIND_DIRECTION_UP) ? block_end : block_start;
  return search(lines, what, again, block_start, block_end, flags, found);
}
