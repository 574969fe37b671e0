// Outlines started where nothing turns (a vertex in the middle of a straight side) and
// outlines with arcs of three quarters of a turn and more: every offset must be closed
// loops at the distance, bounding what GEOS's buffer bounds.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/cad/curve/offset/path_offset.h"
#include "platform/cad/curve/offset_oracle/offset_check.h"
#include "platform/cad/curve/offset_oracle/offset_shapes.h"

using namespace curve;
using namespace curve::oracle;

namespace {

BulgePath reversedPath(const BulgePath& path) {
  BulgePath out;
  out.closed = true;
  const int n = static_cast<int>(path.vertices.size());
  for (int i = n - 1; i >= 0; --i)
    out.vertices.push_back({path.vertices[static_cast<size_t>(i)].point,
                            -path.vertices[static_cast<size_t>((i - 1 + n) % n)].bulge});
  return out;
}

// The same outline started at vertex k.
BulgePath startedAt(const BulgePath& path, int k) {
  BulgePath out;
  out.closed = true;
  const int n = static_cast<int>(path.vertices.size());
  for (int i = 0; i < n; ++i) out.vertices.push_back(path.vertices[static_cast<size_t>((i + k) % n)]);
  return out;
}

void expectSoundBothSides(const BulgePath& path, double d, int loops = -1) {
  for (double left : {d, -d}) {
    std::vector<BulgePath> out;
    ASSERT_EQ(offsetPath(path, left, out), OffsetStatus::kOk) << "offset " << left;
    const OffsetVerdict verdict = checkOffset(path, left, out);
    EXPECT_TRUE(verdict.ok()) << verdict.fault;
    EXPECT_TRUE(verdict.checked) << "GEOS took the shape for no polygon";
    if (loops >= 0) {
      EXPECT_EQ(static_cast<int>(out.size()), loops) << "offset " << left;
    }
  }
}

// Every start and both directions of travel.
template <class Check>
void forEveryStart(const BulgePath& path, Check&& check) {
  for (bool backwards : {false, true}) {
    const BulgePath run = backwards ? reversedPath(path) : path;
    for (int k = 0; k < static_cast<int>(run.vertices.size()); ++k) {
      SCOPED_TRACE(testing::Message() << (backwards ? "clockwise" : "counter-clockwise") << ", start " << k);
      check(startedAt(run, k));
    }
  }
}

}  // namespace

// A rectangle with an extra vertex in the middle of its sides, the way one drawn from
// mid-edge comes.
TEST(OffsetStarts, StraightVerticesMidSideChangeNothing) {
  const BulgePath rect = closedPath({{{100, 0}, 0}, {{200, 0}, 0}, {{200, 150}, 0}, {{0, 150}, 0}, {{0, 0}, 0}});
  const BulgePath twice =
      closedPath({{{100, 0}, 0}, {{200, 0}, 0}, {{200, 75}, 0}, {{200, 150}, 0}, {{0, 150}, 0}, {{0, 0}, 0}});
  for (const BulgePath& shape : {rect, twice})
    forEveryStart(shape, [](const BulgePath& path) {
      for (double d : {0.5, 5.0, 5.5, 10.5, 74.0}) {
        SCOPED_TRACE(testing::Message() << "d " << d);
        expectSoundBothSides(path, d, 1);
      }
    });
}

// Near collapse the short sides, each with a straight vertex, are squeezed out.
TEST(OffsetStarts, StraightVerticesOnSidesSqueezedOut) {
  const BulgePath slim = closedPath({{{0, 0}, 0}, {{50, 0}, 0}, {{100, 0}, 0}, {{75, 5}, 0}, {{50, 10}, 0}, {{25, 5}, 0}});
  forEveryStart(slim, [](const BulgePath& path) {
    for (double d : {0.5, 2.0, 4.0, 4.8, 4.95, 6.0}) {
      SCOPED_TRACE(testing::Message() << "d " << d);
      expectSoundBothSides(path, d);
    }
  });
}

// The straight vertex next to rounded corners, and on an arc run on by another of the same circle.
TEST(OffsetStarts, StraightVerticesBesideArcsChangeNothing) {
  const double b = std::tan(M_PI / 8);  // a quarter turn
  const BulgePath rounded = closedPath({{{50, 0}, 0},
                                        {{90, 0}, b},
                                        {{100, 10}, 0},
                                        {{100, 50}, b},
                                        {{90, 60}, 0},
                                        {{10, 60}, b},
                                        {{0, 50}, 0},
                                        {{0, 10}, b},
                                        {{10, 0}, 0}});
  const double half = std::tan(M_PI / 16);  // two eighths of a turn make the corner
  const BulgePath split = closedPath({{{0, 0}, 0},
                                      {{90, 0}, half},
                                      {{90 + 10 * std::sin(M_PI / 4), 10 - 10 * std::cos(M_PI / 4)}, half},
                                      {{100, 10}, 0},
                                      {{100, 60}, 0},
                                      {{0, 60}, 0}});
  for (const BulgePath& shape : {rounded, split})
    forEveryStart(shape, [](const BulgePath& path) {
      for (double d : {0.5, 5.0, 9.5, 12.0, 29.0}) {
        SCOPED_TRACE(testing::Message() << "d " << d);
        expectSoundBothSides(path, d, 1);
      }
    });
}

// Arcs of 270 degrees and more: a bump of three quarters of a circle on a rectangle, a
// lobe of three quarters round a corner, and a "D" of 300 degrees with a straight vertex
// halfway along its flat.
TEST(OffsetStarts, ArcsOfThreeQuartersAndMoreKeepTheirCorners) {
  const double threeQuarters = std::tan(3 * M_PI / 8);
  const double foot = 10 * std::sqrt(0.5);
  const BulgePath bump = closedPath({{{0, 0}, 0},
                                     {{60, 0}, 0},
                                     {{60, 40}, 0},
                                     {{30 + foot, 40}, threeQuarters},
                                     {{30 - foot, 40}, 0},
                                     {{0, 40}, 0}});
  const BulgePath lobe = closedPath({{{0, 0}, 0}, {{40, 0}, 0}, {{40, 20}, threeQuarters}, {{20, 40}, 0}, {{0, 40}, 0}});
  const double r = 10;
  const AcGePoint2d top(r * std::cos(5 * M_PI / 6), r * std::sin(5 * M_PI / 6));
  const BulgePath d300 = closedPath(
      {{{top.x, -top.y}, std::tan(300.0 / 4 * M_PI / 180)}, {top, 0}, {{top.x, 0}, 0}});
  for (const BulgePath& shape : {bump, lobe, d300})
    forEveryStart(shape, [](const BulgePath& path) {
      for (double d : {0.5, 3.0, 5.5, 9.0}) {
        SCOPED_TRACE(testing::Message() << "d " << d);
        expectSoundBothSides(path, d);
      }
    });
}
