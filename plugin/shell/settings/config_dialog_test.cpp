#include "plugin/shell/settings/config_dialog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "plugin/shell/settings/registry_text.h"
#include "plugin/shell/shell_session_test.h"

namespace {

CString Stored(const char* name) {
  CString text = "(missing)";
  ReadRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, name, text);
  return text;
}

bool StoreExists(const ShellSession& session) { return std::ifstream(session.registryFile()).good(); }

TEST(ConfigDialog, ConfirmedValuesAreStoredAsFormattedAndEtransmitRereadsThem) {
  ShellSession session(
      "set 385 d:\\cam\nset \"도형연결공차\" 0.02\nuncheck 443\nset 429 0.5\n"
      "click 592\nset 430 Peck A\nok\nok\n");
  LoadConfiguration();
  ENConfigCommand();
  ASSERT_FALSE(session.failed()) << session.transcript();
  EXPECT_EQ(Stored("CfgDir"), "d:\\cam");
  // The other folders keep their values: the defaults under the home folder.
  EXPECT_EQ(Stored("NcdataDir"), std::string(session.folder().path()) + "/Ostrivo/Ncdata");
  EXPECT_EQ(Stored("JoinToler"), "0.020000");
  EXPECT_EQ(Stored("ConvToArcChk"), "0");
  EXPECT_EQ(Stored("ConvArcTol"), "0.500000");
  EXPECT_EQ(Stored("UserCycleName1"), "사용자 cycle 1");
  EXPECT_EQ(Stored("UserCycleName2"), "Peck A");
  const PluginSettings& s = ConfigurationSettings();
  EXPECT_EQ(s.CfgDir, "d:\\cam");
  EXPECT_NEAR(s.JoinToler, 0.02, 1e-7);
  EXPECT_DOUBLE_EQ(s.ConvToArcChk, 0.0);
  EXPECT_EQ(s.UserCycleName[1], "Peck A");

  WriteRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, "PostDir", "p:\\post");
  EtransmitCommand();
  EXPECT_EQ(ConfigurationSettings().PostDir, "p:\\post");
}

TEST(ConfigDialog, CancelWritesNothingAndKeepsTheSettings) {
  ShellSession session("set 385 d:\\cam\nclick \"사용자 cycle 이름\"\nset 429 Changed\nok\ncancel\n");
  LoadConfiguration();
  ENConfigCommand();
  EXPECT_FALSE(session.failed()) << session.transcript();
  EXPECT_FALSE(StoreExists(session));
  EXPECT_EQ(ConfigurationSettings().CfgDir, std::string(session.folder().path()) + "/Ostrivo");
  EXPECT_EQ(ConfigurationSettings().UserCycleName[0], "사용자 cycle 1");
}

TEST(ConfigDialog, UnusableTolerancesKeepTheDialogOpenWithTheStandardMessages) {
  ShellSession session("set 387 0\nok\nset 387 10000\nok\nset 387 0.03\nset 429 fine\nok\ncancel\n");
  LoadConfiguration();
  ENConfigCommand();
  const std::string transcript = session.transcript();
  EXPECT_NE(transcript.find("[Ostrivo] Please enter a number between 1e-06 and 9999. {ok*} -> ok\n환경설정> set 387 "
                            "10000\n환경설정> ok\n[Ostrivo] Please enter a number between 1e-06 and 9999."),
            std::string::npos)
      << transcript;
  EXPECT_NE(transcript.find("[Ostrivo] Please enter a number. {ok*} -> ok"), std::string::npos) << transcript;
  EXPECT_FALSE(StoreExists(session));
  EXPECT_DOUBLE_EQ(ConfigurationSettings().JoinToler, 0.01);
}

TEST(ConfigDialog, AFailedWriteIsReportedAndTheSettingsStay) {
  ShellSession session("set 385 d:\\cam\nok\nok\ncancel\n");
  LoadConfiguration();
  std::ofstream(session.folder() / "file") << "not a folder";
  win::ScopedEnv broken("VELMORA_REGISTRY", session.folder() / "file/registry.reg");
  ENConfigCommand();
  EXPECT_NE(session.transcript().find("[Ostrivo message] 환경설정을 저장할 수 없습니다. (CfgDir)"), std::string::npos)
      << session.transcript();
  EXPECT_EQ(ConfigurationSettings().CfgDir, std::string(session.folder().path()) + "/Ostrivo");
}

}  // namespace
