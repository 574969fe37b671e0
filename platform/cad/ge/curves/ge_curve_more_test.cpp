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

}  // namespace

TEST(GeCircArc2d, ComplementScaleAndFullCircle) {
  AcGeCircArc2d arc(AcGePoint2d(1, 1), 2.0, 0.0, kPi / 2);
  arc.setToComplement();
  EXPECT_NEAR(arc.endAng() - arc.startAng(), 1.5 * kPi, 1e-12);
  expectNear(arc.startPoint(), AcGePoint2d(1, 3));
  expectNear(arc.endPoint(), AcGePoint2d(3, 1));

  arc.scaleBy(0.5, AcGePoint2d(1, 1));
  EXPECT_NEAR(arc.radius(), 1.0, 1e-12);
  expectNear(arc.startPoint(), AcGePoint2d(1, 2));

  const AcGeCircArc2d circle(AcGePoint2d(0, 0), 3.0);
  double period = 0.0;
  EXPECT_TRUE(circle.isPeriodic(period));
  EXPECT_NEAR(period, 2 * kPi, 1e-15);
  EXPECT_TRUE(circle.isClosed());
  EXPECT_NEAR(circle.length(), 6 * kPi, 1e-12);
  EXPECT_TRUE(circle.isInside(AcGePoint2d(1, 1)));
  EXPECT_FALSE(circle.isInside(AcGePoint2d(3, 0)));

  AcGeLine2d tangent;
  EXPECT_TRUE(circle.tangent(AcGePoint2d(0, 3), tangent));
  EXPECT_TRUE(tangent.direction().isParallelTo(AcGeVector2d(1, 0)));
  EXPECT_FALSE(circle.tangent(AcGePoint2d(0, 2), tangent));

  // A closed three-point arc is the circle on the diameter.
  const AcGeCircArc2d closed(AcGePoint2d(0, 0), AcGePoint2d(2, 0), AcGePoint2d(0, 0));
  expectNear(closed.center(), AcGePoint2d(1, 0));
  EXPECT_NEAR(closed.endAng() - closed.startAng(), 2 * kPi, 1e-12);
}

TEST(GeCurve2d, LengthParametersAndSamples) {
  const AcGeCircArc2d arc(AcGePoint2d(0, 0), 2.0, 0.0, kPi);
  const double p = arc.paramAtLength(0.0, kPi);
  EXPECT_NEAR(p, kPi / 2, 1e-9);
  EXPECT_NEAR(arc.length(0.0, kPi / 2), kPi, 1e-12);

  AcGePoint2dArray samples;
  arc.getSamplePoints(5, samples);
  ASSERT_EQ(samples.length(), 5);
  expectNear(samples[2], AcGePoint2d(0, 2));
  expectNear(samples.last(), AcGePoint2d(-2, 0));

  double param = -1.0;
  EXPECT_TRUE(arc.isOn(AcGePoint2d(0, 2), param));
  EXPECT_NEAR(param, kPi / 2, 1e-12);
  EXPECT_FALSE(arc.isOn(AcGePoint2d(0, -2), param));

  // A 2D spline exercises the numerical fall-backs of the base class.
  AcGePoint2dArray fit;
  fit.append(AcGePoint2d(0, 0));
  fit.append(AcGePoint2d(1, 1));
  fit.append(AcGePoint2d(2, 0));
  fit.append(AcGePoint2d(3, 1));
  const AcGeNurbCurve2d spline(fit);
  ASSERT_TRUE(spline.isValid());
  for (const auto& pt : fit) EXPECT_NEAR(spline.distanceTo(pt), 0.0, 1e-9);
  const AcGePoint2d off(1.5, 3.0);
  const AcGePoint2d near = spline.closestPointTo(off);
  AcGePoint2dArray dense;
  spline.getSamplePoints(2001, dense);
  for (const auto& pt : dense) EXPECT_LE(off.distanceTo(near), off.distanceTo(pt) + 1e-9);
  double chords = 0.0;
  for (int i = 1; i < dense.length(); ++i) chords += dense[i - 1].distanceTo(dense[i]);
  EXPECT_NEAR(spline.length(), chords, 1e-5);
}

TEST(GeCompositeCurve3d, MixedPieces) {
  AcGeVoidPointerArray pieces;
  pieces.append(new AcGeLineSeg3d(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  pieces.append(new AcGeCircArc3d(AcGePoint3d(1, 0, 0), AcGePoint3d(2, 1, 0), AcGePoint3d(1, 2, 0)));
  AcGeCompositeCurve3d composite(pieces);
  EXPECT_NEAR(composite.length(), 1.0 + kPi, 1e-12);
  expectNear(composite.closestPointTo(AcGePoint3d(5, 1, 7)), AcGePoint3d(2, 1, 0));
  composite.reverseParam();
  AcGePoint3d start;
  composite.hasStartPoint(start);
  expectNear(start, AcGePoint3d(1, 2, 0));
  composite.transformBy(AcGeMatrix3d::translation(AcGeVector3d(0, 0, 3)));
  AcGePoint3d end;
  composite.hasEndPoint(end);
  expectNear(end, AcGePoint3d(0, 0, 3));
}

TEST(GeVector3d, RotateToAndMirror) {
  const AcGeVector3d a(1, 2, 2), b(-3, 0, 4);
  EXPECT_TRUE((a.rotateTo(b) * a).normal().isEqualTo(b.normal(), AcGeTol()));
  const AcGeVector3d opposite = a.rotateTo(-a) * a;
  EXPECT_TRUE(opposite.isEqualTo(-a, AcGeTol()));
  EXPECT_TRUE(a.rotateTo(a).isEqualTo(AcGeMatrix3d::kIdentity));

  AcGeVector3d v(1, 1, 1);
  v.mirror(AcGeVector3d(0, 0, 2));
  EXPECT_TRUE(v == AcGeVector3d(1, 1, -1));
  AcGeVector3d w(1, 0, 0);
  w.rotateBy(kPi / 2, AcGeVector3d::kZAxis);
  EXPECT_TRUE(w.isEqualTo(AcGeVector3d::kYAxis, AcGeTol()));
  AcGePoint3d p(2, 0, 0);
  p.rotateBy(kPi, AcGeVector3d::kZAxis, AcGePoint3d(1, 0, 0));
  expectNear(p, AcGePoint3d(0, 0, 0));

  const AcGePlane tilted(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 1, 0), AcGeVector3d(0, 0, 1));
  EXPECT_NEAR(AcGeVector3d(0, 0, 5).angleOnPlane(tilted), kPi / 2, 1e-12);
  EXPECT_NEAR(AcGeVector3d(3, -1, 0).angleOnPlane(tilted), kPi, 1e-12);
  EXPECT_NEAR(AcGeVector3d(3, 0, -1).angleOnPlane(tilted), 1.5 * kPi, 1e-12);
}

TEST(GePlane, OtherConstructionsAndFrames) {
  const AcGePlane fromPoints(AcGePoint3d(1, 0, 2), AcGePoint3d(0, 0, 2), AcGePoint3d(0, 1, 2));
  EXPECT_TRUE(fromPoints.normal() == AcGeVector3d::kZAxis);
  EXPECT_TRUE(fromPoints.isOn(AcGePoint3d(7, -3, 2)));
  const AcGePlane fromCoefficients(0, 0, 2, -4);
  EXPECT_TRUE(fromCoefficients.isCoplanarTo(fromPoints));

  const AcGePlane frame(AcGePoint3d(1, 2, 3), AcGeVector3d(0, 1, 0), AcGeVector3d(-1, 0, 0));
  const AcGeMatrix3d toPlane = AcGeMatrix3d::worldToPlane(frame);
  expectNear(toPlane * AcGePoint3d(1, 2, 3), AcGePoint3d(0, 0, 0));
  expectNear(toPlane * AcGePoint3d(1, 3, 3), AcGePoint3d(1, 0, 0));
  expectNear(AcGeMatrix3d::planeToWorld(frame) * AcGePoint3d(0, 1, 1), AcGePoint3d(0, 2, 4));

  AcGePoint3d origin;
  AcGeVector3d x, y, z;
  AcGeMatrix3d()
      .setCoordSystem(AcGePoint3d(1, 2, 3), AcGeVector3d(0, 1, 0), AcGeVector3d(-1, 0, 0), AcGeVector3d(0, 0, 1))
      .getCoordSystem(origin, x, y, z);
  expectNear(origin, AcGePoint3d(1, 2, 3));
  EXPECT_TRUE(y == AcGeVector3d(-1, 0, 0));
}

TEST(GeInterval, BoundsAndContainment) {
  const AcGeInterval closed(2.0, 1.0);
  EXPECT_DOUBLE_EQ(closed.lowerBound(), 1.0);
  EXPECT_TRUE(closed.contains(1.5));
  EXPECT_FALSE(closed.contains(2.1));
  const AcGeInterval below(true, 0.0);
  EXPECT_TRUE(below.isBoundedBelow());
  EXPECT_FALSE(below.isBoundedAbove());
  EXPECT_TRUE(below.contains(1e9));
  EXPECT_TRUE(std::isinf(AcGeInterval().length()));
}

TEST(GeKnotVector, ReverseAndDistinct) {
  const double values[] = {0, 0, 0, 1, 3, 3, 3};
  AcGeKnotVector knots(7, values);
  knots.reverse();
  EXPECT_DOUBLE_EQ(knots[3], 2.0);
  for (int i = 1; i < knots.length(); ++i) EXPECT_LE(knots[i - 1], knots[i]);
  AcGeDoubleArray distinct;
  knots.getDistinctKnots(distinct);
  EXPECT_EQ(distinct.length(), 3);
  EXPECT_EQ(knots.multiplicityAt(0), 3);
  EXPECT_EQ(knots.numIntervals(), 2);
}
