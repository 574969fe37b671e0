// The UI driver of a program with real windows: message boxes, modal
// dialogs, file dialogs and prompts are native dialogs; the transcript goes
// to standard output; key polls answer from the keys of the input being
// delivered, else from the keyboard.
#pragma once

#include "platform/ui/ui_driver.h"

namespace gui {

class GuiDriver : public ui::UiDriver {
 public:
  int MessageBox(const std::string& text, const std::string& caption, UINT type) override;
  void RunModal(ui::ModalSurface& dialog) override;
  std::optional<std::string> AskFile(const ui::FileDialogRequest& request) override;
  ui::InputLine ReadLine(const std::string& prompt) override;
  void Print(const std::string& text) override;
  bool IsKeyDown(int virtual_key) override;
  void Fail(const std::string& why) override;
  bool Failed() const override { return failed_; }

 private:
  bool failed_ = false;
};

}  // namespace gui
