// Grooving measured from the outside with GEOS: the plunge lines against the
// region a blade of width W with nose radius r may reach above the profile.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/milling/drill/drill_test_drawing.h"
#include "plugin/milling/pocket/pocket_swept_area_test.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/groove_dlg.h"
#include "plugin/turning/groove_generator.h"

namespace {

using drill_test::Contains;
using drill_test::ModelSpaceCount;

struct Vertex {
  double x, y, bulge;
};

// A groove 20 wide and 8 deep in a shaft of radius 20, right to left: its left
// wall chamfered, its right bottom corner rounded by 2.
const std::vector<Vertex> kGroove = {{84, 20, 0}, {80, 20, 0},  {80, 14, -0.41421356}, {78, 12, 0},
                                     {64, 12, 0}, {60, 16, 0},  {60, 20, 0},           {56, 20, 0}};

std::vector<Vertex> Mirrored(std::vector<Vertex> vertices, double aboutY) {
  for (Vertex& v : vertices) v = {v.x, 2 * aboutY - v.y, -v.bulge};
  return vertices;
}

std::vector<Vertex> Reversed(const std::vector<Vertex>& vertices) {
  std::vector<Vertex> out;
  for (std::size_t i = vertices.size(); i-- > 0;) {
    out.push_back({vertices[i].x, vertices[i].y, i > 0 ? -vertices[i - 1].bulge : 0.0});
  }
  return out;
}

AcDbObjectId AddProfile(ShellSession& session, const std::vector<Vertex>& vertices) {
  auto* polyline = new AcDbPolyline();
  for (const Vertex& v : vertices) polyline->addVertexAt(polyline->numVerts(), AcGePoint2d(v.x, v.y), v.bulge);
  return session.add(polyline);
}

struct Line2 {
  AcGePoint2d start, end;
};

std::vector<Line2> LinesOf(const AcDbObjectIdArray& ids) {
  std::vector<Line2> lines;
  for (const AcDbObjectId& id : ids) {
    OpenedObject<AcDbLine> line(id, AcDb::kForRead);
    if (line.openStatus() != Acad::eOk) continue;
    lines.push_back({AcGePoint2d(line->startPoint().x, line->startPoint().y),
                     AcGePoint2d(line->endPoint().x, line->endPoint().y)});
  }
  return lines;
}

PlanPoints PlanOf(AcDbObjectId id) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
  return PolylinePlan(polyline.object());
}

struct Blade {
  double width = 4.0, nose = 0.4;
  double w() const { return width - 2 * nose; }
};

// Runs the generator on a profile with the blade; allowance 0.2, stepover 1.5.
GrooveResult Groove(ShellSession& session, const std::vector<Vertex>& profile, const Blade& blade, bool outer = true) {
  CGrooveDlg dlg;
  dlg.m_GrooveTool.m_Width = static_cast<float>(blade.width);
  dlg.m_GrooveTool.m_NoseRadius = static_cast<float>(blade.nose);
  dlg.m_Allowance = 0.2f;
  dlg.m_Stepover = 1.5f;
  dlg.m_SafetyDistance = 5.0f;
  dlg.m_OuterOn = outer ? 1 : 0;
  dlg.m_Chained.append(AddProfile(session, profile));
  GrooveResult result;
  EXPECT_TRUE(CreateGrooveToolpath(dlg, &result)) << session.transcript();
  EXPECT_TRUE(dlg.m_Chained.isEmpty());
  return result;
}

// The part below the outer profile, down to the axis.
Geos::Geometry Part(Geos& geos, const PlanPoints& profile) {
  PlanPoints ring = profile;
  ring.push_back(AcGePoint2d(profile.back().x, 0.0));
  ring.push_back(AcGePoint2d(profile.front().x, 0.0));
  return geos.polygon(ring);
}

PlanPoints Plan(ShellSession& session, const std::vector<Vertex>& vertices) { return PlanOf(AddProfile(session, vertices)); }

}  // namespace

TEST(GrooveGenerator, PlungesRunRadiallyAtTheStepoverWhereTheWholeBladeFits) {
  ShellSession session;
  const Blade blade;
  const GrooveResult result = Groove(session, kGroove, blade);
  const std::vector<Line2> lines = LinesOf(result.plunges);
  ASSERT_GE(lines.size(), 10u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_NEAR(lines[i].start.x, lines[i].end.x, 1e-9) << "radial";
    EXPECT_GT(lines[i].start.y, lines[i].end.y) << "running down into the groove";
    if (i > 0) {
      EXPECT_NEAR(lines[i - 1].start.x - lines[i].start.x, 1.5, 1e-6) << "spaced by the stepover";
    }
  }

  // The left nose centre keeps the allowance and the nose radius from the part,
  // and so does the right one, w further along X.
  Geos geos;
  const Geos::Geometry part = Part(geos, Plan(session, kGroove));
  const double keep = 0.2 + blade.nose;
  std::vector<Geos::Geometry> blades;
  for (const Line2& line : lines) {
    const Geos::Geometry left = geos.path({line.start, line.end});
    const Geos::Geometry right = geos.path({line.start + AcGeVector2d(blade.w(), 0), line.end + AcGeVector2d(blade.w(), 0)});
    EXPECT_GE(geos.distance(left, part), keep - 1e-3);
    EXPECT_GE(geos.distance(right, part), keep - 1e-3) << "arcs measured as chords";
    // The blade between its noses and above them.
    const double x = line.start.x, top = line.start.y, bottom = line.end.y;
    blades.push_back(geos.buffer(geos.path({line.start, line.end}), blade.nose));
    blades.push_back(geos.buffer(geos.path({AcGePoint2d(x + blade.w(), top), AcGePoint2d(x + blade.w(), bottom)}), blade.nose));
    blades.push_back(geos.polygon({AcGePoint2d(x, bottom - blade.nose), AcGePoint2d(x + blade.w(), bottom - blade.nose),
                                   AcGePoint2d(x + blade.w(), top + 50), AcGePoint2d(x, top + 50)}));
    blades.push_back(geos.polygon({AcGePoint2d(x - blade.nose, bottom), AcGePoint2d(x + blade.w() + blade.nose, bottom),
                                   AcGePoint2d(x + blade.w() + blade.nose, top + 50), AcGePoint2d(x - blade.nose, top + 50)}));
  }
  const Geos::Geometry cut = geos.unite(blades);
  const Geos::Geometry allowed = geos.buffer(part, 0.2 - 1e-4);
  const Geos::Geometry cutIn = geos.difference(cut, geos.difference(cut, allowed));
  EXPECT_LT(geos.area(cutIn), 1e-6) << "the blade leaves the allowance on the part";

  // The deepest plunges reach the bottom at the allowance and nose radius.
  double deepest = 1e9;
  for (const Line2& line : lines) deepest = std::min(deepest, line.end.y);
  EXPECT_NEAR(deepest, 12.0 + keep, 1e-6);

  // The contour: one polyline along the bottom, its right wall where the right nose stops.
  ASSERT_EQ(result.contour.length(), 1);
  const PlanPoints contour = PlanOf(result.contour[0]);
  EXPECT_GE(geos.distance(geos.path(contour), part), keep - 1e-3);
  double rightWall = 0.0;
  for (const AcGePoint2d& p : contour) {
    if (p.y < 15.0) rightWall = std::max(rightWall, p.x);
  }
  EXPECT_NEAR(rightWall, 80.0 - keep - blade.w(), 1e-6);
}

TEST(GrooveGenerator, ABladeAsNarrowAsItsNosesIsNotNarrowed) {
  ShellSession session;
  Blade round;
  round.width = 0.8;
  const GrooveResult result = Groove(session, kGroove, round);
  ASSERT_EQ(result.contour.length(), 1);
  double rightWall = 0.0;
  for (const AcGePoint2d& p : PlanOf(result.contour[0])) {
    if (p.y < 15.0) rightWall = std::max(rightWall, p.x);
  }
  EXPECT_NEAR(rightWall, 80.0 - 0.6, 1e-6) << "the nose alone reaches the wall";
}

TEST(GrooveGenerator, TheWayTheProfileWasDrawnAndInnerGroovesAsMirrors) {
  ShellSession session;
  const Blade blade;
  const std::vector<Line2> rightToLeft = LinesOf(Groove(session, kGroove, blade).plunges);
  const std::vector<Line2> leftToRight = LinesOf(Groove(session, Reversed(kGroove), blade).plunges);
  ASSERT_EQ(leftToRight.size(), rightToLeft.size());
  for (std::size_t i = 0; i < rightToLeft.size(); ++i) {
    EXPECT_NEAR(leftToRight[i].start.distanceTo(rightToLeft[i].start), 0.0, 1e-9);
    EXPECT_NEAR(leftToRight[i].end.distanceTo(rightToLeft[i].end), 0.0, 1e-9);
  }
  // A groove in a bore of radius 20, cut outwards: the outer one mirrored about Y 20.
  const std::vector<Line2> inner = LinesOf(Groove(session, Mirrored(kGroove, 20.0), blade, false).plunges);
  ASSERT_EQ(inner.size(), rightToLeft.size());
  for (std::size_t i = 0; i < inner.size(); ++i) {
    EXPECT_NEAR(inner[i].start.x, rightToLeft[i].start.x, 1e-9);
    EXPECT_NEAR(inner[i].start.y, 40.0 - rightToLeft[i].start.y, 1e-9);
    EXPECT_NEAR(inner[i].end.y, 40.0 - rightToLeft[i].end.y, 1e-9);
  }
}

TEST(GrooveGenerator, WhatCannotBeGroovedLeavesTheDrawingAsItWas) {
  ShellSession session;
  const AcDbObjectId line = session.add(new AcDbLine(AcGePoint3d(0, 20, 0), AcGePoint3d(40, 20, 0)));
  const int count = ModelSpaceCount(session);
  CGrooveDlg dlg;
  // A line is no polyline the profile copy can be turned on.
  dlg.m_Chained.append(line);
  EXPECT_FALSE(CreateGrooveToolpath(dlg));
  EXPECT_EQ(ModelSpaceCount(session), count - 1) << "only the chained profile is used up";
  EXPECT_TRUE(Contains(session.transcript(), "Groove 공구경로를 생성할 수 없습니다"));
  CGrooveDlg empty;
  EXPECT_FALSE(CreateGrooveToolpath(empty));
  const int before = ModelSpaceCount(session);
  for (const auto& [width, stepover] : {std::pair{0.5f, 3.0f}, std::pair{6.0f, 0.0f}}) {
    CGrooveDlg bad;
    bad.m_GrooveTool.m_Width = width;
    bad.m_Stepover = stepover;
    bad.m_Chained.append(AddProfile(session, kGroove));
    EXPECT_FALSE(CreateGrooveToolpath(bad));
    EXPECT_EQ(ModelSpaceCount(session), before);
  }
}

TEST(GrooveGenerator, ATakenNameTheUserGaveUpGoesOnlyWhenTheGrooveIsMade) {
  ShellSession session;
  AcDbObjectIdArray ids;
  ids.append(AddLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  ASSERT_TRUE(CreateToolpathGroup("Groove_1", "Ostrivo_ToolPath 1 13 0\n", ids));
  CGrooveDlg failing;
  failing.m_ToolpathName = "Groove_1";
  failing.m_Chained.append(session.add(new AcDbLine(AcGePoint3d(0, 20, 0), AcGePoint3d(40, 20, 0))));
  EXPECT_FALSE(CreateGrooveToolpath(failing));
  EXPECT_TRUE(ToolpathNameExists("Groove_1"));
  CGrooveDlg dlg;
  dlg.m_ToolpathName = "Groove_1";
  dlg.m_Chained.append(AddProfile(session, kGroove));
  EXPECT_TRUE(CreateGrooveToolpath(dlg));
  EXPECT_FALSE(ToolpathNameExists("Groove_1"));
}

TEST(GrooveDlg, TheToolIsNamedAfterItsSizesAndItsNoseMustFitTheBlade) {
  ShellSession session("click 271\nset 430 4\nok\nok\ncancel\nclick 271\nok\nok\ncancel\n");
  CGrooveDlg dlg;
  EXPECT_EQ(dlg.m_GrooveTool.m_ToolName, "GRO6.0-0.5-15");
  EXPECT_EQ(dlg.DoModal(), IDCANCEL) << session.transcript();
  EXPECT_TRUE(Contains(session.transcript(), "노즈 반경의 2배")) << session.transcript();
  EXPECT_EQ(dlg.m_GrooveTool.m_NoseRadius, 0.5f) << "Cancel gives the tool back";
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_GrooveTool.m_ToolName, "GRO6.0-0.5-15") << "nor does Cancel keep a confirmed tool";
}

TEST(GrooveDlg, OkWithoutAProfileOrWithAZeroStepoverStaysOpen) {
  ShellSession session("set 4016 0\nok\nok\nset 4016 2\nok\nok\ncancel\n");
  CGrooveDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL) << session.transcript();
  const std::string text = session.transcript();
  EXPECT_TRUE(Contains(text, "between 0.01 and 1000")) << text;
  EXPECT_TRUE(Contains(text, "외곽 영역이 선택되지 않았습니다!!")) << text;
}

TEST(GrooveDlg, PicksAreChainedIntoOneProfileAndStaleOnesForgotten) {
  ShellSession session("ok\nok\ncancel\n");
  const AcDbObjectId a = session.add(new AcDbLine(AcGePoint3d(84, 20, 0), AcGePoint3d(80, 20, 0)));
  const AcDbObjectId b = session.add(new AcDbLine(AcGePoint3d(80, 20, 0), AcGePoint3d(80, 12, 0)));
  CGrooveDlg dlg;
  dlg.m_Selection.append(a);
  dlg.m_Selection.append(b);
  // Use the kept picks: yes; OK chains them.
  EXPECT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  ASSERT_EQ(dlg.m_Chained.length(), 1);
  AcGePoint3d start, end;
  ASSERT_EQ(GetCurveEndPoints(dlg.m_Chained[0], start, end), kEntityPolyline);
  EXPECT_EQ(start, AcGePoint3d(84, 20, 0));
  EXPECT_EQ(end, AcGePoint3d(80, 12, 0));
  // A pick erased since: the picks are forgotten, and so is the chained profile.
  EraseObject(b);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL) << session.transcript();
  EXPECT_TRUE(dlg.m_Selection.isEmpty());
}
