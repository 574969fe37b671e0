#include "plugin/geometry/polyline/polyline_merge.h"

#include <cmath>

#include "platform/cad/db/tables/db_block_table.h"
#include "plugin/geometry/polyline/polyline_fixture_test.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_properties.h"

namespace {

class PolylineMerge : public PolylineFixture {
 protected:
  AcDbObjectId square(double x, double y, double size, double elevation = 0.0) {
    return addPolyline({{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}}, true, elevation);
  }

  // Entities of model space that are not erased.
  int entityCount() {
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(acdbOpenObject(space, db_.currentSpaceId(), AcDb::kForRead), Acad::eOk);
    int count = 0;
    AcDbBlockTableRecordIterator* iterator = nullptr;
    space->newIterator(iterator);
    for (; iterator != nullptr && !iterator->done(); iterator->step()) ++count;
    delete iterator;
    space->close();
    return count;
  }
};

TEST_F(PolylineMerge, SquaresOverlappingInACornerGiveOneEightVertexOutline) {
  const AcDbObjectId a = square(0, 0, 10);
  const AcDbObjectId b = square(5, 5, 10);
  AcDbObjectIdArray merged;
  ASSERT_TRUE(MergeClosedPolylines(a, b, merged));
  ASSERT_EQ(merged.length(), 1);
  bool closed = false;
  EXPECT_EQ(vertices(merged[0], &closed).size(), 8u);
  EXPECT_TRUE(closed);
  EXPECT_NEAR(GetCurveArea(merged[0]), 175.0, 1e-6);
  EXPECT_EQ(entityCount(), 3);  // the two squares and the union; no piece is left behind
  EXPECT_EQ(vertices(a).size(), 4u);
}

TEST_F(PolylineMerge, SquaresSharingAnEdgeBecomeOneRectangle) {
  const AcDbObjectId a = square(0, 0, 10);
  const AcDbObjectId b = square(10, 0, 10);
  AcDbObjectIdArray merged;
  ASSERT_TRUE(MergeClosedPolylines(a, b, merged));
  ASSERT_EQ(merged.length(), 1);
  EXPECT_NEAR(GetCurveArea(merged[0]), 200.0, 1e-6);
  EXPECT_EQ(vertices(merged[0]).size(), 4u);
  EXPECT_EQ(entityCount(), 3);
}

TEST_F(PolylineMerge, OverlapAlongPartOfAnEdgeKeepsThatEdgeOnce) {
  // b covers the right half of a's bottom edge, from inside.
  const AcDbObjectId a = square(0, 0, 10);
  const AcDbObjectId b = addPolyline({{5, 0}, {15, 0}, {15, 5}, {5, 5}}, true);
  AcDbObjectIdArray merged;
  ASSERT_TRUE(MergeClosedPolylines(a, b, merged));
  ASSERT_EQ(merged.length(), 1);
  EXPECT_NEAR(GetCurveArea(merged[0]), 125.0, 1e-6);
  EXPECT_EQ(entityCount(), 3);
}

TEST_F(PolylineMerge, ApartOrSameOutlinesAreNotMergedAndLeaveNothing) {
  const AcDbObjectId a = square(0, 0, 10);
  const AcDbObjectId apart = square(20, 0, 5);
  AcDbObjectIdArray merged;
  EXPECT_FALSE(MergeClosedPolylines(a, apart, merged));
  EXPECT_FALSE(MergeClosedPolylines(a, a, merged));
  EXPECT_FALSE(MergeClosedPolylines(a, AcDbObjectId(), merged));
  EXPECT_EQ(merged.length(), 0);
  EXPECT_EQ(entityCount(), 2);
}

TEST_F(PolylineMerge, DifferentElevationsMergeInPlanAndKeepTheirLevels) {
  const AcDbObjectId a = square(0, 0, 10, 3.0);
  const AcDbObjectId b = square(5, 5, 10, -2.0);
  AcDbObjectIdArray merged;
  ASSERT_TRUE(MergeClosedPolylines(a, b, merged));
  ASSERT_EQ(merged.length(), 1);
  EXPECT_NEAR(GetCurveArea(merged[0]), 175.0, 1e-6);
  double elevation = 0.0;
  ASSERT_TRUE(GetPolylineElevation(a, elevation));
  EXPECT_EQ(elevation, 3.0);
  ASSERT_TRUE(GetPolylineElevation(b, elevation));
  EXPECT_EQ(elevation, -2.0);
  ASSERT_TRUE(GetPolylineElevation(merged[0], elevation));
  EXPECT_EQ(elevation, 3.0);
}

TEST_F(PolylineMerge, ArcOutlinesMerge) {
  // Two circles of radius 5, centres 6 apart.
  const AcDbObjectId a = addPolyline({{-5, 0, 1.0}, {5, 0, 1.0}}, true);
  const AcDbObjectId b = addPolyline({{1, 0, 1.0}, {11, 0, 1.0}}, true);
  AcDbObjectIdArray merged;
  ASSERT_TRUE(MergeClosedPolylines(a, b, merged));
  ASSERT_EQ(merged.length(), 1);
  const double lens = 2 * 25 * std::acos(0.6) - 0.5 * 6 * std::sqrt(100 - 36);
  EXPECT_NEAR(GetCurveArea(merged[0]), 2 * 25 * M_PI - lens, 1e-6);
  EXPECT_EQ(entityCount(), 3);
}

TEST_F(PolylineMerge, OffsetLoopsKeepThePiecesAtTheOffset) {
  // Two loops at offset 1 inside two references; the join keeps the outer union.
  const AcDbObjectId firstReference = square(-1, -1, 12);
  const AcDbObjectId secondReference = square(4, 4, 12);
  const AcDbObjectId a = square(0, 0, 10);
  const AcDbObjectId b = square(5, 5, 10);
  AcDbObjectIdArray firstList;
  firstList.append(firstReference);
  AcDbObjectIdArray secondList;
  secondList.append(secondReference);
  AcDbObjectIdArray merged;
  ASSERT_TRUE(MergeOffsetLoops(a, b, firstList, secondList, 1.0, merged, 0));
  ASSERT_EQ(merged.length(), 1);
  EXPECT_NEAR(GetCurveArea(merged[0]), 175.0, 1e-6);
  EXPECT_EQ(entityCount(), 5);

  EXPECT_FALSE(MergeOffsetLoops(a, a, firstList, secondList, 1.0, merged, 0));
  EXPECT_EQ(entityCount(), 5);

  // Side 1 keeps the second loop's pieces inside the first: the first loop less the overlap.
  AcDbObjectIdArray inner;
  ASSERT_TRUE(MergeOffsetLoops(a, b, firstList, secondList, 1.0, inner, 1));
  ASSERT_EQ(inner.length(), 1);
  EXPECT_NEAR(GetCurveArea(inner[0]), 75.0, 1e-6);
  EXPECT_EQ(entityCount(), 6);

  // Pieces that come nearer to their references than the offset are dropped.
  AcDbObjectIdArray tooNear;
  EXPECT_FALSE(MergeOffsetLoops(a, b, firstList, secondList, 2.0, tooNear, 0));
  EXPECT_EQ(entityCount(), 6);

  AcDbObjectIdArray apart;
  EXPECT_FALSE(MergeOffsetLoops(a, square(30, 30, 2), firstList, secondList, 1.0, apart, 0));
  EXPECT_EQ(entityCount(), 7);
}

}  // namespace
