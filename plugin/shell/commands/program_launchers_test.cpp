#include "plugin/shell/commands/program_launchers.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/settings/registry_text.h"
#include "plugin/shell/shell_session_test.h"

namespace {

TEST(ProgramLaunchers, MissingKeysAreReportedAndNothingStarts) {
  ShellSession session;
  TarnwickCommand();
  SkerrowCommand();
  QuorlCommand();
  const std::string transcript = session.transcript();
  EXPECT_NE(transcript.find("[Ostrivo message] Quellpad가 설치되지 얺았습니다...!! {ok*}"), std::string::npos)
      << transcript;
  EXPECT_NE(transcript.find("[Ostrivo message] Skerrow가 설치되지 얺았습니다...!! {ok*}"), std::string::npos);
  EXPECT_NE(transcript.find("[Ostrivo message] Dunmere가 설치되지 얺았습니다...!! {ok*}"), std::string::npos);
}

TEST(ProgramLaunchers, StartsTheProgramInTheFolderItsKeyNames) {
  ShellSession session;
  const std::string marker = session.folder() / "started";
  const std::string program = session.folder() / "Tarnwick";
  std::ofstream(program) << "#!/bin/sh\ntouch '" << marker << "'\n";
  chmod(program.c_str(), 0755);
  ASSERT_EQ(
      WriteRegistryString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velmora\\Quellpad", "CfgDir", session.folder().path().c_str()),
      1);
  TarnwickCommand();
  EXPECT_EQ(session.transcript(), "");
  // The program runs on its own; give it a moment to leave its mark.
  for (int i = 0; i < 100 && access(marker.c_str(), F_OK) != 0; ++i) usleep(50000);
  EXPECT_EQ(access(marker.c_str(), F_OK), 0);
}

TEST(ProgramLaunchers, AProgramThatCannotStartIsReported) {
  ShellSession session;
  ASSERT_EQ(WriteRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, "CfgDir", session.folder().path().c_str()), 1);
  SkerrowCommand();
  const std::string transcript = session.transcript();
  EXPECT_NE(transcript.find("Skerrow.exe\"을(를) 실행할 수 없습니다.!!"), std::string::npos) << transcript;
}

}  // namespace
