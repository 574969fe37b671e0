#include "plugin/milling/pocket_link_area.h"

#include <gtest/gtest.h>

namespace {

curve::BulgePath Square(double x0, double y0, double x1, double y1) {
  return curve::BulgePath{{{{x0, y0}, 0}, {{x1, y0}, 0}, {{x1, y1}, 0}, {{x0, y1}, 0}}, true};
}

// A 100 x 60 area with a round hole of radius 10 at (50, 30).
PocketLinkArea AreaWithHole() {
  const curve::BulgePath hole{{{{60, 30}, 1.0}, {{40, 30}, 1.0}}, true};
  return PocketLinkArea({Square(0, 0, 100, 60), hole});
}

TEST(PocketLinkArea, InsideIsBetweenTheOutlineAndItsHoles) {
  const PocketLinkArea area = AreaWithHole();
  EXPECT_TRUE(area.contains({5, 5}));
  EXPECT_TRUE(area.contains({50, 45}));
  EXPECT_FALSE(area.contains({50, 30}));
  EXPECT_FALSE(area.contains({150, 30}));
  // On the outline counts as inside: passes start there.
  EXPECT_TRUE(area.contains({0, 30}));
  EXPECT_TRUE(area.contains({50, 40}));
  EXPECT_NEAR(area.distanceTo({50, 45}, 100), 5.0, 1e-9);
}

TEST(PocketLinkArea, AStraightMoveMayNotCrossAHoleNorLeaveTheOutline) {
  const PocketLinkArea area = AreaWithHole();
  EXPECT_TRUE(area.holdsStraightMove({5, 5}, {95, 5}));
  EXPECT_FALSE(area.holdsStraightMove({5, 30}, {95, 30}));
  EXPECT_FALSE(area.holdsStraightMove({5, 5}, {105, 5}));
  // From one point of the outline to another along the inside.
  EXPECT_TRUE(area.holdsStraightMove({0, 10}, {10, 0}));
  EXPECT_TRUE(area.holdsStraightMove({50, 40}, {50, 60}));
  // A move that only runs outside between two outline points.
  const PocketLinkArea notch(
      {curve::BulgePath{{{{0, 0}, 0}, {{10, 0}, 0}, {{5, 5}, 0}, {{10, 10}, 0}, {{0, 10}, 0}}, true}});
  EXPECT_FALSE(notch.holdsStraightMove({10, 0}, {10, 10}));
  EXPECT_FALSE(PocketLinkArea().holdsStraightMove({0, 0}, {1, 1}));
}

}  // namespace
