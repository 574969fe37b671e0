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

// Pairs told apart without working out crossings: whatever keeps within the tolerance of
// the other still meets it, at every side and from inside a circle as from outside.
TEST(SegmentIntersect, NearMissesWithinTheToleranceStillMeet) {
  const double tol = 1e-10;
  auto lineOf = [](AcGePoint2d a, AcGePoint2d b) {
    Prim2 p;
    p.p0 = a;
    p.p1 = b;
    return p;
  };
  const Prim2 base = lineOf({0.0, 0.0}, {10.0, 0.0});
  for (double side : {1.0, -1.0}) {
    // A slanted line ending just short of the base: near enough it touches, else not.
    EXPECT_EQ(intersect(base, lineOf({5.0, side * 0.5 * tol}, {6.0, side * 1.0}), tol).size(), 1u) << side;
    EXPECT_EQ(intersect(lineOf({5.0, side * 0.5 * tol}, {6.0, side * 1.0}), base, tol).size(), 1u) << side;
    EXPECT_TRUE(intersect(base, lineOf({5.0, side * 3.0 * tol}, {6.0, side * 1.0}), tol).empty()) << side;
    // Parallel within the tolerance: the overlap's ends.
    EXPECT_EQ(intersect(base, lineOf({2.0, side * 0.5 * tol}, {4.0, side * 0.5 * tol}), tol).size(), 2u) << side;
    EXPECT_TRUE(intersect(base, lineOf({2.0, side * 3.0 * tol}, {4.0, side * 3.0 * tol}), tol).empty()) << side;
  }
  // An unbounded line reaches what its segment would miss.
  Prim2 extended = lineOf({0.0, 1.0}, {1.0, 1.0});
  extended.unbounded = true;
  EXPECT_EQ(intersect(extended, lineOf({5.0, 0.0}, {5.0, 2.0}), tol).size(), 1u);

  const Prim2 circle = Prim2::circle({0.0, 0.0}, 1.0);
  // Ending just inside or just outside the circle, a segment touches it; well inside or
  // well outside, it misses.
  EXPECT_EQ(intersect(lineOf({0.0, 0.0}, {1.0 - 0.5 * tol, 0.0}), circle, tol).size(), 1u);
  EXPECT_EQ(intersect(lineOf({2.0, 0.0}, {1.0 + 0.5 * tol, 0.0}), circle, tol).size(), 1u);
  EXPECT_TRUE(intersect(lineOf({0.0, 0.0}, {1.0 - 3.0 * tol, 0.0}), circle, tol).empty());
  EXPECT_TRUE(intersect(lineOf({2.0, 0.0}, {1.0 + 3.0 * tol, 0.0}), circle, tol).empty());
  // Circles apart or nested by half the tolerance touch; by three times it, they do not.
  for (double gap : {0.5 * tol, 3.0 * tol}) {
    const size_t expected = gap < tol ? 1u : 0u;
    EXPECT_EQ(intersect(circle, Prim2::circle({2.0 + gap, 0.0}, 1.0), tol).size(), expected) << gap;
    EXPECT_EQ(intersect(circle, Prim2::circle({0.5 - gap, 0.0}, 0.5), tol).size(), expected) << gap;
  }
}
