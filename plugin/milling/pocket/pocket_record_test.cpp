#include "plugin/milling/pocket/pocket_record.h"

#include <gtest/gtest.h>

#include <string>

#include "plugin/milling/pocket/pocket_dlg.h"

namespace {

void SetTool(CToolShapeDlg& tool, int type, float diameter, float cornerRadius, float length) {
  tool.m_ToolType = type;
  tool.m_Diameter = diameter;
  tool.m_CornerRadius = cornerRadius;
  tool.m_Length = length;
  tool.FormatToolName();
}

// Every field of the record away from its default, and no two alike where a
// mix-up of neighbours could hide.
void FillEveryRecordField(CPocketDlg& d) {
  d.m_CutDirection = 1;
  d.m_RoughPattern = kPocketOneWayLinear;
  d.m_RoughToolNumberOn = 0;
  d.m_RoughToolNumber = 11;
  d.m_RoughLengthOffsetOn = 1;
  d.m_RoughLengthOffsetNumber = 12;
  SetTool(d.m_RoughTool, kRadiusEndMill, 16.5f, 2.25f, 75.5f);
  d.m_AbsoluteZ = 0;
  d.m_IslandTaperOn = 1;
  d.m_IslandZAllowanceOn = 1;
  d.m_RetractHeight = 55.25f;
  d.m_ZStart = 3.5f;
  d.m_ZDepth = 12.75f;
  d.m_RoughZStep = 2.5f;
  d.m_ZTaper = 4.25f;
  d.m_IslandTaper = 6.5f;
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
  d.m_Plunge.m_PlungeMethod = kPlungeStraightSlot;
  d.m_Plunge.m_HelixRadius = 4.5f;
  d.m_Plunge.m_SlotDepth = 1.25f;
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
  d.m_FinishLead.m_Side = 1;
  d.m_FinishLead.m_EntryArcRadius = 3.5f;
  d.m_FinishLead.m_ZEntryMode = kZEntryNone;
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
  d.m_RestLead.m_ExitLineLength = 2.75f;
  d.m_RestLead.m_EntryOn = 0;
}

void ExpectSameTool(const CToolShapeDlg& a, const CToolShapeDlg& b, const char* which) {
  SCOPED_TRACE(which);
  EXPECT_EQ(a.m_ToolType, b.m_ToolType);
  EXPECT_FLOAT_EQ(a.m_Diameter, b.m_Diameter);
  EXPECT_FLOAT_EQ(a.m_CornerRadius, b.m_CornerRadius);
  EXPECT_FLOAT_EQ(a.m_Length, b.m_Length);
  EXPECT_EQ(a.m_ToolName, b.m_ToolName);
}

void ExpectSameRecordMembers(const CPocketDlg& a, const CPocketDlg& b) {
  EXPECT_EQ(a.m_CutDirection, b.m_CutDirection);
  EXPECT_EQ(a.m_RoughPattern, b.m_RoughPattern);
  EXPECT_EQ(a.m_RoughToolNumberOn, b.m_RoughToolNumberOn);
  EXPECT_EQ(a.m_RoughToolNumber, b.m_RoughToolNumber);
  EXPECT_EQ(a.m_RoughLengthOffsetOn, b.m_RoughLengthOffsetOn);
  EXPECT_EQ(a.m_RoughLengthOffsetNumber, b.m_RoughLengthOffsetNumber);
  ExpectSameTool(a.m_RoughTool, b.m_RoughTool, "roughing tool");
  EXPECT_EQ(a.m_AbsoluteZ, b.m_AbsoluteZ);
  EXPECT_EQ(a.m_IslandTaperOn, b.m_IslandTaperOn);
  EXPECT_EQ(a.m_IslandZAllowanceOn, b.m_IslandZAllowanceOn);
  EXPECT_FLOAT_EQ(a.m_RetractHeight, b.m_RetractHeight);
  EXPECT_FLOAT_EQ(a.m_ZStart, b.m_ZStart);
  EXPECT_FLOAT_EQ(a.m_ZDepth, b.m_ZDepth);
  EXPECT_FLOAT_EQ(a.m_RoughZStep, b.m_RoughZStep);
  EXPECT_FLOAT_EQ(a.m_ZTaper, b.m_ZTaper);
  EXPECT_FLOAT_EQ(a.m_IslandTaper, b.m_IslandTaper);
  EXPECT_EQ(a.m_RoughOn, b.m_RoughOn);
  EXPECT_EQ(a.m_RoughFeed, b.m_RoughFeed);
  EXPECT_EQ(a.m_LinkFeedOn, b.m_LinkFeedOn);
  EXPECT_EQ(a.m_LinkFeed, b.m_LinkFeed);
  EXPECT_EQ(a.m_RoughSpindleOn, b.m_RoughSpindleOn);
  EXPECT_EQ(a.m_RoughSpindle, b.m_RoughSpindle);
  EXPECT_FLOAT_EQ(a.m_RoughAngle, b.m_RoughAngle);
  EXPECT_FLOAT_EQ(a.m_RoughAllowance, b.m_RoughAllowance);
  EXPECT_FLOAT_EQ(a.m_RoughStepover, b.m_RoughStepover);
  EXPECT_EQ(a.m_StartOutside, b.m_StartOutside);
  EXPECT_EQ(a.m_RetractBetweenLevels, b.m_RetractBetweenLevels);
  EXPECT_EQ(a.m_StartPointOn, b.m_StartPointOn);
  EXPECT_DOUBLE_EQ(a.m_StartX, b.m_StartX);
  EXPECT_DOUBLE_EQ(a.m_StartY, b.m_StartY);
  EXPECT_DOUBLE_EQ(a.m_StartZ, b.m_StartZ);
  EXPECT_EQ(PlungeRecordText(a.m_Plunge), PlungeRecordText(b.m_Plunge));
  EXPECT_EQ(a.m_FinishToolNumberOn, b.m_FinishToolNumberOn);
  EXPECT_EQ(a.m_FinishToolNumber, b.m_FinishToolNumber);
  EXPECT_EQ(a.m_FinishLengthOffsetOn, b.m_FinishLengthOffsetOn);
  EXPECT_EQ(a.m_FinishLengthOffsetNumber, b.m_FinishLengthOffsetNumber);
  ExpectSameTool(a.m_FinishTool, b.m_FinishTool, "finishing tool");
  EXPECT_EQ(a.m_FinishOn, b.m_FinishOn);
  EXPECT_EQ(a.m_FinishFeed, b.m_FinishFeed);
  EXPECT_EQ(a.m_FinishSpindleOn, b.m_FinishSpindleOn);
  EXPECT_EQ(a.m_FinishSpindle, b.m_FinishSpindle);
  EXPECT_EQ(a.m_FinishPasses, b.m_FinishPasses);
  EXPECT_EQ(a.m_CornerRound, b.m_CornerRound);
  EXPECT_FLOAT_EQ(a.m_FinishAllowance, b.m_FinishAllowance);
  EXPECT_FLOAT_EQ(a.m_FinishStepover, b.m_FinishStepover);
  EXPECT_EQ(LeadMoveRecordText(a.m_FinishLead), LeadMoveRecordText(b.m_FinishLead));
  EXPECT_EQ(a.m_RestToolNumberOn, b.m_RestToolNumberOn);
  EXPECT_EQ(a.m_RestToolNumber, b.m_RestToolNumber);
  EXPECT_EQ(a.m_RestLengthOffsetOn, b.m_RestLengthOffsetOn);
  EXPECT_EQ(a.m_RestLengthOffsetNumber, b.m_RestLengthOffsetNumber);
  ExpectSameTool(a.m_RestTool, b.m_RestTool, "rest tool");
  EXPECT_EQ(a.m_RestOn, b.m_RestOn);
  EXPECT_EQ(a.m_RestFeed, b.m_RestFeed);
  EXPECT_EQ(a.m_RestSpindleOn, b.m_RestSpindleOn);
  EXPECT_EQ(a.m_RestSpindle, b.m_RestSpindle);
  EXPECT_DOUBLE_EQ(a.m_RestAllowance, b.m_RestAllowance);
  EXPECT_EQ(a.m_RestAfterFinish, b.m_RestAfterFinish);
  EXPECT_EQ(LeadMoveRecordText(a.m_RestLead), LeadMoveRecordText(b.m_RestLead));
}

std::string Lines(const std::string& text, int first, int last) {
  std::string out;
  int number = 1;
  size_t at = 0;
  while (at < text.size() && number <= last) {
    const size_t end = text.find('\n', at);
    const size_t stop = end == std::string::npos ? text.size() : end + 1;
    if (number >= first) out += text.substr(at, stop - at);
    at = stop;
    ++number;
  }
  return out;
}

TEST(PocketRecordText, AFreshDialogWritesTheDefaultsInTheRecordLayout) {
  const std::string text = PocketRecordText(CPocketDlg()).GetString();
  EXPECT_EQ(Lines(text, 1, 6),
            "Ostrivo_ToolPath 4 1 0 0\n"
            " 1 1 0 1\n"
            " 1 20.00 0.00 50.00\n"
            " 1 0 0 100.00 0.00 0.00 10.00 0.00 0.00\n"
            " 1 100 0 100 1 500 0.00 3.00 10.00\n"
            " 0 1 0 0.00 0.00 0.00\n");
  EXPECT_EQ(Lines(text, 7, 10), PlungeRecordText(CPlungeDlg()).GetString());
  EXPECT_EQ(Lines(text, 11, 13),
            " 1 1 0 1\n"
            " 1 20.00 0.00 50.00\n"
            " 0 300 1 1000 1 0 0.00 1.00\n");
  EXPECT_EQ(Lines(text, 14, 18), LeadMoveRecordText(CLeadInOutDlg()).GetString());
  EXPECT_EQ(Lines(text, 19, 21),
            " 1 2 0 2\n"
            " 1 10.00 0.00 50.00\n"
            " 0 100 0 1000 0.00 1\n");
  EXPECT_EQ(Lines(text, 22, 26), LeadMoveRecordText(CLeadInOutDlg()).GetString());
  EXPECT_EQ(Lines(text, 27, 99), "");
}

TEST(PocketRecordText, EveryFieldReadsBackIntoAFreshDialog) {
  CPocketDlg written;
  FillEveryRecordField(written);
  CString text;
  ASSERT_TRUE(written.WriteParamRecord(text));

  CPocketDlg read;
  ASSERT_TRUE(read.ReadParamRecord(text));
  ExpectSameRecordMembers(written, read);
  EXPECT_EQ(PocketRecordText(read), text);
}

TEST(PocketRecordText, OlderVersionsGiveEveryPassTheRoughingTool) {
  CPocketDlg source;
  SetTool(source.m_RoughTool, kBallEndMill, 12.0f, 6.0f, 70.0f);
  source.m_RoughToolNumber = 7;
  source.m_RoughLengthOffsetOn = 1;
  source.m_RoughLengthOffsetNumber = 8;
  std::string v4 = PocketRecordText(source).GetString();
  // Version 2: no tool lines for finishing and rest, no retract between levels.
  std::string v2 = "Ostrivo_ToolPath 2" + Lines(v4, 1, 1).substr(18) + Lines(v4, 2, 5) + " 1 1 5.00 6.00 7.00\n" +
                   Lines(v4, 7, 10) + Lines(v4, 13, 18);
  CPocketDlg d;
  d.m_RetractBetweenLevels = 0;
  ASSERT_TRUE(d.ReadParamRecord(v2.c_str()));
  ExpectSameTool(d.m_FinishTool, source.m_RoughTool, "finishing");
  ExpectSameTool(d.m_RestTool, source.m_RoughTool, "rest");
  EXPECT_EQ(d.m_FinishToolNumber, 7);
  EXPECT_EQ(d.m_RestToolNumber, 7);
  EXPECT_EQ(d.m_FinishLengthOffsetNumber, 8);
  EXPECT_EQ(d.m_RestLengthOffsetOn, 1);
  EXPECT_EQ(d.m_StartOutside, 1);
  EXPECT_EQ(d.m_RetractBetweenLevels, 0);
  EXPECT_DOUBLE_EQ(d.m_StartZ, 7.0);

  // Version 1 knows neither start outside, retract between levels nor corner round.
  std::string v1 = "Ostrivo_ToolPath 1" + Lines(v4, 1, 1).substr(18) + Lines(v4, 2, 5) + " 1 5.00 6.00 7.00\n" +
                   Lines(v4, 7, 10) + " 1 250 1 900 2 0.50 0.25\n" + Lines(v4, 14, 18);
  CPocketDlg old;
  old.m_StartOutside = 1;
  old.m_RetractBetweenLevels = 0;
  old.m_CornerRound = 1;
  ASSERT_TRUE(old.ReadParamRecord(v1.c_str()));
  EXPECT_EQ(old.m_StartOutside, 1);
  EXPECT_EQ(old.m_RetractBetweenLevels, 0);
  EXPECT_EQ(old.m_CornerRound, 1);
  EXPECT_EQ(old.m_StartPointOn, 1);
  EXPECT_EQ(old.m_FinishFeed, 250);
  EXPECT_EQ(old.m_FinishPasses, 2);
  EXPECT_FLOAT_EQ(old.m_FinishStepover, 0.25f);
  ExpectSameTool(old.m_RestTool, source.m_RoughTool, "rest of version 1");
}

TEST(PocketRecordText, AVersionThreeRecordReadsItsStartLineWithoutRetractBetweenLevels) {
  CPocketDlg source;
  FillEveryRecordField(source);
  const std::string v4 = PocketRecordText(source).GetString();
  const std::string v3 = "Ostrivo_ToolPath 3" + Lines(v4, 1, 1).substr(18) + Lines(v4, 2, 5) +
                         " 1 1 -12.50 40.25 8.75\n" + Lines(v4, 7, 26);
  CPocketDlg d;
  ASSERT_TRUE(d.ReadParamRecord(v3.c_str()));
  EXPECT_EQ(d.m_RetractBetweenLevels, 1);  // not in the record: kept
  source.m_RetractBetweenLevels = 1;
  ExpectSameRecordMembers(source, d);
}

TEST(PocketRecordText, ARecordThatEndsEarlyChangesNothingAndSaysWhere) {
  CPocketDlg source;
  FillEveryRecordField(source);
  const std::string full = PocketRecordText(source).GetString();

  // Version 3 without the rest lines: the finishing values read are not taken either.
  std::string v3 = full;
  v3.replace(v3.find(" 4 "), 3, " 3 ");
  CPocketDlg d;
  CString refusal;
  EXPECT_FALSE(d.ReadParamRecord(Lines(v3, 1, 18).c_str(), &refusal));
  EXPECT_EQ(PocketRecordText(d), PocketRecordText(CPocketDlg()));
  EXPECT_NE(std::string(refusal.GetString()).find("19"), std::string::npos) << refusal.GetString();

  // A line short of one value: the field it lacks is named.
  std::string shortLine = Lines(full, 1, 4) + " 0 210 1 220 0 2300 33.75 0.35\n" + Lines(full, 6, 26);
  CPocketDlg s;
  EXPECT_FALSE(s.ReadParamRecord(shortLine.c_str(), &refusal));
  EXPECT_EQ(PocketRecordText(s), PocketRecordText(CPocketDlg()));
  EXPECT_NE(std::string(refusal.GetString()).find("황삭 Stepover"), std::string::npos) << refusal.GetString();

  for (const char* broken : {"", "Ostrivo_ToolPath", "Ostrivo_ToolPath 0 1 0 0\n", "garbage\n"}) {
    CPocketDlg g;
    EXPECT_FALSE(g.ReadParamRecord(broken)) << broken;
    EXPECT_EQ(PocketRecordText(g), PocketRecordText(CPocketDlg())) << broken;
  }
  EXPECT_FALSE(CPocketDlg().ReadParamRecord(nullptr));
}

}  // namespace
