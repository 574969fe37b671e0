// Screen columns of UTF-8 lines with tabs and wide characters.
#include "editor/textedit/view/line_columns.h"

#include <gtest/gtest.h>

#include "editor/textedit/view/word_chars.h"

namespace {

using namespace line_columns;

constexpr int kTab = 4;
const std::string kKorean = "가나 ab\tc";  // 가 bytes 0-2, 나 3-5, blank 6, a 7, b 8, tab 9, c 10

TEST(LineColumns, TabsGoToTheNextStopAndWideCharactersTakeTwoColumns) {
  EXPECT_EQ(ColumnOfIndex("\tG01", 1, kTab), 4);
  EXPECT_EQ(ColumnOfIndex("ab\tc", 3, kTab), 4);
  EXPECT_EQ(ColumnOfIndex("abcd\te", 5, kTab), 8);
  EXPECT_EQ(ColumnOfIndex(kKorean, 3, kTab), 2);
  EXPECT_EQ(ColumnOfIndex(kKorean, 9, kTab), 7);
  EXPECT_EQ(ColumnOfIndex(kKorean, 10, kTab), 8);
  EXPECT_EQ(ExpandedLength(kKorean, kTab), 9);
  EXPECT_EQ(ExpandedLength("G01 X10.", kTab), 8);
  EXPECT_EQ(ExpandedLength("\t\t", kTab), 8);
  // A tab or a wide character anywhere in a long line, in or behind its eight-byte words.
  for (size_t at = 0; at < 21; ++at) {
    std::string line(21, 'x');
    line[at] = '\t';
    EXPECT_EQ(ExpandedLength(line, kTab), 20 + kTab - static_cast<int>(at) % kTab) << at;
    line.replace(at, 1, "\xEA\xB0\x80");  // 가
    EXPECT_EQ(ExpandedLength(line, kTab), 22) << at;
  }
  EXPECT_EQ(Expand(kKorean, 0, 11, 0, kTab, false), "가나 ab c");
  EXPECT_EQ(Expand("\ta b", 0, 4, 0, kTab, true), "»   a•b");
  // A lone LF or CR of a CR LF file hides nothing behind it.
  EXPECT_EQ(Expand("N20\nN30\rX\x7f", 0, 10, 0, kTab, false), "N20␊N30␍X␡");
  EXPECT_EQ(ExpandedLength("N20\nN30\rX", kTab), 9);
  int end = 0;
  EXPECT_EQ(Expand("x\ty", 1, 3, 1, kTab, false, &end), "   y");
  EXPECT_EQ(end, 5);
}

TEST(LineColumns, CharacterStepsNeverSplitAMultiByteCharacter) {
  EXPECT_EQ(NextChar(kKorean, 0), 3);
  EXPECT_EQ(NextChar(kKorean, 1), 3);  // from inside a character to the next one
  EXPECT_EQ(PrevChar(kKorean, 6), 3);
  EXPECT_EQ(PrevChar(kKorean, 3), 0);
  EXPECT_EQ(CharStartAt(kKorean, 4), 3);
  EXPECT_EQ(NextChar(kKorean, 11), 11);
  EXPECT_EQ(PrevChar(kKorean, 0), 0);
  // A byte that starts no valid sequence is a character of its own.
  const std::string broken = "a\xE0z";
  EXPECT_EQ(NextChar(broken, 1), 2);
  EXPECT_EQ(PrevChar(broken, 2), 1);
}

TEST(LineColumns, APointGoesBeforeTheCharacterWhoseEndPassesIt) {
  EXPECT_EQ(IndexAtColumn(kKorean, 0, kTab), 0);
  EXPECT_EQ(IndexAtColumn(kKorean, 1, kTab), 0);  // the second cell of 가
  EXPECT_EQ(IndexAtColumn(kKorean, 2, kTab), 3);
  EXPECT_EQ(IndexAtColumn(kKorean, 8, kTab), 10);
  EXPECT_EQ(IndexAtColumn(kKorean, 30, kTab), 11);  // right of the end: the end
  EXPECT_EQ(IndexAtColumn("\tx", 3, kTab), 0);
  EXPECT_EQ(IndexAtColumn("\tx", 4, kTab), 1);
}

TEST(LineColumns, VerticalMovesLandBeforeOrBehindATabByItsNearerHalf) {
  // The tab of "\tx" covers columns 0-3; its end is column 4, half the tab size is 2.
  EXPECT_EQ(IndexNearColumn("\tx", 0, kTab), 0);
  EXPECT_EQ(IndexNearColumn("\tx", 2, kTab), 0);  // two before the end: before
  EXPECT_EQ(IndexNearColumn("\tx", 3, kTab), 1);  // one before the end: behind
  EXPECT_EQ(IndexNearColumn("\tx", 4, kTab), 1);
  EXPECT_EQ(IndexNearColumn("\tx", 5, kTab), 2);
  EXPECT_EQ(IndexNearColumn("\tx", 9, kTab), 2);    // not past the line's end
  EXPECT_EQ(IndexNearColumn(kKorean, 1, kTab), 0);  // inside a wide character: before it
  EXPECT_EQ(IndexNearColumn(kKorean, 2, kTab), 3);
  EXPECT_EQ(IndexNearColumn("", 5, kTab), 0);
}

TEST(LineColumns, CroppingKeepsWholeCellsAndBlanksACutWideCharacter) {
  int shown = 0;
  EXPECT_EQ(CropColumns("가나 ab", 0, 1, 10, &shown), " 나 ab");
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(CropColumns("가나 ab", 0, 2, 10, &shown), "나 ab");
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(CropColumns("가나 ab", 0, 0, 3, &shown), "가");  // 나 would pass the last column
  EXPECT_EQ(CropColumns("abc", 10, 0, 12, &shown), "ab");
  EXPECT_EQ(shown, 10);
}

TEST(WordChars, WordsAreLettersDigitsUnderscoresAndLettersOfOtherScripts) {
  const std::string line = "G01 X_1.5 한글+b";
  EXPECT_EQ(word_chars::WordStart(line, 2), 0);
  EXPECT_EQ(word_chars::WordEnd(line, 0), 3);
  EXPECT_EQ(word_chars::WordEnd(line, 4), 7);  // X_1 stops at the point
  EXPECT_EQ(word_chars::WordEnd(line, 10), 16);
  EXPECT_EQ(word_chars::WordStart(line, 16), 10);
  EXPECT_EQ(word_chars::WordStart(line, 12), 10);  // from inside a character
  EXPECT_TRUE(word_chars::IsBlank('\t'));
  EXPECT_FALSE(word_chars::IsWordCharAt(line, 16));
}

// A line of 300 million characters at 8 pixels each lies 2.4 billion pixels
// out: the product would overflow an int; the x stays beside the window.
TEST(LineColumns, ColumnsFarOutsideTheWindowStayBesideIt) {
  EXPECT_EQ(line_columns::ColumnX(10, 810, 5, 0, 8), 50);
  EXPECT_EQ(line_columns::ColumnX(10, 810, 300000000, 0, 8), 818);
  EXPECT_EQ(line_columns::ColumnX(10, 810, 0, 300000000, 8), 2);
  EXPECT_EQ(line_columns::ColumnX(10, 810, 300000100, 300000000, 8), 810);
}

}  // namespace
