#include "platform/cad/dxf/dxf_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/win/atomic_file_writer.h"

namespace {

std::string systemError(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

}  // namespace

bool readWholeFile(const char* path, std::string& text, std::string& message, int& error) {
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
  if (info.st_size > 0) text.reserve(static_cast<std::size_t>(info.st_size));
  std::vector<char> chunk(1 << 20);
  for (;;) {
    const ssize_t got = ::read(fd, chunk.data(), chunk.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      error = errno;
      message = systemError("cannot read", path);
      ::close(fd);
      return false;
    }
    if (got == 0) break;
    text.append(chunk.data(), static_cast<std::size_t>(got));
  }
  ::close(fd);
  return true;
}

bool replaceFileAtomically(const char* path, std::string_view data, std::string& message) {
  return ReplaceFileContents(path, data, {{".dxf-save-", ""}}, message);
}
