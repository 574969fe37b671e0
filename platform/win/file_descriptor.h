// Owns a POSIX file descriptor and closes it at scope end.
#pragma once

#include <unistd.h>

#include <utility>

namespace win {

class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() { Close(); }
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.Release()) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      Close();
      fd_ = other.Release();
    }
    return *this;
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int Get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  int Release() { return std::exchange(fd_, -1); }
  // False when close() reports an error, which matters for a file just written.
  bool Close() { return fd_ < 0 || ::close(Release()) == 0; }

 private:
  int fd_ = -1;
};

}  // namespace win
