#include "platform/ui/interrupt_signal.h"

#include <atomic>

namespace ui {

namespace {

std::atomic<bool> g_pending{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler may only touch lock-free atomics");

void OnInterrupt(int /*signal*/) { g_pending.store(true); }

}  // namespace

InterruptSignal::InterruptSignal() {
  struct sigaction current {};
  if (::sigaction(SIGINT, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) return;
  struct sigaction action {};
  action.sa_handler = &OnInterrupt;
  sigemptyset(&action.sa_mask);
  // Other system calls carry on; the console waits for input with ppoll, which the signal always ends.
  action.sa_flags = SA_RESTART;
  installed_ = ::sigaction(SIGINT, &action, &previous_) == 0;
}

InterruptSignal::~InterruptSignal() {
  if (installed_) ::sigaction(SIGINT, &previous_, nullptr);
}

bool InterruptPending() { return g_pending.load(); }

bool TakeInterrupt() { return g_pending.exchange(false); }

void RaiseInterrupt() { g_pending.store(true); }

}  // namespace ui
