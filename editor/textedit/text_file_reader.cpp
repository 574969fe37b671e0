#include "editor/textedit/text_file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>

#include "editor/textedit/line_ending.h"
#include "editor/textedit/line_splitter.h"
#include "platform/win/regular_file_reader.h"

namespace {

constexpr size_t kChunkSize = 1 << 20;
constexpr size_t kProbeSize = 1 << 16;

ssize_t ReadRetrying(int fd, char* data, size_t size) {
  ssize_t count;
  do {
    count = ::read(fd, data, size);
  } while (count < 0 && errno == EINTR);
  return count;
}

ssize_t PreadRetrying(int fd, char* data, size_t size, off_t offset) {
  ssize_t count;
  do {
    count = ::pread(fd, data, size, offset);
  } while (count < 0 && errno == EINTR);
  return count;
}

// The style of the file's first LF, however far into the file it lies;
// without any LF, CR when the file holds one, else CR LF. -2 on a read error.
int DetectStyle(int fd) {
  auto block = std::make_unique_for_overwrite<char[]>(kProbeSize);
  off_t offset = 0;
  int previous = -1;
  bool has_cr = false;
  for (;;) {
    const ssize_t count = PreadRetrying(fd, block.get(), kProbeSize, offset);
    if (count < 0) return -2;
    if (count == 0) return line_ending::StyleWithoutLf(has_cr);
    const char* data = block.get();
    const auto* lf = static_cast<const char*>(std::memchr(data, '\n', static_cast<size_t>(count)));
    if (lf == nullptr) {
      has_cr = has_cr || std::memchr(data, '\r', static_cast<size_t>(count)) != nullptr;
      previous = static_cast<unsigned char>(data[count - 1]);
      offset += count;
      continue;
    }
    const int before = lf > data ? static_cast<unsigned char>(lf[-1]) : previous;
    int after = -1;
    if (lf + 1 < data + count) {
      after = static_cast<unsigned char>(lf[1]);
    } else {
      char next = 0;
      const ssize_t got = PreadRetrying(fd, &next, 1, offset + count);
      if (got < 0) return -2;
      if (got == 1) after = static_cast<unsigned char>(next);
    }
    return line_ending::StyleAroundFirstLf(before, after);
  }
}

// The first chunk says little about the rest of a file (a dense head may
// precede a sparse hole), so the guess never reserves more than this.
constexpr size_t kMaxReservedLines = size_t{1} << 22;

// NC programs run to some hundred megabytes at most; a larger file is refused.
constexpr std::uintmax_t kLargestDocument = std::uintmax_t{4} << 30;

// Sizes the line array once from the first chunk's line lengths, so that a big
// file is not copied record by record through every doubling.
void ReserveLines(std::vector<TextLineRecord>& lines, size_t bytes_read, size_t file_size) {
  if (bytes_read == 0 || file_size <= bytes_read || lines.empty()) return;
  const double lines_per_byte = static_cast<double>(lines.size()) / static_cast<double>(bytes_read);
  const double guess = lines_per_byte * static_cast<double>(file_size) * 1.1 + 16;
  lines.reserve(static_cast<size_t>(std::min(guess, static_cast<double>(kMaxReservedLines))));
}

bool IsReadOnly(const char* path, const struct stat& info) {
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path, W_OK) != 0;
}

bool ReadFile(const char* path, int style, TextFileContents& contents) {
  // A FIFO or device as the document is refused at once, never waited on.
  win::FileDescriptor file;
  struct stat info {};
  if (win::OpenRegularFile(path, kLargestDocument, file, info) != win::FileRead::kRead) return false;
  ::posix_fadvise(file.Get(), 0, 0, POSIX_FADV_SEQUENTIAL);

  if (!line_ending::IsValidStyle(style)) style = DetectStyle(file.Get());
  if (style < 0) return false;

  std::vector<TextLineRecord> lines;
  LineSplitter splitter(line_ending::Bytes(style), lines);
  auto chunk = std::make_unique_for_overwrite<char[]>(kChunkSize);
  for (bool first = true;; first = false) {
    const ssize_t count = ReadRetrying(file.Get(), chunk.get(), kChunkSize);
    if (count < 0) return false;
    if (count == 0) break;
    if (!splitter.Feed(chunk.get(), static_cast<size_t>(count))) return false;
    if (first) ReserveLines(lines, static_cast<size_t>(count), static_cast<size_t>(info.st_size));
  }
  if (!splitter.Finish()) return false;

  contents.lines = std::move(lines);
  contents.style = style;
  contents.read_only = IsReadOnly(path, info);
  return true;
}

}  // namespace

bool ReadTextFile(const char* path, int style, TextFileContents& contents) {
  try {
    return ReadFile(path, style, contents);
  } catch (const std::bad_alloc&) {
    return false;  // too big for the memory there is: refused like an unreadable file
  }
}
