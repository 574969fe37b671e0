#include "platform/cad/curve/offset/convex_offset.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/cad/curve/offset_oracle/offset_check.h"
#include "platform/cad/curve/offset_oracle/offset_shapes.h"

using namespace curve;
using namespace curve::oracle;

namespace {

// Closed, at the distance and as GEOS has it, on both sides from far out to past collapse.
void expectSoundAtManyDistances(const BulgePath& path, double inscribed) {
  for (double share : {-3.0, -0.5, -0.01, 0.01, 0.3, 0.9, 0.999, 1.001, 2.0}) {
    const OffsetVerdict verdict = offsetAndCheck(path, share * inscribed);
    EXPECT_TRUE(verdict.ok()) << verdict.fault;
    EXPECT_TRUE(verdict.checked);
  }
}

}  // namespace

TEST(ConvexOffset, PolygonsShrinkToNothingAndGrowRound) {
  expectSoundAtManyDistances(closedPath({{{0, 0}, 0}, {{10, 0}, 0}, {{3, 4}, 0}}),
                             4.0 * 10 / (10 + 5 + std::hypot(7, 4)));
  expectSoundAtManyDistances(closedPath({{{0, 0}, 0}, {{10, 0}, 0}, {{10, 2}, 0}, {{0, 2}, 0}}), 1.0);
  expectSoundAtManyDistances(regularPolygon(1000, 50.0), 50.0 * std::cos(kPi / 1000));
  // Sides of very different lengths: the short ones are squeezed out first.
  expectSoundAtManyDistances(
      closedPath({{{0, 0}, 0}, {{20, 0}, 0}, {{20.5, 0.4}, 0}, {{20.6, 5}, 0}, {{10, 9}, 0}, {{0.2, 5}, 0}}), 4.0);
}

TEST(ConvexOffset, SmoothCurvesKeepTheirArcs) {
  const BulgePath circle = closedPath({{{0, 0}, 1.0}, {{10, 0}, 1.0}});
  expectSoundAtManyDistances(circle, 5.0);
  const BulgePath stadium = closedPath({{{0, 0}, 0}, {{10, 0}, 1.0}, {{10, 4}, 0}, {{0, 4}, 1.0}});
  expectSoundAtManyDistances(stadium, 2.0);
  std::vector<BulgePath> out;
  ASSERT_TRUE(offsetConvexPath(stadium, 1.0, 1e-12, 1e-9, out));
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].vertices.size(), 4u);
  EXPECT_NEAR(out[0].length(), 20.0 + 2 * kPi, 1e-9);
}

TEST(ConvexOffset, LeavesOtherShapesToTheGeneralOffset) {
  std::vector<BulgePath> out{closedPath({{{1, 1}, 0}})};
  // Concave corner, arcs bending the other way, open paths, arcs tighter than the distance inward.
  EXPECT_FALSE(offsetConvexPath(oracle::dentedSquare(10, 1), 1.0, 1e-12, 1e-9, out));
  EXPECT_FALSE(offsetConvexPath(closedPath({{{0, 0}, -0.2}, {{10, 0}, 0}, {{5, 8}, 0}}), 1.0, 1e-12, 1e-9, out));
  BulgePath open = closedPath({{{0, 0}, 0}, {{10, 0}, 0}, {{5, 8}, 0}});
  open.closed = false;
  EXPECT_FALSE(offsetConvexPath(open, 1.0, 1e-12, 1e-9, out));
  EXPECT_FALSE(offsetConvexPath(closedPath({{{0, 0}, 1.0}, {{10, 0}, 1.0}}), 6.0, 1e-12, 1e-9, out));
  EXPECT_EQ(out.size(), 1u) << "left as it was";
}
