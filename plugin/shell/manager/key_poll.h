// The keys the simulation and the toolpath manager listen to while they run.
#pragma once

// The virtual-key code of the first key of a fixed list that is down now, in
// this order: Escape, Enter, Space, Backspace, Shift, Control, left and right
// button, F1 to F10, Up, Down, Right, Left, Page Up, Page Down, Home, End,
// Insert, Delete. 0 when none is.
int PollKey();

struct PolledKey {
  int code = 0;
  bool wentDown = false;  // pressed since its last poll, not just held
};
// The same poll, also telling whether the key found went down since it was
// last polled.
PolledKey PollKeyPress();

// Waits, 100 ms between polls, while the key is held down. Keys that come as
// presses are never held.
void WaitWhileKeyHeld(int virtualKey);
