#include "editor/textedit/view/line_columns.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "editor/textedit/utf8_boundary.h"
#include "platform/classlib/gdi/char_cells.h"

namespace line_columns {
namespace {

constexpr char kTabMark[] = "\xC2\xBB";        // »
constexpr char kBlankMark[] = "\xE2\x80\xA2";  // •

int Length(std::string_view line) { return static_cast<int>(line.size()); }

int TabWidth(int column, int tab_size) {
  const int size = std::max(tab_size, 1);
  return size - column % size;
}

// Columns of the character at index starting at column, and its byte length.
int CharColumns(std::string_view line, int index, int column, int tab_size, int* bytes) {
  const auto byte = static_cast<unsigned char>(line[static_cast<size_t>(index)]);
  if (byte < 0x80) {
    *bytes = 1;
    return byte == '\t' ? TabWidth(column, tab_size) : 1;
  }
  size_t length = 1;
  const char32_t code = afx::DecodeUtf8(line, static_cast<size_t>(index), &length);
  *bytes = static_cast<int>(length);
  return afx::CharCells(code);
}

// ASCII without tabs, tested eight bytes at a time: every line of a big file
// is measured when it opens.
bool IsPlain(std::string_view line) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  std::uint64_t high_bits = 0;
  std::uint64_t tabs = 0;
  size_t at = 0;
  for (; at + sizeof high_bits <= line.size(); at += sizeof high_bits) {
    std::uint64_t word;
    std::memcpy(&word, line.data() + at, sizeof word);
    high_bits |= word;
    const std::uint64_t tab_bytes_zero = word ^ (kOnes * '\t');
    tabs |= (tab_bytes_zero - kOnes) & ~tab_bytes_zero & kHighBits;  // non-zero when a byte is a tab
  }
  if (at < line.size()) {
    // The last few bytes as one word padded with spaces: no byte-by-byte loop on short lines.
    std::uint64_t word = kOnes * ' ';
    std::memcpy(&word, line.data() + at, line.size() - at);
    high_bits |= word;
    const std::uint64_t tab_bytes_zero = word ^ (kOnes * '\t');
    tabs |= (tab_bytes_zero - kOnes) & ~tab_bytes_zero & kHighBits;
  }
  return (high_bits & kHighBits) == 0 && tabs == 0;
}

// A control byte inside a line (a lone CR or LF of a CR LF file, say) would
// end or garble the drawn text: it shows as its one-cell control picture.
bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte < 0x20 && c != '\t') || byte == 0x7F;
}

std::string ControlPicture(char c) {
  const auto byte = static_cast<unsigned char>(c);
  const unsigned picture = byte == 0x7F ? 0x21 : byte;  // U+2400 + byte, U+2421 for DEL
  return {'\xE2', '\x90', static_cast<char>(0x80 + picture)};
}

}  // namespace

int NextChar(std::string_view line, int index) {
  if (index >= Length(line)) return Length(line);
  const int start = CharStartAt(line, index);
  return start + static_cast<int>(afx::Utf8Length(line, static_cast<size_t>(start)));
}

int PrevChar(std::string_view line, int index) {
  if (index <= 0) return 0;
  return utf8_boundary::CharStart(line.data(), Length(line), std::min(index, Length(line)) - 1);
}

int CharStartAt(std::string_view line, int index) {
  return utf8_boundary::CharStart(line.data(), Length(line), std::clamp(index, 0, Length(line)));
}

int ColumnOfIndex(std::string_view line, int index, int tab_size) {
  const int stop = std::min(index, Length(line));
  int column = 0;
  for (int at = 0; at < stop;) {
    int bytes = 1;
    column += CharColumns(line, at, column, tab_size, &bytes);
    at += bytes;
  }
  return column;
}

int ExpandedLength(std::string_view line, int tab_size) {
  // Plain ASCII without tabs, the usual NC line, is its own length.
  return IsPlain(line) ? Length(line) : ColumnOfIndex(line, Length(line), tab_size);
}

int IndexAtColumn(std::string_view line, int column, int tab_size) {
  int start = 0;
  for (int at = 0; at < Length(line);) {
    int bytes = 1;
    const int end = start + CharColumns(line, at, start, tab_size, &bytes);
    if (end > column) return at;
    start = end;
    at += bytes;
  }
  return Length(line);
}

int IndexNearColumn(std::string_view line, int column, int tab_size) {
  int start = 0;
  for (int at = 0; at < Length(line);) {
    if (start >= column) return at;
    int bytes = 1;
    const int width = CharColumns(line, at, start, tab_size, &bytes);
    const int end = start + width;
    if (end > column) {
      const int half = line[static_cast<size_t>(at)] == '\t' ? std::max(tab_size, 1) / 2 : width / 2;
      return end - column < half ? at + bytes : at;
    }
    start = end;
    at += bytes;
  }
  return Length(line);
}

std::string Expand(std::string_view line, int from, int to, int start_column, int tab_size, bool show_whitespace,
                   int* end_column) {
  std::string out;
  int column = start_column;
  to = std::min(to, Length(line));
  for (int at = std::max(from, 0); at < to;) {
    int bytes = 1;
    const int width = CharColumns(line, at, column, tab_size, &bytes);
    const char c = line[static_cast<size_t>(at)];
    if (c == '\t') {
      out += show_whitespace ? kTabMark : " ";
      out.append(static_cast<size_t>(width - 1), ' ');
    } else if (c == ' ' && show_whitespace) {
      out += kBlankMark;
    } else if (IsControl(c)) {
      out += ControlPicture(c);
    } else {
      out.append(line.substr(static_cast<size_t>(at), static_cast<size_t>(bytes)));
    }
    column += width;
    at += bytes;
  }
  if (end_column != nullptr) *end_column = column;
  return out;
}

std::string CropColumns(std::string_view expanded, int start_column, int first, int last, int* shown_column) {
  std::string out;
  int column = start_column;
  *shown_column = std::max(start_column, first);
  for (size_t at = 0; at < expanded.size() && column < last;) {
    size_t length = 1;
    const int width = afx::CharCells(afx::DecodeUtf8(expanded, at, &length));
    if (column >= first && column + width <= last) {
      out.append(expanded.substr(at, length));
    } else if (column < first && column + width > first) {
      out.append(static_cast<size_t>(std::min(column + width, last) - first), ' ');
    }
    column += width;
    at += length;
  }
  return out;
}

int ColumnX(int left, int right, long long column, long long first_column, int char_width) {
  const long long x = left + (column - first_column) * static_cast<long long>(char_width);
  return static_cast<int>(
      std::clamp<long long>(x, static_cast<long long>(left) - char_width, static_cast<long long>(right) + char_width));
}

}  // namespace line_columns
