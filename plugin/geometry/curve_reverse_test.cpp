#include "plugin/geometry/curve_reverse.h"

#include <gtest/gtest.h>

#include "platform/cad/db/db.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_polyline.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

class CurveReverse : public ::testing::Test {
 protected:
  AcDbObjectId add(AcDbEntity* entity) {
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(acdbOpenObject(space, db_.currentSpaceId(), AcDb::kForWrite), Acad::eOk);
    AcDbObjectId id;
    EXPECT_EQ(space->appendAcDbEntity(id, entity), Acad::eOk);
    entity->close();
    space->close();
    return id;
  }
  AcDbDatabase db_;
};

TEST_F(CurveReverse, ArcRunsBackOverTheSamePointsAboutTheFlippedNormal) {
  const AcDbObjectId id = add(new AcDbArc(AcGePoint3d(1, 1, 0), 2.0, 0.0, kPi / 2));
  ASSERT_TRUE(ReverseCurve(id));
  AcDbArc* arc = nullptr;
  ASSERT_EQ(acdbOpenObject(arc, id, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(arc->normal(), AcGeVector3d(0, 0, -1));
  EXPECT_NEAR(arc->startAngle(), kPi / 2, 1e-12);
  EXPECT_NEAR(arc->endAngle(), kPi, 1e-12);
  AcGePoint3d start, end;
  arc->getStartPoint(start);
  arc->getEndPoint(end);
  arc->close();
  EXPECT_LT(start.distanceTo(AcGePoint3d(1, 3, 0)), 1e-9);
  EXPECT_LT(end.distanceTo(AcGePoint3d(3, 1, 0)), 1e-9);
}

TEST_F(CurveReverse, ClosedPolylineStaysClosedWithItsClosingArc) {
  auto* closed = new AcDbPolyline();
  closed->addVertexAt(0, AcGePoint2d(0, 0), 0.0);
  closed->addVertexAt(1, AcGePoint2d(10, 0), 0.0);
  closed->addVertexAt(2, AcGePoint2d(10, 10), 0.5);  // the closing segment bulges
  closed->setClosed(true);
  const AcDbObjectId id = add(closed);
  ASSERT_TRUE(ReversePolyline(id));
  AcDbPolyline* reversed = nullptr;
  ASSERT_EQ(acdbOpenObject(reversed, id, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(reversed->isClosed());
  ASSERT_EQ(reversed->numVerts(), 3u);
  AcGePoint2d point;
  double bulge = 0.0;
  reversed->getPointAt(0, point);
  reversed->getBulgeAt(0, bulge);
  EXPECT_EQ(point, AcGePoint2d(0, 0));
  EXPECT_EQ(bulge, -0.5);  // first segment now runs the old closing arc backwards
  reversed->getPointAt(1, point);
  EXPECT_EQ(point, AcGePoint2d(10, 10));
  reversed->getBulgeAt(1, bulge);
  EXPECT_EQ(bulge, 0.0);
  reversed->close();
}

}  // namespace
