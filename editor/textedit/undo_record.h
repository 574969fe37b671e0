// One recorded edit of a text buffer, enough to take it back and redo it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/textedit/text_position.h"
#include "platform/wintypes/windows_types.h"

struct TextUndoRecord {
  static constexpr DWORD kInsertion = 0x0001;   // else a deletion
  static constexpr DWORD kGroupStart = 0x0100;  // the first record of one undo step

  DWORD flags = 0;
  TextPosition start;
  TextPosition end;  // behind the inserted or deleted text
  int action = 0;
  // Inserted text as given; deleted text with "\r\n" between its lines.
  // Short texts stay inside the string object itself.
  std::string text;
  // Deletions: where each "\r\n" that joins two deleted lines starts in text.
  // Lines may hold CR LF of their own, so the text alone cannot tell.
  std::vector<int> line_breaks;

  bool IsInsertion() const { return (flags & kInsertion) != 0; }
  bool StartsGroup() const { return (flags & kGroupStart) != 0; }

  // The deleted lines, exactly as they were.
  std::vector<std::string_view> DeletedLines() const;
};
