#include "plugin/geometry/curve_containment.h"

#include "plugin/geometry/polyline_fixture_test.h"

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

}  // namespace
