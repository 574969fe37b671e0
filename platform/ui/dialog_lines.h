// The lines that act on an open modal dialog (set, click, check, uncheck,
// select, dblclick, ok, cancel, show), shared by the text drivers.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/ui/ui_driver.h"

namespace ui {

enum class DialogVerb { kSet, kClick, kCheck, kUncheck, kSelect, kDoubleClick, kOk, kCancel, kShow };

struct DialogLine {
  DialogVerb verb = DialogVerb::kShow;
  std::string target;  // resource id digits, or the label without its quotes
  bool target_is_label = false;
  std::string argument;  // text of set, index or entry of select/dblclick
  bool argument_quoted = false;
};

// Parses one line. On a malformed line returns nullopt and says why in *error.
std::optional<DialogLine> ParseDialogLine(std::string_view line, std::string* error);

// Runs a parsed line on the dialog; `show` prints to out. Returns an empty
// string, or why the dialog refused the line.
std::string RunDialogLine(ModalSurface& dialog, const DialogLine& line, std::ostream& out);

// "Dialog: caption"
std::string DialogHeader(const ModalSurface& dialog);

// One control as `show` prints it (one line, plus one line per entry of a list).
std::string FormatControl(const ControlInfo& control);

// The header and every control.
void PrintDialog(const ModalSurface& dialog, std::ostream& out);

}  // namespace ui
