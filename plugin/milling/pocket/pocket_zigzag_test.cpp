#include "plugin/milling/pocket/pocket_zigzag.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace {

curve::BulgePath Square(double x0, double y0, double x1, double y1, bool clockwise) {
  curve::BulgePath path{{{{x0, y0}, 0}, {{x1, y0}, 0}, {{x1, y1}, 0}, {{x0, y1}, 0}}, true};
  if (clockwise) std::swap(path.vertices[1], path.vertices[3]);
  return path;
}

// Rows of a 10 x 10 square at y = 9.5 down to 0.5, the way a hatch at angle 0
// gives them; rows through the island at 4..6 come in two pieces.
std::vector<ZigzagLine> Rows() {
  std::vector<ZigzagLine> lines;
  for (double y = 9.5; y > 0; y -= 1.0) {
    if (y > 4 && y < 6) {
      lines.push_back({{0, y}, {4, y}});
      lines.push_back({{6, y}, {10, y}});
    } else {
      lines.push_back({{0, y}, {10, y}});
    }
  }
  return lines;
}

bool Inside(const AcGePoint2d& p, double x0, double y0, double x1, double y1) {
  return p.x > x0 + 1e-9 && p.x < x1 - 1e-9 && p.y > y0 + 1e-9 && p.y < y1 - 1e-9;
}

// Every row piece is cut once, in one direction or the other, and no pass
// enters the island.
void ExpectEveryLineCutOnce(const std::vector<std::vector<curve::BulgeVertex>>& passes,
                            const std::vector<ZigzagLine>& lines) {
  std::multiset<std::pair<double, double>> cut;
  for (const auto& pass : passes) {
    for (std::size_t i = 0; i + 1 < pass.size(); ++i) {
      const AcGePoint2d& a = pass[i].point;
      const AcGePoint2d& b = pass[i + 1].point;
      EXPECT_FALSE(Inside(a, 4, 4, 6, 6)) << a.x << "," << a.y;
      for (const ZigzagLine& line : lines) {
        if ((a == line.start && b == line.end) || (a == line.end && b == line.start))
          cut.insert({line.start.x, line.start.y});
      }
    }
  }
  EXPECT_EQ(cut.size(), lines.size());
  const std::set<std::pair<double, double>> distinct(cut.begin(), cut.end());
  EXPECT_EQ(distinct.size(), lines.size());
}

TEST(ZigzagOrder, TwoWayJoinsRowsAlongTheLoopsAndGoesAroundTheIsland) {
  const std::vector<curve::BulgePath> loops = {Square(0, 0, 10, 10, false), Square(4, 4, 6, 6, true)};
  const std::vector<ZigzagLine> lines = Rows();
  const auto passes = OrderZigzagLines(loops, lines, 1.0, 0.0, true);
  ASSERT_FALSE(passes.empty());
  EXPECT_LE(passes.size(), 3u);
  ExpectEveryLineCutOnce(passes, lines);
  // The first pass turns at the wall: its second row runs the other way.
  ASSERT_GE(passes[0].size(), 4u);
  EXPECT_DOUBLE_EQ(passes[0][0].point.x, 0.0);
  EXPECT_DOUBLE_EQ(passes[0][1].point.x, 10.0);
  EXPECT_DOUBLE_EQ(passes[0][2].point.x, 10.0);
  EXPECT_DOUBLE_EQ(passes[0][3].point.x, 0.0);
}

TEST(ZigzagOrder, OneWayCutsEveryLineTheSameWay) {
  const std::vector<curve::BulgePath> loops = {Square(0, 0, 10, 10, false), Square(4, 4, 6, 6, true)};
  const auto passes = OrderZigzagLines(loops, Rows(), 1.0, 0.0, false);
  ASSERT_EQ(passes.size(), Rows().size());
  for (const auto& pass : passes) {
    ASSERT_EQ(pass.size(), 2u);
    EXPECT_LT(pass[0].point.x, pass[1].point.x);
  }
}

// The picked start point: the first pass starts at the line end nearest it,
// whichever corner that is; one-way lines keep their way and start from the
// row nearest it.
TEST(ZigzagOrder, TheFirstPassStartsNearestThePickedPoint) {
  const std::vector<curve::BulgePath> loops = {Square(0, 0, 10, 10, false), Square(4, 4, 6, 6, true)};
  const std::vector<ZigzagLine> lines = Rows();
  const std::pair<AcGePoint2d, AcGePoint2d> picks[] = {
      {{11, 11}, {10, 9.5}}, {{-1, -1}, {0, 0.5}}, {{12, 0}, {10, 0.5}}, {{0, 9}, {0, 9.5}}};
  for (const auto& [picked, start] : picks) {
    const auto passes = OrderZigzagLines(loops, lines, 1.0, 0.0, true, &picked);
    ASSERT_FALSE(passes.empty());
    EXPECT_TRUE(passes[0].front().point.isEqualTo(start)) << picked.x << "," << picked.y;
    ExpectEveryLineCutOnce(passes, lines);
  }
  const AcGePoint2d low(3, -2);
  const auto oneWay = OrderZigzagLines(loops, lines, 1.0, 0.0, false, &low);
  ASSERT_EQ(oneWay.size(), lines.size());
  EXPECT_TRUE(oneWay.front().front().point.isEqualTo({0, 0.5}));
  for (const auto& pass : oneWay) EXPECT_LT(pass[0].point.x, pass[1].point.x);
}

TEST(ZigzagOrder, LineSpacingIsMeasuredAcrossTheLines) {
  AcGePoint2dArray starts, ends;
  starts.append(AcGePoint2d(0, 0));
  ends.append(AcGePoint2d(10, 10));
  starts.append(AcGePoint2d(5, 5));  // on the first line's carrier
  ends.append(AcGePoint2d(8, 8));
  starts.append(AcGePoint2d(0, 2));
  ends.append(AcGePoint2d(10, 12));
  double spacing = 0.0;
  ASSERT_TRUE(MeasureLineSpacing(starts, ends, spacing));
  EXPECT_NEAR(spacing, std::sqrt(2.0), 1e-12);
  starts.removeLast();
  ends.removeLast();
  EXPECT_FALSE(MeasureLineSpacing(starts, ends, spacing));
  EXPECT_EQ(spacing, 0.0);
}

}  // namespace
