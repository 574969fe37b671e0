#include "editor/textedit/owned_line.h"

#include <cstring>

TextOwnedLine TextOwnedLine::Make(const char* bytes, int count) {
  TextOwnedLine line;
  line.capacity = CapacityFor(count);
  line.text = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(line.capacity));
  if (count > 0) std::memcpy(line.text.get(), bytes, static_cast<size_t>(count));
  line.length = count;
  return line;
}

void TextOwnedLine::Append(const char* bytes, int count) {
  if (count <= 0) return;
  const int new_length = length + count;
  if (new_length < capacity) {
    std::memmove(text.get() + length, bytes, static_cast<size_t>(count));
  } else {
    // Copy before the old block goes, in case bytes point into it.
    const int new_capacity = CapacityFor(new_length);
    auto block = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(new_capacity));
    if (length > 0) std::memcpy(block.get(), text.get(), static_cast<size_t>(length));
    std::memcpy(block.get() + length, bytes, static_cast<size_t>(count));
    text = std::move(block);
    capacity = new_capacity;
  }
  length = new_length;
}

void TextOwnedLine::Erase(int from, int to) {
  std::memmove(text.get() + from, text.get() + to, static_cast<size_t>(length - to));
  length -= to - from;
}
