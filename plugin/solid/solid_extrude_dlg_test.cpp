#include "plugin/solid/solid_extrude_dlg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/solid/solid_commands.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

AcDbObjectId AddPolyline(ShellSession& session, std::initializer_list<AcGePoint2d> points) {
  auto* polyline = new AcDbPolyline();
  unsigned int i = 0;
  for (const AcGePoint2d& point : points) polyline->addVertexAt(i++, point);
  polyline->setClosed(true);
  return session.add(polyline);
}

// A 40 x 20 plate from the origin with a hole of 10 in its middle.
struct Plate {
  AcDbObjectId outline, hole;
};

Plate AddPlate(ShellSession& session) {
  return {AddPolyline(session, {{0, 0}, {40, 0}, {40, 20}, {0, 20}}),
          session.add(new AcDbCircle(AcGePoint3d(20, 10, 0), AcGeVector3d::kZAxis, 5.0))};
}

bool IsLive(AcDbObjectId id) { return OpenedObject<AcDbEntity>(id, AcDb::kForRead).openStatus() == Acad::eOk; }

struct SolidMeasure {
  double volume = 0;
  AcDbExtents extents;
};

SolidMeasure Measure(AcDbObjectId id) {
  SolidMeasure measure;
  OpenedObject<AcDb3dSolid> solid(id, AcDb::kForRead);
  if (solid.openStatus() != Acad::eOk) return measure;
  measure.volume = solid->volume();
  solid->getGeomExtents(measure.extents);
  return measure;
}

class SolidExtrudeTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadMessageTable(); }
};

constexpr double kHoleVolume = 785.398163397448;  // a hole of 10 through 10

TEST_F(SolidExtrudeTest, ThePlateMinusItsHoleHasTheVolumeOfTheDraftFormula) {
  ShellSession session(
      "click 599\n0,10\nclick 600\n25,10\nset 430 10\ncheck 597\nok\n"
      "check 595\nclick 460\nset 431 5\nok\n");
  const Plate plate = AddPlate(session);
  CSolidExtrudeDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDOK);
  ASSERT_TRUE(dlg.MakeSolid());
  const SolidMeasure straight = Measure(dlg.ResultId());
  EXPECT_NEAR(straight.volume, 8000.0 - kHoleVolume, 8000.0 * 1e-6);
  EXPECT_NEAR(straight.extents.minPoint().z, 0.0, 1e-9);
  EXPECT_NEAR(straight.extents.maxPoint().z, 10.0, 1e-9);
  // The profiles stay; the picks are kept for the next run.
  EXPECT_TRUE(IsLive(plate.outline));
  EXPECT_TRUE(IsLive(plate.hole));

  ASSERT_EQ(dlg.DoModal(), IDOK);
  ASSERT_TRUE(dlg.MakeSolid());
  // Each side leans in by h tan(5 deg): the integral of the shrinking rectangle.
  const double t = std::tan(5.0 * std::numbers::pi / 180.0), h = 10.0, a = 40.0, b = 20.0;
  const double drafted = a * b * h - (a + b) * t * h * h + 4.0 / 3.0 * t * t * h * h * h;
  EXPECT_NEAR(Measure(dlg.ResultId()).volume, drafted - kHoleVolume, drafted * 1e-6);
}

TEST_F(SolidExtrudeTest, TheDefaultsExtrudeDownwardsAndAPickedSolidOnlyLosesTheInnerCut) {
  ShellSession session(
      "click 599\n0,10\nclick 600\n25,10\nset 598 4\nok\n"
      "click 599\n0,10\nok\n");
  const Plate plate = AddPlate(session);
  CSolidExtrudeDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDOK);
  ASSERT_TRUE(dlg.MakeSolid());
  // Length -50 from the profile: 50 down; the hole 4 deep from the top.
  const SolidMeasure made = Measure(dlg.ResultId());
  EXPECT_NEAR(made.extents.minPoint().z, -50.0, 1e-9);
  EXPECT_NEAR(made.extents.maxPoint().z, 0.0, 1e-9);
  EXPECT_NEAR(made.volume, 800.0 * 50 - 25 * std::numbers::pi * 4, 1e-6 * 40000);
  (void)plate;

  // Picked by its edge, the solid itself is the outer one: it is kept, only the cut is made in it.
  const AcDbObjectId solidId = dlg.ResultId();
  ASSERT_EQ(dlg.DoModal(), IDOK);
  ASSERT_TRUE(dlg.MakeSolid());
  EXPECT_EQ(dlg.ResultId(), solidId);
}

TEST_F(SolidExtrudeTest, NoSolidErasesNothingAndOkWithoutAnOuterProfileIsRefused) {
  ShellSession session(
      "ok\nok\ncancel\n"
      "click 599\n0,5\ncheck 458\nok\n");
  // A bow tie: closed, but it makes no region.
  const AcDbObjectId bowTie = AddPolyline(session, {{0, 0}, {20, 20}, {20, 0}, {0, 20}});
  CSolidExtrudeDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_TRUE(Contains(session.transcript(), MsgNoOuterProfile.GetString())) << session.transcript();
  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_FALSE(dlg.MakeSolid());
  EXPECT_TRUE(IsLive(bowTie));
  EXPECT_TRUE(dlg.ResultId().isNull());
  EXPECT_TRUE(Contains(session.transcript(), MsgSolidNotMade.GetString())) << session.transcript();
}

TEST_F(SolidExtrudeTest, TheStartHeightCountsFromTheCoordinateSystemOrFromTheProfile) {
  ShellSession session(
      "click 599\n0,10\nclick 453\nset 429 2\nset 430 12\nok\n"
      "click 599\n0,10\nclick 454\nok\n");
  const AcDbObjectId raised = AddPolyline(session, {{0, 0}, {40, 0}, {40, 20}, {0, 20}});
  {
    OpenedObject<AcDbPolyline> polyline(raised, AcDb::kForWrite);
    polyline->setElevation(5.0);
  }
  CSolidExtrudeDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDOK);
  ASSERT_TRUE(dlg.MakeSolid());
  SolidMeasure made = Measure(dlg.ResultId());
  EXPECT_NEAR(made.extents.minPoint().z, 2.0, 1e-9);
  EXPECT_NEAR(made.extents.maxPoint().z, 12.0, 1e-9);
  {
    // Out of the way of the next pick.
    OpenedObject<AcDbEntity> first(dlg.ResultId(), AcDb::kForWrite);
    first->erase();
  }
  ASSERT_EQ(dlg.DoModal(), IDOK);
  ASSERT_TRUE(dlg.MakeSolid());
  made = Measure(dlg.ResultId());
  EXPECT_NEAR(made.extents.minPoint().z, 7.0, 1e-9);
  EXPECT_NEAR(made.extents.maxPoint().z, 17.0, 1e-9);
}

TEST_F(SolidExtrudeTest, TheTaperChecksEnableTheirDirectionsAndAngles) {
  ShellSession session("show\ncheck 595\nshow\ncancel\n");
  CSolidExtrudeDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::string shown = session.transcript();
  const std::size_t second = shown.find("595 check \"외측 경사\" = 1");
  ASSERT_NE(second, std::string::npos) << shown;
  const std::string before = shown.substr(0, second), after = shown.substr(second);
  EXPECT_TRUE(Contains(before, "Dialog: 돌출 솔리드")) << shown;
  EXPECT_TRUE(Contains(before, "454 radio \"도형으로 부터\" = 1")) << shown;
  EXPECT_TRUE(Contains(before, "430 edit \"돌출 길이\" = \"-50\"")) << shown;
  EXPECT_TRUE(Contains(before, "459 radio \"확장 테이퍼\" = 1 [disabled]")) << shown;
  EXPECT_TRUE(Contains(before, "431 edit \"경사 각도\" = \"10\" [disabled]")) << shown;
  EXPECT_TRUE(Contains(before, "463 radio \"축소 테이퍼\" = 1 [disabled]")) << shown;
  EXPECT_TRUE(Contains(after, "459 radio \"확장 테이퍼\" = 1\n")) << shown;
  EXPECT_TRUE(Contains(after, "431 edit \"경사 각도\" = \"10\"\n")) << shown;
  EXPECT_TRUE(Contains(after, "463 radio \"축소 테이퍼\" = 1 [disabled]")) << shown;
}

TEST_F(SolidExtrudeTest, AnglesTheModelerCannotLeanAndLengthsBeyondTheLimitsAreRefused) {
  ShellSession session(
      "click 599\n0,10\ncheck 595\nset 431 90\nok\nok\nset 431 5\nset 430 1e9\nok\nok\nset 430 nan\nok\nok\n"
      "cancel\n");
  const Plate plate = AddPlate(session);
  CSolidExtrudeDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_OuterTaperAngle, 10.0f);
  EXPECT_EQ(dlg.m_Length, -50.0f);
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "Please enter a number between 0 and 89.")) << shown;
  EXPECT_TRUE(Contains(shown, "Please enter a number between -10000 and 10000.")) << shown;
  EXPECT_TRUE(IsLive(plate.outline));
}

TEST_F(SolidExtrudeTest, OnlyFlatClosedCurvesAndForTheOuterProfileSolidsArePicked) {
  ShellSession session("click 599\n0,30\nok\nclick 600\n20,50\nok\nclick 599\n20,50\ncancel\n");
  session.add(new AcDbLine(AcGePoint3d(0, 30, 0), AcGePoint3d(40, 30, 0)));
  auto* box = new AcDb3dSolid();
  box->createBox(40.0, 20.0, 10.0);
  box->transformBy(AcGeMatrix3d::translation(AcGeVector3d(20, 60, 0)));
  const AcDbObjectId boxId = session.add(box);
  CSolidExtrudeDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "[Ostrivo message] 2D curve와 Solid만 선택할 수 있습니다..!!")) << shown;
  EXPECT_TRUE(Contains(shown, "[Ostrivo message] 2D curve만 선택할 수 있습니다..!!")) << shown;
  EXPECT_TRUE(dlg.m_InnerId.isNull());
  EXPECT_EQ(dlg.m_OuterId, boxId);
}

TEST_F(SolidExtrudeTest, AnInnerProfileThatMakesNoSolidLeavesTheDrawingAsItWas) {
  ShellSession session("click 599\n0,10\nclick 600\n60,5\ncheck 458\nset 430 10\nok\n");
  const Plate plate = AddPlate(session);
  const AcDbObjectId bowTie = AddPolyline(session, {{60, 0}, {80, 20}, {80, 0}, {60, 20}});
  CSolidExtrudeDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_InnerId, bowTie);
  EXPECT_FALSE(dlg.MakeSolid());
  EXPECT_TRUE(IsLive(plate.outline));
  EXPECT_TRUE(IsLive(bowTie));
  // The outer solid made before the cut failed is gone again.
  OpenedObject<AcDbBlockTableRecord> space(session.db().currentSpaceId(), AcDb::kForRead);
  int solids = 0;
  for (AcDbObjectId id : space->entityIds())
    solids += OpenedObject<AcDb3dSolid>(id, AcDb::kForRead).openStatus() == Acad::eOk;
  EXPECT_EQ(solids, 0);
}

TEST_F(SolidExtrudeTest, TheSourcesGoOnlyAfterSuccessAndPicksOfAnotherDrawingAreDropped) {
  ShellSession session(
      "click 599\n0,10\nclick 600\n25,10\ncheck 458\ncheck 597\nset 430 10\nok\n"
      "click 599\n0,10\nok\n"
      "ok\nok\ncancel\n");
  const Plate plate = AddPlate(session);
  CSolidExtrudeDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDOK);
  ASSERT_TRUE(dlg.MakeSolid());
  EXPECT_FALSE(IsLive(plate.outline));
  EXPECT_FALSE(IsLive(plate.hole));
  EXPECT_TRUE(IsLive(dlg.ResultId()));

  const Plate second = AddPlate(session);
  ASSERT_EQ(dlg.DoModal(), IDOK);
  ASSERT_TRUE(dlg.MakeSolid());
  EXPECT_FALSE(IsLive(second.outline));
  // A new drawing: the pick of the last one names nothing here, so OK asks for one.
  session.host().documents().appendDocument(std::make_unique<AcDbDatabase>(), "");
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_TRUE(dlg.m_OuterId.isNull());
}

}  // namespace
