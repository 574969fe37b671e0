// CVellumEditView: the text view made editable. Typing, overwrite, delete
// and backspace, block indent with tabs, auto-indent, cut and paste, undo and
// redo, delete line, drag and drop of text and the find and replace dialogs.
// Every change goes through the buffer's InsertText / DeleteText inside an
// undo group, so that each command undoes as one step. The application's NC
// view derives from it.
#pragma once

#include <memory>

#include "editor/textedit/edit/edit_ids.h"
#include "editor/textedit/view/text_view.h"

class CEditDropTarget;

class CVellumEditView : public CVellumTextView {
  DECLARE_DYNCREATE(CVellumEditView)

 public:
  CVellumEditView();
  ~CVellumEditView() override;

  // Resets overwrite (off) and auto-indent (on), then the text view.
  void ClearViewState() override;
  // The view has a buffer that is not read-only; no command changes text otherwise.
  virtual BOOL CanEdit();

  BOOL GetOverwriteMode() const { return overwrite_; }
  void SetOverwriteMode(BOOL on) { overwrite_ = on; }
  BOOL GetAutoIndent() const { return auto_indent_; }
  void SetAutoIndent(BOOL on) { auto_indent_ = on; }

  // The caret goes to pos, the selection and the anchor collapse onto it and it is scrolled into view.
  void MoveCaretTo(TextPosition pos);
  // Replaces the selection by text (one undo step, joined to the previous one with merge), selects
  // the inserted text with the caret at its end; FALSE when there is no selection or no edit.
  BOOL ReplaceSelection(const char* text, BOOL merge = FALSE);

  // Drops: called by the view's drop target. Points are client coordinates.
  virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  virtual void OnDragLeave();
  // DROPEFFECT_SCROLL with the effect when the point is near an edge and the view scrolled.
  virtual DROPEFFECT OnDragScroll(DWORD dwKeyState, CPoint point);
  virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
  BOOL IsDropCaretShown() const { return drop_caret_shown_; }
  BOOL HasDropTarget() const { return drop_target_ != nullptr; }

  // Auto-indent after a line break typed in this view.
  void AfterEditAction(int action, const CString& text) override;
  HGLOBAL MakeDragData() override;
  DROPEFFECT DragSourceEffects() override;
  // After a move out of this view the dragged text goes.
  void DragSourceEnded(DROPEFFECT effect) override;

 protected:
  // Selection of more than one line: the lines a block indent works on.
  struct LineBlock {
    int first = 0;
    int last = 0;
  };
  BOOL HasMultiLineSelection() const;
  LineBlock SelectedLineBlock() const;
  // Selects the block's whole lines, the caret at the block's end.
  void SelectLineBlock(LineBlock block);
  // Deletes the selection (when there is one) with action; the caret goes to its start.
  void DeleteSelection(int action);
  // Inserts text at the caret with action and moves the caret behind it.
  BOOL InsertAtCaret(const char* text, int action);
  void TypeLineBreak();
  // The last applied record is typing that ended where the caret stands, and nothing is selected.
  BOOL ContinuesTypingAtCaret();
  void TypeCharacter(UINT character);
  void IndentBlock();
  void UnindentBlock();
  void MoveToNextTabStop();
  void MoveToPreviousTabStop();
  // The dragged text's range when the drop point lies inside it (this or another view of the same buffer).
  BOOL DropsIntoDraggedText(TextPosition pos) const;
  void ShowDropCaret(CPoint point);
  void HideDropCaret();
  DROPEFFECT DropEffectFor(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  void UndoOrRedo(BOOL redo);
  // Enabled while there is a step to take; the item names its action.
  void UpdateUndoOrRedo(CCmdUI* pCmdUI, BOOL redo);

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnEditPaste();
  afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
  afx_msg void OnEditCut();
  afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
  afx_msg void OnEditDelete();
  afx_msg void OnEditDeleteBack();
  afx_msg void OnEditTab();
  afx_msg void OnEditUntab();
  afx_msg void OnEditSwitchOverwrite();
  afx_msg void OnUpdateEditSwitchOverwrite(CCmdUI* pCmdUI);
  afx_msg void OnEditUndo();
  afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
  afx_msg void OnEditRedo();
  afx_msg void OnUpdateEditRedo(CCmdUI* pCmdUI);
  afx_msg void OnEditDeleteLine();
  afx_msg void OnUpdateEditing(CCmdUI* pCmdUI);
  afx_msg void OnEditFind();
  afx_msg void OnEditReplace();
  afx_msg void OnUpdateEditReplace(CCmdUI* pCmdUI);
  afx_msg void OnUpdateIndicatorOverwrite(CCmdUI* pCmdUI);
  afx_msg void OnUpdateIndicatorRead(CCmdUI* pCmdUI);
  afx_msg void OnUpdateIndicatorColumn(CCmdUI* pCmdUI);

  DECLARE_MESSAGE_MAP()

 private:
  BOOL overwrite_ = FALSE;
  // Drag and drop.
  BOOL drop_caret_shown_ = FALSE;
  TextPosition drop_position_;
  BOOL auto_indent_ = TRUE;
  // Set while this view flushes the group of a line break it typed.
  BOOL flushing_line_break_ = FALSE;
  std::unique_ptr<CEditDropTarget> drop_target_;
  // The editing view whose selection is being dragged, if any.
  static CVellumEditView* dragging_view_;
};
