#include "platform/win/file_info.h"

#include <cstdint>

namespace win {

DWORD AttributesOf(const std::string& path, const struct stat& info) {
  std::string name = path.substr(path.find_last_of('/') + 1);
  DWORD attributes = 0;
  if (S_ISDIR(info.st_mode)) attributes |= FILE_ATTRIBUTE_DIRECTORY;
  if ((info.st_mode & S_IWUSR) == 0) attributes |= FILE_ATTRIBUTE_READONLY;
  if (name.size() > 1 && name[0] == '.' && name != "..") attributes |= FILE_ATTRIBUTE_HIDDEN;
  return attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
}

FILETIME FileTimeOf(const struct timespec& time) {
  constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
  std::uint64_t ticks = static_cast<std::uint64_t>(time.tv_sec + kSecondsFrom1601To1970) * 10000000u +
                        static_cast<std::uint64_t>(time.tv_nsec) / 100u;
  return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace win
