#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/cad/ge/ge.h"

namespace {

constexpr double kPi = std::numbers::pi;

void expectNear(const AcGePoint2d& a, const AcGePoint2d& b, double tol = 1e-12) {
  EXPECT_NEAR(a.x, b.x, tol);
  EXPECT_NEAR(a.y, b.y, tol);
}

void expectNear(const AcGePoint3d& a, const AcGePoint3d& b, double tol = 1e-12) {
  EXPECT_NEAR(a.x, b.x, tol);
  EXPECT_NEAR(a.y, b.y, tol);
  EXPECT_NEAR(a.z, b.z, tol);
}

// The polyline bulge a caller derives from an arc's angles and sense.
double bulgeFromAngles(const AcGeCircArc2d& arc) {
  double q;
  if (arc.isClockWise()) {
    q = (arc.startAng() - arc.endAng()) / 4;
    if (q > 0) q -= 2 * kPi / 4;
  } else {
    q = (arc.endAng() - arc.startAng()) / 4;
    if (q < 0) q += 2 * kPi / 4;
  }
  return std::tan(q);
}

AcGePoint2d midOf(const AcGeCircArc2d& arc) { return arc.evalPoint((arc.startAng() + arc.endAng()) / 2); }

}  // namespace

TEST(GeCircArc2d, ThreePointsCounterClockwiseAndClockwise) {
  const AcGeCircArc2d ccw(AcGePoint2d(1, 0), AcGePoint2d(0, 1), AcGePoint2d(-1, 0));
  expectNear(ccw.center(), AcGePoint2d(0, 0));
  EXPECT_NEAR(ccw.radius(), 1.0, 1e-12);
  EXPECT_FALSE(ccw.isClockWise());
  EXPECT_NEAR(ccw.startAng(), 0.0, 1e-12);
  EXPECT_NEAR(ccw.endAng(), kPi, 1e-12);
  expectNear(midOf(ccw), AcGePoint2d(0, 1));

  // Clockwise: angles run clockwise from the reference vector, so endAng - startAng is the sweep.
  const AcGeCircArc2d cw(AcGePoint2d(-1, 0), AcGePoint2d(0, 1), AcGePoint2d(1, 0));
  EXPECT_TRUE(cw.isClockWise());
  EXPECT_NEAR(cw.startAng(), kPi, 1e-12);
  EXPECT_NEAR(cw.endAng(), 2 * kPi, 1e-12);
  expectNear(cw.startPoint(), AcGePoint2d(-1, 0));
  expectNear(cw.endPoint(), AcGePoint2d(1, 0));
  expectNear(midOf(cw), AcGePoint2d(0, 1));
  EXPECT_NEAR(bulgeFromAngles(cw), -1.0, 1e-12);
  EXPECT_NEAR(bulgeFromAngles(ccw), 1.0, 1e-12);

  // A clockwise three-quarter arc keeps its sweep.
  const double s = std::sqrt(0.5);
  const AcGeCircArc2d big(AcGePoint2d(0, 1), AcGePoint2d(s, -s), AcGePoint2d(-1, 0));
  EXPECT_TRUE(big.isClockWise());
  EXPECT_NEAR(big.endAng() - big.startAng(), 1.5 * kPi, 1e-12);
  EXPECT_NEAR(big.length(), 1.5 * kPi, 1e-12);

  AcGe::ErrorCondition error;
  AcGeCircArc2d collinear;
  collinear.set(AcGePoint2d(0, 0), AcGePoint2d(1, 1), AcGePoint2d(2, 2), error);
  EXPECT_EQ(error, AcGe::kLinearlyDependentArg1Arg2Arg3);
}

TEST(GeCircArc2d, BulgeArcsBothSigns) {
  const AcGeCircArc2d left(AcGePoint2d(0, 0), AcGePoint2d(2, 0), 1.0);
  EXPECT_FALSE(left.isClockWise());
  expectNear(left.center(), AcGePoint2d(1, 0));
  expectNear(midOf(left), AcGePoint2d(1, -1));

  const AcGeCircArc2d right(AcGePoint2d(0, 0), AcGePoint2d(2, 0), -1.0);
  EXPECT_TRUE(right.isClockWise());
  expectNear(midOf(right), AcGePoint2d(1, 1));
  expectNear(right.startPoint(), AcGePoint2d(0, 0));
  expectNear(right.endPoint(), AcGePoint2d(2, 0));

  const double quarter = std::tan(kPi / 8);
  const AcGeCircArc2d cw(AcGePoint2d(0, 1), AcGePoint2d(1, 0), -quarter);
  expectNear(cw.center(), AcGePoint2d(0, 0));
  EXPECT_NEAR(cw.radius(), 1.0, 1e-12);
  expectNear(midOf(cw), AcGePoint2d(std::sqrt(0.5), std::sqrt(0.5)));

  // Height over the chord instead of the bulge factor.
  const AcGeCircArc2d byHeight(AcGePoint2d(0, 0), AcGePoint2d(2, 0), -1.0, false);
  expectNear(midOf(byHeight), AcGePoint2d(1, 1));

  for (double b : {0.2, -0.2, 1.0, -1.0, 2.5, -2.5, -0.0001}) {
    const AcGeCircArc2d arc(AcGePoint2d(3, 1), AcGePoint2d(-1, 4), b);
    expectNear(arc.startPoint(), AcGePoint2d(3, 1), 1e-9);
    expectNear(arc.endPoint(), AcGePoint2d(-1, 4), 1e-9);
    EXPECT_NEAR(bulgeFromAngles(arc), b, 1e-9) << "bulge " << b;
  }
}

TEST(GeCircArc2d, AnglesFromReferenceVectorInArcDirection) {
  const AcGeCircArc2d cw(AcGePoint2d(0, 0), 2.0, 0.0, kPi / 2, AcGeVector2d::kXAxis, true);
  expectNear(cw.startPoint(), AcGePoint2d(2, 0));
  expectNear(cw.endPoint(), AcGePoint2d(0, -2));
  const AcGeCircArc2d ccw(AcGePoint2d(0, 0), 2.0, 0.0, kPi / 2, AcGeVector2d(0, 1));
  expectNear(ccw.startPoint(), AcGePoint2d(0, 2));
  expectNear(ccw.endPoint(), AcGePoint2d(-2, 0));

  AcGeCircArc2d arc(AcGePoint2d(0, 0), 1.0);
  arc.setAngles(1.5 * kPi, 0.5 * kPi);
  EXPECT_NEAR(arc.endAng() - arc.startAng(), kPi, 1e-12);
  expectNear(midOf(arc), AcGePoint2d(1, 0));
}

TEST(GeCircArc2d, ReverseClosestPointAndMirror) {
  AcGeCircArc2d arc(AcGePoint2d(0, 1), AcGePoint2d(1, 0), -std::tan(kPi / 8));
  const AcGePoint2d start = arc.startPoint(), end = arc.endPoint(), mid = midOf(arc);
  arc.reverseParam();
  EXPECT_FALSE(arc.isClockWise());
  expectNear(arc.startPoint(), end);
  expectNear(arc.endPoint(), start);
  expectNear(midOf(arc), mid);

  expectNear(arc.closestPointTo(AcGePoint2d(3, 3)), AcGePoint2d(std::sqrt(0.5), std::sqrt(0.5)));
  expectNear(arc.closestPointTo(AcGePoint2d(-1, -5)), AcGePoint2d(1, 0));
  EXPECT_NEAR(arc.distanceTo(AcGePoint2d(0, 0)), 1.0, 1e-12);
  EXPECT_TRUE(arc.isOn(AcGePoint2d(std::sqrt(0.5), std::sqrt(0.5))));
  EXPECT_FALSE(arc.isOn(AcGePoint2d(-1, 0)));

  AcGeCircArc2d mirrored(arc);
  mirrored.mirror(AcGeLine2d(AcGePoint2d(0, 0), AcGeVector2d(0, 1)));
  EXPECT_TRUE(mirrored.isClockWise());
  expectNear(mirrored.startPoint(), AcGePoint2d(-1, 0));
  expectNear(midOf(mirrored), AcGePoint2d(-std::sqrt(0.5), std::sqrt(0.5)));
}

TEST(GeCircArc2d, IntersectWithLinesAndArcs) {
  const AcGeCircArc2d upper(AcGePoint2d(0, 0), 1.0, 0.0, kPi);
  int n = 0;
  AcGePoint2d p1, p2;
  EXPECT_TRUE(upper.intersectWith(AcGeLineSeg2d(AcGePoint2d(-2, 0.5), AcGePoint2d(2, 0.5)), n, p1, p2));
  EXPECT_EQ(n, 2);
  expectNear(p1, AcGePoint2d(-std::sqrt(0.75), 0.5));
  expectNear(p2, AcGePoint2d(std::sqrt(0.75), 0.5));

  EXPECT_TRUE(upper.intersectWith(AcGeLineSeg2d(AcGePoint2d(0, 0.5), AcGePoint2d(2, 0.5)), n, p1, p2));
  EXPECT_EQ(n, 1);
  EXPECT_FALSE(upper.intersectWith(AcGeLineSeg2d(AcGePoint2d(-2, -0.5), AcGePoint2d(2, -0.5)), n, p1, p2));
  EXPECT_EQ(n, 0);
  EXPECT_TRUE(upper.intersectWith(AcGeLine2d(AcGePoint2d(5, 1), AcGeVector2d(1, 0)), n, p1, p2));
  EXPECT_EQ(n, 1);
  expectNear(p1, AcGePoint2d(0, 1));

  const AcGeCircArc2d other(AcGePoint2d(1, 0), 1.0);
  EXPECT_TRUE(AcGeCircArc2d(AcGePoint2d(0, 0), 1.0).intersectWith(other, n, p1, p2));
  EXPECT_EQ(n, 2);
  EXPECT_TRUE(upper.intersectWith(other, n, p1, p2));
  EXPECT_EQ(n, 1);
  expectNear(p1, AcGePoint2d(0.5, std::sqrt(0.75)));
  EXPECT_FALSE(upper.intersectWith(AcGeCircArc2d(AcGePoint2d(5, 0), 1.0), n, p1, p2));
  // Touching circles meet once.
  EXPECT_TRUE(upper.intersectWith(AcGeCircArc2d(AcGePoint2d(0, 2), 1.0), n, p1, p2));
  EXPECT_EQ(n, 1);
  expectNear(p1, AcGePoint2d(0, 1));
}

TEST(GeCircArc3d, ArcReversalThroughMinusZNormalKeepsTheGeometry) {
  const AcGeVector3d down(0, 0, -1);
  const AcGePoint3d ecsCentre(2, 1, 3);
  const double r = 1.5, a0 = 0.3, a1 = 2.2;

  // An arc held in the coordinate system of normal -Z, as an entity stores it ...
  const AcGeCircArc3d inEcs(ecsCentre, AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, r, a0, a1);
  // ... and the same definition put straight into the world with the -Z normal.
  const AcGeCircArc3d world(acgeEcsPointToWorld(ecsCentre, down), down, acgeEcsXAxis(down), r, a0, a1);
  for (int i = 0; i <= 8; ++i) {
    const double t = a0 + (a1 - a0) * i / 8;
    const AcGePoint3d fromEcs = acgeEcsPointToWorld(inEcs.evalPoint(t), down);
    expectNear(world.evalPoint(t), fromEcs);
    // The -Z system mirrors X (and Z): the world point is the ECS point with x and z negated.
    const AcGePoint3d p = inEcs.evalPoint(t);
    expectNear(fromEcs, AcGePoint3d(-p.x, p.y, -p.z));
  }

  // Reversing a +Z arc from 0 to 90 degrees gives a -Z arc from 90 to 180 degrees in its own
  // system (angles 3pi - end, 3pi - start): the same points run the other way.
  const AcGeCircArc3d up(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 2.0, 0.0, kPi / 2);
  const AcGeCircArc3d reversed(AcGePoint3d(1, 1, 0), down, acgeEcsXAxis(down), 2.0, 3 * kPi - kPi / 2, 3 * kPi);
  expectNear(reversed.startPoint(), up.endPoint());
  expectNear(reversed.endPoint(), up.startPoint());
  expectNear(reversed.evalPoint((reversed.startAng() + reversed.endAng()) / 2), up.evalPoint(kPi / 4));

  AcGeCircArc3d flipped(up);
  flipped.reverseParam();
  EXPECT_TRUE(flipped.normal() == down);
  expectNear(flipped.startPoint(), up.endPoint());
  expectNear(flipped.endPoint(), up.startPoint());
  expectNear(flipped.evalPoint((flipped.startAng() + flipped.endAng()) / 2), up.evalPoint(kPi / 4));
}

TEST(GeCircArc3d, ThreePointsInSpaceAndTransform) {
  const AcGeMatrix3d tilt =
      AcGeMatrix3d::rotation(0.8, AcGeVector3d(1, 1, 0)) * AcGeMatrix3d::translation(AcGeVector3d(0, 0, 4));
  const AcGePoint3d a = tilt * AcGePoint3d(1, 0, 0), b = tilt * AcGePoint3d(0, -1, 0), c = tilt * AcGePoint3d(-1, 0, 0);
  const AcGeCircArc3d arc(a, b, c);
  expectNear(arc.center(), tilt * AcGePoint3d(0, 0, 0));
  EXPECT_NEAR(arc.radius(), 1.0, 1e-12);
  EXPECT_TRUE(arc.normal().isEqualTo(tilt * AcGeVector3d(0, 0, -1), AcGeTol()));
  expectNear(arc.startPoint(), a);
  expectNear(arc.endPoint(), c);
  EXPECT_TRUE(arc.isOn(b));
  EXPECT_NEAR(arc.length(), kPi, 1e-12);

  AcGeCircArc3d moved(arc);
  moved.transformBy(AcGeMatrix3d::mirroring(AcGePlane::kXYPlane));
  const AcGeMatrix3d mirror = AcGeMatrix3d::mirroring(AcGePlane::kXYPlane);
  expectNear(moved.startPoint(), mirror * a);
  expectNear(moved.endPoint(), mirror * c);
  EXPECT_TRUE(moved.isOn(mirror * b));

  int n = 0;
  AcGePoint3d p1, p2;
  const AcGeCircArc3d flat(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0);
  EXPECT_TRUE(flat.intersectWith(AcGeLine3d(AcGePoint3d(1, 0, -5), AcGeVector3d(0, 0, 1)), n, p1, p2));
  EXPECT_EQ(n, 1);
  expectNear(p1, AcGePoint3d(1, 0, 0));
  EXPECT_TRUE(flat.intersectWith(AcGeLineSeg3d(AcGePoint3d(-3, 0, 0), AcGePoint3d(3, 0, 0)), n, p1, p2));
  EXPECT_EQ(n, 2);
}
