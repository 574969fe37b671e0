#include "plugin/geometry/solid_cut_cleanup.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "plugin/geometry/passes/pass_slope_split.h"
#include "plugin/geometry/polyline/polyline_fixture_test.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

class SolidCutCleanup : public PolylineFixture {
 protected:
  void expectPoints(AcDbObjectId id, const std::vector<V>& expected) {
    const auto v = vertices(id);
    ASSERT_EQ(v.size(), expected.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
      EXPECT_NEAR(v[i].point.x, expected[i].x, 1e-6) << "vertex " << i;
      EXPECT_NEAR(v[i].point.y, expected[i].y, 1e-6) << "vertex " << i;
    }
  }
  double startX(AcDbObjectId id) { return vertices(id).front().point.x; }
};

TEST_F(SolidCutCleanup, ArcsAreSplitAtTheirQuadrantPointsOnly) {
  const double quarter = std::tan(kPi / 8.0);
  const AcDbObjectId semicircle = addPolyline({{-1, 0, -1.0}, {1, 0}}, false);
  ASSERT_TRUE(SplitArcsAtQuadrants(semicircle));
  const auto v = vertices(semicircle);
  ASSERT_EQ(v.size(), 3u);
  EXPECT_NEAR(v[1].point.x, 0.0, 1e-12);
  EXPECT_NEAR(v[1].point.y, 1.0, 1e-12);
  EXPECT_NEAR(v[0].bulge, -quarter, 1e-12);
  EXPECT_NEAR(v[1].bulge, -quarter, 1e-12);
  EXPECT_EQ(v[2].bulge, 0.0);

  // An arc inside one quadrant, and the closing arc of a closed loop.
  const double eighth = std::tan(kPi / 16.0);
  const AcDbObjectId loop = addPolyline({{1, 0, eighth}, {0, 1, 0}, {0, 0, 0}}, true);
  const AcDbObjectId circle = addPolyline({{1, 0, 1.0}, {-1, 0, 1.0}}, true);
  ASSERT_TRUE(RebuildPassArcs(Ids({loop, circle})));
  EXPECT_EQ(vertices(loop).size(), 3u);
  const auto c = vertices(circle);
  ASSERT_EQ(c.size(), 4u);
  EXPECT_NEAR(c[3].point.y, -1.0, 1e-12);
  EXPECT_NEAR(c[3].bulge, quarter, 1e-12);

  EXPECT_FALSE(SplitArcsAtQuadrants(AcDbObjectId::kNull));
}

TEST_F(SolidCutCleanup, AClockwiseLoopGivesItsUpperSideFromLeftToRight) {
  const AcDbObjectId square = addPolyline({{0, 0}, {0, 10}, {10, 10}, {10, 0}}, true, 3.0);
  AcDbObjectIdArray runs;
  ASSERT_TRUE(SplitPassIntoXRuns(square, runs));
  ASSERT_EQ(runs.length(), 1);
  expectPoints(runs[0], {{0, 10}, {10, 10}, {10, 0}});
  EXPECT_NEAR(pointAtParam(runs[0], 0).z, 3.0, 1e-12);
  bool closed = false;
  EXPECT_EQ(vertices(square, &closed).front().point, AcGePoint2d(0, 10));
  EXPECT_TRUE(closed);

  // A two-vertex run 1e-8 wide counts as a vertical step.
  const AcDbObjectId sliver = addPolyline({{0, 0}, {5, 5}, {1, 5}, {1 + 1e-8, 10}}, true);
  ASSERT_TRUE(SplitPassIntoXRuns(sliver, runs));
  ASSERT_EQ(runs.length(), 1);
  expectPoints(runs[0], {{0, 0}, {5, 5}});
}

TEST_F(SolidCutCleanup, RunsAreOrderedByStartXAndTiesKeepTheirOrder) {
  auto triangleAt = [this](double x, double height) {
    return addPolyline({{x, 0}, {x + 0.5, height}, {x + 1, 0}}, true);
  };
  const AcDbObjectId three = triangleAt(3, 1), one = triangleAt(1, 1), two = triangleAt(2, 1);
  const AcDbObjectId tieFirst = triangleAt(5, 1), tieSecond = triangleAt(5, 2);
  AcDbObjectIdArray runs;
  ASSERT_TRUE(SplitAndSortPasses(Ids({three, tieFirst, one, tieSecond, two}), runs));
  ASSERT_EQ(runs.length(), 5);
  EXPECT_EQ(startX(runs[0]), 1.0);
  EXPECT_EQ(startX(runs[1]), 2.0);
  EXPECT_EQ(startX(runs[2]), 3.0);
  EXPECT_NEAR(vertices(runs[3])[1].point.y, 1.0, 1e-12);
  EXPECT_NEAR(vertices(runs[4])[1].point.y, 2.0, 1e-12);
}

TEST_F(SolidCutCleanup, VerticalEndWallsGoButTwoVerticesStay) {
  const AcDbObjectId pass = addPolyline({{0, -100}, {0, 5}, {10, 5}, {10, -100}}, true);
  ASSERT_TRUE(TrimVerticalEnds(pass));
  bool closed = true;
  vertices(pass, &closed);
  EXPECT_FALSE(closed);
  expectPoints(pass, {{0, 5}, {10, 5}});

  const AcDbObjectId wall = addPolyline({{0, -100}, {0, 5}}, false);
  const AcDbObjectId stairs = addPolyline({{0, -100}, {0, 1}, {0, 2}, {0, 3}}, false);
  ASSERT_TRUE(TrimPassEnds(Ids({wall, stairs})));
  EXPECT_EQ(vertices(wall).size(), 2u);
  EXPECT_EQ(vertices(stairs).size(), 2u);
}

TEST_F(SolidCutCleanup, OverlappingPassesBecomeOneUpperOutline) {
  const AcDbObjectId low = addPolyline({{0, 0}, {0, 5}, {10, 5}, {10, 0}}, true, 2.0);
  const AcDbObjectId high = addPolyline({{5, 0}, {5, 8}, {15, 8}, {15, 0}}, true, 2.0);
  AcDbObjectIdArray ids;
  ids.append(low);
  ids.append(high);
  ASSERT_TRUE(CleanUpCutPasses(ids, kPassFloorY));
  ASSERT_EQ(ids.length(), 1);
  EXPECT_EQ(entitiesInDrawing(), 1);  // loops, floor-closed runs, regions and their edges all gone
  EXPECT_NEAR(pointAtParam(ids[0], 0).z, 2.0, 1e-9);
  AcDbPolyline* erased = nullptr;
  EXPECT_NE(acdbOpenObject(erased, low, AcDb::kForRead), Acad::eOk);

  AcDbObjectIdArray runs;
  ASSERT_TRUE(SplitAndSortPasses(ids, runs));
  ASSERT_EQ(runs.length(), 1);
  ASSERT_TRUE(TrimPassEnds(runs));
  expectPoints(runs[0], {{0, 5}, {5, 5}, {5, 8}, {15, 8}});
}

TEST_F(SolidCutCleanup, ADomeAndASeparateBlockGiveTwoPassesInOrder) {
  const AcDbObjectId block = addPolyline({{20, 0}, {20, 2}, {30, 2}, {30, 0}}, true);
  const AcDbObjectId dome = addPolyline({{-1, 0, -1.0}, {1, 0}}, true);
  AcDbObjectIdArray ids = Ids({block, dome});
  ASSERT_TRUE(RebuildPassArcs(ids));
  ASSERT_TRUE(CleanUpCutPasses(ids, kPassFloorY));
  ASSERT_EQ(ids.length(), 2);
  AcDbObjectIdArray runs;
  ASSERT_TRUE(SplitAndSortPasses(ids, runs));
  ASSERT_EQ(runs.length(), 2);
  ASSERT_TRUE(TrimPassEnds(runs));
  const auto top = vertices(runs[0]);
  ASSERT_GE(top.size(), 2u);
  EXPECT_NEAR(top.front().point.x, -1.0, 1e-6);
  EXPECT_NEAR(top.back().point.x, 1.0, 1e-6);
  // The pass follows the dome, as arcs or as chords tested for 0.01 at their
  // fifths, which lets the middle of a chord stray up to 0.01 / 0.96.
  double highest = 0.0;
  for (std::size_t i = 0; i + 1 < top.size(); ++i) {
    for (int k = 0; k < 4; ++k) {
      const AcGePoint3d p = pointAtParam(runs[0], static_cast<double>(i) + k / 4.0);
      EXPECT_NEAR(std::hypot(p.x, p.y), 1.0, 0.0105) << "at " << i << "+" << k << "/4";
      highest = std::max(highest, p.y);
    }
  }
  EXPECT_NEAR(highest, 1.0, 0.0105);
  expectPoints(runs[1], {{20, 2}, {30, 2}});
}

TEST_F(SolidCutCleanup, OnlyThePartsWithinTheSlopeRangeAreKept) {
  const AcDbObjectId pass = addPolyline({{0, 0}, {10, 0}, {15, 5}, {25, 5}}, false, 1.0);
  AcDbObjectIdArray parts;
  ASSERT_TRUE(SplitPassesAtArcs(Ids({pass}), parts, 0.0, 30.0));
  ASSERT_EQ(parts.length(), 2);
  expectPoints(parts[0], {{0, 0}, {10, 0}});
  expectPoints(parts[1], {{15, 5}, {25, 5}});

  AcDbObjectIdArray untouched;
  untouched.append(pass);
  EXPECT_FALSE(SplitPassesAtArcs(Ids({}), untouched, 0.0, 30.0));
  EXPECT_EQ(untouched.length(), 1);
}

TEST_F(SolidCutCleanup, ArcsAreCutWhereTheirSlopeLeavesTheRangeAndStayOnTheirCircle) {
  // Falling quarter from the top of the unit circle: level at first, vertical at the end.
  const double quarter = std::tan(kPi / 8.0);
  const AcDbObjectId fall = addPolyline({{0, 1, -quarter}, {1, 0}}, false);
  AcDbObjectIdArray parts;
  ASSERT_TRUE(SplitPassesAtArcs(Ids({fall}), parts, 0.0, 30.0));
  ASSERT_EQ(parts.length(), 1);
  const auto v = vertices(parts[0]);
  ASSERT_EQ(v.size(), 2u);
  EXPECT_NEAR(v[1].point.x, std::sin(kPi / 6.0), 1e-9);
  EXPECT_NEAR(v[1].point.y, std::cos(kPi / 6.0), 1e-9);
  EXPECT_NEAR(v[0].bulge, -std::tan(kPi / 24.0), 1e-9);

  // A rising valley (counter-clockwise) kept only where steeper than 60 degrees.
  const AcDbObjectId valley = addPolyline({{0, -1, quarter}, {1, 0}}, false);
  ASSERT_TRUE(SplitPassesAtArcs(Ids({valley}), parts, 60.0, 90.0));
  ASSERT_EQ(parts.length(), 1);
  const auto w = vertices(parts[0]);
  ASSERT_EQ(w.size(), 2u);
  EXPECT_NEAR(w[0].point.x, std::cos(-kPi / 6.0), 1e-9);
  EXPECT_NEAR(w[0].point.y, std::sin(-kPi / 6.0), 1e-9);
  EXPECT_NEAR(w[1].point.y, 0.0, 1e-9);

  // Wholly outside the range: nothing, and no point beyond the arc.
  const AcDbObjectId crown = addPolyline({{0, 1, -std::tan(kPi / 24.0)}, {0.5, std::sqrt(0.75)}}, false);
  EXPECT_FALSE(SplitPassesAtArcs(Ids({crown}), parts, 45.0, 60.0));
  EXPECT_TRUE(parts.isEmpty());
}

}  // namespace
