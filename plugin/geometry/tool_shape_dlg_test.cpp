#include "plugin/geometry/tool_shape_dlg.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/classlib/dialogs/afx_message_box.h"
#include "platform/ui/script_driver.h"

namespace {

// Runs the dialog on a script of answers; the transcript shows what the user saw.
struct ScriptedDialog {
  explicit ScriptedDialog(const std::string& script) : input(script) { AfxSetAppName("Ostrivo"); }

  std::istringstream input;
  std::ostringstream transcript;
  ui::ScriptDriver driver{input, transcript, "test"};
  ui::ScopedUiDriver scope{driver};
};

TEST(ToolName, AnUnknownShapeIsNamedAsARadiusEndMill) {
  EXPECT_EQ(ToolName(7, 12, 1, 60), "R12.0-1.0-60.0");
  EXPECT_EQ(DrillToolName(8.5, 90), "DR8.5-90.0");
}

TEST(ToolShapeDlg, EveryShapeChosenInTheDialogGivesItsName) {
  CToolShapeDlg dialog;
  EXPECT_EQ(dialog.m_ToolName, "F20.0-0.0-50.0");
  struct Case {
    const char* script;
    const char* name;
  };
  const Case cases[] = {
      {"click 273\nset 275 10\nset 276 40\nok\n", "B10.0-5.0-40.0"},
      {"click 274\nset 275 12\nset \"코너반경\" 1\nset 276 60\nok\n", "R12.0-1.0-60.0"},
      {"click 272\nset 277 3\nok\n", "F12.0-0.0-60.0"},
  };
  for (const Case& c : cases) {
    ScriptedDialog run(c.script);
    EXPECT_EQ(dialog.DoModal(), IDOK) << run.transcript.str();
    EXPECT_EQ(dialog.m_ToolName, c.name) << c.script;
  }
  EXPECT_EQ(dialog.m_ToolType, kFlatEndMill);
  EXPECT_FLOAT_EQ(dialog.m_CornerRadius, 3.0f);
}

TEST(ToolShapeDlg, BallOnlyKeepsTheBallButtonChecked) {
  CToolShapeDlg dialog;
  dialog.m_BallOnly = 1;
  ScriptedDialog run("click 272\nclick 274\nshow\nok\n");
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_ToolType, kBallEndMill);
  EXPECT_EQ(dialog.m_ToolName, "B20.0-10.0-50.0");
  const std::string shown = run.transcript.str();
  EXPECT_NE(shown.find("273 radio \"볼 엔드밀\" = 1"), std::string::npos) << shown;
}

TEST(ToolShapeDlg, OutOfRangeSizesKeepTheDialogOpenAndCancelKeepsEverything) {
  CToolShapeDlg dialog;
  ScriptedDialog refused("set 275 0\nok\nset 275 999.5\nok\nset 275 8\nset 277 0\nok\n");
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_NE(refused.transcript.str().find("Please enter a number between 0.01 and 999."), std::string::npos)
      << refused.transcript.str();
  EXPECT_EQ(dialog.m_ToolName, "F8.0-0.0-50.0");

  ScriptedDialog cancelled("click 273\nset 275 30\ncancel\n");
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.m_ToolType, kFlatEndMill);
  EXPECT_FLOAT_EQ(dialog.m_Diameter, 8.0f);
  EXPECT_EQ(dialog.m_ToolName, "F8.0-0.0-50.0");
}

}  // namespace
