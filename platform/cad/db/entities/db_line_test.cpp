#include <gtest/gtest.h>

#include "platform/cad/db/entities/db_entity_test_support_test.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"

namespace {

TEST(Line, ParameterIsTheDistanceFromTheStart) {
  AcDbLine line(AcGePoint3d(1, 1, 0), AcGePoint3d(4, 5, 0));
  double end = 0.0;
  line.getEndParam(end);
  EXPECT_DOUBLE_EQ(end, 5.0);
  AcGePoint3d p;
  ASSERT_EQ(line.getPointAtParam(2.5, p), Acad::eOk);
  EXPECT_POINT_NEAR(p, AcGePoint3d(2.5, 3, 0), 1e-15);
  double param = 0.0;
  ASSERT_EQ(line.getParamAtPoint(AcGePoint3d(4, 5, 0), param), Acad::eOk);
  EXPECT_DOUBLE_EQ(param, 5.0);
  EXPECT_EQ(line.getParamAtPoint(AcGePoint3d(7, 9, 0), param), Acad::eInvalidInput);  // beyond the end
  EXPECT_EQ(line.getPointAtParam(5.1, p), Acad::eInvalidInput);
  line.getClosestPointTo(AcGePoint3d(7, 9, 1), p);
  EXPECT_POINT_NEAR(p, AcGePoint3d(4, 5, 0), 1e-15);
  line.getClosestPointTo(AcGePoint3d(7, 9, 1), p, true);
  EXPECT_POINT_NEAR(p, AcGePoint3d(7, 9, 0), 1e-12);
}

TEST(Line, FilingKeepsTheFeedInTheThickness) {
  AcDbDatabase db;
  AcDbLine line(AcGePoint3d(0.1, 0.2, 0.3), AcGePoint3d(1.0 / 3.0, 2.0 / 3.0, 1e-300));
  line.setThickness(kThicknessFeed);
  line.setNormal(AcGeVector3d(0, 1, 0));
  for (const auto& copy : {dwgCopy(line), dxfCopy(line, &db)}) {
    EXPECT_EQ(copy->thickness(), kThicknessFeed);
    EXPECT_EQ(copy->endPoint().y, 2.0 / 3.0);
    EXPECT_EQ(copy->endPoint().z, 1e-300);
    EXPECT_EQ(copy->normal().y, 1.0);
  }
  // The feed reads back as the integer when rounded.
  EXPECT_EQ(static_cast<int>(dwgCopy(line)->thickness() * 10000000 + 0.5), 1500);
  const std::vector<DxfItem> items = dxfItemsOf(line, &db);
  const DxfItem* subclass = findItem(items, 100, 1);
  ASSERT_NE(findItem(items, 11), nullptr);
  ASSERT_NE(subclass, nullptr);
  EXPECT_EQ(findItem(items, 39)->reals[0], kThicknessFeed);
  EXPECT_EQ(findItem(items, 210)->reals[1], 1.0);
}

TEST(Line, TransformScalesTheThicknessWithTheNormal) {
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  line.setThickness(2.0);
  ASSERT_EQ(line.transformBy(AcGeMatrix3d::scaling(3.0)), Acad::eOk);
  EXPECT_DOUBLE_EQ(line.thickness(), 6.0);
  EXPECT_POINT_NEAR(line.endPoint(), AcGePoint3d(3, 0, 0), 0.0);
  AcDbExtents ext;
  line.getGeomExtents(ext);
  EXPECT_POINT_NEAR(ext.maxPoint(), AcGePoint3d(3, 0, 6), 0.0);
}

TEST(Point, MarkerValueSurvivesFiling) {
  AcDbDatabase db;
  AcDbPoint point(AcGePoint3d(5, 6, 7));
  point.setThickness(2.5 * 1.000001e-7);
  point.setColorIndex(9);
  point.setVisibility(AcDb::kInvisible);
  point.setEcsRotation(0.5);
  for (const auto& copy : {dwgCopy(point), dxfCopy(point, &db)}) {
    EXPECT_EQ(copy->thickness(), 2.5 * 1.000001e-7);
    EXPECT_EQ(copy->colorIndex(), 9);
    EXPECT_EQ(copy->visibility(), AcDb::kInvisible);
    EXPECT_NEAR(copy->ecsRotation(), 0.5, 1e-15);
    EXPECT_POINT_NEAR(copy->position(), AcGePoint3d(5, 6, 7), 0.0);
  }
}

}  // namespace
