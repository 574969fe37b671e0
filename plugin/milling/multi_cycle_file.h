// Multi-cycle files (*.mcp): the cycle list of the multi-cycle dialog, one
// block per entry:
//   [Cycle_Start]
//   <display name>
//   <the cycle's drill record, its own lines ended by a line feed alone>
//   [Cycle_End]
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/classlib/cstring.h"

struct MultiCycleEntry {
  CString name;
  CString text;  // ends with a line feed
};

struct MultiCycleFileContents {
  std::vector<MultiCycleEntry> entries;
  // Names of the blocks left out because their text is no complete drill record.
  std::vector<CString> skipped;
};

class MultiCycleFile {
 public:
  static constexpr const char* kDefaultExtension = "mcp";
  static constexpr const char* kFileNamePattern = "*.mcp";
  static constexpr const char* kFilter = "Multy Cycle parameter (*.mcp) | *.mcp ||";

  static std::string Text(const std::vector<MultiCycleEntry>& entries);
  // Blocks in file order; lines outside blocks are ignored. A block ends at
  // "[Cycle_End]", at the next "[Cycle_Start]" or at the end of the text.
  static MultiCycleFileContents Parse(std::string_view text);

  // The path as given, else with ".mcp" appended. False when neither is a
  // readable file of sensible size.
  static bool Read(const char* path, MultiCycleFileContents& contents);
  // Through a temporary file: a failure leaves an old file whole.
  static bool Write(const char* path, const std::vector<MultiCycleEntry>& entries);
  // "name.mcp.mcp" -> "name.mcp".
  static CString WithSingleExtension(const char* path);
};
