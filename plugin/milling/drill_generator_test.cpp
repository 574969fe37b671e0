#include "plugin/milling/drill_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/cad/db/db_line.h"
#include "plugin/milling/drill_dlg.h"
#include "plugin/milling/drill_test_drawing.h"
#include "plugin/shell/selection_queries.h"
#include "plugin/shell/tool_path_info.h"
#include "plugin/shell/toolpath_entities.h"
#include "plugin/shell/toolpath_store.h"

namespace {

using namespace drill_test;

std::string Point(const AcGePoint3d& p) {
  char text[96];
  std::snprintf(text, sizeof text, "(%g,%g,%g)", p.x, p.y, p.z);
  return text;
}

// "R" rapid, "R*" a rapid marked as a hole's cycle start, "F<feed>" a cut;
// "C<radius>" a circle; "M<type>" a marker point, "I" the tool's info point.
std::string Describe(AcDbObjectId id) {
  const int kind = GetEntityKind(id);
  if (kind == kEntityCircle) {
    AcGePoint3d centre;
    double radius = 0.0;
    GetCircleCenterRadius(id, centre, radius);
    char text[32];
    std::snprintf(text, sizeof text, "C%g", radius);
    return text + Point(centre);
  }
  if (kind == kEntityPoint) {
    double value = 0.0;
    const int type = ReadMarkerPoint(id, value);
    return type == 0 ? std::string("I") : "M" + std::to_string(type);
  }
  OpenedObject<AcDbLine> line(id, AcDb::kForRead);
  if (line.openStatus() != Acad::eOk) return "?";
  char* linetype = line->linetype();
  const bool rapid = std::string(linetype) == "ACAD_ISO03W100" && line->colorIndex() == 1;
  std::free(linetype);
  const int value = static_cast<int>(std::lround(ToolpathMoveEncoding::ThicknessToValue(line->thickness())));
  const std::string head = rapid ? (value == 1 ? "R*" : "R") : "F" + std::to_string(value);
  return head + Point(line->startPoint()) + "-" + Point(line->endPoint());
}

std::vector<std::string> Stored(const char* name) {
  AcDbObjectIdArray ids;
  GetToolpathEntityIds(name, ids);
  std::vector<std::string> described;
  for (int i = 0; i < ids.length(); ++i) described.push_back(Describe(ids[i]));
  return described;
}

std::vector<std::string> Moves(const char* name) {
  std::vector<std::string> moves;
  for (const std::string& entity : Stored(name)) {
    if (entity[0] == 'R' || entity[0] == 'F') moves.push_back(entity);
  }
  return moves;
}

// A dialog as OK leaves it: holes, their circles and a name.
void Prepare(CDrillDlg& dlg, const std::vector<AcGePoint3d>& holes, const char* name = "Drill_1") {
  dlg.m_Points.setLogicalLength(0);
  for (const AcGePoint3d& hole : holes) dlg.m_Points.append(hole);
  dlg.m_ToolpathName = name;
  dlg.m_StartPointOn = 0;
  dlg.AddHoleCircles();
}

using Texts = std::vector<std::string>;

TEST(DrillGenerator, StoresCirclesMarkersAndOneCyclePositionPerHole) {
  CToolPathInfo::rxInit();
  acrxBuildClassHierarchy();
  ShellSession session;
  CDrillDlg dlg;
  dlg.m_DrillTool.m_Diameter = 8.0f;
  dlg.m_SpindleSpeed = 1500;
  dlg.m_Feed = 120;
  Prepare(dlg, {{0, 0, 0}, {10, 0, 0}, {20, 0, 0}});
  ASSERT_TRUE(GenerateDrillToolpath(dlg));
  EXPECT_EQ(Stored("Drill_1"), (Texts{
                                   "C4(0,0,0)",
                                   "C4(10,0,0)",
                                   "C4(20,0,0)",
                                   "M7",
                                   "M1",
                                   "I",
                                   "M5",
                                   "R*(0,0,20)-(0,0,5)",
                                   "F120(0,0,5)-(0,0,-50)",
                                   "R*(0,0,20)-(10,0,20)",
                                   "R*(10,0,20)-(10,0,5)",
                                   "F120(10,0,5)-(10,0,-50)",
                                   "R*(10,0,20)-(20,0,20)",
                                   "R*(20,0,20)-(20,0,5)",
                                   "F120(20,0,5)-(20,0,-50)",
                               }));
  AcDbObjectIdArray ids;
  GetToolpathEntityIds("Drill_1", ids);
  double spindle = 0.0;
  EXPECT_EQ(ReadMarkerPoint(ids[6], spindle), 5);
  EXPECT_NEAR(spindle, 1500, 0.01);
  OpenedObject<CToolPathInfo> info;
  ASSERT_EQ(OpenToolPathInfo(ids[5], info), Acad::eOk);
  EXPECT_DOUBLE_EQ(info->diameter(), 8.0);
  EXPECT_DOUBLE_EQ(info->length(), 50.0);
  EXPECT_EQ(info->firstNumber(), dlg.m_ToolNumber);
  CString record;
  dlg.WriteParamRecord(record);
  AcDbObjectId group;
  ASSERT_TRUE(FindToolpathByName("Drill_1", group));
  CString stored;
  EXPECT_EQ(ReadToolpathTypeCode(group, stored), 3);
  EXPECT_EQ(stored, record);
}

TEST(DrillGenerator, TipCompensationDeepensEveryHoleAndAHoleRepeatedInPlaceIsNotPositionedAgain) {
  ShellSession session;
  CDrillDlg dlg;
  dlg.m_TipCompensationOn = 1;
  dlg.m_DrillTip.m_ThroughLength = 2.0f;
  dlg.m_DrillTip.m_TipLength = 6.01f;
  Prepare(dlg, {{5, 5, 0}, {5, 5, 0}});
  ASSERT_TRUE(GenerateDrillToolpath(dlg));
  const Texts moves = Moves("Drill_1");
  ASSERT_EQ(moves.size(), 4u);
  EXPECT_EQ(moves[0], moves[2]);
  EXPECT_EQ(moves[1], moves[3]);
  EXPECT_EQ(moves[1].substr(0, 17), "F100(5,5,5)-(5,5,") << moves[1];
  EXPECT_NEAR(std::stod(moves[1].substr(17)), -58.01, 1e-5);
}

TEST(DrillGenerator, RelativeHeightsFollowEachHoleAndDescendAfterCrossing) {
  ShellSession session;
  CDrillDlg dlg;
  dlg.m_RetractRelative = dlg.m_ZStartRelative = dlg.m_ZDepthRelative = 1;
  dlg.m_RetractHeight = 5.0f;
  dlg.m_ZStart = 1.0f;
  dlg.m_ZDepth = -20.0f;
  Prepare(dlg, {{0, 0, 0}, {30, 0, -10}});
  ASSERT_TRUE(GenerateDrillToolpath(dlg));
  EXPECT_EQ(Moves("Drill_1"), (Texts{
                                  "R*(0,0,5)-(0,0,1)",
                                  "F100(0,0,1)-(0,0,-20)",
                                  "R(0,0,5)-(30,0,5)",
                                  "R(30,0,5)-(30,0,-5)",
                                  "R*(30,0,-5)-(30,0,-9)",
                                  "F100(30,0,-9)-(30,0,-30)",
                              }));
}

TEST(DrillGenerator, FromTheStartPointTheToolStaysAtOrAboveTheClearanceHeight) {
  ShellSession session;
  CDrillDlg above;
  Prepare(above, {{50, 0, 0}});
  above.m_StartPointOn = 1;  // (0, 0, 100)
  ASSERT_TRUE(GenerateDrillToolpath(above));
  const Texts high = Moves("Drill_1");
  ASSERT_GE(high.size(), 2u);
  EXPECT_EQ(high[0], "R(0,0,100)-(50,0,100)");
  EXPECT_EQ(high[1], "R(50,0,100)-(50,0,20)");

  CDrillDlg below;
  Prepare(below, {{50, 0, 0}}, "Drill_2");
  below.m_StartPointOn = 1;
  below.m_StartZ = 10.0f;
  ASSERT_TRUE(GenerateDrillToolpath(below));
  const Texts low = Moves("Drill_2");
  ASSERT_GE(low.size(), 2u);
  EXPECT_EQ(low[0], "R(0,0,10)-(0,0,20)");
  EXPECT_EQ(low[1], "R(0,0,20)-(50,0,20)");
}

TEST(DrillGenerator, AFailureLeavesNothingBehindHoleCirclesIncluded) {
  ShellSession session;
  CDrillDlg empty;
  Prepare(empty, {});
  EXPECT_FALSE(GenerateDrillToolpath(empty));
  EXPECT_TRUE(Contains(session.transcript(), " 드릴 공구경로를 생성할 수 없습니다..")) << session.transcript();

  CDrillDlg unnamed;
  Prepare(unnamed, {{0, 0, 0}, {10, 0, 0}}, "");
  EXPECT_EQ(ModelSpaceCount(session), 2) << "the hole circles";
  EXPECT_FALSE(GenerateDrillToolpath(unnamed));
  EXPECT_EQ(ModelSpaceCount(session), 0);
  CStringArray names;
  int count = 0;
  EXPECT_FALSE(ListToolpathNames(names, count));
}

TEST(DrillGenerator, ReloadGivesTheHolesOfAStoredToolpathBack) {
  ShellSession session;
  CDrillDlg dlg;
  Prepare(dlg, {{3, 4, 0}, {-7, 2, 1}});
  ASSERT_TRUE(GenerateDrillToolpath(dlg));
  AcGePoint3dArray points;
  points.append(AcGePoint3d(99, 99, 99));
  ASSERT_TRUE(ReloadDrillPoints("Drill_1", points));
  EXPECT_EQ(PointsOf(points), (std::vector<AcGePoint3d>{{3, 4, 0}, {-7, 2, 1}}));
  EXPECT_FALSE(ReloadDrillPoints("Drill_9", points));
  EXPECT_TRUE(points.isEmpty());
}

}  // namespace
