#include "platform/gui/file_filter.h"

#include <vector>

namespace gui {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::string Patterns(const std::string& patterns) {
  std::string out;
  for (const std::string& pattern : Split(patterns, ';')) {
    if (!out.empty()) out += ';';
    out += pattern == "*.*" ? "*" : pattern;
  }
  return out;
}

}  // namespace

std::string ToolkitFilter(const std::string& filter) {
  const std::vector<std::string> parts = Split(filter, '|');
  std::string out;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty() && parts[i + 1].empty()) break;
    if (!out.empty()) out += '|';
    out += parts[i] + '|' + Patterns(parts[i + 1]);
  }
  return out.empty() ? "All files|*" : out;
}

}  // namespace gui
