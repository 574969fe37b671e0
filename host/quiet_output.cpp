#include "host/quiet_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace host {

namespace {

void FlushAll() {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(stdout);
  std::fflush(stderr);
}

// Points fd at the null device; the duplicate that keeps the old target, or -1.
int Silence(int fd, int null_device) {
  const int saved = ::dup(fd);
  if (saved >= 0 && ::dup2(null_device, fd) < 0) {
    ::close(saved);
    return -1;
  }
  return saved;
}

void Restore(int fd, int saved) {
  if (saved < 0) return;
  ::dup2(saved, fd);
  ::close(saved);
}

}  // namespace

QuietOutput::QuietOutput() {
  FlushAll();
  const int null_device = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null_device < 0) return;  // then the chatter shows, nothing worse
  saved_out_ = Silence(STDOUT_FILENO, null_device);
  saved_err_ = Silence(STDERR_FILENO, null_device);
  ::close(null_device);
}

QuietOutput::~QuietOutput() {
  FlushAll();
  Restore(STDOUT_FILENO, saved_out_);
  Restore(STDERR_FILENO, saved_err_);
}

}  // namespace host
