// Character boundaries in UTF-8 line text, so that edits never cut a
// multi-byte character. Bytes that do not form a valid sequence count as
// characters of their own.
#pragma once

namespace utf8_boundary {

// The start of the character that holds byte column (column clamped to 0..length).
int CharStart(const char* text, int length, int column);

// Column itself when it starts a character, else the end of the character that holds it.
int CharEnd(const char* text, int length, int column);

}  // namespace utf8_boundary
