#include "platform/classlib/window/message_loop.h"

#include <algorithm>
#include <deque>

#include "platform/classlib/backend/backend_events.h"
#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/window/window_state.h"
#include "platform/classlib/window_record.h"

namespace afx {
namespace {

struct Loop {
  std::deque<MSG> queue;
  bool quit = false;
  int exit_code = 0;
  std::function<BOOL(MSG*)> pre_translate;
};

Loop& Global() {
  static Loop loop;
  return loop;
}

bool NeedsPaint(const WindowRecord& record) {
  return record.created && record.visible && record.redraw && !record.invalid.IsRectEmpty();
}

// Parents before children, as the window system paints.
WindowRecord* FindInvalid(WindowRecord& record) {
  if (!record.visible && &record != &Desktop()) return nullptr;
  if (NeedsPaint(record)) return &record;
  for (const auto& child : record.children) {
    if (WindowRecord* found = FindInvalid(*child)) return found;
  }
  return nullptr;
}

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }
bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }

}  // namespace

void PostToQueue(const MSG& message) {
  Global().queue.push_back(message);
  Backend().Wake();
}

void PostToQueueFront(const MSG& message) {
  Global().queue.push_front(message);
  Backend().Wake();
}

bool QueueEmpty() { return Global().queue.empty(); }

bool TakeNextMessage(MSG* message) {
  auto& queue = Global().queue;
  while (!queue.empty()) {
    *message = queue.front();
    queue.pop_front();
    if (message->hwnd == nullptr || RecordOf(message->hwnd) != nullptr) return true;
  }
  if (WindowRecord* invalid = FindInvalid(Desktop())) {
    *message = MSG{};
    message->hwnd = invalid->handle();
    message->message = WM_PAINT;
    return true;
  }
  return false;
}

void DropMessagesOf(WindowRecord* record) {
  auto& queue = Global().queue;
  HWND handle = HandleOf(record);
  queue.erase(std::remove_if(queue.begin(), queue.end(), [handle](const MSG& m) { return m.hwnd == handle; }),
              queue.end());
}

void RequestQuit(int exit_code) {
  Global().quit = true;
  Global().exit_code = exit_code;
  Backend().Wake();
}

bool QuitRequested() { return Global().quit; }
int QuitCode() { return Global().exit_code; }
void ClearQuit() {
  Global().quit = false;
  Global().exit_code = 0;
}

void SetPreTranslateHook(std::function<BOOL(MSG*)> hook) { Global().pre_translate = std::move(hook); }

void ProcessMessage(MSG& message) {
  const bool input = IsKeyMessage(message.message) || IsMouseMessage(message.message);
  if (input) {
    const BOOL handled =
        Global().pre_translate ? Global().pre_translate(&message) : CWnd::WalkPreTranslateTree(nullptr, &message);
    if (handled) return;
  }
  ::TranslateMessage(&message);
  ::DispatchMessage(&message);
}

void DrainMessages() {
  MSG message;
  while (!QuitRequested() && TakeNextMessage(&message)) ProcessMessage(message);
}

void DeliverInput(const MSG& message, const std::set<int>& held_keys) {
  SetHeldKeys(held_keys);
  if (RecordOf(message.hwnd) != nullptr) {
    MSG copy = message;
    ProcessMessage(copy);
    DrainMessages();
  }
  ClearHeldKeys();
}

LRESULT DeliverMessage(WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (window.attached == nullptr) return 0;
  return window.attached->SendMessage(message, wParam, lParam);
}

void PostTimerMessage(WindowRecord& window, UINT_PTR id) {
  MSG message;
  message.hwnd = window.handle();
  message.message = WM_TIMER;
  message.wParam = id;
  PostToQueue(message);
}

WindowRecord* KeyboardTarget() {
  if (WindowRecord* focus = FocusedRecord(); focus != nullptr && focus->created) return focus;
  return ActiveRecord();
}

namespace {

WindowRecord* DeepestAt(WindowRecord& record, POINT screen) {
  for (auto it = record.children.rbegin(); it != record.children.rend(); ++it) {
    WindowRecord& child = **it;
    if (!child.created || !child.visible) continue;
    if (child.ScreenWindowRect().PtInRect(screen)) return DeepestAt(child, screen);
  }
  return &record;
}

}  // namespace

WindowRecord* MouseTarget(POINT screen) {
  if (WindowRecord* capture = CaptureRecord()) return capture;
  return WindowAt(screen);
}

WindowRecord* WindowAt(POINT screen) {
  WindowRecord* top = nullptr;
  // The active window first, then the others from the top of the z-order.
  if (WindowRecord* active = ActiveRecord();
      active != nullptr && active->visible && active->ScreenWindowRect().PtInRect(screen)) {
    top = active;
  }
  for (auto it = Desktop().children.rbegin(); top == nullptr && it != Desktop().children.rend(); ++it) {
    if ((*it)->created && (*it)->visible && (*it)->ScreenWindowRect().PtInRect(screen)) top = it->get();
  }
  return top != nullptr ? DeepestAt(*top, screen) : nullptr;
}

}  // namespace afx
