#include "plugin/milling/drill_dlg.h"

#include <gtest/gtest.h>

#include <string>

#include "plugin/milling/drill_test_drawing.h"
#include "plugin/shell/selection_queries.h"
#include "plugin/shell/toolpath_entities.h"
#include "plugin/shell/toolpath_store.h"

namespace {

using namespace drill_test;

// The line "show" printed for a control, from the last "show".
std::string ShownLine(const std::string& transcript, int id) {
  const std::size_t show = transcript.rfind("> show");
  const std::string key = "\n  " + std::to_string(id) + " ";
  const std::size_t at = transcript.find(key, show == std::string::npos ? 0 : show);
  if (at == std::string::npos) return "";
  return transcript.substr(at + 1, transcript.find('\n', at + 1) - at - 1);
}

bool ShownReadOnly(const std::string& transcript, int id) { return Contains(ShownLine(transcript, id), "[read-only]"); }

// Editable of first peck, next peck, peck return, chip break, dwell, shift.
std::string CycleFieldStates(const std::string& transcript) {
  std::string states;
  for (int id : {361, 362, 363, 374, 364, 365}) states += ShownReadOnly(transcript, id) ? '-' : 'E';
  return states;
}

void Hold(CDrillDlg& dlg, std::initializer_list<AcGePoint3d> points) {
  for (const AcGePoint3d& point : points) dlg.m_Points.append(point);
}

void StoreToolpath(const char* name) {
  AcDbObjectIdArray ids;
  ids.append(AddLine(AcGePoint3d(500, 0, 0), AcGePoint3d(510, 0, 0)));
  ASSERT_TRUE(CreateToolpathGroup(name, "Ostrivo_ToolPath 2 3 0\n", ids));
}

TEST(DrillDlg, TheCycleDecidesWhichCycleValuesAreTyped) {
  ShellSession session("select 360 9\nshow\nselect 360 1\nshow\nselect 360 6\nshow\ncancel\n");
  CDrillDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::string text = session.transcript();
  const std::size_t peck = text.find("select 360 1");
  const std::size_t shift = text.find("select 360 6");
  EXPECT_EQ(CycleFieldStates(text.substr(0, peck)), "EEEEEE") << "a user cycle";
  EXPECT_EQ(CycleFieldStates(text.substr(0, shift)), "EEE---") << "peck drilling";
  EXPECT_EQ(CycleFieldStates(text), "----EE") << "shift boring";
  EXPECT_EQ(dlg.m_CycleIndex, 0) << "Cancel gives the cycle back";
  EXPECT_TRUE(Contains(ShownLine(text, 200), "\"Drill_1\"")) << text;
}

TEST(DrillDlg, OkChecksEveryValueBeforeItDrawsHoleCircles) {
  ShellSession session(
      // Kept points: yes. A retract height out of range, then Cancel.
      "ok\nset 4010 999999\nok\nok\ncancel\n"
      // Again, with the points, and OK.
      "ok\nok\n");
  AddCircle(session, 10, 0, 3);
  CDrillDlg dlg;
  Hold(dlg, {{10, 0, 0}, {30, 0, 0}});
  EXPECT_EQ(dlg.DoModal(), IDCANCEL) << session.transcript();
  EXPECT_TRUE(Contains(session.transcript(), "between -100000")) << session.transcript();
  EXPECT_EQ(ModelSpaceCount(session), 1) << "no hole circle before the values passed";
  EXPECT_TRUE(dlg.m_CircleIds.isEmpty());

  EXPECT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  EXPECT_EQ(ModelSpaceCount(session), 3);
  ASSERT_EQ(dlg.m_CircleIds.length(), 2);
  double radius = 0.0;
  AcGePoint3d centre;
  ASSERT_TRUE(GetCircleCenterRadius(dlg.m_CircleIds[1], centre, radius));
  EXPECT_EQ(centre, AcGePoint3d(30, 0, 0));
  EXPECT_DOUBLE_EQ(radius, 10.0);
}

TEST(DrillDlg, EmptyNamesAreRefusedAndATakenNameIsGivenUpOnlyWithConsent) {
  ShellSession session("set 200  \nok\nok\nset 200 Drill_9\nok\ncancel\nok\nok\n");
  StoreToolpath("Drill_9");
  CDrillDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  const std::string text = session.transcript();
  EXPECT_TRUE(Contains(text, "공구경로 이름을 입력하시요.!!")) << text;
  const std::size_t question = text.find("\"Drill_9\"가 이미 존재합니다.");
  ASSERT_NE(question, std::string::npos) << text;
  EXPECT_NE(text.find("\"Drill_9\"가 이미 존재합니다.", question + 1), std::string::npos) << "asked again: " << text;
  EXPECT_EQ(dlg.m_ToolpathName, "Drill_9");
}

TEST(DrillDlg, RegeneratingShowsAndKeepsTheToolpathsOwnName) {
  ShellSession session("show\nok\n");
  StoreToolpath("Drill_4");
  CDrillDlg dlg;
  dlg.m_Regenerate = 1;
  dlg.m_CycleEdit = 1;
  dlg.m_ToolpathName = "Drill_4";
  Hold(dlg, {{1, 2, 0}});
  EXPECT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  EXPECT_TRUE(Contains(ShownLine(session.transcript(), 200), "\"Drill_4\"")) << session.transcript();
  EXPECT_FALSE(Contains(session.transcript(), "이미 존재합니다")) << "its own name is no clash";
  EXPECT_FALSE(Contains(session.transcript(), "이미 선택된 Entity")) << session.transcript();
  EXPECT_EQ(dlg.m_ToolpathName, "Drill_4");
  EXPECT_EQ(dlg.m_CircleIds.length(), 1) << "the regenerated toolpath gets its circles";
}

TEST(DrillDlg, EditingACycleShowsItsNamePicksNothingAndDrawsNothing) {
  ShellSession session("show\nclick 359\nok\n");
  StoreToolpath("Peck");
  CDrillDlg dlg;
  dlg.m_CycleEdit = 1;
  dlg.m_StoredName = "Peck";
  Hold(dlg, {{1, 2, 0}});
  EXPECT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  EXPECT_TRUE(Contains(ShownLine(session.transcript(), 200), "\"Peck\"")) << session.transcript();
  EXPECT_FALSE(Contains(session.transcript(), "드릴 포인트를 선택")) << session.transcript();
  EXPECT_FALSE(Contains(session.transcript(), "이미 존재합니다")) << session.transcript();
  EXPECT_EQ(ModelSpaceCount(session), 1);
}

TEST(DrillDlg, KeptPointsAreShownOrForgotten) {
  ShellSession session("ok\ncancel\ncancel\ncancel\n");
  const AcDbObjectId held = AddCircle(session, 10, 0, 3);
  const AcDbObjectId other = AddCircle(session, 20, 0, 3);
  CDrillDlg dlg;
  Hold(dlg, {{10, 0, 0}});
  dlg.DoModal();
  EXPECT_FALSE(IsHighlighted(held)) << "Cancel takes the highlight away";
  EXPECT_FALSE(IsHighlighted(other));
  EXPECT_EQ(dlg.m_Points.length(), 1);
  dlg.DoModal();
  EXPECT_TRUE(dlg.m_Points.isEmpty());
  EXPECT_FALSE(session.failed()) << session.transcript();
}

TEST(DrillDlg, PicksAndClicksUpdateTheFormAndCancelGivesTheClicksBack) {
  ShellSession session(
      "click 391\nclick 359\n5,5\n5.005,5\n5,5.001\n^C\n"
      "click 373\n12.5,7,3\n"
      "click 271\nset 275 10\nok\n"
      "uncheck 325\nset 322 7\n"
      "uncheck 369\nshow\ncancel\n");
  CDrillDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL) << session.transcript();
  const std::string text = session.transcript();
  EXPECT_EQ(PointsOf(dlg.m_Points), (std::vector<AcGePoint3d>{{5, 5, 0}})) << "one of three within 0.01";
  EXPECT_TRUE(Contains(ShownLine(text, 370), "\"12.500\"")) << text;
  EXPECT_TRUE(Contains(ShownLine(text, 372), "\"3.000\"")) << text;
  EXPECT_TRUE(ShownReadOnly(text, 370)) << "no start point: " << text;
  EXPECT_TRUE(Contains(ShownLine(text, 271), "DR10.0-50.0")) << text;
  EXPECT_TRUE(Contains(ShownLine(text, 323), "\"7\"")) << text;
  EXPECT_NEAR(dlg.m_DrillTip.m_TipLength, 3.0043, 1e-4) << "the tip follows the new diameter";
  EXPECT_EQ(dlg.m_PointMode, kDrillPickCircles);
  EXPECT_EQ(dlg.m_StartPointOn, 1);
}

}  // namespace
