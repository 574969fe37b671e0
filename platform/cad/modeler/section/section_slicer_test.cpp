#include "platform/cad/modeler/section/section_slicer.h"

#include <gtest/gtest.h>
#include <BRepAlgoAPI_Common.hxx>
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCone.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRepPrimAPI_MakeSphere.hxx>
#include <BRepPrimAPI_MakeTorus.hxx>
#include <TopExp_Explorer.hxx>

#include <cmath>
#include <string>

#include "platform/cad/modeler/brep/brep_shape.h"
#include "platform/cad/modeler/modeler_operations.h"
#include "platform/cad/modeler/section/section_loops.h"

using namespace brep;

namespace {

TopoDS_Shape cut(const TopoDS_Shape& from, const TopoDS_Shape& tool) { return BRepAlgoAPI_Cut(from, tool).Shape(); }
TopoDS_Shape fused(const TopoDS_Shape& a, const TopoDS_Shape& b) { return unified(BRepAlgoAPI_Fuse(a, b).Shape()); }

// A block with a round pocket and a post standing in it: outline, hole and island.
TopoDS_Shape cupWithPost() {
  const TopoDS_Shape block = BRepPrimAPI_MakeBox(gp_Pnt(-20, -20, 0), gp_Pnt(20, 20, 20)).Shape();
  const TopoDS_Shape pocket = BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(0, 0, 5), gp::DZ()), 15, 30).Shape();
  const TopoDS_Shape post = BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(0, 0, 0), gp::DZ()), 5, 20).Shape();
  return fused(cut(block, pocket), post);
}

TopoDS_Shape gear(int teeth) {
  BRepBuilderAPI_MakePolygon outline;
  for (int i = 0; i < 2 * teeth; ++i) {
    const double angle = M_PI * i / teeth, radius = i % 2 == 0 ? 50.0 : 46.0;
    outline.Add(gp_Pnt(radius * std::cos(angle), radius * std::sin(angle), 0));
  }
  outline.Close();
  return BRepPrimAPI_MakePrism(BRepBuilderAPI_MakeFace(outline.Wire()).Face(), gp_Vec(0, 0, 30)).Shape();
}

// The area a boolean with a large piece of the plane gives: the sure answer.
double booleanArea(const TopoDS_Shape& solid, const gp_Pln& plane) {
  const TopoDS_Face patch = BRepBuilderAPI_MakeFace(plane, -1000, 1000, -1000, 1000).Face();
  return areaOf(BRepAlgoAPI_Common(solid, patch).Shape());
}

int faceCount(const TopoDS_Shape& shape) {
  int count = 0;
  for (TopExp_Explorer it(shape, TopAbs_FACE); it.More(); it.Next()) ++count;
  return count;
}

void expectFacingPlane(const TopoDS_Shape& faces, const gp_Pln& plane) {
  for (TopExp_Explorer it(faces, TopAbs_FACE); it.More(); it.Next()) {
    gp_Dir normal;
    gp_Pnt origin;
    ASSERT_TRUE(faceNormal(it.Current(), normal, origin));
    EXPECT_GT(normal.Dot(plane.Axis().Direction()), 0.999);
  }
}

struct Case {
  std::string name;
  TopoDS_Shape solid;
  gp_Pln plane;
  int faces;
};

}  // namespace

// Every surface kind the slicer cuts by itself: its faces match the boolean's area,
// face the plane's normal and pass the checker.
TEST(SolidSlicer, CutsMatchTheBooleanOnEverySurfaceKind) {
  const gp_Pln tilted(gp_Pnt(0, 0, 10), gp_Dir(0.3, -0.2, 1.0));
  const TopoDS_Shape drilled = cut(BRepPrimAPI_MakeBox(gp_Pnt(-10, -10, 0), gp_Pnt(10, 10, 20)).Shape(),
                                   BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(0, 0, -5), gp::DZ()), 4, 30).Shape());
  const std::vector<Case> cases = {
      {"box", BRepPrimAPI_MakeBox(gp_Pnt(0, 0, 0), gp_Pnt(40, 20, 30)).Shape(), gp_Pln(gp_Pnt(0, 0, 12), gp::DZ()), 1},
      {"drilled", drilled, gp_Pln(gp_Pnt(0, 0, 7), gp::DZ()), 1},
      {"drilled, tilted", drilled, tilted, 1},
      {"drilled, lengthwise", drilled, gp_Pln(gp_Pnt(1, 0, 0), gp::DX()), 2},
      {"cup", cupWithPost(), gp_Pln(gp_Pnt(0, 0, 12), gp::DZ()), 2},
      {"cup, downwards", cupWithPost(), gp_Pln(gp_Pnt(0, 0, 12), -gp::DZ()), 2},
      {"sphere", BRepPrimAPI_MakeSphere(gp_Pnt(0, 0, 8), 8).Shape(), tilted, 1},
      {"cone", BRepPrimAPI_MakeCone(gp_Ax2(gp_Pnt(0, 0, 0), gp::DZ()), 8, 2, 20).Shape(), tilted, 1},
      {"torus", BRepPrimAPI_MakeTorus(10, 3).Shape(), gp_Pln(gp_Pnt(0, 0, 1), gp::DZ()), 1},
      {"gear", gear(40), gp_Pln(gp_Pnt(0, 0, 10), gp::DZ()), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SolidSlicer slicer(c.solid);
    const std::optional<std::vector<TopoDS_Edge>> edges = slicer.sectionEdges(c.plane);
    ASSERT_TRUE(edges.has_value());
    const TopoDS_Shape faces = facesFromSectionEdges(*edges, c.plane);
    ASSERT_FALSE(faces.IsNull());
    EXPECT_EQ(faceCount(faces), c.faces);
    const double expected = booleanArea(c.solid, c.plane);
    EXPECT_NEAR(areaOf(faces), expected, 1e-6 * expected);
    expectFacingPlane(faces, c.plane);
    EXPECT_TRUE(isValid(faces));
  }
}

// Planes through a vertex or touching a surface are left to the general way, and
// that way still gives the right section.
TEST(SolidSlicer, TouchingPlanesTakeTheGeneralWay) {
  const TopoDS_Shape block = BRepPrimAPI_MakeBox(gp_Pnt(0, 0, 0), gp_Pnt(40, 20, 30)).Shape();
  const TopoDS_Shape ball = BRepPrimAPI_MakeSphere(8).Shape();
  const TopoDS_Shape rod = BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(0, 0, 0), gp::DX()), 3, 20).Shape();
  const gp_Pln top(gp_Pnt(0, 0, 30), gp::DZ()), cap(gp_Pnt(0, 0, 8), gp::DZ()), along(gp_Pnt(0, 0, 3), gp::DZ());
  EXPECT_FALSE(SolidSlicer(block).sectionEdges(top).has_value());
  EXPECT_FALSE(SolidSlicer(block).sectionEdges(gp_Pln(gp_Pnt(0, 0, 30 - 1e-7), gp::DZ())).has_value());
  EXPECT_FALSE(SolidSlicer(ball).sectionEdges(cap).has_value());
  EXPECT_FALSE(SolidSlicer(rod).sectionEdges(along).has_value());

  TopoDS_Shape faces;
  ASSERT_EQ(sectionOf(block, top, faces), Acad::eOk);
  EXPECT_NEAR(areaOf(faces), 800.0, 1e-6);
  expectFacingPlane(faces, top);
  // Across the rod at half its radius, then through its middle: both by the slicer.
  ASSERT_EQ(sectionOf(rod, gp_Pln(gp_Pnt(0, 0, 1.5), gp::DZ()), faces), Acad::eOk);
  EXPECT_NEAR(areaOf(faces), 20 * 2 * std::sqrt(9 - 2.25), 1e-6);
  ASSERT_EQ(sectionOf(rod, gp_Pln(gp_Pnt(10, 0, 0), gp::DX()), faces), Acad::eOk);
  EXPECT_NEAR(areaOf(faces), M_PI * 9, 1e-6);
}

// The prepared solid is kept between sections: another solid, or the same one
// moved, must not be cut as the one before.
TEST(SolidSlicer, SectionsOfOneSolidAfterAnotherStayTheirOwn) {
  const TopoDS_Shape small = BRepPrimAPI_MakeBox(gp_Pnt(0, 0, 0), gp_Pnt(10, 10, 10)).Shape();
  const TopoDS_Shape large = BRepPrimAPI_MakeBox(gp_Pnt(0, 0, 0), gp_Pnt(30, 10, 10)).Shape();
  gp_Trsf up;
  up.SetTranslation(gp_Vec(0, 0, 100));
  const TopoDS_Shape raised = small.Moved(TopLoc_Location(up));
  const gp_Pln low(gp_Pnt(0, 0, 5), gp::DZ()), high(gp_Pnt(0, 0, 105), gp::DZ());
  TopoDS_Shape faces;
  for (int round = 0; round < 2; ++round) {
    ASSERT_EQ(sectionOf(small, low, faces), Acad::eOk);
    EXPECT_NEAR(areaOf(faces), 100.0, 1e-9);
    ASSERT_EQ(sectionOf(large, low, faces), Acad::eOk);
    EXPECT_NEAR(areaOf(faces), 300.0, 1e-9);
    ASSERT_EQ(sectionOf(raised, low, faces), Acad::eOk);
    EXPECT_TRUE(faces.IsNull());
    ASSERT_EQ(sectionOf(raised, high, faces), Acad::eOk);
    EXPECT_NEAR(areaOf(faces), 100.0, 1e-9);
  }
  // Along a ring's axis: two whole discs; through the corner an L-shape lacks: nothing, and no error.
  ASSERT_EQ(sectionOf(BRepPrimAPI_MakeTorus(10, 3).Shape(), gp_Pln(gp_Pnt(0, 0, 0), gp::DX()), faces), Acad::eOk);
  EXPECT_EQ(faceCount(faces), 2);
  EXPECT_NEAR(areaOf(faces), 2 * M_PI * 9, 1e-6);
  const TopoDS_Shape ell = cut(BRepPrimAPI_MakeBox(gp_Pnt(0, 0, 0), gp_Pnt(20, 20, 10)).Shape(),
                               BRepPrimAPI_MakeBox(gp_Pnt(10, 10, -5), gp_Pnt(30, 30, 15)).Shape());
  ASSERT_EQ(sectionOf(ell, gp_Pln(gp_Pnt(19, 19, 0), gp_Dir(1, 1, 0)), faces), Acad::eOk);
  EXPECT_TRUE(faces.IsNull());
  EXPECT_EQ(sectionOf(TopoDS_Shape(), low, faces), Acad::eInvalidInput);
}
