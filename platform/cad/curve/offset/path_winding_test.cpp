#include "platform/cad/curve/offset/path_winding.h"

#include <gtest/gtest.h>

using namespace curve;

namespace {

BulgePath closedPath(std::initializer_list<BulgeVertex> vertices) {
  BulgePath p;
  p.closed = true;
  p.vertices = vertices;
  return p;
}

}  // namespace

TEST(PathWinding, ArcsCountTheRegionBetweenThemAndTheirChords) {
  // A circle of radius 5 about (5, 0) from two half circles, and the same run clockwise.
  const BulgePath ccw = closedPath({{{0, 0}, 1.0}, {{10, 0}, 1.0}});
  const BulgePath cw = closedPath({{{0, 0}, -1.0}, {{10, 0}, -1.0}});
  for (const AcGePoint2d& inside :
       {AcGePoint2d(5, 0), AcGePoint2d(5, 4.9), AcGePoint2d(5, -4.9), AcGePoint2d(0.2, 0.1)}) {
    EXPECT_EQ(windingNumber(ccw, inside), 1) << inside.x << "," << inside.y;
    EXPECT_EQ(windingNumber(cw, inside), -1) << inside.x << "," << inside.y;
  }
  for (const AcGePoint2d& outside : {AcGePoint2d(5, 5.1), AcGePoint2d(-0.1, 0), AcGePoint2d(9.9, 1.0)}) {
    EXPECT_EQ(windingNumber(ccw, outside), 0);
    EXPECT_EQ(windingNumber(cw, outside), 0);
  }
  EXPECT_NEAR(signedArea(ccw), 25 * kPi, 1e-9);
  EXPECT_NEAR(signedArea(cw), -25 * kPi, 1e-9);
}

TEST(PathWinding, ZeroWidthSpikesAndDoubleLoops) {
  // A square with a spike out of its bottom: the spike encloses nothing.
  const BulgePath spiked =
      closedPath({{{0, 0}, 0}, {{5, 0}, 0}, {{5, -3}, 0}, {{5, 0}, 0}, {{10, 0}, 0}, {{10, 10}, 0}, {{0, 10}, 0}});
  EXPECT_EQ(windingNumber(spiked, {5.5, -1}), 0);
  EXPECT_EQ(windingNumber(spiked, {5.5, 1}), 1);
  EXPECT_NEAR(signedArea(spiked), 100.0, 1e-12);
  // Twice around the same square.
  const BulgePath twice = closedPath(
      {{{0, 0}, 0}, {{1, 0}, 0}, {{1, 1}, 0}, {{0, 1}, 0}, {{0, 0}, 0}, {{1, 0}, 0}, {{1, 1}, 0}, {{0, 1}, 0}});
  EXPECT_EQ(windingNumber(twice, {0.5, 0.5}), 2);
}

TEST(PathWinding, PathsThatMeetThemselves) {
  const double tol = 1e-12;
  EXPECT_FALSE(touchesItself(closedPath({{{0, 0}, 1.0}, {{10, 0}, 1.0}}), tol));
  EXPECT_FALSE(touchesItself(closedPath({{{0, 0}, 0}, {{10, 0}, 0}, {{10, 10}, 0}, {{0, 10}, 0}}), tol));
  // A bow tie, a spike that runs back over itself, and an arc that swells over the far side.
  EXPECT_TRUE(touchesItself(closedPath({{{0, 0}, 0}, {{10, 10}, 0}, {{10, 0}, 0}, {{0, 10}, 0}}), tol));
  EXPECT_TRUE(
      touchesItself(closedPath({{{0, 0}, 0}, {{5, 0}, 0}, {{5, -3}, 0}, {{5, 0}, 0}, {{10, 0}, 0}, {{5, 8}, 0}}), tol));
  EXPECT_TRUE(touchesItself(closedPath({{{0, 0}, -0.9}, {{10, 0}, 0}, {{10, 1}, 0}, {{0, 1}, 0}}), tol));
}
