#include <gtest/gtest.h>

#include <string>

#include "plugin/milling/simple/simple_face_dlg.h"
#include "plugin/milling/simple/simple_pocket_dlg.h"

namespace {

std::string RecordOf(const CSimpleFaceDlg& dlg) {
  CString text;
  dlg.WriteParamRecord(text);
  return text.str();
}

std::string RecordOf(const CSimplePocketDlg& dlg) {
  CString text;
  dlg.WriteParamRecord(text);
  return text.str();
}

// The record with its line (counted from 1) replaced.
std::string WithLine(const std::string& record, int number, const std::string& line) {
  std::size_t start = 0;
  for (int i = 1; i < number; ++i) start = record.find('\n', start) + 1;
  const std::size_t end = record.find('\n', start);
  return record.substr(0, start) + line + record.substr(end);
}

std::string WithoutLastLine(const std::string& record) {
  const std::size_t end = record.rfind('\n', record.size() - 2);
  return record.substr(0, end + 1);
}

TEST(SimpleCycleRecord, FaceLinesCarryTheHeadToolShapeAndNumbers) {
  CSimpleFaceDlg dlg;
  dlg.m_Direction = kFaceAlongYRightward;
  dlg.m_TwoWay = 1;
  const std::string record = RecordOf(dlg);
  const std::string head = "Ostrivo_ToolPath 3 9 3 1 1\n 1 20.00 0.00 50.00\n 100.00 -100.00 200.00\n";
  EXPECT_EQ(record.substr(0, head.size()), head);
  EXPECT_NE(record.find("\n 0.00 0.00 0.00\n 0.00 10.00 100.00 300\n 1 0\n 1 0\n"), std::string::npos) << record;
  EXPECT_EQ(record.substr(record.size() - 3), " 1\n") << "the two-way switch trails";

  CSimpleFaceDlg read;
  ASSERT_TRUE(read.ReadParamRecord(record.c_str()));
  EXPECT_EQ(read.m_Direction, kFaceAlongYRightward);
  EXPECT_EQ(read.m_TwoWay, 1);
  EXPECT_EQ(RecordOf(read), record);
}

TEST(SimpleCycleRecord, AFaceRecordWithoutTheTwoWayLineKeepsTheDialogsChoice) {
  CSimpleFaceDlg written;
  written.m_Stepover = 12.345f;
  const std::string older = WithoutLastLine(RecordOf(written));
  CSimpleFaceDlg read;
  read.m_TwoWay = 1;
  ASSERT_TRUE(read.ReadParamRecord(older.c_str()));
  EXPECT_EQ(read.m_TwoWay, 1);
  EXPECT_FLOAT_EQ(read.m_Stepover, 12.35f) << "two decimals are stored";
}

TEST(SimpleCycleRecord, PocketRecordsRoundTripWithTheirPlunge) {
  CSimplePocketDlg dlg;
  dlg.m_PocketType = kSimplePocketRounded;
  dlg.m_Shape.xSize = 12.345f;
  dlg.m_StartPointOn = 1;
  dlg.m_StartX = -4.5;
  dlg.m_Plunge.m_PlungeMethod = kPlungeCircular;
  dlg.m_Tool.m_ToolType = 3;
  dlg.m_Tool.m_CornerRadius = 2.0f;
  const std::string record = RecordOf(dlg);
  EXPECT_EQ(record.substr(0, record.find('\n') + 1), "Ostrivo_ToolPath 3 6 2 1\n");
  CSimplePocketDlg read;
  ASSERT_TRUE(read.ReadParamRecord(record.c_str()));
  EXPECT_EQ(read.m_PocketType, kSimplePocketRounded);
  EXPECT_FLOAT_EQ(read.m_Shape.xSize, 12.35f);
  EXPECT_EQ(read.m_StartPointOn, 1);
  EXPECT_DOUBLE_EQ(read.m_StartX, -4.5);
  EXPECT_EQ(read.m_Plunge.m_PlungeMethod, kPlungeCircular);
  EXPECT_EQ(read.m_Tool.m_ToolName, CString("R20.0-2.0-50.0")) << "the tool name is made anew";
}

TEST(SimpleCycleRecord, ABadRecordChangesNothingAndSaysWhere) {
  const std::string good = RecordOf(CSimplePocketDlg());
  struct Case {
    std::string record, why;
  };
  const Case cases[] = {
      {WithLine(good, 5, " nan 20.00 -50.00"), "5"},
      {WithLine(good, 5, " 0.00 20.00 -50.00"), "Z Stepover"},  // 0 would make endless layers
      {WithLine(good, 8, " 90.00 0.00 0.00 0.00"), "X -  taper"},
      {WithLine(good, 1, "Ostrivo_ToolPath 3 6 4 1"), "Pocket Type"},
      {WithLine(good, 9, " 100.00"), "가공 피드"},
      {good.substr(0, good.find(" 1 0 0\n")), "11"},
  };
  for (const Case& c : cases) {
    CSimplePocketDlg dlg;
    dlg.m_Feed = 777;
    const std::string before = RecordOf(dlg);
    CString refusal;
    EXPECT_FALSE(dlg.ReadParamRecord(c.record.c_str(), &refusal)) << c.record;
    EXPECT_EQ(RecordOf(dlg), before) << c.record;
    EXPECT_NE(refusal.str().find(c.why), std::string::npos) << refusal.str();
  }
  CSimplePocketDlg pocket;
  EXPECT_FALSE(pocket.ReadParamRecord(RecordOf(CSimpleFaceDlg()).c_str())) << "another kind";
  EXPECT_FALSE(pocket.ReadParamRecord(nullptr));
  EXPECT_FALSE(pocket.ReadParamRecord("Pocket 3 6 1 1\n"));
}

}  // namespace
