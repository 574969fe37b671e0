// Printing on the headless printer (A4 at 300 dots per inch, printable
// 2380 x 3408 dots): the printer font, pages inside the margins, the
// footer, word-wrapped long lines and margins that leave no room.
#include <gtest/gtest.h>

#include "editor/textedit/view/text_view_test_support.h"

namespace textview_test {
namespace {

// The screen's 8 x 16 cell at 300 / (96 x 2): 12 x 25 dots. Margins of 10 mm
// are 118 dots; the footer band takes 37 of the 3,172 dots between them,
// leaving 3,135 dots for 125 lines of 25.
constexpr int kLinesPerPage = 125;
constexpr int kTop = 118;

std::vector<std::string> Numbered(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back("N" + std::to_string(i + 1) + " G01 X" + std::to_string(i));
  return lines;
}

class TextViewPrint : public TextViewTest {
 protected:
  const afx::PrintedDocument& PrintDirect() {
    const size_t before = Headless().Printed().size();
    Command(ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(Headless().Printed().size(), before + 1);
    return Headless().Printed().back();
  }
  // The text of the first line on a printed page, and the footer.
  static std::string RunAt(const afx::Canvas& page, int y) {
    for (const afx::DrawOp* run : page.TextRuns()) {
      if (run->from.y == y) return run->text;
    }
    return "<none>";
  }
  static std::string Footer(const afx::Canvas& page) {
    for (const afx::DrawOp* run : page.TextRuns()) {
      if (run->text.rfind("Page ", 0) == 0) return run->text;
    }
    return "<none>";
  }
};

TEST_F(TextViewPrint, AThousandLinesMakeEightPagesOfAHundredAndTwentyFive) {
  Show(Numbered(1000), 40, 10);
  const afx::PrintedDocument& printed = PrintDirect();
  ASSERT_TRUE(printed.finished);
  ASSERT_EQ(printed.pages.size(), 8u);
  for (size_t page = 0; page < printed.pages.size(); ++page) {
    const int first = static_cast<int>(page) * kLinesPerPage;
    EXPECT_EQ(RunAt(printed.pages[page], kTop), "N" + std::to_string(first + 1) + " G01 X" + std::to_string(first));
    EXPECT_EQ(Footer(printed.pages[page]), "Page " + std::to_string(page + 1) + "/8");
  }
  // The last line of a page sits 124 lines below its first, in the printer font.
  const afx::Canvas& first_page = printed.pages[0];
  EXPECT_EQ(RunAt(first_page, kTop + 124 * 25), "N125 G01 X124");
  EXPECT_EQ(first_page.TextRuns()[0]->font.lfHeight, 25);
  EXPECT_EQ(first_page.TextRuns()[0]->font.lfWidth, 12);
  EXPECT_EQ(RunAt(printed.pages[7], kTop), "N876 G01 X875");
  EXPECT_EQ(RunAt(printed.pages[7], kTop + 124 * 25), "N1000 G01 X999");
  EXPECT_EQ(view_->PrintPageCount(), 0);  // the page table goes with the print job
}

TEST_F(TextViewPrint, LongLinesWrapAndTabsAreExpanded) {
  std::vector<std::string> lines = Numbered(200);
  std::string words;
  while (words.size() < 300) words += "X1.5 Y2.5 ";
  lines[9] = words;  // 300 characters: two printed lines of at most 178
  lines[10] = "\tM30";
  Show(lines, 40, 10);
  const afx::PrintedDocument& printed = PrintDirect();
  ASSERT_EQ(printed.pages.size(), 2u);
  EXPECT_EQ(RunAt(printed.pages[1], kTop), "N125 G01 X124");  // one line less fits on page 1
  EXPECT_EQ(RunAt(printed.pages[0], kTop + 11 * 25), "    M30");
  EXPECT_NE(RunAt(printed.pages[0], kTop + 10 * 25), "<none>");  // the wrapped rest of line 10
}

TEST_F(TextViewPrint, TheHeaderBandMovesTheTextDown) {
  Show(Numbered(10), 40, 10);
  view_->SetPrintHeader(TRUE);
  view_->SetPrintFooter(FALSE);
  const afx::PrintedDocument& printed = PrintDirect();
  ASSERT_EQ(printed.pages.size(), 1u);
  EXPECT_EQ(RunAt(printed.pages[0], kTop + 37), "N1 G01 X0");
  EXPECT_EQ(Footer(printed.pages[0]), "<none>");
}

TEST_F(TextViewPrint, MarginsThatLeaveNoRoomAreShrunkAndPagesAlwaysAdvance) {
  CWinApp app("printing");
  app.SetRegistryKey("Velmora Test");
  for (const char* entry : {"TopMargin", "BottomMargin", "LeftMargin", "RightMargin"}) {
    app.WriteProfileInt("VellumEdit\\PageSetup", entry, 20000);
  }
  // A quarter of the page is left: 595 x 852 dots, 49 characters by 32 lines.
  std::vector<std::string> lines = Numbered(40);
  std::string huge;
  while (huge.size() < 4000) huge += "G01 X1. ";
  lines[35] = huge;  // taller than a whole page
  Show(lines, 40, 10);
  const afx::PrintedDocument& printed = PrintDirect();
  ASSERT_TRUE(printed.finished);
  ASSERT_EQ(printed.pages.size(), 4u);
  const int top = (3408 - 852) / 2;
  EXPECT_EQ(RunAt(printed.pages[0], top), "N1 G01 X0");
  EXPECT_EQ(RunAt(printed.pages[1], top), "N33 G01 X32");
  EXPECT_EQ(RunAt(printed.pages[2], top), "G01 X1. G01 X1. G01 X1. G01 X1. G01 X1. G01 X1. ");
  EXPECT_EQ(RunAt(printed.pages[3], top), "N37 G01 X36");
  EXPECT_EQ(Footer(printed.pages[3]), "Page 4/4");
}

TEST_F(TextViewPrint, PageSetupKeepsItsMarginsInTheProfile) {
  CWinApp app("printing");
  app.SetRegistryKey("Velmora Test");
  Show(Numbered(3), 40, 10);
  UseScript("set " + std::to_string(IDC_MARGIN_LEFT) + " 2500\nok\n");
  Command(ID_FILE_PAGE_SETUP);
  EXPECT_EQ(app.GetProfileInt("VellumEdit\\PageSetup", "LeftMargin", 0), 2500u);
  EXPECT_EQ(app.GetProfileInt("VellumEdit\\PageSetup", "TopMargin", 0), 1000u);
  // 25 mm on the left: 295 dots.
  const afx::PrintedDocument& printed = PrintDirect();
  EXPECT_EQ(printed.pages[0].TextRuns().back()->from.x, 295);
}

}  // namespace
}  // namespace textview_test
