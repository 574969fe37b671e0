// Lathe drilling toolpaths in the manager: made again from their record,
// replayed with the drill laid along the turning axis, moved.
#include "plugin/shell/manager/lathe_drill_operation.h"

#include <gtest/gtest.h>

#include "plugin/shell/manager/manager_drawing_test.h"
#include "plugin/shell/manager/toolpath_manager_dlg.h"
#include "plugin/shell/manager/toolpath_move_copy.h"
#include "plugin/shell/manager/toolpath_simulation.h"
#include "plugin/shell/selection/region_helpers.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/turning/lathe_drill_dlg.h"
#include "plugin/turning/lathe_drill_generator.h"

namespace {

void AddLatheDrill(const char* name) {
  CLatheDrillDlg dialog;
  dialog.m_ToolpathName = name;
  ASSERT_TRUE(CreateLatheDrillToolpath(dialog));
}

float StoredDepth(const char* name) {
  CLatheDrillDlg dialog;
  EXPECT_TRUE(dialog.ReadParamRecord(ManagerDrawing::Record(name)));
  return dialog.m_DrillDepth;
}

}  // namespace

TEST(LatheDrillInTheManager, RegeneratedWithTheValuesTheDialogWasGiven) {
  ManagerDrawing drawing("select 383 \"LatheDrill_1\"\nclick 388\nset 429 -65\nok\nok\ncancel\n");
  AddLatheDrill("LatheDrill_1");
  CToolpathManagerDlg manager;
  manager.DoModal();
  EXPECT_TRUE(drawing.transcript().find("재생성이 완료") != std::string::npos) << drawing.transcript();
  EXPECT_EQ(StoredDepth("LatheDrill_1"), -65.0f);
  CStringArray names;
  int count = 0;
  ListToolpathNames(names, count);
  EXPECT_EQ(count, 1) << "the old toolpath was replaced";
}

TEST(LatheDrillInTheManager, TheDrillIsReplayedLyingAlongPlusX) {
  ManagerDrawing drawing;
  AddLatheDrill("LatheDrill_1");
  ToolpathOperations operations;
  SimulateToolpath("LatheDrill_1", operations);
  const AcDbObjectIdArray tool = ManagerDrawing::Members("DR50.0-100.0");
  ASSERT_EQ(tool.length(), 1) << drawing.transcript();
  AcGePoint3d least, most;
  ASSERT_TRUE(GetSolidExtents(tool.first(), least, most));
  EXPECT_NEAR(least.x, 0.0, 1e-6) << "the point at the insertion point";
  EXPECT_NEAR(most.x, 100.0, 1e-6);
  EXPECT_NEAR(most.y - least.y, 50.0, 1e-6);
  EXPECT_NEAR(most.z - least.z, 50.0, 1e-6);
}

TEST(LatheDrillInTheManager, MovedAlongTheAxis) {
  ManagerDrawing drawing("set 555 -20\nok\n");
  AddLatheDrill("LatheDrill_1");
  CToolpathTransformDlg transform;
  EXPECT_EQ(MoveOrCopyToolpath("LatheDrill_1", transform), MoveOutcome::kMoved) << drawing.transcript();
  AcGePoint3d start, end;
  const AcDbObjectIdArray members = ManagerDrawing::Members("LatheDrill_1");
  bool found = false;
  for (const AcDbObjectId& id : members) {
    if (GetEntityKind(id) == kEntityLine && GetCurveEndPoints(id, start, end) != kEntityOther && end.x < -60.0) {
      found = true;
      EXPECT_NEAR(end.x, -70.0, 1e-9);
    }
  }
  EXPECT_TRUE(found) << drawing.transcript();
}
