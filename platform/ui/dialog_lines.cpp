#include "platform/ui/dialog_lines.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace ui {
namespace {

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

struct VerbName {
  const char* name;
  DialogVerb verb;
};

constexpr VerbName kVerbs[] = {
    {"set", DialogVerb::kSet},         {"click", DialogVerb::kClick},   {"check", DialogVerb::kCheck},
    {"uncheck", DialogVerb::kUncheck}, {"select", DialogVerb::kSelect}, {"dblclick", DialogVerb::kDoubleClick},
    {"ok", DialogVerb::kOk},           {"cancel", DialogVerb::kCancel}, {"show", DialogVerb::kShow},
};

std::optional<DialogVerb> VerbFromName(std::string_view name) {
  const std::string lower = Lower(name);
  for (const VerbName& verb : kVerbs) {
    if (lower == verb.name) return verb.verb;
  }
  return std::nullopt;
}

// Splits off the leading word or "quoted text"; rest gets what follows.
bool TakeToken(std::string_view& rest, std::string* token, bool* quoted, std::string* error) {
  rest = TrimSpaces(rest);
  *quoted = !rest.empty() && rest.front() == '"';
  if (*quoted) {
    const size_t close = rest.find('"', 1);
    if (close == std::string_view::npos) {
      *error = "missing closing quote";
      return false;
    }
    *token = std::string(rest.substr(1, close - 1));
    rest.remove_prefix(close + 1);
    return true;
  }
  size_t end = 0;
  while (end < rest.size() && !std::isspace(static_cast<unsigned char>(rest[end]))) ++end;
  *token = std::string(rest.substr(0, end));
  rest.remove_prefix(end);
  return true;
}

std::string Unquoted(std::string_view text, bool* quoted) {
  *quoted = text.size() >= 2 && text.front() == '"' && text.back() == '"';
  if (*quoted) return std::string(text.substr(1, text.size() - 2));
  return std::string(text);
}

// Labels compare as written, or without '&' mnemonics and ASCII case.
std::string LooseLabel(std::string_view label) {
  std::string out;
  for (char c : label) {
    if (c != '&') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

std::string ControlIdList(const std::vector<int>& ids) {
  std::string out;
  for (int id : ids) out += (out.empty() ? "" : ", ") + std::to_string(id);
  return out;
}

bool ResolveTarget(const ModalSurface& dialog, const DialogLine& line, int* id, std::string* error) {
  const std::vector<ControlInfo> controls = dialog.Controls();
  if (!line.target_is_label) {
    const std::optional<int> number = ParseInt(line.target);
    if (!number) {
      *error = "expected a control id or a \"label\", not '" + line.target + "'";
      return false;
    }
    for (const ControlInfo& control : controls) {
      if (control.id == *number) {
        *id = *number;
        return true;
      }
    }
    *error = "the dialog \"" + dialog.Caption() + "\" has no control " + line.target;
    return false;
  }
  std::vector<int> exact;
  std::vector<int> loose;
  for (const ControlInfo& control : controls) {
    if (control.label == line.target) exact.push_back(control.id);
    if (LooseLabel(control.label) == LooseLabel(line.target)) loose.push_back(control.id);
  }
  const std::vector<int>& found = exact.empty() ? loose : exact;
  if (found.size() == 1) {
    *id = found.front();
    return true;
  }
  if (found.empty()) {
    *error = "the dialog \"" + dialog.Caption() + "\" has no control labelled \"" + line.target + "\"";
  } else {
    *error = "the label \"" + line.target + "\" names several controls (" + ControlIdList(found) + "); use the id";
  }
  return false;
}

std::optional<ControlInfo> FindControl(const ModalSurface& dialog, int id) {
  for (const ControlInfo& control : dialog.Controls()) {
    if (control.id == id) return control;
  }
  return std::nullopt;
}

// "ROW COLUMN": a click on one cell of a report list.
bool ParseCell(const DialogLine& line, int* row, int* column) {
  if (line.argument_quoted) return false;
  const std::string_view argument = line.argument;
  const size_t blank = argument.find(' ');
  if (blank == std::string_view::npos) return false;
  const std::optional<int> first = ParseInt(argument.substr(0, blank));
  const std::optional<int> second = ParseInt(TrimSpaces(argument.substr(blank + 1)));
  if (!first || !second) return false;
  *row = *first;
  *column = *second;
  return true;
}

// An entry given by index, or by its text when quoted or not a number.
std::string ChooseEntry(ModalSurface& dialog, int id, const DialogLine& line, bool double_click) {
  const std::optional<int> index = line.argument_quoted ? std::nullopt : ParseInt(line.argument);
  int row = 0;
  int column = 0;
  if (!double_click && ParseCell(line, &row, &column)) return dialog.SelectCell(id, row, column);
  if (!double_click) {
    return index ? dialog.SelectIndex(id, *index) : dialog.SelectText(id, line.argument);
  }
  if (index) return dialog.DoubleClick(id, *index);
  const std::optional<ControlInfo> control = FindControl(dialog, id);
  if (control) {
    for (size_t i = 0; i < control->items.size(); ++i) {
      if (control->items[i] == line.argument) return dialog.DoubleClick(id, static_cast<int>(i));
    }
  }
  return "control " + std::to_string(id) + " has no entry \"" + line.argument + "\"";
}

bool ShowsAsText(const std::string& kind) { return kind != "check" && kind != "radio"; }

// Buttons, frames and texts say all in their label.
bool HasValue(const std::string& kind) {
  return kind != "button" && kind != "group" && kind != "static" && kind != "picture";
}

}  // namespace

std::optional<DialogLine> ParseDialogLine(std::string_view text, std::string* error) {
  std::string_view rest = TrimSpaces(text);
  size_t verb_end = 0;
  while (verb_end < rest.size() && !std::isspace(static_cast<unsigned char>(rest[verb_end]))) ++verb_end;
  const std::string_view verb_name = rest.substr(0, verb_end);
  rest.remove_prefix(verb_end);
  const std::optional<DialogVerb> verb = VerbFromName(verb_name);
  if (!verb) {
    *error = "'" + std::string(TrimSpaces(text)) +
             "' is not a dialog line (set, click, check, uncheck, select, dblclick, ok, cancel, show)";
    return std::nullopt;
  }
  DialogLine line;
  line.verb = *verb;
  const std::string name(verb_name);
  if (*verb == DialogVerb::kOk || *verb == DialogVerb::kCancel || *verb == DialogVerb::kShow) {
    if (!TrimSpaces(rest).empty()) {
      *error = name + " takes nothing after it";
      return std::nullopt;
    }
    return line;
  }
  if (!TakeToken(rest, &line.target, &line.target_is_label, error)) return std::nullopt;
  if (line.target.empty() && !line.target_is_label) {
    *error = name + " needs a control id or a \"label\"";
    return std::nullopt;
  }
  // The text of set starts after one blank, so that leading blanks survive.
  if (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.front()))) rest.remove_prefix(1);
  std::string_view argument = rest;
  if (*verb != DialogVerb::kSet) argument = TrimSpaces(argument);
  line.argument = Unquoted(argument, &line.argument_quoted);
  switch (*verb) {
    case DialogVerb::kClick:
    case DialogVerb::kCheck:
    case DialogVerb::kUncheck:
      if (!argument.empty()) {
        *error = name + " takes only a control";
        return std::nullopt;
      }
      break;
    case DialogVerb::kSelect:
    case DialogVerb::kDoubleClick:
      if (argument.empty()) {
        *error = name + " needs an entry: an index or \"text\"";
        return std::nullopt;
      }
      break;
    default:
      break;
  }
  return line;
}

std::string RunDialogLine(ModalSurface& dialog, const DialogLine& line, std::ostream& out) {
  switch (line.verb) {
    case DialogVerb::kOk: {
      // Enter does nothing while the OK button is disabled.
      for (const ControlInfo& control : dialog.Controls()) {
        if (control.id == IDOK && (!control.enabled || !control.visible)) {
          return "the OK button \"" + control.label + "\" is " + (control.enabled ? "hidden" : "disabled");
        }
      }
      dialog.Ok();
      return {};
    }
    case DialogVerb::kCancel:
      dialog.Cancel();
      return {};
    case DialogVerb::kShow:
      PrintDialog(dialog, out);
      return {};
    default:
      break;
  }
  int id = 0;
  std::string error;
  if (!ResolveTarget(dialog, line, &id, &error)) return error;
  switch (line.verb) {
    case DialogVerb::kSet:
      return dialog.SetText(id, line.argument);
    case DialogVerb::kClick:
      return dialog.Click(id);
    case DialogVerb::kCheck:
      return dialog.SetCheck(id, true);
    case DialogVerb::kUncheck:
      return dialog.SetCheck(id, false);
    case DialogVerb::kSelect:
      return ChooseEntry(dialog, id, line, false);
    case DialogVerb::kDoubleClick:
      return ChooseEntry(dialog, id, line, true);
    default:
      return {};
  }
}

std::string DialogHeader(const ModalSurface& dialog) { return "Dialog: " + dialog.Caption(); }

std::string FormatControl(const ControlInfo& control) {
  std::string line = "  " + std::to_string(control.id) + " " + control.kind + " \"" + control.label + "\"";
  if (HasValue(control.kind)) {
    line += " = ";
    line += ShowsAsText(control.kind) ? "\"" + control.value + "\"" : control.value;
  }
  if (!control.enabled) line += " [disabled]";
  if (control.read_only) line += " [read-only]";
  if (!control.visible) line += " [hidden]";
  if (control.focused) line += " [focus]";
  for (size_t i = 0; i < control.items.size(); ++i) {
    line += "\n      " + std::to_string(i) + ": " + control.items[i];
  }
  return line;
}

void PrintDialog(const ModalSurface& dialog, std::ostream& out) {
  out << DialogHeader(dialog) << '\n';
  for (const ControlInfo& control : dialog.Controls()) out << FormatControl(control) << '\n';
}

}  // namespace ui
