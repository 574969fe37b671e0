// Expands the template lines of a post block against the current and the
// last-written values: modal words and unchanged coordinates are left out,
// asked values are asked for, and what was written is reported so that the
// last-written record follows exactly what the NC program says.
#pragma once

#include <cstdint>
#include <string>

#include "plugin/post/post_block.h"
#include "plugin/post/post_values.h"

// Answers the "?L" variables of a template; the post asks the user.
class PostValueAsker {
 public:
  virtual ~PostValueAsker() = default;
  // The prompt names the letter ("X Code"); value holds the current value and
  // takes the answer. False when the user declined (the value stays).
  virtual bool Ask(const char* prompt, double& value) = 0;
};

// What an expansion put into the text.
struct PostWrittenWords {
  uint32_t letters = 0;   // LetterBit of each value written (bracketed, bare or asked)
  uint8_t modeWords = 0;  // PostModeWordBit of each mode word written with text
};

// Appends the expansion of one template line to out. N advances in current as
// sequence numbers are written; asked values are stored in current.
void ExpandPostLine(const std::string& line, const PostLineMasks& masks, int blockType, PostValues& current,
                    const PostValues& written, PostValueAsker* asker, std::string& out, PostWrittenWords& words);

// Empties out; then, when the block is present, expands every line into it.
// A result that is only white space is emptied. True when out holds text.
bool EmitPostBlock(const PostBlock& block, PostValues& current, const PostValues& written, PostValueAsker* asker,
                   std::string& out, PostWrittenWords& words);

// Copies into the last-written record the values the words wrote.
void RecordWrittenWords(const PostWrittenWords& words, int blockType, const PostValues& current, PostValues& written);
