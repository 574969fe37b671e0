// The explorer pane in its docking bar: the NC folder listed with the
// pattern, opening, deleting and renaming files, and the bar's sizing,
// closing and showing again.
#include "editor/app/explorer_pane.h"

#include <filesystem>

#include "editor/app/app_ids.h"
#include "editor/app/app_test_support.h"

namespace app_test {
namespace {

namespace fs = std::filesystem;

class ExplorerTest : public AppTest {
 protected:
  void SetUp() override {
    nc_ = folder_ / "ncdata";
    fs::create_directories(nc_ + "/Programs");
    fs::create_directories(nc_ + "/archive");
    for (const char* name : {"b.nc", "A.nc", "c.txt", "d.hnc"}) WriteFile(std::string("ncdata/") + name, "G01 X1");
    settings::Write("ncdatadir", nc_, false);
    settings::Write("expan", "*.nc", false);
  }

  CExplorerPane& Pane() { return *Frame()->ExplorerPane(); }
  // The texts of the selected item's children.
  std::vector<std::string> Listed() {
    CFolderTree& tree = Pane().Tree();
    std::vector<std::string> names;
    for (HTREEITEM child = tree.GetChildItem(tree.GetSelectedItem()); child != nullptr;
         child = tree.GetNextSiblingItem(child)) {
      names.push_back(tree.GetItemText(child).str());
    }
    return names;
  }
  // Selects an item of the NC folder.
  void Choose(const std::string& name) {
    CFolderTree& tree = Pane().Tree();
    ASSERT_TRUE(tree.SelectPath(nc_.c_str()));
    for (HTREEITEM child = tree.GetChildItem(tree.GetSelectedItem()); child != nullptr;
         child = tree.GetNextSiblingItem(child)) {
      if (tree.GetItemText(child).str() == name) {
        tree.SelectItem(child);
        return;
      }
    }
    ADD_FAILURE() << name << " is not listed";
  }

  std::string nc_;
};

TEST_F(ExplorerTest, TheNcFolderIsSelectedWithItsFoldersFirstThenTheFilesOfThePattern) {
  ASSERT_TRUE(Start());
  ASSERT_NE(Frame()->ExplorerPane(), nullptr);
  EXPECT_EQ(app_->ExplorerShown, 1);
  EXPECT_EQ(Pane().Tree().ItemPath(Pane().Tree().GetSelectedItem()), nc_.c_str());
  EXPECT_EQ(Listed(), (std::vector<std::string>{"archive", "Programs", "A.nc", "b.nc"}));
  EXPECT_EQ(Pane().SelectedPath(), nc_.c_str());
}

TEST_F(ExplorerTest, TheNcFolderBelowManyOthersIsScrolledIntoViewAndTheWheelScrollsTheTree) {
  // Sixty folders sort before the one that holds the NC folder.
  for (int i = 0; i < 60; ++i) fs::create_directories(folder_.path() + "/a" + std::to_string(100 + i));
  const std::string deep = folder_.path() + "/zz/ncdata";
  fs::create_directories(deep);
  settings::Write("ncdatadir", deep, false);
  ASSERT_TRUE(Start());
  CFolderTree& tree = Pane().Tree();
  ASSERT_EQ(tree.ItemPath(tree.GetSelectedItem()), deep.c_str());
  CRect client;
  tree.GetClientRect(&client);
  CRect row;
  ASSERT_TRUE(tree.GetItemRect(tree.GetSelectedItem(), &row, FALSE));
  EXPECT_GE(row.top, 0);
  EXPECT_LE(row.bottom, client.bottom) << "the NC folder lies below the pane";
  SCROLLINFO bar;
  ASSERT_TRUE(tree.GetScrollInfo(SB_VERT, &bar, SIF_ALL));
  EXPECT_GT(bar.nPos, 0);
  // The wheel over the tree takes it back towards the top.
  const int before = bar.nPos;
  tree.SetFocus();
  afx_test::Headless().Wheel(WHEEL_DELTA);
  ASSERT_TRUE(tree.GetScrollInfo(SB_VERT, &bar, SIF_POS));
  EXPECT_LT(bar.nPos, before);
}

TEST_F(ExplorerTest, AnUnknownStoredPatternComesFirstAndChangingThePatternRefillsTheList) {
  settings::Write("expan", "*.txt", false);
  ASSERT_TRUE(Start());
  CComboBox* combo = static_cast<CComboBox*>(Pane().GetDlgItem(IDC_PATTERN));
  ASSERT_NE(combo, nullptr);
  CString first;
  combo->GetLBText(0, first);
  EXPECT_EQ(first.str(), "*.txt");
  EXPECT_EQ(combo->GetCurSel(), 0);
  EXPECT_EQ(combo->GetCount(), 6);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"archive", "Programs", "c.txt"}));

  combo->SetCurSel(combo->FindStringExact(-1, "*.hnc"));
  Pane().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PATTERN, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo->m_hWnd));
  EXPECT_EQ(Pane().Tree().GetPattern().str(), "*.hnc");
  EXPECT_EQ(Listed(), (std::vector<std::string>{"archive", "Programs", "d.hnc"}));
}

TEST_F(ExplorerTest, OpeningAFileMakesItsDocumentAndOpeningAFolderDoesNot) {
  ASSERT_TRUE(Start());
  Choose("Programs");
  Pane().SendMessage(WM_COMMAND, ID_FILE_LIST_OPEN);
  EXPECT_EQ(app_->GetOpenDocumentCount(), 0);
  Choose("b.nc");
  Pane().SendMessage(WM_COMMAND, ID_FILE_LIST_OPEN);
  ASSERT_EQ(app_->GetOpenDocumentCount(), 1);
  EXPECT_EQ(ActiveDoc()->GetPathName(), (nc_ + "/b.nc").c_str());
}

TEST_F(ExplorerTest, DeleteAsksFirstAndDeletesOnlyFiles) {
  UseScript("no\nyes\n");
  ASSERT_TRUE(Start());
  Choose("b.nc");
  Pane().SendMessage(WM_COMMAND, ID_FILE_LIST_DELETE);
  EXPECT_TRUE(fs::exists(nc_ + "/b.nc"));
  EXPECT_NE(Transcript().find("[질문] " + nc_ + "/b.nc 파일을 삭제하시겠습니까?"), std::string::npos) << Transcript();
  Choose("b.nc");
  Pane().SendMessage(WM_COMMAND, ID_FILE_LIST_DELETE);
  EXPECT_FALSE(fs::exists(nc_ + "/b.nc"));
  EXPECT_EQ(Pane().CurrentFolder(), nc_.c_str());
  EXPECT_EQ(Listed(), (std::vector<std::string>{"archive", "Programs", "A.nc"}));

  Choose("archive");
  Pane().SendMessage(WM_COMMAND, ID_FILE_LIST_DELETE);
  EXPECT_TRUE(fs::is_directory(nc_ + "/archive"));
}

TEST_F(ExplorerTest, RenameRefusesPathsAndDotDotAndRenamesWithinTheFolder) {
  UseScript(
      "set 1049 ../escaped.nc\nok\nok\n"
      "set 1049 sub/x.nc\nok\nok\n"
      "set 1049 ..\nok\nok\n"
      "show\nset 1049 renamed.nc\nok\n");
  ASSERT_TRUE(Start());
  for (int attempt = 0; attempt < 4; ++attempt) {
    Choose("A.nc");
    Pane().SendMessage(WM_COMMAND, ID_FILE_LIST_RENAME);
    if (attempt < 3) {
      EXPECT_TRUE(fs::exists(nc_ + "/A.nc")) << attempt;
    }
  }
  EXPECT_FALSE(fs::exists(folder_ / "escaped.nc"));
  EXPECT_FALSE(fs::exists(nc_ + "/A.nc"));
  EXPECT_TRUE(fs::exists(nc_ + "/renamed.nc"));
  const std::string transcript = Transcript();
  EXPECT_NE(transcript.find("1048 static \"파일명 변경\""), std::string::npos) << transcript;
  EXPECT_NE(transcript.find("[메시지] 이름에는 경로 구분자"), std::string::npos) << transcript;
}

TEST(IsPlainName, OnlyNamesThatStayInTheirFolder) {
  EXPECT_TRUE(IsPlainName("a..b.nc"));
  EXPECT_TRUE(IsPlainName("가공.nc"));
  EXPECT_FALSE(IsPlainName(""));
  EXPECT_FALSE(IsPlainName("."));
  EXPECT_FALSE(IsPlainName(".."));
  EXPECT_FALSE(IsPlainName("x/y"));
  EXPECT_FALSE(IsPlainName("x\\y"));
}

TEST_F(ExplorerTest, TheBarFitsItsPaneClosesWithItsButtonAndShowsAgainWithItsSizes) {
  ASSERT_TRUE(Start());
  CDockingPaneBar& bar = Frame()->DockingBar();
  CRect pane;
  Pane().GetWindowRect(&pane);
  CRect window;
  bar.GetWindowRect(&window);
  EXPECT_EQ(bar.VertDockedSize.cx, 220 + 6 + 3);
  EXPECT_EQ(bar.HorzDockedSize.cy, 420 + 6 + 3);
  EXPECT_EQ(window.Width(), 229);
  // The pane fills the bar inside its gripper and edge.
  EXPECT_EQ(pane.Width(), 229 - 3 - 6);
  // The gripper carries the bar's title.
  bar.SendMessage(WM_NCPAINT, 1);
  bool titled = false;
  for (const afx::DrawOp* run : afx_test::Headless().WindowCanvasOf(bar.m_hWnd)->TextRuns()) {
    titled = titled || run->text == "File List";
  }
  EXPECT_TRUE(titled) << "the docking bar shows no title";

  // The sizing edge dragged far to the left leaves the minimum.
  bar.SendMessage(WM_NCLBUTTONDOWN, HTSIZE, MAKELPARAM(window.right - 3, window.top + 100));
  ASSERT_TRUE(bar.IsTracking());
  CPoint far(-500, 100);
  bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(far.x, far.y));
  bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(far.x, far.y));
  EXPECT_FALSE(bar.IsTracking());
  EXPECT_EQ(bar.VertDockedSize.cx, CDockingPaneBar::kMinimumSize);
  bar.GetWindowRect(&window);
  EXPECT_EQ(window.Width(), CDockingPaneBar::kMinimumSize);

  // Dragged out by 100 pixels it grows by 100.
  bar.SendMessage(WM_NCLBUTTONDOWN, HTSIZE, MAKELPARAM(window.right - 3, window.top + 100));
  CPoint start = window.TopLeft();
  bar.ScreenToClient(&start);
  bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(start.x + 29 + 100, 100));
  bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(start.x + 29 + 100, 100));
  EXPECT_EQ(bar.VertDockedSize.cx, CDockingPaneBar::kMinimumSize + 100);

  // The close button hides the bar and clears the flag; showing it again keeps its size.
  bar.SendMessage(WM_NCLBUTTONDOWN, HTSYSMENU, 0);
  EXPECT_FALSE(bar.IsWindowVisible());
  EXPECT_EQ(app_->ExplorerShown, 0);
  app_->ShowExplorerPane();
  EXPECT_TRUE(bar.IsWindowVisible());
  EXPECT_EQ(app_->ExplorerShown, 1);
  bar.GetWindowRect(&window);
  EXPECT_EQ(window.Width(), CDockingPaneBar::kMinimumSize + 100);
}

TEST_F(ExplorerTest, HitTestsFindTheCloseButtonTheGripperAndTheSizingEdge) {
  ASSERT_TRUE(Start());
  CDockingPaneBar& bar = Frame()->DockingBar();
  CRect window;
  bar.GetWindowRect(&window);
  const auto hit = [&](int x, int y) {
    return static_cast<int>(bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(window.left + x, window.top + y)));
  };
  EXPECT_EQ(hit(window.Width() - 15, 12), HTSYSMENU);
  EXPECT_EQ(hit(window.Width() - 28, 12), HTMINBUTTON);
  EXPECT_EQ(hit(20, 10), HTCAPTION);
  EXPECT_EQ(hit(window.Width() - 2, 200), HTSIZE);
}

}  // namespace
}  // namespace app_test
