#include "plugin/solid/machining/z_profile_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/milling/pocket/pocket_swept_area_test.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/machining/solid_cut_gouge_shapes_test.h"
#include "plugin/solid/machining/z_profile_dlg.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
using S = mould::Shape;

PlanPoints Circle(double cx, double cy, double r) {
  PlanPoints ring;
  for (int i = 0; i < 1440; ++i) ring.emplace_back(cx + r * std::cos(i * kPi / 720), cy + r * std::sin(i * kPi / 720));
  return ring;
}

// The mould's material where a plane at z cuts it (just above a floor the tool
// stands on), worked out from its shape.
Geos::Geometry MouldSection(Geos& geos, double z) {
  Geos::Geometry material = geos.polygon({{0, 0}, {120, 0}, {120, 80}, {0, 80}});
  if (z > S::kPocketFloor) material = geos.difference(material, geos.polygon(Circle(S::kPocketX, S::kPocketY, 15)));
  const double below = S::kTop - z;
  if (below < S::kBowlRadius) {
    const double r = std::sqrt(S::kBowlRadius * S::kBowlRadius - below * below);
    material = geos.difference(material, geos.polygon(Circle(S::kBowlX, S::kBowlY, r)));
  }
  return material;
}

struct Contour {
  double z = 0.0;
  PlanPoints plan;
  AcGePoint2d centre;
};

std::vector<Contour> StoredContours(const char* name) {
  std::vector<Contour> contours;
  AcDbObjectIdArray ids;
  GetToolpathEntityIds(name, ids);
  for (const AcDbObjectId& id : ids) {
    OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
    if (polyline.openStatus() != Acad::eOk || polyline->visibility() != AcDb::kVisible) continue;
    Contour c;
    c.z = polyline->elevation();
    c.plan = PolylinePlan(polyline.object());
    for (const AcGePoint2d& p : c.plan) c.centre += p.asVector() / static_cast<double>(c.plan.size());
    contours.push_back(c);
  }
  return contours;
}

bool RunZProfile(AcDbObjectId model, const char* name, int type, double diameter, double corner, double allowance,
                 int method, CZProfileDlg& dlg) {
  dlg.m_ModelId = model;
  dlg.m_ToolpathName = name;
  dlg.m_Tool.m_ToolType = type;
  dlg.m_Tool.m_Diameter = static_cast<float>(diameter);
  dlg.m_Tool.m_CornerRadius = static_cast<float>(corner);
  dlg.m_Allowance = static_cast<float>(allowance);
  dlg.m_Method = method;
  dlg.m_ZStep = 5.0f;
  dlg.m_RetractHeight = 50.0f;
  CreateZProfileToolpath(dlg);
  return IsToolpathGroupName(name);
}

bool InBowl(const AcGePoint2d& p) { return std::hypot(p.x - S::kBowlX, p.y - S::kBowlY) < S::kBowlRadius; }

// The least distance from the corner circle of a corner-radius end mill whose
// tip is at the point to the mould.
double CornerCircleClearance(const AcGePoint3d& tip, double radius, double corner) {
  double least = 1e300;
  for (int i = 0; i < 720; ++i) {
    const double a = i * kPi / 360;
    const AcGePoint3d q = tip + AcGeVector3d((radius - corner) * std::cos(a), (radius - corner) * std::sin(a), corner);
    least = std::min(least, exact::Mould::Signed(q));
  }
  return least;
}

// Flat and corner-radius end mills: every contour keeps the tool radius plus
// the allowance from the section of its level where the walls stand upright
// (the flat end mill everywhere); the corner-radius one keeps its corner
// radius plus the allowance from the part in space.
TEST(ZProfileGenerator, ContoursLieAtTheToolRadiusPlusAllowanceFromEachLevelsSection) {
  ShellSession session;
  const AcDbObjectId block = mould::Block(session);
  struct Case {
    int type;
    double diameter, corner, allowance;
    int method;
  };
  const Case cases[] = {{kFlatEndMill, 6, 0, 0, kZProfileCore},
                        {kRadiusEndMill, 8, 1, 0.5, kZProfileCavity},
                        {kFlatEndMill, 10, 0, 1.0, kZProfileCavity}};
  Geos geos;
  int n = 0;
  for (const Case& c : cases) {
    CString name;
    name.Format("Z_%d", ++n);
    CZProfileDlg dlg;
    ASSERT_TRUE(RunZProfile(block, name, c.type, c.diameter, c.corner, c.allowance, c.method, dlg))
        << session.transcript();
    const double clearance = c.diameter * 0.5 + c.allowance;
    const std::vector<Contour> contours = StoredContours(name);
    ASSERT_FALSE(contours.empty());
    std::map<double, int> perLevel;
    for (const Contour& contour : contours) {
      const double d = geos.distance(geos.path(contour.plan), MouldSection(geos, contour.z + 1e-5));
      if (!InBowl(contour.centre)) {
        EXPECT_NEAR(d, clearance, 0.01) << name << " at Z " << contour.z;
      } else if (c.type == kFlatEndMill) {
        EXPECT_GE(d, clearance - 0.01) << name << " at Z " << contour.z;
      }
      ++perLevel[contour.z];
    }
    // Level 20 of the cavity cuts the pocket and the bowl: two openings, each
    // its own contour; the core adds the outside of the block.
    EXPECT_EQ(perLevel[20.0], c.method == kZProfileCore ? 3 : 2) << name;
    if (c.type != kRadiusEndMill) continue;
    for (const AcGePoint3d& tip : exact::MovePoints(name, 0.25, true)) {
      ASSERT_GE(CornerCircleClearance(tip, c.diameter * 0.5, c.corner), c.corner + c.allowance - 0.01)
          << name << ": " << tip.x << ", " << tip.y << ", " << tip.z;
    }
  }
}

TEST(ZProfileGenerator, TheBallContourKeepsItsRadiusFromTheMouldInSpace) {
  ShellSession session;
  const AcDbObjectId block = mould::Block(session);
  CZProfileDlg dlg;
  ASSERT_TRUE(RunZProfile(block, "Ball", kBallEndMill, 6, 0, 0.25, kZProfileCavity, dlg)) << session.transcript();
  int inBowl = 0;
  for (const AcGePoint3d& tip : exact::MovePoints("Ball", 0.2)) {
    ASSERT_GE(exact::Mould::Signed(tip + AcGeVector3d(0, 0, 3.0)), 3.25 - 0.01)
        << tip.x << ", " << tip.y << ", " << tip.z;
    if (InBowl(AcGePoint2d(tip.x, tip.y)) && tip.z < S::kTop) ++inBowl;
  }
  EXPECT_GT(inBowl, 0);
}

TEST(ZProfileGenerator, LevelsAndTheToolsShareOfTheOffset) {
  EXPECT_EQ(ZProfileLevels(30.0, 0.0, 10.0), (std::vector<double>{20.0, 10.0, 0.0}));
  const std::vector<double> sevens = ZProfileLevels(30.0, 0.0, 7.0);
  ASSERT_EQ(sevens.size(), 5u);
  EXPECT_DOUBLE_EQ(sevens[0], 24.0);
  EXPECT_EQ(ZProfileLevels(30.0, 0.0, 0.0), std::vector<double>{0.0});

  CToolShapeDlg tool;
  tool.m_Diameter = 10.0f;
  tool.m_ToolType = kFlatEndMill;
  ZProfileToolOffsets o = ZProfileOffsetsOf(tool, 0.5);
  EXPECT_DOUBLE_EQ(o.model, 0.5);
  EXPECT_DOUBLE_EQ(o.lift, 0.0);
  EXPECT_DOUBLE_EQ(o.plane, 5.0);
  tool.m_ToolType = kBallEndMill;
  o = ZProfileOffsetsOf(tool, 0.5);
  EXPECT_DOUBLE_EQ(o.model, 5.5);
  EXPECT_DOUBLE_EQ(o.lift, 5.0);
  EXPECT_DOUBLE_EQ(o.plane, 0.0);  // the offset model carries the whole ball
  tool.m_ToolType = kRadiusEndMill;
  tool.m_CornerRadius = 2.0f;
  o = ZProfileOffsetsOf(tool, 0.5);
  EXPECT_DOUBLE_EQ(o.model, 2.5);
  EXPECT_DOUBLE_EQ(o.lift, 2.0);
  EXPECT_DOUBLE_EQ(o.plane, 3.0);  // D/2 - r, not (D - r)/2
}

TEST(ZProfileGenerator, ZStartAndDepthNarrowTheLevelsAndAStartBelowTheDepthIsRefused) {
  LoadMessageTable();
  ShellSession session("ok\nok\n");
  const AcDbObjectId block = mould::Block(session);
  CZProfileDlg dlg;
  dlg.m_ZStartOn = 1;
  dlg.m_ZStart = 26.0f;
  dlg.m_ZDepthOn = 1;
  dlg.m_ZDepth = 18.0f;
  ASSERT_TRUE(RunZProfile(block, "Band", kFlatEndMill, 6, 0, 0, kZProfileCavity, dlg)) << session.transcript();
  for (const Contour& c : StoredContours("Band")) {
    EXPECT_LE(c.z, 22.0 + 1e-9);
    EXPECT_GE(c.z, 18.0 - 1e-9);
  }
  CZProfileDlg refused;
  refused.m_ZStartOn = 1;
  refused.m_ZStart = 5.0f;
  refused.m_ZDepthOn = 1;
  refused.m_ZDepth = 20.0f;
  EXPECT_FALSE(RunZProfile(block, "Upside", kFlatEndMill, 6, 0, 0, kZProfileCavity, refused));
  EXPECT_NE(session.transcript().find("Z 깊이(20.000)"), std::string::npos) << session.transcript();
}

TEST(ZProfileGenerator, TheGougeOutlineKeepsTheContoursInsideItAndStaysAsPicked) {
  ShellSession session;
  const AcDbObjectId block = mould::Block(session);
  auto* outline = new AcDbPolyline();
  for (const AcGePoint2d& p : {AcGePoint2d(15, 20), AcGePoint2d(55, 20), AcGePoint2d(55, 60), AcGePoint2d(15, 60)}) {
    outline->addVertexAt(outline->numVerts(), p);
  }
  outline->setClosed(true);
  const AcDbObjectId gouge = session.add(outline);
  CZProfileDlg dlg;
  dlg.m_GougeId = gouge;
  dlg.m_GougeCheckOn = 1;
  dlg.m_InsideCheck = 1;
  ASSERT_TRUE(RunZProfile(block, "Kept", kFlatEndMill, 6, 0, 0, kZProfileCavity, dlg)) << session.transcript();
  const std::vector<Contour> contours = StoredContours("Kept");
  ASSERT_FALSE(contours.empty());
  for (const Contour& c : contours) EXPECT_FALSE(InBowl(c.centre)) << c.centre.x << ", " << c.centre.y;
  OpenedObject<AcDbPolyline> kept(gouge, AcDb::kForRead);
  EXPECT_DOUBLE_EQ(kept->elevation(), 0.0);
  AcGePoint2d second;
  kept->getPointAt(1, second);
  EXPECT_EQ(second, AcGePoint2d(55, 20));  // not turned clockwise
}

TEST(ZProfileGenerator, ContoursStartNearestTheStartPoint) {
  ShellSession session;
  const AcDbObjectId block = mould::Block(session);
  CZProfileDlg dlg;
  dlg.m_StartPointOn = 1;
  dlg.m_StartPoint[0] = 35.0;
  dlg.m_StartPoint[1] = 80.0;
  dlg.m_Lead.m_EntryOn = 0;
  dlg.m_Lead.m_ExitOn = 0;
  ASSERT_TRUE(RunZProfile(block, "Start", kFlatEndMill, 6, 0, 0, kZProfileCavity, dlg)) << session.transcript();
  for (const Contour& c : StoredContours("Start")) {
    if (std::hypot(c.centre.x - S::kPocketX, c.centre.y - S::kPocketY) > 1.0) continue;
    // The pocket's contour (radius 12) starts at its top, towards (35, 80).
    EXPECT_NEAR(c.plan.front().x, 35.0, 0.05);
    EXPECT_NEAR(c.plan.front().y, 52.0, 0.05);
  }
}

}  // namespace
