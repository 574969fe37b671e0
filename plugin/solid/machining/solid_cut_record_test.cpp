#include <gtest/gtest.h>

#include <string>

#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/forms/solid_machining_limits.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/solid/machining/solid_cut_dlg.h"
#include "plugin/solid/machining/z_profile_dlg.h"
#include "plugin/solid/slices/mould_solids_test.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string Record(const CSolidCutDlg& dlg) {
  CString text;
  dlg.WriteParamRecord(text);
  return text.GetString();
}

std::string Record(const CZProfileDlg& dlg) {
  CString text;
  dlg.WriteParamRecord(text);
  return text.GetString();
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(SolidCutRecord, EveryFieldComesBackAndSmallTolerancesKeepTheirDigits) {
  CSolidCutDlg dlg;
  dlg.m_TwoWay = 1;
  dlg.m_ToolNumber = 7;
  dlg.m_LengthOffsetOn = 1;
  dlg.m_LengthOffsetNumber = 8;
  dlg.m_Tool.m_Diameter = 12.0f;
  dlg.m_SpindleOn = 0;
  dlg.m_UpCut = 1;
  dlg.m_GougeCheckOn = 1;
  dlg.m_InsideCheck = 1;
  dlg.m_ToolRadiusCompensation = 1;
  dlg.m_Feed = 450;
  dlg.m_SpindleSpeed = 8000;
  dlg.m_Angle = 30.0f;
  dlg.m_Stepover = 1.5f;
  dlg.m_Allowance = 0.25f;
  dlg.m_GougeAllowance = 2.0f;
  dlg.m_RetractHeight = 60.0f;
  dlg.m_Tolerance = 0.001f;
  dlg.m_Plunge.m_PlungeFeed = 77;
  dlg.m_AngleLimitOn = 1;
  dlg.m_MinAngle = 5.0f;
  dlg.m_MaxAngle = 60.0f;
  const std::string text = Record(dlg);
  EXPECT_TRUE(Contains(text, "Ostrivo_ToolPath 1 11 1\n")) << text;
  EXPECT_TRUE(Contains(text, " 30.00 1.50 0.25 2.00 60.00 0.0010\n")) << text;

  CSolidCutDlg read;
  ASSERT_TRUE(read.ReadParamRecord(text.c_str()));
  EXPECT_EQ(Record(read), text);
  EXPECT_EQ(read.m_Tool.m_ToolType, kBallEndMill);  // the solid cut cuts with a ball
  EXPECT_EQ(read.m_Tool.m_ToolName, CString("B12.0-6.0-50.0"));
}

TEST(SolidCutRecord, OldRoundedTolerancesReadAsTheFinestAndBadValuesChangeNothing) {
  CSolidCutDlg dlg;
  const std::string text = Record(dlg);
  CSolidCutDlg old;
  ASSERT_TRUE(old.ReadParamRecord(Replaced(text, " 0.0100\n", " 0.00\n").c_str()));
  EXPECT_FLOAT_EQ(old.m_Tolerance, static_cast<float>(kLeastMachiningTolerance));

  CSolidCutDlg kept;
  kept.m_Feed = 123;
  CString why;
  EXPECT_FALSE(
      kept.ReadParamRecord(Replaced(Replaced(text, " 300 1000\n", " 999 1000\n"), " 10.00 ", " 0.00 ").c_str(), &why));
  EXPECT_TRUE(Contains(why.GetString(), "Stepover")) << why.GetString();
  EXPECT_EQ(kept.m_Feed, 123);
  EXPECT_FALSE(kept.ReadParamRecord(Replaced(text, " 10.00 ", " nan ").c_str()));
  EXPECT_FALSE(kept.ReadParamRecord(text.substr(0, text.rfind(" 0 0.00 30.00")).c_str()));
  // A Z-level record is no solid cut record.
  EXPECT_FALSE(kept.ReadParamRecord(Record(CZProfileDlg()).c_str()));
  EXPECT_EQ(kept.m_Feed, 123);
}

TEST(SolidCutDlg, ThreePointsGiveTheAngleAndTheStepSide) {
  CSolidCutDlg dlg;
  ASSERT_TRUE(dlg.TakeDirection(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(0, 5, 0)));
  EXPECT_FLOAT_EQ(dlg.m_Angle, 0.0f);
  EXPECT_EQ(dlg.m_UpCut, 1);
  ASSERT_TRUE(dlg.TakeDirection(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(0, -5, 0)));
  EXPECT_EQ(dlg.m_UpCut, 0);
  ASSERT_TRUE(dlg.TakeDirection(AcGePoint3d(0, 0, 0), AcGePoint3d(0, -10, 0), AcGePoint3d(5, 0, 0)));
  EXPECT_FLOAT_EQ(dlg.m_Angle, 270.0f);
  EXPECT_FALSE(dlg.TakeDirection(AcGePoint3d(1, 1, 0), AcGePoint3d(1, 1, 0), AcGePoint3d(5, 0, 0)));
  EXPECT_FLOAT_EQ(dlg.m_Angle, 270.0f);
}

TEST(SolidCutDlg, GougeCheckWithoutAnOutlineAndAZeroStepoverKeepTheDialogOpen) {
  LoadMessageTable();
  ShellSession session("check 571\nok\nok\nset 4000 0\nok\nok\nuncheck 571\nset 4000 2\nok\n");
  CSolidCutDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "[Error message] 간섭체크할 폴리라인이 선택되지 않았습니다.!!")) << shown;
  EXPECT_FLOAT_EQ(dlg.m_Stepover, 2.0f);
  EXPECT_EQ(dlg.m_GougeCheckOn, 0);
  EXPECT_EQ(dlg.m_ToolpathName, CString("SolMill_1"));
}

TEST(ZProfileRecord, EveryFieldComesBackWithTheStartPointAsReals) {
  CZProfileDlg dlg;
  dlg.m_CutDirection = 1;
  dlg.m_Method = kZProfileCavity;
  dlg.m_ToolNumber = 3;
  dlg.m_Tool.m_ToolType = kRadiusEndMill;
  dlg.m_Tool.m_Diameter = 10.0f;
  dlg.m_Tool.m_CornerRadius = 2.0f;
  dlg.m_GougeCheckOn = 1;
  dlg.m_CornerRound = 1;
  dlg.m_Feed = 700;
  dlg.m_ZStep = 0.5f;
  dlg.m_Allowance = 0.2f;
  dlg.m_Tolerance = 0.005f;
  dlg.m_BetweenLevelRetract = 0;
  dlg.m_StartPointOn = 1;
  dlg.m_StartPoint[0] = 12.25;
  dlg.m_StartPoint[1] = -3.5;
  dlg.m_StartPoint[2] = 7.75;
  dlg.m_ZStartOn = 1;
  dlg.m_ZStart = 25.0f;
  dlg.m_ZDepthOn = 1;
  dlg.m_ZDepth = 5.0f;
  const std::string text = Record(dlg);
  EXPECT_TRUE(Contains(text, "Ostrivo_ToolPath 1 12 1 1\n")) << text;
  EXPECT_TRUE(Contains(text, " 0.50 0.20 0.00 100.00 0.0050\n")) << text;
  EXPECT_TRUE(Contains(text, " 0 1 12.25 -3.50 7.75\n")) << text;
  CZProfileDlg read;
  ASSERT_TRUE(read.ReadParamRecord(text.c_str()));
  EXPECT_EQ(Record(read), text);
  EXPECT_EQ(read.m_Tool.m_ToolName, CString("R10.0-2.0-50.0"));

  CZProfileDlg old;
  ASSERT_TRUE(old.ReadParamRecord(Replaced(text, " 0.0050\n", " 0.00\n").c_str()));
  EXPECT_FLOAT_EQ(old.m_Tolerance, static_cast<float>(kLeastMachiningTolerance));
  CZProfileDlg kept;
  EXPECT_FALSE(kept.ReadParamRecord(Replaced(text, "Ostrivo_ToolPath 1 12 1 1", "Ostrivo_ToolPath 1 12 1 7").c_str()));
  EXPECT_FALSE(kept.ReadParamRecord(Replaced(text, " 12.25 ", " inf ").c_str()));
  EXPECT_EQ(Record(kept), Record(CZProfileDlg()));
}

TEST(ZProfileDlg, AStartBelowTheDepthAndAMissingSolidKeepTheDialogOpen) {
  LoadMessageTable();
  ShellSession session(
      "check 583\nset 429 -20\ncheck 584\nset 430 -10\nok\nok\n"
      "set 429 0\nok\nok\ncancel\n");
  CZProfileDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL) << session.transcript();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "Z 깊이(-10.000)가 Z 시작(-20.000)보다 높아")) << shown;
  EXPECT_TRUE(Contains(shown, MsgOnlySolidsMachined.GetString())) << shown;

  ShellSession picked("ok\n");
  CZProfileDlg withModel;
  withModel.m_ModelId = mould::Box(picked, AcGePoint3d(0, 0, 0), AcGePoint3d(10, 10, 10));
  EXPECT_EQ(withModel.DoModal(), IDOK) << picked.transcript();
  EXPECT_EQ(withModel.m_ToolpathName, CString("ZProfile_1"));
}

}  // namespace
