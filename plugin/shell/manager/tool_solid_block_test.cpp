#include "plugin/shell/manager/tool_solid_block.h"

#include <gtest/gtest.h>

#include <numbers>

#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "plugin/shell/manager/manager_drawing_test.h"
#include "plugin/shell/selection/region_helpers.h"

namespace {

struct ToolBody {
  AcGePoint3d min, max;
  double volume = 0.0;
};

// The one solid of the tool block: its extents and volume.
ToolBody BodyOf(const char* name) {
  ToolBody body;
  const AcDbObjectIdArray ids = ManagerDrawing::Members(name);
  EXPECT_EQ(ids.length(), 1);
  if (ids.isEmpty()) return body;
  EXPECT_TRUE(GetSolidExtents(ids.first(), body.min, body.max));
  OpenedObject<AcDb3dSolid> solid(ids.first(), AcDb::kForRead);
  if (solid.openStatus() == Acad::eOk) body.volume = solid->volume();
  return body;
}

double CylinderVolume(double diameter, double height) { return std::numbers::pi * diameter * diameter / 4.0 * height; }

TEST(ToolSolidBlock, EachToolStandsOnTheOriginWithItsOwnShape) {
  ManagerDrawing drawing;
  ASSERT_TRUE(MakeToolSolidBlock("flat", kMillingTool, kFlatEndMill, 10.0, 0.0, 0.0, 50.0));
  ASSERT_TRUE(MakeToolSolidBlock("ball", kMillingTool, kBallEndMill, 10.0, 5.0, 0.0, 50.0));
  ASSERT_TRUE(MakeToolSolidBlock("corner", kMillingTool, kRadiusEndMill, 10.0, 2.0, 0.0, 50.0));
  ASSERT_TRUE(MakeToolSolidBlock("drill", kDrillingTool, 0, 10.0, 3.0, 0.0, 50.0));
  for (const char* name : {"flat", "ball", "corner", "drill"}) {
    const ToolBody body = BodyOf(name);
    EXPECT_NEAR(body.min.z, 0.0, 1e-6) << name;
    EXPECT_NEAR(body.max.z, 50.0, 1e-6) << name;
    EXPECT_NEAR(body.max.x - body.min.x, 10.0, 1e-6) << name;
    EXPECT_NEAR(body.min.x, -5.0, 1e-6) << name;
  }
  const double full = CylinderVolume(10.0, 50.0);
  EXPECT_NEAR(BodyOf("flat").volume, full, full * 1e-3);
  // The rounded and pointed ends take material away.
  EXPECT_LT(BodyOf("ball").volume, full * 0.99);
  EXPECT_LT(BodyOf("corner").volume, full * 0.999);
  EXPECT_GT(BodyOf("corner").volume, BodyOf("ball").volume);
  EXPECT_LT(BodyOf("drill").volume, full * 0.99);
  // Only the block stays in the drawing: its loose solid is gone.
  EXPECT_FALSE(drawing.session().failed());
}

TEST(ToolSolidBlock, SizesThatMakeNoSuchToolGiveAPlainCylinder) {
  ManagerDrawing drawing;
  struct Case {
    const char* name;
    int category, type;
    double diameter, second, length;
  };
  const Case cases[] = {
      {"no corner", kMillingTool, kRadiusEndMill, 10.0, 0.0, 40.0},
      {"corner too big", kMillingTool, kRadiusEndMill, 10.0, 5.0, 40.0},
      {"short ball", kMillingTool, kBallEndMill, 10.0, 5.0, 5.0},
      {"short drill", kDrillingTool, 0, 10.0, 40.0, 40.0},
      {"unknown shape", kMillingTool, 7, 10.0, 0.0, 40.0},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(MakeToolSolidBlock(c.name, c.category, c.type, c.diameter, c.second, 0.0, c.length)) << c.name;
    const ToolBody body = BodyOf(c.name);
    EXPECT_NEAR(body.max.z - body.min.z, c.length, 1e-6) << c.name;
    EXPECT_NEAR(body.volume, CylinderVolume(c.diameter, c.length), 1e-3 * CylinderVolume(c.diameter, c.length))
        << c.name;
  }
  EXPECT_FALSE(MakeToolSolidBlock("no size", kMillingTool, kFlatEndMill, 0.0, 0.0, 0.0, 40.0));
  EXPECT_FALSE(ToolpathNameExists("no size"));
  EXPECT_TRUE(Contains(drawing.transcript(), "\"no size\": 공구 크기가 올바르지 않아")) << drawing.transcript();
}

TEST(ToolSolidBlock, ALatheDrillLiesAlongXAndATurningToolIsACircle) {
  ManagerDrawing drawing;
  ASSERT_TRUE(MakeToolSolidBlock("lathe drill", kLatheDrillTool, 0, 10.0, 3.0, 0.0, 50.0));
  const ToolBody body = BodyOf("lathe drill");
  EXPECT_NEAR(body.min.x, 0.0, 1e-6);
  EXPECT_NEAR(body.max.x, 50.0, 1e-6);
  EXPECT_NEAR(body.max.z - body.min.z, 10.0, 1e-6);
  ASSERT_TRUE(MakeToolSolidBlock("Lathe_Tool_4.000000", kTurningTool, 0, 8.0, 0.0, 0.0, 0.0));
  const AcDbObjectIdArray ids = ManagerDrawing::Members("Lathe_Tool_4.000000");
  ASSERT_EQ(ids.length(), 1);
  OpenedObject<AcDbCircle> circle(ids.first(), AcDb::kForRead);
  ASSERT_EQ(circle.openStatus(), Acad::eOk);
  EXPECT_DOUBLE_EQ(circle->radius(), 4.0);
}

TEST(ToolSolidBlock, AToolWhoseReferenceWasErasedGetsANewOne) {
  ManagerDrawing drawing;
  ASSERT_TRUE(MakeToolSolidBlock("flat", kMillingTool, kFlatEndMill, 10.0, 0.0, 0.0, 50.0));
  AcDbObjectId reference;
  ASSERT_TRUE(GetToolReference("flat", reference));
  EraseObject(reference);
  AcDbObjectId again;
  ASSERT_TRUE(GetToolReference("flat", again));
  EXPECT_NE(again, reference);
  EXPECT_FALSE(again.isErased());
  EXPECT_FALSE(GetToolReference("missing", again));
}

TEST(ToolSolidBlock, AToolpathOfTheToolsNameIsNeverReplacedByTheTool) {
  ManagerDrawing drawing;
  drawing.AddPocket("F10.0-0.0-50.0");
  EXPECT_FALSE(MakeToolSolidBlock("F10.0-0.0-50.0", kMillingTool, kFlatEndMill, 10.0, 0.0, 0.0, 50.0));
  EXPECT_TRUE(IsToolpathGroupName("F10.0-0.0-50.0"));
}

}  // namespace
