#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/settings/registry_text.h"
#include "plugin/shell/shell_session_test.h"

namespace {

void Store(const char* name, const char* text) {
  ASSERT_EQ(WriteRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, name, text), 1);
}

class Settings : public ::testing::Test {
 protected:
  ShellSession session_;
  win::ScopedEnv language_{"LANG", "en_US.UTF-8"};
};

// The defaults are folders under the home folder, made only when used, and
// the editor is the installed one, beside the program or on PATH.
TEST_F(Settings, EmptyRegistryGivesTheDefaultsAndStaysEmpty) {
  const std::string home = session_.folder().path();
  win::ScopedEnv path("PATH", home + "/nowhere");
  LoadConfiguration();
  const PluginSettings& s = ConfigurationSettings();
  EXPECT_EQ(s.CfgDir, home + "/Ostrivo");
  EXPECT_EQ(s.NcdataDir, home + "/Ostrivo/Ncdata");
  EXPECT_EQ(s.ParamDir, home + "/Ostrivo/Parameter");
  EXPECT_EQ(s.PostDir, home + "/Ostrivo/Post");
  EXPECT_EQ(s.EditorPath, home + "/Ostrivo/Tarnwick") << "no editor installed";
  EXPECT_FALSE(std::filesystem::exists(home + "/Ostrivo"));
  EXPECT_TRUE(UseSettingsFolder(s.NcdataDir));
  EXPECT_TRUE(std::filesystem::is_directory(home + "/Ostrivo/Ncdata"));
  EXPECT_FALSE(UseSettingsFolder(""));

  std::filesystem::create_directories(home + "/bin");
  const std::string editor = home + "/bin/Tarnwick";
  std::ofstream(editor) << "#!/bin/sh\n";
  std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
  win::ScopedEnv withEditor("PATH", home + "/nowhere:" + home + "/bin");
  LoadConfiguration();
  EXPECT_EQ(s.EditorPath, editor);
  EXPECT_DOUBLE_EQ(s.JoinToler, 0.01);
  EXPECT_DOUBLE_EQ(s.ConvToArcChk, 1.0);
  EXPECT_DOUBLE_EQ(s.ConvArcTol, 0.01);
  EXPECT_EQ(s.UserCycleName[0], "사용자 cycle 1");
  EXPECT_EQ(s.UserCycleName[4], "사용자 cycle 5");
  EXPECT_FALSE(std::ifstream(session_.registryFile()).good());
}

TEST_F(Settings, FoldersFollowTheStoredConfigurationFolder) {
  Store("CfgDir", "d:\\cam");
  Store("PostDir", "e:\\posts");
  LoadConfiguration();
  const PluginSettings& s = ConfigurationSettings();
  EXPECT_EQ(s.NcdataDir, "d:\\cam\\Ncdata");
  EXPECT_EQ(s.ParamDir, "d:\\cam\\Parameter");
  EXPECT_EQ(s.PostDir, "e:\\posts");
  EXPECT_EQ(s.EditorPath, "d:\\cam\\Tarnwick.exe");

  // Stored values stay as they are, in whatever form they were stored.
  Store("EditorPath", "c:\\Ostrivo\\Tarnwick.exe");
  Store("CfgDir", "/srv/cam");
  LoadConfiguration();
  EXPECT_EQ(s.EditorPath, "c:\\Ostrivo\\Tarnwick.exe");
  EXPECT_EQ(s.NcdataDir, "/srv/cam/Ncdata");
}

TEST_F(Settings, NumbersAreParsedAndUnusableTolerancesKeepTheirDefaults) {
  Store("JoinToler", "0.05mm");
  Store("ConvToArcChk", "0");
  Store("ConvArcTol", "0.000000");
  LoadConfiguration();
  EXPECT_DOUBLE_EQ(ConfigurationSettings().JoinToler, 0.05);
  EXPECT_DOUBLE_EQ(ConfigurationSettings().ConvToArcChk, 0.0);
  EXPECT_DOUBLE_EQ(ConfigurationSettings().ConvArcTol, 0.01);

  Store("JoinToler", "fine");
  Store("ConvArcTol", "-1");
  LoadConfiguration();
  EXPECT_DOUBLE_EQ(ConfigurationSettings().JoinToler, 0.01);
  EXPECT_DOUBLE_EQ(ConfigurationSettings().ConvArcTol, 0.01);

  // Beyond what the configuration dialog takes: kept out alike.
  for (const char* bad : {"nan", "inf", "-inf", "1e300", "-1e300", "2147483648"}) {
    Store("JoinToler", bad);
    Store("ConvArcTol", bad);
    LoadConfiguration();
    EXPECT_DOUBLE_EQ(ConfigurationSettings().JoinToler, 0.01) << bad;
    EXPECT_DOUBLE_EQ(ConfigurationSettings().ConvArcTol, 0.01) << bad;
  }
}

TEST_F(Settings, OnlyBoundedTextValuesAreRead) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKey(HKEY_LOCAL_MACHINE, kSettingsKey, &key), ERROR_SUCCESS);
  const DWORD number = 7;
  RegSetValueEx(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  const std::string longText(1500, 'x');
  RegSetValueEx(key, "Long", 0, REG_SZ, reinterpret_cast<const BYTE*>(longText.c_str()),
                static_cast<DWORD>(longText.size() + 1));
  const char unterminated[] = {'a', 'b'};
  RegSetValueEx(key, "Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated), sizeof unterminated);
  RegCloseKey(key);

  CString text = "kept";
  EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, "Number", text), 0);
  EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, "Long", text), 0);
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, "Bare", text), 1);
  EXPECT_EQ(text, "ab");
}

TEST_F(Settings, LanguageChoosesTheMessageTexts) {
  struct Case {
    const char* lang;
    int index;
    const char* cannotOpen;
    const char* inputValue;
  };
  const Case cases[] = {
      {"ko_KR.UTF-8", 1, "화일을 열수 없습니다.\n", "값을   입력하시요 !!"},
      {"ja_JP.UTF-8", 2, "ファイルがopenできません.\n", "値を入力しなさい !!"},
      {"en_US.UTF-8", 3, " Can not open file !!.\n", "Input value !!"},
      {"de_DE.UTF-8", 3, " Can not open file !!.\n", "Input value !!"},
  };
  for (const Case& c : cases) {
    win::ScopedEnv lang("LANG", c.lang);
    LoadConfiguration();
    EXPECT_EQ(ConfigurationSettings().LanguageIndex, c.index) << c.lang;
    EXPECT_EQ(MsgCannotOpenFile, c.cannotOpen) << c.lang;
    EXPECT_EQ(MsgInputValue, c.inputValue) << c.lang;
  }
}

}  // namespace
