// The program-wide state of the window system: the caret, the mouse capture,
// the active top-level window, the cursor, the keys held by the input being
// delivered and the messages being handled.
#pragma once

#include <set>

#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/window/window_message_ids.h"

namespace afx {

class WindowRecord;

CaretState& Caret();
void CaretChanged();

WindowRecord* CaptureRecord();
// Moves the capture, telling the window that loses it (WM_CAPTURECHANGED).
void SetCaptureRecord(WindowRecord* record);

WindowRecord* ActiveRecord();
// Activates a top-level window (WM_NCACTIVATE, WM_ACTIVATE to both).
void ActivateRecord(WindowRecord* record);

CursorInfo& CurrentCursor();

// Keys held by the input being delivered; GetKeyState answers from them.
const std::set<int>& HeldKeys();
void SetHeldKeys(const std::set<int>& keys);
void ClearHeldKeys();
// A message loop runs: key polls never read input of the driver's own meanwhile.
void EnterMessageLoop();
void LeaveMessageLoop();
bool IsHeld(int virtual_key);

// Messages being handled, innermost last.
void PushCurrentMessage(const MSG& message);
void PopCurrentMessage();
const MSG* CurrentMessage();

// A window goes: forget it wherever it is remembered.
void ForgetRecord(WindowRecord* record);

}  // namespace afx
