// The simple profile, circular and sphere samples as scripts/demo runs them:
// each cycle is typed in, saved, opened again and posted with the ISO milling
// definition and with the quick post, and LinuxCNC's interpreter reads every
// program without an error. The toolpath manager makes a reopened toolpath
// again from its record alone.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

class SimpleShapeSampleTest : public CadHostTest {
 protected:
  void SetUp() override {
    CadHostTest::SetUp();
    fs::copy_file(std::string(HOST_SAMPLES) + "/posts/iso_mill.ppr", Path("iso_mill.ppr"));
  }
  HostRun RunSample(const std::string& name, const std::string& drawing = "") const {
    std::vector<std::string> args = {"--plugin", OSTRIVO_PATH, "-s", std::string(HOST_SAMPLES) + "/scripts/" + name};
    if (!drawing.empty()) args.push_back(Path(drawing));
    return Run(args);
  }
  // The interpreter's output; empty when it could not read the program.
  std::string Interpret(const std::string& nc) const {
    std::ofstream(Path("tools.tbl")) << "T1 P1 D10 Z0\n";
    const std::string command =
        "cd " + Quoted(folder_) + " && HOME=. rs274 -t tools.tbl -g " + Quoted(nc) + " >canon.txt 2>&1 </dev/null";
    const int raw = std::system(command.c_str());
    const std::string canon = ReadFile(Path("canon.txt"));
    return WIFEXITED(raw) && WEXITSTATUS(raw) == 0 ? canon : std::string();
  }
  void ExpectReadByInterpreter(const std::string& nc, bool arcs) const {
    if (std::system("command -v rs274 >/dev/null 2>&1") != 0) return;
    const std::string canon = Interpret(nc);
    EXPECT_GT(Count(canon, "STRAIGHT_FEED"), 10u) << nc << "\n" << ReadFile(Path("canon.txt"));
    if (arcs) {
      EXPECT_GT(Count(canon, "ARC_FEED"), 3u) << nc;
    }
  }
};

TEST_F(SimpleShapeSampleTest, ProfileSurvivesSavingAndPostsBothWays) {
  const HostRun run = RunSample("simple_profile.scr");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  // Listed after the drawing was opened again, with the side and passes on the last line.
  EXPECT_NE(run.out.find("SimpProf_1  ("), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Ostrivo_ToolPath 3 7 2 1"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\n     3 2\n"), std::string::npos) << run.out;
  ExpectReadByInterpreter("simple_profile.nc", true);
  ExpectReadByInterpreter("simple_profile_iso.nc", true);

  // The manager makes it again from the record alone, with one more pass.
  const HostRun again = Run({"--plugin", OSTRIVO_PATH, "-s",
                             WriteScript("job.scr",
                                         "Job\nselect 383 \"SimpProf_1\"\nclick 388\nset 516 3\nok\nok\ncancel\n"
                                         "GROUPS\nSAVE\nQUIT\n"),
                             Path("simple_profile.dxf")});
  ASSERT_EQ(again.status, 0) << again.out << again.err;
  EXPECT_NE(again.out.find("재생성이 완료"), std::string::npos) << again.out;
  EXPECT_NE(again.out.find("\n     3 3\n"), std::string::npos) << again.out;
}

TEST_F(SimpleShapeSampleTest, CircularSurvivesSavingAndPostsBothWays) {
  const HostRun run = RunSample("simple_radial.scr");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("Ostrivo_ToolPath 3 10 2 3 1"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Ostrivo_ToolPath 3 10 3 3 1"), std::string::npos) << run.out;
  ExpectReadByInterpreter("simple_radial.nc", false);
  ExpectReadByInterpreter("simple_radial_iso.nc", false);
}

TEST_F(SimpleShapeSampleTest, SphereSurvivesSavingAndPostsBothWays) {
  const HostRun run = RunSample("simple_sphere.scr");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("SimpSphere_1  ("), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Ostrivo_ToolPath 3 8 1 0"), std::string::npos) << run.out;
  ExpectReadByInterpreter("simple_sphere.nc", true);
  ExpectReadByInterpreter("simple_sphere_iso.nc", true);
}

TEST_F(SimpleShapeSampleTest, ACycleThatCannotCutEndsTheScriptRunWithoutStoringAnything) {
  const HostRun plugin =
      Run({"--plugin", OSTRIVO_PATH, "-s", WriteScript("bad.scr", "SimpSphere\nuncheck 266\nok\nok\nGROUPS\nQUIT\n")});
  EXPECT_NE(plugin.status, 0) << plugin.out;
  EXPECT_NE(plugin.out.find("정삭가공이 선택되지 않아"), std::string::npos) << plugin.out;
  EXPECT_EQ(plugin.out.find("SimpSphere_1  ("), std::string::npos) << plugin.out;
}

}  // namespace
}  // namespace e2e
