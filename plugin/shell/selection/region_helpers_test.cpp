#include "plugin/shell/selection/region_helpers.h"

#include <gtest/gtest.h>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/space_helpers.h"

namespace {

AcDbObjectId AddSquare(ShellSession& session, double size) {
  auto* square = new AcDbPolyline();
  square->addVertexAt(0, AcGePoint2d(0, 0));
  square->addVertexAt(1, AcGePoint2d(size, 0));
  square->addVertexAt(2, AcGePoint2d(size, size));
  square->addVertexAt(3, AcGePoint2d(0, size));
  square->setClosed(true);
  return session.add(square);
}

// Every entity of model space that is not erased, by kind.
std::vector<int> DrawingKinds(ShellSession& session) {
  std::vector<int> kinds;
  AcDbBlockTableRecord* space = OpenCurrentSpace(AcDb::kForRead, &session.db());
  AcDbObjectIdArray ids;
  if (space != nullptr) {
    AcDbBlockTableRecordIterator* iterator = nullptr;
    space->newIterator(iterator);
    for (; iterator != nullptr && !iterator->done(); iterator->step()) {
      AcDbObjectId id;
      iterator->getEntityId(id);
      ids.append(id);
    }
    delete iterator;
    space->close();
  }
  for (int i = 0; i < ids.length(); ++i) kinds.push_back(GetEntityKind(ids[i]));
  return kinds;
}

TEST(RegionHelpers, TestCommandLeavesTheDrawingAsItWas) {
  ShellSession session("10,5\n20,20\n");
  AddSquare(session, 10.0);
  session.add(new AcDbLine(AcGePoint3d(20, 20, 0), AcGePoint3d(30, 20, 0)));
  const std::vector<int> before = DrawingKinds(session);
  TestCommand();  // a closed polyline: a region is made and erased
  EXPECT_EQ(DrawingKinds(session), before);
  TestCommand();  // an open line makes no region
  EXPECT_EQ(DrawingKinds(session), before);
  EXPECT_FALSE(session.failed()) << session.transcript();
  const std::string transcript = session.transcript();
  const size_t refusal = transcript.find("영역을 만들 수 없습니다");
  ASSERT_NE(refusal, std::string::npos) << transcript;
  EXPECT_EQ(transcript.find("영역을 만들 수 없습니다", refusal + 1), std::string::npos) << transcript;
}

TEST(RegionHelpers, RegionsCombineAndBreakDownIntoTheirBoundaryCurves) {
  ShellSession session;
  AcDbObjectId big;
  AcDbObjectId small;
  ASSERT_TRUE(CreateRegionsFromCurves(AddSquare(session, 10.0), big));
  ASSERT_TRUE(CreateRegionsFromCurves(AddSquare(session, 5.0), small));
  EXPECT_FALSE(RegionBooleanOper(big, small, 3));
  ASSERT_TRUE(RegionBooleanOper(big, small, kRegionSubtraction));
  AcDbObjectIdArray pieces;
  ASSERT_TRUE(ExplodeRegionToCurves(big, pieces));
  EXPECT_EQ(pieces.length(), 6);  // the L shape left over
  for (int i = 0; i < pieces.length(); ++i) EXPECT_EQ(GetEntityKind(pieces[i]), 2);

  AcDbObjectId none;
  EXPECT_FALSE(CreateRegionsFromCurves(session.add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0))), none));
}

TEST(RegionHelpers, AFailedSolidOffsetLeavesNoCopyBehind) {
  ShellSession session;
  auto* box = new AcDb3dSolid();
  box->createBox(10, 10, 10);
  const AcDbObjectId solid = session.add(box);
  AcDbObjectId grown;
  ASSERT_TRUE(OffsetSolidCopy(solid, 1.0, grown));
  AcGePoint3d low;
  AcGePoint3d high;
  ASSERT_TRUE(GetSolidExtents(grown, low, high));
  EXPECT_NEAR(high.x - low.x, 12.0, 1e-6);
  const size_t count = DrawingKinds(session).size();
  AcDbObjectId shrunk;
  EXPECT_FALSE(OffsetSolidCopy(solid, -6.0, shrunk));
  EXPECT_EQ(DrawingKinds(session).size(), count);
}

}  // namespace
