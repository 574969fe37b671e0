#include "plugin/geometry/polyline_measure.h"

#include <cmath>

#include "platform/cad/db/db_line.h"
#include "plugin/geometry/polyline_fixture_test.h"
#include "plugin/geometry/polyline_properties.h"
#include "plugin/shell/configuration_settings.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

class PolylineMeasure : public PolylineFixture {
 protected:
  AcDbObjectId addLine(double x1, double y1, double x2, double y2) {
    return add(new AcDbLine(AcGePoint3d(x1, y1, 0), AcGePoint3d(x2, y2, 0)));
  }
};

TEST_F(PolylineMeasure, PointInsideUnitSquareEvenWhenTheTestRunsThroughACorner) {
  const AcDbObjectId square = addPolyline({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, true);
  EXPECT_TRUE(IsPointInsidePolyline(square, AcGePoint3d(0.5, 0.5, 0)));
  EXPECT_FALSE(IsPointInsidePolyline(square, AcGePoint3d(2, 2, 0)));
}

TEST_F(PolylineMeasure, PointInsideCountsTheRoomBetweenArcsAndChords) {
  const AcDbObjectId bulging = addPolyline({{0, 0}, {10, 0, 1.0}, {10, 10}, {0, 10}}, true);
  const AcDbObjectId hollow = addPolyline({{0, 0}, {10, 0, -1.0}, {10, 10}, {0, 10}}, true);
  EXPECT_TRUE(IsPointInsidePolyline(bulging, AcGePoint3d(14, 5, 0)));
  EXPECT_FALSE(IsPointInsidePolyline(bulging, AcGePoint3d(16, 5, 0)));
  EXPECT_FALSE(IsPointInsidePolyline(hollow, AcGePoint3d(7, 5, 0)));
  EXPECT_TRUE(IsPointInsidePolyline(hollow, AcGePoint3d(3, 5, 0)));
}

TEST_F(PolylineMeasure, PointOnTheChordOfAnArcIsInsideWhereTheArcBulgesOut) {
  const AcDbObjectId circle = addPolyline({{40, 40, -1.0}, {20, 40, -1.0}}, true);
  EXPECT_TRUE(IsPointInsidePolyline(circle, AcGePoint3d(21, 40, 0)));
  EXPECT_TRUE(IsPointInsidePolyline(circle, AcGePoint3d(30, 40, 0)));
  EXPECT_FALSE(IsPointInsidePolyline(circle, AcGePoint3d(19, 40, 0)));
  const AcDbObjectId bulging = addPolyline({{0, 0}, {10, 0, 1.0}, {10, 10}, {0, 10}}, true);
  const AcDbObjectId hollow = addPolyline({{0, 0}, {10, 0, -1.0}, {10, 10}, {0, 10}}, true);
  EXPECT_TRUE(IsPointInsidePolyline(bulging, AcGePoint3d(10, 5, 0)));
  EXPECT_FALSE(IsPointInsidePolyline(hollow, AcGePoint3d(10, 5, 0)));
}

TEST_F(PolylineMeasure, OrientationBySummedTurning) {
  EXPECT_FALSE(IsPolylineClockwise(addPolyline({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true)));
  EXPECT_TRUE(IsPolylineClockwise(addPolyline({{0, 0}, {0, 10}, {10, 10}, {10, 0}}, true)));
  EXPECT_FALSE(IsPolylineClockwise(addPolyline({{0, 0, 1.0}, {10, 0, 1.0}}, true)));
  EXPECT_TRUE(IsPolylineClockwise(addPolyline({{0, 0, -1.0}, {10, 0, -1.0}}, true)));
  // An open chain reads with its chord back to the start.
  EXPECT_TRUE(IsPolylineClockwise(addPolyline({{0, 0}, {0, 10}, {10, 10}, {10, 0}}, false)));
}

TEST_F(PolylineMeasure, LengthAreaAndLargestArea) {
  const AcDbObjectId halfDisc = addPolyline({{0, 0, 1.0}, {10, 0}}, true);
  const AcDbObjectId square = addPolyline({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, true);
  const AcDbObjectId line = addLine(0, 0, 5, 0);
  EXPECT_NEAR(GetPolylineLength(halfDisc), 10.0 + 5.0 * kPi, 1e-9);
  EXPECT_NEAR(GetPolylineLength(square), 4.0, 1e-12);
  EXPECT_NEAR(GetCurveArea(halfDisc), 12.5 * kPi, 1e-9);
  AcDbObjectIdArray ids;
  ids.append(line);
  ids.append(square);
  ids.append(halfDisc);
  EXPECT_EQ(FindLargestAreaCurve(ids), 2);
  EXPECT_EQ(FindLargestAreaCurve(AcDbObjectIdArray()), -1);
}

TEST_F(PolylineMeasure, ChainGapsFollowTheChainWhicheverWayItsCurvesRun) {
  ConfigurationSettings().JoinToler = 0.01;
  AcDbObjectIdArray closing;
  closing.append(addLine(10, 0, 0, 0));  // drawn away from the next curve
  closing.append(addLine(10, 10, 10, 0.005));
  closing.append(addLine(10, 10, 0, 0.002));
  double gap = -1.0;
  EXPECT_TRUE(CheckChainGaps(closing, gap));
  EXPECT_NEAR(gap, 0.005, 1e-12);

  AcDbObjectIdArray open;
  open.append(addLine(0, 0, 10, 0));
  open.append(addLine(10, 0, 10, 10));
  EXPECT_FALSE(CheckChainGaps(open, gap));
  EXPECT_NEAR(gap, std::sqrt(200.0), 1e-9);
}

TEST_F(PolylineMeasure, VertexFeedAndElevation) {
  auto* polyline = new AcDbPolyline();
  polyline->addVertexAt(0, AcGePoint2d(0, 0), 0.0, 0.00012, 0.00012);
  polyline->addVertexAt(1, AcGePoint2d(1, 0), 0.0, 0.0, 0.0);
  int feed = -1;
  EXPECT_TRUE(GetVertexFeed(polyline, 0, feed));
  EXPECT_EQ(feed, 1200);
  EXPECT_FALSE(GetVertexFeed(polyline, 1, feed));
  const AcDbObjectId id = add(polyline);

  AcDbObjectId copy;
  ASSERT_TRUE(ClonePolylineAtElevation(id, copy, -3.0));
  double elevation = 0.0;
  ASSERT_TRUE(GetPolylineElevation(copy, elevation));
  EXPECT_EQ(elevation, -3.0);
}

}  // namespace
