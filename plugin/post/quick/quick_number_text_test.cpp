#include "plugin/post/quick/quick_number_text.h"

#include <gtest/gtest.h>

namespace {

TEST(QuickNumberText, IncrementsDropTheirZerosAndKeepTheirPoint) {
  EXPECT_EQ(FormatIncrement(0.25, 3), ".25");
  EXPECT_EQ(FormatIncrement(-1.5, 3), "-1.5");
  EXPECT_EQ(FormatIncrement(10.0, 3), "10.");
  EXPECT_EQ(FormatIncrement(-0.25, 3), "-.25");
  EXPECT_EQ(FormatIncrement(100.0, 0), "100") << "whole numbers keep their own zeros";
  EXPECT_EQ(FormatIncrement(2.5, 7), "");
  EXPECT_EQ(FormatIncrement(2.5, -1), "");
}

TEST(QuickNumberText, EachIncrementBecomesTheNumberItsTextNames) {
  double dx = 0.0004, dy = -2.0006, dz = 1.25;
  std::string texts[3];
  ASSERT_TRUE(FormatIncrements(dx, dy, dz, 3, texts));
  EXPECT_EQ(dx, 0.0) << "too small to write: no axis word and no move";
  EXPECT_EQ(dy, -2.001);
  EXPECT_EQ(dz, 1.25);
  EXPECT_EQ(texts[1], "-2.001");
  EXPECT_EQ(texts[2], "1.25");
  EXPECT_FALSE(FormatIncrements(dx, dy, dz, 9, texts));
}

}  // namespace
