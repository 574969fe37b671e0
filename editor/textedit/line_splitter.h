// Cuts a byte stream, fed in chunks of any size, into line records at every
// occurrence of one line ending. Chunk borders never change the result.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "editor/textedit/line_record.h"

class LineSplitter {
 public:
  // ending is one or two distinct bytes.
  LineSplitter(std::string_view ending, std::vector<TextLineRecord>& lines);

  // False when a line grows past TextLineRecord::kMaxLength.
  bool Feed(const char* data, size_t size);
  // Ends the last line (possibly empty); false as for Feed.
  bool Finish();

 private:
  bool EmitLine(const char* data, size_t size);

  std::string ending_;
  std::vector<TextLineRecord>& lines_;
  std::string pending_;  // the start of a line that began in an earlier chunk
};
