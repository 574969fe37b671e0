#include "platform/cad/curve/segment_intersect.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace curve;

namespace {

Prim2 arcOf(const AcGePoint2d& centre, double radius, double from, double sweep) {
  Prim2 p = Prim2::circle(centre, radius);
  p.unbounded = false;
  p.arc.startAngle = from;
  p.arc.sweep = sweep;
  return p;
}

double offCircle(const Prim2& circle, const AcGePoint2d& p) {
  return std::fabs(p.distanceTo(circle.arc.center) - circle.arc.radius);
}

}  // namespace

// A flat arc's centre lies far off: its crossings with a small circle must still lie on
// both, whichever is given first.
TEST(SegmentIntersect, FlatArcCrossesASmallCircleExactly) {
  for (double radius : {170.0, 1e4})
    for (double small : {1e-5, 1e-3}) {
      const Prim2 flat = arcOf({0.0027, 0.0036 - radius}, radius, kPi / 2 + 1e-5, -2e-5);
      const Prim2 circle = Prim2::circle({0.0027 + 0.3 * small, 0.0036 + 0.5 * small}, small);
      for (bool flatFirst : {true, false}) {
        const std::vector<Hit2> hits = flatFirst ? intersect(flat, circle, 1e-13) : intersect(circle, flat, 1e-13);
        ASSERT_EQ(hits.size(), 2u) << radius << " " << small;
        // Rounding in the far centre alone comes to a few units in the last place of the radius.
        const double rounding = 1e-15 * radius + 1e-14;
        for (const Hit2& h : hits) {
          EXPECT_LT(offCircle(flat, h.point), rounding) << radius << " " << small;
          EXPECT_LT(offCircle(circle, h.point), rounding) << radius << " " << small;
          const Prim2& first = flatFirst ? flat : circle;
          EXPECT_LT(first.pointAt(h.fa).distanceTo(h.point), rounding);
        }
      }
    }
}

// Curves passing within the tolerance touch at one point; where that point lies just off
// an end but one of the two crossings it stands for lies on both, that crossing is found.
TEST(SegmentIntersect, TouchOffAnEndStillFindsTheCrossingOnBoth) {
  const double tol = 1e-10;
  const Prim2 circle = Prim2::circle({0.0, 0.0}, 1.0);
  Prim2 line;
  line.p0 = {-1.0, 1.0 - 1e-11};
  line.p1 = {-1e-6, 1.0 - 1e-11};
  std::vector<Hit2> hits = intersect(line, circle, tol);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_NEAR(hits[0].point.x, -std::sqrt(2e-11), 1e-9);
  EXPECT_LT(offCircle(circle, hits[0].point), tol);
  // Reaching the touch point, the line touches once.
  line.p1 = {1.0, 1.0 - 1e-11};
  hits = intersect(line, circle, tol);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_NEAR(hits[0].point.x, 0.0, 1e-12);

  // Two circles all but touching outside, the arcs ending short of the touch point.
  const Prim2 left = arcOf({0.0, 0.0}, 1.0, 1e-6, 1.0);
  const Prim2 right = arcOf({2.0 - 1e-11, 0.0}, 1.0, kPi - 1.0, 2.0);
  hits = intersect(left, right, tol);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_GT(hits[0].point.y, 0.0);
  EXPECT_LT(offCircle(left, hits[0].point), tol);
  EXPECT_LT(offCircle(right, hits[0].point), tol);
  // Where neither crossing lies on both, nothing.
  EXPECT_TRUE(intersect(arcOf({0.0, 0.0}, 1.0, 1e-3, 1.0), right, tol).empty());
}
