#include "editor/app/nc_colouring.h"

#include <cctype>
#include <string_view>

namespace {

constexpr std::string_view kAddressLetters = "GMSFTHIJKXYZ";

bool IsAddressLetter(char c) { return kAddressLetters.find(c) != std::string_view::npos; }

bool IsLetter(unsigned char c) { return std::isalpha(c) != 0; }

// Appends blocks of one line: never before the last block of the line.
class BlockSink {
 public:
  explicit BlockSink(std::vector<ColourBlock>* blocks) : blocks_(blocks), first_(blocks ? blocks->size() : 0) {}
  void Add(int position, int colour) {
    if (blocks_ == nullptr) return;
    if (blocks_->size() > first_ && blocks_->back().position > position) return;
    blocks_->push_back({position, colour});
  }

 private:
  std::vector<ColourBlock>* blocks_;
  size_t first_;
};

// The colour that goes on after a quote or parenthesis closes, or after a word, in the current state.
void ResumeColour(DWORD cookie, int position, BlockSink& sink) {
  if (cookie & (NC_COOKIE_REST_OF_LINE | NC_COOKIE_PARENTHESIS)) {
    sink.Add(position, NC_COLOUR_ADDRESS);
  } else if (cookie & (NC_COOKIE_DOUBLE_QUOTE | NC_COOKIE_SINGLE_QUOTE)) {
    sink.Add(position, NC_COLOUR_STRING);
  } else if (cookie & NC_COOKIE_HASH_LINE) {
    sink.Add(position, NC_COLOUR_HASH_LINE);
  }
}

// A run of letters [start, end) followed by the character at end.
void ColourWord(std::string_view line, int start, int end, BlockSink& sink) {
  if (!IsAddressLetter(line[static_cast<size_t>(start)])) return;
  sink.Add(start, NC_COLOUR_ADDRESS);
  const char last = line[static_cast<size_t>(end - 1)];
  if (last == 'X' || last == 'Y' || last == 'Z') sink.Add(start, NC_COLOUR_AXIS);
  if (last == 'M' || last == 'S' || last == 'F') sink.Add(start, NC_COLOUR_MSF);
  if (last == 'I' || last == 'J' || last == 'T') sink.Add(start, NC_COLOUR_IJT);
  if (last == 'G') {
    const auto at = [&](int i) { return i < static_cast<int>(line.size()) ? line[static_cast<size_t>(i)] : '\0'; };
    if (at(end) == '0' && at(end + 1) >= '0' && at(end + 1) <= '3') {
      sink.Add(start + 1, NC_COLOUR_ADDRESS);
      sink.Add(start + 2, NC_COLOUR_ADDRESS);
    }
    sink.Add(start, NC_COLOUR_ADDRESS);
  }
  sink.Add(start + 1, NC_COLOUR_VALUE);
}

}  // namespace

DWORD NcColourBlocks(DWORD cookie, std::string_view line, BOOL colouring_off, std::vector<ColourBlock>* blocks) {
  const int length = static_cast<int>(line.size());
  if (length < 1) return cookie & NC_COOKIE_SINGLE_QUOTE;
  if (colouring_off) return 0;
  // Only a quote or a closing backslash carries into the next line: most lines, asked only
  // for what they carry, need no parse (a jump to the end of a big file asks every line).
  if (blocks == nullptr && cookie == 0 && line.back() != '\\' && line.find('\'') == std::string_view::npos) {
    return 0;
  }
  BlockSink sink(blocks);
  bool at_line_start = (cookie & ~NC_COOKIE_SINGLE_QUOTE) == 0;
  int word = -1;
  bool resume = true;
  bool resume_back = false;
  for (int i = 0; i < length; ++i) {
    if (resume) {
      ResumeColour(cookie, resume_back ? i - 1 : i, sink);
      resume = resume_back = false;
    }
    const unsigned char c = static_cast<unsigned char>(line[static_cast<size_t>(i)]);
    const char previous = i > 0 ? line[static_cast<size_t>(i - 1)] : '\0';
    if (cookie & NC_COOKIE_REST_OF_LINE) {
      sink.Add(i, NC_COLOUR_ADDRESS);
      break;
    }
    if (cookie & NC_COOKIE_DOUBLE_QUOTE) {
      if (c == '"' && (i == 0 || previous != '\\')) {
        cookie &= ~NC_COOKIE_DOUBLE_QUOTE;
        resume = true;
      }
      continue;
    }
    if (cookie & NC_COOKIE_SINGLE_QUOTE) {
      if (c == '\'' && (i == 0 || previous != '\\')) {
        cookie &= ~NC_COOKIE_SINGLE_QUOTE;
        resume = true;
      }
      continue;
    }
    if (cookie & NC_COOKIE_PARENTHESIS) {
      if (i > 0 && c == ')') {
        cookie &= ~NC_COOKIE_PARENTHESIS;
        resume = true;
      }
      continue;
    }
    if (c == '/') {
      sink.Add(i, NC_COLOUR_ADDRESS);
      cookie |= NC_COOKIE_REST_OF_LINE;
      break;
    }
    if (cookie & NC_COOKIE_HASH_LINE) {
      if (c == '(') {
        sink.Add(i, NC_COLOUR_ADDRESS);
        cookie |= NC_COOKIE_PARENTHESIS;
      }
      continue;
    }
    if (c == '"' || c == '\'') {
      sink.Add(i, NC_COLOUR_STRING);
      cookie |= c == '"' ? NC_COOKIE_DOUBLE_QUOTE : NC_COOKIE_SINGLE_QUOTE;
      continue;
    }
    if (c == '(') {
      sink.Add(i, NC_COLOUR_COMMENT);
      cookie |= NC_COOKIE_PARENTHESIS;
      continue;
    }
    if (at_line_start) {
      if (c == '#') {
        sink.Add(i, NC_COLOUR_HASH_LINE);
        cookie |= NC_COOKIE_HASH_LINE;
        continue;
      }
      if (std::isspace(c) == 0) at_line_start = false;
    }
    if (blocks == nullptr) continue;
    if (c & 0x80) {
      word = -1;
    } else if (IsLetter(c)) {
      if (word == -1) word = i;
    } else if (word >= 0) {
      ColourWord(line, word, i, sink);
      resume = resume_back = true;
      word = -1;
    }
  }
  if (word >= 0 && IsAddressLetter(line[static_cast<size_t>(word)])) sink.Add(word, NC_COLOUR_VALUE);
  return line.back() == '\\' ? cookie : cookie & NC_COOKIE_SINGLE_QUOTE;
}

DWORD NcColourViewLine(CVellumTextView& view, DWORD cookie, int line, std::vector<ColourBlock>* blocks) {
  const char* chars = view.TextLineChars(line);
  const std::string_view text(chars != nullptr ? chars : "", static_cast<size_t>(view.TextLineLength(line)));
  return NcColourBlocks(cookie, text, view.GetNoNcColouring(), blocks);
}
