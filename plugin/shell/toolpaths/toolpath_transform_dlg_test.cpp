#include "plugin/shell/toolpaths/toolpath_transform_dlg.h"

#include <gtest/gtest.h>

#include <string>

#include "plugin/shell/ask_yes_no.h"
#include "plugin/shell/shell_session_test.h"

namespace {

bool Shows(const ShellSession& session, const std::string& text) {
  return session.transcript().find(text) != std::string::npos;
}

TEST(ToolpathTransformDlg, RefusesCountsScalesAndMirrorsItCannotDo) {
  ShellSession session(
      "set 565 0\nok\nset 565 1000\nok\nset 565 3\nset 566 0\nok\nset 566 1.5\n"
      "click 552\nuncheck 559\nuncheck 561\nok\nok\ncheck 561\nok\n");
  CToolpathTransformDlg dlg;
  dlg.m_ToolpathName = "POCKET_1";
  ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  EXPECT_TRUE(Shows(session, "Please enter an integer between 1 and 999.")) << session.transcript();
  EXPECT_TRUE(Shows(session, "Please enter a number between 0.0001 and 9999999.")) << session.transcript();
  EXPECT_TRUE(Shows(session, "[Ostrivo message] 미러 축(X 축 또는 Y 축)을 선택하시요."));
  EXPECT_EQ(dlg.m_CopyCount, 3);
  EXPECT_DOUBLE_EQ(dlg.m_ScaleFactor, 1.5);
  EXPECT_EQ(dlg.m_Mode, CToolpathTransformDlg::kMirror);
  EXPECT_EQ(dlg.m_XAxisOn, 0);
  EXPECT_EQ(dlg.m_YAxisOn, 1);
}

TEST(ToolpathTransformDlg, PickButtonsFillTheEditsAndACancelledPickLeavesThem) {
  ShellSession session("click 389\n1,2\n11.04,7\nclick 554\n^C\nclick 563\n3,4\nok\n");
  CToolpathTransformDlg dlg;
  dlg.m_RotateCenterX = 7.0;
  ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  EXPECT_TRUE(Shows(session, "기준점을 선택하시요.")) << session.transcript();
  EXPECT_DOUBLE_EQ(dlg.m_MoveX, 10.0);  // written as "%.1f"
  EXPECT_DOUBLE_EQ(dlg.m_MoveY, 5.0);
  EXPECT_DOUBLE_EQ(dlg.m_RotateCenterX, 7.0);
  EXPECT_DOUBLE_EQ(dlg.m_MirrorCenterX, 3.0);
  EXPECT_DOUBLE_EQ(dlg.m_MirrorCenterY, 4.0);
}

TEST(AskYesNo, EnterAgreesAndNoOrCancelRefuses) {
  ShellSession session("\nNo\nYes\n^C\n");
  EXPECT_EQ(AskYesNo("\nGo on? <Yes>/No: "), 1);
  EXPECT_EQ(AskYesNo("\nGo on? <Yes>/No: "), 0);
  EXPECT_EQ(AskYesNo("\nGo on? <Yes>/No: "), 1);
  EXPECT_EQ(AskYesNo("\nGo on? <Yes>/No: "), 0);
}

}  // namespace
