// The fixture of the tests that run the small program of docview_test_app.h.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "platform/classlib/backend/headless_test_support.h"
#include "platform/classlib/docview/docview_test_app.h"

namespace docview_test {

inline std::string Text(CWnd* window) {
  CString text;
  window->GetWindowText(text);
  return text.str();
}

class AppTest : public afx_test::WindowTest {
 protected:
  void SetUp() override {
    app_ = std::make_unique<TestApp>();
    ASSERT_TRUE(app_->InitApplication());
    ASSERT_TRUE(app_->InitInstance());
    afx::DrainMessages();
  }
  void TearDown() override { app_.reset(); }

  std::string WriteFile(const std::string& name, const std::string& text) {
    const std::string path = folder_ / name;
    std::ofstream(path) << text;
    return path;
  }
  TestDoc* Open(const std::string& path) {
    auto* doc = static_cast<TestDoc*>(app_->OpenDocumentFile(path.c_str()));
    afx::DrainMessages();
    return doc;
  }
  // A command as the main window receives it from a menu.
  void Command(UINT id) {
    app_->Main()->SendMessage(WM_COMMAND, id);
    afx::DrainMessages();
  }
  std::string ReadFirstLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
  }

  std::unique_ptr<TestApp> app_;
};

}  // namespace docview_test
