// CVellumTextView: the read-only view of a CVellumTextBuffer. It draws the
// lines with tab expansion, colour blocks from a per-line parse hook, marker
// colours, the selection and an optional line-number margin; keeps the
// caret, anchor and selection; scrolls; answers the mouse and the keyboard;
// searches; keeps bookmarks; prints; and copies to the clipboard. The editing
// view and the NC view derive from it.
//
// Positions are (byte index of a character start in the line, line index);
// screen columns are tab-expanded, a wide character taking two of them.
#pragma once

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "editor/textedit/text_buffer.h"
#include "editor/textedit/text_buffer_view.h"
#include "editor/textedit/text_position.h"
#include "editor/textedit/view/line_caches.h"
#include "editor/textedit/view/text_search.h"
#include "editor/textedit/view/text_view_ids.h"
#include "platform/classlib/afxwin.h"

// Colour indices that the drawing asks ColourOf for; parse hooks may use
// others (6 and up).
enum ColourIndex : int {
  COLOURINDEX_BEHIND_TEXT = 0,  // behind the end of lines and below the text
  COLOURINDEX_BACKGROUND = 1,
  COLOURINDEX_NORMAL_TEXT = 2,
  COLOURINDEX_MARGIN = 3,
  COLOURINDEX_SELECTION_BACKGROUND = 4,
  COLOURINDEX_SELECTION_TEXT = 5,
};

// From character position on (to the next block), the line shows in colour.
struct ColourBlock {
  int position = 0;
  int colour = COLOURINDEX_NORMAL_TEXT;
};

class CVellumTextView : public CView, public CTextBufferView {
  DECLARE_DYNCREATE(CVellumTextView)

 public:
  static constexpr int kMarginWidth = 60;
  static constexpr int kDefaultTabSize = 4;

  CVellumTextView();
  ~CVellumTextView() override;

  // The view's own hooks, in the order derived views know them.
  virtual void ClearViewState();
  virtual void DrawPageHeader(CDC* pDC, int page);
  virtual void DrawPageFooter(CDC* pDC, int page);
  virtual void PageHeaderText(int page, CString& text);
  virtual void PageFooterText(int page, CString& text);
  virtual void SyncPaneScrollBars(BOOL vertical);
  virtual void FollowPaneScroll(CVellumTextView* source, BOOL vertical);
  virtual int TextLineCount();
  virtual int TextLineLength(int line);
  virtual int VisualLineLength(int line);
  virtual const char* TextLineChars(int line);
  virtual DWORD TextLineFlags(int line);
  virtual void TextRange(TextPosition start, TextPosition end, CString& text);
  virtual BOOL ClipboardHasText();
  virtual BOOL PutClipboardText(const CString& text);
  virtual BOOL GetClipboardText(CString& text);
  virtual HGLOBAL MakeDragData();
  virtual DROPEFFECT DragSourceEffects();
  virtual void DragSourceEnded(DROPEFFECT effect);
  virtual COLORREF ColourOf(int index);
  // CLR_INVALID for both colours (and FALSE) when the line has no marker.
  virtual void LineColours(int line, COLORREF& background, COLORREF& text, BOOL& fill_behind_end);
  virtual BOOL IsItalicFor(int index);
  virtual BOOL IsBoldFor(int index);
  virtual void PaintLine(CDC* pDC, const CRect& rect, int line);
  virtual void PaintMargin(CDC* pDC, const CRect& rect, int line);
  // Returns the cookie that line hands to the next one; appends the line's
  // colour blocks, in increasing position, when blocks is given.
  virtual DWORD ColourBlocksHook(DWORD cookie, int line, std::vector<ColourBlock>* blocks);
  virtual HINSTANCE ResourceModule();
  virtual CVellumTextBuffer* FindTextBuffer();
  void OnBufferChange(CTextBufferView* source, const CPositionFixup* fixup, DWORD flags, int line) override;
  void AfterEditAction(int action, const CString& text) override;

  // The buffer shown (not owned); null asks FindTextBuffer.
  void BindBuffer(CVellumTextBuffer* buffer = nullptr);
  void UnbindBuffer();
  CVellumTextBuffer* GetTextBuffer() const { return buffer_; }

  // Drawing state and metrics.
  void SetTextFont(const LOGFONT& font);
  const LOGFONT& GetTextFont() const { return log_font_; }
  int LineHeight();
  int CharWidth();
  int TabSize() const { return tab_size_; }
  void SetTabSize(int tab_size);
  BOOL GetShowTabs() const { return show_tabs_; }
  void SetShowTabs(BOOL show);
  int ScreenLines();
  int ScreenChars();
  int MaxLineLength();
  void RepaintLines(int first, int last);
  int MarginWidth() const { return margin_ ? kMarginWidth : 0; }
  BOOL GetLineNumberMargin() const { return margin_; }
  int GetPointSize() const { return point_size_; }
  BOOL GetNoNcColouring() const { return no_nc_colouring_; }
  void SetNoNcColouring(BOOL off) { no_nc_colouring_ = off; }
  // The selection shows, with its end-of-line cell, although the view has no focus (while a dialog searches it).
  void ShowSelectionWithoutFocus(BOOL show);
  // The context menu is the main menu bar's third popup instead of its second.
  void SetAlternateContextMenu(BOOL alternate) { alternate_context_menu_ = alternate; }
  BOOL GetAlternateContextMenu() const { return alternate_context_menu_; }
  void DisableDragAndDrop(BOOL disable) { drag_disabled_ = disable; }
  BOOL IsDragAndDropDisabled() const { return drag_disabled_; }

  // Caret, anchor and selection.
  TextPosition GetCursorPosition() const { return caret_; }
  void SetCursorPosition(TextPosition pos);
  TextPosition GetAnchor() const { return anchor_; }
  void SetAnchor(TextPosition pos) { anchor_ = pos; }
  void GetSelection(TextPosition& start, TextPosition& end) const;
  void SetSelection(TextPosition start, TextPosition end);
  BOOL HasSelection() const { return !(selection_start_ == selection_end_); }
  int RememberedColumn() const { return remembered_column_; }
  void RevealPosition(TextPosition pos);
  void ScrollToLine(int line, BOOL update_bar = TRUE);
  void ScrollToColumn(int offset, BOOL update_bar = TRUE);
  int TopLine() const { return top_line_; }
  int HorizontalOffset() const { return offset_char_; }
  void SelectAll();
  TextPosition WordStartAt(TextPosition pos);
  TextPosition WordEndAt(TextPosition pos);
  void CopySelection();
  // Client points and text positions; round moves the point half a character right first.
  TextPosition ClientToText(CPoint point, BOOL round = TRUE);
  CPoint TextToClient(TextPosition pos);
  BOOL IsSelecting() const { return selecting_; }

  // Search: the match's start, or FALSE when there is none.
  BOOL SearchText(const char* what, TextPosition from, DWORD flags, BOOL wrap, TextPosition* found);
  BOOL SearchTextInBlock(const char* what, TextPosition from, TextPosition block_start, TextPosition block_end,
                         DWORD flags, BOOL wrap, TextPosition* found);
  // Selects a match of length bytes, the caret at its end, and scrolls to it.
  // reveal FALSE leaves the scrolling to the caller (a run of many matches reveals only its last).
  void SelectMatch(TextPosition start, int length, BOOL reveal = TRUE);
  // What find next and find previous search for (the find dialog sets it).
  void RememberSearch(const char* what, DWORD flags);
  BOOL HasSearched() const { return has_searched_; }
  const CString& LastSearchText() const { return last_search_; }
  DWORD LastFindFlags() const { return last_find_flags_; }

  // The pages of the print job under way (none outside one): their count and first lines.
  int PrintPageCount() const { return static_cast<int>(page_first_lines_.size()); }
  int PrintPageFirstLine(int page) const { return page_first_lines_[static_cast<size_t>(page)]; }
  void SetPrintHeader(BOOL on) { print_header_ = on; }
  void SetPrintFooter(BOOL on) { print_footer_ = on; }

  void OnDraw(CDC* pDC) override;
  void OnInitialUpdate() override;
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
  void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  BOOL HasFocus() const { return focus_; }
  BOOL IsDraggingOwnSelection() const { return dragging_own_selection_; }
  TextPosition DraggedStart() const { return dragged_start_; }
  TextPosition DraggedEnd() const { return dragged_end_; }
  // Draws the rows from top line down into the client area through the one-line bitmap.
  void DrawRows(CDC* pDC, const CRect& clip);
  CFont* FontFor(BOOL bold, BOOL italic);
  void UpdateCaret();
  // A bar's range, page and position; first_shown goes back to 0 when everything fits.
  void UpdateScrollBar(int bar, int& first_shown, int total, int page, BOOL position_only);
  void RecalcVertScrollBar(BOOL position_only = FALSE);
  void RecalcHorzScrollBar(BOOL position_only = FALSE);
  // Caret moves: the common ending (remembered column unless vertical, reveal, anchor, selection).
  void FinishCaretMove(BOOL extend, BOOL vertical = FALSE);
  // The place one character before (after) pos, across line ends; pos itself at the text's ends.
  TextPosition CharacterBefore(TextPosition pos);
  TextPosition CharacterAfter(TextPosition pos);
  // Without extend and with a selection, the caret goes to its start (or end); TRUE then.
  BOOL CollapseToSelectionEdge(BOOL extend, BOOL to_end);
  void MoveLeft(BOOL extend);
  void MoveRight(BOOL extend);
  void MoveWordLeft(BOOL extend);
  void MoveWordRight(BOOL extend);
  void MoveUp(BOOL extend);
  void MoveDown(BOOL extend);
  void MovePageUp(BOOL extend);
  void MovePageDown(BOOL extend);
  void MoveLineEnd(BOOL extend);
  void MoveHome(BOOL extend);
  void MoveTextBegin(BOOL extend);
  void MoveTextEnd(BOOL extend);
  // The line's text as a view.
  std::string_view LineView(int line);
  TextPosition ClampToText(TextPosition pos);
  TextPosition TextEnd();
  // The start of the line after line, or the end of the text on the last line.
  TextPosition StartOfLineAfter(int line);
  BOOL IsInsideSelection(TextPosition pos) const;
  void ScrollVertically(int top_line);
  void ScrollHorizontally(int offset);
  // Selects whole lines from the anchor's line to pos's line; returns the selection's end.
  TextPosition SelectLinesTo(TextPosition pos);
  // Selects whole words from the anchor to pos; the caret goes to pos's end.
  void SelectWordsTo(TextPosition pos);
  // Runs a drag of the selection out of the view.
  void BeginDragOfSelection();
  void EndSelecting();
  // Finds again with the remembered search, in the other direction when invert_direction is set.
  void FindAgain(BOOL invert_direction);
  void PaginateForPrinter(CDC* pDC);
  // The page-setup margins, in hundredths of millimetres and in the printer's dots.
  CRect PrintMargins();
  CRect PrinterMargins(CDC* pDC);

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

  afx_msg void OnCaretCommand(UINT nID);
  afx_msg void OnScrollUp();
  afx_msg void OnScrollDown();
  afx_msg void OnEditCopy();
  afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
  afx_msg void OnEditSelectAll();
  afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
  afx_msg void OnSelectWholeLines();
  afx_msg void OnEditRepeat();
  afx_msg void OnUpdateEditRepeat(CCmdUI* pCmdUI);
  afx_msg void OnEditFindPrevious();
  afx_msg void OnUpdateEditFindPrevious(CCmdUI* pCmdUI);
  afx_msg void OnToggleBookmark(UINT nID);
  afx_msg void OnGoBookmark(UINT nID);
  afx_msg void OnClearBookmarks();
  afx_msg void OnToggleAnonymousBookmark();
  afx_msg void OnNextAnonymousBookmark();
  afx_msg void OnPrevAnonymousBookmark();
  afx_msg void OnClearAnonymousBookmarks();
  afx_msg void OnUpdateAnonymousBookmarks(CCmdUI* pCmdUI);
  afx_msg void OnLineNumbers();
  afx_msg void OnUpdateLineNumbers(CCmdUI* pCmdUI);
  afx_msg void OnFontSize();
  afx_msg void OnPageSetup();
  afx_msg void OnUpdateIndicatorPosition(CCmdUI* pCmdUI);
  afx_msg void OnUpdateIndicatorCrlf(CCmdUI* pCmdUI);

  DECLARE_MESSAGE_MAP()

 private:
  void MeasureFont();
  void DropDrawingCaches();
  void DrawTextPieces(CDC* pDC, const CRect& rect, int line, COLORREF line_text, COLORREF background,
                      const std::vector<ColourBlock>& blocks);
  // Draws the bytes [from, to) starting at start_column; returns the column behind them.
  int DrawPiece(CDC* pDC, const CRect& rect, int line, int from, int to, int start_column, int colour_index,
                bool selected, COLORREF line_text, COLORREF background);
  std::vector<ColourBlock> ColourBlocksOf(int line);
  void ChooseCursor(CPoint client);

  // Fonts: normal, bold, italic, bold italic.
  std::array<std::unique_ptr<CFont>, 4> fonts_;
  LineCaches caches_;
  std::unique_ptr<CBitmap> line_bitmap_;
  int line_height_ = -1;
  int char_width_ = -1;
  int tab_size_ = kDefaultTabSize;
  BOOL show_tabs_ = FALSE;
  int screen_lines_ = -1;
  int screen_chars_ = -1;
  BOOL margin_ = TRUE;
  BOOL focus_ = FALSE;
  BOOL show_selection_without_focus_ = FALSE;
  LOGFONT log_font_;

  TextPosition caret_;
  int remembered_column_ = -1;
  TextPosition anchor_;
  TextPosition selection_start_;
  TextPosition selection_end_;
  int top_line_ = 0;
  int offset_char_ = 0;

  // Mouse state.
  BOOL selecting_ = FALSE;
  BOOL word_mode_ = FALSE;
  BOOL line_mode_ = FALSE;
  UINT_PTR selection_timer_ = 0;
  BOOL drag_pending_ = FALSE;
  BOOL drag_disabled_ = FALSE;
  BOOL dragging_own_selection_ = FALSE;
  TextPosition dragged_start_;
  TextPosition dragged_end_;

  CVellumTextBuffer* buffer_ = nullptr;
  int point_size_ = 100;

  // Printing.
  CRect print_rect_;
  int print_line_height_ = 0;
  std::unique_ptr<CFont> print_font_;
  std::vector<int> page_first_lines_;
  BOOL print_header_ = FALSE;
  BOOL print_footer_ = TRUE;

  // Search and bookmarks.
  CString last_search_;
  DWORD last_find_flags_ = 0;
  BOOL has_searched_ = FALSE;
  BOOL has_anonymous_bookmarks_ = FALSE;

  HACCEL accelerators_ = nullptr;
  BOOL alternate_context_menu_ = FALSE;
  BOOL no_nc_colouring_ = FALSE;
};

// The module the text component's resources come from.
HINSTANCE TextComponentResourceModule();
