#include "platform/cad/curve/bulge_segment.h"

#include <gtest/gtest.h>

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
    }
  }
}
