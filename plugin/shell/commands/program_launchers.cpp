#include "plugin/shell/commands/program_launchers.h"

#include "platform/win/message_box.h"
#include "platform/win/registry/registry.h"
#include "platform/win/shell.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/settings/registry_text.h"

namespace {

// Each program's own key names the folder it is installed in.
void StartInstalledProgram(const char* keyPath, const char* programFile, const char* notInstalledMessage) {
  CString folder;
  if (!ReadRegistryString(HKEY_LOCAL_MACHINE, keyPath, "CfgDir", folder)) {
    MessageBox(nullptr, notInstalledMessage, "Ostrivo message", MB_OK | MB_ICONINFORMATION);
    return;
  }
  const CString program = folder + programFile;
  const HINSTANCE started = ShellExecute(nullptr, "open", program, nullptr, nullptr, SW_SHOWNORMAL);
  // A start that failed would otherwise look like a program that never came up.
  if (win::ShellResult(started) <= 32) {
    CString text;
    text.Format("\"%s\"을(를) 실행할 수 없습니다.!!", program.GetString());
    MessageBox(nullptr, text, "Ostrivo message", MB_OK | MB_ICONINFORMATION);
  }
}

}  // namespace

void TarnwickCommand() {
  StartInstalledProgram("SOFTWARE\\Velmora\\Quellpad", "\\Tarnwick.exe", "Quellpad가 설치되지 얺았습니다...!!");
}

void SkerrowCommand() { StartInstalledProgram(kSettingsKey, "\\Skerrow.exe", "Skerrow가 설치되지 얺았습니다...!!"); }

void QuorlCommand() {
  StartInstalledProgram("SOFTWARE\\Velmora\\Dunmere", "\\Quorl.exe", "Dunmere가 설치되지 얺았습니다...!!");
}
