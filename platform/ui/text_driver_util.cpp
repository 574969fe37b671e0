#include "platform/ui/text_driver_util.h"

#include <cctype>

namespace ui {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

bool IsCancelLine(std::string_view line) { return Trimmed(line) == "^C"; }

bool IsCommentLine(std::string_view line) {
  const std::string_view trimmed = Trimmed(line);
  return !trimmed.empty() && trimmed.front() == ';';
}

bool SplitKeyLine(std::string_view line, std::vector<std::string>* names) {
  std::string_view rest = Trimmed(line);
  if (rest.size() < 3) return false;
  for (size_t i = 0; i < 3; ++i) {
    if (std::tolower(static_cast<unsigned char>(rest[i])) != "key"[i]) return false;
  }
  if (rest.size() > 3 && !std::isspace(static_cast<unsigned char>(rest[3]))) return false;
  rest.remove_prefix(3);
  names->clear();
  while (!(rest = Trimmed(rest)).empty()) {
    size_t end = 0;
    while (end < rest.size() && !std::isspace(static_cast<unsigned char>(rest[end]))) ++end;
    names->emplace_back(rest.substr(0, end));
    rest.remove_prefix(end);
  }
  return true;
}

std::string UnquotedPath(std::string_view typed) {
  std::string_view path = Trimmed(typed);
  const bool quoted = path.size() >= 2 && (path.front() == '"' || path.front() == '\'') && path.back() == path.front();
  if (quoted) path = path.substr(1, path.size() - 2);
  return std::string(path);
}

std::string_view WithoutByteOrderMark(std::string_view line) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  if (line.substr(0, kMark.size()) == kMark) line.remove_prefix(kMark.size());
  return line;
}

std::string DescribeFileRequest(const FileDialogRequest& request) {
  std::string title = request.title;
  if (title.empty()) title = request.open ? "Open" : "Save As";
  std::string text = "[" + title + "] folder " + (request.initial_folder.empty() ? "." : request.initial_folder);
  if (!request.file_name.empty()) text += ", name " + request.file_name;
  if (!request.filter.empty()) text += ", filter " + request.filter;
  return text;
}

}  // namespace ui
