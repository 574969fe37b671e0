// The solid cut and Z-level contour samples as the demo runs them on the mould
// block: the toolpaths survive saving and opening, the manager regenerates them
// without leaving copies of the model behind, and both posts write programs
// that LinuxCNC's interpreter reads without an error.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

class SolidMachiningSampleTest : public CadHostTest {
 protected:
  void SetUp() override {
    CadHostTest::SetUp();
    fs::copy_file(std::string(HOST_SAMPLES) + "/posts/iso_mill.ppr", Path("iso_mill.ppr"));
    std::ofstream table(Path("tools.tbl"));
    for (int t = 1; t <= 4; ++t) table << "T" << t << " P" << t << " D10 Z0\n";
    const HostRun mould = RunSample("mould.scr");
    ASSERT_EQ(mould.status, 0) << mould.out << mould.err;
  }

  HostRun RunSample(const std::string& name, const std::string& drawing = "") const {
    std::vector<std::string> args = {"--plugin", OSTRIVO_PATH, "-s", std::string(HOST_SAMPLES) + "/scripts/" + name};
    if (!drawing.empty()) args.push_back(Path(drawing));
    return Run(args);
  }

  HostRun RunPlugin(const std::string& script, const std::string& drawing) const {
    return Run({"--plugin", OSTRIVO_PATH, "-s", WriteScript("run.scr", script), Path(drawing)});
  }

  // rs274's exit status; the canonical moves go to canon.txt.
  int Interpret(const std::string& nc) const {
    const std::string command =
        "cd " + Quoted(folder_) + " && HOME=. rs274 -t tools.tbl -g " + Quoted(nc) + " >canon.txt 2>&1 </dev/null";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }

  std::size_t Solids(const std::string& drawing) const { return Count(ReadFile(Path(drawing)), "\n3DSOLID\n"); }
};

// The group line GROUPS prints for the toolpath, before saving and after opening.
std::vector<std::string> GroupLines(const std::string& transcript, const std::string& name) {
  std::vector<std::string> lines;
  std::istringstream in(transcript);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(name + "  (", 0) == 0) lines.push_back(line);
  }
  return lines;
}

// The heights of the interpreter's feed moves, to the micrometre.
std::set<long> FeedHeights(const std::string& canon) {
  std::set<long> heights;
  const std::regex feed(R"(STRAIGHT_FEED\(([^,]+), ([^,]+), ([^,]+),)");
  for (std::sregex_iterator it(canon.begin(), canon.end(), feed), end; it != end; ++it) {
    heights.insert(std::lround(std::stod((*it)[3]) * 1000.0));
  }
  return heights;
}

TEST_F(SolidMachiningSampleTest, BothSamplesSurviveSavingAndOpeningAndPostIntoProgramsTheInterpreterReads) {
  const HostRun cut = RunSample("solid_cut.scr", "mould.dxf");
  ASSERT_EQ(cut.status, 0) << cut.out << cut.err;
  const std::vector<std::string> cutGroups = GroupLines(cut.out, "SolMill_1");
  ASSERT_EQ(cutGroups.size(), 2u) << cut.out;
  EXPECT_EQ(cutGroups[0], cutGroups[1]);
  EXPECT_NE(cutGroups[0].find("Ostrivo_ToolPath 1 11 1"), std::string::npos) << cutGroups[0];

  const HostRun levels = RunSample("z_profile.scr", "mould.dxf");
  ASSERT_EQ(levels.status, 0) << levels.out << levels.err;
  const std::vector<std::string> levelGroups = GroupLines(levels.out, "ZProfile_1");
  ASSERT_EQ(levelGroups.size(), 2u) << levels.out;
  EXPECT_EQ(levelGroups[0], levelGroups[1]);

  // The user's block and the one hidden copy each toolpath keeps.
  EXPECT_EQ(Solids("solid_cut.dxf"), 2u);
  EXPECT_EQ(Solids("z_profile.dxf"), 2u);

  if (std::system("command -v rs274 >/dev/null 2>&1") != 0) GTEST_SKIP() << "linuxcnc-uspace is not installed";
  const HostRun posted = RunSample("post_solid.scr", "solid_cut.dxf");
  ASSERT_EQ(posted.status, 0) << posted.out << posted.err;
  for (const char* nc : {"solid_cut.nc", "solid_cut_iso.nc", "z_profile.nc", "z_profile_iso.nc"}) {
    const std::string program = ReadFile(Path(nc));
    ASSERT_FALSE(program.empty()) << nc;
    EXPECT_EQ(Interpret(nc), 0) << nc << "\n" << ReadFile(Path("canon.txt")).substr(0, 2000);
    const std::set<long> heights = FeedHeights(ReadFile(Path("canon.txt")));
    if (std::string(nc).rfind("z_profile", 0) == 0) {
      // Every third millimetre down the openings, from 27 to the bowl's bottom at 12.
      for (long z : {27000L, 24000L, 21000L, 18000L, 15000L, 12000L}) EXPECT_EQ(heights.count(z), 1u) << nc << " " << z;
    } else {
      // Down into the pocket, whose floor is at 10: the ball's tip reaches it.
      ASSERT_FALSE(heights.empty()) << nc;
      EXPECT_GE(*heights.begin(), 10000L) << nc;
      EXPECT_LE(*heights.begin(), 10010L) << nc;
    }
  }
}

TEST_F(SolidMachiningSampleTest, RegenerationReplacesTheToolpathAndLeavesNoCopyOfTheModel) {
  ASSERT_EQ(RunSample("solid_cut.scr", "mould.dxf").status, 0);
  const HostRun job = RunPlugin(
      "Job\nselect 383 \"SolMill_1\"\nclick 388\nset 4000 4\nok\nok\ncancel\nGROUPS\nSAVEAS\nregenerated.dxf\nQUIT\n",
      "solid_cut.dxf");
  ASSERT_EQ(job.status, 0) << job.out << job.err;
  const std::vector<std::string> groups = GroupLines(job.out, "SolMill_1");
  ASSERT_EQ(groups.size(), 1u) << job.out;
  EXPECT_NE(job.out.find(" 4.00 0.00 0.00 50.00 0.0050"), std::string::npos) << job.out;
  EXPECT_EQ(Solids("regenerated.dxf"), 2u);
}

// The gouge outline picked in the dialog comes back with the toolpath: the
// manager regenerates within it, and the user's outline stays as drawn.
TEST_F(SolidMachiningSampleTest, AGougeCheckedCutRegeneratesWithItsOutline) {
  const HostRun run = RunPlugin(
      "PLINE\n20,20\n100,20\n100,60\n20,60\nc\n"
      "SolidCut\n120,40\ncheck 571\nclick 572\n20,40\ncheck 574\nset 4000 5\nok\n"
      "Job\nselect 383 \"SolMill_1\"\nclick 388\nset 4000 6\nok\nok\ncancel\n"
      "GROUPS\nLIST\nL\n\nSAVEAS\ngouged.dxf\nQUIT\n",
      "mould.dxf");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::vector<std::string> groups = GroupLines(run.out, "SolMill_1");
  ASSERT_EQ(groups.size(), 1u) << run.out;
  EXPECT_NE(run.out.find(" 1 0 1 1 0\n"), std::string::npos) << "gouge check and inside kept: " << run.out;
  EXPECT_NE(run.out.find(" 0.00 6.00 0.00 0.00"), std::string::npos) << run.out;
  // The model, its copy, and no copy left over from the reload.
  EXPECT_EQ(Solids("gouged.dxf"), 2u);
}

TEST_F(SolidMachiningSampleTest, ANonSolidModelIsRefusedAndTheRunFails) {
  const HostRun run = RunPlugin("CIRCLE\n200,200\n10\nSolidCut\n210,200\nZProfile\n210,200\nQUIT\nno\n", "mould.dxf");
  EXPECT_NE(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("3D 솔리드만 선택할 수 있습니다"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Dialog: 솔리드 가공"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace e2e
