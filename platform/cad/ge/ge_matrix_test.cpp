#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/cad/ge/ge.h"

namespace {
constexpr double kPi = std::numbers::pi;

void expectNear(const AcGePoint3d& a, const AcGePoint3d& b, double tol = 1e-12) {
  EXPECT_NEAR(a.x, b.x, tol);
  EXPECT_NEAR(a.y, b.y, tol);
  EXPECT_NEAR(a.z, b.z, tol);
}

void expectNear(const AcGePoint2d& a, const AcGePoint2d& b, double tol = 1e-12) {
  EXPECT_NEAR(a.x, b.x, tol);
  EXPECT_NEAR(a.y, b.y, tol);
}
}  // namespace

TEST(GeMatrix3d, PointsMoveVectorsDoNot) {
  const AcGeMatrix3d move = AcGeMatrix3d::translation(AcGeVector3d(1, 2, 3));
  expectNear(move * AcGePoint3d(1, 1, 1), AcGePoint3d(2, 3, 4));
  EXPECT_TRUE(move * AcGeVector3d(1, 1, 1) == AcGeVector3d(1, 1, 1));
}

TEST(GeMatrix3d, RotationAboutAxisAndCentre) {
  const AcGeMatrix3d rot = AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis, AcGePoint3d(1, 1, 0));
  expectNear(rot * AcGePoint3d(2, 1, 5), AcGePoint3d(1, 2, 5));
  expectNear(rot * AcGePoint3d(1, 1, 0), AcGePoint3d(1, 1, 0));
  const AcGeMatrix3d aboutX = AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kXAxis);
  EXPECT_TRUE((aboutX * AcGeVector3d::kYAxis).isEqualTo(AcGeVector3d::kZAxis));
}

TEST(GeMatrix3d, MirrorScaleAndProjection) {
  const AcGePlane yz(AcGePoint3d(2, 0, 0), AcGeVector3d(1, 0, 0));
  expectNear(AcGeMatrix3d::mirroring(yz) * AcGePoint3d(5, 1, 1), AcGePoint3d(-1, 1, 1));
  expectNear(AcGeMatrix3d::mirroring(AcGePoint3d(1, 1, 1)) * AcGePoint3d(2, 3, 4), AcGePoint3d(0, -1, -2));
  expectNear(AcGeMatrix3d::mirroring(AcGeLine3d::kZAxis) * AcGePoint3d(1, 2, 3), AcGePoint3d(-1, -2, 3));
  expectNear(AcGeMatrix3d::scaling(2.0, AcGePoint3d(1, 1, 1)) * AcGePoint3d(2, 2, 2), AcGePoint3d(3, 3, 3));
  const AcGeMatrix3d proj = AcGeMatrix3d::projection(AcGePlane::kXYPlane, AcGeVector3d(1, 0, 1));
  expectNear(proj * AcGePoint3d(1, 1, 2), AcGePoint3d(-1, 1, 0));
  EXPECT_LT(AcGeMatrix3d::mirroring(yz).det(), 0.0);
}

TEST(GeMatrix3d, InverseAndProductOrder) {
  const AcGeMatrix3d rot = AcGeMatrix3d::rotation(0.7, AcGeVector3d(1, 2, 3), AcGePoint3d(4, -1, 2));
  const AcGeMatrix3d move = AcGeMatrix3d::translation(AcGeVector3d(10, 0, 0));
  const AcGeMatrix3d both = move * rot;  // rotate first, then move
  const AcGePoint3d p(1, 2, 3);
  expectNear(both * p, move * (rot * p));
  EXPECT_TRUE((both * both.inverse()).isEqualTo(AcGeMatrix3d::kIdentity, AcGeTol()));
  expectNear(both.inverse() * (both * p), p);

  AcGeMatrix3d singular = AcGeMatrix3d::scaling(0.0);
  AcGeMatrix3d out = AcGeMatrix3d::kIdentity;
  EXPECT_FALSE(singular.inverse(out, 1e-12));
  EXPECT_TRUE(out == AcGeMatrix3d::kIdentity);
  EXPECT_TRUE(singular.isSingular());
}

TEST(GeMatrix3d, AlignCoordSysMapsFrameOntoFrame) {
  const AcGePoint3d from(1, 0, 0), to(0, 0, 5);
  const AcGeMatrix3d m =
      AcGeMatrix3d::alignCoordSys(from, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis, AcGeVector3d::kZAxis, to,
                                  AcGeVector3d::kYAxis, -AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
  expectNear(m * from, to);
  expectNear(m * AcGePoint3d(2, 0, 0), AcGePoint3d(0, 1, 5));
  expectNear(m * AcGePoint3d(1, 1, 0), AcGePoint3d(-1, 0, 5));
  EXPECT_TRUE(m.isUniScaledOrtho());
  EXPECT_DOUBLE_EQ(AcGeMatrix3d::scaling(3.0).scale(), 3.0);
}

TEST(GeMatrix2d, TransformsAndInverse) {
  expectNear(AcGeMatrix2d::rotation(kPi / 2, AcGePoint2d(1, 0)) * AcGePoint2d(2, 0), AcGePoint2d(1, 1));
  expectNear(AcGeMatrix2d::mirroring(AcGeLine2d(AcGePoint2d(0, 1), AcGeVector2d(1, 0))) * AcGePoint2d(3, 3),
             AcGePoint2d(3, -1));
  expectNear(AcGeMatrix2d::scaling(0.5, AcGePoint2d(2, 2)) * AcGePoint2d(4, 0), AcGePoint2d(3, 1));
  const AcGeMatrix2d m = AcGeMatrix2d::translation(AcGeVector2d(3, 4)) * AcGeMatrix2d::rotation(1.1);
  expectNear(m.inverse() * (m * AcGePoint2d(7, -2)), AcGePoint2d(7, -2));
  EXPECT_TRUE(m * AcGeVector2d(1, 0) == AcGeVector2d(std::cos(1.1), std::sin(1.1)));
  const AcGeMatrix2d align = AcGeMatrix2d::alignCoordSys(AcGePoint2d(0, 0), AcGeVector2d(1, 0), AcGeVector2d(0, 1),
                                                         AcGePoint2d(5, 5), AcGeVector2d(0, 1), AcGeVector2d(-1, 0));
  expectNear(align * AcGePoint2d(1, 0), AcGePoint2d(5, 6));
}

TEST(GeEcs, ArbitraryAxisRule) {
  EXPECT_TRUE(acgeEcsXAxis(AcGeVector3d(0, 0, 1)) == AcGeVector3d(1, 0, 0));
  EXPECT_TRUE(acgeEcsXAxis(AcGeVector3d(0, 0, -1)) == AcGeVector3d(-1, 0, 0));
  EXPECT_TRUE(acgeEcsYAxis(AcGeVector3d(0, 0, -1)) == AcGeVector3d(0, 1, 0));
  // Below 1/64 the world Y axis is used, above it the world Z axis.
  const AcGeVector3d nearZ = AcGeVector3d(0.01, 0, 1).normal();
  EXPECT_NEAR(acgeEcsXAxis(nearZ).y, 0.0, 1e-15);
  const AcGeVector3d tilted = AcGeVector3d(0.1, 0, 1).normal();
  EXPECT_NEAR(acgeEcsXAxis(tilted).z, 0.0, 1e-15);
  EXPECT_TRUE(acgeEcsXAxis(AcGeVector3d(1, 0, 0)) == AcGeVector3d(0, 1, 0));

  const AcGeVector3d n = AcGeVector3d(1, -2, 0.5).normal();
  const AcGeMatrix3d m = acgeEcsToWorld(n);
  EXPECT_TRUE(m.isUniScaledOrtho());
  EXPECT_NEAR(m.det(), 1.0, 1e-12);
  EXPECT_TRUE(m * AcGeVector3d::kZAxis == n);
  expectNear(acgeWorldPointToEcs(acgeEcsPointToWorld(AcGePoint3d(1, 2, 3), n), n), AcGePoint3d(1, 2, 3));
  EXPECT_TRUE(AcGeMatrix3d::planeToWorld(n) == m);
}
