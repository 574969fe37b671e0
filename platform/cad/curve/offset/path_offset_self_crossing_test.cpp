// Closed paths that cross themselves have no one side to offset to: the offset refuses
// them, where GEOS too finds the path crossing itself. Paths that only touch themselves
// are offset as before.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/cad/curve/offset/path_offset.h"
#include "platform/cad/curve/offset_oracle/geos_buffer.h"
#include "platform/cad/curve/offset_oracle/offset_check.h"
#include "platform/cad/curve/offset_oracle/offset_shapes.h"

using namespace curve;
using namespace curve::oracle;

namespace {

// The star polygon {n/step}: every step-th point of a regular n-gon.
BulgePath starPolygon(int n, int step, double radius) {
  BulgePath p;
  p.closed = true;
  for (int i = 0; i < n; ++i) {
    const double a = 2.0 * kPi * ((i * step) % n) / n;
    p.vertices.push_back({{radius * std::cos(a), radius * std::sin(a)}, 0.0});
  }
  return p;
}

struct Named {
  const char* name;
  BulgePath path;
};

std::vector<Named> crossingPaths() {
  return {
      {"bow-tie", closedPath({{{-1, -1}, 0}, {{1, 1}, 0}, {{1, -1}, 0}, {{-1, 1}, 0}})},
      {"pentagram", starPolygon(5, 2, 10.0)},
      {"seven-point star", starPolygon(7, 3, 50.0)},
      // Half circles below and above, joined by diagonals that cross.
      {"eight with arcs", closedPath({{{0, 0}, 1.0}, {{10, 0}, 0}, {{0, 10}, -1.0}, {{10, 10}, 0}})},
      // A square whose last corner is pulled across the first side.
      {"folded corner", closedPath({{{0, 0}, 0}, {{10, 0}, 0}, {{10, 10}, 0}, {{5, -3}, 0}})},
      // Crossings at a vertex of one visit, and at a vertex of both.
      {"vertex on a side", closedPath({{{0, 0}, 0}, {{10, 10}, 0}, {{10, 0}, 0}, {{5, 5}, 0}, {{0, 10}, 0}})},
      {"through a vertex",
       closedPath({{{0, 0}, 0}, {{5, 5}, 0}, {{10, 10}, 0}, {{10, 0}, 0}, {{5, 5}, 0}, {{0, 10}, 0}})},
  };
}

}  // namespace

TEST(PathOffsetSelfCrossing, RefusedOnBothSidesWhereGeosFindsACrossing) {
  for (const Named& source : crossingPaths()) {
    SCOPED_TRACE(source.name);
    EXPECT_TRUE(geosFindsSelfCrossing(source.path, 1e-4));
    for (double left : {0.2, -0.2, 2.0, -2.0}) {
      std::vector<BulgePath> out{BulgePath()};
      EXPECT_EQ(offsetPath(source.path, left, out), OffsetStatus::kSelfCrossing) << "offset " << left;
      EXPECT_TRUE(out.empty());
    }
  }
}

TEST(PathOffsetSelfCrossing, PathsThatOnlyTouchThemselvesAreOffset) {
  // Two squares meeting at the corner (1, 1), run as one path.
  const BulgePath corners =
      closedPath({{{0, 0}, 0}, {{1, 0}, 0}, {{1, 1}, 0}, {{2, 1}, 0}, {{2, 2}, 0}, {{1, 2}, 0}, {{1, 1}, 0}, {{0, 1}, 0}});
  // A square with a notch whose tip touches the opposite side from inside.
  const BulgePath notch = closedPath({{{0, 0}, 0}, {{10, 0}, 0}, {{10, 10}, 0}, {{6, 10}, 0}, {{5, 0}, 0},
                                      {{4, 10}, 0}, {{0, 10}, 0}});
  for (const BulgePath& path : {corners, notch}) {
    EXPECT_FALSE(geosFindsSelfCrossing(path, 1e-4));
    for (double left : {0.1, -0.1}) {
      std::vector<BulgePath> out;
      EXPECT_EQ(offsetPath(path, left, out), OffsetStatus::kOk) << "offset " << left;
      EXPECT_FALSE(out.empty());
      for (const BulgePath& loop : out) EXPECT_TRUE(loop.closed);
    }
  }
}

TEST(PathOffsetSelfCrossing, OpenPathsThatCrossThemselvesKeepTheirBand) {
  BulgePath open = starPolygon(5, 2, 10.0);
  open.closed = false;
  std::vector<BulgePath> out;
  EXPECT_EQ(offsetPath(open, 1.0, out), OffsetStatus::kOk);
  EXPECT_FALSE(out.empty());
}
