// A run the dialog's values would make endless is refused before it starts.
#include "plugin/geometry/forms/run_size.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_generator.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/milling/profile/profile_generator.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

AcDbObjectId AddSquare(ShellSession& session, double side) {
  auto* polyline = new AcDbPolyline();
  for (const AcGePoint2d& corner :
       {AcGePoint2d(0, 0), AcGePoint2d(side, 0), AcGePoint2d(side, side), AcGePoint2d(0, side)}) {
    polyline->addVertexAt(polyline->numVerts(), corner);
  }
  polyline->setClosed(true);
  return session.add(polyline);
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(RunSize, CountsGrowWithTheStepAndStayOneWithoutIt) {
  EXPECT_EQ(LevelCount(10.0, 5.0), 2.0);
  EXPECT_EQ(LevelCount(-10.0, 3.0), 4.0);
  EXPECT_EQ(LevelCount(10.0, 0.0), 1.0);
  EXPECT_EQ(LevelCount(0.0, 0.0001), 1.0);
  EXPECT_EQ(PassCount(100.0, 0.0001), 1e6);
  EXPECT_EQ(PassCount(100.0, 0.0), 1.0);
}

TEST(RunSize, APocketOfMillionsOfLevelsOrPassesIsNotStarted) {
  struct Case {
    float zStart, zDepth, zStep, stepover;
    const char* message;
  };
  const Case cases[] = {
      {10000.0f, -10000.0f, 0.01f, 5.0f, "레벨 수가 너무 많습니다 (2000001, 최대 10000)"},
      {0.0f, -10.0f, 5.0f, 0.0001f, "패스 수가 너무 많습니다"},
  };
  for (const Case& c : cases) {
    ShellSession session;
    CPocketDlg dlg;
    dlg.m_Boundary = AddSquare(session, 100.0);
    dlg.m_ZStart = c.zStart;
    dlg.m_ZDepth = c.zDepth;
    dlg.m_RoughZStep = c.zStep;
    dlg.m_RoughStepover = c.stepover;
    dlg.m_ToolpathName = "Pocket_1";
    EXPECT_FALSE(GeneratePocketToolpath(dlg));
    EXPECT_TRUE(Contains(session.transcript(), c.message)) << session.transcript();
    EXPECT_FALSE(ToolpathNameExists("Pocket_1"));
  }
}

TEST(RunSize, AProfileOfAMillionLevelsIsNotStarted) {
  ShellSession session;
  CProfileDlg dlg;
  dlg.m_Curves.append(AddSquare(session, 50.0));
  dlg.m_ZStart = 0.0f;
  dlg.m_ZDepth = -100.0f;
  dlg.m_ZStepover = 0.0001f;
  dlg.m_ToolpathName = "Profile_1";
  GenerateProfileToolpath(dlg);
  EXPECT_TRUE(Contains(session.transcript(), "레벨 수가 너무 많습니다 (1000001, 최대 10000)")) << session.transcript();
  EXPECT_FALSE(ToolpathNameExists("Profile_1"));
}

// Geometry with a coordinate no machine reaches (or none at all) is not cut.
TEST(RunSize, GeometryBeyondTenKilometresOrNotFiniteIsNotCut) {
  for (const double far : {1e300, std::numeric_limits<double>::quiet_NaN()}) {
    ShellSession session;
    auto* polyline = new AcDbPolyline();
    polyline->addVertexAt(0, AcGePoint2d(0, 0));
    polyline->addVertexAt(1, AcGePoint2d(far, 0));
    polyline->addVertexAt(2, AcGePoint2d(0, 50));
    polyline->setClosed(true);
    CPocketDlg pocket;
    pocket.m_Boundary = session.add(polyline);
    pocket.m_ToolpathName = "Pocket_1";
    EXPECT_FALSE(GeneratePocketToolpath(pocket));
    CProfileDlg profile;
    profile.m_Curves.append(pocket.m_Boundary);
    profile.m_ToolpathName = "Profile_1";
    GenerateProfileToolpath(profile);
    EXPECT_EQ(Count(session.transcript(), "는 가공할 수 없는 값입니다. 공구경로를 만들지 않습니다."), 2)
        << session.transcript();
    EXPECT_FALSE(ToolpathNameExists("Pocket_1"));
    EXPECT_FALSE(ToolpathNameExists("Profile_1"));
  }
}

}  // namespace
