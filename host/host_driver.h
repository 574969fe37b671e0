// The UI driver cadhost installs over the real one (script or terminal). It
// passes everything on, except while an abort is being wound down: then
// prompts read as cancelled, dialogs are cancelled, message boxes get their
// escape answer, file dialogs are cancelled and Esc counts as pressed, so the
// command ends through its own cancel paths.
//
// It also keeps track of whether the transcript stands at the start of a line,
// so that a message that must start on a line of its own does not leave blank
// lines behind.
#pragma once

#include <functional>
#include <string>

#include "platform/ui/ui_driver.h"

namespace host {

class HostDriver : public ui::UiDriver {
 public:
  // cancelling: true while every question is to be cancelled.
  HostDriver(ui::UiDriver& inner, std::function<bool()> cancelling);

  int MessageBox(const std::string& text, const std::string& caption, UINT type) override;
  void RunModal(ui::ModalSurface& dialog) override;
  std::optional<std::string> AskFile(const ui::FileDialogRequest& request) override;
  ui::InputLine ReadLine(const std::string& prompt) override;
  void Print(const std::string& text) override;
  bool IsKeyDown(int virtual_key) override;
  bool KeysArePresses() const override { return inner_.KeysArePresses(); }
  bool KeysCanCome() override { return Cancelling() || inner_.KeysCanCome(); }
  void Pause(unsigned milliseconds) override { inner_.Pause(milliseconds); }
  void Fail(const std::string& why) override;
  bool Failed() const override { return inner_.Failed(); }
  bool InputEnded() const override { return inner_.InputEnded(); }

  // Prints the text as lines of their own (a leading newline only when needed).
  void PrintLine(const std::string& text);
  bool AtLineStart() const { return at_line_start_; }

 private:
  bool Cancelling() const { return cancelling_(); }
  // Boxes, dialogs and reports that the inner driver prints start on a line of their own.
  void StartLine();

  ui::UiDriver& inner_;
  std::function<bool()> cancelling_;
  bool at_line_start_ = true;
};

}  // namespace host
