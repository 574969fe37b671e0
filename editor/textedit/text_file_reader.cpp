#include "editor/textedit/text_file_reader.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string_view>

#include "editor/textedit/line_ending.h"
#include "platform/win/regular_file_reader.h"

namespace {

ssize_t ReadRetrying(int fd, char* data, size_t size) {
  ssize_t count;
  do {
    count = ::read(fd, data, size);
  } while (count < 0 && errno == EINTR);
  return count;
}

// The style of the file's first LF; without any LF, CR when the file holds
// one, else CR LF.
int DetectStyle(std::string_view bytes) {
  const size_t lf = bytes.find('\n');
  if (lf == std::string_view::npos) return line_ending::StyleWithoutLf(bytes.find('\r') != std::string_view::npos);
  const int before = lf > 0 ? static_cast<unsigned char>(bytes[lf - 1]) : -1;
  const int after = lf + 1 < bytes.size() ? static_cast<unsigned char>(bytes[lf + 1]) : -1;
  return line_ending::StyleAroundFirstLf(before, after);
}

// NC programs run to some hundred megabytes at most; a larger file is refused.
constexpr std::uintmax_t kLargestDocument = std::uintmax_t{4} << 30;

// The whole file in one block sized by its length, so that a big file is
// neither read in pieces nor copied; a file that grows meanwhile is read to
// its end all the same.
// Big blocks in huge pages where the system lends them: a few faults instead
// of one a page while the file is read in. Only a hint; nothing depends on it.
void AskForHugePages(char* data, size_t capacity) {
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
  if (capacity < 4 * kHugePage) return;
  const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(data) + capacity) & ~(kHugePage - 1);
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

bool ReadAll(int fd, size_t expected, TextLineStore::FileBlock& block, size_t& size) {
  size_t capacity = expected + 1;  // one more byte to see the end without a second read
  block.reset(static_cast<char*>(std::malloc(capacity)));
  if (block == nullptr) return false;
  AskForHugePages(block.get(), capacity);
  size = 0;
  for (;;) {
    if (size == capacity) {
      capacity *= 2;
      char* bigger = static_cast<char*>(std::realloc(block.get(), capacity));
      if (bigger == nullptr) return false;
      static_cast<void>(block.release());
      block.reset(bigger);
    }
    const ssize_t count = ReadRetrying(fd, block.get() + size, capacity - size);
    if (count < 0) return false;
    if (count == 0) return true;
    size += static_cast<size_t>(count);
    if (size > kLargestDocument) return false;  // grew past the cap while read
  }
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

  TextLineStore::FileBlock block;
  size_t size = 0;
  if (!ReadAll(file.Get(), static_cast<size_t>(info.st_size), block, size)) return false;
  if (!line_ending::IsValidStyle(style)) style = DetectStyle(std::string_view(block.get(), size));
  if (!contents.lines.Load(std::move(block), size, line_ending::Bytes(style))) return false;
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
