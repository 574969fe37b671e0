#include "platform/cad/curve/hatch_lines.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace hatch;

namespace {

constexpr double kPi = 3.14159265358979323846;

Loop polygon(std::initializer_list<AcGePoint2d> points) {
  std::vector<AcGePoint2d> p(points);
  Loop loop;
  for (std::size_t i = 0; i < p.size(); ++i) loop.push_back(Edge::line(p[i], p[(i + 1) % p.size()]));
  return loop;
}

Loop rectangle(double x0, double y0, double x1, double y1) { return polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}); }

std::vector<Segment> lines(const std::vector<Loop>& loops, double degrees, double space) {
  std::vector<Segment> out;
  EXPECT_EQ(hatchLines(loops, userPattern(degrees * kPi / 180.0, space, false, AcGePoint2d()), out), LineStatus::kOk);
  return out;
}

double length(const Segment& s) { return s.start.distanceTo(s.end); }

}  // namespace

TEST(HatchLines, LinesLieAtExactMultiplesInAscendingOrder) {
  // 0 degrees: rows run downwards; 180: upwards; 90: rightwards; 270: leftwards.
  const std::vector<Loop> box{rectangle(0.05, 0.05, 3.95, 2.95)};
  const std::vector<Segment> at0 = lines(box, 0, 1.0);
  ASSERT_EQ(at0.size(), 2u);
  EXPECT_DOUBLE_EQ(at0[0].start.y, 2.0);
  EXPECT_DOUBLE_EQ(at0[1].start.y, 1.0);
  EXPECT_LT(at0[0].start.x, at0[0].end.x);

  const std::vector<Segment> at180 = lines(box, 180, 1.0);
  ASSERT_EQ(at180.size(), 2u);
  EXPECT_DOUBLE_EQ(at180[0].start.y, 1.0);
  EXPECT_DOUBLE_EQ(at180[1].start.y, 2.0);
  EXPECT_DOUBLE_EQ(at180[0].start.x, 3.95);
  EXPECT_DOUBLE_EQ(at180[0].end.x, 0.05);

  const std::vector<Segment> at90 = lines(box, 90, 1.0);
  ASSERT_EQ(at90.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(at90[i].start.x, 1.0 + i);
  EXPECT_LT(at90[0].start.y, at90[0].end.y);

  const std::vector<Segment> at270 = lines(box, 270, 1.0);
  ASSERT_EQ(at270.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(at270[i].start.x, 3.0 - i);
  EXPECT_DOUBLE_EQ(at270[0].start.y, 2.95);
}

TEST(HatchLines, SpacingHoldsAtAnyAngleAndFromTheOrigin) {
  const std::vector<Loop> box{rectangle(-7.3, -4.1, 9.9, 8.2)};
  for (double degrees : {0.0, 30.0, 45.0, 137.0, 200.0, 333.0}) {
    const std::vector<Segment> out = lines(box, degrees, 0.37);
    ASSERT_GT(out.size(), 10u);
    const AcGeVector2d along(std::cos(degrees * kPi / 180.0), std::sin(degrees * kPi / 180.0));
    const AcGeVector2d across(along.y, -along.x);
    double previous = -1e9;
    for (const Segment& s : out) {
      const double offset = across.dotProduct(s.start.asVector());
      const double k = offset / 0.37;
      EXPECT_NEAR(k, std::round(k), 1e-9) << degrees;
      EXPECT_GT(offset, previous + 0.37 * 0.999) << degrees;
      EXPECT_GT(along.dotProduct(s.end - s.start), 0.0);
      previous = offset;
    }
  }
}

TEST(HatchLines, VertexTouchesAndEdgeRunsLeaveNoStrayPieces) {
  // A diamond whose top and bottom vertices sit on lines, with side vertices on a line too.
  const std::vector<Loop> diamond{polygon({{0, -2}, {2, 0}, {0, 2}, {-2, 0}})};
  const std::vector<Segment> d = lines(diamond, 0, 1.0);
  ASSERT_EQ(d.size(), 3u);
  EXPECT_DOUBLE_EQ(d[1].start.x, -2.0);
  EXPECT_DOUBLE_EQ(d[1].end.x, 2.0);
  for (const Segment& s : d) EXPECT_GT(length(s), 1.0);

  // A box with edges along lines 0 and 4: no piece along either edge.
  const std::vector<Segment> b = lines({rectangle(0, 0, 5, 4)}, 0, 1.0);
  ASSERT_EQ(b.size(), 3u);
  EXPECT_DOUBLE_EQ(b.front().start.y, 3.0);
  EXPECT_DOUBLE_EQ(b.back().start.y, 1.0);

  // A notch: the line at y = 2 runs along the notch's floor between two inside stretches.
  const std::vector<Loop> step{polygon({{0, 0}, {6, 0}, {6, 4}, {3, 4}, {3, 2}, {1, 2}, {1, 4}, {0, 4}})};
  const std::vector<Segment> st = lines(step, 0, 1.0);
  std::vector<Segment> atTwo;
  for (const Segment& s : st)
    if (s.start.y == 2.0) atTwo.push_back(s);
  ASSERT_EQ(atTwo.size(), 2u);
  EXPECT_DOUBLE_EQ(atTwo[0].start.x, 0.0);
  EXPECT_DOUBLE_EQ(atTwo[0].end.x, 1.0);
  EXPECT_DOUBLE_EQ(atTwo[1].start.x, 3.0);
  EXPECT_DOUBLE_EQ(atTwo[1].end.x, 6.0);

  // An island corner touching a line from above inside the outer loop does not cut it.
  const std::vector<Loop> touching{rectangle(0, 0, 10, 10), polygon({{5, 5}, {6, 6}, {5, 7}, {4, 6}})};
  for (const Segment& s : lines(touching, 0, 1.0)) {
    if (s.start.y == 5.0) {
      EXPECT_DOUBLE_EQ(s.start.x, 0.0);
      EXPECT_DOUBLE_EQ(s.end.x, 10.0);
    }
  }
}

TEST(HatchLines, ArcsClipExactlyAndTangentTouchesAreIgnored) {
  // A slot: half circles of radius 1 at both ends of a 10-long straight part.
  Loop slot{Edge::line({0, 0}, {10, 0}), Edge::arc({10, 1}, 1.0, -kPi / 2.0, kPi), Edge::line({10, 2}, {0, 2}),
            Edge::arc({0, 1}, 1.0, kPi / 2.0, kPi)};
  slot[1].start = {10, 0};
  slot[1].end = {10, 2};
  slot[3].start = {0, 2};
  slot[3].end = {0, 0};
  const std::vector<Segment> s = lines({slot}, 0, 0.5);
  ASSERT_EQ(s.size(), 3u);  // 1.5, 1.0, 0.5: nothing along the flat sides at 0 and 2
  EXPECT_NEAR(s[1].start.x, -1.0, 1e-12);
  EXPECT_NEAR(s[1].end.x, 11.0, 1e-12);
  EXPECT_NEAR(s[0].end.x, 10.0 + std::sqrt(0.75), 1e-12);

  // A circle tangent to lines top and bottom; a clockwise full circle clips the same.
  const std::vector<Segment> c = lines({Loop{Edge::arc({0, 0}, 2.0, 0.0, 2.0 * kPi)}}, 90, 1.0);
  ASSERT_EQ(c.size(), 3u);
  EXPECT_NEAR(c[0].start.y, -std::sqrt(3.0), 1e-12);
  EXPECT_NEAR(c[1].end.y, 2.0, 1e-12);
  EXPECT_EQ(lines({Loop{Edge::arc({0, 0}, 2.0, 1.0, -2.0 * kPi)}}, 90, 1.0).size(), 3u);
}

TEST(HatchLines, IslandsAreLeftOutAndIslandsInIslandsFilledAgain) {
  const std::vector<Loop> loops{rectangle(0, 0, 10, 10), rectangle(2.5, 2.5, 7.5, 7.5), rectangle(4.5, 4.5, 5.5, 5.5)};
  std::vector<Segment> atFive;
  for (const Segment& s : lines(loops, 0, 1.0))
    if (s.start.y == 5.0) atFive.push_back(s);
  ASSERT_EQ(atFive.size(), 3u);
  EXPECT_DOUBLE_EQ(atFive[0].end.x, 2.5);
  EXPECT_DOUBLE_EQ(atFive[1].start.x, 4.5);
  EXPECT_DOUBLE_EQ(atFive[1].end.x, 5.5);
  EXPECT_DOUBLE_EQ(atFive[2].start.x, 7.5);
}

TEST(HatchLines, DoubledPatternsAndLimits) {
  const std::vector<Loop> box{rectangle(0.5, 0.5, 3.5, 2.5)};
  std::vector<Segment> out;
  ASSERT_EQ(hatchLines(box, userPattern(0.0, 1.0, true, AcGePoint2d()), out), LineStatus::kOk);
  ASSERT_EQ(out.size(), 5u);  // two across, then three up
  EXPECT_DOUBLE_EQ(out[2].start.x, 1.0);

  LineLimits tight;
  tight.maxLines = 100;
  EXPECT_EQ(hatchLines(box, userPattern(0.0, 1e-4, false, AcGePoint2d()), out, tight), LineStatus::kTooDense);
  EXPECT_TRUE(out.empty());
  PatternLine flat{0.0, AcGePoint2d(), AcGeVector2d(1.0, 0.0), {}};
  EXPECT_EQ(hatchLines(box, {flat}, out), LineStatus::kDegeneratePattern);
}

TEST(HatchLines, DashesCutPiecesAlongTheirLine) {
  PatternLine dashed{0.0, AcGePoint2d(), AcGeVector2d(0.0, 1.0), {1.0, -1.0}};
  std::vector<Segment> out;
  ASSERT_EQ(hatchLines({rectangle(0.5, 0.5, 4.5, 1.5)}, {dashed}, out), LineStatus::kOk);
  ASSERT_EQ(out.size(), 3u);
  EXPECT_DOUBLE_EQ(out[0].start.x, 0.5);
  EXPECT_DOUBLE_EQ(out[0].end.x, 1.0);
  EXPECT_DOUBLE_EQ(out[1].start.x, 2.0);
  EXPECT_DOUBLE_EQ(out[2].end.x, 4.5);
}
