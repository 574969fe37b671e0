// How a view follows its buffer's changes (caret, selection, anchor and top
// line kept on the same text; scroll bars; a new text resets it) and how
// panes of a splitter scroll together.
#include <gtest/gtest.h>

#include "editor/textedit/view/text_view_test_support.h"

namespace textview_test {
namespace {

class TextViewNotices : public TextViewTest {
 protected:
  std::string Caret() { return Describe(view_->GetCursorPosition()); }
  void Insert(int line, int column, const char* text) {
    int end_line = 0;
    int end_column = 0;
    ASSERT_TRUE(buffer_.InsertText(nullptr, line, column, text, end_line, end_column));
    afx::DrainMessages();
  }
  SCROLLINFO Bar(int which) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    view_->GetScrollInfo(which, &info);
    return info;
  }
};

TEST_F(TextViewNotices, EditsKeepCaretSelectionAnchorAndTopLineOnTheirText) {
  std::vector<std::string> lines;
  for (int i = 0; i < 40; ++i) lines.push_back("L" + std::to_string(i));
  Show(lines, 20, 10);
  view_->ScrollToLine(10);
  view_->SetCursorPosition(At(1, 12));
  view_->SetAnchor(At(0, 12));
  view_->SetSelection(At(0, 12), At(1, 12));
  Insert(12, 0, "N");  // behind the caret's place it moves; at the anchor's place the anchor stays
  EXPECT_EQ(Caret(), "(2,12)");
  EXPECT_EQ(Describe(view_->GetAnchor()), "(0,12)");
  EXPECT_EQ(Selected(), "NL");
  Insert(2, 0, "A\r\nB\r\n");  // two lines above the top line
  EXPECT_EQ(view_->TopLine(), 12);
  EXPECT_EQ(Caret(), "(2,14)");
  EXPECT_EQ(Row(0), "000013  L10");
  EXPECT_EQ(Bar(SB_VERT).nMax, 41);
  ASSERT_TRUE(buffer_.DeleteText(nullptr, 0, 0, 5, 0));
  afx::DrainMessages();
  EXPECT_EQ(view_->TopLine(), 7);
  EXPECT_EQ(Caret(), "(2,9)");
  EXPECT_EQ(Bar(SB_VERT).nMax, 36);
}

TEST_F(TextViewNotices, ALongerLineWidensTheHorizontalBarAndANewTextResetsTheView) {
  Show({"G01", "G02"}, 20, 5);
  EXPECT_EQ(Bar(SB_HORZ).nMax, 2);
  Insert(1, 3, " X100.000 Y200.000 Z-5.000 F1200");
  EXPECT_EQ(Bar(SB_HORZ).nMax, 34);
  EXPECT_EQ(Bar(SB_HORZ).nPage, 20u);
  view_->SetCursorPosition(At(30, 1));
  view_->RevealPosition(At(30, 1));
  EXPECT_EQ(view_->HorizontalOffset(), 10);
  EXPECT_EQ(Row(1), "000002  00 Y200.000 Z-5.000");  // from column 10

  const std::string path = folder_ / "other.nc";
  std::ofstream(path, std::ios::binary) << "M30";
  ASSERT_TRUE(buffer_.LoadFromFile(path.c_str()));
  EXPECT_EQ(Caret(), "(0,0)");
  EXPECT_EQ(view_->HorizontalOffset(), 0);
  EXPECT_EQ(Row(0), "000001  M30");
  EXPECT_EQ(Row(1), "");
}

TEST_F(TextViewNotices, EveryViewOfTheBufferShowsAnEdit) {
  Show({"G01 X1.", "G02 X2."}, 20, 4);
  auto* second = new CVellumTextView;
  ASSERT_TRUE(second->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 100, 220, 164), &frame_, 2));
  second->BindBuffer(&buffer_);
  Insert(1, 0, "N20 ");
  EXPECT_EQ(Headless().Screen(second->m_hWnd)[1].text, "000002  N20 G02 X2.");
  EXPECT_EQ(Row(1), "000002  N20 G02 X2.");
}

TEST_F(TextViewNotices, PanesOfASplitterScrollTogether) {
  std::vector<std::string> lines;
  for (int i = 0; i < 60; ++i) lines.push_back("L" + std::to_string(i));
  Load(lines);
  ASSERT_TRUE(frame_.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 600, 400), nullptr, 0));
  CSplitterWnd splitter;
  ASSERT_TRUE(splitter.CreateStatic(&frame_, 2, 2));
  CCreateContext context;
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 2; ++column) {
      ASSERT_TRUE(splitter.CreateView(row, column, RUNTIME_CLASS(CVellumTextView), CSize(290, 190), &context));
    }
  }
  splitter.RecalcLayout();
  const auto pane = [&](int row, int column) { return static_cast<CVellumTextView*>(splitter.GetPane(row, column)); };
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 2; ++column) pane(row, column)->BindBuffer(&buffer_);
  }
  // This library's splitter shares no scroll bars: every pane has its own.
  EXPECT_NE(pane(0, 0)->GetStyle() & WS_VSCROLL, 0u);
  view_ = pane(0, 0);
  view_->SetFocus();
  Press("Ctrl+Down");
  Press("Ctrl+Down");
  EXPECT_EQ(pane(0, 1)->TopLine(), 2);  // the same row scrolls along
  EXPECT_EQ(pane(1, 0)->TopLine(), 0);
  EXPECT_EQ(pane(0, 1)->GetScrollPos(SB_VERT), 2);
  view_->ScrollToColumn(0);
  view_->SetCursorPosition(At(0, 0));
  view_->RevealPosition(At(0, 0));
  EXPECT_EQ(pane(0, 1)->TopLine(), 0);
  frame_.DestroyWindow();
}

}  // namespace
}  // namespace textview_test
