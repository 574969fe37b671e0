#include "plugin/shell/selection/curve_chain_select.h"

#include <gtest/gtest.h>

#include <numbers>
#include <vector>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "plugin/shell/shell_session_test.h"

namespace {

AcDbObjectId AddLine(ShellSession& session, double x1, double y1, double x2, double y2) {
  return session.add(new AcDbLine(AcGePoint3d(x1, y1, 0.0), AcGePoint3d(x2, y2, 0.0)));
}

struct Name {
  explicit Name(AcDbObjectId id) { acdbGetAdsName(value, id); }
  ads_name value = {0, 0};
};

TEST(ChainConnectedCurves, AClosedLoopOfFourLinesPickedAtOneGivesAllFourInChainOrder) {
  ShellSession session;
  const AcDbObjectId right = AddLine(session, 10, 0, 10, 10);
  const AcDbObjectId bottom = AddLine(session, 0, 0, 10, 0);
  const AcDbObjectId left = AddLine(session, 0, 10, 0, 0);
  const AcDbObjectId top = AddLine(session, 10, 10, 0, 10);
  ads_name result = {0, 0};
  ASSERT_TRUE(ChainConnectedCurves(AcDbObjectIdArray(), Name(bottom).value, result));
  EXPECT_EQ(TakeSelectionSet(result), (std::vector<AcDbObjectId>{bottom, right, top, left}));
}

TEST(ChainConnectedCurves, StopsAtATJunctionAndKeepsListedBoundariesApart) {
  ShellSession session;
  const AcDbObjectId first = AddLine(session, 0, 0, 10, 0);
  const AcDbObjectId second = AddLine(session, 10, 0, 20, 0);
  AddLine(session, 20, 0, 30, 0);  // the junction at (20,0) has two ways on
  AddLine(session, 20, 0, 20, 10);
  ads_name result = {0, 0};
  ASSERT_TRUE(ChainConnectedCurves(AcDbObjectIdArray(), Name(first).value, result));
  EXPECT_EQ(TakeSelectionSet(result), (std::vector<AcDbObjectId>{first, second}));

  AcDbObjectIdArray listed;
  listed.append(second);
  ASSERT_TRUE(ChainConnectedCurves(listed, Name(first).value, result));
  EXPECT_EQ(TakeSelectionSet(result), (std::vector<AcDbObjectId>{first}));
}

TEST(ChainConnectedCurves, AThousandCandidatesAreChainedAndOneMoreIsRefused) {
  ShellSession session;
  const AcDbObjectId picked = AddLine(session, 0, 0, 1, 0);
  const AcDbObjectId neighbour = AddLine(session, 1, 0, 2, 0);
  for (int i = 0; i < 999; ++i) AddLine(session, i, 10, i + 0.5, 10);
  ads_name result = {0, 0};
  ASSERT_TRUE(ChainConnectedCurves(AcDbObjectIdArray(), Name(picked).value, result));
  EXPECT_EQ(TakeSelectionSet(result), (std::vector<AcDbObjectId>{picked, neighbour}));
  EXPECT_EQ(session.transcript().find("Error message"), std::string::npos);

  AddLine(session, 0, 20, 0.5, 20);
  EXPECT_FALSE(ChainConnectedCurves(AcDbObjectIdArray(), Name(picked).value, result));
  EXPECT_EQ(TakeSelectionSet(result), (std::vector<AcDbObjectId>{picked}));
  EXPECT_NE(session.transcript().find("[Error message] 검색된 도형(1001)이 1000개 이상 있습니다."), std::string::npos)
      << session.transcript();
}

TEST(ChainCurvesFromEntity, GrowsFromTheSecondPickAwayFromTheFirst) {
  ShellSession session;
  AddLine(session, -10, 0, 0, 0);  // on the first pick's far side: never searched
  const AcDbObjectId first = AddLine(session, 0, 0, 10, 0);
  const AcDbObjectId second = AddLine(session, 10, 0, 20, 0);
  const AcDbObjectId after = AddLine(session, 20, 0, 30, 0);
  ads_name result = {0, 0};
  ASSERT_TRUE(ChainCurvesFromEntity(AcDbObjectIdArray(), Name(first).value, Name(second).value, result));
  EXPECT_EQ(TakeSelectionSet(result), (std::vector<AcDbObjectId>{first, second, after}));
}

TEST(ChainSelectedCurves, TakesTheFirstNeighbourInSetOrderThenGoesAwayFromThePick) {
  ShellSession session;
  const AcDbObjectId middle = AddLine(session, 10, 0, 20, 0);
  const AcDbObjectId left = AddLine(session, 0, 0, 10, 0);
  const AcDbObjectId right = AddLine(session, 20, 0, 30, 0);
  ads_name set = {0, 0};
  acedSSAdd(Name(middle).value, nullptr, set);
  acedSSAdd(Name(left).value, set, set);
  acedSSAdd(Name(right).value, set, set);
  ads_name result = {0, 0};
  ASSERT_TRUE(ChainSelectedCurves(set, result));
  EXPECT_EQ(TakeSelectionSet(result), (std::vector<AcDbObjectId>{middle, left}));
  long left_in_set = 0;
  acedSSLength(set, &left_in_set);
  EXPECT_EQ(left_in_set, 2);  // the pick left the given set
  acedSSFree(set);
}

TEST(ChainCurvesByEndpoints, RunsGrowAtTheirOpenEndAndClosedCurvesStandAlone) {
  ShellSession session;
  auto* square = new AcDbPolyline();
  for (int i = 0; i < 4; ++i) square->addVertexAt(i, AcGePoint2d(i == 1 || i == 2 ? 5 : 0, i >= 2 ? 5 : 0));
  square->setClosed(true);
  const AcDbObjectId closed = session.add(square);
  const AcDbObjectId a = AddLine(session, 0, 0, 10, 0);
  const AcDbObjectId b = AddLine(session, 20, 0, 10, 0);  // joins by its end point
  AcDbObjectIdArray pool;
  pool.append(closed);
  pool.append(a);
  pool.append(b);
  AcDbObjectIdArray chain;
  ASSERT_TRUE(ChainCurvesByEndpoints(pool, chain));
  EXPECT_EQ(std::vector<AcDbObjectId>({chain[0], chain[1], chain[2]}), (std::vector<AcDbObjectId>{closed, a, b}));
  EXPECT_EQ(chain.length(), 3);
  EXPECT_TRUE(pool.isEmpty());
  EXPECT_FALSE(ChainCurvesByEndpoints(pool, chain));
}

TEST(CurvesDuplicate, ComparesExactlyAndKnowsArcsRunEitherWay) {
  ShellSession session;
  const AcDbObjectId line = AddLine(session, 0, 0, 10, 0);
  const AcDbObjectId reversed = AddLine(session, 10, 0, 0, 0);
  const AcDbObjectId shifted = AddLine(session, 0, 1e-12, 10, 0);
  EXPECT_TRUE(CurvesDuplicate(line, reversed));
  EXPECT_FALSE(CurvesDuplicate(line, shifted));
  EXPECT_FALSE(CurvesCoincide(line, shifted));
  EXPECT_TRUE(CurvesCoincide(line, reversed));

  const double half = std::numbers::pi / 2.0;
  const AcDbObjectId up = session.add(new AcDbArc(AcGePoint3d(0, 0, 0), 5.0, 0.0, half));
  // The same quarter run clockwise, from (0,5) to (5,0).
  const AcDbObjectId down =
      session.add(new AcDbArc(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 0, -1), 5.0, half, std::numbers::pi));
  const AcDbObjectId other = session.add(new AcDbArc(AcGePoint3d(0, 0, 0), 5.0, half, 0.0));
  EXPECT_TRUE(CurvesDuplicate(up, down));
  EXPECT_FALSE(CurvesDuplicate(up, other));  // the other three quarters
  EXPECT_FALSE(CurvesDuplicate(line, up));
}

}  // namespace
