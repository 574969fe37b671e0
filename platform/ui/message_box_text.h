// How a text driver shows a message box and which answer words it takes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/wintypes/windows_types.h"

namespace ui {

struct MessageBoxButton {
  const char* word;  // "ok", "cancel", "yes", ...
  int result;        // IDOK, IDCANCEL, IDYES, ...
};

// The buttons of a box of this type, in the order it shows them.
std::vector<MessageBoxButton> MessageBoxButtons(UINT type);

// The answer when nobody picks a button: the MB_DEFBUTTONn button.
int DefaultMessageBoxResult(UINT type);

// The answer of a run that is being abandoned: cancel, abort or no where the
// box has them, else its only button.
int EscapeMessageBoxResult(UINT type);

// The result for an answer word valid for this box (case-insensitive; "y" and
// "n" stand for yes and no).
std::optional<int> MessageBoxResultFromWord(std::string_view word, UINT type);

// "[caption] text {ok* cancel}", the default button starred.
std::string FormatMessageBox(const std::string& text, const std::string& caption, UINT type);

// Lower-case name of a result: "ok", "cancel", ...
std::string MessageBoxResultWord(int result);

}  // namespace ui
