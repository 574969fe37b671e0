// The simple profile, circular and sphere generators in a drawing: what they
// store, and that a run that cannot cut stores nothing and leaves nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/milling/drill/drill_test_drawing.h"
#include "plugin/milling/simple/simple_profile_dlg.h"
#include "plugin/milling/simple/simple_profile_generator.h"
#include "plugin/milling/simple/simple_radial_dlg.h"
#include "plugin/milling/simple/simple_radial_generator.h"
#include "plugin/milling/simple/simple_sphere_dlg.h"
#include "plugin/milling/simple/simple_sphere_generator.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

using drill_test::Contains;
using drill_test::ModelSpaceCount;

struct Cut {
  double z = 0.0;
  std::vector<AcGePoint2d> points;
};

// The stored polylines (cuts with their lead moves), in order.
std::vector<Cut> CutsOf(const char* name) {
  AcDbObjectIdArray ids;
  std::vector<Cut> cuts;
  if (!GetToolpathEntityIds(name, ids)) return cuts;
  for (const AcDbObjectId& id : ids) {
    OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
    if (polyline.openStatus() != Acad::eOk) continue;
    Cut cut;
    cut.z = polyline->elevation();
    for (unsigned int i = 0; i < polyline->numVerts(); ++i) {
      AcGePoint2d p;
      polyline->getPointAt(i, p);
      cut.points.push_back(p);
    }
    cuts.push_back(cut);
  }
  return cuts;
}

std::string RecordOf(const char* name) {
  AcDbObjectId id;
  CString text;
  if (!FindToolpathByName(name, id)) return "";
  ReadToolpathTypeCode(id, text);
  return text.GetString();
}

TEST(SimpleShapeGenerators, ProfileStoresOnePassPerLayerWithLeadsOnTheFreeSide) {
  ShellSession session;
  CSimpleProfileDlg dlg;
  dlg.m_ToolpathName = "P";
  CreateSimpleProfileToolpath(dlg);
  ASSERT_TRUE(IsToolpathGroupName("P")) << session.transcript();
  const std::vector<Cut> cuts = CutsOf("P");
  ASSERT_EQ(cuts.size(), 6u);
  EXPECT_DOUBLE_EQ(cuts.back().z, -50.0);
  // On the outline without a taper the leads lie outside it.
  EXPECT_EQ(dlg.m_Lead.m_Side, 1);
  for (const AcGePoint2d& p : cuts.front().points)
    EXPECT_TRUE(std::fabs(p.x) >= 100.0 - 1e-9 || std::fabs(p.y) >= 80.0 - 1e-9) << p.x << "," << p.y;
  EXPECT_NE(RecordOf("P").find("\n 1 1"), std::string::npos) << RecordOf("P");

  // Inside a small circle the leads are shortened to stay within the pass.
  CSimpleProfileDlg inside;
  inside.m_ToolpathName = "Q";
  inside.m_ProfileType = kSimpleProfileCircle;
  inside.m_Side = kProfileSideInside;
  inside.m_CircleRadius = 16.0f;
  inside.m_Depth = 0.0f;
  CreateSimpleProfileToolpath(inside);
  ASSERT_TRUE(IsToolpathGroupName("Q")) << session.transcript();
  EXPECT_EQ(inside.m_Lead.m_Side, 0);
  for (const Cut& cut : CutsOf("Q"))
    for (const AcGePoint2d& p : cut.points) EXPECT_LE(p.distanceTo(AcGePoint2d(0, 0)), 6.0 + 1e-9);
}

TEST(SimpleShapeGenerators, RunsThatCannotCutStoreNothingAndSaySo) {
  ShellSession session;
  CSimpleProfileDlg tooSmall;
  tooSmall.m_ToolpathName = "small";
  tooSmall.m_ProfileType = kSimpleProfileCircle;
  tooSmall.m_Side = kProfileSideInside;
  tooSmall.m_CircleRadius = 9.0f;
  CreateSimpleProfileToolpath(tooSmall);
  EXPECT_TRUE(Contains(session.transcript(), "공구가 형상 안에 들어가지 않아")) << session.transcript();

  CSimpleProfileDlg corner;
  corner.m_ToolpathName = "corner";
  corner.m_ProfileType = kSimpleProfileRounded;
  corner.m_CornerRadius = 90.0f;  // the rectangle is 160 high
  CreateSimpleProfileToolpath(corner);
  EXPECT_TRUE(Contains(session.transcript(), "코너반경(90.000)")) << session.transcript();

  CSimpleRadialDlg lines;
  lines.m_ToolpathName = "lines";
  lines.m_PathShape = kRadialLines;
  lines.m_Stepover = 400.0f;
  CreateSimpleRadialToolpath(lines);
  EXPECT_TRUE(Contains(session.transcript(), "방사선을 만들 수 없습니다")) << session.transcript();

  CSimpleSphereDlg unfinished;
  unfinished.m_ToolpathName = "sphere";
  unfinished.m_FinishOn = 0;
  CreateSimpleSphereToolpath(unfinished);
  EXPECT_TRUE(Contains(session.transcript(), "정삭가공이 선택되지 않아")) << session.transcript();

  CSimpleSphereDlg bowl;
  bowl.m_ToolpathName = "bowl";
  bowl.m_Form = kSphereCavity;
  bowl.m_Radius = 8.0f;  // smaller than the ball
  CreateSimpleSphereToolpath(bowl);
  EXPECT_TRUE(Contains(session.transcript(), "잔삭 공구경로를 생성할 수 없습니다")) << session.transcript();

  CSimpleSphereDlg huge;
  huge.m_ToolpathName = "huge";
  huge.m_Radius = 9000.0f;
  huge.m_FinishStepover = 0.01f;  // some 1.4 million circles
  CreateSimpleSphereToolpath(huge);
  EXPECT_TRUE(Contains(session.transcript(), "패스 수가 너무 많습니다")) << session.transcript();

  EXPECT_EQ(ModelSpaceCount(session), 0);
  for (const char* name : {"small", "corner", "lines", "sphere", "bowl", "huge"})
    EXPECT_FALSE(ToolpathNameExists(name));
}

TEST(SimpleShapeGenerators, CircularAndSphereStoreTheirPathsAndTheCutDirectionInTheLeads) {
  ShellSession session;
  CSimpleRadialDlg spiral;
  spiral.m_ToolpathName = "S";
  spiral.m_PathShape = kRadialSpiral;
  CreateSimpleRadialToolpath(spiral);
  ASSERT_TRUE(IsToolpathGroupName("S")) << session.transcript();
  ASSERT_EQ(CutsOf("S").size(), 1u);

  CSimpleRadialDlg lines;
  lines.m_ToolpathName = "L";
  lines.m_PathShape = kRadialLines;
  lines.m_InnerDiameter = 20.0f;
  CreateSimpleRadialToolpath(lines);
  EXPECT_EQ(CutsOf("L").size(), 31u);

  CSimpleSphereDlg bowl;
  bowl.m_ToolpathName = "B";
  bowl.m_Form = kSphereCavity;
  bowl.m_CutDirection = kSphereUpCut;
  bowl.m_EndAngle = 80.0f;
  CreateSimpleSphereToolpath(bowl);
  ASSERT_TRUE(IsToolpathGroupName("B")) << session.transcript();
  EXPECT_EQ(bowl.m_Lead.m_Side, 1);
  EXPECT_EQ(bowl.m_Lead.m_DefaultFeed, bowl.m_Feed);
  // Every lead of the bowl stays within the circle it enters, so the ball never meets the far wall.
  for (const Cut& cut : CutsOf("B")) {
    const double ring = cut.points[cut.points.size() / 2].distanceTo(AcGePoint2d(0, 0));
    for (const AcGePoint2d& p : cut.points) EXPECT_LE(p.distanceTo(AcGePoint2d(0, 0)), ring + 1e-6);
  }
  // Up-cut runs a bowl clockwise.
  AcDbObjectIdArray stored;
  ASSERT_TRUE(GetToolpathEntityIds("B", stored));
  int loops = 0;
  for (const AcDbObjectId& id : stored) {
    if (!IsPolylineEntity(id)) continue;
    EXPECT_TRUE(IsPolylineClockwise(id));
    ++loops;
  }
  EXPECT_GT(loops, 10);
  // The lead sizes of the dialog are as the user left them.
  EXPECT_FLOAT_EQ(bowl.m_Lead.m_EntryArcRadius, 10.0f);
}

}  // namespace
