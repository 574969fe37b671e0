#include <gtest/gtest.h>

#include "editor/viewer/line_view.h"

namespace viewer {
namespace {

TEST(LineColours, CommentsAndWordsTakeTheirColours) {
  const std::string line = "G01 X5 M3 (cut) F9";
  const std::vector<COLORREF> colours = LineColours(line);
  ASSERT_EQ(colours.size(), line.size());
  EXPECT_EQ(colours[0], RGB(0, 0, 255));   // G
  EXPECT_EQ(colours[2], RGB(0, 0, 255));   // its number
  EXPECT_EQ(colours[3], RGB(0, 0, 0));     // the space after it
  EXPECT_EQ(colours[4], RGB(128, 64, 0));  // X
  EXPECT_EQ(colours[7], RGB(192, 0, 0));   // M
  EXPECT_EQ(colours[10], RGB(0, 128, 0));  // (
  EXPECT_EQ(colours[14], RGB(0, 128, 0));  // )
  EXPECT_EQ(colours[16], RGB(0, 0, 0));    // F after the comment
  EXPECT_EQ(LineColours("; all of it").back(), RGB(0, 128, 0));
  EXPECT_TRUE(LineColours("").empty());
}

TEST(PrintedLinesPerPage, AlwaysAtLeastOneLineSoPrintingEnds) {
  EXPECT_EQ(PrintedLinesPerPage(1000, 10, 2, 2), 96);
  EXPECT_EQ(PrintedLinesPerPage(30, 10, 2, 2), 1);
  EXPECT_EQ(PrintedLinesPerPage(0, 0, 2, 2), 1);
}

}  // namespace
}  // namespace viewer
