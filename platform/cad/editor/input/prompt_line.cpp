#include "platform/cad/editor/input/prompt_line.h"

#include "platform/ui/ui_driver.h"

namespace cadeditor {

namespace {

struct PromptState {
  InputRules rules;
  std::optional<std::string> keyword;
  bool at_line_start = true;
};

PromptState& State() {
  static PromptState state;
  return state;
}

// The caller's "\n" asks for a fresh line; the transcript may be on one already.
std::string WithoutRedundantNewline(const std::string& text) {
  if (!text.empty() && text.front() == '\n' && State().at_line_start) return text.substr(1);
  return text;
}

}  // namespace

void SetInputRules(int flags, const char* keywords) {
  State().rules.flags = flags;
  State().rules.keywords = KeywordList(keywords != nullptr ? keywords : "");
}

InputRules TakeInputRules() {
  InputRules rules = std::move(State().rules);
  State().rules = InputRules();
  return rules;
}

void RememberKeyword(const std::string& keyword) { State().keyword = keyword; }

std::optional<std::string> LastKeyword() { return State().keyword; }

std::optional<std::string> AskLine(const char* prompt) {
  std::string text = WithoutRedundantNewline(prompt != nullptr ? prompt : "");
  if (!text.empty() && text.front() == '\n') {
    ui::Ui().Print("\n");
    text.erase(0, 1);
  }
  const ui::InputLine line = ui::Ui().ReadLine(text);
  State().at_line_start = true;
  if (line.status != ui::InputStatus::kLine) return std::nullopt;
  return line.text;
}

bool RefuseLine(const std::string& message) {
  ui::Ui().Fail(message);
  State().at_line_start = true;
  return !ui::Ui().Failed();
}

void PrintText(const std::string& text) {
  const std::string shown = WithoutRedundantNewline(text);
  if (shown.empty()) return;
  ui::Ui().Print(shown);
  State().at_line_start = shown.back() == '\n';
}

void EndTranscriptLine() {
  if (State().at_line_start) return;
  ui::Ui().Print("\n");
  State().at_line_start = true;
}

}  // namespace cadeditor
