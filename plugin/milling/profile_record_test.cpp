#include "plugin/milling/profile_record.h"

#include <gtest/gtest.h>

#include <string>

#include "plugin/milling/profile_dlg.h"

namespace {

std::string RecordOf(const CProfileDlg& dlg) { return ProfileRecordText(dlg).GetString(); }

// Every field of the record away from its default, and no two alike where a
// mix-up of neighbours could hide.
void FillEveryRecordField(CProfileDlg& d) {
  d.m_Side = kProfileRight;
  d.m_ToolNumberOn = 0;
  d.m_ToolNumber = 7;
  d.m_LengthOffsetOn = 1;
  d.m_LengthOffsetNumber = 8;
  d.m_Tool.m_ToolType = kRadiusEndMill;
  d.m_Tool.m_Diameter = 12.5f;
  d.m_Tool.m_CornerRadius = 1.25f;
  d.m_Tool.m_Length = 65.75f;
  d.m_Tool.FormatToolName();
  d.m_AbsoluteZ = 0;
  d.m_RetractHeight = 55.5f;
  d.m_ZStart = 2.25f;
  d.m_ZDepth = -12.75f;
  d.m_ZStepover = 3.5f;
  d.m_ZTaper = 4.5f;
  d.m_Feed = 450;
  d.m_SpindleOn = 0;
  d.m_SpindleSpeed = 2400;
  d.m_Passes = 3;
  d.m_Allowance = -0.35f;
  d.m_Stepover = 2.75f;
  d.m_Lead.m_Side = 1;
  d.m_Lead.m_ZEntryMode = kZEntryWhole;
  d.m_Lead.m_EntryFeedOn = 1;
  d.m_Lead.m_EntryOn = 0;
  d.m_Lead.m_EntryFeed = 120;
  d.m_Lead.m_ExitFeedOn = 1;
  d.m_Lead.m_ExitOn = 0;
  d.m_Lead.m_ExitFeed = 130;
  d.m_Lead.m_EntryLineOn = 0;
  d.m_Lead.m_ExitLineOn = 0;
  d.m_Lead.m_EntryArcOn = 0;
  d.m_Lead.m_EntryArcAngle = 45.5f;
  d.m_Lead.m_EntryLineLength = 6.25f;
  d.m_Lead.m_EntryArcRadius = 3.75f;
  d.m_Lead.m_ExitArcAngle = 60.5f;
  d.m_Lead.m_ExitArcOn = 0;
  d.m_Lead.m_ExitLineLength = 7.25f;
  d.m_Lead.m_ExitArcRadius = 4.75f;
  d.m_Lead.m_EntryLineAngle = 80.5f;
  d.m_Lead.m_ExitLineAngle = 85.5f;
  d.m_Lead.m_ZEntryLength = 12.5f;
  d.m_MiddleStart = 1;
}

TEST(ProfileRecord, AFreshDialogWritesTheDefaults) {
  EXPECT_EQ(RecordOf(CProfileDlg()),
            "Ostrivo_ToolPath 1 2 0\n"
            " 1 1 0 1\n"
            " 1 20.00 0.00 50.00\n"
            " 1 100.00 0.00 0.00 10.00 0.00\n"
            " 300 1 1000 1 0.00 5.00\n"
            " 0 3 0 1\n"
            " 300 0 1 300\n"
            " 1 1\n"
            " 1 90.00 10.00 10.00 90.00\n"
            " 1 10.00 10.00 90.00 90.00 30.00\n"
            " 0\n");
}

TEST(ProfileRecord, EveryFieldReadsBackAndWritesTheSameBytes) {
  CProfileDlg written;
  FillEveryRecordField(written);
  const std::string record = RecordOf(written);
  CProfileDlg read;
  ASSERT_TRUE(read.ReadParamRecord(record.c_str()));
  EXPECT_EQ(RecordOf(read), record);
  EXPECT_EQ(read.m_Side, kProfileRight);
  EXPECT_EQ(read.m_LengthOffsetNumber, 8);
  EXPECT_FLOAT_EQ(read.m_Allowance, -0.35f);
  EXPECT_EQ(read.m_Lead.m_ExitFeed, 130);
  EXPECT_EQ(read.m_MiddleStart, 1);
  EXPECT_EQ(read.m_Tool.m_ToolName, "R12.5-1.2-65.8");  // made again from the sizes
}

TEST(ProfileRecord, ARecordThatIsNotWholeChangesNothing) {
  CProfileDlg full;
  FillEveryRecordField(full);
  const std::string record = RecordOf(full);
  std::string cutAfterLine5 = record;
  std::size_t at = 0;
  for (int line = 0; line < 5; ++line) at = cutAfterLine5.find('\n', at) + 1;
  cutAfterLine5.resize(at);
  std::string shortLine = record;
  shortLine.replace(shortLine.find(" 0 7 1 8\n"), 9, " 0 7 1\n");
  std::string lastMissing = record.substr(0, record.size() - 3);
  const std::string cases[] = {
      cutAfterLine5,
      shortLine,
      lastMissing,
      "Ostrivo_ToolPath 4 1 0 0\n" + record.substr(record.find('\n') + 1),  // a pocket's head
      "Ostrivo_ToolPath 1 2 3\n" + record.substr(record.find('\n') + 1),    // no such side
      "Profile 1 2 2\n" + record.substr(record.find('\n') + 1),             // no tag
      "",
  };
  for (const std::string& text : cases) {
    CProfileDlg dlg;
    const std::string before = RecordOf(dlg);
    EXPECT_FALSE(dlg.ReadParamRecord(text.c_str())) << text;
    EXPECT_EQ(RecordOf(dlg), before) << text;
  }
  CProfileDlg dlg;
  EXPECT_FALSE(dlg.ReadParamRecord(nullptr));
}

}  // namespace
