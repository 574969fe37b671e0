#include "plugin/shell/selection/section_curve_loops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/shell/selection/region_helpers.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/space_helpers.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

class SectionCurveLoops : public ::testing::Test {
 protected:
  AcDbObjectId square(double x, double y, double size) {
    auto* polyline = new AcDbPolyline();
    polyline->addVertexAt(0, AcGePoint2d(x, y));
    polyline->addVertexAt(1, AcGePoint2d(x + size, y));
    polyline->addVertexAt(2, AcGePoint2d(x + size, y + size));
    polyline->addVertexAt(3, AcGePoint2d(x, y + size));
    polyline->setClosed(true);
    return session_.add(polyline);
  }
  AcDbObjectId regionOf(AcDbObjectId curve) {
    AcDbObjectId region;
    EXPECT_TRUE(CreateRegionsFromCurves(curve, region));
    return region;
  }
  // A 100 square with a round and a square hole, a boss standing in the square
  // hole, and a separate 10 square: three faces.
  AcDbObjectId sectionWithHolesAndABoss() {
    const AcDbObjectId outer = regionOf(square(0, 0, 100));
    EXPECT_TRUE(RegionBooleanOper(
        outer, regionOf(session_.add(new AcDbCircle(AcGePoint3d(30, 30, 0), AcGeVector3d::kZAxis, 10.0))),
        kRegionSubtraction));
    EXPECT_TRUE(RegionBooleanOper(outer, regionOf(square(50, 50, 40)), kRegionSubtraction));
    EXPECT_TRUE(RegionBooleanOper(outer, regionOf(square(60, 60, 10)), kRegionUnion));
    EXPECT_TRUE(RegionBooleanOper(outer, regionOf(square(200, 0, 10)), kRegionUnion));
    return outer;
  }
  int entitiesInDrawing() {
    AcDbBlockTableRecord* space = OpenCurrentSpace(AcDb::kForRead, &session_.db());
    AcDbBlockTableRecordIterator* it = nullptr;
    space->newIterator(it);
    int count = 0;
    for (; !it->done(); it->step()) ++count;
    delete it;
    space->close();
    return count;
  }
  std::vector<double> bulges(AcDbObjectId id) {
    std::vector<double> out;
    AcDbPolyline* polyline = nullptr;
    if (acdbOpenObject(polyline, id, AcDb::kForRead) != Acad::eOk) return out;
    for (unsigned int i = 0; i < polyline->numVerts(); ++i) {
      double bulge = 0.0;
      polyline->getBulgeAt(i, bulge);
      out.push_back(bulge);
    }
    polyline->close();
    return out;
  }

  ShellSession session_;
};

TEST_F(SectionCurveLoops, EachFaceGivesItsOuterLoopWithItsHoles) {
  const AcDbObjectId section = sectionWithHolesAndABoss();
  const int before = entitiesInDrawing();
  AcDbObjectIdArray loops;
  std::vector<AcDbObjectIdArray> inner(3);
  ASSERT_TRUE(ExplodeToCurveLoops(section, loops, inner, -5.0));
  ASSERT_EQ(loops.length(), 3);
  ASSERT_EQ(inner.size(), 3u);
  int withHoles = 0;
  for (int i = 0; i < loops.length(); ++i) {
    const double area = GetCurveArea(loops[i]);
    double z = 0.0;
    ASSERT_TRUE(GetPolylineElevation(loops[i], z));
    EXPECT_EQ(z, -5.0);
    const std::size_t k = static_cast<std::size_t>(i);
    if (std::fabs(area - 10000.0) < 1e-6) {
      // The boss stands in a hole but is a face of its own, not a hole.
      ASSERT_EQ(inner[k].length(), 2);
      ++withHoles;
      double holes = GetCurveArea(inner[k][0]) + GetCurveArea(inner[k][1]);
      EXPECT_NEAR(holes, 1600.0 + 100.0 * kPi, 1e-6);
      int roundHoles = 0;  // the round hole stays two exact half circles
      for (int h = 0; h < 2; ++h) {
        const std::vector<double> b = bulges(inner[k][h]);
        const auto half = [](double x) { return std::fabs(std::fabs(x) - 1.0) < 1e-9; };
        if (b.size() == 2 && half(b[0]) && half(b[1])) ++roundHoles;
      }
      EXPECT_EQ(roundHoles, 1);
    } else {
      EXPECT_NEAR(area, 100.0, 1e-6);
      EXPECT_TRUE(inner[k].isEmpty());
    }
  }
  EXPECT_EQ(withHoles, 1);
  // Only the loops were added; the pieces went again and the section stays.
  EXPECT_EQ(entitiesInDrawing(), before + 5);
  EXPECT_EQ(GetEntityKind(section), 13);
}

TEST_F(SectionCurveLoops, TheCutTakesArcsAsChordsClosedWithinItsTolerance) {
  const AcDbObjectId section = sectionWithHolesAndABoss();
  AcDbObjectIdArray loops;
  std::vector<AcDbObjectIdArray> inner;
  ASSERT_TRUE(ExplodeToCurveLoopsForCut(section, loops, inner, 2.0, 0.001));
  ASSERT_EQ(loops.length(), 3);
  int chordedHoles = 0;
  for (const AcDbObjectIdArray& holes : inner) {
    for (int h = 0; h < holes.length(); ++h) {
      EXPECT_TRUE(IsCurveClosed(holes[h]));
      const std::vector<double> b = bulges(holes[h]);
      EXPECT_TRUE(std::all_of(b.begin(), b.end(), [](double x) { return x == 0.0; }));
      if (b.size() > 4) ++chordedHoles;
    }
  }
  EXPECT_EQ(chordedHoles, 1);
}

TEST_F(SectionCurveLoops, AnyEntityThatBreaksIntoCurvesWillDo) {
  auto* rounded = new AcDbPolyline();
  rounded->addVertexAt(0, AcGePoint2d(0, 0));
  rounded->addVertexAt(1, AcGePoint2d(10, 0), 1.0);
  rounded->addVertexAt(2, AcGePoint2d(10, 10));
  rounded->addVertexAt(3, AcGePoint2d(0, 10));
  rounded->setClosed(true);
  AcDbObjectIdArray loops;
  std::vector<AcDbObjectIdArray> inner;
  ASSERT_TRUE(ExplodeToCurveLoops(session_.add(rounded), loops, inner, 0.0));
  ASSERT_EQ(loops.length(), 1);
  EXPECT_NEAR(GetCurveArea(loops[0]), 100.0 + 12.5 * kPi, 1e-6);

  loops.append(loops[0]);
  EXPECT_FALSE(ExplodeToCurveLoops(AcDbObjectId::kNull, loops, inner, 0.0));
  EXPECT_TRUE(loops.isEmpty());
  EXPECT_TRUE(inner.empty());
}

}  // namespace
