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
#include "platform/win/regular_file_reader.h"
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

// Settings are some kilobytes; a store past this is no store to load.
constexpr std::uintmax_t kLargestStore = std::uintmax_t{64} << 20;

LONG LoadStoreAt(const std::string& path, Tree& tree, std::string& original_text) {
  // A pipe or device is refused before anything is read from it, so that a
  // store that never ends or never answers cannot hold a program up.
  switch (ReadRegularFile(path, kLargestStore, original_text)) {
    case FileRead::kMissing:
      return ERROR_SUCCESS;
    case FileRead::kFailed:
      ReportOnce("registry: cannot read " + path + ": " + std::strerror(errno));
      return ERROR_CANTREAD;
    case FileRead::kNotAFile:
      ReportOnce("registry: the store " + path + " is not a regular file; no setting is read or saved");
      return ERROR_CANTREAD;
    case FileRead::kTooLarge:
      ReportOnce("registry: the store " + path + " is larger than 64 MB; no setting is read or saved");
      return ERROR_CANTREAD;
    case FileRead::kRead:
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

// What tells one version of the store's file from another: an atomic save
// makes a new file, so its inode (or its size and time) changes.
struct FileIdentity {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  long long modified_ns = 0;
  bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return {};
  return {true, info.st_dev, info.st_ino, info.st_size,
          static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec};
}

// The store as this process last read or wrote it.
struct CachedStore {
  std::mutex mutex;
  bool valid = false;
  std::string path;
  FileIdentity identity;
  std::shared_ptr<const Tree> tree;
  std::string text;
  int reads = 0;
};

CachedStore& Cache() {
  static CachedStore cache;
  return cache;
}

// Brings the cache up to the file at path; the caller holds the cache's mutex.
LONG RefreshCache(CachedStore& cache, const std::string& path) {
  const FileIdentity identity = IdentityOf(path);
  if (cache.valid && cache.path == path && cache.identity == identity) return ERROR_SUCCESS;
  auto tree = std::make_shared<Tree>();
  std::string text;
  ++cache.reads;
  if (LONG status = LoadStoreAt(path, *tree, text); status != ERROR_SUCCESS) {
    cache.valid = false;
    return status;
  }
  cache.valid = true;
  cache.path = path;
  cache.identity = identity;
  cache.tree = std::move(tree);
  cache.text = std::move(text);
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

LONG LoadStore(SharedTree& tree) {
  CachedStore& cache = Cache();
  std::lock_guard lock(cache.mutex);
  if (LONG status = RefreshCache(cache, StorePath()); status != ERROR_SUCCESS) return status;
  tree = cache.tree;
  return ERROR_SUCCESS;
}

int StoreReadCount() {
  CachedStore& cache = Cache();
  std::lock_guard lock(cache.mutex);
  return cache.reads;
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
  CachedStore& cache = Cache();
  std::lock_guard cache_lock(cache.mutex);
  if (LONG status = RefreshCache(cache, path); status != ERROR_SUCCESS) return status;
  auto tree = std::make_shared<Tree>(*cache.tree);
  if (LONG status = change(*tree); status != ERROR_SUCCESS) return status;
  // Most writes store what is there already: no text is made for them.
  if (*tree == *cache.tree) return ERROR_SUCCESS;
  std::string text = FormatRegText(*tree);
  if (text == cache.text) return ERROR_SUCCESS;
  if (LONG status = SaveStoreText(path, text); status != ERROR_SUCCESS) return status;
  // Still under the lock: the file now is what was just written.
  cache.identity = IdentityOf(path);
  cache.tree = std::move(tree);
  cache.text = std::move(text);
  return ERROR_SUCCESS;
}

}  // namespace win::registry
