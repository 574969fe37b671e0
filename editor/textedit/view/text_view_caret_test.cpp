// The caret and the selection under the keys and the mouse: moves by
// character, word, line, page and document, the remembered column, selecting
// with Shift and by dragging, clicks in the margin and the wheel.
#include <gtest/gtest.h>

#include "editor/textedit/view/text_view_test_support.h"

namespace textview_test {
namespace {

std::vector<std::string> Program() {
  std::vector<std::string> lines = {"G01 X10.5 Y20.0", "M3", "N30 G00 Z5. (DEPTH)", "", "\tX1", "가나다 라", "   G01"};
  for (int i = 7; i < 30; ++i) lines.push_back("L" + std::to_string(i));
  return lines;
}

class TextViewCaret : public TextViewTest {
 protected:
  void SetUp() override { Show(Program(), 40, 10); }
  std::string Caret() { return Describe(view_->GetCursorPosition()); }
  // The caret after each press of a key.
  std::vector<std::string> Presses(const std::string& chord, int count) {
    std::vector<std::string> stops;
    for (int i = 0; i < count; ++i) {
      Press(chord);
      stops.push_back(Caret());
    }
    return stops;
  }
};

TEST_F(TextViewCaret, WordMovesStopAtWordsPunctuationAndLineEnds) {
  EXPECT_EQ(Presses("Ctrl+Right", 9), (std::vector<std::string>{"(4,0)", "(7,0)", "(8,0)", "(10,0)", "(13,0)", "(14,0)",
                                                                "(15,0)", "(0,1)", "(2,1)"}));
  // At the end of line 2 an empty line follows: it is passed over.
  view_->SetCursorPosition(At(19, 2));
  Press("Ctrl+Right");
  EXPECT_EQ(Caret(), "(0,4)");
  Press("Ctrl+Left");
  EXPECT_EQ(Caret(), "(0,3)");
  Press("Ctrl+Left");
  EXPECT_EQ(Caret(), "(18,2)");  // back over the closing parenthesis
  Press("Ctrl+Left");
  EXPECT_EQ(Caret(), "(13,2)");
  // Korean syllables are one word; the caret never stands inside one.
  view_->SetCursorPosition(At(0, 5));
  Press("Ctrl+Right");
  EXPECT_EQ(Caret(), "(10,5)");
  Press("Ctrl+Right");
  EXPECT_EQ(Caret(), "(13,5)");
}

TEST_F(TextViewCaret, AtTheStartOfTheTextAWordMoveLeftChangesNothing) {
  view_->SetCursorPosition(At(0, 0));
  view_->SetAnchor(At(5, 0));
  view_->SetSelection(At(5, 0), At(0, 0));
  Press("Shift+Ctrl+Left");
  EXPECT_EQ(Selected(), "G01 X");
  Press("Ctrl+Left");  // with a selection: to its start
  EXPECT_EQ(Caret(), "(0,0)");
  EXPECT_FALSE(view_->HasSelection());
}

TEST_F(TextViewCaret, LineMovesKeepTheRememberedColumnThroughShortLines) {
  Press("End");
  EXPECT_EQ(Caret(), "(15,0)");
  EXPECT_EQ(Presses("Down", 5), (std::vector<std::string>{"(2,1)", "(15,2)", "(0,3)", "(3,4)", "(13,5)"}));
  EXPECT_EQ(Presses("Up", 5), (std::vector<std::string>{"(3,4)", "(0,3)", "(15,2)", "(2,1)", "(15,0)"}));
  EXPECT_EQ(view_->RememberedColumn(), 15);

  // Column 5 falls on the '1' behind a tab, and inside 다, which is not split.
  view_->SetCursorPosition(At(5, 2));
  EXPECT_EQ(Presses("Down", 3), (std::vector<std::string>{"(0,3)", "(2,4)", "(6,5)"}));
  // A click sets the caret without touching the remembered column.
  view_->SetCursorPosition(At(10, 0));
  Headless().Click(Cell(3, 0).x, Cell(3, 0).y);
  EXPECT_EQ(Caret(), "(3,0)");
  Press("Down");
  EXPECT_EQ(Caret(), "(2,1)");
  Press("Down");
  EXPECT_EQ(Caret(), "(10,2)");
}

TEST_F(TextViewCaret, PageAndDocumentMovesScrollAndKeepTheCharacterIndex) {
  view_->SetCursorPosition(At(1, 0));
  Press("PageDown");
  EXPECT_EQ(view_->TopLine(), 9);
  EXPECT_EQ(Caret(), "(1,9)");
  Press("PageDown");
  EXPECT_EQ(view_->TopLine(), 18);
  EXPECT_EQ(Caret(), "(1,18)");
  Press("PageUp");
  EXPECT_EQ(view_->TopLine(), 9);
  EXPECT_EQ(Caret(), "(1,9)");
  view_->SetCursorPosition(At(0, 4));
  view_->ScrollToLine(0);
  Press("PageUp");  // from the first screen: the top stays, the caret stops at line 0
  EXPECT_EQ(view_->TopLine(), 0);
  EXPECT_EQ(Caret(), "(0,0)");
  Press("Ctrl+End");
  EXPECT_EQ(Caret(), "(3,29)");
  EXPECT_EQ(view_->TopLine(), 20);
  Press("Shift+Ctrl+Home");
  EXPECT_EQ(Caret(), "(0,0)");
  EXPECT_EQ(view_->TopLine(), 0);
  TextPosition start;
  TextPosition end;
  view_->GetSelection(start, end);
  EXPECT_EQ(Describe(end), "(3,29)");
}

TEST_F(TextViewCaret, HomeGoesToTheFirstNonBlankThenToColumnZero) {
  view_->SetCursorPosition(At(5, 6));
  Press("Home");
  EXPECT_EQ(Caret(), "(3,6)");
  Press("Home");
  EXPECT_EQ(Caret(), "(0,6)");
  Press("Home");
  EXPECT_EQ(Caret(), "(3,6)");
}

TEST_F(TextViewCaret, ShiftSelectionAndAMouseDragSelectTheSameText) {
  view_->SetCursorPosition(At(4, 2));
  view_->SetAnchor(At(4, 2));
  Press("Shift+Down");
  Press("Shift+Down");
  Press("Shift+Right");
  const std::string by_keys = Selected();
  EXPECT_EQ(by_keys, "G00 Z5. (DEPTH)\r\n\r\n\tX");

  Press("Ctrl+Home");
  EXPECT_FALSE(view_->HasSelection());
  Headless().Drag(Cell(4, 2).x, Cell(4, 2).y, Cell(5, 4).x, Cell(5, 4).y);
  EXPECT_EQ(Selected(), by_keys);
  EXPECT_EQ(Caret(), "(2,4)");
  EXPECT_FALSE(view_->IsSelecting());

  // Upwards, and over wide characters: 나다 from its end back to its start.
  Headless().Drag(Cell(6, 5).x, Cell(6, 5).y, Cell(2, 5).x, Cell(2, 5).y);
  EXPECT_EQ(Selected(), "나다");
  view_->SetCursorPosition(At(9, 5));
  view_->SetAnchor(At(9, 5));
  Press("Shift+Left");
  Press("Shift+Left");
  EXPECT_EQ(Selected(), "나다");
}

TEST_F(TextViewCaret, CharacterMovesStepOverWholeCharacters) {
  view_->SetCursorPosition(At(0, 5));
  EXPECT_EQ(Presses("Right", 5), (std::vector<std::string>{"(3,5)", "(6,5)", "(9,5)", "(10,5)", "(13,5)"}));
  Press("Right");
  EXPECT_EQ(Caret(), "(0,6)");
  Press("Left");
  EXPECT_EQ(Caret(), "(13,5)");
  view_->SetCursorPosition(At(3, 5));
  view_->SetAnchor(At(3, 5));
  Press("Shift+Right");
  EXPECT_EQ(Selected(), "나");
  // With a selection, Left and Right go to its ends.
  Press("Left");
  EXPECT_EQ(Caret(), "(3,5)");
  // Down with a selection starts from its end, not from the caret.
  view_->SetCursorPosition(At(0, 0));
  view_->SetSelection(At(0, 0), At(2, 1));
  Press("Down");
  EXPECT_EQ(Caret(), "(0,2)");
}

TEST_F(TextViewCaret, ClicksRoundToTheNearerCharacterBoundary) {
  const CPoint left_half = Cell(1, 0);
  Headless().Click(left_half.x, left_half.y);
  EXPECT_EQ(Caret(), "(1,0)");
  Headless().Click(left_half.x + 5, left_half.y);  // the right half of '0'
  EXPECT_EQ(Caret(), "(2,0)");
  Headless().Click(Cell(30, 1).x, Cell(30, 1).y);  // right of the line's end
  EXPECT_EQ(Caret(), "(2,1)");
  // On a wide character: its first three quarters put the caret before it.
  Headless().Click(Cell(5, 5).x, Cell(5, 5).y);
  EXPECT_EQ(Caret(), "(6,5)");
  Headless().Click(Cell(5, 5).x + 5, Cell(5, 5).y);
  EXPECT_EQ(Caret(), "(9,5)");
}

TEST_F(TextViewCaret, ClickingBelowTheTextGoesToTheLastLine) {
  Load({"A1", "B22"});
  view_->BindBuffer(&buffer_);
  Headless().Click(Cell(1, 8).x, Cell(1, 8).y);
  EXPECT_EQ(Caret(), "(1,1)");
}

TEST_F(TextViewCaret, TheMarginSelectsWholeLines) {
  // The button goes down on the line's start and comes up on the next line's start.
  Headless().Click(10, Cell(0, 2).y);
  EXPECT_EQ(Caret(), "(0,3)");
  EXPECT_EQ(Selected(), "N30 G00 Z5. (DEPTH)\r\n");
  Headless().Drag(10, Cell(0, 2).y, 10, Cell(0, 4).y);
  EXPECT_EQ(Selected(), "N30 G00 Z5. (DEPTH)\r\n\r\n\tX1\r\n");
  ui::KeyChord ctrl;
  ctrl.ctrl = true;
  Headless().Click(10, Cell(0, 1).y, ctrl);
  TextPosition start;
  TextPosition end;
  view_->GetSelection(start, end);
  EXPECT_EQ(Describe(start), "(0,0)");
  EXPECT_EQ(Describe(end), "(3,29)");
}

TEST_F(TextViewCaret, DoubleClicksSelectWords) {
  Headless().DoubleClick(Cell(9, 2).x, Cell(9, 2).y);
  EXPECT_EQ(Selected(), "Z5");
  EXPECT_EQ(Caret(), "(10,2)");
  EXPECT_FALSE(view_->IsSelecting());
  Headless().DoubleClick(Cell(2, 5).x, Cell(2, 5).y);
  EXPECT_EQ(Selected(), "가나다");
  // Between two blanks there is no word.
  Load({"a  b"});
  view_->BindBuffer(&buffer_);
  Headless().DoubleClick(Cell(2, 0).x, Cell(2, 0).y);
  EXPECT_FALSE(view_->HasSelection());
  EXPECT_EQ(Caret(), "(2,0)");
}

TEST_F(TextViewCaret, TheWheelScrollsUpByItsDeltaAndDownToTheEndOfTheTextOnly) {
  for (int i = 0; i < 10; ++i) Headless().Wheel(-120);
  afx::DrainMessages();
  EXPECT_EQ(view_->TopLine(), 20);  // the last line at the bottom of the window
  Headless().Wheel(120);            // 120 / 16 / 2 lines
  EXPECT_EQ(view_->TopLine(), 17);
  Headless().Wheel(960);
  EXPECT_EQ(view_->TopLine(), 0);
  EXPECT_EQ(view_->GetScrollPos(SB_VERT), 0);
}

TEST_F(TextViewCaret, ScrollingKeysMoveTheTextButNotTheCaret) {
  Press("Ctrl+Down");
  Press("Ctrl+Down");
  EXPECT_EQ(view_->TopLine(), 2);
  EXPECT_EQ(Caret(), "(0,0)");
  EXPECT_EQ(Row(0), "000003  N30 G00 Z5. (DEPTH)");
  Press("Ctrl+Up");
  EXPECT_EQ(view_->TopLine(), 1);
  // Revealing the caret brings its line back.
  Press("Right");
  EXPECT_EQ(view_->TopLine(), 0);
}

TEST_F(TextViewCaret, TheCursorShowsWhatAClickWouldDo) {
  view_->SetSelection(At(0, 1), At(2, 1));
  Headless().Click(10, Cell(0, 0).y);
  EXPECT_EQ(Headless().Cursor().shape, afx::CursorShape::kResource);
  EXPECT_EQ(Headless().Cursor().resource_id, static_cast<UINT>(IDC_MARGIN_CURSOR));
  view_->SetSelection(At(0, 1), At(2, 1));
  Headless().RightClick(Cell(1, 1).x, Cell(1, 1).y);  // over the selection, which stays
  EXPECT_EQ(Headless().Cursor().shape, afx::CursorShape::kArrow);
  Headless().Click(Cell(6, 2).x, Cell(6, 2).y);
  EXPECT_EQ(Headless().Cursor().shape, afx::CursorShape::kIBeam);
}

// A drop target that keeps what was dropped on it.
class DropRecorder : public COleDropTarget {
 public:
  std::string text;
  DROPEFFECT OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) override { return DROPEFFECT_MOVE | DROPEFFECT_COPY; }
  DROPEFFECT OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint) override { return DROPEFFECT_MOVE | DROPEFFECT_COPY; }
  BOOL OnDrop(CWnd*, COleDataObject* data, DROPEFFECT, CPoint) override {
    HGLOBAL block = data->GetGlobalData(CF_TEXT);
    afx::TextFromGlobal(block, &text);
    GlobalFree(block);
    return TRUE;
  }
};

class DragSourceView : public CVellumTextView {
 public:
  DROPEFFECT ended = 12345;
  void DragSourceEnded(DROPEFFECT effect) override { ended = effect; }
};

TEST_F(TextViewCaret, ASelectionDraggedOutOfTheViewIsOnlyCopied) {
  frame_.DestroyWindow();
  Load(Program());
  auto* view = new DragSourceView;
  MakeView(view, 40, 10);
  CWnd target;
  ASSERT_TRUE(target.CreateEx(0, nullptr, "target", WS_POPUP | WS_VISIBLE, CRect(0, 200, 380, 260), nullptr, 0));
  DropRecorder recorder;
  ASSERT_TRUE(recorder.Register(&target));
  view->SetFocus();
  view->SetSelection(At(4, 2), At(7, 2));
  const int before = buffer_.UndoRecordCount();
  Headless().Drag(Cell(5, 2).x, Cell(5, 2).y, Cell(3, 13).x, Cell(3, 13).y);
  EXPECT_EQ(recorder.text, "G00");
  EXPECT_EQ(view->ended, DROPEFFECT_COPY);
  EXPECT_EQ(buffer_.LineView(2), "N30 G00 Z5. (DEPTH)");
  EXPECT_EQ(buffer_.UndoRecordCount(), before);
  recorder.Revoke();
  target.DestroyWindow();
}

TEST_F(TextViewCaret, HoldingTheMouseOutsideWhileSelectingScrollsByTheTimer) {
  std::vector<std::string> lines = Program();
  lines[25] = std::string(60, 'x');
  Load(lines);
  view_->BindBuffer(&buffer_);
  view_->ScrollToLine(15);
  const CPoint down = Cell(2, 3);
  view_->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
  EXPECT_TRUE(view_->IsSelecting());
  EXPECT_EQ(Headless().TimersOf(view_->m_hWnd).count(kSelectionTimer), 1u);
  EXPECT_EQ(Caret(), "(2,18)");

  // More than one line height above the window: three lines every 100 ms; exactly one: one line.
  Headless().SetCursorPosition(CPoint(down.x, -17));
  Headless().AdvanceClock(100);
  EXPECT_EQ(view_->TopLine(), 12);
  EXPECT_EQ(Caret(), "(2,11)");  // the line the mouse stands on, above the window
  Headless().AdvanceClock(100);
  EXPECT_EQ(view_->TopLine(), 9);
  Headless().SetCursorPosition(CPoint(down.x, -16));
  Headless().AdvanceClock(100);
  EXPECT_EQ(view_->TopLine(), 8);
  EXPECT_EQ(Describe(view_->GetAnchor()), "(2,18)");
  TextPosition start;
  TextPosition end;
  view_->GetSelection(start, end);
  EXPECT_EQ(Describe(start), "(2,7)");
  EXPECT_EQ(Describe(end), "(2,18)");

  // Below the window: down; right of it: one column right.
  Headless().SetCursorPosition(CPoint(down.x, 160));
  Headless().AdvanceClock(100);
  EXPECT_EQ(view_->TopLine(), 9);
  Headless().SetCursorPosition(CPoint(400, 40 + 16 * 16));
  Headless().AdvanceClock(100);
  EXPECT_EQ(view_->TopLine(), 12);
  EXPECT_EQ(view_->HorizontalOffset(), 1);
  // Inside the window nothing scrolls.
  Headless().SetCursorPosition(CPoint(down.x, 40));
  Headless().AdvanceClock(300);
  EXPECT_EQ(view_->TopLine(), 12);

  view_->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(down.x, 40));
  EXPECT_FALSE(view_->IsSelecting());
  EXPECT_TRUE(Headless().TimersOf(view_->m_hWnd).empty());
}

}  // namespace
}  // namespace textview_test
