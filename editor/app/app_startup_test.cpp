// The editor's start, its New and Open commands, its saved window size, and
// what its documents do with files that cannot be read or written.
#include <filesystem>

#include "editor/app/app_ids.h"
#include "editor/app/app_test_support.h"
#include "platform/classlib/docview/recent_file_list.h"

namespace app_test {
namespace {

namespace fs = std::filesystem;

class AppStartup : public AppTest {};

TEST_F(AppStartup, AFirstStartUsesTheDefaultFoldersOpensNoDocumentAndSavesTheNormalSize) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(NcDataFolder, folder_ / "marrel/ncdata");
  EXPECT_EQ(FileFilterPattern, "*.*");
  EXPECT_EQ(ConfigFolder, folder_ / "marrel");
  EXPECT_EQ(app_->GetOpenDocumentCount(), 0);
  EXPECT_EQ(Frame()->GetMenu()->GetMenuItemCount(), 3u) << "the menu without documents";
  EXPECT_EQ(settings::Read("MFramePlace"), "2");
  CRect window;
  Frame()->GetWindowRect(&window);
  EXPECT_EQ(settings::Read("MFrameWid"), std::to_string(window.Width()));
  EXPECT_EQ(settings::Read("MFrameHei"), std::to_string(window.Height()));
  EXPECT_EQ(Frame()->StatusBar().GetCount(), 9);
  EXPECT_EQ(Frame()->ToolBar().CommandToIndex(ID_WINDOW_TILE_VERT), Frame()->ToolBar().GetCount() - 1);

  // After the start, New makes a document.
  Command(ID_FILE_NEW);
  EXPECT_EQ(app_->GetOpenDocumentCount(), 1);
  EXPECT_EQ(Frame()->GetMenu()->GetMenuItemCount(), 5u) << "the menu of documents";
}

TEST_F(AppStartup, AFileNamedOnTheCommandLineOpensAndTheUsersFirstNewStillMakesADocument) {
  const std::string path = WriteFile("part.nc", "%\r\nO100\r\nG00 X0\r\n%");
  ASSERT_TRUE(Start({path}));
  ASSERT_NE(ActiveDoc(), nullptr);
  EXPECT_EQ(ActiveDoc()->m_xTextBuffer.LineCount(), 4);
  EXPECT_EQ(ActiveDoc()->GetPathName(), path.c_str());
  Command(ID_FILE_NEW);
  EXPECT_EQ(app_->GetOpenDocumentCount(), 2);
}

TEST_F(AppStartup, AStoredMaximisedWindowOpensMaximisedAndKeepsItsNormalSizeStored) {
  settings::Write("MFrameWid", "700");
  settings::Write("MFrameHei", "500");
  settings::Write("MFramePlace", "1");
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Frame()->IsZoomed());
  EXPECT_EQ(settings::Read("MFramePlace"), "1");
  EXPECT_EQ(settings::Read("MFrameWid"), "700") << "the normal size, not the maximised one";
  EXPECT_EQ(settings::Read("MFrameHei"), "500");

  Frame()->ShowWindow(SW_RESTORE);
  Frame()->MoveWindow(0, 0, 640, 480);
  EXPECT_EQ(settings::Read("MFramePlace"), "2");
  EXPECT_EQ(settings::Read("MFrameWid"), "640");
  EXPECT_EQ(settings::Read("MFrameHei"), "480");
}

TEST_F(AppStartup, UnusableStoredSizesAreIgnored) {
  settings::Write("MFrameWid", "wide");
  settings::Write("MFrameHei", "-5");
  settings::Write("MFramePlace", "2");
  ASSERT_TRUE(Start());
  CRect window;
  Frame()->GetWindowRect(&window);
  EXPECT_GT(window.Width(), 100);
  EXPECT_GT(window.Height(), 100);
}

TEST_F(AppStartup, OpenStoresTheWholeChosenPathAndCancelStoresNothing) {
  const std::string folder = folder_ / std::string(120, 'd');
  fs::create_directories(folder);
  const std::string path = folder + "/long.nc";
  WriteFile(std::string(120, 'd') + "/long.nc", "G01 X1");
  UseScript(path + "\ncancel\n");
  ASSERT_TRUE(Start());
  Command(ID_FILE_OPEN);
  EXPECT_EQ(app_->GetOpenDocumentCount(), 1);
  EXPECT_EQ(settings::Read("LastOpenFileName"), path);
  settings::Write("LastOpenFileName", "before");
  Command(ID_FILE_OPEN);
  EXPECT_EQ(settings::Read("LastOpenFileName"), "before");
  EXPECT_EQ(app_->GetOpenDocumentCount(), 1);
}

TEST_F(AppStartup, AReadOnlyFileOpensAfterItsMessageAndAMissingOneGivesOnlyTheCannotOpenMessage) {
  const std::string path = WriteFile("locked.nc", "G01 X1");
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  UseScript("ok\nok\n");
  ASSERT_TRUE(Start());
  ASSERT_NE(app_->OpenFileByName(path.c_str()), nullptr);
  EXPECT_TRUE(ActiveDoc()->m_xTextBuffer.GetReadOnly());
  EXPECT_NE(Transcript().find("[메시지] " + path + "은 읽기전용 파일이므로 수정이 되지 않습니다."), std::string::npos)
      << Transcript();

  const std::string missing = folder_ / "missing.nc";
  EXPECT_EQ(app_->OpenFileByName(missing.c_str()), nullptr);
  EXPECT_NE(Transcript().find("[메시지] " + missing + "파일은 열수 없습니다.\n파일이 없습니다."), std::string::npos)
      << Transcript();
  EXPECT_EQ(Transcript().find(missing + "은 읽기전용"), std::string::npos);
  EXPECT_EQ(app_->GetOpenDocumentCount(), 1);
}

TEST_F(AppStartup, SaveAsStartsInTheDocumentsFolderWithNcAndRecentFilesAreAbsolute) {
  fs::create_directory(folder_ / "sub");
  WriteFile("sub/a.nc", "G01 X1\r\n");
  const fs::path started_in = fs::current_path();
  fs::current_path(folder_.path());
  UseScript("b\nnul\n");
  const BOOL started = Start({"sub/a.nc"});
  fs::current_path(started_in);  // the rest runs elsewhere, as a later start would
  ASSERT_TRUE(started);
  EXPECT_EQ(ActiveDoc()->GetPathName().str(), folder_ / "sub/a.nc");
  EXPECT_EQ((*app_->m_pRecentFileList)[0].str(), folder_ / "sub/a.nc");
  Command(ID_FILE_SAVE_AS);
  EXPECT_NE(Transcript().find(folder_ / "sub"), std::string::npos) << Transcript();
  EXPECT_EQ(ReadFile(folder_ / "sub/b.nc"), "G01 X1\r\n") << Transcript();
  EXPECT_EQ(ActiveDoc()->GetPathName().str(), folder_ / "sub/b.nc");
  EXPECT_EQ((*app_->m_pRecentFileList)[0].str(), folder_ / "sub/b.nc");
  // A Windows device name is a file like any other.
  Command(ID_FILE_SAVE_AS);
  EXPECT_EQ(ReadFile(folder_ / "sub/nul.nc"), "G01 X1\r\n") << Transcript();
  EXPECT_EQ(ActiveDoc()->GetPathName().str(), folder_ / "sub/nul.nc");
}

TEST_F(AppStartup, AnOpenFailureSaysWhy) {
  const std::string folder = folder_ / "programs.nc";
  fs::create_directory(folder);
  UseScript("ok\nok\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(app_->OpenFileByName(folder.c_str()), nullptr);
  EXPECT_NE(Transcript().find(folder + "파일은 열수 없습니다.\n폴더는 문서로 열 수 없습니다."), std::string::npos)
      << Transcript();
  const std::string in_missing_folder = folder_ / "nowhere/part.nc";
  EXPECT_EQ(app_->OpenFileByName(in_missing_folder.c_str()), nullptr);
  EXPECT_NE(Transcript().find(in_missing_folder + "파일은 열수 없습니다.\n파일이 없습니다."), std::string::npos)
      << Transcript();
  EXPECT_EQ(app_->GetOpenDocumentCount(), 0);
}

TEST_F(AppStartup, AFailedSaveIsReportedTheDocumentStaysModifiedAndTheFileOnDiskStaysWhole) {
  const std::string original = "%\r\nG01 X1\r\n%";
  const std::string path = WriteFile("part.nc", original);
  UseScript("ok\nok\n");
  ASSERT_TRUE(Start({path}));
  CSampleDoc* doc = ActiveDoc();
  int line = 0;
  int column = 0;
  ASSERT_TRUE(doc->m_xTextBuffer.InsertText(nullptr, 1, 0, "N5 ", line, column));
  EXPECT_TRUE(doc->IsModified());

  // A folder where the file should be: the save fails.
  const std::string blocked = folder_ / "blocked.nc";
  fs::create_directory(blocked);
  EXPECT_FALSE(doc->DoSave(blocked.c_str()));
  EXPECT_TRUE(doc->IsModified());
  EXPECT_TRUE(fs::is_directory(blocked));
  EXPECT_NE(Transcript().find("[메시지]"), std::string::npos) << Transcript();
  EXPECT_EQ(doc->GetPathName(), path.c_str());
  EXPECT_EQ(ReadFile(path), original);

  // The real save writes the text and clears the mark.
  EXPECT_TRUE(doc->DoSave(path.c_str()));
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(ReadFile(path), "%\r\nN5 G01 X1\r\n%");
}

TEST_F(AppStartup, TextReplacedFromAFileIsOneUndoStepAndMarksTheDocumentModified) {
  const std::string path = WriteFile("part.nc", "G01 X1\r\nG01 X2");
  const std::string merged = WriteFile("merged.nc", "N1 G00 X0\r\nN2 G01 X5\r\nN3 M30");
  ASSERT_TRUE(Start({path}));
  CSampleDoc* doc = ActiveDoc();
  ASSERT_TRUE(doc->ReplaceTextFromFile(merged.c_str()));
  EXPECT_TRUE(doc->IsModified());
  ASSERT_EQ(doc->m_xTextBuffer.LineCount(), 3);
  EXPECT_EQ(doc->m_xTextBuffer.LineView(2), "N3 M30");
  TextPosition caret;
  ASSERT_TRUE(doc->m_xTextBuffer.UndoStep(caret));
  ASSERT_EQ(doc->m_xTextBuffer.LineCount(), 2);
  EXPECT_EQ(doc->m_xTextBuffer.LineView(1), "G01 X2");
  EXPECT_FALSE(doc->IsModified());
  EXPECT_FALSE(doc->ReplaceTextFromFile((folder_ / "none.nc").c_str()));
  EXPECT_EQ(doc->m_xTextBuffer.LineCount(), 2);
}

TEST_F(AppStartup, SplittingAChildFrameShowsTheSameBufferInBothPanes) {
  const std::string path = WriteFile("part.nc", "G01 X1\r\nG01 X2");
  ASSERT_TRUE(Start({path}));
  auto* child = dynamic_cast<CChildFrame*>(ActiveView()->GetParentFrame());
  ASSERT_NE(child, nullptr);
  CSplitterWnd& splitter = child->Splitter();
  EXPECT_EQ(splitter.GetMaxRowCount(), 2);
  EXPECT_EQ(splitter.GetMaxColumnCount(), 2);
  ASSERT_TRUE(splitter.SplitRow(100));
  auto* lower = dynamic_cast<CSampleView*>(splitter.GetPane(1, 0));
  ASSERT_NE(lower, nullptr);
  EXPECT_EQ(lower->GetTextBuffer(), &ActiveDoc()->m_xTextBuffer);
  EXPECT_EQ(lower->GetTextFont().lfFaceName, std::string("Courier"));

  // Typed into one pane, the text shows in the other.
  ActiveView()->SendMessage(WM_CHAR, 'N');
  afx::DrainMessages();
  EXPECT_EQ(std::string(lower->TextLineChars(0), static_cast<size_t>(lower->TextLineLength(0))), "NG01 X1");
  EXPECT_TRUE(ActiveDoc()->IsModified());
}

TEST_F(AppStartup, TileAndCascadeArrangeTheMaximisedDocumentWindows) {
  ASSERT_TRUE(Start({WriteFile("a.nc", "G01 X1")}));
  app_->OpenFileByName(WriteFile("b.nc", "G01 X2").c_str());
  afx::DrainMessages();
  std::vector<CMDIChildWnd*> children = Frame()->Children();
  ASSERT_EQ(children.size(), 2u);
  EXPECT_TRUE(children[1]->IsZoomed());

  Command(ID_WINDOW_TILE_VERT);
  CRect left;
  CRect right;
  children[0]->GetWindowRect(&left);
  children[1]->GetWindowRect(&right);
  EXPECT_FALSE(children[0]->IsZoomed());
  EXPECT_FALSE(children[1]->IsZoomed());
  EXPECT_EQ(left.right, right.left);
  EXPECT_EQ(left.top, right.top);

  Command(ID_WINDOW_TILE_HORZ);
  children[0]->GetWindowRect(&left);
  children[1]->GetWindowRect(&right);
  EXPECT_EQ(left.bottom, right.top);

  Command(ID_WINDOW_CASCADE);
  children[0]->GetWindowRect(&left);
  children[1]->GetWindowRect(&right);
  EXPECT_GT(right.left, left.left);
  EXPECT_GT(right.top, left.top);

  // The tool bar's arrangement buttons are live once the bars were updated, and tile as the menu does.
  app_->OnIdle(0);
  CToolBar& tools = Frame()->ToolBar();
  const int tile = tools.CommandToIndex(ID_WINDOW_TILE_VERT);
  EXPECT_EQ(tools.GetButtonStyle(tile) & TBBS_DISABLED, 0u) << "the tool bar's tiling button is disabled";
  CRect button;
  tools.GetItemRect(tile, &button);
  tools.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
  tools.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
  afx::DrainMessages();
  children[0]->GetWindowRect(&left);
  children[1]->GetWindowRect(&right);
  EXPECT_EQ(left.right, right.left);
}

TEST_F(AppStartup, AViewOf384PixelsIsShortAndOneOf385IsTall) {
  const std::string path = WriteFile("part.nc", "G01 X1");
  ASSERT_TRUE(Start({path}));
  CSampleView* view = ActiveView();
  view->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(500, 384));
  EXPECT_EQ(view->TallViewFlag, 0);
  EXPECT_EQ(view->VisibleLineEstimate, 24);
  view->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(500, 385));
  EXPECT_EQ(view->TallViewFlag, 1);
}

TEST_F(AppStartup, TheReadOnlyCommandSwitchesBackWithoutASecondMessage) {
  const std::string path = WriteFile("part.nc", "G01 X1");
  UseScript("ok\n");
  ASSERT_TRUE(Start({path}));
  CSampleDoc* doc = ActiveDoc();
  doc->OnCmdMsg(ID_TOGGLE_READ_ONLY, CN_COMMAND, nullptr, nullptr);
  EXPECT_TRUE(doc->m_xTextBuffer.GetReadOnly());
  doc->OnCmdMsg(ID_TOGGLE_READ_ONLY, CN_COMMAND, nullptr, nullptr);
  EXPECT_FALSE(doc->m_xTextBuffer.GetReadOnly());
  const std::string transcript = Transcript();
  EXPECT_EQ(transcript.find("Document now read-only!"), transcript.rfind("Document now read-only!"));
  EXPECT_NE(transcript.find("Document now read-only!"), std::string::npos);
}

TEST(PlacementOf, MaximisedMinimisedAndEverythingElse) {
  EXPECT_EQ(PlacementOf(SW_SHOWMAXIMIZED), 1);
  EXPECT_EQ(PlacementOf(SW_SHOWMINIMIZED), 3);
  EXPECT_EQ(PlacementOf(SW_SHOWNORMAL), 2);
  EXPECT_EQ(PlacementOf(SW_HIDE), 2);
}

}  // namespace
}  // namespace app_test
