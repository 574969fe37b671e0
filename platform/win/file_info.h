// What the platform tells of a file, from what stat() tells of it.
#pragma once

#include <sys/stat.h>

#include <string>

#include "platform/wintypes/windows_types.h"

namespace win {

DWORD AttributesOf(const std::string& path, const struct stat& info);
FILETIME FileTimeOf(const struct timespec& time);

}  // namespace win
