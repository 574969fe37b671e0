#include "plugin/geometry/passes/plunge_moves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/passes/plunge_polyline.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

class PlungeMoves : public ::testing::Test {
 protected:
  AcDbObjectId polyline(const std::vector<AcGePoint2d>& points, bool closed) {
    auto* entity = new AcDbPolyline();
    for (const AcGePoint2d& p : points) entity->addVertexAt(entity->numVerts(), p);
    entity->setClosed(closed);
    return session_.add(entity);
  }
  std::vector<AcGePoint3d> vertices(AcDbObjectId id) {
    std::vector<AcGePoint3d> out;
    AcDb3dPolyline* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return out;
    double end = 0.0;
    entity->getEndParam(end);
    for (int i = 0; i <= static_cast<int>(std::lround(end)); ++i) {
      AcGePoint3d p;
      entity->getPointAtParam(i, p);
      out.push_back(p);
    }
    entity->close();
    return out;
  }
  static AcGePoint3d EndOf(AcDbObjectId id) {
    AcGePoint3d start;
    AcGePoint3d end;
    GetCurveEndPoints(id, start, end);
    return end;
  }
  // A pass along +X from T, 100 long.
  AcDbObjectId passFromT() { return polyline({{0, 0}, {100, 0}, {100, 50}}, false); }

  ShellSession session_;
  CPlungeDlg plunge_;
  const AcGePoint3d t_{0, 0, 0};
  const AcGePoint3d top_{0, 0, 30};
  AcDbObjectIdArray none_;
};

TEST_F(PlungeMoves, StraightPlungeAndRamp) {
  const AcDbObjectId pass = passFromT();
  plunge_.m_Extent = kPlungeLength;
  AcDbObjectIdArray ids;
  ASSERT_TRUE(AddPlungeMove(plunge_, pass, none_, ids, AcGePoint3d(0, 0, 50), t_));
  ASSERT_EQ(ids.length(), 2);
  EXPECT_TRUE(EndOf(ids[0]).isEqualTo(AcGePoint3d(0, 0, 30)));
  EXPECT_TRUE(EndOf(ids[1]).isEqualTo(t_));

  ids.setLogicalLength(0);
  plunge_.m_ZAngle = 30.0f;
  ASSERT_TRUE(AddPlungeMove(plunge_, pass, none_, ids, AcGePoint3d(0, 0, 50), t_));
  ASSERT_EQ(ids.length(), 3);  // over the ramp top, down to it, the ramp
  const double back = 30.0 * std::cos(M_PI / 6);
  EXPECT_TRUE(EndOf(ids[0]).distanceTo(AcGePoint3d(-back, 0, 50)) < 1e-6);
  EXPECT_TRUE(EndOf(ids[1]).distanceTo(AcGePoint3d(-back, 0, 15)) < 1e-6);
  EXPECT_TRUE(EndOf(ids[2]).isEqualTo(t_));

  EXPECT_FALSE(AddPlungeMove(plunge_, AcDbObjectId::kNull, none_, ids, top_, t_));
  EXPECT_EQ(ids.length(), 3);
}

TEST_F(PlungeMoves, HelixWithDefaultsIsMarkedAndEndsAtTheStart) {
  plunge_.m_PlungeMethod = kPlungeCircular;
  AcDbObjectIdArray ids;
  ASSERT_TRUE(AddPlungeMove(plunge_, passFromT(), none_, ids, AcGePoint3d(0, 0, 50), t_));
  ASSERT_EQ(ids.length(), 3);  // rapid down to the top, the mark, the helix
  const std::vector<AcGePoint3d> v = vertices(ids[2]);
  ASSERT_EQ(v.size(), 254u);
  EXPECT_TRUE(v.front().isEqualTo(top_));
  EXPECT_TRUE(v[1].isEqualTo(AcGePoint3d(0, 0, 10)));
  EXPECT_TRUE(v[2].isEqualTo(AcGePoint3d(10, 0, 10)));
  EXPECT_TRUE(v[52].isEqualTo(AcGePoint3d(10, 0, 8)));
  EXPECT_TRUE(v.back().isEqualTo(t_));
}

TEST_F(PlungeMoves, SlotWithDefaultsZigzagsAlongThePassStart) {
  plunge_.m_PlungeMethod = kPlungeStraightSlot;
  AcDbObjectId id;
  ASSERT_EQ(Make3dPolylineMove(plunge_, passFromT(), none_, t_, top_, id), kSlotPlunge);
  const std::vector<AcGePoint3d> v = vertices(id);
  const double drop = 10.0 * std::sin(2.0 * M_PI / 180.0);
  ASSERT_EQ(v.size(), 30u);
  EXPECT_NEAR(v[1].z, 28 * drop, 1e-9);
  EXPECT_TRUE(v[2].distanceTo(AcGePoint3d(10, 0, 27 * drop)) < 1e-9);
  EXPECT_TRUE(v[3].distanceTo(AcGePoint3d(0, 0, 26 * drop)) < 1e-9);
  EXPECT_TRUE(v.back().isEqualTo(t_));
}

TEST_F(PlungeMoves, HelixShrinksOrGivesWayToADescentNearABoundary) {
  plunge_.m_PlungeMethod = kPlungeCircular;
  const AcDbObjectId pass = passFromT();
  AcDbObjectIdArray near;
  near.append(polyline({{-10, 4}, {100, 4}}, false));
  AcDbObjectId id;
  ASSERT_EQ(Make3dPolylineMove(plunge_, pass, near, t_, top_, id), kDescentAlongPass);
  const std::vector<AcGePoint3d> v = vertices(id);
  ASSERT_GE(v.size(), 3u);
  for (const AcGePoint3d& p : v) {
    EXPECT_NEAR(p.y, 0.0, 1e-9);
    EXPECT_LE(p.x, 10.0 + 1e-9);
  }
  EXPECT_NEAR(v.back().z, 0.0, 1e-9);

  AcDbObjectIdArray farther;
  farther.append(polyline({{-10, 6}, {100, 6}}, false));
  ASSERT_EQ(Make3dPolylineMove(plunge_, pass, farther, t_, top_, id), kHelixPlunge);
  EXPECT_NEAR(vertices(id)[2].x, 6.0, 1e-9);
}

TEST_F(PlungeMoves, UnmeasurableBoundaryFallsBackToAStraightFeed) {
  plunge_.m_PlungeMethod = kPlungeCircular;
  AcDbObjectIdArray lines;
  lines.append(session_.add(new AcDbLine(AcGePoint3d(5, 5, 0), AcGePoint3d(9, 9, 0))));
  AcDbObjectIdArray ids;
  ASSERT_TRUE(AddPlungeMove(plunge_, passFromT(), lines, ids, top_, t_));
  ASSERT_EQ(ids.length(), 1);
  EXPECT_TRUE(EndOf(ids[0]).isEqualTo(t_));
}

TEST_F(PlungeMoves, FlatPitchOrTinySlotDropsStraightDown) {
  plunge_.m_PlungeMethod = kPlungeCircular;
  plunge_.m_HelixPitchAngle = 0.0f;
  AcDbObjectId id;
  ASSERT_EQ(Make3dPolylineMove(plunge_, passFromT(), none_, t_, top_, id), kHelixPlunge);
  EXPECT_EQ(vertices(id).size(), 2u);

  // On a boundary with a pass that does not start there: the slot has no room.
  plunge_.m_PlungeMethod = kPlungeStraightSlot;
  AcDbObjectIdArray onIt;
  onIt.append(polyline({{-10, 0}, {-10, 10}, {0, 0}}, false));
  const AcGePoint3d elsewhere(-5, 5, 0);
  ASSERT_EQ(Make3dPolylineMove(plunge_, passFromT(), onIt, elsewhere, AcGePoint3d(0, 0, 30), id), kSlotPlunge);
  const std::vector<AcGePoint3d> v = vertices(id);
  ASSERT_EQ(v.size(), 2u);
  EXPECT_TRUE(v.back().isEqualTo(elsewhere));
}

TEST_F(PlungeMoves, DescentOnAnArcStaysWithinItsRunAndSmallHelixesHavePoints) {
  plunge_.m_PlungeMethod = kPlungeCircular;
  auto* arc = new AcDbPolyline();
  arc->addVertexAt(0, AcGePoint2d(0, 0), 1.0);  // half circle of radius 20, 62.8 long
  arc->addVertexAt(1, AcGePoint2d(0, 40));
  const AcDbObjectId pass = session_.add(arc);
  AcDbObjectIdArray near;
  near.append(polyline({{4, -10}, {4, 10}}, false));
  AcDbObjectId id;
  ASSERT_EQ(Make3dPolylineMove(plunge_, pass, near, t_, top_, id), kDescentAlongPass);
  for (const AcGePoint3d& p : vertices(id)) EXPECT_LE(p.distanceTo(AcGePoint3d(0, 0, p.z)), 10.0 + 1e-6);

  AcDbObjectIdArray tight;
  tight.append(polyline({{-10, 0.15}, {10, 0.15}}, false));
  ASSERT_EQ(Make3dPolylineMove(plunge_, pass, tight, AcGePoint3d(0, 0.3, 0), top_, id), kHelixPlunge);
  EXPECT_GT(vertices(id).size(), 4u);
}

TEST_F(PlungeMoves, ApproachAndRetract) {
  plunge_.m_DefaultFeed = 800;
  AcDbObjectIdArray ids;
  AddPlungeApproachMoves(plunge_, ids, AcGePoint3d(0, 0, 50), t_);
  plunge_.m_PlungeMethod = kPlungeCircular;
  AddPlungeApproachMoves(plunge_, ids, AcGePoint3d(0, 0, 50), t_);
  AddLinkPlungeMoves(plunge_, ids, t_, AcGePoint3d(40, 0, 50));
  ASSERT_EQ(ids.length(), 5);
  EXPECT_TRUE(EndOf(ids[1]).isEqualTo(top_));
  EXPECT_TRUE(EndOf(ids[3]).isEqualTo(top_));
}

}  // namespace
