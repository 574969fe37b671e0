// Ctrl-C at a terminal as a request to cancel what runs, not as the end of the
// program. While an InterruptSignal lives, SIGINT only raises a flag that the
// console driver turns into a cancelled answer.
#pragma once

#include <signal.h>

namespace ui {

class InterruptSignal {
 public:
  // Leaves SIGINT alone when it was ignored at start (a background run).
  InterruptSignal();
  ~InterruptSignal();
  InterruptSignal(const InterruptSignal&) = delete;
  InterruptSignal& operator=(const InterruptSignal&) = delete;

 private:
  struct sigaction previous_ {};
  bool installed_ = false;
};

// A Ctrl-C came and was not taken yet.
bool InterruptPending();
// Takes the pending Ctrl-C: true once for it.
bool TakeInterrupt();
// Marks a Ctrl-C as pending (what the signal does).
void RaiseInterrupt();

}  // namespace ui
