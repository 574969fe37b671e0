// What the NC commands share: the document's lines, the one way they change
// the document (only the changed lines, as one undo step, never in a
// read-only document), their message boxes and their scrolling.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/textedit/view/text_view.h"

namespace nc {

using Lines = std::vector<std::string>;

constexpr char kMessageCaption[] = "메시지";
constexpr char kQuestionCaption[] = "질문";

// The lines of the NC program file at path (a settings-style or Linux path),
// without their endings; FALSE when it is no regular file or cannot be read.
BOOL ReadProgramLines(const std::string& path, Lines& lines);

// The view's text, one entry a line.
Lines DocumentLines(CVellumTextView* view);
std::string_view LineOf(CVellumTextView* view, int line);

// TRUE (after saying so) when the view has no buffer or its document is read-only.
BOOL RefuseReadOnly(CVellumTextView* view);

// Makes the view's text these lines: the lines that differ are replaced
// through the buffer as one undo step, which marks the document modified.
// FALSE when nothing differed or the buffer refused.
BOOL ReplaceDocumentLines(CVellumTextView* view, const Lines& lines, int action = 0);

void ShowMessage(const std::string& text);
// TRUE for Yes.
BOOL AskQuestion(const std::string& text, const char* caption = kQuestionCaption);
// With the program's name as caption.
void ShowAppMessage(const std::string& text);

// Makes line the top line, clamped to the text.
void ScrollTo(CVellumTextView* view, int line);
// Selects from start to end with the caret at caret.
void Select(CVellumTextView* view, TextPosition start, TextPosition end, TextPosition caret);

// The text before its first byte of 0x80 or above.
std::string_view AsciiPart(std::string_view line);
// Where a comment that opens at open ends, as the block parser reads it:
// behind its ')', or at the line's end when it is not closed.
size_t CommentEnd(std::string_view line, size_t open);
// TRUE when c is an ASCII digit.
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace nc
