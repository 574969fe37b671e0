#include "editor/textedit/undo_record.h"

std::vector<std::string_view> TextUndoRecord::DeletedLines() const {
  std::vector<std::string_view> lines;
  lines.reserve(line_breaks.size() + 1);
  const std::string_view all(text);
  size_t from = 0;
  for (const int at : line_breaks) {
    lines.push_back(all.substr(from, static_cast<size_t>(at) - from));
    from = static_cast<size_t>(at) + 2;
  }
  lines.push_back(all.substr(from));
  return lines;
}
