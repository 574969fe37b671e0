#include <gtest/gtest.h>

#include <numbers>

#include "platform/cad/ge/ge.h"

// The 2D and 3D curve classes share their logic; the same curve built in 2D and in the
// XY plane in 3D must answer every question alike.
namespace {

constexpr double kPi = std::numbers::pi;

AcGePoint3d lift(const AcGePoint2d& p) { return AcGePoint3d(p.x, p.y, 0.0); }

void expectSameCurve(const AcGeCurve2d& flat, const AcGeCurve3d& space) {
  AcGeInterval r2, r3;
  flat.getInterval(r2);
  space.getInterval(r3);
  ASSERT_NEAR(r2.lowerBound(), r3.lowerBound(), 1e-12);
  ASSERT_NEAR(r2.upperBound(), r3.upperBound(), 1e-12);
  EXPECT_NEAR(flat.length(), space.length(), 1e-9);
  for (int i = 0; i <= 8; ++i) {
    const double t = r2.lowerBound() + r2.length() * i / 8;
    AcGeVector2dArray d2;
    AcGeVector3dArray d3;
    const AcGePoint2d p2 = flat.evalPoint(t, 2, d2);
    const AcGePoint3d p3 = space.evalPoint(t, 2, d3);
    EXPECT_TRUE(lift(p2).isEqualTo(p3)) << "t = " << t;
    ASSERT_EQ(d2.length(), 2);
    ASSERT_EQ(d3.length(), 2);
    for (int k = 0; k < 2; ++k) {
      // Second derivatives may be numeric: compare loosely.
      EXPECT_NEAR(d2[k].x, d3[k].x, 1e-6) << "t = " << t;
      EXPECT_NEAR(d2[k].y, d3[k].y, 1e-6) << "t = " << t;
      EXPECT_NEAR(d3[k].z, 0.0, 1e-6) << "t = " << t;
    }
    const AcGePoint2d off(p2.x + 0.1, p2.y - 0.05);
    EXPECT_NEAR(flat.paramOf(off), space.paramOf(lift(off)), 1e-9) << "t = " << t;
    EXPECT_NEAR(flat.length(r2.lowerBound(), t), space.length(r3.lowerBound(), t), 1e-9);
  }
}

}  // namespace

TEST(GeTwinCurves, PolylinesAgree) {
  AcGePoint2dArray flat;
  AcGePoint3dArray space;
  for (const AcGePoint2d& p : {AcGePoint2d(0, 0), AcGePoint2d(3, 1), AcGePoint2d(3, 1), AcGePoint2d(1, 4)}) {
    flat.append(p);
    space.append(lift(p));
  }
  AcGePolyline2d poly2(flat);
  AcGePolyline3d poly3(space);
  expectSameCurve(poly2, poly3);
  poly2.reverseParam();
  poly3.reverseParam();
  expectSameCurve(poly2, poly3);
  EXPECT_FALSE(poly3.isEqualTo(AcGePolyline3d(space)));
}

TEST(GeTwinCurves, NurbsAgree) {
  const double k[] = {0, 0, 0, 1, 2, 2, 2};
  const AcGeKnotVector knots(7, k);
  AcGePoint2dArray flat;
  AcGePoint3dArray space;
  for (const AcGePoint2d& p : {AcGePoint2d(0, 0), AcGePoint2d(1, 2), AcGePoint2d(3, 2), AcGePoint2d(4, 0)}) {
    flat.append(p);
    space.append(lift(p));
  }
  AcGeDoubleArray weights;
  for (double w : {1.0, 2.0, 0.5, 1.0}) weights.append(w);
  AcGeNurbCurve2d nurb2(2, knots, flat, weights);
  AcGeNurbCurve3d nurb3(2, knots, space, weights);
  expectSameCurve(nurb2, nurb3);
  EXPECT_TRUE(nurb2.isRational());
  EXPECT_TRUE(nurb2.isEqualTo(AcGeNurbCurve2d(2, knots, flat, weights)));
  EXPECT_FALSE(nurb2.isEqualTo(AcGeNurbCurve2d(2, knots, flat)));
  expectSameCurve(AcGeNurbCurve2d(flat), AcGeNurbCurve3d(space));
}

TEST(GeTwinCurves, CompositesAndArcsAgree) {
  AcGeVoidPointerArray flat, space;
  flat.append(new AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(2, 0)));
  flat.append(new AcGeCircArc2d(AcGePoint2d(2, 1), 1.0, -kPi / 2, kPi / 2));
  space.append(new AcGeLineSeg3d(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0)));
  space.append(
      new AcGeCircArc3d(AcGePoint3d(2, 1, 0), AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 1.0, -kPi / 2, kPi / 2));
  AcGeCompositeCurve2d comp2(flat);
  AcGeCompositeCurve3d comp3(space);
  expectSameCurve(comp2, comp3);
  comp2.reverseParam();
  comp3.reverseParam();
  expectSameCurve(comp2, comp3);
  comp2.translateBy(AcGeVector2d(1, 1));
  comp3.translateBy(AcGeVector3d(1, 1, 0));
  expectSameCurve(comp2, comp3);
  EXPECT_TRUE(comp3.isEqualTo(AcGeCompositeCurve3d(comp3)));
}
