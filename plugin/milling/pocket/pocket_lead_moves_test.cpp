#include "plugin/milling/pocket/pocket_lead_moves.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/milling/pocket/pocket_link_area.h"
#include "plugin/milling/pocket/pocket_plan_paths.h"
#include "plugin/shell/shell_session_test.h"

namespace {

class PocketLeadMoves : public ::testing::Test {
 protected:
  PocketLeadMoves() {
    lead_.m_EntryOn = lead_.m_ExitOn = 1;
    lead_.m_EntryArcOn = lead_.m_ExitArcOn = lead_.m_EntryLineOn = lead_.m_ExitLineOn = 1;
    lead_.m_EntryArcRadius = lead_.m_ExitArcRadius = 5;
    lead_.m_EntryLineLength = lead_.m_ExitLineLength = 5;
  }

  // A finishing ring of a 100 x 60 pocket, 3 from the wall, drawn from a corner.
  AcDbObjectId ring(bool clockwise) {
    std::vector<AcGePoint2d> corners = {{3, 3}, {97, 3}, {97, 57}, {3, 57}};
    if (clockwise) corners = {{3, 3}, {3, 57}, {97, 57}, {97, 3}};
    auto* entity = new AcDbPolyline();
    for (const AcGePoint2d& corner : corners) entity->addVertexAt(entity->numVerts(), corner);
    entity->setClosed(true);
    return session_.add(entity);
  }

  void ExpectLeadsInside(AcDbObjectId pass, const PocketLinkArea& area) {
    curve::BulgePath path;
    ASSERT_TRUE(ReadPlanPath(pass, path));
    EXPECT_FALSE(path.closed);
    // Four corners, the start along an edge and its return, two moves at each end.
    EXPECT_EQ(path.vertices.size(), 4u + 2u + 4u);
    for (const curve::BulgeSeg& segment : path.segments())
      for (double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
        const AcGePoint2d p = segment.pointAt(t);
        EXPECT_TRUE(area.contains(p) || area.distanceTo(p, 1.0) < 1e-3) << p.x << "," << p.y;
      }
  }

  ShellSession session_;
  CLeadInOutDlg lead_;
};

// A start in the corner curls the moves round it into the wall at every size:
// the start moves along the ring to where they fit.
TEST_F(PocketLeadMoves, ARingStartedInACornerTakesItsLeadsWhereTheyStayOffTheWall) {
  for (bool clockwise : {false, true}) {
    const AcDbObjectId pass = ring(clockwise);
    AcDbObjectIdArray passes;
    passes.append(pass);
    const PocketLinkArea area = PocketLinkArea::FromPolylines(passes);
    lead_.m_Side = clockwise ? 1 : 0;
    AddLeadMovesInside(lead_, passes, area, true);
    ExpectLeadsInside(pass, area);
  }
  EXPECT_EQ(session_.transcript().find("진입부를 생성할 수 없는"), std::string::npos) << session_.transcript();
}

}  // namespace
