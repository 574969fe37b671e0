// The drawing state of device contexts: clipping, saved states, alignment,
// advances, shapes and stock objects.
#include <gtest/gtest.h>

#include "platform/classlib/backend/headless_test_support.h"
#include "platform/classlib/gdi/dc.h"

namespace {

using afx_test::Headless;

class DcStateTest : public afx_test::WindowTest {
 protected:
  DcStateTest() { window_.CreateEx(0, nullptr, "canvas", WS_POPUP | WS_VISIBLE, CRect(0, 0, 160, 64), nullptr, 0); }
  std::vector<afx::ScreenRow> Rows() { return Headless().Screen(window_.m_hWnd); }
  const afx::Canvas& Canvas() { return *Headless().CanvasOf(window_.m_hWnd); }

  CWnd window_;
};

TEST_F(DcStateTest, ClippingNarrowsUntilRestoredAndSelectClipRgnGoesBackToTheStart) {
  CClientDC dc(&window_);
  const int saved = dc.SaveDC();
  dc.IntersectClipRect(0, 0, 32, 64);
  dc.IntersectClipRect(16, 0, 160, 64);
  CRect box;
  EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
  EXPECT_EQ(box, CRect(16, 0, 32, 64));
  EXPECT_FALSE(dc.PtVisible(40, 5));
  dc.TextOut(0, 0, "ABCDEFGH");
  EXPECT_EQ(Rows()[0].text, "  CD");
  dc.RestoreDC(saved);
  dc.TextOut(0, 16, "ABCDEFGH");
  EXPECT_EQ(Rows()[1].text, "ABCDEFGH");
  dc.IntersectClipRect(0, 0, 8, 8);
  dc.SelectClipRgn(nullptr);
  EXPECT_TRUE(dc.PtVisible(100, 40));
  EXPECT_FALSE(dc.RestoreDC(5));  // there is no such saved state
}

TEST_F(DcStateTest, TextAlignmentAndAdvancesPlaceEachCharacter) {
  CClientDC dc(&window_);
  dc.SetTextAlign(TA_RIGHT);
  dc.TextOut(80, 0, "END");
  dc.SetTextAlign(TA_CENTER);
  dc.TextOut(80, 16, "MID");
  dc.SetTextAlign(TA_LEFT | TA_UPDATECP);
  dc.MoveTo(0, 32);
  dc.TextOut(0, 0, "AB");
  dc.TextOut(0, 0, "CD");
  EXPECT_EQ(dc.GetCurrentPosition(), CPoint(32, 32));
  dc.SetTextAlign(TA_LEFT);
  int advances[] = {16, 16, 16};
  dc.ExtTextOut(0, 48, 0, nullptr, "XYZ", 3, advances);
  const std::vector<afx::ScreenRow> rows = Rows();
  EXPECT_EQ(rows[0].text, "       END");
  EXPECT_EQ(rows[1].text, "         MID");
  EXPECT_EQ(rows[2].text, "ABCD");
  EXPECT_EQ(rows[3].text, "X Y Z");
}

TEST_F(DcStateTest, MetricsFollowTheSelectedFontAndStockObjectsComeBack) {
  CClientDC dc(&window_);
  TEXTMETRIC metrics;
  ASSERT_TRUE(dc.GetTextMetrics(&metrics));
  EXPECT_EQ(metrics.tmHeight, 16);
  EXPECT_EQ(metrics.tmAveCharWidth, 8);
  EXPECT_EQ(metrics.tmAscent + metrics.tmDescent, 16);
  CFont big;
  ASSERT_TRUE(big.CreatePointFont(240, "Courier", &dc));  // 24 points at 96 dots per inch
  LOGFONT described;
  big.GetLogFont(&described);
  EXPECT_EQ(described.lfHeight, -32);
  EXPECT_STREQ(described.lfFaceName, "Courier");
  CFont* old = dc.SelectObject(&big);
  dc.GetTextMetrics(&metrics);
  EXPECT_EQ(metrics.tmHeight, 32);
  EXPECT_EQ(dc.SelectObject(old), &big);
  CGdiObject* pen = dc.SelectStockObject(NULL_PEN);
  ASSERT_NE(pen, nullptr);
  dc.Rectangle(0, 0, 40, 40);  // a hollow pen draws only the fill
  for (const afx::DrawOp& op : Canvas().Ops()) EXPECT_NE(op.kind, afx::DrawOp::Kind::kLine);
  dc.SelectObject(pen);
  dc.MoveTo(0, 60);
  dc.LineTo(100, 60);
  EXPECT_EQ(Canvas().Ops().back().kind, afx::DrawOp::Kind::kLine);
}

TEST_F(DcStateTest, DeletedObjectsLeaveTheContextWithItsDefaults) {
  CClientDC dc(&window_);
  {
    CFont gone;
    LOGFONT lf;
    lf.lfHeight = 40;
    gone.CreateFontIndirect(&lf);
    dc.SelectObject(&gone);
  }
  TEXTMETRIC metrics;
  dc.GetTextMetrics(&metrics);
  EXPECT_EQ(metrics.tmHeight, 16);
  EXPECT_FALSE(DeleteObject(GetStockObject(WHITE_BRUSH)));  // stock objects stay
  CBrush brush(RGB(1, 2, 3));
  const HGDIOBJ handle = brush.m_hObject;
  EXPECT_EQ(CBrush::FromHandle(static_cast<HBRUSH>(handle)), &brush);
  EXPECT_TRUE(DeleteObject(handle));
  EXPECT_EQ(brush.m_hObject, nullptr);
  EXPECT_EQ(CGdiObject::FromHandle(handle), nullptr);
}

TEST_F(DcStateTest, HalftonePatternsInvertForTrackersAndDoNotCoverTheScreen) {
  CWindowDC dc(&window_);
  CBrush* old = dc.SelectObject(AfxGetHalftoneBrush());
  dc.PatBlt(0, 0, 4, 64, PATINVERT);
  dc.SelectObject(old);
  const afx::Canvas& whole = *Headless().WindowCanvasOf(window_.m_hWnd);
  ASSERT_EQ(whole.Ops().size(), 1u);
  EXPECT_TRUE(whole.Ops()[0].halftone);
  EXPECT_EQ(whole.Ops()[0].kind, afx::DrawOp::Kind::kInvert);
}

// A window that erases with its class's brush and paints nothing itself.
class ErasedWindow : public CWnd {
 public:
  CRect clip_box;  // what another CDC on the paint DC's handle may draw on

 protected:
  afx_msg void OnPaint() {
    CPaintDC dc(this);
    CDC::FromHandle(dc.m_hDC)->GetClipBox(&clip_box);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ErasedWindow, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

TEST_F(DcStateTest, ThePartLeftOutOfAPaintKeepsWhatItShowedWhoeverDrawsOnThePaintDc) {
  ErasedWindow window;
  const LPCTSTR erasing = AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  ASSERT_TRUE(window.CreateEx(0, erasing, "erased", WS_POPUP | WS_VISIBLE, CRect(0, 0, 160, 64), nullptr, 0));
  afx::DrainMessages();
  {
    CClientDC dc(&window);
    dc.TextOut(0, 0, "ABCDEFGH");
  }
  window.InvalidateRect(CRect(64, 0, 160, 64), TRUE);
  window.UpdateWindow();
  EXPECT_EQ(window.clip_box, CRect(64, 0, 160, 64));
  EXPECT_EQ(Headless().Screen(window.m_hWnd)[0].text, "ABCDEFGH") << "the erase stays inside the update area";
  window.DestroyWindow();
}

TEST_F(DcStateTest, WindowDcsAreLentAndGivenBack) {
  CDC* lent = window_.GetDC();
  ASSERT_NE(lent, nullptr);
  lent->TextOut(0, 0, "lent");
  EXPECT_EQ(window_.ReleaseDC(lent), 1);
  EXPECT_EQ(window_.ReleaseDC(lent), 0);
  EXPECT_EQ(Rows()[0].text, "lent");
}

}  // namespace
