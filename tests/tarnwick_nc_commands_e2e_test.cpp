// Every NC command of Tarnwick run headless from a script through its menu
// id, as a person would: the dialogs answered, the result saved and read back.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/tarnwick_run.h"

namespace {

using e2e::EditorRun;
using e2e::Quoted;
using e2e::ReadFile;

constexpr char kProgram[] =
    "%\r\nO1000\r\nN10 G90 G54 G00 X0 Y0 Z50.\r\nN20 T1 M06\r\nN30 S1000 M03\r\nN40 G00 X10. Y10. Z5.\r\n"
    "N50 G01 Z-2. F200\r\nN60 X50. S1000\r\nN70 Y40.\r\nN80 X10.\r\nN90 G00 Z50.\r\nN100 M30\r\n%\r\n";

class TarnwickNcCommandsTest : public e2e::TarnwickFixture {
 protected:
  void SetUp() override {
    e2e::TarnwickFixture::SetUp();
    path_ = Write("part.nc", kProgram);
  }
  // Editor settings for the run, as the settings dialog would have stored them.
  void Settings(const std::string& values) const {
    Write("registry.reg",
          "Windows Registry Editor Version 5.00\r\n\r\n"
          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Quellpad]\r\n" +
              values);
  }

  EditorRun Tarnwick(const std::string& script) const { return RunTarnwick(script, path_); }
  std::string Saved() const { return ReadFile(path_); }

  std::string path_;
};

// The code change works from the caret's line: it shows where each find left the caret.
constexpr char kChangeSpindle[] = "menu 32861\ncheck 1003\nset 1070 2500\nok\nkey Ctrl+S\n";

TEST_F(TarnwickNcCommandsTest, FindsMoveTheCaretWhereTheCodeChangeThenStarts) {
  const EditorRun line = Tarnwick("menu 32800\nset 1039 8\nok\n" + std::string(kChangeSpindle));
  ASSERT_EQ(line.status, 0) << line.out;
  EXPECT_NE(Saved().find("N30 S1000 M03\r\n"), std::string::npos) << Saved();
  EXPECT_NE(Saved().find("N60 X50. S2500\r\n"), std::string::npos) << Saved();

  Write("part.nc", kProgram);
  const EditorRun sequence = Tarnwick("menu 32864\nset 1039 N30\nok\n" + std::string(kChangeSpindle));
  ASSERT_EQ(sequence.status, 0) << sequence.out;
  EXPECT_NE(Saved().find("N30 S2500 M03\r\n"), std::string::npos) << Saved();

  Write("part.nc", kProgram);
  const EditorRun letter =
      Tarnwick("menu 32815\nmenu 32815\nmenu 32815\nmenu 32815\nok\n" + std::string(kChangeSpindle));
  ASSERT_EQ(letter.status, 0) << letter.out;
  EXPECT_NE(letter.out.find("S(을) 찾지 못했습니다."), std::string::npos) << letter.out;
  EXPECT_NE(Saved().find("N30 S1000 M03\r\nN40"), std::string::npos) << "the caret went back to the last S";
  EXPECT_NE(Saved().find("N60 X50. S2500"), std::string::npos) << Saved();

  Write("part.nc", kProgram);
  const EditorRun ends = Tarnwick("menu 32869\nmenu 32868\n" + std::string(kChangeSpindle));
  ASSERT_EQ(ends.status, 0) << ends.out;
  EXPECT_NE(Saved().find("N30 S2500 M03"), std::string::npos) << Saved();
}

TEST_F(TarnwickNcCommandsTest, CoordinateSearchShowsTheHitsAndRestartEditRewritesTheProgram) {
  const EditorRun search = Tarnwick(
      "menu 32865\nset 1088 50\nset 1089 10\ncheck 1054\ncheck 1001\nuncheck 1002\nset 1091 1\nclick 1092\n"
      "show\nclick 1092\nno\n");
  ASSERT_EQ(search.status, 0) << search.out;
  EXPECT_NE(search.out.find("\"50.000\""), std::string::npos) << search.out;
  EXPECT_NE(search.out.find("\"-2.000\""), std::string::npos) << search.out;
  EXPECT_EQ(Saved(), kProgram) << "a search changes nothing";

  const EditorRun restart = Tarnwick(
      "menu 32877\nuncheck 1004\nset 1088 50\nset 1089 40\ncheck 1054\ncheck 1001\nuncheck 1002\nset 1091 1\n"
      "click 1092\nclick 5\nkey Ctrl+S\n");
  ASSERT_EQ(restart.status, 0) << restart.out;
  EXPECT_EQ(Saved(),
            "%\r\nO1000\r\nN10 G90 G54 G00 X0 Y0 Z50.\r\nN20 T1 M06\r\nN30 S1000 M03\r\nG00X50.000Y40.000\r\n"
            "Z8.000\r\nG01Z-2.000F200\r\nN80 X10.\r\nN90 G00 Z50.\r\nN100 M30\r\n%\r\n");
}

TEST_F(TarnwickNcCommandsTest, SequenceNumbersGoAndTheRangeIsSelectedUpToTheTextTyped) {
  const EditorRun removed = Tarnwick("menu 32863\nkey Ctrl+S\nmenu 32826\nset 1043 Q9\nok\nok\n");
  ASSERT_EQ(removed.status, 0) << removed.out;
  EXPECT_EQ(Saved().find("N10"), std::string::npos) << Saved();
  EXPECT_NE(Saved().find("O1000\r\n G90 G54 G00 X0 Y0 Z50.\r\n T1 M06\r\n"), std::string::npos) << Saved();
  EXPECT_NE(removed.out.find("해당어를 찾지 못했습니다."), std::string::npos) << removed.out;
}

TEST_F(TarnwickNcCommandsTest, LoneLineFeedsAndReturnsOfACrLfFileAreShownAndKeptByteForByte) {
  Write("part.nc", "%\r\nN10 G00 X1.\r\nN20 X2.\nN30 Y3.\rN40 Z4.\r\nN50 M30\r\n%\r\n");
  const EditorRun run = Tarnwick("screen\nmenu 32863\nkey Ctrl+S\n");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("N20 X2.␊N30 Y3.␍N40 Z4."), std::string::npos) << "nothing hidden behind them" << run.out;
  EXPECT_EQ(Saved(), "%\r\n G00 X1.\r\n X2.\nN30 Y3.\rN40 Z4.\r\n M30\r\n%\r\n");
}

TEST_F(TarnwickNcCommandsTest, SubProgramsAreMergedFromTheMacroFolder) {
  ASSERT_EQ(::mkdir(Path("macro").c_str(), 0755), 0);
  Write("macro/O2000.nc", "%\r\nO2000\r\nG91 X5.\r\nM99\r\n%\r\n");
  Settings("\"MacroDir\"=\"" + Path("macro") + "\"\r\n");
  Write("part.nc", "%\r\nG00 X0\r\nM98P2000L2\r\nM30\r\n%\r\n");
  const EditorRun run = Tarnwick("menu 32878\nkey Ctrl+S\n");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(Saved(),
            "%\r\nG00 X0\r\n(M98P2000L2 Start)\r\n(O2000)\r\nG91 X5.\r\n(O2000)\r\nG91 X5.\r\n"
            "(M98P2000L2End)\r\nM30\r\n%\r\n");
}

TEST_F(TarnwickNcCommandsTest, DataMergeJoinsTheListedFilesIntoTheDocument) {
  ASSERT_EQ(::mkdir(Path("data").c_str(), 0755), 0);
  ASSERT_EQ(::mkdir(Path("env").c_str(), 0755), 0);
  Write("data/B.nc", "%\r\nG01 X2.\r\nM30\r\n%\r\n");
  Write("data/A.nc", "%\r\nG01 X1.\r\nM30\r\n%\r\n");
  Settings("\"ncdatadir\"=\"" + Path("data") + "\"\r\n\"EnvirDir\"=\"" + Path("env") + "\"\r\n");
  const EditorRun run = Tarnwick(
      "menu 32860\nselect 1047 \"B.nc\"\nclick 1052\nselect 1047 \"A.nc\"\nclick 1052\ncheck 1054\ncheck 1001\n"
      "ok\nkey Ctrl+S\n");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(Saved(), "%\r\nG01 X2.\r\nG01 X1.\r\nM30\r\n%") << run.out;
}

TEST_F(TarnwickNcCommandsTest, TheCodeChangeRewritesWholeWordsOfWorkOffsetsAndFeeds) {
  const EditorRun run = Tarnwick("menu 32861\ncheck 1002\nclick 1067\ncheck 1004\nset 1071 150\nok\nkey Ctrl+S\n");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_NE(Saved().find("N10 G90 G56 G00 X0 Y0 Z50."), std::string::npos) << Saved();
  EXPECT_NE(Saved().find("N50 G01 Z-2. F150"), std::string::npos) << Saved();
}

}  // namespace
