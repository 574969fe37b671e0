// Every NAME.scr with a NAME.expected beside it under plugin/*/testdata runs in
// cadhost with the plug-in loaded, on NAME.dxf when there is one; the transcript
// must match, with the run's home folder written as $HOME.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/cadhost_run.h"

namespace {

namespace fs = std::filesystem;

// The scripts under plugin/*/testdata, as the build found them.
const char* const kScripts[] = {
#include "ostrivo_scripts.inc"
    nullptr};

std::vector<std::string> ScriptCases() {
  std::vector<std::string> cases;
  for (const char* const* script = kScripts; *script != nullptr; ++script) {
    if (fs::exists(fs::path(*script).replace_extension(".expected"))) cases.emplace_back(*script);
  }
  return cases;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

class ScriptCaseTest : public e2e::CadHostTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ScriptCaseTest, TranscriptMatches) {
  const std::string script = GetParam();
  const std::string expected = e2e::ReadFile(fs::path(script).replace_extension(".expected").string());
  std::vector<std::string> args = {"--plugin", OSTRIVO_PATH, "-s", script};
  const fs::path drawing = fs::path(script).replace_extension(".dxf");
  if (fs::exists(drawing)) {
    // A copy, so that a script that saves cannot change the test's own drawing.
    fs::copy_file(drawing, Path("drawing.dxf"), fs::copy_options::overwrite_existing);
    args.push_back(Path("drawing.dxf"));
  }
  const e2e::HostRun run = Run(args);
  EXPECT_EQ(Replaced(run.out, folder_, "$HOME"), expected) << run.err;
  EXPECT_EQ(run.status, 0) << run.err;
}

std::string CaseName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name =
      fs::path(info.param).parent_path().parent_path().filename().string() + "_" + fs::path(info.param).stem().string();
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

// Commands of the plug-in that change nothing leave the drawing unchanged, so
// QUIT has nothing to ask, in a script or at a terminal.
using PluginRunTest = e2e::CadHostTest;

TEST_F(PluginRunTest, CommandsThatChangeNothingLeaveQuitNothingToAsk) {
  const std::string typed = "ENConfig\ncancel\nPocket\ncancel\nCOMMANDS\nQUIT\n";
  const e2e::HostRun scripted = Run({"--plugin", OSTRIVO_PATH, "-s", WriteScript("run.scr", typed)});
  EXPECT_EQ(scripted.status, 0) << scripted.out << scripted.err;
  EXPECT_EQ(scripted.out.find("Save changes"), std::string::npos) << scripted.out;
  EXPECT_NE(scripted.out.find("Dialog: 형상(pocket) 공구경로"), std::string::npos) << scripted.out;

  const e2e::HostRun at_terminal = Run({"--plugin", OSTRIVO_PATH}, WriteScript("typed.txt", typed));
  EXPECT_EQ(at_terminal.status, 0) << at_terminal.out << at_terminal.err;
  EXPECT_EQ(at_terminal.out.find("Save changes"), std::string::npos) << at_terminal.out;
}

INSTANTIATE_TEST_SUITE_P(Plugin, ScriptCaseTest, ::testing::ValuesIn(ScriptCases()), CaseName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ScriptCaseTest);

}  // namespace
