#include "platform/cad/editor/input/answer_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace cadeditor {

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::vector<std::string_view> SplitOn(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::optional<AcGePoint3d> ParseCartesian(std::string_view text, double elevation) {
  const std::vector<std::string_view> parts = SplitOn(text, ',');
  if (parts.size() != 2 && parts.size() != 3) return std::nullopt;
  double coordinates[3] = {0.0, 0.0, elevation};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::optional<double> value = ParseNumber(parts[i]);
    if (!value) return std::nullopt;
    coordinates[i] = *value;
  }
  return AcGePoint3d(coordinates[0], coordinates[1], coordinates[2]);
}

// "d<a": distance and angle (degrees) in the XY plane.
std::optional<AcGeVector3d> ParsePolar(std::string_view text) {
  const std::size_t mark = text.find('<');
  if (mark == std::string_view::npos) return std::nullopt;
  const std::optional<double> distance = ParseNumber(text.substr(0, mark));
  const std::optional<double> degrees = ParseNumber(text.substr(mark + 1));
  if (!distance || !degrees) return std::nullopt;
  const double angle = *degrees * std::numbers::pi / 180.0;
  return AcGeVector3d(*distance * std::cos(angle), *distance * std::sin(angle), 0.0);
}

}  // namespace

std::string_view TrimmedText(std::string_view text) {
  const char* blanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool EqualsNoCase(std::string_view a, std::string_view b) { return a.size() == b.size() && StartsWithNoCase(a, b); }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (LowerAscii(text[i]) != LowerAscii(prefix[i])) return false;
  }
  return true;
}

std::optional<double> ParseNumber(std::string_view text) {
  text = TrimmedText(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<long> ParseWholeNumber(std::string_view text) {
  text = TrimmedText(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<AcGePoint3d> ParsePoint(std::string_view text, const AcGePoint3d& last, double elevation) {
  text = TrimmedText(text);
  if (text.empty()) return std::nullopt;
  if (text.front() == '@') {
    const std::string_view offset = TrimmedText(text.substr(1));
    if (offset.empty()) return last;
    if (const std::optional<AcGeVector3d> polar = ParsePolar(offset)) return last + *polar;
    const std::optional<AcGePoint3d> delta = ParseCartesian(offset, 0.0);
    if (!delta) return std::nullopt;
    return last + delta->asVector();
  }
  if (const std::optional<AcGeVector3d> polar = ParsePolar(text)) {
    return AcGePoint3d(polar->x, polar->y, elevation);
  }
  return ParseCartesian(text, elevation);
}

std::string FormatReal(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", value == 0.0 ? 0.0 : value);  // no "-0.0000"
  return text;
}

std::string FormatPoint(const AcGePoint3d& point) {
  return FormatReal(point.x) + "," + FormatReal(point.y) + "," + FormatReal(point.z);
}

}  // namespace cadeditor
