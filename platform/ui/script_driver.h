// Answers the program from a script, one line per answer, and writes the
// transcript: prompts with their answers, messages, message boxes, dialogs.
// A line that does not fit what is asked stops the run (Fail): from then on
// dialogs are cancelled and prompts see the end of the input.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include "platform/ui/ui_driver.h"

namespace ui {

class ScriptDriver : public UiDriver {
 public:
  // name appears in the failure report on standard error.
  ScriptDriver(std::istream& script, std::ostream& transcript, std::string name = "script");

  int MessageBox(const std::string& text, const std::string& caption, UINT type) override;
  void RunModal(ModalSurface& dialog) override;
  std::optional<std::string> AskFile(const FileDialogRequest& request) override;
  InputLine ReadLine(const std::string& prompt) override;
  void Print(const std::string& text) override;
  bool IsKeyDown(int virtual_key) override;
  std::optional<UserInput> NextUserInput() override;
  std::optional<int> TakeMenuChoice() override;
  void Fail(const std::string& why) override;
  bool Failed() const override { return failed_; }
  bool InputEnded() const override { return input_ended_; }

  // Number of the script line taken last (0 before the first).
  int LineNumber() const { return line_number_; }

 private:
  // The next line that is not a comment, without taking it; null at the end.
  const std::string* Peek();
  // Takes the peeked line; keys not yet polled are forgotten.
  std::string Take();
  void RunDialogStep(ModalSurface& dialog);
  bool TakeKeyLine();

  std::istream& script_;
  std::ostream& transcript_;
  std::string name_;
  std::optional<std::string> next_;
  int next_number_ = 0;
  int lines_read_ = 0;
  int line_number_ = 0;
  bool failed_ = false;
  bool input_ended_ = false;
  std::multiset<int> pending_keys_;
};

}  // namespace ui
