#include "plugin/milling/multi_cycle_dlg.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "plugin/milling/drill_record.h"
#include "plugin/milling/drill_test_drawing.h"
#include "plugin/milling/multi_cycle_file.h"
#include "plugin/shell/toolpath_entities.h"
#include "plugin/shell/toolpath_store.h"

namespace {

using namespace drill_test;

std::string NameAndText(const CMultiCycleDlg& dlg, int i) {
  return std::string(dlg.m_CycleNames[i].GetString()) + "|" + dlg.m_CycleTexts[i].GetString();
}

DrillRecordValues ValuesOf(const CString& text) {
  DrillRecordValues values;
  EXPECT_EQ(ParseDrillRecord(text, values), DrillRecordRead::kComplete) << text.GetString();
  return values;
}

TEST(MultiCycleDlg, EachRegisteredCycleKeepsItsOwnValues) {
  ShellSession session("click 447\nselect 360 1\nset 364 2.5\nclick 447\nset 364 4\nclick 447\nshow\ncancel\n");
  CMultiCycleDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL) << session.transcript();
  ASSERT_EQ(dlg.m_CycleNames.GetSize(), 3);
  EXPECT_EQ(dlg.m_CycleNames[0], "Drill");
  EXPECT_EQ(dlg.m_CycleNames[1], "Peck");
  EXPECT_EQ(dlg.m_CycleNames[2], "Peck");
  EXPECT_FLOAT_EQ(ValuesOf(dlg.m_CycleTexts[1]).dwell, 2.5f);
  EXPECT_FLOAT_EQ(ValuesOf(dlg.m_CycleTexts[2]).dwell, 4.0f);
  EXPECT_EQ(ValuesOf(dlg.m_CycleTexts[2]).cycleIndex, 1);
  EXPECT_TRUE(Contains(session.transcript(), "      2: Peck")) << session.transcript();
  EXPECT_TRUE(Contains(session.transcript(), "Dialog: 다중 싸이클")) << session.transcript();
}

// The list's handlers, to be called without the dialog on the screen.
class ListHandlers : public CMultiCycleDlg {
 public:
  using CMultiCycleDlg::OnDelete;
  using CMultiCycleDlg::OnEditCycle;
};

TEST(MultiCycleDlg, DeletingOrEditingWithNothingSelectedDoesNothing) {
  ShellSession session("click 447\nclick 447\nselect 446 0\nclick 448\nclick 448\ncancel\n");
  CMultiCycleDlg dlg;
  dlg.DoModal();
  EXPECT_EQ(dlg.m_CycleNames.GetSize(), 1);
  EXPECT_EQ(dlg.m_CycleTexts.GetSize(), 1);

  ListHandlers handlers;
  handlers.m_CycleNames.Add("Drill");
  handlers.m_CycleTexts.Add("Ostrivo_ToolPath 2 3 0\n");
  handlers.OnEditCycle();  // would open the cycle editor, which has no answers here
  handlers.OnDelete();
  EXPECT_EQ(handlers.m_CycleNames.GetSize(), 1);
  EXPECT_FALSE(session.failed()) << session.transcript();
}

TEST(MultiCycleDlg, OkWantsANameHolesAndConsentForEveryTakenToolpathName) {
  ShellSession session(
      "set 200  \nok\nok\nset 200 MD\nok\nok\nclick 359\n10,3\n^C\nok\ncancel\nok\nok\n");
  AddCircle(session, 10, 0, 3);
  AcDbObjectIdArray old;
  old.append(AddLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  ASSERT_TRUE(CreateToolpathGroup("MD_Drill_1", "Ostrivo_ToolPath 2 3 0\n", old));
  CMultiCycleDlg dlg;
  dlg.m_CycleNames.Add("Drill");
  dlg.m_CycleTexts.Add(MultiCycleRecordText(DrillRecordValues()));
  EXPECT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  const std::string text = session.transcript();
  EXPECT_TRUE(Contains(text, "공구경로 이름을 입력하시요.!!")) << text;
  EXPECT_TRUE(Contains(text, "[Message] 드릴 포인트가 선택되지 않았습니다!!")) << text;
  EXPECT_TRUE(Contains(text, "\"MD_Drill_1\"가 이미 존재합니다.")) << text;
  EXPECT_EQ(dlg.CycleToolpathName(0), "MD_Drill_1");
  EXPECT_EQ(ModelSpaceCount(session), 2) << "no hole circles yet: each toolpath gets its own";
}

TEST(MultiCycleDlg, ASavedListLoadsIntoAnEmptyListAsItWas) {
  ShellSession session;
  const std::string file = session.folder() / "cycles.mcp";
  ShellSession saving("click 447\nselect 360 2\nset 374 1.5\nclick 447\nclick 452\n" + file + "\ncancel\n");
  CMultiCycleDlg saved;
  saved.DoModal();
  ASSERT_EQ(saved.m_CycleNames.GetSize(), 2) << saving.transcript();

  ShellSession loading("click 451\n" + file.substr(0, file.size() - 4) + "\ncancel\n");
  CMultiCycleDlg loaded;
  loaded.DoModal();
  ASSERT_EQ(loaded.m_CycleNames.GetSize(), 2) << loading.transcript();
  for (int i = 0; i < 2; ++i) EXPECT_EQ(NameAndText(loaded, i), NameAndText(saved, i));
}

TEST(MultiCycleDlg, ADamagedEntryIsReportedAndLeftOut) {
  ShellSession session;
  const std::string file = session.folder() / "damaged.mcp";
  std::string good = MultiCycleFile::Text({{"Tap", MultiCycleRecordText(DrillRecordValues())}});
  std::ofstream(file, std::ios::binary) << good << "[Cycle_Start]\r\nBad\r\nOstrivo_ToolPath 2 3 1\r\n 1 1\r\n[Cycle_End]\r\n"
                                        << good;
  ShellSession loading("click 451\n" + file + "\nok\ncancel\n");
  CMultiCycleDlg dlg;
  dlg.DoModal();
  EXPECT_EQ(dlg.m_CycleNames.GetSize(), 2);
  EXPECT_TRUE(Contains(loading.transcript(), "불러오지 않았습니다.!!\n  Bad")) << loading.transcript();
}

TEST(MultiCycleDlg, EditingAnEntryRenamesItAndStoresTheEditedRecord) {
  ShellSession session("click 447\ndblclick 446 0\nset 200 Centre\nset 279 -7\nok\nshow\ncancel\n");
  CMultiCycleDlg dlg;
  dlg.DoModal();
  ASSERT_EQ(dlg.m_CycleNames.GetSize(), 1) << session.transcript();
  EXPECT_EQ(dlg.m_CycleNames[0], "Centre");
  EXPECT_FLOAT_EQ(ValuesOf(dlg.m_CycleTexts[0]).zDepth, -7.0f);
  EXPECT_TRUE(Contains(session.transcript(), "      0: Centre")) << session.transcript();
  EXPECT_TRUE(Contains(session.transcript(), "Dialog: 드릴 공구경로\n드릴 공구경로> set 200 Centre"))
      << session.transcript();
}

}  // namespace
