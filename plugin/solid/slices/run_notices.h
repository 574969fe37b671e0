// Prompt-line notices of one run: a level or slice that cannot be machined is
// told once per run, not once for every level it happens on.
#pragma once

#include <set>
#include <string>

class RunNotices {
 public:
  // Prints the text unless this run printed it already.
  void Print(const char* text);
  bool Printed(const char* text) const { return printed_.count(text) != 0; }

 private:
  std::set<std::string> printed_;
};
