// Keeps a library's own console chatter out of the transcript: while it lives,
// whatever is written to standard output and standard error is dropped.
#pragma once

namespace host {

class QuietOutput {
 public:
  QuietOutput();
  ~QuietOutput();
  QuietOutput(const QuietOutput&) = delete;
  QuietOutput& operator=(const QuietOutput&) = delete;

 private:
  int saved_out_ = -1;
  int saved_err_ = -1;
};

}  // namespace host
