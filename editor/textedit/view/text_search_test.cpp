// Searching lines forwards and backwards, by case and whole word, inside a
// block and around it.
#include "editor/textedit/view/text_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Search : public ::testing::Test {
 protected:
  std::vector<std::string> lines_ = {"G01 X10. g01", "xab ab", "N10 G01 Y5. G01", "", "(G01 한글 G01)"};

  // The match's start as "column,line", or "none".
  std::string Find(const std::string& what, TextPosition from, DWORD flags, bool wrap = false) {
    return FindIn(what, from, {0, 0}, End(), flags, wrap);
  }
  std::string FindIn(const std::string& what, TextPosition from, TextPosition start, TextPosition end, DWORD flags,
                     bool wrap = false) {
    TextPosition found{-1, -1};
    const SearchLineSource source = [this](int line) { return std::string_view(lines_[static_cast<size_t>(line)]); };
    if (!SearchBlock(source, what, from, start, end, flags, wrap, &found)) return "none";
    return std::to_string(found.column) + "," + std::to_string(found.line);
  }
  TextPosition End() const { return {static_cast<int>(lines_.back().size()), static_cast<int>(lines_.size()) - 1}; }
};

TEST_F(Search, ForwardsFindsTheFirstOccurrenceAtOrBehindTheStart) {
  EXPECT_EQ(Find("G01", {0, 0}, FIND_MATCH_CASE), "0,0");
  EXPECT_EQ(Find("G01", {1, 0}, FIND_MATCH_CASE), "4,2");
  EXPECT_EQ(Find("G01", {1, 0}, 0), "9,0");  // without match case g01 is found too
  EXPECT_EQ(Find("y5.", {0, 0}, 0), "8,2");
  EXPECT_EQ(Find("Y5.", {9, 2}, FIND_MATCH_CASE), "none");
  EXPECT_EQ(Find("", {0, 0}, 0), "none");
  EXPECT_EQ(Find("한글", {0, 0}, 0), "5,4");
}

TEST_F(Search, WholeWordsStandBetweenNonWordCharacters) {
  EXPECT_EQ(Find("ab", {0, 1}, FIND_WHOLE_WORD), "4,1");
  EXPECT_EQ(Find("ab", {0, 1}, 0), "1,1");
  EXPECT_EQ(Find("G0", {0, 0}, FIND_WHOLE_WORD), "none");
  EXPECT_EQ(Find("G01", {1, 4}, FIND_WHOLE_WORD), "1,4");
  EXPECT_EQ(Find("G01", {2, 4}, FIND_WHOLE_WORD), "12,4");
  EXPECT_EQ(Find("한", {0, 4}, FIND_WHOLE_WORD), "none");  // 한글 is one word
}

TEST_F(Search, BackwardsFindsTheLastOccurrenceBeforeTheStart) {
  // From the end of line 2 the later G01 on that line comes first, then the earlier one.
  EXPECT_EQ(Find("G01", {15, 2}, FIND_MATCH_CASE | FIND_DIRECTION_UP), "12,2");
  EXPECT_EQ(Find("G01", {12, 2}, FIND_MATCH_CASE | FIND_DIRECTION_UP), "4,2");
  EXPECT_EQ(Find("G01", {4, 2}, FIND_MATCH_CASE | FIND_DIRECTION_UP), "0,0");
  EXPECT_EQ(Find("G01", {4, 2}, FIND_DIRECTION_UP), "9,0");
  EXPECT_EQ(Find("G01", {0, 0}, FIND_DIRECTION_UP), "none");
  // A match that starts before the start counts even when it reaches past it.
  EXPECT_EQ(Find("X10", {6, 0}, FIND_DIRECTION_UP), "4,0");
}

TEST_F(Search, ABlockHoldsWholeMatchesOnly) {
  // Line 2 from column 4 up to column 14: the second G01 (12-14) runs past the block's end.
  const TextPosition start{4, 2};
  const TextPosition end{14, 2};
  EXPECT_EQ(FindIn("G01", {0, 0}, start, end, FIND_MATCH_CASE), "4,2");
  EXPECT_EQ(FindIn("G01", {5, 2}, start, end, FIND_MATCH_CASE), "none");
  EXPECT_EQ(FindIn("G01", {5, 2}, start, {15, 2}, FIND_MATCH_CASE), "12,2");
  // Upwards the block's start holds too: N10 lies before it.
  EXPECT_EQ(FindIn("N10", {14, 2}, start, end, FIND_DIRECTION_UP), "none");
  EXPECT_EQ(FindIn("G01", {14, 2}, start, end, FIND_MATCH_CASE | FIND_DIRECTION_UP), "4,2");
  EXPECT_EQ(FindIn("G01", {0, 0}, {0, 0}, {0, 0}, 0), "none");  // an empty block
}

TEST_F(Search, WrappingSearchesTheWholeBlockOnceMore) {
  EXPECT_EQ(Find("N10", {0, 3}, FIND_MATCH_CASE, true), "0,2");
  EXPECT_EQ(Find("N10", {0, 3}, FIND_MATCH_CASE, false), "none");
  EXPECT_EQ(Find("(G01", {0, 1}, FIND_DIRECTION_UP, true), "0,4");
  EXPECT_EQ(Find("nothing", {0, 1}, 0, true), "none");
  // In a block, wrapping starts again at the block's ends, not the text's.
  EXPECT_EQ(FindIn("G01", {13, 2}, {4, 2}, {15, 2}, FIND_MATCH_CASE, true), "4,2");
  EXPECT_EQ(FindIn("G01", {4, 2}, {4, 2}, {15, 2}, FIND_MATCH_CASE | FIND_DIRECTION_UP, true), "12,2");
}

TEST_F(Search, MatchesNeverSplitACharacter) {
  lines_ = {"가나"};  // EA B0 80 EB 82 98
  EXPECT_EQ(Find("\x80\xEB", {0, 0}, FIND_MATCH_CASE), "none");
  EXPECT_EQ(Find("나", {0, 0}, FIND_MATCH_CASE), "3,0");
}

}  // namespace
