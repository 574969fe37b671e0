#include "platform/cad/editor/graphics/shape_2d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/editor/graphics/entity_shape.h"
#include "platform/cad/editor/selection/selection_filter.h"

namespace {

using cadeditor::Arc2d;
using cadeditor::Box2d;
using cadeditor::Shape2d;

constexpr double kPi = std::numbers::pi;

Box2d BoxOf(double x0, double y0, double x1, double y1) {
  Box2d box;
  box.add(AcGePoint2d(x0, y0));
  box.add(AcGePoint2d(x1, y1));
  return box;
}

TEST(Shape2d, ArcsAreMeasuredExactly) {
  Shape2d quarter;  // centre (0,0), radius 10, from 0 to 90 degrees
  quarter.addArc({{0, 0}, 10.0, 0.0, kPi / 2});
  EXPECT_NEAR(quarter.distanceTo({0, 0}), 10.0, 1e-12);
  EXPECT_NEAR(quarter.distanceTo({-5, 0}), std::hypot(5.0, 10.0), 1e-12);  // beyond the sweep: the nearer end
  EXPECT_TRUE(quarter.liesInside(BoxOf(0, 0, 10, 10)));
  EXPECT_FALSE(quarter.liesInside(BoxOf(0, 0, 10, 9.9)));
  // A small window on the arc's middle, with neither end inside: crossing.
  EXPECT_TRUE(quarter.touches(BoxOf(6.9, 6.9, 7.2, 7.2)));
  // A window inside the circle but away from the arc touches nothing.
  EXPECT_FALSE(quarter.touches(BoxOf(1, 1, 3, 3)));
}

TEST(Shape2d, ConcavePolygonsKeepOutWhatPassesTheirNotch) {
  // A U shape: the notch runs from x 4 to 6 down to y 2.
  const cadeditor::Polygon2d u = {{0, 0}, {10, 0}, {10, 10}, {6, 10}, {6, 2}, {4, 2}, {4, 10}, {0, 10}};
  Shape2d bridge;
  bridge.addSegment({1, 5}, {9, 5});  // both ends inside, the middle in the notch
  EXPECT_FALSE(bridge.liesInside(u));
  EXPECT_TRUE(bridge.touches(u));
  Shape2d floor;
  floor.addSegment({1, 1}, {9, 1});
  EXPECT_TRUE(floor.liesInside(u));
  Shape2d in_notch;
  in_notch.addPoint({5, 5});
  EXPECT_FALSE(in_notch.touches(u));
}

TEST(EntityShape, ArcsSeenFromBelowAndEllipsesBySamples) {
  // About -Z the entity's X axis points to world -X, and the arc runs clockwise
  // seen from above: from (-10,0) over the top to (0,10).
  const AcDbArc below({0, 0, 0}, -AcGeVector3d::kZAxis, 10.0, 0.0, kPi / 2);
  const Shape2d arc = cadeditor::EntityShape(below, AcGeMatrix3d::kIdentity);
  ASSERT_EQ(arc.arcs().size(), 1u);
  EXPECT_NEAR(arc.bounds().xmin, -10.0, 1e-9);
  EXPECT_NEAR(arc.bounds().xmax, 0.0, 1e-9);
  EXPECT_NEAR(arc.bounds().ymin, 0.0, 1e-9);
  EXPECT_NEAR(arc.bounds().ymax, 10.0, 1e-9);
  EXPECT_NEAR(arc.distanceTo({-10 * std::sqrt(0.5), 10 * std::sqrt(0.5)}), 0.0, 1e-9);
  const AcDbEllipse ellipse({0, 0, 0}, AcGeVector3d::kZAxis, {4, 0, 0}, 0.5, 0.0, 2 * kPi);
  const Shape2d sampled = cadeditor::EntityShape(ellipse, AcGeMatrix3d::kIdentity);
  EXPECT_TRUE(sampled.liesInside(BoxOf(-4, -2, 4, 2)));
  EXPECT_FALSE(sampled.liesInside(BoxOf(-4, -1.9, 4, 2)));
}

TEST(SelectionFilter, WildcardPatterns) {
  using cadeditor::WildcardMatch;
  EXPECT_TRUE(WildcardMatch("LINE,ARC", "arc"));
  EXPECT_FALSE(WildcardMatch("LINE,ARC", "ARCS"));
  EXPECT_TRUE(WildcardMatch("L*", "LWPOLYLINE"));
  EXPECT_TRUE(WildcardMatch("CUT-#?", "cut-1\xC3\xA9"));  // '?' takes a whole UTF-8 letter
  EXPECT_FALSE(WildcardMatch("CUT-#", "CUT-X"));
  EXPECT_TRUE(WildcardMatch("~0", "PATH"));
  EXPECT_FALSE(WildcardMatch("~0", "0"));
  EXPECT_TRUE(WildcardMatch("A`,B", "A,B"));
}

}  // namespace
