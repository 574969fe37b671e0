// Sequence-number removal and the range selection: only "N" and its digits
// go, as one undo step, and never in a read-only document.
#include "editor/app/nc_commands/sequence_numbers.h"

#include "editor/app/nc_commands/nc_commands_test_support.h"

namespace nc_test {
namespace {

TEST(WithoutSequenceNumber, TakesNAndItsDigitsOnlyWhateverTheirCount) {
  EXPECT_EQ(nc::WithoutSequenceNumber("N10G1X1NAME"), "G1X1NAME");
  EXPECT_EQ(nc::WithoutSequenceNumber("N10000 X1."), " X1.");
  EXPECT_EQ(nc::WithoutSequenceNumber("N1234567890123 Y2"), " Y2");
  EXPECT_EQ(nc::WithoutSequenceNumber("NAME"), "NAME");
  EXPECT_EQ(nc::WithoutSequenceNumber("N"), "N");
  EXPECT_EQ(nc::WithoutSequenceNumber("n10 X1"), "n10 X1");
  EXPECT_EQ(nc::WithoutSequenceNumber(" N10 X1"), " N10 X1");
  EXPECT_EQ(nc::WithoutSequenceNumber("N7"), "");
}

class SequenceNumberTest : public NcCommandTest {};

TEST_F(SequenceNumberTest, RemovalIsOneUndoStepThatMarksTheDocument) {
  constexpr char kProgram[] = "%\r\nN10 G00 X1\r\nN200 NAME\r\nN3000 Y2\r\nN40000 Z3\r\nG01 N5\r\n%";
  Open(kProgram);
  Run(ID_REMOVE_SEQUENCE_NUMBERS);
  EXPECT_EQ(Text(), "%\n G00 X1\n NAME\n Y2\n Z3\nG01 N5\n%");
  EXPECT_TRUE(ActiveDoc()->IsModified());
  ASSERT_TRUE(UndoOnce());
  EXPECT_EQ(Text(), "%\nN10 G00 X1\nN200 NAME\nN3000 Y2\nN40000 Z3\nG01 N5\n%");
  EXPECT_FALSE(UndoOnce()) << "one step took it all back";
  EXPECT_FALSE(ActiveDoc()->IsModified());
}

TEST_F(SequenceNumberTest, AReadOnlyDocumentIsRefusedWithAMessage) {
  Open("N10 G00\r\nN20 X1");
  Buffer().SetReadOnly(TRUE);
  Run(ID_REMOVE_SEQUENCE_NUMBERS, "ok\n");
  EXPECT_TRUE(Said("읽기전용")) << Transcript();
  EXPECT_EQ(Text(), "N10 G00\nN20 X1");
  EXPECT_FALSE(ActiveDoc()->IsModified());
}

TEST_F(SequenceNumberTest, TheRangeRunsFromTheCaretToTheEndOfTheTextTyped) {
  Open("N10 X1 Y2\r\nN20 G01 Z3\r\nN30 M30");
  PutCaret(4, 0);
  Run(ID_EDIT_DELETE_RANGE, "set 1043 G01\nok\n");
  EXPECT_EQ(Selected(), "X1 Y2\nN20 G01");
  EXPECT_EQ(Caret(), (TextPosition{7, 1}));
  Run(ID_EDIT_DELETE_RANGE, "set 1043 M30\ncancel\n");
  EXPECT_EQ(Caret(), (TextPosition{7, 1})) << "cancel selects nothing";
  Run(ID_EDIT_DELETE_RANGE, "set 1043 Q\nok\nok\n");
  EXPECT_TRUE(Said("해당어를 찾지 못했습니다."));
  EXPECT_EQ(Caret(), (TextPosition{7, 1}));
  Run(ID_EDIT_DELETE_RANGE, "ok\n");
  EXPECT_EQ(Selected(), "") << "the default G: none after the caret";
  EXPECT_EQ(Text(), "N10 X1 Y2\nN20 G01 Z3\nN30 M30") << "nothing is deleted";
}

}  // namespace
}  // namespace nc_test
