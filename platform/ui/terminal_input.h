// Standard input as a stream that a Ctrl-C (see interrupt_signal.h) ends like
// the end of input, so that a reader waiting for a line can tell the two apart
// by the pending interrupt and go on reading afterwards.
#pragma once

#include <array>
#include <streambuf>

namespace ui {

class TerminalInput : public std::streambuf {
 public:
  explicit TerminalInput(int fd);
  // A line, or part of one, can be read without waiting.
  bool HasInput();

 protected:
  int_type underflow() override;

 private:
  int fd_;
  std::array<char, 4096> buffer_{};
};

}  // namespace ui
