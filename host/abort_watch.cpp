#include "host/abort_watch.h"

#include <string>

#include "platform/ui/ui_driver.h"

namespace host {

namespace {
AbortWatch* g_watch = nullptr;
}  // namespace

AbortWatch::AbortWatch() : previous_(acrxSetAbortHandler(&AbortWatch::OnAbort)) { g_watch = this; }

AbortWatch::~AbortWatch() {
  acrxSetAbortHandler(previous_);
  g_watch = nullptr;
}

bool AbortWatch::EndWindDown() {
  const bool was_active = active_;
  active_ = false;
  return was_active;
}

void AbortWatch::OnAbort(const char* message) {
  ui::Ui().Print(std::string("\nFATAL ERROR: ") + (message != nullptr ? message : "") + "\n");
  if (g_watch != nullptr) {
    g_watch->active_ = true;
    g_watch->happened_ = true;
  }
}

}  // namespace host
