#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/cad/dxf/dxf_number_text.h"
#include "platform/cad/dxf/dxf_string_codec.h"
#include "platform/cad/dxf/reading/dxf_group_items.h"
#include "platform/cad/dxf/reading/dxf_group_reader.h"

TEST(DxfStringCodec, EscapesControlCharactersCaretsAndNonAscii) {
  EXPECT_EQ(encodeDxfString("first\nsecond"), "first^Jsecond");
  EXPECT_EQ(encodeDxfString("a^b\r\tc"), "a^ b^M^Ic");
  EXPECT_EQ(encodeDxfString("caf\xC3\xA9 \xEA\xB0\x80"), "caf\\U+00E9 \\U+AC00");
  EXPECT_EQ(encodeDxfString("\xF0\x9F\x98\x80"), "\\U+D83D\\U+DE00");
  for (const char* text : {"first\nsecond", "a^b\r\tc^", "^J literally", "caf\xC3\xA9 \xEA\xB0\x80", "\xF0\x9F\x98\x80",
                           "^", "x\x1Fy\x7Fz"}) {
    EXPECT_EQ(decodeDxfString(encodeDxfString(text)), text) << text;
  }
}

TEST(DxfStringCodec, ReadsWhatOtherWritersPut) {
  EXPECT_EQ(decodeDxfString("^x stays"), "^x stays");  // no escape
  EXPECT_EQ(decodeDxfString("trailing^"), "trailing^");
  EXPECT_EQ(decodeDxfString("\\U+00e9t\\U+00E9"), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(decodeDxfString("\\U+12"), "\\U+12");                // too short to be one
  EXPECT_EQ(decodeDxfString("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");  // Windows-1252 bytes
  EXPECT_EQ(decodeDxfString("\x80"), "\xE2\x82\xAC");
  EXPECT_EQ(decodeDxfString("\xEA\xB0\x80"), "\xEA\xB0\x80");  // UTF-8 stays
}

TEST(DxfNumberText, RealsReadBackExactly) {
  for (double value : {1.000001e-7, 0.1, 1.0 / 3.0, -2.5, 1e300, 5e-324, -0.0, 123456789.123456789}) {
    const std::string text = dxfRealText(value);
    double back = 0.0;
    ASSERT_TRUE(parseDxfReal(text, back)) << text;
    EXPECT_EQ(std::signbit(back), std::signbit(value));
    EXPECT_EQ(back, value) << text;
  }
  EXPECT_EQ(dxfRealText(1.0), "1.0");
  EXPECT_EQ(dxfRealText(1.000001e-7), "1.000001e-07");
  double value = 0.0;
  EXPECT_TRUE(parseDxfReal("  +2.5 ", value));
  EXPECT_EQ(value, 2.5);
  EXPECT_FALSE(parseDxfReal("2,5", value));
  EXPECT_FALSE(parseDxfReal("", value));
  EXPECT_FALSE(parseDxfReal("1.5x", value));
  std::int64_t integer = 0;
  EXPECT_TRUE(parseDxfInteger(" 42", integer));
  EXPECT_EQ(integer, 42);
  EXPECT_TRUE(parseDxfInteger("3.0", integer));  // some writers put integers so
  EXPECT_EQ(integer, 3);
  EXPECT_FALSE(parseDxfInteger("3.5", integer));
  EXPECT_FALSE(parseDxfInteger("abc", integer));
}

TEST(DxfGroupReader, ReadsGroupsWithTheirLines) {
  DxfGroupReader reader("\xEF\xBB\xBF  0\r\nSECTION\r\n  2\nHEADER \n999\nnote\n");
  DxfGroup group;
  ASSERT_TRUE(reader.next(group));
  EXPECT_EQ(group.code, 0);
  EXPECT_EQ(group.value, "SECTION");
  EXPECT_EQ(group.line, 1);
  ASSERT_TRUE(reader.next(group));
  EXPECT_EQ(group.value, "HEADER ");  // string values keep their blanks
  EXPECT_EQ(group.line, 3);
  reader.pushBack();
  ASSERT_TRUE(reader.next(group));
  EXPECT_EQ(group.line, 3);
  ASSERT_TRUE(reader.next(group));
  EXPECT_EQ(group.code, 999);
  EXPECT_FALSE(reader.next(group));
  EXPECT_FALSE(reader.failed());
}

TEST(DxfGroupReader, DamageNamesTheLine) {
  DxfGroupReader bad("  0\nSECTION\nXX\nHEADER\n");
  DxfGroup group;
  ASSERT_TRUE(bad.next(group));
  EXPECT_FALSE(bad.next(group));
  EXPECT_EQ(bad.error(), "line 3: bad group code 'XX'");
  DxfGroupReader cut("  0\nSECTION\n  2");
  ASSERT_TRUE(cut.next(group));
  EXPECT_FALSE(cut.next(group));
  EXPECT_NE(cut.error().find("line 3:"), std::string::npos) << cut.error();
}

TEST(DxfGroupItems, JoinsPointsAndChecksValues) {
  const DxfGroup groups[] = {{10, "1.5", 5}, {20, "2", 7},    {30, "-3", 9},     {11, "4", 11},  {21, "5", 13},
                             {62, "7", 15},  {330, "1F", 17}, {310, "0AFF", 19}, {1, "a^Jb", 21}};
  std::vector<DxfItem> items;
  std::string message;
  ASSERT_TRUE(appendDxfItems(std::begin(groups), std::end(groups), items, message)) << message;
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[0].dimensions, 3);
  EXPECT_EQ(items[0].reals[2], -3.0);
  EXPECT_EQ(items[1].dimensions, 2);
  EXPECT_EQ(items[2].integer, 7);
  EXPECT_EQ(items[3].text, "1F");
  EXPECT_EQ(items[4].bytes, (std::vector<std::uint8_t>{0x0A, 0xFF}));
  EXPECT_EQ(items[5].text, "a\nb");

  const DxfGroup notNumber[] = {{0, "LINE", 1}, {40, "abc", 8}};
  items.clear();
  EXPECT_FALSE(appendDxfItems(std::begin(notNumber) + 1, std::end(notNumber), items, message));
  EXPECT_EQ(message, "line 9: group code 40 needs a number, not 'abc'");
  const DxfGroup lonelyX[] = {{10, "1", 4}, {30, "2", 6}};
  EXPECT_FALSE(appendDxfItems(std::begin(lonelyX), std::end(lonelyX), items, message));
  EXPECT_NE(message.find("line 5:"), std::string::npos) << message;
  const DxfGroup tooBig[] = {{70, "70000", 4}};
  EXPECT_FALSE(appendDxfItems(std::begin(tooBig), std::end(tooBig), items, message));
}
