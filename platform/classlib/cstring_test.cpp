#include "platform/classlib/cstring.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/classlib/string_table.h"

namespace {

TEST(CStringFormat, PrintfConversions) {
  CString text;
  text.Format("%s_%d", "Pocket", 3);
  EXPECT_EQ(text, "Pocket_3");
  text.Format("%f", 0.01);
  EXPECT_EQ(text, "0.010000");
  text.Format("X%.3lf Y%.3lf", 12.5, -0.0004);
  EXPECT_EQ(text, "X12.500 Y-0.000");
  text.Format("%5d|%-4s|%c", 42, "ab", 'z');
  EXPECT_EQ(text, "   42|ab  |z");
}

TEST(CStringFormat, LongOutputAndSelfReference) {
  const std::string long_text(1000, 'k');
  CString text;
  text.Format("<%s>", long_text.c_str());
  EXPECT_EQ(text.GetLength(), 1002);
  // The argument points into the string being formatted.
  text = "abc";
  text.Format("%s-%s", text.GetString(), text.GetString());
  EXPECT_EQ(text, "abc-abc");
  text.AppendFormat("/%d", 7);
  EXPECT_EQ(text, "abc-abc/7");
}

TEST(CStringFormat, DecimalPointIgnoresProcessLocale) {
  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr && std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr) {
    GTEST_SKIP() << "no locale with a decimal comma installed";
  }
  CString text;
  text.Format("%.2f", 1.5);
  std::setlocale(LC_NUMERIC, previous.c_str());
  EXPECT_EQ(text, "1.50");
}

TEST(CStringExtract, CountsPastEitherEndAreClamped) {
  const CString text("abcdef");
  EXPECT_EQ(text.Mid(4), "ef");
  EXPECT_EQ(text.Mid(4, 100), "ef");
  EXPECT_EQ(text.Mid(6), "");
  EXPECT_EQ(text.Mid(10, 2), "");
  EXPECT_EQ(text.Mid(-3, 2), "ab");
  EXPECT_EQ(text.Mid(2, -1), "");
  EXPECT_EQ(text.Mid(1, 0x7fffffff), "bcdef");
  EXPECT_EQ(text.Left(100), "abcdef");
  EXPECT_EQ(text.Left(-1), "");
  EXPECT_EQ(text.Right(2), "ef");
  EXPECT_EQ(text.Right(100), "abcdef");
  EXPECT_EQ(text.SpanIncluding("cba"), "abc");
  EXPECT_EQ(text.SpanExcluding("dx"), "abc");
}

TEST(CStringSearch, MultiByteTextIsFoundWhole) {
  const CString text("포켓 가공 Pocket 가공");
  EXPECT_EQ(text.Find("가공"), 7);
  EXPECT_EQ(text.Find("가공", 8), 21);
  EXPECT_EQ(text.Find("Pocket"), 14);
  EXPECT_EQ(text.Find("없음"), -1);
  EXPECT_EQ(text.Find(' '), 6);
  EXPECT_EQ(text.Find(' ', 100), -1);
  EXPECT_EQ(text.ReverseFind(' '), 20);
  EXPECT_EQ(text.Find("", 3), 3);
  // FindOneOf matches whole characters: "각" shares its lead byte with "가".
  EXPECT_EQ(text.FindOneOf("각"), -1);
  EXPECT_EQ(text.FindOneOf("공P"), 10);
}

TEST(CStringTrim, KoreanTextKeepsEveryByte) {
  CString text(" \t\r\n 포켓 가공 \r\n");
  text.Trim();
  EXPECT_EQ(text, "포켓 가공");
  // Trailing bytes of Hangul syllables (0x80..0xBF) are not white space in any locale.
  CString nbsp_bytes("\xEA\xB0\x80\xC2\xA0");  // "가" and U+00A0
  nbsp_bytes.TrimRight();
  EXPECT_EQ(nbsp_bytes.GetLength(), 5);

  CString starred("**값*");
  starred.Trim('*');
  EXPECT_EQ(starred, "값");
  CString framed("《제목》");
  framed.Trim("《》");
  EXPECT_EQ(framed, "제목");
  CString mixed("가각가");
  mixed.TrimLeft("가");
  EXPECT_EQ(mixed, "각가");
}

TEST(CStringEdit, ReplaceRemoveInsertDelete) {
  CString text("a,b,,c");
  EXPECT_EQ(text.Replace(",", ";;"), 3);
  EXPECT_EQ(text, "a;;b;;;;c");
  EXPECT_EQ(text.Replace("", "x"), 0);
  EXPECT_EQ(text.Replace(';', ','), 6);
  EXPECT_EQ(text.Remove(','), 6);
  EXPECT_EQ(text, "abc");
  EXPECT_EQ(text.Insert(1, "값"), 6);
  EXPECT_EQ(text, "a값bc");
  EXPECT_EQ(text.Insert(100, '!'), 7);
  EXPECT_EQ(text, "a값bc!");
  EXPECT_EQ(text.Delete(1, 3), 4);
  EXPECT_EQ(text, "abc!");
  EXPECT_EQ(text.Delete(2, 100), 2);
  EXPECT_EQ(text.Delete(10), 2);
  EXPECT_EQ(text, "ab");
}

TEST(CStringCase, AsciiOnlyMappingAndComparison) {
  CString text("Tool_직경 d10");
  text.MakeUpper();
  EXPECT_EQ(text, "TOOL_직경 D10");
  text.MakeLower();
  EXPECT_EQ(text, "tool_직경 d10");
  EXPECT_EQ(CString("abc").CompareNoCase("ABC"), 0);
  EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
  EXPECT_GT(CString("abcd").CompareNoCase("ABC"), 0);
  EXPECT_LT(CString("Z").Compare("a"), 0);
  // Bytes compare unsigned, so Hangul sorts after ASCII.
  EXPECT_GT(CString("가").Compare("z"), 0);
  EXPECT_TRUE(CString("a") < "b");
  EXPECT_TRUE(CString("b") > "a");
  EXPECT_TRUE("a" <= CString("a"));

  CString reversed("ab가c");
  reversed.MakeReverse();
  EXPECT_EQ(reversed, "c가ba");
}

TEST(CStringTokenize, SplitsOnAnyDelimiter) {
  const CString text(",X10, Y20,,Z-5");
  int position = 0;
  std::vector<std::string> tokens;
  for (CString token = text.Tokenize(", ", position); position != -1; token = text.Tokenize(", ", position)) {
    tokens.push_back(token.str());
  }
  EXPECT_EQ(tokens, (std::vector<std::string>{"X10", "Y20", "Z-5"}));
}

TEST(CStringBuffer, GetBufferAndReleaseBuffer) {
  CString text("ab");
  char* buffer = text.GetBuffer(10);
  std::snprintf(buffer, 11, "%s", "0123456789");
  text.ReleaseBuffer();
  EXPECT_EQ(text, "0123456789");

  buffer = text.GetBuffer(0);
  buffer[3] = '\0';
  text.ReleaseBuffer();
  EXPECT_EQ(text, "012");

  buffer = text.GetBufferSetLength(5);
  std::memcpy(buffer, "hello", 5);
  text.ReleaseBuffer(4);
  EXPECT_EQ(text, "hell");
  text.ReleaseBuffer(100);  // longer than the buffer: keeps what is there
  EXPECT_EQ(text, "hell");
}

TEST(CStringAccess, OutOfRangeIsHarmlessInRelease) {
#ifdef NDEBUG
  CString text("ab");
  EXPECT_EQ(text.GetAt(2), '\0');
  EXPECT_EQ(text.GetAt(7), '\0');
  text.SetAt(5, 'x');
  EXPECT_EQ(text, "ab");
#else
  GTEST_SKIP() << "debug builds assert on a bad index";
#endif
}

TEST(CStringMisc, ConstructionConcatenationAndHashing) {
  EXPECT_EQ(CString('-', 3), "---");
  EXPECT_EQ(CString('-', -1), "");
  EXPECT_EQ(CString(static_cast<const char*>(nullptr)), "");
  EXPECT_EQ(CString("abcdef", 3), "abc");
  EXPECT_EQ("x" + CString("y") + 'z' + std::string("w"), "xyzw");
  std::unordered_set<CString> names{"a", "b", "a"};
  EXPECT_EQ(names.size(), 2u);
}

TEST(StringTable, LoadStringFindsRegisteredEntries) {
  static const StringTableRegistration entries{{91001, "포켓 가공"}, {91002, "Profile"}};
  CString text("unchanged");
  EXPECT_TRUE(text.LoadString(91001));
  EXPECT_EQ(text, "포켓 가공");
  EXPECT_FALSE(text.LoadString(91999));
  EXPECT_EQ(text, "포켓 가공");

  char buffer[6];
  // Five bytes would cut "켓" in half: only "포" (3 bytes) fits whole.
  EXPECT_EQ(AfxLoadString(91001, buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "포");
  EXPECT_EQ(AfxLoadString(91999, buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "");
  string_table::Remove(91001);
  EXPECT_FALSE(text.LoadString(91001));
}

}  // namespace
