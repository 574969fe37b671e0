#include "plugin/milling/drill/point_ordering.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using Pts = std::vector<AcGePoint3d>;

Pts Ordered(const Pts& points, int method, double tolerance = 1.0) {
  AcGePoint3dArray array;
  for (const AcGePoint3d& p : points) array.append(p);
  OrderDrillPoints(array, method, tolerance);
  return Pts(array.begin(), array.end());
}

// Given out of order, so that no method passes by keeping the input.
const Pts kSquare = {{10, 10, 0}, {0, 0, 0}, {10, 0, 0}, {0, 10, 0}};

TEST(OrderDrillPoints, EachMethodSweepsTheSquareItsOwnWay) {
  const AcGePoint3d a(0, 0, 0), b(0, 10, 0), c(10, 0, 0), d(10, 10, 0);
  const std::pair<int, Pts> orders[] = {
      {kSortColumnsUp, {a, b, c, d}},
      {kSortColumnsZigzagUp, {a, b, d, c}},
      {kSortRowsRight, {a, c, b, d}},
      {kSortRowsZigzag, {a, c, d, b}},
      {kSortColumnsDown, {b, a, d, c}},
      {kSortColumnsZigzagDown, {b, a, c, d}},
      {kSortRowsFromTop, {b, d, a, c}},
      {kSortRowsFromTopZigzag, {b, d, c, a}},
      // From (0,0) two points tie at distance 10; the first of them in the list is taken.
      {kSortNearestNext, {a, c, d, b}},
  };
  for (const auto& [method, expected] : orders) EXPECT_EQ(Ordered(kSquare, method), expected) << method;
  const Pts grid = {{10, 5, 0}, {5, 0, 0}, {0, 5, 0}, {10, 0, 0}, {0, 0, 0}, {5, 5, 0}};
  EXPECT_EQ(Ordered(grid, kSortColumnsZigzagUp),
            (Pts{{0, 0, 0}, {0, 5, 0}, {5, 5, 0}, {5, 0, 0}, {10, 0, 0}, {10, 5, 0}}));
}

TEST(OrderDrillPoints, ToleranceGroupsColumnsAndTiesGoToTheLastInTheList) {
  const Pts points = {{0, 5, 0}, {0.5, 0, 0}};
  EXPECT_EQ(Ordered(points, kSortColumnsUp, 1.0), (Pts{{0.5, 0, 0}, {0, 5, 0}}));
  EXPECT_EQ(Ordered(points, kSortColumnsUp, 0.4), points);
  EXPECT_EQ(Ordered({{0, 5, 0}, {1, 0, 0}}, kSortColumnsUp, 1.0), (Pts{{1, 0, 0}, {0, 5, 0}}));
  const Pts stacked = {{0, 0, 1}, {0, 0, 2}, {3, 0, 0}};
  EXPECT_EQ(Ordered(stacked, kSortRowsRight), (Pts{{0, 0, 2}, {0, 0, 1}, {3, 0, 0}}));
}

TEST(OrderDrillPoints, NearestNextWalksToTheClosestPoint) {
  // (1,0) shares the start's column and height; the first of them starts.
  EXPECT_EQ(Ordered({{0, 0, 0}, {5, 0, 0}, {1, 0, 0}, {3, 0, 0}}, kSortNearestNext),
            (Pts{{0, 0, 0}, {1, 0, 0}, {3, 0, 0}, {5, 0, 0}}));
  // Nothing within the search distance: the first remaining point comes next.
  const Pts far = {{0, 0, 0}, {300000, 0, 0}, {200000, 0, 0}};
  EXPECT_EQ(Ordered(far, kSortNearestNext), far);
  EXPECT_EQ(Ordered({{0, 9, 0}, {0.5, 2, 0}, {4, 2, 0}}, kSortNearestNext), (Pts{{0.5, 2, 0}, {4, 2, 0}, {0, 9, 0}}));
}

TEST(OrderDrillPoints, NoPointIsEverLost) {
  for (int method : {1, 2, 3, 4, 5, 6, 7, 8, 17}) {
    EXPECT_TRUE(Ordered({}, method).empty());
    EXPECT_EQ(Ordered({{4, 5, 6}}, method), (Pts{{4, 5, 6}}));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Ordered({{nan, 0, 0}, {1, 1, 0}, {2, 2, 0}}, method).size(), 3u) << method;
  }
  EXPECT_EQ(Ordered(kSquare, 9), kSquare);
  const Pts far = {{2000000, 5, 0}, {2000000, 1, 0}, {-3000000, 0, 0}};
  EXPECT_EQ(Ordered(far, kSortColumnsUp), (Pts{{-3000000, 0, 0}, {2000000, 1, 0}, {2000000, 5, 0}}));
}

}  // namespace
