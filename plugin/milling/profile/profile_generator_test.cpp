#include "plugin/milling/profile/profile_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/distance_queries.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/milling/pocket/pocket_selection.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

struct Vertex {
  double x, y, bulge;
};

AcDbObjectId AddPolyline(ShellSession& session, const std::vector<Vertex>& vertices, bool closed, double z = 0.0) {
  auto* polyline = new AcDbPolyline();
  for (const Vertex& v : vertices) polyline->addVertexAt(polyline->numVerts(), AcGePoint2d(v.x, v.y), v.bulge);
  polyline->setClosed(closed);
  polyline->setElevation(z);
  return session.add(polyline);
}

// 100 x 60, corners rounded by 10, counter-clockwise: its right is its outside.
AcDbObjectId AddRoundedPlate(ShellSession& session) {
  const double b = std::tan(M_PI / 8.0);
  return AddPolyline(
      session, {{10, 0, 0}, {90, 0, b}, {100, 10, 0}, {100, 50, b}, {90, 60, 0}, {10, 60, b}, {0, 50, 0}, {0, 10, b}},
      true);
}

// A line, a quarter arc turning left and a line.
AcDbObjectId AddOpenGuide(ShellSession& session) {
  return AddPolyline(session, {{0, 90, 0}, {40, 90, std::tan(M_PI / 8.0)}, {60, 110, 0}, {60, 140, 0}}, false);
}

double Thickness(AcDbObjectId id) {
  double value = 0.0;
  GetCurveThickness(id, value);
  return value;
}

// The polylines of a path that cut: they carry the feed in their thickness.
std::vector<AcDbObjectId> CutPieces(const AcDbObjectIdArray& path) {
  std::vector<AcDbObjectId> pieces;
  for (const AcDbObjectId& id : path) {
    if (IsPolylineEntity(id) && Thickness(id) > 0.0) pieces.push_back(id);
  }
  return pieces;
}

// Points along the segments whose start vertex has no width: lead moves carry
// their feed in the widths.
std::vector<AcGePoint3d> CutSamples(AcDbObjectId id) {
  std::vector<AcGePoint3d> samples;
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) return samples;
  const int count = static_cast<int>(polyline->numVerts());
  const int segments = polyline->isClosed() ? count : count - 1;
  for (int i = 0; i < segments; ++i) {
    double startWidth = 0.0, endWidth = 0.0;
    polyline->getWidthsAt(i, startWidth, endWidth);
    if (startWidth > 0.0) continue;
    for (int k = 0; k <= 10; ++k) {
      AcGePoint3d point;
      polyline->getPointAtParam(i + k / 10.0, point);
      samples.emplace_back(point.x, point.y, 0.0);
    }
  }
  return samples;
}

struct Distances {
  double least = 1e9, most = -1e9;
  int inside = 0, count = 0;
};

Distances Measure(AcDbObjectId piece, AcDbObjectId source) {
  Distances d;
  for (const AcGePoint3d& point : CutSamples(piece)) {
    double distance = 0.0;
    EXPECT_TRUE(DistancePointToPolyline(point, source, distance));
    d.least = std::min(d.least, distance);
    d.most = std::max(d.most, distance);
    if (IsPointInsidePolyline(source, point)) ++d.inside;
    ++d.count;
  }
  return d;
}

int ModelSpaceCount(AcDbDatabase& db) {
  OpenedObject<AcDbBlockTable> table(db.blockTableId(), AcDb::kForRead);
  AcDbObjectId spaceId;
  if (table.openStatus() != Acad::eOk || table->getAt(ACDB_MODEL_SPACE, spaceId) != Acad::eOk) return -1;
  OpenedObject<AcDbBlockTableRecord> space(spaceId, AcDb::kForRead);
  if (space.openStatus() != Acad::eOk) return -1;
  AcDbBlockTableRecordIterator* it = nullptr;
  space->newIterator(it);
  int count = 0;
  for (; it != nullptr && !it->done(); it->step()) ++count;
  delete it;
  return count;
}

double ElevationOf(AcDbObjectId id) {
  double z = 0.0;
  GetPolylineElevation(id, z);
  return z;
}

// A dialog set for one level at 0, lead moves as they come.
struct FlatProfile {
  FlatProfile(int side, float diameter, float allowance) {
    dlg.m_Side = side;
    dlg.m_Tool.m_Diameter = diameter;
    dlg.m_Allowance = allowance;
    dlg.m_ToolpathName = "Profile_1";
  }
  CProfileDlg dlg;
};

TEST(ProfileLevels, TheDepthIsSharedOutEvenlyAndAnAbsoluteDepthAboveTheStartCutsNothingBelowIt) {
  EXPECT_EQ(ProfileLevelCount(10.0, 3.0), 4);
  EXPECT_EQ(ProfileLevelCount(10.0, 2.5), 4);
  EXPECT_EQ(ProfileLevelCount(10.0, 0.0), 1);
  EXPECT_EQ(ProfileLevelCount(0.0, 3.0), 1);

  CProfileDlg dlg;
  double top = 0.0, depth = 0.0;
  dlg.m_ZStart = 2.0f;
  dlg.m_ZDepth = -8.0f;
  ASSERT_TRUE(ProfileZRange(dlg, 50.0, top, depth));
  EXPECT_DOUBLE_EQ(top, 2.0);
  EXPECT_DOUBLE_EQ(depth, 10.0);
  dlg.m_ZDepth = 7.0f;
  ASSERT_TRUE(ProfileZRange(dlg, 50.0, top, depth));
  EXPECT_DOUBLE_EQ(top, 2.0);
  EXPECT_DOUBLE_EQ(depth, 0.0);
  dlg.m_AbsoluteZ = 0;
  ASSERT_TRUE(ProfileZRange(dlg, 50.0, top, depth));
  EXPECT_DOUBLE_EQ(top, 50.0);
  EXPECT_DOUBLE_EQ(depth, 7.0);
}

TEST(ProfilePasses, EachSideOfAClosedContourRunsAtTheToolRadiusPlusTheAllowance) {
  struct Case {
    int side;
    double distance;
    bool inside;
  };
  for (const Case c :
       {Case{kProfileRight, 4.5, false}, Case{kProfileLeft, 4.5, true}, Case{kProfileOnCurve, 0.0, false}}) {
    SCOPED_TRACE(c.side);
    ShellSession session;
    const AcDbObjectId plate = AddRoundedPlate(session);
    FlatProfile profile(c.side, 8.0f, 0.5f);
    AcDbObjectIdArray path;
    ASSERT_TRUE(BuildProfilePasses(profile.dlg, plate, path));
    const std::vector<AcDbObjectId> pieces = CutPieces(path);
    ASSERT_EQ(pieces.size(), 1u);
    const Distances d = Measure(pieces[0], plate);
    ASSERT_GT(d.count, 80);
    EXPECT_NEAR(d.least, c.distance, 1e-6);
    EXPECT_NEAR(d.most, c.distance, 1e-6);
    if (c.side != kProfileOnCurve) {
      EXPECT_EQ(d.inside, c.inside ? d.count : 0);
    }
  }
}

// Drawn from the middle of a side, the outline has a vertex where nothing
// turns; the pass starts across from it and keeps off the walls there too.
TEST(ProfilePasses, AnOutlineDrawnFromMidSideIsCutAtTheRadiusFromItsStart) {
  const std::vector<Vertex> counterClockwise = {{100, 0, 0}, {200, 0, 0}, {200, 150, 0}, {0, 150, 0}, {0, 0, 0}};
  const std::vector<Vertex> clockwise = {{100, 0, 0}, {0, 0, 0}, {0, 150, 0}, {200, 150, 0}, {200, 0, 0}};
  for (bool turnsLeft : {true, false})
    for (int side : {kProfileLeft, kProfileRight}) {
      SCOPED_TRACE(testing::Message() << (turnsLeft ? "counter-clockwise" : "clockwise") << " side " << side);
      const std::vector<Vertex>& outline = turnsLeft ? counterClockwise : clockwise;
      ShellSession session;
      const AcDbObjectId rectangle = AddPolyline(session, outline, true);
      FlatProfile profile(side, 10.0f, 0.5f);
      AcDbObjectIdArray path;
      ASSERT_TRUE(BuildProfilePasses(profile.dlg, rectangle, path));
      const std::vector<AcDbObjectId> pieces = CutPieces(path);
      ASSERT_EQ(pieces.size(), 1u);
      const Distances d = Measure(pieces[0], rectangle);
      EXPECT_NEAR(d.least, 5.5, 1e-6);
      EXPECT_NEAR(d.most, 5.5, 1e-6);
      const std::vector<AcGePoint3d> cut = CutSamples(pieces[0]);
      ASSERT_FALSE(cut.empty());
      EXPECT_NEAR(cut.front().x, 100.0, 1e-6);
      EXPECT_NEAR(std::fabs(cut.front().y), 5.5, 1e-6);
    }
}

TEST(ProfilePasses, SidePassesRunOutermostFirstAndTheTaperWidensEachLevel) {
  ShellSession session;
  const AcDbObjectId plate = AddRoundedPlate(session);
  FlatProfile profile(kProfileRight, 10.0f, 0.0f);
  profile.dlg.m_Passes = 3;
  profile.dlg.m_Stepover = 5.0f;
  AcDbObjectIdArray path;
  ASSERT_TRUE(BuildProfilePasses(profile.dlg, plate, path));
  std::vector<AcDbObjectId> pieces = CutPieces(path);
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_NEAR(Measure(pieces[0], plate).least, 15.0, 1e-6);
  EXPECT_NEAR(Measure(pieces[1], plate).least, 10.0, 1e-6);
  EXPECT_NEAR(Measure(pieces[2], plate).least, 5.0, 1e-6);

  // A wall leaning 45 degrees: each level 5 deeper stands 5 farther out.
  FlatProfile tapered(kProfileRight, 8.0f, 0.0f);
  tapered.dlg.m_ZTaper = 45.0f;
  tapered.dlg.m_ZDepth = -10.0f;
  tapered.dlg.m_ZStepover = 5.0f;
  path.setLogicalLength(0);
  ASSERT_TRUE(BuildProfilePasses(tapered.dlg, plate, path));
  pieces = CutPieces(path);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_NEAR(ElevationOf(pieces[0]), -5.0, 1e-9);
  EXPECT_NEAR(Measure(pieces[0], plate).least, 9.0, 1e-6);
  EXPECT_NEAR(ElevationOf(pieces[1]), -10.0, 1e-9);
  EXPECT_NEAR(Measure(pieces[1], plate).least, 14.0, 1e-6);
}

TEST(ProfilePasses, OnTheCurveOneCopyALevelWhateverThePassesAndTheTool) {
  ShellSession session;
  const AcDbObjectId plate = AddRoundedPlate(session);
  FlatProfile profile(kProfileOnCurve, 10.0f, 2.0f);
  profile.dlg.m_Passes = 3;
  profile.dlg.m_ZStart = 1.0f;
  profile.dlg.m_ZDepth = -9.0f;
  profile.dlg.m_ZStepover = 3.0f;
  AcDbObjectIdArray path;
  ASSERT_TRUE(BuildProfilePasses(profile.dlg, plate, path));
  const std::vector<AcDbObjectId> pieces = CutPieces(path);
  ASSERT_EQ(pieces.size(), 4u);
  for (int j = 0; j < 4; ++j) {
    EXPECT_NEAR(ElevationOf(pieces[j]), 1.0 - 2.5 * (j + 1), 1e-9);
    EXPECT_NEAR(Measure(pieces[j], plate).most, 0.0, 1e-9);
  }
}

// The path of one level: entry from the retract height, the cut, the way up.
TEST(ProfilePasses, AnOpenContourKeepsItsEndsAndGetsLeadMovesAtBoth) {
  ShellSession session;
  const AcDbObjectId guide = AddOpenGuide(session);
  FlatProfile profile(kProfileOnCurve, 8.0f, 0.0f);
  profile.dlg.m_MiddleStart = 1;  // only closed curves start in the middle
  AcDbObjectIdArray path;
  ASSERT_TRUE(BuildProfilePasses(profile.dlg, guide, path));
  const std::vector<AcDbObjectId> pieces = CutPieces(path);
  ASSERT_EQ(pieces.size(), 1u);
  const std::vector<AcGePoint3d> cut = CutSamples(pieces[0]);
  ASSERT_FALSE(cut.empty());
  EXPECT_TRUE(cut.front().isEqualTo(AcGePoint3d(0, 90, 0)));
  EXPECT_TRUE(cut.back().isEqualTo(AcGePoint3d(60, 140, 0)));
  EXPECT_EQ(GetPolylineVertexCount(pieces[0]), 4 + 2 + 2);
  AcGePoint3d start, end;
  ASSERT_NE(GetCurveEndPoints(pieces[0], start, end), 0);
  EXPECT_FALSE(start.isEqualTo(AcGePoint3d(0, 90, 0)));  // the lead-in comes first
  EXPECT_FALSE(end.isEqualTo(AcGePoint3d(60, 140, 0)));

  ASSERT_EQ(path.length(), 4);  // rapid down, feed down, the cut, rapid up
  EXPECT_EQ(path[2], pieces[0]);
  AcGePoint3d upFrom, upTo;
  GetCurveEndPoints(path[3], upFrom, upTo);
  EXPECT_TRUE(upFrom.isEqualTo(end));
  EXPECT_DOUBLE_EQ(upTo.z, 100.0);

  // Right of the open guide: its ends stand off square to it.
  FlatProfile right(kProfileRight, 8.0f, 0.5f);
  path.setLogicalLength(0);
  ASSERT_TRUE(BuildProfilePasses(right.dlg, guide, path));
  const std::vector<AcGePoint3d> offset = CutSamples(CutPieces(path).at(0));
  EXPECT_TRUE(offset.front().isEqualTo(AcGePoint3d(0, 85.5, 0)));
  EXPECT_TRUE(offset.back().isEqualTo(AcGePoint3d(64.5, 140, 0)));
}

TEST(ProfilePasses, AClosedContourStartsInTheMiddleOfItsLongestElementWhenAsked) {
  ShellSession session;
  const AcDbObjectId plate = AddRoundedPlate(session);
  FlatProfile profile(kProfileOnCurve, 8.0f, 0.0f);
  profile.dlg.m_MiddleStart = 1;
  AcDbObjectIdArray path;
  ASSERT_TRUE(BuildProfilePasses(profile.dlg, plate, path));
  const std::vector<AcGePoint3d> cut = CutSamples(CutPieces(path).at(0));
  EXPECT_TRUE(cut.front().isEqualTo(AcGePoint3d(50, 0, 0)));
  EXPECT_TRUE(cut.back().isEqualTo(AcGePoint3d(50, 0, 0)));
}

// Inside a tall outline drawn from a corner: the pass starts halfway up its
// longest side, the tool's radius off the wall, and its lead moves, shortened
// to the room there is, stay inside and clear of the walls.
TEST(ProfilePasses, AMidpointStartTakesTheLongestElementAndInsideLeadsKeepOffTheWall) {
  ShellSession session;
  const AcDbObjectId tall = AddPolyline(session, {{0, 0, 0}, {40, 0, 0}, {40, 150, 0}, {0, 150, 0}}, true);
  FlatProfile profile(kProfileLeft, 10.0f, 0.0f);
  profile.dlg.m_MiddleStart = 1;
  AcDbObjectIdArray path;
  ASSERT_TRUE(BuildProfilePasses(profile.dlg, tall, path));
  const AcDbObjectId pass = CutPieces(path).at(0);
  const std::vector<AcGePoint3d> cut = CutSamples(pass);
  ASSERT_FALSE(cut.empty());
  EXPECT_TRUE(cut.front().isEqualTo(AcGePoint3d(35, 75, 0))) << cut.front().x << "," << cut.front().y;
  OpenedObject<AcDbPolyline> polyline(pass, AcDb::kForRead);
  ASSERT_EQ(polyline.openStatus(), Acad::eOk);
  EXPECT_GT(polyline->numVerts(), 6u);  // the loop and its lead moves
  for (unsigned i = 0; i < polyline->numVerts(); ++i) {
    AcGePoint2d point;
    polyline->getPointAt(i, point);
    EXPECT_TRUE(point.x > 5.0 - 1e-6 && point.x < 35.0 + 1e-6 && point.y > 5.0 - 1e-6 && point.y < 145.0 + 1e-6)
        << i << ": " << point.x << "," << point.y;
  }
}

TEST(ProfilePasses, AnOffsetThatGivesNothingLeavesNothingBehind) {
  ShellSession session;
  const AcDbObjectId small = AddPolyline(session, {{0, 0, 1}, {4, 0, 1}}, true);  // a circle of radius 2
  FlatProfile profile(kProfileLeft, 8.0f, 0.0f);
  AcDbObjectIdArray path;
  EXPECT_FALSE(BuildProfilePasses(profile.dlg, small, path));
  EXPECT_TRUE(path.isEmpty());
  EXPECT_EQ(ModelSpaceCount(session.db()), 1);
}

struct StoredProfile {
  explicit StoredProfile(ShellSession& session) {
    plate = AddRoundedPlate(session);
    guide = AddOpenGuide(session);
    dlg.m_Side = kProfileRight;
    dlg.m_Tool.m_Diameter = 8.0f;
    dlg.m_SpindleSpeed = 2500;
    dlg.m_ToolNumber = 3;
    dlg.m_ToolpathName = "Profile_1";
    dlg.m_Curves.append(plate);
    dlg.m_Curves.append(guide);
  }
  AcDbObjectId plate, guide;
  CProfileDlg dlg;
};

TEST(ProfileToolpath, TheGroupHoldsTheCurvesThenTheMarkersThenTheMovesUnderTheRecord) {
  CToolPathInfo::rxInit();
  ShellSession session;
  StoredProfile stored(session);
  GenerateProfileToolpath(stored.dlg);
  AcDbObjectIdArray ids;
  ASSERT_TRUE(GetToolpathEntityIds("Profile_1", ids));
  ASSERT_GT(ids.length(), 6);
  EXPECT_EQ(ids[0], stored.plate);
  EXPECT_EQ(ids[1], stored.guide);
  EXPECT_FALSE(IsEntityShown(stored.plate));
  double value = 0.0;
  EXPECT_EQ(ReadMarkerPoint(ids[2], value), kMarkerTool);
  CToolShapeDlg tool;
  int toolNumber = 0, offsetNumber = 0;
  ASSERT_TRUE(GetToolPathInfoTool(ids[3], tool, toolNumber, offsetNumber));
  EXPECT_FLOAT_EQ(tool.m_Diameter, 8.0f);
  EXPECT_EQ(toolNumber, 3);
  EXPECT_EQ(ReadMarkerPoint(ids[4], value), kMarkerSpindle);
  EXPECT_NEAR(value, 2500.0, 0.01);
  // Both curves are cut, the second reached by a rapid move at the retract height.
  int cuts = 0;
  for (const AcDbObjectId& id : ids) cuts += IsPolylineEntity(id) && Thickness(id) > 0.0 ? 1 : 0;
  EXPECT_EQ(cuts, 2);

  AcDbObjectId group;
  ASSERT_TRUE(FindToolpathByName("Profile_1", group));
  CString record;
  EXPECT_EQ(ReadToolpathTypeCode(group, record), kToolpathProfile);
  CString written;
  stored.dlg.WriteParamRecord(written);
  EXPECT_EQ(record, written);
  // The lead moves were turned away from the wall of a right-hand cut.
  EXPECT_EQ(stored.dlg.m_Lead.m_Side, 1);

  AcDbObjectIdArray reloaded;
  ASSERT_TRUE(ReloadProfileCurves("Profile_1", reloaded));
  EXPECT_EQ(reloaded.length(), 2);
}

TEST(ProfileToolpath, ATakenNameIsReplacedAndACurveThatCannotBeCutIsPassedOver) {
  ShellSession session;
  StoredProfile stored(session);
  AcDbObjectIdArray old;
  old.append(AddPolyline(session, {{200, 0, 0}, {210, 0, 0}}, false));
  const AcDbObjectId oldMember = old[0];
  ASSERT_TRUE(CreateToolpathGroup("Profile_1", "Ostrivo_ToolPath 1 2 0\n", old));
  stored.dlg.m_Side = kProfileLeft;
  stored.dlg.m_Curves.insertAt(0, AddPolyline(session, {{300, 0, 1}, {304, 0, 1}}, true));  // too small inside
  GenerateProfileToolpath(stored.dlg);
  EXPECT_TRUE(oldMember.isErased());
  AcDbObjectIdArray ids;
  ASSERT_TRUE(GetToolpathEntityIds("Profile_1", ids));
  int cuts = 0;
  for (const AcDbObjectId& id : ids) cuts += IsPolylineEntity(id) && Thickness(id) > 0.0 ? 1 : 0;
  EXPECT_EQ(cuts, 2);
}

TEST(ProfileToolpath, NothingToCutIsReportedAndStoresNothing) {
  ShellSession session;
  CProfileDlg dlg;
  dlg.m_Side = kProfileLeft;
  dlg.m_ToolpathName = "Profile_1";
  const AcDbObjectId small = AddPolyline(session, {{0, 0, 1}, {4, 0, 1}}, true);
  dlg.m_Curves.append(small);
  GenerateProfileToolpath(dlg);
  EXPECT_NE(session.transcript().find("[Error message] 공구경로를 생성할 수 없습니다.!!!"), std::string::npos)
      << session.transcript();
  EXPECT_FALSE(ToolpathNameExists("Profile_1"));
  EXPECT_TRUE(IsEntityShown(small));
}

}  // namespace
