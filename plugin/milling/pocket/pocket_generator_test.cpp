#include "plugin/milling/pocket/pocket_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/dxf/dxf_test_support.h"
#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_levels.h"
#include "plugin/milling/pocket/pocket_swept_area_test.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/rapid_linetype.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr double kQuarterBulge = 0.41421356237309503;  // tan(22.5 degrees)

struct ScopedInfoClass {
  ScopedInfoClass() { CToolPathInfo::rxInit(); }
  ~ScopedInfoClass() { deleteAcRxClass(CToolPathInfo::gpDesc); }
};

struct Vertex {
  double x, y, bulge;
};

// A 120 x 80 pocket with corners of radius 3, a round island and a rectangular
// one that leaves a gap of 7 to the bottom wall.
class PocketPart : public ::testing::Test {
 protected:
  PocketPart() {
    const double r = 3.0;
    boundary_ = Add({{r, 0, 0},
                     {120 - r, 0, kQuarterBulge},
                     {120, r, 0},
                     {120, 80 - r, kQuarterBulge},
                     {120 - r, 80, 0},
                     {r, 80, kQuarterBulge},
                     {0, 80 - r, 0},
                     {0, r, kQuarterBulge}});
    islands_.append(Add({{97, 45, -1.0}, {73, 45, -1.0}}));
    islands_.append(Add({{20, 7, 0}, {20, 35, 0}, {55, 35, 0}, {55, 7, 0}}));
    dlg_.m_Boundary = boundary_;
    dlg_.m_Islands = islands_;
    dlg_.m_CutDirection = 0;
    dlg_.m_RoughTool.m_Diameter = 10.0f;
    dlg_.m_RoughAllowance = 0.0f;
    dlg_.m_RoughStepover = 5.0f;
    dlg_.m_RoughZStep = 5.0f;
    dlg_.m_AbsoluteZ = 1;
    dlg_.m_ZStart = 0.0f;
    dlg_.m_ZDepth = -5.0f;
    dlg_.m_RetractHeight = 10.0f;
    dlg_.m_ToolpathName = "Pocket_1";
    session_.db().loadLineTypeFile(kRapidLinetype, "acad.lin");
  }

  AcDbObjectId Add(const std::vector<Vertex>& vertices) {
    auto* polyline = new AcDbPolyline();
    for (const Vertex& v : vertices) polyline->addVertexAt(polyline->numVerts(), AcGePoint2d(v.x, v.y), v.bulge);
    polyline->setClosed(true);
    return session_.add(polyline);
  }

  Geos::Geometry Outline(AcDbObjectId id) {
    OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
    EXPECT_EQ(polyline.openStatus(), Acad::eOk);
    if (polyline.openStatus() != Acad::eOk) return geos_.polygon({{0, 0}, {0, 0}, {0, 0}});
    return geos_.polygon(PolylinePlan(polyline.object()));
  }

  // What the pocket holds: the boundary less the islands.
  Geos::Geometry Part() {
    Geos::Geometry part = Outline(boundary_);
    for (const AcDbObjectId& island : islands_) part = geos_.difference(part, Outline(island));
    return part;
  }

  std::vector<CutMoves> Generate() {
    GeneratePocketToolpath(dlg_);
    AcDbObjectIdArray ids;
    EXPECT_TRUE(GetToolpathEntityIds(dlg_.m_ToolpathName, ids));
    std::vector<CutMoves> passes = ReadCutMoves(ids);
    // In front of the first marker stand the boundary and the islands.
    passes.erase(passes.begin());
    return passes;
  }

  double LeastWallDistance(const std::vector<PlanPoints>& moves) {
    const Geos::Geometry walls = geos_.boundaryOf(Part());
    double least = 1e300;
    for (const PlanPoints& move : moves) least = std::min(least, geos_.distance(geos_.path(move), walls));
    return least;
  }

  // Reachable by a tool of the radius, less what was swept, without the
  // slivers that the polygonal discs leave.
  double UncutArea(const Geos::Geometry& swept, double radius, double allowance) {
    const Geos::Geometry allowed = geos_.buffer(Part(), -allowance);
    const Geos::Geometry reachable = geos_.buffer(geos_.buffer(allowed, -radius), radius);
    const Geos::Geometry uncut = geos_.buffer(geos_.difference(reachable, swept), -0.05);
    return geos_.area(uncut);
  }

  ShellSession session_;
  ScopedInfoClass infoClass_;
  CPocketDlg dlg_;
  AcDbObjectId boundary_;
  AcDbObjectIdArray islands_;
  Geos geos_;
};

class EveryPattern : public PocketPart, public ::testing::WithParamInterface<std::tuple<int, float>> {};

TEST_P(EveryPattern, RoughingKeepsOffTheWallsAndClearsWhatTheToolReaches) {
  const auto [pattern, allowance] = GetParam();
  dlg_.m_RoughPattern = pattern;
  dlg_.m_RoughAllowance = allowance;
  const std::vector<CutMoves> passes = Generate();
  ASSERT_EQ(passes.size(), 1u);
  EXPECT_EQ(passes[0].passKind, 1);
  ASSERT_FALSE(passes[0].moves.empty());
  EXPECT_GE(LeastWallDistance(passes[0].moves), 5.0 + allowance - 0.01);
  const Geos::Geometry swept = geos_.swept(passes[0].moves, 5.0);
  EXPECT_LT(UncutArea(swept, 5.0, allowance), 0.01);
  // Moves across the part at speed go over it, never through it.
  for (double z : passes[0].rapidHeights) EXPECT_DOUBLE_EQ(z, dlg_.m_RetractHeight);
  if (pattern == kPocketOneWayLinear) {
    EXPECT_FALSE(passes[0].rapidHeights.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Patterns, EveryPattern,
                         ::testing::Combine(::testing::Values(kPocketRoundContour, kPocketContour, kPocketTwoWayLinear,
                                                              kPocketOneWayLinear),
                                            ::testing::Values(0.0f, 0.5f)));

// The sample plate's outlines as chaining makes them of its lines and arcs: a
// corner arc stretched 0.004 onto the next line, a round island level with
// the middle of the plate, a square and a slot.
class SamplePlate : public PocketPart, public ::testing::WithParamInterface<int> {
 protected:
  SamplePlate() {
    const double q = kQuarterBulge;
    EraseObject(boundary_);
    for (const AcDbObjectId& island : islands_) EraseObject(island);
    boundary_ = Add(
        {{10, 0, 0}, {110, 0, q}, {120, 10, 0}, {120, 70, q}, {110, 80, 0}, {10, 80, q}, {0, 69.996, 0}, {0, 10, q}});
    islands_.setLogicalLength(0);
    islands_.append(Add({{40, 40, -1}, {20, 40, -1}}));
    islands_.append(Add({{60, 25, 0}, {60, 55, 0}, {90, 55, 0}, {90, 25, 0}}));
    islands_.append(Add({{98, 30, 0}, {98, 50, -1}, {106, 50, 0}, {106, 30, -1}}));
    dlg_.m_Boundary = boundary_;
    dlg_.m_Islands = islands_;
  }
};

TEST_P(SamplePlate, EveryPatternKeepsOffTheWallsAndTheIslandsAndClearsTheRest) {
  dlg_.m_RoughPattern = GetParam();
  dlg_.m_RoughAllowance = 0.5f;
  const std::vector<CutMoves> passes = Generate();
  ASSERT_EQ(passes.size(), 1u);
  EXPECT_GE(LeastWallDistance(passes[0].moves), 5.5 - 0.01);
  EXPECT_LT(UncutArea(geos_.swept(passes[0].moves, 5.0), 5.0, 0.5), 0.01);
}

INSTANTIATE_TEST_SUITE_P(Patterns, SamplePlate,
                         ::testing::Values(kPocketRoundContour, kPocketContour, kPocketTwoWayLinear,
                                           kPocketOneWayLinear));

TEST_F(PocketPart, ConventionalCuttingTurnsEveryOutlineAndKeepsTheSameClearance) {
  dlg_.m_CutDirection = 1;
  ReversePolyline(boundary_);
  for (const AcDbObjectId& island : islands_) ReversePolyline(island);
  for (int pattern : {kPocketRoundContour, kPocketTwoWayLinear}) {
    dlg_.m_RoughPattern = pattern;
    const std::vector<CutMoves> passes = Generate();
    ASSERT_EQ(passes.size(), 1u) << pattern;
    EXPECT_GE(LeastWallDistance(passes[0].moves), 5.0 - 0.01) << pattern;
    EXPECT_LT(UncutArea(geos_.swept(passes[0].moves, 5.0), 5.0, 0.0), 0.01) << pattern;
    SetEntityVisibility(boundary_, 1);
  }
}

TEST_F(PocketPart, ZigzagAtAnAngleStaysInsideToo) {
  dlg_.m_RoughPattern = kPocketTwoWayLinear;
  dlg_.m_RoughAngle = 30.0f;
  const std::vector<CutMoves> passes = Generate();
  ASSERT_EQ(passes.size(), 1u);
  EXPECT_GE(LeastWallDistance(passes[0].moves), 5.0 - 0.01);
  EXPECT_LT(UncutArea(geos_.swept(passes[0].moves, 5.0), 5.0, 0.0), 0.01);
}

// The picked start point starts the linear roughing too: its first cut
// begins in the corner nearest the point, and the pocket is still cleared.
TEST_F(PocketPart, LinearRoughingStartsInTheCornerNearestThePickedPoint) {
  const AcGePoint2d corners[] = {{130, 90}, {-10, -10}, {130, -10}, {-10, 90}};
  for (int pattern : {kPocketTwoWayLinear, kPocketOneWayLinear}) {
    for (const AcGePoint2d& picked : corners) {
      dlg_.m_RoughPattern = pattern;
      dlg_.m_StartPointOn = 1;
      dlg_.m_StartX = picked.x;
      dlg_.m_StartY = picked.y;
      dlg_.m_ToolpathName.Format("Pocket_%d_%g_%g", pattern, picked.x, picked.y);
      const std::vector<CutMoves> passes = Generate();
      ASSERT_EQ(passes.size(), 1u);
      ASSERT_FALSE(passes[0].moves.empty());
      const AcGePoint2d first = passes[0].moves.front().front();
      // The tool keeps 5 from the walls; a hatch row lies within a stepover of them.
      const AcGePoint2d corner(std::clamp(picked.x, 0.0, 120.0), std::clamp(picked.y, 0.0, 80.0));
      const double near = pattern == kPocketTwoWayLinear ? 12.0 : 120.0;
      EXPECT_LT(first.distanceTo(corner), near) << pattern << " " << picked.x << "," << picked.y << ": " << first.x
                                                << "," << first.y;
      EXPECT_LT(std::fabs(first.y - corner.y), 12.0) << pattern << " " << picked.x << "," << picked.y;
      EXPECT_LT(UncutArea(geos_.swept(passes[0].moves, 5.0), 5.0, 0.0), 0.01);
    }
  }
}

TEST_F(PocketPart, HelixEntriesAreFittedInsideTheOutline) {
  dlg_.m_RoughPattern = kPocketContour;
  dlg_.m_Plunge.m_PlungeMethod = kPlungeCircular;
  const std::vector<CutMoves> passes = Generate();
  ASSERT_EQ(passes.size(), 1u);
  EXPECT_GE(LeastWallDistance(passes[0].moves), 5.0 - 0.01);
  AcDbObjectIdArray ids;
  GetToolpathEntityIds("Pocket_1", ids);
  int helices = 0;
  for (const AcDbObjectId& id : ids) {
    OpenedObject<AcDb3dPolyline> helix(id, AcDb::kForRead);
    if (helix.openStatus() == Acad::eOk) ++helices;
  }
  EXPECT_GT(helices, 0);
}

TEST_F(PocketPart, RampEntriesComeInFromInsideTheOutline) {
  dlg_.m_RoughPattern = kPocketContour;
  dlg_.m_StartOutside = 1;
  dlg_.m_Plunge.m_PlungeMethod = kPlungeAngle;
  dlg_.m_Plunge.m_Extent = kPlungeLength;
  dlg_.m_Plunge.m_ZAngle = 20.0f;
  const std::vector<CutMoves> passes = Generate();
  ASSERT_EQ(passes.size(), 1u);
  EXPECT_GE(LeastWallDistance(passes[0].moves), 5.0 - 0.01);
  EXPECT_FLOAT_EQ(dlg_.m_Plunge.m_ZAngle, 20.0f);
}

TEST_F(PocketPart, RestCutsOnlyWhereTheRoughingToolCouldNotReach) {
  dlg_.m_RoughPattern = kPocketRoundContour;
  dlg_.m_RestOn = 1;
  dlg_.m_RestAfterFinish = 0;
  dlg_.m_RestTool.m_Diameter = 4.0f;
  dlg_.m_RestAllowance = 0.0;
  dlg_.m_RestLead.m_EntryOn = 0;
  dlg_.m_RestLead.m_ExitOn = 0;
  const std::vector<CutMoves> passes = Generate();
  ASSERT_EQ(passes.size(), 2u);
  ASSERT_EQ(passes[1].passKind, 3);
  ASSERT_FALSE(passes[1].moves.empty());
  EXPECT_GE(LeastWallDistance(passes[1].moves), 2.0 - 0.01);

  const Geos::Geometry rough = geos_.swept(passes[0].moves, 5.0);
  const Geos::Geometry roughGrown = geos_.buffer(rough, 0.005);
  for (const PlanPoints& move : passes[1].moves) {
    // Along the move, away from its ends, the small tool is never wholly inside
    // what the large one swept.
    for (std::size_t i = 1; i + 1 < move.size(); ++i) {
      const Geos::Geometry disc = geos_.buffer(geos_.path({move[i]}), 2.0);
      if (move[i].distanceTo(move.front()) < 0.3 || move[i].distanceTo(move.back()) < 0.3) continue;
      EXPECT_FALSE(geos_.within(disc, roughGrown)) << move[i].x << "," << move[i].y;
    }
  }
  const Geos::Geometry both = geos_.unite({rough, geos_.swept(passes[1].moves, 2.0)});
  EXPECT_LT(UncutArea(both, 2.0, 0.0), 0.01);
  EXPECT_GT(geos_.area(geos_.difference(geos_.swept(passes[1].moves, 2.0), rough)), 1.0);
}

TEST_F(PocketPart, ThreePassesComeInOrderWithTheirMarkersAndSpindles) {
  dlg_.m_FinishOn = 1;
  dlg_.m_FinishTool.m_Diameter = 10.0f;
  dlg_.m_FinishAllowance = 0.0f;
  dlg_.m_RoughAllowance = 0.5f;
  dlg_.m_RestOn = 1;
  dlg_.m_RestTool.m_Diameter = 4.0f;
  dlg_.m_RestAllowance = 0.0;
  dlg_.m_RoughSpindleOn = 0;
  dlg_.m_FinishSpindleOn = 0;
  dlg_.m_RestSpindleOn = 0;
  const std::vector<CutMoves> passes = Generate();
  ASSERT_EQ(passes.size(), 3u);
  EXPECT_EQ(passes[0].passKind, 1);
  EXPECT_EQ(passes[1].passKind, 2);
  EXPECT_EQ(passes[2].passKind, 3);
  // The switches are restored, the spindles of the passes that cut are on.
  EXPECT_EQ(dlg_.m_RoughOn, 1);
  EXPECT_EQ(dlg_.m_FinishOn, 1);
  EXPECT_EQ(dlg_.m_RestOn, 1);
  EXPECT_EQ(dlg_.m_RoughSpindleOn, 1);
  EXPECT_EQ(dlg_.m_FinishSpindleOn, 1);
  EXPECT_EQ(dlg_.m_RestSpindleOn, 1);
  AcDbObjectId group;
  ASSERT_TRUE(FindToolpathGroup("Pocket_1", group));
  CString record;
  EXPECT_EQ(ReadToolpathTypeCode(group, record), kToolpathPocket);
  CString expected;
  dlg_.WriteParamRecord(expected);
  EXPECT_STREQ(record, expected);
  // The finishing pass runs at the finishing offset: no closer than the radius.
  EXPECT_GE(LeastWallDistance(passes[1].moves), 5.0 - 0.01);
  // Lead moves too: where one would run into a wall the pass goes without.
  EXPECT_GE(LeastWallDistance(passes[2].moves), 2.0 - 0.01);
}

TEST_F(PocketPart, EveryLevelIsCutAtItsZ) {
  dlg_.m_ZDepth = -12.0f;
  dlg_.m_RoughZStep = 5.0f;
  dlg_.m_RetractBetweenLevels = 0;
  GeneratePocketToolpath(dlg_);
  AcDbObjectIdArray ids;
  ASSERT_TRUE(GetToolpathEntityIds("Pocket_1", ids));
  std::set<long> levels;
  for (int i = 1 + islands_.length(); i < ids.length(); ++i) {
    OpenedObject<AcDbPolyline> polyline(ids[i], AcDb::kForRead);
    if (polyline.openStatus() == Acad::eOk) levels.insert(std::lround(polyline->elevation() * 1000));
  }
  EXPECT_EQ(levels, (std::set<long>{-12000, -8000, -4000}));
  // Without retracts between levels the next level is reached at depth or over
  // the part, never by a rapid through it.
  for (const CutMoves& pass : ReadCutMoves(ids))
    for (double z : pass.rapidHeights) EXPECT_DOUBLE_EQ(z, dlg_.m_RetractHeight);
}

TEST_F(PocketPart, TheSavedDrawingHoldsTheGroupWithItsRecordAndEveryMember) {
  if (!dxf_test::ezdxfAvailable()) GTEST_SKIP() << "python3-ezdxf is not installed";
  dlg_.m_FinishOn = 1;
  GeneratePocketToolpath(dlg_);
  AcDbObjectIdArray ids;
  ASSERT_TRUE(GetToolpathEntityIds("Pocket_1", ids));
  const std::string path = session_.folder() / "pocket.dxf";
  std::string message;
  ASSERT_EQ(WriteDxfFile(session_.db(), path.c_str(), message), Acad::eOk) << message;
  const std::string audit = dxf_test::runPython(dxf_test::ezdxfAuditScript(), path);
  EXPECT_NE(audit.find("errors 0"), std::string::npos) << audit;
  const std::string group = "group Pocket_1 'Ostrivo_ToolPath 4 1 0 0^J";
  const std::size_t at = audit.find(group);
  ASSERT_NE(at, std::string::npos) << audit;
  const std::size_t lineEnd = audit.find('\n', at);
  const std::string line = audit.substr(at, lineEnd - at);
  EXPECT_EQ(line.substr(line.rfind(' ') + 1), std::to_string(ids.length())) << line;
}

TEST_F(PocketPart, AnIslandWhoseTopLiesBelowALevelIsCutOverThere) {
  SetPolylineElevation(islands_[1], -8.0);
  dlg_.m_IslandZAllowanceOn = 1;
  dlg_.m_ZDepth = -12.0f;
  dlg_.m_RoughZStep = 6.0f;
  GeneratePocketToolpath(dlg_);
  AcDbObjectIdArray ids;
  ASSERT_TRUE(GetToolpathEntityIds("Pocket_1", ids));
  // Whether a cutting pass of the level comes over the middle of the low island.
  auto crossesIsland = [&](double z) {
    const Geos::Geometry middle = geos_.buffer(geos_.path({AcGePoint2d(37.5, 21.0)}), 8.0);
    for (int i = 1 + islands_.length(); i < ids.length(); ++i) {
      OpenedObject<AcDbPolyline> pass(ids[i], AcDb::kForRead);
      if (pass.openStatus() != Acad::eOk || std::fabs(pass->elevation() - z) > 1e-9) continue;
      if (geos_.distance(geos_.path(PolylinePlan(pass.object())), middle) == 0.0) return true;
    }
    return false;
  };
  EXPECT_TRUE(crossesIsland(-6.0));
  EXPECT_FALSE(crossesIsland(-12.0));
}

TEST_F(PocketPart, TaperedWallsStandOffByTheirSlopeAtTheLevel) {
  dlg_.m_ZTaper = 10.0f;
  dlg_.m_RoughPattern = kPocketContour;
  const std::vector<CutMoves> passes = Generate();
  ASSERT_EQ(passes.size(), 1u);
  // Walls and islands lean 10 degrees: 5 below their top they stand 5 tan 10 off.
  EXPECT_GE(LeastWallDistance(passes[0].moves), 5.0 + 5.0 * std::tan(10.0 * M_PI / 180.0) - 0.01);
}

TEST_F(PocketPart, ReplacingAToolpathDeletesTheOldOneFirst) {
  const AcDbObjectId old = Add({{200, 0, 0}, {210, 0, 0}, {210, 10, 0}});
  AcDbObjectIdArray members;
  members.append(old);
  ASSERT_TRUE(CreateToolpathGroup("Pocket_1", "Ostrivo_ToolPath 4 1 0 0\n", members));
  Generate();
  AcDbObjectIdArray ids;
  ASSERT_TRUE(GetToolpathEntityIds("Pocket_1", ids));
  EXPECT_FALSE(ids.contains(old));
  EXPECT_EQ(ids.first(), boundary_);
  AcDbEntity* erased = nullptr;
  EXPECT_NE(acdbOpenObject(erased, old, AcDb::kForRead), Acad::eOk);
}

TEST_F(PocketPart, NothingToCutLeavesNoToolpath) {
  LoadMessageTable();
  dlg_.m_RoughTool.m_Diameter = 200.0f;
  GeneratePocketToolpath(dlg_);
  EXPECT_FALSE(IsToolpathGroupName("Pocket_1"));
  EXPECT_NE(session_.transcript().find("가 포켓 외곽 안에 들어가지 않습니다"), std::string::npos);
}

TEST_F(PocketPart, AnEmptyNameMakesNothing) {
  dlg_.m_ToolpathName = "";
  GeneratePocketToolpath(dlg_);
  EXPECT_NE(session_.transcript().find("공구경로 이름을 입력하시요"), std::string::npos);
  OpenedObject<AcDbEntity> boundary(boundary_, AcDb::kForRead);
  ASSERT_EQ(boundary.openStatus(), Acad::eOk);
  EXPECT_EQ(boundary->visibility(), AcDb::kVisible);
}

TEST(PocketLevels, DivideTheDepthIntoEqualStepsNoDeeperThanTheZStep) {
  EXPECT_EQ(PlanPocketLevels(0, 12, 5, 0, 0).levels, (std::vector<double>{-4, -8, -12}));
  EXPECT_EQ(PlanPocketLevels(0, 10, 3, 0, 0).levels, (std::vector<double>{-2.5, -5, -7.5, -10}));
  EXPECT_EQ(PlanPocketLevels(5, 10, 5, 0, 0).levels, (std::vector<double>{0, -5}));
  // No step, or no depth: one level at the full depth.
  EXPECT_EQ(PlanPocketLevels(0, 10, 0, 0, 0).levels, (std::vector<double>{-10}));
  EXPECT_EQ(PlanPocketLevels(3, 0, 5, 0, 0).levels, (std::vector<double>{3}));
}

TEST(PocketLevels, ReservedFinishingLayersFollowTheRoughedDepth) {
  const PocketLevelPlan plan = PlanPocketLevels(0, 10, 3, 2, 0.5);
  EXPECT_EQ(plan.levels, (std::vector<double>{-3, -6, -9}));
  EXPECT_EQ(plan.layers, (std::vector<double>{-9, -9.5, -10}));
  // Layers that take the whole depth leave no roughing level and none in the air.
  const PocketLevelPlan all = PlanPocketLevels(0, 1, 3, 2, 0.5);
  EXPECT_TRUE(all.levels.empty());
  EXPECT_EQ(all.layers, (std::vector<double>{-0.5, -1}));
}

}  // namespace
