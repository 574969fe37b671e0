// The restart edit: the program rewritten at a found block runs in rs274 to
// that block's end before its first cut and then goes on as the original
// did; the head's lines stay whole; cancel and missing spindle blocks change nothing.
#include "editor/app/nc_commands/restart_edit.h"

#include <algorithm>
#include <cmath>

#include "editor/app/nc_commands/nc_commands_test_support.h"
#include "editor/app/nc_commands/rs274_test_support.h"

namespace nc_test {
namespace {

using rs274_test::Motion;
using rs274_test::Point;

bool Near(const Point& a, const Point& b) {
  return std::fabs(a[0] - b[0]) < 1e-3 && std::fabs(a[1] - b[1]) < 1e-3 && std::fabs(a[2] - b[2]) < 1e-3;
}

class RestartEditTest : public NcCommandTest {
 protected:
  std::vector<Motion> Interpret(const std::string& program) {
    int status = 0;
    std::string output;
    std::vector<Motion> motions = rs274_test::Interpret(folder_.path(), program, status, output);
    EXPECT_EQ(status, 0) << output << program;
    return motions;
  }

  // Restarts the open program at the first block ending near (x, y) and checks it in rs274.
  void ExpectRestartRunsFrom(const std::string& original, const std::string& label, int x, int y) {
    const std::vector<Motion> before = Interpret(original);
    size_t at = 0;
    while (at < before.size() && before[at].label != label) ++at;
    while (at + 1 < before.size() && before[at + 1].label == label) ++at;
    ASSERT_LT(at, before.size()) << label;
    const Point target = before[at].end;

    Run(ID_RESTART_EDIT, "uncheck 1004\ncheck 1054\ncheck 1001\nuncheck 1002\nset 1088 " + std::to_string(x) +
                             "\nset 1089 " + std::to_string(y) + "\nset 1091 1\nclick 1092\nclick 5\n");
    ASSERT_TRUE(ActiveDoc()->DoSave(path_.c_str()));
    const std::string restarted = rs274_test::ReadFile(path_);
    const std::vector<Motion> after = Interpret(restarted);
    size_t first_cut = 0;
    while (first_cut < after.size() && after[first_cut].kind == "STRAIGHT_TRAVERSE") ++first_cut;
    ASSERT_LT(first_cut, after.size()) << restarted;
    ASSERT_GT(first_cut, 0u);
    EXPECT_TRUE(Near(after[first_cut].end, target)) << restarted;
    const Point above{target[0], target[1], target[2] + 10};
    EXPECT_TRUE(Near(after[first_cut - 1].end, above)) << "straight down onto the block's end" << restarted;
    ASSERT_EQ(after.size() - first_cut, before.size() - at) << restarted;
    for (size_t i = 1; first_cut + i < after.size(); ++i) {
      EXPECT_TRUE(Near(after[first_cut + i].end, before[at + i].end)) << "move " << i << " after the restart";
      EXPECT_EQ(after[first_cut + i].kind, before[at + i].kind);
    }
  }
};

TEST_F(RestartEditTest, APostedProgramRestartedAtABlockRunsToItsEndBeforeItsFirstCut) {
  if (!rs274_test::Available()) GTEST_SKIP() << "rs274 is not installed";
  const std::string program = rs274_test::Joined(rs274_test::Posted("profile_posted.nc", true));
  Open(program);
  ExpectRestartRunsFrom(program, "N24", 104, 10);
  EXPECT_NE(Text().find("N18S1000 M03\nG00X104.500Y10.000\nZ5.000\nG01Z-5.000F300\nN25G01Y50."), std::string::npos)
      << Text();
  EXPECT_EQ(Text().find("N23G01X90."), std::string::npos);
  ASSERT_TRUE(UndoOnce());
  std::string unix_program = program;
  for (size_t at = unix_program.find("\r\n"); at != std::string::npos; at = unix_program.find("\r\n", at)) {
    unix_program.erase(at, 1);
  }
  EXPECT_EQ(Text(), unix_program);
  EXPECT_FALSE(UndoOnce()) << "one undo step";
}

TEST_F(RestartEditTest, AnIncrementalProgramRestartsInAbsoluteAndGoesOnInIncremental) {
  if (!rs274_test::Available()) GTEST_SKIP() << "rs274 is not installed";
  const rs274_test::Lines absolute = rs274_test::Posted("pocket_posted.nc");
  int status = 0;
  std::string output;
  const std::vector<Point> ends = rs274_test::EndPointsByLine(
      absolute, rs274_test::Interpret(folder_.path(), rs274_test::Joined(absolute), status, output));
  const std::string program = rs274_test::Joined(rs274_test::Incremental(absolute, ends));
  Open(program);
  ExpectRestartRunsFrom(program, "N26", 13, 47);
  EXPECT_NE(Text().find("G90G00X13.000Y47.000\nZ10.000\nG01Z0.000F100\nG91\nN27"), std::string::npos) << Text();
}

TEST_F(RestartEditTest, ARestartInALaterToolsSectionCutsWithThatToolSpeedAndLengthOffset) {
  if (!rs274_test::Available()) GTEST_SKIP() << "rs274 is not installed";
  constexpr char kTools[] = "T1 P1 D10 Z30\nT2 P2 D6 Z45\n";
  const std::string program =
      "%\r\nN10G21 G90 G17 G40 G49 G80\r\nN11T1 M06\r\nN12G43 H1\r\nN13S1000 M03\r\nN14G00X0.Y0.Z25.\r\n"
      "N15G01Z-5.F300\r\nN16X10.\r\nN17G00Z50.\r\nN18M05\r\nN19T2 M06\r\nN20G43 H2\r\nN21S2500 M04\r\n"
      "N22G00X20.Y5.Z25.\r\nN23G01Z-3.F200\r\nN24X30.\r\nN25Y10.\r\nN26G00Z50.\r\nN27M30\r\n%\r\n";
  int status = 0;
  std::string output;
  const std::vector<Motion> before = rs274_test::Interpret(folder_.path(), program, status, output, kTools);
  ASSERT_EQ(status, 0) << output;
  const auto at_n24 = std::find_if(before.begin(), before.end(), [](const Motion& m) { return m.label == "N24"; });
  ASSERT_NE(at_n24, before.end());
  ASSERT_NE(at_n24->setup.find("tool(2)"), std::string::npos) << at_n24->setup;

  Open(program);
  Run(ID_RESTART_EDIT,
      "uncheck 1004\ncheck 1054\ncheck 1001\nuncheck 1002\nset 1088 30\nset 1089 5\nset 1091 1\n"
      "click 1092\nclick 5\n");
  ASSERT_TRUE(ActiveDoc()->DoSave(path_.c_str()));
  const std::string restarted = rs274_test::ReadFile(path_);
  const std::vector<Motion> after = rs274_test::Interpret(folder_.path(), restarted, status, output, kTools);
  ASSERT_EQ(status, 0) << output << restarted;
  const auto first_cut =
      std::find_if(after.begin(), after.end(), [](const Motion& m) { return m.kind != "STRAIGHT_TRAVERSE"; });
  ASSERT_NE(first_cut, after.end()) << restarted;
  EXPECT_EQ(first_cut->setup, at_n24->setup) << restarted;
  EXPECT_TRUE(Near(first_cut->end, at_n24->end)) << restarted;
  EXPECT_NE(restarted.find("N13S1000 M03\r\nT2 M06\r\nS2500 M04\r\nG00X30.000Y5.000\r\nG43H2Z7.000\r\n"),
            std::string::npos)
      << restarted;
}

TEST_F(RestartEditTest, TheHeadKeepsItsLinesWholeAndTheEditIsOneUndoStep) {
  const std::string comment = "(공구 교환: 황삭용 엔드밀 D10, 길이 50 " + std::string(90, '-') + ")";
  const std::string program = "%\r\nO1000\r\n" + comment +
                              "\r\nT1 M06\r\nS3000 M03 (주축)\r\nG00 X0 Y0 Z5.\r\n"
                              "G01 Z-1. F120\r\nX20.\r\nY20.\r\nX0\r\nM30\r\n%";
  Open(program);
  Run(ID_RESTART_EDIT,
      "check 1054\ncheck 1001\nuncheck 1002\nset 1088 20\nset 1089 0\nset 1091 1\nclick 1092\nclick 5\n");
  EXPECT_EQ(Text(), "%\nO1000\n" + comment +
                        "\nT1 M06\nS3000 M03 (주축)\nG00X20.000Y0.000\nZ9.000\nG01Z-1.000F120\nY20.\nX0\nM30\n%");
  EXPECT_TRUE(ActiveDoc()->IsModified());
  EXPECT_EQ(Caret(), (TextPosition{14, 7}));
  ASSERT_TRUE(UndoOnce());
  EXPECT_FALSE(UndoOnce());
  EXPECT_FALSE(ActiveDoc()->IsModified());
}

TEST(RestartProgram, TheApproachIsAbsoluteWhateverModeTheHeadAndTheBlockLeave) {
  const nc::Lines lines = {"G91 S1000 M03", "G90 G00 X1. Y2. Z3.", "G01 X5. F80", "X6."};
  nc::RestartPoint point;
  point.line = 2;
  point.end[0] = 5;
  point.end[1] = 2;
  point.end[2] = 3;
  std::string why;
  EXPECT_EQ(nc::RestartProgram(lines, point, why),
            (nc::Lines{"G91 S1000 M03", "G90G00X5.000Y2.000", "Z13.000", "G01Z3.000F80", "X6."}));
  point.incremental = true;
  const nc::Lines in_g91 = {"G90 S1000 M03", "G91 G00 X1. Y2. Z3.", "G01 X4. F80", "X1."};
  EXPECT_EQ(nc::RestartProgram(in_g91, point, why),
            (nc::Lines{"G90 S1000 M03", "G00X5.000Y2.000", "Z13.000", "G01Z3.000F80", "G91", "X1."}));
  EXPECT_TRUE(nc::RestartProgram({"(S1000)", "G00 X1.", "X2."}, point, why).empty()) << "an S in a comment";
  // Words no control reads are not taken for tool changes or offsets.
  point.line = 2;
  EXPECT_FALSE(nc::RestartProgram({"S900 M99999999999999", "T3 G4399999999999 H2", "X1.", "X2."}, point, why).empty());
  EXPECT_FALSE(why.empty());
}

TEST_F(RestartEditTest, CancelNoSpindleBlockAndReadOnlyLeaveTheDocumentAlone) {
  const std::string program = "%\r\nG00 X0 Y0 Z5.\r\nG01 Z-1. F100\r\nX20.\r\nS2000 M03\r\nX40.\r\n%";
  Open(program);
  const std::string search = "check 1054\nuncheck 1001\nuncheck 1002\nset 1088 20\nset 1091 1\nclick 1092\n";
  Run(ID_RESTART_EDIT, search + "click 6\n");
  EXPECT_EQ(Transcript().find("처음부터"), std::string::npos) << "cancel ended the search";
  Run(ID_RESTART_EDIT, search + "click 5\nok\n");
  EXPECT_TRUE(Said("주축(S)")) << Transcript();
  Buffer().SetReadOnly(TRUE);
  Run(ID_RESTART_EDIT, "ok\n");
  EXPECT_TRUE(Said("읽기전용"));
  EXPECT_FALSE(ActiveDoc()->IsModified());
  EXPECT_EQ(Buffer().UndoRecordCount(), 0);
}

}  // namespace
}  // namespace nc_test
