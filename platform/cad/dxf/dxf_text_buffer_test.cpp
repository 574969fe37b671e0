// The file buffer keeps every byte across growth (which remaps, not copies) and
// puts the header in front of the body.
#include <gtest/gtest.h>

#include <string>

#include "platform/cad/dxf/dxf_text_buffer.h"

TEST(DxfTextBuffer, GrowthKeepsEveryByte) {
  DxfTextBuffer buffer;
  std::string expected;
  for (int i = 0; expected.size() < (std::size_t{9} << 20); ++i) {
    const std::string piece = std::to_string(i) + (i % 7 == 0 ? std::string(4000, 'x') : std::string("\n"));
    buffer.append(piece);
    expected += piece;
  }
  EXPECT_FALSE(buffer.failed());
  EXPECT_GE(buffer.capacity(), expected.size());
  EXPECT_TRUE(buffer.view() == expected);

  buffer.prepend("head\n");
  EXPECT_EQ(buffer.size(), expected.size() + 5);
  EXPECT_TRUE(buffer.view() == "head\n" + expected);
}

TEST(DxfTextBuffer, SpareRoomIsFilledInPlace) {
  DxfTextBuffer buffer;
  EXPECT_TRUE(buffer.view().empty());
  char* room = buffer.spare(3);
  ASSERT_NE(room, nullptr);
  room[0] = 'a';
  room[1] = 'b';
  buffer.grow(2);
  DxfTextBuffer moved(std::move(buffer));
  EXPECT_EQ(moved.view(), "ab");
  EXPECT_TRUE(buffer.view().empty());
  moved.clear();
  moved.prepend("x");
  EXPECT_EQ(moved.view(), "x");
}

TEST(DxfTextBuffer, ImpossibleSizeFailsWithoutLosingTheText) {
  DxfTextBuffer buffer;
  buffer.append("kept");
  EXPECT_FALSE(buffer.reserve(static_cast<std::size_t>(1) << 62));
  EXPECT_TRUE(buffer.failed());
  EXPECT_EQ(buffer.spare(std::size_t{1} << 62), nullptr);
  EXPECT_EQ(buffer.view(), "kept");
}
