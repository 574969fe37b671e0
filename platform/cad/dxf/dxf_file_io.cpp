#include "platform/cad/dxf/dxf_file_io.h"

#include "platform/cad/dxf/dxf_text_buffer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Closes a descriptor and, unless released, removes the temporary file behind it.
class TemporaryFile {
 public:
  TemporaryFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!kept_) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  bool close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0;
  }
  void keep() { kept_ = true; }

 private:
  int fd_;
  std::string path_;
  bool kept_ = false;
};

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string systemError(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

mode_t modeForNewFile() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

bool readWholeFile(const char* path, DxfTextBuffer& text, std::string& message, int& error) {
  error = 0;
  const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    message = systemError("cannot open", path);
    return false;
  }
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    error = EISDIR;
    message = std::string("cannot read ") + path + ": it is a folder";
    return false;
  }
  text.clear();
  // The file is read straight into the buffer; one byte more finds the end at once.
  std::size_t room = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) + 1 : std::size_t{1} << 16;
  for (;;) {
    char* spare = text.spare(room);
    if (spare == nullptr) {
      ::close(fd);
      error = ENOMEM;
      message = std::string("cannot read ") + path + ": not enough memory";
      return false;
    }
    const ssize_t got = ::read(fd, spare, room);
    if (got < 0) {
      if (errno == EINTR) continue;
      error = errno;
      message = systemError("cannot read", path);
      ::close(fd);
      return false;
    }
    if (got == 0) break;
    text.grow(static_cast<std::size_t>(got));
    room = text.capacity() - text.size();
    if (room == 0) room = std::size_t{1} << 20;
  }
  ::close(fd);
  return true;
}

bool replaceFileAtomically(const char* path, std::string_view data, std::string& message) {
  const std::string target(path);
  std::string pattern = folderOf(target) + "/.dxf-save-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) {
    message = systemError("cannot write a temporary file in", folderOf(target));
    return false;
  }
  TemporaryFile temporary(fd, name.data());
  struct stat existing {};
  const mode_t mode = ::stat(path, &existing) == 0 ? (existing.st_mode & 07777) : modeForNewFile();
  if (!writeAll(fd, data) || ::fsync(fd) != 0) {
    message = systemError("cannot write", temporary.path());
    return false;
  }
  ::fchmod(fd, mode);
  if (!temporary.close()) {
    message = systemError("cannot write", temporary.path());
    return false;
  }
  if (::rename(temporary.path().c_str(), path) != 0) {
    message = systemError("cannot replace", target);
    return false;
  }
  temporary.keep();
  // The rename itself is made durable too.
  const int folder = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return true;
}
