// Starts the toolkit on the display and puts the GTK backend and the GUI
// driver in force for the session's lifetime; a program with real windows
// makes one before its first window.
#pragma once

#include <memory>

class wxWindow;
class wxEventLoopBase;

namespace ui {
class ScopedUiDriver;
}

namespace gui {

class GuiBackend;
class GuiDriver;

class GuiSession {
 public:
  // ok() is false when there is no display to show windows on.
  GuiSession(int& argc, char** argv);
  ~GuiSession();
  GuiSession(const GuiSession&) = delete;
  GuiSession& operator=(const GuiSession&) = delete;

  bool ok() const { return backend_ != nullptr; }
  GuiBackend& backend() { return *backend_; }

 private:
  bool started_ = false;
  std::unique_ptr<wxEventLoopBase> loop_;
  std::unique_ptr<GuiBackend> backend_;
  std::unique_ptr<GuiDriver> driver_;
  std::unique_ptr<ui::ScopedUiDriver> scope_;
};

// Where dialogs open: the active window's frame; null when none is shown.
wxWindow* DialogParent();

}  // namespace gui
