#include "platform/win/temporary_names.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <random>

namespace win {
namespace {

constexpr std::string_view kNameLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLength = 6;
constexpr int kNameAttempts = 100;

std::string RandomLetters() {
  thread_local std::mt19937 numbers{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, kNameLetters.size() - 1);
  std::string letters(kRandomLength, ' ');
  for (char& letter : letters) letter = kNameLetters[pick(numbers)];
  return letters;
}

bool IsNameLetter(char ch) { return kNameLetters.find(ch) != std::string_view::npos; }

bool ProcessIsGone(pid_t pid) { return pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH; }

// A writer keeps its file locked until it closes it; a shared lock is
// refused while it is at work.
bool NobodyHoldsTheLock(int fd) { return flock(fd, LOCK_SH | LOCK_NB) == 0; }

void RemoveIfAbandoned(int folder_fd, const char* name, pid_t writer) {
  if (!ProcessIsGone(writer)) return;
  FileDescriptor file(openat(folder_fd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat info {};
  if (!file.IsOpen() || fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return;
  if (NobodyHoldsTheLock(file.Get())) unlinkat(folder_fd, name, 0);
}

}  // namespace

FileDescriptor CreateTemporaryFile(const std::string& folder, const TemporaryNaming& naming, std::string& path) {
  const std::string stem = folder + "/" + naming.prefix + std::to_string(getpid()) + "-";
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string candidate = stem + RandomLetters() + naming.suffix;
    FileDescriptor file(open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (file.IsOpen()) {
      // Without the lock (a file system that has none) the process id still tells.
      flock(file.Get(), LOCK_EX | LOCK_NB);
      path = std::move(candidate);
      return file;
    }
    if (errno != EEXIST) return {};
  }
  return {};
}

std::optional<pid_t> WriterOfTemporary(std::string_view name, const TemporaryNaming& naming) {
  if (!name.starts_with(naming.prefix) || !name.ends_with(naming.suffix)) return std::nullopt;
  name.remove_prefix(naming.prefix.size());
  if (name.size() < naming.suffix.size()) return std::nullopt;
  name.remove_suffix(naming.suffix.size());
  const std::size_t dash = name.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash > 9) return std::nullopt;
  std::string_view digits = name.substr(0, dash);
  std::string_view letters = name.substr(dash + 1);
  if (letters.size() != kRandomLength) return std::nullopt;
  for (char ch : letters) {
    if (!IsNameLetter(ch)) return std::nullopt;
  }
  pid_t pid = 0;
  for (char ch : digits) {
    if (ch < '0' || ch > '9') return std::nullopt;
    pid = pid * 10 + (ch - '0');
  }
  if (pid <= 0) return std::nullopt;
  return pid;
}

void RemoveAbandonedTemporaries(const std::string& folder, const TemporaryNaming& naming) {
  std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(folder.c_str()), closedir);
  if (!listing) return;
  const int folder_fd = dirfd(listing.get());
  while (const dirent* entry = readdir(listing.get())) {
    if (std::optional<pid_t> writer = WriterOfTemporary(entry->d_name, naming)) {
      RemoveIfAbandoned(folder_fd, entry->d_name, *writer);
    }
  }
}

}  // namespace win
