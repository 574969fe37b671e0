#include "plugin/turning/lathe_profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/passes/hatch_passes.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/rapid_linetype.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/lathe_dlg.h"
#include "plugin/turning/lathe_generator.h"
#include "plugin/turning/lathe_passes.h"

namespace {

class LatheProfile : public ::testing::Test {
 protected:
  AcDbObjectId line(double x1, double y1, double x2, double y2) {
    return session_.add(new AcDbLine(AcGePoint3d(x1, y1, 0), AcGePoint3d(x2, y2, 0)));
  }
  static AcDbObjectIdArray ids(std::initializer_list<AcDbObjectId> list) {
    AcDbObjectIdArray out;
    for (const AcDbObjectId id : list) out.append(id);
    return out;
  }
  static AcGePoint3d StartOf(AcDbObjectId id) {
    AcGePoint3d start, end;
    GetCurveEndPoints(id, start, end);
    return start;
  }
  static AcGePoint3d EndOf(AcDbObjectId id) {
    AcGePoint3d start, end;
    GetCurveEndPoints(id, start, end);
    return end;
  }

  ShellSession session_;
};

TEST_F(LatheProfile, PicksFollowEachOtherAlongTheirChainFromTheFirstPickTowardTheNext) {
  // A stepped profile of three lines, drawn left to right, and a loose line.
  const AcDbObjectId a = line(0, 30, 40, 30), b = line(40, 30, 40, 20), c = line(40, 20, 80, 20);
  const AcDbObjectId loose = line(0, 50, 10, 50);
  AcDbObjectIdArray picks = ids({c, loose, a, b});
  OrderLatheProfile(picks);
  EXPECT_EQ(picks, ids({c, b, a, loose})) << "from the first pick to the far end, the loose line last";
  picks = ids({b, c, a});
  OrderLatheProfile(picks);
  EXPECT_EQ(picks, ids({a, b, c})) << "a first pick inside its chain: from the end behind it";
  picks = ids({b, a, c});
  OrderLatheProfile(picks);
  EXPECT_EQ(picks, ids({c, b, a}));

  AcDbObjectIdArray chained;
  picks = ids({c, b, a});
  ASSERT_TRUE(ChainLatheProfile(picks, chained));
  ASSERT_EQ(chained.length(), 1);
  EXPECT_TRUE(StartOf(chained[0]).isEqualTo(AcGePoint3d(80, 20, 0)));
  EXPECT_TRUE(EndOf(chained[0]).isEqualTo(AcGePoint3d(0, 30, 0)));
  EXPECT_TRUE(LatheProfileRunsBackward(chained[0]));
}

TEST_F(LatheProfile, PicksThatDoNotChainOrAreGoneMakeNothing) {
  const AcDbObjectId a = line(0, 30, 40, 30), far = line(100, 0, 100, 10);
  AcDbObjectIdArray chained = ids({a});
  EXPECT_FALSE(ChainLatheProfile(ids({a, far}), chained));
  EXPECT_TRUE(chained.isEmpty());
  EraseObject(far);
  EXPECT_FALSE(ChainLatheProfile(ids({a, far}), chained));
  EXPECT_TRUE(chained.isEmpty());
}

TEST_F(LatheProfile, HatchLinesAt180DegreesRunTowardMinusXInAscendingYAtTheStepover) {
  // One loop of four lines, drawn in no particular direction.
  const AcDbObjectIdArray loop = ids({line(0, 0, 50, 0), line(50, 10, 50, 0), line(50, 10, 0, 10), line(0, 0, 0, 10)});
  double factor = kFirstHatchSpacingFactor, spacing = 0.0;
  AcGePoint2dArray starts, ends;
  ASSERT_TRUE(HatchLoopsAtStepover({loop}, 180.0, 1.7, 0.0, factor, starts, ends, spacing));
  EXPECT_NEAR(spacing, 1.7, 0.0001);
  ASSERT_GE(starts.length(), 5);
  for (int i = 0; i < starts.length(); ++i) {
    EXPECT_NEAR(starts[i].y, ends[i].y, 1e-9);
    EXPECT_GT(starts[i].x, ends[i].x) << i;
    if (i > 0) {
      EXPECT_NEAR(starts[i].y - starts[i - 1].y, 1.7, 0.0001) << i;
    }
  }
}

// A shaft of two steps: the dialog as OK leaves it, with the stock line.
class LatheGenerator : public LatheProfile {
 protected:
  void SetUp() override {
    session_.db().loadLineTypeFile(kRapidLinetype, "acad.lin");
    auto* polyline = new AcDbPolyline();
    const double points[][2] = {{0, 30}, {40, 30}, {40, 20}, {80, 20}, {80, 0}};
    for (unsigned i = 0; i < 5; ++i) polyline->addVertexAt(i, AcGePoint2d(points[i][0], points[i][1]));
    dlg_.m_Chained.append(session_.add(polyline));
    dlg_.m_Chained.append(line(-2, 35, 82, 35));
    dlg_.m_ToolpathName = "Lathe_1";
    dlg_.m_RoughOn = 1;
  }
  int ModelSpaceCount() {
    OpenedObject<AcDbBlockTable> table(session_.db().blockTableId(), AcDb::kForRead);
    AcDbObjectId spaceId;
    if (table.openStatus() != Acad::eOk || table->getAt(ACDB_MODEL_SPACE, spaceId) != Acad::eOk) return -1;
    OpenedObject<AcDbBlockTableRecord> space(spaceId, AcDb::kForRead);
    AcDbBlockTableRecordIterator* it = nullptr;
    space->newIterator(it);
    int count = 0;
    for (; it != nullptr && !it->done(); it->step()) ++count;
    delete it;
    return count;
  }

  CLatheDlg dlg_;
};

TEST_F(LatheGenerator, StoresTheProfileAndStockFirstAndTheFinishingPassesFarthestFirst) {
  dlg_.m_FinishPasses = 3;
  dlg_.m_FinishStepover = 0.5f;
  CreateLatheToolpath(dlg_);
  AcDbObjectIdArray stored;
  ASSERT_TRUE(GetToolpathEntityIds("Lathe_1", stored));
  ASSERT_GT(stored.length(), 2);
  EXPECT_EQ(stored[0], dlg_.m_Chained[0]);
  EXPECT_EQ(stored[1], dlg_.m_Chained[1]);
  // The finishing passes start 1.5 + 1.0, 1.5 + 0.5, 1.5 above the big step.
  std::vector<double> heights;
  int toolMarkers = 0;
  for (const AcDbObjectId& id : stored) {
    double value = 0.0;
    if (GetEntityKind(id) == kEntityPoint && ReadMarkerPoint(id, value) == 1) ++toolMarkers;
    if (toolMarkers < 2 || GetEntityKind(id) != kEntityPolyline) continue;
    OpenedObject<AcDbPolyline> pass(id, AcDb::kForRead);
    // The cut starts past the lead-in, whose vertices carry its feed.
    for (const PolylineVertex& vertex : ReadPolylineVertices(pass.object())) {
      if (vertex.startWidth > 0.0) continue;
      heights.push_back(vertex.point.y);
      break;
    }
  }
  ASSERT_EQ(toolMarkers, 2);
  ASSERT_EQ(heights.size(), 3u);
  EXPECT_NEAR(heights[0], 32.5, 1e-6);
  EXPECT_NEAR(heights[1], 32.0, 1e-6);
  EXPECT_NEAR(heights[2], 31.5, 1e-6);

  AcDbObjectIdArray copies;
  ASSERT_TRUE(GetLatheProfileIds("Lathe_1", copies));
  ASSERT_EQ(copies.length(), 2);
  EXPECT_NE(copies[0], stored[0]);
  EXPECT_EQ(GetEntityKind(copies[0]), kEntityPolyline);
  EXPECT_EQ(GetEntityKind(copies[1]), kEntityLine);
}

TEST_F(LatheGenerator, APhaseThatCannotBeMadeLeavesNothingOfItsOwn) {
  // Stock inside the part: no roughing; no finishing passes: nothing to store.
  EraseObject(dlg_.m_Chained[1]);
  dlg_.m_Chained[1] = line(-2, 5, 82, 5);
  dlg_.m_FinishPasses = 0;
  const int before = ModelSpaceCount();
  CreateLatheToolpath(dlg_);
  EXPECT_FALSE(IsToolpathGroupName("Lathe_1"));
  EXPECT_EQ(ModelSpaceCount(), before) << "nothing loose is left behind";
  EXPECT_NE(session_.transcript().find("공구경로를 생성할 수 없습니다.!!!"), std::string::npos)
      << session_.transcript();
}

}  // namespace
