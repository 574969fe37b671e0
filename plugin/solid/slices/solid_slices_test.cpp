#include "plugin/solid/slices/solid_slices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/cad/db/entities/db_circle.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/solid/slices/mould_solids_test.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

int EntitiesInModelSpace(ShellSession& session) {
  AcDbBlockTableRecord* space = OpenCurrentSpace(AcDb::kForRead, &session.db());
  AcDbBlockTableRecordIterator* it = nullptr;
  space->newIterator(it);
  int count = 0;
  for (; !it->done(); it->step()) ++count;
  delete it;
  space->close();
  return count;
}

TEST(SolidSlices, TheMouldCutsIntoOneOutlineWithTwoSeparateOpenings) {
  ShellSession session;
  const AcDbObjectId block = mould::Block(session);
  const int before = EntitiesInModelSpace(session);
  SectionLoops loops;
  ASSERT_TRUE(SectionLoopsAtZ(block, 20.0, 20.0, loops));
  ASSERT_EQ(loops.outer.length(), 1);
  EXPECT_NEAR(GetCurveArea(loops.outer[0]), 120.0 * 80.0, 1e-6);
  ASSERT_EQ(loops.holes.size(), 1u);
  ASSERT_EQ(loops.holes[0].length(), 2);
  std::vector<double> areas{GetCurveArea(loops.holes[0][0]), GetCurveArea(loops.holes[0][1])};
  std::sort(areas.begin(), areas.end());
  const double bowl = 18.0 * 18.0 - 10.0 * 10.0;  // r^2 of the bowl 10 below its centre
  EXPECT_NEAR(areas[0], kPi * bowl, 1e-3);
  EXPECT_NEAR(areas[1], kPi * 15.0 * 15.0, 1e-3);
  EXPECT_NEAR(GetCurveEndZ(loops.outer[0]), 20.0, 1e-9);
  // The section region itself is gone; only the loops were added.
  EXPECT_EQ(EntitiesInModelSpace(session), before + 3);
  EraseSectionLoops(loops);
  EXPECT_EQ(EntitiesInModelSpace(session), before);
}

TEST(SolidSlices, LevelsOnAFaceOrOutsideTheSolid) {
  ShellSession session;
  const AcDbObjectId block = mould::Block(session);
  SectionLoops loops;
  // On the pocket's floor the plane lies in a face: the section is taken just above.
  ASSERT_TRUE(SectionLoopsAtZ(block, 10.0, 10.0, loops));
  EXPECT_EQ(loops.outer.length(), 1);
  EraseSectionLoops(loops);
  const int before = EntitiesInModelSpace(session);
  EXPECT_FALSE(SectionLoopsAtZ(block, 40.0, 40.0, loops));
  EXPECT_FALSE(SectionLoopsAtZ(block, -1.0, -1.0, loops));
  EXPECT_EQ(EntitiesInModelSpace(session), before);
  double bottom = 1.0, top = 0.0;
  ASSERT_TRUE(GetSolidZRange(block, bottom, top));
  EXPECT_NEAR(bottom, 0.0, 1e-6);
  EXPECT_NEAR(top, 30.0, 1e-6);
}

TEST(SolidSlices, OnlySolidsWithABodyAreMachined) {
  LoadMessageTable();
  ShellSession session("ok\nok\nok\n");
  const AcDbObjectId block = mould::Box(session, AcGePoint3d(0, 0, 0), AcGePoint3d(10, 10, 10));
  const AcDbObjectId circle = session.add(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 5.0));
  const AcDbObjectId empty = session.add(new AcDb3dSolid());
  EXPECT_TRUE(CheckSolidModelIds(block, AcDbObjectId::kNull));
  EXPECT_TRUE(CheckSolidModelIds(block, block));
  EXPECT_FALSE(CheckSolidModelIds(circle, AcDbObjectId::kNull));
  EXPECT_FALSE(CheckSolidModelIds(block, empty));
  EXPECT_FALSE(CheckSolidModelIds(AcDbObjectId::kNull, block));
  EXPECT_FALSE(MsgOnlySolidsMachined.IsEmpty());
  EXPECT_FALSE(session.failed()) << session.transcript();
}

TEST(SolidSlices, HelpersGoUnlessReleasedAndDifferencesLeaveTheToolAlone) {
  ShellSession session;
  const AcDbObjectId stock = mould::Box(session, AcGePoint3d(0, 0, 0), AcGePoint3d(20, 20, 10));
  const AcDbObjectId model = mould::Box(session, AcGePoint3d(5, 5, 0), AcGePoint3d(15, 15, 10));
  const int before = EntitiesInModelSpace(session);
  AcDbObjectIdArray kept;
  {
    HelperSolids clones;
    AcDbObjectIdArray sources;
    sources.append(stock);
    sources.append(model);
    ASSERT_TRUE(CloneHiddenSolids(sources, clones));
    EXPECT_EQ(EntitiesInModelSpace(session), before + 2);
    ASSERT_TRUE(SubtractSolidClone(stock, model));
    EXPECT_TRUE(IsMachinableSolid(model));
    {
      OpenedObject<AcDb3dSolid> ring(stock, AcDb::kForRead);
      EXPECT_NEAR(ring->volume(), 20 * 20 * 10 - 10 * 10 * 10, 1e-6);
    }
    HelperSolids other;
    other.add(session.add(new AcDb3dSolid()));
    other.release(kept);
  }
  // The clones went with their holder; the released one stayed.
  EXPECT_EQ(EntitiesInModelSpace(session), before + 1);
  ASSERT_EQ(kept.length(), 1);
  EraseObject(kept[0]);
}

}  // namespace
