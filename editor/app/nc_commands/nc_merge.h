// The NC data merge: several NC program files, optionally after the
// document's own text, joined into one program with one start and one end.
#pragma once

#include <string>
#include <vector>

#include "editor/app/nc_commands/nc_command_support.h"

namespace nc {

struct MergeOptions {
  bool start_with_document = true;
  // Drop the starts and ends between the programs instead of commenting them out.
  bool drop = false;
};

// TRUE when the line holds the word M30 outside comments.
BOOL IsProgramEndLine(std::string_view line);
// The joined program; FALSE, with why, when an entry cannot be read (out is then untouched).
BOOL MergePrograms(const Lines& document, const std::vector<std::string>& paths, const MergeOptions& options,
                   Lines& out, std::string& why);
void RunNcMerge(CVellumTextView* view);

}  // namespace nc
