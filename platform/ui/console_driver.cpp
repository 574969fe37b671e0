#include "platform/ui/console_driver.h"

#include <unistd.h>

#include <iostream>
#include <vector>

#include "platform/ui/dialog_lines.h"
#include "platform/ui/interrupt_signal.h"
#include "platform/ui/key_names.h"
#include "platform/ui/message_box_text.h"
#include "platform/ui/terminal_input.h"
#include "platform/ui/text_driver_util.h"

namespace ui {

ConsoleDriver::ConsoleDriver()
    : terminal_(std::make_unique<TerminalInput>(STDIN_FILENO)),
      terminal_stream_(std::make_unique<std::istream>(terminal_.get())),
      in_(*terminal_stream_),
      out_(std::cout) {}

ConsoleDriver::ConsoleDriver(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

ConsoleDriver::~ConsoleDriver() = default;

InputLine ConsoleDriver::NextLine() {
  out_.flush();
  // A Ctrl-C while the program worked cancels the question that follows.
  if (TakeInterrupt()) {
    out_ << '\n';
    return {InputStatus::kCancelled, {}};
  }
  if (typed_ahead_) {
    std::string line = std::move(*typed_ahead_);
    typed_ahead_.reset();
    if (IsCancelLine(line)) return {InputStatus::kCancelled, {}};
    return {InputStatus::kLine, std::move(line)};
  }
  std::string line;
  while (std::getline(in_, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (first_line_) line = std::string(WithoutByteOrderMark(line));
    first_line_ = false;
    if (IsCancelLine(line)) return {InputStatus::kCancelled, {}};
    if (!IsCommentLine(line)) return {InputStatus::kLine, std::move(line)};
  }
  if (TakeInterrupt()) {
    in_.clear();  // the terminal stays open: go on reading after the cancel
    out_ << '\n';
    return {InputStatus::kCancelled, {}};
  }
  return {InputStatus::kEndOfInput, {}};
}

bool ConsoleDriver::LineWaiting() {
  if (typed_ahead_ || !in_.good()) return false;
  if (terminal_ != nullptr) return terminal_->HasInput();
  return in_.rdbuf() != nullptr && in_.rdbuf()->in_avail() > 0;
}

InputLine ConsoleDriver::ReadLine(const std::string& prompt) {
  out_ << prompt;
  InputLine line = NextLine();
  pending_keys_.clear();
  if (line.status == InputStatus::kEndOfInput) {
    out_ << '\n';
    input_ended_ = true;
  }
  return line;
}

void ConsoleDriver::Print(const std::string& text) { out_ << text << std::flush; }

int ConsoleDriver::MessageBox(const std::string& text, const std::string& caption, UINT type) {
  out_ << FormatMessageBox(text, caption, type) << '\n';
  const std::vector<MessageBoxButton> buttons = MessageBoxButtons(type);
  const int default_result = DefaultMessageBoxResult(type);
  if (buttons.size() == 1) return default_result;
  for (;;) {
    out_ << "Answer [" << MessageBoxResultWord(default_result) << "]: ";
    const InputLine line = NextLine();
    if (line.status != InputStatus::kLine) return EscapeMessageBoxResult(type);
    const std::string_view word = Trimmed(line.text);
    if (word.empty()) return default_result;
    if (std::optional<int> chosen = MessageBoxResultFromWord(word, type)) return *chosen;
    out_ << "Answer with one of:";
    for (const MessageBoxButton& button : buttons) out_ << ' ' << button.word;
    out_ << '\n';
  }
}

void ConsoleDriver::RunModal(ModalSurface& dialog) {
  PrintDialog(dialog, out_);
  while (!dialog.IsClosed()) {
    out_ << dialog.Caption() << "> ";
    const InputLine line = NextLine();
    if (line.status == InputStatus::kEndOfInput) {
      out_ << '\n';
      input_ended_ = true;
      dialog.Cancel();
      return;
    }
    if (line.status == InputStatus::kCancelled) {
      dialog.Cancel();
      continue;
    }
    RunDialogStep(dialog, line.text);
  }
}

void ConsoleDriver::RunDialogStep(ModalSurface& dialog, const std::string& line) {
  if (Trimmed(line).empty()) return;
  std::string error;
  const std::optional<DialogLine> parsed = ParseDialogLine(line, &error);
  if (parsed) error = RunDialogLine(dialog, *parsed, out_);
  if (!error.empty()) out_ << error << '\n';
}

std::optional<std::string> ConsoleDriver::AskFile(const FileDialogRequest& request) {
  out_ << DescribeFileRequest(request) << '\n';
  for (;;) {
    out_ << "File name (or cancel): ";
    const InputLine line = NextLine();
    if (line.status == InputStatus::kEndOfInput) input_ended_ = true;
    if (line.status != InputStatus::kLine) return std::nullopt;
    const std::string answer = UnquotedPath(line.text);
    if (answer == "cancel") return std::nullopt;
    if (!answer.empty()) return answer;
    if (!request.file_name.empty()) return request.file_name;
  }
}

bool ConsoleDriver::IsKeyDown(int virtual_key) {
  if (virtual_key == VK_ESCAPE && TakeInterrupt()) return true;
  if (pending_keys_.empty() && LineWaiting()) {
    std::string line;
    if (std::getline(in_, line)) {
      std::vector<std::string> names;
      if (!SplitKeyLine(line, &names)) {
        typed_ahead_ = line;  // an answer typed early: keep it for the next question
      } else {
        for (const std::string& name : names) {
          if (std::optional<int> code = VirtualKeyFromName(name)) {
            pending_keys_.insert(*code);
          } else {
            out_ << "unknown key name '" << name << "'\n";
          }
        }
      }
    } else if (InterruptPending()) {
      in_.clear();  // the Ctrl-C is for the Esc poll or the question that follows
      if (virtual_key == VK_ESCAPE) return TakeInterrupt();
    }
  }
  const auto found = pending_keys_.find(virtual_key);
  if (found == pending_keys_.end()) return false;
  pending_keys_.erase(found);
  return true;
}

void ConsoleDriver::Fail(const std::string& why) { out_ << why << '\n' << std::flush; }

}  // namespace ui
