#include "host/svg/svg_path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct ArcCommand {
  double rx = 0, ry = 0, rotation = 0;
  int large = 0, sweep = 0;
};

// The arc commands of path data.
std::vector<ArcCommand> arcsOf(const std::string& d) {
  std::vector<ArcCommand> arcs;
  const std::regex arc("A([-0-9. ]+)");
  for (auto it = std::sregex_iterator(d.begin(), d.end(), arc); it != std::sregex_iterator(); ++it) {
    std::istringstream numbers((*it)[1].str());
    ArcCommand command;
    numbers >> command.rx >> command.ry >> command.rotation >> command.large >> command.sweep;
    arcs.push_back(command);
  }
  return arcs;
}

TEST(SvgPathTest, TiltedCirclesAndEllipsesKeepTheirAxes) {
  const SvgNumberFormat format(6);
  // A unit circle tilted 60 degrees about X is seen as an ellipse of half its height.
  SvgPath tilted;
  tilted.conicArcTo(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0), AcGeVector3d(0, 0.5, std::sqrt(0.75)), 0, kPi);
  std::vector<ArcCommand> arcs = arcsOf(tilted.data(format));
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_NEAR(arcs[0].rx, 1.0, 1e-6);
  EXPECT_NEAR(arcs[0].ry, 0.5, 1e-6);
  EXPECT_NEAR(arcs[0].rotation, 0.0, 1e-6);

  // Major axis 30 degrees above world X: SVG, whose Y runs down, turns it by -30.
  SvgPath turned;
  const double c = std::cos(kPi / 6), s = std::sin(kPi / 6);
  turned.conicArcTo(AcGePoint3d(0, 0, 0), AcGeVector3d(2 * c, 2 * s, 0), AcGeVector3d(-s, c, 0), 0, kPi / 2);
  arcs = arcsOf(turned.data(format));
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_NEAR(arcs[0].rx, 2.0, 1e-6);
  EXPECT_NEAR(arcs[0].ry, 1.0, 1e-6);
  EXPECT_NEAR(arcs[0].rotation, -30.0, 1e-6);

  // Skewed conjugate diameters: area (rx ry = |det|) and rx^2 + ry^2 = |u|^2 + |v|^2 hold.
  SvgPath skewed;
  skewed.conicArcTo(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0), AcGeVector3d(1, 1, 0), 0, 1);
  arcs = arcsOf(skewed.data(format));
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_NEAR(arcs[0].rx * arcs[0].ry, 1.0, 1e-5);
  EXPECT_NEAR(arcs[0].rx * arcs[0].rx + arcs[0].ry * arcs[0].ry, 3.0, 1e-5);
}

TEST(SvgPathTest, LongSweepsAreSplitAndFlagged) {
  SvgPath circle;
  circle.conicArcTo(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0), AcGeVector3d(0, 1, 0), 0, 2 * kPi);
  EXPECT_EQ(arcsOf(circle.data(SvgNumberFormat(6))).size(), 2u);

  SvgPath threeQuarters;  // clockwise in the world: SVG's positive sweep
  threeQuarters.conicArcTo(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0), AcGeVector3d(0, 1, 0), 0, -1.5 * kPi);
  const std::vector<ArcCommand> arcs = arcsOf(threeQuarters.data(SvgNumberFormat(6)));
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].large, 1);
  EXPECT_EQ(arcs[0].sweep, 1);
  // From (1,0) clockwise to (0,1): through (0,-1) and (-1,0), not (1,1).
  const SvgBounds& box = threeQuarters.bounds();
  EXPECT_NEAR(box.minX, -1, 1e-12);
  EXPECT_NEAR(box.maxX, 1, 1e-12);
  EXPECT_NEAR(box.minY, -1, 1e-12);
  EXPECT_NEAR(box.maxY, 1, 1e-12);
}

TEST(SvgPathTest, EdgeOnCirclesBecomeLines) {
  SvgPath edgeOn;
  edgeOn.conicArcTo(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0), AcGeVector3d(0, 0, 1), 0, 2 * kPi);
  const std::string d = edgeOn.data(SvgNumberFormat(6));
  EXPECT_EQ(d.find('A'), std::string::npos) << d;
  EXPECT_NEAR(edgeOn.bounds().width(), 2.0, 1e-9);
  EXPECT_NEAR(edgeOn.bounds().height(), 0.0, 1e-12);
}

}  // namespace
