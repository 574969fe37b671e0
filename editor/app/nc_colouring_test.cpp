#include "editor/app/nc_colouring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The colour index of every byte of the line, as the view draws it: the last
// block at or before the byte, the normal text colour before the first one.
std::vector<int> ColoursOf(const std::string& line, DWORD cookie = 0, DWORD* next = nullptr) {
  std::vector<ColourBlock> blocks;
  const DWORD after = NcColourBlocks(cookie, line, FALSE, &blocks);
  if (next != nullptr) *next = after;
  std::vector<int> colours(line.size(), COLOURINDEX_NORMAL_TEXT);
  for (size_t i = 0; i < line.size(); ++i) {
    for (const ColourBlock& block : blocks) {
      if (block.position <= static_cast<int>(i)) colours[i] = block.colour;
    }
  }
  return colours;
}

// The colours of the bytes [start, start + count) of a line.
std::vector<int> Span(const std::vector<int>& colours, size_t start, size_t count) {
  return std::vector<int>(colours.begin() + static_cast<long>(start),
                          colours.begin() + static_cast<long>(start + count));
}

std::vector<int> Repeat(int colour, size_t count) { return std::vector<int>(count, colour); }

TEST(NcColouring, EachAddressWordTakesTheColourOfItsLetterAndItsValueTheValueColour) {
  const std::string line = "N10 G01 X10. Y-5. Z2. F300 S1200 M03 T01 (ROUGH)";
  const std::vector<int> colours = ColoursOf(line);
  const auto at = [&](const std::string& word) { return line.find(word); };
  EXPECT_EQ(Span(colours, at("N10"), 4), Repeat(COLOURINDEX_NORMAL_TEXT, 4));
  EXPECT_EQ(Span(colours, at("G01"), 3), Repeat(NC_COLOUR_ADDRESS, 3));
  for (const char* axis : {"X10.", "Y-5.", "Z2."}) {
    EXPECT_EQ(colours[at(axis)], NC_COLOUR_AXIS) << axis;
    EXPECT_EQ(colours[at(axis) + 1], NC_COLOUR_VALUE) << axis;
  }
  for (const char* word : {"F300", "S1200", "M03"}) {
    EXPECT_EQ(colours[at(word)], NC_COLOUR_MSF) << word;
    EXPECT_EQ(colours[at(word) + 1], NC_COLOUR_VALUE) << word;
  }
  EXPECT_EQ(colours[at("T01")], NC_COLOUR_IJT);
  EXPECT_EQ(Span(colours, at("T01") + 1, 3), Repeat(NC_COLOUR_VALUE, 3));
  EXPECT_EQ(Span(colours, at("(ROUGH)"), 7), Repeat(NC_COLOUR_COMMENT, 7));
}

TEST(NcColouring, OnlyG00ToG03ColourTheirDigitsAndOtherLettersStayPlain) {
  const std::vector<int> colours = ColoursOf("G04 P1. G02 O7 K3");
  EXPECT_EQ(colours[0], NC_COLOUR_ADDRESS);
  EXPECT_EQ(Span(colours, 1, 2), Repeat(NC_COLOUR_VALUE, 2));  // G04: digits are a value
  EXPECT_EQ(Span(colours, 4, 3), Repeat(NC_COLOUR_VALUE, 3));  // P is no address letter: the value colour goes on
  EXPECT_EQ(Span(colours, 8, 3), Repeat(NC_COLOUR_ADDRESS, 3));
  EXPECT_EQ(Span(colours, 11, 4), Repeat(NC_COLOUR_ADDRESS, 4));  // O7 goes on in G02's colour
  EXPECT_EQ(colours[15], NC_COLOUR_ADDRESS);                      // K
  EXPECT_EQ(colours[16], NC_COLOUR_VALUE);
}

TEST(NcColouring, SlashesCommentsHashLinesAndQuotesColourTheRestAsTheyShould) {
  EXPECT_EQ(ColoursOf("/N20 G00 X0"), Repeat(NC_COLOUR_ADDRESS, 11));
  const std::vector<int> slash_late = ColoursOf("N5 /X1");
  EXPECT_EQ(Span(slash_late, 0, 3), Repeat(COLOURINDEX_NORMAL_TEXT, 3));
  EXPECT_EQ(Span(slash_late, 3, 3), Repeat(NC_COLOUR_ADDRESS, 3));

  // A comment keeps its colour past ")" up to the next address letter.
  const std::vector<int> comment = ColoursOf("(TOOL 1) X5");
  EXPECT_EQ(Span(comment, 0, 9), Repeat(NC_COLOUR_COMMENT, 9));
  EXPECT_EQ(comment[9], NC_COLOUR_AXIS);
  EXPECT_EQ(comment[10], NC_COLOUR_VALUE);

  // '#' after blanks starts a hash line; "(" inside it starts colour 7 and ")" brings 11 back.
  const std::vector<int> hash = ColoursOf("  #1=2 (a) X");
  EXPECT_EQ(Span(hash, 0, 2), Repeat(COLOURINDEX_NORMAL_TEXT, 2));
  EXPECT_EQ(Span(hash, 2, 5), Repeat(NC_COLOUR_HASH_LINE, 5));
  EXPECT_EQ(Span(hash, 7, 3), Repeat(NC_COLOUR_ADDRESS, 3));
  EXPECT_EQ(Span(hash, 10, 2), Repeat(NC_COLOUR_HASH_LINE, 2));

  const std::vector<int> quoted = ColoursOf("\"a\\\"b\" X1");
  EXPECT_EQ(Span(quoted, 0, 7), Repeat(NC_COLOUR_STRING, 7));
  EXPECT_EQ(quoted[7], NC_COLOUR_AXIS);
}

TEST(NcColouring, OnlyALineEndingInABackslashCarriesItsStateExceptTheSingleQuote) {
  DWORD next = 0;
  ColoursOf("(open \\", 0, &next);
  EXPECT_EQ(next, NC_COOKIE_PARENTHESIS);
  // Still inside the comment: no address colours, the continued comment in colour 7.
  EXPECT_EQ(ColoursOf("X1)", next), Repeat(NC_COLOUR_ADDRESS, 3));
  ColoursOf("(open", 0, &next);
  EXPECT_EQ(next, 0u);
  ColoursOf("/X1 \\", 0, &next);
  EXPECT_EQ(next, NC_COOKIE_REST_OF_LINE);
  ColoursOf("'quote", 0, &next);
  EXPECT_EQ(next, NC_COOKIE_SINGLE_QUOTE);
  EXPECT_EQ(NcColourBlocks(NC_COOKIE_SINGLE_QUOTE | NC_COOKIE_PARENTHESIS, "", FALSE, nullptr), NC_COOKIE_SINGLE_QUOTE);
}

TEST(NcColouring, TheCookieIsTheSameWithoutBlocksAndColouringOffAddsNothing) {
  for (const char* line :
       {"N1 G01 X2 (a \\", "#5 (b \\", "'x \\", "G00 \"q", "N2 G01 X1 (open", "(it's)", "X1 'q", "/N3"}) {
    std::vector<ColourBlock> blocks;
    EXPECT_EQ(NcColourBlocks(0, line, FALSE, nullptr), NcColourBlocks(0, line, FALSE, &blocks)) << line;
  }
  std::vector<ColourBlock> blocks;
  EXPECT_EQ(NcColourBlocks(NC_COOKIE_PARENTHESIS, "G01 X1 (", TRUE, &blocks), 0u);
  EXPECT_TRUE(blocks.empty());
}

TEST(NcColouring, BlocksNeverGoBackwardsAndMultiByteTextBreaksWords) {
  std::vector<ColourBlock> blocks;
  NcColourBlocks(0, "G01X1.Y2.Z3.F4M5(가공)S6", FALSE, &blocks);
  for (size_t i = 1; i < blocks.size(); ++i) EXPECT_LE(blocks[i - 1].position, blocks[i].position);
  const std::vector<int> colours = ColoursOf("가X1");
  EXPECT_EQ(colours[3], NC_COLOUR_AXIS);
}

}  // namespace
