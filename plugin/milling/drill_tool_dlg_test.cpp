#include "plugin/milling/drill_tool_dlg.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/classlib/afx_message_box.h"
#include "platform/ui/script_driver.h"
#include "plugin/milling/drill_tip_dlg.h"
#include "plugin/milling/lathe_drill_tool_dlg.h"

namespace {

struct ScriptedDialog {
  explicit ScriptedDialog(const std::string& script) : input(script) { AfxSetAppName("Ostrivo"); }
  std::string text() const { return transcript.str(); }

  std::istringstream input;
  std::ostringstream transcript;
  ui::ScriptDriver driver{input, transcript, "test"};
  ui::ScopedUiDriver scope{driver};
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(DrillToolDlg, OkNamesTheToolAfterItsSizeAndRefusesSizesOutOfRange) {
  CDrillToolDlg tool;
  ScriptedDialog run("set 275 0\nok\nok\nset 275 12.5\nset 276 80\nok\n");
  EXPECT_EQ(tool.DoModal(), IDOK) << run.text();
  EXPECT_TRUE(Contains(run.text(), "between 0.01")) << run.text();
  EXPECT_EQ(tool.m_ToolName, "DR12.5-80.0");
}

TEST(DrillToolDlg, TheLatheDrillToolHasItsOwnDefaultsAndIsNamedAsADrillOnceConfirmed) {
  CLatheDrillToolDlg tool;
  EXPECT_EQ(tool.m_ToolName, "LDR50.0-100.0");
  EXPECT_EQ(tool.m_ToolType, 6);
  ScriptedDialog run("show\nok\n");
  EXPECT_EQ(tool.DoModal(), IDOK) << run.text();
  EXPECT_TRUE(Contains(run.text(), "Dialog: 선반 드릴 공구")) << run.text();
  EXPECT_TRUE(Contains(run.text(), "275 edit \"공구직경\" = \"50\"")) << run.text();
  EXPECT_EQ(tool.m_ToolName, "DR50.0-100.0");
  EXPECT_EQ(tool.m_ToolType, 6);
}

TEST(DrillTipDlg, TheTipLengthFollowsTheAngleAsItIsTypedWithoutMessages) {
  CDrillTipDlg tip;
  EXPECT_NEAR(tip.m_TipLength, 6.0086, 1e-4) << "a 118 degree tip of a 20 drill";
  // Half-typed and out-of-range angles are passed over silently.
  ScriptedDialog run("set 401 9\nset 401 \nset 401 -\nset 401 90\nshow\nset 401 400\nshow\ncancel\n");
  EXPECT_EQ(tip.DoModal(), IDCANCEL) << run.text();
  const std::string text = run.text();
  const std::size_t first = text.find("400 static");
  ASSERT_NE(first, std::string::npos) << text;
  EXPECT_TRUE(Contains(text.substr(first, 40), "\"10.00\"")) << text;
  const std::size_t second = text.find("400 static", first + 1);
  EXPECT_TRUE(Contains(text.substr(second, 40), "\"10.00\"")) << "400 degrees is no angle: " << text;
  EXPECT_FALSE(Contains(text, "[Ostrivo")) << "no message while typing: " << text;
  EXPECT_NEAR(tip.m_TipLength, 6.0086, 1e-4) << "Cancel gives the length back";
  EXPECT_FLOAT_EQ(tip.m_TipAngle, 118.0f);
}

TEST(DrillTipDlg, OkTakesTheAngleInRangeAndTheThroughLength) {
  CDrillTipDlg tip;
  tip.m_ToolDiameter = 10.0f;
  ScriptedDialog run("set 401 181\nok\nok\nset 401 90\nset 402 2.5\nok\n");
  EXPECT_EQ(tip.DoModal(), IDOK) << run.text();
  EXPECT_TRUE(Contains(run.text(), "between 1")) << run.text();
  EXPECT_FLOAT_EQ(tip.m_TipAngle, 90.0f);
  EXPECT_FLOAT_EQ(tip.m_ThroughLength, 2.5f);
  EXPECT_NEAR(tip.m_TipLength, 5.0, 1e-5);
}

}  // namespace
