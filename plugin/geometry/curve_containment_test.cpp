#include "plugin/geometry/curve_containment.h"

#include "plugin/geometry/polyline/polyline_fixture_test.h"

namespace {

class CurveContainmentTest : public PolylineFixture {
 protected:
  AcDbObjectId square(double x, double y, double side) {
    return addPolyline({{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}}, true);
  }
};

TEST_F(CurveContainmentTest, TellsNestingApartFromTouchingAndDisjoint) {
  const AcDbObjectId outer = square(0, 0, 10);
  const AcDbObjectId inner = square(2, 2, 3);
  EXPECT_EQ(ClassifyCurveContainment(outer, inner), 1);
  EXPECT_EQ(ClassifyCurveContainment(inner, outer), -1);
  EXPECT_EQ(ClassifyCurveContainment(outer, square(20, 0, 3)), 0);
  EXPECT_EQ(ClassifyCurveContainment(outer, square(10, 0, 3)), -2);
  EXPECT_EQ(ClassifyCurveContainment(outer, AcDbObjectId()), 0);
}

TEST_F(CurveContainmentTest, ACircleFitsWhereTheOutlineLeavesItRoom) {
  // A 20 x 10 slot with a round right end (centre (20, 5), radius 5).
  const AcDbObjectId slot = addPolyline({{0, 0}, {20, 0, 1.0}, {20, 10}, {0, 10}}, true, 4.0);
  EXPECT_TRUE(CircleFitsInBoundary(AcGePoint3d(10, 5, 0), 4.9, slot));
  EXPECT_TRUE(CircleFitsInBoundary(AcGePoint3d(10, 5, 0), 5.0, slot));  // touching both sides
  EXPECT_FALSE(CircleFitsInBoundary(AcGePoint3d(10, 5, 0), 5.01, slot));
  // Near the round end the arc, not the chord, decides.
  EXPECT_TRUE(CircleFitsInBoundary(AcGePoint3d(22, 5, 0), 2.9, slot));
  EXPECT_FALSE(CircleFitsInBoundary(AcGePoint3d(22, 5, 0), 3.1, slot));
  // Outside the outline nothing fits, however far it is.
  EXPECT_FALSE(CircleFitsInBoundary(AcGePoint3d(-50, 5, 0), 1.0, slot));
  // An open outline holds nothing.
  const AcDbObjectId open = addPolyline({{0, 0}, {20, 0}, {20, 10}, {0, 10}}, false);
  EXPECT_FALSE(CircleFitsInBoundary(AcGePoint3d(10, 5, 0), 1.0, open));
  EXPECT_FALSE(CircleFitsInBoundary(AcGePoint3d(10, 5, 0), 1.0, AcDbObjectId()));
}

}  // namespace
