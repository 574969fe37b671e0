#include "platform/classlib/window/window_state.h"

#include <vector>

#include "platform/classlib/cwnd.h"
#include "platform/classlib/window_record.h"
#include "platform/ui/held_keys.h"

namespace afx {
namespace {

struct State {
  CaretState caret;
  WindowRecord* capture = nullptr;
  WindowRecord* active = nullptr;
  CursorInfo cursor;
  std::set<int> held;
  std::vector<MSG> current;
  int loop_depth = 0;
};

State& Global() {
  static State state;
  return state;
}

void Send(WindowRecord* record, UINT message, WPARAM wParam, LPARAM lParam) {
  if (record != nullptr && record->created && record->attached != nullptr) {
    record->attached->SendMessage(message, wParam, lParam);
  }
}

}  // namespace

CaretState& Caret() { return Global().caret; }

void CaretChanged() { Backend().CaretChanged(Global().caret); }

WindowRecord* CaptureRecord() { return Global().capture; }

void SetCaptureRecord(WindowRecord* record) {
  WindowRecord* previous = Global().capture;
  if (previous == record) return;
  Global().capture = record;
  Backend().CaptureChanged(record);
  Send(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(record != nullptr ? record->handle() : nullptr));
}

WindowRecord* ActiveRecord() { return Global().active; }

void ActivateRecord(WindowRecord* record) {
  WindowRecord* previous = Global().active;
  if (previous == record) return;
  Global().active = record;
  const auto handle = [](WindowRecord* r) { return reinterpret_cast<LPARAM>(r != nullptr ? r->handle() : nullptr); };
  if (previous != nullptr) {
    Send(previous, WM_NCACTIVATE, FALSE, 0);
    Send(previous, WM_ACTIVATE, WA_INACTIVE, handle(record));
  }
  if (record != nullptr && Global().active == record) {
    Backend().WindowChanged(*record, WindowChange::kZOrder);
    Send(record, WM_NCACTIVATE, TRUE, 0);
    Send(record, WM_ACTIVATE, WA_ACTIVE, handle(previous));
  }
}

CursorInfo& CurrentCursor() { return Global().cursor; }

const std::set<int>& HeldKeys() { return Global().held; }

void SetHeldKeys(const std::set<int>& keys) {
  Global().held = keys;
  ui::SetHeldKeys(keys);
}

void ClearHeldKeys() {
  Global().held.clear();
  // While a message loop runs, key polls answer from the (empty) held keys, never from the driver's own input.
  if (Global().loop_depth > 0) {
    ui::SetHeldKeys({}, true);
  } else {
    ui::ClearHeldKeys();
  }
}

void EnterMessageLoop() {
  ++Global().loop_depth;
  ui::SetHeldKeys(Global().held, true);
}

void LeaveMessageLoop() {
  if (Global().loop_depth > 0) --Global().loop_depth;
  if (Global().loop_depth == 0) ui::ClearHeldKeys();
}

bool IsHeld(int virtual_key) { return Global().held.count(virtual_key) != 0; }

void PushCurrentMessage(const MSG& message) { Global().current.push_back(message); }

void PopCurrentMessage() {
  if (!Global().current.empty()) Global().current.pop_back();
}

const MSG* CurrentMessage() { return Global().current.empty() ? nullptr : &Global().current.back(); }

void ForgetRecord(WindowRecord* record) {
  State& state = Global();
  if (state.caret.owner == record) {
    state.caret = CaretState();
    CaretChanged();
  }
  if (state.capture == record) {
    state.capture = nullptr;
    Backend().CaptureChanged(nullptr);
  }
  if (state.active == record) state.active = nullptr;
}

}  // namespace afx
