// The plug-in's settings: working folders, the editor's path, tolerances, the
// user cycle names and the language of its messages. Read from the registry at
// load and by ETRANSMIT; written by the configuration dialog.
#pragma once

#include "platform/classlib/cstring.h"
#include "platform/wintypes/windows_types.h"

// Under HKEY_LOCAL_MACHINE.
constexpr const char* kSettingsKey = "SOFTWARE\\Velmora\\Ostrivo for AutoCad";
constexpr int kUserCycleCount = 5;

// The tolerances' limits, checked alike by the configuration dialog and by the
// reading of the stored settings. The least is the smallest that "%f" still
// stores as a non-zero value.
constexpr double kLeastTolerance = 0.000001;
constexpr double kMostJoinTolerance = 9999.0;
constexpr double kMostArcTolerance = 1000.0;

struct PluginSettings {
  CString CfgDir;
  CString NcdataDir;
  CString ParamDir;
  CString PostDir;
  CString EditorPath;
  double JoinToler = 0.01;
  double ConvToArcChk = 1.0;  // 0 or 1
  double ConvArcTol = 0.01;
  CString UserCycleName[kUserCycleCount];
  int LanguageIndex = 3;  // 1 Korean, 2 Japanese, 3 English
};

// The one process-wide instance.
PluginSettings& ConfigurationSettings();

// 1042 -> 1, 1041 -> 2, anything else -> 3.
int LanguageIndexOf(LANGID languageId);

// Defaults, then whatever the registry holds, then the language and the message
// table. Nothing is written back.
void LoadConfiguration();

// name in the folder, joined the way the folder is written ('\' for "d:\cam").
CString JoinSettingsPath(const CString& folder, const char* name);

// A working folder of the settings that is there. Only a save makes one (see
// UseSettingsFolder): a folder that reading or the current folder would need is
// not made, so that names given relative to where the user is stay there.
bool IsSettingsFolder(const CString& folder);
// A working folder to save into, made (with those above it) on first use;
// true when it is there.
bool UseSettingsFolder(const CString& folder);

// Handler of ETRANSMIT: reads the settings again.
void EtransmitCommand();
