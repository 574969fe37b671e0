// The records of the simple profile, circular and sphere cycles: what is
// written reads back into a fresh dialog, and a record that does not read
// changes nothing.
#include <gtest/gtest.h>

#include <string>

#include "plugin/milling/simple/simple_profile_dlg.h"
#include "plugin/milling/simple/simple_radial_dlg.h"
#include "plugin/milling/simple/simple_sphere_dlg.h"

namespace {

template <class Dialog>
std::string RecordOf(const Dialog& dlg) {
  CString text;
  dlg.WriteParamRecord(text);
  return text.GetString();
}

void FillLead(CLeadInOutDlg& lead) {
  lead.m_Side = 1;
  lead.m_ZEntryMode = kZEntryWhole;
  lead.m_EntryArcRadius = 3.75f;
  lead.m_ExitLineLength = 7.25f;
}

std::string ReplaceLine(const std::string& text, int line, const std::string& with) {
  std::size_t start = 0;
  for (int i = 0; i < line; ++i) start = text.find('\n', start) + 1;
  return text.substr(0, start) + with + text.substr(text.find('\n', start));
}

std::string DropLastLine(const std::string& text) { return text.substr(0, text.rfind('\n', text.size() - 2) + 1); }

TEST(SimpleShapeRecords, ProfileReadsBackEveryFieldAndKeepsSideAndPassesOnATrailingLine) {
  CSimpleProfileDlg d;
  d.m_ProfileType = kSimpleProfileRounded;
  d.m_Side = kProfileSideOutside;
  d.m_ShapeInputType = kShapeMinimumMaximum;
  d.m_Shape.xMaximum = 12.345f;
  d.m_Shape.yMinimum = -7.5f;
  d.m_Tool.m_ToolType = kRadiusEndMill;
  d.m_Tool.m_Diameter = 12.5f;
  d.m_Tool.m_CornerRadius = 1.5f;
  d.m_Tool.FormatToolName();
  d.m_ZStepover = 3.5f;
  d.m_CornerRadius = 4.25f;
  d.m_Depth = -12.75f;
  d.m_CircleRadius = 33.0f;
  d.m_StartHeight = 2.0f;
  d.m_Stepover = 2.5f;
  d.m_SingleTaperAngle = 5.0f;
  d.m_Allowance = 0.35f;
  d.m_XMinusTaper = 1.0f;
  d.m_XPlusTaper = 2.0f;
  d.m_YMinusTaper = 3.0f;
  d.m_YPlusTaper = 4.0f;
  d.m_ReturnHeight = 55.5f;
  d.m_Feed = 450;
  d.m_SingleTaper = 0;
  d.m_ToolNumberOn = 0;
  d.m_LengthOffsetOn = 1;
  d.m_ToolNumber = 7;
  d.m_LengthOffsetNumber = 8;
  d.m_PassCount = 3;
  FillLead(d.m_Lead);
  const std::string record = RecordOf(d);
  EXPECT_EQ(record.substr(0, record.find('\n')), "Ostrivo_ToolPath 3 7 2 3");
  EXPECT_NE(record.find("\n 12.35 "), std::string::npos) << "two decimals are stored";

  CSimpleProfileDlg read;
  ASSERT_TRUE(read.ReadParamRecord(record.c_str()));
  EXPECT_EQ(RecordOf(read), record);
  EXPECT_FLOAT_EQ(read.m_Shape.xMaximum, 12.35f);
  EXPECT_EQ(read.m_Tool.m_ToolName, d.m_Tool.m_ToolName);

  // A record without the trailing line leaves side and pass count as they were.
  CSimpleProfileDlg older;
  older.m_Side = kProfileSideInside;
  older.m_PassCount = 5;
  ASSERT_TRUE(older.ReadParamRecord(DropLastLine(record).c_str()));
  EXPECT_EQ(older.m_Side, kProfileSideInside);
  EXPECT_EQ(older.m_PassCount, 5);
  EXPECT_EQ(older.m_ProfileType, kSimpleProfileRounded);
}

TEST(SimpleShapeRecords, AProfileRecordWithABadValueChangesNothing) {
  CSimpleProfileDlg d;
  d.m_Side = kProfileSideInside;
  const std::string record = RecordOf(d);
  for (const auto& [line, text] :
       std::initializer_list<std::pair<int, std::string>>{
           {16, " 4 1"},                      // no such side
           {16, " 2 0"},                      // no passes
           {4, " 0.00 20.00 -50.00"},         // Z stepover 0 would never reach the depth
           {5, " 100.00 0.00 10.00 nan"},     // a taper that is no number
           {5, " 100.00 0.00 10.00 89.00"}})  // a wall past 80 degrees
  {
    CSimpleProfileDlg target;
    target.m_Depth = -3.0f;
    CString refusal;
    EXPECT_FALSE(target.ReadParamRecord(ReplaceLine(record, line, text).c_str(), &refusal)) << text;
    EXPECT_FALSE(refusal.IsEmpty());
    EXPECT_FLOAT_EQ(target.m_Depth, -3.0f);
    EXPECT_EQ(target.m_Side, kProfileSideOn);
  }
  CSimpleProfileDlg target;
  EXPECT_FALSE(target.ReadParamRecord("Ostrivo_ToolPath 3 7 1 1\n 1 20.00 0.00 50.00\n"));
  // Another cycle's record is not read as a profile.
  CSimpleSphereDlg sphere;
  EXPECT_FALSE(target.ReadParamRecord(RecordOf(sphere).c_str()));
}

TEST(SimpleShapeRecords, CircularReadsBackAndRefusesAStepoverOfNothing) {
  CSimpleRadialDlg d;
  d.m_PathShape = kRadialSpiral;
  d.m_ToolCompensation = kRadialInside;
  d.m_StartOutside = 0;
  d.m_InnerDiameter = 40.0f;
  d.m_Diameter = 160.25f;
  d.m_Allowance = 0.5f;
  d.m_CentreX = 50.0f;
  d.m_CentreY = -30.0f;
  d.m_Z = -2.0f;
  d.m_Stepover = 6.0f;
  d.m_Feed = 250;
  d.m_LengthOffsetOn = 1;
  d.m_LengthOffsetNumber = 4;
  FillLead(d.m_Lead);
  const std::string record = RecordOf(d);
  EXPECT_EQ(record.substr(0, record.find('\n')), "Ostrivo_ToolPath 3 10 2 3 0");
  CSimpleRadialDlg read;
  ASSERT_TRUE(read.ReadParamRecord(record.c_str()));
  EXPECT_EQ(RecordOf(read), record);

  CSimpleRadialDlg target;
  EXPECT_FALSE(target.ReadParamRecord(ReplaceLine(record, 3, " 0.00 100.00 300").c_str()));
  EXPECT_FALSE(target.ReadParamRecord(ReplaceLine(record, 0, "Ostrivo_ToolPath 3 10 4 3 0").c_str()));
  EXPECT_EQ(target.m_PathShape, kRadialCircles);
  EXPECT_FLOAT_EQ(target.m_Stepover, 10.0f);
}

TEST(SimpleShapeRecords, SphereReadsBackAndRefusesARadiusOrStepoverOfNothing) {
  CSimpleSphereDlg d;
  EXPECT_EQ(d.m_Tool.m_ToolType, kBallEndMill);
  d.m_Form = kSphereCavity;
  d.m_CutDirection = kSphereUpCut;
  d.m_CentreX = 1.0f;
  d.m_CentreY = 2.0f;
  d.m_CentreZ = -3.0f;
  d.m_Radius = 44.0f;
  d.m_StartAngle = 10.0f;
  d.m_EndAngle = 75.0f;
  d.m_FinishOn = 0;
  d.m_SpindleSpeed = 2400;
  d.m_Feed = 220;
  d.m_FinishStepover = 1.5f;
  d.m_Allowance = 0.25f;
  d.m_ToolNumber = 6;
  FillLead(d.m_Lead);
  const std::string record = RecordOf(d);
  EXPECT_EQ(record.substr(0, record.find('\n')), "Ostrivo_ToolPath 3 8 1 1");
  CSimpleSphereDlg read;
  ASSERT_TRUE(read.ReadParamRecord(record.c_str()));
  EXPECT_EQ(RecordOf(read), record);
  EXPECT_EQ(read.m_FinishOn, 0);

  for (const auto& [line, text] : std::initializer_list<std::pair<int, std::string>>{
           {2, " 0.00 10.00 75.00 100.00"}, {6, " 0.00 0.25"}, {2, " 44.00 10.00 95.00 100.00"}}) {
    CSimpleSphereDlg target;
    EXPECT_FALSE(target.ReadParamRecord(ReplaceLine(record, line, text).c_str())) << text;
    EXPECT_FLOAT_EQ(target.m_Radius, 50.0f);
    EXPECT_EQ(target.m_Form, kSphereCore);
  }
}

}  // namespace
