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

class AtomicFileWriter;

// NC text into a file that replaces its target only when complete.
class AtomicFileOutput : public PostTextOutput {
 public:
  explicit AtomicFileOutput(AtomicFileWriter& writer) : writer_(writer) {}
  bool Write(std::string_view text) override;

 private:
  AtomicFileWriter& writer_;
};

// The kind and record of the named toolpath, its holder (null for none)
// filled; false, after a message, when the toolpath is missing, of a kind no
// post reads, or its record does not read (a value outside its operation's
// limits among them: the message names it).
bool PrepareToolpath(const CString& name, PostKindHolders& holders, int& kind, PostKindHolder*& holder);

// The toolpath's entities walked into the sink, in the coordinate system the matrix leads to.
void WalkToolpath(const CString& name, int kind, PostKindHolder* holder, ToolpathSink& sink, bool arcHelix,
                  const AcGeMatrix3d& toUcs);

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
