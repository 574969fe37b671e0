#include "plugin/geometry/polyline/polyline_cleanup.h"

#include <cmath>

#include "platform/cad/db/entities/db_line.h"
#include "plugin/geometry/polyline/polyline_corners.h"
#include "plugin/geometry/polyline/polyline_fixture_test.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

class PolylineCleanup : public PolylineFixture {};

double Rise(double degrees) { return 10.0 * std::tan(degrees * kPi / 180.0); }

TEST_F(PolylineCleanup, CollinearToleranceIsReadInDegrees) {
  const AcDbObjectId kept = addPolyline({{0, 0}, {10, 0}, {20, Rise(0.001)}}, false);
  const AcDbObjectId removed = addPolyline({{0, 0}, {10, 0}, {20, Rise(0.00001)}}, false);
  ASSERT_TRUE(RemoveCollinearVertices(kept, 0.0001));
  ASSERT_TRUE(RemoveCollinearVertices(removed, 0.0001));
  EXPECT_EQ(vertices(kept).size(), 3u);
  EXPECT_EQ(vertices(removed).size(), 2u);
  // Directions just below and just above 0 differ by a tiny turn, not by a full one.
  const AcDbObjectId acrossX = addPolyline({{0, 0}, {10, -1e-9}, {20, 0}}, false);
  ASSERT_TRUE(RemoveCollinearVertices(acrossX, 0.0001));
  EXPECT_EQ(vertices(acrossX).size(), 2u);
}

TEST_F(PolylineCleanup, ClosedOutlineLosesCollinearVerticesAroundTheClosingSegment) {
  const AcDbObjectId atStart = addPolyline({{5, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}, true);
  const AcDbObjectId atEnd = addPolyline({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 5}}, true);
  RemoveCollinearVertices(atStart, 0.0001);
  RemoveCollinearVertices(atEnd, 0.0001);
  EXPECT_EQ(vertices(atStart).size(), 4u);
  EXPECT_EQ(vertices(atStart)[0].point, AcGePoint2d(10, 0));
  EXPECT_EQ(vertices(atEnd).size(), 4u);
}

TEST_F(PolylineCleanup, CloseWithToleranceDropsARepeatedEndAndClosesEitherWay) {
  const AcDbObjectId near = addPolyline({{0, 0}, {10, 0}, {10, 10}, {0.005, 0}}, false);
  const AcDbObjectId apart = addPolyline({{0, 0}, {10, 0}, {10, 10}, {1, 1}}, false);
  ASSERT_TRUE(CloseWithTolerance(near, 0.01));
  ASSERT_TRUE(CloseWithTolerance(apart, 0.01));
  bool closed = false;
  EXPECT_EQ(vertices(near, &closed).size(), 3u);
  EXPECT_TRUE(closed);
  EXPECT_EQ(vertices(apart, &closed).size(), 4u);
  EXPECT_TRUE(closed);
}

TEST_F(PolylineCleanup, DuplicateVertexGivesItsArcToTheVertexKept) {
  const AcDbObjectId id = addPolyline({{0, 0}, {10, 0}, {10.00001, 0, 1.0}, {20, 0}}, false);
  ASSERT_TRUE(RemoveDuplicateVertices(id));
  const auto v = vertices(id);
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(v[1].point, AcGePoint2d(10, 0));
  EXPECT_EQ(v[1].bulge, 1.0);
}

TEST_F(PolylineCleanup, SmallArcBecomesTheCornerOfItsTangents) {
  const double quarter = std::tan(kPi / 8.0);
  const std::vector<V> rounded = {{0, 0}, {9, 0, quarter}, {10, 1}, {10, 10}, {0, 10}};
  const AcDbObjectId sharpened = addPolyline(rounded, true);
  const AcDbObjectId large = addPolyline(rounded, true);
  const AcDbObjectId otherSide = addPolyline(rounded, true);
  ASSERT_TRUE(SharpenSmallArcs(sharpened, 2.0, 1));
  ASSERT_TRUE(SharpenSmallArcs(large, 0.5, 1));
  ASSERT_TRUE(SharpenSmallArcs(otherSide, 2.0, 0));
  const auto v = vertices(sharpened);
  ASSERT_EQ(v.size(), 6u);
  EXPECT_EQ(v[1].bulge, 0.0);
  EXPECT_LT(v[2].point.distanceTo(AcGePoint2d(10, 0)), 1e-9);
  EXPECT_EQ(vertices(large).size(), 5u);
  EXPECT_EQ(vertices(otherSide)[1].bulge, quarter);

  const AcDbObjectId line = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  EXPECT_FALSE(SharpenSmallArcs(line, 2.0, 1));
}

TEST_F(PolylineCleanup, CoCircularArcsMergeIntoOneArcOfTheSameCircle) {
  const double quarter = std::tan(kPi / 8.0);
  const AcDbObjectId id = addPolyline({{10, 0, quarter}, {0, 10, quarter}, {-10, 0}}, false);
  ASSERT_TRUE(MergeCoCircularArcs(id));
  const auto v = vertices(id);
  ASSERT_EQ(v.size(), 2u);
  EXPECT_NEAR(v[0].bulge, 1.0, 1e-12);
  EXPECT_LT(pointAtParam(id, 0.5).distanceTo(AcGePoint3d(0, 10, 0)), 1e-9);
  // Two halves of a circle would make no arc at all.
  const AcDbObjectId circle = addPolyline({{0, 0, 1.0}, {10, 0, 1.0}}, true);
  ASSERT_TRUE(MergeCoCircularArcs(circle));
  EXPECT_EQ(vertices(circle).size(), 2u);
}

TEST_F(PolylineCleanup, NudgeMovesAVertexWhereEdgesRunParallelClose) {
  AcDbPolyline polyline;
  for (const V& v : std::vector<V>{{0, 0}, {10, 0}, {10, -1}, {9.9, -1}, {9.9, 0.1}, {20, 0.1}}) {
    polyline.addVertexAt(polyline.numVerts(), AcGePoint2d(v.x, v.y));
  }
  EXPECT_FALSE(NudgeParallelVertices(&polyline, 0.01));
  ASSERT_TRUE(NudgeParallelVertices(&polyline, 1.0));
  AcGePoint2d moved;
  polyline.getPointAt(1, moved);
  EXPECT_NEAR(moved.x, 10.0, 1e-12);
  EXPECT_NEAR(moved.y, -0.00001, 1e-12);
  EXPECT_EQ(polyline.numVerts(), 6u);
}

}  // namespace
