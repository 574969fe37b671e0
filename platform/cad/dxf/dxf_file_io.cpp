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
#include "platform/win/regular_file_reader.h"

namespace {

// Drawings of this program stay far below; a larger file is no drawing to open.
constexpr std::uintmax_t kLargestDrawing = std::uintmax_t{1} << 30;

std::string systemError(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

}  // namespace

bool readWholeFile(const char* path, DxfTextBuffer& text, std::string& message, int& error) {
  error = 0;
  win::FileDescriptor file;
  struct stat info {};
  const win::FileRead opened = win::OpenRegularFile(path, kLargestDrawing, file, info);
  if (opened != win::FileRead::kRead) {
    const bool folder = opened == win::FileRead::kNotAFile && S_ISDIR(info.st_mode);
    error = opened == win::FileRead::kFailed     ? errno
            : opened == win::FileRead::kMissing  ? ENOENT
            : folder                             ? EISDIR
            : opened == win::FileRead::kTooLarge ? EFBIG
                                                 : EINVAL;
    const std::string why = folder ? "it is a folder" : win::DescribeFileRead(opened, error, kLargestDrawing);
    message = std::string(opened == win::FileRead::kNotAFile || opened == win::FileRead::kTooLarge ? "cannot read "
                                                                                                   : "cannot open ") +
              path + ": " + why;
    return false;
  }
  text.clear();
  // The file is read straight into the buffer; one byte more finds the end at once.
  std::size_t room = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) + 1 : std::size_t{1} << 16;
  for (;;) {
    char* spare = text.spare(room);
    if (spare == nullptr) {
      error = ENOMEM;
      message = std::string("cannot read ") + path + ": not enough memory";
      return false;
    }
    const ssize_t got = ::read(file.Get(), spare, room);
    if (got < 0) {
      if (errno == EINTR) continue;
      error = errno;
      message = systemError("cannot read", path);
      return false;
    }
    if (got == 0) break;
    text.grow(static_cast<std::size_t>(got));
    // A file that grows while it is read is held to the same cap.
    if (text.size() > kLargestDrawing) {
      error = EFBIG;
      message = std::string("cannot read ") + path + ": " +
                win::DescribeFileRead(win::FileRead::kTooLarge, error, kLargestDrawing);
      return false;
    }
    room = text.capacity() - text.size();
    if (room == 0) room = std::size_t{1} << 20;
  }
  return true;
}

bool replaceFileAtomically(const char* path, std::string_view data, std::string& message) {
  return ReplaceFileContents(path, data, {{".dxf-save-", ""}}, message);
}
