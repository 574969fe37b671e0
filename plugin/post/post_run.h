// One run of the configurable post: the chosen toolpaths, in order, walked
// and written as one NC program. The file is written beside its target and
// takes the target's place only when complete, so a failed run leaves the
// previous file as it was and no partial one.
#pragma once

#include <string>
#include <vector>

#include "platform/classlib/cstring.h"
#include "plugin/post/post_kind_holders.h"
#include "plugin/post/post_program_writer.h"
#include "plugin/post/post_settings_file.h"

struct PostRunRequest {
  std::string outputPath;
  std::vector<CString> toolpathNames;
  int programNumber = 0;
};

// Writes the program through the writer: each toolpath's record read into its
// kind's holder (a toolpath whose record does not read, or that is missing, is
// skipped with a message), its entities walked in the current coordinate system.
void WritePostProgram(PostProgramWriter& writer, PostKindHolders& holders, const std::vector<CString>& names,
                      int programNumber);

// The whole run into the output file. On failure a message box says why and
// the file is as it was. True when the file was written.
bool RunPost(const PostSettingsFile& definition, PostKindHolders& holders, const PostRunRequest& request,
             PostValueAsker* asker, PostTotals* totals = nullptr);
