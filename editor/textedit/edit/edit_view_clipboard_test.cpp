// Cut, copy and paste, with text of every line-end style.
#include "editor/textedit/edit/edit_view_test_support.h"
#include "editor/textedit/edit/line_breaks.h"

namespace editview_test {
namespace {

class EditViewClipboard : public EditViewTest {};

TEST(LineBreaks, EveryBreakBecomesCrLf) {
  EXPECT_EQ(line_breaks::ToCrLf("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(line_breaks::ToCrLf("\n\n"), "\r\n\r\n");
  EXPECT_EQ(line_breaks::ToCrLf("\r\r\n"), "\r\n\r\n");
  EXPECT_EQ(line_breaks::ToCrLf("x\n\r"), "x\r\n\r\n");
  EXPECT_EQ(line_breaks::ToCrLf("가\n"), "가\r\n");
}

TEST_F(EditViewClipboard, CutAndPasteMoveTextAndUndoInOneStepEach) {
  Show("N10 G01\r\nN20 X5.\r\nM30");
  Select(At(4, 0), At(3, 1));
  EXPECT_TRUE(Update(ID_EDIT_CUT).m_bEnabled);
  Press("Ctrl+X");
  EXPECT_EQ(Headless().ClipboardText(), "G01\r\nN20");
  EXPECT_EQ(Saved(*buffer_), "N10  X5.\r\nM30");
  EXPECT_EQ(Caret(), "(4,0)");
  EXPECT_FALSE(Update(ID_EDIT_CUT).m_bEnabled);
  EXPECT_EQ(Update(ID_EDIT_UNDO).m_strText, "&Undo Cut\tCtrl+Z");

  view_->SetCursorPosition(At(3, 1));
  Press("Ctrl+V");
  EXPECT_EQ(Saved(*buffer_), "N10  X5.\r\nM30G01\r\nN20");
  EXPECT_EQ(Caret(), "(3,2)");
  // Pasting over a selection replaces it; one undo brings the selection back.
  Select(At(0, 0), At(3, 0));
  Press("Shift+Insert");
  EXPECT_EQ(Saved(*buffer_), "G01\r\nN20  X5.\r\nM30G01\r\nN20");
  Press("Ctrl+Z");
  EXPECT_EQ(Saved(*buffer_), "N10  X5.\r\nM30G01\r\nN20");
  Press("Ctrl+Z");
  Press("Ctrl+Z");
  EXPECT_EQ(Saved(*buffer_), "N10 G01\r\nN20 X5.\r\nM30");
  // Copy leaves the text.
  Select(At(0, 2), At(3, 2));
  Press("Ctrl+C");
  EXPECT_EQ(Headless().ClipboardText(), "M30");
  EXPECT_EQ(Saved(*buffer_), "N10 G01\r\nN20 X5.\r\nM30");
}

TEST_F(EditViewClipboard, PastedLinesTakeTheBufferStyleWhateverTheirEnds) {
  struct Case {
    const char* file;
    const char* saved;
  };
  // A CR LF file, an LF CR file and an LF file, each given lines ending in LF, CR and CR LF.
  const Case cases[] = {
      {"A\r\nB", "A1\r\n2\r\n3\r\n4\r\nB"},
      {"A\n\rB", "A1\n\r2\n\r3\n\r4\n\rB"},
      {"A\nB", "A1\n2\n3\n4\nB"},
  };
  for (const Case& each : cases) {
    Show(each.file);
    view_->SetCursorPosition(At(1, 0));
    Headless().PutClipboardText("1\n2\r3\r\n4");
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(buffer_->LineCount(), 5) << each.file;
    EXPECT_EQ(Saved(*buffer_), each.saved);
    EXPECT_EQ(Caret(), "(1,3)");
    Press("Ctrl+Z");
    EXPECT_EQ(Saved(*buffer_), each.file);
  }
}

TEST_F(EditViewClipboard, PasteWithNothingOnTheClipboardKeepsTheSelection) {
  Show("G01 X1.");
  Select(At(0, 0), At(3, 0));
  Headless().PutClipboardText("");
  EXPECT_FALSE(Update(ID_EDIT_PASTE).m_bEnabled);
  Command(ID_EDIT_PASTE);
  EXPECT_EQ(Saved(*buffer_), "G01 X1.");
  EXPECT_EQ(Selection(), "(0,0)-(3,0)");
}

// A view whose clipboard takes nothing.
class RefusingClipboardView : public CVellumEditView {
 public:
  BOOL PutClipboardText(const CString&) override { return FALSE; }
};

TEST_F(EditViewClipboard, CutKeepsTheTextWhenTheClipboardDoesNotTakeIt) {
  buffer_ = &LoadBuffer("G01 X1.\r\nM30");
  view_ = AddView<RefusingClipboardView>(*buffer_);
  UseScript("ok\n");
  Select(At(0, 0), At(4, 0));
  Command(ID_EDIT_CUT);
  EXPECT_EQ(Saved(*buffer_), "G01 X1.\r\nM30");
  EXPECT_EQ(Selection(), "(0,0)-(4,0)");
  EXPECT_FALSE(buffer_->HasUndo());
  EXPECT_NE(Transcript().find("잘라내지 않았습니다"), std::string::npos) << Transcript();
}

}  // namespace
}  // namespace editview_test
