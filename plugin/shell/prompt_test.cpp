#include "plugin/shell/prompt.h"

#include <gtest/gtest.h>

#include <string>

#include "plugin/shell/selection/polygon_picker.h"
#include "plugin/shell/shell_session_test.h"

namespace {

TEST(PointPrompt, AnswersPointKeywordEmptyAndCancel) {
  ShellSession session("1,2,3\nEdge\n\n^C\n");
  CPointPrompt prompt("Point", "Edge Other");
  prompt.SetAllowEmpty(1);
  EXPECT_EQ(prompt.Go(), 3);
  EXPECT_EQ(prompt.Value(), AcGePoint3d(1, 2, 3));
  EXPECT_EQ(cadeditor::LastPoint(), AcGePoint3d(1, 2, 3));
  EXPECT_EQ(prompt.Go(), 2);
  EXPECT_TRUE(prompt.IsKeyword("Edge"));
  EXPECT_FALSE(prompt.IsKeyword("edge"));
  EXPECT_EQ(prompt.Go(), 1);
  EXPECT_EQ(prompt.Go(), 0);
  EXPECT_EQ(prompt.Value(), AcGePoint3d(1, 2, 3));
  EXPECT_NE(session.transcript().find("Point: 1,2,3\nPoint: Edge\n"), std::string::npos) << session.transcript();
}

TEST(PolygonPicker, OnePointIsRefusedAndLeavesNoRubberBand) {
  ShellSession session("1,1\n\n");
  AcGePoint3dArray points;
  EXPECT_EQ(PickPolygonPoints(points), 3);
  EXPECT_NE(session.transcript().find("There must be at least 2 points."), std::string::npos);
  EXPECT_TRUE(cadeditor::TemporaryVectors().empty());
}

TEST(PolygonPicker, CollectsPointsInOrderAndCleansTheScreen) {
  ShellSession session("0,0\n10,0\n10,10\n\n");
  AcGePoint3dArray points;
  ASSERT_EQ(PickPolygonPoints(points), 0);
  ASSERT_EQ(points.length(), 3);
  EXPECT_EQ(points[2], AcGePoint3d(10, 10, 0));
  EXPECT_TRUE(cadeditor::TemporaryVectors().empty());

  resbuf* chain = PointsToResbufChain(points);
  ASSERT_NE(chain, nullptr);
  EXPECT_EQ(chain->restype, RT3DPOINT);
  EXPECT_DOUBLE_EQ(chain->rbnext->rbnext->resval.rpoint[1], 10.0);
  EXPECT_EQ(chain->rbnext->rbnext->rbnext, nullptr);
  acutRelRb(chain);
  EXPECT_EQ(PointsToResbufChain(AcGePoint3dArray()), nullptr);
}

}  // namespace
