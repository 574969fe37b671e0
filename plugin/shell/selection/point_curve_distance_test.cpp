#include "plugin/shell/selection/point_curve_distance.h"

#include <gtest/gtest.h>

#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/shell/shell_session_test.h"

namespace {

TEST(PointCurveDistance, LinesCountAsUnboundedAndTheLeastOfTheListWins) {
  ShellSession session;
  AcDbObjectIdArray ids;
  ids.append(session.add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0))));
  // Beyond the segment's end, but 2 from the line through it.
  EXPECT_DOUBLE_EQ(DistancePointToCurve(ids, AcGePoint3d(5, 2, 0)), 2.0);

  auto* square = new AcDbPolyline();
  square->addVertexAt(0, AcGePoint2d(4, 1));
  square->addVertexAt(1, AcGePoint2d(6, 1));
  square->addVertexAt(2, AcGePoint2d(6, 3), 1.0);
  square->addVertexAt(3, AcGePoint2d(4, 3));
  square->setClosed(true);
  square->setElevation(7.0);  // outlines are measured in plan
  ids.append(session.add(square));
  EXPECT_NEAR(DistancePointToCurve(ids, AcGePoint3d(5, 1.5, 0)), 0.5, 1e-12);
  EXPECT_NEAR(DistancePointToCurve(ids, AcGePoint3d(9, 2, 0)), 2.0, 1e-12);  // off the arc side
}

TEST(PointCurveDistance, NothingMeasurableGivesTheSentinel) {
  ShellSession session;
  AcDbObjectIdArray ids;
  ids.append(session.add(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0)));
  ids.append(AcDbObjectId::kNull);
  EXPECT_EQ(DistancePointToCurve(ids, AcGePoint3d(5, 5, 0)), kNoCurveDistance);
  EXPECT_EQ(DistancePointToCurve(AcDbObjectIdArray(), AcGePoint3d(5, 5, 0)), kNoCurveDistance);
  // A line without length is its point.
  ids.append(session.add(new AcDbLine(AcGePoint3d(1, 1, 0), AcGePoint3d(1, 1, 0))));
  EXPECT_DOUBLE_EQ(DistancePointToCurve(ids, AcGePoint3d(4, 5, 0)), 5.0);
}

}  // namespace
