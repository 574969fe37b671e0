// Sub-program merge: calls replaced by the called programs between markers,
// end words removed as whole words, and programs that call themselves or
// grow without bound stopped with a message and the document as it was.
#include "editor/app/nc_commands/subprogram_merge.h"

#include <filesystem>

#include "editor/app/editor_settings.h"
#include "editor/app/nc_commands/nc_commands_test_support.h"

namespace nc_test {
namespace {

std::string Filtered(std::string line) { return nc::FilterSubprogramLine(line) ? line : "<dropped>"; }

TEST(SubprogramLines, EndWordsGoAsWholeWordsAndProgramNumbersBecomeComments) {
  EXPECT_EQ(Filtered("G01 X1. M99"), "G01 X1. ");
  EXPECT_EQ(Filtered("M99"), "<dropped>");
  EXPECT_EQ(Filtered("%"), "<dropped>");
  EXPECT_EQ(Filtered(""), "") << "an empty line stays";
  EXPECT_EQ(Filtered("M990 M21"), "M990 M21");
  EXPECT_EQ(Filtered("M2 M23"), " M23");
  EXPECT_EQ(Filtered("M02M30X1"), "X1");
  EXPECT_EQ(Filtered("(KEEP M30) M3"), "(KEEP M30) M3");
  EXPECT_EQ(Filtered("O1234 (SUB)"), "(O1234 SUB)");
  EXPECT_EQ(Filtered("(ONE O1)"), "(ONE O1)");
}

TEST(SubprogramLines, CallsAreFoundOutsideCommentsAndBlockSkipsWithTheirNumberAndRepeat) {
  EXPECT_TRUE(nc::IsCallLine("N10 M98P1234L3"));
  EXPECT_TRUE(nc::IsCallLine("G10P5"));
  EXPECT_FALSE(nc::IsCallLine("(M98P100)"));
  EXPECT_FALSE(nc::IsCallLine("/M98P100"));
  EXPECT_FALSE(nc::IsCallLine("가 M98P100"));
  EXPECT_FALSE(nc::IsCallLine("M98 P100"));
  const nc::SubprogramCall call = nc::ParseCall("M98P1234L3");
  EXPECT_EQ(call.number, 1234);
  EXPECT_EQ(call.repeat, 3);
  EXPECT_EQ(nc::ParseCall("M98P77L0").repeat, 1);
  EXPECT_EQ(nc::ParseCall("M98P0012").number, 12);
  EXPECT_EQ(nc::ParseCall("M98P99999999999999999999999").number, -1);
}

class SubprogramMergeTest : public NcCommandTest {
 protected:
  SubprogramMergeTest() {
    std::filesystem::create_directories(macro_);
    settings::Write("MacroDir", macro_.string(), true);
  }
  void Macro(const std::string& name, const std::string& text) const {
    std::ofstream(macro_ / name, std::ios::binary) << text;
  }
  std::filesystem::path macro_ = folder_ / "macro";
};

TEST_F(SubprogramMergeTest, TwoCallsOfOneProgramGiveItsTextTwiceBetweenTheMarkers) {
  Macro("O1001.nc", "%\r\nO1001 (SUB)\r\nG91 G01 X10. F100\r\nM99\r\n%\r\n");
  Macro("O1001.BAK", "%\r\nWRONG\r\n%\r\n");
  Open("%\r\nO1000\r\nG00 X0 Y0\r\nM98P1001\r\nG00 X5\r\nM98P1001\r\nM30\r\n%");
  Run(ID_SUBPROGRAM_MERGE);
  EXPECT_EQ(Text(),
            "%\nO1000\nG00 X0 Y0\n(M98P1001 Start)\n(O1001 SUB)\nG91 G01 X10. F100\n(M98P1001End)\nG00 X5\n"
            "(M98P1001 Start)\n(O1001 SUB)\nG91 G01 X10. F100\n(M98P1001End)\nM30\n%");
  EXPECT_TRUE(ActiveDoc()->IsModified());
  ASSERT_TRUE(UndoOnce());
  EXPECT_EQ(Text(), "%\nO1000\nG00 X0 Y0\nM98P1001\nG00 X5\nM98P1001\nM30\n%");
  EXPECT_FALSE(UndoOnce()) << "one undo step";
}

TEST_F(SubprogramMergeTest, RepeatsAndNestedCallsExpandInPlace) {
  Macro("O2000", "O2000\r\nX1.\r\nM98P2001\r\nM99\r\n");
  Macro("o2001.nc", "Y2.\r\nM99\r\n");
  Open("M98P2000L2\r\nM30");
  Run(ID_SUBPROGRAM_MERGE);
  EXPECT_EQ(Text(), "(M98P2000L2 Start)\n(O2000)\nX1.\nY2.\n(O2000)\nX1.\nY2.\n(M98P2000L2End)\nM30");
}

TEST_F(SubprogramMergeTest, ASelfCallingProgramStopsWithAMessageAndTheDocumentUnchanged) {
  Macro("O3000.nc", "G91 X1.\r\nM98P3000\r\nM99\r\n");
  Open("G00 X0\r\nM98P3000\r\nM30");
  Run(ID_SUBPROGRAM_MERGE, "ok\n");
  EXPECT_TRUE(Said("O3000의 호출이 11단계를 넘습니다")) << Transcript();
  EXPECT_TRUE(Said("문서는 바뀌지 않았습니다."));
  EXPECT_EQ(Text(), "G00 X0\nM98P3000\nM30");
  EXPECT_FALSE(ActiveDoc()->IsModified());
  EXPECT_EQ(Buffer().UndoRecordCount(), 0);
}

TEST_F(SubprogramMergeTest, HugeRepeatCountsEndAtTheSizeCapOrWhenARoundAddsNothing) {
  Macro("O8000", "%\r\nM99\r\n");
  Macro("O8001", "X1.\r\n");
  Open("M98P8000L999999999\r\nM98P8001L999999999");
  Run(ID_SUBPROGRAM_MERGE, "ok\n");
  EXPECT_TRUE(Said("줄을 넘습니다")) << Transcript();
  EXPECT_EQ(Text(), "M98P8000L999999999\nM98P8001L999999999");
}

TEST_F(SubprogramMergeTest, AnExponentiallyGrowingExpansionStopsAtTheSizeCap) {
  for (int level = 1; level <= 8; ++level) {
    Macro("O" + std::to_string(5000 + level),
          "X" + std::to_string(level) + ".\r\nM98P" + std::to_string(5001 + level) + "L10\r\nM99\r\n");
  }
  Open("M98P5001\r\nM30");
  Run(ID_SUBPROGRAM_MERGE, "no\nok\n");
  EXPECT_TRUE(Said("줄을 넘습니다")) << Transcript();
  EXPECT_EQ(Text(), "M98P5001\nM30");
  EXPECT_FALSE(ActiveDoc()->IsModified());
}

TEST_F(SubprogramMergeTest, AMissingProgramIsAskedForOnceAndAChosenFileIsExpanded) {
  Macro("O6000.nc", "Z1.\r\n");
  const std::string chosen = WriteFile("other.txt", "Z2.\r\nM99\r\n");
  Open("M98P7000\r\nM98P7001\r\nM98P6000");
  Run(ID_SUBPROGRAM_MERGE, "no\nyes\n" + chosen + "\n");
  const std::string transcript = Transcript();
  size_t asked = 0;
  for (size_t at = transcript.find("파일 찾기하시겠습니까?"); at != std::string::npos;
       at = transcript.find("파일 찾기하시겠습니까?", at + 1)) {
    ++asked;
  }
  EXPECT_EQ(asked, 2u) << transcript;
  EXPECT_TRUE(Said("M98P7000파일이 해당Dir에 존재하지 않습니다."));
  EXPECT_EQ(Text(), "M98P7000\n(M98P7001 Start)\nZ2.\n(M98P7001End)\n(M98P6000 Start)\nZ1.\n(M98P6000End)");
}

TEST_F(SubprogramMergeTest, ATextWithoutCallsSaysSoEveryTimeAndReadOnlyIsRefused) {
  Open("G00 X0\r\n(M98P1)\r\nM30");
  Run(ID_SUBPROGRAM_MERGE, "ok\n");
  EXPECT_TRUE(Said("서브프로그램을 찾을 수 없습니다."));
  Run(ID_SUBPROGRAM_MERGE, "ok\n");
  EXPECT_TRUE(Said("서브프로그램을 찾을 수 없습니다.")) << "a second run says it again";
  Buffer().SetReadOnly(TRUE);
  Run(ID_SUBPROGRAM_MERGE, "ok\n");
  EXPECT_TRUE(Said("읽기전용"));
  EXPECT_FALSE(ActiveDoc()->IsModified());
}

}  // namespace
}  // namespace nc_test
