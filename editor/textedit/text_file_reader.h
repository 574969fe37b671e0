// Reads a text file into the lines of a buffer, cut at one line-ending style.
#pragma once

#include "editor/textedit/line_store.h"

struct TextFileContents {
  TextLineStore lines;
  int style = 0;
  bool read_only = false;  // no write permission bits, or not writable by us
};

// style -1 detects it from the file's first LF. False when the file is
// missing, not a regular file, unreadable, holds a line too long to keep, or
// needs more memory than can be had.
bool ReadTextFile(const char* path, int style, TextFileContents& contents);
