#include "plugin/geometry/passes/plunge_dlg.h"

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

TEST(PlungeRecordText, AFreshInstanceWritesTheDefaults) {
  CPlungeDlg dlg;
  EXPECT_EQ(PlungeRecordText(dlg),
            " 1 1 0\n"
            " 100 30.00 90.00\n"
            " 180.00 90.00 10.00 30.00 10.00\n"
            " 10.00 10.00 2.00 30.00 2.00 0\n");
  EXPECT_EQ(dlg.m_DefaultFeed, 0);
  EXPECT_EQ(dlg.m_Reserved, 0);
}

TEST(PlungeRecordText, ReadsBackTheSameBytesAndKeepsTheZAngleOfLineThree) {
  CPlungeDlg dlg;
  dlg.m_PlungeMethod = kPlungeCircular;
  dlg.m_Extent = kPlungeLength;
  dlg.m_ZAngle = 12.5f;
  dlg.m_HelixRadius = 3.333f;
  dlg.m_ReturnAtCuttingFeed = 1;
  const CString text = PlungeRecordText(dlg);

  CPlungeDlg copy;
  const char* cursor = text.GetString();
  ASSERT_TRUE(ReadPlungeRecordText(cursor, copy));
  EXPECT_EQ(*cursor, '\0');
  EXPECT_EQ(PlungeRecordText(copy), text);
  EXPECT_FLOAT_EQ(copy.m_HelixRadius, 3.33f);

  const char* twoAngles = " 1 1 0\n 100 30.00 45.00\n 180.00 60.00 10.00 30.00 10.00\n 10 10 2 30 2 0\nnext\n";
  ASSERT_TRUE(ReadPlungeRecordText(twoAngles, copy));
  EXPECT_FLOAT_EQ(copy.m_ZAngle, 60.0f);
  EXPECT_STREQ(twoAngles, "next\n");
}

TEST(PlungeRecordText, ABrokenBlockChangesNothing) {
  const std::string broken[] = {
      " 2 3 1\n 75 30.00 12.50\n 180.00 12.50 10.00 30.00 10.00\n",                 // last line missing
      " 2 3 1\n 75 30.00 12.50\n 180.00 12.50 10.00 30.00 10.00\n 10 10 2 30 2\n",  // last value missing
  };
  for (const std::string& text : broken) {
    CPlungeDlg dlg;
    const char* cursor = text.c_str();
    EXPECT_FALSE(ReadPlungeRecordText(cursor, dlg));
    EXPECT_EQ(cursor, text.c_str());
    EXPECT_EQ(PlungeRecordText(dlg), PlungeRecordText(CPlungeDlg()));
  }
}

TEST(PlungeDlg, TheRadiosOfMethodAndExtentAreCheckedAndClicksChangeThem) {
  CPlungeDlg dlg;
  dlg.m_PlungeMethod = kPlungeStraightSlot;
  dlg.m_Extent = kPlungeNone;
  ScriptedDialog run("show\nclick 233\nclick \"길이\"\nset 239 12\ncheck 249\nset 250 60\nok\n");
  EXPECT_EQ(dlg.DoModal(), IDOK) << run.transcript.str();
  const std::string shown = run.transcript.str();
  EXPECT_NE(shown.find("234 radio \"직선 홈\" = 1"), std::string::npos) << shown;
  EXPECT_NE(shown.find("236 radio \"없음\" = 1"), std::string::npos) << shown;
  EXPECT_NE(shown.find("232 radio \"각도\" = 0"), std::string::npos) << shown;
  EXPECT_EQ(dlg.m_PlungeMethod, kPlungeCircular);
  EXPECT_EQ(dlg.m_Extent, kPlungeLength);
  EXPECT_FLOAT_EQ(dlg.m_AnglePlungeLength, 12.0f);
  EXPECT_EQ(dlg.m_PlungeFeedOn, 1);
  EXPECT_EQ(dlg.m_PlungeFeed, 60);
}

TEST(PlungeDlg, CancelKeepsEverythingAfterClicksAndARefusedOk) {
  CPlungeDlg dlg;
  ScriptedDialog run("click 234\nclick 236\nset 241 7\nset 250 x\nok\ncancel\n");
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_NE(run.transcript.str().find("Please enter an integer."), std::string::npos) << run.transcript.str();
  EXPECT_EQ(PlungeRecordText(dlg), PlungeRecordText(CPlungeDlg()));
}

}  // namespace
