// The .lin text format and the linetypes this library carries itself.
#include <cstdlib>
#include <sstream>

#include "platform/cad/db/tables/db_linetype_table.h"

namespace {

// Our own definitions. Lengths are drawing units; ACAD_ISO03W100 follows the ISO 128
// "dashed spaced" proportions (dash 12, gap 18) for a 1 mm pen, as the plug-in's
// rapid moves expect of it.
const char kLinetypeText[] = R"(;; Velmora linetypes
*ACAD_ISO03W100,ISO dash space __    __    __    __    __
A,12,-18
*DASHED,Dashed __ __ __ __ __ __ __
A,0.6,-0.3
*HIDDEN,Hidden _ _ _ _ _ _ _ _ _ _
A,0.3,-0.15
*CENTER,Center ____ _ ____ _ ____ _
A,1.2,-0.25,0.3,-0.25
*PHANTOM,Phantom _____ _ _ _____ _ _
A,1.2,-0.25,0.25,-0.25,0.25,-0.25
*DOT,Dot . . . . . . . . . . . . .
A,0,-0.25
*DASHDOT,Dash dot __ . __ . __ . __
A,0.5,-0.25,0,-0.25
)";

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Numbers of an "A,..." line; bracketed shape or text elements are skipped.
std::vector<double> parsePattern(const std::string& line) {
  std::vector<double> dashes;
  int depth = 0;
  std::string field;
  auto flush = [&]() {
    const std::string value = trimmed(field);
    field.clear();
    if (value.empty()) return;
    char* end = nullptr;
    const double number = std::strtod(value.c_str(), &end);
    if (end != nullptr && *end == '\0') dashes.push_back(number);
  };
  for (std::size_t i = line.find(',') + 1; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '[') {
      ++depth;
    } else if (c == ']') {
      if (depth > 0) --depth;
      field.clear();
    } else if (depth == 0 && c == ',') {
      flush();
    } else if (depth == 0) {
      field += c;
    }
  }
  flush();
  return dashes;
}

}  // namespace

std::vector<LinetypeDefinition> parseLinetypeText(const std::string& text) {
  std::vector<LinetypeDefinition> definitions;
  std::istringstream in(text);
  std::string raw;
  while (std::getline(in, raw)) {
    std::string line = trimmed(raw);
    const std::size_t comment = line.find(";;");
    if (comment != std::string::npos) line = trimmed(line.substr(0, comment));
    if (line.empty()) continue;
    if (line[0] == '*') {
      LinetypeDefinition definition;
      const std::size_t comma = line.find(',');
      definition.name = trimmed(line.substr(1, comma == std::string::npos ? std::string::npos : comma - 1));
      if (comma != std::string::npos) definition.description = trimmed(line.substr(comma + 1));
      if (!definition.name.empty()) definitions.push_back(std::move(definition));
    } else if ((line[0] == 'A' || line[0] == 'a') && line.find(',') != std::string::npos && !definitions.empty() &&
               definitions.back().dashes.empty()) {
      definitions.back().dashes = parsePattern(line);
    }
  }
  return definitions;
}

const char* builtinLinetypeText() { return kLinetypeText; }
