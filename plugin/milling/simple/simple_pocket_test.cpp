#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "plugin/milling/simple/simple_cycle_test_drawing.h"
#include "plugin/milling/simple/simple_pocket_dlg.h"
#include "plugin/milling/simple/simple_pocket_generator.h"
#include "plugin/milling/simple/simple_pocket_rings.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

bool At(const PolylineVertex& v, double x, double y) {
  return std::fabs(v.point.x - x) < 1e-6 && std::fabs(v.point.y - y) < 1e-6;
}

// Where the rings start: the vertices on the line from the centre that each
// ring leaves from and comes back to.
std::vector<double> RingStartsAlongY(const SimplePocketLayer& layer, double cx) {
  std::vector<double> starts;
  for (std::size_t i = 1; i < layer.vertices.size(); ++i) {
    const PolylineVertex& v = layer.vertices[i];
    if (std::fabs(v.point.x - cx) < 1e-6 && (starts.empty() || std::fabs(starts.back() - v.point.y) > 1e-6)) {
      starts.push_back(v.point.y);
    }
  }
  return starts;
}

TEST(SimplePocketRings, DefaultsGiveSixLayersOfSevenRingsFromTheCentreOut) {
  CSimplePocketDlg dlg;
  const std::vector<SimplePocketLayer> layers = MakeSimplePocketLayers(dlg);
  ASSERT_EQ(layers.size(), 6u);
  for (std::size_t i = 0; i < layers.size(); ++i) EXPECT_DOUBLE_EQ(layers[i].z, -10.0 * static_cast<double>(i));
  const SimplePocketLayer& first = layers.front();
  ASSERT_FALSE(first.vertices.empty());
  EXPECT_TRUE(At(first.vertices[0], 0, 0)) << "entered at the centre";
  EXPECT_TRUE(At(first.vertices[1], 0, 10)) << "the innermost ring starts 10 up";
  EXPECT_EQ(RingStartsAlongY(first, 0.0), (std::vector<double>{10, 20, 30, 40, 50, 60, 70}));
  // Long axis X: the outermost ring's corners at the half sizes 90 x 70.
  bool outerCorner = false;
  for (const PolylineVertex& v : first.vertices) outerCorner |= At(v, -90, 70);
  EXPECT_TRUE(outerCorner);
  EXPECT_TRUE(At(first.vertices.back(), 0, 70)) << "ends where the outermost ring began";
  for (const PolylineVertex& v : first.vertices) {
    EXPECT_LE(std::fabs(v.point.x), 90 + 1e-9);
    EXPECT_LE(std::fabs(v.point.y), 70 + 1e-9);
    EXPECT_EQ(v.bulge, 0.0);
  }
}

TEST(SimplePocketRings, ASquareRunsItsRingsFromTheRightOfTheCentre) {
  CSimplePocketDlg dlg;
  dlg.m_Shape.xSize = 100.0f;
  dlg.m_Shape.ySize = 100.0f;
  dlg.m_Shape.xCentre = 5.0f;
  const SimplePocketLayer layer = MakeSimplePocketLayers(dlg).front();
  ASSERT_GE(layer.vertices.size(), 3u);
  EXPECT_TRUE(At(layer.vertices[1], 5 + 10, 0)) << "long axis Y: ring 1 starts at (cx + D, cy)";
  EXPECT_TRUE(At(layer.vertices[2], 5 + 10, 10)) << "then up the right edge";
}

TEST(SimplePocketRings, RoundedCornersShareTheOutermostRingsCentres) {
  CSimplePocketDlg dlg;
  dlg.m_PocketType = kSimplePocketRounded;  // corner radius 20, tool 20: b = 10
  const SimplePocketLayer layer = MakeSimplePocketLayers(dlg).front();
  int arcs = 0;
  for (std::size_t i = 0; i + 1 < layer.vertices.size(); ++i) {
    const PolylineVertex& v = layer.vertices[i];
    if (v.bulge == 0.0) continue;
    ++arcs;
    EXPECT_NEAR(v.bulge, std::tan(std::atan(1.0) / 2.0), 1e-12) << "counter-clockwise quarter";
    // Only the outermost ring (90 x 70) is rounded, about (±80, ±60).
    const AcGePoint2d& next = layer.vertices[i + 1].point;
    const double cx = v.point.x > 0 || next.x > 0 ? 80 : -80;
    const double cy = v.point.y > 0 || next.y > 0 ? 60 : -60;
    EXPECT_NEAR(std::hypot(v.point.x - cx, v.point.y - cy), 10, 1e-6);
    EXPECT_NEAR(std::hypot(next.x - cx, next.y - cy), 10, 1e-6);
  }
  EXPECT_EQ(arcs, 4);

  // A corner rounder than the narrow side is as round as that side allows.
  dlg.m_CornerRadius = 500.0f;
  const SimplePocketLayer round = MakeSimplePocketLayers(dlg).front();
  for (const PolylineVertex& v : round.vertices) {
    EXPECT_LE(std::fabs(v.point.x), 90 + 1e-9);
    EXPECT_LE(std::fabs(v.point.y), 70 + 1e-9);
  }
}

TEST(SimplePocketRings, TapersMoveTheWallsInLayerByLayer) {
  CSimplePocketDlg single;
  CSimplePocketDlg multi;
  multi.m_SingleTaper = 0;
  const std::vector<SimplePocketLayer> a = MakeSimplePocketLayers(single);
  const std::vector<SimplePocketLayer> b = MakeSimplePocketLayers(multi);
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    ASSERT_EQ(a[i].vertices.size(), b[i].vertices.size());
    for (std::size_t k = 0; k < a[i].vertices.size(); ++k) {
      EXPECT_TRUE(At(b[i].vertices[k], a[i].vertices[k].point.x, a[i].vertices[k].point.y));
    }
  }
  // 45 degrees on X+ only: at -10 that wall is 10 further in, the others stay.
  multi.m_XPlusTaper = 45.0f;
  const SimplePocketLayer second = MakeSimplePocketLayers(multi)[1];
  double right = -1e9, left = 1e9;
  for (const PolylineVertex& v : second.vertices) {
    right = std::max(right, v.point.x);
    left = std::min(left, v.point.x);
  }
  EXPECT_NEAR(right, 80, 1e-6);
  EXPECT_NEAR(left, -90, 1e-6);
}

TEST(SimplePocketRings, CirclesStepOutInFullTurnsAndStartWhereAsked) {
  CSimplePocketDlg dlg;
  dlg.m_PocketType = kSimplePocketCircle;
  dlg.m_CircleRadius = 40.0f;  // ring radius 30: three rings of 10
  dlg.m_StartPointOn = 1;
  dlg.m_StartX = 3.0;
  dlg.m_StartY = 4.0;  // the innermost ring does not hold it; the outermost does
  const std::vector<SimplePocketLayer> layers = MakeSimplePocketLayers(dlg);
  for (const SimplePocketLayer& layer : layers) {
    ASSERT_EQ(layer.vertices.size(), 1u + 3u * 5u);
    EXPECT_TRUE(At(layer.vertices[0], 3, 4)) << "entered at the start point";
  }
  const SimplePocketLayer& layer = layers.front();
  EXPECT_TRUE(At(layer.vertices[1], 10, 0));
  EXPECT_TRUE(At(layer.vertices[2], 0, 10));
  EXPECT_TRUE(At(layer.vertices[11], 30, 0));
  EXPECT_TRUE(At(layer.vertices.back(), 30, 0));
  EXPECT_EQ(layer.vertices.back().bulge, 0.0);

  // A start point the rings do not hold would cut the wall: the centre instead.
  dlg.m_StartX = 30.0;  // (30, 4) lies just beyond the outermost ring of radius 30
  const std::vector<SimplePocketLayer> outside = MakeSimplePocketLayers(dlg);
  EXPECT_TRUE(outside[0].startPointMoved);
  EXPECT_TRUE(At(outside[0].vertices[0], 0, 0));
  CSimplePocketDlg rounded;
  rounded.m_PocketType = kSimplePocketRounded;
  rounded.m_StartPointOn = 1;
  rounded.m_StartX = 89.0;  // inside the ring's box, beyond its rounded corner
  rounded.m_StartY = 69.0;
  EXPECT_TRUE(MakeSimplePocketLayers(rounded)[0].startPointMoved);
  rounded.m_StartX = 80.0;
  rounded.m_StartY = 69.0;
  EXPECT_FALSE(MakeSimplePocketLayers(rounded)[0].startPointMoved);

  // A tapered wall that closes in on the tool leaves the deep layers out.
  dlg.m_SingleTaperAngle = 45.0f;
  const std::vector<SimplePocketLayer> tapered = MakeSimplePocketLayers(dlg);
  EXPECT_FALSE(tapered[2].vertices.empty());  // radius 30 - 20 = 10
  EXPECT_TRUE(tapered[3].vertices.empty());   // 30 - 30 = 0
  EXPECT_TRUE(tapered[5].vertices.empty());
}

TEST(SimplePocketToolpath, LayersArePlungedFromTheReturnHeightAndLinkedByRapids) {
  ShellSession session;
  CSimplePocketDlg dlg;
  dlg.m_Depth = -20.0f;
  dlg.m_ToolpathName = "Pocket";
  CreateSimplePocketToolpath(dlg);
  const AcDbObjectIdArray ids = StoredIds("Pocket");
  ASSERT_FALSE(ids.isEmpty()) << session.transcript();
  const std::vector<TestPolyline> layers = StoredPolylines("Pocket");
  ASSERT_EQ(layers.size(), 3u);
  EXPECT_DOUBLE_EQ(layers[2].elevation, -20.0);
  EXPECT_NEAR(ToolpathMoveEncoding::ThicknessToValue(layers[0].thickness), 300.0, 0.01);
  // Every move begins where the one before it ended.
  AcGePoint3d previousEnd;
  bool first = true;
  int rapids = 0;
  for (const AcDbObjectId& id : ids) {
    if (IsPointEntity(id)) continue;
    AcGePoint3d start, end;
    ASSERT_NE(GetCurveEndPoints(id, start, end), 0);
    if (!first) {
      EXPECT_LT(previousEnd.distanceTo(start), 1e-6);
    }
    if (GetEntityKind(id) == kEntityLine && start.z > 99.99 && end.z > 99.99) ++rapids;
    previousEnd = end;
    first = false;
  }
  EXPECT_EQ(rapids, 2) << "over the return height between the three layers";
  CSimplePocketDlg read;
  ASSERT_TRUE(read.ReadParamRecord(StoredRecord("Pocket").c_str()));
  EXPECT_FLOAT_EQ(read.m_Depth, -20.0f);
}

TEST(SimplePocketToolpath, ALayerTheToolDoesNotFitInIsLeftOutWithAMessage) {
  ShellSession session;
  LoadMessageTable();
  CSimplePocketDlg dlg;
  dlg.m_Shape.ySize = 30.0f;  // half 15 - 10 - allowance: f = 5, then 0 below
  dlg.m_Depth = -10.0f;
  dlg.m_SingleTaperAngle = 30.0f;  // 5.8 in at -10: nothing left there
  dlg.m_ToolpathName = "Narrow";
  CreateSimplePocketToolpath(dlg);
  EXPECT_EQ(StoredPolylines("Narrow").size(), 1u);
  EXPECT_NE(session.transcript().find("Z -10.000: 공구(지름 20.000, 가공 여유 0.000)"), std::string::npos)
      << session.transcript();

  dlg.m_SingleTaperAngle = 0.0f;
  dlg.m_Shape.ySize = 10.0f;
  dlg.m_ToolpathName = "None";
  const Adesk::UInt64 changes = session.db().changeCount();
  CreateSimplePocketToolpath(dlg);
  EXPECT_FALSE(ToolpathNameExists("None"));
  EXPECT_EQ(session.db().changeCount(), changes);

  // Far too many layers for one run: asked for other values before anything is made.
  dlg.m_Shape.ySize = 100.0f;
  dlg.m_Depth = -5000.0f;
  dlg.m_ZStepover = 0.1f;
  dlg.m_ToolpathName = "Deep";
  CreateSimplePocketToolpath(dlg);
  EXPECT_FALSE(ToolpathNameExists("Deep"));
  EXPECT_EQ(session.db().changeCount(), changes);
  EXPECT_NE(session.transcript().find("레벨 수가 너무 많습니다"), std::string::npos) << session.transcript();
}

TEST(SimplePocketToolpath, AnEntryWithoutPlungeFeedsStraightDown) {
  ShellSession session;
  LoadMessageTable();
  CSimplePocketDlg dlg;
  dlg.m_Feed = 250;
  AcDbObjectIdArray ids;
  // A pass that cannot be opened gives the plunge nothing to build on.
  AddSimplePocketEntry(dlg, AcDbObjectId(), AcGePoint2d(5, 6), -30.0, ids);
  ASSERT_EQ(ids.length(), 1);
  AcGePoint3d start, end;
  GetCurveEndPoints(ids[0], start, end);
  EXPECT_TRUE(start.isEqualTo(AcGePoint3d(5, 6, 100)));
  EXPECT_TRUE(end.isEqualTo(AcGePoint3d(5, 6, -30)));
  double thickness = 0.0;
  ASSERT_TRUE(GetCurveThickness(ids[0], thickness));
  EXPECT_NEAR(ToolpathMoveEncoding::ThicknessToValue(thickness), 250.0, 0.01) << "fed, not rapid";
  EXPECT_NE(session.transcript().find("가공 피드로 내려갑니다"), std::string::npos);
}

}  // namespace
