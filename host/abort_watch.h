// acrx_abort while cadhost runs: the report is printed and the command that
// caused it is wound down (every later question of it is cancelled) instead of
// ending the program. The run then counts as failed.
#pragma once

#include "platform/cad/db/runtime/rx_class.h"

namespace host {

class AbortWatch {
 public:
  // Installs the handler for the watch's lifetime (one watch at a time).
  AbortWatch();
  ~AbortWatch();
  AbortWatch(const AbortWatch&) = delete;
  AbortWatch& operator=(const AbortWatch&) = delete;

  // An abort was reported and the current command is being wound down.
  bool Active() const { return active_; }
  // Any abort during the watch.
  bool Happened() const { return happened_; }
  // The command is over; true when it was being wound down.
  bool EndWindDown();

 private:
  static void OnAbort(const char* message);

  AcRxAbortHandler previous_;
  bool active_ = false;
  bool happened_ = false;
};

}  // namespace host
