#include "plugin/geometry/distance_queries.h"

#include "platform/cad/db/entities/db_line.h"
#include "plugin/geometry/polyline/polyline_fixture_test.h"
#include "plugin/geometry/polyline/polyline_intersections.h"
#include "plugin/geometry/polyline/polyline_properties.h"

namespace {

class DistanceQueries : public PolylineFixture {
 protected:
  AcDbObjectId square(double x, double y, double size, double elevation = 0.0) {
    return addPolyline({{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}}, true, elevation);
  }
  AcDbObjectId line() { return add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0))); }
};

TEST_F(DistanceQueries, PlanDistancesBetweenOutlinesIgnoreElevation) {
  const AcDbObjectId a = square(0, 0, 10);
  const AcDbObjectId b = square(13, 4, 2, 50.0);
  double d = 0.0;
  ASSERT_TRUE(DistancePolylineToPolyline(a, b, d));
  EXPECT_NEAR(d, 3.0, 1e-9);
  const AcDbObjectId arc = addPolyline({{20, 0, 1.0}, {20, 10, 1.0}}, true);  // circle of radius 5 at (20,5)
  ASSERT_TRUE(DistancePolylineToPolyline(a, arc, d));
  EXPECT_NEAR(d, 5.0, 1e-9);  // the arc bulges towards the square
}

TEST_F(DistanceQueries, OtherKindsAndPolylinesWithoutSegmentsMeasureNothing) {
  const AcDbObjectId a = square(0, 0, 10);
  double d = 0.0;
  EXPECT_FALSE(DistancePolylineToPolyline(a, line(), d));
  EXPECT_FALSE(DistancePointToPolyline(AcGePoint3d(0, 0, 0), line(), d));
  EXPECT_FALSE(DistancePointToPolyline(AcGePoint3d(0, 0, 0), AcDbObjectId(), d));

  const AcDbObjectId lone = addPolyline({{50, 50}}, false);
  ASSERT_TRUE(DistancePolylineToPolyline(a, lone, d));
  EXPECT_EQ(d, kNoPolylineDistance);
  AcDbObjectIdArray list;
  list.append(lone);
  EXPECT_FALSE(MinDistancePolylineToPolylines(a, list, d));  // nothing measured
  list.append(square(20, 0, 1));
  ASSERT_TRUE(MinDistancePolylineToPolylines(a, list, d));
  EXPECT_NEAR(d, 10.0, 1e-9);
  list.append(line());
  EXPECT_FALSE(MinDistancePolylineToPolylines(a, list, d));  // one failed query fails the list
}

TEST_F(DistanceQueries, PointAndMoveToOutlines) {
  const AcDbObjectId a = square(0, 0, 10);
  double d = 0.0;
  ASSERT_TRUE(DistancePointToPolyline(AcGePoint3d(5, 12, -3), a, d));
  EXPECT_NEAR(d, 2.0, 1e-9);
  ASSERT_TRUE(DistanceSegmentToPolyline(AcGePoint3d(-5, 15, 0), AcGePoint3d(15, 15, 0), a, d));
  EXPECT_NEAR(d, 5.0, 1e-9);
  ASSERT_TRUE(DistanceSegmentToPolyline(AcGePoint3d(5, 5, 0), AcGePoint3d(5, 20, 0), a, d));
  EXPECT_NEAR(d, 0.0, 1e-9);  // crosses the edge
  ASSERT_TRUE(DistanceSegmentToPolyline(AcGePoint3d(5, 13, 0), AcGePoint3d(5, 13, 0), a, d));
  EXPECT_NEAR(d, 3.0, 1e-9);  // a move without length is its point
  EXPECT_FALSE(DistanceSegmentToPolyline(AcGePoint3d(), AcGePoint3d(1, 0, 0), line(), d));
}

TEST_F(DistanceQueries, ListQueriesReportWhetherAnythingWasMeasured) {
  double d = 0.0;
  EXPECT_FALSE(MinDistancePointToPolylines(AcGePoint3d(), AcDbObjectIdArray(), d));
  EXPECT_EQ(d, kNoListDistance);
  AcDbObjectIdArray far;
  far.append(line());
  far.append(square(20000, 0, 1));
  // Beyond the sentinel is still a measured distance.
  ASSERT_TRUE(MinDistancePointToPolylines(AcGePoint3d(), far, d));
  EXPECT_NEAR(d, 20000.0, 1e-6);
  ASSERT_TRUE(MinDistanceSegmentToPolylines(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 0.5, 0), far, d));
  EXPECT_NEAR(d, 20000.0, 1e-6);
}

TEST_F(DistanceQueries, NearestPolylineFirstOfEqualsAndClearWhenNoneFound) {
  const AcDbObjectId left = square(-12, -1, 2);  // 10 from the origin
  const AcDbObjectId right = square(10, -1, 2);  // 10 as well
  const AcDbObjectId near = square(0, 4, 2);     // 4
  AcDbObjectIdArray ids;
  ids.append(line());
  ids.append(left);
  ids.append(right);
  AcDbObjectId found;
  double d = 0.0;
  ASSERT_TRUE(FindNearestPolyline(AcGePoint3d(), ids, found, d));
  EXPECT_EQ(found, left);
  EXPECT_NEAR(d, 10.0, 1e-9);
  ids.append(near);
  ASSERT_TRUE(FindNearestPolyline(AcGePoint3d(), ids, found, d));
  EXPECT_EQ(found, near);

  AcDbObjectIdArray none;
  none.append(line());
  EXPECT_FALSE(FindNearestPolyline(AcGePoint3d(), none, found, d));
  EXPECT_TRUE(found.isNull());
  EXPECT_EQ(d, kNoPolylineDistance);
}

TEST_F(DistanceQueries, CrossingsOfMovesAndOutlines) {
  const AcDbObjectId a = square(0, 0, 10, 2.0);
  AcGePoint3dArray points;
  ASSERT_TRUE(IntersectSegmentWithPolyline(AcGePoint2d(-5, 5), AcGePoint2d(15, 5), 2.0, a, points));
  EXPECT_EQ(points.length(), 2);
  points.setLogicalLength(0);
  EXPECT_FALSE(IntersectSegmentWithPolyline(AcGePoint2d(-5, 5), AcGePoint2d(-1, 5), 2.0, a, points));

  const AcDbObjectId b = square(5, 5, 10, 7.0);
  EXPECT_EQ(PolylinesIntersect(AcDbObjectId(), b, points), 0);
  EXPECT_EQ(PolylinesIntersectInPlan(a, b, points), 2);
  double elevation = 0.0;
  ASSERT_TRUE(GetPolylineElevation(b, elevation));
  EXPECT_EQ(elevation, 7.0);
}

}  // namespace
