// Answers the program from a person at a terminal, in the same line language
// as scripts. Nothing is echoed; a line that does not fit is explained and
// asked again, so the run never counts as failed.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include "platform/ui/ui_driver.h"

namespace ui {

class ConsoleDriver : public UiDriver {
 public:
  ConsoleDriver();  // standard input and output
  ConsoleDriver(std::istream& in, std::ostream& out);

  int MessageBox(const std::string& text, const std::string& caption, UINT type) override;
  void RunModal(ModalSurface& dialog) override;
  std::optional<std::string> AskFile(const FileDialogRequest& request) override;
  InputLine ReadLine(const std::string& prompt) override;
  void Print(const std::string& text) override;
  bool IsKeyDown(int virtual_key) override;
  void Fail(const std::string& why) override;
  bool Failed() const override { return false; }

 private:
  // The next line typed (comments skipped); nullopt at the end of input.
  std::optional<std::string> NextLine();
  // True when a line can be read without waiting.
  bool LineWaiting();
  void RunDialogStep(ModalSurface& dialog, const std::string& line);

  std::istream& in_;
  std::ostream& out_;
  std::optional<std::string> typed_ahead_;
  std::multiset<int> pending_keys_;
};

}  // namespace ui
