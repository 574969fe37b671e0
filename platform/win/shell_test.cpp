#include "platform/win/shell.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "platform/win/scoped_temp_folder.h"

namespace {

using win::SplitCommandLine;

void WriteScript(const std::string& path, const std::string& text, mode_t mode = 0755) {
  std::ofstream(path) << text;
  chmod(path.c_str(), mode);
}

// The started program runs on its own; give it a while to leave its trace.
std::string WaitForFile(const std::string& path) {
  for (int i = 0; i < 500 && access(path.c_str(), F_OK) != 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

int Start(const char* verb, const std::string& file, const char* parameters = nullptr, const char* folder = nullptr) {
  return win::ShellResult(ShellExecute(nullptr, verb, file.c_str(), parameters, folder, SW_SHOWNORMAL));
}

TEST(CommandLine, SplitsLikeProgramStartUp) {
  EXPECT_EQ((std::vector<std::string>{}), SplitCommandLine("   "));
  EXPECT_EQ((std::vector<std::string>{"a", "b c", "", "d"}), SplitCommandLine(" a  \"b c\" \"\" d "));
  EXPECT_EQ((std::vector<std::string>{"c:\\Ostrivo\\Post\\default.ppr"}),
            SplitCommandLine("c:\\Ostrivo\\Post\\default.ppr"));
  EXPECT_EQ((std::vector<std::string>{"a\\\\b", "x\"y", "q\\", "r\\\"s"}),
            SplitCommandLine("a\\\\b x\\\"y \"q\\\\\" r\\\\\\\"s"));
  EXPECT_EQ((std::vector<std::string>{"un closed"}), SplitCommandLine("\"un closed"));
}

TEST(ShellExecute, StartsAProgramWithArgumentsInItsFolder) {
  win::ScopedTempFolder home;
  win::ScopedEnv home_env("HOME", home.path());
  mkdir((home / "bin").c_str(), 0777);
  mkdir((home / "work").c_str(), 0777);
  WriteScript(home / "bin/tool",
              "#!/bin/sh\necho leaked\n{ pwd; printf '%s|' \"$@\"; cat; } > \"$1.part\" && mv \"$1.part\" \"$1\"\n");

  testing::internal::CaptureStdout();
  int result = Start("open", "c:\\bin\\tool.exe", "out.txt \"two words\"", (home.path() + "\\work").c_str());
  EXPECT_GT(result, 32);
  EXPECT_EQ(home.path() + "/work\nout.txt|two words|", WaitForFile(home / "work/out.txt"));
  EXPECT_EQ("", testing::internal::GetCapturedStdout());  // the program's output is not ours

  EXPECT_GT(Start(nullptr, home / "bin/tool", (home / "second").c_str()), 32);
  EXPECT_NE("", WaitForFile(home / "second"));
}

TEST(ShellExecute, OpensADocumentWithItsProgram) {
  win::ScopedTempFolder folder;
  std::string document = folder / "default.ppr";
  std::ofstream(document) << "post";
  WriteScript(folder / "editor",
              "#!/bin/sh\necho \"$1\" > \"$1.opened.part\" && mv \"$1.opened.part\" \"$1.opened\"\n");

  win::SetDocumentProgram(".PPR", folder / "editor");
  EXPECT_GT(Start("open", document), 32);
  EXPECT_EQ(document + "\n", WaitForFile(document + ".opened"));
  win::SetDocumentProgram(".ppr", "");

  win::ScopedEnv no_path("PATH", folder / "empty");
  EXPECT_EQ(SE_ERR_NOASSOC, Start("open", document));
}

TEST(ShellExecute, ReportsTheDocumentedFailures) {
  win::ScopedTempFolder folder;
  WriteScript(folder / "no_interpreter", "echo hi\n");
  WriteScript(folder / "tool", "#!/bin/sh\n");

  EXPECT_EQ(SE_ERR_FNF, Start("open", folder / "missing.exe"));
  EXPECT_EQ(SE_ERR_PNF, Start("open", folder / "none/tool"));
  EXPECT_EQ(SE_ERR_PNF, Start("open", folder / "tool", nullptr, (folder / "none").c_str()));
  EXPECT_EQ(SE_ERR_NOASSOC, Start("print", folder / "tool"));
  EXPECT_EQ(SE_ERR_BAD_FORMAT, Start("open", folder / "no_interpreter"));
  EXPECT_EQ(SE_ERR_FNF, Start("open", ""));
}

}  // namespace
