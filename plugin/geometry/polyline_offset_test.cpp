#include "plugin/geometry/polyline_offset.h"

#include <cmath>

#include "platform/cad/curve/offset_fault.h"
#include "platform/cad/db/db_line.h"
#include "plugin/geometry/offset_duplicates.h"
#include "plugin/geometry/polyline_fixture_test.h"
#include "plugin/geometry/polyline_measure.h"
#include "plugin/geometry/polyline_properties.h"

namespace {

class PolylineOffsetTest : public PolylineFixture {
 protected:
  ~PolylineOffsetTest() override { curve::SetOffsetFaultForTesting(curve::OffsetFault::kNone); }

  AcDbObjectId square(double x, double y, double side, double elevation = 0.0) {
    return addPolyline({{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}}, true, elevation);
  }
  // Live entities of model space.
  int liveEntities() {
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(acdbOpenObject(space, db_.currentSpaceId(), AcDb::kForRead), Acad::eOk);
    int count = 0;
    for (AcDbObjectId id : space->entityIds()) {
      AcDbObject* object = nullptr;
      if (acdbOpenAcDbObject(object, id, AcDb::kForRead) == Acad::eOk) {
        ++count;
        object->close();
      }
    }
    space->close();
    return count;
  }
};

TEST_F(PolylineOffsetTest, SquareShrinksOnOneSideAndGrowsOnTheOther) {
  const AcDbObjectId source = square(0, 0, 10);
  OffsetRetryLevel = 99999;
  AcDbObjectIdArray inner;
  ASSERT_TRUE(OffsetPolylineEx(5, source, inner, 1.0, 3.5, 1));
  ASSERT_EQ(inner.length(), 1);
  EXPECT_NEAR(GetCurveArea(inner[0]), 64.0, 1e-6);
  double elevation = 0.0;
  ASSERT_TRUE(GetPolylineElevation(inner[0], elevation));
  EXPECT_EQ(elevation, 3.5);
  EXPECT_TRUE(IsCurveClosed(inner[0]));
  EXPECT_EQ(OffsetRetryLevel, 99999);  // first attempt did it

  AcDbObjectIdArray outer;
  ASSERT_TRUE(OffsetPolyline(source, outer, 1.0, 0.0, 0));
  ASSERT_EQ(outer.length(), 1);
  EXPECT_NEAR(GetCurveArea(outer[0]), 140.0 + M_PI, 1e-6);
  EXPECT_EQ(liveEntities(), 3);  // the source and the two results, no copies
}

TEST_F(PolylineOffsetTest, HopelessShapesFailAndLeaveNothingBehind) {
  AcDbObjectIdArray result;
  result.append(AcDbObjectId());
  EXPECT_FALSE(OffsetPolyline(square(0, 0, 1), result, 1.0, 0.0, 1));  // the band swallows it
  EXPECT_TRUE(result.isEmpty());
  EXPECT_FALSE(OffsetPolyline(addPolyline({{0, 0}, {1, 0}, {1, 0.05}, {0, 0.05}}, true), result, 0.01, 0.0, 1));
  EXPECT_FALSE(OffsetPolyline(AcDbObjectId(), result, 1.0, 0.0, 1));
  const AcDbObjectId line = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0)));
  EXPECT_FALSE(OffsetPolyline(line, result, 1.0, 0.0, 1));
  EXPECT_EQ(liveEntities(), 3);

  curve::SetOffsetFaultForTesting(curve::OffsetFault::kFail);
  EXPECT_FALSE(OffsetPolyline(square(0, 0, 10), result, 1.0, 0.0, 1));
  EXPECT_EQ(liveEntities(), 4);
}

TEST_F(PolylineOffsetTest, RetriesPastFailedAndOpenResultsAndRecordsTheLevel) {
  const AcDbObjectId source = square(0, 0, 10);
  OffsetRetryLevel = 99999;
  curve::SetOffsetFaultForTesting(curve::OffsetFault::kOpenCurves, 1);
  AcDbObjectIdArray result;
  ASSERT_TRUE(OffsetPolylineEx(7, source, result, 1.0, 0.0, 1));
  ASSERT_EQ(result.length(), 1);
  EXPECT_NEAR(GetCurveArea(result[0]), 64.0, 1e-6);
  EXPECT_EQ(OffsetRetryLevel, 7);
  EXPECT_EQ(liveEntities(), 2);  // the open pieces were erased

  curve::SetOffsetFaultForTesting(curve::OffsetFault::kFail, 2);
  ASSERT_TRUE(OffsetPolylineEx(9, source, result, 1.0, 0.0, 1));
  EXPECT_EQ(result.length(), 1);
  EXPECT_EQ(OffsetRetryLevel, 7);  // only a smaller value lowers it
}

TEST_F(PolylineOffsetTest, NarrowNeckSplitsIntoTwoLoops) {
  const AcDbObjectId dumbbell = addPolyline({{0, 0},
                                             {10, 0},
                                             {10, 4.5},
                                             {14, 4.5},
                                             {14, 0},
                                             {24, 0},
                                             {24, 10},
                                             {14, 10},
                                             {14, 5.5},
                                             {10, 5.5},
                                             {10, 10},
                                             {0, 10}},
                                            true);
  AcDbObjectIdArray result;
  ASSERT_TRUE(OffsetPolyline(dumbbell, result, 1.0, 0.0, 1));
  ASSERT_EQ(result.length(), 2);
  // Each square keeps its rounded bit of the neck's mouth.
  EXPECT_NEAR(GetCurveArea(result[0]), 64.0, 0.1);
  EXPECT_NEAR(GetCurveArea(result[1]), 64.0, 0.1);
  EXPECT_EQ(liveEntities(), 3);
}

TEST_F(PolylineOffsetTest, SimpleOffsetKeepsOpenPiecesAndReportsFailures) {
  const AcDbObjectId source = square(0, 0, 10);
  AcDbObjectIdArray result;
  ASSERT_TRUE(OffsetPolylineSimple(source, result, 1.0, 2.0, 1));
  ASSERT_EQ(result.length(), 1);
  double elevation = 0.0;
  GetPolylineElevation(result[0], elevation);
  EXPECT_EQ(elevation, 2.0);

  curve::SetOffsetFaultForTesting(curve::OffsetFault::kOpenCurves, 1);
  ASSERT_TRUE(OffsetPolylineSimple(source, result, 1.0, 0.0, 1));
  ASSERT_EQ(result.length(), 1);
  EXPECT_FALSE(IsCurveClosed(result[0]));

  curve::SetOffsetFaultForTesting(curve::OffsetFault::kFail, 1);
  EXPECT_FALSE(OffsetPolylineSimple(source, result, 1.0, 0.0, 1));
  EXPECT_TRUE(result.isEmpty());
  EXPECT_EQ(liveEntities(), 3);
}

TEST_F(PolylineOffsetTest, TrimmedOffsetIsOneClosedLoopAtTheSourceElevation) {
  const AcDbObjectId source = square(0, 0, 10, 4.0);
  AcDbObjectId inner, outer;
  ASSERT_TRUE(OffsetPolylineTrimmed(source, inner, -1.0));
  ASSERT_TRUE(OffsetPolylineTrimmed(source, outer, 1.0));
  EXPECT_TRUE(IsCurveClosed(inner));
  double elevation = 0.0;
  GetPolylineElevation(inner, elevation);
  EXPECT_EQ(elevation, 4.0);
  const double small = std::min(GetCurveArea(inner), GetCurveArea(outer));
  const double large = std::max(GetCurveArea(inner), GetCurveArea(outer));
  EXPECT_NEAR(small, 64.0, 0.1);
  EXPECT_NEAR(large, 140.0 + M_PI, 0.1);
  EXPECT_EQ(liveEntities(), 3);
}

TEST_F(PolylineOffsetTest, TrimmedOffsetOfAnOutlineWithNearlyStraightJointsIsTheWholeLoop) {
  // Rounded corners whose arc was stretched onto a line ending 0.004 short:
  // the joints at both ends of that arc bend by a hundredth of a degree.
  const double quarter = std::tan(M_PI / 8.0);
  const AcDbObjectId source = addPolyline({{10, 0},
                                           {110, 0, quarter},
                                           {120, 10},
                                           {120, 70, quarter},
                                           {110, 80},
                                           {10, 80, quarter},
                                           {0, 69.996},
                                           {0, 10, quarter}},
                                          true);
  const double area = GetCurveArea(source);
  const double length = GetPolylineLength(source);
  for (double distance : {0.1, -0.1}) {
    AcDbObjectId smoothed;
    ASSERT_TRUE(OffsetPolylineTrimmed(source, smoothed, distance)) << distance;
    EXPECT_TRUE(IsCurveClosed(smoothed));
    EXPECT_NEAR(std::fabs(GetCurveArea(smoothed) - area), 0.1 * length, 1.0) << distance;
  }
}

TEST_F(PolylineOffsetTest, MidPointIsHalfWayAlongTheCurve) {
  AcGePoint3d mid;
  ASSERT_TRUE(GetCurveMidPoint(addPolyline({{0, 0}, {10, 0}, {10, 6}}, false), mid));
  EXPECT_NEAR(mid.distanceTo(AcGePoint3d(8, 0, 0)), 0.0, 1e-9);
  EXPECT_FALSE(GetCurveMidPoint(AcDbObjectId(), mid));
}

TEST_F(PolylineOffsetTest, DuplicateLoopsGoWhateverTheirStart) {
  const AcDbObjectId first = square(0, 0, 8);
  const AcDbObjectId rotated = addPolyline({{8, 0}, {8, 8}, {0, 8}, {0, 0}}, true);
  const AcDbObjectId shifted = square(3, 0, 8);
  AcDbObjectIdArray loops;
  for (AcDbObjectId id : {first, rotated, first, shifted}) loops.append(id);
  RemoveDuplicateOffsetLoops(loops, 1.0);
  ASSERT_EQ(loops.length(), 2);
  EXPECT_EQ(loops[0], first);
  EXPECT_EQ(loops[1], shifted);
  EXPECT_EQ(liveEntities(), 2);  // the rotated copy was erased

  const AcDbObjectId again = addPolyline({{0, 8}, {0, 0}, {8, 0}, {8, 8}}, true);
  AcDbObjectIdArray kept, candidates;
  kept.append(first);
  for (AcDbObjectId id : {first, again, shifted}) candidates.append(id);
  EXPECT_TRUE(RemoveDuplicateCurves(kept, candidates, 1.0));
  ASSERT_EQ(candidates.length(), 1);
  EXPECT_EQ(candidates[0], shifted);
  EXPECT_EQ(kept.length(), 1);
  EXPECT_EQ(liveEntities(), 2);
}

}  // namespace
