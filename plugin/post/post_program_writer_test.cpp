#include "plugin/post/post_program_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/win/scoped_temp_folder.h"
#include "plugin/milling/drill/drill_dlg.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/post/post_test_drawing_test.h"

namespace {

using namespace posttest;

constexpr double kPi = 3.14159265358979323846;

CString ProfileRecord(int feed) {
  CProfileDlg dlg;
  dlg.m_Feed = feed;
  CString text;
  dlg.WriteParamRecord(text);
  return text;
}

CString DrillRecord(int cycle) {
  CDrillDlg dlg;
  dlg.m_CycleIndex = cycle;
  dlg.m_Feed = 80;
  CString text;
  dlg.WriteParamRecord(text);
  return text;
}

AcDbPolyline* Polyline(std::initializer_list<std::pair<AcGePoint2d, double>> vertices, double z, bool closed = false) {
  auto* polyline = new AcDbPolyline();
  unsigned int i = 0;
  for (const auto& [point, bulge] : vertices) polyline->addVertexAt(i++, point, bulge);
  polyline->setElevation(z);
  polyline->setClosed(closed);
  return polyline;
}

// A profile toolpath of arcs about the origin at depth -1: a full circle as a
// closed polyline of two halves, three quarters clockwise as a polyline arc,
// three quarters counter-clockwise as an arc entity, and a quarter as an arc
// whose normal points down.
void BuildArcs(ShellSession& session, const char* name) {
  ToolpathBuilder path(session);
  const AcDbObjectId first = path.Rapid(AcGePoint3d(10, 0, 5), AcGePoint3d(10, 0, 2));
  path.Cut(AcGePoint3d(10, 0, 2), AcGePoint3d(10, 0, -1), 50);
  path.Add(Polyline({{AcGePoint2d(10, 0), 1.0}, {AcGePoint2d(-10, 0), 1.0}}, -1, true));
  path.Add(Polyline({{AcGePoint2d(10, 0), -std::tan(0.75 * kPi / 2)}, {AcGePoint2d(0, 10), 0.0}}, -1));
  path.Add(new AcDbArc(AcGePoint3d(0, 0, -1), 10, kPi / 2, 0.0));
  // Seen from below it turns counter-clockwise from its start angle: seen from above, clockwise.
  auto* down = new AcDbArc(AcGePoint3d(0, 0, -1), AcGeVector3d(0, 0, -1), 10, kPi, 1.5 * kPi);
  AcGePoint3d downStart;
  down->getStartPoint(downStart);
  path.Cut(AcGePoint3d(10, 0, -1), downStart);
  path.Add(down);
  path.Head(first);
  ASSERT_TRUE(path.Store(name, ProfileRecord(200)));
}

class PostWriter : public ::testing::Test {
 protected:
  const ScopedInfoClass infoClass_;
  ShellSession session_;
  PostKindHolders holders_;
  PostSettingsFile iso_ = IsoMill();
  win::ScopedTempFolder folder_;
};

TEST_F(PostWriter, ArcsTurnTheWayTheyRunWithTheirCentreOnEveryBlock) {
  BuildArcs(session_, "Arcs");
  const std::string nc = Post(iso_, holders_, {"Arcs"});
  EXPECT_EQ(Count(nc, "G03"), 2) << nc;
  EXPECT_EQ(Count(nc, "G02"), 2) << nc;
  EXPECT_NE(nc.find("G17G03X-10.I-10.J0.F200\r\nX10.I10.J0.\r\nG02X0.Y10.I-10.J0.\r\nG03X10.Y0.I0.J-10.\r\n"),
            std::string::npos)
      << nc;
  if (!Rs274Available()) GTEST_SKIP() << "rs274 (linuxcnc-uspace) is not installed";
  const Rs274Run run = RunRs274(folder_.path(), nc);
  ASSERT_EQ(run.status, 0) << run.out;
  const std::vector<CanonArc> arcs = CanonArcs(run.out);
  ASSERT_EQ(arcs.size(), 5u) << run.out;
  const int turns[] = {1, 1, -1, 1, -1};
  for (size_t i = 0; i < arcs.size(); ++i) {
    EXPECT_EQ(arcs[i].rotation, turns[i]) << i;
    EXPECT_NEAR(arcs[i].centreFirst, 0.0, 1e-4) << i;
    EXPECT_NEAR(arcs[i].centreSecond, 0.0, 1e-4) << i;
  }
}

TEST_F(PostWriter, InARotatedUcsArcsKeepTheirTurnAndTakeThePlaneTheyLieIn) {
  BuildArcs(session_, "Arcs");
  // Turned a quarter about Z and moved: the arcs stay in the XY plane.
  session_.db().setUcs(AcGePoint3d(100, 50, 0), AcGeVector3d(0, 1, 0), AcGeVector3d(-1, 0, 0));
  Adesk::UInt64 changes = session_.db().changeCount();
  const std::string turned = Post(iso_, holders_, {"Arcs"});
  EXPECT_EQ(session_.db().changeCount(), changes) << "nothing in the drawing moves or is added";
  EXPECT_NE(turned.find("G17G03Y110.I0.J10.F200\r\nY90.I0.J-10.\r\n"), std::string::npos) << turned;
  // Stood up about X: the drawing's XY plane is the ZX plane of the UCS.
  session_.db().setUcs(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0), AcGeVector3d(0, 0, 1));
  changes = session_.db().changeCount();
  const std::string standing = Post(iso_, holders_, {"Arcs"});
  EXPECT_EQ(Count(standing, "G18"), 1) << standing;
  EXPECT_EQ(Count(standing, "J"), 0) << "the ZX plane's centre words are I and K: " << standing;
  EXPECT_EQ(session_.db().changeCount(), changes);
  if (!Rs274Available()) GTEST_SKIP() << "rs274 (linuxcnc-uspace) is not installed";
  for (const std::string* nc : {&turned, &standing}) {
    const Rs274Run run = RunRs274(folder_.path(), *nc);
    ASSERT_EQ(run.status, 0) << run.out;
    const std::vector<CanonArc> arcs = CanonArcs(run.out);
    ASSERT_EQ(arcs.size(), 5u) << run.out;
    const int turns[] = {1, 1, -1, 1, -1};
    for (size_t i = 0; i < arcs.size(); ++i) EXPECT_EQ(arcs[i].rotation, turns[i]) << i << "\n" << *nc;
  }
}

TEST_F(PostWriter, AToolIsChangedWheneverItsNumberChanges) {
  for (int i = 0; i < 3; ++i) {
    ToolpathBuilder path(session_);
    const double y = 10.0 * i;
    const AcDbObjectId first = path.Rapid(AcGePoint3d(0, y, 5), AcGePoint3d(0, y, 0));
    path.Cut(AcGePoint3d(0, y, 0), AcGePoint3d(5, y, 0), 100);
    // Tools 3, 4 and 4 again, all on offset 1.
    path.Head(first, i == 0 ? 3 : 4, 1);
    ASSERT_TRUE(path.Store(("P" + std::to_string(i)).c_str(), ProfileRecord(100)));
  }
  const std::string nc = Post(iso_, holders_, {"P0", "P1", "P2"});
  EXPECT_EQ(Count(nc, "M06"), 2) << nc;
  EXPECT_NE(nc.find("T3 M06"), std::string::npos);
  EXPECT_NE(nc.find("T4 M06"), std::string::npos);
}

TEST_F(PostWriter, ACutWithoutItsOwnFeedTakesTheKindsFeedAndWithoutAnyTheRunStops) {
  ToolpathBuilder path(session_);
  const AcDbObjectId first = path.Rapid(AcGePoint3d(0, 0, 5), AcGePoint3d(0, 0, 1));
  AcGePoint3dArray plunge;
  plunge.append(AcGePoint3d(0, 0, 1));
  plunge.append(AcGePoint3d(1, 0, 0));
  path.Add(new AcDb3dPolyline(AcDb::k3dSimplePoly, plunge));
  path.Cut(AcGePoint3d(1, 0, 0), AcGePoint3d(9, 0, 0));
  path.Head(first);
  ASSERT_TRUE(path.Store("Profile", ProfileRecord(450)));
  std::string failure;
  const std::string nc = Post(iso_, holders_, {"Profile"}, &failure);
  EXPECT_TRUE(failure.empty()) << failure;
  EXPECT_NE(nc.find("G01F300\r\nX1.Z0.\r\n"), std::string::npos) << "the plunge at the entry feed: " << nc;
  EXPECT_NE(nc.find("X9.F450\r\n"), std::string::npos) << nc;
  EXPECT_EQ(nc.find("F0"), std::string::npos) << nc;

  // A kind without parameters, and a cut that carries no feed.
  ToolpathBuilder bare(session_);
  const AcDbObjectId start = bare.Rapid(AcGePoint3d(0, 0, 5), AcGePoint3d(0, 0, 0));
  bare.Cut(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0));
  bare.Head(start);
  ASSERT_TRUE(bare.Store("Simple", RecordOf(3, kToolpathSimplePocket)));
  Post(iso_, holders_, {"Simple"}, &failure);
  EXPECT_NE(failure.find("\"Simple\" has a cutting move without a feed"), std::string::npos) << failure;
}

TEST_F(PostWriter, AHelixMarkerTurnsOnlyThePolylineAfterIt) {
  // Down the centre, out to the start, two turns round, back to the centre.
  AcGePoint3dArray helix;
  for (const AcGePoint3d& point : {AcGePoint3d(0, 0, 5), AcGePoint3d(0, 0, 4), AcGePoint3d(3, 0, 4)}) {
    helix.append(point);
  }
  for (int turn = 0; turn < 2; ++turn) {
    for (int j = 1; j <= 8; ++j) {
      const double angle = 2.0 * kPi * j / 8;
      helix.append(AcGePoint3d(3 * std::cos(angle), 3 * std::sin(angle), 4 - turn - j / 8.0));
    }
  }
  helix.append(AcGePoint3d(0, 0, 2));
  ToolpathBuilder path(session_);
  const AcDbObjectId first = path.Rapid(AcGePoint3d(0, 0, 10), AcGePoint3d(0, 0, 5));
  const AcDbObjectId spiral = session_.add(new AcDb3dPolyline(AcDb::k3dSimplePoly, helix));
  path.Info(13, 2.0, spiral);
  path.Append(spiral);
  path.Add(new AcDb3dPolyline(AcDb::k3dSimplePoly, helix));
  // A marker that ends a toolpath turns nothing of the next one.
  path.Info(13, 2.0, spiral);
  path.Head(first);
  ASSERT_TRUE(path.Store("Helix", ProfileRecord(100)));
  ToolpathBuilder plain(session_);
  const AcDbObjectId start = plain.Rapid(AcGePoint3d(0, 0, 10), AcGePoint3d(0, 0, 5));
  plain.Add(new AcDb3dPolyline(AcDb::k3dSimplePoly, helix));
  plain.Head(start);
  ASSERT_TRUE(plain.Store("Plain", ProfileRecord(100)));

  const std::string nc = Post(iso_, holders_, {"Helix", "Plain"});
  EXPECT_EQ(Count(nc, "I-3.J0."), 2) << "one helical arc per turn of the marked polyline only: " << nc;
  EXPECT_NE(nc.find("X3.\r\nG17G03Z3.I-3.J0.\r\nZ2.I-3.J0.\r\nG01X0.\r\n"), std::string::npos) << nc;
  if (!Rs274Available()) GTEST_SKIP() << "rs274 (linuxcnc-uspace) is not installed";
  const Rs274Run run = RunRs274(folder_.path(), nc);
  EXPECT_EQ(run.status, 0) << run.out;
}

TEST_F(PostWriter, ThreeHolesWriteOneCycleLineTwoPositionsAndTheCancel) {
  ToolpathBuilder path(session_);
  const AcDbObjectId first = path.Rapid(AcGePoint3d(0, 0, 50), AcGePoint3d(10, 10, 20));
  for (int i = 0; i < 3; ++i) {
    const double x = 10.0 + 10.0 * i;
    if (i > 0) path.Rapid(AcGePoint3d(x - 10, 10, 20), AcGePoint3d(x, 10, 20), 1);
    path.Rapid(AcGePoint3d(x, 10, 20), AcGePoint3d(x, 10, 2), 1);
    path.Cut(AcGePoint3d(x, 10, 2), AcGePoint3d(x, 10, -12), 80);
  }
  path.Head(first);
  ASSERT_TRUE(path.Store("Holes", DrillRecord(0)));
  const std::string nc = Post(iso_, holders_, {"Holes"});
  EXPECT_NE(nc.find("G98G81Z-12.R2.F80\r\nX20.\r\nX30.\r\nG80\r\nM09\r\n"), std::string::npos) << nc;

  // A program left incremental still gets its cycles in absolute positions.
  PostSettingsFile incremental = IsoMill();
  incremental.block(kSpindleBlock).SetEditedText("S$S M03\r\nG91\r\n");
  const std::string g91 = Post(incremental, holders_, {"Holes"});
  EXPECT_NE(g91.find("S1000 M03\r\nG91\r\nG00Z50.\r\nX0.Y0.\r\nX10.Y10.Z20.\r\nG90\r\nG98G81"), std::string::npos)
      << g91;
  if (!Rs274Available()) GTEST_SKIP() << "rs274 (linuxcnc-uspace) is not installed";
  const Rs274Run run = RunRs274(folder_.path(), nc);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(Count(run.out, "STRAIGHT_FEED(30.0000, 10.0000, -12.0000"), 1) << run.out;
}

TEST_F(PostWriter, ARecordThatDoesNotReadLeavesItsToolpathOutAndNothingOfTheLastOne) {
  for (const char* name : {"Good", "Broken"}) {
    ToolpathBuilder path(session_);
    const AcDbObjectId first = path.Rapid(AcGePoint3d(0, 0, 5), AcGePoint3d(0, 0, 0));
    path.Cut(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0));
    path.Head(first);
    ASSERT_TRUE(path.Store(name, std::string(name) == "Good" ? ProfileRecord(777) : RecordOf(2, kToolpathProfile)));
  }
  const std::string nc = Post(iso_, holders_, {"Good", "Broken"});
  EXPECT_EQ(Count(nc, "F777"), 1) << nc;
  EXPECT_EQ(Count(nc, "G01"), 1) << "the broken toolpath writes no move: " << nc;
  EXPECT_NE(session_.transcript().find("\"Broken\"의 파라메타를 읽을 수 없어"), std::string::npos)
      << session_.transcript();
  EXPECT_EQ(holders_.Find(kToolpathProfile)->CutFeed(), CProfileDlg().m_Feed) << "the holder was reset first";
}

TEST_F(PostWriter, AWriteThatFailsStopsTheProgram) {
  BuildArcs(session_, "Arcs");
  StringOutput output;
  output.fail = true;
  PostProgramWriter writer(iso_, output);
  WritePostProgram(writer, holders_, {"Arcs"}, 0);
  EXPECT_TRUE(writer.failed());
  EXPECT_EQ(writer.failure(), "the NC file could not be written");
}

TEST_F(PostWriter, LengthsAndTimesAddUpTheMoves) {
  BuildArcs(session_, "Arcs");
  StringOutput output;
  PostProgramWriter writer(iso_, output);
  WritePostProgram(writer, holders_, {"Arcs"}, 0);
  const PostTotals& totals = writer.totals();
  // 3 down at 50, then at 200 a circle, two three-quarter arcs and a quarter.
  const double circle = 2 * kPi * 10;
  EXPECT_NEAR(totals.cutLength, 3 + 2.75 * circle, 1e-6);
  EXPECT_NEAR(totals.rapidLength, 3.0, 1e-9);
  EXPECT_NEAR(totals.rapidTime, 3.0 / PostProgramWriter::kRapidFeed, 1e-12);
  EXPECT_NEAR(totals.cutTime, 3.0 / 50 + 2.75 * circle / 200, 1e-9);
}

}  // namespace
