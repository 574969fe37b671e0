// The message queue of the UI thread and the steps of the message loop:
// posted messages wait here; when none waits, invalid windows are painted.
#pragma once

#include <functional>

#include "platform/classlib/window/window_message_ids.h"

namespace afx {

class WindowRecord;

void PostToQueue(const MSG& message);
// Puts a message before every other one (the character of a key press).
void PostToQueueFront(const MSG& message);
bool QueueEmpty();
// The next queued message, else a WM_PAINT for an invalid visible window;
// false when there is neither.
bool TakeNextMessage(MSG* message);
// Drops the queued messages of a window that goes.
void DropMessagesOf(WindowRecord* record);

// PostQuitMessage: the loop ends when it sees the request.
void RequestQuit(int exit_code);
bool QuitRequested();
int QuitCode();
void ClearQuit();

// The program's pre-translation of queued messages (its application's
// PreTranslateMessage); by default the window tree's.
void SetPreTranslateHook(std::function<BOOL(MSG*)> hook);
// Pre-translates, translates and dispatches one message.
void ProcessMessage(MSG& message);

}  // namespace afx
