#include "platform/ui/key_names.h"

#include <cctype>
#include <string>

namespace ui {
namespace {

struct NamedKey {
  const char* name;
  int code;
};

// Codes as the Windows virtual-key table numbers them, so that callers may
// compare with their VK_ constants.
constexpr NamedKey kNamedKeys[] = {
    {"ESC", 0x1B},  {"ESCAPE", 0x1B},    {"ENTER", 0x0D},  {"RETURN", 0x0D},  {"SPACE", 0x20},
    {"TAB", 0x09},  {"BACKSPACE", 0x08}, {"DELETE", 0x2E}, {"DEL", 0x2E},     {"INSERT", 0x2D},
    {"INS", 0x2D},  {"HOME", 0x24},      {"END", 0x23},    {"PGUP", 0x21},    {"PAGEUP", 0x21},
    {"PGDN", 0x22}, {"PAGEDOWN", 0x22},  {"LEFT", 0x25},   {"UP", 0x26},      {"RIGHT", 0x27},
    {"DOWN", 0x28}, {"SHIFT", 0x10},     {"CTRL", 0x11},   {"CONTROL", 0x11}, {"ALT", 0x12},
};

constexpr int kF1 = 0x70;

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::optional<int> FunctionKey(const std::string& name) {
  if (name.size() < 2 || name.size() > 3 || name[0] != 'F') return std::nullopt;
  int number = 0;
  for (size_t i = 1; i < name.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
    number = number * 10 + (name[i] - '0');
  }
  if (number < 1 || number > 12) return std::nullopt;
  return kF1 + number - 1;
}

}  // namespace

std::optional<int> VirtualKeyFromName(std::string_view name) {
  const std::string upper = Upper(name);
  if (upper.size() == 1) {
    const char c = upper[0];
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return std::nullopt;
  }
  for (const NamedKey& key : kNamedKeys) {
    if (upper == key.name) return key.code;
  }
  return FunctionKey(upper);
}

}  // namespace ui
