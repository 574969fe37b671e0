// The NC find commands: by line number, by sequence number, the next address
// letter, and the start and end of the text. None changes the text.
#pragma once

#include "editor/textedit/view/text_view.h"

namespace nc {

void FindLineNumber(CVellumTextView* view);
void FindSequenceNumber(CVellumTextView* view);
// Searches from the caret for the letter (upper case) before each line's first non-ASCII byte.
void FindAddressLetter(CVellumTextView* view, char letter);
// The position of the next letter from `from`, or FALSE.
BOOL NextAddressLetter(CVellumTextView* view, char letter, TextPosition from, TextPosition& found);
void GoToTextStart(CVellumTextView* view);
void GoToTextEnd(CVellumTextView* view);

// Makes line the top line when it lies below the view's screen.
void ScrollToShow(CVellumTextView* view, int line);

}  // namespace nc
