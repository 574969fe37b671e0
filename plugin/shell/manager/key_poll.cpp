#include "plugin/shell/manager/key_poll.h"

#include "platform/win/keys.h"
#include "platform/win/system_info.h"

namespace {

constexpr int kPolledKeys[] = {VK_ESCAPE,  VK_RETURN, VK_SPACE, VK_BACK, VK_SHIFT, VK_CONTROL, VK_LBUTTON,
                               VK_RBUTTON, VK_F1,     VK_F2,    VK_F3,   VK_F4,    VK_F5,      VK_F6,
                               VK_F7,      VK_F8,     VK_F9,    VK_F10,  VK_UP,    VK_DOWN,    VK_RIGHT,
                               VK_LEFT,    VK_PRIOR,  VK_NEXT,  VK_HOME, VK_END,   VK_INSERT,  VK_DELETE};
constexpr SHORT kDown = static_cast<SHORT>(0x8000);
constexpr SHORT kWentDown = 1;
constexpr DWORD kHeldPollMilliseconds = 100;

}  // namespace

PolledKey PollKeyPress() {
  for (int key : kPolledKeys) {
    const SHORT state = GetAsyncKeyState(key);
    if ((state & kDown) != 0) return {key, (state & kWentDown) != 0};
  }
  return {};
}

int PollKey() { return PollKeyPress().code; }

void WaitWhileKeyHeld(int virtualKey) {
  if (win::KeysArePresses()) return;
  while ((GetAsyncKeyState(virtualKey) & kDown) != 0) Sleep(kHeldPollMilliseconds);
}
