#include "plugin/shell/manager/toolpath_move_copy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/cad/db/entities/db_point.h"
#include "plugin/shell/manager/manager_drawing_test.h"
#include "plugin/shell/selection/selection_queries.h"

namespace {

AcGePoint3d PositionOf(AcDbObjectId pointId) {
  OpenedObject<AcDbPoint> point(pointId, AcDb::kForRead);
  return point.openStatus() == Acad::eOk ? point->position() : AcGePoint3d(-1e9, -1e9, -1e9);
}

std::vector<double> PointXs(const char* name) {
  std::vector<double> xs;
  for (const AcDbObjectId& id : ManagerDrawing::Points(ManagerDrawing::Members(name))) xs.push_back(PositionOf(id).x);
  return xs;
}

TEST(ToolpathMoveCopy, TwoCopiesByTenStandBehindTheMovesWithTheirToolInformation) {
  ManagerDrawing drawing("set 555 10\ncheck 564\nset 565 2\nok\n");
  drawing.AddPocket("Pocket_1");
  const AcDbObjectIdArray before = ManagerDrawing::Members("Pocket_1");
  const std::vector<AcDbObjectId> points = ManagerDrawing::Points(before);
  const long informed = std::count_if(points.begin(), points.end(), ManagerDrawing::HasInfo);
  ASSERT_GT(informed, 0);
  const std::vector<double> xs = PointXs("Pocket_1");

  CToolpathTransformDlg transform;
  EXPECT_EQ(MoveOrCopyToolpath("Pocket_1", transform), MoveOutcome::kMoved) << drawing.transcript();

  const AcDbObjectIdArray after = ManagerDrawing::Members("Pocket_1");
  // The boundary is not copied; each copy is linked by one rapid move.
  const int moves = before.length() - 1;
  EXPECT_EQ(after.length(), before.length() + 2 * (moves + 1));
  for (int i = 0; i < before.length(); ++i) EXPECT_EQ(after[i], before[i]);
  std::vector<double> expected = xs;
  for (double shift : {10.0, 20.0}) {
    for (double x : xs) expected.push_back(x + shift);
  }
  EXPECT_EQ(PointXs("Pocket_1"), expected);
  const std::vector<AcDbObjectId> copied = ManagerDrawing::Points(after);
  EXPECT_EQ(std::count_if(copied.begin(), copied.end(), ManagerDrawing::HasInfo), 3 * informed);
  CStringArray names;
  int count = 0;
  ListToolpathNames(names, count);
  EXPECT_EQ(count, 1);
}

TEST(ToolpathMoveCopy, AMoveReplacesTheMovesAndKeepsTheBoundary) {
  ManagerDrawing drawing("set 555 10\nset 556 5\nok\n");
  drawing.AddPocket("Pocket_1");
  const AcDbObjectIdArray before = ManagerDrawing::Members("Pocket_1");
  const std::vector<AcDbObjectId> oldPoints = ManagerDrawing::Points(before);
  const AcGePoint3d firstPoint = PositionOf(oldPoints.front());
  const std::vector<double> xs = PointXs("Pocket_1");
  CToolpathTransformDlg transform;
  EXPECT_EQ(MoveOrCopyToolpath("Pocket_1", transform), MoveOutcome::kMoved);
  const AcDbObjectIdArray after = ManagerDrawing::Members("Pocket_1");
  ASSERT_EQ(after.length(), before.length());
  EXPECT_EQ(after.first(), before.first());
  EXPECT_FALSE(IsEntityShown(after.first())) << "the boundary stays as the pocket left it";
  for (int i = 1; i < before.length(); ++i) EXPECT_TRUE(before[i].isErased());
  for (const AcDbObjectId& id : oldPoints) EXPECT_FALSE(ManagerDrawing::HasInfo(id));
  std::vector<double> moved = xs;
  for (double& x : moved) x += 10.0;
  EXPECT_EQ(PointXs("Pocket_1"), moved);
  const std::vector<AcDbObjectId> newPoints = ManagerDrawing::Points(after);
  EXPECT_TRUE(std::any_of(newPoints.begin(), newPoints.end(), ManagerDrawing::HasInfo));
  EXPECT_DOUBLE_EQ(PositionOf(newPoints.front()).y, firstPoint.y + 5.0);
}

TEST(ToolpathMoveCopy, ABlockToolpathIsStoredAgainMovedAndLeavesNoLooseEntities) {
  ManagerDrawing drawing("set 555 10\nok\n");
  AcDbObjectIdArray ids;
  ids.append(drawing.AddLine(0, 0, 5, 0));
  AcDbObjectId point;
  ASSERT_TRUE(AddMarkerPoint(kMarkerTool, point, 0.0, drawing.AddLine(5, 0, 5, 5)));
  ids.append(point);
  ids.append(drawing.AddLine(5, 0, 5, 5));
  ASSERT_TRUE(CreateToolpathBlock("Block_1", FormatToolpathRecordHeader(1, kToolpathProfile) + "\n", ids));

  CToolpathTransformDlg transform;
  EXPECT_EQ(MoveOrCopyToolpath("Block_1", transform), MoveOutcome::kMoved);
  const AcDbObjectIdArray entities = ManagerDrawing::Members("Block_1");
  ASSERT_EQ(entities.length(), 3);
  AcGePoint3d start, end;
  GetCurveEndPoints(entities[0], start, end);
  EXPECT_DOUBLE_EQ(start.x, 0.0) << "before the first point nothing moves";
  EXPECT_DOUBLE_EQ(PositionOf(entities[1]).x, 15.0);
  GetCurveEndPoints(entities[2], start, end);
  EXPECT_DOUBLE_EQ(end.x, 15.0);
}

TEST(ToolpathMoveCopy, AToolpathWhoseRecordDoesNotReadStaysAsItWas) {
  ManagerDrawing drawing("set 555 10\nok\n");
  AcDbObjectIdArray ids;
  AcDbObjectId point;
  ASSERT_TRUE(AddMarkerPoint(kMarkerTool, point, 0.0, drawing.AddLine(0, 0, 5, 0)));
  ids.append(point);
  ASSERT_TRUE(CreateToolpathBlock("Block_1", "Ostrivo_ToolPath broken\n", ids));
  const AcDbObjectIdArray before = ManagerDrawing::Members("Block_1");
  const Adesk::UInt64 changes = drawing.session().db().changeCount();
  CToolpathTransformDlg transform;
  EXPECT_EQ(MoveOrCopyToolpath("Block_1", transform), MoveOutcome::kKept);
  EXPECT_EQ(ManagerDrawing::Members("Block_1"), before);
  EXPECT_EQ(drawing.session().db().changeCount(), changes);
  EXPECT_TRUE(Contains(drawing.transcript(), "공구경로를 이동할 수 없습니다.!!")) << drawing.transcript();
}

}  // namespace
