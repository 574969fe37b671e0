#include "plugin/shell/drill_tool_markers.h"

#include <gtest/gtest.h>

#include "platform/cad/db/db_line.h"
#include "plugin/milling/lathe_drill_tool_dlg.h"
#include "plugin/shell/marker_points.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/tool_path_info.h"

namespace {

TEST(DrillToolMarkers, TheMarkerAndTheInfoPointCarryTheDrillAndItsNumbers) {
  CToolPathInfo::rxInit();
  acrxBuildClassHierarchy();
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
