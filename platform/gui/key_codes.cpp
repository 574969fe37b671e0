#include "platform/gui/key_codes.h"

#include <wx/defs.h>

#include <map>

#include "platform/wintypes/windows_types.h"

namespace gui {
namespace {

// Virtual keys the window-type header leaves out.
constexpr int kNumpad0 = 0x60;
constexpr int kMultiply = 0x6A;
constexpr int kAdd = 0x6B;
constexpr int kSeparator = 0x6C;
constexpr int kSubtract = 0x6D;
constexpr int kDecimal = 0x6E;
constexpr int kDivide = 0x6F;
constexpr int kApps = 0x5D;
constexpr int kNumLock = 0x90;
constexpr int kScrollLock = 0x91;

const std::map<int, int>& SpecialKeys() {
  static const std::map<int, int> keys = {
      {WXK_BACK, VK_BACK},
      {WXK_TAB, VK_TAB},
      {WXK_RETURN, VK_RETURN},
      {WXK_ESCAPE, VK_ESCAPE},
      {WXK_SPACE, VK_SPACE},
      {WXK_DELETE, VK_DELETE},
      {WXK_SHIFT, VK_SHIFT},
      {WXK_ALT, VK_MENU},
      {WXK_CONTROL, VK_CONTROL},
      {WXK_PAUSE, VK_PAUSE},
      {WXK_CAPITAL, VK_CAPITAL},
      {WXK_END, VK_END},
      {WXK_HOME, VK_HOME},
      {WXK_LEFT, VK_LEFT},
      {WXK_UP, VK_UP},
      {WXK_RIGHT, VK_RIGHT},
      {WXK_DOWN, VK_DOWN},
      {WXK_INSERT, VK_INSERT},
      {WXK_PAGEUP, VK_PRIOR},
      {WXK_PAGEDOWN, VK_NEXT},
      {WXK_MULTIPLY, kMultiply},
      {WXK_ADD, kAdd},
      {WXK_SEPARATOR, kSeparator},
      {WXK_SUBTRACT, kSubtract},
      {WXK_DECIMAL, kDecimal},
      {WXK_DIVIDE, kDivide},
      {WXK_NUMLOCK, kNumLock},
      {WXK_SCROLL, kScrollLock},
      {WXK_WINDOWS_MENU, kApps},
      {WXK_NUMPAD_SPACE, VK_SPACE},
      {WXK_NUMPAD_TAB, VK_TAB},
      {WXK_NUMPAD_ENTER, VK_RETURN},
      {WXK_NUMPAD_HOME, VK_HOME},
      {WXK_NUMPAD_LEFT, VK_LEFT},
      {WXK_NUMPAD_UP, VK_UP},
      {WXK_NUMPAD_RIGHT, VK_RIGHT},
      {WXK_NUMPAD_DOWN, VK_DOWN},
      {WXK_NUMPAD_PAGEUP, VK_PRIOR},
      {WXK_NUMPAD_PAGEDOWN, VK_NEXT},
      {WXK_NUMPAD_END, VK_END},
      {WXK_NUMPAD_INSERT, VK_INSERT},
      {WXK_NUMPAD_DELETE, VK_DELETE},
      {WXK_NUMPAD_MULTIPLY, kMultiply},
      {WXK_NUMPAD_ADD, kAdd},
      {WXK_NUMPAD_SEPARATOR, kSeparator},
      {WXK_NUMPAD_SUBTRACT, kSubtract},
      {WXK_NUMPAD_DECIMAL, kDecimal},
      {WXK_NUMPAD_DIVIDE, kDivide},
      // Punctuation keys, by the character of the unshifted key on a US keyboard.
      {';', 0xBA},
      {'=', 0xBB},
      {',', 0xBC},
      {'-', 0xBD},
      {'.', 0xBE},
      {'/', 0xBF},
      {'`', 0xC0},
      {'[', 0xDB},
      {'\\', 0xDC},
      {']', 0xDD},
      {'\'', 0xDE},
  };
  return keys;
}

}  // namespace

int VirtualKeyFor(int wx_key_code) {
  if (wx_key_code >= 'A' && wx_key_code <= 'Z') return wx_key_code;
  if (wx_key_code >= 'a' && wx_key_code <= 'z') return wx_key_code - 'a' + 'A';
  if (wx_key_code >= '0' && wx_key_code <= '9') return wx_key_code;
  if (wx_key_code >= WXK_F1 && wx_key_code <= WXK_F24) return VK_F1 + (wx_key_code - WXK_F1);
  if (wx_key_code >= WXK_NUMPAD0 && wx_key_code <= WXK_NUMPAD9) return kNumpad0 + (wx_key_code - WXK_NUMPAD0);
  if (wx_key_code >= WXK_NUMPAD_F1 && wx_key_code <= WXK_NUMPAD_F4) return VK_F1 + (wx_key_code - WXK_NUMPAD_F1);
  const auto found = SpecialKeys().find(wx_key_code);
  return found != SpecialKeys().end() ? found->second : 0;
}

int ToolkitKeyFor(int virtual_key) {
  if ((virtual_key >= 'A' && virtual_key <= 'Z') || (virtual_key >= '0' && virtual_key <= '9')) return virtual_key;
  for (const auto& [toolkit, virtual_code] : SpecialKeys()) {
    if (virtual_code == virtual_key) return toolkit;
  }
  if (virtual_key >= VK_F1 && virtual_key < VK_F1 + 24) return WXK_F1 + (virtual_key - VK_F1);
  return 0;
}

char32_t KeysymCharacter(std::uint32_t keysym) {
  constexpr std::uint32_t kUnicodeKeysyms = 0x01000000;
  if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF)) return keysym;
  if (keysym > kUnicodeKeysyms && keysym <= kUnicodeKeysyms + 0x10FFFF) return keysym - kUnicodeKeysyms;
  switch (keysym) {
    case 0xFF08:  // BackSpace
      return '\b';
    case 0xFF09:  // Tab
    case 0xFF89:  // KP_Tab
      return '\t';
    case 0xFF0D:  // Return
    case 0xFF8D:  // KP_Enter
      return '\r';
    case 0xFF1B:  // Escape
      return 0x1B;
    case 0xFF80:  // KP_Space
      return ' ';
    case 0xFFAA:  // KP_Multiply
      return '*';
    case 0xFFAB:  // KP_Add
      return '+';
    case 0xFFAD:  // KP_Subtract
      return '-';
    case 0xFFAE:  // KP_Decimal
      return '.';
    case 0xFFAF:  // KP_Divide
      return '/';
    default:
      if (keysym >= 0xFFB0 && keysym <= 0xFFB9) return '0' + (keysym - 0xFFB0);  // KP_0 .. KP_9
      return 0;
  }
}

char32_t TypedCharacter(int virtual_key, char32_t character, bool ctrl, bool alt) {
  if (alt) return 0;
  if (ctrl) {
    if (virtual_key >= 'A' && virtual_key <= 'Z') return static_cast<char32_t>(virtual_key - 'A' + 1);
    return 0;
  }
  if (virtual_key == VK_RETURN) return '\r';
  return character;
}

}  // namespace gui
