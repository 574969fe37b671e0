// Runs Tarnwick headless on a script in a folder of its own, with its own
// registry and home, as the end-to-end tests of the editor need it.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/test_files.h"

namespace e2e {

struct EditorRun {
  int status = -1;
  std::string out;  // the transcript
};

class TarnwickFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "tarnwick_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    if (!HasFailure()) std::system(("rm -rf " + Quoted(folder_)).c_str());
  }

  std::string Path(const std::string& name) const { return folder_ + "/" + name; }
  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
    return Path(name);
  }

  EditorRun RunTarnwick(const std::string& script, const std::string& file) const {
    const std::string script_path = Write("script.txt", script);
    const std::string command = "cd " + Quoted(folder_) + " && HOME=" + Quoted(folder_) +
                                " VELMORA_REGISTRY=" + Quoted(Path("registry.reg")) + " " + Quoted(TARNWICK_PATH) +
                                " --script " + Quoted(script_path) + " " + Quoted(file) + " >" +
                                Quoted(Path("out.txt")) + " 2>&1 </dev/null";
    EditorRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(Path("out.txt"));
    return run;
  }

  std::string folder_;
};

}  // namespace e2e
