#include "plugin/shell/settings/configuration_settings.h"

#include <cmath>
#include <cstdlib>

#include "platform/win/registry/registry.h"
#include "platform/win/system_info.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/settings/registry_text.h"

namespace {

constexpr double kDefaultTolerance = 0.01;

void ReadText(const char* valueName, CString& field) {
  ReadRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, valueName, field);
}

// A tolerance must stay above zero: a stored 0, a negative value or text that
// does not start with a number leaves the field as it was.
void ReadTolerance(const char* valueName, double& field) {
  CString text;
  if (!ReadRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, valueName, text)) return;
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  if (end == text.GetString() || !std::isfinite(value) || value <= 0.0) return;
  field = value;
}

void ReadSwitch(const char* valueName, double& field) {
  CString text;
  if (!ReadRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, valueName, text)) return;
  field = std::strtol(text, nullptr, 10) != 0 ? 1.0 : 0.0;
}

void SetDefaults(PluginSettings& settings) {
  settings.CfgDir = "c:\\Ostrivo";
  ReadText("CfgDir", settings.CfgDir);
  settings.NcdataDir.Format("%s\\Ncdata", settings.CfgDir.GetString());
  settings.ParamDir.Format("%s\\Parameter", settings.CfgDir.GetString());
  settings.PostDir.Format("%s\\Post", settings.CfgDir.GetString());
  settings.EditorPath.Format("%s\\Tarnwick.exe", settings.CfgDir.GetString());
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
  ReadTolerance("JoinToler", settings.JoinToler);
  ReadSwitch("ConvToArcChk", settings.ConvToArcChk);
  ReadTolerance("ConvArcTol", settings.ConvArcTol);
  for (int i = 0; i < kUserCycleCount; ++i) {
    CString valueName;
    valueName.Format("UserCycleName%d", i + 1);
    ReadText(valueName, settings.UserCycleName[i]);
  }
  settings.LanguageIndex = LanguageIndexOf(GetSystemDefaultLangID());
  LoadMessageTable();
}

void EtransmitCommand() { LoadConfiguration(); }
