#include <gtest/gtest.h>

#include "platform/cad/db/entities/db_entity_test_support_test.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/ge/ge_plane.h"

namespace {

AcGePoint3dArray fitPoints() {
  AcGePoint3dArray points;
  points.append(AcGePoint3d(0, 0, 0));
  points.append(AcGePoint3d(1, 2, 0));
  points.append(AcGePoint3d(3, 1, 0));
  points.append(AcGePoint3d(4, 3, 0));
  return points;
}

TEST(Spline, FitSplinePassesThroughItsPointsAndRoundTrips) {
  AcDbSpline spline(fitPoints());
  ASSERT_FALSE(spline.isNull());
  EXPECT_TRUE(spline.hasFitData());
  double end = 0.0;
  ASSERT_EQ(spline.getEndParam(end), Acad::eOk);
  for (const AcGePoint3d& p : fitPoints()) {
    AcGePoint3d near;
    spline.getClosestPointTo(p, near);
    EXPECT_POINT_NEAR(near, p, 1e-8);
    double param = 0.0;
    ASSERT_EQ(spline.getParamAtPoint(p, param), Acad::eOk);
    double dist = 0.0;
    ASSERT_EQ(spline.getDistAtParam(param, dist), Acad::eOk);
    double back = 0.0;
    ASSERT_EQ(spline.getParamAtDist(dist, back), Acad::eOk);
    EXPECT_NEAR(back, param, 1e-6);
  }
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  spline.getPlane(plane, planarity);
  EXPECT_EQ(planarity, AcDb::kPlanar);
}

TEST(Spline, NurbsDataFilesExactly) {
  AcDbDatabase db;
  AcGePoint3dArray cps;
  cps.append(AcGePoint3d(0, 0, 0));
  cps.append(AcGePoint3d(1, 1, 0.5));
  cps.append(AcGePoint3d(2, -1, 1.0 / 3.0));
  cps.append(AcGePoint3d(3, 0, 0));
  AcGeDoubleArray knots;
  for (double k : {0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0}) knots.append(k);
  AcGeDoubleArray weights;
  for (double w : {1.0, 0.7, 1.3, 1.0}) weights.append(w);
  AcDbSpline spline(3, true, false, false, cps, knots, weights);
  ASSERT_FALSE(spline.isNull());
  EXPECT_TRUE(spline.isRational());
  for (const auto& copy : {dwgCopy(spline), dxfCopy(spline, &db)}) {
    ASSERT_EQ(copy->numControlPoints(), 4);
    AcGePoint3d p;
    copy->getControlPointAt(2, p);
    EXPECT_EQ(p.z, 1.0 / 3.0);
    EXPECT_EQ(copy->weightAt(1), 0.7);
    EXPECT_EQ(copy->degree(), 3);
  }
  // Counts that do not make a spline are refused.
  knots.removeLast();
  AcDbSpline bad;
  EXPECT_EQ(bad.setNurbsData(3, false, false, false, cps, knots, AcGeDoubleArray()), Acad::eInvalidInput);
  EXPECT_TRUE(bad.isNull());
}

TEST(Spline, AffineTransformsMoveControlAndFitPoints) {
  AcDbSpline spline(fitPoints());
  AcGeMatrix3d stretch;
  stretch(0, 0) = 2.0;
  ASSERT_EQ(spline.transformBy(stretch), Acad::eOk);
  AcGePoint3d fit;
  spline.getFitPointAt(3, fit);
  EXPECT_POINT_NEAR(fit, AcGePoint3d(8, 3, 0), 0.0);
  AcGePoint3d end;
  spline.getEndPoint(end);
  EXPECT_POINT_NEAR(end, AcGePoint3d(8, 3, 0), 1e-9);
}

}  // namespace
