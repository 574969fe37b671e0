#include "plugin/post/post_number_text.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace {

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r' ||
                           text.front() == '\n' || text.front() == '\v' || text.front() == '\f')) {
    text.remove_prefix(1);
  }
  return text;
}

}  // namespace

void AppendFixed3(std::string& out, double value) {
  if (!std::isfinite(value)) value = 0.0;
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
  out.append(buffer, result.ptr);
}

void AppendTrimmed(std::string& out, double value) {
  const size_t start = out.size();
  AppendFixed3(out, value);
  while (out.size() > start && out.back() == '0') out.pop_back();
  if (out.compare(start, std::string::npos, "-0.") == 0) out.erase(start, 1);
}

std::string TrimmedNumber(double value) {
  std::string text;
  AppendTrimmed(text, value);
  return text;
}

void AppendInt(std::string& out, long long value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

int LeadingInt(std::string_view text) {
  text = SkipBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

double LeadingReal(std::string_view text) {
  text = SkipBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return 0.0;
  return value;
}
