// Typing, undo and redo, overwrite, delete and backspace, block indent,
// auto-indent and the editing commands' states.
#include "editor/textedit/edit/edit_view_test_support.h"

namespace editview_test {
namespace {

class EditViewTyping : public EditViewTest {};

TEST_F(EditViewTyping, TypedTextUndoesToTheOriginalBytesAndRedoesAgain) {
  const std::string original = "%\r\nO1000\r\nG01 X10.\r\nM30\r\n";
  Show(original);
  view_->SetCursorPosition(At(8, 2));
  Type(" Y5.");
  Press("Enter");
  Type("G00 Z50.");
  view_->SetCursorPosition(At(0, 0));
  Type("한");
  const std::string edited = "한%\r\nO1000\r\nG01 X10. Y5.\r\nG00 Z50.\r\nM30\r\n";
  EXPECT_EQ(Saved(*buffer_), edited);
  EXPECT_TRUE(buffer_->IsModified());

  int steps = 0;
  while (Update(ID_EDIT_UNDO).m_bEnabled) {
    Press("Ctrl+Z");
    ++steps;
  }
  EXPECT_EQ(Saved(*buffer_), original);
  EXPECT_FALSE(buffer_->IsModified());
  // " Y5.", the line break with the "G00" typed behind it, " Z50." and "한" typed elsewhere.
  EXPECT_EQ(steps, 4);
  while (Update(ID_EDIT_REDO).m_bEnabled) Press("Ctrl+Y");
  EXPECT_EQ(Saved(*buffer_), edited);
  EXPECT_EQ(Caret(), "(3,0)");  // behind the three bytes of "한"
}

TEST_F(EditViewTyping, AWordIsOneStepAndABlankStartsTheNext) {
  Show("");
  Type("ab cd");
  EXPECT_EQ(Update(ID_EDIT_UNDO).m_strText, "&Undo Typing\tCtrl+Z");
  Press("Ctrl+Z");
  EXPECT_EQ(Saved(*buffer_), "ab");
  Press("Ctrl+Z");
  EXPECT_EQ(Saved(*buffer_), "");
  EXPECT_FALSE(Update(ID_EDIT_UNDO).m_bEnabled);
  EXPECT_EQ(Update(ID_EDIT_REDO).m_strText, "&Redo Typing\tCtrl+Y");
}

TEST_F(EditViewTyping, TypingJoinsOnlyTheTypingThatEndsAtTheCaret) {
  Show("N10\r\nN20");
  view_->SetCursorPosition(At(3, 0));
  Type("X1");
  view_->SetCursorPosition(At(3, 1));
  Type("Y2");
  // Typing elsewhere was a step of its own.
  Press("Ctrl+Z");
  EXPECT_EQ(Saved(*buffer_), "N10X1\r\nN20");
  // Typing after a paste is no part of the paste.
  Headless().PutClipboardText("P");
  Command(ID_EDIT_PASTE);
  Type("Q");
  Press("Ctrl+Z");
  EXPECT_EQ(Saved(*buffer_), "N10X1\r\nN20P");
  Press("Ctrl+Z");
  EXPECT_EQ(Saved(*buffer_), "N10X1\r\nN20");
}

TEST_F(EditViewTyping, OverwriteReplacesCharactersAndEnterOnlyMovesDown) {
  Show("G01 X가\r\nM30");
  Press("Insert");
  EXPECT_EQ(Update(ID_EDIT_SWITCH_OVRMODE).m_nCheck, 1);
  EXPECT_TRUE(Update(ID_INDICATOR_OVR).m_bEnabled);
  view_->SetCursorPosition(At(1, 0));
  Type("00");
  EXPECT_EQ(buffer_->LineView(0), "G00 X가");
  view_->SetCursorPosition(At(5, 0));
  Type("Y");  // the whole wide character goes, not one of its bytes
  EXPECT_EQ(buffer_->LineView(0), "G00 XY");
  Type("Z");  // at the line's end it appends
  EXPECT_EQ(buffer_->LineView(0), "G00 XYZ");
  Press("Enter");
  EXPECT_EQ(Caret(), "(0,1)");
  EXPECT_EQ(buffer_->LineCount(), 2);
  // On the last line Enter breaks it.
  view_->SetCursorPosition(At(3, 1));
  Press("Enter");
  EXPECT_EQ(Saved(*buffer_), "G00 XYZ\r\nM30\r\n");
  // A selection is replaced, no character behind it.
  Select(At(0, 1), At(2, 1));
  Type("Q");
  EXPECT_EQ(buffer_->LineView(1), "Q0");
  Press("Insert");
  EXPECT_FALSE(Update(ID_INDICATOR_OVR).m_bEnabled);
}

TEST_F(EditViewTyping, DeleteAndBackspaceJoinLinesAndStopAtTheEnds) {
  Show("ab\r\ncd");
  view_->SetCursorPosition(At(0, 0));
  Press("Backspace");  // nothing before the first line
  EXPECT_EQ(Saved(*buffer_), "ab\r\ncd");
  view_->SetCursorPosition(At(2, 0));
  Press("Delete");
  EXPECT_EQ(Saved(*buffer_), "abcd");
  EXPECT_EQ(Update(ID_EDIT_UNDO).m_strText, "&Undo Delete\tCtrl+Z");
  view_->SetCursorPosition(At(4, 0));
  Press("Delete");  // nothing behind the last line
  EXPECT_EQ(Saved(*buffer_), "abcd");
  Press("Backspace");
  EXPECT_EQ(Saved(*buffer_), "abc");
  Press("Ctrl+Z");
  Press("Ctrl+Z");
  EXPECT_EQ(Saved(*buffer_), "ab\r\ncd");
  view_->SetCursorPosition(At(0, 1));
  Press("Backspace");
  EXPECT_EQ(Saved(*buffer_), "abcd");
  EXPECT_EQ(Caret(), "(2,0)");
  // With a selection both delete it.
  Select(At(1, 0), At(3, 0));
  Press("Backspace");
  EXPECT_EQ(Saved(*buffer_), "ad");
}

TEST_F(EditViewTyping, DeleteLineEmptiesTheSelectedLines) {
  Show("one\r\ntwo\r\nthree\r\nfour");
  Select(At(1, 1), At(2, 2));
  Command(ID_EDIT_DELETE_LINE);
  EXPECT_EQ(Saved(*buffer_), "one\r\n\r\nfour");
  EXPECT_EQ(Caret(), "(0,1)");
}

TEST_F(EditViewTyping, TabIndentsSelectedLinesAndBackTabTakesTheIndentAway) {
  const std::string lines = "a\r\nbbbb\r\ncccc\r\ndddd\r\ne\r\nf";
  Show(lines);
  // A selection that ends at a line's start leaves that line out.
  Select(At(3, 1), At(0, 4));
  Press("Tab");
  EXPECT_EQ(Saved(*buffer_), "a\r\n\tbbbb\r\n\tcccc\r\n\tdddd\r\ne\r\nf");
  EXPECT_EQ(Selection(), "(0,1)-(0,4)");
  EXPECT_EQ(Caret(), "(0,4)");
  Press("Ctrl+Z");
  EXPECT_EQ(Saved(*buffer_), lines);

  // Two blanks and a tab go together; four blanks are one tab's worth; a blank line stays.
  Show("  \tx\r\n      y\r\n\r\n\t\tz");
  Select(At(1, 0), At(2, 3));
  Press("Shift+Tab");
  EXPECT_EQ(Saved(*buffer_), "x\r\n  y\r\n\r\n\tz");
  EXPECT_EQ(Update(ID_EDIT_UNDO).m_strText, "&Undo Indent\tCtrl+Z");
  // The block reaches the last line: the selection ends at the text's end.
  EXPECT_EQ(Selection(), "(0,0)-(2,3)");
}

TEST_F(EditViewTyping, TabInsertsATabOrMovesToTheNextStopInOverwrite) {
  Show("abcdefgh\r\nx\tyz");
  view_->SetCursorPosition(At(1, 0));
  Press("Tab");
  EXPECT_EQ(buffer_->LineView(0), "a\tbcdefgh");
  Press("Ctrl+Z");
  Press("Insert");
  view_->SetCursorPosition(At(1, 0));
  Press("Tab");
  EXPECT_EQ(Caret(), "(4,0)");  // column 4, text unchanged
  EXPECT_EQ(buffer_->LineView(0), "abcdefgh");
  view_->SetCursorPosition(At(0, 1));
  Press("Tab");
  EXPECT_EQ(Caret(), "(2,1)");  // stops right behind the tab it passes
  // Back-tab goes to the previous stop without a selection.
  view_->SetCursorPosition(At(6, 0));
  Press("Shift+Tab");
  EXPECT_EQ(Caret(), "(4,0)");
  Press("Shift+Tab");
  EXPECT_EQ(Caret(), "(0,0)");
  EXPECT_EQ(buffer_->LineView(0), "abcdefgh");
}

TEST_F(EditViewTyping, EnterIndentsLikeTheLineAboveAndOneUndoTakesOnlyTheIndent) {
  Show("\t\tG01 X1.");
  view_->SetCursorPosition(At(9, 0));
  Press("Enter");
  EXPECT_EQ(Saved(*buffer_), "\t\tG01 X1.\r\n\t\t");
  EXPECT_EQ(Caret(), "(2,1)");
  EXPECT_EQ(Update(ID_EDIT_UNDO).m_strText, "&Undo Auto Indent\tCtrl+Z");
  Press("Ctrl+Z");
  EXPECT_EQ(Saved(*buffer_), "\t\tG01 X1.\r\n");
  Press("Ctrl+Z");
  EXPECT_EQ(Saved(*buffer_), "\t\tG01 X1.");

  view_->SetAutoIndent(FALSE);
  view_->SetCursorPosition(At(9, 0));
  Press("Enter");
  EXPECT_EQ(Saved(*buffer_), "\t\tG01 X1.\r\n");
}

TEST_F(EditViewTyping, ALaterGroupWithoutALineBreakDoesNotIndentAgain) {
  Show("  N10");
  view_->SetCursorPosition(At(5, 0));
  Press("Enter");
  EXPECT_EQ(Saved(*buffer_), "  N10\r\n  ");
  Press("Ctrl+Z");  // the indent goes; the line break's record is the last one now
  // A group that records nothing (a drag that nobody took) must not indent again.
  buffer_->BeginUndoGroup(FALSE);
  buffer_->FlushUndoGroup(view_);
  EXPECT_EQ(Saved(*buffer_), "  N10\r\n");
}

TEST_F(EditViewTyping, AReadOnlyBufferRefusesEveryEdit) {
  Show("G01\r\nM30");
  buffer_->SetReadOnly(TRUE);
  EXPECT_FALSE(view_->CanEdit());
  view_->SetCursorPosition(At(1, 0));
  Type("x");
  Press("Enter");
  Press("Delete");
  Press("Backspace");
  Press("Tab");
  Headless().PutClipboardText("p");
  Command(ID_EDIT_PASTE);
  Command(ID_EDIT_DELETE_LINE);
  EXPECT_EQ(Saved(*buffer_), "G01\r\nM30");
  for (UINT id : {ID_EDIT_PASTE, ID_EDIT_CUT, ID_EDIT_DELETE, ID_EDIT_UNDO, ID_EDIT_REPLACE, ID_EDIT_DELETE_LINE}) {
    EXPECT_FALSE(Update(id).m_bEnabled) << id;
  }
  EXPECT_TRUE(Update(ID_EDIT_INDICATOR_READ).m_bEnabled);
  EXPECT_FALSE(Update(ID_EDIT_INDICATOR_COL).m_bEnabled);
  buffer_->SetReadOnly(FALSE);
  EXPECT_FALSE(Update(ID_EDIT_INDICATOR_READ).m_bEnabled);
  EXPECT_TRUE(Update(ID_EDIT_PASTE).m_bEnabled);
}

}  // namespace
}  // namespace editview_test
