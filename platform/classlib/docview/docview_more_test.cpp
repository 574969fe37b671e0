// More of the document and frame machinery: saving untitled documents,
// leaving the program, dropped files, window arrangement, panes, the single
// document template, printing to a file, the font dialog and dialog bars.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/classlib/backend/headless_test_support.h"
#include "platform/classlib/docview/docview_test_fixture.h"
#include "platform/classlib/window/child_caption.h"
#include "platform/classlib/window_record.h"

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

// The window's menu entries whose commands list the document windows.
std::vector<std::string> WindowList(CWnd& frame, UINT* checked) {
  std::vector<std::string> listed;
  CMenu* bar = frame.GetMenu();
  for (UINT top = 0; bar != nullptr && top < bar->GetMenuItemCount(); ++top) {
    CMenu* popup = bar->GetSubMenu(static_cast<int>(top));
    for (UINT i = 0; popup != nullptr && i < popup->GetMenuItemCount(); ++i) {
      const UINT id = popup->GetMenuItemID(static_cast<int>(i));
      if (id < AFX_IDM_FIRST_MDICHILD || id >= AFX_IDM_FIRST_MDICHILD + 9) continue;
      CString text;
      popup->GetMenuString(i, text, MF_BYPOSITION);
      listed.push_back(text.str());
      if (popup->GetMenuState(id, MF_BYCOMMAND) & MF_CHECKED) *checked = id;
    }
  }
  return listed;
}

TEST_F(MoreDocViewTest, DocumentWindowsHaveCaptionsToMoveSizeAndCloseThemAndAWindowList) {
  Open(WriteFile("a.nc", "A\n"));
  Open(WriteFile("b.nc", "B\n"));
  Command(ID_WINDOW_CASCADE);
  std::vector<CMDIChildWnd*> children = app_->Main()->Children();
  ASSERT_EQ(children.size(), 2u);
  CMDIChildWnd* b = children[1];
  // The caption shows the document's name above the client area.
  CRect window;
  CRect client;
  b->GetWindowRect(&window);
  b->GetClientRect(&client);
  b->ClientToScreen(&client);
  EXPECT_GE(client.top - window.top, 20);
  bool named = false;
  for (const afx::DrawOp* run : Headless().WindowCanvasOf(b->m_hWnd)->TextRuns()) named = named || run->text == "b.nc";
  EXPECT_TRUE(named) << "the caption does not show the document's name";

  // Dragging the caption moves the window; dragging its corner sizes it.
  const CPoint caption(window.left + 40, window.top + 10);
  ASSERT_EQ(b->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)), HTCAPTION);
  const auto drag = [&](int hit, CPoint from, CPoint to) {
    b->SendMessage(WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), MAKELPARAM(from.x, from.y));
    CPoint inside = to;
    b->ScreenToClient(&inside);
    b->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
    b->ScreenToClient(&to);
    b->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
  };
  drag(HTCAPTION, caption, caption + CPoint(30, 20));
  CRect moved;
  b->GetWindowRect(&moved);
  EXPECT_EQ(moved.TopLeft(), window.TopLeft() + CPoint(30, 20));
  EXPECT_EQ(moved.Size(), window.Size());
  const CPoint corner(moved.right - 1, moved.bottom - 1);
  ASSERT_EQ(b->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTBOTTOMRIGHT);
  drag(HTBOTTOMRIGHT, corner, CPoint(corner.x - 50, corner.y - 40));
  CRect sized;
  b->GetWindowRect(&sized);
  EXPECT_EQ(sized.Size(), moved.Size() - CSize(50, 40));
  EXPECT_EQ(::GetCapture(), nullptr);

  // The window menu lists both, the active one checked; its entries activate their window.
  UINT checked = 0;
  EXPECT_EQ(WindowList(*app_->Main(), &checked), (std::vector<std::string>{"&1 a.nc", "&2 b.nc"}));
  EXPECT_EQ(checked, AFX_IDM_FIRST_MDICHILD + 1);
  Command(AFX_IDM_FIRST_MDICHILD);
  EXPECT_EQ(app_->Main()->MDIGetActive(), children[0]);
  EXPECT_EQ(WindowList(*app_->Main(), &checked), (std::vector<std::string>{"&1 a.nc", "&2 b.nc"}));
  EXPECT_EQ(checked, AFX_IDM_FIRST_MDICHILD);

  // After tiling, a new window takes a tile of its own instead of covering the others.
  Command(ID_WINDOW_TILE_VERT);
  Command(ID_WINDOW_NEW);
  children = app_->Main()->Children();
  ASSERT_EQ(children.size(), 3u);
  for (size_t i = 0; i < children.size(); ++i) {
    for (size_t j = i + 1; j < children.size(); ++j) {
      CRect first;
      CRect second;
      CRect common;
      children[i]->GetWindowRect(&first);
      children[j]->GetWindowRect(&second);
      EXPECT_FALSE(common.IntersectRect(&first, &second)) << "windows " << i << " and " << j << " overlap";
    }
  }
  EXPECT_EQ(WindowList(*app_->Main(), &checked).size(), 3u);

  // The close box closes the window and takes it off the list.
  CMDIChildWnd* last = app_->Main()->MDIGetActive();
  ASSERT_NE(last, nullptr);
  last->GetWindowRect(&window);
  const afx::ChildCaptionLayout layout = afx::LayoutChildCaption(*afx::RecordOf(last->m_hWnd));
  const CPoint close = window.TopLeft() + layout.close.CenterPoint();
  ASSERT_EQ(last->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y)), HTCLOSE);
  last->SendMessage(WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(close.x, close.y));
  afx::DrainMessages();
  EXPECT_EQ(app_->Main()->Children().size(), 2u);
  EXPECT_EQ(WindowList(*app_->Main(), &checked).size(), 2u);
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
