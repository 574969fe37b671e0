// The find commands as a person uses them: numbers counted from 1, the last
// line searched too, cancel doing nothing, and the caret where a search began
// when nothing is found.
#include "editor/app/nc_commands/nc_commands_test_support.h"

namespace nc_test {
namespace {

constexpr char kProgram[] = "%\r\nN10 G00 X10. Y5.\r\nN20 G01 Z-1. F100 (X HERE)\r\nN30 M30 X7\r\n%";

class FindCommandTest : public NcCommandTest {};

TEST_F(FindCommandTest, LineNumbersCountFromOneAndCancelOrAnOutOfRangeNumberMovesNothing) {
  Open(kProgram);
  Run(ID_FIND_LINE_NUMBER, "set 1039 2\nok\n");
  EXPECT_EQ(Caret(), (TextPosition{1, 1}));
  EXPECT_EQ(Selected(), "N");
  Run(ID_FIND_LINE_NUMBER, "set 1039 5\nok\n");
  EXPECT_EQ(Caret(), (TextPosition{1, 4})) << "the last line";
  Run(ID_FIND_LINE_NUMBER, "set 1039 3\ncancel\n");
  EXPECT_EQ(Caret(), (TextPosition{1, 4}));
  for (const char* number : {"0", "6"}) {
    Run(ID_FIND_LINE_NUMBER, std::string("set 1039 ") + number + "\nok\nok\n");
    EXPECT_TRUE(Said("라인번호를 찾지 못했습니다.")) << number;
    EXPECT_EQ(Caret(), (TextPosition{1, 4}));
  }
  Run(ID_FIND_LINE_NUMBER, "set 1039 99999999999\nok\nok\ncancel\n");
  EXPECT_TRUE(Said("Please enter an integer between -2147483648 and 2147483647."));
  EXPECT_EQ(Caret(), (TextPosition{1, 4}));
}

TEST_F(FindCommandTest, AddressLettersInCommentsAreSkippedAsTheBlockParserSkipsThem) {
  Open("(T1 X-AXIS PROBE) G00 X1. (NOTE X\r\n(OPEN T5 COMMENT\r\nT2 M06 (TOOL T9)\r\nX3\r\n");
  Run(ID_FIND_X_CODE);
  EXPECT_EQ(Caret(), (TextPosition{23, 0}));
  Run(ID_FIND_X_CODE);
  EXPECT_EQ(Caret(), (TextPosition{1, 3})) << "an unclosed comment runs to the line's end";
  Run(ID_GO_TEXT_BEGIN);
  Run(ID_FIND_T_CODE);
  EXPECT_EQ(Caret(), (TextPosition{1, 2}));
  PutCaret(10, 2);
  Run(ID_FIND_T_CODE, "ok\n");
  EXPECT_TRUE(Said("T(을) 찾지 못했습니다.")) << "a search begun inside a comment skips its rest";
}

TEST_F(FindCommandTest, AddressLettersAreFoundFromTheCaretOnToTheLastLine) {
  Open(kProgram);
  PutCaret(8, 1);
  Run(ID_FIND_X_CODE);
  EXPECT_EQ(Caret(), (TextPosition{9, 1})) << "the X under the caret";
  Run(ID_FIND_X_CODE);
  EXPECT_EQ(Caret(), (TextPosition{9, 3})) << "past the comment, on the last written line";
  Run(ID_FIND_X_CODE, "ok\n");
  EXPECT_TRUE(Said("X(을) 찾지 못했습니다."));
  EXPECT_EQ(Caret(), (TextPosition{9, 3})) << "back where the search began";
  Run(ID_GO_TEXT_BEGIN);
  Run(ID_FIND_M_CODE);
  EXPECT_EQ(Caret(), (TextPosition{5, 3}));
}

TEST_F(FindCommandTest, AnXOnlyOnTheLastLineIsFoundAndNothingAfterANonAsciiByteIs) {
  Open("G00\r\n(공구 X1)\r\nX5");
  Run(ID_FIND_X_CODE);
  EXPECT_EQ(Caret(), (TextPosition{1, 2}));
}

TEST_F(FindCommandTest, SequenceNumbersAreSearchedOnEveryLineAndCancelSearchesNothing) {
  Open("N1 G00\r\nN20 X1\r\nN300 Y2");
  PutCaret(2, 1);
  Run(ID_FIND_SEQUENCE_NUMBER, "set 1039 N300\nok\n");
  EXPECT_EQ(Caret(), (TextPosition{4, 2}));
  EXPECT_EQ(Selected(), "N300");
  Run(ID_FIND_SEQUENCE_NUMBER, "set 1039 N20\ncancel\n");
  EXPECT_EQ(Caret(), (TextPosition{4, 2}));
  for (const char* number : {"N", "N123456", "N4"}) {
    PutCaret(1, 1);
    Run(ID_FIND_SEQUENCE_NUMBER, std::string("set 1039 ") + number + "\nok\nok\n");
    EXPECT_TRUE(Said("일련 번호를 찾지 못했습니다.")) << number;
    EXPECT_EQ(Caret(), (TextPosition{1, 1}));
  }
}

TEST_F(FindCommandTest, StartAndEndGoToTheFirstAndTheLastLine) {
  Open(kProgram);
  PutCaret(3, 2);
  Run(ID_GO_TEXT_END);
  EXPECT_EQ(Caret(), (TextPosition{0, 4}));
  Run(ID_GO_TEXT_BEGIN);
  EXPECT_EQ(Caret(), (TextPosition{0, 0}));
  EXPECT_EQ(ActiveView()->TopLine(), 0);
  Stop();
  Open("G00 X1", "one.nc");
  Run(ID_GO_TEXT_END);
  EXPECT_EQ(Caret(), (TextPosition{0, 0}));
}

TEST_F(FindCommandTest, NoFindChangesTheText) {
  Open(kProgram);
  for (UINT id : {ID_FIND_G_CODE, ID_FIND_F_CODE, ID_GO_TEXT_END, ID_GO_TEXT_BEGIN}) Run(id, "ok\n");
  EXPECT_FALSE(ActiveDoc()->IsModified());
  EXPECT_EQ(Buffer().UndoRecordCount(), 0);
}

}  // namespace
}  // namespace nc_test
