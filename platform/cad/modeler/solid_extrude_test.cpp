#include <gtest/gtest.h>

#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <Bnd_Box.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <gp_Ax3.hxx>
#include <gp_Pln.hxx>

#include "platform/cad/modeler/modeler_operations.h"

namespace {

// A plane whose Y axis was turned round faces along X cross Y, that is down.
TEST(ExtrudeNormal, LeftHandedPlaneFacesAlongXCrossY) {
  gp_Ax3 axes(gp_Pnt(0, 0, 0), gp_Dir(0, 0, 1), gp_Dir(1, 0, 0));
  axes.YReverse();
  const TopoDS_Face face = BRepBuilderAPI_MakeFace(gp_Pln(axes), 0.0, 10.0, 0.0, 5.0).Face();
  gp_Dir normal;
  gp_Pnt origin;
  ASSERT_TRUE(brep::faceNormal(face, normal, origin));
  EXPECT_NEAR(normal.Z(), -1.0, 1e-12);

  TopoDS_Shape solid;
  ASSERT_EQ(brep::extrusionOf(face, 3.0, 0.0, solid), Acad::eOk);
  Bnd_Box box;
  BRepBndLib::AddOptimal(solid, box, false, false);
  double x0, y0, z0, x1, y1, z1;
  box.Get(x0, y0, z0, x1, y1, z1);
  EXPECT_NEAR(z0, -3.0, 1e-7);
  EXPECT_NEAR(z1, 0.0, 1e-7);
}

}  // namespace
