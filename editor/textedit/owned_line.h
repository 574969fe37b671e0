// The bytes of one line that has a block of its own (a line changed since
// the load, or made by an edit), without the line ending, in a block whose
// size follows a fixed rule so that typing rarely reallocates.
#pragma once

#include <memory>
#include <string_view>

#include "platform/wintypes/windows_types.h"

struct TextOwnedLine {
  std::unique_ptr<char[]> text;  // no terminating zero
  int length = 0;
  int capacity = 0;  // a multiple of 16, always greater than length
  DWORD flags = 0;

  // The block size for a line of length bytes.
  static int CapacityFor(int length) { return (length / 16 + 1) * 16; }

  static TextOwnedLine Make(const char* bytes, int count);

  std::string_view View() const { return {text.get(), static_cast<size_t>(length)}; }
  void Append(const char* bytes, int count);
  void Truncate(int new_length) { length = new_length; }
  void Erase(int from, int to);
};
