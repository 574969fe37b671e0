#include "platform/cad/curve/hatch_boundary.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace hatch;

TEST(HatchBoundary, ChainsLooseEdgesAndRefusesOpenOnes) {
  // Edges out of order and one reversed still close into one loop.
  std::vector<Edge> edges{Edge::line({1, 0}, {1, 1}), Edge::line({0, 0}, {1, 0}), Edge::line({0, 1}, {1, 1}),
                          Edge::line({0, 1}, {0, 0})};
  std::vector<Loop> loops;
  ASSERT_TRUE(chainIntoLoops(edges, 1e-9, loops));
  ASSERT_EQ(loops.size(), 1u);
  EXPECT_TRUE(isClosedLoop(loops[0], 1e-9));
  EXPECT_NEAR(std::fabs(signedArea(loops[0])), 1.0, 1e-12);

  edges.pop_back();
  loops.clear();
  EXPECT_FALSE(chainIntoLoops(edges, 1e-9, loops));
  EXPECT_TRUE(loops.empty());
}

TEST(HatchBoundary, AreasCountArcsAndIslands) {
  // A square with a half-disc bulging out of its right side, and a square island.
  const Edge bulged = Edge::fromBulge({2, 0}, {2, 2}, 1.0);
  EXPECT_NEAR(bulged.center.x, 2.0, 1e-12);
  EXPECT_NEAR(bulged.radius, 1.0, 1e-12);
  Loop outer{Edge::line({0, 0}, {2, 0}), bulged, Edge::line({2, 2}, {0, 2}), Edge::line({0, 2}, {0, 0})};
  const double pi = 3.14159265358979323846;
  EXPECT_NEAR(signedArea(outer), 4.0 + pi / 2.0, 1e-12);
  Loop island{Edge::line({0.5, 0.5}, {0.5, 1.5}), Edge::line({0.5, 1.5}, {1.5, 1.5}),
              Edge::line({1.5, 1.5}, {1.5, 0.5}), Edge::line({1.5, 0.5}, {0.5, 0.5})};
  EXPECT_NEAR(evenOddArea({outer, island}), 3.0 + pi / 2.0, 1e-9);

  AcGePoint2d lo, hi;
  ASSERT_TRUE(loopsExtents({outer}, lo, hi));
  EXPECT_NEAR(hi.x, 3.0, 1e-12);
}

TEST(HatchBoundary, WeldingMakesNearEndsIdentical) {
  std::vector<Loop> loops{{Edge::line({0, 0}, {1, 0}), Edge::line({1.0 + 1e-12, 1e-12}, {0, 0})}};
  weldEnds(loops, 1e-9);
  EXPECT_EQ(loops[0][0].end.x, loops[0][1].start.x);
  EXPECT_EQ(loops[0][0].end.y, loops[0][1].start.y);
}
