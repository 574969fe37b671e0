#include "platform/classlib/gdi/dc.h"

#include <gtest/gtest.h>

#include "platform/classlib/backend/headless_test_support.h"
#include "platform/classlib/gdi/char_cells.h"

namespace {

using afx_test::Headless;

class DcTest : public afx_test::WindowTest {
 protected:
  DcTest() { window_.CreateEx(0, nullptr, "canvas", WS_POPUP | WS_VISIBLE, CRect(0, 0, 320, 160), nullptr, 0); }
  const afx::Canvas& Canvas() { return *Headless().CanvasOf(window_.m_hWnd); }
  std::vector<const afx::DrawOp*> Runs() { return Canvas().TextRuns(); }

  CWnd window_;
};

TEST_F(DcTest, TextRunsCarryFontColoursAndPositionOnTheFixedCell) {
  CClientDC dc(&window_);
  CFont font;
  LOGFONT lf;
  lf.lfHeight = 20;
  lf.lfWeight = FW_BOLD;
  font.CreateFontIndirect(&lf);
  CFont* old = dc.SelectObject(&font);
  dc.SetTextColor(RGB(0, 0, 255));
  dc.SetBkColor(RGB(255, 255, 0));
  dc.TextOut(10, 20, "G01");
  EXPECT_EQ(dc.GetTextExtent("G01"), CSize(30, 20));
  dc.SelectObject(old);
  EXPECT_EQ(dc.GetTextExtent("G01"), CSize(24, 16));  // the default cell is 8 x 16
  // A Korean character takes two cells.
  EXPECT_EQ(dc.GetTextExtent("가a"), CSize(24, 16));

  ASSERT_EQ(Runs().size(), 1u);
  const afx::DrawOp& run = *Runs()[0];
  EXPECT_EQ(run.text, "G01");
  EXPECT_EQ(run.from, CPoint(10, 20));
  EXPECT_EQ(run.font.lfWeight, FW_BOLD);
  EXPECT_EQ(run.colour, RGB(0, 0, 255));
  EXPECT_EQ(run.back, RGB(255, 255, 0));
  EXPECT_TRUE(run.opaque);
}

TEST_F(DcTest, ExtTextOutFillsAndClipsToItsRectangleAndFillSolidRectKeepsItsColour) {
  CClientDC dc(&window_);
  const CRect cell(0, 0, 16, 16);
  dc.SetBkMode(TRANSPARENT);
  dc.ExtTextOut(0, 0, ETO_OPAQUE | ETO_CLIPPED, &cell, "ABCD", 4, nullptr);
  const std::vector<afx::ScreenRow> rows = Canvas().Compose(CSize(8, 16));
  EXPECT_EQ(rows[0].text, "AB");  // C and D fall outside the rectangle
  dc.FillSolidRect(0, 16, 8, 16, RGB(1, 2, 3));
  EXPECT_EQ(dc.GetBkColor(), RGB(1, 2, 3));
}

TEST_F(DcTest, FrameControlsCarryTheirGlyphsAndEachGlyphItsOwnShape) {
  // The ink of a glyph: the pixels drawn in the button text colour within the box.
  const auto glyph = [&](UINT type, UINT state) {
    CClientDC dc(&window_);
    CRect box(100, 100, 116, 116);
    dc.DrawFrameControl(&box, type, state);
    std::vector<CRect> ink;
    for (const afx::DrawOp& op : Canvas().Ops()) {
      if (op.kind == afx::DrawOp::Kind::kFill && op.colour == GetSysColor(COLOR_BTNTEXT) &&
          CRect().IntersectRect(&op.bounds, &box)) {
        ink.push_back(op.bounds);
      }
    }
    dc.FillSolidRect(0, 0, 320, 160, RGB(255, 255, 255));  // a clean canvas for the next glyph
    return ink;
  };
  const std::vector<CRect> close = glyph(DFC_CAPTION, DFCS_CAPTIONCLOSE);
  const std::vector<CRect> maximise = glyph(DFC_CAPTION, DFCS_CAPTIONMAX);
  const std::vector<CRect> arrow = glyph(DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  EXPECT_GE(close.size(), 10u) << "the close button is a blank square";
  EXPECT_GE(maximise.size(), 3u);
  EXPECT_GE(arrow.size(), 4u);
  EXPECT_NE(close, maximise);
  // The combo box's arrow points down: its rows narrow from the top.
  ASSERT_GE(arrow.size(), 2u);
  EXPECT_GT(arrow.front().Width(), arrow.back().Width());
  EXPECT_LT(arrow.front().top, arrow.back().top);
}

TEST_F(DcTest, OpaqueDrawingHidesWhatItCoversSoRepaintsDoNotPileUp) {
  CClientDC dc(&window_);
  for (int i = 0; i < 50; ++i) {
    dc.FillSolidRect(0, 0, 320, 16, RGB(255, 255, 255));
    dc.TextOut(0, 0, "line");
  }
  EXPECT_EQ(Canvas().Ops().size(), 2u);
}

TEST_F(DcTest, ALineDrawnInAMemoryBitmapAndBlittedLandsTranslatedAndClipped) {
  CClientDC dc(&window_);
  CDC memory;
  ASSERT_TRUE(memory.CreateCompatibleDC(&dc));
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 320, 16));
  CBitmap* old = memory.SelectObject(&bitmap);
  memory.FillSolidRect(0, 0, 320, 16, RGB(0, 128, 0));
  memory.SetTextColor(RGB(255, 255, 255));
  memory.TextOut(60, 0, "N10 G01");
  dc.BitBlt(0, 32, 100, 16, &memory, 0, 0, SRCCOPY);
  memory.SelectObject(old);

  const std::vector<afx::ScreenRow> rows = Canvas().Compose(CSize(8, 16));
  // Only the first 100 pixels were copied: "N10 G" reaches column 12.
  EXPECT_EQ(rows[2].text, "        N10 G");
  ASSERT_FALSE(rows[2].runs.empty());
  EXPECT_EQ(rows[2].runs[0].back, RGB(0, 128, 0));
  EXPECT_EQ(rows[1].text, "");
}

TEST_F(DcTest, DrawTextWrapsAtBlanksBreaksLongWordsAndMeasuresWithCalcRect) {
  CClientDC dc(&window_);
  CRect rect(0, 0, 80, 0);  // ten cells
  const int height = dc.DrawText("G01 X10. Y20. ABCDEFGHIJKLMNO", -1, &rect, DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
  EXPECT_EQ(height, 64);  // "G01 X10. ", "Y20. ", "ABCDEFGHIJ", "KLMNO"
  EXPECT_EQ(rect.bottom, 64);
  EXPECT_TRUE(Runs().empty());  // measuring draws nothing

  CRect centred(0, 0, 80, 16);
  dc.DrawText("&Page", -1, &centred, DT_CENTER | DT_SINGLELINE);
  ASSERT_EQ(Runs().size(), 1u);
  EXPECT_EQ(Runs()[0]->text, "Page");  // the prefix mark is not drawn
  EXPECT_EQ(Runs()[0]->from.x, 24);
}

TEST_F(DcTest, MappingModesScaleCoordinatesAndFonts) {
  CClientDC dc(&window_);
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(100, 100);
  dc.SetViewportExt(200, 200);
  dc.SetViewportOrg(5, 5);
  CPoint point(10, 20);
  dc.LPtoDP(&point);
  EXPECT_EQ(point, CPoint(25, 45));
  dc.DPtoLP(&point);
  EXPECT_EQ(point, CPoint(10, 20));
  CFont font;
  LOGFONT lf;
  lf.lfHeight = 10;
  font.CreateFontIndirect(&lf);
  dc.SelectObject(&font);
  dc.TextOut(0, 0, "X");
  ASSERT_EQ(Runs().size(), 1u);
  EXPECT_EQ(Runs()[0]->font.lfHeight, 20);
  EXPECT_EQ(dc.GetTextExtent("X"), CSize(5, 10));  // measured back in logical units
}

TEST_F(DcTest, PrinterContextsMeasureAtThePrintersResolutionBeforeAnyPage) {
  afx::PrinterSetup setup;
  setup.dpi = 600;
  setup.page_size = CSize(4960, 7016);
  setup.printable_size = CSize(4800, 6800);
  setup.printable_offset = CPoint(80, 108);
  CDC printer;
  ASSERT_TRUE(printer.Attach(afx::MakePrinterContext(setup)));
  EXPECT_EQ(printer.GetDeviceCaps(LOGPIXELSY), 600);
  EXPECT_EQ(printer.GetDeviceCaps(HORZRES), 4800);
  EXPECT_EQ(printer.GetDeviceCaps(PHYSICALHEIGHT), 7016);
  EXPECT_EQ(printer.GetDeviceCaps(PHYSICALOFFSETY), 108);
  EXPECT_EQ(printer.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
  EXPECT_EQ(printer.StartPage(), -1);  // no document yet
  ASSERT_GT(printer.StartDoc("doc"), 0);
  ASSERT_GT(printer.StartPage(), 0);
  printer.TextOut(0, 0, "page one");
  ASSERT_GT(printer.EndPage(), 0);
  ASSERT_GT(printer.EndDoc(), 0);
  const afx::PrintedDocument& printed = Headless().Printed().back();
  EXPECT_EQ(printed.name, "doc");
  ASSERT_EQ(printed.pages.size(), 1u);
  EXPECT_EQ(printed.pages[0].TextRuns()[0]->text, "page one");
  EXPECT_TRUE(printed.finished);
}

TEST(CharCells, WideCharactersTakeTwoCellsAndBrokenBytesStandForThemselves) {
  EXPECT_EQ(afx::TextCells("abc"), 3);
  EXPECT_EQ(afx::TextCells("한글"), 4);
  EXPECT_EQ(afx::TextCells("\xED\x95"), 2);  // a cut sequence: two bytes, one cell each
  size_t length = 0;
  EXPECT_EQ(afx::DecodeUtf8("한", 0, &length), U'한');
  EXPECT_EQ(length, 3u);
  std::string out;
  afx::AppendUtf8(out, U'글');
  EXPECT_EQ(out, "글");
}

}  // namespace
