#include "plugin/milling/simple/simple_profile_passes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "plugin/milling/simple/simple_cycle_layers.h"
#include "plugin/milling/simple/simple_profile_dlg.h"

namespace {

struct Box {
  double minX, maxX, minY, maxY;
};

Box BoxOf(const SimpleProfilePass& pass) {
  Box b{1e300, -1e300, 1e300, -1e300};
  for (const PolylineVertex& v : pass.vertices) {
    b.minX = std::min(b.minX, v.point.x);
    b.maxX = std::max(b.maxX, v.point.x);
    b.minY = std::min(b.minY, v.point.y);
    b.maxY = std::max(b.maxY, v.point.y);
  }
  return b;
}

int ArcCount(const SimpleProfilePass& pass) {
  return static_cast<int>(std::count_if(pass.vertices.begin(), pass.vertices.end(),
                                        [](const PolylineVertex& v) { return v.bulge != 0.0; }));
}

bool HasVertex(const SimpleProfilePass& pass, double x, double y) {
  return std::any_of(pass.vertices.begin(), pass.vertices.end(),
                     [&](const PolylineVertex& v) { return v.point.distanceTo(AcGePoint2d(x, y)) < 1e-9; });
}

SimpleProfilePlan PlanOf(const CSimpleProfileDlg& dlg) {
  const SimpleLayers layers = MakeSimpleLayers(dlg.m_StartHeight, dlg.m_Depth, dlg.m_ZStepover);
  std::vector<double> z, depth;
  for (int j = 0; j < layers.count(); ++j) {
    z.push_back(layers.ZOf(j));
    depth.push_back(layers.DepthOf(j));
  }
  return PlanSimpleProfile(SimpleProfileShapeOf(dlg), z, depth);
}

TEST(SimpleProfilePasses, OnTheOutlineTheDefaultsCutTheRectangleItselfOnceAtEveryLayer) {
  CSimpleProfileDlg dlg;
  dlg.m_PassCount = 4;  // not used on the outline
  const SimpleProfilePlan plan = PlanOf(dlg);
  ASSERT_EQ(plan.passes.size(), 6u);
  for (std::size_t j = 0; j < plan.passes.size(); ++j) {
    const SimpleProfilePass& pass = plan.passes[j];
    EXPECT_DOUBLE_EQ(pass.z, -10.0 * static_cast<double>(j));
    const Box b = BoxOf(pass);
    EXPECT_DOUBLE_EQ(b.minX, -100.0);
    EXPECT_DOUBLE_EQ(b.maxX, 100.0);
    EXPECT_DOUBLE_EQ(b.minY, -80.0);
    EXPECT_DOUBLE_EQ(b.maxY, 80.0);
    EXPECT_EQ(ArcCount(pass), 0);
    // Wider than high: from the top edge's middle toward -X.
    EXPECT_EQ(pass.vertices[0].point, AcGePoint2d(0.0, 80.0));
    EXPECT_LT(pass.vertices[1].point.x, 0.0);
  }
  EXPECT_EQ(plan.skipped, 0);
}

TEST(SimpleProfilePasses, OutsidePassesStepOutFromToolRadiusAndAllowanceWithCornersRoundedAtTheirOffset) {
  CSimpleProfileDlg dlg;
  dlg.m_Side = kProfileSideOutside;
  dlg.m_PassCount = 3;
  dlg.m_Stepover = 5.0f;
  dlg.m_Allowance = 1.0f;
  dlg.m_Depth = -10.0f;
  const SimpleProfilePlan plan = PlanOf(dlg);
  ASSERT_EQ(plan.passes.size(), 6u);  // three passes, each at two layers
  for (int i = 0; i < 3; ++i) {
    const double offset = 10.0 + 1.0 + 5.0 * i;
    for (int j = 0; j < 2; ++j) {
      const SimpleProfilePass& pass = plan.passes[static_cast<std::size_t>(2 * i + j)];
      EXPECT_DOUBLE_EQ(pass.z, -10.0 * j);
      const Box b = BoxOf(pass);
      EXPECT_NEAR(b.maxX, 100.0 + offset, 1e-9);
      EXPECT_NEAR(b.minY, -80.0 - offset, 1e-9);
      EXPECT_EQ(ArcCount(pass), 4);
      // The top left corner arc runs round the rectangle's own corner.
      EXPECT_TRUE(HasVertex(pass, -100.0, 80.0 + offset));
      EXPECT_TRUE(HasVertex(pass, -100.0 - offset, 80.0));
    }
  }
}

TEST(SimpleProfilePasses, InsidePassesStartAtTheToolRadiusAndShrinkTheCornerRadiusUntilSharp) {
  CSimpleProfileDlg dlg;
  dlg.m_ProfileType = kSimpleProfileRounded;
  dlg.m_Side = kProfileSideInside;
  dlg.m_PassCount = 2;
  dlg.m_Stepover = 15.0f;
  dlg.m_Depth = 0.0f;
  const SimpleProfilePlan plan = PlanOf(dlg);
  ASSERT_EQ(plan.passes.size(), 2u);
  // Pass 0 at 10 in: corner radius 20 - 10 about the outline's own corner centres.
  EXPECT_NEAR(BoxOf(plan.passes[0]).maxX, 90.0, 1e-9);
  EXPECT_EQ(ArcCount(plan.passes[0]), 4);
  EXPECT_TRUE(HasVertex(plan.passes[0], -80.0, 70.0));
  EXPECT_TRUE(HasVertex(plan.passes[0], -90.0, 60.0));
  // Pass 1 at 25 in: past the corner radius, so the corners are sharp.
  EXPECT_NEAR(BoxOf(plan.passes[1]).maxY, 55.0, 1e-9);
  EXPECT_EQ(ArcCount(plan.passes[1]), 0);
  EXPECT_TRUE(HasVertex(plan.passes[1], -75.0, 55.0));
}

TEST(SimpleProfilePasses, ACircleTheToolDoesNotFitInIsSkippedInsteadOfMirrored) {
  CSimpleProfileDlg dlg;
  dlg.m_ProfileType = kSimpleProfileCircle;
  dlg.m_Side = kProfileSideInside;
  dlg.m_CircleRadius = 8.0f;
  dlg.m_PassCount = 2;
  dlg.m_Depth = -20.0f;
  const SimpleProfilePlan plan = PlanOf(dlg);
  EXPECT_TRUE(plan.passes.empty());
  EXPECT_EQ(plan.skipped, 6);  // two passes at three layers

  dlg.m_CircleRadius = 30.0f;
  dlg.m_Stepover = 25.0f;  // the second pass would need radius -5
  const SimpleProfilePlan some = PlanOf(dlg);
  ASSERT_EQ(some.passes.size(), 3u);
  EXPECT_EQ(some.skipped, 3);
  EXPECT_EQ(some.passes[0].vertices[0].point, AcGePoint2d(20.0, 0.0));
  EXPECT_EQ(ArcCount(some.passes[0]), 4);
}

TEST(SimpleProfilePasses, SingleTaperLeansEveryWallAndSideTapersMoveTheirOwnSide) {
  CSimpleProfileDlg dlg;
  dlg.m_ProfileType = kSimpleProfileCircle;
  dlg.m_SingleTaperAngle = 45.0f;
  dlg.m_Depth = -10.0f;
  SimpleProfilePlan plan = PlanOf(dlg);
  ASSERT_EQ(plan.passes.size(), 2u);
  EXPECT_NEAR(plan.passes[0].vertices[0].point.x, 100.0, 1e-9);
  EXPECT_NEAR(plan.passes[1].vertices[0].point.x, 90.0, 1e-9);  // inward, as on the rectangle

  dlg.m_ProfileType = kSimpleProfileRectangle;
  dlg.m_Side = kProfileSideOutside;
  dlg.m_SingleTaper = 0;
  dlg.m_XPlusTaper = 45.0f;
  plan = PlanOf(dlg);
  ASSERT_EQ(plan.passes.size(), 2u);
  const Box top = BoxOf(plan.passes[0]), bottom = BoxOf(plan.passes[1]);
  EXPECT_NEAR(top.maxX, 110.0, 1e-9);
  EXPECT_NEAR(bottom.maxX, 120.0, 1e-9);  // outside, a positive taper opens outward
  EXPECT_NEAR(bottom.minX, -110.0, 1e-9);
  EXPECT_NEAR(bottom.maxY, 90.0, 1e-9);
}

TEST(SimpleProfilePasses, ShapeInputTypesAndTheSquareStart) {
  CSimpleProfileDlg dlg;
  dlg.m_ShapeInputType = kShapeMinimumMaximum;
  dlg.m_Shape.xMinimum = 10.0f;
  dlg.m_Shape.xMaximum = 50.0f;
  dlg.m_Shape.yMinimum = -30.0f;
  dlg.m_Shape.yMaximum = 10.0f;
  dlg.m_Depth = 0.0f;
  const SimpleProfilePlan plan = PlanOf(dlg);
  ASSERT_EQ(plan.passes.size(), 1u);
  // A square starts on its right edge's middle and runs up.
  EXPECT_EQ(plan.passes[0].vertices[0].point, AcGePoint2d(50.0, -10.0));
  EXPECT_EQ(plan.passes[0].vertices[1].point, AcGePoint2d(50.0, 10.0));
  const Box b = BoxOf(plan.passes[0]);
  EXPECT_DOUBLE_EQ(b.minX, 10.0);
  EXPECT_DOUBLE_EQ(b.minY, -30.0);

  dlg.m_ProfileType = kSimpleProfileRounded;
  dlg.m_CornerRadius = 25.0f;  // more than half of 40
  EXPECT_FALSE(ProfileCornerFits(SimpleProfileShapeOf(dlg)));
  dlg.m_CornerRadius = 20.0f;
  EXPECT_TRUE(ProfileCornerFits(SimpleProfileShapeOf(dlg)));
}

}  // namespace
