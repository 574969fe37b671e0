#include "host/svg/svg_style.h"

#include <gtest/gtest.h>

#include "host/svg/svg_color_table.h"

namespace {

using Dashes = std::vector<double>;

TEST(SvgStyleTest, DashArraysAlternateFromADash) {
  EXPECT_EQ(SvgDashArray({12, -18}, 1.0), (Dashes{12, 18}));
  EXPECT_EQ(SvgDashArray({0.5, -0.25, 0, -0.25}, 2.0), (Dashes{1, 0.5, 0.1, 0.5}));  // a dot: a short dash
  EXPECT_EQ(SvgDashArray({-1, 2}, 1.0), (Dashes{0, 1, 2, 0}));                       // opens with a gap
  EXPECT_EQ(SvgDashArray({1, 1, -1, -1, 3}, 1.0), (Dashes{2, 2, 3, 0}));
  EXPECT_TRUE(SvgDashArray({}, 1.0).empty());
  EXPECT_TRUE(SvgDashArray({2}, 1.0).empty());   // never a gap: solid
  EXPECT_TRUE(SvgDashArray({-2}, 1.0).empty());  // never drawn: shown solid rather than lost
  EXPECT_TRUE(SvgDashArray({1, -1}, 0.0).empty());
}

TEST(SvgStyleTest, ColorIndexesFollowTheStandardTable) {
  EXPECT_EQ(ColorIndexToSvg(1), "#ff0000");
  EXPECT_EQ(ColorIndexToSvg(2), "#ffff00");
  EXPECT_EQ(ColorIndexToSvg(5), "#0000ff");
  EXPECT_EQ(ColorIndexToSvg(7), "#000000");  // white on screen, black on paper
  EXPECT_EQ(ColorIndexToSvg(8), "#808080");
  EXPECT_EQ(ColorIndexToSvg(11), "#ff7f7f");
  EXPECT_EQ(ColorIndexToSvg(22), "#a52900");
  EXPECT_EQ(ColorIndexToSvg(30), "#ff7f00");
  EXPECT_EQ(ColorIndexToSvg(90), "#00ff00");
  EXPECT_EQ(ColorIndexToSvg(170), "#0000ff");
  EXPECT_EQ(ColorIndexToSvg(240), "#ff003f");
  EXPECT_EQ(ColorIndexToSvg(250), "#333333");
  EXPECT_EQ(ColorIndexToSvg(256), "#000000");
}

}  // namespace
