#include "plugin/milling/drill_record.h"

#include <gtest/gtest.h>

#include <string>

#include "plugin/milling/drill_dlg.h"
#include "plugin/shell/shell_session_test.h"

namespace {

std::string RecordOf(const CDrillDlg& dlg) {
  CString text;
  dlg.WriteParamRecord(text);
  return text.GetString();
}

// A dialog whose every record value differs from the defaults.
void FillWithOwnValues(CDrillDlg& d) {
  d.m_CycleIndex = 8;
  d.m_ToolNumberOn = 0;
  d.m_ToolNumber = 12;
  d.m_LengthOffsetOn = 1;
  d.m_LengthOffsetNumber = 32;
  d.m_DrillTool.m_ToolType = 2;
  d.m_DrillTool.m_Diameter = 8.5f;
  d.m_DrillTool.m_Length = 75.25f;
  d.m_TipCompensationOn = 1;
  d.m_DrillTip.m_ThroughLength = 1.5f;
  d.m_DrillTip.m_TipLength = 2.554f;
  d.m_DrillTip.m_TipAngle = 120.0f;
  d.m_RetractRelative = 1;
  d.m_ZStartRelative = 1;
  d.m_ZDepthRelative = 0;
  d.m_RetractHeight = 15.125f;
  d.m_ZStart = 2.5f;
  d.m_ZDepth = -33.375f;
  d.m_Feed = 240;
  d.m_SpindleOn = 0;
  d.m_SpindleSpeed = 1800;
  d.m_CoolantOn = 1;
  d.m_InitialReturn = 0;
  d.m_StartPointOn = 0;
  d.m_StartX = -12.5f;
  d.m_StartY = 40.75f;
  d.m_StartZ = 80.0f;
  d.m_FirstPeck = 4.5f;
  d.m_NextPeck = 3.25f;
  d.m_PeckReturn = 0.5f;
  d.m_ChipBreak = 0.75f;
  d.m_Dwell = 0.25f;
  d.m_Shift = 0.1f;
}

TEST(DrillRecord, WritingAndReadingBackGivesTheSameTextAndValues) {
  CDrillDlg written;
  FillWithOwnValues(written);
  const std::string text = RecordOf(written);
  EXPECT_EQ(text,
            "Ostrivo_ToolPath 2 3 8\n"
            " 0 12 1 32\n"
            " 2 8.500 75.250\n"
            " 1 1.500 2.554 120.000\n"
            " 1 1 0 15.125 2.500 -33.375\n"
            " 240 0 1800 1 0\n"
            " 0 -12.500 40.750 80.000\n"
            " 4.50 3.25 0.50 0.75 0.25 0.10\n");

  CDrillDlg read;
  ASSERT_TRUE(read.ReadParamRecord(text.c_str()));
  EXPECT_EQ(RecordOf(read), text);
  EXPECT_EQ(read.m_DrillTool.m_ToolName, "DR8.5-75.2") << "the tool is named after the size read";
  EXPECT_FLOAT_EQ(read.m_DrillTip.m_ToolDiameter, 8.5f);
  EXPECT_EQ(read.m_Feed, 240);
  EXPECT_EQ(read.m_CoolantOn, 1);
  EXPECT_EQ(read.m_InitialReturn, 0);
}

TEST(DrillRecord, CycleTextsHaveTwoDecimalsAndKeepTheFeedSwitchesOfTheReader) {
  CDrillDlg source;
  FillWithOwnValues(source);
  const CString cycle = MultiCycleRecordText(DrillRecordValuesOf(source));
  EXPECT_EQ(std::string(cycle.GetString()),
            "Ostrivo_ToolPath 2 3 8\n"
            " 0 12 1 32\n"
            " 2 8.50 75.25\n"
            " 1 1.50 2.55 120.00\n"
            " 1 1 0 15.12 2.50 -33.38\n"
            " 240 0 1800\n"
            " 0 -12.50 40.75 80.00\n"
            " 4.50 3.25 0.50 0.75 0.25 0.10\n");

  CDrillDlg reader;
  reader.m_CoolantOn = 1;
  reader.m_InitialReturn = 0;
  ASSERT_TRUE(reader.ReadParamRecord(cycle));
  EXPECT_EQ(reader.m_CoolantOn, 1);
  EXPECT_EQ(reader.m_InitialReturn, 0);
  EXPECT_EQ(reader.m_SpindleSpeed, 1800);
  EXPECT_EQ(MultiCycleRecordText(DrillRecordValuesOf(reader)), cycle) << "a cycle text reads back to itself";
}

TEST(DrillRecord, VersionOneTakesOneAbsoluteSwitchAndNoFeedLine) {
  CDrillDlg d;
  d.m_Feed = 333;
  d.m_CoolantOn = 1;
  d.m_InitialReturn = 0;
  d.m_ZDepthRelative = 1;
  ASSERT_TRUE(
      d.ReadParamRecord("Ostrivo_ToolPath 1 3 2\n"
                        " 1 4 0 4\n"
                        " 0 6.000 40.000\n"
                        " 0 0.000 1.800 118.000\n"
                        " 0 10.000 3.000 -20.000\n"
                        " 1 900\n"
                        " 1 5.000 6.000 50.000\n"
                        " 2.00 2.00 1.00 0.50 0.00 0.00\n"));
  EXPECT_EQ(d.m_RetractRelative, 1);
  EXPECT_EQ(d.m_ZStartRelative, 1);
  EXPECT_EQ(d.m_ZDepthRelative, 1);
  EXPECT_EQ(d.m_SpindleSpeed, 900);
  EXPECT_EQ(d.m_Feed, 333);
  EXPECT_EQ(d.m_CoolantOn, 1);
  EXPECT_EQ(d.m_InitialReturn, 0);
  EXPECT_EQ(d.m_DrillTool.m_ToolName, "DR6.0-40.0");
  EXPECT_FLOAT_EQ(d.m_ZDepth, -20.0f);

  ASSERT_TRUE(
      d.ReadParamRecord("Ostrivo_ToolPath 1 3 2\n 1 4 0 4\n 0 6 40\n 0 0 1.8 118\n 1 10 3 -20\n 1 900\n"
                        " 1 5 6 50\n 2 2 1 0.5 0 0\n"));
  EXPECT_EQ(d.m_RetractRelative, 0) << "an absolute switch of 1 means absolute heights";
  EXPECT_EQ(d.m_ZStartRelative, 0);
}

TEST(DrillRecord, ALaterVersionChangesOnlyTheCycleIndex) {
  CDrillDlg d;
  const std::string before = RecordOf(d);
  DrillRecordValues values;
  EXPECT_EQ(ParseDrillRecord("Ostrivo_ToolPath 3 3 5\n whatever follows\n", values), DrillRecordRead::kHeaderOnly);
  ASSERT_TRUE(d.ReadParamRecord("Ostrivo_ToolPath 3 3 5\n whatever follows\n"));
  EXPECT_EQ(d.m_CycleIndex, 5);
  d.m_CycleIndex = 0;
  EXPECT_EQ(RecordOf(d), before);
}

// Nothing of a record that does not read reaches the dialog.
TEST(DrillRecord, ABrokenRecordIsRefusedAndChangesNothing) {
  CDrillDlg source;
  FillWithOwnValues(source);
  const std::string good = RecordOf(source);
  const std::string broken[] = {
      good.substr(0, good.size() - 1),                                // the last line has no line feed
      good.substr(0, good.find(" 240")),                              // lines missing
      "Ostrivo_ToolPath 2 1 0\n" + good.substr(good.find('\n') + 1),  // a pocket record
      "Other_Tag 2 3 0\n" + good.substr(good.find('\n') + 1),
      std::string(good).replace(good.find(" 2 8.500 75.250"), 15, " 2 8.500"),  // a short line
      std::string(good).replace(good.find("15.125"), 6, "nan"),
      "Ostrivo_ToolPath 0 3 4\n",
      "",
  };
  ShellSession session;
  for (const std::string& text : broken) {
    CDrillDlg d;
    const std::string before = RecordOf(d);
    EXPECT_FALSE(d.ReadParamRecord(text.c_str())) << text;
    EXPECT_EQ(RecordOf(d), before) << text;
  }
  CDrillDlg d;
  EXPECT_FALSE(d.ReadParamRecord(nullptr));
  EXPECT_TRUE(session.transcript().find(" 드릴 파라메타를 읽을 수 없습니다.!!") != std::string::npos)
      << session.transcript();
}

}  // namespace
