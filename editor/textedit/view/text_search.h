// Text search over the lines of a text, forwards and backwards, optionally
// limited to a block and wrapping around it.
#pragma once

#include <functional>
#include <string_view>

#include "editor/textedit/text_position.h"
#include "platform/wintypes/windows_types.h"

// Search options, combined in one integer.
enum FindFlags : DWORD {
  FIND_MATCH_CASE = 0x01,
  FIND_WHOLE_WORD = 0x02,
  FIND_DIRECTION_UP = 0x10,
};

// The text of one line of the searched text.
using SearchLineSource = std::function<std::string_view(int line)>;

// Looks for what in the block from block_start up to (not including)
// block_end. Downwards it finds the first occurrence that starts at or behind
// from; upwards (FIND_DIRECTION_UP) the last one that starts before from. A
// match lies wholly inside the block and starts and ends at character
// boundaries. Without FIND_MATCH_CASE, ASCII letters match in either case;
// with FIND_WHOLE_WORD the characters around a match are no word characters.
// When nothing is found and wrap is set, the whole block is searched once
// more (from its start downwards, from its end upwards). found receives the
// match's start.
bool SearchBlock(const SearchLineSource& lines, std::string_view what, TextPosition from, TextPosition block_start,
                 TextPosition block_end, DWORD flags, bool wrap, TextPosition* found);
