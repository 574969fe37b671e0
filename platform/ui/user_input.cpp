#include "platform/ui/user_input.h"

#include <cctype>
#include <cstdlib>

#include "platform/ui/key_names.h"
#include "platform/ui/text_driver_util.h"

namespace ui {
namespace {

constexpr std::string_view kWords[] = {"key", "type", "click", "dblclick", "drag", "wheel", "menu", "screen"};

std::string_view FirstWord(std::string_view line, std::string_view* rest) {
  line = Trimmed(line);
  const size_t end = line.find_first_of(" \t");
  *rest = end == std::string_view::npos ? std::string_view() : line.substr(end + 1);
  return line.substr(0, end);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

// Strips "Ctrl+", "Shift+" and "Alt+" from the front of text.
std::string_view TakeModifiers(std::string_view text, KeyChord* chord) {
  for (;;) {
    const size_t plus = text.find('+');
    if (plus == std::string_view::npos || plus + 1 >= text.size()) return text;
    const std::string_view prefix = text.substr(0, plus);
    if (EqualsNoCase(prefix, "ctrl") || EqualsNoCase(prefix, "control")) {
      chord->ctrl = true;
    } else if (EqualsNoCase(prefix, "shift")) {
      chord->shift = true;
    } else if (EqualsNoCase(prefix, "alt")) {
      chord->alt = true;
    } else {
      return text;
    }
    text.remove_prefix(plus + 1);
  }
}

bool ParseInt(std::string_view text, int* value) {
  const std::string copy(Trimmed(text));
  if (copy.empty()) return false;
  char* end = nullptr;
  const long parsed = std::strtol(copy.c_str(), &end, 10);
  if (*end != '\0' || parsed < -1000000 || parsed > 1000000) return false;
  *value = static_cast<int>(parsed);
  return true;
}

bool ParsePoint(std::string_view text, int* x, int* y) {
  const size_t comma = text.find(',');
  return comma != std::string_view::npos && ParseInt(text.substr(0, comma), x) && ParseInt(text.substr(comma + 1), y);
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  text = Trimmed(text);
  while (!text.empty()) {
    const size_t end = text.find_first_of(" \t");
    words.push_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : Trimmed(text.substr(end));
  }
  return words;
}

}  // namespace

std::optional<KeyChord> ParseKeyChord(std::string_view text) {
  KeyChord chord;
  const std::string_view name = TakeModifiers(Trimmed(text), &chord);
  const std::optional<int> key = VirtualKeyFromName(name);
  if (!key) return std::nullopt;
  chord.key = *key;
  return chord;
}

bool IsUserInputLine(std::string_view line) {
  std::string_view rest;
  const std::string_view word = FirstWord(line, &rest);
  for (std::string_view known : kWords) {
    if (word == known) return true;
  }
  return false;
}

std::optional<UserInput> ParseUserInputLine(std::string_view line, std::string* error) {
  std::string_view rest;
  const std::string_view word = FirstWord(line, &rest);
  UserInput input;
  if (word == "key") {
    input.kind = UserInput::Kind::kKey;
    for (std::string_view name : Words(rest)) {
      const std::optional<KeyChord> chord = ParseKeyChord(name);
      if (!chord) {
        *error = "unknown key name '" + std::string(name) + "'";
        return std::nullopt;
      }
      input.keys.push_back(*chord);
    }
    if (input.keys.empty()) {
      *error = "a key line names at least one key";
      return std::nullopt;
    }
    return input;
  }
  if (word == "type") {
    input.kind = UserInput::Kind::kType;
    input.text = std::string(rest);
    return input;
  }
  if (word == "click" || word == "dblclick" || word == "drag") {
    input.kind = word == "click"      ? UserInput::Kind::kClick
                 : word == "dblclick" ? UserInput::Kind::kDoubleClick
                                      : UserInput::Kind::kDrag;
    const std::vector<std::string_view> points = Words(rest);
    const size_t wanted = input.kind == UserInput::Kind::kDrag ? 2 : 1;
    bool ok = points.size() == wanted;
    if (ok) ok = ParsePoint(TakeModifiers(points[0], &input.modifiers), &input.x, &input.y);
    if (ok && wanted == 2) ok = ParsePoint(points[1], &input.to_x, &input.to_y);
    if (!ok) {
      *error = std::string(word) + (wanted == 2 ? " takes two points X,Y X,Y" : " takes a point X,Y");
      return std::nullopt;
    }
    return input;
  }
  if (word == "wheel") {
    input.kind = UserInput::Kind::kWheel;
    if (!ParseInt(rest, &input.amount)) {
      *error = "wheel takes a number";
      return std::nullopt;
    }
    return input;
  }
  if (word == "menu") {
    input.kind = UserInput::Kind::kMenu;
    if (!ParseInt(rest, &input.id) || input.id <= 0 || input.id > 0xFFFF) {
      *error = "menu takes a command id";
      return std::nullopt;
    }
    return input;
  }
  if (word == "screen" && Trimmed(rest).empty()) {
    input.kind = UserInput::Kind::kScreen;
    return input;
  }
  *error = "not an input line: " + std::string(Trimmed(line));
  return std::nullopt;
}

}  // namespace ui
