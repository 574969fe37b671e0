#include "platform/win/win_paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace win {
namespace {

// "X:\..." or "X:/..."; "X:name" is relative to a drive's current folder,
// which this system has not, so it stays the Linux name it is.
bool HasAbsoluteDrivePrefix(std::string_view path) {
  return path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/') &&
         ((path[0] >= 'a' && path[0] <= 'z') || (path[0] >= 'A' && path[0] <= 'Z'));
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

}  // namespace

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return "/";
}

std::string ToUnixPath(std::string_view path) {
  if (!HasAbsoluteDrivePrefix(path)) return WithSlashes(path);
  return WithSlashes(HomeFolder() + "/" + std::string(path.substr(3)));
}

std::string FullPath(std::string_view path) {
  const std::string unix_path = ToUnixPath(path);
  if (unix_path.empty()) return unix_path;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(unix_path, error);
  return error ? unix_path : absolute.lexically_normal().string();
}

std::string FolderUnderHome(std::string_view windows_folder) {
  std::string folder = ToUnixPath(windows_folder);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
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
