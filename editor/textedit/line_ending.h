// The line-ending styles a text buffer loads and saves.
#pragma once

#include <string_view>

namespace line_ending {

constexpr int kAutomatic = -1;  // load: detect; save: the buffer's own style
constexpr int kCrLf = 0;
constexpr int kLfCr = 1;
constexpr int kLf = 2;
constexpr int kCr = 3;

bool IsValidStyle(int style);
// The ending's bytes; CR LF for anything that is not a valid style.
std::string_view Bytes(int style);
// The status bar's name of a style: "DOS" (CR LF), "UNIX" (LF), "MAC" (CR)
// and "LF CR".
const char* StatusText(int style);

// The style a file uses, judged by the bytes around its first LF
// (-1 where there is no byte): CR before it means CR LF, CR after it LF CR,
// anything else LF.
int StyleAroundFirstLf(int byte_before, int byte_after);
// The style of a file without any LF: CR when it holds a CR, else CR LF.
int StyleWithoutLf(bool has_cr);

}  // namespace line_ending
