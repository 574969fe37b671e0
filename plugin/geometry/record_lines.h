// Reading and writing a parameter record line by line.
#pragma once

#include <string>

#include "platform/classlib/cstring.h"

// One record line: the text up to the next line feed (or the end), cursor moved
// past it. False at the end of the text.
bool TakeRecordLine(const char*& cursor, std::string& line);

// Appends one record line made with a printf format (numbers in the "C" locale).
template <class... T>
void AppendRecordLine(CString& text, const char* format, T... values) {
  CString line;
  line.Format(format, values...);
  text += line;
}

// True when the text starts (after blanks) with the tag standing on its own.
bool RecordStartsWithTag(const char* text, const char* tag);
