#include "plugin/milling/simple/simple_sphere_circles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

SimpleSphereShape Sphere(int form, int toolType) {
  SimpleSphereShape s;
  s.form = form;
  s.radius = 50.0;
  s.stepover = 2.0;
  s.startAngle = 0.0;
  s.endAngle = 90.0;
  s.toolType = toolType;
  s.toolDiameter = 20.0;
  s.allowance = 0.5;
  s.centreZ = -7.0;
  return s;
}

// Where the ball's centre runs: the tip plus the tool radius.
double BallCentreDistance(const SimpleSphereShape& s, const SphereToolCircle& c) {
  return std::hypot(c.radius, c.z + s.toolDiameter / 2.0 - s.centreZ);
}

TEST(SimpleSphereCircles, TheAngleStepFollowsTheStepoverAlongTheGreatCircleEvenedOverTheSpan) {
  SimpleSphereShape s = Sphere(kSphereCore, 2);
  double step = 0.0;
  EXPECT_EQ(SphereAngleSteps(s, step), 40);
  EXPECT_NEAR(step, 2.25, 1e-12);
  // The core's first circle at 0 degrees would be the pole: circles 1 to 40.
  const std::vector<SphereToolCircle> circles = SphereToolCircles(s);
  ASSERT_EQ(circles.size(), 40u);
  EXPECT_GT(circles.front().z, circles.back().z);
  for (const SphereToolCircle& c : circles) EXPECT_NEAR(BallCentreDistance(s, c), 50.0 + 10.0 + 0.5, 1e-9);
  EXPECT_NEAR(circles.back().radius, 60.5, 1e-9);  // the equator at 90 degrees from the top
}

TEST(SimpleSphereCircles, ABowlRunsFromTheRimDownToTheEndAngleWithTheBallInsideTheSurface) {
  SimpleSphereShape s = Sphere(kSphereCavity, 2);
  s.endAngle = 60.0;
  double step = 0.0;
  const int steps = SphereAngleSteps(s, step);
  const std::vector<SphereToolCircle> circles = SphereToolCircles(s);
  ASSERT_EQ(static_cast<int>(circles.size()), steps + 1);
  EXPECT_NEAR(circles.front().radius, 39.5, 1e-9);  // the rim
  for (const SphereToolCircle& c : circles) EXPECT_NEAR(BallCentreDistance(s, c), 50.0 - 10.0 - 0.5, 1e-9);
  // The last circle lies at the end angle itself.
  EXPECT_NEAR(circles.back().radius, 39.5 * std::cos(60.0 * std::acos(-1.0) / 180.0), 1e-9);

  // Down to the bottom, the circle of radius 0 is left out.
  s.endAngle = 90.0;
  EXPECT_EQ(SphereToolCircles(s).size(), 40u);
}

TEST(SimpleSphereCircles, AFlatToolSkipsTheBowlCirclesItIsTooWideFor) {
  const SimpleSphereShape s = Sphere(kSphereCavity, 1);
  double step = 0.0;
  const int steps = SphereAngleSteps(s, step);
  const std::vector<SphereToolCircle> circles = SphereToolCircles(s);
  EXPECT_LT(static_cast<int>(circles.size()), steps + 1);
  for (const SphereToolCircle& c : circles) EXPECT_GT(c.radius, 0.0);
}

TEST(SimpleSphereCircles, NoRadiusNoStepoverOrNoSpanMakesNothingInsteadOfDividingByZero) {
  SimpleSphereShape s = Sphere(kSphereCore, 3);
  s.cornerRadius = 2.0;
  EXPECT_FALSE(SphereToolCircles(s).empty());
  for (auto change : {+[](SimpleSphereShape& t) { t.radius = 0.0; }, +[](SimpleSphereShape& t) { t.stepover = 0.0; },
                      +[](SimpleSphereShape& t) { t.startAngle = t.endAngle = 30.0; }}) {
    SimpleSphereShape bad = s;
    change(bad);
    double step = 0.0;
    EXPECT_EQ(SphereAngleSteps(bad, step), 0);
    EXPECT_TRUE(SphereToolCircles(bad).empty());
  }
}

}  // namespace
