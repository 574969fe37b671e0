#include "plugin/turning/lathe_record.h"

#include <gtest/gtest.h>

#include <string>

#include "plugin/turning/lathe_dlg.h"

namespace {

std::string RecordOf(const CLatheDlg& dlg) { return LatheRecordText(dlg).GetString(); }

// Every field of the record away from its default, no two neighbours alike.
void FillEveryRecordField(CLatheDlg& d) {
  d.m_ToolNumberOn = 0;
  d.m_ToolNumber = 12;
  d.m_LengthOffsetOn = 1;
  d.m_LengthOffsetNumber = 13;
  d.m_NoseRadius = 0.8f;
  d.m_OuterOn = 0;
  d.m_ReturnHeight = 4.25f;
  d.m_StartX = 120.5f;
  d.m_StartY = -3.75f;
  d.m_RoughOn = 1;
  d.m_RoughAllowance = 0.45f;
  d.m_RoughStepover = 1.75f;
  d.m_RoughFeed = 250;
  d.m_RoughSpindleOn = 0;
  d.m_RoughSpindle = 1800;
  d.m_RoughLead.m_ZEntryMode = kZEntryNone;
  d.m_RoughLead.m_EntryArcRadius = 3.5f;
  d.m_RoughLead.m_ExitOn = 1;
  d.m_FinishOn = 0;
  d.m_FinishAllowance = 0.15f;
  d.m_FinishStepover = 0.35f;
  d.m_FinishFeed = 90;
  d.m_FinishSpindleOn = 0;
  d.m_FinishSpindle = 2200;
  d.m_FinishLead.m_EntryOn = 0;
  d.m_FinishLead.m_ExitLineLength = 6.5f;
  d.m_FinishPasses = 4;
}

// The record without its last line: as records were before the pass count.
std::string WithoutPassCount(const std::string& record) {
  return record.substr(0, record.rfind('\n', record.size() - 2) + 1);
}

TEST(LatheRecord, AFreshDialogWritesTheDefaults) {
  EXPECT_EQ(RecordOf(CLatheDlg()),
            "Ostrivo_ToolPath 1 4\n"
            " 1 1 0 1\n"
            " 1.50 1\n"
            " 200.00 500.00 200.00\n"
            " 0 1.00 2.00 100 1 100\n"
            " 0 3 0 1\n"
            " 300 0 0 300\n"
            " 1 1\n"
            " 1 90.00 10.00 10.00 90.00\n"
            " 1 10.00 10.00 90.00 90.00 30.00\n"
            " 1 0.00 1.00 100 1 100\n"
            " 0 3 0 1\n"
            " 300 0 1 300\n"
            " 1 1\n"
            " 1 90.00 10.00 10.00 90.00\n"
            " 1 10.00 10.00 90.00 90.00 30.00\n"
            " 1\n");
}

TEST(LatheRecord, EveryFieldReadsBackToTwoDecimalsAndTheRestIsLeftAlone) {
  CLatheDlg written;
  FillEveryRecordField(written);
  const std::string record = RecordOf(written);
  CLatheDlg read;
  read.m_ToolpathName = "Kept_1";
  read.m_SelectMethod = kSelectWindow;
  ASSERT_TRUE(read.ReadParamRecord(record.c_str()));
  EXPECT_EQ(RecordOf(read), record);
  EXPECT_FLOAT_EQ(read.m_NoseRadius, 0.8f);
  EXPECT_FLOAT_EQ(read.m_StartY, -3.75f);
  EXPECT_EQ(read.m_RoughSpindle, 1800);
  EXPECT_FLOAT_EQ(read.m_RoughLead.m_EntryArcRadius, 3.5f);
  EXPECT_EQ(read.m_RoughLead.m_ExitOn, 1);
  EXPECT_FLOAT_EQ(read.m_FinishLead.m_ExitLineLength, 6.5f);
  EXPECT_EQ(read.m_FinishPasses, 4);
  EXPECT_EQ(read.m_ToolpathName, "Kept_1");
  EXPECT_EQ(read.m_SelectMethod, kSelectWindow);

  CLatheDlg rounded;
  rounded.m_NoseRadius = 0.8049f;
  rounded.m_RoughStepover = 1.2345f;
  CLatheDlg back;
  ASSERT_TRUE(back.ReadParamRecord(RecordOf(rounded).c_str()));
  EXPECT_FLOAT_EQ(back.m_NoseRadius, 0.80f);
  EXPECT_FLOAT_EQ(back.m_RoughStepover, 1.23f);
}

TEST(LatheRecord, ARecordWithoutThePassCountReadsAndKeepsTheCount) {
  CLatheDlg written;
  FillEveryRecordField(written);
  const std::string old = WithoutPassCount(RecordOf(written));
  ASSERT_EQ(std::count(old.begin(), old.end(), '\n'), 16);
  CLatheDlg read;
  read.m_FinishPasses = 7;
  ASSERT_TRUE(read.ReadParamRecord(old.c_str()));
  EXPECT_EQ(read.m_FinishPasses, 7);
  EXPECT_EQ(read.m_RoughFeed, 250);
}

TEST(LatheRecord, ARecordThatIsNotWholeOrOutOfItsLimitsChangesNothing) {
  CLatheDlg full;
  FillEveryRecordField(full);
  const std::string record = RecordOf(full);
  const std::string rest = record.substr(record.find('\n') + 1);
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = record;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  std::string cutAfterLine5 = record;
  std::size_t at = 0;
  for (int line = 0; line < 5; ++line) at = cutAfterLine5.find('\n', at) + 1;
  cutAfterLine5.resize(at);
  std::string noLastFeed = WithoutPassCount(record);
  noLastFeed.pop_back();
  const std::string cases[] = {
      cutAfterLine5,
      noLastFeed,                                        // line 16 ends without a line feed
      replaced(" 1 0.45 1.75 250", " 1 0.45 0.00 250"),  // a stepover of nothing
      replaced(" 0 0.15 0.35 90", " 0 0.15 0.00 90"),
      replaced(" 0 0.15 0.35 90", " 0 0.15 nan 90"),
      replaced(" 0.80 0\n", " inf 0\n"),
      replaced(" 0.80 0\n", " 0.80 2\n"),  // no such turning side
      replaced(" 4\n", " -1\n"),           // a pass count below none
      replaced(" 0 12 1 13\n", " 0 12 1\n"),
      "Ostrivo_ToolPath 1 2\n" + rest,  // a profile's head
      std::string(4096, 'O') + " 1 4\n" + rest,
      "",
  };
  for (const std::string& text : cases) {
    CLatheDlg dlg;
    const std::string before = RecordOf(dlg);
    CString refusal;
    EXPECT_FALSE(dlg.ReadParamRecord(text.c_str(), &refusal)) << text;
    EXPECT_EQ(RecordOf(dlg), before) << text;
  }
  CLatheDlg dlg;
  EXPECT_FALSE(dlg.ReadParamRecord(nullptr));
}

}  // namespace
