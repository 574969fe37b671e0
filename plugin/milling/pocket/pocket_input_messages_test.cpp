// A pocket that cannot be cut as picked or as set up says what is wrong, and
// where for geometry, once; nothing is stored and the picks are kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_generator.h"
#include "plugin/milling/pocket/pocket_selection.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/rapid_linetype.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

AcDbObjectId AddPolyline(ShellSession& session, const std::vector<AcGePoint2d>& points, bool closed = true) {
  auto* polyline = new AcDbPolyline();
  for (const AcGePoint2d& point : points) polyline->addVertexAt(polyline->numVerts(), point);
  polyline->setClosed(closed);
  return session.add(polyline);
}

AcDbObjectId AddLine(ShellSession& session, double x1, double y1, double x2, double y2) {
  return session.add(new AcDbLine(AcGePoint3d(x1, y1, 0.0), AcGePoint3d(x2, y2, 0.0)));
}

struct ScopedInfoClass {
  ScopedInfoClass() { CToolPathInfo::rxInit(); }
  ~ScopedInfoClass() { deleteAcRxClass(CToolPathInfo::gpDesc); }
};

// A 60 x 40 pocket, roughed with a tool of 6 at stepover 2, 5 deep.
class PocketRun : public ::testing::Test {
 protected:
  PocketRun() {
    LoadMessageTable();
    session_.db().loadLineTypeFile(kRapidLinetype, "acad.lin");
    boundary_ = AddPolyline(session_, {{0, 0}, {60, 0}, {60, 40}, {0, 40}});
  }

  void SetUp(CPocketDlg& dlg) const {
    dlg.m_Boundary = boundary_;
    dlg.m_RoughTool.m_Diameter = 6.0f;
    dlg.m_RoughAllowance = 0.0f;
    dlg.m_RoughStepover = 2.0f;
    dlg.m_RoughZStep = 5.0f;
    dlg.m_ZStart = 0.0f;
    dlg.m_ZDepth = -5.0f;
    dlg.m_ToolpathName = "Pocket_1";
  }

  // The run's own messages; true when it stored the toolpath.
  bool Run(CPocketDlg& dlg, std::string& said) {
    const std::size_t before = session_.transcript().size();
    const bool stored = GeneratePocketToolpath(dlg);
    said = session_.transcript().substr(before);
    return stored;
  }

  ShellSession session_;
  ScopedInfoClass infoClass_;
  AcDbObjectId boundary_;
};

TEST_F(PocketRun, SetUpsThatCannotCutSayWhyOnceAndStoreNothing) {
  struct Case {
    const char* what;
    void (*setUp)(CPocketDlg&);
    const char* said;
  };
  const Case cases[] = {
      {"stepover 0", [](CPocketDlg& d) { d.m_RoughStepover = 0.0f; }, "황삭 Stepover(0.000)는 0보다 커야 합니다"},
      {"stepover -2", [](CPocketDlg& d) { d.m_RoughStepover = -2.0f; }, "황삭 Stepover(-2.000)는 0보다 커야 합니다"},
      {"finishing rings that do not step",
       [](CPocketDlg& d) {
         d.m_FinishOn = 1;
         d.m_FinishPasses = 3;
         d.m_FinishStepover = 0.0f;
       },
       "정삭 Stepover(0.000)는 0보다 커야 합니다"},
      {"depth above the start", [](CPocketDlg& d) { d.m_ZDepth = 4.0f; }, "Z 깊이(4.000)가 Z 시작(0.000)보다 높아"},
      {"relative depth upwards",
       [](CPocketDlg& d) {
         d.m_AbsoluteZ = 0;
         d.m_ZDepth = 5.0f;
       },
       "상대값 Z 깊이(5.000)가 0보다 커서"},
      {"a tool wider than the pocket", [](CPocketDlg& d) { d.m_RoughTool.m_Diameter = 41.0f; },
       "황삭 공구(지름 41.000, 가공여유 0.000)가 포켓 외곽 안에 들어가지 않습니다"},
      {"an allowance that leaves no room", [](CPocketDlg& d) { d.m_RoughAllowance = 18.0f; },
       "황삭 공구(지름 6.000, 가공여유 18.000)가"},
  };
  for (const Case& c : cases) {
    CPocketDlg dlg;
    SetUp(dlg);
    c.setUp(dlg);
    std::string said;
    EXPECT_FALSE(Run(dlg, said)) << c.what;
    EXPECT_EQ(Count(said, c.said), 1u) << c.what << "\n" << said;
    EXPECT_EQ(Count(said, "포켓 공구경로를 생성할 수 없습니다"), 0u) << c.what << "\n" << said;
    EXPECT_FALSE(IsToolpathGroupName("Pocket_1")) << c.what;
  }
  CPocketDlg dlg;
  SetUp(dlg);
  std::string said;
  EXPECT_TRUE(Run(dlg, said)) << said;
}

// Picks that make no pocket: where the boundary stays open, where it crosses
// itself, where an island crosses it; an outline outside is left out, and said.
TEST(PocketPicks, OutlinesThatMakeNoPocketSayWhatIsWrongAndWhere) {
  ShellSession session;
  LoadMessageTable();
  struct Case {
    const char* what;
    std::vector<AcDbObjectId> curves;
    const char* said;
  };
  const Case cases[] = {
      {"three sides", {AddLine(session, 0, 0, 50, 0), AddLine(session, 50, 0, 50, 30), AddLine(session, 50, 30, 0, 30)},
       "닫혀 있지 않습니다: 열린 끝점 (0.000, 30.000)"},
      {"a bow tie", {AddPolyline(session, {{100, 0}, {140, 30}, {140, 0}, {100, 30}})},
       "자기 자신과 교차합니다: 교차점 (120.000, 15.000)"},
      {"an island across the wall",
       {AddPolyline(session, {{200, 0}, {260, 0}, {260, 40}, {200, 40}}),
        AddPolyline(session, {{250, 10}, {270, 10}, {270, 20}, {250, 20}})},
       "섬이 외곽과 교차합니다: 교차점 (260.000, "},
  };
  for (const Case& c : cases) {
    AcDbObjectIdArray curves;
    for (const AcDbObjectId& id : c.curves) curves.append(id);
    AcDbObjectId boundary;
    AcDbObjectIdArray islands;
    CString why;
    EXPECT_FALSE(ChainPocketBoundary(curves, boundary, islands, &why)) << c.what;
    EXPECT_NE(why.str().find(c.said), std::string::npos) << c.what << ": " << why.str();
    EXPECT_TRUE(boundary.isNull()) << c.what;
    EXPECT_TRUE(islands.isEmpty()) << c.what;
  }

  AcDbObjectIdArray apart;
  apart.append(AddPolyline(session, {{300, 0}, {360, 0}, {360, 40}, {300, 40}}));
  apart.append(AddPolyline(session, {{400, 5}, {410, 5}, {410, 15}, {400, 15}}));
  apart.append(AddPolyline(session, {{420, 5}, {430, 5}, {430, 15}, {420, 15}}));
  AcDbObjectId boundary;
  AcDbObjectIdArray islands;
  ASSERT_TRUE(ChainPocketBoundary(apart, boundary, islands)) << session.transcript();
  EXPECT_TRUE(islands.isEmpty());
  EXPECT_EQ(Count(session.transcript(), "외곽 밖에 있는 도형 2개는 섬으로 쓰지 않습니다: 첫 번째 도형의 시작점 (400.000, 5.000)"),
            1u)
      << session.transcript();
}

}  // namespace
