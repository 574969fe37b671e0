// The restart edit: a block found by its end point becomes the place where
// the program starts again. The text up to it is replaced by the program's
// head (up to its first spindle block) and an approach to the block's end.
#pragma once

#include <string>

#include "editor/app/nc_commands/nc_command_support.h"

namespace nc {

struct RestartPoint {
  int line = 0;  // the block restarted after
  float end[3] = {0, 0, 0};
  bool incremental = false;  // the program runs in G91 at that block
};

// TRUE when the line holds an S word outside comments.
BOOL HasSpindleWord(std::string_view line);
// The program rewritten to go on after point.line; empty when no spindle
// block comes before it (why then says so).
Lines RestartProgram(const Lines& lines, const RestartPoint& point, std::string& why);
void RunRestartEdit(CVellumTextView* view);

}  // namespace nc
