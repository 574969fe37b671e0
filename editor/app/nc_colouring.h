// NC syntax colouring: the colour blocks of one line of an NC program and
// the state (cookie) that the line hands to the next one. Address letters,
// G00-G03, parenthesised comments, quoted strings, '#' lines and block-skip
// slashes get colours of their own.
#pragma once

#include <string_view>
#include <vector>

#include "editor/textedit/view/text_view.h"

// Cookie bits.
constexpr DWORD NC_COOKIE_REST_OF_LINE = 0x01;  // a block-skip slash was met
constexpr DWORD NC_COOKIE_HASH_LINE = 0x02;     // the line's first non-blank character was '#'
constexpr DWORD NC_COOKIE_PARENTHESIS = 0x04;   // inside "(" ... ")"
constexpr DWORD NC_COOKIE_DOUBLE_QUOTE = 0x08;  // inside "..."
constexpr DWORD NC_COOKIE_SINGLE_QUOTE = 0x10;  // inside '...'

// Colour indices of the NC view.
constexpr int NC_COLOUR_VALUE = 4;
constexpr int NC_COLOUR_AXIS = 6;
constexpr int NC_COLOUR_ADDRESS = 7;
constexpr int NC_COLOUR_STRING = 10;
constexpr int NC_COLOUR_HASH_LINE = 11;
constexpr int NC_COLOUR_MSF = 17;
constexpr int NC_COLOUR_IJT = 18;
constexpr int NC_COLOUR_COMMENT = 19;

// The cookie for the next line; appends the line's blocks, by increasing
// position, when blocks is given. With colouring off nothing is appended.
DWORD NcColourBlocks(DWORD cookie, std::string_view line, BOOL colouring_off, std::vector<ColourBlock>* blocks);

// The same for a line of a text view, with the view's colouring switch.
DWORD NcColourViewLine(CVellumTextView& view, DWORD cookie, int line, std::vector<ColourBlock>* blocks);
