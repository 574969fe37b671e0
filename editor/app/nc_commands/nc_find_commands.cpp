#include "editor/app/nc_commands/nc_find_commands.h"

#include <algorithm>

#include "editor/app/nc_commands/nc_command_support.h"
#include "editor/app/nc_commands/nc_dialogs.h"

namespace nc {

namespace {

TextPosition SelectionEnd(CVellumTextView* view) {
  TextPosition start;
  TextPosition end;
  view->GetSelection(start, end);
  return end;
}

void ReturnTo(CVellumTextView* view, TextPosition place) { Select(view, place, place, place); }

}  // namespace

void ScrollToShow(CVellumTextView* view, int line) {
  const int visible = std::max(3, view->ScreenLines());
  if (line > visible - 2)
    ScrollTo(view, line - visible + 2);
  else if (line < view->TopLine())
    ScrollTo(view, line);
}

void FindLineNumber(CVellumTextView* view) {
  CLineNumberDialog dialog;
  if (dialog.DoModal() != IDOK) return;
  const int line = dialog.m_nLine - 1;
  if (line < 0 || line >= view->TextLineCount()) {
    ShowAppMessage("라인번호를 찾지 못했습니다.");
    return;
  }
  const int column = std::min(1, view->TextLineLength(line));
  Select(view, {0, line}, {column, line}, {column, line});
  if (line > 23) ScrollTo(view, line - 23);
}

void FindSequenceNumber(CVellumTextView* view) {
  CSequenceNumberDialog dialog;
  if (dialog.DoModal() != IDOK) return;
  const std::string wanted = dialog.m_strNumber.str();
  const TextPosition back = SelectionEnd(view);
  if (wanted.size() >= 2 && wanted.size() <= 5) {
    for (int y = 0; y < view->TextLineCount(); ++y) {
      if (!LineOf(view, y).starts_with(wanted)) continue;
      const TextPosition end{static_cast<int>(wanted.size()), y};
      Select(view, {0, y}, end, end);
      if (y >= 24) ScrollTo(view, y - 23);
      return;
    }
  }
  ShowAppMessage("일련 번호를 찾지 못했습니다.");
  ReturnTo(view, back);
}

BOOL NextAddressLetter(CVellumTextView* view, char letter, TextPosition from, TextPosition& found) {
  for (int y = std::max(0, from.line); y < view->TextLineCount(); ++y) {
    const std::string_view area = AsciiPart(LineOf(view, y));
    const size_t start = y == from.line ? static_cast<size_t>(std::max(0, from.column)) : 0;
    // Comments are read from the line's start, so that a search from inside one skips its rest.
    for (size_t at = 0; at < area.size();) {
      if (area[at] == '(') {
        at = CommentEnd(area, at);
        continue;
      }
      if (at >= start && area[at] == letter) {
        found = {static_cast<int>(at), y};
        return TRUE;
      }
      ++at;
    }
  }
  return FALSE;
}

void FindAddressLetter(CVellumTextView* view, char letter) {
  const TextPosition back = SelectionEnd(view);
  TextPosition found;
  if (!NextAddressLetter(view, letter, view->GetCursorPosition(), found)) {
    ShowAppMessage(std::string(1, letter) + "(을) 찾지 못했습니다.");
    ReturnTo(view, back);
    return;
  }
  const TextPosition after{found.column + 1, found.line};
  Select(view, found, after, after);
  ScrollToShow(view, found.line);
}

void GoToTextStart(CVellumTextView* view) {
  ScrollTo(view, 0);
  ReturnTo(view, {0, 0});
}

void GoToTextEnd(CVellumTextView* view) {
  const int last = std::max(0, view->TextLineCount() - 1);
  ScrollTo(view, last - std::max(1, view->ScreenLines()) + 1);
  view->SetCursorPosition({0, last});
}

}  // namespace nc
