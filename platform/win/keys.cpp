#include "platform/win/keys.h"

#include <set>

#include "platform/ui/ui_driver.h"

namespace {
constexpr SHORT kKeyDown = static_cast<SHORT>(0x8000);
constexpr SHORT kWentDown = 1;

// Keys that were down at their last asynchronous poll.
std::set<int>& KeysDownAtLastPoll() {
  static std::set<int> keys;
  return keys;
}
}  // namespace

SHORT GetAsyncKeyState(int virtual_key) {
  ui::UiDriver& driver = ui::Ui();
  const bool down = driver.IsKeyDown(virtual_key);
  const bool wasDown = KeysDownAtLastPoll().count(virtual_key) != 0;
  if (down) {
    KeysDownAtLastPoll().insert(virtual_key);
  } else {
    KeysDownAtLastPoll().erase(virtual_key);
  }
  // A driver of key presses never reports one press twice.
  const bool wentDown = down && (driver.KeysArePresses() || !wasDown);
  return static_cast<SHORT>((down ? kKeyDown : 0) | (wentDown ? kWentDown : 0));
}

SHORT GetKeyState(int virtual_key) { return ui::Ui().IsKeyDown(virtual_key) ? kKeyDown : 0; }

namespace win {
bool KeysCanCome() { return ui::Ui().KeysCanCome(); }
bool KeysArePresses() { return ui::Ui().KeysArePresses(); }
}  // namespace win
