// What the text view draws: runs of text at their cells with their colours,
// tab expansion, wide characters, the margin, horizontal scrolling,
// selection, marker colours and the colour blocks of a parse hook.
#include <gtest/gtest.h>

#include "editor/textedit/view/text_view_test_support.h"

namespace textview_test {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

const std::string kLong = "0123456789ABCDEFGHIJ0123456789abcdefghij0123456789";  // 50 characters
const std::vector<std::string> kSample = {"\tG01 X10.", kLong, "가나 ab\tc", "", "\t\t"};

std::vector<const afx::DrawOp*> RunsOnRow(const afx::Canvas& canvas, int row) {
  std::vector<const afx::DrawOp*> runs;
  for (const afx::DrawOp* run : canvas.TextRuns()) {
    if (run->from.y == row * kCellHeight) runs.push_back(run);
  }
  return runs;
}

class TextViewDraw : public TextViewTest {
 protected:
  const afx::Canvas& Canvas() {
    afx::DrainMessages();
    return *Headless().CanvasOf(view_->m_hWnd);
  }
  // The one text run of a row right of the margin, as a full repaint draws it.
  const afx::DrawOp* TextRun(int row) {
    view_->Invalidate();
    for (const afx::DrawOp* run : RunsOnRow(Canvas(), row)) {
      if (run->from.x >= view_->MarginWidth()) return run;
    }
    return nullptr;
  }
};

TEST_F(TextViewDraw, TabsLongLinesAndWideCharactersLandOnTheirCells) {
  Show(kSample, 40, 6);
  const afx::DrawOp* tabbed = TextRun(0);
  ASSERT_NE(tabbed, nullptr);
  EXPECT_EQ(tabbed->text, "    G01 X10.");
  EXPECT_EQ(tabbed->from, CPoint(60, 0));
  EXPECT_EQ(tabbed->colour, kBlack);
  EXPECT_EQ(tabbed->back, kWhite);

  // Only what fits the row (and one cell more) is drawn of a long line.
  const afx::DrawOp* long_line = TextRun(1);
  ASSERT_NE(long_line, nullptr);
  EXPECT_EQ(long_line->text, kLong.substr(0, 41));
  EXPECT_EQ(long_line->from, CPoint(60, 16));

  // A Korean syllable takes two cells; the tab behind "ab" fills up to column 8.
  const afx::DrawOp* korean = TextRun(2);
  ASSERT_NE(korean, nullptr);
  EXPECT_EQ(korean->text, "가나 ab c");
  EXPECT_EQ(Row(2), "000003  가나 ab c");
  EXPECT_EQ(Row(4), "000005");
  EXPECT_EQ(TextRun(3), nullptr);  // an empty line draws no text

  // Rows below the text have an empty margin and the window's colour.
  const std::vector<afx::ScreenRow> rows = Screen();
  EXPECT_EQ(rows[5].text, "");
  ASSERT_EQ(rows[5].runs.size(), 2u);
  EXPECT_EQ(rows[5].runs[0].back, GetSysColor(COLOR_SCROLLBAR));
  EXPECT_EQ(rows[5].runs[1].column, 8);
  EXPECT_EQ(rows[5].runs[1].back, kWhite);
  // The margin has the scroll-bar colour and the number is 1-based with six digits.
  EXPECT_EQ(rows[0].runs[0].back, GetSysColor(COLOR_SCROLLBAR));
  EXPECT_EQ(rows[0].text.substr(0, 6), "000001");
}

TEST_F(TextViewDraw, HorizontalScrollAndTheMarginShiftTheTextByWholeCells) {
  Show(kSample, 40, 6);
  view_->ScrollToColumn(2);
  EXPECT_EQ(view_->HorizontalOffset(), 2);
  // What the scroll moved and what it uncovered make the same picture as a full repaint.
  EXPECT_EQ(Row(0), "000001    G01 X10.");
  // (The screen's 47 cells show 39 of the view's 40 text columns: the margin is not a whole number of cells.)
  EXPECT_EQ(Row(1), "000002  " + kLong.substr(2, 39));
  EXPECT_EQ(Row(2), "000003  나 ab c");
  EXPECT_EQ(TextRun(0)->text, "  G01 X10.");
  EXPECT_EQ(TextRun(0)->from, CPoint(60, 0));
  EXPECT_EQ(TextRun(1)->text, kLong.substr(2, 41));
  EXPECT_EQ(Row(1), "000002  " + kLong.substr(2, 39));

  // A wide character cut by the window's left edge shows as a blank.
  view_->ScrollToColumn(1);
  EXPECT_EQ(TextRun(2)->text, " 나 ab c");
  EXPECT_EQ(TextRun(2)->from, CPoint(60, 32));

  // Without the margin the same text starts at the window's left edge.
  view_->ScrollToColumn(0);
  Command(ID_VIEW_LINE_NUMBERS);
  EXPECT_FALSE(view_->GetLineNumberMargin());
  EXPECT_EQ(view_->MarginWidth(), 0);
  EXPECT_EQ(TextRun(0)->from, CPoint(0, 0));
  EXPECT_EQ(Row(2), "가나 ab c");
  EXPECT_EQ(view_->ScreenChars(), 47);  // 380 pixels of 8
  EXPECT_EQ(TextRun(1)->text, kLong.substr(0, 48));
}

TEST_F(TextViewDraw, ScrollingByLinesRedrawsWhatTheScrollUncovers) {
  std::vector<std::string> lines;
  for (int i = 0; i < 30; ++i) lines.push_back("N" + std::to_string(i * 10));
  Show(lines, 20, 5);
  view_->ScrollToLine(3);
  EXPECT_EQ(Row(0), "000004  N30");
  EXPECT_EQ(Row(4), "000008  N70");
  view_->ScrollToLine(1);
  EXPECT_EQ(Row(0), "000002  N10");
  EXPECT_EQ(Row(4), "000006  N50");
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  view_->GetScrollInfo(SB_VERT, &info);
  EXPECT_EQ(info.nPos, 1);
  EXPECT_EQ(info.nMax, 29);
  EXPECT_EQ(info.nPage, 5u);

  // Requests of the scroll bars.
  const auto bar = [&](UINT message, UINT code) {
    view_->SendMessage(message, MAKEWPARAM(code, 0));
    return message == WM_VSCROLL ? view_->TopLine() : view_->HorizontalOffset();
  };
  EXPECT_EQ(bar(WM_VSCROLL, SB_LINEDOWN), 2);
  EXPECT_EQ(bar(WM_VSCROLL, SB_PAGEDOWN), 6);
  EXPECT_EQ(bar(WM_VSCROLL, SB_BOTTOM), 25);
  EXPECT_EQ(Row(4), "000030  N290");
  EXPECT_EQ(bar(WM_VSCROLL, SB_PAGEUP), 21);
  EXPECT_EQ(bar(WM_VSCROLL, SB_TOP), 0);
  EXPECT_EQ(bar(WM_VSCROLL, SB_LINEUP), 0);
  EXPECT_EQ(bar(WM_VSCROLL, SB_ENDSCROLL), 0);
  EXPECT_EQ(bar(WM_HSCROLL, SB_LINERIGHT), 1);
  EXPECT_EQ(Row(1), "000002  10");
  EXPECT_EQ(bar(WM_HSCROLL, SB_RIGHT), 0);  // the longest line, N290, fits the window
  EXPECT_EQ(bar(WM_HSCROLL, SB_LINELEFT), 0);
}

TEST_F(TextViewDraw, ShowTabsMarksTabsAndBlanks) {
  Show({"\t\ta b"}, 20, 2);
  view_->SetShowTabs(TRUE);
  EXPECT_EQ(TextRun(0)->text, "»   »   a•b");
}

TEST_F(TextViewDraw, TheSelectionIsDrawnInvertedWithTheLineEndCell) {
  Show({"G01 X10.", "G02 Y5."}, 20, 3);
  view_->SetSelection(At(4, 0), At(3, 1));
  const std::vector<const afx::DrawOp*> first = RunsOnRow(Canvas(), 0);
  ASSERT_EQ(first.size(), 3u);  // number, plain part, selected part
  EXPECT_EQ(first[1]->text, "G01 ");
  EXPECT_EQ(first[2]->text, "X10.");
  EXPECT_EQ(first[2]->colour, kWhite);
  EXPECT_EQ(first[2]->back, kBlack);
  // The selected line break shows as one selected cell behind the line (text in columns 8 to 15).
  const afx::ScreenRow row = Screen()[0];
  ASSERT_EQ(row.runs.size(), 5u);
  EXPECT_EQ(row.runs[2].column, 12);
  EXPECT_EQ(row.runs[2].back, kBlack);
  EXPECT_EQ(row.runs[3].column, 16);
  EXPECT_EQ(row.runs[3].back, kBlack);
  EXPECT_EQ(row.runs[4].column, 17);
  EXPECT_EQ(row.runs[4].back, kWhite);

  // Without the focus the line end cell is not drawn; the text keeps its selection colours.
  frame_.SetFocus();
  afx::DrainMessages();
  const afx::ScreenRow unfocused = Screen()[0];
  ASSERT_EQ(unfocused.runs.size(), 4u);
  EXPECT_EQ(unfocused.runs[2].back, kBlack);
  EXPECT_EQ(unfocused.runs[3].column, 16);
  EXPECT_EQ(unfocused.runs[3].back, kWhite);
}

TEST_F(TextViewDraw, MarkedLinesTakeTheirColoursAlsoBehindTheirEnd) {
  Show({"A1", "B2", "C3", "D4"}, 10, 4);
  buffer_.SetLineFlagBit(0, LF_MARKER_FIRST, TRUE, FALSE);
  buffer_.SetLineFlagBit(1, LF_MARKER_SECOND, TRUE, FALSE);
  buffer_.SetLineFlagBit(2, LF_MARKER_THIRD, TRUE, FALSE);
  buffer_.SetLineFlagBit(2, LF_MARKER_FIRST, TRUE, FALSE);  // the first marker wins
  const std::vector<afx::ScreenRow> rows = Screen();
  ASSERT_EQ(rows[0].runs.size(), 3u);
  EXPECT_EQ(rows[0].runs[1].column, 8);
  EXPECT_EQ(rows[0].runs[1].text, kWhite);
  EXPECT_EQ(rows[0].runs[1].back, RGB(0, 128, 0));
  EXPECT_EQ(rows[0].runs[2].column, 10);
  EXPECT_EQ(rows[0].runs[2].back, RGB(0, 128, 0));
  EXPECT_EQ(rows[1].runs.back().back, RGB(255, 0, 0));
  EXPECT_EQ(rows[2].runs.back().back, RGB(0, 128, 0));
  EXPECT_EQ(rows[3].runs.back().back, kWhite);
  EXPECT_EQ(rows[3].runs.back().text, kBlack);
}

// A hook that colours digits 6 and letters 7, and keeps a '(' open across lines as colour 19.
class HookedView : public CVellumTextView {
 public:
  int calls = 0;
  DWORD ColourBlocksHook(DWORD cookie, int line, std::vector<ColourBlock>* blocks) override {
    ++calls;
    const std::string_view text(TextLineChars(line), static_cast<size_t>(TextLineLength(line)));
    bool open = cookie != 0;
    int last = -1;
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
      const char c = text[static_cast<size_t>(i)];
      if (c == '(') open = true;
      const int colour = open ? 19 : (c >= '0' && c <= '9') ? 6 : 7;
      if (c == ')') open = false;
      if (blocks != nullptr && colour != last) blocks->push_back({i, colour});
      last = colour;
    }
    return open ? 1 : 0;
  }
};

TEST_F(TextViewDraw, ColourBlocksColourTheLineAndTheirStateFlowsIntoLaterLines) {
  Load({"G1(open", "X2", "Y3)Z4", "W5"});
  auto* view = new HookedView;
  MakeView(view, 20, 4);
  const std::vector<const afx::DrawOp*> first = RunsOnRow(Canvas(), 0);
  ASSERT_EQ(first.size(), 4u);
  EXPECT_EQ(first[1]->text, "G");
  EXPECT_EQ(first[1]->colour, RGB(255, 0, 255));
  EXPECT_EQ(first[2]->text, "1");
  EXPECT_EQ(first[2]->colour, RGB(0, 0, 255));
  EXPECT_EQ(first[3]->text, "(open");
  EXPECT_EQ(first[3]->colour, RGB(225, 140, 26));
  EXPECT_EQ(RunsOnRow(Canvas(), 1)[1]->colour, RGB(225, 140, 26));  // still inside the parenthesis

  // Closing the parenthesis on line 0 changes how the later lines are coloured.
  int end_line = 0;
  int end_column = 0;
  ASSERT_TRUE(buffer_.InsertText(nullptr, 0, 7, ")", end_line, end_column));
  const std::vector<const afx::DrawOp*> second = RunsOnRow(Canvas(), 1);
  ASSERT_EQ(second.size(), 3u);
  EXPECT_EQ(second[1]->colour, RGB(255, 0, 255));
  EXPECT_EQ(second[2]->colour, RGB(0, 0, 255));

  // A view whose top line is further down parses the lines above once to know their state.
  view->ScrollToLine(3);
  view->calls = 0;
  view->Invalidate();
  Canvas();
  EXPECT_EQ(view->calls, 1);
}

TEST_F(TextViewDraw, AViewWithoutABufferDrawsOneEmptyLine) {
  Show({"A"}, 10, 3);
  view_->UnbindBuffer();
  EXPECT_EQ(view_->TextLineCount(), 1);
  EXPECT_EQ(Row(0), "000001");
  EXPECT_EQ(Row(1), "");
}

}  // namespace
}  // namespace textview_test
