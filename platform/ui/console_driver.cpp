#include "platform/ui/console_driver.h"

#include <poll.h>
#include <unistd.h>

#include <iostream>
#include <vector>

#include "platform/ui/dialog_lines.h"
#include "platform/ui/key_names.h"
#include "platform/ui/message_box_text.h"
#include "platform/ui/text_driver_util.h"

namespace ui {

ConsoleDriver::ConsoleDriver() : ConsoleDriver(std::cin, std::cout) {}

ConsoleDriver::ConsoleDriver(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

std::optional<std::string> ConsoleDriver::NextLine() {
  out_.flush();
  if (typed_ahead_) {
    std::optional<std::string> line = std::move(typed_ahead_);
    typed_ahead_.reset();
    return line;
  }
  std::string line;
  while (std::getline(in_, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!IsCommentLine(line)) return line;
  }
  return std::nullopt;
}

bool ConsoleDriver::LineWaiting() {
  if (typed_ahead_ || !in_.good()) return false;
  if (&in_ == &std::cin) {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return ::poll(&input, 1, 0) > 0 && (input.revents & POLLIN) != 0;
  }
  return in_.rdbuf() != nullptr && in_.rdbuf()->in_avail() > 0;
}

InputLine ConsoleDriver::ReadLine(const std::string& prompt) {
  out_ << prompt;
  std::optional<std::string> line = NextLine();
  pending_keys_.clear();
  if (!line) {
    out_ << '\n';
    return {InputStatus::kEndOfInput, {}};
  }
  if (IsCancelLine(*line)) return {InputStatus::kCancelled, {}};
  return {InputStatus::kLine, std::move(*line)};
}

void ConsoleDriver::Print(const std::string& text) { out_ << text << std::flush; }

int ConsoleDriver::MessageBox(const std::string& text, const std::string& caption, UINT type) {
  out_ << FormatMessageBox(text, caption, type) << '\n';
  const std::vector<MessageBoxButton> buttons = MessageBoxButtons(type);
  const int default_result = DefaultMessageBoxResult(type);
  if (buttons.size() == 1) return default_result;
  for (;;) {
    out_ << "Answer [" << MessageBoxResultWord(default_result) << "]: ";
    const std::optional<std::string> line = NextLine();
    if (!line || IsCancelLine(*line)) return EscapeMessageBoxResult(type);
    const std::string_view word = Trimmed(*line);
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
    const std::optional<std::string> line = NextLine();
    if (!line) {
      out_ << '\n';
      dialog.Cancel();
      return;
    }
    RunDialogStep(dialog, *line);
  }
}

void ConsoleDriver::RunDialogStep(ModalSurface& dialog, const std::string& line) {
  if (Trimmed(line).empty()) return;
  if (IsCancelLine(line)) {
    dialog.Cancel();
    return;
  }
  std::string error;
  const std::optional<DialogLine> parsed = ParseDialogLine(line, &error);
  if (parsed) error = RunDialogLine(dialog, *parsed, out_);
  if (!error.empty()) out_ << error << '\n';
}

std::optional<std::string> ConsoleDriver::AskFile(const FileDialogRequest& request) {
  out_ << DescribeFileRequest(request) << '\n';
  for (;;) {
    out_ << "File name (or cancel): ";
    const std::optional<std::string> line = NextLine();
    if (!line || IsCancelLine(*line)) return std::nullopt;
    const std::string answer(Trimmed(*line));
    if (answer == "cancel") return std::nullopt;
    if (!answer.empty()) return answer;
    if (!request.file_name.empty()) return request.file_name;
  }
}

bool ConsoleDriver::IsKeyDown(int virtual_key) {
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
    }
  }
  const auto found = pending_keys_.find(virtual_key);
  if (found == pending_keys_.end()) return false;
  pending_keys_.erase(found);
  return true;
}

void ConsoleDriver::Fail(const std::string& why) { out_ << why << '\n' << std::flush; }

}  // namespace ui
