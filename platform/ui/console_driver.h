// Answers the program from a person at a terminal, in the same line language
// as scripts. Nothing is echoed; a line that does not fit is explained and
// asked again, so the run never counts as failed. A Ctrl-C (with an
// InterruptSignal in force) cancels the question that is open, or the next one.
#pragma once

#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include "platform/ui/ui_driver.h"

namespace ui {

class TerminalInput;

class ConsoleDriver : public UiDriver {
 public:
  ConsoleDriver();  // standard input and output
  ConsoleDriver(std::istream& in, std::ostream& out);
  ~ConsoleDriver() override;

  int MessageBox(const std::string& text, const std::string& caption, UINT type) override;
  void RunModal(ModalSurface& dialog) override;
  std::optional<std::string> AskFile(const FileDialogRequest& request) override;
  InputLine ReadLine(const std::string& prompt) override;
  void Print(const std::string& text) override;
  bool IsKeyDown(int virtual_key) override;
  bool KeysArePresses() const override { return true; }
  bool KeysCanCome() override { return !pending_keys_.empty() || !in_.eof(); }
  void Fail(const std::string& why) override;
  bool Failed() const override { return false; }
  bool InputEnded() const override { return input_ended_; }

 private:
  // The next line typed (comments skipped), kCancelled for a Ctrl-C or "^C",
  // kEndOfInput at the end.
  InputLine NextLine();
  // True when a line can be read without waiting.
  bool LineWaiting();
  void RunDialogStep(ModalSurface& dialog, const std::string& line);

  std::unique_ptr<TerminalInput> terminal_;  // standard input, when that is what is read
  std::unique_ptr<std::istream> terminal_stream_;
  std::istream& in_;
  std::ostream& out_;
  std::optional<std::string> typed_ahead_;
  std::multiset<int> pending_keys_;
  bool first_line_ = true;
  bool input_ended_ = false;
};

}  // namespace ui
