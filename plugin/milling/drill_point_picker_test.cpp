#include "plugin/milling/drill_point_picker.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/cad/editor/aced_ucs.h"
#include "plugin/milling/drill_cycle_form.h"
#include "plugin/milling/drill_test_drawing.h"
#include "plugin/shell/toolpath_store.h"

namespace {

using namespace drill_test;

using Points = std::vector<AcGePoint3d>;

Points Pick(ShellSession& session, int mode, int autoSelect = 0, int circlesOnly = 1,
            AcGePoint3dArray points = AcGePoint3dArray()) {
  PickDrillPoints(points, mode, autoSelect, circlesOnly);
  EXPECT_FALSE(session.failed()) << session.transcript();
  return PointsOf(points);
}

// A circle that a stored toolpath holds, like the hole circles of an earlier drilling.
AcDbObjectId AddToolpathCircle(ShellSession& session, double x, double y, double radius) {
  AcDbObjectIdArray ids;
  const AcDbObjectId circle = AddCircle(session, x, y, radius);
  ids.append(circle);
  EXPECT_TRUE(CreateToolpathGroup("Drill_1", "Ostrivo_ToolPath 2 3 0\n", ids));
  return circle;
}

TEST(DrillPointPicker, ThreeCirclesAndAnArcGiveFourHolesAtTheirCentres) {
  ShellSession session("10,13\n30,13\n50,13\n73,10\n^C\n");
  const AcDbObjectId circle = AddCircle(session, 10, 10, 3);
  AddCircle(session, 30, 10, 3);
  AddCircle(session, 50, 10, 3);
  const AcDbObjectId arc = AddArc(session, 70, 10, 3);
  const Points holes = Pick(session, kDrillPickCircles);
  EXPECT_EQ(holes, (Points{{10, 10, 0}, {30, 10, 0}, {50, 10, 0}, {70, 10, 0}}));
  EXPECT_TRUE(IsHighlighted(circle));
  EXPECT_TRUE(IsHighlighted(arc));
  EXPECT_TRUE(Contains(session.transcript(), " 드릴 포인트를 선택하시요!!.")) << session.transcript();
}

TEST(DrillPointPicker, PickingACircleAgainTakesItsHoleOutAndUnhighlightsIt) {
  ShellSession session("10,13\n30,13\n10,13\n^C\n");
  const AcDbObjectId first = AddCircle(session, 10, 10, 3);
  AddCircle(session, 30, 10, 3);
  AcGePoint3dArray held;
  held.append(AcGePoint3d(0, 0, 0));
  EXPECT_EQ(Pick(session, kDrillPickCircles, 0, 1, held), (Points{{0, 0, 0}, {30, 10, 0}}));
  EXPECT_FALSE(IsHighlighted(first));
}

TEST(DrillPointPicker, AutoSelectTakesTheShownFreeCirclesOfTheSameSizeAndTakesThemOutAgain) {
  ShellSession session("0,5\n^C\n0,5\n^C\n");
  AddCircle(session, 0, 0, 5);
  const AcDbObjectId smaller = AddCircle(session, 20, 0, 4.9995);
  const AcDbObjectId larger = AddCircle(session, 40, 0, 5.0005);
  AddCircle(session, 60, 0, 5.002);
  Hide(AddCircle(session, 80, 0, 5));
  AddToolpathCircle(session, 100, 0, 5);
  AcGePoint3dArray points;
  int mode = kDrillPickCircles;
  ASSERT_TRUE(PickDrillPoints(points, mode, 1, 1));
  EXPECT_EQ(PointsOf(points), (Points{{0, 0, 0}, {20, 0, 0}, {40, 0, 0}}));
  EXPECT_TRUE(IsHighlighted(smaller));
  // The second pick of the same circle takes its whole family out again.
  EXPECT_FALSE(PickDrillPoints(points, mode, 1, 1));
  EXPECT_TRUE(points.isEmpty()) << PointsOf(points).size();
  EXPECT_FALSE(IsHighlighted(smaller));
  EXPECT_FALSE(IsHighlighted(larger));
}

TEST(DrillPointPicker, AllTakesShownCirclesAndPointsThatNoToolpathHolds) {
  ShellSession session("");
  AddCircle(session, 10, 10, 3);
  AddPoint(session, 20, 20);
  Hide(AddPoint(session, 30, 30));  // as marker points are
  Hide(AddCircle(session, 40, 40, 3));
  AddToolpathCircle(session, 50, 50, 4);
  EXPECT_EQ(Pick(session, kDrillPickAll, 0, 0), (Points{{10, 10, 0}, {20, 20, 0}}));
  EXPECT_EQ(Pick(session, kDrillPickAll, 0, 1), (Points{{10, 10, 0}})) << "circles only";
}

TEST(DrillPointPicker, WindowsAndPolygonsTakeTheCirclesInsideUntilCancelled) {
  ShellSession session(
      // Window, a circle already held, then cancel.
      "-5,-5\n45,5\n-5,-5\n15,5\n^C\n"
      // Polygon over the circle at 60, then cancel.
      "55,-5\n65,-5\n65,5\n55,5\n\n^C\n");
  for (double x : {0.0, 20.0, 40.0, 60.0}) AddCircle(session, x, 0, 2);
  const Points window = Pick(session, kDrillPickWindow);
  EXPECT_EQ(window, (Points{{0, 0, 0}, {20, 0, 0}, {40, 0, 0}}));
  EXPECT_EQ(Pick(session, kDrillPickPolygon), (Points{{60, 0, 0}}));
}

TEST(DrillPointPicker, OtherSwitchesTheModeAndTypedPointsAreKeptInWorldCoordinates) {
  ShellSession session("O\nW\n-5,-5\n5,5\n^C\n");
  AddCircle(session, 0, 0, 2);
  AcGePoint3dArray points;
  int mode = kDrillPickCircles;
  ASSERT_TRUE(PickDrillPoints(points, mode, 0, 1));
  EXPECT_EQ(mode, kDrillPickWindow);
  EXPECT_EQ(PointsOf(points), (Points{{0, 0, 0}}));
  EXPECT_TRUE(Contains(session.transcript(), "선택방법 [Chain/Window/Polygon/All]:")) << session.transcript();

  // UCS: origin (100, 0, 5), X along world Y.
  ShellSession moved("10,0\n0,10,2\n^C\n");
  AcGeMatrix3d ucs;
  ucs.setCoordSystem(AcGePoint3d(100, 0, 5), AcGeVector3d::kYAxis, -AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
  ASSERT_EQ(acedSetCurrentUCS(ucs), RTNORM);
  EXPECT_EQ(Pick(moved, kDrillPickCoordinates), (Points{{100, 10, 5}, {90, 0, 7}}));
}

TEST(DrillPointPicker, NearbyDuplicatesLeaveTheFirstOfThem) {
  AcGePoint3dArray points;
  for (const AcGePoint3d& p : {AcGePoint3d(5, 5, 0), AcGePoint3d(5.005, 5, 0), AcGePoint3d(8, 5, 0),
                               AcGePoint3d(5, 5.009, 0), AcGePoint3d(8, 5.02, 0)}) {
    points.append(p);
  }
  RemoveNearbyDuplicates(points, 0.01);
  EXPECT_EQ(PointsOf(points), (Points{{5, 5, 0}, {8, 5, 0}, {8, 5.02, 0}}));
}

}  // namespace
