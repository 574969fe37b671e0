// More of the document and frame machinery: saving untitled documents,
// leaving the program, dropped files, window arrangement, panes, the single
// document template, printing to a file, the font dialog and dialog bars.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
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

class MoreDocViewTest : public docview_test::AppTest {};

TEST_F(MoreDocViewTest, SavingANewDocumentAsksForANameAndTakesIt) {
  Command(ID_FILE_NEW);
  auto* doc = static_cast<TestDoc*>(app_->Main()->GetActiveDocument());
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->GetTitle(), "Doc1");
  Headless().Type("N10");
  const std::string path = folder_ / "saved.nc";
  UseScript(path + "\n");
  Command(ID_FILE_SAVE);
  EXPECT_NE(Transcript().find("[Save As]"), std::string::npos);
  EXPECT_EQ(doc->GetPathName(), path.c_str());
  EXPECT_EQ(doc->GetTitle(), "saved.nc");
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(ReadFirstLine(path), "N10");

  // Cancelling the name saves nothing and keeps the changes.
  Command(ID_FILE_NEW);
  Headless().Type("X");
  auto* second = static_cast<TestDoc*>(app_->Main()->GetActiveDocument());
  UseScript("cancel\n");
  Command(ID_FILE_SAVE_AS);
  EXPECT_TRUE(second->IsModified());
  EXPECT_EQ(second->GetTitle(), "Doc2");
}

TEST_F(MoreDocViewTest, LeavingWithAModifiedDocumentAsksAndCancelKeepsTheProgram) {
  Command(ID_FILE_NEW);
  Headless().Type("X");
  UseScript("cancel\n");
  Command(ID_APP_EXIT);
  EXPECT_NE(app_->m_pMainWnd, nullptr);
  EXPECT_FALSE(afx::QuitRequested());
  UseScript("no\n");
  Command(ID_APP_EXIT);
  EXPECT_EQ(app_->m_pMainWnd, nullptr);
  EXPECT_TRUE(afx::QuitRequested());
  EXPECT_EQ(app_->GetOpenDocumentCount(), 0);
}

TEST_F(MoreDocViewTest, DroppedFilesAreOpenedAndWindowsArrange) {
  const std::string a = WriteFile("a.nc", "A\n");
  const std::string b = WriteFile("b.nc", "B\n");
  app_->Main()->DragAcceptFiles();
  EXPECT_NE(app_->Main()->GetExStyle() & WS_EX_ACCEPTFILES, 0u);
  app_->Main()->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(AfxMakeDropFiles({a, b})));
  afx::DrainMessages();
  EXPECT_EQ(app_->GetOpenDocumentCount(), 2);
  std::vector<CMDIChildWnd*> children = app_->Main()->Children();
  ASSERT_EQ(children.size(), 2u);

  Command(ID_WINDOW_TILE_VERT);
  CRect left;
  CRect right;
  children[0]->GetWindowRect(&left);
  children[1]->GetWindowRect(&right);
  EXPECT_EQ(left.right, right.left);
  EXPECT_EQ(left.Height(), right.Height());
  Command(ID_WINDOW_CASCADE);
  children[1]->GetWindowRect(&right);
  children[0]->GetWindowRect(&left);
  EXPECT_EQ(right.left - left.left, 24);

  CMDIChildWnd* active = app_->Main()->MDIGetActive();
  app_->Main()->MDINext();
  EXPECT_NE(app_->Main()->MDIGetActive(), active);
  app_->Main()->MDIMaximize(app_->Main()->MDIGetActive());
  // A new child opens maximised when the active one is.
  Command(ID_WINDOW_NEW);
  EXPECT_TRUE(app_->Main()->MDIGetActive()->IsZoomed());
}

TEST_F(MoreDocViewTest, PanesSplitSideBySideAndTheNextPaneCommandWalksThem) {
  app_->OpenDocumentFile(WriteFile("part.nc", "A\n").c_str());
  auto* child = static_cast<TestChildFrame*>(app_->Main()->MDIGetActive());
  CSplitterWnd& splitter = child->splitter;
  ASSERT_TRUE(splitter.SplitColumn(120));
  EXPECT_FALSE(splitter.SplitColumn(10));  // at most two columns
  ASSERT_TRUE(splitter.SplitRow(60));
  EXPECT_EQ(splitter.GetRowCount() * splitter.GetColumnCount(), 4);
  splitter.SetActivePane(0, 0);
  int row = -1;
  int col = -1;
  Command(ID_NEXT_PANE);
  splitter.GetActivePane(&row, &col);
  EXPECT_EQ(row * 2 + col, 1);
  Command(ID_PREV_PANE);
  Command(ID_PREV_PANE);
  splitter.GetActivePane(&row, &col);
  EXPECT_EQ(row * 2 + col, 3);
  EXPECT_EQ(CWnd::GetFocus(), splitter.GetPane(1, 1));
  splitter.DeleteColumn(0);
  EXPECT_EQ(splitter.GetColumnCount(), 1);
  EXPECT_NE(splitter.GetPane(1, 0), nullptr);
  EXPECT_EQ(splitter.GetPane(1, 1), nullptr);
  splitter.GetActivePane(&row, &col);
  EXPECT_EQ(col, 0);
}

TEST_F(MoreDocViewTest, PrintingToAFileHandsTheFileToThePrinter) {
  app_->OpenDocumentFile(WriteFile("part.nc", "A\n").c_str());
  auto* view = static_cast<TestView*>(app_->Main()->GetActiveView());
  view->pages = 1;
  // Print to file is hidden by the view's print info unless asked; the dialog offers it here.
  CPrintDialog dialog(FALSE, PD_ALLPAGES);
  UseScript("check 1040\nok\nset 1155 " + (folder_ / "out.prn") + "\nok\n");
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(dialog.PrintToFile());
  EXPECT_EQ(dialog.GetOutputFile(), (folder_ / "out.prn").c_str());
  CDC printer;
  printer.Attach(dialog.m_pd.hDC);
  dialog.m_pd.hDC = nullptr;
  DOCINFO info;
  info.lpszDocName = "file";
  const CString output = dialog.GetOutputFile();
  info.lpszOutput = output;
  ASSERT_GT(printer.StartDoc(&info), 0);
  printer.StartPage();
  printer.EndPage();
  printer.EndDoc();
  EXPECT_EQ(Headless().Printed().back().setup.output_file, folder_ / "out.prn");
  EXPECT_NE(Transcript().find("Please enter the name of the file"), std::string::npos);
}

TEST_F(MoreDocViewTest, TheFontDialogReturnsTheSizeInTenthsOfAPointAndRefusesNonsense) {
  LOGFONT initial;
  initial.lfHeight = -16;
  std::strcpy(initial.lfFaceName, "FixedSys");
  CFontDialog dialog(&initial, CF_SCREENFONTS | CF_EFFECTS);
  EXPECT_EQ(dialog.GetSize(), 120);
  UseScript("set \"&Size:\" big\nok\nok\nset \"&Size:\" 10.5\ncheck \"&Bold\"\nok\n");
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.GetSize(), 105);
  EXPECT_TRUE(dialog.IsBold());
  EXPECT_EQ(dialog.GetFaceName(), "FixedSys");
  EXPECT_NE(Transcript().find("Size must be between"), std::string::npos);
}

const DialogTemplateRegistration kBarTemplate(9200, {"Bar",
                                                     {res::PushButton(docview_test::kViewCommand, "View"),
                                                      res::PushButton(docview_test::kDisabledCommand, "Off")},
                                                     300,
                                                     28});

TEST_F(MoreDocViewTest, ADialogBarShowsItsTemplatesControlsFollowingTheCommands) {
  CDialogBar bar;
  ASSERT_TRUE(bar.Create(app_->Main(), 9200, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_DIALOGBAR));
  app_->Main()->RecalcLayout();
  CRect rect;
  bar.GetWindowRect(&rect);
  EXPECT_EQ(rect.Height(), 28);
  app_->OnIdle(0);
  EXPECT_FALSE(bar.GetDlgItem(docview_test::kViewCommand)->IsWindowEnabled());  // no view yet
  app_->OpenDocumentFile(WriteFile("part.nc", "A\n").c_str());
  app_->OnIdle(0);
  EXPECT_TRUE(bar.GetDlgItem(docview_test::kViewCommand)->IsWindowEnabled());
  EXPECT_FALSE(bar.GetDlgItem(docview_test::kDisabledCommand)->IsWindowEnabled());
}

// A single-document program: the one document is reused for every New and Open.
class SdiView : public TestView {
  DECLARE_DYNCREATE(SdiView)
};
IMPLEMENT_DYNCREATE(SdiView, TestView)

TEST_F(MoreDocViewTest, TheSingleDocumentTemplateReusesItsDocumentAndFrame) {
  app_.reset();
  afx::DrainMessages();
  CWinApp sdi("Single");
  ASSERT_TRUE(sdi.InitApplication());
  sdi.AddDocTemplate(new CSingleDocTemplate(docview_test::kDocResource, RUNTIME_CLASS(TestDoc),
                                            RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(SdiView)));
  sdi.OnFileNew();
  ASSERT_NE(sdi.m_pMainWnd, nullptr);
  auto* frame = static_cast<CFrameWnd*>(sdi.m_pMainWnd);
  CDocument* first = frame->GetActiveDocument();
  EXPECT_EQ(Text(frame), "Doc");
  sdi.OpenDocumentFile(WriteFile("part.nc", "A\n").c_str());
  EXPECT_EQ(frame->GetActiveDocument(), first);
  EXPECT_EQ(first->GetTitle(), "part.nc");
  EXPECT_EQ(sdi.GetOpenDocumentCount(), 1);
  EXPECT_EQ(static_cast<TestDoc*>(first)->lines, (std::vector<std::string>{"A"}));
}

}  // namespace
