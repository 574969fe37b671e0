#include "platform/ui/terminal_input.h"

#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "platform/ui/interrupt_signal.h"

namespace ui {

TerminalInput::TerminalInput(int fd) : fd_(fd) { setg(buffer_.data(), buffer_.data(), buffer_.data()); }

bool TerminalInput::HasInput() {
  if (gptr() < egptr()) return true;
  pollfd input{fd_, POLLIN, 0};
  return ::poll(&input, 1, 0) > 0 && (input.revents & (POLLIN | POLLHUP)) != 0;
}

TerminalInput::int_type TerminalInput::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  for (;;) {
    // SIGINT stays blocked from the check to the wait, so a Ctrl-C in between is not lost.
    sigset_t interrupt, previous;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    pthread_sigmask(SIG_BLOCK, &interrupt, &previous);
    pollfd input{fd_, POLLIN, 0};
    const int ready = InterruptPending() ? -1 : ::ppoll(&input, 1, nullptr, &previous);
    const int error = errno;
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (InterruptPending()) return traits_type::eof();
    if (ready < 0 && error == EINTR) continue;
    if (ready < 0) return traits_type::eof();
    const ssize_t count = ::read(fd_, buffer_.data(), buffer_.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + count);
    return traits_type::to_int_type(*gptr());
  }
}

}  // namespace ui
