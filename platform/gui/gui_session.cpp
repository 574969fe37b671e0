#include "platform/gui/gui_session.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/log.h>

#include <iostream>

#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/window/window_state.h"
#include "platform/classlib/window_record.h"
#include "platform/gui/gui_backend.h"
#include "platform/gui/gui_driver.h"
#include "platform/gui/native_frame.h"
#include "platform/gui/window_peer.h"

namespace gui {
namespace {

// The class library runs the message loop; the toolkit's application only starts the toolkit.
class ToolkitApp : public wxApp {
 public:
  bool OnInit() override { return true; }
  int OnRun() override { return 0; }
};

// Toolkit complaints go to standard error, never into a dialog that waits for a person.
void ReportAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                  const wxString& message) {
  std::cerr << "toolkit check failed: " << file << ":" << line << " " << function << ": " << condition << " " << message
            << "\n";
}

}  // namespace

GuiSession::GuiSession(int& argc, char** argv) {
  wxApp::SetInstance(new ToolkitApp);  // deleted by wxEntryCleanup
  started_ = true;
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    std::cerr << "no display to show windows on\n";
    return;
  }
  delete wxLog::SetActiveTarget(new wxLogStderr);
  wxSetAssertHandler(ReportAssert);
  loop_.reset(new wxGUIEventLoop);
  wxEventLoopBase::SetActive(loop_.get());
  backend_ = std::make_unique<GuiBackend>();
  driver_ = std::make_unique<GuiDriver>();
  scope_ = std::make_unique<ui::ScopedUiDriver>(*driver_);
  afx::SetBackend(backend_.get());
}

GuiSession::~GuiSession() {
  if (backend_ != nullptr) {
    afx::SetBackend(nullptr);
    scope_.reset();
    driver_.reset();
    backend_->Pump();
    backend_.reset();
    wxEventLoopBase::SetActive(nullptr);
    loop_.reset();
  }
  if (started_) wxEntryCleanup();
}

wxWindow* DialogParent() { return ActiveFrame(); }

}  // namespace gui
