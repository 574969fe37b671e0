#include "platform/cad/curve/offset/path_offset.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/cad/curve/offset/offset_fault.h"

using namespace curve;

namespace {

BulgePath polygon(std::initializer_list<BulgeVertex> vertices, bool closed = true) {
  BulgePath p;
  p.vertices = vertices;
  p.closed = closed;
  return p;
}

double distanceToPath(const BulgePath& path, const AcGePoint2d& p) {
  double best = 1e300;
  for (const BulgeSeg& s : path.segments()) best = std::min(best, s.distanceTo(p));
  return best;
}

// Every sampled point of every result lies at the distance from the source.
void expectAtDistance(const BulgePath& source, const std::vector<BulgePath>& results, double dist) {
  for (const BulgePath& r : results)
    for (const BulgeSeg& s : r.segments())
      for (int k = 0; k <= 8; ++k) {
        const AcGePoint2d p = s.pointAt(k / 8.0);
        ASSERT_NEAR(distanceToPath(source, p), dist, 1e-7) << "at " << p.x << "," << p.y;
      }
}

double distanceToPaths(const std::vector<BulgePath>& paths, const AcGePoint2d& p) {
  double best = 1e300;
  for (const BulgePath& path : paths) best = std::min(best, distanceToPath(path, p));
  return best;
}

// Nothing of the offset is missing: every point at the distance from the source on the
// offset side (on a moved segment or about a vertex between the moved ends) lies on a result.
void expectComplete(const BulgePath& source, const std::vector<BulgePath>& results, double left) {
  const double dist = std::fabs(left);
  auto expectCovered = [&](const AcGePoint2d& p) {
    if (distanceToPath(source, p) < dist - 1e-9) return;  // inside the band: not on the offset
    ASSERT_LT(distanceToPaths(results, p), 1e-6) << "missing " << p.x << "," << p.y << " at " << left;
  };
  const std::vector<BulgeSeg> segs = source.segments();
  const int n = static_cast<int>(segs.size());
  for (int i = 0; i < n; ++i) {
    const BulgeSeg& s = segs[static_cast<size_t>(i)];
    for (int k = 1; k < 16; ++k) expectCovered(s.pointAt(k / 16.0) + s.tangentAt(k / 16.0).perpVector() * left);
    if (i + 1 == n && !source.closed) break;
    const BulgeSeg& next = segs[static_cast<size_t>((i + 1) % n)];
    const AcGeVector2d in = s.tangentAt(1.0).perpVector() * left, out = next.tangentAt(0.0).perpVector() * left;
    const double turn = std::atan2(in.crossProduct(out), in.dotProduct(out));
    for (int k = 1; k < 8; ++k) expectCovered(s.end + AcGeVector2d(in).rotateBy(turn * k / 8.0));
  }
}

int arcCount(const BulgePath& p) {
  int n = 0;
  for (const BulgeVertex& v : p.vertices) n += v.bulge != 0.0;
  return n;
}

double signedArea(const BulgePath& p) {
  double a = 0.0;
  for (const BulgeSeg& s : p.segments()) {
    a += (s.start.x * s.end.y - s.end.x * s.start.y) / 2;
    if (s.isArc()) {
      const Arc2 arc = s.arc();
      a += arc.radius * arc.radius * (arc.sweep - std::sin(arc.sweep)) / 2;
    }
  }
  return a;
}

const BulgePath kSquare = polygon({{{0, 0}, 0}, {{10, 0}, 0}, {{10, 10}, 0}, {{0, 10}, 0}});

}  // namespace

TEST(PathOffset, SquareGrowsWithRoundCornersAndShrinksSharp) {
  std::vector<BulgePath> out;
  ASSERT_EQ(offsetPath(kSquare, -1.0, out), OffsetStatus::kOk);  // right of a counter-clockwise loop: outside
  ASSERT_EQ(out.size(), 1u);
  EXPECT_TRUE(out[0].closed);
  EXPECT_EQ(out[0].vertices.size(), 8u);
  EXPECT_EQ(arcCount(out[0]), 4);
  EXPECT_NEAR(signedArea(out[0]), 100 + 40 + kPi, 1e-9);
  expectAtDistance(kSquare, out, 1.0);

  ASSERT_EQ(offsetPath(kSquare, 1.0, out), OffsetStatus::kOk);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].vertices.size(), 4u);
  EXPECT_NEAR(signedArea(out[0]), 64.0, 1e-9);
  expectAtDistance(kSquare, out, 1.0);
}

TEST(PathOffset, InwardPastTheInscribedRadiusGivesNothing) {
  std::vector<BulgePath> out;
  ASSERT_EQ(offsetPath(kSquare, 5.01, out), OffsetStatus::kOk);
  EXPECT_TRUE(out.empty());
  const BulgePath circle = polygon({{{0, 0}, 1}, {{10, 0}, 1}});
  ASSERT_EQ(offsetPath(circle, 5.5, out), OffsetStatus::kOk);
  EXPECT_TRUE(out.empty());
}

TEST(PathOffset, HoleOfASquareGrowsInward) {
  // A clockwise hole: offsetting the material side (left of a clockwise loop is outside it,
  // so to the right) makes it larger.
  const BulgePath hole = polygon({{{3, 3}, 0}, {{3, 7}, 0}, {{7, 7}, 0}, {{7, 3}, 0}});
  std::vector<BulgePath> out;
  for (double d : {0.5, 1.0, 1.9}) {
    ASSERT_EQ(offsetPath(hole, d, out), OffsetStatus::kOk);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(arcCount(out[0]), 4);
    expectAtDistance(hole, out, d);
    ASSERT_EQ(offsetPath(hole, -d, out), OffsetStatus::kOk);
    ASSERT_EQ(out.size(), 1u);
    expectAtDistance(hole, out, d);
  }
}

TEST(PathOffset, SlotKeepsItsArcsAndVanishesPastHalfItsWidth) {
  // Two half circles of radius 2 joined by straight sides.
  const BulgePath slot = polygon({{{0, 0}, 0}, {{10, 0}, 1}, {{10, 4}, 0}, {{0, 4}, 1}});
  std::vector<BulgePath> out;
  for (double d : {-3.0, -0.5, 0.5, 1.0, 1.999}) {
    ASSERT_EQ(offsetPath(slot, d, out), OffsetStatus::kOk);
    ASSERT_EQ(out.size(), 1u) << d;
    EXPECT_EQ(arcCount(out[0]), 2);
    EXPECT_EQ(out[0].vertices.size(), 4u);
    expectAtDistance(slot, out, std::fabs(d));
  }
  ASSERT_EQ(offsetPath(slot, 2.001, out), OffsetStatus::kOk);
  EXPECT_TRUE(out.empty());
}

TEST(PathOffset, StarSplitsAndSheds) {
  BulgePath star;
  star.closed = true;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? 10.0 : 4.0;
    const double a = kPi / 2 + i * kPi / 5;
    star.vertices.push_back({{r * std::cos(a), r * std::sin(a)}, 0.0});
  }
  std::vector<BulgePath> out;
  for (double d : {-2.0, -0.3, 0.3, 1.0, 2.0}) {
    ASSERT_EQ(offsetPath(star, d, out), OffsetStatus::kOk);
    ASSERT_EQ(out.size(), 1u) << d;
    EXPECT_TRUE(out[0].closed);
    expectAtDistance(star, out, std::fabs(d));
    EXPECT_EQ(arcCount(out[0]), 5);  // tips outward, notches inward
  }
  ASSERT_EQ(offsetPath(star, 4.0, out), OffsetStatus::kOk);
  EXPECT_TRUE(out.empty());
}

TEST(PathOffset, DumbbellSplitsIntoTwoLoops) {
  // Two 10 x 10 squares joined by a corridor 2 wide.
  const BulgePath shape = polygon({{{0, 0}, 0},
                                   {{10, 0}, 0},
                                   {{10, 4}, 0},
                                   {{20, 4}, 0},
                                   {{20, 0}, 0},
                                   {{30, 0}, 0},
                                   {{30, 10}, 0},
                                   {{20, 10}, 0},
                                   {{20, 6}, 0},
                                   {{10, 6}, 0},
                                   {{10, 10}, 0},
                                   {{0, 10}, 0}});
  std::vector<BulgePath> out;
  ASSERT_EQ(offsetPath(shape, 1.5, out), OffsetStatus::kOk);
  ASSERT_EQ(out.size(), 2u);
  for (const BulgePath& p : out) {
    EXPECT_TRUE(p.closed);
    EXPECT_GT(signedArea(p), 0.0);
  }
  expectAtDistance(shape, out, 1.5);
}

TEST(PathOffset, ManyArcsAtManyDistances) {
  // A wavy ring: 24 arcs alternating in and out.
  BulgePath wave;
  wave.closed = true;
  for (int i = 0; i < 24; ++i) {
    const double a = i * kTwoPi / 24;
    wave.vertices.push_back({{20 * std::cos(a), 20 * std::sin(a)}, i % 2 == 0 ? 0.4 : -0.4});
  }
  std::vector<BulgePath> out;
  for (double d = -6.0; d <= 6.0; d += 0.75) {
    ASSERT_EQ(offsetPath(wave, d, out), OffsetStatus::kOk) << d;
    ASSERT_GE(out.size(), 1u) << d;
    for (const BulgePath& p : out) {
      EXPECT_TRUE(p.closed) << d;
      EXPECT_GE(arcCount(p), static_cast<int>(p.vertices.size()) / 2) << d;
      EXPECT_LE(p.vertices.size(), 60u) << d;  // arcs, not many small lines
    }
    expectAtDistance(wave, out, std::fabs(d));
  }
}

TEST(PathOffset, ToothedRingFromJustOutsideToCollapseIsExactAndComplete) {
  // Narrow teeth with arcs on top and bottom: far out and far in, most moved elements
  // and the long corner arcs drown in the band whole or in long stretches.
  BulgePath ring;
  ring.closed = true;
  const int n = 120;
  for (int i = 0; i < n; ++i) {
    const double a = i * kTwoPi / n, r = 40.0 + (i % 4 < 2 ? 3.0 : 0.0);
    ring.vertices.push_back({{r * std::cos(a), r * std::sin(a)}, i % 2 == 0 ? 0.3 : 0.0});
  }
  std::vector<BulgePath> out;
  for (double d : {-60.0, -9.0, -2.5, -0.4, 0.3, 1.3, 4.0, 12.0, 30.0, 39.5}) {
    ASSERT_EQ(offsetPath(ring, d, out), OffsetStatus::kOk);
    ASSERT_EQ(out.size(), 1u) << d;
    EXPECT_TRUE(out[0].closed) << d;
    expectAtDistance(ring, out, std::fabs(d));
    expectComplete(ring, out, d);
  }
  ASSERT_EQ(offsetPath(ring, 40.5, out), OffsetStatus::kOk);
  EXPECT_TRUE(out.empty());
}

// A loop told simple (an offset's own) is cut without the map of depths until its
// elements crowd near collapse; what is kept must not change by it, pass after pass.
TEST(PathOffset, LoopsToldSimpleGiveWhatLoopsToldNothingGive) {
  BulgePath ring;
  ring.closed = true;
  const int n = 240;
  for (int i = 0; i < n; ++i) {
    const double a = i * kTwoPi / n, r = 40.0 + (i % 4 < 2 ? 2.0 : 0.0);
    ring.vertices.push_back({{r * std::cos(a), r * std::sin(a)}, i % 2 == 0 ? 0.3 : 0.0});
  }
  // Inward down to collapse; outward a few passes.
  for (const auto& [step, passes] : {std::pair{1.7, 40}, std::pair{-2.3, 6}}) {
    std::vector<BulgePath> loops{ring}, told, untold;
    for (int pass = 0; !loops.empty() && pass < passes; ++pass) {
      std::vector<BulgePath> next;
      for (const BulgePath& loop : loops) {
        ASSERT_EQ(offsetPath(loop, step, told, SourceShape::kSimple), OffsetStatus::kOk);
        ASSERT_EQ(offsetPath(loop, step, untold), OffsetStatus::kOk);
        ASSERT_EQ(told.size(), untold.size()) << step << " " << pass;
        for (size_t k = 0; k < told.size(); ++k) {
          ASSERT_EQ(told[k].vertices.size(), untold[k].vertices.size()) << step << " " << pass;
          for (size_t v = 0; v < told[k].vertices.size(); ++v) {
            EXPECT_EQ(told[k].vertices[v].point.x, untold[k].vertices[v].point.x);
            EXPECT_EQ(told[k].vertices[v].point.y, untold[k].vertices[v].point.y);
            EXPECT_EQ(told[k].vertices[v].bulge, untold[k].vertices[v].bulge);
          }
        }
        expectAtDistance(loop, told, std::fabs(step));
        next.insert(next.end(), told.begin(), told.end());
      }
      loops.swap(next);
    }
    if (step > 0.0) {
      EXPECT_TRUE(loops.empty());
    }
  }
}

TEST(PathOffset, LongCombKeepsWhatLiesAtTheDistanceOnBothSides) {
  // Long teeth close together: their moved copies run deep inside the neighbours' bands.
  BulgePath comb;
  for (int i = 0; i < 20; ++i) {
    comb.vertices.push_back({{i * 1.0, 0.0}, 0.0});
    comb.vertices.push_back({{i * 1.0, 25.0}, 0.0});
    comb.vertices.push_back({{i * 1.0 + 0.5, 25.0}, i % 3 == 0 ? 0.5 : 0.0});
    comb.vertices.push_back({{i * 1.0 + 0.5, 0.0}, 0.0});
  }
  std::vector<BulgePath> out;
  for (double d : {-7.0, -0.2, 0.2, 3.0, 11.0}) {
    ASSERT_EQ(offsetPath(comb, d, out), OffsetStatus::kOk);
    ASSERT_FALSE(out.empty()) << d;
    expectAtDistance(comb, out, std::fabs(d));
    expectComplete(comb, out, d);
  }
}

TEST(PathOffset, OpenPathsKeepTheirEnds) {
  const BulgePath zigzag = polygon({{{0, 0}, 0}, {{5, 5}, 0.5}, {{10, 0}, 0}, {{15, 5}, 0}}, false);
  std::vector<BulgePath> out;
  for (double d : {-1.0, 0.7, 2.0}) {
    ASSERT_EQ(offsetPath(zigzag, d, out), OffsetStatus::kOk);
    ASSERT_EQ(out.size(), 1u) << d;
    const BulgePath& r = out[0];
    EXPECT_FALSE(r.closed);
    const AcGePoint2d start = r.vertices.front().point, end = r.vertices.back().point;
    const AcGeVector2d n0 = zigzag.segment(0).tangentAt(0).perpVector();
    const AcGeVector2d n1 = zigzag.segment(2).tangentAt(1).perpVector();
    EXPECT_TRUE(start.isEqualTo(AcGePoint2d(0, 0) + n0 * d, AcGeTol())) << d;
    EXPECT_TRUE(end.isEqualTo(AcGePoint2d(15, 5) + n1 * d)) << d;
    expectAtDistance(zigzag, out, std::fabs(d));
  }
}

TEST(PathOffset, OpenPathsBentAlmostStraightGiveOneCurve) {
  // Joints bending by a few hundred-thousandths of a radian up to a thousandth, between
  // lines and between a line and an arc, as outlines opened on a straight side have them.
  for (double scale : {0.01, 1.0, 100.0})
    for (double bend : {2e-5, 2e-4, 1e-3}) {
      const double quarter = std::tan(M_PI / 8.0);
      const AcGePoint2d corner(10.0 * scale, 0.0);
      const AcGeVector2d out = AcGeVector2d(1.0, 0.0).rotateBy(bend) * (10.0 * scale);
      const BulgePath lines = polygon({{{0, 0}, 0}, {corner, 0}, {corner + out, 0}}, false);
      // The arc's chord is turned so that its start leaves the line bent by `bend`.
      const AcGeVector2d chord = AcGeVector2d(1.0, 1.0).rotateBy(bend) * (10.0 * scale);
      const BulgePath lineArc = polygon({{{0, 0}, 0}, {corner, quarter}, {corner + chord, 0}}, false);
      for (const BulgePath* path : {&lines, &lineArc})
        for (double d : {0.01, 0.1, 1.0}) {
          SCOPED_TRACE(testing::Message() << "scale " << scale << " bend " << bend << " d " << d);
          std::vector<BulgePath> out;
          for (double left : {d * scale, -d * scale}) {
            ASSERT_EQ(offsetPath(*path, left, out), OffsetStatus::kOk);
            EXPECT_EQ(out.size(), 1u) << left;
            if (out.empty()) continue;
            EXPECT_FALSE(out[0].closed);
            EXPECT_TRUE(out[0].vertices.front().point.isEqualTo(AcGePoint2d(0.0, left), AcGeTol())) << left;
            expectAtDistance(*path, out, std::fabs(left));
          }
        }
    }
}

TEST(PathOffset, BadInputAndTheFaultSwitch) {
  std::vector<BulgePath> out;
  EXPECT_EQ(offsetPath(polygon({{{1, 1}, 0}}), 1.0, out), OffsetStatus::kInvalidInput);
  EXPECT_EQ(offsetPath(kSquare, std::nan(""), out), OffsetStatus::kInvalidInput);

  SetOffsetFaultForTesting(OffsetFault::kFail, 1);
  EXPECT_EQ(offsetPath(kSquare, 1.0, out), OffsetStatus::kFailed);
  EXPECT_EQ(offsetPath(kSquare, 1.0, out), OffsetStatus::kOk);
  SetOffsetFaultForTesting(OffsetFault::kOpenCurves);
  ASSERT_EQ(offsetPath(kSquare, 1.0, out), OffsetStatus::kOk);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_FALSE(out[0].closed);
  SetOffsetFaultForTesting(OffsetFault::kNone);
  ASSERT_EQ(offsetPath(kSquare, 1.0, out), OffsetStatus::kOk);
  EXPECT_TRUE(out[0].closed);
}
