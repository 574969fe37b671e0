#include <gtest/gtest.h>

#include <cmath>

#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_entity_test_support_test.h"
#include "platform/cad/ge/ge_plane.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(Ellipse, ParametersAnglesAndDistances) {
  // Semi-axes 4 (along Y) and 2.
  AcDbEllipse ellipse(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, AcGeVector3d(0, 4, 0), 0.5, 0.0, kPi);
  EXPECT_FALSE(ellipse.isClosed());
  AcGePoint3d p;
  ASSERT_EQ(ellipse.getPointAtParam(kPi / 2, p), Acad::eOk);
  EXPECT_POINT_NEAR(p, AcGePoint3d(-1, 1, 0), 1e-12);  // minor axis = normal x major
  // The point at 45 degrees from the major axis lies on that ray.
  const double param = ellipse.paramAtAngle(kPi / 4);
  ellipse.getPointAtParam(param, p);
  EXPECT_NEAR(-(p.x - 1), p.y - 1, 1e-12);
  EXPECT_NEAR(ellipse.angleAtParam(param), kPi / 4, 1e-12);
  double back = 0.0;
  ASSERT_EQ(ellipse.getParamAtPoint(p, back), Acad::eOk);
  EXPECT_NEAR(back, param, 1e-12);
  // Distances: half of a Ramanujan-exact-enough perimeter, and a round trip.
  double half = 0.0;
  ellipse.getDistAtParam(kPi, half);
  const double a = 4.0, b = 2.0, h = (a - b) * (a - b) / ((a + b) * (a + b));
  EXPECT_NEAR(half, 0.5 * kPi * (a + b) * (1 + 3 * h / (10 + std::sqrt(4 - 3 * h))), 1e-6);
  double dist = 0.0;
  ellipse.getDistAtParam(1.0, dist);
  double fromDist = 0.0;
  ASSERT_EQ(ellipse.getParamAtDist(dist, fromDist), Acad::eOk);
  EXPECT_NEAR(fromDist, 1.0, 1e-9);
  EXPECT_EQ(ellipse.getParamAtDist(half * 1.1, fromDist), Acad::eInvalidInput);
}

TEST(Ellipse, MirrorRunsTheArcTheOtherWay) {
  AcDbEllipse ellipse(AcGePoint3d(3, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(2, 0, 0), 0.5, 0.3, 2.0);
  AcDbEllipse original(AcGePoint3d(3, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(2, 0, 0), 0.5, 0.3, 2.0);
  const AcGeMatrix3d mirror = AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kYAxis));
  ASSERT_EQ(ellipse.transformBy(mirror), Acad::eOk);
  AcGePoint3d a, b;
  ellipse.getStartPoint(a);
  original.getEndPoint(b);
  EXPECT_POINT_NEAR(a, mirror * b, 1e-12);
  ellipse.getEndPoint(a);
  original.getStartPoint(b);
  EXPECT_POINT_NEAR(a, mirror * b, 1e-12);
  AcGeMatrix3d stretch;
  stretch(0, 0) = 2.0;
  EXPECT_EQ(ellipse.transformBy(stretch), Acad::eCannotScaleNonUniformly);
}

TEST(Ellipse, ExtentsAreaAndFiling) {
  AcDbDatabase db;
  AcDbEllipse ellipse(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, AcGeVector3d(3, 3, 0), 1.0 / 3.0);
  AcDbExtents ext;
  ellipse.getGeomExtents(ext);
  // Rotated 45 degrees: half width sqrt(a^2 cos^2 + b^2 sin^2) with a = 3 sqrt 2, b = sqrt 2.
  EXPECT_NEAR(ext.maxPoint().x, std::sqrt(0.5 * 18 + 0.5 * 2), 1e-12);
  double area = 0.0;
  ellipse.getArea(area);
  EXPECT_NEAR(area, kPi * std::sqrt(18.0) * std::sqrt(2.0), 1e-12);
  for (const auto& copy : {dwgCopy(ellipse), dxfCopy(ellipse, &db)}) {
    EXPECT_EQ(copy->radiusRatio(), 1.0 / 3.0);
    EXPECT_TRUE(copy->isClosed());
    EXPECT_EQ(copy->majorAxis().x, 3.0);
  }
}

}  // namespace
