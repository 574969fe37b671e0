#include "platform/win/win_paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace win {
namespace {

bool HasDrivePrefix(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'a' && path[0] <= 'z') || (path[0] >= 'A' && path[0] <= 'Z'));
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return stat(path.empty() ? "." : path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

std::string WithSlashes(std::string_view path) {
  std::string result;
  result.reserve(path.size());
  for (char ch : path) {
    char slash_or_ch = ch == '\\' ? '/' : ch;
    if (slash_or_ch == '/' && !result.empty() && result.back() == '/') continue;
    result += slash_or_ch;
  }
  return result;
}

// Every folder has the device "nul" (also "nul.txt" and the like).
std::string MapNullDevice(const std::string& path) {
  std::size_t slash = path.rfind('/');
  std::string parent = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string stem = name.substr(0, name.find('.'));
  if (!EqualsNoCase(stem, "nul") || !IsFolder(parent)) return path;
  return "/dev/null";
}

}  // namespace

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return "/";
}

std::string ToUnixPath(std::string_view path) {
  std::string unix_path;
  if (HasDrivePrefix(path)) {
    std::string home = HomeFolder();
    std::string_view rest = path.substr(2);
    unix_path = WithSlashes(home + "/" + std::string(rest));
  } else {
    unix_path = WithSlashes(path);
  }
  return MapNullDevice(unix_path);
}

std::string ToProgramPath(std::string_view path) {
  std::string unix_path = ToUnixPath(path);
  constexpr std::string_view kExe = ".exe";
  if (unix_path.size() > kExe.size() &&
      EqualsNoCase(std::string_view(unix_path).substr(unix_path.size() - kExe.size()), kExe) && !Exists(unix_path)) {
    unix_path.resize(unix_path.size() - kExe.size());
  }
  return unix_path;
}

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (char& ch : folded) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return folded;
}

bool EqualsNoCase(std::string_view a, std::string_view b) { return a.size() == b.size() && FoldCase(a) == FoldCase(b); }

}  // namespace win
