#include "plugin/geometry/passes/lead_moves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

struct V {
  double x;
  double y;
  double bulge = 0.0;
};

class LeadMoves : public ::testing::Test {
 protected:
  AcDbObjectId polyline(const std::vector<V>& vertices, bool closed) {
    auto* entity = new AcDbPolyline();
    for (const V& v : vertices) entity->addVertexAt(entity->numVerts(), AcGePoint2d(v.x, v.y), v.bulge);
    entity->setClosed(closed);
    return session_.add(entity);
  }
  std::vector<PolylineVertex> read(AcDbObjectId id, bool& closed) {
    AcDbPolyline* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return {};
    std::vector<PolylineVertex> out = ReadPolylineVertices(entity);
    closed = entity->isClosed();
    entity->close();
    return out;
  }
  static void ExpectAt(const PolylineVertex& v, double x, double y, double tolerance = 1e-9) {
    EXPECT_NEAR(v.point.x, x, tolerance);
    EXPECT_NEAR(v.point.y, y, tolerance);
  }

  ShellSession session_;
  CLeadInOutDlg lead_;
};

TEST_F(LeadMoves, ClosedSquareBecomesAnOpenLoopWithClockwiseLeadsCarryingTheDefaultFeed) {
  const AcDbObjectId pass = polyline({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, true);
  lead_.m_Side = 1;
  lead_.m_DefaultFeed = 500;
  ASSERT_TRUE(AddLeadMoves(lead_, pass));
  bool closed = true;
  const std::vector<PolylineVertex> v = read(pass, closed);
  EXPECT_FALSE(closed);
  ASSERT_EQ(v.size(), 9u);
  ExpectAt(v[0], 0, -10);  // entry line from the arc centre
  ExpectAt(v[1], -10, -10);
  EXPECT_NEAR(v[1].bulge, std::tan(-M_PI / 8), 1e-12);
  ExpectAt(v[2], 0, 0);
  ExpectAt(v[6], 0, 0);  // the first vertex again
  EXPECT_NEAR(v[6].bulge, std::tan(-M_PI / 8), 1e-12);
  ExpectAt(v[7], -10, -10);
  ExpectAt(v[8], -10, 0);  // exit line to the arc centre
  for (int i : {0, 1, 6, 7, 8}) EXPECT_NEAR(v[i].startWidth, 0.00005, 1e-15) << i;
  EXPECT_EQ(v[3].startWidth, 0.0);
}

TEST_F(LeadMoves, ExitArcFollowsTheEndTangentOfAnArcAndOwnFeedsWin) {
  // A half circle from (0,0) to (10,0) through (5,-5) ends heading +Y.
  const AcDbObjectId pass = polyline({{0, 0, 1.0}, {10, 0}}, false);
  lead_.m_Side = 0;
  lead_.m_EntryOn = 0;
  lead_.m_ExitLineOn = 0;
  lead_.m_ExitFeedOn = 1;
  lead_.m_ExitFeed = 250;
  ASSERT_TRUE(AddLeadMoves(lead_, pass));
  bool closed = true;
  const std::vector<PolylineVertex> v = read(pass, closed);
  ASSERT_EQ(v.size(), 3u);
  ExpectAt(v[2], 0, 10, 1e-3);
  EXPECT_NEAR(v[1].bulge, std::tan(M_PI / 8), 1e-12);
  int feed = 0;
  ASSERT_TRUE(ToolpathMoveEncoding::WidthToFeed(v[1].startWidth, feed));
  EXPECT_EQ(feed, 250);
}

TEST_F(LeadMoves, WhatCannotTakeLeadsIsLeftAlone) {
  const AcDbObjectId single = polyline({{5, 5}}, false);
  EXPECT_FALSE(AddLeadMoves(lead_, single));
  bool closed = false;
  EXPECT_EQ(read(single, closed).size(), 1u);
  EXPECT_FALSE(AddLeadMoves(lead_, session_.add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)))));
  AcDbObjectIdArray ids;
  ids.append(single);
  AddLeadMovesToList(lead_, ids);
  EXPECT_TRUE(ids.isEmpty());
}

TEST_F(LeadMoves, PlacementMovesPastACrossingAndReportsAPassWithoutRoom) {
  const AcDbObjectId outer = polyline({{50, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}, true);
  // Small enough that no lead fits inside it, and lying across the outer pass's first entry line.
  const AcDbObjectId small = polyline({{45, 8}, {55, 8}, {55, 12}, {45, 12}}, true);
  lead_.m_Side = 0;
  AcDbObjectIdArray ids;
  ids.append(outer);
  ids.append(session_.add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0))));
  ids.append(small);
  PlaceLeadMovesOnPasses(lead_, ids, ids.length());

  bool closed = true;
  const std::vector<PolylineVertex> v = read(outer, closed);
  EXPECT_FALSE(closed);
  ASSERT_EQ(v.size(), 11u);
  ExpectAt(v[0], 72, 10, 1e-6);  // two tries of 11 along the first edge
  ExpectAt(v[2], 72, 0, 1e-6);
  ExpectAt(v[10], 72, 10, 1e-6);
  EXPECT_EQ(read(small, closed).size(), 4u);
  EXPECT_TRUE(closed);
  const std::string transcript = session_.transcript();
  const std::string text = "진입부를 생성할 수 없는 곳이 있습니다.!!!";
  ASSERT_NE(transcript.find(text), std::string::npos);
  EXPECT_EQ(transcript.find(text, transcript.find(text) + 1), std::string::npos);
}

TEST_F(LeadMoves, ZEntryModes) {
  const AcGePoint3d from(0, 0, 50);
  const AcGePoint3d to(20, 0, -5);
  lead_.m_DefaultFeed = 400;
  lead_.m_ZEntryLength = 30;
  AcDbObjectIdArray ids;
  AddZEntryMoves(lead_, ids, from, to);
  ASSERT_EQ(ids.length(), 2);
  AcGePoint3d start;
  AcGePoint3d end;
  GetCurveEndPoints(ids[0], start, end);
  EXPECT_TRUE(end.isEqualTo(AcGePoint3d(20, 0, 25)));
  double thickness = 0.0;
  ASSERT_TRUE(GetCurveThickness(ids[1], thickness));
  EXPECT_NEAR(ToolpathMoveEncoding::ThicknessToValue(thickness), 400, 0.01);
  lead_.m_ZEntryMode = kZEntryNone;
  AddZEntryMoves(lead_, ids, from, to);
  EXPECT_EQ(ids.length(), 3);
}

}  // namespace

namespace {

// A pass whose last element is a small corner arc: the lead-out leaves along
// the arc's end tangent, not along a chord too short to have a direction.
TEST_F(LeadMoves, LeadOutAfterASmallCornerArcLeavesAlongItsTangent) {
  // Down the left side of an outline, round its corner by an arc of radius 5.
  const AcDbObjectId pass = polyline({{5, 155, std::tan(M_PI / 8)}, {0, 150}}, false);
  lead_.m_Side = 1;
  lead_.m_EntryOn = 0;
  lead_.m_ExitLineOn = 0;
  lead_.m_ExitArcRadius = 5.0f;
  ASSERT_TRUE(AddLeadMoves(lead_, pass));
  bool closed = true;
  const std::vector<PolylineVertex> v = read(pass, closed);
  ASSERT_EQ(v.size(), 3u);
  // Heading -Y at (0,150), turning right: the arc ends at (-5,145), away from x > 0.
  ExpectAt(v[2], -5, 145, 1e-6);
}

TEST_F(LeadMoves, PlacesWithoutLeadMovesAreToldOncePerReportWithTheirCountAndTheFirst) {
  {
    LeadFailureReport report;
    LeadFailureReport::Add(AcGePoint3d(1, 2, 0));
    LeadFailureReport::Add(AcGePoint3d(3, 4, 0));
    EXPECT_EQ(report.count(), 2);
    EXPECT_EQ(session_.transcript().find("진입부"), std::string::npos);
  }
  const std::string told = session_.transcript();
  ASSERT_NE(told.find("진입부를 생성할 수 없는 곳이 있습니다.!!!"), std::string::npos) << told;
  EXPECT_EQ(told.find("진입부", told.find("진입부") + 1), std::string::npos) << told;
}

}  // namespace
