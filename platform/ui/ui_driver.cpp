#include "platform/ui/ui_driver.h"

#include <chrono>
#include <thread>

#include "platform/ui/console_driver.h"

namespace ui {
namespace {

UiDriver*& CurrentDriver() {
  static UiDriver* current = nullptr;
  return current;
}

}  // namespace

void UiDriver::Pause(unsigned milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

UiDriver& Ui() {
  if (UiDriver* driver = CurrentDriver()) return *driver;
  static ConsoleDriver console;
  return console;
}

ScopedUiDriver::ScopedUiDriver(UiDriver& driver) : previous_(CurrentDriver()) { CurrentDriver() = &driver; }

ScopedUiDriver::~ScopedUiDriver() { CurrentDriver() = previous_; }

}  // namespace ui
