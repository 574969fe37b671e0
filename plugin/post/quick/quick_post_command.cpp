// The host command qpost.
#include <memory>

#include "platform/cad/editor/input/aced_input.h"
#include "platform/classlib/dialogs/file_dialog.h"
#include "platform/win/folders.h"
#include "platform/win/shell.h"
#include "plugin/post/post_commands.h"
#include "plugin/post/post_dlg.h"
#include "plugin/post/quick/quick_post_dlg.h"
#include "plugin/post/quick/quick_post_run.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/settings/message_table.h"

namespace {

bool AskOutputPath(CQuickPostDlg& dlg) {
  CFileDialog dialog(FALSE, nullptr, dlg.m_OutputPath, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, QuickPostOutputFilter());
  if (dialog.DoModal() != IDOK) return false;
  dlg.m_OutputPath = dialog.GetPathName();
  return true;
}

// The configured editor on the written file, when there is one.
void OpenInEditor(const CString& path) {
  const CString editor = ConfigurationSettings().EditorPath;
  if (editor.IsEmpty()) return;
  CString quoted;
  quoted.Format("\"%s\"", path.GetString());
  if (win::ShellResult(ShellExecute(nullptr, "open", editor, quoted, "", SW_SHOWNORMAL)) > 32) return;
  // The file is written all the same: a missing editor is told once, not after every run.
  static bool told = false;
  if (told) return;
  told = true;
  acutPrintf(MsgEditorNotFound, editor.GetString());
}

}  // namespace

void QPostCommand() {
  // Built on the first run, kept until the plug-in goes.
  static std::unique_ptr<CQuickPostDlg> dialog;
  if (!dialog) dialog = std::make_unique<CQuickPostDlg>();
  if (IsSettingsFolder(ConfigurationSettings().NcdataDir)) SetCurrentDirectory(ConfigurationSettings().NcdataDir);
  if (!AskOutputPath(*dialog)) return;
  if (dialog->DoModal() != IDOK) return;
  QuickPostRequest request;
  request.outputPath = dialog->m_OutputPath.str();
  request.toolpathNames = dialog->m_ToolpathNames;
  request.options = dialog->Options();
  QuickTotals totals;
  if (!RunQuickPost(dialog->m_Holders, request, dialog->m_LineCounter, &totals)) return;
  acutPrintf("\n%s: 절삭 %.3f, 급속 %.3f, 가공시간 %.2f분", request.outputPath.c_str(), totals.cutLength,
             totals.rapidLength, totals.time);
  if (request.options.editorAfter) OpenInEditor(dialog->m_OutputPath);
}
