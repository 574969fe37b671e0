#include "platform/win/registry/registry_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <set>

#include "platform/win/atomic_file_writer.h"
#include "platform/win/file_descriptor.h"
#include "platform/win/registry/reg_format.h"
#include "platform/win/win_paths.h"

namespace win::registry {
namespace {

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

enum class ReadResult { kRead, kMissing, kFailed, kNotAFile };

// A pipe or device is refused before anything is read from it, so that a
// store that never ends or never answers cannot hold a program up.
ReadResult ReadWholeFile(const std::string& path, std::string& text) {
  FileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!file.IsOpen()) return errno == ENOENT ? ReadResult::kMissing : ReadResult::kFailed;
  struct stat info {};
  if (fstat(file.Get(), &info) != 0) return ReadResult::kFailed;
  if (!S_ISREG(info.st_mode)) return ReadResult::kNotAFile;
  char buffer[65536];
  for (;;) {
    ssize_t count = read(file.Get(), buffer, sizeof buffer);
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
    case ReadResult::kNotAFile:
      ReportOnce("registry: the store " + path + " is not a regular file; no setting is read or saved");
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

LONG SaveStoreText(const std::string& path, const std::string& text) {
  const AtomicWriteOptions options{{".registry-save-", ""}, 0600, false};
  std::string message;
  if (ReplaceFileContents(path, text, options, message)) return ERROR_SUCCESS;
  ReportOnce("registry: cannot save " + path + ": " + message);
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
  while (lock.IsOpen() && (locked = flock(lock.Get(), LOCK_EX)) != 0 && errno == EINTR) {
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
  return SaveStoreText(path, text);
}

}  // namespace win::registry
