#include "platform/cad/dxf/dxf_number_text.h"

#include <charconv>
#include <cmath>

void appendDxfReal(std::string& out, double value) {
  char buffer[40];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec != std::errc()) {
    out += "0.0";
    return;
  }
  std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  out.append(text);
  // Other readers want to see a real: "1" becomes "1.0".
  if (std::isfinite(value) && text.find_first_of(".e") == std::string_view::npos) out += ".0";
}

std::string dxfRealText(double value) {
  std::string out;
  appendDxfReal(out, value);
  return out;
}

void appendDxfInteger(std::string& out, std::int64_t value) {
  char buffer[24];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, static_cast<std::size_t>(end - buffer));
}

bool parseDxfReal(std::string_view text, double& value) {
  text = trimDxfBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  // "nan" and "inf" read as numbers, but no drawing holds them.
  return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

bool parseDxfInteger(std::string_view text, std::int64_t& value) {
  text = trimDxfBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc() && end == text.data() + text.size()) return true;
  double real = 0.0;
  if (!parseDxfReal(text, real) || real != std::floor(real) || std::fabs(real) > 9.0e18) return false;
  value = static_cast<std::int64_t>(real);
  return true;
}

bool parseDxfHex(std::string_view text, std::uint64_t& value) {
  text = trimDxfBlanks(text);
  if (text.empty() || text.size() > 16) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  return ec == std::errc() && end == text.data() + text.size();
}
