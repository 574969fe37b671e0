#include "platform/ui/held_keys.h"

namespace ui {
namespace {

struct Held {
  std::set<int> keys;
  bool active = false;
};

Held& Global() {
  static Held held;
  return held;
}

}  // namespace

void SetHeldKeys(const std::set<int>& keys, bool active) {
  Global().keys = keys;
  Global().active = active;
}

void ClearHeldKeys() { Global() = Held(); }

std::optional<bool> HeldKeyState(int virtual_key) {
  if (!Global().active) return std::nullopt;
  return Global().keys.count(virtual_key) != 0;
}

}  // namespace ui
