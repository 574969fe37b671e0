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

TEST(GeLine, SegmentsAreBoundedLinesAreNot) {
  const AcGeLineSeg2d seg(AcGePoint2d(0, 0), AcGePoint2d(4, 0));
  AcGeInterval range;
  seg.getInterval(range);
  EXPECT_DOUBLE_EQ(range.lowerBound(), 0.0);
  EXPECT_DOUBLE_EQ(range.upperBound(), 1.0);
  EXPECT_DOUBLE_EQ(seg.length(), 4.0);
  EXPECT_NEAR(seg.paramOf(AcGePoint2d(1, 5)), 0.25, 1e-15);
  expectNear(seg.closestPointTo(AcGePoint2d(9, 3)), AcGePoint2d(4, 0));
  EXPECT_DOUBLE_EQ(seg.distanceTo(AcGePoint2d(7, 4)), 5.0);
  EXPECT_TRUE(seg.isKindOf(AcGe::kLinearEnt2d));
  EXPECT_TRUE(seg.isKindOf(AcGe::kCurve2d));
  EXPECT_FALSE(seg.isKindOf(AcGe::kCircArc2d));

  AcGePoint2d start;
  EXPECT_FALSE(AcGeLine2d(AcGePoint2d(0, 0), AcGeVector2d(1, 0)).hasStartPoint(start));
  const AcGeLine3d line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  EXPECT_DOUBLE_EQ(line.distanceTo(AcGePoint3d(50, 3, 4)), 5.0);

  AcGePoint2d crossing;
  EXPECT_TRUE(seg.intersectWith(AcGeLineSeg2d(AcGePoint2d(1, -1), AcGePoint2d(1, 1)), crossing));
  expectNear(crossing, AcGePoint2d(1, 0));
  EXPECT_FALSE(seg.intersectWith(AcGeLineSeg2d(AcGePoint2d(5, -1), AcGePoint2d(5, 1)), crossing));
  EXPECT_FALSE(seg.intersectWith(AcGeLine2d(AcGePoint2d(5, -1), AcGePoint2d(4.5, 1)), crossing));
  EXPECT_FALSE(seg.intersectWith(AcGeLineSeg2d(AcGePoint2d(0, 1), AcGePoint2d(4, 1)), crossing));

  AcGePoint3d hit;
  EXPECT_TRUE(AcGeLineSeg3d(AcGePoint3d(0, 0, -1), AcGePoint3d(0, 0, 1)).intersectWith(AcGePlane::kXYPlane, hit));
  expectNear(hit, AcGePoint3d(0, 0, 0));
  EXPECT_FALSE(AcGeLine3d(AcGePoint3d(0, 0, 1), AcGeVector3d(1, 0, 0))
                   .intersectWith(AcGeLine3d(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 1, 0)), hit));

  AcGeLineSeg2d flipped(seg);
  flipped.reverseParam();
  expectNear(flipped.startPoint(), AcGePoint2d(4, 0));
}

TEST(GePlane, ConstructionDistanceAndIntersection) {
  const AcGePlane plane(AcGePoint3d(0, 0, 2), AcGeVector3d(0, 0, -3));
  EXPECT_TRUE(plane.normal() == AcGeVector3d(0, 0, -1));
  EXPECT_DOUBLE_EQ(plane.signedDistanceTo(AcGePoint3d(5, 5, 0)), 2.0);
  EXPECT_DOUBLE_EQ(plane.distanceTo(AcGePoint3d(5, 5, 4)), 2.0);
  double a, b, c, d;
  plane.getCoefficients(a, b, c, d);
  EXPECT_DOUBLE_EQ(c * 2 + d, 0.0);

  AcGeLine3d meet;
  EXPECT_TRUE(AcGePlane::kXYPlane.intersectWith(AcGePlane::kYZPlane, meet));
  EXPECT_TRUE(meet.direction().isParallelTo(AcGeVector3d::kYAxis));
  EXPECT_TRUE(meet.isOn(AcGePoint3d::kOrigin));
  EXPECT_FALSE(plane.intersectWith(AcGePlane::kXYPlane, meet));
  EXPECT_TRUE(plane.isParallelTo(AcGePlane::kXYPlane));
  EXPECT_FALSE(plane.isCoplanarTo(AcGePlane::kXYPlane));
}

TEST(GeCompositeCurve2d, PiecesLaidEndToEnd) {
  AcGeVoidPointerArray pieces;
  pieces.append(new AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(2, 0)));
  pieces.append(new AcGeCircArc2d(AcGePoint2d(2, 0), AcGePoint2d(2, 2), 1.0));
  pieces.append(new AcGeLineSeg2d(AcGePoint2d(2, 2), AcGePoint2d(0, 2)));
  AcGeCompositeCurve2d composite(pieces);

  AcGeInterval range;
  composite.getInterval(range);
  EXPECT_DOUBLE_EQ(range.lowerBound(), 0.0);
  EXPECT_NEAR(range.upperBound(), 2.0 + kPi, 1e-12);
  EXPECT_NEAR(composite.length(), 4.0 + kPi, 1e-12);
  expectNear(composite.evalPoint(1.0 + kPi / 2), AcGePoint2d(3, 1));
  AcGePoint2d start, end;
  EXPECT_TRUE(composite.hasStartPoint(start));
  EXPECT_TRUE(composite.hasEndPoint(end));
  expectNear(end, AcGePoint2d(0, 2));
  EXPECT_NEAR(composite.distanceTo(AcGePoint2d(5, 1)), 2.0, 1e-9);
  EXPECT_FALSE(composite.isClosed());

  int seg = -1;
  const double local = composite.globalToLocalParam(1.5 + kPi, seg);
  EXPECT_EQ(seg, 2);
  EXPECT_NEAR(local, 0.5, 1e-12);
  EXPECT_NEAR(composite.localToGlobalParam(local, seg), 1.5 + kPi, 1e-12);

  AcGeVoidPointerArray list;
  composite.getCurveList(list);
  ASSERT_EQ(list.length(), 3);
  EXPECT_TRUE(static_cast<AcGeCurve2d*>(list[1])->isKindOf(AcGe::kCircArc2d));

  // Copies own their own pieces; reversing runs the chain backwards.
  AcGeCompositeCurve2d copy(composite);
  copy.reverseParam();
  AcGePoint2d copyStart;
  copy.hasStartPoint(copyStart);
  expectNear(copyStart, AcGePoint2d(0, 2));
  composite.hasStartPoint(start);
  expectNear(start, AcGePoint2d(0, 0));
  AcGeVoidPointerArray copyList;
  copy.getCurveList(copyList);
  EXPECT_TRUE(static_cast<AcGeCircArc2d*>(copyList[1])->isClockWise());

  // Handing the same pieces in again keeps them alive once.
  composite.setCurveList(list);
  EXPECT_EQ(composite.numCurves(), 3);
}

TEST(GePolyline2d, FitPointsAtWholeParameters) {
  AcGePoint2dArray pts;
  pts.append(AcGePoint2d(0, 0));
  pts.append(AcGePoint2d(3, 0));
  pts.append(AcGePoint2d(3, 4));
  const AcGePolyline2d poly(pts);
  EXPECT_EQ(poly.numFitPoints(), 3);
  expectNear(poly.evalPoint(1.5), AcGePoint2d(3, 2));
  EXPECT_DOUBLE_EQ(poly.length(), 7.0);
  EXPECT_NEAR(poly.paramOf(AcGePoint2d(4, 1)), 1.25, 1e-12);
  AcGePoint2d end;
  EXPECT_TRUE(poly.hasEndPoint(end));
  expectNear(end, AcGePoint2d(3, 4));
  EXPECT_TRUE(poly.isKindOf(AcGe::kPolyline2d));

  AcGePoint3dArray pts3;
  pts3.append(AcGePoint3d(0, 0, 0));
  pts3.append(AcGePoint3d(0, 0, 2));
  EXPECT_DOUBLE_EQ(AcGePolyline3d(pts3).length(), 2.0);
}

TEST(GeNurbCurve3d, EvaluatesKnownCurves) {
  // Quadratic Bezier: C(t) = (2t, 2t(1 - t)).
  AcGePoint3dArray ctrl;
  ctrl.append(AcGePoint3d(0, 0, 0));
  ctrl.append(AcGePoint3d(1, 1, 0));
  ctrl.append(AcGePoint3d(2, 0, 0));
  const double clamped[] = {0, 0, 0, 1, 1, 1};
  const AcGeNurbCurve3d bezier(2, AcGeKnotVector(6, clamped), ctrl);
  ASSERT_TRUE(bezier.isValid());
  expectNear(bezier.evalPoint(0.5), AcGePoint3d(1, 0.5, 0));
  expectNear(bezier.evalPoint(0.25), AcGePoint3d(0.5, 0.375, 0));
  expectNear(bezier.startPoint(), AcGePoint3d(0, 0, 0));
  expectNear(bezier.endPoint(), AcGePoint3d(2, 0, 0));
  AcGeVector3dArray derivs;
  bezier.evalPoint(0.5, 1, derivs);
  ASSERT_EQ(derivs.length(), 1);
  EXPECT_NEAR(derivs[0].x, 2.0, 1e-12);
  EXPECT_NEAR(derivs[0].y, 0.0, 1e-12);

  // Rational quarter circle.
  AcGePoint3dArray arcCtrl;
  arcCtrl.append(AcGePoint3d(1, 0, 0));
  arcCtrl.append(AcGePoint3d(1, 1, 0));
  arcCtrl.append(AcGePoint3d(0, 1, 0));
  AcGeDoubleArray weights;
  weights.append(1.0);
  weights.append(std::sqrt(0.5));
  weights.append(1.0);
  const AcGeNurbCurve3d quarter(2, AcGeKnotVector(6, clamped), arcCtrl, weights);
  EXPECT_TRUE(quarter.isRational());
  for (double t : {0.1, 0.37, 0.5, 0.9}) EXPECT_NEAR(quarter.evalPoint(t).distanceTo(AcGePoint3d::kOrigin), 1.0, 1e-12);
  EXPECT_NEAR(quarter.length(), kPi / 2, 1e-9);
  quarter.evalPoint(0.0, 1, derivs);
  EXPECT_TRUE(derivs[0].isCodirectionalTo(AcGeVector3d::kYAxis));

  // Uniform cubic B-spline with a double interior knot: at u = 1 only two basis functions live,
  // N2 = N3 = 1/2, so the point is the midpoint of control points 2 and 3.
  AcGePoint3dArray cubicCtrl;
  for (int i = 0; i < 6; ++i) cubicCtrl.append(AcGePoint3d(i, (i % 2) ? 1.0 : -1.0, 0));
  const double knots[] = {0, 0, 0, 0, 1, 1, 2, 2, 2, 2};
  const AcGeNurbCurve3d cubic(3, AcGeKnotVector(10, knots), cubicCtrl);
  ASSERT_TRUE(cubic.isValid());
  expectNear(cubic.evalPoint(1.0), AcGePoint3d(2.5, 0.0, 0));
  expectNear(cubic.evalPoint(2.0), AcGePoint3d(5, 1, 0));

  AcGeNurbCurve3d reversed(cubic);
  reversed.reverseParam();
  expectNear(reversed.evalPoint(0.3), cubic.evalPoint(1.7));

  // Inconsistent definitions evaluate to something harmless.
  const AcGeNurbCurve3d broken(3, AcGeKnotVector(6, clamped), ctrl);
  EXPECT_FALSE(broken.isValid());
  expectNear(broken.evalPoint(0.5), AcGePoint3d(0, 0, 0));
}

TEST(GeNurbCurve3d, FitPointsAreInterpolated) {
  AcGePoint3dArray fit;
  fit.append(AcGePoint3d(0, 0, 0));
  fit.append(AcGePoint3d(1, 2, 0));
  fit.append(AcGePoint3d(3, 2, 1));
  fit.append(AcGePoint3d(4, 0, 1));
  fit.append(AcGePoint3d(6, -1, 0));
  const AcGeNurbCurve3d free(fit);
  ASSERT_TRUE(free.isValid());
  EXPECT_EQ(free.degree(), 3);
  EXPECT_EQ(free.numFitPoints(), 5);
  for (const auto& p : fit) EXPECT_NEAR(free.distanceTo(p), 0.0, 1e-9);

  const AcGeNurbCurve3d tangent(fit, AcGeVector3d(1, 0, 0), AcGeVector3d(0, -1, 0));
  ASSERT_TRUE(tangent.isValid());
  for (const auto& p : fit) EXPECT_NEAR(tangent.distanceTo(p), 0.0, 1e-9);
  AcGeVector3dArray derivs;
  AcGeInterval range;
  tangent.getInterval(range);
  tangent.evalPoint(range.lowerBound(), 1, derivs);
  EXPECT_TRUE(derivs[0].isCodirectionalTo(AcGeVector3d(1, 0, 0)));
  tangent.evalPoint(range.upperBound(), 1, derivs);
  EXPECT_TRUE(derivs[0].isCodirectionalTo(AcGeVector3d(0, -1, 0)));
}
