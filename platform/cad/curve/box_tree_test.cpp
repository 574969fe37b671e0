#include "platform/cad/curve/box_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

using namespace curve;

namespace {

std::vector<Box2> randomBoxes(int n, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> at(0.0, 100.0), size(0.0, 5.0);
  std::vector<Box2> boxes;
  for (int i = 0; i < n; ++i) {
    const double x = at(rng), y = at(rng);
    boxes.push_back({x, y, x + size(rng), y + size(rng)});
  }
  return boxes;
}

}  // namespace

TEST(BoxTree, QueriesFindExactlyTheOverlappingBoxes) {
  const std::vector<Box2> boxes = randomBoxes(500, 1);
  const BoxTree tree(boxes);
  std::mt19937 rng(2);
  std::uniform_real_distribution<double> at(-10.0, 110.0);
  for (int q = 0; q < 200; ++q) {
    const double x = at(rng), y = at(rng);
    const Box2 query{x, y, x + 8.0, y + 3.0};
    std::vector<int> found, expected;
    tree.query(query, [&](int i) { found.push_back(i); });
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i)
      if (boxes[static_cast<size_t>(i)].overlaps(query)) expected.push_back(i);
    std::sort(found.begin(), found.end());
    ASSERT_EQ(found, expected);

    int visits = 0;
    const bool finished = tree.queryUntil(query, [&](int) { return ++visits < 2; });
    EXPECT_EQ(finished, expected.size() < 2);
    EXPECT_EQ(visits, std::min<int>(2, static_cast<int>(expected.size())));
  }
}

TEST(BoxTree, NearestMatchesAFullSearchAndHonoursTheBound) {
  const std::vector<Box2> boxes = randomBoxes(800, 3);
  const BoxTree tree(boxes);
  // Distance to a box's centre: never less than the distance to the box, as required.
  auto centreDistance = [&](const AcGePoint2d& p, int i) {
    const Box2& b = boxes[static_cast<size_t>(i)];
    return p.distanceTo(AcGePoint2d((b.minX + b.maxX) / 2, (b.minY + b.maxY) / 2));
  };
  std::mt19937 rng(4);
  std::uniform_real_distribution<double> at(-50.0, 150.0);
  for (int q = 0; q < 300; ++q) {
    const AcGePoint2d p(at(rng), at(rng));
    double expected = 1e300;
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i) expected = std::min(expected, centreDistance(p, i));
    EXPECT_DOUBLE_EQ(tree.nearest(p, 1e300, [&](int i) { return centreDistance(p, i); }), expected);
    EXPECT_EQ(tree.nearest(p, expected * 0.5, [&](int i) { return centreDistance(p, i); }), expected * 0.5);
  }
}

TEST(BoxTree, ManyEqualBoxesAndNoBoxes) {
  const BoxTree same(std::vector<Box2>(3000, Box2{1, 1, 2, 2}));
  int count = 0;
  same.query({0, 0, 1.5, 1.5}, [&](int) { ++count; });
  EXPECT_EQ(count, 3000);
  EXPECT_EQ(same.nearest({0, 0}, 10.0, [](int) { return 5.0; }), 5.0);

  const BoxTree none({});
  EXPECT_TRUE(none.queryUntil({0, 0, 1, 1}, [](int) { return false; }));
  EXPECT_EQ(none.nearest({0, 0}, 7.0, [](int) { return 1.0; }), 7.0);
}

// Over segments the nodes are also bounded by turned boxes; those must never pass over a
// segment, whether the query stands near the centre of a toothed ring, where everything is
// almost equally far, or among scattered lines and arcs.
TEST(BoxTree, SegmentTreesFindTheNearestAsAFullSearchDoes) {
  std::vector<BulgeSeg> segs;
  const int teeth = 2000;
  for (int i = 0; i < teeth; ++i) {
    auto at = [&](int k) {
      const double a = k * 2 * 3.14159265358979 / teeth;
      const double r = 50.0 + (k % 4 < 2 ? 0.3 : 0.0);
      return AcGePoint2d(r * std::cos(a), r * std::sin(a));
    };
    segs.push_back({at(i), at(i + 1), i % 2 == 0 ? 0.3 : 0.0});
  }
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> coord(-80.0, 80.0), bulge(-3.0, 3.0);
  for (int i = 0; i < 300; ++i)
    segs.push_back({{coord(rng), coord(rng)}, {coord(rng), coord(rng)}, i % 3 == 0 ? 0.0 : bulge(rng)});
  std::vector<Box2> boxes;
  for (const BulgeSeg& s : segs) boxes.push_back(s.box());
  const std::vector<PreparedSeg> prepared(segs.begin(), segs.end());
  const BoxTree tree(boxes, prepared);

  std::vector<AcGePoint2d> queries;
  for (double r : {0.0, 1e-3, 0.1, 1.0})
    for (int k = 0; k < 7; ++k) queries.push_back({r * std::cos(k * 0.9), r * std::sin(k * 0.9)});
  for (int k = 0; k < 200; ++k) queries.push_back({coord(rng) * 1.2, coord(rng) * 1.2});
  for (const AcGePoint2d& p : queries) {
    double expected = 1e300;
    for (const PreparedSeg& s : prepared) expected = std::min(expected, s.distanceTo(p));
    auto distance = [&](int i) { return prepared[static_cast<size_t>(i)].distanceTo(p); };
    ASSERT_EQ(tree.nearest(p, 1e300, distance), expected) << p.x << "," << p.y;
    auto within = [&](double limit) { return [&, limit](int i) { return distance(i) < limit; }; };
    EXPECT_TRUE(tree.anyWithin(p, expected * (1 + 1e-12) + 1e-300, within(expected * (1 + 1e-12) + 1e-300)));
    EXPECT_FALSE(tree.anyWithin(p, expected, within(expected)));
  }
}

// A tree split by path order finds what one split by position finds, before its bounds
// are tightened and after, over a toothed ring where neighbours along the path lie near
// each other and some arcs loop far out.
TEST(BoxTree, TreesInPathOrderFindWhatAFullSearchFinds) {
  std::vector<BulgeSeg> segs;
  const int teeth = 1000;
  auto at = [&](int k) {
    const double a = k * 2 * 3.14159265358979 / teeth;
    const double r = 40.0 + (k % 4 < 2 ? 0.5 : 0.0);
    return AcGePoint2d(r * std::cos(a), r * std::sin(a));
  };
  for (int i = 0; i < teeth; ++i) segs.push_back({at(i), at(i + 1), i % 7 == 0 ? -2.5 : (i % 2 == 0 ? 0.3 : 0.0)});
  std::vector<Box2> boxes;
  for (const BulgeSeg& s : segs) boxes.push_back(s.box());
  const std::vector<PreparedSeg> prepared(segs.begin(), segs.end());
  BoxTree tree = BoxTree::inPathOrder(boxes);

  std::mt19937 rng(6);
  std::uniform_real_distribution<double> coord(-60.0, 60.0);
  for (int round = 0; round < 2; ++round) {
    for (int q = 0; q < 150; ++q) {
      const double x = coord(rng), y = coord(rng);
      const Box2 query{x, y, x + 3.0, y + 1.0};
      std::vector<int> found, expected;
      tree.query(query, [&](int i) { found.push_back(i); });
      for (int i = 0; i < static_cast<int>(boxes.size()); ++i)
        if (boxes[static_cast<size_t>(i)].overlaps(query)) expected.push_back(i);
      std::sort(found.begin(), found.end());
      ASSERT_EQ(found, expected);

      const AcGePoint2d p(x, y);
      double nearest = 1e300;
      for (const PreparedSeg& s : prepared) nearest = std::min(nearest, s.distanceTo(p));
      auto distance = [&](int i) { return prepared[static_cast<size_t>(i)].distanceTo(p); };
      ASSERT_EQ(tree.nearest(p, 1e300, distance), nearest) << round;
      auto within = [&](double limit) { return [&, limit](int i) { return distance(i) < limit; }; };
      EXPECT_TRUE(tree.anyWithin(p, nearest * (1 + 1e-12) + 1e-300, within(nearest * (1 + 1e-12) + 1e-300)));
      EXPECT_FALSE(tree.anyWithin(p, nearest, within(nearest)));
    }
    tree.tighten(prepared);
  }

  EXPECT_TRUE(BoxTree::inPathOrder({}).queryUntil({0, 0, 1, 1}, [](int) { return false; }));
  int visits = 0;
  BoxTree::inPathOrder({Box2{0, 0, 1, 1}}).query({0.5, 0.5, 2, 2}, [&](int) { ++visits; });
  EXPECT_EQ(visits, 1);
}
