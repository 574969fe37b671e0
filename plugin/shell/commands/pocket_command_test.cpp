#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/cad/db/db.h"
#include "platform/cad/db/entities/db_line.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

AcDbObjectId AddLine(ShellSession& session, double x1, double y1, double x2, double y2) {
  return session.add(new AcDbLine(AcGePoint3d(x1, y1, 0.0), AcGePoint3d(x2, y2, 0.0)));
}

bool IsHighlighted(AcDbObjectId id) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
  return entity.openStatus() == Acad::eOk && entity->isHighlighted();
}

// Returns the bottom side.
AcDbObjectId AddSquareOfLines(ShellSession& session, double x, double y, double side) {
  const AcDbObjectId bottom = AddLine(session, x, y, x + side, y);
  AddLine(session, x + side, y, x + side, y + side);
  AddLine(session, x + side, y + side, x, y + side);
  AddLine(session, x, y + side, x, y);
  return bottom;
}

// Entities of the drawing's model space that are not erased.
int LiveEntities(AcDbDatabase& db) {
  OpenedObject<AcDbBlockTableRecord> space(db.currentSpaceId(), AcDb::kForRead);
  if (space.openStatus() != Acad::eOk) return -1;
  int count = 0;
  for (AcDbObjectId id : space->entityIds())
    count += OpenedObject<AcDbEntity>(id, AcDb::kForRead).openStatus() == Acad::eOk;
  return count;
}

// The command's dialog lives as long as the program: every run of it stays in
// this one test.
TEST(PocketCommand, ReplacesAToolpathOfTheNameOnlyWhenItStoresOneKeepsItsValuesAndCancelChangesNothing) {
  ShellSession session(
      // First run: values, picks, a taken name that may go, a tool too big to cut anything.
      "set 279 -12\nset 4002 5\nset 200 Old_1\nclick 464\nset 275 200\nok\nclick 359\n50,0\n30,20\n\nok\nok\n"
      // Second run: the kept picks, a tool that fits, the taken name again.
      "ok\nclick 464\nset 275 20\nok\nset 200 Old_1\nok\nok\n"
      // Third run: the kept picks declined, a new pick, then Cancel.
      "cancel\nclick 359\n50,0\n\nshow\ncancel\n"
      // Fourth run, in another drawing: the picks of the first are not offered.
      "cancel\n");
  LoadMessageTable();
  const AcDbObjectId outerBottom = AddSquareOfLines(session, 0, 0, 100);
  AddSquareOfLines(session, 20, 20, 20);
  const AcDbObjectId oldMove = AddLine(session, 200, 0, 210, 0);
  AcDbObjectIdArray oldIds;
  oldIds.append(oldMove);
  ASSERT_TRUE(CreateToolpathGroup("Old_1", "Ostrivo_ToolPath 4 1 0 0\n", oldIds));
  const int entities = LiveEntities(session.db());

  PocketCommand();
  const std::string failed = session.transcript();
  EXPECT_TRUE(Contains(failed, "\"Old_1\"가 이미 존재합니다.")) << failed;
  EXPECT_TRUE(Contains(failed, "황삭 공구(지름 200.000, 가공여유 3.000)가 포켓 외곽 안에 들어가지 않습니다")) << failed;
  EXPECT_TRUE(Contains(failed, "공구경로 \"Old_1\"가 저장되지 않았습니다.")) << failed;
  EXPECT_FALSE(Contains(failed, "포켓가공이 완료")) << "a run that stores nothing is no success";
  EXPECT_FALSE(oldMove.isErased()) << "a run that makes nothing keeps the toolpath it was to replace";
  EXPECT_EQ(LiveEntities(session.db()), entities) << "nor leaves its outlines behind";

  PocketCommand();
  const std::string first = session.transcript().substr(failed.size());
  EXPECT_TRUE(oldMove.isErased()) << "the old toolpath goes when the new one is stored";
  EXPECT_TRUE(IsToolpathGroupName("Old_1"));
  EXPECT_TRUE(Contains(first, " 포켓가공이 완료되었습니다..")) << first;

  const Adesk::UInt64 changes = session.db().changeCount();
  PocketCommand();
  const std::string second = session.transcript().substr(failed.size() + first.size());
  EXPECT_EQ(session.db().changeCount(), changes) << second;
  EXPECT_TRUE(Contains(second, "279 edit \"Z 깊이\" = \"-12\"")) << second;
  EXPECT_TRUE(Contains(second, "4002 edit \"황삭 Z Step\" = \"5\"")) << second;
  EXPECT_FALSE(Contains(second, "포켓가공이 완료")) << second;
  EXPECT_FALSE(IsHighlighted(outerBottom)) << "picks are shown only while the dialog is open";

  session.host().documents().appendDocument(std::make_unique<AcDbDatabase>(), "");
  const std::size_t before = session.transcript().size();
  PocketCommand();
  EXPECT_FALSE(Contains(session.transcript().substr(before), "이미 선택된 Entity")) << session.transcript();
  EXPECT_FALSE(session.failed()) << session.transcript();
}

}  // namespace
