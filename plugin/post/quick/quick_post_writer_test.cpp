#include "plugin/post/quick/quick_post_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win/scoped_temp_folder.h"
#include "plugin/milling/drill/drill_dlg.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/post/quick/quick_number_text.h"
#include "plugin/post/quick/quick_post_test_drawing_test.h"
#include "plugin/turning/lathe_dlg.h"
#include "plugin/turning/lathe_drill_dlg.h"

namespace {

using namespace quicktest;

constexpr double kPi = 3.14159265358979323846;

CString ProfileRecord(int feed) {
  CProfileDlg dlg;
  dlg.m_Feed = feed;
  CString text;
  dlg.WriteParamRecord(text);
  return text;
}

AcDbPolyline* Polyline(std::initializer_list<std::pair<AcGePoint2d, double>> vertices, double z, int feed,
                       bool closed = false) {
  auto* polyline = new AcDbPolyline();
  unsigned int i = 0;
  for (const auto& [point, bulge] : vertices) polyline->addVertexAt(i++, point, bulge);
  polyline->setElevation(z);
  polyline->setClosed(closed);
  polyline->setThickness(FeedThickness(feed));
  return polyline;
}

class QuickPostWriterTest : public ::testing::Test {
 protected:
  // Down at the corner of a square, round it at depth -2, and up again; tool 3, spindle 1000.
  void BuildPocket() {
    ToolpathBuilder path(session_);
    const AcDbObjectId first = path.Rapid(AcGePoint3d(10, 10, 50), AcGePoint3d(10, 10, 5));
    path.Cut(AcGePoint3d(10, 10, 5), AcGePoint3d(10, 10, -2), 100);
    path.Add(Polyline(
        {{AcGePoint2d(10, 10), 0}, {AcGePoint2d(30, 10), 0}, {AcGePoint2d(30, 30), 0}, {AcGePoint2d(10, 30), 0}}, -2,
        200, true));
    path.Rapid(AcGePoint3d(10, 10, -2), AcGePoint3d(10, 10, 5));
    path.Head(first, 3, 3);
    ASSERT_TRUE(path.Store("Pocket", ProfileRecord(200)));
  }

  const ScopedInfoClass infoClass_;
  ShellSession session_;
  PostKindHolders holders_;
  win::ScopedTempFolder folder_;
};

TEST_F(QuickPostWriterTest, ThePocketIsWrittenMoveForMoveInEachFormat) {
  BuildPocket();
  QuickPostOptions iso;
  iso.sequenceNumbers = true;
  // The tool change and the spindle start come before the toolpath moves.
  EXPECT_EQ(QuickPost(holders_, {"Pocket"}, iso), Lines({"%",
                                                         "N1G00Z50.000",
                                                         "N2G49",
                                                         "N3G28G91Z0.0T3M06",
                                                         "N4G90",
                                                         "N5G43Z50.000H3",
                                                         "N6S1000M03",
                                                         "N7G90G00G17Z50.000",
                                                         "N8X10.000Y10.000",
                                                         "N9Z5.000",
                                                         "N10G01Z-2.000F100",
                                                         "N11X30.000F200",
                                                         "N12Y30.000",
                                                         "N13X10.000",
                                                         "N14Y10.000",
                                                         "N15G00Z5.000",
                                                         "N16G00Z50.000",
                                                         "N17M09",
                                                         "N18M30",
                                                         "%"}));

  QuickPostOptions incremental;
  incremental.incremental = true;
  incremental.programNumberOn = true;
  incremental.programNumber = 1234;
  const std::string g91 = QuickPost(holders_, {"Pocket"}, incremental);
  EXPECT_NE(g91.find(Lines({"%", "O1234", "G00Z50.000", "G49"})), std::string::npos) << g91;
  EXPECT_NE(g91.find(Lines({"S1000M03", "G90G00G17Z50.000", "X10.000Y10.000", "Z5.000", "G91G01Z-7.F100", "X20.F200",
                            "Y20.", "X-20.", "Y-20.", "G90G00Z5.000", "G00Z50.000", "M09", "M30", "%"})),
            std::string::npos)
      << g91;

  QuickPostOptions conversational;
  conversational.conversational = true;
  conversational.programNumber = 7;
  EXPECT_EQ(QuickPost(holders_, {"Pocket"}, conversational, 40),
            Lines({"0 BEGIN PGM 7 MM", "1 BLK FORM 0.1 Z X+0.000 Y+0.000 Z-100.000",
                   "2 BLK FORM 0.2 X+100.000 Y+100.000 Z+0.000", "3TOOL DEF 3 L+0.000 R+0.000", "4TOOL CALL 3 Z S0",
                   "5LZ50.000 R F6000 M03", "6LZ50.000 R F6000 M08", "7S1000M03", "8LZ5.000 R F M",
                   "9LZ-2.000 R F100 M", "10LX30.000 R F200 M", "11LY30.000 R F M", "12LX10.000 R F M",
                   "13LY10.000 R F M", "14LZ5.000 R F6000 M", "15 END PGM 7 MM"}));
}

TEST_F(QuickPostWriterTest, NumbersGoOnFromTheLastRunAndWrapAfter9999) {
  BuildPocket();
  QuickPostOptions options;
  options.sequenceNumbers = true;
  StringOutput output;
  QuickPostWriter writer(output, options, 9997);
  WriteQuickPostProgram(writer, holders_, {"Pocket"});
  EXPECT_EQ(output.text_.rfind(Lines({"%", "N9998G00Z50.000", "N9999G49", "N0G28G91Z0.0T3M06", "N1G90"}), 0), 0u)
      << output.text_;
  EXPECT_EQ(writer.lineCounter(), 15);
}

// About the origin at depth -1 from (10, 0): a quarter, a half circle, three
// quarters clockwise as a polyline arc, a full circle of two halves, and 300 degrees as
// an arc entity.
void BuildArcs(ShellSession& session) {
  ToolpathBuilder path(session);
  const AcDbObjectId first = path.Rapid(AcGePoint3d(10, 0, 5), AcGePoint3d(10, 0, -1));
  path.Add(Polyline({{AcGePoint2d(10, 0), std::tan(kPi / 8)}, {AcGePoint2d(0, 10), 0}}, -1, 200));
  path.Add(Polyline({{AcGePoint2d(0, 10), 1.0}, {AcGePoint2d(0, -10), 0}}, -1, 200));
  path.Add(Polyline({{AcGePoint2d(0, -10), -std::tan(0.75 * kPi / 2)}, {AcGePoint2d(10, 0), 0}}, -1, 200));
  path.Add(Polyline({{AcGePoint2d(10, 0), 1.0}, {AcGePoint2d(-10, 0), 1.0}}, -1, 200, true));
  auto* arc = new AcDbArc(AcGePoint3d(0, 0, -1), 10, 0.0, 300.0 * kPi / 180.0);
  arc->setThickness(FeedThickness(200));
  path.Add(arc);
  path.Head(first);
  ASSERT_TRUE(path.Store("Arcs", ProfileRecord(200)));
}

TEST_F(QuickPostWriterTest, RIsTheRadiusOnlyWhereItNamesTheArc) {
  BuildArcs(session_);
  QuickPostOptions options;
  const std::string nc = QuickPost(holders_, {"Arcs"}, options);
  EXPECT_NE(nc.find(Lines({"G03X0.000Y10.000R10.000F200", "Y-10.000J-10.000"})), std::string::npos)
      << "a quarter by R, the half circle by its centre: " << nc;
  // Three quarters from (0, -10): in two halves of 135 degrees.
  const double c = 10 * std::cos(kPi / 4);
  EXPECT_NE(nc.find(Printed("G02X%.3fY%.3fR10.000\r\nX10.000Y0.000R10.000\r\n", -c, c)), std::string::npos) << nc;
  EXPECT_NE(nc.find(Lines({"X-10.000I-10.000", "X10.000I10.000"})), std::string::npos) << "full circle halves: " << nc;
  EXPECT_NE(
      nc.find(Printed("X%.3fY%.3fR10.000\r\nX%.3fY%.3fR10.000\r\n", 10 * std::cos(150 * kPi / 180),
                      10 * std::sin(150 * kPi / 180), 10 * std::cos(300 * kPi / 180), 10 * std::sin(300 * kPi / 180))),
      std::string::npos)
      << "300 degrees in two arcs of 150: " << nc;
  EXPECT_EQ(nc.find("R10.001"), std::string::npos) << nc;

  options.arcsByRadius = false;
  const std::string centres = QuickPost(holders_, {"Arcs"}, options);
  EXPECT_EQ(Count(centres, "R1"), 0) << centres;
  EXPECT_NE(centres.find("G03X0.000Y10.000I-10.000F200"), std::string::npos) << centres;

  if (!Rs274Available()) GTEST_SKIP() << "rs274 (linuxcnc-uspace) is not installed";
  for (const std::string* program : {&nc, &centres}) {
    const Rs274Run run = RunRs274(folder_.path(), *program);
    ASSERT_EQ(run.status, 0) << run.out << *program;
    const std::vector<CanonArc> arcs = CanonArcs(run.out);
    const std::vector<int> turns =
        program == &nc ? std::vector<int>{1, 1, -1, -1, 1, 1, 1, 1} : std::vector<int>{1, 1, -1, 1, 1, 1};
    ASSERT_EQ(arcs.size(), turns.size()) << *program;
    for (size_t i = 0; i < arcs.size(); ++i) {
      EXPECT_NEAR(arcs[i].centreFirst, 0.0, 1e-3) << i << *program;
      EXPECT_NEAR(arcs[i].centreSecond, 0.0, 1e-3) << i << *program;
      EXPECT_EQ(arcs[i].rotation, turns[i]) << i << *program;
    }
  }
}

TEST_F(QuickPostWriterTest, IncrementsOfAClosedSquareReturnExactlyToItsStart) {
  // Corners off the 0.001 grid: each increment rounds, their sum must not.
  ToolpathBuilder path(session_);
  const AcDbObjectId first = path.Rapid(AcGePoint3d(0.0004, 0.0004, 5), AcGePoint3d(0.0004, 0.0004, 0));
  const double side = 10.00035;
  path.Add(Polyline({{AcGePoint2d(0.0004, 0.0004), 0},
                     {AcGePoint2d(0.0004 + side, 0.0004), 0},
                     {AcGePoint2d(0.0004 + side, 0.0004 + side), 0},
                     {AcGePoint2d(0.0004, 0.0004 + side), 0}},
                    0, 150, true));
  path.Head(first);
  ASSERT_TRUE(path.Store("Square", ProfileRecord(150)));
  QuickPostOptions options;
  options.incremental = true;
  const std::string nc = QuickPost(holders_, {"Square"}, options);
  EXPECT_NE(nc.find(Lines({"G91G01X10.001F150", "Y10.001", "X-10.001", "Y-10.001", "G90G00Z5.000"})), std::string::npos)
      << nc;
  if (!Rs274Available()) GTEST_SKIP() << "rs274 (linuxcnc-uspace) is not installed";
  const Rs274Run run = RunRs274(folder_.path(), nc);
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("STRAIGHT_FEED(0.0000, 0.0000, 0.0000"), std::string::npos) << run.out;
  EXPECT_EQ(Count(run.out, "STRAIGHT_FEED(0.0000, 0.0000, 0.0000"), 1) << run.out;
}

CString LatheRecord() {
  CLatheDlg dlg;
  CString text;
  dlg.WriteParamRecord(text);
  return text;
}

// A facing move down to the axis and a chamfer, a fillet arc turning clockwise
// as drawn, on the lathe's drawing: X along the spindle, Y the radius.
void BuildLathe(ShellSession& session) {
  ToolpathBuilder path(session);
  const AcDbObjectId first = path.Rapid(AcGePoint3d(100, 60, 0), AcGePoint3d(50, 45, 0));
  path.Cut(AcGePoint3d(50, 45, 0), AcGePoint3d(50, 0, 0), 150);
  path.Rapid(AcGePoint3d(50, 0, 0), AcGePoint3d(50, 20, 0));
  path.Add(Polyline({{AcGePoint2d(50, 20), 0},
                     {AcGePoint2d(48, 22), 0},
                     {AcGePoint2d(30, 22), -std::tan(kPi / 8)},
                     {AcGePoint2d(25, 27), 0}},
                    0, 120));
  path.Rapid(AcGePoint3d(25, 27, 0), AcGePoint3d(100, 60, 0));
  path.Head(first, 3, 3);
  ASSERT_TRUE(path.Store("Turn", LatheRecord()));
}

TEST_F(QuickPostWriterTest, ALatheToolpathWritesTheDrawingsYAsXAndItsXAsZ) {
  BuildLathe(session_);
  QuickPostOptions options;
  options.machiningInfo = true;
  const std::string nc = QuickPost(holders_, {"Turn"}, options);
  EXPECT_EQ(nc, Lines({"%", "G28U0.W0.", "G50X60.000Z100.000", "G00T0303", "G97S1000M13", "X45.000Z50.000",
                       "G01X0.000F150", "G00X20.000", "G01X22.000Z48.000F120", "Z30.000", "G18G02X27.000Z25.000R5.000",
                       "G00X60.000Z100.000", "G28U0.W0.M05", "T0300", "M30", "%"}));
}

TEST_F(QuickPostWriterTest, TheConfigurablePostTakesTheSameLatheAxes) {
  BuildLathe(session_);
  const std::string nc = Post(IsoMill(), holders_, {"Turn"});
  EXPECT_NE(nc.find("X0.F150"), std::string::npos) << "the facing move ends on the axis: " << nc;
  EXPECT_NE(nc.find("X22.Z48."), std::string::npos) << "the chamfer: " << nc;
  EXPECT_NE(nc.find("G18G02X27.Z25.I5.K0."), std::string::npos) << nc;
  EXPECT_NE(nc.find("G00Z100.\r\nX60.Y0.\r\n"), std::string::npos) << "the start point too: " << nc;
}

// Lathe drilling drills as a canned cycle in G17, along Z, and the lathe's G18
// comes back after it.
TEST_F(QuickPostWriterTest, ALatheHoleIsDrilledAlongTheSpindleByACannedCycle) {
  const auto post = [&](const char* name, const CLatheDrillDlg& drill) {
    ToolpathBuilder path(session_);
    const AcDbObjectId first = path.Rapid(AcGePoint3d(100, 30, 0), AcGePoint3d(60, 0, 0));
    path.Rapid(AcGePoint3d(60, 0, 0), AcGePoint3d(52, 0, 0), 1);
    path.Cut(AcGePoint3d(52, 0, 0), AcGePoint3d(20, 0, 0), 80);
    path.Rapid(AcGePoint3d(20, 0, 0), AcGePoint3d(100, 30, 0));
    path.Head(first, 5, 5);
    CString record;
    drill.WriteParamRecord(record);
    EXPECT_TRUE(path.Store(name, record));
    return QuickPost(holders_, {name}, QuickPostOptions());
  };
  CLatheDrillDlg drill;
  drill.m_Feed = 80;
  drill.m_Dwell = 0.0f;
  std::string nc = post("LatheHole", drill);
  EXPECT_NE(nc.find(Lines({"G50X30.000Z100.000", "G00T0505", "G97S1000M13", "X0.000Z60.000", "G17",
                           "G98G81X0.000Z20.000R52.000F80", "G80", "G18", "G00X30.000Z100.000", "G28U0.W0.M05"})),
            std::string::npos)
      << nc;

  // A peck cycle pecks by the shallower peck; shift boring is written out.
  drill.m_CycleIndex = kLathePeckDrill;
  drill.m_FirstPeck = 6.0f;
  drill.m_NextPeck = 4.0f;
  nc = post("PeckHole", drill);
  EXPECT_NE(nc.find("G98G83X0.000Z20.000R52.000Q4.000F80"), std::string::npos) << nc;
  drill.m_CycleIndex = kLatheBoringShift;
  drill.m_Shift = 0.5f;
  nc = post("ShiftHole", drill);
  EXPECT_NE(nc.find(Lines({"G00X0.000Z52.000", "G01Z20.000F80", "G00X0.500", "Z60.000", "X0.000"})), std::string::npos)
      << nc;
}

CString DrillRecord(int cycle) {
  CDrillDlg dlg;
  dlg.m_CycleIndex = cycle;
  dlg.m_Feed = 80;
  dlg.m_FirstPeck = 4.0f;
  dlg.m_Dwell = 1.0f;
  CString text;
  dlg.WriteParamRecord(text);
  return text;
}

// Three holes along X at Y 10, each a marked rapid down to R 2 and the drilling move to -12.
void BuildHoles(ShellSession& session, const char* name, int cycle) {
  ToolpathBuilder path(session);
  const AcDbObjectId first = path.Rapid(AcGePoint3d(0, 0, 50), AcGePoint3d(10, 10, 20));
  for (int i = 0; i < 3; ++i) {
    const double x = 10.0 + 10.0 * i;
    if (i > 0) path.Rapid(AcGePoint3d(x - 10, 10, 20), AcGePoint3d(x, 10, 20), 1);
    path.Rapid(AcGePoint3d(x, 10, 20), AcGePoint3d(x, 10, 2), 1);
    path.Cut(AcGePoint3d(x, 10, 2), AcGePoint3d(x, 10, -12), 80);
  }
  path.Rapid(AcGePoint3d(30, 10, 20), AcGePoint3d(0, 0, 50));
  path.Head(first);
  ASSERT_TRUE(path.Store(name, DrillRecord(cycle)));
}

TEST_F(QuickPostWriterTest, HolesAreOneCycleInIsoAndTheirOwnMovesInConversational) {
  BuildHoles(session_, "Peck", 1);
  BuildHoles(session_, "Drill", 0);
  QuickPostOptions iso;
  const std::string nc = QuickPost(holders_, {"Peck", "Drill"}, iso);
  EXPECT_NE(nc.find(Lines({"X10.000Y10.000Z20.000", "G98G83Z-12.000R2.000Q4.000F80", "X20.000", "X30.000", "G80",
                           "G00X0.000Y0.000Z50.000"})),
            std::string::npos)
      << "the peck cycle takes no dwell, and the next move cancels it: " << nc;
  EXPECT_NE(nc.find("G98G81Z-12.000R2.000F80\r\n"), std::string::npos) << nc;
  EXPECT_EQ(Count(nc, "G98G8"), 2) << nc;
  EXPECT_EQ(Count(nc, "G80"), 2) << nc;
  QuickTotals cycles, moves;
  QuickPost(holders_, {"Drill"}, iso, 0, nullptr, &cycles);

  QuickPostOptions conversational;
  conversational.conversational = true;
  const std::string plain = QuickPost(holders_, {"Drill"}, conversational, 0, nullptr, &moves);
  EXPECT_NEAR(cycles.cutLength, 3 * 14.0, 1e-9) << "each hole drilled from R 2 to -12";
  EXPECT_NEAR(moves.cutLength, 3 * 14.0, 1e-9);
  EXPECT_NEAR(cycles.time, moves.time, 1e-9);
  // Over each hole, down to R, drilled at the feed, back up where the holes began.
  EXPECT_NE(plain.find("9LZ2.000 R F M\r\n10LZ-12.000 R F80 M\r\n11LZ20.000 R F6000 M\r\n12LX20.000 R F M\r\n"),
            std::string::npos)
      << plain;
  EXPECT_EQ(Count(plain, "LZ-12.000 R F"), 3) << plain;
  EXPECT_EQ(Count(plain, "LZ20.000 R F6000 M"), 3) << plain;
  EXPECT_EQ(plain.find("G8"), std::string::npos) << plain;

  if (!Rs274Available()) GTEST_SKIP() << "rs274 (linuxcnc-uspace) is not installed";
  const Rs274Run run = RunRs274(folder_.path(), nc);
  ASSERT_EQ(run.status, 0) << run.out << nc;
  EXPECT_EQ(Count(run.out, "STRAIGHT_FEED(30.0000, 10.0000, -12.0000"), 2) << run.out;
}

TEST_F(QuickPostWriterTest, WithoutDiagonalRapidsTheToolCrossesAtTheUpperLevel) {
  ToolpathBuilder path(session_);
  const AcDbObjectId first = path.Rapid(AcGePoint3d(0, 0, 50), AcGePoint3d(20, 10, 5));
  path.Cut(AcGePoint3d(20, 10, 5), AcGePoint3d(25, 10, 0), 100);
  path.Rapid(AcGePoint3d(25, 10, 0), AcGePoint3d(0, 0, 50));
  path.Head(first);
  ASSERT_TRUE(path.Store("Hop", ProfileRecord(100)));
  QuickPostOptions options;
  options.diagonalRapids = false;
  const std::string split = QuickPost(holders_, {"Hop"}, options);
  EXPECT_NE(split.find(Lines({"S1000M03", "G90G00G17Z50.000", "X0.000Y0.000", "X20.000Y10.000", "Z5.000",
                              "G01X25.000Z0.000F100", "G00Z50.000", "X0.000Y0.000", "M09"})),
            std::string::npos)
      << split;
  options.diagonalRapids = true;
  const std::string diagonal = QuickPost(holders_, {"Hop"}, options);
  EXPECT_NE(diagonal.find(Lines({"X0.000Y0.000", "X20.000Y10.000Z5.000"})), std::string::npos) << diagonal;
  EXPECT_NE(diagonal.find(Lines({"G00X0.000Y0.000Z50.000", "M09"})), std::string::npos) << diagonal;
}

TEST_F(QuickPostWriterTest, AToolpathThatCannotBeReadIsLeftOutWithAMessage) {
  BuildPocket();
  ToolpathBuilder path(session_);
  const AcDbObjectId first = path.Rapid(AcGePoint3d(0, 0, 5), AcGePoint3d(0, 0, 0));
  path.Cut(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0), 100);
  path.Head(first);
  ASSERT_TRUE(path.Store("Untagged", "a group of somebody else's"));
  QuickPostOptions options;
  const std::string nc = QuickPost(holders_, {"Untagged", "Missing", "Pocket"}, options);
  EXPECT_EQ(Count(nc, "G90G00G17"), 1) << nc;
  EXPECT_EQ(nc.find("X5.000"), std::string::npos) << nc;
  EXPECT_NE(session_.transcript().find("\"Untagged\"는 출력할 수 없는 종류라"), std::string::npos)
      << session_.transcript();
  EXPECT_NE(session_.transcript().find("\"Missing\"를 찾을 수 없어"), std::string::npos) << session_.transcript();
}

TEST_F(QuickPostWriterTest, AFailedRunLeavesTheEarlierFileAndSaysWhy) {
  BuildPocket();
  ToolpathBuilder bare(session_);
  const AcDbObjectId start = bare.Rapid(AcGePoint3d(0, 0, 5), AcGePoint3d(0, 0, 0));
  bare.Cut(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0));
  bare.Head(start);
  ASSERT_TRUE(bare.Store("Featureless", RecordOf(3, kToolpathSimpleFace)));
  const std::string path = folder_ / "out.nc";
  std::ofstream(path) << "earlier program";
  QuickPostRequest request;
  request.outputPath = path;
  request.toolpathNames = {"Pocket", "Featureless"};
  int counter = 5;
  EXPECT_FALSE(RunQuickPost(holders_, request, counter));
  EXPECT_EQ(ReadText(path), "earlier program");
  EXPECT_EQ(counter, 5);
  EXPECT_NE(session_.transcript().find("[Message] " + path +
                                       "이 사용중이거나 열수 없는 상태에 있습니다.!!\ntoolpath \"Featureless\" has a "
                                       "cutting move without a feed"),
            std::string::npos)
      << session_.transcript();

  request.toolpathNames = {"Missing"};
  EXPECT_FALSE(RunQuickPost(holders_, request, counter)) << "nothing to write";
  EXPECT_EQ(ReadText(path), "earlier program");
  EXPECT_NE(session_.transcript().find("출력할 공구경로가 없습니다."), std::string::npos) << session_.transcript();

  request.toolpathNames = {"Pocket"};
  QuickTotals totals;
  ASSERT_TRUE(RunQuickPost(holders_, request, counter, &totals));
  EXPECT_EQ(ReadText(path).rfind("%\r\nG00Z50.000\r\nG49\r\n", 0), 0u);
  // 45 down and up at the rapid feed; 7 down at 100 and 80 round at 200.
  EXPECT_NEAR(totals.rapidLength, 45 + 7, 1e-9);
  EXPECT_NEAR(totals.cutLength, 7 + 80, 1e-9);
  EXPECT_NEAR(totals.time, 52 / kQuickRapidFeed + 7.0 / 100 + 80.0 / 200, 1e-9);

  request.outputPath = folder_ / "missing-folder/out.nc";
  EXPECT_FALSE(RunQuickPost(holders_, request, counter));
  EXPECT_FALSE(std::filesystem::exists(request.outputPath));
}

TEST_F(QuickPostWriterTest, AMarkedHelixBecomesArcsInIsoAndStaysStraightInConversational) {
  AcGePoint3dArray helix;
  for (const AcGePoint3d& point : {AcGePoint3d(0, 0, 5), AcGePoint3d(0, 0, 4), AcGePoint3d(3, 0, 4)}) {
    helix.append(point);
  }
  for (int j = 1; j <= 8; ++j) {
    const double angle = 2.0 * kPi * j / 8;
    helix.append(AcGePoint3d(3 * std::cos(angle), 3 * std::sin(angle), 4 - j / 8.0));
  }
  helix.append(AcGePoint3d(0, 0, 3));
  ToolpathBuilder path(session_);
  const AcDbObjectId first = path.Rapid(AcGePoint3d(0, 0, 10), AcGePoint3d(0, 0, 5));
  const AcDbObjectId spiral = session_.add(new AcDb3dPolyline(AcDb::k3dSimplePoly, helix));
  path.Info(13, 2.0, spiral);
  path.Append(spiral);
  path.Head(first);
  ASSERT_TRUE(path.Store("Helix", ProfileRecord(100)));
  QuickPostOptions options;
  options.arcHelix = true;
  const std::string nc = QuickPost(holders_, {"Helix"}, options);
  EXPECT_NE(nc.find(Lines({"X3.000", "G03Z3.000I-3.000", "G01X0.000", "G00Z10.000"})), std::string::npos)
      << "a whole turn by its centre, and the last point written: " << nc;
  options.conversational = true;
  const std::string plain = QuickPost(holders_, {"Helix"}, options);
  EXPECT_EQ(plain.find("CC"), std::string::npos) << plain;
  EXPECT_EQ(Count(plain, " R F"), 14) << plain;
  if (!Rs274Available()) GTEST_SKIP() << "rs274 (linuxcnc-uspace) is not installed";
  const Rs274Run run = RunRs274(folder_.path(), nc);
  EXPECT_EQ(run.status, 0) << run.out << nc;
}

TEST_F(QuickPostWriterTest, MachiningInformationGivesTheExtentsAndTheTime) {
  BuildPocket();
  QuickPostOptions options;
  options.machiningInfo = true;
  const std::string nc = QuickPost(holders_, {"Pocket"}, options);
  EXPECT_NE(nc.find(Lines({"M09", "(MIN X = 10.000000      MAX X = 30.000000 )",
                           "(MIN Y = 10.000000      MAX Y = 30.000000 )", "(MIN Z = -2.000000      MAX Z = 50.000000 )",
                           "(CUTTING TIME = 0.48 MIN)", "M30"})),
            std::string::npos)
      << nc;
}

}  // namespace
