#include <gtest/gtest.h>

#include <string>

#include "plugin/milling/simple/simple_cycle_test_drawing.h"
#include "plugin/milling/simple/simple_face_dlg.h"
#include "plugin/milling/simple/simple_face_generator.h"
#include "plugin/milling/simple/simple_pocket_dlg.h"
#include "plugin/milling/simple/simple_pocket_generator.h"
#include "plugin/shell/manager/manager_drawing_test.h"
#include "plugin/shell/manager/toolpath_manager_dlg.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

void RunManager() {
  CToolpathManagerDlg dialog;
  dialog.DoModal();
}

TEST(SimpleCycleRegeneration, AFaceIsMadeAgainFromItsRecordWithTheValuesChanged) {
  ManagerDrawing drawing("select 383 \"SimpFace_1\"\nclick 388\nshow\nset 532 20\nok\nok\ncancel\n");
  CSimpleFaceDlg made;
  made.m_ToolpathName = "SimpFace_1";
  made.m_Direction = kFaceAlongYRightward;
  CreateSimpleFaceToolpath(made);
  const AcDbObjectIdArray old = StoredIds("SimpFace_1");
  ASSERT_EQ(StoredPolylines("SimpFace_1").size(), 21u);

  RunManager();
  const std::string shown = drawing.transcript();
  EXPECT_TRUE(Contains(shown, "200 edit \"공구경로 이름\" = \"SimpFace_1\"")) << shown;
  EXPECT_TRUE(Contains(shown, "524 radio \"Y+,  X+\" = 1")) << "the record's direction is shown";
  EXPECT_TRUE(Contains(shown, "재생성이 완료 되었습니다!!!")) << shown;
  EXPECT_FALSE(Contains(shown, "이미 존재합니다")) << "its own name asks nothing";
  EXPECT_EQ(StoredPolylines("SimpFace_1").size(), 11u) << shown;
  for (const AcDbObjectId& id : old) EXPECT_TRUE(id.isErased());
  CSimpleFaceDlg read;
  ASSERT_TRUE(read.ReadParamRecord(StoredRecord("SimpFace_1").c_str()));
  EXPECT_FLOAT_EQ(read.m_Stepover, 20.0f);
  EXPECT_EQ(read.m_Direction, kFaceAlongYRightward);
}

TEST(SimpleCycleRegeneration, APocketIsMadeAgainAndItsToolIsWhatTheSimulationShows) {
  ManagerDrawing drawing("select 383 \"SimpPock_1\"\nclick 388\nset 476 -20\nok\nok\ncancel\n");
  CSimplePocketDlg made;
  made.m_ToolpathName = "SimpPock_1";
  made.m_Tool.m_ToolType = 2;
  made.m_Tool.m_Diameter = 12.0f;
  made.m_Tool.FormatToolName();
  CreateSimplePocketToolpath(made);
  ASSERT_EQ(StoredPolylines("SimpPock_1").size(), 6u);
  RunManager();
  EXPECT_EQ(StoredPolylines("SimpPock_1").size(), 3u) << drawing.transcript();

  for (const int kind : {kToolpathSimplePocket, kToolpathSimpleFace}) {
    std::unique_ptr<ToolpathOperation> operation = MakeToolpathOperation(kind);
    ASSERT_NE(operation, nullptr) << kind;
  }
  std::unique_ptr<ToolpathOperation> pocket = MakeToolpathOperation(kToolpathSimplePocket);
  ASSERT_TRUE(pocket->ReadRecord(StoredRecord("SimpPock_1").c_str(), "SimpPock_1"));
  SimulatedTool tool;
  ASSERT_TRUE(pocket->ToolOf(0, tool));
  EXPECT_EQ(tool.name, CString("B12.0-6.0-50.0"));
  EXPECT_EQ(tool.category, 1);
  EXPECT_EQ(tool.shapeType, 2);
  EXPECT_DOUBLE_EQ(tool.diameter, 12.0);
  EXPECT_FALSE(pocket->ToolOf(1, tool)) << "one tool only";
  EXPECT_FALSE(pocket->ReadRecord(StoredRecord("SimpPock_1").substr(0, 40).c_str(), "SimpPock_1"));
  EXPECT_FALSE(pocket->RecordRefusal().IsEmpty());
}

}  // namespace
