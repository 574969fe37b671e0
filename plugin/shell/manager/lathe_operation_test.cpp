#include "plugin/shell/manager/lathe_operation.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/cad/db/entities/db_circle.h"
#include "plugin/shell/manager/manager_drawing_test.h"
#include "plugin/shell/manager/toolpath_simulation.h"
#include "plugin/turning/lathe_dlg.h"
#include "plugin/turning/lathe_generator.h"

namespace {

// A two-step shaft finished with a nose radius of 0.8 and its stock line.
void AddShaftToolpath(ManagerDrawing& drawing) {
  auto* polyline = new AcDbPolyline();
  const double points[][2] = {{0, 30}, {40, 30}, {40, 20}, {80, 20}, {80, 0}};
  for (unsigned i = 0; i < 5; ++i) polyline->addVertexAt(i, AcGePoint2d(points[i][0], points[i][1]));
  CLatheDlg dlg;
  dlg.m_Chained.append(drawing.session().add(polyline));
  dlg.m_Chained.append(drawing.AddLine(-2, 35, 82, 35));
  dlg.m_ToolpathName = "Lathe_1";
  dlg.m_NoseRadius = 0.8f;
  CreateLatheToolpath(dlg);
}

TEST(LatheOperation, TheSimulationTurnsWithANoseCircleNamedByItsRadius) {
  ManagerDrawing drawing;
  AddShaftToolpath(drawing);
  ASSERT_TRUE(IsToolpathGroupName("Lathe_1"));
  ToolpathOperations operations;
  SimulateToolpath("Lathe_1", operations);
  EXPECT_TRUE(ToolpathNameExists("Lathe_Tool_0.800000")) << drawing.transcript();
  AcDbObjectIdArray ids;
  AcDbObjectId block;
  ASSERT_TRUE(FindToolpathByName("Lathe_Tool_0.800000", block));
  GetBlockEntityIds(block, ids);
  ASSERT_EQ(ids.length(), 1);
  OpenedObject<AcDbCircle> circle(ids[0], AcDb::kForRead);
  ASSERT_EQ(circle.openStatus(), Acad::eOk);
  EXPECT_NEAR(circle->radius(), 0.8, 1e-6);
  EXPECT_FALSE(drawing.session().failed()) << drawing.transcript();
}

TEST(LatheOperation, TheManagerReadsTheStoredRecordAndGetsTheProfileBack) {
  ManagerDrawing drawing;
  AddShaftToolpath(drawing);
  std::unique_ptr<ToolpathOperation> operation = MakeLatheOperation();
  CString record;
  AcDbObjectId stored;
  ASSERT_TRUE(FindToolpathByName("Lathe_1", stored));
  ASSERT_EQ(ReadToolpathTypeCode(stored, record), kToolpathLathe);
  ASSERT_TRUE(operation->ReadRecord(record, "Lathe_1"));
  EXPECT_EQ(operation->ToolpathName(), "Lathe_1");
  ASSERT_TRUE(operation->ReloadSource("Lathe_1"));
  SimulatedTool tool;
  ASSERT_TRUE(operation->ToolOf(0, tool));
  EXPECT_EQ(tool.category, 3);
  EXPECT_DOUBLE_EQ(tool.diameter, 2.0 * 0.8f);
}

}  // namespace
