#include "platform/cad/editor/input/aced_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/cad/editor/aced_sysvars.h"
#include "platform/cad/editor/aced_ucs.h"
#include "platform/cad/editor/editor_test_support_test.h"

namespace {

AcGePoint3d P(const ads_point p) { return {p[0], p[1], p[2]}; }

TEST(EditorInput, PointsAreTypedInTheUcsAndRelativeToLastPoint) {
  EditorSession session("1,2\n@3,4\n@\n");
  AcGeMatrix3d ucs;
  ucs.setCoordSystem({100, 0, 0}, AcGeVector3d::kYAxis, -AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
  ASSERT_EQ(acedSetCurrentUCS(ucs), RTNORM);
  ads_point p;
  ASSERT_EQ(acedGetPoint(nullptr, "\nPoint: ", p), RTNORM);
  EXPECT_TRUE(P(p).isEqualTo({1, 2, 0}));
  ASSERT_EQ(acedGetPoint(p, "\nNext point: ", p), RTNORM);
  EXPECT_TRUE(P(p).isEqualTo({4, 6, 0}));
  EXPECT_EQ(cadeditor::SystemVariableText("lastpoint"), "4.0000,6.0000,0.0000");
  ASSERT_EQ(acedGetPoint(nullptr, "Again: ", p), RTNORM);
  EXPECT_TRUE(P(p).isEqualTo({4, 6, 0}));
  // The same point in world coordinates: the UCS is turned a quarter and moved.
  resbuf from{nullptr, RTSHORT, {}}, to{nullptr, RTSHORT, {}};
  from.resval.rint = 1;
  to.resval.rint = 0;
  ads_point world;
  ASSERT_EQ(acedTrans(p, &from, &to, 0, world), RTNORM);
  EXPECT_TRUE(P(world).isEqualTo({94, 4, 0}));
  EXPECT_EQ(session.transcript(), "Point: 1,2\nNext point: @3,4\nAgain: @\n");
}

TEST(EditorInput, EmptyLinesFollowTheFlags) {
  EditorSession session("\n\n7\n\n");
  ads_real value = 0;
  acedInitGet(RSG_NONULL, nullptr);
  EXPECT_EQ(acedGetReal("Real: ", &value), RTNORM);  // the first empty line is asked again
  EXPECT_EQ(value, 7.0);
  EXPECT_EQ(acedGetReal("Real: ", &value), RTNONE);  // the flag held for one call only
  EXPECT_EQ(acedGetReal("Real: ", &value), RTCAN);   // end of the script
}

TEST(EditorInput, KeywordsOtherTextAndGetInput) {
  EditorSession session("oth\nWINDOW\nhello there\n");
  ads_point p;
  char text[512];
  acedInitGet(RSG_NONULL, "Other O");
  ASSERT_EQ(acedGetPoint(nullptr, "Pick: ", p), RTKWORD);
  ASSERT_EQ(acedGetInput(text), RTNORM);
  EXPECT_STREQ(text, "Other");
  acedInitGet(0, "Chain C Single S Window W Polygon P");
  ASSERT_EQ(acedGetKword("Method: ", text), RTNORM);
  EXPECT_STREQ(text, "Window");
  ads_real value;
  acedInitGet(RSG_OTHER, nullptr);
  ASSERT_EQ(acedGetReal("Value: ", &value), RTKWORD);
  acedGetInput(text);
  EXPECT_STREQ(text, "hello there");
}

TEST(EditorInput, AWrongLineStopsAScript) {
  EditorSession session("abc\n1,1\n");
  ads_point p;
  EXPECT_EQ(acedGetPoint(nullptr, "Point: ", p), RTERROR);
  EXPECT_TRUE(session.driver().Failed());
  EXPECT_NE(session.transcript().find("script line 1: Invalid point."), std::string::npos);
  EXPECT_EQ(acedGetPoint(nullptr, "Point: ", p), RTCAN);  // nothing more is read
}

TEST(EditorInput, NumbersAreCheckedAgainstTheFlags) {
  const struct {
    int flags;
    const char* line;
    const char* message;
  } cases[] = {
      {RSG_NOZERO | RSG_NONEG, "0", "Value must be positive and nonzero."},
      {RSG_NONEG, "-1", "Value must be positive."},
      {RSG_NOZERO, "0", "Value must be nonzero."},
  };
  for (const auto& c : cases) {
    EditorSession session(std::string(c.line) + "\n");
    ads_real value;
    acedInitGet(c.flags, nullptr);
    EXPECT_EQ(acedGetReal("Real: ", &value), RTERROR);
    EXPECT_NE(session.transcript().find(c.message), std::string::npos) << session.transcript();
  }
  EditorSession integers("2.5\n");
  int number;
  EXPECT_EQ(acedGetInt("Count: ", &number), RTERROR);
  EXPECT_NE(integers.transcript().find("Requires an integer value."), std::string::npos);
}

TEST(EditorInput, DistancesAndAnglesFromPoints) {
  EditorSession session("0,0\n3,4\n4,0,3\n90\n1,1\n^C\n");
  ads_real value = 0;
  ASSERT_EQ(acedGetDist(nullptr, "Distance: ", &value), RTNORM);  // two points
  EXPECT_DOUBLE_EQ(value, 5.0);
  const ads_point origin = {0, 0, 0};
  acedInitGet(RSG_2D, nullptr);
  ASSERT_EQ(acedGetDist(origin, "Distance: ", &value), RTNORM);
  EXPECT_DOUBLE_EQ(value, 4.0);
  ASSERT_EQ(acedGetAngle(origin, "Angle: ", &value), RTNORM);
  EXPECT_DOUBLE_EQ(value, std::numbers::pi / 2);
  ASSERT_EQ(acedGetAngle(origin, "Angle: ", &value), RTNORM);
  EXPECT_DOUBLE_EQ(value, std::numbers::pi / 4);
  EXPECT_EQ(acedGetDist(origin, "Distance: ", &value), RTCAN);
  EXPECT_NE(session.transcript().find("Distance: 0,0\nSecond point: 3,4\n"), std::string::npos);
}

TEST(EditorInput, TranscriptKeepsPromptsOnTheirLines) {
  EditorSession session("abc\n");
  acutPrintf("\nThere must be at least %d points.", 2);
  char text[8];
  EXPECT_EQ(acedGetString(0, "\nName: ", text, sizeof text), RTNORM);
  acutPrintf("\nDone");
  cadeditor::EndPromptLine();
  EXPECT_EQ(session.transcript(), "There must be at least 2 points.\nName: abc\nDone\n");
}

TEST(EditorInput, LongStringsAreCutAtACharacterAndSaySo) {
  EditorSession session("ab\xC3\xA9z\n");  // "abéz"
  char text[4];
  EXPECT_EQ(acedGetString(1, "Text: ", text, sizeof text), RTINPUTTRUNCATED);
  EXPECT_STREQ(text, "ab");  // not half of the two-byte letter
}

}  // namespace
