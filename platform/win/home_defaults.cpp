#include "platform/win/home_defaults.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/win/win_paths.h"

namespace win {

namespace {

namespace fs = std::filesystem;

bool IsProgram(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

fs::path RunningProgramFolder() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : self.parent_path();
}

}  // namespace

std::string FindInstalledProgram(std::string_view name) {
  if (name.empty()) return {};
  const fs::path beside = RunningProgramFolder();
  if (!beside.empty() && IsProgram(beside / name)) return (beside / name).string();
  const char* path = std::getenv("PATH");
  std::string_view folders = path != nullptr ? path : "";
  while (!folders.empty()) {
    const std::size_t colon = folders.find(':');
    const std::string_view folder = folders.substr(0, colon);
    if (!folder.empty() && IsProgram(fs::path(folder) / name)) return (fs::path(folder) / name).string();
    if (colon == std::string_view::npos) break;
    folders.remove_prefix(colon + 1);
  }
  return {};
}

bool EnsureFolder(std::string_view path) {
  if (path.empty()) return false;
  const fs::path folder = ToUnixPath(path);
  std::error_code error;
  if (fs::is_directory(folder, error)) return true;
  fs::create_directories(folder, error);
  return fs::is_directory(folder, error);
}

}  // namespace win
