#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/solid/pocket/solid_pocket_dlg.h"

namespace {

void SetTool(CToolShapeDlg& tool, int type, float diameter, float cornerRadius, float length) {
  tool.m_ToolType = type;
  tool.m_Diameter = diameter;
  tool.m_CornerRadius = cornerRadius;
  tool.m_Length = length;
  tool.FormatToolName();
}

// Every field of the record away from its default, neighbours unlike.
void FillEveryField(CSolidPocketDlg& d) {
  d.m_CutDirection = 1;
  d.m_RoughPattern = 3;
  d.m_MachiningMethod = kSolidPocketCore;
  d.m_RoughToolNumberOn = 0;
  d.m_RoughToolNumber = 11;
  d.m_RoughLengthOffsetOn = 1;
  d.m_RoughLengthOffsetNumber = 12;
  SetTool(d.m_RoughTool, kRadiusEndMill, 16.5f, 2.25f, 75.5f);
  d.m_RetractHeight = 55.25f;
  d.m_ZStep = 2.5f;
  d.m_RoughOn = 0;
  d.m_RoughFeed = 210;
  d.m_LinkFeedOn = 1;
  d.m_LinkFeed = 220;
  d.m_RoughSpindleOn = 0;
  d.m_RoughSpindle = 2300;
  d.m_RoughAngle = 33.75f;
  d.m_RoughAllowance = 0.35f;
  d.m_RoughStepover = 7.25f;
  d.m_StartOutside = 1;
  d.m_RetractBetweenLevels = 0;
  d.m_StartPointOn = 1;
  d.m_StartX = -12.5;
  d.m_StartY = 40.25;
  d.m_StartZ = 8.75;
  d.m_Plunge.m_HelixRadius = 4.5f;
  d.m_FinishToolNumberOn = 0;
  d.m_FinishToolNumber = 21;
  d.m_FinishLengthOffsetOn = 1;
  d.m_FinishLengthOffsetNumber = 22;
  SetTool(d.m_FinishTool, kBallEndMill, 8.25f, 4.0f, 60.5f);
  d.m_FinishOn = 1;
  d.m_FinishFeed = 410;
  d.m_FinishSpindleOn = 0;
  d.m_FinishSpindle = 4300;
  d.m_FinishPasses = 3;
  d.m_CornerRound = 1;
  d.m_FinishAllowance = 0.15f;
  d.m_FinishStepover = 0.75f;
  d.m_FinishLead.m_EntryArcRadius = 3.5f;
  d.m_RestToolNumberOn = 0;
  d.m_RestToolNumber = 31;
  d.m_RestLengthOffsetOn = 1;
  d.m_RestLengthOffsetNumber = 32;
  SetTool(d.m_RestTool, kFlatEndMill, 4.75f, 0.0f, 45.5f);
  d.m_RestOn = 1;
  d.m_RestFeed = 510;
  d.m_RestSpindleOn = 1;
  d.m_RestSpindle = 5300;
  d.m_RestAllowance = 0.05;
  d.m_RestAfterFinish = 0;
  d.m_RestLead.m_EntryArcRadius = 2.5f;
}

std::vector<std::string> Lines(const CString& text) {
  std::vector<std::string> lines;
  std::string all = text.GetString(), line;
  for (char c : all) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

CString RecordOf(const CSolidPocketDlg& d) {
  CString text;
  d.WriteParamRecord(text);
  return text;
}

TEST(SolidPocketRecord, EveryFieldReadsBackAndTheRestSettingsTravelWithIt) {
  CSolidPocketDlg written;
  FillEveryField(written);
  const CString text = RecordOf(written);
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 27u);
  EXPECT_EQ(lines[0], "Ostrivo_ToolPath 5 5 1 3");
  EXPECT_EQ(lines[1], " 0");
  EXPECT_EQ(lines[3], " 3 16.50 2.25 75.50");
  EXPECT_EQ(lines[4], " 55.25 2.50");
  CSolidPocketDlg read;
  ASSERT_TRUE(read.ReadParamRecord(text));
  EXPECT_EQ(std::string(RecordOf(read).GetString()), std::string(text.GetString()));
  EXPECT_EQ(read.m_MachiningMethod, kSolidPocketCore);
  EXPECT_EQ(read.m_RestToolNumber, 31);
  EXPECT_FLOAT_EQ(read.m_RestTool.m_Diameter, 4.75f);
  EXPECT_NEAR(read.m_RestAllowance, 0.05, 1e-9);
  EXPECT_EQ(read.m_RestFeed, 510);
  EXPECT_FLOAT_EQ(read.m_RestLead.m_EntryArcRadius, 2.5f);
  // Each tool line sets its own tool.
  EXPECT_EQ(read.m_RoughTool.m_ToolType, kRadiusEndMill);
  EXPECT_FLOAT_EQ(read.m_FinishTool.m_Diameter, 8.25f);
  EXPECT_EQ(read.m_RoughTool.m_ToolName, written.m_RoughTool.m_ToolName);
}

TEST(SolidPocketRecord, OlderRecordsReadWithoutTheLinesTheyNeverHad) {
  CSolidPocketDlg written;
  FillEveryField(written);
  std::vector<std::string> lines = Lines(RecordOf(written));
  // Before the rest settings were appended: they keep their values.
  const std::vector<std::string> withoutRest(lines.begin(), lines.begin() + 19);
  CSolidPocketDlg read;
  read.m_RestFeed = 777;
  read.m_RestTool.m_Diameter = 3.0f;
  ASSERT_TRUE(read.ReadParamRecord(Join(withoutRest).c_str()));
  EXPECT_EQ(read.m_RestFeed, 777);
  EXPECT_FLOAT_EQ(read.m_RestTool.m_Diameter, 3.0f);
  EXPECT_EQ(read.m_FinishFeed, 410);

  // Version 3: no method line, five values on the start line.
  std::vector<std::string> v3 = withoutRest;
  v3[0] = "Ostrivo_ToolPath 3 5 1 3";
  v3.erase(v3.begin() + 1);
  v3[5] = " 1 1 -12.50 40.25 8.75";
  CSolidPocketDlg old;
  old.m_RetractBetweenLevels = 1;
  old.m_MachiningMethod = kSolidPocketCavity;
  ASSERT_TRUE(old.ReadParamRecord(Join(v3).c_str()));
  EXPECT_EQ(old.m_RetractBetweenLevels, 1);
  EXPECT_EQ(old.m_MachiningMethod, kSolidPocketCavity);
  EXPECT_EQ(old.m_StartPointOn, 1);
  EXPECT_DOUBLE_EQ(old.m_StartY, 40.25);
  EXPECT_FLOAT_EQ(old.m_FinishTool.m_Diameter, 8.25f);

  // Version 1: no finishing tool lines and seven values on the finishing line.
  std::vector<std::string> v1 = v3;
  v1[0] = "Ostrivo_ToolPath 1 5 1 3";
  v1.erase(v1.begin() + 10, v1.begin() + 12);
  v1[10] = " 1 410 0 4300 3 0.15 0.75";
  CSolidPocketDlg oldest;
  oldest.m_CornerRound = 0;
  ASSERT_TRUE(oldest.ReadParamRecord(Join(v1).c_str()));
  EXPECT_EQ(oldest.m_FinishPasses, 3);
  EXPECT_EQ(oldest.m_CornerRound, 0);
  EXPECT_FLOAT_EQ(oldest.m_FinishAllowance, 0.15f);
}

TEST(SolidPocketRecord, ABadValueOrAShortRecordChangesNothing) {
  LoadMessageTable();
  CSolidPocketDlg written;
  FillEveryField(written);
  const std::vector<std::string> lines = Lines(RecordOf(written));
  const auto refused = [&](std::vector<std::string> changed, const char* field) {
    CSolidPocketDlg d;
    const std::string before = RecordOf(d).GetString();
    CString why;
    EXPECT_FALSE(d.ReadParamRecord(Join(changed).c_str(), &why)) << Join(changed);
    EXPECT_EQ(std::string(RecordOf(d).GetString()), before);
    EXPECT_NE(std::string(why.GetString()).find(field), std::string::npos) << why.GetString();
  };
  std::vector<std::string> changed = lines;
  changed[4] = " 55.25 2000";
  refused(changed, "Z Step");
  changed = lines;
  changed[1] = " 7";
  refused(changed, "가공 방식");
  changed = lines;
  changed[5] = " 0 210 1 220 0 2300 33.75 nan 7.25";
  refused(changed, "황삭 가공여유");
  changed = lines;
  changed[21] = " 1 510 1 5300 inf 0";
  refused(changed, "잔삭 가공 여유");
  // Rest lines begun must be whole.
  refused(std::vector<std::string>(lines.begin(), lines.begin() + 20), "");
  refused(std::vector<std::string>(lines.begin(), lines.begin() + 12), "");
}

TEST(SolidPocketRecord, TheHandOverRecordIsAPocketRecordOfTheSameSettings) {
  CSolidPocketDlg d;
  FillEveryField(d);
  d.m_ZTop = 30.0f;
  d.m_ZBottom = 2.5f;
  CString text;
  ASSERT_TRUE(d.WriteRestPocketRecord(text));
  EXPECT_EQ(Lines(text)[0], "Ostrivo_ToolPath 4 1 1 3");
  CPocketDlg pocket;
  CString why;
  ASSERT_TRUE(pocket.ReadParamRecord(text, &why)) << why.GetString() << "\n" << text.GetString();
  EXPECT_EQ(pocket.m_CutDirection, 1);
  EXPECT_EQ(pocket.m_RoughPattern, 3);
  EXPECT_FLOAT_EQ(pocket.m_RoughAllowance, 0.35f);
  EXPECT_FLOAT_EQ(pocket.m_RoughStepover, 7.25f);
  EXPECT_FLOAT_EQ(pocket.m_ZStart, 30.0f);
  EXPECT_FLOAT_EQ(pocket.m_ZDepth, 2.5f);
  EXPECT_FLOAT_EQ(pocket.m_ZTaper, 0.0f);
  EXPECT_EQ(pocket.m_FinishPasses, 3);
  EXPECT_EQ(pocket.m_RestFeed, 510);
  EXPECT_FLOAT_EQ(pocket.m_RestTool.m_Diameter, 4.75f);
  EXPECT_EQ(pocket.m_RestAfterFinish, 0);
  EXPECT_FLOAT_EQ(pocket.m_RestLead.m_EntryArcRadius, 2.5f);
}

}  // namespace
