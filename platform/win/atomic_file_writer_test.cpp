#include "platform/win/atomic_file_writer.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "platform/win/device_files_for_tests.h"
#include "platform/win/scoped_temp_folder.h"

namespace {

const AtomicWriteOptions kOptions{{"CRE", ".tmp"}};

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

TEST(AtomicFileWriter, FoldersDevicesPipesAndLinksToThemAreRefusedUntouched) {
  win::ScopedTempFolder folder;
  ASSERT_EQ(0, mkfifo((folder / "pipe").c_str(), 0600));
  std::filesystem::create_directory(folder / "folder");
  std::map<std::string, std::string> kinds = {{"pipe", "pipe"}, {"folder", "folder"}};
  if (win::MakeDeviceNode(folder / "device")) kinds["device"] = "device";
  for (const auto& [name, kind] : std::map(kinds)) {
    ASSERT_EQ(0, symlink(name.c_str(), (folder / ("link-to-" + name)).c_str()));
    kinds["link-to-" + name] = "link";
  }
  for (const auto& [name, kind] : kinds) {
    std::string message;
    EXPECT_FALSE(ReplaceFileContents(folder / name, "data", kOptions, message)) << name;
    const bool folder_behind = name.ends_with("folder");
    EXPECT_NE(std::string::npos, message.find(folder_behind ? "it is a folder" : "not a regular file")) << message;
  }
  for (const auto& [name, kind] : kinds) EXPECT_EQ(kind, win::KindOf(folder / name)) << name;
  EXPECT_EQ(kinds.size(), Names(folder.path()).size()) << "a temporary file was left";
}

TEST(AtomicFileWriter, LinksAreFollowedToTheRegularFileTheyName) {
  win::ScopedTempFolder folder;
  std::filesystem::create_directory(folder / "real");
  WriteFile(folder / "real/part.nc", "old");
  chmod((folder / "real/part.nc").c_str(), 0640);
  ASSERT_EQ(0, symlink("real/part.nc", (folder / "relative").c_str()));
  ASSERT_EQ(0, symlink((folder / "relative").c_str(), (folder / "chain").c_str()));
  std::string message;
  ASSERT_TRUE(ReplaceFileContents(folder / "chain", "new", kOptions, message)) << message;
  EXPECT_EQ("new", ReadFile(folder / "real/part.nc"));
  EXPECT_EQ("link", win::KindOf(folder / "chain"));
  EXPECT_EQ("link", win::KindOf(folder / "relative"));
  struct stat info {};
  ASSERT_EQ(0, stat((folder / "real/part.nc").c_str(), &info));
  EXPECT_EQ(0640u, info.st_mode & 0777);

  // A link to nothing yet makes the file it names, as opening it would.
  ASSERT_EQ(0, symlink("real/fresh.nc", (folder / "dangling").c_str()));
  ASSERT_TRUE(ReplaceFileContents(folder / "dangling", "fresh", kOptions, message)) << message;
  EXPECT_EQ("fresh", ReadFile(folder / "real/fresh.nc"));
  EXPECT_EQ("link", win::KindOf(folder / "dangling"));
  EXPECT_EQ((std::set<std::string>{"fresh.nc", "part.nc"}), Names(folder / "real"));

  ASSERT_EQ(0, symlink("loop-b", (folder / "loop-a").c_str()));
  ASSERT_EQ(0, symlink("loop-a", (folder / "loop-b").c_str()));
  EXPECT_FALSE(ReplaceFileContents(folder / "loop-a", "x", kOptions, message));
  EXPECT_NE(std::string::npos, message.find(std::strerror(ELOOP))) << message;
  EXPECT_EQ("link", win::KindOf(folder / "loop-a"));
}

// A child process that begins a save of path and stops inside it, its
// temporary file written in part; killed (kill -9) at the latest at scope end.
class StoppedSave {
 public:
  explicit StoppedSave(const std::string& path) {
    int channel[2];
    if (pipe(channel) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(channel[0]);
      AtomicFileWriter writer(kOptions);
      if (writer.Open(path) == SaveResult::kSaved && writer.Write("half", 4)) {
        (void)!write(channel[1], writer.temporary_path().data(), writer.temporary_path().size());
      }
      close(channel[1]);
      pause();
      _exit(0);
    }
    close(channel[1]);
    char name[4096];
    ssize_t length = 0;
    while ((length = read(channel[0], name, sizeof name)) < 0 && errno == EINTR) {
    }
    close(channel[0]);
    if (length > 0) temporary_.assign(name, static_cast<size_t>(length));
  }
  ~StoppedSave() { Kill(); }
  StoppedSave(const StoppedSave&) = delete;
  StoppedSave& operator=(const StoppedSave&) = delete;

  void Kill() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -pid_;
  }
  pid_t pid() const { return pid_ < 0 ? -pid_ : pid_; }
  const std::string& temporary() const { return temporary_; }

 private:
  pid_t pid_ = 0;
  std::string temporary_;
};

TEST(AtomicFileWriter, SaveRemovesTheTemporaryFilesOfKilledWritersOnly) {
  win::ScopedTempFolder folder;
  const std::string target = folder / "part.nc";
  StoppedSave killed(target);
  StoppedSave working(target);
  const std::string& killed_temporary = killed.temporary();
  const std::string& working_temporary = working.temporary();
  ASSERT_EQ("file", win::KindOf(killed_temporary));
  ASSERT_EQ("file", win::KindOf(working_temporary));
  const std::string dead = "CRE" + std::to_string(killed.pid()) + "-";
  EXPECT_EQ(0u, std::filesystem::path(killed_temporary).filename().string().rfind(dead, 0));
  killed.Kill();

  // What must stay: other names, a folder and a link named like the dead
  // writer's files, and such a file that a writer elsewhere holds locked.
  const std::set<std::string> kept_always = {"CRE1A2B.tmp",       "notes.tmp",         dead + "abcdef.txt",
                                             dead + "FOLDER.tmp", dead + "LINKED.tmp", dead + "abc.tmp"};
  for (const std::string& name : kept_always) WriteFile(folder / name, "keep");
  std::filesystem::remove(folder / (dead + "FOLDER.tmp"));
  std::filesystem::create_directory(folder / (dead + "FOLDER.tmp"));
  std::filesystem::remove(folder / (dead + "LINKED.tmp"));
  ASSERT_EQ(0, symlink("part.nc", (folder / (dead + "LINKED.tmp")).c_str()));
  const std::string locked = folder / (dead + "LOCKED.tmp");
  WriteFile(locked, "held");
  win::FileDescriptor holder(open(locked.c_str(), O_RDWR | O_CLOEXEC));
  ASSERT_EQ(0, flock(holder.Get(), LOCK_EX));

  std::string message;
  ASSERT_TRUE(ReplaceFileContents(target, "first", kOptions, message)) << message;
  EXPECT_EQ("missing", win::KindOf(killed_temporary));
  EXPECT_EQ("file", win::KindOf(working_temporary));
  EXPECT_EQ("file", win::KindOf(locked));
  for (const std::string& name : kept_always) EXPECT_NE("missing", win::KindOf(folder / name)) << name;

  working.Kill();
  holder.Close();
  ASSERT_TRUE(ReplaceFileContents(target, "second", kOptions, message)) << message;
  EXPECT_EQ("missing", win::KindOf(working_temporary));
  EXPECT_EQ("missing", win::KindOf(locked));
  EXPECT_EQ("second", ReadFile(target));
  for (const std::string& name : kept_always) EXPECT_NE("missing", win::KindOf(folder / name)) << name;
}

}  // namespace
