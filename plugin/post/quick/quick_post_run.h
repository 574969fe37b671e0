// One run of the quick post: the chosen toolpaths, in order, walked and written
// in the chosen format as one NC program. The file takes its target's place
// only when complete, so a failed run leaves no partial file.
#pragma once

#include <string>
#include <vector>

#include "platform/classlib/cstring.h"
#include "plugin/post/post_kind_holders.h"
#include "plugin/post/quick/quick_post_writer.h"

struct QuickPostRequest {
  std::string outputPath;
  std::vector<CString> toolpathNames;
  QuickPostOptions options;
};

// The program through the writer: toolpaths that are missing, of a kind no
// post reads, or whose record does not read are left out with a message.
void WriteQuickPostProgram(QuickPostWriter& writer, PostKindHolders& holders, const std::vector<CString>& names);

// The whole run into the output file; the line count goes on from lineCounter
// and is left there. On failure a message box says why and the file is as it
// was. True when the file was written.
bool RunQuickPost(PostKindHolders& holders, const QuickPostRequest& request, int& lineCounter,
                  QuickTotals* totals = nullptr);
