#include "platform/win/keys.h"

#include "platform/ui/ui_driver.h"

namespace {
constexpr SHORT kKeyDown = static_cast<SHORT>(0x8000);
}  // namespace

SHORT GetAsyncKeyState(int virtual_key) { return ui::Ui().IsKeyDown(virtual_key) ? kKeyDown : 0; }

SHORT GetKeyState(int virtual_key) { return GetAsyncKeyState(virtual_key); }
