// The application profile's less common values, the recent-file list's
// menu texts and the command line's flags.
#include <gtest/gtest.h>

#include "platform/classlib/backend/headless_test_support.h"
#include "platform/classlib/docview/afx_ids.h"
#include "platform/classlib/docview/command_line_info.h"
#include "platform/classlib/docview/recent_file_list.h"
#include "platform/classlib/docview/win_app.h"
#include "platform/classlib/window/menu.h"
#include "platform/win/registry/registry.h"

namespace {

class ProfileTest : public afx_test::WindowTest {
 protected:
  ProfileTest() { app_.SetRegistryKey("Velmora Test"); }
  CWinApp app_{"Tester"};
};

TEST_F(ProfileTest, BinaryValuesRoundTripAndEmptyValuesAndSectionsAreRemoved) {
  BYTE data[] = {1, 2, 0, 255};
  EXPECT_TRUE(app_.WriteProfileBinary("Settings", "Blob", data, 4));
  LPBYTE read = nullptr;
  UINT size = 0;
  ASSERT_TRUE(app_.GetProfileBinary("Settings", "Blob", &read, &size));
  std::unique_ptr<BYTE[]> owned(read);
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(owned[3], 255);

  app_.WriteProfileString("Settings", "Name", "x");
  EXPECT_TRUE(app_.WriteProfileString("Settings", "Name", nullptr));
  EXPECT_EQ(app_.GetProfileString("Settings", "Name", "gone"), "gone");
  EXPECT_TRUE(app_.WriteProfileString("Settings", "Never", nullptr));  // removing nothing is no failure
  app_.WriteProfileString("Old", "A", "1");
  EXPECT_TRUE(app_.WriteProfileString("Old", nullptr, nullptr));
  EXPECT_EQ(app_.GetProfileString("Old", "A", "none"), "none");
}

TEST_F(ProfileTest, IntegersAreReadFromNumbersStoredAsTextAndWrongTypesGiveTheDefault) {
  HKEY section = app_.GetSectionKey("Numbers");
  ASSERT_NE(section, nullptr);
  RegSetValueEx(section, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>("42"), 3);
  RegSetValueEx(section, "Junk", 0, REG_SZ, reinterpret_cast<const BYTE*>("4x"), 3);
  RegCloseKey(section);
  EXPECT_EQ(app_.GetProfileInt("Numbers", "Text", 0), 42u);
  EXPECT_EQ(app_.GetProfileInt("Numbers", "Junk", 5), 5u);
  app_.WriteProfileInt("Numbers", "Negative", -3);
  EXPECT_EQ(static_cast<int>(app_.GetProfileInt("Numbers", "Negative", 0)), -3);
  app_.WriteProfileString("Numbers", "Name", "abc");
  EXPECT_EQ(app_.GetProfileString("Numbers", "Negative", "d"), "d");  // a number is no text
}

TEST_F(ProfileTest, RecentFilesAreShortenedForTheMenuAndAnEmptyListShowsTheOriginalItem) {
  CRecentFileList list(0, "Recent File List", "File%d", 4, 20);
  list.Add("/home/user/ncdata/programs/very/deep/part.nc");
  list.Add("/home/user/ncdata/b.nc");
  list.Add("/HOME/USER/NCDATA/B.NC");    // another file on this system
  list.Add("/home/user/ncdata/./b.nc");  // the same file: it moves, it does not repeat
  EXPECT_EQ(list[0], "/home/user/ncdata/b.nc");
  EXPECT_EQ(list[1], "/HOME/USER/NCDATA/B.NC");
  EXPECT_TRUE(list[3].IsEmpty());
  CString shown;
  ASSERT_TRUE(list.GetDisplayName(shown, 2, nullptr, 0));
  EXPECT_EQ(shown, "/home/use.../part.nc");  // the name whole, the folder's start, twenty characters
  EXPECT_EQ(shown.GetLength(), 20);
  ASSERT_TRUE(list.GetDisplayName(shown, 0, "/home/user/ncdata", 17));
  EXPECT_EQ(shown, "b.nc");
  EXPECT_FALSE(list.GetDisplayName(shown, 3, nullptr, 0));
  list.Remove(0);
  list.Remove(0);
  EXPECT_EQ(list[0], "/home/user/ncdata/programs/very/deep/part.nc");

  CRecentFileList empty(0, "Recent File List", "File%d", 4);
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
  CCmdUI state;
  state.m_pMenu = &menu;
  state.m_nID = ID_FILE_MRU_FILE1;
  state.m_nIndex = 0;
  empty.UpdateMenu(&state);
  EXPECT_FALSE(state.m_bEnabled);
  CString text;
  menu.GetMenuString(0, text, MF_BYPOSITION);
  EXPECT_EQ(text, "Recent File");
}

TEST(CommandLineInfo, PrintFlagsAndPrinterNamesFollowTheFile) {
  CCommandLineInfo info;
  info.ParseParam("pt", TRUE, FALSE);
  info.ParseParam("/tmp/a.nc", FALSE, FALSE);
  info.ParseParam("printer", FALSE, FALSE);
  info.ParseParam("driver", FALSE, TRUE);
  EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FilePrintTo);
  EXPECT_EQ(info.m_strFileName, "/tmp/a.nc");
  EXPECT_EQ(info.m_strPrinterName, "printer");
  EXPECT_EQ(info.m_strDriverName, "driver");
  CCommandLineInfo embedded;
  embedded.ParseParam("Embedding", TRUE, TRUE);
  EXPECT_TRUE(embedded.m_bRunEmbedded);
  EXPECT_FALSE(embedded.m_bShowSplash);
  EXPECT_EQ(embedded.m_nShellCommand, CCommandLineInfo::FileNew);
}

}  // namespace
