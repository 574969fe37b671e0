#include "editor/app/nc_commands/nc_command_support.h"

#include <algorithm>
#include <cstdint>

#include "editor/textedit/edit/undo_group.h"
#include "platform/classlib/dialogs/afx_message_box.h"
#include "platform/win/message_box.h"
#include "platform/win/regular_file_reader.h"
#include "platform/win/win_paths.h"

namespace nc {

BOOL ReadProgramLines(const std::string& path, Lines& lines) {
  // Other programs merged in: never a FIFO or device, and no more than a document may hold.
  constexpr std::uintmax_t kMaxProgramBytes = std::uintmax_t{4} << 30;
  std::string text;
  if (win::ReadRegularFile(win::ToUnixPath(path), kMaxProgramBytes, text) != win::FileRead::kRead) return FALSE;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return TRUE;
}

namespace {

std::string Joined(const Lines& lines, size_t first, size_t last) {
  std::string text;
  for (size_t i = first; i < last; ++i) {
    if (i > first) text += "\r\n";
    text += lines[i];
  }
  return text;
}

BOOL Insert(CVellumTextBuffer* buffer, CVellumTextView* view, int line, int column, const std::string& text,
            int action) {
  if (text.empty()) return TRUE;
  int end_line = 0;
  int end_column = 0;
  return buffer->InsertText(view, line, column, text.c_str(), end_line, end_column, action);
}

}  // namespace

std::string_view LineOf(CVellumTextView* view, int line) {
  const char* chars = view->TextLineChars(line);
  return chars != nullptr ? std::string_view(chars, static_cast<size_t>(view->TextLineLength(line)))
                          : std::string_view();
}

Lines DocumentLines(CVellumTextView* view) {
  Lines lines;
  const int count = view->TextLineCount();
  lines.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) lines.emplace_back(LineOf(view, i));
  return lines;
}

BOOL RefuseReadOnly(CVellumTextView* view) {
  CVellumTextBuffer* buffer = view->GetTextBuffer();
  if (buffer == nullptr) return TRUE;
  if (!buffer->GetReadOnly()) return FALSE;
  ShowMessage("읽기전용 문서이므로 바꿀 수 없습니다.");
  return TRUE;
}

BOOL ReplaceDocumentLines(CVellumTextView* view, const Lines& wanted, int action) {
  CVellumTextBuffer* buffer = view->GetTextBuffer();
  if (buffer == nullptr || buffer->GetReadOnly()) return FALSE;
  const Lines old = DocumentLines(view);
  const Lines fresh = wanted.empty() ? Lines{""} : wanted;
  const size_t n = old.size();
  const size_t m = fresh.size();
  size_t p = 0;
  while (p < n && p < m && old[p] == fresh[p]) ++p;
  if (p == n && p == m) return FALSE;
  size_t q = 0;
  while (q < n - p && q < m - p && old[n - 1 - q] == fresh[m - 1 - q]) ++q;
  const int first = static_cast<int>(p);
  const int old_end = static_cast<int>(n - q);  // old lines [p, old_end) go
  const std::string text = Joined(fresh, p, m - q);
  CUndoGroup group(buffer, view);
  BOOL done = TRUE;
  if (old_end > first && m - q > p) {
    done = buffer->DeleteText(view, first, 0, old_end - 1, static_cast<int>(old[n - q - 1].size()), action) &&
           Insert(buffer, view, first, 0, text, action);
  } else if (m - q > p) {
    done = p < n ? Insert(buffer, view, first, 0, text + "\r\n", action)
                 : Insert(buffer, view, first - 1, static_cast<int>(old[n - 1].size()), "\r\n" + text, action);
  } else if (q > 0) {
    done = buffer->DeleteText(view, first, 0, old_end, 0, action);
  } else {
    done = buffer->DeleteText(view, first - 1, static_cast<int>(old[p - 1].size()), static_cast<int>(n - 1),
                              static_cast<int>(old[n - 1].size()), action);
  }
  return done;
}

void ShowMessage(const std::string& text) { ::MessageBox(nullptr, text.c_str(), kMessageCaption, MB_OK); }

BOOL AskQuestion(const std::string& text, const char* caption) {
  return ::MessageBox(nullptr, text.c_str(), caption, MB_YESNO) == IDYES;
}

void ShowAppMessage(const std::string& text) { AfxMessageBox(text.c_str(), MB_OK); }

void ScrollTo(CVellumTextView* view, int line) {
  const int last = std::max(0, view->TextLineCount() - 1);
  view->ScrollToLine(std::clamp(line, 0, last));
}

void Select(CVellumTextView* view, TextPosition start, TextPosition end, TextPosition caret) {
  view->SetSelection(start, end);
  view->SetAnchor(start);
  view->SetCursorPosition(caret);
}

std::string_view AsciiPart(std::string_view line) {
  const auto at = std::find_if(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  return line.substr(0, static_cast<size_t>(at - line.begin()));
}

size_t CommentEnd(std::string_view line, size_t open) {
  const size_t close = line.find(')', open);
  return close == std::string_view::npos ? line.size() : close + 1;
}

}  // namespace nc
