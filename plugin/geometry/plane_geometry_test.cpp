#include "plugin/geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

void ExpectXyz(const Xyz& got, double x, double y, double z) {
  EXPECT_NEAR(got.x, x, 1e-9);
  EXPECT_NEAR(got.y, y, 1e-9);
  EXPECT_NEAR(got.z, z, 1e-9);
}

TEST(PlaneGeometry, DirectionAnglesStayInZeroToBelow360) {
  EXPECT_EQ(GetDirectionAngle(0.0, -2.0), 180.0);
  EXPECT_EQ(GetDirectionAngle(-1.0, 0.0), 270.0);
  EXPECT_EQ(GetDirectionAngle(0.00005, 0.00005), 0.0);
  EXPECT_NEAR(GetDirectionAngle(1.0, -1.0), 135.0, 1e-12);
  EXPECT_NEAR(GetDirectionAngle(-1.0, -1.0), 225.0, 1e-12);
  // Just below the first axis: the angle would round to 360 itself.
  EXPECT_EQ(GetDirectionAngle(-1e-17, 1.0), 0.0);
  EXPECT_NEAR(GetDirectionAngle(XyzDifference{0.0, 3.0, 0.0, 3.0}), 90.0, 1e-12);
}

TEST(PlaneGeometry, VectorBetweenEqualPointsHasNoDirection) {
  XyzDifference difference{1, 1, 1, 1};
  Xyz unit{7, 7, 7};
  EXPECT_EQ(GetVectorBetweenPoints(AcGePoint3d(1, 2, 3), AcGePoint3d(1, 2, 3), difference, unit), 0);
  EXPECT_EQ(difference.length, 0.0);
  ExpectXyz(unit, 7, 7, 7);
}

TEST(PlaneGeometry, CircleThroughThreePointsAndItsSense) {
  double radius = 0.0;
  int sense = 0;
  Xyz center;
  ASSERT_EQ(CircleThrough3Points({0, 0, 0}, {1, 1, 0}, {2, 0, 0}, 0.001, kPlaneXY, radius, sense, center), 1);
  EXPECT_NEAR(radius, 1.0, 1e-9);
  EXPECT_EQ(sense, kArcSenseClockwise);
  ExpectXyz(center, 1, 0, 0);
  ASSERT_EQ(CircleThrough3Points({2, 0, 0}, {1, 1, 0}, {0, 0, 0}, 0.001, kPlaneXY, radius, sense, center), 1);
  EXPECT_EQ(sense, kArcSenseCounterClockwise);
  // The same circle stood up in the ZX plane (first axis Z) and the YZ plane (first axis Y).
  EXPECT_EQ(CircleThrough3Points({5, 0, 0}, {6, 1, 1}, {5, 2, 2}, 0.001, kPlaneXY, radius, sense, center), 0);
  ASSERT_EQ(CircleThrough3Points({0, 4, 0}, {1, 4, 1}, {0, 4, 2}, 0.001, kPlaneZX, radius, sense, center), 1);
  EXPECT_NEAR(radius, 1.0, 1e-9);
  EXPECT_EQ(sense, kArcSenseClockwise);
  ExpectXyz(center, 0, 4, 1);
  AcGePoint3d at;
  ASSERT_EQ(CircleThrough3Points(AcGePoint3d(3, 0, 0), AcGePoint3d(3, 1, 1), AcGePoint3d(3, 2, 0), 0.001, kPlaneYZ,
                                 radius, sense, at),
            1);
  EXPECT_LT(at.distanceTo(AcGePoint3d(3, 1, 0)), 1e-12);
  EXPECT_EQ(sense, kArcSenseClockwise);
}

TEST(PlaneGeometry, CollinearOrCoincidentPointsHaveNoCircle) {
  double radius = -1.0;
  int sense = -1;
  Xyz center{9, 9, 9};
  EXPECT_EQ(CircleThrough3Points({0, 0, 0}, {1, 1, 0}, {2, 2, 0}, 0.001, kPlaneXY, radius, sense, center), 0);
  EXPECT_EQ(CircleThrough3Points({0, 0, 0}, {0, 0, 0}, {2, 2, 0}, 0.001, kPlaneXY, radius, sense, center), 0);
  EXPECT_EQ(CircleThrough3Points({1, 0, 0}, {0, 1, 0}, {1, 0, 0}, 0.001, kPlaneXY, radius, sense, center), 0);
  EXPECT_EQ(radius, -1.0);
  EXPECT_EQ(sense, -1);
  ExpectXyz(center, 9, 9, 9);
}

TEST(PlaneGeometry, IntersectCirclesTangentCrossingAndApart) {
  Xyz p{9, 9, 9}, q{9, 9, 9};
  Xyz c2{2, 0, 5};
  EXPECT_EQ(IntersectCircles({0, 0, 1}, 1.0, c2, 1.0, p, q), 1);
  EXPECT_EQ(c2.z, 1.0);
  ExpectXyz(p, 1, 0, 1);
  ExpectXyz(q, 1, 0, 1);

  Xyz crossing{0, 2, 0};
  EXPECT_EQ(IntersectCircles({0, 0, 0}, std::sqrt(2.0), crossing, std::sqrt(2.0), p, q), 2);
  ExpectXyz(p, -1, 1, 0);  // left of the way up
  ExpectXyz(q, 1, 1, 0);

  p = q = {9, 9, 9};
  Xyz apart{3, 0, 0}, inside{0.5, 0, 0}, same{0, 0, 0};
  EXPECT_EQ(IntersectCircles({0, 0, 0}, 1.0, apart, 1.0, p, q), 0);
  EXPECT_EQ(IntersectCircles({0, 0, 0}, 3.0, inside, 1.0, p, q), 0);
  EXPECT_EQ(IntersectCircles({0, 0, 0}, 1.0, same, 1.0, p, q), 0);
  ExpectXyz(p, 9, 9, 9);
}

TEST(PlaneGeometry, ArcAnglesBySense) {
  double start = 0, end = 0, sweep = 0, radius = 0, length = 0;
  GetArcAngles(Xyz{1, 0, 0}, Xyz{0, 1, 0}, Xyz{0, 0, 0}, kArcSenseCounterClockwise, kPlaneXY, start, end, sweep, radius,
               length);
  EXPECT_NEAR(sweep, 90.0, 1e-12);
  EXPECT_NEAR(length, kPi / 2, 1e-12);
  GetArcAngles(Xyz{1, 0, 0}, Xyz{0, 1, 0}, Xyz{0, 0, 0}, kArcSenseClockwise, kPlaneXY, start, end, sweep, radius,
               length);
  EXPECT_NEAR(sweep, 270.0, 1e-12);
  EXPECT_NEAR(start - end, 270.0, 1e-12);
  for (const int sense : {kArcSenseCounterClockwise, kArcSenseClockwise}) {
    GetArcAngles(Xyz{0, 3, 0}, Xyz{0, 3, 0}, Xyz{0, 0, 0}, sense, kPlaneXY, start, end, sweep, radius, length);
    EXPECT_EQ(sweep, 360.0);
    EXPECT_NEAR(length, 6 * kPi, 1e-12);
  }
  // ZX plane: angles from +Z towards +X.
  GetArcAngles(AcGePoint3d(0, 7, 2), AcGePoint3d(2, 7, 0), AcGePoint3d(0, 7, 0), kArcSenseCounterClockwise, kPlaneZX,
               start, end, sweep, radius, length);
  EXPECT_NEAR(start, 0.0, 1e-12);
  EXPECT_NEAR(end, 90.0, 1e-12);
  EXPECT_NEAR(radius, 2.0, 1e-12);
}

}  // namespace
