// The code change: whole words from the caret's line on, work offsets only
// among the G words, comments left alone, one undo step.
#include "editor/app/nc_commands/code_change.h"

#include "editor/app/nc_commands/nc_commands_test_support.h"

namespace nc_test {
namespace {

std::string Changed(const std::string& line, const nc::CodeChangeValues& values) {
  int hits = 0;
  return nc::ChangeCodes(line, values, hits);
}

TEST(ChangeCodes, WholeWordsChangeAndOnlyWorkOffsetsAmongTheGWords) {
  nc::CodeChangeValues values;
  values.s = "2000";
  values.f = "150.5";
  values.work_offset = "G55";
  EXPECT_EQ(Changed("S1000 M03", values), "S2000 M03");
  EXPECT_EQ(Changed("G01 X10. F300", values), "G01 X10. F150.5");
  EXPECT_EQ(Changed("G54 G90 G1X10.", values), "G55 G90 G1X10.");
  EXPECT_EQ(Changed("G59G00X0", values), "G55G00X0");
  EXPECT_EQ(Changed("G540 G5", values), "G540 G5");
  EXPECT_EQ(Changed("S1000 (S3000 F10)", values), "S2000 (S3000 F10)");
  EXPECT_EQ(Changed("T1 H1 MSG", values), "T1 H1 MSG");
  values.t = "12";
  values.h = "7";
  EXPECT_EQ(Changed("T01 M06 G43 H01", values), "T12 M06 G43 H7");
}

TEST(ChangeCodes, ValuesThatAreNoNumbersAreRefused) {
  nc::CodeChangeValues values;
  std::string why;
  values.s = "12a";
  EXPECT_FALSE(nc::CheckCodeChangeValues(values, why));
  EXPECT_NE(why.find("Spindle(S)"), std::string::npos);
  values.s = "1.2.3";
  EXPECT_FALSE(nc::CheckCodeChangeValues(values, why));
  values.s = "2500";
  EXPECT_TRUE(nc::CheckCodeChangeValues(values, why));
}

class CodeChangeTest : public NcCommandTest {};

TEST_F(CodeChangeTest, LinesFromTheCaretOnChangeAsOneUndoStep) {
  Open("S1000 M03\r\nN10 G54 G01 X1. S1000\r\nN20 T1 F300\r\nS1000");
  PutCaret(3, 1);
  Run(ID_NC_CODE_CHANGE, "check 1003\nset 1070 2500\ncheck 1002\nclick 1066\nok\n");
  EXPECT_EQ(Text(), "S1000 M03\nN10 G55 G01 X1. S2500\nN20 T1 F300\nS2500");
  EXPECT_TRUE(ActiveDoc()->IsModified());
  ASSERT_TRUE(UndoOnce());
  EXPECT_EQ(Text(), "S1000 M03\nN10 G54 G01 X1. S1000\nN20 T1 F300\nS1000");
  EXPECT_FALSE(UndoOnce());
}

TEST_F(CodeChangeTest, CancelAnEmptyValueAndAReadOnlyDocumentChangeNothing) {
  Open("G54 S1000\r\nF300");
  Run(ID_NC_CODE_CHANGE, "check 1003\nset 1070 9\ncancel\n");
  Run(ID_NC_CODE_CHANGE, "check 1004\nset 1071 \nok\nok\n");
  EXPECT_TRUE(Said("Feed(F)")) << Transcript();
  Run(ID_NC_CODE_CHANGE, "check 1002\nok\n");
  EXPECT_EQ(Text(), "G54 S1000\nF300") << "no work offset chosen";
  Buffer().SetReadOnly(TRUE);
  Run(ID_NC_CODE_CHANGE, "ok\n");
  EXPECT_TRUE(Said("읽기전용"));
  EXPECT_EQ(Text(), "G54 S1000\nF300");
  EXPECT_FALSE(ActiveDoc()->IsModified());
}

}  // namespace
}  // namespace nc_test
