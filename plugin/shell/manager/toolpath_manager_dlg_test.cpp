#include "plugin/shell/manager/toolpath_manager_dlg.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/cad/db/entities/db_block_reference.h"
#include "plugin/shell/manager/manager_drawing_test.h"
#include "plugin/shell/selection/selection_queries.h"

namespace {

// A block-form toolpath: its entities in a block with the record in its comments.
void AddBlockToolpath(ManagerDrawing& drawing, const char* name) {
  AcDbObjectIdArray ids;
  ids.append(drawing.AddLine(0, 0, 10, 0));
  AcDbObjectId point;
  ASSERT_TRUE(AddMarkerPoint(kMarkerTool, point, 0.0, ids.first()));
  ids.append(point);
  ids.append(drawing.AddLine(10, 0, 10, 10));
  ASSERT_TRUE(CreateToolpathBlock(name, FormatToolpathRecordHeader(1, kToolpathPocket) + "\n", ids));
}

void RunManager() {
  CToolpathManagerDlg dialog;
  dialog.DoModal();
}

TEST(ToolpathManager, ListsEveryToolpathWithKindLayerAndVisibility) {
  ManagerDrawing drawing("show\ncancel\n");
  drawing.AddPocket("Pocket_1");
  drawing.AddRecordGroup("Profile_1", kToolpathProfile, {drawing.AddLine(0, 50, 10, 50)});
  drawing.AddRecordGroup("Drill_1", kToolpathDrillCycle, {drawing.AddLine(0, 60, 10, 60)});
  drawing.AddRecordGroup("Simple_1", kToolpathSimplePocket, {drawing.AddLine(0, 70, 10, 70)});
  AddBlockToolpath(drawing, "Block_1");
  RunManager();
  const std::string shown = drawing.transcript();
  EXPECT_TRUE(Contains(shown,
                       "      0: Block_1 | POCKET | 0 | On\n"
                       "      1: Drill_1 | CYCLE | 0 | On\n"
                       "      2: Pocket_1 | POCKET | 0 | On\n"
                       "      3: Profile_1 | PROFILE | 0 | On\n"
                       "      4: Simple_1 |  | 0 | On\n"))
      << shown;
  EXPECT_FALSE(drawing.session().failed()) << shown;
}

// The Job command keeps one manager for every run.
TEST(ToolpathManager, AKeptManagerListsTheToolpathsOnEveryRun) {
  ManagerDrawing drawing("ok\nshow\nok\n");
  drawing.AddRecordGroup("Profile_1", kToolpathProfile, {drawing.AddLine(0, 50, 10, 50)});
  CToolpathManagerDlg dialog;
  dialog.DoModal();
  dialog.DoModal();
  const std::string shown = drawing.transcript();
  EXPECT_TRUE(Contains(shown, "      0: Profile_1 | PROFILE | 0 | On\n")) << shown;
}

TEST(ToolpathManager, WithoutASelectedRowEveryActionSaysSoAndChangesNothing) {
  ManagerDrawing drawing("show\nclick 380\nclick 386\nclick 387\nclick 388\nclick 389\ncancel\n");
  const Adesk::UInt64 changes = drawing.session().db().changeCount();
  RunManager();
  const std::string shown = drawing.transcript();
  std::size_t boxes = 0;
  for (std::size_t at = shown.find("공구경로가 선택되지 안았습니다."); at != std::string::npos;
       at = shown.find("공구경로가 선택되지 안았습니다.", at + 1)) {
    ++boxes;
  }
  EXPECT_EQ(boxes, 5u) << shown;
  EXPECT_TRUE(Contains(shown, "383 listctrl \"공구 경로\" = \"\"\n  380")) << "no rows: " << shown;
  EXPECT_EQ(drawing.session().db().changeCount(), changes);
}

TEST(ToolpathManager, DeleteRemovesTheGroupItsMembersAndTheirToolInformation) {
  ManagerDrawing drawing("select 383 \"Pocket_1\"\nclick 380\nshow\ncancel\n");
  drawing.AddPocket("Other_1", 100.0);
  drawing.AddPocket("Pocket_1");
  const AcDbObjectIdArray members = ManagerDrawing::Members("Pocket_1");
  const std::vector<AcDbObjectId> points = ManagerDrawing::Points(members);
  ASSERT_FALSE(points.empty());
  ASSERT_TRUE(std::any_of(points.begin(), points.end(), ManagerDrawing::HasInfo));
  RunManager();
  EXPECT_FALSE(ToolpathNameExists("Pocket_1"));
  for (const AcDbObjectId& id : members) EXPECT_TRUE(id.isErased());
  for (const AcDbObjectId& id : points) EXPECT_FALSE(ManagerDrawing::HasInfo(id));
  const std::vector<AcDbObjectId> others = ManagerDrawing::Points(ManagerDrawing::Members("Other_1"));
  EXPECT_TRUE(std::any_of(others.begin(), others.end(), ManagerDrawing::HasInfo)) << "the other keeps its own";
  const std::string shown = drawing.transcript();
  EXPECT_TRUE(Contains(shown, "      0: Other_1 | POCKET | 0 | On\n  380")) << shown;
}

TEST(ToolpathManager, AClickInTheVisibleColumnOfABlockToolpathTogglesItsReference) {
  ManagerDrawing drawing("select 383 0 3\nshow\nselect 383 0 2\nselect 383 1 3\nshow\nselect 383 0 3\nshow\ncancel\n");
  AddBlockToolpath(drawing, "Block_1");
  drawing.AddPocket("Pocket_1");
  AcDbObjectId reference;
  ASSERT_TRUE(SelectToolpathInserts("Block_1", reference));
  const AcDbObjectIdArray members = ManagerDrawing::Members("Pocket_1");
  const bool lastShown = IsEntityShown(members.last());
  RunManager();
  const std::string shown = drawing.transcript();
  const std::size_t first = shown.find("0: Block_1 | POCKET | 0 | Off");
  ASSERT_NE(first, std::string::npos) << shown;
  // The layer cell and a group toolpath's cell change nothing.
  const std::size_t second = shown.find("0: Block_1 | POCKET | 0 | Off", first + 1);
  EXPECT_NE(second, std::string::npos) << shown;
  EXPECT_TRUE(Contains(shown.substr(second), "1: Pocket_1 | POCKET | 0 | On")) << shown;
  EXPECT_TRUE(Contains(shown.substr(second + 1), "0: Block_1 | POCKET | 0 | On")) << shown;
  EXPECT_TRUE(IsEntityShown(reference));
  EXPECT_EQ(IsEntityShown(members.last()), lastShown);
}

TEST(ToolpathManager, HighlightShowsTheToolpathUntilAnAnswerAndNamesIt) {
  ManagerDrawing drawing("select 383 0\nclick 387\n\ncancel\n");
  drawing.AddPocket("Pocket_1");
  RunManager();
  const std::string shown = drawing.transcript();
  EXPECT_TRUE(Contains(shown, "Pocket_1이 선택되었습니다. 아무키나 누르시요!!!")) << shown;
  for (const AcDbObjectId& id : ManagerDrawing::Members("Pocket_1")) {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    EXPECT_FALSE(entity->isHighlighted());
  }
  EXPECT_FALSE(drawing.session().failed()) << shown;
}

TEST(ToolpathManager, EnterOrEscapeStillDownFromAPromptDoesNotCloseIt) {
  ManagerDrawing drawing("ok\nkey ENTER\nshow\ncancel\nkey ESC\nok\n");
  RunManager();
  const std::string shown = drawing.transcript();
  EXPECT_TRUE(Contains(shown, "key ENTER\n공구경로 관리자> show")) << shown;
  EXPECT_FALSE(drawing.session().failed()) << shown;
}

}  // namespace
