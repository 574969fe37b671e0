#include "platform/classlib/backend/canvas.h"

#include <gtest/gtest.h>

namespace {

afx::DrawOp Text(int x, int y, const std::string& text, COLORREF colour = RGB(0, 0, 0)) {
  afx::DrawOp op;
  op.kind = afx::DrawOp::Kind::kText;
  op.from = CPoint(x, y);
  op.text = text;
  op.colour = colour;
  op.bounds = CRect(x, y, x + afx::TextCells(text) * 8, y + 16);
  op.clip = CRect(0, 0, 1000, 1000);
  return op;
}

afx::DrawOp Fill(const CRect& rect, COLORREF colour) {
  afx::DrawOp op;
  op.kind = afx::DrawOp::Kind::kFill;
  op.bounds = rect;
  op.clip = CRect(0, 0, 1000, 1000);
  op.colour = colour;
  return op;
}

TEST(Canvas, ScrollingPartOfTheAreaMovesOnlyWhatIsInsideIt) {
  // A margin of 60 pixels stays while the text right of it moves left by two cells.
  afx::Canvas canvas(CSize(160, 32));
  canvas.Add(Fill(CRect(0, 0, 160, 16), RGB(255, 255, 255)));
  canvas.Add(Text(0, 0, "000001"));
  canvas.Add(Text(60, 0, "G01X10."));
  canvas.Scroll(-16, 0, CRect(60, 0, 160, 32));
  const std::vector<afx::ScreenRow> rows = canvas.Compose(CSize(8, 16));
  EXPECT_EQ(rows[0].text, "000001  1X10.");  // text at pixel 60 rounds to column 8
  // What was cut from the scrolled part does not show beside the margin again.
  for (const afx::DrawOp* run : canvas.TextRuns()) {
    if (run->text == "G01X10.") {
      EXPECT_GE(run->Visible().left, 60);
    }
  }
}

TEST(Canvas, ComposedRowsKeepWideCharactersAndColourRuns) {
  afx::Canvas canvas(CSize(80, 16));
  afx::DrawOp korean = Text(0, 0, "한글", RGB(0, 0, 255));
  korean.opaque = true;
  korean.back = RGB(255, 255, 0);
  canvas.Add(korean);
  canvas.Add(Text(32, 0, "ab"));
  const std::vector<afx::ScreenRow> rows = canvas.Compose(CSize(8, 16));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].text, "한글ab");
  EXPECT_EQ(afx::FormatScreenRow(rows[0]), "한글ab  {0 0000FF/FFFF00; 4 000000/FFFFFF}");
}

TEST(Canvas, ACopyReplacesWhatItCoversAndKeepsClipping) {
  afx::Canvas line(CSize(200, 16));
  line.Add(Fill(CRect(0, 0, 200, 16), RGB(0, 128, 0)));
  line.Add(Text(0, 0, "ABCDEFGHIJ"));
  afx::Canvas screen(CSize(200, 48));
  screen.Add(Text(0, 16, "old text"));
  screen.CopyFrom(line, CRect(0, 16, 40, 32), CPoint(0, 0), CRect(0, 0, 200, 48));
  const std::vector<afx::ScreenRow> rows = screen.Compose(CSize(8, 16));
  EXPECT_EQ(rows[1].text, "ABCDEext");  // the old text right of the copy stays
  EXPECT_EQ(rows[1].runs[0].back, RGB(0, 128, 0));
}

TEST(Canvas, FillsAndTextOffTheCellGridMeetInTheSameCells) {
  // Text drawn half a cell off the grid goes to the cell on its right; so does a fill's edge there.
  afx::Canvas canvas(CSize(120, 16));
  canvas.Add(Fill(CRect(0, 0, 60, 16), RGB(192, 192, 192)));
  canvas.Add(Fill(CRect(60, 0, 120, 16), RGB(255, 255, 255)));
  canvas.Add(Text(60, 0, "ab"));
  canvas.Add(Fill(CRect(76, 0, 120, 16), RGB(0, 0, 0)));
  const std::vector<afx::ScreenRow> rows = canvas.Compose(CSize(8, 16));
  EXPECT_EQ(rows[0].text, "        ab");
  EXPECT_EQ(afx::FormatScreenRow(rows[0]), "        ab  {0 000000/C0C0C0; 8 000000/FFFFFF; 10 000000/000000}");
}

}  // namespace
