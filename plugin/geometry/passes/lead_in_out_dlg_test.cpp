#include "plugin/geometry/passes/lead_in_out_dlg.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/classlib/dialogs/afx_message_box.h"
#include "platform/ui/script_driver.h"

namespace {

struct ScriptedDialog {
  explicit ScriptedDialog(const std::string& script) : input(script) { AfxSetAppName("Ostrivo"); }

  std::istringstream input;
  std::ostringstream transcript;
  ui::ScriptDriver driver{input, transcript, "test"};
  ui::ScopedUiDriver scope{driver};
};

constexpr const char* kFreshBlock =
    " 0 3 0 1\n"
    " 300 0 1 300\n"
    " 1 1\n"
    " 1 90.00 10.00 10.00 90.00\n"
    " 1 10.00 10.00 90.00 90.00 30.00\n";

TEST(LeadMoveRecordText, AFreshInstanceWritesTheDefaults) {
  CLeadInOutDlg dlg;
  EXPECT_EQ(LeadMoveRecordText(dlg), kFreshBlock);
}

TEST(LeadMoveRecordText, TwoBlocksReadBackInTurnAndWriteTheSameBytes) {
  CLeadInOutDlg first;
  first.m_Side = 1;
  first.m_ZEntryMode = kZEntryNone;
  first.m_EntryFeed = 450;
  first.m_ExitOn = 0;
  first.m_EntryArcAngle = 45.126f;  // rounded on writing
  first.m_ZEntryLength = 9999.0f;
  first.m_DefaultFeed = 800;  // not stored
  const CLeadInOutDlg second;
  const CString record = "head 1\n" + LeadMoveRecordText(first) + LeadMoveRecordText(second) + "tail\n";

  const char* cursor = record.GetString() + 7;
  CLeadInOutDlg a;
  CLeadInOutDlg b;
  b.m_ZEntryMode = kZEntryWhole;
  ASSERT_TRUE(ReadLeadMoveRecordText(cursor, a));
  ASSERT_TRUE(ReadLeadMoveRecordText(cursor, b));
  EXPECT_STREQ(cursor, "tail\n");
  EXPECT_EQ("head 1\n" + LeadMoveRecordText(a) + LeadMoveRecordText(b) + "tail\n", record);
  EXPECT_EQ(a.m_Side, 1);
  EXPECT_FLOAT_EQ(a.m_EntryArcAngle, 45.13f);
  EXPECT_EQ(a.m_DefaultFeed, 0);
  EXPECT_EQ(b.m_ZEntryMode, kZEntryLength);
}

TEST(LeadMoveRecordText, ABrokenBlockChangesNothing) {
  const std::string full(kFreshBlock);
  const std::string broken[] = {
      full.substr(0, full.rfind(" 1 10.00")),                              // last line missing
      " 1 2 0 1\n 300 0 1 300\n 1 1\n 1 90 x 10 90\n 1 10 10 90 90 30\n",  // not a number
  };
  for (const std::string& text : broken) {
    CLeadInOutDlg dlg;
    dlg.m_ZEntryLength = 5.0f;
    const char* cursor = text.c_str();
    EXPECT_FALSE(ReadLeadMoveRecordText(cursor, dlg)) << text;
    EXPECT_EQ(cursor, text.c_str());
    EXPECT_EQ(LeadMoveRecordText(dlg),
              " 0 3 0 1\n 300 0 1 300\n 1 1\n 1 90.00 10.00 10.00 90.00\n"
              " 1 10.00 10.00 90.00 90.00 5.00\n");
  }
  // A side other than 0 or 1 still fits the byte flag.
  CLeadInOutDlg dlg;
  const char* cursor = " 256 3 0 1\n 300 0 1 300\n 1 1\n 1 90 10 10 90\n 1 10 10 90 90 30";
  ASSERT_TRUE(ReadLeadMoveRecordText(cursor, dlg));
  EXPECT_EQ(dlg.m_Side, 1);
  EXPECT_EQ(*cursor, '\0');
}

TEST(LeadInOutDlg, TheRadioOfTheModeIsCheckedAndAClickChangesIt) {
  CLeadInOutDlg dlg;
  dlg.m_ZEntryMode = kZEntryNone;
  ScriptedDialog run("show\nclick \"전체\"\nuncheck 286\nset 292 250\nset 290 4.5\nok\n");
  EXPECT_EQ(dlg.DoModal(), IDOK) << run.transcript.str();
  const std::string shown = run.transcript.str();
  EXPECT_NE(shown.find("236 radio \"없음\" = 1"), std::string::npos) << shown;
  EXPECT_NE(shown.find("235 radio \"전체\" = 0"), std::string::npos) << shown;
  EXPECT_EQ(dlg.m_ZEntryMode, kZEntryWhole);
  EXPECT_EQ(dlg.m_EntryOn, 0);
  EXPECT_EQ(dlg.m_EntryFeed, 250);
  EXPECT_FLOAT_EQ(dlg.m_EntryArcRadius, 4.5f);
}

TEST(LeadInOutDlg, AZEntryLengthOutOfRangeKeepsTheDialogOpenAndCancelKeepsEverything) {
  CLeadInOutDlg dlg;
  ScriptedDialog refused("set 239 10000\nok\nset 239 -1\nok\nset 239 9999\nok\n");
  EXPECT_EQ(dlg.DoModal(), IDOK);
  const std::string shown = refused.transcript.str();
  const std::string message = "Please enter a number between 0 and 9999.";
  const size_t first = shown.find(message);
  ASSERT_NE(first, std::string::npos) << shown;
  EXPECT_NE(shown.find(message, first + 1), std::string::npos) << shown;
  EXPECT_FLOAT_EQ(dlg.m_ZEntryLength, 9999.0f);

  const CString before = LeadMoveRecordText(dlg);
  ScriptedDialog cancelled("click 236\nclick 235\nset 239 -5\nok\nuncheck 294\nset 300 1\ncancel\n");
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(LeadMoveRecordText(dlg), before);
  EXPECT_EQ(dlg.m_ZEntryMode, kZEntryLength);
}

}  // namespace
