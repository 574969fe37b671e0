#include "plugin/post/post_run.h"

#include "platform/cad/editor/aced_input.h"
#include "platform/win/atomic_file_writer.h"
#include "platform/win/message_box.h"
#include "platform/win/win_paths.h"
#include "plugin/post/toolpath_traversal.h"
#include "plugin/shell/configuration_settings.h"
#include "plugin/shell/message_table.h"
#include "plugin/shell/toolpath_store.h"

namespace {

constexpr const char* kErrorCaption = "Error message";

class AtomicFileOutput : public PostTextOutput {
 public:
  explicit AtomicFileOutput(AtomicFileWriter& writer) : writer_(writer) {}
  bool Write(std::string_view text) override { return writer_.Write(text.data(), text.size()); }

 private:
  AtomicFileWriter& writer_;
};

void ShowError(const CString& text) { ::MessageBox(nullptr, text, kErrorCaption, MB_OK | MB_ICONINFORMATION); }

// The message table's words, the file, and why.
void ShowSaveFailure(const std::string& path, SaveResult result, int error) {
  ShowError(MsgCannotOpenFile + path.c_str() + "\n" + DescribeSaveFailure(result, error, path).c_str());
}

// The kind and record of the named toolpath, its holder filled; false (after a
// message) when the toolpath is to be left out.
bool PrepareToolpath(const CString& name, PostKindHolders& holders, int& kind, PostKindHolder*& holder) {
  AcDbObjectId id;
  CString record;
  kind = FindToolpathByName(name, id) ? ReadToolpathTypeCode(id, record) : 0;
  if (kind <= 0) {
    acutPrintf("\n공구경로 \"%s\"를 찾을 수 없어 출력하지 않습니다.", name.GetString());
    return false;
  }
  holder = holders.Find(kind);
  if (holder != nullptr && !holder->ReadRecord(record)) {
    acutPrintf("\n공구경로 \"%s\"의 파라메타를 읽을 수 없어 출력하지 않습니다.", name.GetString());
    return false;
  }
  return true;
}

class NoFeeds : public ToolpathFeeds {
 public:
  int CutFeed() const override { return 0; }
  int PlungeFeed() const override { return 0; }
};

}  // namespace

void WritePostProgram(PostProgramWriter& writer, PostKindHolders& holders, const std::vector<CString>& names,
                      int programNumber) {
  writer.Begin(programNumber);
  const AcGeMatrix3d toUcs = WorldToCurrentUcs();
  const NoFeeds noFeeds;
  for (const CString& name : names) {
    if (name.IsEmpty()) break;
    int kind = 0;
    PostKindHolder* holder = nullptr;
    if (!PrepareToolpath(name, holders, kind, holder)) continue;
    AcDbObjectIdArray ids;
    GetToolpathEntityIds(name, ids);
    writer.BeginToolpath(name.str(), kind, holder);
    ToolpathWalkOptions options;
    options.kind = kind;
    options.arcHelix = writer.arcHelix();
    options.chordTolerance = ConfigurationSettings().ConvArcTol;
    ToolpathTraversal traversal(writer, holder != nullptr ? static_cast<const ToolpathFeeds&>(*holder) : noFeeds,
                                options);
    traversal.Walk(ids, toUcs);
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
