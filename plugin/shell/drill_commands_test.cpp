#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "platform/cad/db/db_circle.h"
#include "platform/cad/db/db_line.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/configuration_settings.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection_queries.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpath_entities.h"
#include "plugin/shell/toolpath_store.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

AcDbObjectId AddCircle(ShellSession& session, double x, double y, double radius) {
  return session.add(new AcDbCircle(AcGePoint3d(x, y, 0), AcGeVector3d::kZAxis, radius));
}

struct Circle {
  AcDbObjectId id;
  AcGePoint3d centre;
  double radius;
};

std::vector<Circle> CirclesOf(const char* toolpath) {
  AcDbObjectIdArray ids;
  GetToolpathEntityIds(toolpath, ids);
  std::vector<Circle> circles;
  for (int i = 0; i < ids.length(); ++i) {
    Circle circle{ids[i], {}, 0.0};
    if (GetEntityKind(ids[i]) == kEntityCircle && GetCircleCenterRadius(ids[i], circle.centre, circle.radius)) {
      circles.push_back(circle);
    }
  }
  return circles;
}

int CycleOf(const char* toolpath) {
  AcDbObjectId id;
  CString record;
  if (!FindToolpathByName(toolpath, id) || ReadToolpathTypeCode(id, record) != kToolpathDrillCycle) return -1;
  int version = 0, kind = 0, cycle = -1;
  std::sscanf(record, "%*s %d %d %d", &version, &kind, &cycle);
  return cycle;
}

class UserCycles {
 public:
  UserCycles() {
    for (int i = 0; i < kUserCycleCount; ++i) kept_[i] = ConfigurationSettings().UserCycleName[i];
    ConfigurationSettings().UserCycleName[0] = "A";
    ConfigurationSettings().UserCycleName[1] = "B";
    ConfigurationSettings().UserCycleName[2] = "C";
  }
  ~UserCycles() {
    for (int i = 0; i < kUserCycleCount; ++i) ConfigurationSettings().UserCycleName[i] = kept_[i];
  }

 private:
  CString kept_[kUserCycleCount];
};

TEST(MultyDrillCommand, StoresOneToolpathPerCycleOverTheSameHolesEachWithItsOwnCircles) {
  UserCycles cycles;
  ShellSession session(
      "click 359\n10,3\n30,3\n^C\n"
      "select 360 7\nclick 447\n"
      "select 360 8\nclick 271\nset 275 6\nok\nclick 447\n"
      "select 360 9\nclick 447\nok\n");
  AddCircle(session, 10, 0, 3);
  AddCircle(session, 30, 0, 3);
  MultyDrillCommand();
  ASSERT_FALSE(session.failed()) << session.transcript();

  const char* names[] = {"MD_A_1", "MD_B_2", "MD_C_3"};
  const double radii[] = {10.0, 3.0, 3.0};
  std::set<AcDbObjectId> seen;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(CycleOf(names[i]), 7 + i) << names[i];
    const std::vector<Circle> circles = CirclesOf(names[i]);
    ASSERT_EQ(circles.size(), 2u) << names[i];
    EXPECT_EQ(circles[0].centre, AcGePoint3d(10, 0, 0));
    EXPECT_EQ(circles[1].centre, AcGePoint3d(30, 0, 0));
    for (const Circle& circle : circles) {
      EXPECT_DOUBLE_EQ(circle.radius, radii[i]) << names[i] << ": the circles show that cycle's drill";
      EXPECT_TRUE(seen.insert(circle.id).second) << names[i] << " shares a circle";
    }
  }
  // Deleting one leaves the others whole.
  ASSERT_TRUE(DeleteToolpath("MD_A_1"));
  EXPECT_EQ(CirclesOf("MD_B_2").size(), 2u);
  EXPECT_EQ(CirclesOf("MD_C_3").size(), 2u);
}

TEST(MultyDrillCommand, ALoadedListWithADamagedEntryMakesTheOthers) {
  UserCycles cycles;
  ShellSession session;
  const std::string file = session.folder() / "set.mcp";
  {
    ShellSession saving("select 360 7\nclick 447\nselect 360 9\nclick 447\nclick 452\n" + file + "\ncancel\n");
    MultyDrillCommand();
  }
  std::string text;
  {
    std::ifstream in(file, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // The first cycle loses its last line, as a hand edit might leave it.
  const std::size_t end = text.find("\n\r\n[Cycle_End]");
  text.erase(text.rfind('\n', end - 1) + 1, end - text.rfind('\n', end - 1));
  std::ofstream(file, std::ios::binary) << text;

  ShellSession loading("click 359\n10,3\n^C\nclick 451\n" + file + "\nok\nok\n");
  AddCircle(loading, 10, 0, 3);
  MultyDrillCommand();
  EXPECT_TRUE(Contains(loading.transcript(), "불러오지 않았습니다.!!\n  A")) << loading.transcript();
  EXPECT_FALSE(ToolpathNameExists("MD_A_1"));
  EXPECT_EQ(CycleOf("MD_C_1"), 9) << loading.transcript();
}

// The command's dialog lives as long as the program: every run of it stays in this one test.
TEST(DrillCommand, ReplacesAToolpathOfTheNameOnlyAfterConsentAndKeepsItsHoles) {
  ShellSession session(
      // A taken name, consented; picks of two circles.
      "set 200 Holes_1\nclick 359\n10,3\n30,3\n^C\nok\nok\n"
      // The kept holes again, under the proposed name.
      "ok\nshow\nok\n");
  AddCircle(session, 10, 0, 3);
  AddCircle(session, 30, 0, 3);
  const AcDbObjectId oldMove = session.add(new AcDbLine(AcGePoint3d(200, 0, 0), AcGePoint3d(210, 0, 0)));
  AcDbObjectIdArray oldIds;
  oldIds.append(oldMove);
  ASSERT_TRUE(CreateToolpathGroup("Holes_1", "Ostrivo_ToolPath 2 3 0\n", oldIds));

  DrillCommand();
  EXPECT_TRUE(Contains(session.transcript(), "\"Holes_1\"가 이미 존재합니다.")) << session.transcript();
  EXPECT_TRUE(oldMove.isErased());
  EXPECT_EQ(CirclesOf("Holes_1").size(), 2u);

  DrillCommand();
  EXPECT_TRUE(Contains(session.transcript(), "200 edit \"공구경로 이름\" = \"Drill_1\"")) << session.transcript();
  EXPECT_EQ(CirclesOf("Drill_1").size(), 2u) << session.transcript();
  EXPECT_EQ(CirclesOf("Holes_1").size(), 2u);
  EXPECT_FALSE(session.failed()) << session.transcript();
}

}  // namespace
