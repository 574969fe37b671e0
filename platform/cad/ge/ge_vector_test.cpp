#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/cad/ge/ge.h"

namespace {
constexpr double kPi = std::numbers::pi;
}

TEST(GeTolerance, DefaultsAndEqualityWithinTolerance) {
  EXPECT_DOUBLE_EQ(AcGeContext::gTol.equalPoint(), 1e-10);
  EXPECT_DOUBLE_EQ(AcGeContext::gTol.equalVector(), 1e-12);

  EXPECT_TRUE(AcGePoint3d(1, 2, 3) == AcGePoint3d(1 + 5e-11, 2, 3));
  EXPECT_FALSE(AcGePoint3d(1, 2, 3) == AcGePoint3d(1 + 5e-10, 2, 3));
  AcGeTol loose;
  loose.setEqualPoint(1e-3);
  EXPECT_TRUE(AcGePoint2d(0, 0).isEqualTo(AcGePoint2d(0.0005, 0), loose));
  EXPECT_TRUE(AcGeVector3d(0, 0, 1).isEqualTo(AcGeVector3d(0, 0, 1 + 1e-13)));
  EXPECT_FALSE(AcGeVector3d(0, 0, 1).isEqualTo(AcGeVector3d(0, 0, 1 + 1e-11)));
}

TEST(GeVector, AnglesFollowTheirRanges) {
  EXPECT_NEAR(AcGeVector2d(1, 0).angle(), 0.0, 1e-15);
  EXPECT_NEAR(AcGeVector2d(0, -1).angle(), 1.5 * kPi, 1e-15);
  EXPECT_NEAR(AcGeVector2d(1, 0).angleTo(AcGeVector2d(0, -1)), 0.5 * kPi, 1e-15);

  const AcGeVector3d x = AcGeVector3d::kXAxis;
  const AcGeVector3d minusY(0, -1, 0);
  EXPECT_NEAR(x.angleTo(minusY), 0.5 * kPi, 1e-15);
  EXPECT_NEAR(x.angleTo(minusY, AcGeVector3d::kZAxis), 1.5 * kPi, 1e-15);
  EXPECT_NEAR(x.angleTo(minusY, -AcGeVector3d::kZAxis), 0.5 * kPi, 1e-15);
  EXPECT_NEAR(x.angleTo(-x), kPi, 1e-15);
}

TEST(GeVector, ProductsAndRelations) {
  const AcGeVector3d a(1, 2, 3), b(-2, 0.5, 4);
  const AcGeVector3d c = a.crossProduct(b);
  EXPECT_NEAR(c.dotProduct(a), 0.0, 1e-12);
  EXPECT_NEAR(c.dotProduct(b), 0.0, 1e-12);
  EXPECT_TRUE(AcGeVector3d::kXAxis.crossProduct(AcGeVector3d::kYAxis) == AcGeVector3d::kZAxis);
  EXPECT_NEAR(a.normal().length(), 1.0, 1e-15);
  EXPECT_TRUE(a.isParallelTo(a * -3.0));
  EXPECT_FALSE(a.isCodirectionalTo(a * -3.0));
  EXPECT_TRUE(a.isPerpendicularTo(c));
  EXPECT_TRUE(AcGeVector3d().normal().isZeroLength());

  for (const AcGeVector3d& n : {AcGeVector3d(0, 0, 1), AcGeVector3d(0, 0, -1), AcGeVector3d(1, 1, 1)}) {
    EXPECT_TRUE(n.perpVector().isPerpendicularTo(n));
    EXPECT_TRUE(n.perpVector().isUnitLength());
  }
}

TEST(GePoint, DistanceAndPlaneCoordinates) {
  EXPECT_DOUBLE_EQ(AcGePoint3d(1, 1, 1).distanceTo(AcGePoint3d(4, 5, 1)), 5.0);
  const AcGePlane plane(AcGePoint3d(0, 0, 5), AcGeVector3d(0, 1, 0), AcGeVector3d(0, 0, 1));
  const AcGePoint3d p(3, 2, 7);
  const AcGePoint2d uv = p.convert2d(plane);
  EXPECT_NEAR(uv.x, 2.0, 1e-12);
  EXPECT_NEAR(uv.y, 2.0, 1e-12);
  EXPECT_TRUE(AcGePoint3d(plane, uv) == AcGePoint3d(0, 2, 7));
  EXPECT_TRUE(p.orthoProject(plane) == AcGePoint3d(0, 2, 7));
}

TEST(GeArrays, GrowableArrayOperations) {
  AcGePoint3dArray pts;
  EXPECT_TRUE(pts.isEmpty());
  EXPECT_EQ(pts.append(AcGePoint3d(1, 0, 0)), 0);
  pts.append(AcGePoint3d(2, 0, 0));
  pts.insertAt(0, AcGePoint3d(0, 0, 0));
  ASSERT_EQ(pts.length(), 3);
  EXPECT_TRUE(pts.first() == AcGePoint3d(0, 0, 0));
  EXPECT_TRUE(pts.last() == AcGePoint3d(2, 0, 0));

  int at = -1;
  EXPECT_TRUE(pts.find(AcGePoint3d(1, 1e-12, 0), at));
  EXPECT_EQ(at, 1);
  EXPECT_FALSE(pts.find(AcGePoint3d(9, 0, 0), at));

  pts.reverse();
  EXPECT_TRUE(pts[0] == AcGePoint3d(2, 0, 0));
  pts.removeAt(0);
  pts.setAt(0, AcGePoint3d(5, 5, 5));
  EXPECT_TRUE(pts.at(0) == AcGePoint3d(5, 5, 5));
  pts.setLogicalLength(1);
  EXPECT_EQ(pts.length(), 1);

  // Indexes outside the array touch nothing.
  pts.removeAt(7);
  pts.setAt(-1, AcGePoint3d(9, 9, 9));
  pts.insertAt(5, AcGePoint3d(9, 9, 9));
  EXPECT_EQ(pts.length(), 1);
  EXPECT_TRUE(pts[12] == AcGePoint3d::kOrigin);

  AcGeDoubleArray values;
  values.append(1.5);
  values.append(2.5);
  EXPECT_TRUE(values.contains(2.5));
  values.removeFirst();
  EXPECT_DOUBLE_EQ(values.first(), 2.5);
}
