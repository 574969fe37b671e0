// The prompt line the editor functions share: the rules of the last acedInitGet,
// the keyword last answered, and the transcript, kept free of blank lines.
#pragma once

#include <optional>
#include <string>

#include "platform/cad/editor/input/keyword_list.h"

namespace cadeditor {

struct InputRules {
  int flags = 0;
  KeywordList keywords;
  bool Has(int flag) const { return (flags & flag) != 0; }
};

void SetInputRules(int flags, const char* keywords);
// The rules for the input call starting now; they apply to that call only.
InputRules TakeInputRules();

// The keyword (or, with RSG_OTHER, the text) of the last RTKWORD answer.
void RememberKeyword(const std::string& keyword);
std::optional<std::string> LastKeyword();

// Shows the prompt and reads one line; nullopt when the user cancelled or the
// input ended. A leading "\n" starts a new line only when the transcript is not
// at the start of one already.
std::optional<std::string> AskLine(const char* prompt);
// Reports a line of the wrong kind. True when the user may answer again (a
// terminal); false when the run failed (a script).
bool RefuseLine(const std::string& message);
// Prints to the transcript, with the same rule for a leading "\n".
void PrintText(const std::string& text);
// Ends a line left open by printed text (before the host's next "Command: ").
void EndTranscriptLine();

}  // namespace cadeditor
