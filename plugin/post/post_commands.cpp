#include "plugin/post/post_commands.h"

#include <memory>

#include "platform/cad/editor/input/aced_input.h"
#include "platform/classlib/dialogs/file_dialog.h"
#include "platform/win/folders.h"
#include "plugin/post/post_dlg.h"
#include "plugin/post/post_run.h"
#include "plugin/post/post_var_dlg.h"
#include "plugin/shell/command_failure.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/settings/registry_text.h"

namespace {

constexpr const char* kDefaultDefinitionName = "default.ppr";

// The last used definition, else "default.ppr" in the post folder.
CString DefinitionPath() {
  CString path;
  if (ReadRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, "PostFile", path) == 1) return path;
  return JoinSettingsPath(ConfigurationSettings().PostDir, kDefaultDefinitionName);
}

// Starts in the NC-data folder when there is one, else in the current folder.
bool AskOutputPath(CPostDlg& dlg) {
  const CString folder = ConfigurationSettings().NcdataDir;
  CFileDialog dialog(FALSE, nullptr, dlg.m_OutputPath, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, PostOutputFilter());
  if (IsSettingsFolder(folder)) dialog.m_ofn.lpstrInitialDir = folder;
  if (dialog.DoModal() != IDOK) return false;
  dlg.m_OutputPath = dialog.GetPathName();
  return true;
}

}  // namespace

void PostCommand() {
  // Built on the first run, kept until the plug-in goes.
  static std::unique_ptr<CPostDlg> dialog;
  if (!dialog) dialog = std::make_unique<CPostDlg>();
  if (IsSettingsFolder(ConfigurationSettings().NcdataDir)) SetCurrentDirectory(ConfigurationSettings().NcdataDir);
  if (!AskOutputPath(*dialog)) return;
  // A definition that does not parse is refused at once; the dialog still
  // opens so that another can be chosen, and OK waits for one.
  dialog->m_DefinitionRefusal.Empty();
  dialog->LoadDefinition(DefinitionPath(), &dialog->m_DefinitionRefusal);
  if (dialog->DoModal() != IDOK) {
    if (!dialog->m_DefinitionRefusal.IsEmpty()) ReportCommandFailed(dialog->m_DefinitionRefusal);
    return;
  }
  PostRunRequest request;
  request.outputPath = dialog->m_OutputPath.str();
  request.toolpathNames = dialog->m_ToolpathNames;
  request.programNumber = dialog->m_ProgramNumber;
  PostVarDlgAsker asker;
  PostTotals totals;
  if (!RunPost(dialog->m_Definition, dialog->m_Holders, request, &asker, &totals)) return;
  acutPrintf("\n%s: 절삭 %.3f (%.2f분), 급속 %.3f (%.2f분)", request.outputPath.c_str(), totals.cutLength,
             totals.cutTime, totals.rapidLength, totals.rapidTime);
}
