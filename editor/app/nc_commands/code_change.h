// The NC code change: tool (T), length offset (H), spindle speed (S) and feed
// (F) words, and the work offsets G54-G59, rewritten whole from the caret's
// line to the end with the values of the code-change dialog.
#pragma once

#include <string>

#include "editor/app/nc_commands/nc_command_support.h"

namespace nc {

struct CodeChangeValues {
  // Letter-indexed: the new number of each word letter that is switched on.
  std::string t, h, s, f;
  // "G54".."G57" when work offsets change, else empty.
  std::string work_offset;
};

// The line with its words changed, outside comments; hits counts the changed words.
std::string ChangeCodes(const std::string& line, const CodeChangeValues& values, int& hits);
// FALSE, with the reason in why, when a switched-on value is no number.
BOOL CheckCodeChangeValues(const CodeChangeValues& values, std::string& why);
void RunCodeChange(CVellumTextView* view);

}  // namespace nc
