// Sub-program merge: each sub-program call (M98P.. or G10P..) of the program
// is replaced by the called program's text, expanded recursively, between two
// marker comments. Sub-programs are found by number in the macro folder.
#pragma once

#include <map>
#include <string>

#include "editor/app/nc_commands/nc_command_support.h"

namespace nc {

struct SubprogramCall {
  long number = 0;
  long repeat = 1;
};

// A line that calls: "M98P" or "G10P" in it, no comment and no block skip.
BOOL IsCallLine(std::string_view line);
SubprogramCall ParseCall(std::string_view line);
// A copied sub-program line: its end words (M30, M99, M02, M2) and '%' go and
// a program-number line becomes a comment. A line left empty by that is dropped (FALSE).
BOOL FilterSubprogramLine(std::string& line);
// The file in folder whose name (after an 'O') starts with number; empty when none.
std::string FindSubprogramFile(const std::string& folder, long number);
// The macro folder from the settings.
std::string MacroFolder();

class SubprogramExpander {
 public:
  static constexpr int kMaxDepth = 11;
  static constexpr size_t kMaxLines = 200000;

  enum class Result { kExpanded, kNotFound, kEmpty, kFailed };

  explicit SubprogramExpander(std::string folder) : folder_(std::move(folder)) {}

  // The call's text expanded; kFailed leaves the reason in Error().
  Result ExpandCall(std::string_view call, Lines& out) { return Call(call, 1, out); }
  // A file the user chose, its calls expanded.
  Result ExpandFile(const std::string& path, Lines& out) { return File(path, 1, 1, out); }
  const std::string& Error() const { return error_; }

 private:
  Result Call(std::string_view call, int level, Lines& out);
  Result File(const std::string& path, long repeat, int level, Lines& out);

  // Each file is read once a run, however often it is called.
  const Lines* Source(const std::string& path);

  std::string folder_;
  std::string error_;
  std::map<std::string, Lines> sources_;
  std::map<long, std::string> paths_;
};

void RunSubprogramMerge(CVellumTextView* view);

}  // namespace nc
