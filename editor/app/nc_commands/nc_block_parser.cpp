#include "editor/app/nc_commands/nc_block_parser.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

NcParserState the_state;

bool IsNumberChar(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '-'; }

// The word letter c stands for, upper case, or 0 when c starts no word.
char WordLetter(char c) {
  switch (c) {
    case 'F':
    case 'f':
      return 'F';
    case 'I':
    case 'i':
      return 'I';
    case 'J':
    case 'j':
      return 'J';
    case 'K':
    case 'k':
      return 'K';
    case 'X':
    case 'x':
      return 'X';
    case 'Y':
    case 'y':
      return 'Y';
    case 'Z':
    case 'z':
      return 'Z';
    case 'G':
      return 'G';
    case 'R':
      return 'R';
    default:
      return 0;
  }
}

// Reads the number behind a word letter of any length; false when there is none.
bool ReadNumber(const char*& at, double& value) {
  const char* start = at;
  while (IsNumberChar(*at)) ++at;
  value = 0;
  if (at == start) return false;
  const auto result = std::from_chars(start, at, value);
  if (result.ec != std::errc() || !(std::fabs(value) <= std::numeric_limits<float>::max())) {
    value = 0;
    return false;
  }
  return true;
}

void ZeroAux(float aux[3]) { aux[0] = aux[1] = aux[2] = 0; }

void ApplyG(NcParserState& s, int code, float aux[3]) {
  switch (code) {
    case 0:
      if (s.motion != kNcRapidCarried) s.motion = kNcRapidNew;
      break;
    case 1:
      if (s.motion != kNcLinearCarried) s.motion = kNcLinearNew;
      break;
    case 2:
      s.motion = kNcArcClockwise;
      break;
    case 3:
      s.motion = kNcArcCounterClockwise;
      break;
    case 80:
      s.motion = kNcRapidNew;
      break;
    case 17:
      aux[2] = 0;
      break;
    case 18:
      aux[1] = 0;
      break;
    case 19:
      aux[0] = 0;
      break;
    case 90:
      s.incremental = 0;
      std::memcpy(s.current, s.blockStart, sizeof s.current);
      break;
    case 91:
      s.incremental = 1;
      ZeroAux(s.current);
      break;
    default:
      if ((code >= 73 && code <= 79) || (code >= 81 && code <= 89)) s.motion = kNcDrillCycle;
      break;
  }
  if (code <= 3 || code == 80 || (code >= 73 && code <= 89)) aux[0] = aux[1] = 0;
  s.modalMotion = s.motion;
}

void ApplyWord(NcParserState& s, char letter, double value, float aux[3]) {
  const bool cycle = s.motion == kNcDrillCycle;
  switch (letter) {
    case 'X':
      s.current[0] = static_cast<float>(value);
      break;
    case 'Y':
      s.current[1] = static_cast<float>(value);
      break;
    case 'Z':
      if (cycle)
        aux[0] = static_cast<float>(value);
      else
        s.current[2] = static_cast<float>(value);
      break;
    case 'I':
      aux[0] = static_cast<float>(value);
      break;
    case 'J':
      aux[1] = static_cast<float>(value);
      break;
    case 'K':
      aux[2] = static_cast<float>(value);
      break;
    case 'R':
      if (cycle) aux[1] = static_cast<float>(value);
      break;
    case 'F':
      if (s.motion == kNcRapidNew || s.motion == kNcRapidCarried || s.motion == kNcLinearCarried) {
        s.motion = kNcLinearNew;
      }
      break;
    case 'G': {
      const double code = std::trunc(value);
      ApplyG(s, std::fabs(code) < 1000 ? static_cast<int>(code) : -1, aux);
      break;
    }
    default:
      break;
  }
}

bool IsArc(short motion) { return motion == kNcArcClockwise || motion == kNcArcCounterClockwise; }

int EndBlock(NcParserState& s) {
  if (s.incremental == 0) {
    std::memcpy(s.lastPoint, s.current, sizeof s.current);
    const bool moved =
        s.current[0] != s.blockStart[0] || s.current[1] != s.blockStart[1] || s.current[2] != s.blockStart[2];
    return moved || IsArc(s.motion) ? 1 : 0;
  }
  const bool moved = s.current[0] != 0 || s.current[1] != 0 || s.current[2] != 0;
  for (int axis = 0; axis < 3; ++axis) s.current[axis] += s.blockStart[axis];
  std::memcpy(s.lastPoint, s.current, sizeof s.current);
  if (!moved) return IsArc(s.motion) ? 1 : 0;
  std::memcpy(s.blockStart, s.current, sizeof s.current);
  return 1;
}

int Parse(NcParserState& s, const char* text, float aux[3]) {
  if (std::strchr(text, '#') != nullptr) return 0;
  s.valid = 1;
  if (s.incremental == 0)
    std::memcpy(s.current, s.lastPoint, sizeof s.current);
  else
    ZeroAux(s.current);
  std::memcpy(s.blockStart, s.lastPoint, sizeof s.blockStart);
  s.motion = s.modalMotion;
  if (s.motion == kNcLinearNew) s.motion = kNcLinearCarried;
  if (s.motion == kNcRapidNew) s.motion = kNcRapidCarried;
  if (s.motion == kNcDrillCycle)
    std::memcpy(aux, s.cycleValues, sizeof s.cycleValues);
  else {
    ZeroAux(s.cycleValues);
    ZeroAux(aux);
  }
  for (const char* at = text; *at != '\0';) {
    if (*at == '\n') {
      if (s.valid == 0) return 0;
      std::memcpy(s.cycleValues, aux, sizeof s.cycleValues);
      return EndBlock(s);
    }
    if (*at == '(') {
      // A comment runs to its closing parenthesis, or to the line's end.
      while (*at != '\0' && *at != '\n' && *at != ')') ++at;
      if (*at == ')') ++at;
      continue;
    }
    const char letter = WordLetter(*at++);
    if (letter == 0) continue;
    double value = 0;
    if (!ReadNumber(at, value)) s.valid = 0;
    ApplyWord(s, letter, value, aux);
  }
  return 0;
}

}  // namespace

NcParserState& TheNcParserState() { return the_state; }

void ResetNcParserState() { the_state = NcParserState(); }

int ParseNcBlock(const char* text, float aux[3], float end[3]) {
  const int result = text != nullptr ? Parse(the_state, text, aux) : 0;
  std::memcpy(end, the_state.current, sizeof the_state.current);
  return result;
}
