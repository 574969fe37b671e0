#include "platform/ui/ui_driver.h"

#include "platform/ui/console_driver.h"

namespace ui {
namespace {

UiDriver*& CurrentDriver() {
  static UiDriver* current = nullptr;
  return current;
}

}  // namespace

UiDriver& Ui() {
  if (UiDriver* driver = CurrentDriver()) return *driver;
  static ConsoleDriver console;
  return console;
}

ScopedUiDriver::ScopedUiDriver(UiDriver& driver) : previous_(CurrentDriver()) { CurrentDriver() = &driver; }

ScopedUiDriver::~ScopedUiDriver() { CurrentDriver() = previous_; }

}  // namespace ui
