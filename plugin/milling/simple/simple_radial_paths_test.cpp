#include "plugin/milling/simple/simple_radial_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

constexpr double kPi = 3.14159265358979323846;

double RadiusOf(const AcGePoint2d& p, const SimpleRadialShape& s) { return p.distanceTo(s.centre); }

SimpleRadialShape DefaultRing() {
  SimpleRadialShape s;
  s.innerDiameter = 0.0;
  s.outerDiameter = 100.0;
  s.stepover = 10.0;
  s.toolDiameter = 20.0;
  s.centre = AcGePoint2d(5.0, -3.0);
  return s;
}

TEST(SimpleRadialPaths, DefaultCirclesAreSixSpacingsFromTheOuterRadiusInToAPoint) {
  const SimpleRadialShape s = DefaultRing();
  EXPECT_EQ(RadialRingCount(CompensatedRadialRing(s), s.stepover), 6);
  const std::vector<PolylineVertex> path = RadialCirclePath(s);
  std::set<long> radii;
  for (const PolylineVertex& v : path) radii.insert(std::lround(RadiusOf(v.point, s) * 1000.0));
  EXPECT_EQ(radii, (std::set<long>{0, 8333, 16667, 25000, 33333, 41667, 50000}));
  EXPECT_EQ(path.front().point, AcGePoint2d(55.0, -3.0));
  EXPECT_EQ(path.back().point, s.centre);
  // Each full ring is four counter-clockwise quarter arcs, then a straight step in.
  EXPECT_GT(path.front().bulge, 0.0);
  EXPECT_EQ(path[4].point, AcGePoint2d(55.0, -3.0));
  EXPECT_EQ(path[4].bulge, 0.0);
}

TEST(SimpleRadialPaths, CompensationMovesTheDiametersAndNeverTurnsTheRingInsideOut) {
  SimpleRadialShape s = DefaultRing();
  s.innerDiameter = 40.0;
  s.allowance = 1.0;
  s.compensation = kRadialOutside;
  RadialRing ring = CompensatedRadialRing(s);
  EXPECT_DOUBLE_EQ(ring.inner, 9.0);
  EXPECT_DOUBLE_EQ(ring.outer, 61.0);
  s.compensation = kRadialInside;
  ring = CompensatedRadialRing(s);
  EXPECT_DOUBLE_EQ(ring.inner, 31.0);
  EXPECT_DOUBLE_EQ(ring.outer, 39.0);
  s.toolDiameter = 40.0;  // larger than the ring
  ring = CompensatedRadialRing(s);
  EXPECT_DOUBLE_EQ(ring.outer, ring.inner);
  const std::vector<PolylineVertex> path = RadialCirclePath(s);
  for (const PolylineVertex& v : path) EXPECT_NEAR(RadiusOf(v.point, s), ring.inner, 1e-9);
}

TEST(SimpleRadialPaths, TheSpiralRunsFromTheCentreToTheOuterRadiusAndNoFurther) {
  for (const double stepover : {10.0, 7.0}) {  // 50 is a multiple of 10, not of 7
    SimpleRadialShape s = DefaultRing();
    s.stepover = stepover;
    const std::vector<PolylineVertex> path = RadialSpiralPath(s);
    ASSERT_GT(path.size(), 100u);
    EXPECT_EQ(path.front().point, s.centre);
    double largest = 0.0, last = 0.0;
    for (std::size_t i = 1; i < path.size(); ++i) {
      const double r = RadiusOf(path[i].point, s);
      largest = std::max(largest, r);
      // The radius never falls back while the spiral turns outward.
      EXPECT_GE(r, last - 1e-9) << i;
      if (r < 50.0 - 1e-9) last = r;
    }
    EXPECT_NEAR(largest, 50.0, 1e-9) << stepover;
    EXPECT_NEAR(RadiusOf(path.back().point, s), 50.0, 1e-9);
    // No chord strays more than 0.01 from the circle it follows (0.02 of slack for the growing radius).
    for (std::size_t i = 2; i + 1 < path.size(); ++i) {
      const AcGePoint2d mid((path[i].point.x + path[i + 1].point.x) / 2, (path[i].point.y + path[i + 1].point.y) / 2);
      EXPECT_LT(RadiusOf(path[i].point, s) - RadiusOf(mid, s), 0.02 + stepover / 50.0) << i;
    }
  }
  double spacing = 0.0;
  EXPECT_EQ(RadialSpiralTurns({0.1, 50.0}, 10.0, spacing), 5);
  EXPECT_NEAR(spacing, 9.98, 1e-12);
}

TEST(SimpleRadialPaths, RadialLinesSpreadEvenlyRoundTheWholeCircle) {
  SimpleRadialShape s = DefaultRing();
  s.pathShape = kRadialLines;
  s.innerDiameter = 20.0;
  const auto lines = RadialLines(s);
  ASSERT_EQ(lines.size(), 31u);
  const double step = 2.0 * kPi / 31.0;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const AcGePoint2d& from = lines[k].first;
    const AcGePoint2d& to = lines[k].second;
    EXPECT_NEAR(RadiusOf(from, s), 10.0, 1e-9);
    EXPECT_NEAR(RadiusOf(to, s), 50.0, 1e-9);
    double angle = std::atan2(to.y - s.centre.y, to.x - s.centre.x);
    if (angle < -1e-9) angle += 2.0 * kPi;
    EXPECT_NEAR(angle, k * step, 1e-9) << k;
  }
  s.startOutside = false;
  EXPECT_NEAR(RadiusOf(RadialLines(s)[3].first, s), 50.0, 1e-9);
  // A stepover longer than the circumference makes no lines at all.
  s.stepover = 400.0;
  EXPECT_EQ(RadialLineCount(CompensatedRadialRing(s), s.stepover), 0);
  EXPECT_TRUE(RadialLines(s).empty());
}

}  // namespace
