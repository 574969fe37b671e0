#include "platform/cad/editor/selection/selection_language.h"

#include <cctype>
#include <sstream>

#include "platform/cad/editor/input/answer_text.h"

namespace cadeditor {

namespace {

struct Word {
  const char* name;
  SelectionLine::Kind kind;
  std::size_t min_points;  // 0: takes no points
};

constexpr Word kWords[] = {
    {"W", SelectionLine::kWindow, 2},
    {"WINDOW", SelectionLine::kWindow, 2},
    {"C", SelectionLine::kCrossing, 2},
    {"CROSSING", SelectionLine::kCrossing, 2},
    {"WP", SelectionLine::kWindowPolygon, 3},
    {"WPOLYGON", SelectionLine::kWindowPolygon, 3},
    {"CP", SelectionLine::kCrossingPolygon, 3},
    {"CPOLYGON", SelectionLine::kCrossingPolygon, 3},
    {"ALL", SelectionLine::kAll, 0},
    {"L", SelectionLine::kLast, 0},
    {"LAST", SelectionLine::kLast, 0},
    {"P", SelectionLine::kPrevious, 0},
    {"PREVIOUS", SelectionLine::kPrevious, 0},
    {"R", SelectionLine::kRemoveMode, 0},
    {"REMOVE", SelectionLine::kRemoveMode, 0},
    {"A", SelectionLine::kAddMode, 0},
    {"ADD", SelectionLine::kAddMode, 0},
};

bool IsHexHandle(std::string_view text) {
  if (text.empty() || text.size() > 16) return false;
  for (const char c : text) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

}  // namespace

std::optional<SelectionLine> ParseSelectionLine(std::string_view text, const AcGePoint3d& last, double elevation) {
  text = TrimmedText(text);
  if (text.empty()) return std::nullopt;
  if (text.front() == '#') {
    const std::string_view handle = TrimmedText(text.substr(1));
    if (!IsHexHandle(handle)) return std::nullopt;
    return SelectionLine{SelectionLine::kHandle, {}, std::string(handle)};
  }
  if (std::optional<AcGePoint3d> point = ParsePoint(text, last, elevation)) {
    return SelectionLine{SelectionLine::kPick, {*point}, {}};
  }
  std::istringstream words{std::string(text)};
  std::string head;
  words >> head;
  if (!head.empty() && (head.front() == '_' || head.front() == '.')) head.erase(0, 1);
  for (const Word& word : kWords) {
    if (!EqualsNoCase(head, word.name)) continue;
    SelectionLine line{word.kind, {}, {}};
    for (std::string token; words >> token;) {
      const std::optional<AcGePoint3d> point = ParsePoint(token, last, elevation);
      if (!point || word.min_points == 0) return std::nullopt;
      line.points.push_back(*point);
    }
    const bool exact_pair = word.min_points == 2 && (line.points.empty() || line.points.size() == 2);
    const bool polygon = word.min_points == 3 && (line.points.empty() || line.points.size() >= 3);
    if (word.min_points == 0 || exact_pair || polygon) return line;
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace cadeditor
