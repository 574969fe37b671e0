// The application, documents, views, frames, bars, printing and profile
// of the class library, on a small program, through the headless backend.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/classlib/backend/headless_test_support.h"
#include "platform/classlib/docview/docview_test_fixture.h"

namespace {

using afx_test::Headless;
using docview_test::TestApp;
using docview_test::TestChildFrame;
using docview_test::TestDoc;
using docview_test::TestView;
using docview_test::Text;

class DocViewTest : public docview_test::AppTest {
 protected:
  CMDIChildWnd* ActiveChild() { return app_->Main()->MDIGetActive(); }
  TestView* ActiveView() { return static_cast<TestView*>(app_->Main()->GetActiveView()); }
};

TEST_F(DocViewTest, OpeningAFileMakesAFrameWithItsViewTitlesAndMenu) {
  EXPECT_EQ(Text(app_->Main()), "Tester");
  EXPECT_EQ(app_->Main()->GetMenu()->GetMenuItemCount(), 1u);  // the menu without documents
  const std::string path = WriteFile("part.nc", "G00 X0\nG01 Y1\n");
  TestDoc* doc = Open(path);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->lines, (std::vector<std::string>{"G00 X0", "G01 Y1"}));
  EXPECT_EQ(doc->GetTitle(), "part.nc");
  EXPECT_EQ(Text(app_->Main()), "Tester - part.nc");
  EXPECT_EQ(Text(ActiveChild()), "part.nc");
  EXPECT_EQ(app_->Main()->GetMenu()->GetMenuItemCount(), 3u);  // the document's menu
  ASSERT_NE(ActiveView(), nullptr);
  EXPECT_EQ(ActiveView()->initial_updates, 1);
  EXPECT_EQ(CWnd::GetFocus(), ActiveView());
  EXPECT_EQ((*app_->m_pRecentFileList)[0], path.c_str());

  // What the view drew is what a person sees.
  const std::vector<afx::ScreenRow> rows = Headless().Screen(ActiveView()->m_hWnd);
  EXPECT_EQ(rows[0].text, "G00 X0");
  EXPECT_EQ(rows[1].text, "G01 Y1");
}

TEST_F(DocViewTest, OpeningAnOpenFileAgainActivatesItAndAMissingFileOpensNothing) {
  const std::string first = WriteFile("a.nc", "A\n");
  const std::string second = WriteFile("b.nc", "B\n");
  TestDoc* a = Open(first);
  Open(second);
  EXPECT_EQ(app_->GetOpenDocumentCount(), 2);
  EXPECT_EQ(Open(first), a);
  EXPECT_EQ(app_->GetOpenDocumentCount(), 2);
  EXPECT_EQ(ActiveView()->Doc(), a);
  EXPECT_EQ(Open(folder_ / "none.nc"), nullptr);
  EXPECT_EQ(app_->GetOpenDocumentCount(), 2);
  EXPECT_NE(Transcript().find("none.nc cannot be opened."), std::string::npos);
}

TEST_F(DocViewTest, CommandsReachTheViewItsDocumentTheFramesAndTheApplicationInThatOrder) {
  Open(WriteFile("part.nc", "X\n"));
  TestView* view = ActiveView();
  Command(docview_test::kViewCommand);
  Command(docview_test::kDocCommand);
  Command(docview_test::kFrameCommand);
  Command(docview_test::kAppCommand);
  EXPECT_EQ(view->handled, (std::vector<std::string>{"view"}));
  EXPECT_EQ(view->Doc()->handled, (std::vector<std::string>{"doc"}));
  EXPECT_EQ(app_->Main()->handled, (std::vector<std::string>{"frame"}));
  EXPECT_EQ(app_->handled, (std::vector<std::string>{"app"}));

  // A person cannot choose a command that its update handler disables, nor one nobody handles.
  EXPECT_FALSE(Headless().Menu(docview_test::kDisabledCommand));
  EXPECT_FALSE(Headless().Menu(49999));
  EXPECT_TRUE(Headless().Menu(docview_test::kViewCommand));
  EXPECT_EQ(view->handled.size(), 2u);
  EXPECT_NE(Transcript().find("[menu 41003 is disabled]"), std::string::npos);

  // Opening the Edit popup runs the update handlers over its items.
  CMenu* edit = app_->Main()->GetMenu()->GetSubMenu(1);
  app_->Main()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit->m_hMenu), 1);
  EXPECT_EQ(edit->GetMenuState(docview_test::kViewCommand, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_NE(edit->GetMenuState(docview_test::kDisabledCommand, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(DocViewTest, ActivatingChildrenSwitchesViewsFocusAndTitleAndClosingOneActivatesTheOther) {
  TestDoc* a = Open(WriteFile("a.nc", "A\n"));
  CMDIChildWnd* first = ActiveChild();
  TestView* first_view = ActiveView();
  TestDoc* b = Open(WriteFile("b.nc", "B\n"));
  CMDIChildWnd* second = ActiveChild();
  ASSERT_NE(first, second);
  EXPECT_EQ(Text(app_->Main()), "Tester - b.nc");
  const int activations = first_view->activations;
  app_->Main()->MDIActivate(first);
  EXPECT_EQ(ActiveChild(), first);
  EXPECT_EQ(first_view->activations, activations + 1);
  EXPECT_EQ(CWnd::GetFocus(), first_view);
  EXPECT_EQ(Text(app_->Main()), "Tester - a.nc");
  EXPECT_EQ(app_->Main()->GetActiveDocument(), a);

  // Keyboard input goes to the active view.
  Headless().Type("1");
  EXPECT_EQ(a->lines[0], "A1");
  EXPECT_EQ(b->lines[0], "B");

  a->SetModifiedFlag(FALSE);
  first->SendMessage(WM_CLOSE);
  afx::DrainMessages();
  EXPECT_EQ(app_->GetOpenDocumentCount(), 1);
  EXPECT_EQ(ActiveChild(), second);
  EXPECT_EQ(Text(app_->Main()), "Tester - b.nc");

  second->SendMessage(WM_CLOSE);
  afx::DrainMessages();
  EXPECT_EQ(ActiveChild(), nullptr);
  EXPECT_EQ(app_->Main()->GetMenu()->GetMenuItemCount(), 1u);  // back to the menu without documents
  EXPECT_EQ(Text(app_->Main()), "Tester");
}

TEST_F(DocViewTest, ANewWindowShowsTheSameDocumentAndBothAreNumbered) {
  TestDoc* doc = Open(WriteFile("part.nc", "X\n"));
  CMDIChildWnd* first = ActiveChild();
  Command(ID_WINDOW_NEW);
  CMDIChildWnd* second = ActiveChild();
  ASSERT_NE(first, second);
  EXPECT_EQ(static_cast<TestView*>(second->GetActiveView())->Doc(), doc);
  EXPECT_EQ(Text(first), "part.nc:1");
  EXPECT_EQ(Text(second), "part.nc:2");
  // Closing one window of a modified document asks nothing; the other keeps it.
  doc->SetModifiedFlag();
  second->SendMessage(WM_CLOSE);
  afx::DrainMessages();
  EXPECT_EQ(app_->GetOpenDocumentCount(), 1);
  EXPECT_EQ(Transcript().find("Save changes"), std::string::npos);
  EXPECT_EQ(Text(first), "part.nc");
}

TEST_F(DocViewTest, ClosingAModifiedDocumentAsksAndCancelKeepsIt) {
  const std::string path = WriteFile("part.nc", "X\n");
  TestDoc* doc = Open(path);
  Headless().Type("Y");
  ASSERT_TRUE(doc->IsModified());
  UseScript("cancel\nno\n");
  ActiveChild()->SendMessage(WM_CLOSE);
  EXPECT_EQ(app_->GetOpenDocumentCount(), 1);
  EXPECT_NE(Transcript().find("Save changes to part.nc?"), std::string::npos);
  ActiveChild()->SendMessage(WM_CLOSE);
  afx::DrainMessages();
  EXPECT_EQ(app_->GetOpenDocumentCount(), 0);
  std::ifstream in(path);
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first, "X");  // "no" saved nothing
}

TEST_F(DocViewTest, SavingGoesToTheDocumentsPathThroughItsAccelerator) {
  const std::string path = WriteFile("part.nc", "X\n");
  TestDoc* doc = Open(path);
  Headless().Type("Z");
  Headless().Key({'S', true, false, false});
  EXPECT_FALSE(doc->IsModified());
  std::ifstream in(path);
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first, "XZ");
}

TEST_F(DocViewTest, TheSplitterMakesAndRemovesPanesOnTheSameDocument) {
  TestDoc* doc = Open(WriteFile("part.nc", "X\n"));
  auto* child = static_cast<TestChildFrame*>(ActiveChild());
  CSplitterWnd& splitter = child->splitter;
  ASSERT_EQ(splitter.GetRowCount(), 1);
  CRect pane_area;
  splitter.GetClientRect(&pane_area);
  ASSERT_TRUE(splitter.SplitRow(100));
  ASSERT_EQ(splitter.GetRowCount(), 2);
  auto* top = static_cast<TestView*>(splitter.GetPane(0, 0));
  auto* bottom = static_cast<TestView*>(splitter.GetPane(1, 0));
  ASSERT_NE(bottom, nullptr);
  EXPECT_EQ(bottom->Doc(), doc);
  EXPECT_EQ(bottom->initial_updates, 1);
  EXPECT_EQ(bottom->GetDlgCtrlID(), static_cast<int>(AFX_IDW_PANE_FIRST + 16));
  CRect top_rect;
  CRect bottom_rect;
  top->GetClientRect(&top_rect);
  bottom->GetClientRect(&bottom_rect);
  EXPECT_EQ(top_rect.Height(), 100);
  EXPECT_EQ(bottom_rect.Height(), pane_area.Height() - 100 - splitter.m_cySplitterGap);
  int count = 0;
  for (POSITION pos = doc->GetFirstViewPosition(); pos != nullptr; doc->GetNextView(pos)) ++count;
  EXPECT_EQ(count, 2);

  // A click in the lower pane makes it the active one.
  bottom->SetFocus();
  Headless().Click(5, 5);
  EXPECT_EQ(child->GetActiveView(), bottom);

  // Dragging the bar to the very top joins the panes again.
  top->SetFocus();
  Headless().Drag(10, 103, 10, 2);
  EXPECT_EQ(splitter.GetRowCount(), 1);
  count = 0;
  for (POSITION pos = doc->GetFirstViewPosition(); pos != nullptr; doc->GetNextView(pos)) ++count;
  EXPECT_EQ(count, 1);
  ASSERT_NE(child->GetActiveView(), nullptr);

  // The split command splits the active view's splitter.
  EXPECT_TRUE(Headless().Menu(ID_WINDOW_SPLIT));
  EXPECT_EQ(splitter.GetRowCount(), 2);
}

TEST_F(DocViewTest, BarsTakeTheirSidesAndHidingOneGivesTheRoomBack) {
  Open(WriteFile("part.nc", "X\n"));
  CRect frame_client;
  app_->Main()->GetClientRect(&frame_client);
  CWnd* client = CWnd::FromHandle(app_->Main()->m_hWndMDIClient);
  CRect tool;
  CRect status;
  CRect area;
  app_->Main()->tool_bar.GetWindowRect(&tool);
  app_->Main()->status_bar.GetWindowRect(&status);
  client->GetWindowRect(&area);
  EXPECT_EQ(tool.top, 0);
  EXPECT_EQ(area.top, tool.bottom);
  EXPECT_EQ(status.bottom, frame_client.bottom);
  EXPECT_EQ(area.bottom, status.top);
  EXPECT_TRUE(app_->Main()->tool_bar.IsFloating() == FALSE);

  CCmdUI state;
  state.m_nID = ID_VIEW_TOOLBAR;
  state.DoUpdate(app_->Main(), TRUE);
  EXPECT_EQ(state.m_nCheck, 1);
  Command(ID_VIEW_TOOLBAR);
  client->GetWindowRect(&area);
  EXPECT_EQ(area.top, 0);
  state.DoUpdate(app_->Main(), TRUE);
  EXPECT_EQ(state.m_nCheck, 0);

  // Floating and docking again.
  app_->Main()->ShowControlBar(&app_->Main()->tool_bar, TRUE, FALSE);
  app_->Main()->tool_bar.m_pDockContext->ToggleDocking();
  EXPECT_TRUE(app_->Main()->tool_bar.IsFloating());
  client->GetWindowRect(&area);
  EXPECT_EQ(area.top, 0);
  app_->Main()->tool_bar.m_pDockContext->ToggleDocking();
  EXPECT_FALSE(app_->Main()->tool_bar.IsFloating());
  client->GetWindowRect(&area);
  EXPECT_EQ(area.top, tool.bottom);
}

TEST_F(DocViewTest, StatusPanesShowTheirUpdateHandlersTextAndToolButtonsFollowTheCommands) {
  CStatusBar& status = app_->Main()->status_bar;
  app_->OnIdle(0);
  const int line = status.CommandToIndex(docview_test::kLineIndicator);
  const int overwrite = status.CommandToIndex(ID_INDICATOR_OVR);
  EXPECT_EQ(status.GetShownText(line), "");  // no view, no handler: disabled
  EXPECT_EQ(status.GetPaneText(overwrite), "OVR");
  EXPECT_EQ(status.GetShownText(overwrite), "");
  CToolBar& tools = app_->Main()->tool_bar;
  const int save = tools.CommandToIndex(ID_FILE_SAVE);
  EXPECT_NE(tools.GetButtonStyle(save) & TBBS_DISABLED, 0u);

  Open(WriteFile("part.nc", "1\n2\n3\n"));
  app_->OnIdle(0);
  EXPECT_EQ(status.GetShownText(line), "Ln 3");
  EXPECT_EQ(tools.GetButtonStyle(save) & TBBS_DISABLED, 0u);
  app_->Main()->SetMessageText("Ready");
  EXPECT_EQ(status.GetPaneText(0), "Ready");

  // Pressing a button sends its command.
  CRect button;
  tools.GetItemRect(tools.CommandToIndex(docview_test::kViewCommand), &button);
  tools.SetFocus();
  Headless().Click(button.left + 2, button.top + 2);
  EXPECT_EQ(ActiveView()->handled, (std::vector<std::string>{"view"}));
}

TEST_F(DocViewTest, AStatusPaneGrowsToShowALongerTextAndThePanesAfterItMakeRoom) {
  CStatusBar& status = app_->Main()->status_bar;
  const int line = status.CommandToIndex(docview_test::kLineIndicator);
  CRect before;
  status.GetItemRect(line, &before);
  status.SetPaneText(line, "Ln 3770001, Col 12");
  CRect after;
  status.GetItemRect(line, &after);
  CClientDC dc(&status);
  dc.SelectObject(status.GetFont());
  EXPECT_GT(after.Width(), dc.GetTextExtent("Ln 3770001, Col 12").cx);
  CRect next;
  status.GetItemRect(line + 1, &next);
  EXPECT_GE(next.left, after.right);
  // A shorter text again keeps the width: the panes do not jump about while the caret moves.
  status.SetPaneText(line, "Ln 1");
  status.GetItemRect(line, &before);
  EXPECT_EQ(before.Width(), after.Width());
}

TEST_F(DocViewTest, TheProfileLivesInTheRegistryStoreUnderTheCurrentUser) {
  EXPECT_TRUE(app_->WriteProfileString("VellumEdit\\Find", "FindWhat", "G01"));
  EXPECT_TRUE(app_->WriteProfileInt("VellumEdit\\Find", "MatchCase", 1));
  EXPECT_EQ(app_->GetProfileString("VellumEdit\\Find", "FindWhat"), "G01");
  EXPECT_EQ(app_->GetProfileInt("VellumEdit\\Find", "MatchCase", 0), 1u);
  EXPECT_EQ(app_->GetProfileInt("VellumEdit\\Find", "WholeWord", 7), 7u);
  EXPECT_EQ(app_->GetProfileString("VellumEdit\\Replace", "FindWhat", "none"), "none");
  std::ifstream in(folder_ / "registry.reg");
  const std::string stored((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(stored.find("[HKEY_CURRENT_USER\\Software\\Velmora Test\\Tester\\VellumEdit\\Find]"), std::string::npos);
  EXPECT_NE(stored.find("\"FindWhat\"=\"G01\""), std::string::npos);

  TestApp unnamed;  // no registry key: nothing is stored, defaults come back
  EXPECT_FALSE(unnamed.WriteProfileString("S", "E", "v"));
  EXPECT_EQ(unnamed.GetProfileString("S", "E", "d"), "d");
}

TEST_F(DocViewTest, TheRecentFileListSurvivesTheProgramAndFillsTheFileMenu) {
  const std::string a = WriteFile("a.nc", "A\n");
  const std::string b = WriteFile("b.nc", "B\n");
  Open(a);
  Open(b);
  Open(a);  // already open: it is only activated
  CRecentFileList& list = *app_->m_pRecentFileList;
  EXPECT_EQ(list[0], b.c_str());
  EXPECT_EQ(list[1], a.c_str());
  app_->ExitInstance();
  app_.reset();
  afx::DrainMessages();

  app_ = std::make_unique<TestApp>();
  ASSERT_TRUE(app_->InitApplication());
  ASSERT_TRUE(app_->InitInstance());
  EXPECT_EQ((*app_->m_pRecentFileList)[0], b.c_str());
  CMenu* file = app_->Main()->GetMenu()->GetSubMenu(0);
  app_->Main()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file->m_hMenu), 0);
  CString entry;
  file->GetMenuString(ID_FILE_MRU_FILE1 + 1, entry, MF_BYCOMMAND);
  EXPECT_EQ(entry.Left(3), "&2 ");
  EXPECT_NE(entry.Find("a.nc"), -1);
  EXPECT_EQ(file->GetMenuItemCount(), 5u);  // New, Open, two files, Exit

  // Choosing a file that has gone takes it off the list.
  std::remove(b.c_str());
  UseScript("");
  Command(ID_FILE_MRU_FILE1);
  EXPECT_EQ(app_->GetOpenDocumentCount(), 0);
  EXPECT_EQ((*app_->m_pRecentFileList)[0], a.c_str());
  Command(ID_FILE_MRU_FILE1);
  EXPECT_EQ(app_->GetOpenDocumentCount(), 1);
}

TEST_F(DocViewTest, TheCommandLineOpensTheFileItNamesAndFlagsAreNotFiles) {
  const std::string path = WriteFile("part.nc", "A\n");
  CCommandLineInfo info;
  app_->m_arguments = {"-nologo", path};
  app_->ParseCommandLine(info);
  EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
  EXPECT_EQ(info.m_strFileName, path.c_str());
  EXPECT_FALSE(info.m_bShowSplash);
  EXPECT_TRUE(app_->ProcessShellCommand(info));
  EXPECT_EQ(app_->GetOpenDocumentCount(), 1);

  CCommandLineInfo missing;
  app_->m_arguments = {folder_ / "gone.nc"};
  app_->ParseCommandLine(missing);
  EXPECT_FALSE(app_->ProcessShellCommand(missing));
  CCommandLineInfo none;
  app_->m_arguments.clear();
  app_->ParseCommandLine(none);
  EXPECT_EQ(none.m_nShellCommand, CCommandLineInfo::FileNew);
  EXPECT_TRUE(app_->ProcessShellCommand(none));
  EXPECT_EQ(app_->GetOpenDocumentCount(), 2);
}

TEST_F(DocViewTest, PrintingRunsTheViewsPagesThroughThePrintDialogOrDirectly) {
  Open(WriteFile("part.nc", "A\n"));
  const size_t before = Headless().Printed().size();
  Command(ID_FILE_PRINT_DIRECT);
  ASSERT_EQ(Headless().Printed().size(), before + 1);
  const afx::PrintedDocument& direct = Headless().Printed().back();
  EXPECT_EQ(direct.name, "part.nc");
  ASSERT_EQ(direct.pages.size(), 3u);
  EXPECT_EQ(direct.pages[2].TextRuns()[0]->text, "page 3");

  UseScript("cancel\n");
  Command(ID_FILE_PRINT);
  EXPECT_EQ(Headless().Printed().size(), before + 1);

  // Pages 2 to 2 through the dialog; a from page past the last is refused first.
  UseScript("click 1058\nset 1152 9\nset 1153 2\nok\nok\nset 1152 2\nok\n");
  Command(ID_FILE_PRINT);
  ASSERT_EQ(Headless().Printed().size(), before + 2);
  ASSERT_EQ(Headless().Printed().back().pages.size(), 1u);
  EXPECT_EQ(Headless().Printed().back().pages[0].TextRuns()[0]->text, "page 2");
  EXPECT_NE(Transcript().find("between 1 and 3"), std::string::npos);
}

TEST_F(DocViewTest, PreviewShowsPagesInPlaceOfTheViewUntilClosed) {
  Open(WriteFile("part.nc", "A\n"));
  TestView* view = ActiveView();
  CFrameWnd* child = ActiveChild();
  Command(ID_FILE_PRINT_PREVIEW);
  auto* preview = DYNAMIC_DOWNCAST(CPreviewView, child->GetActiveView());
  ASSERT_NE(preview, nullptr);
  EXPECT_FALSE(child->GetDlgItem(AFX_IDW_PANE_SAVE)->IsWindowVisible());
  afx::DrainMessages();
  const afx::Canvas* canvas = Headless().CanvasOf(preview->m_hWnd);
  ASSERT_FALSE(canvas->TextRuns().empty());
  EXPECT_EQ(canvas->TextRuns().back()->text, "page 1");
  // The page is drawn smaller than the printer's, at the printable area of the page on screen.
  EXPECT_LT(std::abs(canvas->TextRuns().back()->font.lfHeight), 16);
  EXPECT_TRUE(preview->PageRect().PtInRect(canvas->TextRuns().back()->from));

  Command(AFX_ID_PREVIEW_NEXT);
  afx::DrainMessages();
  EXPECT_EQ(preview->CurrentPage(), 2u);
  EXPECT_EQ(Headless().CanvasOf(preview->m_hWnd)->TextRuns().back()->text, "page 2");
  Command(AFX_ID_PREVIEW_NEXT);
  Command(AFX_ID_PREVIEW_NEXT);  // there is no fourth page
  EXPECT_EQ(preview->CurrentPage(), 3u);

  Headless().Key({VK_ESCAPE, false, false, false});
  EXPECT_EQ(child->GetActiveView(), view);
  EXPECT_EQ(child->GetDlgItem(AFX_IDW_PANE_FIRST)->IsWindowVisible(), TRUE);
}

TEST_F(DocViewTest, PageSetupRefusesMarginsThatAreNoNumberOrTooWide) {
  CPageSetupDialog dialog(PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS | PSD_DISABLEORIENTATION | PSD_DISABLEPAPER);
  dialog.m_psd.rtMargin = CRect(1000, 1000, 1000, 1000);
  UseScript("set \"&Left:\" abc\nok\nok\nset \"&Left:\" 99999\nok\nok\nset \"&Left:\" 1500\nok\n");
  ASSERT_EQ(dialog.DoModal(), IDOK);
  RECT margins;
  dialog.GetMargins(&margins, nullptr);
  EXPECT_EQ(margins.left, 1500);
  EXPECT_EQ(margins.right, 1000);
  const std::string transcript = Transcript();
  EXPECT_NE(transcript.find("Please enter an integer"), std::string::npos);
}

TEST_F(DocViewTest, AScriptedRunTypesIntoANewDocumentShowsTheScreenAndEndsWithTheInput) {
  UseScript("menu 57600\ntype G01 X10.\nkey Enter\nscreen\n");
  app_.reset();
  afx::DrainMessages();
  app_ = std::make_unique<TestApp>();
  char name[] = "tester";
  char* argv[] = {name};
  EXPECT_EQ(AfxWinMain(1, argv), 0);
  const std::string transcript = Transcript();
  EXPECT_NE(transcript.find("[screen "), std::string::npos);
  EXPECT_NE(transcript.find("G01 X10.  {0 000000/FFFFFF}"), std::string::npos);
  EXPECT_EQ(app_->m_pMainWnd, nullptr);
  EXPECT_EQ(app_->GetOpenDocumentCount(), 0);
}

}  // namespace
