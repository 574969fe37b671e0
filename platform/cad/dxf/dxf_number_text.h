// Numbers as DXF text, always in the "C" form: reals with the fewest digits that read
// back to the same double, integers plain. Parsing takes surrounding blanks and a
// leading '+' and nothing else; a real must be finite.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

void appendDxfReal(std::string& out, double value);
void appendDxfInteger(std::string& out, std::int64_t value);
std::string dxfRealText(double value);

bool parseDxfReal(std::string_view text, double& value);
// Integers; a real with no fraction ("1.0", as some writers put it) is taken too.
bool parseDxfInteger(std::string_view text, std::int64_t& value);
bool parseDxfHex(std::string_view text, std::uint64_t& value);
inline std::string_view trimDxfBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}
