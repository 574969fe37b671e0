#include "plugin/milling/pocket_rest_boundaries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/cad/db/db_polyline.h"
#include "plugin/milling/pocket_plan_paths.h"
#include "plugin/shell/shell_session_test.h"

namespace {

AcDbObjectId AddOutline(ShellSession& session, const std::vector<AcGePoint2d>& corners) {
  auto* polyline = new AcDbPolyline();
  for (const AcGePoint2d& corner : corners) polyline->addVertexAt(polyline->numVerts(), corner);
  polyline->setClosed(true);
  return session.add(polyline);
}

std::vector<curve::BulgePath> Paths(const AcDbObjectIdArray& ids) {
  std::vector<curve::BulgePath> paths;
  for (const AcDbObjectId& id : ids) {
    curve::BulgePath path;
    EXPECT_TRUE(ReadPlanPath(id, path));
    paths.push_back(path);
  }
  return paths;
}

// A tool 6 larger than the rest tool leaves each sharp corner of a square
// boundary; the rest tool goes along each side as far as the larger one's
// reach (3, and 0.01 more) does not come.
const double kCornerStretch = 2 * (3.0 - std::sqrt(3.01 * 3.01 - 9.0));

TEST(RestBoundaries, ABoundaryGivesTheStretchesAtItsCorners) {
  ShellSession session;
  const AcDbObjectId square = AddOutline(session, {{0, 0}, {100, 0}, {100, 100}, {0, 100}});
  AcDbObjectIdArray pieces;
  ASSERT_TRUE(OffsetRestBoundaries(square, pieces, 6.0, 0.0, 1, 1));
  const std::vector<curve::BulgePath> paths = Paths(pieces);
  ASSERT_EQ(paths.size(), 4u);
  for (const curve::BulgePath& path : paths) {
    EXPECT_FALSE(path.closed);
    EXPECT_NEAR(path.length(), kCornerStretch, 1e-3);
  }
}

TEST(RestBoundaries, AnIslandGivesOnlyItsInnerCorner) {
  ShellSession session;
  // An L: its one inner corner at (10, 10) is out of a large tool's reach.
  const AcDbObjectId island = AddOutline(session, {{0, 0}, {0, 30}, {10, 30}, {10, 10}, {30, 10}, {30, 0}});
  AcDbObjectIdArray pieces;
  ASSERT_TRUE(OffsetRestBoundaries(island, pieces, 6.0, 0.0, 0, 1));
  const std::vector<curve::BulgePath> paths = Paths(pieces);
  ASSERT_EQ(paths.size(), 1u);
  EXPECT_NEAR(paths[0].length(), kCornerStretch, 1e-3);
  // A larger allowance left by the reference pass makes the whole outline rest.
  pieces.setLogicalLength(0);
  ASSERT_TRUE(OffsetRestBoundaries(island, pieces, 6.0, 0.5, 0, 1));
  ASSERT_EQ(pieces.length(), 1);
  EXPECT_NEAR(Paths(pieces)[0].length(), 120.0, 0.05);
}

TEST(RestBoundaries, UnreachedRunsWrapPastTheStart) {
  const curve::BulgePath square{{{{0, 0}, 0}, {{10, 0}, 0}, {{10, 10}, 0}, {{0, 10}, 0}}, true};
  // Reached only away from the first corner.
  const auto runs = UnreachedRuns(square, [](const AcGePoint2d& p) { return p.x > 2 || p.y > 2; });
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_NEAR(runs[0].front().point.y, 2.0, 1e-5);
  EXPECT_NEAR(runs[0].back().point.x, 2.0, 1e-5);
  EXPECT_TRUE(UnreachedRuns(square, [](const AcGePoint2d&) { return true; }).empty());
  EXPECT_EQ(UnreachedRuns(square, [](const AcGePoint2d&) { return false; })[0].size(), 5u);
}

}  // namespace
