#include "platform/cad/editor/input/keyword_list.h"

#include <gtest/gtest.h>

#include "platform/cad/editor/input/answer_text.h"

using cadeditor::KeywordList;

TEST(KeywordList, ExactWordsBeatAbbreviations) {
  const KeywordList list("Chain C Single S Window W Polygon P");
  EXPECT_EQ(list.Match("c"), "C");  // the one-letter keyword, not "Chain"
  EXPECT_EQ(list.Match("CHAIN"), "Chain");
  EXPECT_EQ(list.Match("win"), "Window");
  EXPECT_EQ(list.Match("  polygon "), "Polygon");
  EXPECT_EQ(list.Match("x"), std::nullopt);
  EXPECT_EQ(list.Match(""), std::nullopt);
}

TEST(KeywordList, CapitalsMarkTheShortestAbbreviation) {
  const KeywordList list("Other LType eXit");
  EXPECT_EQ(list.Match("o"), "Other");
  EXPECT_EQ(list.Match("oth"), "Other");
  EXPECT_EQ(list.Match("others"), std::nullopt);
  EXPECT_EQ(list.Match("l"), std::nullopt);  // "LT" at least
  EXPECT_EQ(list.Match("lty"), "LType");
  EXPECT_EQ(list.Match("x"), "eXit");
  EXPECT_EQ(list.Match("ex"), "eXit");
  EXPECT_EQ(list.Match("e"), std::nullopt);
  const KeywordList ucs("World Origin 3point");
  EXPECT_EQ(ucs.Match("3"), "3point");  // a leading digit marks the abbreviation too
  EXPECT_EQ(ucs.Match("3p"), "3point");
}

TEST(KeywordList, LocalWordsAnswerWithTheirGlobalNames) {
  const KeywordList list("Ja Nein _ Yes No");
  EXPECT_EQ(list.Match("j"), "Yes");
  EXPECT_EQ(list.Match("nein"), "No");
  EXPECT_EQ(list.Match("_yes"), "Yes");
  EXPECT_EQ(list.Match("yes"), std::nullopt);
}

TEST(AnswerText, PointsAbsoluteRelativeAndPolar) {
  const AcGePoint3d last(10, 20, 5);
  EXPECT_TRUE(cadeditor::ParsePoint("1,2", last, 3.0)->isEqualTo({1, 2, 3}));
  EXPECT_TRUE(cadeditor::ParsePoint(" 1.5,-2,7 ", last, 0.0)->isEqualTo({1.5, -2, 7}));
  EXPECT_TRUE(cadeditor::ParsePoint("@1,-1", last, 0.0)->isEqualTo({11, 19, 5}));
  EXPECT_TRUE(cadeditor::ParsePoint("@", last, 0.0)->isEqualTo(last));
  EXPECT_TRUE(cadeditor::ParsePoint("@2<90", last, 0.0)->isEqualTo({10, 22, 5}, AcGeTol()));
  for (const char* bad : {"1", "1,2,3,4", "a,b", "1,,2", "@x", "1;2"}) {
    EXPECT_EQ(cadeditor::ParsePoint(bad, last, 0.0), std::nullopt) << bad;
  }
  EXPECT_EQ(cadeditor::ParseNumber("1e3"), 1000.0);
  EXPECT_EQ(cadeditor::ParseNumber("12abc"), std::nullopt);
  EXPECT_EQ(cadeditor::ParseWholeNumber("2.5"), std::nullopt);
}
