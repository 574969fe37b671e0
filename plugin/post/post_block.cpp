#include "plugin/post/post_block.h"

#include <array>

namespace {

struct BlockInfo {
  const char* header;
  int type;
  int cycleIndex;
};

constexpr std::array<BlockInfo, kPostBlockCount> kBlocks = {{
    {"[Define]", kOrdinaryBlockType, -1},     {"[Start]", kOrdinaryBlockType, -1},
    {"[From]", kOrdinaryBlockType, -1},       {"[Cut]", kCutBlockType, -1},
    {"[Rapid]", kRapidBlockType, -1},         {"[Arc]", kArcBlockType, -1},
    {"[Drill]", kCycleBlockType, 0},          {"[Peck_Drill]", kCycleBlockType, 1},
    {"[Chip_Break]", kCycleBlockType, 2},     {"[Tap]", kCycleBlockType, 3},
    {"[Boring_Spindle]", kCycleBlockType, 5}, {"[Boring_Feed]", kCycleBlockType, 4},
    {"[Boring_Shift]", kCycleBlockType, 6},   {"[Cycle_Cancel]", kCycleBlockType, 12},
    {"[User_Cycle1]", kCycleBlockType, 7},    {"[User_Cycle2]", kCycleBlockType, 8},
    {"[User_Cycle3]", kCycleBlockType, 9},    {"[User_Cycle4]", kCycleBlockType, 10},
    {"[User_Cycle5]", kCycleBlockType, 11},   {"[Tool]", kOrdinaryBlockType, -1},
    {"[Spindle]", kOrdinaryBlockType, -1},    {"[Coolent]", kOrdinaryBlockType, -1},
    {"[MidTerm]", kOrdinaryBlockType, -1},    {"[Term]", kOrdinaryBlockType, -1},
}};

constexpr std::array<std::string_view, 6> kModeWords = {"$cyc_ret",    "$cyc_mode", "$arc_mode",
                                                        "$rapid_mode", "$cut_mode", "$arc_plane"};

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

bool IsValidBlock(int block) { return block >= 0 && block < kPostBlockCount; }

// The line without its bracketed variables, where bare and asked ones are looked for.
std::string WithoutBracketed(std::string_view line) {
  std::string rest;
  rest.reserve(line.size());
  for (size_t i = 0; i < line.size(); ++i) {
    if (i + 3 < line.size() && line[i] == '[' && line[i + 1] == '$' && line[i + 2] >= 'A' && line[i + 2] <= 'Z' &&
        line[i + 3] == ']') {
      i += 3;
      continue;
    }
    rest += line[i];
  }
  return rest;
}

}  // namespace

const char* PostBlockHeader(int block) { return IsValidBlock(block) ? kBlocks[block].header : ""; }

int PostBlockType(int block) { return IsValidBlock(block) ? kBlocks[block].type : kOrdinaryBlockType; }

int PostBlockCycleIndex(int block) { return IsValidBlock(block) ? kBlocks[block].cycleIndex : -1; }

int PostBlockOfCycle(int cycleIndex) {
  for (int block = 0; block < kPostBlockCount; ++block) {
    if (kBlocks[block].type == kCycleBlockType && kBlocks[block].cycleIndex == cycleIndex) return block;
  }
  return -1;
}

PostLineMasks ScanPostLine(std::string_view line) {
  PostLineMasks masks;
  for (size_t i = 0; i + 3 < line.size(); ++i) {
    if (line[i] == '[' && line[i + 1] == '$' && line[i + 2] >= 'A' && line[i + 2] <= 'Z' && line[i + 3] == ']') {
      masks.bracketed |= LetterBit(line[i + 2]);
    }
  }
  const std::string rest = WithoutBracketed(line);
  for (size_t i = 0; i + 1 < rest.size(); ++i) {
    const char next = rest[i + 1];
    if (next < 'A' || next > 'Z') continue;
    if (rest[i] == '$') masks.bare |= LetterBit(next);
    if (rest[i] == '?') masks.asked |= LetterBit(next);
  }
  for (size_t bit = 0; bit < kModeWords.size(); ++bit) {
    const std::string bracketed = "[" + std::string(kModeWords[bit]) + "]";
    if (Contains(line, bracketed)) masks.bracketedWords |= static_cast<uint8_t>(1u << bit);
    if (Contains(line, kModeWords[bit])) masks.bareWords |= static_cast<uint8_t>(1u << bit);
  }
  if (Contains(line, "$tool_dia") || Contains(line, "$tool_cor_rad") || Contains(line, "$tool_len")) {
    masks.bareWords |= kToolSizeWords;
  }
  return masks;
}

void PostBlock::Clear() {
  lines_.clear();
  masks_.clear();
  text_.clear();
}

void PostBlock::AddLine(std::string line) {
  text_ += line;
  masks_.push_back(ScanPostLine(line));
  lines_.push_back(std::move(line));
}

void PostBlock::SetEditedText(std::string_view text) {
  Clear();
  // A line feed alone ends a line too, as an edit control may give it.
  for (size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
    std::string_view piece = text.substr(0, end);
    if (!piece.empty() && piece.back() == '\r') piece.remove_suffix(1);
    AddLine(std::string(piece) + "\r\n");
    text.remove_prefix(end + 1);
  }
  present = !lines_.empty();
}
