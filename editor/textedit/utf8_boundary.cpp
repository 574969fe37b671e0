#include "editor/textedit/utf8_boundary.h"

#include <algorithm>

namespace utf8_boundary {
namespace {

bool IsContinuation(char ch) { return (static_cast<unsigned char>(ch) & 0xC0) == 0x80; }

// Bytes in the sequence that a lead byte starts; 0 when ch cannot lead one.
int SequenceLength(char ch) {
  const auto byte = static_cast<unsigned char>(ch);
  if (byte >= 0xC2 && byte <= 0xDF) return 2;
  if (byte >= 0xE0 && byte <= 0xEF) return 3;
  if (byte >= 0xF0 && byte <= 0xF4) return 4;
  return 0;
}

// The lead byte's index when column lies inside a complete sequence, else -1.
int LeadOfSequenceAround(const char* text, int length, int column) {
  if (column <= 0 || column >= length || !IsContinuation(text[column])) return -1;
  for (int back = 1; back <= 3 && column - back >= 0; ++back) {
    const int lead = column - back;
    if (IsContinuation(text[lead])) continue;
    const int size = SequenceLength(text[lead]);
    if (size <= back || lead + size > length) return -1;
    for (int i = lead + 1; i < lead + size; ++i) {
      if (!IsContinuation(text[i])) return -1;
    }
    return lead;
  }
  return -1;
}

}  // namespace

int CharStart(const char* text, int length, int column) {
  column = std::clamp(column, 0, std::max(length, 0));
  const int lead = LeadOfSequenceAround(text, length, column);
  return lead < 0 ? column : lead;
}

int CharEnd(const char* text, int length, int column) {
  column = std::clamp(column, 0, std::max(length, 0));
  const int lead = LeadOfSequenceAround(text, length, column);
  return lead < 0 ? column : lead + SequenceLength(text[lead]);
}

}  // namespace utf8_boundary
