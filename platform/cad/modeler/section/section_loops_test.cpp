#include "platform/cad/modeler/section/section_loops.h"

#include <gtest/gtest.h>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepBuilderAPI_MakeVertex.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Wire.hxx>
#include <gp_Circ.hxx>

#include <algorithm>

#include "platform/cad/modeler/brep/brep_shape.h"
#include "platform/cad/modeler/modeler_operations.h"

using namespace brep;

namespace {

// The edges of a closed square in the plane Z = 0, sharing their corners.
std::vector<TopoDS_Edge> square(double low, double high, bool clockwise = false) {
  BRepBuilderAPI_MakePolygon polygon;
  const double corners[4][2] = {{low, low}, {high, low}, {high, high}, {low, high}};
  for (int i = 0; i < 4; ++i) {
    const int k = clockwise ? 3 - i : i;
    polygon.Add(gp_Pnt(corners[k][0], corners[k][1], 0));
  }
  polygon.Close();
  std::vector<TopoDS_Edge> edges;
  for (TopExp_Explorer it(polygon.Wire(), TopAbs_EDGE); it.More(); it.Next())
    edges.push_back(TopoDS::Edge(it.Current()));
  return edges;
}

std::vector<TopoDS_Edge> joined(std::vector<std::vector<TopoDS_Edge>> groups) {
  std::vector<TopoDS_Edge> all;
  for (auto& group : groups) all.insert(all.end(), group.begin(), group.end());
  return all;
}

std::vector<double> faceAreas(const TopoDS_Shape& shape) {
  std::vector<double> areas;
  for (TopExp_Explorer it(shape, TopAbs_FACE); it.More(); it.Next()) areas.push_back(areaOf(it.Current()));
  std::sort(areas.begin(), areas.end());
  return areas;
}

gp_Dir normalOf(const TopoDS_Shape& face) {
  gp_Dir normal;
  gp_Pnt origin;
  EXPECT_TRUE(faceNormal(face, normal, origin));
  return normal;
}

}  // namespace

// Loops inside loops alternate: outline, hole, island (as a face of its own), in
// whatever order and direction the edges come.
TEST(SectionLoops, NestedLoopsBecomeHolesAndIslands) {
  const gp_Pln plane(gp_Pnt(0, 0, 0), gp::DZ());
  std::vector<TopoDS_Edge> edges = joined({square(4, 6, true), square(0, 10), square(2, 8, true)});
  std::reverse(edges.begin(), edges.end());
  const TopoDS_Shape faces = facesFromSectionEdges(edges, plane);
  ASSERT_FALSE(faces.IsNull());
  const std::vector<double> areas = faceAreas(faces);
  ASSERT_EQ(areas.size(), 2u);
  EXPECT_NEAR(areas[0], 4.0, 1e-9);
  EXPECT_NEAR(areas[1], 100.0 - 36.0, 1e-9);
  for (TopExp_Explorer it(faces, TopAbs_FACE); it.More(); it.Next()) {
    EXPECT_GT(normalOf(it.Current()).Z(), 0.999);
  }
  EXPECT_TRUE(isValid(faces));

  // Side by side loops stay apart; a whole circle is a loop of its own.
  const TopoDS_Edge circle = BRepBuilderAPI_MakeEdge(gp_Circ(gp_Ax2(gp_Pnt(20, 5, 0), gp::DZ()), 3)).Edge();
  const TopoDS_Shape apart = facesFromSectionEdges(joined({square(0, 10), {circle}}), plane);
  ASSERT_EQ(faceAreas(apart).size(), 2u);
  EXPECT_NEAR(faceAreas(apart)[0], M_PI * 9, 1e-9);
}

// The faces face the plane's normal, whichever way it points and however its axes turn.
TEST(SectionLoops, FacesFollowThePlanesNormal) {
  const gp_Pln down(gp_Pnt(0, 0, 0), -gp::DZ());
  const TopoDS_Shape below = facesFromSectionEdges(square(0, 10), down);
  ASSERT_FALSE(below.IsNull());
  EXPECT_LT(normalOf(below).Z(), -0.999);

  gp_Ax3 leftHanded(gp_Pnt(0, 0, 0), gp::DZ(), gp::DX());
  leftHanded.YReverse();
  ASSERT_FALSE(leftHanded.Direct());
  const TopoDS_Shape mirrored = facesFromSectionEdges(square(0, 10), gp_Pln(leftHanded));
  ASSERT_FALSE(mirrored.IsNull());
  EXPECT_GT(normalOf(mirrored).Z(), 0.999);
  EXPECT_NEAR(areaOf(mirrored), 100.0, 1e-9);
}

// Edges that do not close into separate simple loops make nothing.
TEST(SectionLoops, OpenOrBranchingEdgesMakeNothing) {
  const gp_Pln plane(gp_Pnt(0, 0, 0), gp::DZ());
  std::vector<TopoDS_Edge> open = square(0, 10);
  open.pop_back();
  EXPECT_TRUE(facesFromSectionEdges(open, plane).IsNull());
  EXPECT_TRUE(facesFromSectionEdges({}, plane).IsNull());

  // A third edge at a corner.
  std::vector<TopoDS_Edge> branching = square(0, 10);
  TopoDS_Vertex corner = TopExp::FirstVertex(branching.front(), Standard_True);
  branching.push_back(BRepBuilderAPI_MakeEdge(corner, BRepBuilderAPI_MakeVertex(gp_Pnt(-5, -5, 0)).Vertex()).Edge());
  EXPECT_TRUE(facesFromSectionEdges(branching, plane).IsNull());

  // A loop touching the one around it, with no vertex to show.
  const TopoDS_Edge circle = BRepBuilderAPI_MakeEdge(gp_Circ(gp_Ax2(gp_Pnt(5, 5, 0), gp::DZ()), 5)).Edge();
  EXPECT_TRUE(facesFromSectionEdges(joined({square(0, 10), {circle}}), plane).IsNull());
}
