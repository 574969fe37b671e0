// What the editor's in-process tests share: a temporary HOME (where "c:\"
// leads) and registry, the headless backend with a script driver, and the
// editor started as the program starts it, on chosen arguments.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "editor/app/child_frame.h"
#include "editor/app/editor_settings.h"
#include "editor/app/explorer_pane.h"
#include "editor/app/main_frame.h"
#include "editor/app/sample_app.h"
#include "editor/app/sample_doc.h"
#include "editor/app/sample_view.h"
#include "platform/classlib/backend/headless_test_support.h"

namespace app_test {

using afx_test::Headless;

class AppTest : public afx_test::WindowTest {
 protected:
  ~AppTest() override { Stop(); }

  // Starts the editor with these command-line arguments; FALSE when its start failed.
  BOOL Start(const std::vector<std::string>& arguments = {}) {
    app_ = std::make_unique<CSampleApp>();
    app_->m_arguments = arguments;
    if (!app_->InitApplication() || !app_->InitInstance()) return FALSE;
    afx::DrainMessages();
    return TRUE;
  }

  // Closes what is open without asking, as the end of the program does.
  void Stop() {
    if (app_ == nullptr) return;
    app_->CloseAllDocuments(TRUE);
    if (app_->m_pMainWnd != nullptr && IsWindow(app_->m_pMainWnd->m_hWnd)) app_->m_pMainWnd->DestroyWindow();
    app_->m_pMainWnd = nullptr;
    afx::DrainMessages();
    app_.reset();
  }

  std::string WriteFile(const std::string& name, const std::string& text) const {
    const std::string path = folder_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  static std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }

  CMainFrame* Frame() const { return app_ != nullptr ? app_->MainFrame() : nullptr; }
  CSampleView* ActiveView() const {
    return Frame() != nullptr ? dynamic_cast<CSampleView*>(Frame()->GetActiveView()) : nullptr;
  }
  CSampleDoc* ActiveDoc() const { return ActiveView() != nullptr ? ActiveView()->GetDocument() : nullptr; }

  void Command(UINT id) {
    Frame()->SendMessage(WM_COMMAND, id);
    afx::DrainMessages();
  }

  std::unique_ptr<CSampleApp> app_;
  win::ScopedEnv home_{"HOME", folder_.path()};
};

}  // namespace app_test
