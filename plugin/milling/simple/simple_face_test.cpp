#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/milling/simple/simple_cycle_test_drawing.h"
#include "plugin/milling/simple/simple_face_dlg.h"
#include "plugin/milling/simple/simple_face_generator.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

std::vector<FacePass> Passes(const CSimpleFaceDlg& dlg) {
  std::vector<FacePass> passes;
  EXPECT_TRUE(MakeSimpleFacePasses(dlg, passes));
  return passes;
}

void ExpectPoint(const AcGePoint2d& point, double x, double y, const char* what) {
  EXPECT_NEAR(point.x, x, 1e-6) << what;
  EXPECT_NEAR(point.y, y, 1e-6) << what;
}

TEST(SimpleFacePasses, DefaultsCutSeventeenPassesFromTheTopEdgeDown) {
  CSimpleFaceDlg dlg;
  const std::vector<FacePass> passes = Passes(dlg);
  ASSERT_EQ(passes.size(), 17u);
  ExpectPoint(passes.front().from, -100, 80, "first start");
  ExpectPoint(passes.front().to, 100, 80, "first end");
  ExpectPoint(passes[1].from, -100, 70, "second start");
  ExpectPoint(passes.back().from, -100, -80, "last start");
  ExpectPoint(passes.back().to, 100, -80, "last end");
}

TEST(SimpleFacePasses, EachDirectionStartsAtItsEdgeAndStepsAcross) {
  CSimpleFaceDlg dlg;
  dlg.m_Direction = kFaceAlongYLeftward;
  dlg.m_Stepover = 30.0f;
  std::vector<FacePass> passes = Passes(dlg);
  ASSERT_EQ(passes.size(), 8u);
  ExpectPoint(passes.front().from, 100, 80, "right edge, from the top");
  ExpectPoint(passes.front().to, 100, -80, "down to the bottom");
  EXPECT_NEAR(passes[1].from.x, 100 - 200.0 / 7.0, 1e-6);
  ExpectPoint(passes.back().to, -100, -80, "left edge last");

  dlg.m_Direction = kFaceAlongXUpward;
  passes = Passes(dlg);
  ASSERT_EQ(passes.size(), 7u);  // 160 / 30 gives 6 steps
  ExpectPoint(passes.front().from, 100, -80, "bottom edge, from the right");
  ExpectPoint(passes.back().to, -100, 80, "top edge last");

  dlg.m_Direction = kFaceAlongYRightward;
  passes = Passes(dlg);
  ASSERT_EQ(passes.size(), 8u);
  ExpectPoint(passes.front().from, -100, -80, "left edge, from the bottom");
  ExpectPoint(passes.back().to, 100, 80, "right edge last");
}

TEST(SimpleFacePasses, OutsideCompensationWidensEveryShapeInputAlike) {
  for (const int type : {kShapeCentreSize, kShapeMinimumSize, kShapeMinimumMaximum}) {
    CSimpleFaceDlg dlg;
    dlg.m_ShapeInputType = type;
    dlg.m_ToolCompensation = kFaceOutside;
    dlg.m_Allowance = 1.0f;
    const std::vector<FacePass> passes = Passes(dlg);
    ExpectPoint(passes.front().from, -111, 91, "222 x 182 about the centre");
    ExpectPoint(passes.back().to, 111, -91, "222 x 182 about the centre");
  }
  CSimpleFaceDlg onOutline;
  onOutline.m_Allowance = 5.0f;  // not used on the outline
  ExpectPoint(Passes(onOutline).front().from, -100, 80, "on the outline");
  CSimpleFaceDlg inside;
  inside.m_ToolCompensation = kFaceInside;
  inside.m_Allowance = 1.0f;
  ExpectPoint(Passes(inside).front().from, -89, 69, "178 x 138");
}

TEST(SimpleFaceToolpath, OneWayPassesAreLinkedAndStoredWithTheirFeedAndTool) {
  ShellSession session;
  CSimpleFaceDlg dlg;
  dlg.m_ToolpathName = "Face";
  dlg.m_Feed = 450;
  CreateSimpleFaceToolpath(dlg);
  const AcDbObjectIdArray ids = StoredIds("Face");
  ASSERT_FALSE(ids.isEmpty()) << session.transcript();
  EXPECT_TRUE(IsPointEntity(ids[0])) << "the tool marker comes first";
  const std::vector<TestPolyline> cuts = StoredPolylines("Face");
  ASSERT_EQ(cuts.size(), 17u);
  for (const TestPolyline& cut : cuts) {
    EXPECT_EQ(cut.vertices.size(), 2u);
    EXPECT_DOUBLE_EQ(cut.elevation, 0.0);
    EXPECT_NEAR(ToolpathMoveEncoding::ThicknessToValue(cut.thickness), 450.0, 0.01);
  }
  CSimpleFaceDlg read;
  ASSERT_TRUE(read.ReadParamRecord(StoredRecord("Face").c_str()));
  EXPECT_EQ(read.m_Feed, 450);
}

TEST(SimpleFaceToolpath, TwoWayIsOnePolylineEndingWhereThePassCountSays) {
  ShellSession session;
  CSimpleFaceDlg dlg;
  dlg.m_TwoWay = 1;
  dlg.m_StartHeight = -5.0f;
  dlg.m_Shape.ySize = 150.0f;
  dlg.m_Stepover = 50.0f;  // four passes: ends at the start of the last
  dlg.m_ToolpathName = "Even";
  CreateSimpleFaceToolpath(dlg);
  std::vector<TestPolyline> cuts = StoredPolylines("Even");
  ASSERT_EQ(cuts.size(), 1u) << session.transcript();
  EXPECT_DOUBLE_EQ(cuts[0].elevation, -5.0);
  ASSERT_EQ(cuts[0].vertices.size(), 8u);
  EXPECT_NEAR(cuts[0].vertices[1].x, 100, 1e-6);
  EXPECT_NEAR(cuts[0].vertices[2].x, 100, 1e-6) << "the second pass runs back";
  EXPECT_NEAR(cuts[0].vertices.back().x, -100, 1e-6);
  EXPECT_NEAR(cuts[0].vertices.back().y, -75, 1e-6);

  dlg.m_Stepover = 75.0f;  // three passes: ends at the end of the last
  dlg.m_ToolpathName = "Odd";
  CreateSimpleFaceToolpath(dlg);
  cuts = StoredPolylines("Odd");
  ASSERT_EQ(cuts.size(), 1u);
  ASSERT_EQ(cuts[0].vertices.size(), 6u);
  EXPECT_NEAR(cuts[0].vertices.back().x, 100, 1e-6);
  EXPECT_NEAR(cuts[0].vertices.back().y, -75, 1e-6);
}

TEST(SimpleFaceToolpath, NothingLeftToCutAfterCompensationIsRefusedWithAMessage) {
  ShellSession session;
  LoadMessageTable();
  CSimpleFaceDlg dlg;
  dlg.m_ToolCompensation = kFaceInside;
  dlg.m_Shape.ySize = 20.0f;  // a tool of 20 leaves nothing of it
  dlg.m_ToolpathName = "Narrow";
  const Adesk::UInt64 changes = session.db().changeCount();
  CreateSimpleFaceToolpath(dlg);
  EXPECT_FALSE(ToolpathNameExists("Narrow"));
  EXPECT_EQ(session.db().changeCount(), changes);
  EXPECT_NE(session.transcript().find("공구 경 보정 후의 가공 크기(X 180.000, Y 0.000)"), std::string::npos)
      << session.transcript();
  std::vector<FacePass> passes;
  EXPECT_FALSE(MakeSimpleFacePasses(dlg, passes));
  EXPECT_TRUE(passes.empty());
}

}  // namespace
