#include "platform/cad/curve/bulge_segment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace curve;

TEST(PreparedSeg, AgreesWithTheSegmentOnLinesAndArcsOfEverySweep) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> coord(-10.0, 10.0);
  for (double bulge : {0.0, 0.3, -0.3, 1.0, -1.0, 2.5, -2.5, 20.0}) {
    for (int n = 0; n < 15; ++n) {
      const BulgeSeg seg{{coord(rng), coord(rng)}, {coord(rng), coord(rng)}, bulge};
      const PreparedSeg prepared(seg);
      std::vector<AcGePoint2d> probes{seg.start, seg.end, seg.midPoint()};
      if (seg.isArc()) probes.push_back(seg.arc().center);
      for (int k = 0; k < 20; ++k) probes.push_back({coord(rng) * 2, coord(rng) * 2});
      for (const AcGePoint2d& p : probes) {
        const double d = seg.distanceTo(p);
        ASSERT_NEAR(prepared.distanceTo(p), d, 1e-9) << "bulge " << bulge;
        const AcGePoint2d q = prepared.nearestPoint(p);
        EXPECT_NEAR(seg.distanceTo(q), 0.0, 1e-9);
        EXPECT_NEAR(q.distanceTo(p), d, 1e-9);
        double farthest = 0.0;
        for (int s = 0; s <= 400; ++s) farthest = std::max(farthest, seg.pointAt(s / 400.0).distanceTo(p));
        EXPECT_GE(prepared.farthestFrom(p), farthest - 1e-9);
        EXPECT_LE(prepared.farthestFrom(p), farthest + 1e-3 * seg.length());
      }
      // Projections on any direction: every point within the extent, its ends reached.
      for (int k = 0; k < 8; ++k) {
        const double angle = k * 0.7 + 0.1;
        const AcGeVector2d axis(std::cos(angle), std::sin(angle));
        double least = 0.0, greatest = 0.0;
        prepared.extentAlong(axis, least, greatest);
        double lo = 1e300, hi = -1e300;
        for (int s = 0; s <= 2000; ++s) {
          const double at = axis.dotProduct(seg.pointAt(s / 2000.0).asVector());
          lo = std::min(lo, at);
          hi = std::max(hi, at);
        }
        EXPECT_LE(least, lo) << "bulge " << bulge;
        EXPECT_GE(greatest, hi) << "bulge " << bulge;
        EXPECT_GT(least, lo - 1e-5 * seg.length()) << "bulge " << bulge;
        EXPECT_LT(greatest, hi + 1e-5 * seg.length()) << "bulge " << bulge;
      }
    }
  }
}
