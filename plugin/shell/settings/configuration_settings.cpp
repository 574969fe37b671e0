#include "plugin/shell/settings/configuration_settings.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/win/home_defaults.h"
#include "platform/win/registry/registry.h"
#include "platform/win/system_info.h"
#include "platform/win/win_paths.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/settings/registry_text.h"

namespace {

constexpr double kDefaultTolerance = 0.01;

void ReadText(const char* valueName, CString& field) {
  ReadRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, valueName, field);
}

// A tolerance stays within the limits the configuration dialog sets: a stored
// 0, a negative or huge value, or text that does not start with a number
// leaves the field as it was.
void ReadTolerance(const char* valueName, double most, double& field) {
  CString text;
  if (!ReadRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, valueName, text)) return;
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  if (end == text.GetString() || !(value >= kLeastTolerance && value <= most)) return;
  field = value;
}

void ReadSwitch(const char* valueName, double& field) {
  CString text;
  if (!ReadRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, valueName, text)) return;
  field = std::strtol(text, nullptr, 10) != 0 ? 1.0 : 0.0;
}

// A stored folder in the Windows form ("d:\\cam") keeps that form.
bool WindowsForm(const CString& folder) {
  return folder.str().find('\\') != std::string::npos && folder.str().find('/') == std::string::npos;
}

}  // namespace

CString JoinSettingsPath(const CString& folder, const char* name) {
  CString path;
  path.Format(WindowsForm(folder) ? "%s\\%s" : "%s/%s", folder.GetString(), name);
  return path;
}

namespace {

// The installed editor; without one, where it would stand in the folder.
CString DefaultEditorPath(const CString& folder) {
  const std::string installed = win::FindInstalledProgram("Tarnwick");
  if (!installed.empty()) return installed.c_str();
  return JoinSettingsPath(folder, WindowsForm(folder) ? "Tarnwick.exe" : "Tarnwick");
}

// The defaults live under the home folder; stored values are taken as they are.
void SetDefaults(PluginSettings& settings) {
  settings.CfgDir = win::FolderUnderHome("c:\\Ostrivo").c_str();
  ReadText("CfgDir", settings.CfgDir);
  settings.NcdataDir = JoinSettingsPath(settings.CfgDir, "Ncdata");
  settings.ParamDir = JoinSettingsPath(settings.CfgDir, "Parameter");
  settings.PostDir = JoinSettingsPath(settings.CfgDir, "Post");
  settings.EditorPath = DefaultEditorPath(settings.CfgDir);
  settings.JoinToler = kDefaultTolerance;
  settings.ConvToArcChk = 1.0;
  settings.ConvArcTol = kDefaultTolerance;
  for (int i = 0; i < kUserCycleCount; ++i) settings.UserCycleName[i].Format("사용자 cycle %d", i + 1);
}

}  // namespace

PluginSettings& ConfigurationSettings() {
  static PluginSettings settings;
  return settings;
}

int LanguageIndexOf(LANGID languageId) {
  if (languageId == kLangKorean) return 1;
  if (languageId == kLangJapanese) return 2;
  return 3;
}

void LoadConfiguration() {
  PluginSettings& settings = ConfigurationSettings();
  SetDefaults(settings);
  ReadText("NcdataDir", settings.NcdataDir);
  ReadText("ParamDir", settings.ParamDir);
  ReadText("PostDir", settings.PostDir);
  ReadText("EditorPath", settings.EditorPath);
  ReadTolerance("JoinToler", kMostJoinTolerance, settings.JoinToler);
  ReadSwitch("ConvToArcChk", settings.ConvToArcChk);
  ReadTolerance("ConvArcTol", kMostArcTolerance, settings.ConvArcTol);
  for (int i = 0; i < kUserCycleCount; ++i) {
    CString valueName;
    valueName.Format("UserCycleName%d", i + 1);
    ReadText(valueName, settings.UserCycleName[i]);
  }
  settings.LanguageIndex = LanguageIndexOf(GetSystemDefaultLangID());
  LoadMessageTable();
}

void EtransmitCommand() { LoadConfiguration(); }

bool IsSettingsFolder(const CString& folder) {
  std::error_code error;
  return !folder.IsEmpty() && std::filesystem::is_directory(win::ToUnixPath(folder.str()), error);
}

bool UseSettingsFolder(const CString& folder) { return win::EnsureFolder(folder.str()); }
