// Files that are not regular files, made safely for the tests: a device node
// of the tests' own (never the system's), and a child process that sees a
// /dev of its own, so that a faulty writer can only harm the copy.
#pragma once

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace win {

// A character device like the null device, at path; false where the user may not make devices.
inline bool MakeDeviceNode(const std::string& path) { return mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; }

// "file", "folder", "link", "pipe", "device", "other" or "missing", as lstat tells.
inline std::string KindOf(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0) return "missing";
  if (S_ISREG(info.st_mode)) return "file";
  if (S_ISDIR(info.st_mode)) return "folder";
  if (S_ISLNK(info.st_mode)) return "link";
  if (S_ISFIFO(info.st_mode)) return "pipe";
  if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) return "device";
  return "other";
}

// Runs body in a child process whose /dev is a fresh, private folder holding
// only a null device of its own. Body's result (0 to 254), 128 + the signal
// that ended the child, or -1 when no private /dev can be made here.
inline int RunWithPrivateDev(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    const bool isolated = unshare(CLONE_NEWNS) == 0 &&
                          mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                          mount("tmpfs", "/dev", "tmpfs", 0, "mode=0755") == 0 && MakeDeviceNode("/dev/null");
    _exit(isolated ? body() : 255);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) return -1;
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WEXITSTATUS(status) == 255 ? -1 : WEXITSTATUS(status);
}

}  // namespace win
