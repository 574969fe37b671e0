#include "platform/win/regular_file_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace win {

FileRead OpenRegularFile(const std::string& path, std::uintmax_t maxBytes, FileDescriptor& file, struct stat& info) {
  // Without O_NONBLOCK the open of a FIFO waits for a writer that may never come.
  FileDescriptor opened(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!opened.IsOpen()) return errno == ENOENT || errno == ENOTDIR ? FileRead::kMissing : FileRead::kFailed;
  if (::fstat(opened.Get(), &info) != 0) return FileRead::kFailed;
  if (!S_ISREG(info.st_mode)) return FileRead::kNotAFile;
  if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) return FileRead::kTooLarge;
  // A regular file reads alike either way; blocking reads are what the readers expect.
  const int flags = ::fcntl(opened.Get(), F_GETFL);
  if (flags >= 0) ::fcntl(opened.Get(), F_SETFL, flags & ~O_NONBLOCK);
  file = std::move(opened);
  return FileRead::kRead;
}

FileRead ReadRegularFile(const std::string& path, std::uintmax_t maxBytes, std::string& text) {
  FileDescriptor file;
  struct stat info {};
  const FileRead opened = OpenRegularFile(path, maxBytes, file, info);
  if (opened != FileRead::kRead) return opened;
  std::string read;
  read.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return FileRead::kFailed;
    if (count == 0) break;
    // The file may grow while it is read.
    if (read.size() + static_cast<std::size_t>(count) > maxBytes) return FileRead::kTooLarge;
    read.append(buffer, static_cast<std::size_t>(count));
  }
  text = std::move(read);
  return FileRead::kRead;
}

std::string DescribeFileRead(FileRead result, int error, std::uintmax_t maxBytes) {
  switch (result) {
    case FileRead::kRead:
      return "";
    case FileRead::kMissing:
      return "no such file";
    case FileRead::kNotAFile:
      return "it is not a regular file";
    case FileRead::kTooLarge:
      return "it is larger than " + std::to_string(maxBytes >> 20) + " MB";
    case FileRead::kFailed:
      break;
  }
  return std::strerror(error);
}

}  // namespace win
