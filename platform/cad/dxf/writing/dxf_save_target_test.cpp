// Saving a drawing writes only regular files, and a later save clears away
// what a killed save left in the folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/dxf/dxf_file_io.h"
#include "platform/cad/dxf/dxf_test_support.h"
#include "platform/win/device_files_for_tests.h"
#include "platform/win/scoped_temp_folder.h"

using namespace dxf_test;

namespace {

std::size_t EntriesIn(const std::string& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

std::string SaveUnderWay(const std::string& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename();
    if (name.starts_with(".dxf-save-")) return name;
  }
  return {};
}

TEST(DxfSaveTarget, ALinkToAPipeOrADeviceIsRefusedAndLeftAsItWas) {
  win::ScopedTempFolder folder;
  AcDbDatabase db;
  append(db, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
  ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
  ASSERT_EQ(::symlink("pipe", (folder / "pipe.dxf").c_str()), 0);
  std::vector<std::string> targets = {"pipe", "pipe.dxf"};
  if (win::MakeDeviceNode(folder / "device")) {
    ASSERT_EQ(::symlink("device", (folder / "device.dxf").c_str()), 0);
    targets.insert(targets.end(), {"device", "device.dxf"});
  }
  for (const std::string& name : targets) {
    std::string message;
    EXPECT_EQ(WriteDxfFile(db, (folder / name).c_str(), message), Acad::eFileAccessErr) << name;
    EXPECT_NE(message.find("not a regular file"), std::string::npos) << message;
  }
  EXPECT_EQ(win::KindOf(folder / "pipe"), "pipe");
  EXPECT_EQ(win::KindOf(folder / "pipe.dxf"), "link");
  if (targets.size() > 2) {
    EXPECT_EQ(win::KindOf(folder / "device"), "device");
  }
  EXPECT_EQ(EntriesIn(folder.path()), targets.size());
}

TEST(DxfSaveTarget, ALaterSaveRemovesWhatASaveKilledMidwayLeft) {
  win::ScopedTempFolder folder;
  const std::string path = folder / "big.dxf";
  const std::string contents(16 << 20, 'x');
  std::string leftover;
  for (int attempt = 0; attempt < 20 && leftover.empty(); ++attempt) {
    const pid_t saver = ::fork();
    ASSERT_GE(saver, 0);
    if (saver == 0) {
      std::string ignored;
      for (;;) replaceFileAtomically(path.c_str(), contents, ignored);
    }
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (SaveUnderWay(folder.path()).empty() && std::chrono::steady_clock::now() < give_up) ::usleep(100);
    ::kill(saver, SIGKILL);
    int status = 0;
    ::waitpid(saver, &status, 0);
    leftover = SaveUnderWay(folder.path());
  }
  ASSERT_FALSE(leftover.empty()) << "no save was caught under way";

  AcDbDatabase db;
  append(db, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
  std::string message;
  ASSERT_EQ(WriteDxfFile(db, path.c_str(), message), Acad::eOk) << message;
  EXPECT_EQ(win::KindOf(folder / leftover), "missing");
  EXPECT_EQ(EntriesIn(folder.path()), 1u);
}

}  // namespace
