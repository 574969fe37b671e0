#include "plugin/geometry/passes/pass_clipping.h"

#include <cmath>

#include "platform/cad/db/entities/db_line.h"
#include "plugin/geometry/polyline/polyline_fixture_test.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_properties.h"

namespace {

class PassClipping : public PolylineFixture {
 protected:
  AcDbObjectId square(double x, double y, double side, double elevation = 0.0) {
    return addPolyline({{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}}, true, elevation);
  }
  double totalLength(const AcDbObjectIdArray& ids) {
    double sum = 0.0;
    for (int i = 0; i < ids.length(); ++i) sum += GetPolylineLength(ids[i]);
    return sum;
  }
};

TEST_F(PassClipping, APassCrossingTheBoundaryIsCutIntoItsInsideAndOutsideParts) {
  // The pass starts inside the boundary: its inside part runs over its start vertex.
  const AcDbObjectId pass = addPolyline({{5, 2}, {5, 8}, {-5, 8}, {-5, 2}}, true, 3.0);
  const AcDbObjectId boundary = square(0, 0, 10);
  AcDbObjectIdArray inside;
  ASSERT_TRUE(ClipPassesToRegion(Ids({pass}), Ids({boundary}), inside, 0));
  ASSERT_EQ(inside.length(), 1);
  EXPECT_NEAR(GetPolylineLength(inside[0]), 5.0 + 6.0 + 5.0, 1e-9);
  const auto v = vertices(inside[0]);
  ASSERT_EQ(v.size(), 4u);
  EXPECT_LT(v.front().point.distanceTo(AcGePoint2d(0, 2)), 1e-9);
  EXPECT_LT(v.back().point.distanceTo(AcGePoint2d(0, 8)), 1e-9);
  // The boundary was brought to the passes' level, where they cross.
  double z = 0.0;
  ASSERT_TRUE(GetPolylineElevation(boundary, z));
  EXPECT_EQ(z, 3.0);
  EXPECT_EQ(pointAtParam(inside[0], 0).z, 3.0);

  AcDbObjectIdArray outside;
  ASSERT_TRUE(ClipPassesToRegion(Ids({pass}), Ids({boundary}), outside, 1));
  ASSERT_EQ(outside.length(), 1);
  EXPECT_NEAR(GetPolylineLength(outside[0]), 5.0 + 6.0 + 5.0, 1e-9);
  EXPECT_FALSE(vertices(pass).empty());  // the pass stays
}

TEST_F(PassClipping, PassesThatDoNotCrossAreKeptWholeOrLeftOutAndNeverTwice) {
  const AcDbObjectId first = square(0, 0, 10);
  const AcDbObjectId second = square(50, 0, 10);
  const AcDbObjectId inSecond = square(52, 2, 3);
  const AcDbObjectId apart = square(100, 0, 3);
  const AcDbObjectId aroundFirst = square(-5, -5, 20);
  AcDbObjectIdArray kept;
  ASSERT_TRUE(ClipPassesToRegion(Ids({inSecond, apart, aroundFirst}), Ids({first, second}), kept, 0));
  ASSERT_EQ(kept.length(), 1);
  EXPECT_NE(kept[0], inSecond);  // a copy
  EXPECT_NEAR(GetCurveArea(kept[0]), 9.0, 1e-9);

  ASSERT_TRUE(ClipPassesToRegion(Ids({inSecond, apart, aroundFirst}), Ids({first, second}), kept, 1));
  ASSERT_EQ(kept.length(), 2);
  EXPECT_NEAR(totalLength(kept), 12.0 + 80.0, 1e-9);
}

TEST_F(PassClipping, ACrossingOfTwoBoundariesKeepsThePartsInEither) {
  // An open pass along y = 5 through two boundaries.
  const AcDbObjectId pass = addPolyline({{-10, 5}, {70, 5}}, false);
  AcDbObjectIdArray kept;
  ASSERT_TRUE(ClipPassesToRegion(Ids({pass}), Ids({square(0, 0, 10), square(50, 0, 10)}), kept, 0));
  ASSERT_EQ(kept.length(), 2);
  EXPECT_NEAR(totalLength(kept), 20.0, 1e-9);
}

TEST_F(PassClipping, EmptyListsClipNothing) {
  AcDbObjectIdArray kept;
  kept.append(square(0, 0, 1));
  EXPECT_FALSE(ClipPassesToRegion(Ids({}), Ids({square(0, 0, 10)}), kept, 0));
  EXPECT_TRUE(kept.isEmpty());
  EXPECT_FALSE(ClipPassesToRegion(Ids({square(0, 0, 10)}), Ids({}), kept, 0));
}

}  // namespace
