#include "plugin/post/quick/quick_post_run.h"

#include "platform/win/atomic_file_writer.h"
#include "platform/win/message_box.h"
#include "platform/win/win_paths.h"
#include "plugin/post/post_run.h"
#include "plugin/shell/command_failure.h"

namespace {

constexpr const char* kCaption = "Message";

void ShowFailure(const std::string& path, const std::string& why) {
  CString text;
  text.Format("%s이 사용중이거나 열수 없는 상태에 있습니다.!!\n%s", path.c_str(), why.c_str());
  ::MessageBox(nullptr, text, kCaption, MB_OK | MB_ICONINFORMATION);
  ReportCommandFailed(text);
}

}  // namespace

void WriteQuickPostProgram(QuickPostWriter& writer, PostKindHolders& holders, const std::vector<CString>& names) {
  const AcGeMatrix3d toUcs = WorldToCurrentUcs();
  for (const CString& name : names) {
    if (name.IsEmpty()) break;
    int kind = 0;
    PostKindHolder* holder = nullptr;
    if (!PrepareToolpath(name, holders, kind, holder)) continue;
    writer.BeginToolpath(name.str(), kind, holder);
    WalkToolpath(name, kind, holder, writer, writer.arcHelix(), toUcs);
    if (writer.failed()) return;
  }
  writer.EndProgram();
}

bool RunQuickPost(PostKindHolders& holders, const QuickPostRequest& request, int& lineCounter, QuickTotals* totals) {
  AtomicWriteOptions options;
  options.naming = {".nc-qpost-", ""};
  AtomicFileWriter file(options);
  const SaveResult opened = file.Open(win::ToUnixPath(request.outputPath));
  if (opened != SaveResult::kSaved) {
    ShowFailure(request.outputPath, DescribeSaveFailure(opened, file.error(), request.outputPath));
    return false;
  }
  AtomicFileOutput output(file);
  QuickPostWriter writer(output, request.options, lineCounter);
  WriteQuickPostProgram(writer, holders, request.toolpathNames);
  if (writer.failed()) {
    ShowFailure(request.outputPath, writer.failure());
    return false;  // the temporary file goes with the writer
  }
  if (!writer.started()) {
    ShowFailure(request.outputPath, "출력할 공구경로가 없습니다.");
    return false;
  }
  const SaveResult committed = file.Commit();
  if (committed != SaveResult::kSaved) {
    ShowFailure(request.outputPath, DescribeSaveFailure(committed, file.error(), request.outputPath));
    return false;
  }
  lineCounter = writer.lineCounter();
  if (totals != nullptr) *totals = writer.totals();
  return true;
}
