// A place in the text: character (byte) index in the line and line index.
// Places compare line first, then index.
#pragma once

struct TextPosition {
  int column = 0;
  int line = 0;

  friend bool operator==(const TextPosition&, const TextPosition&) = default;
  friend bool operator<(const TextPosition& a, const TextPosition& b) {
    return a.line != b.line ? a.line < b.line : a.column < b.column;
  }
  friend bool operator>(const TextPosition& a, const TextPosition& b) { return b < a; }
  friend bool operator<=(const TextPosition& a, const TextPosition& b) { return !(b < a); }
  friend bool operator>=(const TextPosition& a, const TextPosition& b) { return !(a < b); }
};
