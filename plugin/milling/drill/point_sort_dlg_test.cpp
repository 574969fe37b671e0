#include "plugin/milling/drill/point_sort_dlg.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/classlib/dialogs/afx_message_box.h"
#include "platform/ui/script_driver.h"
#include "plugin/milling/drill/point_ordering.h"

namespace {

struct ScriptedDialog {
  explicit ScriptedDialog(const std::string& script) : input(script) { AfxSetAppName("Ostrivo"); }

  std::istringstream input;
  std::ostringstream transcript;
  ui::ScriptDriver driver{input, transcript, "test"};
  ui::ScopedUiDriver scope{driver};
};

TEST(PointSortDlg, KeepsTheClickedMethodAndToleranceOnOk) {
  CPointSortDlg dlg;
  ScriptedDialog run("show\nclick 415\nclick \"Sort17\"\nset 416 0.25\nok\n");
  EXPECT_EQ(dlg.DoModal(), IDOK) << run.transcript.str();
  EXPECT_EQ(dlg.m_SortMethod, kSortNearestNext);
  EXPECT_FLOAT_EQ(dlg.m_SortToler, 0.25f);
  EXPECT_NE(run.transcript.str().find("\"정렬 공차\""), std::string::npos) << run.transcript.str();
}

TEST(PointSortDlg, EveryOpeningStartsWithTheFirstMethodAndCancelGivesBackTheOldOne) {
  CPointSortDlg dlg;
  dlg.m_SortMethod = kSortRowsFromTopZigzag;
  {
    ScriptedDialog run("click 414\nset 416 7\ncancel\n");
    EXPECT_EQ(dlg.DoModal(), IDCANCEL) << run.transcript.str();
  }
  EXPECT_EQ(dlg.m_SortMethod, kSortRowsFromTopZigzag);
  EXPECT_FLOAT_EQ(dlg.m_SortToler, 1.0f);
  ScriptedDialog run("ok\n");
  EXPECT_EQ(dlg.DoModal(), IDOK) << run.transcript.str();
  EXPECT_EQ(dlg.m_SortMethod, kSortColumnsUp);
}

TEST(PointSortDlg, ANegativeToleranceKeepsTheDialogOpen) {
  CPointSortDlg dlg;
  ScriptedDialog run("set 416 -1\nok\nok\nset 416 3\nok\n");
  EXPECT_EQ(dlg.DoModal(), IDOK) << run.transcript.str();
  EXPECT_NE(run.transcript.str().find("between 0"), std::string::npos) << run.transcript.str();
  EXPECT_FLOAT_EQ(dlg.m_SortToler, 3.0f);
}

}  // namespace
