#include "plugin/shell/manager/tool_playback.h"

#include "platform/cad/db/entities/db_block_reference.h"
#include "platform/cad/editor/graphics/aced_graphics.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/win/keys.h"
#include "platform/win/system_info.h"
#include "plugin/shell/manager/key_poll.h"
#include "plugin/shell/opened_object.h"

namespace {

constexpr DWORD kStepMilliseconds = 50;
constexpr DWORD kWaitPollMilliseconds = 100;

void ShowPosition(int mode, double x, double y, double z) {
  if (mode == kPlayStep) {
    acutPrintf("\n중단(ESC), 연속이동(F10) 이동(F9) X: %6.3f, Y: %6.3f, Z: %6.3f", x, y, z);
  } else {
    acutPrintf("\n중단(ESC), 멈춤(F10) X: %6.3f, Y: %6.3f, Z: %6.3f", x, y, z);
  }
}

void SwitchMode(int& mode, int to, double x, double y, double z) {
  mode = to;
  ShowPosition(mode, x, y, z);
  WaitWhileKeyHeld(VK_F10);
}

// Step mode: waits for a press, sleeping between polls.
bool WaitForStep(int& mode, double x, double y, double z) {
  for (;;) {
    const PolledKey key = PollKeyPress();
    if (key.code == VK_ESCAPE) return false;
    if (key.code == VK_F9 && key.wentDown) return true;
    if (key.code == VK_F10 && key.wentDown) {
      SwitchMode(mode, kPlayContinuous, x, y, z);
      return true;
    }
    if (key.code == 0 && !win::KeysCanCome()) {
      acutPrintf("\n 더 이상 입력되는 키가 없어 모의 동작을 중단합니다.");
      return false;
    }
    Sleep(kWaitPollMilliseconds);
  }
}

}  // namespace

bool ShowToolAt(AcDbObjectId toolReference, double x, double y, double z, int& mode) {
  {
    OpenedObject<AcDbBlockReference> tool(toolReference, AcDb::kForWrite);
    if (tool.openStatus() == Acad::eOk) tool->setPosition(AcGePoint3d(x, y, z));
  }
  acedUpdateDisplay();
  ShowPosition(mode, x, y, z);
  Sleep(kStepMilliseconds);
  if (mode != kPlayStep) {
    const int key = PollKey();
    if (key == VK_ESCAPE) return false;
    if (key == VK_F10) SwitchMode(mode, kPlayStep, x, y, z);
    return true;
  }
  return WaitForStep(mode, x, y, z);
}
