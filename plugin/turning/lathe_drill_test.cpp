// Lathe drilling: the record, the dialog and the moves the generator draws.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "plugin/milling/drill/drill_test_drawing.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/lathe_drill_dlg.h"
#include "plugin/turning/lathe_drill_generator.h"
#include "plugin/turning/lathe_drill_record.h"

namespace {

using drill_test::Contains;
using drill_test::ModelSpaceCount;

struct Move {
  AcGePoint3d from, to;
  bool rapid = false;
  bool visible = true;
  double thickness = 0.0;
};

// The lines of a stored toolpath in their order, and the marker colours before them.
std::vector<Move> StoredMoves(const char* name, std::vector<int>* markers = nullptr) {
  AcDbObjectIdArray ids;
  EXPECT_TRUE(GetToolpathEntityIds(name, ids));
  std::vector<Move> moves;
  for (const AcDbObjectId& id : ids) {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (auto* point = AcDbPoint::cast(entity.object())) {
      if (markers != nullptr) markers->push_back(point->colorIndex());
    } else if (auto* line = AcDbLine::cast(entity.object())) {
      moves.push_back({line->startPoint(), line->endPoint(), line->colorIndex() == 1,
                       line->visibility() == AcDb::kVisible, line->thickness()});
    }
  }
  return moves;
}

void SetValues(CLatheDrillDlg& d) {
  d.m_CycleIndex = kLatheChipBreak;
  d.m_ToolNumber = 7;
  d.m_LengthOffsetOn = 1;
  d.m_LengthOffsetNumber = 17;
  d.m_DrillTool.m_Diameter = 12.34f;
  d.m_DrillTool.m_Length = 80.0f;
  d.m_StartPointOn = 1;
  d.m_StartX = 123.456f;
  d.m_StartY = -7.5f;
  d.m_TipCompensationOn = 1;
  d.m_DrillTip.m_ThroughLength = 2.5f;
  d.m_DrillTip.m_TipLength = 3.71f;
  d.m_DrillTip.m_TipAngle = 120.0f;
  d.m_Feed = 35;
  d.m_SpindleSpeed = 900;
  d.m_FirstPeck = 8.0f;
  d.m_NextPeck = 4.0f;
  d.m_PeckReturn = 1.0f;
  d.m_ChipBreak = 0.5f;
  d.m_Dwell = 0.25f;
  d.m_Shift = -0.3f;
  d.m_DrillDepth = -42.126f;
  d.m_DrillPoint = 3.0f;
  d.m_ReturnHeight = 60.0f;
  d.m_SafetyDistance = 4.0f;
  d.m_ReturnAbsolute = 1;
  d.m_SafetyAbsolute = 0;
}

}  // namespace

TEST(LatheDrillRecord, WrittenAndReadBackToTwoDecimals) {
  CLatheDrillDlg written;
  SetValues(written);
  CString text;
  ASSERT_TRUE(written.WriteParamRecord(text));
  EXPECT_EQ(text.Left(26), "Ostrivo_ToolPath 1 13 2\n 1") << text.GetString();
  int lines = 0;
  for (char c : text.str()) lines += c == '\n';
  EXPECT_EQ(lines, 8);

  CLatheDrillDlg read;
  ASSERT_TRUE(read.ReadParamRecord(text));
  const LatheDrillRecordValues a = LatheDrillRecordValuesOf(written), b = LatheDrillRecordValuesOf(read);
  EXPECT_EQ(LatheDrillRecordText(a), LatheDrillRecordText(b));
  EXPECT_EQ(read.m_CycleIndex, kLatheChipBreak);
  EXPECT_NEAR(read.m_StartX, 123.46, 1e-4);
  EXPECT_NEAR(read.m_DrillDepth, -42.13, 1e-4);
  EXPECT_EQ(read.m_DrillTool.m_ToolName, "DR12.3-80.0") << "named again after its size";
  EXPECT_EQ(read.m_ReturnAbsolute, 1);
  EXPECT_EQ(read.m_SafetyAbsolute, 0);
}

TEST(LatheDrillRecord, RefusedRecordsChangeNothing) {
  CLatheDrillDlg source;
  SetValues(source);
  CString good;
  source.WriteParamRecord(good);
  const std::string text = good.str();
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string changed = text;
    changed.replace(changed.find(from), from.size(), to);
    return changed;
  };
  const std::vector<std::string> broken = {
      text.substr(0, text.size() - 1),                       // the last line has no line feed
      replaced("13 2", "3 2"),                               // another kind
      replaced("13 2", "13 9"),                              // no such cycle
      replaced("-42.13", "nan"),                             // not finite
      replaced("-42.13", "1e300"),                           // out of range
      replaced(" 35 1 900", " 0 1 900"),                     // no feed
      replaced("Ostrivo_ToolPath", std::string(5000, 'x')),  // an endless tag
      "",
  };
  for (const std::string& record : broken) {
    CLatheDrillDlg dlg;
    const CString before = LatheDrillRecordText(LatheDrillRecordValuesOf(dlg));
    CString refusal;
    EXPECT_FALSE(dlg.ReadParamRecord(record.c_str(), &refusal)) << record;
    EXPECT_EQ(LatheDrillRecordText(LatheDrillRecordValuesOf(dlg)), before) << record;
  }
}

TEST(LatheDrillGenerator, DefaultsDrillFromTenToMinusFiftyAndBackToFifty) {
  ShellSession session;
  CLatheDrillDlg dlg;
  dlg.m_ToolpathName = "LatheDrill_1";
  ASSERT_TRUE(CreateLatheDrillToolpath(dlg));
  std::vector<int> markers;
  const std::vector<Move> moves = StoredMoves("LatheDrill_1", &markers);
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_EQ(markers.front(), 7) << "the cycle marker heads the list";
  EXPECT_TRUE(std::find(markers.begin(), markers.end(), 5) != markers.end());
  EXPECT_TRUE(moves[0].rapid);
  EXPECT_EQ(moves[0].from, AcGePoint3d(50, 0, 0));
  EXPECT_EQ(moves[0].to, AcGePoint3d(10, 0, 0));
  EXPECT_GT(moves[0].thickness, 0.0) << "marks where the cycle starts";
  EXPECT_FALSE(moves[1].rapid);
  EXPECT_EQ(moves[1].to, AcGePoint3d(-50, 0, 0));
  EXPECT_NEAR(moves[1].thickness * 1e7, 20.0, 1e-3) << "the feed";
  EXPECT_TRUE(moves[2].rapid);
  EXPECT_FALSE(moves[2].visible);
  EXPECT_EQ(moves[2].from, AcGePoint3d(10, 0, 0));
  EXPECT_EQ(moves[2].to, AcGePoint3d(50, 0, 0));
  CString record;
  AcDbObjectId group;
  ASSERT_TRUE(FindToolpathByName("LatheDrill_1", group));
  EXPECT_EQ(ReadToolpathTypeCode(group, record), kToolpathLatheDrill);
}

TEST(LatheDrillGenerator, HeightsAbsoluteOrFromTheDrillPointAndTheStartPoint) {
  ShellSession session;
  CLatheDrillDlg dlg;
  dlg.m_DrillPoint = 20.0f;
  dlg.m_ToolpathName = "relative";
  ASSERT_TRUE(CreateLatheDrillToolpath(dlg));
  std::vector<Move> moves = StoredMoves("relative");
  EXPECT_EQ(moves[0].from.x, 70.0);
  EXPECT_EQ(moves[0].to.x, 30.0);

  dlg.m_ReturnAbsolute = dlg.m_SafetyAbsolute = 1;
  dlg.m_ReturnHeight = 45.0f;
  dlg.m_SafetyDistance = 25.0f;
  dlg.m_StartPointOn = 1;
  dlg.m_ToolpathName = "absolute";
  ASSERT_TRUE(CreateLatheDrillToolpath(dlg));
  moves = StoredMoves("absolute");
  ASSERT_EQ(moves.size(), 5u);
  EXPECT_EQ(moves[0].from, AcGePoint3d(250, 250, 0)) << "a rapid of no length at the start point";
  EXPECT_EQ(moves[0].to, moves[0].from);
  EXPECT_EQ(moves[1].to, AcGePoint3d(45, 250, 0));
  EXPECT_EQ(moves[2].to, AcGePoint3d(25, 250, 0)) << "the drill point does not move absolute heights";
  EXPECT_EQ(moves[3].to, AcGePoint3d(-50, 250, 0));
  EXPECT_EQ(moves[4].to, AcGePoint3d(45, 250, 0));
}

TEST(LatheDrillGenerator, TipCompensationTakesTheTipOfTheDrillInUse) {
  ShellSession session;
  CLatheDrillDlg dlg;
  dlg.m_TipCompensationOn = 1;
  dlg.m_DrillTip.m_ThroughLength = 2.0f;
  // A 10 mm drill of 118 degrees: its tip, not the one of the default 50 mm drill.
  dlg.m_DrillTool.m_Diameter = 10.0f;
  dlg.m_ToolpathName = "tip";
  ASSERT_TRUE(CreateLatheDrillToolpath(dlg));
  const double tip = std::tan(31.0 * std::numbers::pi / 180.0) * 5.0;
  const std::vector<Move> moves = StoredMoves("tip");
  EXPECT_NEAR(moves[1].to.x, -50.0 - 2.0 - tip, 1e-5);
  EXPECT_NEAR(dlg.m_DrillTip.m_TipLength, tip, 1e-5);
}

TEST(LatheDrillGenerator, ATakenNameGivesWayOnlyWhenTheNewToolpathIsStored) {
  ShellSession session;
  CLatheDrillDlg dlg;
  dlg.m_ToolpathName = "hole";
  ASSERT_TRUE(CreateLatheDrillToolpath(dlg));
  const int count = ModelSpaceCount(session);
  dlg.m_DrillDepth = -80.0f;
  ASSERT_TRUE(CreateLatheDrillToolpath(dlg));
  EXPECT_EQ(ModelSpaceCount(session), count) << "the old toolpath's entities went with it";
  EXPECT_EQ(StoredMoves("hole")[1].to.x, -80.0);
}

TEST(LatheDrillDlg, CyclesDecideWhichValuesAreTypedAndCancelChangesNothing) {
  ShellSession session(
      "select 360 1\nshow\nselect 360 2\nshow\nselect 360 6\nshow\nselect 360 3\nshow\n"
      "click 271\nset 275 12\nok\nset 429 -30\ncheck 396\nok\ncancel\n");
  CLatheDrillDlg dlg;
  const CString before = LatheDrillRecordText(LatheDrillRecordValuesOf(dlg));
  EXPECT_EQ(dlg.DoModal(), IDCANCEL) << session.transcript();
  const std::string text = session.transcript();
  const auto states = [&](std::size_t end) {
    std::string s;
    const std::size_t show = text.rfind("> show", end);
    for (int id : {361, 362, 363, 374, 364, 365}) {
      const std::size_t at = text.find("\n  " + std::to_string(id) + " ", show);
      s += text.substr(at, text.find('\n', at + 1) - at).find("[read-only]") == std::string::npos ? 'E' : '-';
    }
    return s;
  };
  EXPECT_EQ(states(text.find("select 360 2")), "EEE-E-") << "peck drilling";
  EXPECT_EQ(states(text.find("select 360 6")), "EEEEE-") << "chip break";
  EXPECT_EQ(states(text.find("select 360 3")), "EEEEE-") << "shift boring keeps the states";
  EXPECT_EQ(states(text.find("click 271")), "----E-") << "tapping";
  EXPECT_EQ(LatheDrillRecordText(LatheDrillRecordValuesOf(dlg)), before);
  EXPECT_EQ(dlg.m_DrillTool.m_ToolName, "LDR50.0-100.0");
  EXPECT_TRUE(Contains(text, "\"LatheDrill_1\"")) << "a new name from LatheDrill";
}

TEST(LatheDrillDlg, ATakenNameIsAskedAboutAndAnEmptyOneRefused) {
  ShellSession session("set 200 hole\nok\ncancel\nset 200  \nok\nok\nset 200 hole\nok\nok\n");
  AcDbObjectIdArray ids;
  ids.append(AddLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  ASSERT_TRUE(CreateToolpathGroup("hole", "Ostrivo_ToolPath 1 13 0\n", ids));
  CLatheDrillDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  const std::string text = session.transcript();
  EXPECT_TRUE(Contains(text, "\"hole\"가 이미 존재합니다.")) << text;
  EXPECT_TRUE(Contains(text, "공구경로 이름을 입력하시요.")) << text;
  EXPECT_EQ(dlg.m_ToolpathName, "hole");
  EXPECT_TRUE(ToolpathNameExists("hole")) << "the old one stays until the new one is stored";
}
