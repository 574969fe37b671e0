#include "editor/textedit/position_fixup.h"

#include <gtest/gtest.h>

namespace {

TextPosition Adjusted(const CPositionFixup& fixup, int column, int line) {
  TextPosition point{column, line};
  fixup.Adjust(point);
  return point;
}

TEST(PositionFixup, InsertionMovesWhatLiesBehindTheStart) {
  const CInsertionFixup fixup({4, 2}, {3, 4});  // two line breaks inserted at (4, 2)
  EXPECT_EQ(Adjusted(fixup, 9, 1), (TextPosition{9, 1}));
  EXPECT_EQ(Adjusted(fixup, 4, 2), (TextPosition{4, 2}));  // exactly at the start stays
  EXPECT_EQ(Adjusted(fixup, 2, 2), (TextPosition{2, 2}));
  EXPECT_EQ(Adjusted(fixup, 6, 2), (TextPosition{5, 4}));
  EXPECT_EQ(Adjusted(fixup, 1, 3), (TextPosition{1, 5}));
}

TEST(PositionFixup, DeletionPullsPointsToTheStart) {
  const CDeletionFixup fixup({4, 2}, {3, 4});
  EXPECT_EQ(Adjusted(fixup, 9, 1), (TextPosition{9, 1}));
  EXPECT_EQ(Adjusted(fixup, 2, 2), (TextPosition{2, 2}));
  EXPECT_EQ(Adjusted(fixup, 7, 2), (TextPosition{4, 2}));
  EXPECT_EQ(Adjusted(fixup, 0, 3), (TextPosition{4, 2}));
  EXPECT_EQ(Adjusted(fixup, 1, 4), (TextPosition{4, 2}));
  EXPECT_EQ(Adjusted(fixup, 3, 4), (TextPosition{4, 2}));
  EXPECT_EQ(Adjusted(fixup, 8, 4), (TextPosition{9, 2}));
  EXPECT_EQ(Adjusted(fixup, 8, 6), (TextPosition{8, 4}));
}

}  // namespace
