// Text rectangles inside margins and the first lines of printed pages.
#include "editor/textedit/view/page_layout.h"

#include <gtest/gtest.h>

namespace {

using page_layout::FirstLinesOfPages;
using page_layout::TextRectangle;

TEST(PageLayout, PagesTakeTheLinesThatFitAndAlwaysAdvance) {
  const auto lines_of_25 = [](int) { return 25; };
  // 1,000 lines of 25 dots on pages of 3,135 dots: 125 lines a page.
  const std::vector<int> pages = FirstLinesOfPages(1000, 3135, lines_of_25);
  ASSERT_EQ(pages.size(), 8u);
  for (size_t page = 0; page < pages.size(); ++page) EXPECT_EQ(pages[page], static_cast<int>(page) * 125);
  EXPECT_EQ(FirstLinesOfPages(1000, 3125, lines_of_25).size(), 8u);  // exactly 125 lines still fit
  EXPECT_EQ(FirstLinesOfPages(1000, 3124, lines_of_25)[1], 124);

  // Wrapped lines take their whole height; a line taller than a page has one of its own.
  const std::vector<int> tall = FirstLinesOfPages(5, 100, [](int line) { return line == 2 ? 250 : 40; });
  EXPECT_EQ(tall, (std::vector<int>{0, 2, 3}));
  // Pages without room still advance a line at a time.
  EXPECT_EQ(FirstLinesOfPages(3, 0, lines_of_25), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(FirstLinesOfPages(1, 100, lines_of_25), (std::vector<int>{0}));
}

TEST(PageLayout, MarginsLeaveAtLeastTheMinimumInside) {
  const CRect printable(0, 0, 2380, 3408);
  EXPECT_EQ(TextRectangle(printable, CRect(118, 118, 118, 118), CSize(12, 62)), CRect(118, 118, 2262, 3290));
  // Margins wider than the page shrink in proportion.
  const CRect squeezed = TextRectangle(printable, CRect(2000, 0, 2000, 0), CSize(380, 62));
  EXPECT_EQ(squeezed.Width(), 380);
  EXPECT_EQ(squeezed.left, 1000);
  const CRect tall = TextRectangle(printable, CRect(0, 5000, 0, 1000), CSize(12, 62));
  EXPECT_GE(tall.Height(), 62);
  EXPECT_GE(tall.top, 0);
  EXPECT_LE(tall.bottom, 3408);
  // Negative margins count as none.
  EXPECT_EQ(TextRectangle(printable, CRect(-5, -5, -5, -5), CSize(1, 1)), printable);
}

}  // namespace
