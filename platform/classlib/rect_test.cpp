#include "platform/classlib/rect.h"

#include <gtest/gtest.h>

namespace {

TEST(CRect, EdgesExcludeRightAndBottom) {
  const CRect rect(10, 20, 110, 70);
  EXPECT_EQ(rect.Width(), 100);
  EXPECT_EQ(rect.Height(), 50);
  EXPECT_EQ(rect.CenterPoint(), CPoint(60, 45));
  EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
  EXPECT_FALSE(rect.PtInRect(CPoint(110, 20)));
  EXPECT_FALSE(rect.PtInRect(CPoint(10, 70)));
  EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
  EXPECT_TRUE(CRect().IsRectNull());
}

TEST(CRect, IntersectUnionAndNormalize) {
  CRect overlap;
  const CRect a(0, 0, 10, 10);
  const CRect b(5, 5, 20, 20);
  EXPECT_TRUE(overlap.IntersectRect(a, b));
  EXPECT_EQ(overlap, CRect(5, 5, 10, 10));
  EXPECT_FALSE(overlap.IntersectRect(a, CRect(10, 0, 20, 10)));  // touching edges share nothing
  EXPECT_TRUE(overlap.IsRectNull());

  EXPECT_EQ(a | b, CRect(0, 0, 20, 20));
  EXPECT_EQ(a | CRect(), a);  // empty rectangles add nothing
  CRect self(a);
  self |= b;
  EXPECT_EQ(self, CRect(0, 0, 20, 20));
  self &= a;
  EXPECT_EQ(self, a);

  CRect flipped(10, 10, 0, 0);
  EXPECT_EQ(flipped.Width(), -10);
  flipped.NormalizeRect();
  EXPECT_EQ(flipped, a);
}

TEST(CRect, MovesAndResizes) {
  CRect rect(0, 0, 10, 10);
  rect.InflateRect(2, 3);
  EXPECT_EQ(rect, CRect(-2, -3, 12, 13));
  rect.DeflateRect(2, 3);
  rect.OffsetRect(CPoint(5, 6));
  EXPECT_EQ(rect, CRect(5, 6, 15, 16));
  rect.MoveToXY(0, 0);
  EXPECT_EQ(rect.TopLeft(), CPoint(0, 0));
  EXPECT_EQ(rect.Size(), CSize(10, 10));
  EXPECT_EQ(rect + CPoint(1, 1), CRect(1, 1, 11, 11));

  CPoint point(3, 4);
  point += CSize(1, 1);
  EXPECT_EQ(point - CPoint(1, 1), CSize(3, 4));
  EXPECT_EQ(-point, CPoint(-4, -5));
  LPCRECT raw = rect;
  EXPECT_EQ(raw->right, 10);
}

}  // namespace
