#include "platform/cad/dxf/dxf_file_io.h"

#include "platform/cad/dxf/dxf_text_buffer.h"

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
  return ReplaceFileContents(path, data, {{".dxf-save-", ""}}, message);
}
