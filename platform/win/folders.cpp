#include "platform/win/folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/win/last_error.h"
#include "platform/win/win_paths.h"

namespace {

DWORD CopyOut(const std::string& text, DWORD buffer_size, LPSTR buffer) {
  if (!buffer || buffer_size <= text.size()) return static_cast<DWORD>(text.size() + 1);
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return static_cast<DWORD>(text.size());
}

std::string WithTrailingSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

// Mount points in /proc/self/mounts spell blanks and the like as octal escapes.
std::string DecodeMountPoint(const std::string& field) {
  std::string decoded;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      decoded += static_cast<char>(std::strtol(field.substr(i + 1, 3).c_str(), nullptr, 8));
      i += 3;
    } else {
      decoded += field[i];
    }
  }
  return decoded;
}

bool IsRemovableMountPoint(const std::string& path) {
  return path.starts_with("/media/") || path.starts_with("/mnt/") || path.starts_with("/run/media/");
}

}  // namespace

BOOL CreateDirectory(LPCSTR path, LPSECURITY_ATTRIBUTES /*security*/) {
  if (!path) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (mkdir(win::ToUnixPath(path).c_str(), 0777) == 0) return TRUE;
  SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : win::ErrorFromErrno(errno));
  return FALSE;
}

BOOL RemoveDirectory(LPCSTR path) {
  if (!path) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (rmdir(win::ToUnixPath(path).c_str()) == 0) return TRUE;
  SetLastError(errno == EEXIST ? ERROR_DIR_NOT_EMPTY : win::ErrorFromErrno(errno));
  return FALSE;
}

BOOL SetCurrentDirectory(LPCSTR path) {
  if (!path) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (chdir(win::ToUnixPath(path).c_str()) == 0) return TRUE;
  return win::FailWithErrno();
}

DWORD GetCurrentDirectory(DWORD buffer_size, LPSTR buffer) {
  std::string current(4096, '\0');
  while (!getcwd(current.data(), current.size())) {
    if (errno != ERANGE) {
      win::FailWithErrno();
      return 0;
    }
    current.resize(current.size() * 2);
  }
  current.resize(std::strlen(current.c_str()));
  return CopyOut(current, buffer_size, buffer);
}

DWORD GetTempPath(DWORD buffer_size, LPSTR buffer) {
  const char* folder = std::getenv("TMPDIR");
  return CopyOut(WithTrailingSlash(folder && *folder ? folder : "/tmp"), buffer_size, buffer);
}

DWORD GetLogicalDriveStrings(DWORD buffer_size, LPSTR buffer) {
  std::string strings;
  for (const std::string& root : win::DriveRoots()) strings += root + '\0';
  DWORD needed = static_cast<DWORD>(strings.size() + 1);
  if (!buffer || buffer_size < needed) return needed;
  std::memcpy(buffer, strings.data(), strings.size());
  buffer[strings.size()] = '\0';
  return needed - 1;
}

namespace win {

std::vector<std::string> DriveRoots() {
  std::vector<std::string> roots = {"/", WithTrailingSlash(HomeFolder())};
  std::ifstream mounts("/proc/self/mounts");
  std::string line;
  while (std::getline(mounts, line)) {
    std::istringstream fields(line);
    std::string device, mount_point;
    fields >> device >> mount_point;
    mount_point = DecodeMountPoint(mount_point);
    struct stat info {};
    if (IsRemovableMountPoint(mount_point) && stat(mount_point.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
      roots.push_back(WithTrailingSlash(mount_point));
    }
  }
  std::vector<std::string> unique_roots;
  for (std::string& root : roots) {
    if (std::find(unique_roots.begin(), unique_roots.end(), root) == unique_roots.end()) {
      unique_roots.push_back(std::move(root));
    }
  }
  return unique_roots;
}

}  // namespace win
