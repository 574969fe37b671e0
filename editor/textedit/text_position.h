// A place in the text: character (byte) index in the line and line index.
#pragma once

struct TextPosition {
  int column = 0;
  int line = 0;

  friend bool operator==(const TextPosition&, const TextPosition&) = default;
};
