#include "host/svg_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "host/svg_document.h"
#include "host/svg_drawing_walker.h"

namespace {

std::string failure(const std::string& path, const char* what, int error) {
  return "Cannot write \"" + path + "\": " + what + " (" + std::strerror(error) + ")";
}

// A file of our own beside the target, so that the rename stays on one file system.
int createTemporary(const std::string& path, std::string& temporary) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = path + ".tmp-" + std::to_string(getpid()) + '-' + std::to_string(++counter);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = write(fd, text.data() + done, text.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

bool replaceFileAtomically(const std::string& path, const std::string& text, std::string& message) {
  std::string temporary;
  const int fd = createTemporary(path, temporary);
  if (fd < 0) {
    message = failure(path, "cannot create a file there", errno);
    return false;
  }
  const bool written = writeAll(fd, text) && fsync(fd) == 0;
  const int writeError = errno;
  const bool closed = close(fd) == 0;
  if (!written || !closed) {
    message = failure(path, "writing failed", written ? errno : writeError);
    unlink(temporary.c_str());
    return false;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    message = failure(path, "cannot replace it", errno);
    unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace

std::string DrawingToSvg(AcDbDatabase& db) { return SvgDocumentOf(CollectModelSpace(db)); }

bool WriteSvgFile(AcDbDatabase& db, const std::string& path, std::string& message) {
  if (path.empty()) {
    message = "No file name given for the SVG output";
    return false;
  }
  return replaceFileAtomically(path, DrawingToSvg(db), message);
}
