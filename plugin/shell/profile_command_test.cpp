#include <gtest/gtest.h>

#include <string>

#include "platform/cad/db/db_line.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection_queries.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpath_entities.h"
#include "plugin/shell/toolpath_store.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

AcDbObjectId AddLine(ShellSession& session, double x1, double y1, double x2, double y2) {
  return session.add(new AcDbLine(AcGePoint3d(x1, y1, 0.0), AcGePoint3d(x2, y2, 0.0)));
}

// The source polylines a toolpath keeps ahead of its first marker point.
int StoredCurveCount(const char* name) {
  AcDbObjectIdArray ids;
  if (!GetToolpathEntityIds(name, ids)) return -1;
  int count = 0;
  for (const AcDbObjectId& id : ids) {
    if (IsPointEntity(id)) break;
    count += IsPolylineEntity(id) ? 1 : 0;
  }
  return count;
}

// The command's dialog lives as long as the program: every run of it stays in
// this one test.
TEST(ProfileCommand, EachRunCutsItsOwnPicksReplacesATakenNameAndCancelChangesNothing) {
  ShellSession session(
      // First run: an open chain of two lines, picked by chain, cut on the line.
      "click 359\n5,0\n10,5\n\nok\n"
      // Second run: the kept picks declined, a closed square picked instead,
      // stored under the first run's name after consent.
      "cancel\nset 200 Profile_1\nclick 359\n45,0\n50,5\n\nok\nok\n"
      // Third run: the picks declined, then cancelled; nothing changes.
      "cancel\nclick 4008\ncancel\n"
      // Fourth run: nothing can be cut inside a square smaller than the tool.
      "click 4007\nset 200 Small\nclick 359\n81,80\n82,81\n\nok\nok\n");
  AddLine(session, 0, 0, 10, 0);
  AddLine(session, 10, 0, 10, 10);
  const AcDbObjectId squareBottom = AddLine(session, 40, 0, 50, 0);
  AddLine(session, 50, 0, 50, 10);
  AddLine(session, 50, 10, 40, 10);
  AddLine(session, 40, 10, 40, 0);
  AddLine(session, 80, 80, 82, 80);
  AddLine(session, 82, 80, 82, 82);
  AddLine(session, 82, 82, 80, 82);
  AddLine(session, 80, 82, 80, 80);

  ProfileCommand();
  ASSERT_EQ(StoredCurveCount("Profile_1"), 1) << session.transcript();
  AcDbObjectIdArray first;
  ASSERT_TRUE(GetToolpathEntityIds("Profile_1", first));

  ProfileCommand();
  const std::string second = session.transcript();
  EXPECT_TRUE(Contains(second, "\"Profile_1\"가 이미 존재합니다.")) << second;
  EXPECT_TRUE(first[0].isErased()) << "the old toolpath goes when the new one takes its name";
  EXPECT_EQ(StoredCurveCount("Profile_1"), 1) << "the last run's curve is not cut again";
  EXPECT_FALSE(IsEntityShown(first[0]));
  EXPECT_TRUE(IsEntityShown(squareBottom)) << "the picked curves stay as they were";

  const Adesk::UInt64 changes = session.db().changeCount();
  ProfileCommand();
  EXPECT_EQ(session.db().changeCount(), changes);

  ProfileCommand();
  const std::string fourth = session.transcript().substr(second.size());
  EXPECT_TRUE(Contains(fourth, "[Error message] 공구경로를 생성할 수 없습니다.!!!")) << fourth;
  EXPECT_FALSE(ToolpathNameExists("Small"));
  EXPECT_EQ(StoredCurveCount("Profile_1"), 1);
  EXPECT_FALSE(session.failed()) << session.transcript();
}

}  // namespace
