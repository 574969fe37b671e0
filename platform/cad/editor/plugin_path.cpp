#include "platform/cad/editor/plugin_path.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace cadeditor {
namespace {

std::string ProgramFolder() {
  char buffer[4096];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return {};
  const std::string path(buffer, static_cast<std::size_t>(length));
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::vector<std::string> SearchFolders() {
  std::vector<std::string> folders;
  if (std::string program = ProgramFolder(); !program.empty()) folders.push_back(program);
  if (const char* list = std::getenv("VELMORA_PLUGIN_PATH")) {
    std::string rest = list;
    for (std::size_t start = 0; start <= rest.size();) {
      std::size_t end = rest.find(':', start);
      if (end == std::string::npos) end = rest.size();
      if (end > start) folders.push_back(rest.substr(start, end - start));
      start = end + 1;
    }
  }
  folders.push_back(".");
  return folders;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::vector<std::string> FileNameForms(const std::string& name) {
  std::vector<std::string> forms{name};
  if (!EndsWith(name, ".so") && name.find(".so.") == std::string::npos) {
    forms.push_back("lib" + name + ".so");
    forms.push_back(name + ".so");
  }
  return forms;
}

}  // namespace

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::vector<std::string> PluginCandidates(const std::string& name) {
  std::string path = name;
  std::replace(path.begin(), path.end(), '\\', '/');
  if (path.empty()) return {};
  if (path.find('/') != std::string::npos) {
    const std::size_t slash = path.rfind('/');
    std::vector<std::string> candidates;
    for (const std::string& form : FileNameForms(path.substr(slash + 1))) {
      candidates.push_back(path.substr(0, slash + 1) + form);
    }
    return candidates;
  }
  std::vector<std::string> candidates;
  for (const std::string& folder : SearchFolders()) {
    for (const std::string& form : FileNameForms(path)) candidates.push_back(folder + "/" + form);
  }
  return candidates;
}

std::string FindPlugin(const std::string& name) {
  for (const std::string& candidate : PluginCandidates(name)) {
    if (IsRegularFile(candidate)) return candidate;
  }
  std::string path = name;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace cadeditor
