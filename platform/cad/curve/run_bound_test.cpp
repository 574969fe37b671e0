#include "platform/cad/curve/run_bound.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>

using namespace curve;

namespace {

// A run of a toothed ring about centre: teeth `tooth` high, every other segment an arc.
std::vector<BulgeSeg> toothedRun(const AcGePoint2d& centre, double radius, double tooth, double from, double to,
                                 int segments) {
  std::vector<BulgeSeg> run;
  auto at = [&](int k) {
    const double a = from + (to - from) * k / segments;
    const double r = radius + (k % 4 < 2 ? tooth : 0.0);
    return AcGePoint2d(centre.x + r * std::cos(a), centre.y + r * std::sin(a));
  };
  for (int k = 0; k < segments; ++k) run.push_back({at(k), at(k + 1), k % 2 == 0 ? 0.3 : 0.0});
  return run;
}

struct SampleRun {
  std::vector<BulgeSeg> segs;
  std::vector<PreparedSeg> prepared;
  std::vector<int> items;
  Box2 box;
  explicit SampleRun(std::vector<BulgeSeg> s)
      : segs(std::move(s)), prepared(segs.begin(), segs.end()), items(segs.size()) {
    std::iota(items.begin(), items.end(), 0);
    for (const BulgeSeg& seg : segs) box.add(seg.box());
  }
  double distanceTo(const AcGePoint2d& p) const {
    double best = 1e300;
    for (const PreparedSeg& s : prepared) best = std::min(best, s.distanceTo(p));
    return best;
  }
  std::vector<AcGeVector2d> axes() const {
    EndPointSums sums(segs.front().start);
    for (const BulgeSeg& s : segs) {
      sums.add(s.start);
      sums.add(s.end);
    }
    const AcGeVector2d chord = segs.back().end - segs.front().start;
    return {sums.spreadAxis(), chord / chord.length()};
  }
};

// No point of the run lies nearer to p than the bound says.
void expectBelow(const RunBound& bound, const SampleRun& run, const AcGePoint2d& p) {
  const double d = run.distanceTo(p);
  EXPECT_LE(std::sqrt(bound.distanceSqrdTo(p)), d * (1 + 1e-12) + 1e-12) << "at " << p.x << "," << p.y;
}

}  // namespace

TEST(RunBound, NeverPassesOverAPointOfTheRun) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  const AcGePoint2d centre(120.0, -40.0);
  std::vector<SampleRun> runs;
  for (double span : {0.01, 0.3, 2.0, 5.0}) runs.emplace_back(toothedRun(centre, 50.0, 0.4, 0.5, 0.5 + span, 16));
  runs.emplace_back(toothedRun(centre, 50.0, 0.0, -3.0, 3.0, 40));
  std::vector<BulgeSeg> straight, scattered;
  for (int k = 0; k < 10; ++k) straight.push_back({{k * 1.0, k * 0.5}, {k + 1.0, (k + 1) * 0.5}, 0.0});
  for (int k = 0; k < 12; ++k)
    scattered.push_back({{unit(rng) * 30, unit(rng) * 30}, {unit(rng) * 30, unit(rng) * 30}, unit(rng) * 2});
  runs.emplace_back(straight);
  runs.emplace_back(scattered);

  for (const SampleRun& run : runs) {
    const std::vector<AcGeVector2d> axes = run.axes();
    const size_t half = run.items.size() / 2;
    const std::span<const int> all(run.items), first = all.first(half), second = all.subspan(half);
    for (const AcGePoint2d& about : {centre, AcGePoint2d(centre.x + 3.0, centre.y - 1.0), AcGePoint2d(0.0, 0.0)}) {
      const RunRing ring = RunRing::about(about, all, run.prepared);
      const RunBound whole = RunBound::ofSegments(all, run.prepared, run.box, axes, &ring);
      // The same run from its halves' bounds.
      Box2 firstBox, secondBox;
      for (int i : first) firstBox.add(run.segs[static_cast<size_t>(i)].box());
      for (int i : second) secondBox.add(run.segs[static_cast<size_t>(i)].box());
      const RunRing firstRing = RunRing::about(about, first, run.prepared);
      const RunRing secondRing = RunRing::about(about, second, run.prepared);
      const RunBound a = RunBound::ofSegments(first, run.prepared, firstBox, axes, &firstRing);
      const RunBound b = RunBound::ofSegments(second, run.prepared, secondBox, axes, &secondRing);
      const RunBound::Part parts[] = {{&a, &firstBox}, {&b, &secondBox}};
      const RunBound joined = RunBound::ofParts(parts, run.box, axes, &ring);
      std::vector<AcGePoint2d> probes{about, centre};
      for (int k = 0; k < 300; ++k) {
        const double r = std::pow(10.0, -3.0 + 5.0 * (unit(rng) + 1) / 2);
        const double t = unit(rng) * kPi;
        probes.push_back({about.x + r * std::cos(t), about.y + r * std::sin(t)});
      }
      for (const BulgeSeg& s : run.segs) probes.push_back(s.midPoint());
      for (const AcGePoint2d& p : probes) {
        expectBelow(whole, run, p);
        expectBelow(joined, run, p);
      }
    }
  }
}

// Seen from its centre a ring's run is bounded to within rounding, where a box would fall
// short by the run's sagitta: what lets nearness walks near collapse pass over it.
TEST(RunBound, HugsACurvedRunSeenFromItsCentre) {
  const AcGePoint2d centre(-7.0, 3.0);
  const SampleRun run(toothedRun(centre, 500.0, 3.0, 1.0, 1.4, 64));
  const RunRing ring = RunRing::about(centre, run.items, run.prepared);
  const std::vector<AcGeVector2d> axes = run.axes();
  const RunBound bound = RunBound::ofSegments(run.items, run.prepared, run.box, axes, &ring);
  // Off the centre the run's nearest vertex lies a little aside: within r (1 - cos) of
  // the vertex spacing, never nearer.
  for (double r : {0.0, 0.01, 1.0, 20.0})
    for (double a : {1.1, 1.23}) {
      const AcGePoint2d p(centre.x + r * std::cos(a), centre.y + r * std::sin(a));
      const double d = run.distanceTo(p), bounded = std::sqrt(bound.distanceSqrdTo(p));
      EXPECT_LE(bounded, d + 1e-9);
      EXPECT_GE(bounded, d - r * 1e-4 - 1e-9) << r << " " << a;
    }
  // Beside the run's angle its ends are what is nearest.
  for (double r : {20.0, 100.0})
    for (double a : {2.5, -0.5}) {
      const AcGePoint2d p(centre.x + r * std::cos(a), centre.y + r * std::sin(a));
      const double d = run.distanceTo(p), bounded = std::sqrt(bound.distanceSqrdTo(p));
      EXPECT_LE(bounded, d + 1e-9);
      EXPECT_GE(bounded, d - 0.02 * r) << r << " " << a;
    }
  // Without the ring the best box falls short from the centre.
  const RunBound boxed = RunBound::ofSegments(run.items, run.prepared, run.box, axes, nullptr);
  EXPECT_LT(std::sqrt(boxed.distanceSqrdTo(centre)), run.distanceTo(centre) - 1.0);
}

TEST(EndPointSums, FitTheCircleOfACurvedRunOnly) {
  const AcGePoint2d centre(300.0, -200.0);
  EndPointSums onCircle({290.0, -150.0});
  for (int k = 0; k <= 20; ++k) {
    const double a = 1.0 + 0.05 * k;
    onCircle.add({centre.x + 50.0 * std::cos(a), centre.y + 50.0 * std::sin(a)});
  }
  AcGePoint2d fitted;
  ASSERT_TRUE(onCircle.curvedAbout(50.0, fitted));
  EXPECT_NEAR(fitted.x, centre.x, 1e-7);
  EXPECT_NEAR(fitted.y, centre.y, 1e-7);
  EXPECT_LT(onCircle.scatterAbout(centre), 1e-6);
  EXPECT_GT(onCircle.scatterAbout({centre.x + 5.0, centre.y}), 0.1);

  EndPointSums onLine({0.0, 0.0});
  for (int k = 0; k <= 20; ++k) onLine.add({k * 2.0, k * 1.0});
  EXPECT_FALSE(onLine.curvedAbout(45.0, fitted));
  const AcGeVector2d along = onLine.spreadAxis();
  EXPECT_NEAR(std::fabs(along.x * 1.0 - along.y * 2.0), 0.0, 1e-9);

  // Teeth far deeper than the run bows hide its centre.
  EndPointSums toothed({500.0, 0.0});
  for (int k = 0; k <= 40; ++k) {
    const double a = 0.0005 * k, r = 500.0 + (k % 2) * 3.0;
    toothed.add({r * std::cos(a), r * std::sin(a)});
  }
  EXPECT_FALSE(toothed.curvedAbout(10.0, fitted));
}
