#include <gtest/gtest.h>

#include "plugin/milling/simple/simple_cycle_form.h"
#include "plugin/milling/simple/simple_cycle_layers.h"

namespace {

TEST(SimpleCycleLayers, CountUpToTheDepthWithEvenStepsAndTheFirstAtTheStart) {
  const SimpleLayers same = MakeSimpleLayers(-5.0, -5.0, 10.0);
  EXPECT_EQ(same.count(), 1);
  EXPECT_DOUBLE_EQ(same.ZOf(0), -5.0);

  const SimpleLayers uneven = MakeSimpleLayers(0.0, -25.0, 10.0);
  ASSERT_EQ(uneven.count(), 4);
  EXPECT_NEAR(uneven.step, 8.3333333, 1e-6);
  EXPECT_NEAR(uneven.ZOf(1), -8.33, 0.01);
  EXPECT_NEAR(uneven.ZOf(2), -16.67, 0.01);
  EXPECT_DOUBLE_EQ(uneven.ZOf(3), -25.0);

  // A step that divides the depth makes no extra layer.
  const SimpleLayers even = MakeSimpleLayers(10.0, -10.0, 10.0);
  ASSERT_EQ(even.count(), 3);
  EXPECT_DOUBLE_EQ(even.ZOf(2), -10.0);

  // A depth above the start cuts once, at the start.
  const SimpleLayers above = MakeSimpleLayers(0.0, 5.0, 10.0);
  EXPECT_EQ(above.count(), 1);
  EXPECT_DOUBLE_EQ(above.ZOf(0), 0.0);
}

TEST(SimpleCycleLayers, StepsAreTheCeilingOfWidthOverStepover) {
  EXPECT_EQ(SimpleStepCount(160.0, 10.0), 16);
  EXPECT_EQ(SimpleStepCount(200.0, 30.0), 7);
  EXPECT_EQ(SimpleStepCount(70.0, 10.0), 7);
  EXPECT_EQ(SimpleStepCount(0.5, 10.0), 1);
  EXPECT_EQ(SimpleStepCount(0.0, 10.0), 0);
  EXPECT_EQ(SimpleStepCount(-3.0, 10.0), 0);
  EXPECT_EQ(SimpleStepCount(10.0, 0.0), 0);
  EXPECT_NEAR(TaperInset(10.0, 45.0), 10.0, 1e-9);
  EXPECT_NEAR(TaperInset(10.0, -45.0), -10.0, 1e-9);
}

TEST(ShapeInput, EachTypeReadsItsOwnFieldsAndIgnoresTheOthers) {
  ShapeFields shape;  // 200 x 160 about the origin, in all three ways
  for (const int type : {kShapeCentreSize, kShapeMinimumSize, kShapeMinimumMaximum}) {
    const ShapeRectangle r = ResolveShapeInput(type, shape);
    EXPECT_DOUBLE_EQ(r.cx, 0.0) << type;
    EXPECT_DOUBLE_EQ(r.cy, 0.0) << type;
    EXPECT_DOUBLE_EQ(r.width, 200.0) << type;
    EXPECT_DOUBLE_EQ(r.height, 160.0) << type;
  }
  shape.xCentre = 500.0f;  // only the first type looks at the centre
  shape.xMaximum = 30.0f;  // only the third at the maximum
  EXPECT_DOUBLE_EQ(ResolveShapeInput(kShapeCentreSize, shape).cx, 500.0);
  EXPECT_DOUBLE_EQ(ResolveShapeInput(kShapeMinimumSize, shape).cx, 0.0);
  const ShapeRectangle third = ResolveShapeInput(kShapeMinimumMaximum, shape);
  EXPECT_DOUBLE_EQ(third.width, 130.0);
  EXPECT_DOUBLE_EQ(third.cx, -35.0);
  // A maximum below the minimum gives a negative size; the generators refuse it.
  shape.xMaximum = -150.0f;
  EXPECT_LT(ResolveShapeInput(kShapeMinimumMaximum, shape).width, 0.0);
}

}  // namespace
