#include "plugin/shell/toolpaths/drill_tool_markers.h"

#include <gtest/gtest.h>

#include "platform/cad/db/entities/db_line.h"
#include "plugin/milling/drill/lathe_drill_tool_dlg.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/tool_path_info.h"

namespace {

// Registered for the test only, and taken away after its drawing, so that the
// tests of the plug-in's own load find the class unregistered.
struct ScopedInfoClass {
  ScopedInfoClass() {
    CToolPathInfo::rxInit();
    acrxBuildClassHierarchy();
  }
  ~ScopedInfoClass() { deleteAcRxClass(CToolPathInfo::gpDesc); }
};

TEST(DrillToolMarkers, TheMarkerAndTheInfoPointCarryTheDrillAndItsNumbers) {
  const ScopedInfoClass infoClass;
  ShellSession session;
  const AcDbObjectId move = session.add(new AcDbLine(AcGePoint3d(4, 5, 20), AcGePoint3d(4, 5, 2)));
  CLatheDrillToolDlg lathe;
  AcDbObjectIdArray ids;
  ids.append(move);
  ASSERT_EQ(AddLatheDrillToolMarkers(ids, lathe, 1, 7, 1, 17, move), 1);
  ASSERT_EQ(ids.length(), 3);
  double value = 0.0;
  EXPECT_EQ(ReadMarkerPoint(ids[1], value), kMarkerTool);
  OpenedObject<CToolPathInfo> info;
  ASSERT_EQ(OpenToolPathInfo(ids[2], info), Acad::eOk);
  EXPECT_EQ(info->toolType(), 6);
  EXPECT_DOUBLE_EQ(info->diameter(), 50.0);
  EXPECT_DOUBLE_EQ(info->length(), 100.0);
  EXPECT_DOUBLE_EQ(info->cornerRadius(), 0.0);
  EXPECT_EQ(info->firstNumber(), 7);
  EXPECT_EQ(info->secondNumber(), 17);
  EXPECT_EQ(info->point(), AcGePoint3d(4, 5, 20));
}

}  // namespace
