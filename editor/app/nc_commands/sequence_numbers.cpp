#include "editor/app/nc_commands/sequence_numbers.h"

#include "editor/app/nc_commands/nc_dialogs.h"
#include "editor/textedit/edit_action.h"

namespace nc {

std::string WithoutSequenceNumber(const std::string& line) {
  if (line.size() < 2 || line[0] != 'N' || !IsDigit(line[1])) return line;
  size_t end = 1;
  while (end < line.size() && IsDigit(line[end])) ++end;
  return line.substr(end);
}

void RemoveSequenceNumbers(CVellumTextView* view) {
  if (RefuseReadOnly(view)) return;
  Lines lines = DocumentLines(view);
  for (std::string& line : lines) line = WithoutSequenceNumber(line);
  const TextPosition caret = view->GetCursorPosition();
  if (ReplaceDocumentLines(view, lines, ActionDelete)) {
    const int line = std::min(caret.line, view->TextLineCount() - 1);
    Select(view, {0, line}, {0, line}, {0, line});
  }
}

void SelectRangeToText(CVellumTextView* view) {
  CRangeDialog dialog;
  if (dialog.DoModal() != IDOK) return;
  const std::string wanted = dialog.m_strText.str();
  TextPosition start;
  TextPosition back;
  view->GetSelection(start, back);
  const TextPosition from = view->GetCursorPosition();
  for (int y = from.line; !wanted.empty() && y < view->TextLineCount(); ++y) {
    const std::string_view line = LineOf(view, y);
    const size_t column = y == from.line ? static_cast<size_t>(from.column) : 0;
    const size_t at = column <= line.size() ? line.find(wanted, column) : std::string_view::npos;
    if (at == std::string_view::npos) continue;
    const TextPosition end{static_cast<int>(at + wanted.size()), y};
    Select(view, from, end, end);
    return;
  }
  ShowAppMessage("해당어를 찾지 못했습니다.");
  Select(view, back, back, back);
}

}  // namespace nc
