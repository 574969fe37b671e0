#include "plugin/post/post_commands.h"

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/win/registry.h"
#include "plugin/milling/profile_dlg.h"
#include "plugin/post/post_test_drawing_test.h"
#include "plugin/shell/configuration_settings.h"
#include "plugin/shell/registry_text.h"

namespace {

using namespace posttest;
namespace fs = std::filesystem;

CString ProfileRecord() {
  CProfileDlg dlg;
  CString text;
  dlg.WriteParamRecord(text);
  return text;
}

void BuildProfile(ShellSession& session, const char* name, bool withFeed = true) {
  ToolpathBuilder path(session);
  const AcDbObjectId first = path.Rapid(AcGePoint3d(0, 0, 5), AcGePoint3d(0, 0, 0));
  path.Cut(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0), withFeed ? 120 : 0);
  path.Head(first);
  ASSERT_TRUE(path.Store(name, withFeed ? ProfileRecord() : RecordOf(3, kToolpathSimpleFace)));
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The command's dialog lives as long as the program: its runs stay in this one test.
TEST(PostCommand, AsksForTheFileLetsTheUserChooseAndEditAndWritesTheProgram) {
  const std::string iso = SourceRoot() + "/samples/posts/iso_mill.ppr";
  win::ScopedTempFolder out;
  const std::string nc = out / "part.nc";
  const std::string saved = out / "edited.ppr";
  ShellSession session(
      // The file dialog cancelled: no post dialog.
      std::string("cancel\n") +
      // Nothing chosen, then the profile; the definition chosen by its button.
      nc + "\nclick 417\n" + iso +
      "\nok\nok\nselect 313 0\nclick 314\nset 205 12\nok\n"
      // Again: the arc and drill blocks edited, the definition saved, then cancelled.
      + nc +
      "\nyes\nclick 426\nset 429 G03X$X\\nY$Y\nok\nclick 425\nclick 591\nset 429 \nok\nok\n"
      "click 436\n" +
      saved + "\ncancel\n");
  const ScopedInfoClass infoClass;
  BuildProfile(session, "Side");

  PostCommand();
  EXPECT_FALSE(Contains(session.transcript(), "Dialog: NC DATA 출력")) << session.transcript();

  PostCommand();
  EXPECT_TRUE(Contains(session.transcript(), "[Error message] 공구경로가 선택되지 않았습니다.!!"))
      << session.transcript();
  const std::string program = ReadText(nc);
  EXPECT_EQ(program.rfind("%\r\n(PROGRAM 12)\r\n", 0), 0u) << program;
  EXPECT_TRUE(Contains(program, "G01X5.F120\r\n")) << program;
  CString remembered;
  ASSERT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, "PostFile", remembered), 1);
  EXPECT_EQ(remembered.str(), iso);

  PostCommand();
  const std::string definition = ReadText(saved);
  EXPECT_TRUE(Contains(definition, "\r\n[Arc]\r\nG03X$X\r\n[End]\r\n")) << "the last line without a break is dropped";
  EXPECT_TRUE(Contains(definition, "\r\n[Drill]\r\n[End]\r\n")) << definition;
  EXPECT_TRUE(Contains(definition, "\r\n[Cut]\r\n[$cut_mode][$X][$Y][$Z][$F]\r\n[End]\r\n")) << definition;
  EXPECT_EQ(ReadText(nc), program) << "a cancelled run leaves the file";
  EXPECT_FALSE(session.failed()) << session.transcript();
}

// Runs body in a child process that sees folder as a file system of its own,
// holding the files of setup and then made read-only. Body's result, or -1
// where no private mount can be made (an unprivileged user).
int RunOnReadOnlyFolder(const std::string& folder, const std::function<void()>& setup,
                        const std::function<int()>& body) {
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=1m") != 0) {
      _exit(255);
    }
    setup();
    if (mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) _exit(255);
    _exit(body());
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -2;
  return WEXITSTATUS(status) == 255 ? -1 : WEXITSTATUS(status);
}

TEST(PostCommand, AFolderThatTakesNoFileKeepsThePreviousOneAndSaysSo) {
  win::ScopedTempFolder disk;
  const std::string nc = disk / "part.nc";
  ShellSession session;
  const ScopedInfoClass infoClass;
  BuildProfile(session, "Side");
  PostKindHolders holders;
  const PostSettingsFile definition = IsoMill();
  PostRunRequest request{nc, {"Side"}, 0};
  const int result = RunOnReadOnlyFolder(
      disk.path(), [&] { std::ofstream(nc) << "previous"; },
      [&] {
        if (RunPost(definition, holders, request, nullptr)) return 1;
        if (ReadText(nc) != "previous") return 2;
        int files = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(disk.path())) ++files;
        if (files != 1) return 3;
        const std::string said = session.transcript();
        if (!Contains(said, "[Error message]") || !Contains(said, "part.nc")) return 4;
        return 0;
      });
  if (result == -1) GTEST_SKIP() << "no private read-only mount can be made here";
  EXPECT_EQ(result, 0) << "1 written, 2 previous lost, 3 a file left behind, 4 no message";
}

TEST(PostCommand, ARunThatFailsHalfWayLeavesThePreviousFileAndNoPartOfTheNewOne) {
  win::ScopedTempFolder folder;
  const std::string nc = folder / "part.nc";
  std::ofstream(nc) << "previous";
  ShellSession session;
  const ScopedInfoClass infoClass;
  BuildProfile(session, "Side");
  BuildProfile(session, "NoFeed", false);
  PostKindHolders holders;
  const PostRunRequest request{nc, {"Side", "NoFeed"}, 0};
  EXPECT_FALSE(RunPost(IsoMill(), holders, request, nullptr));
  EXPECT_EQ(ReadText(nc), "previous");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.path())) ++files;
  EXPECT_EQ(files, 1);
  EXPECT_TRUE(Contains(session.transcript(), "\"NoFeed\" has a cutting move without a feed")) << session.transcript();
}

}  // namespace
