#include "plugin/solid/machining/solid_cut_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "plugin/shell/selection/region_helpers.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/solid/machining/solid_cut_dlg.h"
#include "plugin/solid/machining/solid_cut_gouge_shapes_test.h"

namespace {

constexpr double kOverlap = 0.01;

struct CutRun {
  double angle = 0.0;
  int twoWay = 0;
  int upCut = 0;
  double stepover = 4.0;
  double diameter = 6.0;
};

bool CutSolid(AcDbObjectId model, const char* name, const CutRun& run, CSolidCutDlg& dlg) {
  dlg.m_ModelId = model;
  dlg.m_ToolpathName = name;
  dlg.m_Angle = static_cast<float>(run.angle);
  dlg.m_TwoWay = run.twoWay;
  dlg.m_UpCut = run.upCut;
  dlg.m_Stepover = static_cast<float>(run.stepover);
  dlg.m_Tool.m_Diameter = static_cast<float>(run.diameter);
  dlg.m_Tolerance = 0.002f;
  dlg.m_RetractHeight = 50.0f;
  CreateSolidCutToolpath(dlg);
  return IsToolpathGroupName(name);
}

template <class Shape>
void ExpectBallOutside(const char* name, double radius, double& lowest) {
  const std::vector<AcGePoint3d> points = exact::MovePoints(name, 0.2);
  ASSERT_GT(points.size(), 100u);
  lowest = 1e300;
  for (const AcGePoint3d& tip : points) {
    const AcGePoint3d centre = tip + AcGeVector3d(0, 0, radius);
    ASSERT_GE(Shape::Signed(centre), radius - kOverlap)
        << name << ": the ball at " << tip.x << ", " << tip.y << ", " << tip.z << " cuts into the part";
    lowest = std::min(lowest, tip.z);
  }
}

int SolidsInDrawing(ShellSession& session) {
  AcDbBlockTableRecord* space = OpenCurrentSpace(AcDb::kForRead, &session.db());
  AcDbBlockTableRecordIterator* it = nullptr;
  space->newIterator(it);
  int count = 0;
  for (; !it->done(); it->step()) {
    AcDbEntity* entity = nullptr;
    if (it->getEntity(entity, AcDb::kForRead) == Acad::eOk) {
      if (AcDb3dSolid::cast(entity) != nullptr) ++count;
      entity->close();
    }
  }
  delete it;
  space->close();
  return count;
}

TEST(SolidCutGenerator, TheBallNeverEntersTheMouldAlongAnyPass) {
  ShellSession session;
  const AcDbObjectId block = mould::Block(session);
  const CutRun runs[] = {{0.0, 0, 0, 4.0, 6.0}, {30.0, 1, 0, 5.0, 6.0}, {90.0, 1, 1, 6.0, 10.0}};
  int n = 0;
  for (const CutRun& run : runs) {
    CSolidCutDlg dlg;
    CString name;
    name.Format("Cut_%d", ++n);
    ASSERT_TRUE(CutSolid(block, name, run, dlg)) << session.transcript();
    double lowest = 0.0;
    ExpectBallOutside<exact::Mould>(name, run.diameter * 0.5, lowest);
    // Down into the pocket, whose floor lies at 10.
    EXPECT_LT(lowest, 15.0) << name;
  }
}

TEST(SolidCutGenerator, TheBallFollowsADomeWithinTheOverlap) {
  ShellSession session;
  const AcDbObjectId dome = exact::DomeSolid(session);
  CSolidCutDlg dlg;
  ASSERT_TRUE(CutSolid(dome, "Dome", {45.0, 1, 0, 3.0, 8.0}, dlg)) << session.transcript();
  double lowest = 0.0;
  ExpectBallOutside<exact::Dome>("Dome", 4.0, lowest);
  // The top of the dome is met, not passed high over.
  double highest = -1e300;
  for (const AcGePoint3d& p : exact::MovePoints("Dome", 0.2, true)) highest = std::max(highest, p.z);
  EXPECT_NEAR(highest, exact::Dome::kRadius, 0.05);
}

// With the angle limit only the parts of the dome no steeper than 30 degrees
// are cut.
TEST(SolidCutGenerator, TheAngleLimitKeepsThePassesWithinTheSlopes) {
  ShellSession session;
  const AcDbObjectId dome = exact::DomeSolid(session);
  CSolidCutDlg dlg;
  dlg.m_AngleLimitOn = 1;
  dlg.m_MinAngle = 0.0f;
  dlg.m_MaxAngle = 30.0f;
  ASSERT_TRUE(CutSolid(dome, "Gentle", {0.0, 0, 0, 4.0, 8.0}, dlg)) << session.transcript();
  AcDbObjectIdArray ids;
  GetToolpathEntityIds("Gentle", ids);
  int segments = 0;
  for (const AcDbObjectId& id : ids) {
    OpenedObject<AcDbPolyline> pass(id, AcDb::kForRead);
    if (pass.openStatus() != Acad::eOk || pass->visibility() != AcDb::kVisible) continue;
    for (unsigned int i = 0; i + 1 < pass->numVerts(); ++i) {
      AcGePoint3d a, b;
      pass->getPointAt(i, a);
      pass->getPointAt(i + 1, b);
      const double run = std::hypot(b.x - a.x, b.y - a.y);
      if (run < 1e-6) continue;
      EXPECT_LE(std::atan2(std::fabs(b.z - a.z), run) * 180.0 / 3.14159265358979323846, 30.5);
      ++segments;
    }
  }
  EXPECT_GT(segments, 20);
}

TEST(SolidCutGenerator, SlicesSpanTheModelWidenedByTheRadius) {
  const SolidCutSlices down = PlanSolidCutSlices(0.0, 100.0, 5.0, 10.0, false);
  EXPECT_DOUBLE_EQ(down.start, -5.0);
  EXPECT_DOUBLE_EQ(down.step, 10.0);
  EXPECT_EQ(down.count, 12);
  const SolidCutSlices up = PlanSolidCutSlices(0.0, 100.0, 5.0, 10.0, true);
  EXPECT_DOUBLE_EQ(up.start, 105.0);
  EXPECT_DOUBLE_EQ(up.step, -10.0);
  EXPECT_EQ(up.count, 12);
  EXPECT_EQ(PlanSolidCutSlices(0.0, 100.0, 5.0, 0.0, false).count, 0);
  EXPECT_EQ(PlanSolidCutSlices(0.0, 100.0, 5.0, -1.0, false).count, 0);
}

// The frame turns the machining direction onto X and the height onto Y.
TEST(SolidCutGenerator, TheFrameLaysTheDirectionAlongXAndTheHeightAlongY) {
  const AcGeMatrix3d frame = SolidCutFrame(90.0);
  const AcGePoint3d along = frame * AcGePoint3d(0, 1, 0);
  const AcGePoint3d up = frame * AcGePoint3d(0, 0, 1);
  EXPECT_NEAR(along.x, 1.0, 1e-12);
  EXPECT_NEAR(up.y, 1.0, 1e-12);
  EXPECT_NEAR(along.z, 0.0, 1e-12);
}

TEST(SolidCutGenerator, TheUsersSolidAndOutlineStayAsTheyWereAndNoHelperIsLeft) {
  LoadMessageTable();
  ShellSession session;
  const AcDbObjectId block = mould::Block(session);
  // An open, counter-clockwise outline low in the drawing: the run must not
  // close, raise or turn it.
  auto* outline = new AcDbPolyline();
  outline->addVertexAt(0, AcGePoint2d(20, 20));
  outline->addVertexAt(1, AcGePoint2d(100, 20));
  outline->addVertexAt(2, AcGePoint2d(100, 60));
  outline->addVertexAt(3, AcGePoint2d(20, 60));
  outline->setClosed(true);
  outline->setElevation(5.0);
  const AcDbObjectId gouge = session.add(outline);
  AcGePoint3d low, high;
  ASSERT_TRUE(GetSolidExtents(block, low, high));
  const int solidsBefore = SolidsInDrawing(session);

  CSolidCutDlg dlg;
  dlg.m_GougeId = gouge;
  dlg.m_GougeCheckOn = 1;
  dlg.m_InsideCheck = 1;
  dlg.m_GougeAllowance = 2.0f;
  ASSERT_TRUE(CutSolid(block, "Inside", {0.0, 0, 0, 5.0, 6.0}, dlg)) << session.transcript();
  {
    OpenedObject<AcDbPolyline> kept(gouge, AcDb::kForRead);
    ASSERT_EQ(kept.openStatus(), Acad::eOk);
    EXPECT_DOUBLE_EQ(kept->elevation(), 5.0);
    EXPECT_TRUE(kept->isClosed());
    AcGePoint2d second;
    kept->getPointAt(1, second);
    EXPECT_EQ(second, AcGePoint2d(100, 20));  // not reversed
  }
  AcGePoint3d lowAfter, highAfter;
  ASSERT_TRUE(GetSolidExtents(block, lowAfter, highAfter));
  EXPECT_TRUE(lowAfter.isEqualTo(low) && highAfter.isEqualTo(high));
  // The model's hidden copy is the only solid the run added.
  EXPECT_EQ(SolidsInDrawing(session), solidsBefore + 1);
  // Every pass lies within the widened outline, none beyond.
  for (const AcGePoint3d& p : exact::MovePoints("Inside", 0.5)) {
    if (p.z > 40.0) continue;
    EXPECT_TRUE(p.x > 18.0 - 3.0 - 1e-6 && p.x < 102.0 + 3.0 + 1e-6 && p.y > 15.0 - 1e-6 && p.y < 65.0 + 1e-6)
        << p.x << ", " << p.y;
  }
  AcDbObjectId model, gougeCopy;
  ASSERT_TRUE(GetSolidCutSourceIds("Inside", model, gougeCopy));
  EXPECT_NE(model, block);
  EXPECT_FALSE(gougeCopy.isNull());
  EraseObject(model);
  EraseObject(gougeCopy);
}

TEST(SolidCutGenerator, ARunThatCannotCutStoresNothing) {
  LoadMessageTable();
  ShellSession session("ok\nok\nok\n");
  const AcDbObjectId block = mould::Block(session);
  const int solidsBefore = SolidsInDrawing(session);
  CSolidCutDlg dlg;
  EXPECT_FALSE(CutSolid(block, "NoStep", {0.0, 0, 0, 0.0, 6.0}, dlg));
  const AcDbObjectId circle = AddCircle(AcGePoint3d(0, 0, 0), 5.0);
  EXPECT_FALSE(CutSolid(circle, "NoSolid", {0.0, 0, 0, 5.0, 6.0}, dlg));
  // A group that cannot be made takes the path and the hidden copy with it.
  EXPECT_FALSE(CutSolid(block, "", {0.0, 0, 0, 5.0, 6.0}, dlg));
  EXPECT_EQ(SolidsInDrawing(session), solidsBefore);
}

}  // namespace
