#include "platform/ui/message_box_text.h"

#include <cctype>

namespace ui {
namespace {

constexpr MessageBoxButton kOk{"ok", IDOK};
constexpr MessageBoxButton kCancel{"cancel", IDCANCEL};
constexpr MessageBoxButton kAbort{"abort", IDABORT};
constexpr MessageBoxButton kRetry{"retry", IDRETRY};
constexpr MessageBoxButton kIgnore{"ignore", IDIGNORE};
constexpr MessageBoxButton kYes{"yes", IDYES};
constexpr MessageBoxButton kNo{"no", IDNO};

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::vector<MessageBoxButton> MessageBoxButtons(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return {kOk, kCancel};
    case MB_ABORTRETRYIGNORE:
      return {kAbort, kRetry, kIgnore};
    case MB_YESNOCANCEL:
      return {kYes, kNo, kCancel};
    case MB_YESNO:
      return {kYes, kNo};
    case MB_RETRYCANCEL:
      return {kRetry, kCancel};
    default:
      return {kOk};
  }
}

int DefaultMessageBoxResult(UINT type) {
  const std::vector<MessageBoxButton> buttons = MessageBoxButtons(type);
  size_t index = 0;
  if ((type & MB_DEFMASK) == MB_DEFBUTTON2) index = 1;
  if ((type & MB_DEFMASK) == MB_DEFBUTTON3) index = 2;
  if (index >= buttons.size()) index = 0;
  return buttons[index].result;
}

int EscapeMessageBoxResult(UINT type) {
  const std::vector<MessageBoxButton> buttons = MessageBoxButtons(type);
  for (int wanted : {IDCANCEL, IDABORT, IDNO}) {
    for (const MessageBoxButton& button : buttons) {
      if (button.result == wanted) return wanted;
    }
  }
  return buttons.front().result;
}

std::optional<int> MessageBoxResultFromWord(std::string_view word, UINT type) {
  for (const MessageBoxButton& button : MessageBoxButtons(type)) {
    if (SameWord(word, button.word)) return button.result;
    // "y" and "n", as people answer yes/no questions.
    const bool yes_or_no = button.result == IDYES || button.result == IDNO;
    if (yes_or_no && word.size() == 1 && SameWord(word, std::string_view(button.word, 1))) return button.result;
  }
  return std::nullopt;
}

std::string FormatMessageBox(const std::string& text, const std::string& caption, UINT type) {
  std::string line = "[" + caption + "] " + text + " {";
  const int default_result = DefaultMessageBoxResult(type);
  bool first = true;
  for (const MessageBoxButton& button : MessageBoxButtons(type)) {
    if (!first) line += ' ';
    first = false;
    line += button.word;
    if (button.result == default_result) line += '*';
  }
  return line + "}";
}

std::string MessageBoxResultWord(int result) {
  for (const MessageBoxButton& button : {kOk, kCancel, kAbort, kRetry, kIgnore, kYes, kNo}) {
    if (button.result == result) return button.word;
  }
  return "?";
}

}  // namespace ui
