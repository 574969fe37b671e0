#include "plugin/geometry/plan_outline.h"

#include <cmath>
#include <random>

#include "platform/cad/curve/segment_intersect.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/curve_containment.h"
#include "plugin/geometry/distance_queries.h"
#include "plugin/geometry/polyline/polyline_fixture_test.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/shell/opened_object.h"

namespace {

class PlanOutlines : public PolylineFixture {
 protected:
  // A toothed ring of `count` vertices about (x, y), every third segment an arc; many
  // segments, so that the outline keeps a tree over their boxes.
  AcDbObjectId gear(double x, double y, double radius, int count) {
    std::vector<V> vertices;
    for (int i = 0; i < count; ++i) {
      const double a = 2.0 * M_PI * i / count, r = radius + (i % 4 < 2 ? 0.3 * radius : 0.0);
      vertices.push_back({x + r * std::cos(a), y + r * std::sin(a), i % 3 == 0 ? 0.4 : 0.0});
    }
    return addPolyline(vertices, true);
  }

  PlanOutline outlineOf(AcDbObjectId id) {
    PlanOutline outline;
    EXPECT_TRUE(outline.read(id));
    return outline;
  }

  // Every pair of segments measured, as a plain scan would.
  static double everyPair(AcDbObjectId a, AcDbObjectId b) {
    OpenedObject<AcDbPolyline> first(a, AcDb::kForRead), second(b, AcDb::kForRead);
    double least = kNoPolylineDistance;
    for (unsigned int i = 0; i < first->numVerts(); ++i)
      for (unsigned int j = 0; j < second->numVerts(); ++j)
        least = std::min(least, curve::distanceBetween(segmentOf(*first, i), segmentOf(*second, j), 1e-10));
    return least;
  }

  static curve::BulgeSeg segmentOf(const AcDbPolyline& polyline, unsigned int i) {
    curve::BulgeSeg s;
    polyline.getPointAt(i, s.start);
    polyline.getPointAt((i + 1) % polyline.numVerts(), s.end);
    polyline.getBulgeAt(i, s.bulge);
    return s;
  }
};

TEST_F(PlanOutlines, PrunedDistancesAgreeWithEveryPairMeasured) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> at(-40.0, 40.0), size(1.0, 15.0);
  const AcDbObjectId big = gear(0, 0, 20, 120);
  const PlanOutline bigOutline = outlineOf(big);
  for (int k = 0; k < 40; ++k) {
    const AcDbObjectId other = k % 2 == 0 ? gear(at(random), at(random), size(random), 8) : gear(at(random), at(random), size(random), 60);
    const double expected = everyPair(big, other);
    EXPECT_NEAR(bigOutline.distanceTo(outlineOf(other), kNoPolylineDistance), expected, 1e-12) << k;
    EXPECT_NEAR(outlineOf(other).distanceTo(bigOutline, kNoPolylineDistance), expected, 1e-12) << k;
    EXPECT_EQ(bigOutline.reaches(outlineOf(other), 0.5, 1e-12), expected <= 0.5) << k;
  }
}

TEST_F(PlanOutlines, InsideAsThePolylineTestJudgesIt) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> at(-35.0, 35.0);
  // Arcs bulging either way, so that points lie in caps on both sides of chords.
  const AcDbObjectId ids[] = {gear(0, 0, 20, 90), addPolyline({{0, 0, 1.0}, {10, 0, -0.5}, {10, 10, 0}, {0, 10, 0.7}}, true),
                              addPolyline({{-10, -10}, {10, -10}, {10, 10}}, false)};
  for (const AcDbObjectId id : ids) {
    const PlanOutline outline = outlineOf(id);
    std::vector<AcGePoint2d> points;
    for (int k = 0; k < 3000; ++k) points.emplace_back(at(random), at(random));
    // On chords and vertices, where the even-odd rule is most delicate.
    {
      OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
      for (unsigned int i = 0; i < polyline->numVerts(); ++i) {
        const curve::BulgeSeg s = segmentOf(*polyline, i);
        points.push_back(s.start);
        points.emplace_back((s.start.x + s.end.x) / 2, (s.start.y + s.end.y) / 2);
      }
    }
    for (const AcGePoint2d& p : points)
      ASSERT_EQ(outline.holds(p), IsPointInsidePolyline(id, AcGePoint3d(p.x, p.y, 0))) << p.x << " " << p.y;
  }
}

TEST_F(PlanOutlines, ContainmentOfIslandsInARing) {
  const AcDbObjectId ring = gear(0, 0, 30, 200);
  const AcDbObjectId inside = gear(0, 0, 5, 12);
  const AcDbObjectId outside = gear(100, 0, 5, 12);
  const AcDbObjectId crossing = gear(30, 0, 5, 12);
  const ContainmentOutline containment(ring);
  for (const AcDbObjectId island : {inside, outside, crossing}) {
    EXPECT_EQ(containment.classify(island), ClassifyCurveContainment(ring, island));
  }
  EXPECT_EQ(containment.classify(inside), 1);
  EXPECT_EQ(containment.classify(outside), 0);
  EXPECT_EQ(containment.classify(crossing), -2);
  EXPECT_EQ(ClassifyCurveContainment(inside, ring), -1);
}

TEST_F(PlanOutlines, SetsOfManyOutlinesMeasureAsTheListDoes) {
  AcDbObjectIdArray islands;
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 5; ++j) islands.append(gear(20.0 * i, 20.0 * j, 3, 8));
  const OutlineSet set(islands);
  std::mt19937 random(3);
  std::uniform_real_distribution<double> at(-20.0, 120.0);
  for (int k = 0; k < 20; ++k) {
    const AcDbObjectId piece = gear(at(random), at(random), 2, 10);
    double expected = 0.0, measured = 0.0;
    ASSERT_TRUE(MinDistancePolylineToPolylines(piece, islands, expected));
    ASSERT_TRUE(set.leastDistanceTo(piece, measured));
    EXPECT_EQ(measured, expected) << k;
    const AcGePoint3d point(at(random), at(random), 0);
    ASSERT_TRUE(MinDistancePointToPolylines(point, islands, expected));
    ASSERT_TRUE(set.leastDistanceTo(point, measured));
    EXPECT_EQ(measured, expected) << k;
  }
  AcDbObjectIdArray withBroken = islands;
  withBroken.append(AcDbObjectId());
  double d = 0.0;
  EXPECT_FALSE(OutlineSet(withBroken).leastDistanceTo(islands[0], d));
}

}  // namespace
