// Drag and drop of text inside a view, between views and from outside, the
// drop caret, scrolling near the edges and the refusals.
#include "editor/textedit/edit/edit_view_test_support.h"

namespace editview_test {
namespace {

class EditViewDrop : public EditViewTest {
 protected:
  // Drags from a cell of the focused view to a point in its client coordinates.
  void DragTo(CPoint from, CPoint to, bool copy = false) {
    ui::KeyChord modifiers;
    modifiers.ctrl = copy;
    Headless().Drag(from.x, from.y, to.x, to.y, modifiers);
    afx::DrainMessages();
  }
  // A cell of the view right of the focused one, in the focused view's coordinates.
  static CPoint NextViewCell(int column, int row) { return Cell(column, row) + CPoint(kViewWidth, 0); }
};

TEST_F(EditViewDrop, DraggingASelectionMovesItAndOneUndoTakesTheMoveBack) {
  const std::string original = "N10 G01 X5.\r\nM30";
  Show(original);
  Select(At(4, 0), At(7, 0));
  DragTo(Cell(5, 0), Cell(2, 1));
  EXPECT_EQ(Saved(*buffer_), "N10  X5.\r\nM3G010");
  EXPECT_EQ(Selection(), "(2,1)-(5,1)");
  EXPECT_EQ(Update(ID_EDIT_UNDO).m_strText, "&Undo Drag And Drop\tCtrl+Z");
  Press("Ctrl+Z");
  EXPECT_EQ(Saved(*buffer_), original);
  Press("Ctrl+Y");
  EXPECT_EQ(Saved(*buffer_), "N10  X5.\r\nM3G010");

  // Dropped before the dragged text on its own line, the text it leaves is still the one removed.
  Select(At(5, 0), At(8, 0));  // "X5."
  DragTo(Cell(6, 0), Cell(0, 0));
  EXPECT_EQ(Saved(*buffer_), "X5.N10  \r\nM3G010");
}

TEST_F(EditViewDrop, CtrlCopiesInsteadOfMoving) {
  Show("N10 G01 X5.\r\nM30");
  Select(At(4, 0), At(7, 0));
  DragTo(Cell(5, 0), Cell(3, 1), true);
  EXPECT_EQ(Saved(*buffer_), "N10 G01 X5.\r\nM30G01");
}

TEST_F(EditViewDrop, ADropInsideTheDraggedTextChangesNothingButTheCaret) {
  const std::string original = "N10 G01 X5.\r\nM30";
  Show(original);
  Select(At(4, 0), At(7, 0));
  DragTo(Cell(5, 0), Cell(6, 0));
  EXPECT_EQ(Saved(*buffer_), original);
  EXPECT_EQ(Caret(), "(6,0)");
  EXPECT_FALSE(buffer_->HasUndo());

  // The same from a second view of the same text, as in a split window.
  CVellumEditView* first = view_;
  CVellumEditView* second = AddView(*buffer_, 1);
  first->SetFocus();
  Select(At(4, 0), At(7, 0), first);
  DragTo(Cell(5, 0), NextViewCell(5, 0));
  EXPECT_EQ(Saved(*buffer_), original);
  // Outside the dragged text the second view takes it, and one undo takes the move back.
  Select(At(4, 0), At(7, 0), first);
  DragTo(Cell(5, 0), NextViewCell(3, 1));
  EXPECT_EQ(Saved(*buffer_), "N10  X5.\r\nM30G01");
  EXPECT_EQ(Selection(second), "(3,1)-(6,1)");
  Command(ID_EDIT_UNDO, second);
  EXPECT_EQ(Saved(*buffer_), original);
}

TEST_F(EditViewDrop, TextMovesAndCopiesBetweenViewsOfDifferentTexts) {
  CVellumTextBuffer& source = LoadBuffer("G01 X1.\r\nM30");
  CVellumTextBuffer& target = LoadBuffer("%\r\n%");
  CVellumEditView* to = AddView(target, 1);
  view_ = AddView(source, 0);
  Select(At(0, 0), At(3, 1));
  DragTo(Cell(1, 0), NextViewCell(1, 0));
  EXPECT_EQ(Saved(source), "");
  EXPECT_EQ(Saved(target), "%G01 X1.\r\nM30\r\n%");
  EXPECT_EQ(Selection(to), "(1,0)-(3,1)");
  Command(ID_EDIT_UNDO, to);
  EXPECT_EQ(Saved(target), "%\r\n%");
  Command(ID_EDIT_UNDO);
  EXPECT_EQ(Saved(source), "G01 X1.\r\nM30");

  // A view that does not edit offers a copy only: its text stays where it was.
  view_->DestroyWindow();
  view_ = nullptr;
  CVellumTextView* reader = AddView<CVellumTextView>(source, 0);
  EXPECT_EQ(reader->DragSourceEffects(), DROPEFFECT_COPY);
  reader->SetAnchor(At(0, 1));
  reader->SetSelection(At(0, 1), At(3, 1));
  DragTo(Cell(1, 1), NextViewCell(0, 1), true);
  EXPECT_EQ(Saved(source), "G01 X1.\r\nM30");
  EXPECT_EQ(Saved(target), "%\r\nM30%");
}

TEST_F(EditViewDrop, AReadOnlyViewRefusesTheDragEveryWay) {
  CVellumTextBuffer& source = LoadBuffer("G01 X1.");
  CVellumTextBuffer& target = LoadBuffer("M30");
  target.SetReadOnly(TRUE);
  CVellumEditView* to = AddView(target, 1);
  view_ = AddView(source, 0);
  Select(At(0, 0), At(3, 0));
  DragTo(Cell(1, 0), NextViewCell(1, 0));
  EXPECT_EQ(Saved(source), "G01 X1.");
  EXPECT_EQ(Saved(target), "M30");

  COleDataObject data("G02");
  const int top = to->TopLine();
  EXPECT_EQ(to->OnDragEnter(&data, 0, Cell(1, 0)), DROPEFFECT_NONE);
  EXPECT_EQ(to->OnDragOver(&data, 0, Cell(1, 0)), DROPEFFECT_NONE);
  EXPECT_EQ(to->OnDragScroll(0, CPoint(Cell(1, 0).x, kRows * kCellHeight - 1)), DROPEFFECT_NONE);
  EXPECT_FALSE(to->OnDrop(&data, DROPEFFECT_COPY, Cell(1, 0)));
  EXPECT_FALSE(to->IsDropCaretShown());
  EXPECT_EQ(to->TopLine(), top);
  EXPECT_EQ(Saved(target), "M30");

  // Drops can also be switched off for a view that edits.
  view_->DisableDragAndDrop(TRUE);
  EXPECT_EQ(view_->OnDragEnter(&data, 0, Cell(1, 0)), DROPEFFECT_NONE);
  EXPECT_FALSE(view_->OnDrop(&data, DROPEFFECT_COPY, Cell(1, 0)));
  EXPECT_EQ(Saved(source), "G01 X1.");
}

TEST_F(EditViewDrop, TextFromAnotherProgramShowsADropCaretAndBecomesLines) {
  Show("N10\r\nN20");
  ASSERT_TRUE(view_->HasDropTarget());
  afx::WindowRecord& window = *afx::RecordOf(view_->m_hWnd);
  EXPECT_EQ(afx::DragEnter(window, "G01\nG02", 0, Cell(1, 1)), DROPEFFECT_MOVE);
  EXPECT_TRUE(view_->IsDropCaretShown());
  EXPECT_TRUE(Headless().Caret().grey);
  EXPECT_EQ(Headless().Caret().position, view_->TextToClient(At(1, 1)));
  EXPECT_EQ(afx::DragOver(window, MK_CONTROL, Cell(2, 0)), DROPEFFECT_COPY);
  afx::DragLeave(window);
  EXPECT_FALSE(view_->IsDropCaretShown());
  EXPECT_FALSE(Headless().Caret().grey);

  EXPECT_EQ(afx::Drop(window, "G01\nG02\r", DROPEFFECT_COPY, Cell(3, 1)), DROPEFFECT_COPY);
  EXPECT_EQ(Saved(*buffer_), "N10\r\nN20G01\r\nG02\r\n");
  EXPECT_EQ(Selection(), "(3,1)-(0,3)");
}

TEST_F(EditViewDrop, DraggingNearAnEdgeScrollsTheView) {
  std::string text;
  for (int line = 0; line < 40; ++line)
    text += "N" + std::to_string(line) + " G01 X123456789012345678901234567890123456789012\r\n";
  Show(text);
  view_->ScrollToLine(5);
  const int bottom = kRows * kCellHeight;
  EXPECT_EQ(view_->OnDragScroll(0, CPoint(200, 2)), DROPEFFECT_MOVE | DROPEFFECT_SCROLL);
  EXPECT_EQ(view_->TopLine(), 4);
  EXPECT_EQ(view_->OnDragScroll(MK_CONTROL, CPoint(200, bottom - 3)), DROPEFFECT_COPY | DROPEFFECT_SCROLL);
  EXPECT_EQ(view_->TopLine(), 5);
  EXPECT_EQ(view_->OnDragScroll(0, CPoint(kViewWidth - 2, 50)), DROPEFFECT_MOVE | DROPEFFECT_SCROLL);
  EXPECT_EQ(view_->HorizontalOffset(), 1);
  EXPECT_EQ(view_->OnDragScroll(0, CPoint(CVellumTextView::kMarginWidth + 1, 50)), DROPEFFECT_MOVE | DROPEFFECT_SCROLL);
  EXPECT_EQ(view_->HorizontalOffset(), 0);
  EXPECT_EQ(view_->OnDragScroll(0, CPoint(200, 50)), DROPEFFECT_NONE);
  view_->OnDragLeave();
}

}  // namespace
}  // namespace editview_test
