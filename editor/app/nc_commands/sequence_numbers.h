// Removal of the sequence numbers that begin lines, and selection from the
// caret up to a text, ready for the delete key.
#pragma once

#include <string>

#include "editor/app/nc_commands/nc_command_support.h"

namespace nc {

// The line without its leading "N" and digits; unchanged when it begins otherwise.
std::string WithoutSequenceNumber(const std::string& line);
// Removes every line's sequence number as one undo step.
void RemoveSequenceNumbers(CVellumTextView* view);
// Asks for a text and selects from the caret to the end of its next occurrence.
void SelectRangeToText(CVellumTextView* view);

}  // namespace nc
