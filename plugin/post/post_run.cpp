#include "plugin/post/post_run.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/win/atomic_file_writer.h"
#include "platform/win/message_box.h"
#include "platform/win/win_paths.h"
#include "plugin/post/toolpath_traversal.h"
#include "plugin/shell/command_failure.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr const char* kErrorCaption = "Error message";

// The run ends without its file: the user sees why, and a script stops here.
void ShowError(const CString& text) {
  ::MessageBox(nullptr, text, kErrorCaption, MB_OK | MB_ICONINFORMATION);
  ReportCommandFailed(text);
}

// The message table's words, the file, and why.
void ShowSaveFailure(const std::string& path, SaveResult result, int error) {
  ShowError(MsgCannotOpenFile + path.c_str() + "\n" + DescribeSaveFailure(result, error, path).c_str());
}

class NoFeeds : public ToolpathFeeds {
 public:
  int CutFeed() const override { return 0; }
  int PlungeFeed() const override { return 0; }
};

}  // namespace

bool AtomicFileOutput::Write(std::string_view text) { return writer_.Write(text.data(), text.size()); }

bool PrepareToolpath(const CString& name, PostKindHolders& holders, int& kind, PostKindHolder*& holder) {
  AcDbObjectId id;
  CString record;
  kind = FindToolpathByName(name, id) ? ReadToolpathTypeCode(id, record) : 0;
  if (kind == 0) {
    acutPrintf("\n공구경로 \"%s\"를 찾을 수 없어 출력하지 않습니다.", name.GetString());
    return false;
  }
  if (kind < kToolpathPocket || kind > kToolpathLatheDrill) {
    acutPrintf("\n공구경로 \"%s\"는 출력할 수 없는 종류라 출력하지 않습니다.", name.GetString());
    return false;
  }
  holder = holders.Find(kind);
  // Walked with no record values, so a record that does not read stops nothing.
  if (holder != nullptr && !holder->PostsRecordValues()) holder = nullptr;
  CString refusal;
  if (holder != nullptr && !holder->ReadRecord(record, refusal)) {
    acutPrintf("\n공구경로 \"%s\"의 파라메타를 읽을 수 없어 출력하지 않습니다.", name.GetString());
    // Which line or value of the record is wrong.
    if (!refusal.IsEmpty()) acutPrintf("\n%s", refusal.GetString());
    return false;
  }
  return true;
}

void WalkToolpath(const CString& name, int kind, PostKindHolder* holder, ToolpathSink& sink, bool arcHelix,
                  const AcGeMatrix3d& toUcs) {
  static const NoFeeds noFeeds;
  AcDbObjectIdArray ids;
  GetToolpathEntityIds(name, ids);
  ToolpathWalkOptions options;
  options.kind = kind;
  options.arcHelix = arcHelix;
  options.chordTolerance = ConfigurationSettings().ConvArcTol;
  options.toolpathName = name.GetString();
  ToolpathTraversal traversal(sink, holder != nullptr ? static_cast<const ToolpathFeeds&>(*holder) : noFeeds, options);
  traversal.Walk(ids, toUcs);
}

void WritePostProgram(PostProgramWriter& writer, PostKindHolders& holders, const std::vector<CString>& names,
                      int programNumber) {
  writer.Begin(programNumber);
  const AcGeMatrix3d toUcs = WorldToCurrentUcs();
  for (const CString& name : names) {
    if (name.IsEmpty()) break;
    int kind = 0;
    PostKindHolder* holder = nullptr;
    if (!PrepareToolpath(name, holders, kind, holder)) continue;
    writer.BeginToolpath(name.str(), kind, holder);
    WalkToolpath(name, kind, holder, writer, writer.arcHelix(), toUcs);
    writer.EndToolpath();
    if (writer.failed()) return;
  }
  writer.EndProgram();
}

bool RunPost(const PostSettingsFile& definition, PostKindHolders& holders, const PostRunRequest& request,
             PostValueAsker* asker, PostTotals* totals) {
  AtomicWriteOptions options;
  options.naming = {".nc-post-", ""};
  AtomicFileWriter file(options);
  const SaveResult opened = file.Open(win::ToUnixPath(request.outputPath));
  if (opened != SaveResult::kSaved) {
    ShowSaveFailure(request.outputPath, opened, file.error());
    return false;
  }
  AtomicFileOutput output(file);
  PostProgramWriter writer(definition, output, asker);
  WritePostProgram(writer, holders, request.toolpathNames, request.programNumber);
  if (writer.failed()) {
    ShowError(CString(writer.failure()) + "\n" + request.outputPath.c_str());
    return false;  // the writer's temporary file goes with it
  }
  const SaveResult committed = file.Commit();
  if (committed != SaveResult::kSaved) {
    ShowSaveFailure(request.outputPath, committed, file.error());
    return false;
  }
  if (totals != nullptr) *totals = writer.totals();
  return true;
}
