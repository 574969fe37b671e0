// What the window tests share: the headless backend, a script driver that
// answers what the program asks (and keeps the transcript), and the clean-up
// of every window a test left.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "platform/classlib/backend/backend_events.h"
#include "platform/classlib/backend/headless_backend.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/window/message_loop.h"
#include "platform/classlib/window_record.h"
#include "platform/ui/script_driver.h"
#include "platform/win/scoped_temp_folder.h"

namespace afx_test {

inline afx::HeadlessBackend& Headless() { return static_cast<afx::HeadlessBackend&>(afx::Backend()); }

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() { UseScript(""); }
  ~WindowTest() override {
    // Windows a test left behind go, as the program's end would take them.
    while (!afx::Desktop().children.empty()) {
      afx::WindowRecord* top = afx::Desktop().children.back().get();
      if (top->attached != nullptr) {
        top->attached->DestroyWindow();
      } else {
        afx::Desktop().DestroyChild(top);
      }
    }
    afx::DrainMessages();
    afx::ClearQuit();
  }

  // The script that answers message boxes, dialogs and input from now on.
  void UseScript(const std::string& script) {
    scope_.reset();
    script_ = std::make_unique<std::istringstream>(script);
    transcript_.str("");
    driver_ = std::make_unique<ui::ScriptDriver>(*script_, transcript_, "test");
    scope_ = std::make_unique<ui::ScopedUiDriver>(*driver_);
  }
  std::string Transcript() const { return transcript_.str(); }

  win::ScopedTempFolder folder_;
  win::ScopedEnv registry_{"VELMORA_REGISTRY", folder_ / "registry.reg"};
  std::unique_ptr<std::istringstream> script_;
  std::ostringstream transcript_;
  std::unique_ptr<ui::ScriptDriver> driver_;
  std::unique_ptr<ui::ScopedUiDriver> scope_;
};

}  // namespace afx_test
