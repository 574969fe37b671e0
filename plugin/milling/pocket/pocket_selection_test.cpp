#include "plugin/milling/pocket/pocket_selection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numbers>
#include <string>
#include <vector>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr double kPi = std::numbers::pi;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

AcDbObjectId AddLine(ShellSession& session, double x1, double y1, double x2, double y2, double z2 = 0.0) {
  return session.add(new AcDbLine(AcGePoint3d(x1, y1, 0.0), AcGePoint3d(x2, y2, z2)));
}

AcDbObjectId AddArc(ShellSession& session, double x, double y, double radius, double fromDegrees, double toDegrees) {
  return session.add(new AcDbArc(AcGePoint3d(x, y, 0.0), radius, fromDegrees * kPi / 180.0, toDegrees * kPi / 180.0));
}

AcDbObjectId AddSquare(ShellSession& session, double x, double y, double side) {
  auto* polyline = new AcDbPolyline();
  for (const AcGePoint2d& corner :
       {AcGePoint2d(x, y), AcGePoint2d(x + side, y), AcGePoint2d(x + side, y + side), AcGePoint2d(x, y + side)}) {
    polyline->addVertexAt(polyline->numVerts(), corner);
  }
  polyline->setClosed(true);
  return session.add(polyline);
}

bool IsHighlighted(AcDbObjectId id) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
  return entity.openStatus() == Acad::eOk && entity->isHighlighted();
}

std::vector<AcDbObjectId> Ids(const AcDbObjectIdArray& array) {
  return std::vector<AcDbObjectId>(array.begin(), array.end());
}

TEST(PocketSelection, ChainedLinesAndArcsBecomeOneBoundaryAndTheLoopsInsideItIslands) {
  // Picks: the outline (its last joint 0.004 wide), a square of lines, a circle
  // of two arcs, and a square loop beside the outline.
  ShellSession session("50,0\n30,20\n70,38\n205,0\n\n");
  AddLine(session, 0, 0, 100, 0);
  AddArc(session, 100, 10, 10, 270, 360);
  AddLine(session, 110, 10, 110, 60);
  AddLine(session, 110, 60, 0, 60);
  AddLine(session, 0, 60, 0, 0.004);
  for (const auto& [x1, y1, x2, y2] :
       std::vector<std::array<double, 4>>{{20, 20, 40, 20}, {40, 20, 40, 40}, {40, 40, 20, 40}, {20, 40, 20, 20}}) {
    AddLine(session, x1, y1, x2, y2);
  }
  AddArc(session, 70, 30, 8, 0, 180);
  AddArc(session, 70, 30, 8, 180, 360);
  for (const auto& [x1, y1, x2, y2] :
       std::vector<std::array<double, 4>>{{200, 0, 210, 0}, {210, 0, 210, 10}, {210, 10, 200, 10}, {200, 10, 200, 0}}) {
    AddLine(session, x1, y1, x2, y2);
  }

  AcDbObjectIdArray curves;
  int method = kSelectChain;
  ASSERT_TRUE(SelectPocketEntities(curves, method)) << session.transcript();
  ASSERT_EQ(curves.length(), 15) << session.transcript();
  for (const AcDbObjectId& id : Ids(curves)) EXPECT_TRUE(IsHighlighted(id));

  AcDbObjectId boundary;
  AcDbObjectIdArray islands;
  ASSERT_TRUE(ChainPocketBoundary(curves, boundary, islands)) << session.transcript();
  EXPECT_NEAR(GetCurveArea(boundary), 110.0 * 60.0 - (100.0 - 25.0 * kPi), 1e-6);
  ASSERT_EQ(islands.length(), 2);
  std::vector<double> areas = {GetCurveArea(islands[0]), GetCurveArea(islands[1])};
  std::sort(areas.begin(), areas.end());
  EXPECT_NEAR(areas[0], 64.0 * kPi, 1e-6);
  EXPECT_NEAR(areas[1], 400.0, 1e-6);
  EXPECT_FALSE(Contains(session.transcript(), "간격")) << "no joint wider than the join tolerance";
}

TEST(PocketSelection, APickOfAChosenCurveLetsItGoAMissIsAskedAgainAndANonPlanarPickIsRefused) {
  ShellSession session("5,0\n5,0\n300,300\n5,0\n50,0\n");
  const AcDbObjectId line = AddLine(session, 0, 0, 10, 0);
  AddLine(session, 50, 0, 60, 0, 5.0);
  AcDbObjectIdArray curves;
  int method = kSelectChain;
  EXPECT_FALSE(SelectPocketEntities(curves, method));
  EXPECT_EQ(Ids(curves), std::vector<AcDbObjectId>{line});
  EXPECT_TRUE(IsHighlighted(line));
  EXPECT_TRUE(Contains(session.transcript(), "\n 2D curve만 선택할 수 있습니다.")) << session.transcript();
}

TEST(PocketSelection, OtherAsksForTheMethodAndHandsTheNewOneBack) {
  ShellSession session(
      "O\nwindow\n"  // lower case, whole word
      "O\np\n"       // the letter, at the window corner
      "O\n^C\n"      // cancelled question: the method stays
      "^C\n");
  AddLine(session, 0, 0, 10, 0);
  AcDbObjectIdArray curves;
  int method = kSelectChain;
  EXPECT_FALSE(SelectPocketEntities(curves, method));
  EXPECT_EQ(method, kSelectWindow);
  EXPECT_FALSE(SelectPocketEntities(curves, method));
  EXPECT_EQ(method, kSelectPolygon);
  EXPECT_FALSE(SelectPocketEntities(curves, method));
  EXPECT_EQ(method, kSelectPolygon);
  EXPECT_FALSE(SelectPocketEntities(curves, method)) << "a cancelled pick is no normal end";
  EXPECT_TRUE(curves.isEmpty());
  EXPECT_FALSE(session.failed()) << session.transcript();
}

TEST(PocketSelection, WindowAndPolygonTakeAThousandShownCurvesAndRefuseOneMore) {
  ShellSession session(
      "-1,-1\n1001,2\n\n"
      "-1,-1\n1001,2\n"
      "-1,-1\n1001,-1\n1001,2\n-1,2\n\n");
  for (int i = 0; i < 1000; ++i) AddLine(session, i, 0, i + 0.5, 1);
  session.add(new AcDbPoint(AcGePoint3d(3, 0.5, 0)));
  AcDbObjectIdArray curves;
  int method = kSelectWindow;
  EXPECT_TRUE(SelectPocketEntities(curves, method));
  EXPECT_EQ(curves.length(), 1000);

  AddLine(session, 0, 1.5, 1, 1.5);
  AcDbObjectIdArray more;
  EXPECT_FALSE(SelectPocketEntities(more, method));
  EXPECT_TRUE(more.isEmpty());
  EXPECT_TRUE(Contains(session.transcript(), "[Error message] 검색된 도형(1001)이 1000개 이상 있습니다."))
      << session.transcript();

  // The profile variant refuses the same count.
  ads_name chain = {1, 1};
  method = kSelectPolygon;
  EXPECT_FALSE(SelectCurvesByMethod(more, chain, method));
  EXPECT_EQ(chain[0], 0);
  EXPECT_EQ(Count(session.transcript(), "검색된 도형(1001)이 1000개 이상 있습니다."), 2u) << session.transcript();
}

TEST(ProfileSelection, AClosedCurveIsTakenAloneAndAnOpenOneChainsTowardsTheSecondPick) {
  ShellSession session("-15,-20\n5,0\n15,0\n");
  const AcDbObjectId square = AddSquare(session, -20, -20, 10);
  AddLine(session, -5, 0, 0, 0);  // behind the first pick: never followed
  const AcDbObjectId first = AddLine(session, 0, 0, 10, 0);
  const AcDbObjectId second = AddLine(session, 10, 0, 20, 0);
  const AcDbObjectId third = AddLine(session, 20, 0, 20, 10);
  AcDbObjectIdArray curves;
  int method = kSelectChain;
  ads_name set = {0, 0};
  ASSERT_TRUE(SelectCurvesByMethod(curves, set, method));
  EXPECT_EQ(TakeSelectionSet(set), std::vector<AcDbObjectId>{square});
  ASSERT_TRUE(SelectCurvesByMethod(curves, set, method));
  EXPECT_EQ(TakeSelectionSet(set), (std::vector<AcDbObjectId>{first, second, third}));
  EXPECT_FALSE(IsHighlighted(first)) << "the first pick is shown only while the second is asked";
  EXPECT_EQ(Count(session.transcript(), "두번째 Line"), 1u) << session.transcript();
  EXPECT_TRUE(curves.isEmpty()) << "the caller toggles the set";
}

TEST(ProfileSelection, SinglePicksToggleInTheListAndEndWithoutASet) {
  ShellSession session("5,0\n15,0\n5,0\n\n");
  const AcDbObjectId first = AddLine(session, 0, 0, 10, 0);
  const AcDbObjectId second = AddLine(session, 10, 0, 20, 0);
  AcDbObjectIdArray curves;
  int method = kSelectSingle;
  ads_name set = {1, 1};
  EXPECT_FALSE(SelectCurvesByMethod(curves, set, method));
  EXPECT_EQ(set[0], 0);
  EXPECT_EQ(Ids(curves), std::vector<AcDbObjectId>{second});
  EXPECT_FALSE(IsHighlighted(first));
  EXPECT_TRUE(IsHighlighted(second));
}

// A stored pocket: boundary, two islands, then a pass that begins with its
// marker point and cuts a polyline ring.
struct StoredPocket {
  explicit StoredPocket(ShellSession& session) {
    boundary = AddSquare(session, 0, 0, 100);
    islands.append(AddSquare(session, 10, 10, 10));
    islands.append(AddSquare(session, 50, 50, 20));
    AcDbObjectIdArray ids;
    ids.append(boundary);
    ids.append(islands);
    ids.append(session.add(new AcDbPoint(AcGePoint3d(5, 5, 0))));
    ids.append(AddSquare(session, 5, 5, 90));
    ids.append(AddLine(session, 5, 5, 5, 50));
    EXPECT_TRUE(CreateToolpathGroup("Pocket_1", "Ostrivo_ToolPath 4 1 0 0\n", ids));
  }
  AcDbObjectId boundary;
  AcDbObjectIdArray islands;
};

TEST(ReloadPocketBoundary, CopiesTheStoredBoundaryAndTheIslandsLeftButNoPass) {
  ShellSession session;
  StoredPocket stored(session);
  EraseObject(stored.islands[0]);
  AcDbObjectId boundary;
  AcDbObjectIdArray islands;
  ASSERT_TRUE(ReloadPocketBoundary("Pocket_1", boundary, islands));
  EXPECT_NE(boundary, stored.boundary);
  EXPECT_DOUBLE_EQ(GetCurveArea(boundary), 10000.0);
  ASSERT_EQ(islands.length(), 1);
  EXPECT_DOUBLE_EQ(GetCurveArea(islands[0]), 400.0);

  AcDbObjectIdArray curves;
  ASSERT_TRUE(ReloadProfileCurves("Pocket_1", curves));
  EXPECT_EQ(curves.length(), 2);

  EXPECT_FALSE(ReloadPocketBoundary("Pocket_2", boundary, islands));
  EXPECT_TRUE(boundary.isNull());
  EXPECT_TRUE(islands.isEmpty());
  EXPECT_FALSE(ReloadProfileCurves("Pocket_2", curves));
  EXPECT_TRUE(curves.isEmpty());
}

}  // namespace
