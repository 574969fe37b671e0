// What the simple profile, circular and sphere dialogs let a user type, and
// what they refuse before closing.
#include <gtest/gtest.h>

#include <string>

#include "plugin/milling/simple/simple_profile_dlg.h"
#include "plugin/milling/simple/simple_radial_dlg.h"
#include "plugin/milling/simple/simple_sphere_dlg.h"
#include "plugin/shell/shell_session_test.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(SimpleShapeDialogs, ProfileCircleIsPlacedByItsCentreAndLeansEvenly) {
  ShellSession session(
      "uncheck 520\nclick 499\nclick 493\nclick 498\nshow\nok\n"
      "click 491\nclick 496\nuncheck 520\nshow\nset 516 4\nset 517 3\nok\n");
  CSimpleProfileDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  EXPECT_EQ(dlg.m_ProfileType, kSimpleProfileCircle);
  EXPECT_EQ(dlg.m_ShapeInputType, kShapeCentreSize);
  EXPECT_EQ(dlg.m_SingleTaper, 1);
  std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "497 radio \"중심, 크기\" = 1")) << shown;
  EXPECT_TRUE(Contains(shown, "500 edit \"X 중심\" = \"0\"\n")) << shown;
  EXPECT_TRUE(Contains(shown, "502 edit \"X 크기\" = \"200\" [read-only]")) << "a circle has no sizes";
  EXPECT_TRUE(Contains(shown, "508 edit \"코너반경\" = \"20\" [read-only]")) << shown;
  EXPECT_TRUE(Contains(shown, "509 edit \"원형 반경\" = \"100\"\n")) << shown;
  EXPECT_TRUE(Contains(shown, "516 edit \"Profile 횟수\" = \"1\" [read-only]")) << "on the outline: one pass";
  EXPECT_TRUE(Contains(shown, "512 edit \"\" = \"0\"\n")) << shown;

  ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "516 edit \"Profile 횟수\" = \"1\"\n")) << shown;
  EXPECT_TRUE(Contains(shown, "512 edit \"\" = \"0\" [read-only]")) << shown;
  EXPECT_TRUE(Contains(shown, "508 edit \"코너반경\" = \"20\" [read-only]")) << "a sharp rectangle";
  EXPECT_EQ(dlg.m_Side, kProfileSideOutside);
  EXPECT_EQ(dlg.m_PassCount, 4);
  EXPECT_FLOAT_EQ(dlg.m_XPlusTaper, 3.0f);
  EXPECT_EQ(dlg.m_SingleTaper, 0);
  EXPECT_FALSE(session.failed()) << session.transcript();
}

TEST(SimpleShapeDialogs, ProfileRefusesValuesOutOfRange) {
  ShellSession session("click 496\nclick 493\nuncheck 520\nset 516 0\nok\nok\nset 516 2\nset 517 85\nok\nok\ncancel\n");
  CSimpleProfileDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL) << session.transcript();
  EXPECT_EQ(dlg.m_PassCount, 1);
  // A cancelled run keeps nothing of its clicks either.
  EXPECT_EQ(dlg.m_Side, kProfileSideOn);
  EXPECT_EQ(dlg.m_ProfileType, kSimpleProfileRectangle);
  EXPECT_EQ(dlg.m_SingleTaper, 1);
  EXPECT_FALSE(session.failed()) << session.transcript();
}

TEST(SimpleShapeDialogs, CircularAllowanceCountsOnlyBesideTheDiameters) {
  ShellSession session("show\nclick 546\nclick 538\nshow\nset 481 0.5\nset 542 0\nok\nok\nset 542 4\nok\n");
  CSimpleRadialDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "481 edit \"가공 여유\" = \"0\" [read-only]")) << shown;
  EXPECT_TRUE(Contains(shown, "481 edit \"가공 여유\" = \"0\"\n")) << shown;
  EXPECT_EQ(dlg.m_ToolCompensation, kRadialOutside);
  EXPECT_EQ(dlg.m_PathShape, kRadialSpiral);
  EXPECT_FLOAT_EQ(dlg.m_Allowance, 0.5f);
  EXPECT_FLOAT_EQ(dlg.m_Stepover, 4.0f);
  EXPECT_FALSE(session.failed()) << session.transcript();
}

TEST(SimpleShapeDialogs, SphereWantsTheEndAngleBelowTheStartAndFinishingSwitchesItsFields) {
  ShellSession session(
      "set 432 30\nset 433 30\nok\nok\n"  // refused, the dialog stays
      "uncheck 266\nshow\nset 433 60\nclick 275\nclick 265\nok\n");
  CSimpleSphereDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "Z 끝각도가 Z 시작각도 보다 커야 합니다..!!")) << shown;
  EXPECT_TRUE(Contains(shown, "268 edit \"정삭 Stepover\" = \"2\" [disabled]")) << shown;
  EXPECT_TRUE(Contains(shown, "276 button \"B20.0-10.0-50.0\"")) << "a ball end mill";
  EXPECT_EQ(dlg.m_FinishOn, 0);
  EXPECT_EQ(dlg.m_Form, kSphereCavity);
  EXPECT_EQ(dlg.m_CutDirection, kSphereUpCut);
  EXPECT_FLOAT_EQ(dlg.m_StartAngle, 30.0f);
  EXPECT_FLOAT_EQ(dlg.m_EndAngle, 60.0f);
  EXPECT_FALSE(session.failed()) << session.transcript();
}

}  // namespace
