#include "platform/win/registry_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <set>
#include <utility>

#include "platform/win/reg_format.h"
#include "platform/win/win_paths.h"

namespace win::registry {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// Each distinct trouble with the store is told once per process.
void ReportOnce(const std::string& message) {
  static std::mutex mutex;
  static std::set<std::string> reported;
  std::lock_guard lock(mutex);
  if (reported.insert(message).second) std::fprintf(stderr, "%s\n", message.c_str());
}

std::string ParentFolder(const std::string& path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

void CreateFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    mkdir(folder.substr(0, slash).c_str(), 0777);
    if (slash == std::string::npos) return;
  }
}

// The file a write must replace: the target when the store is a symbolic link.
std::string WriteTarget(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

enum class ReadResult { kRead, kMissing, kFailed };

ReadResult ReadWholeFile(const std::string& path, std::string& text) {
  FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return errno == ENOENT ? ReadResult::kMissing : ReadResult::kFailed;
  char buffer[65536];
  for (;;) {
    ssize_t count = read(file.get(), buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return ReadResult::kFailed;
    if (count == 0) return ReadResult::kRead;
    text.append(buffer, static_cast<std::size_t>(count));
  }
}

LONG LoadStoreAt(const std::string& path, Tree& tree, std::string& original_text) {
  switch (ReadWholeFile(path, original_text)) {
    case ReadResult::kMissing:
      return ERROR_SUCCESS;
    case ReadResult::kFailed:
      ReportOnce("registry: cannot read " + path + ": " + std::strerror(errno));
      return ERROR_CANTREAD;
    case ReadResult::kRead:
      break;
  }
  std::string error;
  if (!ParseRegText(original_text, tree, error)) {
    ReportOnce("registry: the store " + path + " is damaged (" + error +
               "); it is kept as it is and no setting is saved until it is repaired");
    return ERROR_REGISTRY_CORRUPT;
  }
  return ERROR_SUCCESS;
}

bool WriteAll(int fd, const std::string& text) {
  for (std::size_t done = 0; done < text.size();) {
    ssize_t count = write(fd, text.data() + done, text.size() - done);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    done += static_cast<std::size_t>(count);
  }
  return true;
}

LONG ReplaceFile(const std::string& path, const std::string& text) {
  std::string target = WriteTarget(path);
  std::string temporary = target + ".XXXXXX";
  FileDescriptor file(mkostemp(temporary.data(), O_CLOEXEC));
  if (file.get() < 0) {
    ReportOnce("registry: cannot write beside " + target + ": " + std::strerror(errno));
    return ERROR_CANTWRITE;
  }
  struct stat existing {};
  mode_t mode = stat(target.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0600;
  bool written = WriteAll(file.get(), text) && fchmod(file.get(), mode) == 0 && fsync(file.get()) == 0;
  int error = errno;
  if (close(file.release()) != 0 && written) {
    written = false;
    error = errno;
  }
  if (written && rename(temporary.c_str(), target.c_str()) == 0) return ERROR_SUCCESS;
  if (written) error = errno;
  unlink(temporary.c_str());
  ReportOnce("registry: cannot save " + target + ": " + std::strerror(error));
  return ERROR_CANTWRITE;
}

}  // namespace

std::string StorePath() {
  if (const char* path = std::getenv("VELMORA_REGISTRY"); path && *path) return path;
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder = config && *config ? std::string(config) : HomeFolder() + "/.config";
  return folder + "/velmora/registry.reg";
}

LONG LoadStore(Tree& tree) {
  std::string text;
  return LoadStoreAt(StorePath(), tree, text);
}

LONG UpdateStore(const std::function<LONG(Tree&)>& change) {
  std::string path = StorePath();
  CreateFolders(ParentFolder(path));
  std::string lock_path = path + ".lock";
  FileDescriptor lock(open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  int locked = -1;
  while (lock.get() >= 0 && (locked = flock(lock.get(), LOCK_EX)) != 0 && errno == EINTR) {
  }
  if (locked != 0) {
    ReportOnce("registry: cannot lock " + lock_path + ": " + std::strerror(errno));
    return ERROR_CANTWRITE;
  }
  Tree tree;
  std::string original_text;
  if (LONG status = LoadStoreAt(path, tree, original_text); status != ERROR_SUCCESS) return status;
  if (LONG status = change(tree); status != ERROR_SUCCESS) return status;
  std::string text = FormatRegText(tree);
  if (text == original_text) return ERROR_SUCCESS;
  return ReplaceFile(path, text);
}

}  // namespace win::registry
