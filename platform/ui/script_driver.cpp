#include "platform/ui/script_driver.h"

#include <iostream>
#include <utility>
#include <vector>

#include "platform/ui/dialog_lines.h"
#include "platform/ui/held_keys.h"
#include "platform/ui/key_names.h"
#include "platform/ui/message_box_text.h"
#include "platform/ui/text_driver_util.h"

namespace ui {

ScriptDriver::ScriptDriver(std::istream& script, std::ostream& transcript, std::string name)
    : script_(script), transcript_(transcript), name_(std::move(name)) {}

const std::string* ScriptDriver::Peek() {
  while (!next_) {
    std::string line;
    if (!std::getline(script_, line)) return nullptr;
    ++lines_read_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (lines_read_ == 1) line = std::string(WithoutByteOrderMark(line));
    if (IsCommentLine(line)) continue;
    next_ = std::move(line);
    next_number_ = lines_read_;
  }
  return &*next_;
}

std::string ScriptDriver::Take() {
  Peek();
  std::string line = next_ ? std::move(*next_) : std::string();
  next_.reset();
  line_number_ = next_number_;
  pending_keys_.clear();
  return line;
}

InputLine ScriptDriver::ReadLine(const std::string& prompt) {
  if (failed_) return {InputStatus::kEndOfInput, {}};
  if (Peek() == nullptr) {
    transcript_ << prompt << '\n';
    input_ended_ = true;
    return {InputStatus::kEndOfInput, {}};
  }
  std::string line = Take();
  transcript_ << prompt << line << '\n';
  if (IsCancelLine(line)) return {InputStatus::kCancelled, {}};
  return {InputStatus::kLine, std::move(line)};
}

void ScriptDriver::Print(const std::string& text) { transcript_ << text; }

int ScriptDriver::MessageBox(const std::string& text, const std::string& caption, UINT type) {
  int result = DefaultMessageBoxResult(type);
  if (failed_) {
    result = EscapeMessageBoxResult(type);
  } else if (const std::string* next = Peek()) {
    if (std::optional<int> chosen = MessageBoxResultFromWord(Trimmed(*next), type)) {
      Take();
      result = *chosen;
    }
  }
  transcript_ << FormatMessageBox(text, caption, type) << " -> " << MessageBoxResultWord(result) << '\n';
  return result;
}

void ScriptDriver::RunModal(ModalSurface& dialog) {
  transcript_ << DialogHeader(dialog) << '\n';
  while (!dialog.IsClosed()) {
    if (failed_ || Peek() == nullptr) {
      input_ended_ = input_ended_ || !failed_;
      // A dialog whose cancel handler refuses stays open; the caller closes it.
      dialog.Cancel();
      return;
    }
    RunDialogStep(dialog);
  }
}

void ScriptDriver::RunDialogStep(ModalSurface& dialog) {
  const std::string line = Take();
  transcript_ << dialog.Caption() << "> " << line << '\n';
  if (Trimmed(line).empty()) return;  // a blank line between actions means nothing
  if (IsCancelLine(line)) {
    dialog.Cancel();
    return;
  }
  std::string error;
  const std::optional<DialogLine> parsed = ParseDialogLine(line, &error);
  if (!parsed) {
    Fail(error);
    return;
  }
  error = RunDialogLine(dialog, *parsed, transcript_);
  if (!error.empty()) Fail(error);
}

std::optional<std::string> ScriptDriver::AskFile(const FileDialogRequest& request) {
  transcript_ << DescribeFileRequest(request);
  if (failed_ || Peek() == nullptr) {
    input_ended_ = input_ended_ || !failed_;
    transcript_ << " -> cancel\n";
    return std::nullopt;
  }
  const std::string line = UnquotedPath(Take());
  transcript_ << " -> " << line << '\n';
  if (line == "cancel" || IsCancelLine(line)) return std::nullopt;
  if (!line.empty()) return line;
  if (!request.file_name.empty()) return request.file_name;
  Fail("a file dialog takes a path or cancel");
  return std::nullopt;
}

bool ScriptDriver::TakeKeyLine() {
  const std::string* next = Peek();
  std::vector<std::string> names;
  if (next == nullptr || !SplitKeyLine(*next, &names)) return false;
  const std::string line = Take();
  transcript_ << line << '\n';
  if (names.empty()) {
    Fail("a key line names at least one key");
    return false;
  }
  for (const std::string& name : names) {
    const std::optional<int> code = VirtualKeyFromName(name);
    if (!code) {
      Fail("unknown key name '" + name + "'");
      pending_keys_.clear();
      return false;
    }
    pending_keys_.insert(*code);
  }
  return true;
}

bool ScriptDriver::IsKeyDown(int virtual_key) {
  // While window input is delivered, its own keys answer.
  if (const std::optional<bool> held = HeldKeyState(virtual_key)) return *held;
  if (failed_) return false;
  if (pending_keys_.empty() && !TakeKeyLine()) return false;
  const auto found = pending_keys_.find(virtual_key);
  if (found == pending_keys_.end()) return false;
  pending_keys_.erase(found);
  return true;
}

std::optional<UserInput> ScriptDriver::NextUserInput() {
  while (!failed_ && Peek() != nullptr) {
    const std::string line = Take();
    transcript_ << line << '\n';
    if (Trimmed(line).empty()) continue;
    std::string error;
    std::optional<UserInput> input = ParseUserInputLine(line, &error);
    if (!input) {
      Fail(error);
      return std::nullopt;
    }
    return input;
  }
  return std::nullopt;
}

std::optional<int> ScriptDriver::TakeMenuChoice() {
  const std::string* next = failed_ ? nullptr : Peek();
  if (next == nullptr) return std::nullopt;
  std::string error;
  const std::optional<UserInput> input = IsUserInputLine(*next) ? ParseUserInputLine(*next, &error) : std::nullopt;
  if (!input || input->kind != UserInput::Kind::kMenu) return std::nullopt;
  transcript_ << Take() << '\n';
  return input->id;
}

void ScriptDriver::Fail(const std::string& why) {
  if (failed_) return;
  failed_ = true;
  const std::string report = "script line " + std::to_string(line_number_) + ": " + why;
  transcript_ << report << '\n';
  transcript_.flush();
  std::cerr << name_ << ": " << report << '\n';
}

}  // namespace ui
