// The NC view as a person sees it: coloured NC words, and the highlight
// command that switches the colouring and leaves the document alone.
#include <cstdio>

#include "editor/app/app_ids.h"
#include "editor/app/app_test_support.h"

namespace app_test {
namespace {

constexpr char kProgram[] = "%\r\nN10 G01 X10. (CUT)\r\nN20 M30\r\n%";

class SampleViewTest : public AppTest {
 protected:
  // The colour runs of a row: "cell text/back; ..." in hexadecimal RGB.
  std::string RowText(int row) {
    afx::DrainMessages();
    const std::vector<afx::ScreenRow> rows = Headless().Screen(ActiveView()->m_hWnd);
    if (row >= static_cast<int>(rows.size())) return "";
    std::string text;
    char run[48];
    for (const afx::ScreenRow::Run& each : rows[static_cast<size_t>(row)].runs) {
      std::snprintf(run, sizeof run, "%s%d %02X%02X%02X/%02X%02X%02X", text.empty() ? "" : "; ", each.column,
                    GetRValue(each.text), GetGValue(each.text), GetBValue(each.text), GetRValue(each.back),
                    GetGValue(each.back), GetBValue(each.back));
      text += run;
    }
    return text;
  }
  bool Checked(UINT id) {
    CCmdUI probe;
    probe.m_nID = id;
    probe.DoUpdate(ActiveView(), FALSE);
    return probe.m_nCheck == 1;
  }
};

TEST_F(SampleViewTest, TheViewColoursTheNcWordsOfEachLine) {
  const std::string path = WriteFile("part.nc", kProgram);
  ASSERT_TRUE(Start({path}));
  // N normal, G01 magenta, X blue, its value black, the comment orange.
  EXPECT_EQ(RowText(1),
            "0 000000/C0C0C0; 8 000000/FFFFFF; 12 FF00FF/FFFFFF; 16 0000FF/FFFFFF; 17 000000/FFFFFF; "
            "21 E18C1A/FFFFFF; 26 000000/FFFFFF");
  EXPECT_EQ(RowText(2), "0 000000/C0C0C0; 8 000000/FFFFFF; 12 00B700/FFFFFF; 13 000000/FFFFFF");
}

TEST_F(SampleViewTest, TheHighlightCommandSwitchesOnlyTheColouringAndNeverTheText) {
  const std::string path = WriteFile("part.nc", kProgram);
  ASSERT_TRUE(Start({path}));
  CSampleView* view = ActiveView();
  CSampleDoc* doc = ActiveDoc();
  const int undo_records = doc->m_xTextBuffer.UndoRecordCount();
  EXPECT_TRUE(Checked(ID_VIEW_NC_HIGHLIGHT));

  Command(ID_VIEW_NC_HIGHLIGHT);
  EXPECT_TRUE(view->GetNoNcColouring());
  EXPECT_FALSE(Checked(ID_VIEW_NC_HIGHLIGHT));
  EXPECT_EQ(RowText(1), "0 000000/C0C0C0; 8 000000/FFFFFF");
  EXPECT_EQ(doc->m_xTextBuffer.LineCount(), 4);
  EXPECT_EQ(doc->m_xTextBuffer.LineView(1), "N10 G01 X10. (CUT)");
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(doc->m_xTextBuffer.UndoRecordCount(), undo_records);

  Command(ID_VIEW_NC_HIGHLIGHT);
  EXPECT_FALSE(view->GetNoNcColouring());
  EXPECT_TRUE(Checked(ID_VIEW_NC_HIGHLIGHT));
  EXPECT_NE(RowText(1).find("FF00FF"), std::string::npos);
  ASSERT_TRUE(doc->DoSave(path.c_str()));
  EXPECT_EQ(ReadFile(path), kProgram);
}

TEST_F(SampleViewTest, WithNcCodeZeroTheViewStartsPlainAndTheSecondToggleColoursIt) {
  settings::Write("NcCode", "0", false);
  const std::string path = WriteFile("part.nc", kProgram);
  ASSERT_TRUE(Start({path}));
  CSampleView* view = ActiveView();
  EXPECT_TRUE(view->GetNoNcColouring());
  EXPECT_FALSE(Checked(ID_VIEW_NC_HIGHLIGHT)) << "the first update follows NcCode";
  Command(ID_VIEW_NC_HIGHLIGHT);
  EXPECT_TRUE(view->GetNoNcColouring());
  Command(ID_VIEW_NC_HIGHLIGHT);
  EXPECT_FALSE(view->GetNoNcColouring());
  EXPECT_NE(RowText(1).find("FF00FF"), std::string::npos);
}

TEST_F(SampleViewTest, EachViewKeepsItsOwnColouringSwitch) {
  const std::string path = WriteFile("part.nc", kProgram);
  ASSERT_TRUE(Start({path}));
  CSampleView* first = ActiveView();
  Command(ID_WINDOW_NEW);
  CSampleView* second = ActiveView();
  ASSERT_NE(first, second);
  Command(ID_VIEW_NC_HIGHLIGHT);
  EXPECT_TRUE(second->GetNoNcColouring());
  EXPECT_FALSE(first->GetNoNcColouring());
}

}  // namespace
}  // namespace app_test
