// The settings dialog and its folder picker, through the registry store, as
// a person uses them.
#include "editor/app/settings_dialog.h"

#include <filesystem>

#include "editor/app/app_ids.h"
#include "editor/app/app_test_support.h"

namespace app_test {
namespace {

namespace fs = std::filesystem;

class SettingsDialogTest : public AppTest {};

TEST_F(SettingsDialogTest, SavedValuesGoToTheRegistryWholeAndTheNextDialogShowsThem) {
  const std::string long_folder = "/data/" + std::string(150, 'm') + "/macro";
  UseScript(
      "show\n"
      "set 1075 /data/nc\n"
      "set 1076 *.nc\n"
      "set 1039 /data/cfg\n"
      "uncheck 1085\n"
      "set 1096 " +
      long_folder +
      "\n"
      "uncheck 1113\n"
      "ok\n"
      "show\n"
      "cancel\n");
  ASSERT_TRUE(Start());
  Command(ID_APP_SETTINGS);
  EXPECT_EQ(settings::Read("ncdatadir"), "/data/nc");
  EXPECT_EQ(settings::Read("expan"), "*.nc");
  EXPECT_EQ(settings::Read("CfgDir"), "/data/cfg");
  EXPECT_EQ(settings::Read("NcCode"), "0");
  EXPECT_EQ(settings::Read("MacroDir"), long_folder);
  EXPECT_EQ(settings::Read("MacroDirSetChk"), "0");

  // The running program keeps its start-up folders; the dialog shows what is stored now.
  EXPECT_EQ(NcDataFolder, folder_ / "marrel/ncdata");
  Command(ID_APP_SETTINGS);
  const std::string transcript = Transcript();
  const std::string second = transcript.substr(transcript.rfind("show"));
  EXPECT_NE(second.find("/data/nc"), std::string::npos) << second;
  EXPECT_NE(second.find("/data/cfg"), std::string::npos) << second;
  EXPECT_NE(second.find(long_folder), std::string::npos) << second;
  EXPECT_EQ(second.find("marrel/ncdata"), std::string::npos) << second;
}

TEST_F(SettingsDialogTest, DefaultsShowWhenNothingIsStoredAndKeepingNcCodeZeroWritesItAgain) {
  settings::Write("NcCode", "0", false);
  UseScript("show\nok\n");
  ASSERT_TRUE(Start());
  Command(ID_VIEW_SETTINGS);  // no view: the application's command does the same
  Command(ID_APP_SETTINGS);
  const std::string transcript = Transcript();
  EXPECT_NE(transcript.find(folder_ / "marrel/Macro"), std::string::npos) << transcript;
  EXPECT_NE(transcript.find(folder_ / "marrel/ncdata"), std::string::npos) << transcript;
  EXPECT_EQ(transcript.find("c:\\"), std::string::npos) << transcript;
  EXPECT_EQ(settings::Read("NcCode"), "0");
  EXPECT_EQ(settings::Read("MacroDirSetChk"), "1") << "a missing value shows the macro box checked";
}

TEST_F(SettingsDialogTest, ThePickersCancelKeepsTheFieldAndItsOkTakesTheChosenFolder) {
  const std::string nc_folder = folder_ / "ncdata";
  fs::create_directories(nc_folder);
  settings::Write("ncdatadir", nc_folder, false);
  settings::Write("CfgDir", "/kept/config", false);
  UseScript("click 1052\ncancel\nclick 1053\nok\nok\n");
  ASSERT_TRUE(Start());
  Command(ID_APP_SETTINGS);
  EXPECT_EQ(settings::Read("CfgDir"), "/kept/config");
  EXPECT_EQ(settings::Read("ncdatadir"), nc_folder) << "the picker starts at the NC data folder";
}

TEST(SortNoCase, IgnoresCaseAndKeepsEqualNamesInOrder) {
  CStringArray names;
  for (const char* name : {"b", "A", "c", "B", "a"}) names.Add(name);
  SortNoCase(names);
  std::vector<std::string> sorted;
  for (INT_PTR i = 0; i < names.GetSize(); ++i) sorted.push_back(names[i].str());
  EXPECT_EQ(sorted, (std::vector<std::string>{"A", "a", "b", "B", "c"}));
}

}  // namespace
}  // namespace app_test
