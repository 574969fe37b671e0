#include "host/host_driver.h"

#include <utility>

#include "platform/ui/message_box_text.h"

namespace host {

namespace {

// The prompt as it stands on its line: host prompts start with "\n" to get a
// line of their own.
std::string PromptText(const std::string& prompt) {
  std::size_t start = prompt.find_first_not_of('\n');
  return start == std::string::npos ? std::string() : prompt.substr(start);
}

// Closes the dialog as soon as an abort is reported, even in the middle of the
// lines a driver is feeding it; a line that a handler's message left open is
// ended before the dialog takes its next line.
class WindDownSurface : public ui::ModalSurface {
 public:
  WindDownSurface(ui::ModalSurface& inner, const std::function<bool()>& cancelling, std::function<void()> start_line)
      : inner_(inner), cancelling_(cancelling), start_line_(std::move(start_line)) {}
  std::string Caption() const override { return inner_.Caption(); }
  std::vector<ui::ControlInfo> Controls() const override { return inner_.Controls(); }
  bool IsClosed() const override {
    if (!inner_.IsClosed() && cancelling_()) inner_.Cancel();
    // A dialog that refuses to be cancelled is closed by its owner once the driver gives up.
    const bool closed = inner_.IsClosed() || cancelling_();
    if (!closed) start_line_();
    return closed;
  }
  std::string SetText(int id, const std::string& text) override { return inner_.SetText(id, text); }
  std::string Click(int id) override { return inner_.Click(id); }
  std::string SetCheck(int id, bool checked) override { return inner_.SetCheck(id, checked); }
  std::string SelectIndex(int id, int index) override { return inner_.SelectIndex(id, index); }
  std::string SelectText(int id, const std::string& text) override { return inner_.SelectText(id, text); }
  std::string DoubleClick(int id, int index) override { return inner_.DoubleClick(id, index); }
  std::string SelectCell(int id, int row, int column) override { return inner_.SelectCell(id, row, column); }
  void Ok() override { inner_.Ok(); }
  void Cancel() override { inner_.Cancel(); }

 private:
  ui::ModalSurface& inner_;
  const std::function<bool()>& cancelling_;
  std::function<void()> start_line_;
};

}  // namespace

HostDriver::HostDriver(ui::UiDriver& inner, std::function<bool()> cancelling)
    : inner_(inner), cancelling_(std::move(cancelling)) {}

int HostDriver::MessageBox(const std::string& text, const std::string& caption, UINT type) {
  if (Cancelling()) {
    const int result = ui::EscapeMessageBoxResult(type);
    PrintLine(ui::FormatMessageBox(text, caption, type) + " -> " + ui::MessageBoxResultWord(result));
    return result;
  }
  StartLine();
  const int result = inner_.MessageBox(text, caption, type);
  at_line_start_ = true;
  return result;
}

void HostDriver::RunModal(ui::ModalSurface& dialog) {
  if (Cancelling()) {
    PrintLine("Dialog: " + dialog.Caption() + " -> cancel");
    dialog.Cancel();
    return;
  }
  StartLine();
  WindDownSurface surface(dialog, cancelling_, [this] { StartLine(); });
  inner_.RunModal(surface);
  at_line_start_ = true;
}

std::optional<std::string> HostDriver::AskFile(const ui::FileDialogRequest& request) {
  if (Cancelling()) {
    PrintLine((request.title.empty() ? std::string("File dialog") : request.title) + " -> cancel");
    return std::nullopt;
  }
  StartLine();
  std::optional<std::string> answer = inner_.AskFile(request);
  at_line_start_ = true;
  return answer;
}

ui::InputLine HostDriver::ReadLine(const std::string& prompt) {
  if (Cancelling()) {
    PrintLine(PromptText(prompt) + "*Cancel*");
    return {ui::InputStatus::kCancelled, {}};
  }
  // A prompt's leading newline only starts a new line; at a line start it would leave a blank one.
  std::string shown = prompt;
  if (at_line_start_) shown = PromptText(prompt);
  ui::InputLine line = inner_.ReadLine(shown);
  at_line_start_ = true;
  return line;
}

void HostDriver::Print(const std::string& text) {
  if (text.empty()) return;
  std::string shown = text;
  if (at_line_start_ && shown.front() == '\n') shown.erase(0, 1);
  if (shown.empty()) return;
  inner_.Print(shown);
  at_line_start_ = shown.back() == '\n';
}

void HostDriver::PrintLine(const std::string& text) {
  const bool ends_line = !text.empty() && text.back() == '\n';
  Print("\n" + text + (ends_line ? "" : "\n"));
}

void HostDriver::StartLine() {
  if (!at_line_start_) Print("\n");
}

bool HostDriver::IsKeyDown(int virtual_key) {
  if (Cancelling()) return virtual_key == VK_ESCAPE;
  // A key line the script is about to give stands on a line of its own.
  if (!at_line_start_ && inner_.KeysArePresses() && inner_.KeysCanCome()) StartLine();
  return inner_.IsKeyDown(virtual_key);
}

void HostDriver::Fail(const std::string& why) {
  StartLine();
  inner_.Fail(why);
  at_line_start_ = true;
}

}  // namespace host
