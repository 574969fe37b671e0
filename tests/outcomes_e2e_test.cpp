// What a script run of the plug-in's commands ends with: a command that fails
// (an output it cannot write, a toolpath it does not store, a post definition
// that does not parse) stops the run non-zero, naming its line; the default
// working folders lie under the home folder; the samples run one after another.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

constexpr const char* kRectangle = "PLINE\n0,0\n100,0\n100,60\n0,60\nc\n";
constexpr const char* kPocketIt = "Pocket\nset 279 -6\nset 4002 3\nclick 359\n50,0\n\nok\n";

// The 1-based number of the script's first line that is exactly line.
int LineOf(const std::string& script, const std::string& line) {
  std::istringstream lines(script);
  int number = 0;
  for (std::string text; std::getline(lines, text);) {
    ++number;
    if (text == line) return number;
  }
  return 0;
}

class OutcomeTest : public CadHostTest {
 protected:
  HostRun RunPlugin(const std::string& script, const std::string& drawing = "") const {
    std::vector<std::string> args = {"--plugin", OSTRIVO_PATH, "-s", WriteScript("run.scr", script)};
    if (!drawing.empty()) args.push_back(drawing);
    return Run(args);
  }

  // The run stopped with the command's failure, at a line of the command (its
  // last answer), and went no further.
  static void ExpectStoppedIn(const HostRun& run, const std::string& script, const std::string& command,
                              const std::string& why) {
    EXPECT_NE(run.status, 0) << run.out;
    const std::string report = ": The command " + command + " failed: " + why;
    const std::size_t at = run.out.find(report);
    ASSERT_NE(at, std::string::npos) << report << "\n" << run.out;
    const std::size_t line = run.out.rfind("script line ", at);
    ASSERT_NE(line, std::string::npos) << run.out;
    EXPECT_GE(std::atoi(run.out.c_str() + line + std::string("script line ").size()), LineOf(script, command));
    EXPECT_EQ(run.out.find("Command: GROUPS"), std::string::npos) << "the script stops at the failed command";
  }
};

TEST_F(OutcomeTest, AGeneratorThatStoresNothingStopsTheScriptAtItsLine) {
  // A roughing tool of 20 with 3 left on has no room in a 10 square.
  const std::string script = std::string("PLINE\n0,0\n10,0\n10,10\n0,10\nc\n") +
                             "Pocket\nclick 359\n5,0\n\nok\nGROUPS\n" + kQuitWithoutSaving;
  const HostRun run = RunPlugin(script);
  ExpectStoppedIn(run, script, "Pocket", "황삭 공구(지름 20.000, 가공여유 3.000)가 포켓 외곽 안에 들어가지 않습니다");
  EXPECT_EQ(Count(run.out, "\n 황삭 공구(지름 20.000"), 1u) << "said once:\n" << run.out;
}

TEST_F(OutcomeTest, PostsThatCannotWriteTheirFileStopTheScriptAtTheirLine) {
  // Not even root makes a file in /proc.
  for (const std::string command : {"post", "qpost"}) {
    const std::string script = std::string(kRectangle) + kPocketIt + command + "\n/proc/out.nc" +
                               "\n" + (command == "qpost" ? "uncheck 214\n" : "") +
                               "select 313 0\nclick 314\nok\nGROUPS\n" + kQuitWithoutSaving;
    const HostRun run = RunPlugin(script);
    ExpectStoppedIn(run, script, command, "");
  }
}

// The default post folder lies under the home folder; a definition there that
// does not parse is refused with its line, OK waits for another, and a post
// left so makes no NC file and stops the script.
TEST_F(OutcomeTest, APostDefinitionThatDoesNotParseIsRefusedAndNothingIsWritten) {
  fs::create_directories(Path("Ostrivo/Post"));
  std::ofstream(Path("Ostrivo/Post/default.ppr")) << "[Start]\n%\n[Cut]\nG01[$X][$Y]\n[End]\n";
  const std::string script = std::string(kRectangle) + kPocketIt + "post\nout.nc\ncancel\nGROUPS\n" + kQuitWithoutSaving;
  const HostRun run = RunPlugin(script);
  ExpectStoppedIn(run, script, "post", "포스트 정의 파일 \"" + Path("Ostrivo/Post/default.ppr") + "\"의 3번째 줄");
  EXPECT_FALSE(fs::exists(Path("out.nc")));
  EXPECT_EQ(run.out.find("절삭"), std::string::npos) << "no summary of a program";

  // Chosen in the dialog, it is refused there too, and OK waits for a good one.
  const std::string chosen = std::string(kRectangle) + kPocketIt + "post\nout.nc\nclick 417\n" +
                             Path("Ostrivo/Post/default.ppr") + "\nselect 313 0\nclick 314\nok\n" + kQuitWithoutSaving;
  const HostRun refused = RunPlugin(chosen);
  EXPECT_NE(refused.status, 0) << refused.out;
  EXPECT_GE(Count(refused.out, "의 3번째 줄을 사용할 수 없습니다"), 2u) << refused.out;
  EXPECT_FALSE(fs::exists(Path("out.nc")));
}

// qpost with "파일 생성후 편집기" on and no editor installed writes its files,
// says once that there is no editor, and ends well.
TEST_F(OutcomeTest, TheQuickPostWithoutAnEditorWritesItsFilesAndSaysSoOnce) {
  std::string script = std::string(kRectangle) + kPocketIt;
  for (const char* name : {"a.nc", "b.nc"}) script += "qpost\n" + std::string(name) + "\nselect 313 0\nclick 314\nok\n";
  script += kQuitWithoutSaving;
  const HostRun run = RunPlugin(script);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(fs::exists(Path("a.nc"))) << run.out;
  EXPECT_TRUE(fs::exists(Path("b.nc"))) << run.out;
  EXPECT_EQ(Count(run.out, "를 찾을 수 없어 NC 파일을 열지 않았습니다"), 1u) << run.out;
  EXPECT_EQ(run.out.find("c:\\Ostrivo"), std::string::npos) << run.out;
}

// A straight extrusion's side, picked on its outline in the plan, leans in by
// the draft: the solid loses half of height squared times tan(20) times the
// side's width.
TEST_F(OutcomeTest, TheSideOfAnExtrusionTakesADraft) {
  const std::string script =
      "PLINE\n0,0\n30,0\n30,10\n10,10\n10,20\n0,20\nc\nREGION\nL\n\nEXTRUDE\nL\n\n15\n0\n"
      "SolTaper\n30.5,5\n\n20\nLIST\nL\n\n" +
      std::string(kQuitWithoutSaving);
  const HostRun run = RunPlugin(script);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("volume: 5590.5335"), std::string::npos) << run.out;  // 6000 - 409.4665
}

// The README lists the tour and the demo one after the other: run so, in one
// folder, both end well and leave their own drawings of the bracket.
TEST_F(OutcomeTest, TheTourAndTheDemoRunOneAfterTheOther) {
  const std::string bracket = std::string(HOST_SAMPLES) + "/drawings/bracket.dxf";
  const HostRun tour = Run({"-s", std::string(HOST_SAMPLES) + "/scripts/tour.scr", bracket});
  EXPECT_EQ(tour.status, 0) << tour.out << tour.err;
  const HostRun demo = Run({"--plugin", OSTRIVO_PATH, "-s", std::string(HOST_SAMPLES) + "/scripts/demo.scr", bracket});
  EXPECT_EQ(demo.status, 0) << demo.out << demo.err;
  EXPECT_TRUE(fs::exists(Path("bracket.svg")));
  EXPECT_TRUE(fs::exists(Path("demo_bracket.svg")));
  const HostRun help = Run({"--help"});
  EXPECT_NE(help.out.find("nearest entity within PICKBOX drawing\n                   units of it, 3 unless"),
            std::string::npos)
      << help.out;
}

}  // namespace
}  // namespace e2e
