#include "host/commands/tangent_arc.h"

#include <gtest/gtest.h>

#include <cmath>

namespace host {
namespace {

TEST(TangentArc, BulgeFollowsTheTurnFromTheIncomingDirection) {
  // Heading +X from the origin: a half circle up to (0,2) turns left, one down to (0,-2) right.
  EXPECT_NEAR(*TangentArcBulge({0, 0}, {1, 0}, {0, 2}), 1.0, 1e-12);
  EXPECT_NEAR(*TangentArcBulge({0, 0}, {1, 0}, {0, -2}), -1.0, 1e-12);
  // A quarter circle from (0,0) heading +X to (1,1): sweep 90 degrees.
  EXPECT_NEAR(*TangentArcBulge({0, 0}, {3, 0}, {1, 1}), std::tan(M_PI / 8), 1e-12);
  // Straight ahead is a straight segment.
  EXPECT_NEAR(*TangentArcBulge({1, 1}, {0, 1}, {1, 5}), 0.0, 1e-12);
  // Straight behind, on the start point, or with no direction there is no arc.
  EXPECT_FALSE(TangentArcBulge({0, 0}, {1, 0}, {-3, 0}).has_value());
  EXPECT_FALSE(TangentArcBulge({0, 0}, {1, 0}, {0, 0}).has_value());
  EXPECT_FALSE(TangentArcBulge({0, 0}, {0, 0}, {1, 0}).has_value());
}

TEST(TangentArc, EndDirectionChainsArcsSmoothly) {
  const AcGeVector2d line_end = SegmentEndDirection({0, 0}, {5, 0}, 0.0);
  EXPECT_NEAR(line_end.x, 1.0, 1e-12);
  // After the left half circle to (0,2) the path heads -X.
  const AcGeVector2d half = SegmentEndDirection({0, 0}, {0, 2}, 1.0);
  EXPECT_NEAR(half.x, -1.0, 1e-12);
  EXPECT_NEAR(half.y, 0.0, 1e-12);
  // A quarter circle right, from (0,0) heading +X down to (1,-1), arrives heading -Y.
  const double bulge = *TangentArcBulge({0, 0}, {1, 0}, {1, -1});
  const AcGeVector2d quarter = SegmentEndDirection({0, 0}, {1, -1}, bulge);
  EXPECT_NEAR(quarter.x, 0.0, 1e-12);
  EXPECT_NEAR(quarter.y, -1.0, 1e-12);
  // A second tangent arc continues where the first ended: back to the start makes a full circle.
  EXPECT_NEAR(*TangentArcBulge({0, 2}, half, {0, 0}), 1.0, 1e-12);
}

}  // namespace
}  // namespace host
